// Speed of the binomial and hypergeometric tables for n = 10^6 against GSL's
// probability functions called for every k, with the agreement of the
// values checked first. Ratios are GSL time / our time (above 1: ours
// faster).
//
//   cmake -S . -B build -DZW_BUILD_BENCH=ON
//   cmake --build build --target bench_distributions && build/bin/bench_distributions
#include <benchmark/benchmark.h>
#include <gsl/gsl_randist.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/TimeReporter.h"
#include "topics/linalg-stat/Distributions.h"

namespace {

using namespace zw;

constexpr unsigned kN = 1'000'000;
constexpr double kP = 0.37;
constexpr unsigned kM = 3'000'000, kR = 1'200'000;

std::vector<double> GslBinomial() {
  std::vector<double> p(kN + 1);
  for (unsigned k = 0; k <= kN; ++k) p[k] = gsl_ran_binomial_pdf(k, kP, kN);
  return p;
}

std::vector<double> GslHypergeometric() {
  std::vector<double> p(kN + 1);
  for (unsigned k = 0; k <= kN; ++k) p[k] = gsl_ran_hypergeometric_pdf(k, kR, kM - kR, kN);
  return p;
}

// The largest relative difference where the value is not negligible.
double Agreement(const char* what, const std::vector<double>& ours, const std::vector<double>& gsl) {
  double worst = 0;
  std::size_t at = 0;
  for (std::size_t k = 0; k < ours.size(); ++k)
    if (gsl[k] > 1e-200) {
      const double d = std::fabs(ours[k] - gsl[k]) / gsl[k];
      if (d > worst) worst = d, at = k;
    }
  std::printf("%s: largest relative difference from GSL %g at k = %zu: ours %.17g, GSL %.17g\n", what, worst, at, ours[at], gsl[at]);
  return worst;
}

void BM_Binomial_Ours(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BinomialTable(kN, kP));
}
void BM_Binomial_Gsl(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(GslBinomial());
}
void BM_Hypergeometric_Ours(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(HypergeometricTable(kN, kM, kR));
}
void BM_Hypergeometric_Gsl(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(GslHypergeometric());
}
BENCHMARK(BM_Binomial_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Binomial_Gsl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hypergeometric_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hypergeometric_Gsl)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // GSL works through differences of log-gamma values near 4·10^7, so it
  // keeps only about eight digits at this size: the hypergeometric table's
  // far tail (P ≈ 3.5·10^-164 at k = 410,881) differs from GSL's by 1.1e-8,
  // while ours agrees with Boost.Math in long double to 2e-13 there (the
  // tests hold it to 1e-12).
  zw::bench::RequireSame(Agreement("binomial", BinomialTable(kN, kP).p, GslBinomial()) <= 3e-8,
                         "binomial values differ from GSL's by more than 3e-8");
  zw::bench::RequireSame(Agreement("hypergeometric", HypergeometricTable(kN, kM, kR).p, GslHypergeometric()) <= 3e-8,
                         "hypergeometric values differ from GSL's by more than 3e-8");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  const std::vector<zw::bench::Ratio> rows = {
      {"binomial table, n = 10^6, GSL pdf per k / ours", "BM_Binomial_Gsl", "BM_Binomial_Ours", "≥ 1"},
      {"hypergeometric table, n = 10^6, GSL pdf per k / ours", "BM_Hypergeometric_Gsl", "BM_Hypergeometric_Ours",
       "≥ 1"},
  };
  zw::bench::PrintRatios("Distribution tables: GSL time / ours (above 1: ours faster)", reporter.times, rows,
                         reporter.repetitions);
  return 0;
}
