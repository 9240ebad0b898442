// The chart helpers of the topic windows and the chart in the printout.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

#include "tests/topics/TopicTestBase.h"
#include "charts/VIrada.h"
#include "kernel/Evaluator.h"
#include "kernel/KernelState.h"
#include "tests/common/RecordingPaintDevice.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/ChartPrinting.h"

namespace zw {
namespace {

constexpr TColor kRed = 0x0000FF;

class ChartHelpersTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    chart.resize(270, 200);  // plot width Wp = 270 - 50 - 20 = 200
    chart.Loaded();
    chart.SetRange(1, -2, -2, 2, 2);
    chart.setDataColor(0x123456);
    chart.setLineWidth(4);
  }
  int count(TrcItem kind) const {
    int n = 0;
    for (const auto& it : chart.DisplayList().items()) n += it.ItemKind == kind;
    return n;
  }
  TVIrada chart;
  const FormulaContext rad{};  // radians, Y = Z = K = 0
};

TEST_F(ChartHelpersTest, WidthBelowOneAndBackgroundColourDrawNothing) {
  const TVec2 a{0, 0}, b{1, 1}, c{1, 0};
  const std::vector<std::function<void(TColor, int)>> helpers = {
      [&](TColor col, int w) { DrawVLine(chart, col, w, 1); },
      [&](TColor col, int w) { DrawLineABC(chart, col, w, 1, 1, 1); },
      [&](TColor col, int w) { DrawLineThrough(chart, a, b, col, w); },
      [&](TColor col, int w) { DrawRay(chart, a, b, col, w); },
      [&](TColor col, int w) { DrawTriangle(chart, a, b, c, col, w); },
      [&](TColor col, int w) { DrawCircle(chart, a, col, 1, w); },
      [&](TColor col, int w) { DrawArc(chart, a, col, 1, 90, w); },
      [&](TColor col, int w) { DrawArcBetween(chart, a, col, 1, 10, 90, w); },
      [&](TColor col, int w) { DrawChord(chart, a, col, 1, 90, w); },
      [&](TColor col, int w) { PlotTerm("x^2", chart, col, w, rad); },
      [&](TColor col, int w) { PlotDerivative1("x^2", chart, col, w, rad); },
      [&](TColor col, int w) { PlotParametric("cos(k)", "sin(k)", chart, 0, 6, col, w, rad); },
      [&](TColor col, int w) { PlotSegment("x", chart, true, -1, 1, false, col, w, true, rad); },
  };
  for (std::size_t i = 0; i < helpers.size(); ++i) {
    helpers[i](kRed, 0);
    helpers[i](clWhite, 2);  // the chart colour
    EXPECT_EQ(chart.DisplayList().NumItems(), 0) << "helper " << i;
    EXPECT_EQ(chart.DataColor(), 0x123456u) << "helper " << i;
    EXPECT_EQ(chart.LineWidth(), 4) << "helper " << i;
  }
  // A segment draws whatever the colour and keeps the helper's colour and width.
  DrawSegment(chart, a, b, clWhite, 2);
  EXPECT_EQ(chart.DisplayList().NumItems(), 2);
  EXPECT_EQ(chart.DataColor(), clWhite);
  EXPECT_EQ(chart.LineWidth(), 2);
}

TEST_F(ChartHelpersTest, DegenerateLinesDrawNothingAndRestore) {
  DrawLineABC(chart, kRed, 2, 0, 0, 5);
  DrawRay(chart, {1, 1}, {1, 1}, kRed, 2);
  EXPECT_EQ(chart.DisplayList().NumItems(), 0);
  EXPECT_EQ(chart.DataColor(), 0x123456u);
  DrawLineThrough(chart, {1, 1}, {1, 1}, kRed, 2);  // both the vertical and the horizontal line
  EXPECT_EQ(chart.DisplayList().NumItems(), 2);
}

