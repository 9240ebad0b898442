// The geometry of the surface plot, without a widget.
#include <gtest/gtest.h>

#include <cmath>

#include "charts/Ticks.h"
#include "charts/Plot3DCore.h"

namespace zw {
namespace {

TEST(Plot3DCore, GridCoordinatesAndHeightCalibration) {
  EXPECT_DOUBLE_EQ(GridCoord(1, 2), -150);
  EXPECT_DOUBLE_EQ(GridCoord(2, 2), 150);
  EXPECT_DOUBLE_EQ(GridCoord(2, 3), 0);
  EXPECT_DOUBLE_EQ(GridCoord(40, 40), 150);
  EXPECT_DOUBLE_EQ(GridCoord(1, 1), 0);  // step 1 for a single node
  const TZCalib c = CalibrateZ(0, 10);
  EXPECT_DOUBLE_EQ(c.k, 30);
  EXPECT_DOUBLE_EQ(c.d, -150);
  EXPECT_DOUBLE_EQ(c.k * 10 + c.d, 150);
}

TEST(Plot3DCore, AngleNormalisation) {
  struct Case { double in, out; } cases[] = {{720, 0}, {-30, 330}, {360, 360}, {370, 10}, {-360, 360}, {45, 45}, {0, 0}};
  for (auto c : cases) EXPECT_NEAR(NormalisePlotAngle(c.in), c.out, 1e-9) << c.in;
}

TEST(Plot3DCore, MatrixAndProjection) {
  const TPlotMat m = CalcPlotRotMat(90, 0);
  EXPECT_EQ(m[1][1], 0);  // cos 90 below 1e-6 becomes 0
  EXPECT_EQ(m[1][2], -1);
  TPlotView v{CalcPlotRotMat(0, 0), 2, 1, 1, 0.5, 100, 50};
  EXPECT_EQ(ProjectPlot(v, 150, -150, 0), QPoint(100 + 150, 50 - 75));
  EXPECT_EQ(ProjectPlot(v, 1, 1, 0), QPoint(101, 50));  // 0.5 rounds to even
  EXPECT_EQ(ProjectPlot(v, 3, 3, 0), QPoint(103, 52));  // 1.5 rounds to even
}

TEST(Plot3DCore, ColourCodes) {
  const QRgb low = qRgb(0, 0, 0), mid = qRgb(0, 0, 255), high = qRgb(255, 255, 0);
  struct Case { double v; TColorCodingMode mode; QRgb expected; } cases[] = {
      {0, TColorCodingMode::ccmTwoColors, low},
      {100, TColorCodingMode::ccmTwoColors, high},
      {50, TColorCodingMode::ccmTwoColors, qRgb(128, 128, 0)},   // 127.5 rounds to even
      {-20, TColorCodingMode::ccmTwoColors, low},                // clamped
      {1e9, TColorCodingMode::ccmTwoColors, high},
      {50, TColorCodingMode::ccmThreeColors, mid},
      {25, TColorCodingMode::ccmThreeColors, qRgb(0, 0, 128)},
      {75, TColorCodingMode::ccmThreeColors, qRgb(128, 128, 128)},  // 127.5 -> 128 each
      {200, TColorCodingMode::ccmThreeColors, high},
  };
  for (auto c : cases) EXPECT_EQ(ColorCode(c.v, 0, 100, c.mode, low, mid, high), c.expected) << c.v;
}

// The first cell drawn lies farther back than the last one, in every
// quadrant of the two angles. Depth grows towards the viewer here: the corner
// with the smallest depth is the one whose edges are drawn as hidden.
TEST(Plot3DCore, PainterOrderInEveryQuadrant) {
  const int n = 5;
  for (double ax : {30.0, 60.0, 120.0, 200.0, 250.0, 300.0})
    for (double az : {15.0, 135.0, 225.0, 315.0}) {
      const TPlotMat m = CalcPlotRotMat(ax, az);
      const TCellOrder o = CellOrder(ax, az);
      auto depth = [&](int m_, int k) {
        const int j = o.rowsForward ? m_ : n - m_, i = o.columnsForward ? k : n - k;
        return m[2][0] * GridCoord(i, n) + m[2][1] * GridCoord(j, n);
      };
      EXPECT_LT(depth(1, 1), depth(n - 1, n - 1)) << ax << " " << az;
      EXPECT_LE(depth(1, 1), depth(1, n - 1) + 1e-9) << ax << " " << az;  // within a row, back to front too
    }
}

TEST(Plot3DCore, NiceTicksAndScaleTicks) {
  long double first, step;
  std::uint16_t sub;
  NiceTickStep(3, 0, 100, first, step, sub);
  EXPECT_EQ(step, 20);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(sub, 4);
  NiceTickStep(2, -3.5L, 7, first, step, sub);
  EXPECT_EQ(step, 5);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(ScaleTicks(3, 0, 100), (std::vector<double>{0, 20, 40, 60, 80, 100}));
  const auto rev = ScaleTicks(3, 1, -1);
  ASSERT_EQ(rev.size(), 5u);
  EXPECT_NEAR(rev[0], 1, 1e-12);
  EXPECT_NEAR(rev[4], -1, 1e-12);
  EXPECT_EQ(ScaleTicks(3, 2, 2), (std::vector<double>{2}));
}

TEST(Plot3DCore, ScaleDecimalsAndLabels) {
  struct Case { int dp; double low, high; int dec; } cases[] = {
      {1, 0, 1e9, 1}, {-2, 0, 1e6, -1}, {-2, 0, 1e-5, -1}, {-2, 0, 100, 0}, {-2, 0, 2, 2}, {-2, 0, 0.01, 4}};
  for (auto c : cases) EXPECT_EQ(ScaleDecimals(c.dp, c.low, c.high), c.dec) << c.high;
  EXPECT_EQ(ScaleLabel(0.5, -1, 1, 1), "0.5");
  EXPECT_EQ(ScaleLabel(1e-17, -1, 1, 2), "0.00");       // snapped to zero
  EXPECT_EQ(ScaleLabel(1e-12, 0, 1e6, 2), "0.0");        // large range
  EXPECT_EQ(ScaleLabel(1e-12, 0, 1e6, 0), "0");
  EXPECT_EQ(ScaleLabel(123456789.125, 0, 1e9, 6).size(), 14u);
}

TEST(Plot3DCore, CellUnderAPixel) {
  // 3 x 2 nodes on a 10-pixel raster: two cells side by side.
  TIntMatrix x, y, z;
  x.Resize(3, 2), y.Resize(3, 2), z.Resize(3, 2);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 2; ++j) {
      x.SetElem(i, j, 10 * i);
      y.SetElem(i, j, 10 * j);
      z.SetElem(i, j, i);
    }
  struct Case { int px, py, i, j; } cases[] = {{15, 15, 1, 1}, {25, 12, 2, 1}, {5, 15, 0, 0}, {15, 35, 0, 0}};
  for (auto c : cases) {
    const TCell cell = FindCellAt(x, y, z, c.px, c.py);
    EXPECT_EQ(cell.i, c.i) << c.px;
    EXPECT_EQ(cell.j, c.j) << c.px;
  }
  // A point on the shared edge belongs to neither (a zero product counts as positive).
  EXPECT_EQ(FindCellAt(x, y, z, 20, 15).i, 0);
  // A surface folding over itself: both cells hold the pixel, the one drawn later wins.
  x.SetElem(3, 1, 5);
  x.SetElem(3, 2, 5);
  EXPECT_EQ(FindCellAt(x, y, z, 15, 15).i, 2);
  z.SetElem(1, 1, 9);
  EXPECT_EQ(FindCellAt(x, y, z, 15, 15).i, 1);
}

}  // namespace
}  // namespace zw
