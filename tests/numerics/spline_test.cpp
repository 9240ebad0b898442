#include <gtest/gtest.h>

#include <gsl/gsl_spline.h>
#include <cmath>
#include <vector>

#include "numerics/CurveFit.h"

namespace zw {
namespace {

TEST(Splines, CubicSplineValuesAndEnds) {
  TCurveFit f;
  f.EnterStatValue(2, 0);  // entered out of order: the set-up sorts the pairs
  f.EnterStatValue(0, 0);
  f.EnterStatValue(1, 1);
  EXPECT_DOUBLE_EQ(f.CubicSpline(1), 1);
  EXPECT_DOUBLE_EQ(f.CubicSpline(0.5), 0.6875);
  EXPECT_TRUE(f.SplineValid());

  // A prescribed slope 0 at the first point: a horizontal tangent there.
  f.SetSplineNatural1(false);
  f.SetSplineDerivY1(0);
  EXPECT_FALSE(f.SplineValid());
  const double h = 1e-6;
  EXPECT_NEAR((f.CubicSpline(h) - f.CubicSpline(0)) / h, 0, 1e-5);
  EXPECT_DOUBLE_EQ(f.CubicSpline(1), 1);

  // New data: computed again on the next call.
  f.SetSplineNatural1(true);
  f.EnterStatValue(3, 3);
  EXPECT_FALSE(f.SplineValid());
  EXPECT_DOUBLE_EQ(f.CubicSpline(3), 3);
}

TEST(Splines, NaturalCubicSplineAgainstGsl) {
  std::vector<double> x, y;
  TCurveFit f;
  for (int i = 0; i < 25; ++i) {
    x.push_back(i + 0.3 * std::sin(i));
    y.push_back(std::cos(x.back() * 0.7) * 3);
    f.EnterStatValue(x.back(), y.back());
  }
  gsl_spline* s = gsl_spline_alloc(gsl_interp_cspline, x.size());
  gsl_spline_init(s, x.data(), y.data(), x.size());
  for (double at = x.front(); at <= x.back(); at += 0.173)
    EXPECT_NEAR(f.CubicSpline(at), gsl_spline_eval(s, at, nullptr), 1e-12) << at;
  gsl_spline_free(s);
}

TEST(Splines, DistinctnessErrors) {
  TCurveFit f;
  f.Name = "Fit";
  for (auto [x, y] : std::vector<std::pair<double, double>>{{0, 1}, {1, 2}, {1, 3}}) f.EnterStatValue(x, y);
  try {
    f.CubicSpline(0.5);
    FAIL();
  } catch (const EZwMath2Error& e) {
    EXPECT_STREQ(e.what(), "Component \"Fit\": the tabulated values are not distinct");
  }
  double q;
  bool valid;
  try {
    f.SmoothedSpline(0.5, q, valid);
    FAIL();
  } catch (const EZwMath2Error& e) {
    EXPECT_STREQ(e.what(), "PenalizedCubicSpline: two or more x-values are identical");
  }
  TCurveFit one;
  one.EnterStatValue(1, 1);
  EXPECT_THROW(one.CubicSpline(1), EZwMath2Error);
  try {
    one.SmoothedSpline(1, q, valid);
    FAIL();
  } catch (const EZwMath2Error& e) {
    EXPECT_STREQ(e.what(), "CalcLinFit: not enough data points");
  }
  std::vector<double> v(5);
  try {
    PenalizedCubicSpline(3, 3, v, v, v, v, v, v, v, 0);
    FAIL();
  } catch (const EZwMath2Error& e) {
    EXPECT_STREQ(e.what(), "PenalizedCubicSpline: n1 must not be greater than n2");
  }
}

TEST(Splines, SmoothedSpline) {
  TCurveFit f;
  for (int i = 0; i < 15; ++i) f.EnterStatValue(i * 0.5, std::sin(i * 0.5) + ((i % 3) - 1) * 0.2);
  double q = -1;
  bool valid = true;
  EXPECT_EQ(f.SmoothedSpline(-1, q, valid), 0);
  EXPECT_FALSE(valid);

  // Factor 0 interpolates: the natural cubic spline everywhere inside.
  f.SetSplineSmoothingFactor(0);
  for (double x = 0; x <= 7; x += 0.37) {
    const double smooth = f.SmoothedSpline(x, q, valid);
    EXPECT_TRUE(valid);
    EXPECT_NEAR(smooth, f.CubicSpline(x), 1e-12) << x;
  }
  EXPECT_NEAR(q, 1, 1e-12);
  for (int i = 0; i < 15; ++i) EXPECT_NEAR(f.SmoothedSpline(i * 0.5, q, valid), f.Data().Elem(2, i + 1), 1e-12);

  // Smoothing lowers the fit quality as the factor grows; factor 1 reaches
  // the residual sum of the regression line.
  double previous = 1;
  for (double factor : {0.1, 0.5, 1.0}) {
    f.SetSplineSmoothingFactor(factor);
    f.SmoothedSpline(1, q, valid);
    EXPECT_LT(q, previous) << factor;
    previous = q;
  }
  double k, d, lineQual;
  f.CalcLinFit(k, d, lineQual);
  EXPECT_NEAR(q, lineQual, 1e-6);
}

}  // namespace
}  // namespace zw
