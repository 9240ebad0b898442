// Linear algebra and combinatorics topics against Eigen (long double, the
// kernel's precision) and Boost.Math: equation systems of 10 and 25
// equations (dense and rank-deficient), the rank-and-determinant decision
// and the inverse at order 30, a whole page change of the equation window
// (cells read, solved, memo lines with ref and rref), and the combinatorics
// counts including k = 10^15 and a fractional n. The ratios are printed after
// the table; double-precision Eigen figures are for context only.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <boost/math/special_functions/binomial.hpp>
#include <boost/math/special_functions/factorials.hpp>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "bench/TimeReporter.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "kernel/Matrix.h"
#include "topics/linalg-stat/Kombi.h"
#include "topics/linalg-stat/LGS.h"

namespace {

using zw::Extended;
using zw::Matrix;
template <typename T>
using EMat = Eigen::Matrix<T, Eigen::Dynamic, Eigen::Dynamic>;

// An augmented n × (n + 1) system: random entries, or (rank < n) a product of
// random factors with the right side in the column space.
Matrix system(int n, int rank, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> d(-9, 9);
  Matrix m{};
  if (rank >= n) {
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n + 1; ++j) m[i][j] = d(gen) + d(gen) / 10.0L;
    return m;
  }
  EMat<long double> a(n, rank), b(rank, n + 1);
  for (int i = 0; i < n; ++i)
    for (int k = 0; k < rank; ++k) a(i, k) = d(gen);
  for (int k = 0; k < rank; ++k)
    for (int j = 0; j <= n; ++j) b(k, j) = d(gen);
  const EMat<long double> p = a * b;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n + 1; ++j) m[i][j] = p(i - 1, j - 1);
  return m;
}

template <typename T>
EMat<T> toEigen(const Matrix& m, int rows, int cols) {
  EMat<T> e(rows, cols);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) e(i, j) = static_cast<T>(m[i + 1][j + 1]);
  return e;
}

void BM_SolveLGS(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0)), rank = static_cast<int>(state.range(1));
  const Matrix a = system(n, rank, 7);
  for (auto _ : state) {
    zw::LgsSolution s = zw::SolveLGS(a, n);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_SolveLGS)->Args({10, 10})->Args({25, 25})->Args({25, 20})->Unit(benchmark::kMicrosecond);

// What SolveLGS tells: a solution, the rank and a basis of the kernel.
template <typename T>
void BM_FullPivLU(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0)), rank = static_cast<int>(state.range(1));
  const Matrix m = system(n, rank, 7);
  const EMat<T> a = toEigen<T>(m, n, n);
  Eigen::Matrix<T, Eigen::Dynamic, 1> b(n);
  for (int i = 0; i < n; ++i) b(i) = static_cast<T>(m[i + 1][n + 1]);
  for (auto _ : state) {
    Eigen::FullPivLU<EMat<T>> lu(a);
    auto x = lu.solve(b).eval();
    auto k = lu.kernel().eval();
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(k);
    benchmark::DoNotOptimize(lu.rank());
  }
}
BENCHMARK_TEMPLATE(BM_FullPivLU, long double)->Args({10, 10})->Args({25, 25})->Args({25, 20})->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FullPivLU, double)->Args({25, 25})->Unit(benchmark::kMicrosecond);

// The equation window's page change at its largest: 650 cell texts read,
// the system solved, the memo lines with ref and rref written.
void BM_LgsPageChange(benchmark::State& state) {
  const int n = 25;
  const Matrix a = system(n, 25, 3);
  std::vector<std::u16string> cells;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n + 1; ++j) cells.push_back(zw::FormatGeneral(15, a[i][j]));
  for (auto _ : state) {
    Matrix read{};
    std::size_t c = 0;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n + 1; ++j) {
        std::int32_t ok = 0;
        zw::ReadValue(cells[c++], read[i][j], u'f', ok);
      }
    const QStringList lines = zw::LgsMemoLines(read, n, zw::SolveLGS(read, n), true, true);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_LgsPageChange)->Unit(benchmark::kMillisecond);

