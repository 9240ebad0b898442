#include <gtest/gtest.h>

#include <gsl/gsl_fit.h>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "numerics/CurveFit.h"

namespace zw {
namespace {

void Enter(TCurveFit& f, const std::vector<std::pair<double, double>>& pairs) {
  for (auto [x, y] : pairs) f.EnterStatValue(x, y);
}

// Pairs from a model, x = 1 .. n.
std::vector<std::pair<double, double>> Sampled(const std::function<double(double)>& model, int n) {
  std::vector<std::pair<double, double>> out;
  for (int i = 1; i <= n; ++i) out.emplace_back(i * 0.5 + 0.25, model(i * 0.5 + 0.25));
  return out;
}

TEST(CurveFitModels, ExactModelsAreRecovered) {
  using Fit2 = void (TCurveFit::*)(double&, double&, double&) const;
  // (fit, model, k0, k1)
  const std::vector<std::tuple<const char*, Fit2, std::function<double(double)>, double, double>> cases = {
      {"reciprocal linear", &TCurveFit::CalcReciLinFit, [](double x) { return 1 / (2 + 3 * x); }, 2, 3},
      {"hyperbolic", &TCurveFit::CalcHyperbolFit, [](double x) { return 2 + 3 / x; }, 2, 3},
      {"reciprocal hyperbolic", &TCurveFit::CalcReciHyperbolFit, [](double x) { return 1 / (2 + 3 / x); }, 2, 3},
      {"logarithmic", &TCurveFit::CalcLogFit, [](double x) { return 2 + 3 * std::log(x); }, 2, 3},
      {"reciprocal log", &TCurveFit::CalcReciLogFit, [](double x) { return 1 / (2 + 3 * std::log(x)); }, 2, 3},
      {"power", &TCurveFit::CalcPowerFit, [](double x) { return 2 * std::pow(x, 1.5); }, 2, 1.5},
      {"exponential", &TCurveFit::CalcExponentialFit, [](double x) { return 2 * std::exp(0.5 * x); }, 2, 0.5},
  };
  for (const auto& [name, fit, model, k0, k1] : cases) {
    TCurveFit f;
    Enter(f, Sampled(model, 8));
    double a = -1, b = -1, q = -1;
    (f.*fit)(a, b, q);
    EXPECT_NEAR(a, k0, 1e-9) << name;
    EXPECT_NEAR(b, k1, 1e-9) << name;
    EXPECT_NEAR(q, 1, 1e-9) << name;
  }

  TCurveFit f;
  Enter(f, {{1, 3}, {2, 5}, {3, 7}});
  double k, d, q;
  f.CalcLinFit(k, d, q);
  EXPECT_DOUBLE_EQ(k, 2);
  EXPECT_DOUBLE_EQ(d, 1);
  EXPECT_DOUBLE_EQ(q, 1);

  TCurveFit e;
  Enter(e, {{1, std::exp(1.0)}, {2, std::exp(2.0)}, {3, std::exp(3.0)}});
  e.CalcExponentialFit(k, d, q);
  EXPECT_NEAR(k, 1, 1e-12);
  EXPECT_NEAR(d, 1, 1e-12);
  EXPECT_NEAR(q, 1, 1e-12);

  TCurveFit p;
  Enter(p, Sampled([](double x) { return 1 - 2 * x + 0.5 * x * x; }, 6));
  double k0, k1, k2;
  p.CalcParabolFit(k0, k1, k2, q);
  EXPECT_NEAR(k0, 1, 1e-10);
  EXPECT_NEAR(k1, -2, 1e-10);
  EXPECT_NEAR(k2, 0.5, 1e-10);
  EXPECT_NEAR(q, 1, 1e-12);

  TCurveFit h;
  Enter(h, Sampled([](double x) { return 2 * std::pow(1.5, x) * std::pow(x, 0.7); }, 8));
  h.CalcHoerlFit(k0, k1, k2, q);
  EXPECT_NEAR(k0, 2, 1e-9);
  EXPECT_NEAR(k1, 1.5, 1e-9);
  EXPECT_NEAR(k2, 0.7, 1e-9);
  EXPECT_NEAR(q, 1, 1e-9);

  TCurveFit g;
  Enter(g, Sampled([](double x) { return 3 * std::exp(-(x - 2) * (x - 2) / 1.5); }, 8));
  g.CalcGaussFit(k0, k1, k2, q);
  EXPECT_NEAR(k0, 3, 1e-9);
  EXPECT_NEAR(k1, 2, 1e-9);
  EXPECT_NEAR(k2, 1.5, 1e-9);

  TCurveFit c;
  for (int i = 0; i < 7; ++i) {
    const double t = i * 2 * std::numbers::pi / 7;
    c.EnterStatValue(2 + std::cos(t), 3 + std::sin(t));
  }
  double r, dx, dy;
  c.CalcCircleFit(r, dx, dy);
  EXPECT_NEAR(r, 1, 1e-12);
  EXPECT_NEAR(dx, 2, 1e-12);
  EXPECT_NEAR(dy, 3, 1e-12);
}

TEST(CurveFitModels, LineAgainstGsl) {
  std::vector<double> x, y;
  TCurveFit f;
  for (int i = 0; i < 50; ++i) {
    x.push_back(i * 0.3);
    y.push_back(1.5 * i * 0.3 - 4 + std::sin(i * 1.7));
    f.EnterStatValue(x.back(), y.back());
  }
  double c0, c1, cov00, cov01, cov11, sumsq;
  gsl_fit_linear(x.data(), 1, y.data(), 1, x.size(), &c0, &c1, &cov00, &cov01, &cov11, &sumsq);
  double k, d, q;
  f.CalcLinFit(k, d, q);
  EXPECT_NEAR(k, c1, 1e-12);
  EXPECT_NEAR(d, c0, 1e-12);
  EXPECT_NEAR(q, f.CorrCoeff() * f.CorrCoeff(), 1e-12);
}

TEST(CurveFitModels, ErrorsInTheirOrder) {
  auto message = [](const std::function<void()>& call) {
    try {
      call();
    } catch (const EZwMath2Error& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  double a, b, c, q;
  TCurveFit one;
  Enter(one, {{1, 1}});
  EXPECT_EQ(message([&] { one.CalcLinFit(a, b, q); }), "CalcLinFit: not enough data points");
  TCurveFit two;
  Enter(two, {{1, 1}, {2, 3}});
  EXPECT_EQ(message([&] { two.CalcParabolFit(a, b, c, q); }), "CalcParabolFit: not enough data points");
  EXPECT_EQ(message([&] { two.CalcLogFit(a, b, q); }), "CalcLogFit: not enough data points");
  EXPECT_EQ(message([&] { two.CalcLinFit(a, b, q); }), "no error");

  TCurveFit xZero;
  Enter(xZero, {{0, 1}, {1, 2}, {2, 3}});
  EXPECT_EQ(message([&] { xZero.CalcHyperbolFit(a, b, q); }), "CalcHyperbolFit: x values must not be zero");
  EXPECT_EQ(message([&] { xZero.CalcPowerFit(a, b, q); }), "CalcPowerFit: x values must not be negative or zero");
  EXPECT_EQ(message([&] { xZero.CalcLogFit(a, b, q); }), "CalcLogFit: x values must not be negative or zero");
  EXPECT_EQ(message([&] { xZero.CalcExponentialFit(a, b, q); }), "no error");  // x <= 0 is valid here

  TCurveFit yZero;
  Enter(yZero, {{0, 0}, {1, 2}, {2, 3}});
  EXPECT_EQ(message([&] { yZero.CalcExponentialFit(a, b, q); }),
            "CalcExponentialFit: y values must not be negative or zero");
  EXPECT_EQ(message([&] { yZero.CalcReciLinFit(a, b, q); }), "CalcReciLinFit: y values must not be zero");
  EXPECT_EQ(message([&] { yZero.CalcReciHyperbolFit(a, b, q); }), "CalcReciHyperbolFit: y values must not be zero");
  EXPECT_EQ(message([&] { yZero.CalcReciLogFit(a, b, q); }), "CalcReciLogFit: y values must not be negative or zero");
  EXPECT_EQ(message([&] { yZero.CalcHoerlFit(a, b, c, q); }), "CalcHoerlFit: y values must not be negative or zero");
  EXPECT_EQ(message([&] { yZero.CalcGaussFit(a, b, c, q); }), "CalcGaussFit: y values must not be negative");
  EXPECT_EQ(a, 0);
  EXPECT_EQ(c, 1.7e38);

  // All x equal: no silent zeros from a zero determinant.
  TCurveFit flatX;
  Enter(flatX, {{2, 1}, {2, 2}, {2, 3}});
  EXPECT_EQ(message([&] { flatX.CalcLogFit(a, b, q); }), "CalcLogFit: cannot fit function");
  EXPECT_EQ(message([&] { flatX.CalcPowerFit(a, b, q); }), "CalcPowerFit: cannot fit function");
  EXPECT_EQ(a, 0);
  // An exponent beyond the doubles.
  TCurveFit steep;
  Enter(steep, {{1, 1e-300}, {2, 1e-200}, {3, 1e-100}});
  EXPECT_EQ(message([&] { steep.CalcPowerFit(a, b, q); }), "no error");
  TCurveFit huge;
  Enter(huge, {{1000, 1e300}, {1001, 1e301}, {1002, 1e302}});
  EXPECT_EQ(message([&] { huge.CalcExponentialFit(a, b, q); }), "CalcExponentialFit: cannot fit function");

  TCurveFit line;
  Enter(line, {{1, 1}, {2, 2}, {3, 3}});
  double r, dx, dy;
  EXPECT_EQ(message([&] { line.CalcCircleFit(r, dx, dy); }), "CalcCircleFit: radius is infinite");

  // Constant y: FitQual 1.
  TCurveFit flatY;
  Enter(flatY, {{1, 4}, {2, 4}, {3, 4}});
  flatY.CalcHyperbolFit(a, b, q);
  EXPECT_EQ(q, 1);
  flatY.CalcHoerlFit(a, b, c, q);
  EXPECT_EQ(q, 1);
}

TEST(CurveFitModels, Polynomials) {
  TCurveFit f;
  auto poly = [](double x) { return 3 - x + 0.25 * x * x * x; };
  for (int i = 0; i < 30; ++i) f.EnterStatValue(100 + i * 0.1, poly(100 + i * 0.1));
  std::vector<double> coeffs;
  double q = 0, m = 0;
  bool deficient = true;
  ASSERT_TRUE(f.CalcCenteredPolyFit(3, coeffs, m, q, deficient));
  EXPECT_NEAR(m, 101.45, 1e-12);
  EXPECT_FALSE(deficient);
  ASSERT_EQ(coeffs.size(), 4u);
  // In powers of (x - m): the Taylor coefficients at m.
  EXPECT_NEAR(coeffs[0], poly(m), 1e-6);
  EXPECT_NEAR(coeffs[1], -1 + 0.75 * m * m, 1e-6);
  EXPECT_NEAR(coeffs[2], 0.75 * m, 1e-6);
  EXPECT_NEAR(coeffs[3], 0.25, 1e-9);
  EXPECT_NEAR(q, 1, 1e-12);

  TCurveFit small;
  for (int i = -3; i <= 3; ++i) small.EnterStatValue(i, 1 + 2 * i - i * i);
  ASSERT_TRUE(small.CalcPolyFit(2, coeffs, q, deficient));
  EXPECT_NEAR(coeffs[0], 1, 1e-12);
  EXPECT_NEAR(coeffs[1], 2, 1e-12);
  EXPECT_NEAR(coeffs[2], -1, 1e-12);
  EXPECT_NEAR(q, 1, 1e-12);
  // More coefficients than pairs: still an answer, flagged deficient.
  TCurveFit two;
  Enter(two, {{1, 1}, {2, 3}});
  EXPECT_TRUE(two.CalcPolyFit(3, coeffs, q, deficient));
  EXPECT_TRUE(deficient);
  TCurveFit none;
  EXPECT_FALSE(none.CalcPolyFit(2, coeffs, q, deficient));
}

TEST(CurveFitModels, AnalysisOfVariance) {
  TCurveFit f;
  Enter(f, {{1, 1}, {2, 2}, {4, 4}, {5, 5}});
  double dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F;
  f.CalcAnovaReg(1, true, dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F);
  EXPECT_EQ(dfreg, 1);
  EXPECT_EQ(dftotal, 3);
  EXPECT_EQ(dfres, 2);
  EXPECT_EQ(sse, 0);
  EXPECT_EQ(mse, 0);
  EXPECT_EQ(ssr, 10);
  EXPECT_EQ(sst, 10);
  EXPECT_EQ(F, 1e10);

  TCurveFit g;
  Enter(g, {{1, 1.5}, {2, 1.5}, {4, 4.5}, {5, 4.5}});
  g.CalcAnovaReg(1, false, dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F);
  EXPECT_EQ(dftotal, 4);
  EXPECT_EQ(sse, 1);
  EXPECT_EQ(sst, 46);
  EXPECT_DOUBLE_EQ(F, (45.0 / 1) / (1.0 / 3));
  EXPECT_THROW(g.CalcAnovaReg(3, true, dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F), EZwMath2Error);
  TCurveFit none;
  try {
    none.CalcAnovaReg(1, true, dfreg, dfres, dftotal, sse, ssr, sst, mse, msr, F);
    FAIL();
  } catch (const EZwMath2Error& e) {
    EXPECT_STREQ(e.what(), "CalcAnovaReg: not enough data points");
  }
}

}  // namespace
}  // namespace zw
