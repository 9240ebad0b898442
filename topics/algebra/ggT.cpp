#include "topics/algebra/ggT.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include "kernel/BigInt.h"
#include "kernel/Format.h"
#include "kernel/KernelState.h"
#include "common/TextMeasurer.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// ----- texts of the topic's page ------------------------------------------

constexpr TextItem kGgtDe[] = {
    {1, u"Berechnet werden der größte gemeinsame Teiler (ggT),  das kleinste gemeinsame Vielfache (kgV) "
        u"und die Teilermengen von bis zu 10 Zahlen."},
    {2, u"ggT"},
    {3, u"kgV"},
    {4, u"Größter gemeinsamer Teiler"},
    {5, u"Kleinstes gemeinsames Vielfaches"},
    {6, u"Teilermengen"},
    {7, u"Teilersummen"},
    {8, u"vollkommene Zahl"},
};
constexpr TextItem kGgtEn[] = {
    {1, u"Computes the greatest common factor (G.C.F.),  the least common multiple (L.C.M.) "
        u"and the sets of divisors of up to 10 numbers."},
    {2, u"G.C.F."},
    {3, u"L.C.M."},
    {4, u"Greatest common factor"},
    {5, u"Least common multiple"},
    {6, u"Sets of divisors"},
    {7, u"Sums of divisors"},
    {8, u"perfect number"},
};
constexpr TextItem kGgtFr[] = {
    {1, u"Calcule le plus grand commun diviseur (PGCD),  le plus petit commun multiple (PPCM) "
        u"et les ensembles des diviseurs de 10 nombres au plus."},
    {2, u"PGCD"},
    {3, u"PPCM"},
    {4, u"Plus grand commun diviseur"},
    {5, u"Plus petit commun multiple"},
    {6, u"Ensembles des diviseurs"},
    {7, u"Sommes des diviseurs"},
    {8, u"nombre parfait"},
};

// ----- 64-bit number theory -----------------------------------------------

using u64 = std::uint64_t;
using u128 = unsigned __int128;

u64 gcdU64(u64 a, u64 b) { return std::gcd(a, b); }

// ----- exact lcm ----------------------------------------------------------

// value mod m of a non-negative big integer (limbs base 10^9, lowest first).
u64 bigMod(const TBigInt& a, u64 m) {
  u128 r = 0;
  for (int i = static_cast<int>(a[0] < 0 ? -a[0] : a[0]); i >= 1; --i)
    r = (r * static_cast<u128>(BigIntBase) + static_cast<u64>(a[static_cast<std::size_t>(i)])) % m;
  return static_cast<u64>(r);
}

void bigFromU128(u128 v, TBigInt& a) {
  BigIntZero(a);
  int n = 0;
  do {
    a[static_cast<std::size_t>(++n)] = static_cast<std::int64_t>(v % static_cast<u128>(BigIntBase));
    v /= static_cast<u128>(BigIntBase);
  } while (v != 0);
  a[0] = n;
}

std::string u128Digits(u128 v) {
  std::string s;
  do {
    s += static_cast<char>('0' + static_cast<int>(v % 10));
    v /= 10;
  } while (v != 0);
  std::reverse(s.begin(), s.end());
  return s;
}

// ----- memo pieces ----------------------------------------------------------

QString real(int digits, long double x) { return QString::fromStdU16String(FormatReal(digits, x)); }

// " 1 2 3 }", or " 1 2 … }" when the list is cut.
QString setText(const std::vector<u64>& divisors, bool cut) {
  QString s;
  for (u64 d : divisors) s += u' ' + real(15, static_cast<long double>(d));
  if (cut) s += QStringLiteral(" \u2026");
  return s + QStringLiteral(" }");
}

}  // namespace

QString GgtName(int index) {
  static const char16_t* const kNames[GgtFieldCount] = {u"a", u"b", u"c", u"d", u"e",
                                                        u"f", u"g", u"h", u"i", u"k"};
  return index >= 0 && index < GgtFieldCount ? QString::fromUtf16(kNames[index]) : QString();
}

