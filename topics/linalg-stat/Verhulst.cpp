#include "topics/linalg-stat/Verhulst.h"

#include <algorithm>
#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/PolyText.h"
#include "kernel/TextPadding.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

constexpr TextItem kVerhulstDe[] = {
    {1, u"For a given saturation limit S the program determines the initial value \u0192(0) and the proportionality "
        u"factor k for an adjustment of the function on the given pairs of values"},
    {2, u"Sättigungsgrenze"},
    {3, u"Daten aus"},
    {4, u"Wendepunkt"},
    {5, u"Maximale Wachstumsrate"},
    {6, u"Dunkelziffer"},
    {7, u"Ergebnisse runden"},
    {8, u"1. Datum"},
    {9, u"Datum"},
    {10, u"Bei logistischem Wachstum ist die Wachstumsrate proportional zum Bestand und zum Sättigungsmanko."},
    {11, u"Daraus folgt die Differentialgleichung:"},
    {12, u"mit der Lösung:"},
};
constexpr TextItem kVerhulstEn[] = {
    {1, u"For a given saturation limit S the program determines the initial value \u0192(0) and the proportionality "
        u"factor k for an adjustment of the function on the given pairs of values"},
    {2, u"Saturation limit"},
    {3, u"Data from"},
    {4, u"Inflection point"},
    {5, u"Maximum growth rate"},
    {6, u"Dark figure"},
    {7, u"Round results"},
    {8, u"1st date"},
    {9, u"Date"},
    {10, u"In logistical growth, the growth rate is proportional to the stock and the saturation deficit"},
    {11, u"From this follows the differential equation:"},
    {12, u"with the solution:"},
};
constexpr TextItem kVerhulstFr[] = {
    {1, u"Pour une limite de saturation S donnée, le programme détermine la valeur initiale \u0192(0) et le facteur "
        u"de proportionnalité k de la fonction ajustée aux couples de valeurs donnés"},
    {2, u"Limite de saturation"},
    {3, u"Données de"},
    {4, u"Point d'inflexion"},
    {5, u"Taux de croissance maximal"},
    {6, u"Chiffre noir"},
    {7, u"Arrondir les résultats"},
    {8, u"1re date"},
    {9, u"Date"},
    {10, u"Dans la croissance logistique, le taux de croissance est proportionnel au stock et au déficit de "
         u"saturation."},
    {11, u"On en déduit l'équation différentielle :"},
    {12, u"de solution :"},
};

[[noreturn]] void Improper() { throw CalcFailure(msg::ImproperData); }

void Finite(std::initializer_list<Extended> values) {
  for (Extended v : values)
    if (!std::isfinite(v)) Improper();
}

std::u16string Fpt(Extended x) { return FormatPowerOfTen(5, x); }
std::u16string Fmm(Extended x) { return FormatMioMrd(5, x); }
std::u16string F(const QString& s) { return s.toStdU16String(); }

}  // namespace

