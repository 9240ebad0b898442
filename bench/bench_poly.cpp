// Rational-root search in its worst 32-bit case: leading and constant
// coefficient 2095133040, the number below 2^31 with the most divisors
// (1600), so 1600 × 1600 candidates with both signs are tried.
#include <benchmark/benchmark.h>

#include "bench/TimeReporter.h"

#include "kernel/Poly.h"

namespace {

zw::TPoly worstCase(int degree) {
  zw::TPoly p{};
  p[degree] = zw::TBruch{2095133040, 1};
  p[1] = zw::TBruch{1, 1};
  p[0] = zw::TBruch{2095133040, 1};
  return p;
}

void BM_RationalRootsWorst32Bit(benchmark::State& state) {
  const zw::TPoly p = worstCase(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    zw::TPoly roots;
    int count = 0;
    zw::RationalRoots(p, roots, count);
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_RationalRootsWorst32Bit)->Arg(9)->Arg(36)->Unit(benchmark::kMillisecond);

// The same divisor lists, with rational roots to confirm exactly:
// (x − 36)(x − 20020)·… style polynomial of degree 9 with many divisors.
void BM_RationalRootsWithRoots(benchmark::State& state) {
  zw::TPoly p{};
  zw::TPoly f{};
  p[0] = zw::TBruch{1, 1};
  for (int r : {2, 3, 5, 7, 11, 13, 17, -2, -3}) {
    zw::LinearFactor(zw::TBruch{r, 1}, f);
    zw::PolyMul(p, f, p);
  }
  for (auto _ : state) {
    zw::TPoly roots;
    int count = 0;
    zw::RationalRoots(p, roots, count);
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_RationalRootsWithRoots)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  zw::bench::PrintFigures("Rational roots", reporter.times,
                          {{"rational-root search, leading and constant coefficient 2,095,133,040, degree 9",
                            "BM_RationalRootsWorst32Bit/9", "< 100 ms"},
                           {"the same, degree 36", "BM_RationalRootsWorst32Bit/36", ""},
                           {"the same divisor lists with rational roots to confirm", "BM_RationalRootsWithRoots", ""}},
                          reporter.repetitions);
  return 0;
}
