#pragma once
// Regression of a point table, callable without a window: the points shifted
// and stretched, one of six models fitted by least squares, r², the residual
// variance, the formula and inverse-function texts, the model's value at any
// x, the memo lines and the value table.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/TextMeasurer.h"
#include "kernel/Types.h"

namespace zw {

class TVIrada;
struct GraphPens;

// The grid holds at most this many points.
inline constexpr int RegrMaxPoints = 1023;
inline constexpr int RegrMaxDegree = 20;
// A value table longer than this is refused (its step is too small).
inline constexpr int RegrMaxTableRows = 100000;

enum RegrModel { RegrOrigin = 0, RegrLinear, RegrPower, RegrExponential, RegrLogarithmic, RegrPolynomial };

struct RegrInput {
  std::vector<TVec2> points;
  int model = RegrLinear;
  int degree = 3;  // polynomial degree asked for, 1 .. 20
  Extended dx = 0, dy = 0, sx = 1, sy = 1;
};

struct RegrFit {
  int model = RegrLinear;
  int degree = 0;  // the polynomial degree used
  int count = 0;
  Extended dx = 0, dy = 0, sx = 1, sy = 1;  // sx, sy never 0
  Extended x1 = -1, x2 = 1, y1 = -1, y2 = 1;  // picture range of the transformed points
  Extended r0 = 0, r1 = 0, r2 = 0, st = 0;
  std::u16string regText, regText2, inverse;
  std::vector<std::u16string> polyText;          // the polynomial's lines
  std::array<Extended, RegrMaxDegree + 1> coeffs{};  // index = power
};

// Throws CalcFailure(msg::ImproperData) when the model cannot be fitted: a
// logarithm of a value ≤ 0, all X equal, all Y equal where r² divides by
// their spread, a rank-deficient polynomial, a result beyond the range.
RegrFit FitRegression(const RegrInput& in);
// The fitted model at x; 0 when it cannot be evaluated there.
Extended EvaluateRegression(const RegrFit& fit, Extended x);
// The transformed point (x + dx)·sx, (y + dy)·sy.
TVec2 TransformedPoint(const RegrFit& fit, const TVec2& p);

// The general formula of a model as the rich-text label shows it.
QString RegrFormulaCaption(int model);

// The results memo.
QStringList RegrMemoLines(const RegrFit& fit, const TextMeasurer& font);

// The largest power of ten 10^k, k ≤ 10, not above (hi − lo) / 16 for the
// ordered range; 1 for an empty one.
Extended RegrTableStep(Extended from, Extended to);
// Rows of a value table from `from` to `to`; a step ≤ 0, or one making more
// than RegrMaxTableRows rows, throws InputRejected(stepKey).
int RegrTableRows(Extended from, Extended to, Extended step, const char* stepKey);
// The value table of the fit with `digits` digits (3 .. 8).
QStringList RegrValueTable(const RegrFit& fit, Extended from, Extended to, Extended step, int digits,
                           const char* stepKey);

// Draws y = f(x) in the chart's current pen, one point per pixel column of
// the plot area, from `start` (at least the visible left end) to the right end.
void PlotByPixel(TVIrada& chart, const std::function<Extended(Extended)>& f, Extended start);
// The picture: the fitted curve in graph 1 (the logarithmic model from one
// pixel right of 0 when the range starts at or left of it), and every
// transformed point as a mark in graph 2.
void DrawRegrPicture(TVIrada& chart, const RegrFit& fit, const std::vector<TVec2>& points, const GraphPens& pens);

void RegisterRegrTexts();

}  // namespace zw
