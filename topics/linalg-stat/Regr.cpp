#include "topics/linalg-stat/Regr.h"

#include <algorithm>
#include <cmath>

#include "charts/VIrada.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/RealHelpers.h"
#include "kernel/TextPadding.h"
#include "numerics/CurveFit.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

constexpr TextItem kRegrDe[] = {
    {1, u"Zu gegebenen Wertepaaren wird eine Kurvenanpassung durchgeführt. Sie können zwischen folgenden "
        u"Anpassungen wählen und bei Bedarf alle Punkte in x- oder y-Richtung verschieben bzw. strecken."},
    {11, u" Ursprungsgerade"},
    {12, u" Lineare Regression"},
    {13, u" Geometrische Regression"},
    {14, u" Exponentielle Regression"},
    {15, u" Logarithmische Regression"},
    {16, u" Polynom-Regression"},
    {31, u" Regressionstyp : "},
    {32, u"Verschiebung"},
    {33, u"Streckung"},
    {34, u"Bestimmtheitsmaß  "},
    {35, u"Korrelationskoeff."},
    {36, u"Standardabweichung"},
    {37, u"Umkehrfunktion"},
    {38, u"Werte"},
};
constexpr TextItem kRegrEn[] = {
    {1, u"The regression curve to fit a sample of points is calculated. You can choose between the following "
        u"types of regression and can if necessary shift or stretch all points in x- or y-direction."},
    {11, u"Proportional regression"},
    {12, u"Linear regression"},
    {13, u"Geometrical regression"},
    {14, u"Exponential regression"},
    {15, u"Logarithmic regression"},
    {16, u"Polynom regression"},
    {31, u"Type of regression : "},
    {32, u"Displacement"},
    {33, u"Stretching"},
    {34, u"Coeff.of determin."},
    {35, u"Correlation coeff."},
    {36, u"Standard deviation"},
    {37, u"Inverse function"},
    {38, u"Values"},
};
constexpr TextItem kRegrFr[] = {
    {1, u"Calcule la courbe de régression d'une série de points. Vous pouvez choisir entre les types de "
        u"régression suivants et, si besoin, décaler ou étirer tous les points en direction x ou y."},
    {11, u" Droite par l'origine"},
    {12, u" Régression linéaire"},
    {13, u" Régression géométrique"},
    {14, u" Régression exponentielle"},
    {15, u" Régression logarithmique"},
    {16, u" Régression polynomiale"},
    {31, u" Type de régression : "},
    {32, u"Translation"},
    {33, u"Dilatation"},
    {34, u"Coeff. de détermin."},
    {35, u"Coeff. de corrélation"},
    {36, u"Écart type"},
    {37, u"Fonction réciproque"},
    {38, u"valeurs"},
};

const std::u16string kDot = ksym::MulDotSign;

[[noreturn]] void Improper() { throw CalcFailure(msg::ImproperData); }

Extended Div(Extended a, Extended b) {
  if (b == 0) Improper();
  const Extended q = a / b;
  if (!std::isfinite(q)) Improper();
  return q;
}

Extended Ln(Extended v) {
  if (!(v > 0)) Improper();
  return std::log(v);
}

Extended Exp(Extended v) {
  const Extended e = std::exp(v);
  if (!std::isfinite(e)) Improper();
  return e;
}

std::u16string F8(Extended x) { return FormatReal(8, x); }
std::u16string T8(Extended x) { return FormatTerm(8, x); }
std::u16string P8(Extended x) { return FormatRealParen(8, x); }

// Least-squares line through the transformed points, X and Y optionally
// logarithmised, optionally through the origin: r0, r1, r2 and st.
void LinearFit(const RegrInput& in, RegrFit& f, bool lnX, bool lnY, bool origin) {
  const Extended n = Extended(in.points.size());
  Extended Sx = 0, Sy = 0, Sxx = 0, Syy = 0, Sxy = 0;
  for (const TVec2& p : in.points) {
    const TVec2 t = TransformedPoint(f, p);
    const Extended X = lnX ? Ln(t.x) : t.x, Y = lnY ? Ln(t.y) : t.y;
    Sx += X, Sy += Y, Sxx += X * X, Syy += Y * Y, Sxy += X * Y;
  }
  if (origin) {
    // The line through the origin needs no spread of X, only X ≠ 0.
    f.r1 = Div(Sxy, Sxx);
    f.r0 = 0;
    f.r2 = Div(Sxy * Sxy, Syy * Sxx);
    f.st = n < 3 ? 0 : (Syy - Sxy * f.r1) / (n - 2);
    if (n < 3) f.r2 = 1;
    return;
  }
  f.r1 = Div(n * Sxy - Sy * Sx, Sxx * n - Sx * Sx);
  f.r0 = (Sy - Sx * f.r1) / n;
  if (n < 3) {
    f.r2 = 1, f.st = 0;
    return;
  }
  const Extended a = (Sxy - Sy * Sx / n) * f.r1, g = Syy - Sy * Sy / n;
  f.r2 = Div(a, g);
  f.st = std::fabs(g - a) / (n - 2);
}

