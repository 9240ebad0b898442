// Speed of the numeric components against the libraries that do the same
// work (GSL and Eigen for LU, determinant and inverse; GSL's sort and
// quantile for the order statistics; Eigen's sparse matrix; Boost.Geometry's
// convex hull) and against the plain way of growing storage. The fits, the
// least squares and the splines are timed in bench_numerics_fits. After the runs
// the program prints each comparison as a ratio of times (peer / ours, so
// above 1 means ours is faster).
//
//   cmake -S . -B build -DZW_BUILD_BENCH=ON
//   cmake --build build --target bench_numerics && build/bin/bench_numerics
#include <benchmark/benchmark.h>
#include <gsl/gsl_linalg.h>
#include <gsl/gsl_sort.h>
#include <gsl/gsl_statistics_double.h>

#include <Eigen/Dense>
#include <Eigen/Sparse>
#include <algorithm>
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/multi_point.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "numerics/ConvexHull.h"
#include "numerics/CurveFit.h"
#include "numerics/IntMatrix.h"
#include "numerics/Matrix.h"
#include "bench/TimeReporter.h"

namespace {

using namespace zw;

// ---- grid fill as the surface plot does it --------------------------------

constexpr int kGrid = 99;

// The grid's range as the last notification saw it.
struct Range {
  double low = 0, high = 0;
  bool operator==(const Range&) const = default;
};

Range FillGrid(bool deferred) {
  TMatrix grid;
  double low = 0, high = 0;
  grid.OnChange = [&](TNumComponent&) { grid.MinMax(1, 1, grid.NrOfColumns(), grid.NrOfRows(), low, high); };
  {
    std::optional<TMatrix::TDeferChanges> scope;
    if (deferred) scope.emplace(grid);
    grid.Resize(kGrid, kGrid);
    for (int c = 1; c <= kGrid; ++c)
      for (int r = 1; r <= kGrid; ++r) grid.SetElem(c, r, std::sin(c * 0.1) * std::cos(r * 0.07));
  }
  return {low, high};
}

void BM_GridFill_PerCell(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FillGrid(false).high);
}
void BM_GridFill_Deferred(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FillGrid(true).high);
}
BENCHMARK(BM_GridFill_PerCell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFill_Deferred)->Unit(benchmark::kMillisecond);

// ---- LU, determinant, inverse ---------------------------------------------

std::vector<double> RandomSquare(int n) {
  std::mt19937 rng(static_cast<unsigned>(n));
  std::uniform_real_distribution<double> u(-1, 1);
  std::vector<double> a(static_cast<std::size_t>(n) * n);  // row-major
  for (double& v : a) v = u(rng);
  return a;
}

void LoadMatrix(TMatrix& m, const std::vector<double>& a, int n) {
  m.Resize(n, n);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) m.SetElem(c + 1, r + 1, a[static_cast<std::size_t>(r) * n + c]);
}

enum Op { kLU, kDet, kInv };

void BM_Ours(benchmark::State& state, Op op) {
  const int n = static_cast<int>(state.range(0));
  const auto a = RandomSquare(n);
  TMatrix m, l, u;
  LoadMatrix(m, a, n);
  for (auto _ : state) {
    if (op == kLU) {
      benchmark::DoNotOptimize(m.LUdecomposition(&l, &u));
    } else if (op == kDet) {
      benchmark::DoNotOptimize(m.Determinant());
    } else {
      state.PauseTiming();
      LoadMatrix(m, a, n);
      state.ResumeTiming();
      benchmark::DoNotOptimize(m.Invert());
    }
  }
}

void BM_Gsl(benchmark::State& state, Op op) {
  const int n = static_cast<int>(state.range(0));
  auto a = RandomSquare(n);
  gsl_matrix* m = gsl_matrix_alloc(n, n);
  gsl_matrix* inv = gsl_matrix_alloc(n, n);
  gsl_permutation* p = gsl_permutation_alloc(n);
  for (auto _ : state) {
    // The decomposition works in place: start from a fresh copy each time.
    std::copy(a.begin(), a.end(), m->data);
    int sign = 0;
    gsl_linalg_LU_decomp(m, p, &sign);
    if (op == kDet) benchmark::DoNotOptimize(gsl_linalg_LU_det(m, sign));
    if (op == kInv) gsl_linalg_LU_invert(m, p, inv);
    benchmark::DoNotOptimize(m->data[0]);
  }
  gsl_permutation_free(p);
  gsl_matrix_free(inv);
  gsl_matrix_free(m);
}