void BM_MatrixRankDet(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = system(n, n, 11);
  for (auto _ : state) {
    int rank = 0;
    Extended det = 0;
    zw::MatrixRankDet(a, n, rank, det);
    benchmark::DoNotOptimize(det);
  }
}
BENCHMARK(BM_MatrixRankDet)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_EigenDeterminant(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const EMat<long double> a = toEigen<long double>(system(n, n, 11), n, n);
  for (auto _ : state) benchmark::DoNotOptimize(Eigen::PartialPivLU<EMat<long double>>(a).determinant());
}
BENCHMARK(BM_EigenDeterminant)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_EigenRank(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const EMat<long double> a = toEigen<long double>(system(n, n, 11), n, n);
  for (auto _ : state) benchmark::DoNotOptimize(Eigen::FullPivLU<EMat<long double>>(a).rank());
}
BENCHMARK(BM_EigenRank)->Arg(30)->Unit(benchmark::kMicrosecond);

void BM_MatrixInverse(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Matrix a = system(n, n, 13);
  for (auto _ : state) {
    Matrix b{};
    zw::MatrixInverse(a, n, b);
    benchmark::DoNotOptimize(b);
  }
}
BENCHMARK(BM_MatrixInverse)->Arg(30)->Unit(benchmark::kMicrosecond);

template <typename T>
void BM_EigenInverse(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const EMat<T> a = toEigen<T>(system(n, n, 13), n, n);
  for (auto _ : state) benchmark::DoNotOptimize(Eigen::PartialPivLU<EMat<T>>(a).inverse().eval());
}
BENCHMARK_TEMPLATE(BM_EigenInverse, long double)->Arg(30)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_EigenInverse, double)->Arg(30)->Unit(benchmark::kMicrosecond);

// ----- combinatorics ------------------------------------------------------

// n, k as the window reads them; all five counts.
void BM_Kombi(benchmark::State& state, Extended n, Extended k) {
  for (auto _ : state) benchmark::DoNotOptimize(zw::ComputeKombi(n, k));
}
BENCHMARK_CAPTURE(BM_Kombi, n60_k30, 60.0L, 30.0L);
BENCHMARK_CAPTURE(BM_Kombi, n49_k20, 49.0L, 20.0L);
BENCHMARK_CAPTURE(BM_Kombi, n1e15_k1e15, 1e15L, 1e15L);
BENCHMARK_CAPTURE(BM_Kombi, nhalf_k1e15, 0.5L, 1e15L);
BENCHMARK_CAPTURE(BM_Kombi, n1e15half_k1e15, 1e15L + 0.5L, 1e15L - 1);

// The same five counts from Boost.Math (whole n and k, where it applies).
void BM_BoostKombi(benchmark::State& state) {
  const unsigned n = static_cast<unsigned>(state.range(0)), k = static_cast<unsigned>(state.range(1));
  for (auto _ : state) {
    benchmark::DoNotOptimize(boost::math::falling_factorial(static_cast<long double>(n), k));
    benchmark::DoNotOptimize(std::pow(static_cast<long double>(n), static_cast<long double>(k)));
    benchmark::DoNotOptimize(boost::math::binomial_coefficient<long double>(n, k));
    benchmark::DoNotOptimize(boost::math::binomial_coefficient<long double>(n + k - 1, k));
    benchmark::DoNotOptimize(boost::math::factorial<long double>(k));
  }
}
BENCHMARK(BM_BoostKombi)->Args({49, 20})->Args({60, 30});