// Polynomial least squares through the centred and scaled SVD fit, expanded
// to powers of X; r² and s² from the residuals.
void PolyFit(const RegrInput& in, RegrFit& f) {
  const int n = int(in.points.size());
  const int d = std::clamp(std::min(in.degree, n - 1), 1, RegrMaxDegree);
  f.degree = d;
  TCurveFit fit;
  std::vector<TVec2> t;
  t.reserve(in.points.size());
  for (const TVec2& p : in.points) {
    t.push_back(TransformedPoint(f, p));
    const double x = double(t.back().x), y = double(t.back().y);
    if (!std::isfinite(x) || !std::isfinite(y)) Improper();
    fit.EnterStatValue(x, y);
  }
  std::vector<double> c;
  double m = 0, quality = 0;
  bool deficient = false;
  if (!fit.CalcCenteredPolyFit(std::uint8_t(d), c, m, quality, deficient) || deficient) Improper();
  // Σ c_k·(X − m)^k in powers of X: a_j = Σ_{k ≥ j} c_k·C(k, j)·(−m)^(k − j).
  std::array<Extended, RegrMaxDegree + 1> a{};
  for (int k = 0; k <= d; ++k) {
    Extended binom = 1, mp = 1;  // C(k, j) and (−m)^(k − j), j running down from k
    for (int j = k; j >= 0; --j) {
      a[std::size_t(j)] += Extended(c[std::size_t(k)]) * binom * mp;
      binom = binom * j / (k - j + 1);
      mp *= -Extended(m);
    }
  }
  for (int j = 0; j <= d; ++j) {
    if (!std::isfinite(a[std::size_t(j)])) Improper();
    f.coeffs[std::size_t(j)] = std::fabs(a[std::size_t(j)]) < 1e-14L ? 0 : a[std::size_t(j)];
  }
  if (d >= n - 1) {
    f.r2 = 1, f.st = 0;
    return;
  }
  Extended mean = 0;
  for (const TVec2& p : t) mean += p.y;
  mean /= n;
  Extended sst = 0, sse = 0;
  for (const TVec2& p : t) {
    const Extended r = p.y - EvaluateRegression(f, p.x);
    sst += (p.y - mean) * (p.y - mean);
    sse += r * r;
  }
  f.r2 = Div(sst - sse, sst);
  f.st = sse / (n - 1 - d);
}

void PolyLines(RegrFit& f) {
  f.polyText.assign(1, u" y = ");
  bool first = true;
  for (int j = 0; j <= f.degree; ++j) {
    const Extended c = f.coeffs[std::size_t(j)];
    if (c == 0) continue;
    std::u16string term = T8(c);
    if (j == 1) term += kDot + u"x";
    if (j >= 2) term += kDot + u"x" + ksym::SupScriptDigits(j);
    if (first)
      f.polyText[0] += term;
    else
      f.polyText.push_back(u"      " + term);
    first = false;
  }
}

}  // namespace

TVec2 TransformedPoint(const RegrFit& fit, const TVec2& p) {
  return {(p.x + fit.dx) * fit.sx, (p.y + fit.dy) * fit.sy};
}

