#pragma once
// A console reporter that remembers each benchmark's real time, so that a
// benchmark program can print its ratios after the table.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace zw::bench {

class TimeReporter : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> times;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) times[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

// Runs the benchmarks selected on the command line and returns each one's
// real time per iteration, by name.
inline std::map<std::string, double> RunAndKeepTimes(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  TimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.times;
}

}  // namespace zw::bench
