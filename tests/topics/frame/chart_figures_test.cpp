// The figure finder of the chart topic tests: it must see a figure however
// many pieces draw it, and see through pictures that only look close.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "tests/topics/ChartFigures.h"

namespace zw {
namespace {

using namespace figures;

constexpr TColor kBlue = 0xFF0000, kRed = 0x0000FF;

// A chart showing -10..10 by -10..10, drawing in blue, width 2.
struct Sheet {
  TVIrada chart;
  Sheet() {
    chart.resize(300, 300);
    chart.Loaded();
    chart.SetRange(1, -10, -10, 10, 10);
    chart.setDataColor(kBlue);
    chart.setLineWidth(2);
  }
  // A polygon through n + 1 points of the circle from a1 to a2 degrees.
  void arc(double cx, double cy, double r, double a1, double a2, int n, bool asLineto = false) {
    auto at = [&](int k) {
      const double t = (a1 + (a2 - a1) * k / n) * std::numbers::pi / 180;
      return std::pair{cx + r * std::cos(t), cy + r * std::sin(t)};
    };
    if (asLineto) chart.MoveTo(at(0).first, at(0).second);
    for (int k = 1; k <= n; ++k) {
      const auto [x0, y0] = at(k - 1);
      const auto [x1, y1] = at(k);
      if (asLineto)
        chart.DrawTo(x1, y1);
      else
        chart.Line(x0, y0, x1, y1);
    }
  }
};

TEST(ChartFigures, FindsWhatIsDrawnAndOnlyThat) {
  const Figure circle{Circle{1, 2, 3}, kBlue, 2};
  const Figure upper{Arc{1, 2, 3, 0, 180}, kBlue, 2};
  const Figure diagonal{Line{1, -1, 0}, kBlue, 2};
  const Figure segment{Segment{0, 0, 4, 3}, kBlue, 2};
  const Figure ray{Ray{1, 1, 1, 0}, kBlue, 2};
  const Figure mark{Mark{2, 5, 17}, kBlue, 2};
  const struct {
    const char* what;
    std::function<void(Sheet&)> draw;
    Figure figure;
    bool drawn;
  } cases[] = {
      {"a circle of 36 lines", [](Sheet& s) { s.arc(1, 2, 3, 0, 360, 36); }, circle, true},
      {"a circle of 500 line-tos", [](Sheet& s) { s.arc(1, 2, 3, 0, 360, 500, true); }, circle, true},
      {"a circle started elsewhere", [](Sheet& s) { s.arc(1, 2, 3, 90, 450, 40); }, circle, true},
      {"a circle as an ellipse item", [](Sheet& s) { s.chart.Ellipse(1, 2, 3, 3); }, circle, true},
      {"a circle with a piece missing", [](Sheet& s) { s.arc(1, 2, 3, 0, 350, 35); }, circle, false},
      {"a circle of another radius", [](Sheet& s) { s.arc(1, 2, 3.01, 0, 360, 36); }, circle, false},
      {"a circle in another colour",
       [](Sheet& s) {
         s.chart.setDataColor(kRed);
         s.arc(1, 2, 3, 0, 360, 36);
       },
       circle, false},
      {"a circle in another width",
       [](Sheet& s) {
         s.chart.setLineWidth(1);
         s.arc(1, 2, 3, 0, 360, 36);
       },
       circle, false},
      {"an arc", [](Sheet& s) { s.arc(1, 2, 3, 0, 180, 18); }, upper, true},
      {"an arc in a whole circle", [](Sheet& s) { s.arc(1, 2, 3, 0, 360, 36); }, upper, true},
      {"only half the arc", [](Sheet& s) { s.arc(1, 2, 3, 0, 90, 9); }, upper, false},
      {"a square in the circle is no circle",
       [](Sheet& s) { s.arc(1, 2, 3, 0, 360, 4); }, circle, false},
      {"a line across the view", [](Sheet& s) { s.chart.Line(-30, -30, 30, 30); }, diagonal, true},
      {"a line in two pieces",
       [](Sheet& s) {
         s.chart.Line(-30, -30, 0, 0);
         s.chart.Line(0, 0, 30, 30);
       },
       diagonal, true},
      {"a line that stops inside the view", [](Sheet& s) { s.chart.Line(-30, -30, 5, 5); }, diagonal, false},
      {"a parallel line", [](Sheet& s) { s.chart.Line(-30, -29.99, 30, 30.01); }, diagonal, false},
      {"a segment", [](Sheet& s) { s.chart.Line(4, 3, 0, 0); }, segment, true},
      {"a segment by move and line-to",
       [](Sheet& s) {
         s.chart.MoveTo(0, 0);
         s.chart.DrawTo(4, 3);
       },
       segment, true},
      {"a shorter segment", [](Sheet& s) { s.chart.Line(0, 0, 2, 1.5); }, segment, false},
      {"the whole line is no segment", [](Sheet& s) { s.chart.Line(-40, -30, 40, 30); }, segment, false},
      {"a ray", [](Sheet& s) { s.chart.Line(1, 1, 50, 1); }, ray, true},
      {"a ray the wrong way", [](Sheet& s) { s.chart.Line(1, 1, -50, 1); }, ray, false},
      {"a mark", [](Sheet& s) { s.chart.MarkAt(2, 5, 17); }, mark, true},
      {"another mark there", [](Sheet& s) { s.chart.MarkAt(2, 5, 3); }, mark, false},
      {"a mark elsewhere", [](Sheet& s) { s.chart.MarkAt(2, 5.01, 17); }, mark, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Sheet s;
    c.draw(s);
    EXPECT_EQ(bool(Draws(s.chart, c.figure)), c.drawn) << Draws(s.chart, c.figure).message();
  }
}

TEST(ChartFigures, ExactlyRejectsMissingAndExtraItems) {
  Sheet s;
  s.arc(0, 0, 2, 0, 360, 36);
  s.chart.Line(-30, 0, 30, 0);
  s.chart.setDataColor(kRed);
  s.chart.MarkAt(1, 1, 17);
  s.chart.Text(1, 1, 8, QStringLiteral("P"), -10, -5, TAlignment::taLeftJustify);
  const std::vector<Figure> all = {{Circle{0, 0, 2}, kBlue, 2},
                                   {Line{0, 1, 0}, kBlue, 2},
                                   {Mark{1, 1}, kRed},
                                   {Text{1, 1, QStringLiteral("P")}, kRed}};
  EXPECT_TRUE(DrawsExactly(s.chart, all));
  // The circle's pieces are no part of the line nor the other way round.
  EXPECT_FALSE(DrawsExactly(s.chart, std::span(all).subspan(1)));
  EXPECT_FALSE(DrawsExactly(s.chart, std::span(all).first(3)));
  s.chart.setDataColor(kBlue);
  s.chart.Line(0, 0, 1, 1);  // one piece more
  const auto extra = DrawsExactly(s.chart, all);
  EXPECT_FALSE(extra);
  EXPECT_NE(std::string(extra.message()).find("(0|0)-(1|1)"), std::string::npos) << extra.message();
}

}  // namespace
}  // namespace zw
