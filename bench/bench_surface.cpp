// Filling the surface plot's grid at n = 99 (9,801 samples):
//   deferred      FillGrid as the surface window runs it: the samples written
//                 inside the grid's deferral scope, one change notification
//   per_cell      the same samples written with a notification per cell to a
//                 handler that refreshes the plot's grid data each time (the
//                 extremes over the whole grid and the projection-map shapes)
//   sample_only   the evaluation alone (the evaluator's double block path)
//   muparser      muParser over the same samples, parsed once, x and y variables
// Terms: x^2 - y^2 and sin(x)*cos(y) on [-2, 2] x [-2, 2].
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <string>

#include "bench/TimeReporter.h"
#include "kernel/KernelState.h"
#include "numerics/IntMatrix.h"
#include "numerics/Matrix.h"
#include "topics/analysis/Surface.h"

using namespace zw;

namespace {

constexpr int N = 99;
const SurfaceRanges kRanges{-2, 2, -2, 2, -4, 4};

struct Term {
  const char16_t* ours;
  const char* muparser;
};
const Term kTerms[] = {{u"x^2 - y^2", "x^2 - y^2"}, {u"sin(x)*cos(y)", "sin(x)*cos(y)"}};

// The plot's refresh on a change of its grid, as the component does it without deferral.
struct PlotRefresh {
  TIntMatrix mapX, mapY, mapZ;
  double minZ = 0, maxZ = 0;
  void operator()(TMatrix& grid) {
    grid.MinMax(1, 1, grid.NrOfColumns(), grid.NrOfRows(), minZ, maxZ);
    mapX.Resize(grid.NrOfColumns(), grid.NrOfRows());
    mapY.Resize(grid.NrOfColumns(), grid.NrOfRows());
    mapZ.Resize(grid.NrOfColumns(), grid.NrOfRows());
  }
};

void BM_Deferred(benchmark::State& state) {
  const Term& t = kTerms[state.range(0)];
  TMatrix grid;
  PlotRefresh refresh;
  grid.OnChange = [&](TNumComponent&) { refresh(grid); };
  for (auto _ : state) {
    const SurfaceSamples s = FillGrid(grid, t.ours, kRanges, N);
    benchmark::DoNotOptimize(s.zmax);
  }
  state.counters["zmax"] = refresh.maxZ;
}

void BM_PerCell(benchmark::State& state) {
  const Term& t = kTerms[state.range(0)];
  TMatrix grid;
  PlotRefresh refresh;
  grid.OnChange = [&](TNumComponent&) { refresh(grid); };
  for (auto _ : state) {
    const SurfaceSamples s = SampleSurface(t.ours, kRanges, N, FormulaContext::current());
    grid.Resize(N, N);
    for (int i = 1; i <= N; ++i)
      for (int j = 1; j <= N; ++j) grid.SetElem(i, j, s.at(i, j));
    benchmark::DoNotOptimize(refresh.maxZ);
  }
}

void BM_SampleOnly(benchmark::State& state) {
  const Term& t = kTerms[state.range(0)];
  for (auto _ : state) {
    const SurfaceSamples s = SampleSurface(t.ours, kRanges, N, FormulaContext::current());
    benchmark::DoNotOptimize(s.zmax);
  }
}

void BM_MuParser(benchmark::State& state) {
  const Term& t = kTerms[state.range(0)];
  double x = 0, y = 0;
  mu::Parser p;
  p.DefineVar("x", &x);
  p.DefineVar("y", &y);
  p.SetExpr(t.muparser);
  std::vector<double> z(static_cast<size_t>(N) * N);
  for (auto _ : state) {
    for (int i = 1; i <= N; ++i) {
      x = SurfaceSample(kRanges.x1, kRanges.x2, i, N);
      for (int j = 1; j <= N; ++j) {
        y = SurfaceSample(kRanges.y1, kRanges.y2, j, N);
        z[static_cast<size_t>(i - 1) * N + static_cast<size_t>(j - 1)] = p.Eval();
      }
    }
    benchmark::DoNotOptimize(z.data());
  }
}

// The extremes the plot sees after each way of filling, and muParser's values
// against the samples.
bool sidesAgree(const Term& t) {
  TMatrix deferredGrid, perCellGrid;
  PlotRefresh deferred, perCell;
  deferredGrid.OnChange = [&](TNumComponent&) { deferred(deferredGrid); };
  perCellGrid.OnChange = [&](TNumComponent&) { perCell(perCellGrid); };
  FillGrid(deferredGrid, t.ours, kRanges, N);
  const SurfaceSamples s = SampleSurface(t.ours, kRanges, N, FormulaContext::current());
  perCellGrid.Resize(N, N);
  for (int i = 1; i <= N; ++i)
    for (int j = 1; j <= N; ++j) perCellGrid.SetElem(i, j, s.at(i, j));
  if (deferred.minZ != perCell.minZ || deferred.maxZ != perCell.maxZ) return false;
  double x = 0, y = 0;
  mu::Parser p;
  p.DefineVar("x", &x);
  p.DefineVar("y", &y);
  p.SetExpr(t.muparser);
  for (int i = 1; i <= N; ++i)
    for (int j = 1; j <= N; ++j) {
      x = SurfaceSample(kRanges.x1, kRanges.x2, i, N);
      y = SurfaceSample(kRanges.y1, kRanges.y2, j, N);
      if (std::fabs(p.Eval() - s.at(i, j)) > 1e-9) return false;
    }
  return true;
}

}  // namespace

BENCHMARK(BM_Deferred)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerCell)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MuParser)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  for (const Term& t : kTerms)
    zw::bench::RequireSame(sidesAgree(t), "the fills or muParser's values differ");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  using zw::bench::Against;
  zw::bench::PrintRatios(
      "Surface plot, 99 × 99 samples: time / reference time", reporter.times,
      {{"x² − y²: grid refreshed per cell / one deferred notification", "BM_PerCell/0", "BM_Deferred/0", "",
        Against::NaiveMethod},
       {"sin(x)·cos(y): grid refreshed per cell / one deferred notification", "BM_PerCell/1", "BM_Deferred/1", "",
        Against::NaiveMethod},
       {"x² − y²: sampling by the block path / muParser over the same points", "BM_SampleOnly/0", "BM_MuParser/0", ""},
       {"sin(x)·cos(y): sampling by the block path / muParser over the same points", "BM_SampleOnly/1",
        "BM_MuParser/1", ""}},
      reporter.repetitions);
  return 0;
}