void BM_Eigen(benchmark::State& state, Op op) {
  const int n = static_cast<int>(state.range(0));
  const auto a = RandomSquare(n);
  Eigen::MatrixXd m(n, n);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) m(r, c) = a[static_cast<std::size_t>(r) * n + c];
  for (auto _ : state) {
    Eigen::PartialPivLU<Eigen::MatrixXd> lu(m);
    if (op == kDet) benchmark::DoNotOptimize(lu.determinant());
    if (op == kInv) {
      Eigen::MatrixXd inv = lu.inverse();
      benchmark::DoNotOptimize(inv.data());
    }
    benchmark::DoNotOptimize(lu.matrixLU().data());
  }
}

#define LINALG(name, op)                                                                   \
  BENCHMARK_CAPTURE(BM_Ours, name, op)->Arg(25)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(BM_Gsl, name, op)->Arg(25)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);  \
  BENCHMARK_CAPTURE(BM_Eigen, name, op)->Arg(25)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond)
LINALG(lu, kLU);
LINALG(det, kDet);
LINALG(inv, kInv);

// ---- order statistics of 10^6 doubles -------------------------------------

constexpr int kSample = 1000000;

const std::vector<double>& Sample() {
  static const std::vector<double> x = [] {
    std::mt19937 rng(1);
    std::normal_distribution<double> g(10, 3);
    std::vector<double> v(kSample);
    for (double& d : v) d = std::round(g(rng) * 100) / 100;  // repeated values for the mode
    return v;
  }();
  return x;
}

void BM_OrderStats_Ours(benchmark::State& state) {
  TVector v;
  v.Resize(kSample);
  for (int i = 0; i < kSample; ++i) v.SetElem(i + 1, Sample()[static_cast<std::size_t>(i)]);
  const int which = static_cast<int>(state.range(0));
  for (auto _ : state) {
    double q1, q2, q3;
    if (which == 0) v.Quartiles(1, kSample, q1, q2, q3), benchmark::DoNotOptimize(q2);
    if (which == 1) benchmark::DoNotOptimize(v.Percentile(90, 1, kSample));
    if (which == 2) benchmark::DoNotOptimize(v.Mode(1, kSample));
  }
}
void BM_OrderStats_Gsl(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<double> copy = Sample();
    gsl_sort(copy.data(), 1, copy.size());
    benchmark::DoNotOptimize(gsl_stats_quantile_from_sorted_data(copy.data(), 1, copy.size(), 0.5));
  }
}
BENCHMARK(BM_OrderStats_Ours)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderStats_Gsl)->Unit(benchmark::kMillisecond);

// ---- curve-fit data entry --------------------------------------------------