std::vector<u64> SmallestDivisors(u64 n, int cap) {
  if (n <= 1) return {1};
  std::vector<u64> all{1};
  for (const auto& [p, e] : PrimeFactorsU64(n)) {
    const std::size_t count = all.size();
    u64 pk = 1;
    for (int k = 1; k <= e; ++k) {
      pk *= p;
      for (std::size_t i = 0; i < count; ++i) all.push_back(all[i] * pk);
    }
  }
  const std::size_t keep = std::min(all.size(), static_cast<std::size_t>(std::max(cap, 0)));
  std::partial_sort(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(keep), all.end());
  all.resize(keep);
  return all;
}

std::vector<u64> SmallestDivisorsByTrial(u64 n, int cap) {
  if (n <= 1) return {1};
  std::vector<u64> d;
  for (u64 h = 1;; ++h) {
    if (n % h == 0) d.push_back(h);
    const u128 next = static_cast<u128>(h) + 1;
    if (!(next * next <= n && static_cast<int>(d.size()) < cap)) break;
  }
  // A square root is listed once.
  std::size_t m = d.size();
  if (static_cast<u128>(d.back()) * d.back() == n) --m;
  while (static_cast<int>(d.size()) < cap && m >= 1) d.push_back(n / d[--m]);
  return d;
}

u64 DivisorSum(u64 n) {
  if (n <= 1) return n;
  u64 sum = 1;
  for (const auto& [p, e] : PrimeFactorsU64(n)) {
    // 1 + p + ... + p^e, built up term by term: no division, no overflow
    // for any n up to 10^15 (the sum stays below 5 * 10^15).
    u64 term = 1, part = 1;
    for (int k = 1; k <= e; ++k) {
      term *= p;
      part += term;
    }
    sum *= part;
  }
  return sum;
}

u64 DivisorCount(u64 n) {
  u64 count = 1;
  for (const auto& [p, e] : PrimeFactorsU64(n)) count *= static_cast<u64>(e) + 1;
  return count;
}

std::string ExactLcmDigits(std::span<const u64> values) {
  u128 small = 1;
  std::unique_ptr<TBigInt> big;  // set once the lcm no longer fits 128 bits
  for (u64 v : values) {
    if (v == 0) continue;
    if (!big) {
      const u64 factor = v / gcdU64(static_cast<u64>(small % v), v);
      if (small <= ~static_cast<u128>(0) / factor) {
        small *= factor;
        continue;
      }
      big = std::make_unique<TBigInt>();
      bigFromU128(small, *big);
    }
    const u64 factor = v / gcdU64(bigMod(*big, v), v);
    auto f = std::make_unique<TBigInt>();
    bigFromU128(factor, *f);
    BigIntMulAbs(*big, *f, *big);
  }
  if (!big) return u128Digits(small);
  const std::u16string s = BigIntToStr(*big);
  return std::string(s.begin(), s.end());
}

QString FormatWholeDefault(const std::string& digitsIn) {
  constexpr std::size_t p = 15;
  std::string d = digitsIn;
  d.erase(0, std::min(d.find_first_not_of('0'), d.size()));
  if (d.empty()) return QStringLiteral("0");
  if (d.size() <= p) return QString::fromStdString(d);
  int exponent = static_cast<int>(d.size()) - 1;
  const bool up = d[p] >= '5';
  d.resize(p);
  if (up) {
    int i = static_cast<int>(p) - 1;
    while (i >= 0 && d[static_cast<std::size_t>(i)] == '9') d[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      d.insert(d.begin(), '1');
      d.pop_back();
      ++exponent;
    } else {
      ++d[static_cast<std::size_t>(i)];
    }
  }
  while (d.size() > 1 && d.back() == '0') d.pop_back();
  QString s = QString(QChar(d[0]));
  if (d.size() > 1) s += QChar(kernelState().RegionalDecimalSeparator) + QString::fromStdString(d.substr(1));
  return s + u'E' + QString::number(exponent);
}

GgtLabels GgtLabels::current() {
  return {GetText(IggT, 2), GetText(IggT, 3), GetText(IggT, 4), GetText(IggT, 5),
          GetText(IggT, 6), GetText(IggT, 7), GetText(IggT, 8)};
}