VerhulstFit FitVerhulst(const std::vector<TVec2>& points, Extended S, Extended factor) {
  if (points.empty()) throw CalcFailure(msg::TooFewData);
  VerhulstFit f;
  f.count = int(points.size());
  f.limit = S;
  f.factor = factor;
  f.firstT = points[0].x;
  std::size_t xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i].x < points[xmin].x) xmin = i;
    if (points[i].x > points[xmax].x) xmax = i;
    if (points[i].y < points[ymin].y) ymin = i;
    if (points[i].y > points[ymax].y) ymax = i;
  }
  f.x1 = points[xmin].x - 1, f.x2 = points[xmax].x + 1;
  f.y1 = points[ymin].y - 1, f.y2 = points[ymax].y + 1;
  // The regression of ln(1/ƒ − 1/S) on t.
  const Extended n = Extended(points.size());
  Extended Sx = 0, Sy = 0, Sxx = 0, Syy = 0, Sxy = 0;
  if (S == 0) Improper();
  for (const TVec2& p : points) {
    if (p.y == 0) Improper();
    const Extended u = 1 / p.y - 1 / S;
    if (!(u > 0)) Improper();
    const Extended X = p.x, Y = std::log(u);
    Sx += X, Sy += Y, Sxx += X * X, Syy += Y * Y, Sxy += X * Y;
  }
  const Extended den = Sxx * n - Sx * Sx;
  if (den == 0) Improper();
  f.r1 = (n * Sxy - Sy * Sx) / den;
  f.r0 = (Sy - Sx * f.r1) / n;
  if (n < 3) {
    f.r2 = 1, f.st = 0;
  } else {
    const Extended a = (Sxy - Sy * Sx / n) * f.r1, g = Syy - Sy * Sy / n;
    if (g == 0) Improper();
    f.r2 = a / g;
    f.st = std::fabs(g - a) / (n - 2);
  }
  f.k = -f.r1 / S;
  f.f0 = S / (S * std::exp(f.r0) + 1);
  if (f.k == 0 || f.f0 == 0) Improper();
  f.xw = std::log(S / f.f0 - 1) / (f.k * S);
  f.yw = VerhulstModel(f, f.xw);
  f.mw = f.k * S * S / 4;
  f.k1 = f.f0 * S, f.k2 = f.f0, f.k3 = S - f.f0, f.k4 = -S * f.k;
  Finite({f.r0, f.r1, f.r2, f.st, f.f0, f.k, f.xw, f.yw, f.mw, f.k1, f.k3, f.k4, f.x1, f.x2, f.y1, f.y2});
  f.numerator = Fpt(f.k1);
  f.denominator = Fpt(f.k2) + u" + " + Fpt(f.k3) + u" " + ksym::MulDotSign + u" e^(" + Fpt(f.k4) +
                  ksym::MulDotSign + u"t)";
  return f;
}

Extended VerhulstModel(const VerhulstFit& f, Extended t) {
  const Extended S = f.limit;
  const Extended v = f.f0 * S / (std::exp(-S * f.k * t) * (S - f.f0) + f.f0);
  return std::isfinite(v) ? v : 0;
}

Extended VerhulstSlope(const VerhulstFit& f, Extended t) {
  const Extended y = VerhulstModel(f, t);
  const Extended v = y * f.k * (f.limit - y);
  return std::isfinite(v) ? v : 0;
}

QString VerhulstClipboardText(const VerhulstFit& f) {
  auto F5 = [](Extended x) { return QString::fromStdU16String(FormatReal(5, x)); };
  return F5(f.k1) + QStringLiteral("/(") + F5(f.k2) + QStringLiteral("+") + F5(f.k3) + QStringLiteral("*exp(") +
         F5(f.k4) + QStringLiteral("*x) )");
}

QStringList VerhulstMemoLines(const VerhulstFit& f, const QString& dataFile, const TextMeasurer& font) {
  QStringList out;
  auto add = [&out](const std::u16string& s) { out << QString::fromStdU16String(s); };
  out << GetTextColon(IVerhulst, 3) + dataFile << QString();
  const Extended st = f.r2 == 1 ? 0 : f.st;
  const std::u16string l2 = F(GetTextColon(IVerhulst, 2)), l6 = F(GetTextColon(IVerhulst, 6));
  const std::u16string& wider = font.textWidth(l2) >= font.textWidth(l6) ? l2 : l6;
  add(PadLeftToWidth(font, wider, l2) + Fmm(f.limit));
  add(PadLeftToWidth(font, wider, l6) + Fmm(f.factor));
  out << QString();
  const FractionText3 frac =
      FractionLines(font, std::u16string(ksym::FunctionSign) + u"(t) = ", f.numerator, f.denominator);
  add(frac.numeratorLine);
  add(frac.barLine);
  add(frac.denominatorLine);
  out << QString();
  add(F(GetText(IVerhulst, 4)) + u" W(" + Fmm(f.xw) + u"/" + Fmm(f.yw) + u")");
  out << QString();
  add(F(GetText(IVerhulst, 5)) + u"  " + ksym::FunctionSign + u"'(xw) = " + Fmm(f.mw));
  out << QString();
  out << QString::fromStdU16String(FormatReal(0, f.count)) + QStringLiteral(" ") + GetText(IRegr, 38) +
             QStringLiteral(" ");
  std::u16string widest;
  for (int item : {34, 35, 36})
    if (font.textWidth(F(GetText(IRegr, item))) > font.textWidth(widest)) widest = F(GetText(IRegr, item));
  const Extended values[3] = {f.r2, std::sqrt(std::max<Extended>(0, f.r2)), std::sqrt(std::max<Extended>(0, st))};
  for (int i = 0; i < 3; ++i)
    add(PadRightToWidth(font, widest, F(GetText(IRegr, 34 + i))) + u" = " + FormatReal(8, values[i]));
  return out;
}

