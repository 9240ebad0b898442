#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/CurveFit.h"
#include "numerics/NumComponent.h"

namespace zw {
namespace {

std::string ErrorOf(TCurveFit& f, bool smoothed) {
  try {
    double q;
    bool valid;
    smoothed ? f.SmoothedSpline(0.5, q, valid) : f.CubicSpline(0.5);
  } catch (const EZwMath2Error& e) {
    return e.what();
  }
  return "";
}

TEST(Spline, NaturalCubicSplineOfThreePoints) {
  TCurveFit f;
  // Entered out of order: the set-up sorts the pairs together.
  f.EnterStatValue(2, 0);
  f.EnterStatValue(0, 0);
  f.EnterStatValue(1, 1);
  EXPECT_DOUBLE_EQ(f.CubicSpline(1), 1);
  EXPECT_DOUBLE_EQ(f.CubicSpline(0.5), 0.6875);
  EXPECT_DOUBLE_EQ(f.CubicSpline(1.5), 0.6875);
  EXPECT_TRUE(f.SplineValid());
  EXPECT_DOUBLE_EQ(f.CubicSpline(2), 0);
}

// With the exact end slopes the clamped spline reproduces a cubic.
TEST(Spline, ClampedEndsReproduceACubic) {
  auto p = [](double x) { return 1 - 2 * x + 0.5 * x * x * x; };
  auto dp = [](double x) { return -2 + 1.5 * x * x; };
  TCurveFit f;
  for (double x : {-1.0, -0.2, 0.5, 1.0, 2.5, 3.0}) f.EnterStatValue(x, p(x));
  f.SetSplineNatural1(false);
  f.SetSplineNaturalN(false);
  f.SetSplineDerivY1(dp(-1));
  f.SetSplineDerivYN(dp(3));
  for (double x : {-0.9, 0.0, 0.77, 2.0, 2.99}) EXPECT_NEAR(f.CubicSpline(x), p(x), 1e-12) << x;

  // A horizontal tangent at the first point.
  f.SetSplineDerivY1(0);
  EXPECT_FALSE(f.SplineValid());
  const double h = 1e-6;
  EXPECT_NEAR((f.CubicSpline(-1 + h) - f.CubicSpline(-1)) / h, 0, 1e-5);
}

TEST(Spline, CachesFollowDataAndProperties) {
  TCurveFit f;
  for (double x : {0.0, 1.0, 2.0, 3.0}) f.EnterStatValue(x, x * x);
  const double before = f.CubicSpline(1.5);
  double q;
  bool valid;
  f.SmoothedSpline(1.5, q, valid);  // computing one spline invalidates the other
  EXPECT_FALSE(f.SplineValid());
  EXPECT_TRUE(f.SmoothedSplineValid());
  EXPECT_DOUBLE_EQ(f.CubicSpline(1.5), before);
  EXPECT_FALSE(f.SmoothedSplineValid());
  f.EnterStatValue(1.5, 10);
  EXPECT_FALSE(f.SplineValid());
  EXPECT_DOUBLE_EQ(f.CubicSpline(1.5), 10);
  f.SmoothedSpline(1.5, q, valid);
  f.SetSplineSmoothingFactor(0.2);
  EXPECT_FALSE(f.SmoothedSplineValid());
  f.RemoveStatValue(5);
  EXPECT_DOUBLE_EQ(f.CubicSpline(1.5), before);
}

// Two independent algorithms: without smoothing the smoothing spline is the
// natural interpolating spline.
TEST(Spline, SmoothingFactorZeroInterpolatesLikeTheNaturalSpline) {
  TCurveFit f;
  for (int i = 0; i < 25; ++i) {
    const double x = i + 0.3 * std::sin(i);
    f.EnterStatValue(x, std::cos(0.7 * x) + 0.1 * i);
  }
  f.SetSplineSmoothingFactor(0);
  double q;
  bool valid;
  for (int i = 1; i <= f.NumData(); ++i) {
    const double x = f.DataX(i);
    EXPECT_NEAR(f.SmoothedSpline(x, q, valid), f.Data().Elem(2, i), 1e-12);
    EXPECT_TRUE(valid);
  }
  EXPECT_NEAR(q, 1, 1e-12);
  for (double x = 0; x <= 24; x += 0.37) {
    const double s = f.SmoothedSpline(x, q, valid);
    EXPECT_NEAR(s, f.CubicSpline(x), 1e-10) << x;
  }
  EXPECT_EQ(f.SmoothedSpline(-0.01, q, valid), 0);
  EXPECT_FALSE(valid);
  EXPECT_EQ(f.SmoothedSpline(f.MaxX() + 1, q, valid), 0);
  EXPECT_FALSE(valid);
}

// A factor of 1 lets the residual sum reach the regression line's; between
// 0 and 1 the fit quality falls from 1 towards the line's.
TEST(Spline, SmoothingTradesFitForSmoothness) {
  TCurveFit f;
  for (int i = 0; i < 30; ++i) f.EnterStatValue(i, 0.5 * i + ((i * 7) % 5 - 2));
  double k, d, lineQ, q, prevQ = 1.0000001;
  bool valid;
  f.CalcLinFit(k, d, lineQ);
  for (double s : {0.0, 0.1, 0.5, 1.0}) {
    f.SetSplineSmoothingFactor(s);
    f.SmoothedSpline(3, q, valid);
    EXPECT_LT(q, prevQ) << s;
    prevQ = q;
  }
  EXPECT_NEAR(q, lineQ, 1e-6);  // the residual sum of the line, a straight line again
  EXPECT_NEAR(f.SmoothedSpline(20, q, valid), k * 20 + d, 1e-4);

  f.Init();
  for (int i = 0; i < 5; ++i) f.EnterStatValue(i, 3);
  f.SmoothedSpline(2, q, valid);
  EXPECT_EQ(q, 1);  // constant y
}

TEST(Spline, Errors) {
  TCurveFit f;
  f.Name = "fit";
  EXPECT_EQ(ErrorOf(f, false), "Component \"fit\": the tabulated values are not distinct");
  EXPECT_EQ(ErrorOf(f, true), "CalcLinFit: not enough data points");
  f.EnterStatValue(1, 1);
  EXPECT_EQ(ErrorOf(f, false), "Component \"fit\": the tabulated values are not distinct");
  f.EnterStatValue(2, 1);
  f.EnterStatValue(1, 3);
  EXPECT_EQ(ErrorOf(f, false), "Component \"fit\": the tabulated values are not distinct");
  EXPECT_EQ(ErrorOf(f, true), "PenalizedCubicSpline: two or more x-values are identical");

  std::vector<double> x{0, 1, 3, 2}, y{0, 1, 2, 3}, w(4, 1), a(4), b(4), c(4), d(4);
  auto call = [&](int n1, int n2) {
    try {
      PenalizedCubicSpline(n1, n2, x, y, w, a, b, c, d, 0);
    } catch (const EZwMath2Error& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(call(2, 2), "PenalizedCubicSpline: n1 must not be greater than n2");
  EXPECT_EQ(call(0, 3), "PenalizedCubicSpline: x-values must be increasing");
  EXPECT_EQ(call(0, 2), "");
  EXPECT_EQ(a[1], 1);
  EXPECT_EQ(call(0, 4), "PenalizedCubicSpline: the arrays do not hold the points");
}

}  // namespace
}  // namespace zw
