#include "topics/linalg-stat/Regr.h"

#include <gsl/gsl_fit.h>
#include <gsl/gsl_multifit.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "shell/State.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

class RegrCompute : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u',';
    RegisterRegrTexts();
  }
  void TearDown() override { kernelState().reset(); }
};

RegrInput In(std::vector<TVec2> p, int model, int degree = 3) {
  RegrInput in;
  in.points = std::move(p);
  in.model = model;
  in.degree = degree;
  return in;
}

std::vector<TVec2> Noisy(int n, std::uint32_t seed, double (*f)(double), double x0 = 0.5) {
  std::mt19937 gen(seed);
  std::normal_distribution<double> noise(0, 0.05);
  std::vector<TVec2> p;
  for (int i = 0; i < n; ++i) {
    const double x = x0 + i * 0.25;
    p.push_back({x, f(x) * (1 + noise(gen))});
  }
  return p;
}

TEST_F(RegrCompute, ThreePointsOnALine) {
  const RegrFit f = FitRegression(In({{1, 2}, {2, 4}, {3, 6}}, RegrLinear));
  EXPECT_NEAR(double(f.r1), 2, 1e-15);
  EXPECT_NEAR(double(f.r0), 0, 1e-15);
  EXPECT_EQ(f.r2, 1);
  EXPECT_EQ(f.st, 0);
  EXPECT_EQ(f.regText, u" y = 2\u00B7x  + 0");
  EXPECT_EQ(f.inverse, u" y = 0,5\u00B7x  + 0");
  const FixedWidthMeasurer font;
  const QStringList memo = RegrMemoLines(f, font);
  ASSERT_GE(memo.size(), 10);
  EXPECT_EQ(memo[0], QStringLiteral(" Lineare Regression"));
  EXPECT_EQ(memo[2], QString::fromStdU16String(f.regText));
  EXPECT_EQ(memo[4], QStringLiteral("3 Werte "));
  EXPECT_TRUE(memo[5].startsWith(QStringLiteral("Bestimmtheitsma")));
  EXPECT_TRUE(memo[5].endsWith(QStringLiteral("= 1")));
  EXPECT_TRUE(memo[7].endsWith(QStringLiteral("= 0")));
  EXPECT_EQ(memo[9], QStringLiteral("Umkehrfunktion"));
  // Shift by 1 and a stretch of 0 (taken as 1): the fit runs on X = 2, 3, 4.
  RegrInput s = In({{1, 2}, {2, 4}, {3, 6}}, RegrLinear);
  s.dx = 1;
  s.sx = 0;
  const RegrFit g = FitRegression(s);
  EXPECT_NEAR(double(g.r1), 2, 1e-15);
  EXPECT_NEAR(double(g.r0), -2, 1e-15);
  EXPECT_EQ(g.sx, 1);
  EXPECT_NEAR(double(g.x1), 1, 1e-18);
  EXPECT_NEAR(double(g.x2), 5, 1e-18);
}

// The linear models against GSL on the transformed data.
TEST_F(RegrCompute, LinearModelsAgreeWithGslOnTheTransformedData) {
  struct Case {
    int model;
    bool lnX, lnY;
    double (*f)(double);
  } cases[] = {
      {RegrLinear, false, false, [](double x) { return 3 - 2 * x; }},
      {RegrPower, true, true, [](double x) { return 2 * std::pow(x, 1.5); }},
      {RegrExponential, false, true, [](double x) { return 0.5 * std::exp(0.3 * x); }},
      {RegrLogarithmic, true, false, [](double x) { return 1 + 4 * std::log(x); }},
  };
  for (const Case& c : cases) {
    const std::vector<TVec2> p = Noisy(40, 7 + c.model, c.f);
    const RegrFit f = FitRegression(In(p, c.model));
    std::vector<double> x, y;
    for (const TVec2& q : p) {
      x.push_back(c.lnX ? std::log(double(q.x)) : double(q.x));
      y.push_back(c.lnY ? std::log(double(q.y)) : double(q.y));
    }
    double c0, c1, cov00, cov01, cov11, sumsq;
    gsl_fit_linear(x.data(), 1, y.data(), 1, x.size(), &c0, &c1, &cov00, &cov01, &cov11, &sumsq);
    SCOPED_TRACE(c.model);
    EXPECT_NEAR(double(f.r0), c0, 1e-10 * (1 + std::fabs(c0)));
    EXPECT_NEAR(double(f.r1), c1, 1e-10 * (1 + std::fabs(c1)));
    EXPECT_NEAR(double(f.st), sumsq / (x.size() - 2), 1e-9 * sumsq);
    // r² = 1 − SSE/SST.
    double mean = 0, sst = 0;
    for (double v : y) mean += v / y.size();
    for (double v : y) sst += (v - mean) * (v - mean);
    EXPECT_NEAR(double(f.r2), 1 - sumsq / sst, 1e-10);
  }
  // Through the origin against gsl_fit_mul.
  const std::vector<TVec2> p = Noisy(30, 3, [](double x) { return 1.7 * x; });
  const RegrFit f = FitRegression(In(p, RegrOrigin));
  std::vector<double> x, y;
  for (const TVec2& q : p) x.push_back(double(q.x)), y.push_back(double(q.y));
  double c1, cov11, sumsq;
  gsl_fit_mul(x.data(), 1, y.data(), 1, x.size(), &c1, &cov11, &sumsq);
  EXPECT_NEAR(double(f.r1), c1, 1e-12);
  EXPECT_NEAR(double(f.st), sumsq / (x.size() - 2), 1e-9 * sumsq);
  EXPECT_LE(f.x1, -1);
  EXPECT_LE(f.y1, -1);
}

