// Primitive Pythagorean triples with hypotenuse up to 10^7 (about 1.6
// million): the triples topic's integer search, in the slices its long run
// drives, against the plain loop on extended reals with GcdReal over every
// pair (m, n). Both must give the same triples in the same order; the
// program refuses to measure otherwise. Both write into a list whose
// storage is kept between iterations, so the figures are the search and
// not the page faults of a fresh 38 MB list.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "bench/TimeReporter.h"
#include "topics/algebra/Pyth.h"

namespace {

constexpr std::int64_t kUpper = 10'000'000;

// A list whose storage has been touched once already.
std::vector<zw::PythTriple> warmList() {
  std::vector<zw::PythTriple> out;
  zw::ListTriplesByRealLoop(0, kUpper, out);
  return out;
}

void BM_TripleSearch(benchmark::State& state) {
  std::vector<zw::PythTriple> out = warmList();
  for (auto _ : state) {
    out.clear();
    zw::TripleSearch search(0, kUpper);
    while (search.advance(out, 4096)) {
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["triples"] = static_cast<double>(out.size());
}
BENCHMARK(BM_TripleSearch)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RealLoop(benchmark::State& state) {
  std::vector<zw::PythTriple> out = warmList();
  for (auto _ : state) {
    out.clear();
    zw::ListTriplesByRealLoop(0, kUpper, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["triples"] = static_cast<double>(out.size());
}
BENCHMARK(BM_RealLoop)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  std::vector<zw::PythTriple> reference;
  zw::ListTriplesByRealLoop(0, kUpper, reference);
  zw::bench::RequireSame(zw::ListTriples(0, kUpper) == reference,
                         "the integer search and the real loop give different triples");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  zw::bench::PrintRatios("Primitive Pythagorean triples with hypotenuse ≤ 10^7 (1,591,579): time / reference time",
                         reporter.times,
                         {{"the plain loop on extended reals with `GcdReal` / the integer search in the window's "
                           "slices",
                           "BM_RealLoop/iterations:5", "BM_TripleSearch/iterations:5", "≥ 5",
                           zw::bench::Against::NaiveMethod}},
                         reporter.repetitions);
  return EXIT_SUCCESS;
}
