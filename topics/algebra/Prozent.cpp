#include "topics/algebra/Prozent.h"

#include <charconv>
#include <cmath>
#include <string>

#include "kernel/CalcFailure.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "kernel/KernelState.h"
#include "common/TextMeasurer.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/algebra/AlgebraKit.h"

namespace zw {

namespace {

// ----- texts of the topic's page (registered here; move to the explicit list at merge)
constexpr TextItem kProzDe[] = {
    {1, u"Von den fünf Größen Grundwert, Prozentwert, Prozentsatz, Wachstumsfaktor und Endwert "
        u"werden zwei eingegeben; die übrigen werden berechnet."},
    {2, u"Grundwert"},
    {3, u"Prozentwert"},
    {4, u"Prozentsatz"},
    {5, u"Wachstumsfaktor"},
    {6, u"Endwert"},
};
constexpr TextItem kProzEn[] = {
    {1, u"Enter two of the five quantities base value, percentage, rate, growth factor and final "
        u"value; the others are computed."},
    {2, u"Base value"},
    {3, u"Percentage"},
    {4, u"Rate"},
    {5, u"Growth factor"},
    {6, u"Final value"},
};
constexpr TextItem kProzFr[] = {
    {1, u"Entrez deux des cinq grandeurs valeur de base, pourcentage, taux, facteur de croissance "
        u"et valeur finale ; les autres sont calculées."},
    {2, u"Valeur de base"},
    {3, u"Pourcentage"},
    {4, u"Taux"},
    {5, u"Facteur de croissance"},
    {6, u"Valeur finale"},
};
// -----

// A plain number with the regional separator (and an optional exponent),
// never through the C locale.
std::optional<Extended> readNumber(QString t) {
  t = t.trimmed();
  const QChar sep(kernelState().RegionalDecimalSeparator);
  if (t.isEmpty() || (sep != u'.' && t.contains(u'.'))) return std::nullopt;
  if (t.startsWith(u'+')) t.remove(0, 1);
  t.replace(sep, u'.');
  const std::string s = t.toStdString();
  if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s[0])) || s[0] == '-' || s[0] == '.'))
    return std::nullopt;
  Extended x = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(x)) return std::nullopt;
  return x;
}

void reduce(TBruchf& f) {
  BruchfReduce(f);
  if (f.n < 0) {
    f.z = -f.z;
    f.n = -f.n;
  }
}

TBruchf ratio(Extended z, Extended n) {
  TBruchf f{z, n};
  reduce(f);
  return f;
}

// A pair that would divide by zero has no solution ("Keine Lösung").
Extended nonZeroDivisor(Extended divisor) {
  if (divisor == 0) throw CalcFailure(5, "no solution: division by zero");
  return divisor;
}

QString real(int digits, Extended x) { return QString::fromStdU16String(FormatReal(digits, x)); }

const char16_t* const kSuffix[ProzCount] = {u" G = ", u" W = ", u" p% = ", u" q = ", u" E = "};

}  // namespace

std::optional<TBruchf> ParseProzFraction(const QString& text) {
  QString t = text.trimmed();
  if (t.isEmpty()) return TBruchf{0, 1};
  Extended d = 1;
  if (const qsizetype percent = t.indexOf(u'%'); percent >= 0) {
    d = 100;
    t = t.left(percent);
  }
  TBruchf f;
  if (const qsizetype slash = t.indexOf(u'/'); slash >= 0) {
    const auto z = readNumber(t.left(slash));
    const auto n = readNumber(t.mid(slash + 1, 15));
    if (!z || !n) return std::nullopt;
    f = {*z, *n};
  } else {
    const auto z = readNumber(t);
    if (!z) return std::nullopt;
    // Eight decimals as a whole numerator: 1,05 is exactly 105000000 / 10^8,
    // not the nearest binary value times 10^8.
    f = {nearbyintl(*z * 1e8L), d * 1e8L};
  }
  // A zero denominator is no fraction at all; it would only divide by zero later.
  if (f.n == 0 || !std::isfinite(f.z)) return std::nullopt;
  reduce(f);
  return f;
}

ProzReading ReadProz(const std::array<QString, ProzCount>& texts) {
  ProzReading r;
  for (int i = 0; i < ProzCount; ++i) {
    const QString& text = texts[static_cast<std::size_t>(i)];
    bool given = false;
    bool ok = true;
    if (i == ProzP || i == ProzQ) {
      const auto f = ParseProzFraction(text);
      ok = f.has_value();
      if (ok) (i == ProzP ? r.values.p : r.values.q) = *f;
      given = ok && f->z != 0;
    } else {
      Extended x = 0;
      std::int32_t good = 0;
      ReadValue(text.toStdU16String(), x, u'f', good);
      ok = good != 0;
      if (ok) (i == ProzG ? r.values.G : i == ProzW ? r.values.W : r.values.E) = x;
      // A negative final value counts as not given.
      given = ok && (i == ProzE ? x > 0 : x != 0);
    }
    if (!ok && r.firstBad < 0) r.firstBad = i;
    if (given) r.mask |= 1 << i;
  }
  return r;
}