GgtResult ComputeGgt(const std::array<u64, GgtFieldCount>& x) {
  GgtResult r;
  u64 g = x[0];
  for (u64 v : x)
    if (v != 0) g = gcdU64(v, g);
  r.gcd = std::max<u64>(g, 1);
  r.lcmDigits = ExactLcmDigits(x);
  for (int i = 0; i <= GgtFieldCount; ++i) {
    const u64 v = i == 0 ? r.gcd : x[static_cast<std::size_t>(i - 1)];
    if (v == 0) continue;
    const auto k = static_cast<std::size_t>(i);
    r.sets[k] = SmallestDivisors(v);
    r.cut[k] = DivisorCount(v) > r.sets[k].size();
    // The set of a number below 2 is { 1 }, its sum the number itself.
    r.sums[k] = DivisorSum(v);
  }
  return r;
}

QStringList GgtMemoLines(const std::array<u64, GgtFieldCount>& x, const GgtResult& r,
                         const TextMeasurer& font, const GgtLabels& t) {
  auto present = [&x](int i) { return x[static_cast<std::size_t>(i)] != 0; };
  QStringList lines;
  for (int i = 0; i < GgtFieldCount; ++i)
    if (present(i)) lines << GgtName(i) + QStringLiteral(" = ") + real(15, static_cast<long double>(x[i]));
  lines << QString();

  // The long names padded so that both " = " stand one under the other.
  const QString five(5, u' ');
  const QString b = BlankWidthOf2(font, t.gcdLong, t.lcmLong);
  const QString w = BlankWidthOf2(font, b + five + t.gcdShort, b + five + t.lcmShort);
  lines << PadBetweenToWidth(font, w, t.gcdLong, t.gcdShort) + QStringLiteral(" = ") +
               real(15, static_cast<long double>(r.gcd));
  lines << PadBetweenToWidth(font, w, t.lcmLong, t.lcmShort) + QStringLiteral(" = ") +
               FormatWholeDefault(r.lcmDigits);
  lines << QString();

  lines << t.divisorSets + QStringLiteral(" : ");
  for (int i = 0; i < GgtFieldCount; ++i)
    if (present(i))
      lines << QStringLiteral("T(") + GgtName(i) + QStringLiteral(") = {") + setText(r.sets[i + 1], r.cut[i + 1]);
  lines << QString();

  QString intersection = QStringLiteral("T(a) ");
  for (int i = 1; i < GgtFieldCount; ++i)
    if (present(i)) intersection += IntersectionSign() + QStringLiteral(" T(") + GgtName(i) + QStringLiteral(") ");
  lines << intersection + QStringLiteral("= {") + setText(r.sets[0], r.cut[0]);
  lines << QString();

  lines << t.divisorSums + QStringLiteral(" : ");
  const QString column = BlankWidthOf(font, QString(20, u' '));
  // A sum wider than the column still keeps one blank before the next label.
  auto sumColumn = [&](long double value) {
    const QString text = real(18, value);
    const QString padded = PadRightToWidth(font, column, text);
    return padded.size() == text.size() ? text + u' ' : padded;
  };
  for (int i = 0; i < GgtFieldCount; ++i) {
    if (!present(i)) continue;
    const u64 v = x[static_cast<std::size_t>(i)];
    const u64 sum = r.sums[static_cast<std::size_t>(i + 1)];
    QString line = SigmaSign() + u'(' + GgtName(i) + QStringLiteral(") = ") +
                   sumColumn(static_cast<long double>(sum)) + SigmaSign() +
                   QStringLiteral("*(") + GgtName(i) + QStringLiteral(") = ") +
                   sumColumn(static_cast<long double>(sum - v));
    if (static_cast<u128>(sum) == static_cast<u128>(v) * 2) line += QStringLiteral("   ") + t.perfectNumber;
    lines << line;
  }
  return lines;
}

QStringList GgtMemoLines(const std::array<u64, GgtFieldCount>& x, const TextMeasurer& memoFont) {
  return GgtMemoLines(x, ComputeGgt(x), memoFont, GgtLabels::current());
}

void RegisterGgtTexts() {
  // Kept for the whole run; a second call registers nothing more.
  static const TextPageRegistration de{IggT, TextLanguage::German, kGgtDe};
  static const TextPageRegistration en{IggT, TextLanguage::English, kGgtEn};
  static const TextPageRegistration fr{IggT, TextLanguage::French, kGgtFr};
}

}  // namespace zw