QStringList VerhulstValueTable(const VerhulstFit& f, const VerhulstTable& t, const DateText& date,
                               const TextMeasurer& font, const char* stepKey) {
  if (!(t.step > 0) || !std::isfinite(t.step)) throw InputRejected(stepKey);
  const Extended start = t.from > 0 ? t.from : t.step;
  // At least one row; more than the limit is refused.
  const Extended span = t.to >= start ? std::floor((t.to - start) / t.step) + 1 : 1;
  if (!(span <= VerhulstMaxTableRows)) throw InputRejected(stepKey);
  const int rows = std::max(1, int(span));
  bool dated = false;
  std::chrono::sys_days day1{};
  try {
    day1 = std::chrono::sys_days(ParseDateDMY(t.day1));
    dated = true;
  } catch (const CalcFailure&) {
  }
  QStringList out;
  const std::u16string fs = ksym::FunctionSign;
  const FractionText3 frac = FractionLines(font, fs + u"(x) = ", f.numerator, f.denominator);
  out << QString::fromStdU16String(frac.numeratorLine) << QString::fromStdU16String(frac.barLine)
      << QString::fromStdU16String(frac.denominatorLine) << QString();
  const std::u16string d6(6, u'\u2014'), gap = u"    ";
  out << QString::fromStdU16String(u"  " + PadCenterToWidth(font, d6, F(GetText(IVerhulst, 9))) + gap +
                                   PadCenterToWidth(font, d6, u"t") + gap + PadCenterToWidth(font, d6, fs + u"(t)") +
                                   gap + PadCenterToWidth(font, d6, fs + u"'(t)"));
  out << QString::fromStdU16String(u"  " + d6 + gap + d6 + gap + d6 + gap + d6);
  for (int i = 0; i < rows; ++i) {
    const Extended x = start + Extended(i) * t.step;
    std::u16string when;
    if (dated) {
      const Extended offset = std::trunc(x) - 1;
      if (std::fabs(offset) < 3e6L)
        when = F(date(std::chrono::year_month_day(day1 + std::chrono::days(static_cast<long>(offset)))));
    }
    Extended y = VerhulstModel(f, x), dy = VerhulstSlope(f, x);
    if (t.round) y = std::nearbyint(y), dy = std::nearbyint(dy);
    out << QString::fromStdU16String(u"  " + PadCenterToWidth(font, d6, when) + gap +
                                     PadCenterToWidth(font, d6, FormatRealSigned(5, x)) + gap +
                                     PadLeftToWidth(font, d6, FormatRealZeros(t.digits, y)) + gap +
                                     PadLeftToWidth(font, d6, FormatRealZeros(t.digits, dy)));
  }
  return out;
}

void RegisterVerhulstTexts() {
  static const TextPageRegistration de{IVerhulst, TextLanguage::German, kVerhulstDe};
  static const TextPageRegistration en{IVerhulst, TextLanguage::English, kVerhulstEn};
  static const TextPageRegistration fr{IVerhulst, TextLanguage::French, kVerhulstFr};
}

}  // namespace zw