RegrFit FitRegression(const RegrInput& in) {
  RegrFit f;
  f.model = std::clamp(in.model, 0, 5);
  f.count = int(in.points.size());
  f.dx = in.dx, f.dy = in.dy;
  f.sx = in.sx == 0 ? 1 : in.sx;
  f.sy = in.sy == 0 ? 1 : in.sy;
  if (in.points.empty()) throw CalcFailure(msg::TooFewData);
  // The first point with the smallest and largest x and y.
  std::size_t xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  for (std::size_t i = 1; i < in.points.size(); ++i) {
    const TVec2& p = in.points[i];
    if (p.x < in.points[xmin].x) xmin = i;
    if (p.x > in.points[xmax].x) xmax = i;
    if (p.y < in.points[ymin].y) ymin = i;
    if (p.y > in.points[ymax].y) ymax = i;
  }
  f.x1 = (in.points[xmin].x + f.dx) * f.sx - 1;
  f.x2 = (in.points[xmax].x + f.dx) * f.sx + 1;
  f.y1 = (in.points[ymin].y + f.dy) * f.sy - 1;
  f.y2 = (in.points[ymax].y + f.dy) * f.sy + 1;
  if (f.model == RegrOrigin) {
    f.x1 = std::min<Extended>(-1, f.x1), f.x2 = std::max<Extended>(1, f.x2);
    f.y1 = std::min<Extended>(-1, f.y1), f.y2 = std::max<Extended>(1, f.y2);
  }
  for (Extended v : {f.x1, f.x2, f.y1, f.y2})
    if (!std::isfinite(v)) Improper();
  const Extended& r0 = f.r0;
  const Extended& r1 = f.r1;
  switch (f.model) {
    case RegrOrigin:
      LinearFit(in, f, false, false, true);
      f.regText = u" y = " + F8(r1) + kDot + u"x";
      if (r1 != 0) f.inverse = u" y = " + F8(1 / r1) + kDot + u"x";
      break;
    case RegrLinear:
      LinearFit(in, f, false, false, false);
      f.regText = u" y = " + F8(r1) + kDot + u"x " + T8(r0);
      if (r1 != 0) f.inverse = u" y = " + F8(1 / r1) + kDot + u"x " + T8(-r0 / r1);
      break;
    case RegrPower:
      LinearFit(in, f, true, true, false);
      f.regText = u" y = " + F8(Exp(r0)) + kDot + u"x^" + P8(r1);
      if (r0 > 0 && r1 != 0) f.inverse = u" y = " + F8(Exp(-r0 / r1)) + u" x^" + P8(1 / r1);
      break;
    case RegrExponential:
      LinearFit(in, f, false, true, false);
      f.regText = u" y = " + F8(Exp(r0)) + kDot + P8(Exp(r1)) + u"^x";
      f.regText2 = u"    = " + F8(Exp(r0)) + kDot + u"e^(" + F8(r1) + kDot + u"x)";
      if (r1 != 0) f.inverse = u" y = " + F8(-r0 / r1) + T8(1 / r1) + kDot + u"ln(x)";
      break;
    case RegrLogarithmic:
      LinearFit(in, f, true, false, false);
      f.regText = u" y = " + F8(r0) + T8(r1) + kDot + u"ln(x)";
      if (r1 != 0) f.inverse = u" y = e^(" + F8(-r0 / r1) + T8(1 / r1) + kDot + u"x)";
      break;
    default:
      PolyFit(in, f);
      PolyLines(f);
      break;
  }
  for (Extended v : {f.r0, f.r1, f.r2, f.st})
    if (!std::isfinite(v)) Improper();
  if (f.model != RegrPolynomial) f.degree = 0;
  return f;
}

Extended EvaluateRegression(const RegrFit& f, Extended x) {
  Extended y = 0;
  switch (f.model) {
    case RegrOrigin: y = f.r1 * x; break;
    case RegrLinear: y = f.r1 * x + f.r0; break;
    case RegrPower:
      try {
        y = std::exp(f.r0) * SignedPower(x, f.r1);
      } catch (const CalcFailure&) {
        return 0;
      }
      break;
    case RegrExponential: y = std::exp(f.r0) * std::exp(f.r1 * x); break;
    case RegrLogarithmic:
      if (!(x > 0)) return 0;
      y = std::log(x) * f.r1 + f.r0;
      break;
    default: {
      // Horner over the coefficients of the last fit.
      for (int g = f.degree; g >= 0; --g) y = y * x + f.coeffs[std::size_t(g)];
      break;
    }
  }
  return std::isfinite(y) ? y : 0;
}

QString RegrFormulaCaption(int model) {
  const QString dot = QString::fromStdU16String(kDot);
  switch (model) {
    case RegrOrigin: return QStringLiteral("y = b") + dot + QStringLiteral("x");
    case RegrLinear: return QStringLiteral("y = a + b") + dot + QStringLiteral("x");
    case RegrPower: return QStringLiteral("y = a") + dot + QStringLiteral("x<sup>b</sup>");
    case RegrExponential: return QStringLiteral("y = a") + dot + QStringLiteral("b<sup>x</sup>");
    case RegrLogarithmic: return QStringLiteral("y = a + b") + dot + QStringLiteral("ln(x)");
    default:
      return QStringLiteral("y = a<sub>0</sub> + a<sub>1</sub>") + dot + QStringLiteral("x + . . . + a<sub>n</sub>") +
             dot + QStringLiteral("x<sup>n</sup>");
  }
}