// Both sides must agree before anything is timed.
void checkResults() {
  using zw::bench::RequireSame;
  for (auto [n, rank] : {std::pair{10, 10}, {25, 25}, {25, 20}}) {
    const Matrix m = system(n, rank, 7);
    const zw::LgsSolution s = zw::SolveLGS(m, n);
    Eigen::FullPivLU<EMat<long double>> lu(toEigen<long double>(m, n, n));
    int rows = 0;  // rows of ref with a coefficient: the rank
    for (int i = 1; i <= n; ++i) {
      bool any = false;
      for (int j = 1; j <= n; ++j) any = any || s.ref[i][j] != 0;
      rows += any;
    }
    RequireSame(rows == lu.rank(), "rank of the equation system");
    if (rank == n) {
      Eigen::Matrix<long double, Eigen::Dynamic, 1> b(n);
      for (int i = 0; i < n; ++i) b(i) = m[i + 1][n + 1];
      const auto x = lu.solve(b).eval();
      for (int i = 0; i < n; ++i)
        RequireSame(std::fabs(s.rref[i + 1][n + 1] - x(i)) <= 1e-9L * (1 + std::fabs(x(i))), "solution of the system");
    }
  }
  const Matrix a = system(30, 30, 11);
  int rank = 0;
  Extended det = 0;
  zw::MatrixRankDet(a, 30, rank, det);
  const long double expected = Eigen::PartialPivLU<EMat<long double>>(toEigen<long double>(a, 30, 30)).determinant();
  RequireSame(rank == 30 && std::fabs(det - expected) <= 1e-12L * std::fabs(expected), "rank and determinant");
  Matrix inv{};
  zw::MatrixInverse(system(30, 30, 13), 30, inv);
  const EMat<long double> e = toEigen<long double>(system(30, 30, 13), 30, 30).inverse();
  for (int i = 0; i < 30; ++i)
    for (int j = 0; j < 30; ++j)
      RequireSame(std::fabs(inv[i + 1][j + 1] - e(i, j)) <= 1e-12L * (1 + std::fabs(e(i, j))), "inverse");
  for (auto [n, k] : {std::pair{49u, 20u}, {60u, 30u}}) {
    const zw::KombiResult r = zw::ComputeKombi(n, k);
    const auto same = [](const zw::KombiCount& c, long double v) {
      return v >= 1e18L ? c.kind == zw::KombiCount::Kind::Overflow : c.value == std::nearbyint(v);
    };
    RequireSame(same(r.unorderedWithout, boost::math::binomial_coefficient<long double>(n, k)), "C(n, k)");
    RequireSame(same(r.unorderedWith, boost::math::binomial_coefficient<long double>(n + k - 1, k)), "C(n + k - 1, k)");
    RequireSame(same(r.orderedWithout, boost::math::falling_factorial(static_cast<long double>(n), k)), "n!/(n - k)!");
    RequireSame(same(r.permutations, boost::math::factorial<long double>(k)), "k!");
  }
}

}  // namespace

int main(int argc, char** argv) {
  checkResults();
  zw::bench::TimeReporter reporter(zw::bench::Clock::Cpu);
  zw::bench::RunAll(argc, argv, reporter);
  using zw::bench::Against;
  zw::bench::PrintRatios(
      "Linear algebra: time / Eigen with long double (CPU time)", reporter.times,
      {{"equation system 25 × 25, ref, rref and solution text / `FullPivLU` solve, rank and kernel",
        "BM_SolveLGS/25/25", "BM_FullPivLU<long double>/25/25", "≤ 2"},
       {"the same, rank 20", "BM_SolveLGS/25/20", "BM_FullPivLU<long double>/25/20", "≤ 2"},
       {"the same, 10 × 10", "BM_SolveLGS/10/10", "BM_FullPivLU<long double>/10/10", ""},
       {"rank and determinant of order 30 (`MatrixRankDet`) / `PartialPivLU` determinant", "BM_MatrixRankDet/30",
        "BM_EigenDeterminant/30", "≤ 2"},
       {"the same / `FullPivLU` rank", "BM_MatrixRankDet/30", "BM_EigenRank/30", "≤ 2"},
       {"inverse of order 30 (`MatrixInverse`) / `PartialPivLU` inverse", "BM_MatrixInverse/30",
        "BM_EigenInverse<long double>/30", "≤ 2"}},
      reporter.repetitions);
  zw::bench::PrintRatios(
      "Combinatorics: the five counts / Boost.Math (CPU time)", reporter.times,
      {{"n = 49, k = 20 / falling factorial, power, two binomials, factorial", "BM_Kombi/n49_k20",
        "BM_BoostKombi/49/20", "≤ 2"},
       {"n = 60, k = 30 / the same", "BM_Kombi/n60_k30", "BM_BoostKombi/60/30", "≤ 2"},
       {"n = k = 10^15 / n = 49, k = 20", "BM_Kombi/n1e15_k1e15", "BM_Kombi/n49_k20", "≤ 1"},
       {"n = 0.5, k = 10^15 / n = 49, k = 20", "BM_Kombi/nhalf_k1e15", "BM_Kombi/n49_k20", "≤ 1"},
       {"n = 10^15 + 0.5, k = 10^15 − 1 / n = 49, k = 20", "BM_Kombi/n1e15half_k1e15", "BM_Kombi/n49_k20", "≤ 1"}},
      reporter.repetitions);
  zw::bench::PrintFigures("Equation window", reporter.times,
                          {{"a page change at 25 equations: 650 cells read, solved, memo lines with ref and rref",
                            "BM_LgsPageChange", "< 50 ms"},
                           {"`double` Eigen `FullPivLU` 25 × 25 (context)", "BM_FullPivLU<double>/25/25", ""},
                           {"`double` Eigen inverse of order 30 (context)", "BM_EigenInverse<double>/30", ""}},
                          reporter.repetitions);
  return 0;
}