TEST_F(ChartHelpersTest, AxesAndFigureCounts) {
  DrawAxes(chart);
  EXPECT_EQ(chart.DisplayList().NumItems(), 2);
  EXPECT_EQ(chart.LineWidth(), 1);
  EXPECT_EQ(chart.DataColor(), 0x123456u);
  chart.ClearGraf();
  chart.SetRange(1, 1, 1, 10, 10);
  chart.Layers().X(1).setLogarithmic(true);
  DrawTriangle(chart, {1, 1}, {5, 1}, {3, 4}, kRed, 1);
  EXPECT_EQ(count(TrcItem::tkMoveTo), 3);
  EXPECT_EQ(count(TrcItem::tkLineto), 300);
}

TEST_F(ChartHelpersTest, ArcsEndExactlyAtTheirAngle) {
  DrawArc(chart, {1, 2}, kRed, 3, 90, 1);
  ASSERT_GT(chart.DisplayList().NumItems(), 9);
  const TrcChartItem last = chart.DisplayList().GetItemParams(chart.DisplayList().NumItems() - 1);
  EXPECT_NEAR(last.x2, 1, 1e-15);
  EXPECT_DOUBLE_EQ(last.y2, 5);
  chart.ClearGraf();
  DrawArcBetween(chart, {0, 0}, kRed, 1, 100, 0, 1);  // exchanged
  const TrcChartItem end = chart.DisplayList().GetItemParams(chart.DisplayList().NumItems() - 1);
  EXPECT_NEAR(end.x2, std::cos(100 * M_PI / 180), 1e-15);
  chart.ClearGraf();
  DrawArc(chart, {0, 0}, kRed, 1, -30, 1);
  EXPECT_EQ(chart.DisplayList().NumItems(), 1);
}

// A circle is round at every zoom, on screen and on the printed page: no
// chord lies more than half a device pixel (the printer's at the print scale)
// from the circle, with no more chords than twice what that takes; zoomed
// far in, only the chords near the visible range are drawn.
TEST_F(ChartHelpersTest, CirclesAreRoundAtEveryZoom) {
  const struct {
    double range;  // the visible range is -range .. range both ways
    double centreY, r, printScale;
    bool whole;    // every chord drawn
  } cases[] = {
      {2, 0, 1, 1.0, true},          // 50 screen pixels
      {2, 0, 0.01, 1.0, true},       // half a pixel: one chord per 10 degrees
      {2, 0, 1, 0.5, true},
      {0.001, -1, 1, 1.0, true},     // 100,000 screen pixels
      {1e-6, -1, 1, 1.0, false},     // 10^8 screen pixels, through the origin
  };
  for (const auto& k : cases) {
    shellState().PrintScale = k.printScale;
    chart.ClearGraf();
    chart.SetRange(1, -k.range, -k.range, k.range, k.range);
    DrawCircle(chart, {0, k.centreY}, kRed, k.r, 1);
    const double perUnit = 200 / (2 * k.range);
    const double device = std::max(1.0, k.printScale * 600 / 96);
    const int n = chart.DisplayList().NumItems();
    double worst = 0, turned = 0;
    for (int i = 0; i < n; ++i) {
      const TrcChartItem c = chart.DisplayList().GetItemParams(i);
      const double half = std::hypot(c.x2 - c.x, c.y2 - c.y) / 2;
      worst = std::max(worst, (k.r - std::sqrt(std::max(0.0, k.r * k.r - half * half))) * perUnit * device);
      turned += 2 * std::asin(std::min(1.0, half / k.r));
    }
    const std::string name = "range " + std::to_string(k.range) + ", r " + std::to_string(k.r);
    EXPECT_LE(worst, 0.5) << name;
    const double radius = k.r * perUnit * device;
    const double needed = radius > 0.5 ? M_PI / std::acos(1 - 0.5 / radius) : 36;
    if (k.whole) {
      EXPECT_NEAR(turned, 2 * M_PI, 1e-6) << name;
      EXPECT_GE(n, 36) << name;
      EXPECT_LE(n, std::max(36.0, 2 * needed)) << name;
    } else {
      EXPECT_GT(n, 0) << name;
      EXPECT_LT(n, 100) << name;
    }
  }
}

