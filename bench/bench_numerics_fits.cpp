// Speed of the polynomial fits, the least-squares solver and the cubic
// spline against GSL (and Eigen's SVD solve, reported), with the agreement
// of the results. Ratios are peer time / our time (above 1: ours faster).
//
//   cmake -S . -B build -DZW_BUILD_BENCH=ON
//   cmake --build build --target bench_numerics_fits && build/bin/bench_numerics_fits
#include <benchmark/benchmark.h>
#include <gsl/gsl_multifit.h>
#include <gsl/gsl_spline.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "numerics/CurveFit.h"
#include "numerics/Matrix.h"
#include "numerics/Svd.h"
#include "bench/TimeReporter.h"

namespace {

using namespace zw;

// Centred, well-conditioned data on [-1, 1].
std::vector<std::pair<double, double>> FitData(int n) {
  std::mt19937 rng(7);
  std::normal_distribution<double> noise(0, 0.01);
  std::vector<std::pair<double, double>> d(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double x = -1 + 2.0 * i / (n - 1);
    d[static_cast<std::size_t>(i)] = {x, std::sin(3 * x) + 0.5 * x * x + noise(rng)};
  }
  return d;
}

TCurveFit& FitFor(int n) {
  static std::map<int, std::unique_ptr<TCurveFit>> cache;
  auto& f = cache[n];
  if (!f) {
    f = std::make_unique<TCurveFit>();
    for (auto [x, y] : FitData(n)) f->EnterStatValue(x, y);
  }
  return *f;
}

struct GslFit {
  gsl_matrix* X;
  gsl_vector *y, *c;
  gsl_matrix* cov;
  gsl_multifit_linear_workspace* w;
  GslFit(int n, int deg)
      : X(gsl_matrix_alloc(n, deg + 1)), y(gsl_vector_alloc(n)), c(gsl_vector_alloc(deg + 1)),
        cov(gsl_matrix_alloc(deg + 1, deg + 1)), w(gsl_multifit_linear_alloc(n, deg + 1)) {
    const auto d = FitData(n);
    for (int i = 0; i < n; ++i) {
      double p = 1;
      for (int k = 0; k <= deg; ++k, p *= d[i].first) gsl_matrix_set(X, i, k, p);
      gsl_vector_set(y, i, d[i].second);
    }
  }
  ~GslFit() {
    gsl_multifit_linear_free(w);
    gsl_matrix_free(cov);
    gsl_vector_free(c);
    gsl_vector_free(y);
    gsl_matrix_free(X);
  }
  void Solve() {
    double chisq;
    gsl_multifit_linear(X, y, c, cov, &chisq, w);
  }
};

void BM_PolyFit_Ours(benchmark::State& state) {
  TCurveFit& f = FitFor(static_cast<int>(state.range(0)));
  std::vector<double> p;
  double q;
  bool deficient;
  for (auto _ : state) benchmark::DoNotOptimize(f.CalcPolyFit(static_cast<std::uint8_t>(state.range(1)), p, q, deficient));
}
void BM_CenteredPolyFit_Ours(benchmark::State& state) {
  TCurveFit& f = FitFor(static_cast<int>(state.range(0)));
  std::vector<double> p;
  double q;
  bool deficient;
  for (auto _ : state) {
    double m = 0;
    benchmark::DoNotOptimize(f.CalcCenteredPolyFit(static_cast<std::uint8_t>(state.range(1)), p, m, q, deficient));
  }
}
void BM_PolyFit_Gsl(benchmark::State& state) {
  GslFit g(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) g.Solve();
}
void BM_PolyFit_EigenSvd(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0)), deg = static_cast<int>(state.range(1));
  const auto d = FitData(n);
  Eigen::MatrixXd A(n, deg + 1);
  Eigen::VectorXd b(n);
  for (int i = 0; i < n; ++i) {
    for (int k = 0; k <= deg; ++k) A(i, k) = std::pow(d[i].first, k);
    b(i) = d[i].second;
  }
  for (auto _ : state) {
    Eigen::VectorXd x = A.bdcSvd(Eigen::ComputeThinU | Eigen::ComputeThinV).solve(b);
    benchmark::DoNotOptimize(x.data());
  }
}
#define POLY_ARGS ->Args({1000, 5})->Args({1000, 9})->Args({100000, 5})->Args({100000, 9})->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_PolyFit_Ours) POLY_ARGS;
BENCHMARK(BM_CenteredPolyFit_Ours) POLY_ARGS;
BENCHMARK(BM_PolyFit_Gsl) POLY_ARGS;
BENCHMARK(BM_PolyFit_EigenSvd) POLY_ARGS;

