// Speed of the extended-precision kernels (kernel/ExtendedMath.h) against the
// C library's l functions, as a plot calls them: one function over the 10,000
// evenly spaced X values of a plot of [-10, 10] (logarithms: (0, 10]; the
// reduced sine and cosine: [-pi/4, pi/4]), results summed so that nothing is
// left out. After the runs the program prints the time per call and the ratio
// (library / ours, above 1 means ours is faster; the aim is 2.5).
//
//   cmake -S . -B build -DZW_BUILD_BENCH=ON
//   cmake --build build --target bench_xmath && build/bin/bench_xmath
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bench/TimeReporter.h"
#include "kernel/ExtendedMath.h"

namespace {

using zw::Extended;
namespace xm = zw::xmath;

constexpr int kPoints = 10000;

std::vector<Extended> plotGrid(Extended lo, Extended hi) {
  std::vector<Extended> x(kPoints);
  for (int i = 0; i < kPoints; ++i) x[i] = lo + (hi - lo) * (i + 0.5L) / kPoints;
  return x;
}

const std::vector<Extended>& plotX() {
  static const std::vector<Extended> x = plotGrid(-10, 10);
  return x;
}
const std::vector<Extended>& positiveX() {
  static const std::vector<Extended> x = plotGrid(0, 10);
  return x;
}
const std::vector<Extended>& reducedX() {
  static const std::vector<Extended> x = plotGrid(-0.78539816339744830962L, 0.78539816339744830962L);
  return x;
}

// The loop every benchmark runs: f over the arguments, summed.
template <class F>
void run(benchmark::State& state, const std::vector<Extended>& args, F f) {
  for (auto _ : state) {
    Extended sum = 0;
    for (Extended x : args) sum += f(x);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(args.size()));
}

#define ZW_BENCH_PAIR(name, args, ours, libc)                                            \
  void BM_##name##_Ours(benchmark::State& s) { run(s, args(), [](Extended x) { return ours; }); } \
  void BM_##name##_Libc(benchmark::State& s) { run(s, args(), [](Extended x) { return libc; }); } \
  BENCHMARK(BM_##name##_Ours);                                                            \
  BENCHMARK(BM_##name##_Libc);

// Both outputs summed, or the sine alone, of SinCosReduced.
template <void (*F)(Extended, Extended*, Extended*)>
Extended bothSummed(Extended x) {
  Extended s, c;
  F(x, &s, &c);
  return s + c;
}
template <void (*F)(Extended, Extended*, Extended*)>
Extended sineAlone(Extended x) {
  Extended s;
  F(x, &s, nullptr);
  return s;
}

ZW_BENCH_PAIR(Exp, plotX, xm::Exp(x), expl(x))
ZW_BENCH_PAIR(Ln, positiveX, xm::Ln(x), logl(x))
ZW_BENCH_PAIR(Log10, positiveX, xm::Log10(x), log10l(x))
ZW_BENCH_PAIR(SinCosReduced, reducedX, bothSummed<xm::SinCosReduced>(x), sinl(x) + cosl(x))
ZW_BENCH_PAIR(SinReduced, reducedX, sineAlone<xm::SinCosReduced>(x), sinl(x))
ZW_BENCH_PAIR(Sin, plotX, xm::Sin(x), sinl(x))
ZW_BENCH_PAIR(Cos, plotX, xm::Cos(x), cosl(x))
ZW_BENCH_PAIR(Atan, plotX, xm::Atan(x), atanl(x))
ZW_BENCH_PAIR(Tanh, plotX, xm::Tanh(x), tanhl(x))
ZW_BENCH_PAIR(Sinh, plotX, xm::Sinh(x), sinhl(x))
ZW_BENCH_PAIR(Cosh, plotX, xm::Cosh(x), coshl(x))

}  // namespace

int main(int argc, char** argv) {
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  std::vector<zw::bench::Ratio> rows;
  const std::pair<const char*, const char*> names[] = {
      {"Exp", "exp"}, {"Ln", "ln"}, {"Log10", "log10"}, {"SinCosReduced", "sin and cos on [−π/4, π/4] (both)"},
      {"SinReduced", "sin on [−π/4, π/4]"}, {"Sin", "sin on [-10, 10]"}, {"Cos", "cos on [-10, 10]"},
      {"Atan", "atan"}, {"Tanh", "tanh"}, {"Sinh", "sinh"}, {"Cosh", "cosh"}};
  for (const auto& [name, what] : names)
    rows.push_back({std::string(what) + ": C library / ours", std::string("BM_") + name + "_Libc",
                    std::string("BM_") + name + "_Ours", "", zw::bench::Against::Peer, kPoints});
  zw::bench::PrintRatios("Extended kernels against the C library's l functions, time per call (above 1: ours faster)",
                         reporter.times, rows, reporter.repetitions);
  return 0;
}
