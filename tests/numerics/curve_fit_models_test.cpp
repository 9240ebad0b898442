#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "numerics/CurveFit.h"
#include "numerics/NumComponent.h"

namespace zw {
namespace {

using Pairs = std::vector<std::pair<double, double>>;

void Enter(TCurveFit& f, const Pairs& pairs) {
  for (auto [x, y] : pairs) f.EnterStatValue(x, y);
}

// The message of the error a call raises, "" when it raises none.
std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const EZwMath2Error& e) {
    return e.what();
  }
  return "";
}

// Exact data of each model: parameters and FitQual 1 come back.
TEST(CurveFitModels, TwoParameterModelsRecoverExactData) {
  struct Case {
    const char* name;
    std::function<double(double)> model;
    std::function<void(TCurveFit&, double&, double&, double&)> fit;
    double k0, k1;
  };
  using F = TCurveFit;
  const Case cases[] = {
      {"reci lin", [](double x) { return 1 / (0.5 + 0.25 * x); },
       [](F& f, double& a, double& b, double& q) { f.CalcReciLinFit(a, b, q); }, 0.5, 0.25},
      {"hyperbol", [](double x) { return 3 - 2 / x; },
       [](F& f, double& a, double& b, double& q) { f.CalcHyperbolFit(a, b, q); }, 3, -2},
      {"reci hyperbol", [](double x) { return 1 / (1 + 2 / x); },
       [](F& f, double& a, double& b, double& q) { f.CalcReciHyperbolFit(a, b, q); }, 1, 2},
      {"log", [](double x) { return 1.5 + 2 * std::log(x); },
       [](F& f, double& a, double& b, double& q) { f.CalcLogFit(a, b, q); }, 1.5, 2},
      {"reci log", [](double x) { return 1 / (2 + 0.5 * std::log(x)); },
       [](F& f, double& a, double& b, double& q) { f.CalcReciLogFit(a, b, q); }, 2, 0.5},
      {"power", [](double x) { return 2.5 * std::pow(x, 1.5); },
       [](F& f, double& a, double& b, double& q) { f.CalcPowerFit(a, b, q); }, 2.5, 1.5},
      {"exponential", [](double x) { return 0.5 * std::exp(-0.3 * x); },
       [](F& f, double& a, double& b, double& q) { f.CalcExponentialFit(a, b, q); }, 0.5, -0.3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TCurveFit f;
    for (double x : {0.5, 1.0, 2.0, 3.5, 5.0, 8.0}) f.EnterStatValue(x, c.model(x));
    double k0, k1, q;
    c.fit(f, k0, k1, q);
    EXPECT_NEAR(k0, c.k0, 1e-9);
    EXPECT_NEAR(k1, c.k1, 1e-9);
    EXPECT_NEAR(q, 1, 1e-9);
  }
}

TEST(CurveFitModels, LineParabolaExponentialAndCircleOfTheSimpleCases) {
  TCurveFit f;
  double k, d, q, k2;
  Enter(f, {{1, 3}, {2, 5}, {3, 7}});
  f.CalcLinFit(k, d, q);
  EXPECT_NEAR(k, 2, 1e-12);
  EXPECT_NEAR(d, 1, 1e-12);
  EXPECT_NEAR(q, 1, 1e-12);

  f.Init();
  Enter(f, {{-1, 6}, {0, 1}, {1, 0}, {2, 3}, {4, 21}});  // 1 - 3x + 2x^2
  f.CalcParabolFit(k, d, k2, q);
  EXPECT_NEAR(k, 1, 1e-12);
  EXPECT_NEAR(d, -3, 1e-12);
  EXPECT_NEAR(k2, 2, 1e-12);
  EXPECT_NEAR(q, 1, 1e-12);

  f.Init();
  const double e = std::numbers::e;
  Enter(f, {{1, e}, {2, e * e}, {3, e * e * e}});
  f.CalcExponentialFit(k, d, q);
  EXPECT_NEAR(k, 1, 1e-12);
  EXPECT_NEAR(d, 1, 1e-12);
  EXPECT_NEAR(q, 1, 1e-12);
  // x <= 0 is valid data for the exponential model.
  f.EnterStatValue(-1, std::exp(-1.0));
  f.CalcExponentialFit(k, d, q);
  EXPECT_NEAR(d, 1, 1e-12);

  f.Init();
  for (int i = 0; i < 12; ++i) {
    const double t = i * std::numbers::pi / 6;
    f.EnterStatValue(2 + std::cos(t), 3 + std::sin(t));
  }
  double r, dx, dy;
  f.CalcCircleFit(r, dx, dy);
  EXPECT_NEAR(r, 1, 1e-12);
  EXPECT_NEAR(dx, 2, 1e-12);
  EXPECT_NEAR(dy, 3, 1e-12);
}

TEST(CurveFitModels, HoerlAndGaussRecoverExactData) {
  TCurveFit f;
  for (double x : {0.5, 1.0, 2.0, 3.0, 4.5, 6.0}) f.EnterStatValue(x, 2 * std::pow(0.8, x) * std::pow(x, 1.7));
  double k0, k1, k2, q;
  f.CalcHoerlFit(k0, k1, k2, q);
  EXPECT_NEAR(k0, 2, 1e-9);
  EXPECT_NEAR(k1, 0.8, 1e-9);
  EXPECT_NEAR(k2, 1.7, 1e-9);
  EXPECT_NEAR(q, 1, 1e-9);

  f.Init();
  for (double x = -3; x <= 5; x += 0.5) f.EnterStatValue(x, 4 * std::exp(-(x - 1.2) * (x - 1.2) / 2.5));
  f.CalcGaussFit(k0, k1, k2, q);
  EXPECT_NEAR(k0, 4, 1e-9);
  EXPECT_NEAR(k1, 1.2, 1e-9);
  EXPECT_NEAR(k2, 2.5, 1e-9);
  EXPECT_NEAR(q, 1, 1e-9);
}

TEST(CurveFitModels, ConstantYGivesFitQualOne) {
  TCurveFit f;
  Enter(f, {{1, 2}, {2, 2}, {3, 2}, {5, 2}});
  double k0, k1, k2, q;
  f.CalcLinFit(k0, k1, q);
  EXPECT_EQ(q, 1);
  f.CalcHyperbolFit(k0, k1, q);
  EXPECT_EQ(q, 1);
  f.CalcPowerFit(k0, k1, q);
  EXPECT_EQ(q, 1);
  EXPECT_NEAR(k0, 2, 1e-12);
  f.CalcHoerlFit(k0, k1, k2, q);
  EXPECT_EQ(q, 1);
  f.CalcGaussFit(k0, k1, k2, q);
  EXPECT_EQ(q, 1);
}

// Each error with its message; the flags are tested in the documented order
// and the outputs stay 0.
TEST(CurveFitModels, ErrorsAndTheirOrder) {
  using F = TCurveFit;
  auto two = [](F& f, void (F::*fit)(double&, double&, double&) const) {
    return [&f, fit] {
      double a = 9, b = 9, q = 9;
      try {
        (f.*fit)(a, b, q);
      } catch (...) {
        EXPECT_EQ(a, 0);
        EXPECT_EQ(b, 0);
        EXPECT_EQ(q, 0);
        throw;
      }
    };
  };
  struct Case {
    Pairs data;
    void (F::*fit)(double&, double&, double&) const;
    const char* message;
  };
  const Case cases[] = {
      {{{1, 1}}, &F::CalcLinFit, "CalcLinFit: not enough data points"},
      {{{1, 1}, {2, 0}}, &F::CalcReciLinFit, "CalcReciLinFit: not enough data points"},
      {{{1, 1}, {2, 0}, {3, 1}}, &F::CalcReciLinFit, "CalcReciLinFit: y values must not be zero"},
      {{{0, 1}, {2, 2}, {3, 1}}, &F::CalcHyperbolFit, "CalcHyperbolFit: x values must not be zero"},
      {{{0, 0}, {2, 2}, {3, 1}}, &F::CalcReciHyperbolFit, "CalcReciHyperbolFit: y values must not be zero"},
      {{{0, 1}, {2, 2}, {3, 1}}, &F::CalcReciHyperbolFit, "CalcReciHyperbolFit: x values must not be zero"},
      {{{-1, 1}, {2, 2}, {3, 1}}, &F::CalcLogFit, "CalcLogFit: x values must not be negative or zero"},
      {{{-1, -1}, {2, 2}, {3, 1}}, &F::CalcReciLogFit, "CalcReciLogFit: y values must not be negative or zero"},
      {{{-1, 1}, {2, 2}, {3, 1}}, &F::CalcReciLogFit, "CalcReciLogFit: x values must not be negative or zero"},
      {{{0, 1}, {2, 2}, {3, 1}}, &F::CalcPowerFit, "CalcPowerFit: x values must not be negative or zero"},
      {{{0, 0}, {2, 2}, {3, 1}}, &F::CalcPowerFit, "CalcPowerFit: y values must not be negative or zero"},
      {{{1, 0}, {2, 2}, {3, 1}}, &F::CalcExponentialFit, "CalcExponentialFit: y values must not be negative or zero"},
      // All x equal: no slope can be fitted.
      {{{2, 1}, {2, 2}, {2, 3}}, &F::CalcHyperbolFit, "CalcHyperbolFit: cannot fit function"},
      {{{2, 1}, {2, 2}, {2, 3}}, &F::CalcExponentialFit, "CalcExponentialFit: cannot fit function"},
      // e^c below the smallest double and above the largest.
      {{{-100, std::exp(-700.0)}, {-99, std::exp(-701.0)}, {-98, std::exp(-702.0)}}, &F::CalcExponentialFit, "CalcExponentialFit: cannot fit function"},
      {{{100, std::exp(700.0)}, {101, std::exp(699.0)}, {102, std::exp(698.0)}}, &F::CalcExponentialFit, "CalcExponentialFit: cannot fit function"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    TCurveFit f;
    Enter(f, c.data);
    EXPECT_EQ(ErrorOf(two(f, c.fit)), c.message);
  }

  TCurveFit f;
  double a, b, c, q;
  Enter(f, {{1, 1}, {2, 2}});
  EXPECT_EQ(ErrorOf([&] { f.CalcParabolFit(a, b, c, q); }), "CalcParabolFit: not enough data points");
  EXPECT_EQ(ErrorOf([&] { f.CalcGaussFit(a, b, c, q); }), "CalcGaussFit: not enough data points");
  EXPECT_EQ(c, 1.7e38);
  EXPECT_EQ(ErrorOf([&] { f.CalcCircleFit(a, b, c); }), "CalcCircleFit: not enough data points");
  f.EnterStatValue(3, 3);  // collinear: no finite circle
  EXPECT_EQ(ErrorOf([&] { f.CalcCircleFit(a, b, c); }), "CalcCircleFit: radius is infinite");
  f.EnterStatValue(-1, 0);
  EXPECT_EQ(ErrorOf([&] { f.CalcHoerlFit(a, b, c, q); }), "CalcHoerlFit: y values must not be negative or zero");
  EXPECT_EQ(ErrorOf([&] { f.CalcGaussFit(a, b, c, q); }), "CalcGaussFit: y values must not be negative");
  f.Init();
  Enter(f, {{-1, 1}, {2, 2}, {3, 3}});
  EXPECT_EQ(ErrorOf([&] { f.CalcHoerlFit(a, b, c, q); }), "CalcHoerlFit: x values must not be negative or zero");
  f.Init();
  Enter(f, {{2, 1}, {2, 2}, {2, 3}});
  EXPECT_EQ(ErrorOf([&] { f.CalcGaussFit(a, b, c, q); }), "CalcGaussFit: cannot fit function");
  EXPECT_EQ(ErrorOf([&] { f.CalcLinFit(a, b, q); }), "");  // the line keeps its zeros
  EXPECT_EQ(a, 0);
  EXPECT_EQ(q, 0);
}

// Polynomial fits against Eigen's SVD on the same design.
TEST(CurveFitModels, PolynomialFitsAgreeWithEigen) {
  TCurveFit f;
  const int n = 40, deg = 4;
  Eigen::MatrixXd A(n, deg + 1);
  Eigen::VectorXd b(n);
  for (int i = 0; i < n; ++i) {
    const double x = 10 + 0.25 * i, y = std::sin(x) + 0.01 * x * x;
    f.EnterStatValue(x, y);
    for (int k = 0; k <= deg; ++k) A(i, k) = std::pow(x, k);
    b(i) = y;
  }
  const Eigen::VectorXd want = A.jacobiSvd(Eigen::ComputeThinU | Eigen::ComputeThinV).solve(b);
  std::vector<double> p, pc;
  double q, qc, m = 0;
  bool deficient = true, deficientC = true;
  ASSERT_TRUE(f.CalcPolyFit(deg, p, q, deficient));
  ASSERT_TRUE(f.CalcCenteredPolyFit(deg, pc, m, qc, deficientC));
  EXPECT_FALSE(deficient);
  EXPECT_FALSE(deficientC);
  EXPECT_NEAR(m, 10 + 0.25 * (n - 1) / 2, 1e-12);
  ASSERT_EQ(p.size(), deg + 1u);
  for (int k = 0; k <= deg; ++k) EXPECT_NEAR(p[k], want(k), 1e-6 * std::fabs(want(k)) + 1e-9) << k;
  // The centred polynomial is the same curve.
  for (double x : {10.0, 12.3, 19.75}) {
    double plain = 0, centred = 0;
    for (int k = deg; k >= 0; --k) {
      plain = plain * x + p[k];
      centred = centred * (x - m) + pc[k];
    }
    EXPECT_NEAR(plain, centred, 1e-7);  // the plain powers of x near 20 cancel
  }
  EXPECT_GT(q, 0.9);
  EXPECT_NEAR(q, qc, 1e-9);

  // Fewer pairs than coefficients: a deficient, exact fit; a given centre is kept.
  f.Init();
  Enter(f, {{1, 2}, {2, 3}});
  m = 5;
  ASSERT_TRUE(f.CalcCenteredPolyFit(3, pc, m, qc, deficientC));
  EXPECT_TRUE(deficientC);
  EXPECT_EQ(m, 5);
  for (double x : {1.0, 2.0}) {
    double v = 0;
    for (int k = 3; k >= 0; --k) v = v * (x - m) + pc[k];
    EXPECT_NEAR(v, x + 1, 1e-9);
  }
  EXPECT_NEAR(qc, 1, 1e-12);
}

TEST(CurveFitModels, AnovaTable) {
  TCurveFit f;
  Enter(f, {{1, 1}, {2, 2}, {4, 4}, {5, 5}});  // fitted values equal the observed ones
  std::int32_t dfreg, dfres, dftotal;
  double sse, ssr, sst, mse, msr, F;
  f.CalcAnovaReg(1, true, dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F);
  EXPECT_EQ(dfreg, 1);
  EXPECT_EQ(dftotal, 3);
  EXPECT_EQ(dfres, 2);
  EXPECT_EQ(sse, 0);
  EXPECT_DOUBLE_EQ(ssr, 10);
  EXPECT_DOUBLE_EQ(sst, 10);
  EXPECT_EQ(mse, 0);
  EXPECT_DOUBLE_EQ(msr, 10);
  EXPECT_EQ(F, 1e10);

  f.Init();
  Enter(f, {{1, 1.5}, {2, 1.5}, {4, 4.5}, {5, 4.5}});
  f.CalcAnovaReg(1, false, dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F);
  EXPECT_EQ(dftotal, 4);
  EXPECT_DOUBLE_EQ(sse, 1);
  EXPECT_DOUBLE_EQ(ssr, 2 * 2.25 + 2 * 20.25);
  EXPECT_DOUBLE_EQ(sst, 46);
  EXPECT_DOUBLE_EQ(mse, 1.0 / 3);
  EXPECT_DOUBLE_EQ(F, 45 * 3);

  // No residual degrees of freedom: refused instead of dividing by zero.
  for (std::int32_t vars : {0, 3, 4}) {
    EXPECT_EQ(ErrorOf([&] { f.CalcAnovaReg(vars, true, dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F); }),
              "CalcAnovaReg: not enough data points");
    EXPECT_EQ(F, 0);
  }
  f.Init();
  EXPECT_EQ(ErrorOf([&] { f.CalcAnovaReg(1, false, dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F); }),
            "CalcAnovaReg: not enough data points");
}

}  // namespace
}  // namespace zw