// Largest relative difference of our coefficients from GSL's.
double PolyAgreement(int n, int deg, bool centred) {
  TCurveFit& f = FitFor(n);
  std::vector<double> p;
  double q, m = 0;
  bool deficient;
  if (centred) {
    f.CalcCenteredPolyFit(static_cast<std::uint8_t>(deg), p, m, q, deficient);
    // The data are centred at 0 already, so the coefficients are comparable.
    if (std::fabs(m) > 1e-12) return 1;
  } else {
    f.CalcPolyFit(static_cast<std::uint8_t>(deg), p, q, deficient);
  }
  GslFit g(n, deg);
  g.Solve();
  double worst = 0, scale = 0;
  for (int k = 0; k <= deg; ++k) scale = std::max(scale, std::fabs(gsl_vector_get(g.c, k)));
  for (int k = 0; k <= deg; ++k)
    worst = std::max(worst, std::fabs(p[static_cast<std::size_t>(k)] - gsl_vector_get(g.c, k)) / scale);
  return worst;
}

// ---- least squares on a 10^4 x 10 design ----------------------------------

constexpr int kRows = 10000, kCols = 10;

double Design(int r, int c) { return std::cos(0.37 * r * (c + 1)) + (c == r % kCols ? 0.5 : 0); }

void BM_SvdLeastSquares_Ours(benchmark::State& state) {
  TMatrix A0;
  A0.Resize(kCols, kRows);
  TVector B;
  B.Resize(kRows);
  for (int r = 1; r <= kRows; ++r) {
    for (int c = 1; c <= kCols; ++c) A0.SetElem(c, r, Design(r, c));
    B.SetElem(r, std::sin(0.01 * r));
  }
  TMatrix A;
  TVector X, E;
  bool deficient;
  for (auto _ : state) {
    state.PauseTiming();
    A.Clone(&A0);
    state.ResumeTiming();
    benchmark::DoNotOptimize(SvdLeastSquares(A, B, X, deficient, &E));
  }
}
void BM_SvdLeastSquares_Gsl(benchmark::State& state) {
  gsl_matrix* X = gsl_matrix_alloc(kRows, kCols);
  gsl_vector* y = gsl_vector_alloc(kRows);
  gsl_vector* c = gsl_vector_alloc(kCols);
  gsl_matrix* cov = gsl_matrix_alloc(kCols, kCols);
  gsl_multifit_linear_workspace* w = gsl_multifit_linear_alloc(kRows, kCols);
  for (int r = 1; r <= kRows; ++r) {
    for (int col = 1; col <= kCols; ++col) gsl_matrix_set(X, r - 1, col - 1, Design(r, col));
    gsl_vector_set(y, r - 1, std::sin(0.01 * r));
  }
  double chisq;
  for (auto _ : state) gsl_multifit_linear(X, y, c, cov, &chisq, w);
  gsl_multifit_linear_free(w);
  gsl_matrix_free(cov);
  gsl_vector_free(c);
  gsl_vector_free(y);
  gsl_matrix_free(X);
}
BENCHMARK(BM_SvdLeastSquares_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SvdLeastSquares_Gsl)->Unit(benchmark::kMillisecond);

// ---- cubic spline: set-up on 10^5 pairs, 10^6 evaluations -----------------

constexpr int kKnots = 100000, kEvals = 1000000;

double Knot(int i) { return i + 0.3 * std::sin(i); }
double KnotY(int i) { return std::sin(0.01 * i) + 0.001 * i; }

TCurveFit& SplineFit() {
  static TCurveFit f;
  if (f.NumData() == 0)
    for (int i = 0; i < kKnots; ++i) f.EnterStatValue(Knot(i), KnotY(i));
  return f;
}
std::vector<double> EvalPoints() {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> u(Knot(0), Knot(kKnots - 1));
  std::vector<double> xs(kEvals);
  for (double& x : xs) x = u(rng);
  return xs;
}

