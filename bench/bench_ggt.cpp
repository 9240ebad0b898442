// The full gcd computation (gcd, exact lcm, eleven divisor sets and sums, the
// memo text) for ten numbers near 10^15: primes, highly composite numbers and
// squares. The window computes with the factorising divisor search; the plain
// trial division up to the square root runs the same task for comparison.
// Target: the fast computation well under 50 ms.
#include <benchmark/benchmark.h>

#include <numeric>

#include "bench/TimeReporter.h"
#include "common/TextMeasurer.h"
#include "topics/algebra/ggT.h"

namespace {

using u64 = std::uint64_t;

const std::array<u64, zw::GgtFieldCount> kInputs = {
    999999999999989ull,          // primes
    999999999999947ull,
    999999999999883ull,
    866421317361600ull,          // highly composite (26880 divisors)
    735134400000000ull,          // 2^12 * 3^3 * 5^8 * 7 * 11 * 13 * 17
    963761198400000ull,
    31622743ull * 31622743ull,   // squares of primes near the square root of 10^15
    31622759ull * 31622759ull,
    1000000000000000ull,         // 2^15 * 5^15
    999999999999999ull,
};

void BM_GgtFullComputation(benchmark::State& state) {
  const zw::FixedWidthMeasurer font(8);
  for (auto _ : state) {
    const QStringList lines = zw::GgtMemoLines(kInputs, font);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_GgtFullComputation)->Unit(benchmark::kMillisecond);

// The same result by trial division of all eleven numbers.
void BM_GgtFullComputationByTrialDivision(benchmark::State& state) {
  const zw::FixedWidthMeasurer font(8);
  for (auto _ : state) {
    zw::GgtResult r;
    u64 g = kInputs[0];
    for (u64 v : kInputs) g = std::gcd(g, v);
    r.gcd = g;
    r.lcmDigits = zw::ExactLcmDigits(kInputs);
    for (int i = 0; i <= zw::GgtFieldCount; ++i) {
      const u64 v = i == 0 ? g : kInputs[static_cast<std::size_t>(i - 1)];
      r.sets[static_cast<std::size_t>(i)] = zw::SmallestDivisorsByTrial(v);
      r.sums[static_cast<std::size_t>(i)] = std::accumulate(r.sets[static_cast<std::size_t>(i)].begin(),
                                                            r.sets[static_cast<std::size_t>(i)].end(), u64{0});
    }
    const QStringList lines = zw::GgtMemoLines(kInputs, r, font, zw::GgtLabels::current());
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_GgtFullComputationByTrialDivision)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  zw::bench::PrintRatios("gcd topic, ten numbers near 10^15: time / reference time", reporter.times,
                         {{"the full gcd computation / the same by trial division", "BM_GgtFullComputation",
                           "BM_GgtFullComputationByTrialDivision/iterations:2", "", zw::bench::Against::NaiveMethod}},
                         reporter.repetitions);
  zw::bench::PrintFigures("gcd topic", reporter.times,
                          {{"the full gcd computation for ten numbers near 10^15", "BM_GgtFullComputation", "< 50 ms"}},
                          reporter.repetitions);
  return 0;
}
