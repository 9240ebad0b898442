#include "topics/algebra/ggT.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include "kernel/BigInt.h"
#include "kernel/Format.h"
#include "kernel/KernelState.h"
#include "platform/text/TextMeasurer.h"
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

u64 mulMod(u64 a, u64 b, u64 m) { return static_cast<u64>(static_cast<u128>(a) * b % m); }

u64 powMod(u64 b, u64 e, u64 m) {
  u64 r = 1 % m;
  b %= m;
  while (e) {
    if (e & 1) r = mulMod(r, b, m);
    b = mulMod(b, b, m);
    e >>= 1;
  }
  return r;
}

u64 gcdU64(u64 a, u64 b) { return std::gcd(a, b); }

constexpr u64 kSmallPrimeLimit = 1000;

// Pollard's rho with Brent's cycle search and batched gcds; n is odd,
// composite and has no prime factor below kSmallPrimeLimit.
u64 rhoFactor(u64 n) {
  for (u64 c = 1;; ++c) {
    u64 y = 2, x = 2, q = 1, g = 1, ys = 2;
    constexpr u64 batch = 128;
    auto f = [n, c](u64 v) { return (mulMod(v, v, n) + c) % n; };
    for (u64 r = 1; g == 1; r <<= 1) {
      x = y;
      for (u64 i = 0; i < r; ++i) y = f(y);
      for (u64 k = 0; k < r && g == 1; k += batch) {
        ys = y;
        for (u64 i = 0; i < std::min(batch, r - k); ++i) {
          y = f(y);
          q = mulMod(q, x > y ? x - y : y - x, n);
        }
        g = gcdU64(q, n);
      }
    }
    if (g == n) {  // the batch overshot: step back one at a time
      do {
        ys = f(ys);
        g = gcdU64(x > ys ? x - ys : ys - x, n);
      } while (g == 1);
    }
    if (g != n) return g;
  }
}

void collectFactors(u64 n, std::vector<u64>& primes) {
  if (n == 1) return;
  if (IsPrimeU64(n)) {
    primes.push_back(n);
    return;
  }
  const u64 d = rhoFactor(n);
  collectFactors(d, primes);
  collectFactors(n / d, primes);
}

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

QString setText(const std::vector<u64>& divisors) {
  QString s;
  for (u64 d : divisors) s += u' ' + real(15, static_cast<long double>(d));
  return s;
}

}  // namespace

QString GgtName(int index) {
  static const char16_t* const kNames[GgtFieldCount] = {u"a", u"b", u"c", u"d", u"e",
                                                        u"f", u"g", u"h", u"i", u"k"};
  return index >= 0 && index < GgtFieldCount ? QString::fromUtf16(kNames[index]) : QString();
}

bool IsPrimeU64(u64 n) {
  if (n < 2) return false;
  for (u64 p : {2u, 3u, 5u, 7u, 11u, 13u, 17u, 19u, 23u, 29u, 31u, 37u}) {
    if (n % p == 0) return n == p;
  }
  u64 d = n - 1;
  int s = 0;
  while ((d & 1) == 0) {
    d >>= 1;
    ++s;
  }
  // These seven bases decide every 64-bit number.
  for (u64 a : {2ull, 325ull, 9375ull, 28178ull, 450775ull, 9780504ull, 1795265022ull}) {
    const u64 b = a % n;
    if (b == 0) continue;
    u64 x = powMod(b, d, n);
    if (x == 1 || x == n - 1) continue;
    bool composite = true;
    for (int r = 1; r < s && composite; ++r) {
      x = mulMod(x, x, n);
      if (x == n - 1) composite = false;
    }
    if (composite) return false;
  }
  return true;
}

std::vector<std::pair<u64, int>> PrimeFactorsU64(u64 n) {
  std::vector<u64> primes;
  if (n < 2) return {};
  for (u64 p = 2; p < kSmallPrimeLimit && p * p <= n; p += (p == 2 ? 1 : 2)) {
    while (n % p == 0) {
      primes.push_back(p);
      n /= p;
    }
  }
  if (n > 1) collectFactors(n, primes);
  std::sort(primes.begin(), primes.end());
  std::vector<std::pair<u64, int>> out;
  for (u64 p : primes) {
    if (!out.empty() && out.back().first == p)
      ++out.back().second;
    else
      out.emplace_back(p, 1);
  }
  return out;
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
    r.sets[static_cast<std::size_t>(i)] = SmallestDivisors(v);
    // The set of a number below 2 is { 1 }, its sum the number itself.
    r.sums[static_cast<std::size_t>(i)] =
        v <= 1 ? v
               : std::accumulate(r.sets[static_cast<std::size_t>(i)].begin(),
                                 r.sets[static_cast<std::size_t>(i)].end(), u64{0});
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
      lines << QStringLiteral("T(") + GgtName(i) + QStringLiteral(") = {") + setText(r.sets[i + 1]) +
                   QStringLiteral(" }");
  lines << QString();

  QString intersection = QStringLiteral("T(a) ");
  for (int i = 1; i < GgtFieldCount; ++i)
    if (present(i)) intersection += IntersectionSign() + QStringLiteral(" T(") + GgtName(i) + QStringLiteral(") ");
  lines << intersection + QStringLiteral("= {") + setText(r.sets[0]) + QStringLiteral(" }");
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
                   // Signed: the sum of a capped set can stay below the number itself.
                   sumColumn(static_cast<long double>(sum) - static_cast<long double>(v));
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