void BM_SplineSetUp_Ours(benchmark::State& state) {
  TCurveFit& f = SplineFit();
  for (auto _ : state) {
    f.SetSplineNatural1(true);  // invalidates the set-up
    benchmark::DoNotOptimize(f.CubicSpline(1.5));
  }
}
struct GslSpline {
  std::vector<double> x, y;
  gsl_spline* s = nullptr;
  GslSpline() : x(kKnots), y(kKnots) {
    for (int i = 0; i < kKnots; ++i) {
      x[static_cast<std::size_t>(i)] = Knot(i);
      y[static_cast<std::size_t>(i)] = KnotY(i);
    }
    s = gsl_spline_alloc(gsl_interp_cspline, kKnots);
    gsl_spline_init(s, x.data(), y.data(), kKnots);
  }
  ~GslSpline() { gsl_spline_free(s); }
};
void BM_SplineSetUp_Gsl(benchmark::State& state) {
  GslSpline g;
  for (auto _ : state) gsl_spline_init(g.s, g.x.data(), g.y.data(), kKnots);
}
void BM_SplineEval_Ours(benchmark::State& state) {
  TCurveFit& f = SplineFit();
  const auto xs = EvalPoints();
  f.CubicSpline(xs[0]);
  for (auto _ : state) {
    double s = 0;
    for (double x : xs) s += f.CubicSpline(x);
    benchmark::DoNotOptimize(s);
  }
}
void BM_SplineEval_Gsl(benchmark::State& state) {
  GslSpline g;
  const auto xs = EvalPoints();
  for (auto _ : state) {
    double s = 0;
    for (double x : xs) s += gsl_spline_eval(g.s, x, nullptr);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_SplineSetUp_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplineSetUp_Gsl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplineEval_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplineEval_Gsl)->Unit(benchmark::kMillisecond);

double SplineAgreement() {
  TCurveFit& f = SplineFit();
  GslSpline g;
  double worst = 0;
  for (double x : EvalPoints()) {
    const double want = gsl_spline_eval(g.s, x, nullptr);
    worst = std::max(worst, std::fabs(f.CubicSpline(x) - want) / std::max(1.0, std::fabs(want)));
  }
  return worst;
}

}  // namespace

int main(int argc, char** argv) {
  for (int n : {1000, 100000})
    for (int deg : {5, 9})
      zw::bench::RequireSame(PolyAgreement(n, deg, false) <= 1e-9 && PolyAgreement(n, deg, true) <= 1e-9,
                             "fit coefficients differ from GSL's by more than 1e-9");
  zw::bench::RequireSame(SplineAgreement() <= 1e-12, "spline values differ from GSL's by more than 1e-12");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  std::vector<zw::bench::Ratio> rows;
  for (int n : {1000, 100000})
    for (int deg : {5, 9}) {
      const std::string args = "/" + std::to_string(n) + "/" + std::to_string(deg);
      const std::string what = " on " + std::string(n == 1000 ? "10^3" : "10^5") + " pairs, degree " + std::to_string(deg);
      rows.push_back({"`CalcPolyFit`" + what + ", GSL / ours", "BM_PolyFit_Gsl" + args, "BM_PolyFit_Ours" + args, "≥ 0.33"});
      rows.push_back({"`CalcCenteredPolyFit`" + what + ", GSL / ours", "BM_PolyFit_Gsl" + args,
                      "BM_CenteredPolyFit_Ours" + args, "≥ 0.33"});
      rows.push_back({"`CalcPolyFit`" + what + ", Eigen SVD / ours", "BM_PolyFit_EigenSvd" + args,
                      "BM_PolyFit_Ours" + args, ""});
    }
  rows.insert(rows.end(), {
      {"`SvdLeastSquares` on a 10^4 × 10 design, GSL / ours", "BM_SvdLeastSquares_Gsl", "BM_SvdLeastSquares_Ours", "≥ 0.33"},
      {"`CubicSpline` set-up on 10^5 pairs, GSL / ours", "BM_SplineSetUp_Gsl", "BM_SplineSetUp_Ours", "≥ 0.67"},
      {"`CubicSpline`, 10^6 values, GSL / ours", "BM_SplineEval_Gsl", "BM_SplineEval_Ours", "≥ 0.67"},
  });
  zw::bench::PrintRatios("Least squares, fits and splines: GSL or Eigen time / ours (above 1: ours faster)",
                         reporter.times, rows, reporter.repetitions);
  return 0;
}
