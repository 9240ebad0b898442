#include "topics/algebra/Bino.h"

#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "common/TextMeasurer.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// ----- texts of the topic's page (registered here; move to the explicit list at merge)
constexpr TextItem kBinoDe[] = {{1, u"Berechnet werden Binome der Form"}, {2, u"mit  n < 500."}};
constexpr TextItem kBinoEn[] = {{1, u"Expands binomials of the form"}, {2, u"with  n < 500."}};
constexpr TextItem kBinoFr[] = {{1, u"Développe les binômes de la forme"}, {2, u"avec  n < 500."}};
// -----

QString real(Extended x) { return QString::fromStdU16String(FormatReal(15, x)); }

// The longest head that still has the first term beside it.
constexpr int kHeadWithTerm = 24;

}  // namespace

QStringList BinoMemoLines(Extended a, Extended b, int n, const TextMeasurer& F, const TextMeasurer& M) {
  // The k-th term's coefficient with its sign; the en dash is the minus sign.
  auto termText = [&](int k) {
    const Extended v = Binomial(n, k) * RealPower(a, n - k) * RealPower(b, k);
    if (!std::isfinite(v)) throw CalcFailure(msg::Overflow, "binomial coefficient overflow");
    return (v < 0 ? EnDash() : QStringLiteral("+")) + QString::fromStdU16String(FormatPowerOfTen(15, std::fabs(v)));
  };
  auto powerText = [](const QString& v, int e) {
    if (e == 0) return QString();
    return QStringLiteral(" ") + MulDot() + u' ' + v + (e == 1 ? QString() : SupScriptDigits(e));
  };

  QString h = u'(' + real(a) + MulDot() + QStringLiteral("x  ") + (b < 0 ? EnDash() : QStringLiteral("+")) + u' ' +
              real(std::fabs(b)) + MulDot() + QStringLiteral("y)") + SupScriptDigits(n) + QStringLiteral(" = ");
  const QString B = BlankWidthOf(F, h);
  const QString C = BlankWidthOf(F, termText(n / 2) + QStringLiteral("  "));
  h = PadRightToWidth(F, B, h);
  const QString indent = PadRightToWidth(F, B, QStringLiteral(" "));
  auto column = [&](int k) { return PadLeftToWidth(M, C, termText(k)); };

  if (a == 0 && b == 0) return {h + (n < 1 ? QStringLiteral("1") : QStringLiteral("0"))};
  if (b == 0) return {h + column(0) + powerText(QStringLiteral("x"), n)};
  if (a == 0) return {h + column(n) + powerText(QStringLiteral("y"), n)};

  QStringList lines;
  const QString first = column(0) + powerText(QStringLiteral("x"), n);
  if (h.size() <= kHeadWithTerm)
    lines << h + first;
  else
    lines << h << indent + first;
  for (int k = 1; k <= n; ++k)
    lines << indent + column(k) + powerText(QStringLiteral("x"), n - k) + powerText(QStringLiteral("y"), k);
  return lines;
}

// The texts of the topic's page; called by the area's registration.
void RegisterBinoTexts() {
  static const TextPageRegistration regDe{IBino, TextLanguage::German, kBinoDe};
  static const TextPageRegistration regEn{IBino, TextLanguage::English, kBinoEn};
  static const TextPageRegistration regFr{IBino, TextLanguage::French, kBinoFr};
}

}  // namespace zw
