#include "topics/algebra/Dez2Br.h"

#include <algorithm>
#include <numeric>

#include "kernel/Format.h"
#include "kernel/KernelState.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// ----- texts of the topic's page (registered here; move to the explicit list at merge)
constexpr TextItem kDez2BrDe[] = {
    {1, u"Eine abbrechende oder periodische Dezimalzahl (z. B. 0,1666...: nichtperiodischer Teil 0,1, "
        u"Periode 6) wird in einen gekürzten Bruch verwandelt."},
    {2, u"Nichtperiodischer Teil"},
    {3, u"Periode"},
};
constexpr TextItem kDez2BrEn[] = {
    {1, u"A terminating or recurring decimal is turned into a reduced fraction. "
        u"Example: in 0.1666... the digits 0.1 come before the repeating digit 6."},
    {2, u"Non-recurring part"},
    {3, u"Period"},
};
constexpr TextItem kDez2BrFr[] = {
    {1, u"Un nombre décimal limité ou périodique (par ex. 0,1666... : partie 0,1, période 6) "
        u"est converti en fraction irréductible."},
    {2, u"Partie non périodique"},
    {3, u"Période"},
};
// -----

using u128 = unsigned __int128;

u128 gcd128(u128 a, u128 b) {
  while (b != 0) {
    const u128 r = a % b;
    a = b;
    b = r;
  }
  return a;
}

bool allDigits(const QString& t) {
  for (QChar c : t)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// The value of a digit string, or Dez2BrLimit + 1 when it exceeds the limit.
u128 digitValue(const QString& digits) {
  u128 v = 0;
  for (QChar c : digits) {
    v = v * 10 + static_cast<unsigned>(c.unicode() - u'0');
    if (v > Dez2BrLimit) return static_cast<u128>(Dez2BrLimit) + 1;
  }
  return v;
}

QString whole(int digits, u128 v) {
  return QString::fromStdU16String(FormatReal(digits, static_cast<Extended>(v)));
}
QString fractionText(u128 z, u128 n) { return whole(16, z) + u'/' + whole(16, n); }

}  // namespace

Dez2BrConversion ConvertDecimal(const QString& nonRepeating, const QString& period) {
  Dez2BrConversion r;
  QString ns = nonRepeating.trimmed();
  QString ps = period.trimmed();
  if (ns.isEmpty()) ns = QStringLiteral("0");
  if (ps.isEmpty()) ps = QStringLiteral("0");

  // A plain numeral: digits around at most one separator, at least one digit.
  const qsizetype sepPos = [&] {
    const qsizetype p = ns.indexOf(u'.');
    return p >= 0 ? p : ns.indexOf(u',');
  }();
  QString intDigits = sepPos >= 0 ? ns.left(sepPos) : ns;
  const QString fracDigits = sepPos >= 0 ? ns.mid(sepPos + 1) : QString();
  if (!allDigits(intDigits) || !allDigits(fracDigits) || intDigits.size() + fracDigits.size() == 0) {
    r.badField = 0;
    return r;
  }
  if (!allDigits(ps)) {
    r.badField = 1;
    return r;
  }
  const int k = static_cast<int>(fracDigits.size());
  const int lp = static_cast<int>(ps.size());
  const u128 N = digitValue(intDigits + fracDigits);
  if (k > 18 || N > Dez2BrLimit) {
    r.badField = 0;
    return r;
  }
  u128 B = 1;
  for (int i = 0; i < k; ++i) B *= 10;
  u128 D2 = 0;
  if (lp <= 19) {
    u128 nines = 1;
    for (int i = 0; i < lp; ++i) nines *= 10;
    D2 = B * (nines - 1);
  }
  if (lp > 19 || D2 > Dez2BrLimit) {
    r.badField = 1;
    return r;
  }
  if (D2 == 0) D2 = 1;
  const u128 P = digitValue(ps);

  // N/B + P/D2, each reduced first, summed over the gcd of the denominators.
  const u128 g1 = std::max<u128>(gcd128(N, B), 1), g2 = std::max<u128>(gcd128(P, D2), 1);
  const u128 a = N / g1, b = B / g1, c = P / g2, d = D2 / g2;
  const u128 g = gcd128(b, d);
  u128 num = a * (d / g) + c * (b / g);
  u128 den = b * (d / g);
  const u128 h = num == 0 ? den : gcd128(num, den);
  num /= h;
  den /= h;

  r.key = ns + u'_' + ps;
  const QString sign = QString::fromStdU16String(kernelState().LanguageDecimalSeparator);
  QString shown = ns;
  shown.replace(u'.', sign).replace(u',', sign);
  if (sepPos < 0) shown += sign;
  const int w = std::max(static_cast<int>(r.key.size()), 10);
  const int ln = static_cast<int>(shown.size());
  r.lines << QString(w - lp, u' ') + QString(lp, u'_');
  r.lines << QString(std::max(0, w - ln - lp), u' ') + shown + ps + QStringLiteral(" = ") + fractionText(N, B) +
                 QStringLiteral(" + ") + fractionText(P, D2);
  r.lines << QString(w, u' ') + QStringLiteral(" = ") + (den == 1 ? whole(15, num) : fractionText(num, den));
  return r;
}

// The texts of the topic's page; called by the area's registration.
void RegisterDez2BrTexts() {
  static const TextPageRegistration regDe{IDez2Br, TextLanguage::German, kDez2BrDe};
  static const TextPageRegistration regEn{IDez2Br, TextLanguage::English, kDez2BrEn};
  static const TextPageRegistration regFr{IDez2Br, TextLanguage::French, kDez2BrFr};
}

}  // namespace zw
