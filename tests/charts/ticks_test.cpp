// Tick steps, decimals, number labels and the axis renderer's ticks.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "charts/Scale.h"
#include "charts/Ticks.h"
#include "tests/common/RecordingPaintDevice.h"

namespace zw {
namespace {

TEST(Ticks, NiceTickStepTable) {
  struct Case { int count; double lo, hi, first, step; int sub; } cases[] = {
      {3, 0, 100, 0, 20, 4},     {3, 0, 1, 0, 0.2, 4},       {2, -3.5, 7, 0, 5, 5},
      {3, 0, 2000000, 0, 500000, 5}, {4, 0, 10, 0, 2, 4},    {3, 100, 0, 100, -20, 4},
      {5, 0.001, 0.002, 0.001, 0.0001, 5}, {2, 0, 120, 0, 50, 5}, {0, 2.5, 30, 3, 1, 1}, {0, 5, 1, 5, -1, 5},
  };
  for (const Case& c : cases) {
    long double first, step;
    std::uint16_t sub;
    NiceTickStep(c.count, c.lo, c.hi, first, step, sub);
    EXPECT_NEAR(double(first), c.first, 1e-12) << c.lo << ".." << c.hi;
    EXPECT_NEAR(double(step), c.step, 1e-12) << c.lo << ".." << c.hi;
    EXPECT_EQ(sub, c.sub) << c.lo << ".." << c.hi;
  }
  long double first, step;
  std::uint16_t sub;
  NiceTickStep(3, 4, 4, first, step, sub);
  EXPECT_EQ(double(step), 0.0);
  EXPECT_EQ(sub, 1);
}

TEST(Ticks, DecimalsByRange) {
  EXPECT_EQ(DecimalPlacesFor(-2, 1, 0), 2);
  EXPECT_EQ(DecimalPlacesFor(-2, 20, 0), 1);   // 2 - round(ln 20 / 2.5) = 2 - 1
  EXPECT_EQ(DecimalPlacesFor(-2, 100, 0), 0);
  EXPECT_EQ(DecimalPlacesFor(-3, 2000000, 0), -1);
  EXPECT_EQ(DecimalPlacesFor(-2, 0.00005, 0), -1);
  EXPECT_EQ(DecimalPlacesFor(5, 1, 0), 5);
  EXPECT_EQ(LogDecimalPlacesFor(-2, 1000, 1), 0);
  EXPECT_EQ(LogDecimalPlacesFor(-2, 10, 0.01), 3);
  EXPECT_EQ(LogDecimalPlacesFor(-3, 10, 0.01), -3);
}

TEST(Ticks, NumberTexts) {
  EXPECT_EQ(FormatTickNumber(2, 0.2), "0.20");
  EXPECT_EQ(FormatTickNumber(0, 100), "100");
  EXPECT_EQ(FormatTickNumber(-1, 12600), " 1.3E+04");
  EXPECT_EQ(FormatTickNumber(-1, -500000), "-5.0E+05");
  EXPECT_EQ(FormatTickNumber(-1, 2e-5), " 2.0E-05");
  EXPECT_EQ(FormatTickNumber(-1, 1e150), "*********");
  EXPECT_EQ(UserTickItem("a|b|c", 1), "a");
  EXPECT_EQ(UserTickItem("a|b|c", 5), "c");
  EXPECT_EQ(UserTickItem("a|b|", 3), "");
  EXPECT_EQ(UserTickItem("", 1), "");
  EXPECT_EQ(JoinInscript("20", "& m"), "20 m");
  EXPECT_EQ(JoinInscript("20", "x="), "x=20");
  EXPECT_EQ(JoinInscript("", "x="), "");
}

// A horizontal axis 0..100 on 220 pixels with the labels it writes.
struct AxisFixture {
  TScaleRenderer r;
  test::RecordingPaintDevice dev{400, 200};
  AxisFixture(double lo, double hi, TScaleType type = TScaleType::sctXT) {
    r.SetBounds(400, 200);
    r.setMargins(40, 20, 39, 20);
    r.setScaleType(type);
    r.setRange(lo, hi);
  }
  QStringList labels() {
    QStringList out;
    for (const auto& c : dev.callsOf(test::PaintCall::Text)) out << c.text;
    return out;
  }
  void render() {
    dev.clear();
    QPainter p(&dev);
    r.Render(p);
  }
};

TEST(Scale, LinearTicksAndLabels) {
  AxisFixture f(0, 100);
  f.render();
  EXPECT_EQ(f.labels(), QStringList({"0", "20", "40", "60", "80", "100"}));
  // Short ticks every 5 are recorded (21 of them), long ticks are not for a
  // horizontal axis with short ticks.
  EXPECT_EQ(f.r.NumTicks(), 21);
  EXPECT_DOUBLE_EQ(f.r.TickPosition(2), 5);
  EXPECT_EQ(f.r.TickPosition(0), 0);
  EXPECT_EQ(f.r.TickPosition(99), 0);
  // Long ticks are 7 pixels, short ones 4, drawn downwards from the axis at y = 20
  // without their last pixel.
  int longTicks = 0, shortTicks = 0;
  for (const auto& c : f.dev.callsOf(test::PaintCall::Line)) {
    if (c.points[0].x() != c.points[1].x()) continue;
    const double len = c.points[1].y() - c.points[0].y();
    EXPECT_EQ(c.points[0].y(), 20);
    if (len == 6) ++longTicks;
    if (len == 3) ++shortTicks;
  }
  EXPECT_EQ(longTicks, 6);
  EXPECT_EQ(shortTicks, 21);
}

TEST(Scale, LabelTablesOfTheRanges) {
  struct Case { double lo, hi; int minTicks, decPlaces; QStringList labels; } cases[] = {
      {0, 1, 3, -2, {"0.00", "0.20", "0.40", "0.60", "0.80", "1.00"}},
      {0, 1, 3, 0, {"0", "1"}},
      {0, 2000000, 3, -2, {"0.0", " 5.0E+05", " 1.0E+06", " 1.5E+06", " 2.0E+06"}},
      {-3.5, 7, 2, -2, {"0.0", "5.0"}},
  };
  for (const Case& c : cases) {
    AxisFixture f(c.lo, c.hi);
    f.r.setMinTicks(c.minTicks);
    f.r.setDecPlaces(c.decPlaces);
    f.render();
    EXPECT_EQ(f.labels(), c.labels) << c.lo << ".." << c.hi;
  }
}

TEST(Scale, UserTextsAndInscript) {
  AxisFixture f(0, 120);
  f.r.setMinTicks(2);  // step 50: three long ticks
  f.r.setLabelType(TFigType::ftUserText);
  f.r.UserTickText = "a|b";
  f.render();
  EXPECT_EQ(f.labels(), QStringList({"a", "b", "b"}));
  AxisFixture g(0, 100);
  g.r.ScaleInscript = "& m";
  g.render();
  EXPECT_EQ(g.labels().at(1), "20 m");
}

TEST(Scale, LogarithmicDecadesAndSubTicks) {
  AxisFixture f(1, 1000);
  f.r.setLogarithmic(true);
  f.render();
  EXPECT_EQ(f.labels(), QStringList({"1", "10", "100", "1000"}));
  f.r.setMinTicks(5);
  f.render();
  EXPECT_EQ(f.labels(), QStringList({"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}));
}

TEST(Scale, VerticalLabelsRightOfTheLeftAxis) {
  AxisFixture f(0, 100, TScaleType::sctYR);
  f.render();
  const QFontMetrics fm(f.r.Font);
  // The axis is at x = Width - MarginRight - 1 = 360; labels end 8 pixels left of it.
  for (const auto& c : f.dev.callsOf(test::PaintCall::Text))
    EXPECT_EQ(c.points[0].x() + fm.horizontalAdvance(c.text), 360 - 8) << c.text.toStdString();
  EXPECT_EQ(f.r.ConvertToPixelCoords(100), 20);
  EXPECT_EQ(f.r.ConvertToPixelCoords(0), 179);
}

TEST(Scale, TransformEdgeCases) {
  TScaleRenderer r;
  r.SetBounds(41, 100);
  r.setMargins(20, 20, 20, 20);
  r.setScaleType(TScaleType::sctXB);
  r.setRange(0, 10);
  // No extent: every value at Width / 2, and the pixel back to the range centre.
  EXPECT_EQ(r.ConvertToPixelCoords(3), 20);
  EXPECT_EQ(r.ConvertPixelToScale(7), 5);
  r.setRangeLow(10);
  EXPECT_EQ(r.RangeHigh(), 11);
  r.setMinTicks(1);
  EXPECT_EQ(r.MinTicks(), 2);
  r.setMinTicks(15);
  EXPECT_EQ(r.MinTicks(), 10);
  r.setMinTicks(0);
  EXPECT_EQ(r.MinTicks(), 0);
  r.setDecPlaces(-7);
  EXPECT_EQ(r.DecPlaces(), -3);
  r.setLabelType(TFigType::ftTime);
  EXPECT_EQ(r.DecPlaces(), 4);
}

TEST(Scale, ZeroTicksOnReversedOrHugeRangesEnd) {
  // MinTicks 0 steps by one unit in the range's direction and stops at the bound.
  for (auto range : {std::pair{5.0, 1.0}, std::pair{0.0, 1e9}}) {
    AxisFixture f(range.first, range.second, TScaleType::sctYR);
    f.r.setMinTicks(0);
    f.render();
    EXPECT_LE(f.dev.callsOf(test::PaintCall::Line).size(), std::size_t(TScaleRenderer::kMaxTicks + 1));
  }
  AxisFixture g(5, 1, TScaleType::sctYR);
  g.r.setMinTicks(0);
  g.r.ShortTicks = false;
  g.render();
  EXPECT_EQ(g.labels(), QStringList({"5.0", "4.0", "3.0", "2.0", "1.0"}));
}

}  // namespace
}  // namespace zw
