#pragma once
// Drawing on a 2D chart for the topic windows: set-up (equal scaling, grid,
// axes), straight lines, segments, rays, triangles, circles and arcs, and
// curves of polynomials, rational functions and terms. Every helper only
// appends items to the chart's display list on its active layer and takes
// the visible range from layer 1; the caller shows the chart (ShowGraf).
// The helpers that take a colour and a width draw nothing for a width below
// 1 or a colour equal to the chart colour, and give the chart back its data
// colour and line width on every way out.
#include <QString>
#include <array>
#include <memory>
#include <span>
#include <string>

#include "charts/VIrada.h"
#include "kernel/FormulaContext.h"
#include "kernel/Poly.h"
#include "kernel/Types.h"
#include "topics/frame/LongRun.h"

namespace zw {

// Colour and width of graphs 1..12 of a chart page, by graph number: what a
// topic's figure function draws with, so that it runs without its window.
struct GraphPens {
  std::array<TColor, 13> color{};
  std::array<int, 13> width{};
};

// ----- set-up
void SetAspect11(TVIrada& chart);
void SetGridStyle(TVIrada& chart);  // from ChartGridOption and ChartGridAuto
void WidenRange(Extended& xmin, Extended& xmax, Extended& ymin, Extended& ymax);
void DrawAxes(TVIrada& chart);
// Grid silver, plot white, window the button face, frame and font black.
void SetDefaultChartColors(TVIrada& chart);

// ----- lines and figures
void DrawVLine(TVIrada& chart, TColor color, int width, Extended x);
void DrawLineABC(TVIrada& chart, TColor color, int width, Extended a, Extended b, Extended c);
void DrawLineDrei(TVIrada& chart, const TDrei& l, TColor color, int width);
void DrawLineOfRecord(TVIrada& chart, const TVec3& v, TColor color, int width);
void DrawLineThrough(TVIrada& chart, const TVec2& p, const TVec2& q, TColor color, int width);
// Sets the data colour and width and leaves them set.
// The chords that draw `degrees` of a circle of radius r on the chart in its
// range and size now: none further than half a device pixel from the arc, on
// screen or on the printed page; at least one per 10 degrees; at most
// kArcPiecesMax for a whole circle, of which beyond kArcPiecesDrawnWhole only
// those near the visible range are drawn.
inline constexpr int kArcPiecesMax = 1 << 20;
inline constexpr int kArcPiecesDrawnWhole = 4096;
int ArcPieces(TVIrada& chart, double r, double degrees);
void DrawSegment(TVIrada& chart, const TVec2& p, const TVec2& q, TColor color, int width);
void DrawRay(TVIrada& chart, const TVec2& p, const TVec2& q, TColor color, int width);
void DrawTriangle(TVIrada& chart, const TVec2& a, const TVec2& b, const TVec2& c, TColor color, int width);
// Circles and arcs are drawn in as many straight pieces as ArcPieces says.
void DrawCircle(TVIrada& chart, const TVec2& m, TColor color, Extended r, int width);
void DrawArc(TVIrada& chart, const TVec2& m, TColor color, Extended r, Extended alpha, int width);
void DrawArcBetween(TVIrada& chart, const TVec2& m, TColor color, Extended r, Extended alpha1, Extended alpha2,
                    int width);
void DrawChord(TVIrada& chart, const TVec2& m, TColor color, Extended r, Extended alpha, int width);

// ----- curves
// The helpers that evaluate terms read the angle mode and Y, Z, K from the
// window's `context` (FormulaContext::current() where the program-wide
// settings are meant) and never change the program-wide ones.

// The values of a term at the given x (error code 0 where defined). The one
// place where curves sample terms.
void SampleTerm(const std::u16string& term, std::span<const Extended> xs, std::span<Extended> ys,
                std::span<std::int32_t> errs, const FormulaContext& context);
void SampleTerm(const std::u16string& term, std::span<const double> xs, std::span<double> ys,
                std::span<std::int32_t> errs, const FormulaContext& context);

void PlotPolynomial(const TPoly& p, TVIrada& chart, TColor color, int width);
// poles: ascending; those outside the visible x range are ignored.
void PlotRational(const TPoly& num, const TPoly& den, std::span<const Extended> poles, TVIrada& chart, TColor color,
                  int width);
void PlotTerm(const QString& term, TVIrada& chart, TColor color, int width, const FormulaContext& context);
// The same curve as a long run: the samples a block at a time, each block
// drawn and shown as it comes, so a long term never blocks the window and a
// stopped run keeps the part drawn. Null where PlotTerm draws nothing.
std::unique_ptr<Stepper> PlotTermSteps(const QString& term, TVIrada& chart, TColor color, int width,
                                       const FormulaContext& context);
Extended DerivativeAt(const QString& term, std::int32_t& err, Extended x, const FormulaContext& context);
Extended SecondDerivativeAt(const QString& term, std::int32_t& err, Extended x, const FormulaContext& context);
void PlotDerivative1(const QString& term, TVIrada& chart, TColor color, int width, const FormulaContext& context);
void PlotDerivative2(const QString& term, TVIrada& chart, TColor color, int width, const FormulaContext& context);
void PlotSegment(const QString& term, TVIrada& chart, bool startClosed, Extended x1, Extended x2, bool endClosed,
               TColor color, int width, bool showMarks, const FormulaContext& context);
// The curve (x(k), y(k)); a "k" that stands alone (not inside a name) is the parameter.
void PlotParametric(const QString& termX, const QString& termY, TVIrada& chart, Extended k1, Extended k2,
                    TColor color, int width, const FormulaContext& context);
// dy + the sum of the term over k = Trunc(kmin) .. Trunc(kmax), shown piece by
// piece as a long run; a failing summand breaks the curve. Null for a width
// below 1 or a colour equal to the chart colour. The run keeps its own copy of
// `context`, whose K it sets to each summation index.
std::unique_ptr<Stepper> PlotSeries(const QString& term, TVIrada& chart, TColor color, Extended kmin, Extended kmax,
                                    Extended dy, int width, const FormulaContext& context);

// "k" standing alone becomes "x" (the evaluator's variable).
QString ParameterToX(const QString& term);

}  // namespace zw
