#pragma once
// A console reporter that remembers each benchmark's time per iteration
// (real or CPU), so that a benchmark program can print its ratios after the
// table.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace zw::bench {

enum class Clock { Real, Cpu };

class TimeReporter : public benchmark::ConsoleReporter {
public:
  explicit TimeReporter(Clock clock = Clock::Real) : clock_(clock) {}
  std::map<std::string, double> times;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      times[r.benchmark_name()] = clock_ == Clock::Cpu ? r.GetAdjustedCPUTime() : r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

private:
  Clock clock_;
};

// Runs the benchmarks selected on the command line and returns each one's
// time per iteration on the given clock, by name.
inline std::map<std::string, double> RunAndKeepTimes(int argc, char** argv, Clock clock = Clock::Real) {
  benchmark::Initialize(&argc, argv);
  TimeReporter reporter(clock);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.times;
}

}  // namespace zw::bench