TEST_F(RegrCompute, PolynomialAgreesWithGslMultifit) {
  for (int degree : {2, 5}) {
    const std::vector<TVec2> p = Noisy(60, 11, [](double x) { return 1 - x + 0.3 * x * x * x; }, -3);
    const RegrFit f = FitRegression(In(p, RegrPolynomial, degree));
    ASSERT_EQ(f.degree, degree);
    const std::size_t n = p.size(), m = std::size_t(degree) + 1;
    gsl_matrix* X = gsl_matrix_alloc(n, m);
    gsl_vector* y = gsl_vector_alloc(n);
    gsl_vector* c = gsl_vector_alloc(m);
    gsl_matrix* cov = gsl_matrix_alloc(m, m);
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < m; ++j) gsl_matrix_set(X, i, j, std::pow(double(p[i].x), double(j)));
      gsl_vector_set(y, i, double(p[i].y));
    }
    double chisq;
    gsl_multifit_linear_workspace* w = gsl_multifit_linear_alloc(n, m);
    gsl_multifit_linear(X, y, c, cov, &chisq, w);
    for (std::size_t j = 0; j < m; ++j)
      EXPECT_NEAR(double(f.coeffs[j]), gsl_vector_get(c, j), 1e-8 * (1 + std::fabs(gsl_vector_get(c, j)))) << j;
    EXPECT_NEAR(double(f.st), chisq / double(n - m), 1e-8 * chisq);
    gsl_multifit_linear_free(w);
    gsl_matrix_free(X);
    gsl_matrix_free(cov);
    gsl_vector_free(y);
    gsl_vector_free(c);
  }
}

TEST_F(RegrCompute, PolynomialDegreeAndTexts) {
  // Degree 5 on four points fits degree 3 through every point.
  const RegrFit f = FitRegression(In({{0, 1}, {1, 2}, {2, 9}, {3, 28}}, RegrPolynomial, 5));
  EXPECT_EQ(f.degree, 3);
  EXPECT_EQ(f.r2, 1);
  EXPECT_EQ(f.st, 0);
  // y = 1 + x³: the zero terms show nothing and are stored as 0.
  EXPECT_EQ(f.coeffs[1], 0);
  EXPECT_EQ(f.coeffs[2], 0);
  ASSERT_EQ(f.polyText.size(), 2u);
  EXPECT_EQ(f.polyText[0], u" y =  + 1");
  EXPECT_EQ(f.polyText[1], u"       + 1\u00B7x\u00B3");
  EXPECT_NEAR(double(EvaluateRegression(f, 2)), 9, 1e-12);
}

