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

}  // namespace zw::bench