void BM_EnterStatValue(benchmark::State& state) {
  const bool plain = state.range(0) == 1;
  for (auto _ : state) {
    TCurveFit fit;
    // The plain way: every 1000 pairs the whole store goes to a new block.
    std::vector<double> shadow;
    for (int i = 0; i < kSample; ++i) {
      const double x = i * 0.001 + 1, y = std::sin(x) + 2;
      fit.EnterStatValue(x, y);
      if (plain && i % TCurveFit::RowGrowth == 0) {
        std::vector<double> grown(2 * (static_cast<std::size_t>(i) + TCurveFit::RowGrowth));
        std::copy(shadow.begin(), shadow.end(), grown.begin());
        shadow.swap(grown);
      }
      if (plain) shadow[2 * static_cast<std::size_t>(i)] = x, shadow[2 * static_cast<std::size_t>(i) + 1] = y;
    }
    benchmark::DoNotOptimize(fit.MeanX());
    benchmark::DoNotOptimize(shadow.data());
  }
}
BENCHMARK(BM_EnterStatValue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// ---- sparse stores ---------------------------------------------------------

constexpr int kSparseInOrder = 1000000;
constexpr int kSparseRandom = 10000;
constexpr int kSparseCols = 1000;

std::vector<std::pair<int, int>> RandomCells() {
  std::mt19937 rng(9);
  std::uniform_int_distribution<int> u(1, 5000);
  std::vector<std::pair<int, int>> cells(kSparseRandom);
  for (auto& c : cells) c = {u(rng), u(rng)};
  return cells;
}

void BM_Sparse_Ours(benchmark::State& state) {
  const bool random = state.range(0) == 1;
  const auto cells = RandomCells();
  for (auto _ : state) {
    TIntMatrix m(TIntMatrix::Sparse{16});
    if (random) {
      for (const auto& [c, r] : cells) m.SetElem(c, r, c + r);
    } else {
      for (int i = 0; i < kSparseInOrder; ++i) m.SetElem(i / kSparseCols + 1, i % kSparseCols + 1, i);
    }
    benchmark::DoNotOptimize(m.SparseNumElem());
  }
}

void BM_Sparse_Eigen(benchmark::State& state) {
  const bool random = state.range(0) == 1;
  const auto cells = RandomCells();
  for (auto _ : state) {
    if (random) {
      Eigen::SparseMatrix<int> m(5001, 5001);
      m.reserve(Eigen::VectorXi::Constant(5001, 8));
      for (const auto& [c, r] : cells) m.coeffRef(r, c) = c + r;
      benchmark::DoNotOptimize(m.nonZeros());
    } else {
      const int cols = kSparseInOrder / kSparseCols;
      Eigen::SparseMatrix<int> m(kSparseCols + 1, cols + 1);
      m.reserve(Eigen::VectorXi::Constant(cols + 1, kSparseCols));
      for (int i = 0; i < kSparseInOrder; ++i) m.insert(i % kSparseCols + 1, i / kSparseCols + 1) = i;
      benchmark::DoNotOptimize(m.nonZeros());
    }
  }
}

// The plain slot array: grown by AllocBy slots, copied every time.
void BM_Sparse_PlainGrowth(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  constexpr std::size_t allocBy = 16;
  for (auto _ : state) {
    std::vector<TSpMatElemInt> slots(allocBy);
    std::size_t used = 0;
    for (int i = 0; i < count; ++i) {
      if (used == slots.size()) {
        std::vector<TSpMatElemInt> grown(slots.size() + allocBy);
        std::copy(slots.begin(), slots.end(), grown.begin());
        slots.swap(grown);
      }
      slots[used++] = {i / kSparseCols + 1, i % kSparseCols + 1, i};
    }
    benchmark::DoNotOptimize(slots.data());
  }
}
void BM_Sparse_OursGrowth(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TIntMatrix m(TIntMatrix::Sparse{16});
    for (int i = 0; i < count; ++i) m.SetElem(i / kSparseCols + 1, i % kSparseCols + 1, i);
    benchmark::DoNotOptimize(m.SparseNumElem());
  }
}
BENCHMARK(BM_Sparse_Ours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sparse_Eigen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sparse_PlainGrowth)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sparse_OursGrowth)->Arg(100000)->Unit(benchmark::kMillisecond);

// ---- convex hull -----------------------------------------------------------

const TPDblArray& HullPoints() {
  static const TPDblArray pts = [] {
    std::mt19937 rng(4);
    std::uniform_real_distribution<double> u(-1000, 1000);
    TPDblArray p(100000);
    for (auto& q : p) q = {u(rng), u(rng)};
    return p;
  }();
  return pts;
}