TEST_F(RegrCompute, FailuresGiveImproperData) {
  struct Case {
    std::vector<TVec2> p;
    int model, degree;
  } cases[] = {
      {{{0, 1}, {1, 2}, {2, 3}}, RegrPower, 3},        // ln 0
      {{{1, 1}, {2, -2}, {3, 3}}, RegrExponential, 3}, // ln of a negative y
      {{{-1, 1}, {2, 2}, {3, 3}}, RegrLogarithmic, 3}, // ln of a negative x
      {{{2, 1}, {2, 2}, {2, 3}}, RegrLinear, 3},       // all x equal
      {{{1, 5}, {2, 5}, {3, 5}}, RegrLinear, 3},       // all y equal: r² divides by 0
      {{{1, 1}, {1, 2}, {2, 1}, {2, 2}}, RegrPolynomial, 3},  // two distinct x at degree 3
      {{{0, 0}, {0, 1}, {0, 2}}, RegrOrigin, 3},       // every x is 0
  };
  for (const Case& c : cases) {
    try {
      FitRegression(In(c.p, c.model, c.degree));
      ADD_FAILURE() << "model " << c.model << " fitted";
    } catch (const CalcFailure& e) {
      EXPECT_EQ(e.message(), msg::ImproperData) << c.model;
    }
  }
  // Model 0 fits the data model 2 refuses; all x equal is fine through the origin.
  EXPECT_NO_THROW(FitRegression(In({{0, 1}, {1, 2}, {2, 3}}, RegrOrigin)));
  EXPECT_NEAR(double(FitRegression(In({{2, 1}, {2, 2}, {2, 3}}, RegrOrigin)).r1), 1, 1e-15);
}

TEST_F(RegrCompute, NearSingularPolynomialIsStillSound) {
  // x clustered within 1e-6 of 1000: the centred fit keeps the data's line.
  std::vector<TVec2> p;
  for (int i = 0; i < 20; ++i) p.push_back({1000 + i * 1e-6L, 3 + 2 * i * 1e-6L});
  const RegrFit f = FitRegression(In(p, RegrPolynomial, 1));
  EXPECT_NEAR(double(f.coeffs[1]), 2, 1e-4);
  EXPECT_NEAR(double(EvaluateRegression(f, 1000 + 5e-6L)), 3 + 1e-5, 1e-6);
}

TEST_F(RegrCompute, InverseFunctionsAndSecondLine) {
  // Power model with a = e^r0 below 1 has no inverse function.
  std::vector<TVec2> p;
  for (double x : {1.0, 2.0, 3.0, 4.0}) p.push_back({x, 0.5 * x * x});
  const RegrFit pw = FitRegression(In(p, RegrPower));
  EXPECT_LT(pw.r0, 0);
  EXPECT_TRUE(pw.inverse.empty());
  EXPECT_NEAR(double(EvaluateRegression(pw, 3)), 4.5, 1e-12);
  std::vector<TVec2> e;
  for (double x : {0.0, 1.0, 2.0}) e.push_back({x, 2 * std::exp(x)});
  const RegrFit ex = FitRegression(In(e, RegrExponential));
  EXPECT_EQ(ex.regText2, u"    = 2\u00B7e^(1\u00B7x)");
  EXPECT_FALSE(ex.inverse.empty());
  std::vector<TVec2> l;
  for (double x : {1.0, 2.0, 4.0}) l.push_back({x, 1 + std::log(x)});
  const RegrFit lg = FitRegression(In(l, RegrLogarithmic));
  EXPECT_EQ(EvaluateRegression(lg, -1), 0);
  EXPECT_EQ(EvaluateRegression(lg, 0), 0);
}

TEST_F(RegrCompute, TableStepAndRows) {
  EXPECT_EQ(RegrTableStep(-1, 11), 0.1L);
  EXPECT_EQ(RegrTableStep(5, 5), 1);
  EXPECT_EQ(RegrTableStep(0, 1e12), 1e10L);
  const RegrFit f = FitRegression(In({{1, 2}, {2, 4}, {3, 6}}, RegrLinear));
  const QStringList t = RegrValueTable(f, 0, 1, 0.25, 6, "s");
  ASSERT_EQ(t.size(), 2 + 5);
  EXPECT_TRUE(t[6].endsWith(QStringLiteral("+ 2     ")) || t[6].contains(QStringLiteral("+ 2 "))) << t[6].toStdString();
  for (Extended step : {0.0L, -1.0L, 1e-12L}) {
    try {
      RegrValueTable(f, 0, 1, step, 6, "s");
      ADD_FAILURE() << double(step);
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), "s");
    }
  }
  // The logarithmic model starts at the step when from ≤ 0.
  std::vector<TVec2> l;
  for (double x : {1.0, 2.0, 4.0}) l.push_back({x, std::log(x)});
  const QStringList lt = RegrValueTable(FitRegression(In(l, RegrLogarithmic)), -5, 1, 0.5, 6, "s");
  EXPECT_EQ(lt.size(), 2 + 2);
}

}  // namespace
}  // namespace zw