TEST_F(ChartHelpersTest, TermsBreakWhereUndefined) {
  PlotTerm("ln(x)", chart, kRed, 1, rad);
  ASSERT_GT(chart.DisplayList().NumItems(), 0);
  for (const auto& it : chart.DisplayList().items()) EXPECT_GT(it.x, 0);
  chart.ClearGraf();
  shellState().ChartResolution = 3;
  PlotTerm("x", chart, kRed, 1, rad);
  EXPECT_EQ(chart.DisplayList().NumItems(), 8 * 200 + 1);
  chart.ClearGraf();
  chart.resize(60, 200);  // no plot width left
  chart.Layers().SetSize(60, 200);
  PlotTerm("x", chart, kRed, 1, rad);
}

TEST_F(ChartHelpersTest, DerivativesAndParameters) {
  std::int32_t err = 0;
  EXPECT_EQ(DerivativeAt("abs(x)", err, 0, rad), 0);
  EXPECT_NEAR(double(DerivativeAt("x^3", err, 2, rad)), 12, 1e-6);
  EXPECT_NEAR(double(SecondDerivativeAt("x^3", err, 2, rad)), 12, 1e-4);
  EXPECT_EQ(err, 0);
  DerivativeAt("ln(x)", err, 0, rad);
  EXPECT_EQ(err, 1);
  EXPECT_EQ(ParameterToX("fak(k)+k*sin(k)"), "fak(x)+x*sin(x)");
  EXPECT_EQ(ParameterToX("kk"), "kk");
  PlotParametric("fak(k)", "k", chart, 1, 3, kRed, 1, rad);
  EXPECT_EQ(chart.DisplayList().NumItems(), 400);
  const TrcChartItem last = chart.DisplayList().GetItemParams(399);
  EXPECT_DOUBLE_EQ(last.x2, 6);  // fak(3), the end reached exactly
  EXPECT_DOUBLE_EQ(last.y2, 3);
  chart.ClearGraf();
  PlotParametric("k", "k", chart, 3, 1, kRed, 1, rad);
  EXPECT_EQ(chart.DisplayList().NumItems(), 0);
}

TEST_F(ChartHelpersTest, RationalCurvesStopAtPoles) {
  TPoly one{}, den{};
  one[0] = TBruch{1, 1};
  den[1] = TBruch{1, 1};  // 1/x
  const std::vector<Extended> poles{-1e12, 0, 1e12};  // the far ones are ignored
  PlotRational(one, den, poles, chart, kRed, 1);
  ASSERT_GT(chart.DisplayList().NumItems(), 0);
  for (const auto& it : chart.DisplayList().items()) EXPECT_GT(it.x * it.x2, 0) << "no line crosses the pole";
  EXPECT_LT(chart.DisplayList().NumItems(), 12 * 200 + 2);
  chart.ClearGraf();
  TPoly zero{};
  PlotRational(one, zero, {}, chart, kRed, 1);  // undefined everywhere: ends at the interval end
  EXPECT_EQ(chart.DisplayList().NumItems(), 0);
}

TEST_F(ChartHelpersTest, SetupHelpers) {
  Extended a = 0, b = 2, c = 0, d = 20;
  WidenRange(a, b, c, d);
  EXPECT_EQ(a, -5);
  EXPECT_EQ(b, 5);
  EXPECT_EQ(c, -4);
  EXPECT_EQ(d, 20);
  // Plot 200 x 140 pixels: the y range stays, x widens around its centre.
  SetAspect11(chart);
  EXPECT_DOUBLE_EQ(chart.Layers().Y(1).RangeLow(), -2);
  EXPECT_NEAR(chart.Layers().X(1).RangeHigh(), 2.0 * 200 / 140, 1e-12);
  EXPECT_EQ(chart.MouseAction(), TMouseActMode::maPan);
  shellState().ChartGridOption = 2;
  shellState().ChartGridAuto = true;
  chart.setGridDx(1);
  SetGridStyle(chart);
  EXPECT_EQ(chart.GridStyle(), GridStyleType::gsDotLines);
  EXPECT_EQ(chart.GridDx(), 0);
  SetDefaultChartColors(chart);
  EXPECT_EQ(chart.GridColor(), clSilver);
  EXPECT_EQ(chart.WindColor(), clBtnFace);
}