void BM_Hull_Ours(benchmark::State& state) {
  for (auto _ : state) {
    TPDblArray hull;
    ConvexHull(HullPoints(), hull);
    benchmark::DoNotOptimize(hull.data());
  }
}
namespace bg = boost::geometry;
using BPoint = bg::model::d2::point_xy<double>;
void BM_Hull_Boost(benchmark::State& state) {
  for (auto _ : state) {
    bg::model::multi_point<BPoint> mp;
    mp.reserve(HullPoints().size());
    for (const auto& p : HullPoints()) mp.emplace_back(p.X, p.Y);
    bg::model::polygon<BPoint> hull;
    bg::convex_hull(mp, hull);
    benchmark::DoNotOptimize(hull.outer().data());
  }
}
BENCHMARK(BM_Hull_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hull_Boost)->Unit(benchmark::kMillisecond);

bool SameHullCorners() {
  TPDblArray ours;
  ConvexHull(HullPoints(), ours);
  bg::model::multi_point<BPoint> mp;
  for (const auto& p : HullPoints()) mp.emplace_back(p.X, p.Y);
  bg::model::polygon<BPoint> hull;
  bg::convex_hull(mp, hull);
  std::vector<std::pair<double, double>> a, b;
  for (const auto& p : ours) a.emplace_back(p.X, p.Y);
  for (const auto& p : hull.outer()) b.emplace_back(p.x(), p.y());
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  b.erase(std::unique(b.begin(), b.end()), b.end());
  return a == b;
}

}  // namespace

int main(int argc, char** argv) {
  using zw::bench::Against;
  zw::bench::RequireSame(FillGrid(false) == FillGrid(true), "the two grid fills end with different minimum and maximum");
  zw::bench::RequireSame(SameHullCorners(), "the convex hull's corners differ from Boost's");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  std::vector<zw::bench::Ratio> rows = {
      {"99 × 99 grid, `MinMax` rescan per notification / one deferral scope", "BM_GridFill_PerCell",
       "BM_GridFill_Deferred", "≥ 100", Against::NaiveMethod}};
  for (const char* op : {"lu", "det", "inv"})
    for (int n : {25, 100, 300}) {
      const std::string suffix = std::string("/") + op + "/" + std::to_string(n);
      const std::string what = std::string(op == std::string("lu") ? "`LUdecomposition`" : op == std::string("det") ? "`Determinant`" : "`Invert`") +
                               " n = " + std::to_string(n);
      rows.push_back({what + ", GSL / ours", "BM_Gsl" + suffix, "BM_Ours" + suffix, n <= 100 ? "≥ 0.5" : ""});
      rows.push_back({what + ", Eigen `PartialPivLU` / ours", "BM_Eigen" + suffix, "BM_Ours" + suffix, ""});
    }
  rows.insert(rows.end(), {
      {"`Quartiles` of 10^6 doubles, GSL sort + quantile / ours", "BM_OrderStats_Gsl", "BM_OrderStats_Ours/0", "≥ 0.67"},
      {"`Percentile`, GSL sort + quantile / ours", "BM_OrderStats_Gsl", "BM_OrderStats_Ours/1", "≥ 0.67"},
      {"`Mode`, GSL sort + quantile / ours", "BM_OrderStats_Gsl", "BM_OrderStats_Ours/2", "≥ 0.67"},
      {"10^6 `EnterStatValue`, store grown by 1,000 rows with a copy / ours", "BM_EnterStatValue/1",
       "BM_EnterStatValue/0", "≥ 10", Against::NaiveMethod},
      {"10^6 sparse stores in column order, Eigen `SparseMatrix::insert` / ours", "BM_Sparse_Eigen/0",
       "BM_Sparse_Ours/0", "≥ 0.33"},
      {"10^4 sparse stores at random positions, Eigen / ours", "BM_Sparse_Eigen/1", "BM_Sparse_Ours/1", ""},
      {"10^5 sparse stores, slot array grown by `AllocBy` with a copy / ours", "BM_Sparse_PlainGrowth/100000",
       "BM_Sparse_OursGrowth/100000", "", Against::NaiveMethod},
      {"`ConvexHull` of 10^5 points, Boost.Geometry / ours (same corners)", "BM_Hull_Boost", "BM_Hull_Ours", "≥ 0.2"},
  });
  zw::bench::PrintRatios("Numeric components: other time / ours (above 1: ours faster)", reporter.times, rows,
                         reporter.repetitions);
  return 0;
}
