// Layers: scale settings, joins, transforms and the range path.
#include <gtest/gtest.h>

#include "charts/ChartLayers.h"

namespace zw {
namespace {

struct Chart : TChartLayers {
  Chart() {
    // The standard layout of a new chart: only X1 and Y1 visible.
    X(1).setVisible(true);
    Y(1).setVisible(true);
    Loaded();
  }
};

TEST(Layers, NewChartTransform) {
  Chart c;
  int x, y;
  c.R2M(1, 0, 0, x, y);
  EXPECT_EQ(x, 50);
  EXPECT_EQ(y, 160);
  c.R2M(1, 1, 1, x, y);
  EXPECT_EQ(x, 260);
  EXPECT_EQ(y, 20);
  double wx, wy;
  c.M2R(1, 155, 90, wx, wy);
  EXPECT_DOUBLE_EQ(wx, 0.5);
  EXPECT_DOUBLE_EQ(wy, 0.5);
  c.R2M(1, 1e300, -1e300, x, y);
  EXPECT_EQ(x, 2147483647);
  EXPECT_EQ(y, 2147483647);
  c.R2M(99, 1, 1, x, y);  // clamped to layer 16, which has the same range
  EXPECT_EQ(x, 260);
}

TEST(Layers, RangeSettersKeepTheMinimumSpan) {
  TScalePropsHoriz p;
  p.setLoaded();
  p.setRangeHigh(1);
  p.setRangeLow(1);
  EXPECT_EQ(p.RangeLow(), 1);
  EXPECT_EQ(p.RangeHigh(), 1 + 1e-10);
  p.setRangeLow(5);  // a reversed axis is allowed
  EXPECT_EQ(p.RangeLow(), 5);
  p.setRangeLow(0);
  p.setRangeHigh(1);
  p.setMinRange(4);
  EXPECT_EQ(p.RangeLow(), -1.5);
  EXPECT_EQ(p.RangeHigh(), 2.5);
  p.setMinRange(0.5);
  EXPECT_EQ(p.RangeLow(), -1.5);
  // A span too small to represent at a large value still has two ends.
  p.setMinRange(1e-10);
  p.setRangeHigh(1e20);
  p.setRangeLow(1e20);
  EXPECT_GT(p.RangeHigh(), p.RangeLow());
}

TEST(Layers, LogarithmicSwitchAndOtherSetters) {
  TScalePropsHoriz p;
  p.setLoaded();
  p.setLogarithmic(true);  // RangeLow is 0
  EXPECT_FALSE(p.Logarithmic());
  p.setRangeLow(1);
  p.setRangeHigh(10);
  p.setLogarithmic(true);
  EXPECT_TRUE(p.Logarithmic());
  p.setRangeLow(0);  // ignored on a log axis
  EXPECT_EQ(p.RangeLow(), 1);
  p.setLabelType(TFigType::ftTime);
  EXPECT_EQ(p.DecPlaces(), 4);
  p.setDecPlaces(20);
  EXPECT_EQ(p.DecPlaces(), 12);
  p.setDecPlaces(-9);
  EXPECT_EQ(p.DecPlaces(), -3);
  p.setScaleLocation(TScaleLocationHoriz::slTop);
  EXPECT_EQ(p.ScaleType(), TScaleType::sctXB);
}

TEST(Layers, JoinsAndTheirErrors) {
  Chart c;
  c.SetRange(1, 2, 0, 4, 1);
  c.Joint().setControlledByX(2, 1);
  EXPECT_EQ(c.X(2).RangeLow(), 2);
  EXPECT_EQ(c.X(2).RangeHigh(), 4);
  try {
    c.Joint().setControlledByX(3, 2);
    FAIL();
  } catch (const EZwVIradaError& e) {
    EXPECT_STREQ(e.what(), "Destination layer 2 is already joined");
  }
  try {
    c.Joint().setControlledByX(1, 4);
    FAIL();
  } catch (const EZwVIradaError& e) {
    EXPECT_STREQ(e.what(), "Layer 1 is joined by other layers (2)");
  }
  EXPECT_THROW(c.Joint().setControlledByX(5, 17), EZwVIradaError);
  EXPECT_EQ(c.Joint().ControlledByX(5), 5);
  // The joined layer follows its master, and its own range writes keep the master's x.
  c.SetRange(1, -1, 0, 1, 1);
  EXPECT_EQ(c.X(2).RangeLow(), -1);
  c.SetRange(2, 7, 0, 9, 1);
  EXPECT_EQ(c.X(2).RangeLow(), -1);
}

TEST(Layers, RangePathRules) {
  Chart c;
  c.SetRange(1, 3, 0, 3, 1);  // equal ends widen by half the minimum span
  EXPECT_DOUBLE_EQ(c.X(1).RangeLow(), 3 - 0.5e-10);
  EXPECT_DOUBLE_EQ(c.X(1).RangeHigh(), 3 + 0.5e-10);
  c.SetRange(1, 1, 1, 10, 10);
  c.X(1).setLogarithmic(true);
  c.SetRange(1, 3, 1, 3, 10);
  EXPECT_DOUBLE_EQ(c.X(1).RangeLow(), 3 / 1.1);
  EXPECT_DOUBLE_EQ(c.X(1).RangeHigh(), 3.3);
  // A log axis refuses a low end below 1e-100 but takes the other.
  c.SetRange(1, 0, 1, 50, 10);
  EXPECT_DOUBLE_EQ(c.X(1).RangeLow(), 3 / 1.1);
  EXPECT_DOUBLE_EQ(c.X(1).RangeHigh(), 50);
}

TEST(Layers, IsometricSpan) {
  Chart c;
  c.SetSize(50 + 20 + 399, 20 + 40 + 199);  // plot 400 x 200 pixels
  c.SetIsometric(true);
  c.SetRange(1, -10, -1, 10, 1);
  EXPECT_DOUBLE_EQ(c.Y(1).RangeLow(), -5);
  EXPECT_DOUBLE_EQ(c.Y(1).RangeHigh(), 5);
}

TEST(Layers, ConfinementWhilePanningAndZooming) {
  Chart c;
  c.ConfineZoomRange(0, -100, 10, 100);
  c.MouseAction = TMouseActMode::maPan;
  c.ApplyJointRange(1, false, -2, 0, 3, 1, true);
  EXPECT_EQ(c.X(1).RangeLow(), 0);
  EXPECT_EQ(c.X(1).RangeHigh(), 5);
  c.MouseAction = TMouseActMode::maZoomDrag;
  c.ApplyJointRange(1, false, -2, 0, 3, 1, true);
  EXPECT_EQ(c.X(1).RangeHigh(), 3);
  c.ConfineZoomRange(0, 0, 0, 0);
  c.ApplyJointRange(1, false, -2, 0, 3, 1, true);
  EXPECT_EQ(c.X(1).RangeLow(), -2);
}

TEST(Layers, ZoomRing) {
  Chart c;
  c.ClearZoomHistory();
  EXPECT_EQ(c.ZoomStackPointer(), 2);
  for (int k = 1; k <= 3; ++k) c.SetRange(1, -k, -k, k, k);
  EXPECT_TRUE(c.ZoomHistory(-3));
  EXPECT_EQ(c.X(1).RangeLow(), 0);
  EXPECT_EQ(c.X(1).RangeHigh(), 1);
  EXPECT_FALSE(c.ZoomHistory(1));
  EXPECT_FALSE(c.ZoomHistory(-16));
  // Layer 0 writes all 16 layers and refills the whole ring.
  c.SetRange(0, 0, 0, 2, 2);
  EXPECT_EQ(c.ZoomStackPointer(), 2 + 3 + 16 - 16);
}

TEST(Layers, ZeroSpanPlotGivesTheRangeCentre) {
  Chart c;
  c.RcLRim = 300;  // no room for the plot
  c.CalcTransformParams();
  double x, y;
  c.M2R(1, 10, 10, x, y);
  EXPECT_EQ(x, 0.5);
}

}  // namespace
}  // namespace zw