TEST_F(ChartHelpersTest, SeriesRunsPieceByPiece) {
  auto run = PlotSeries("x^k", chart, kRed, 0, 3, 1, 1, rad);
  ASSERT_TRUE(run);
  int steps = 0;
  while (run->step()) ++steps;
  EXPECT_EQ(chart.DisplayList().NumItems(), 100);
  const TrcChartItem first = chart.DisplayList().GetItemParams(0);
  EXPECT_DOUBLE_EQ(first.y, 1 + 1 - 2 + 4 - 8);  // dy + sum of (-2)^k, k = 0..3
  // A failing summand breaks the curve: ln(x) fails for x <= 0.
  chart.ClearGraf();
  auto broken = PlotSeries("ln(x)+k", chart, kRed, 1, 2, 0, 1, rad);
  while (broken->step()) {
  }
  for (const auto& it : chart.DisplayList().items()) EXPECT_GT(it.x, 0);
  EXPECT_FALSE(PlotSeries("x", chart, clWhite, 0, 1, 0, 1, rad));
  // A range of k far beyond a step's share still leaves between steps.
  auto longRun = PlotSeries("1", chart, kRed, 0, 1e15, 0, 1, rad);
  EXPECT_TRUE(longRun->step());
}

// Every segment the series draws joins exactly the sums that adding the
// summands one EvaluateFormula call at a time gives, whichever way the run
// evaluates them: terms with X and K in every role, failing summands, names
// that contain X or K, and texts that read differently once normalised.
TEST_F(ChartHelpersTest, SeriesSumsAreThoseOfThePointByPointEvaluation) {
  struct Case {
    const char16_t* term;
    Extended kmin, kmax;
  };
  const Case cases[] = {
      {u"sin(k*x)/k", 1, 2500},  // more summands than one step adds
      {u"x^k/fak(k)", 0, 25},     {u"exp(-k*x^2)+e#", 0, 40},   {u"1/(x-k/4)", -8, 8},
      {u"sqrt(x+k)", 0, 3},       {u"y*x^2-z*k^3+k(1/0)", 1, 9}, {u"x(x+1)*2,5k+pi", -3, 3},
      {u"2k*x", 0, 5},            {u"xk", 0, 5},                  {u"sinx*k", 0, 5},
      {u"-k+tan(x*k)", 0, 7},
  };
  const FormulaContext deg{0, 1.5, -0.25, 42};
  const double lo = chart.Layers().X(1).RangeLow(), hi = chart.Layers().X(1).RangeHigh();
  for (const FormulaContext& context : {rad, deg}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(QString::fromStdU16String(c.term).toStdString());
      chart.ClearGraf();
      auto run = PlotSeries(QString::fromStdU16String(c.term), chart, kRed, c.kmin, c.kmax, 0.5, 1, context);
      ASSERT_TRUE(run);
      while (run->step()) {
      }
      std::vector<TrcChartItem> expected;
      Extended px = 0, py = 0;
      bool pok = false;
      for (int i = 0; i <= 100; ++i) {
        const Extended x = Extended(lo) + Extended(hi - lo) * i / 100;
        Extended sum = 0.5;
        bool ok = true;
        FormulaContext at = context;
        for (Extended k = c.kmin; k <= c.kmax; k += 1) {
          at.K = k;
          Extended v = 0;
          std::int32_t err = 0;
          EvaluateFormula(c.term, v, err, x, at);
          ok = ok && err == 0;
          sum += v;
        }
        if (i > 0 && ok && pok) {
          TrcChartItem it;
          it.x = double(px), it.y = double(py), it.x2 = double(x), it.y2 = double(sum);
          expected.push_back(it);
        }
        px = x, py = sum, pok = ok;
      }
      const auto& drawn = chart.DisplayList().items();
      ASSERT_EQ(drawn.size(), expected.size());
      for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].x, expected[i].x) << i;
        EXPECT_EQ(drawn[i].y, expected[i].y) << i;
        EXPECT_EQ(drawn[i].x2, expected[i].x2) << i;
        EXPECT_EQ(drawn[i].y2, expected[i].y2) << i;
      }
    }
  }
}