QStringList RegrMemoLines(const RegrFit& fit, const TextMeasurer& font) {
  auto text = [](int item) { return GetText(IRegr, item).toStdU16String(); };
  int widest = 0;
  for (int item : {34, 35, 36}) widest = std::max(widest, font.textWidth(text(item)));
  const std::u16string column = BlanksCoveringWidth(font, widest) + u"    ";
  QStringList out;
  auto add = [&out](const std::u16string& s) { out << QString::fromStdU16String(s); };
  out << GetText(IRegr, 11 + fit.model) << QString();
  const Extended st = fit.r2 == 1 ? 0 : fit.st;
  if (fit.model == RegrPolynomial) {
    for (const std::u16string& l : fit.polyText) add(l);
  } else {
    add(fit.regText);
    if (!fit.regText2.empty()) add(fit.regText2);
  }
  out << QString();
  out << QString::fromStdU16String(FormatReal(0, fit.count)) + GetTextSpaced(IRegr, 38);
  const Extended values[3] = {fit.r2, std::sqrt(std::max<Extended>(0, fit.r2)), std::sqrt(std::max<Extended>(0, st))};
  for (int i = 0; i < 3; ++i) add(PadBetweenToWidth(font, column, text(34 + i), u"= ") + F8(values[i]));
  if (!fit.inverse.empty()) {
    out << QString() << GetText(IRegr, 37);
    add(fit.inverse);
  }
  return out;
}

Extended RegrTableStep(Extended from, Extended to) {
  const Extended lo = std::min(from, to), hi = std::max(from, to);
  if (!(hi > lo)) return 1;
  const Extended limit = (hi - lo) / 16;
  for (int k = 10; k > -4930; --k) {
    const Extended p = std::pow(10.0L, Extended(k));
    if (p <= limit) return p;
  }
  return 1;
}

int RegrTableRows(Extended from, Extended to, Extended step, const char* stepKey) {
  if (!(step > 0) || !std::isfinite(step)) throw InputRejected(stepKey);
  if (to < from) return 0;
  const Extended rows = std::floor((to - from) / step) + 1;
  if (!(rows <= RegrMaxTableRows)) throw InputRejected(stepKey);
  return int(rows);
}

QStringList RegrValueTable(const RegrFit& fit, Extended from, Extended to, Extended step, int digits,
                           const char* stepKey) {
  Extended start = from;
  if (fit.model == RegrLogarithmic && from <= 0) start = step;
  const int rows = RegrTableRows(start, to, step, stepKey);
  QStringList out;
  const std::u16string dashes(12, u'\u2014');
  out << QString::fromStdU16String(u"  " + PadCenter(u"x", 12) + u"  " + PadCenter(std::u16string(ksym::FunctionSign) + u"(x)", 12));
  out << QString::fromStdU16String(u"  " + dashes + u"  " + dashes);
  for (int i = 0; i < rows; ++i) {
    const Extended x = start + Extended(i) * step;
    out << QString::fromStdU16String(u"  " + PadCenter(PadRight(F8(x), 10), 12) + u"  " +
                                     PadCenter(PadRight(FormatTerm(digits, EvaluateRegression(fit, x)), 12), 12));
  }
  return out;
}

void PlotByPixel(TVIrada& chart, const std::function<Extended(Extended)>& f, Extended start) {
  const double lo = chart.Layers().X(1).RangeLow(), hi = chart.Layers().X(1).RangeHigh();
  const int pixels = chart.width() - chart.MarginLeft() - chart.MarginRight();
  if (pixels < 1 || !(hi > lo)) return;
  const Extended d = Extended(hi - lo) / pixels;
  const Extended x0 = std::max<Extended>(lo, start);
  chart.MoveTo(double(x0), double(f(x0)));
  for (long i = 1;; ++i) {
    const Extended x = x0 + d * i;
    if (!(x < hi) || i > 100000) break;
    chart.DrawTo(double(x), double(f(x)));
  }
}

void DrawRegrPicture(TVIrada& chart, const RegrFit& fit, const std::vector<TVec2>& points, const GraphPens& pens) {
  const TColor colour = chart.DataColor();
  const int width = chart.LineWidth();
  if (pens.width[1] >= 1) {
    chart.setDataColor(pens.color[1]);
    chart.setLineWidth(pens.width[1]);
    const Extended lo = chart.Layers().X(1).RangeLow();
    const int pixels = std::max(1, chart.width() - chart.MarginLeft() - chart.MarginRight());
    const Extended d = (Extended(chart.Layers().X(1).RangeHigh()) - lo) / pixels;
    const Extended start = fit.model == RegrLogarithmic && lo <= 0 ? d : lo;
    PlotByPixel(chart, [&fit](Extended x) { return EvaluateRegression(fit, x); }, start);
  }
  chart.setDataColor(pens.color[2]);
  chart.setLineWidth(std::max(1, pens.width[2]));
  for (const TVec2& p : points) {
    const TVec2 t = TransformedPoint(fit, p);
    chart.MarkAt(double(t.x), double(t.y), 17);
  }
  chart.setDataColor(colour);
  chart.setLineWidth(width);
}

void RegisterRegrTexts() {
  static const TextPageRegistration de{IRegr, TextLanguage::German, kRegrDe};
  static const TextPageRegistration en{IRegr, TextLanguage::English, kRegrEn};
  static const TextPageRegistration fr{IRegr, TextLanguage::French, kRegrFr};
}

}  // namespace zw