int ProzMessage(const ProzReading& r) {
  if (r.firstBad >= 0) return msg::InvalidInput;
  int count = 0;
  for (int i = 0; i < ProzCount; ++i) count += (r.mask >> i) & 1;
  if (count < 2) return 3;
  if (count > 2) return 4;
  if (r.mask == ((1 << ProzP) | (1 << ProzQ))) return msg::InvalidInput;  // not independent
  return 0;
}

ProzValues SolveProz(const ProzValues& in, int mask) {
  const TBruchf one{1, 1};
  ProzValues v = in;
  auto fromP = [&] { v.q = BruchfOp(v.p, one, '+'); };
  auto fromQ = [&] { v.p = BruchfOp(v.q, one, '-'); };
  switch (mask) {
    case 3:  // G, W
      v.p = ratio(v.W, v.G);
      fromP();
      v.E = v.G + v.W;
      break;
    case 5:  // G, p
      v.W = v.G * v.p.z / v.p.n;
      fromP();
      v.E = v.G + v.W;
      break;
    case 6:  // W, p
      v.G = v.W * v.p.n / nonZeroDivisor(v.p.z);
      fromP();
      v.E = v.G + v.W;
      break;
    case 9:  // G, q
      fromQ();
      v.W = v.G * v.p.z / v.p.n;
      v.E = v.G + v.W;
      break;
    case 10:  // W, q: q = 1 has no percentage to divide by
      fromQ();
      v.G = v.W * v.p.n / nonZeroDivisor(v.p.z);
      v.E = v.G + v.W;
      break;
    case 17:  // G, E
      v.W = v.E - v.G;
      v.p = ratio(v.W, v.G);
      fromP();
      break;
    case 18:  // W, E: E = W leaves no base value
      v.G = v.E - v.W;
      v.p = ratio(v.W, nonZeroDivisor(v.G));
      fromP();
      break;
    case 20:  // p, E: p = -100 % makes q = 0
      fromP();
      v.G = v.E * v.q.n / nonZeroDivisor(v.q.z);
      v.W = v.E - v.G;
      break;
    case 24:  // q, E
      v.G = v.E * v.q.n / nonZeroDivisor(v.q.z);
      fromQ();
      v.W = v.E - v.G;
      break;
    default: throw CalcFailure(5, "no pair of quantities");
  }
  for (Extended x : {v.G, v.W, v.E, v.p.z, v.p.n, v.q.z, v.q.n})
    if (!std::isfinite(x)) throw CalcFailure(msg::Overflow, "percentage overflow");
  return v;
}

ProzLabels ProzLabels::current() {
  ProzLabels l;
  for (int i = 0; i < ProzCount; ++i) l.names[static_cast<std::size_t>(i)] = GetText(IProz, i + 2);
  l.given = GetMessageText(26);
  l.results = GetMessageText(27);
  return l;
}

QStringList ProzMemoLines(const ProzValues& v, int mask, const TextMeasurer& f, const ProzLabels& t) {
  const QString R = BlankWidthOf(f, BlankWidthOf3(f, t.names[0], t.names[1], t.names[2], t.names[3], t.names[4]) +
                                        QStringLiteral(" p% =  "));
  const QString eq = PadLeftToWidth(f, R, QStringLiteral("= "));
  auto quantityLines = [&](int i) {
    const QString label = PadLeftToWidth(f, R, t.names[static_cast<std::size_t>(i)] + QString::fromUtf16(kSuffix[i]));
    if (i != ProzP && i != ProzQ) return QStringList{label + real(8, i == ProzG ? v.G : i == ProzW ? v.W : v.E)};
    const TBruchf& b = i == ProzP ? v.p : v.q;
    const Extended x = b.z / b.n;
    return QStringList{label + real(8, x * 100) + u'%', eq + real(8, x),
                       eq + real(15, b.z) + u'/' + real(15, b.n)};
  };
  QStringList lines = UnderlinedLines(f, t.given);
  for (int i = 0; i < ProzCount; ++i)
    if (mask & (1 << i)) lines << quantityLines(i);
  lines << QString() << UnderlinedLines(f, t.results);
  for (int i = 0; i < ProzCount; ++i)
    if (!(mask & (1 << i))) lines << quantityLines(i);
  lines << QString();
  return lines;
}

// The texts of the topic's page; called by the area's registration.
void RegisterProzentTexts() {
  static const TextPageRegistration regDe{IProz, TextLanguage::German, kProzDe};
  static const TextPageRegistration regEn{IProz, TextLanguage::English, kProzEn};
  static const TextPageRegistration regFr{IProz, TextLanguage::French, kProzFr};
}

}  // namespace zw