TEST_F(ChartHelpersTest, CurvesReadTheWindowsContextAndLeaveTheProgramsAlone) {
  // The program: radians, Y = Z = K = 99. The window: degrees, Y = 2, Z = 3.
  KernelState& k = kernelState();
  k.AngleMode = 1;
  k.FormulaY = k.FormulaZ = k.FormulaK = 99;
  const KernelState before = k;
  const FormulaContext deg{0, 2, 3, 0};
  std::int32_t err = 0;
  EXPECT_NEAR(double(DerivativeAt("sin(x)", err, 0, deg)), M_PI / 180, 1e-9);
  EXPECT_NEAR(double(SecondDerivativeAt("x^2*y", err, 1, deg)), 4, 1e-4);
  const std::vector<Extended> xs{90, 180};
  std::vector<Extended> ys(2);
  std::vector<std::int32_t> errs(2);
  SampleTerm(u"sin(x)*z", xs, ys, errs, deg);
  EXPECT_NEAR(double(ys[0]), 3, 1e-9);
  EXPECT_NEAR(double(ys[1]), 0, 1e-9);
  chart.SetRange(1, 0, -5, 180, 5);
  PlotTerm("sin(x)*y", chart, kRed, 1, deg);
  double top = -1;
  for (const auto& it : chart.DisplayList().items()) top = std::max(top, it.y);
  EXPECT_NEAR(top, 2, 1e-6);  // 2·sin(90°); in radians 2·sin(x) peaks near every 2π
  // The series: K is the run's summation index, the angle mode the window's:
  // 0 + Σ k·sin(90°) over k = 1 .. 3 at every x.
  auto run = PlotSeries("k*sin(90)", chart, kRed, 1, 3, 0, 1, deg);
  ASSERT_TRUE(run);
  chart.ClearGraf();
  while (run->step()) {
    // Other windows see the program's K between the slices.
    ASSERT_EQ(k.FormulaK, 99);
  }
  ASSERT_GT(chart.DisplayList().NumItems(), 0);
  for (const auto& it : chart.DisplayList().items()) EXPECT_NEAR(it.y, 6, 1e-9);
  EXPECT_EQ(k.AngleMode, before.AngleMode);
  EXPECT_EQ(k.FormulaY, before.FormulaY);
  EXPECT_EQ(k.FormulaZ, before.FormulaZ);
  EXPECT_EQ(k.FormulaK, before.FormulaK);
}

TEST_F(ChartHelpersTest, ChartInThePrintoutAndThePageBreak) {
  shellState().PrintScale = 0.5;
  chart.setWindColor(0x808080);
  test::RecordingPaintDevice page(4800, 6600, 600);
  QPainter p(&page);
  PrintCursor cur{500, 1000, 100};
  PrintChart(p, page, cur, chart);
  const int h = int(std::nearbyint(0.5 * 200 / 96.0 * 600));  // 625
  EXPECT_EQ(cur.y, 1000 + h + 200);
  // The window area is white in print and grey again on screen.
  bool whiteWindow = false;
  for (const auto& c : page.calls())
    if (c.kind == test::PaintCall::Rect && c.brush.color() == QColor(Qt::white) && c.rect.left() == 200 &&
        c.rect.top() == 1000)
      whiteWindow = true;
  EXPECT_TRUE(whiteWindow);
  EXPECT_EQ(chart.WindColor(), 0x808080u);
  EXPECT_EQ(page.pages(), 1);
  // Too little room left: a new page, and the chart at its top.
  cur.y = 6200;
  PrintChart(p, page, cur, chart);
  EXPECT_EQ(page.pages(), 2);
  EXPECT_EQ(cur.y, 300 + h + 200);
}

}  // namespace
}  // namespace zw
