#pragma once
// What every ratio program of bench/ shares: a console reporter that keeps
// each benchmark's median time per iteration over its repetitions (real or
// CPU time), the check that both sides of a comparison computed the same
// result, and the Markdown table of ratios that scripts/bench_ratios.sh
// collects for the README.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace zw::bench {

enum class Clock { Real, Cpu };

// Without --benchmark_repetitions on the command line every benchmark runs
// this often, and the tables show the median.
inline constexpr int kDefaultRepetitions = 3;

class TimeReporter : public benchmark::ConsoleReporter {
public:
  explicit TimeReporter(Clock clock = Clock::Real) : clock_(clock) {}
  // Median time per iteration in ns by benchmark name (without the
  // "_median" of the aggregate), its items per second where it counts them,
  // and the repetitions they are the medians of.
  std::map<std::string, double> times;
  std::map<std::string, double> itemsPerSecond;
  int repetitions = 1;

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if (r.run_type == Run::RT_Aggregate && !median) continue;
      const std::string name = r.run_name.str();
      // A single run stands for itself; with repetitions the median wins.
      if (!median && medians_.count(name)) continue;
      if (median) {
        medians_[name] = true;
        repetitions = static_cast<int>(r.repetitions);
      }
      const double t = clock_ == Clock::Cpu ? r.GetAdjustedCPUTime() : r.GetAdjustedRealTime();
      times[name] = t * (1e9 / benchmark::GetTimeUnitMultiplier(r.time_unit));  // in ns
      auto it = r.counters.find("items_per_second");
      if (it != r.counters.end()) itemsPerSecond[name] = it->second;
    }
    ConsoleReporter::ReportRuns(runs);
  }

private:
  Clock clock_;
  std::map<std::string, bool> medians_;
};

// The command line with the default repetitions added where none are given.
inline std::vector<char*> WithRepetitions(int argc, char** argv) {
  static char reps[] = "--benchmark_repetitions=3";
  static char aggregates[] = "--benchmark_report_aggregates_only=true";
  static_assert(kDefaultRepetitions == 3, "the flag above spells the default");
  std::vector<char*> args(argv, argv + argc);
  bool given = false;
  for (int i = 1; i < argc; ++i) given |= std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
  if (!given) {
    args.push_back(reps);
    args.push_back(aggregates);
  }
  args.push_back(nullptr);
  return args;
}

// Runs the benchmarks selected on the command line; the reporter holds the
// median times afterwards.
inline void RunAll(int argc, char** argv, TimeReporter& reporter) {
  std::vector<char*> args = WithRepetitions(argc, argv);
  int n = static_cast<int>(args.size()) - 1;
  benchmark::Initialize(&n, args.data());
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}

// Runs the benchmarks selected on the command line and returns each one's
// median time per iteration on the given clock, by name.
inline std::map<std::string, double> RunAndKeepTimes(int argc, char** argv, Clock clock = Clock::Real) {
  TimeReporter reporter(clock);
  RunAll(argc, argv, reporter);
  return reporter.times;
}

// Both sides of a comparison must compute the same thing: a program whose
// sides disagree says what differs and ends before anything is timed.
inline void RequireSame(bool same, const char* what) {
  if (same) return;
  std::fprintf(stderr, "results differ: %s\n", what);
  std::exit(EXIT_FAILURE);
}

// ---- the table -----------------------------------------------------------

// A time per iteration in ns, µs, ms or s with three significant digits.
inline std::string FormatTime(double ns) {
  const char* unit = "ns";
  double v = ns;
  if (v >= 1e9) v /= 1e9, unit = "s";
  else if (v >= 1e6) v /= 1e6, unit = "ms";
  else if (v >= 1e3) v /= 1e3, unit = "µs";
  char text[32];
  std::snprintf(text, sizeof text, v >= 100 ? "%.0f %s" : v >= 10 ? "%.1f %s" : "%.2f %s", v, unit);
  return text;
}

// Three significant digits at most, two decimals from 0.1 to 10.
inline std::string FormatRatio(double r) {
  char text[32];
  std::snprintf(text, sizeof text, r >= 100 ? "%.0f" : r >= 10 ? "%.1f" : r >= 0.1 ? "%.2f" : "%.2g", r);
  return text;
}

// What the other side of a row is: a library made for the job, or a plain
// way written only for this benchmark.
enum class Against { Peer, NaiveMethod };

// One comparison: the ratio of the two benchmarks' median times,
// numerator / denominator, as the label says.
struct Ratio {
  std::string what;
  std::string numerator, denominator;
  std::string target;  // "" when only reported
  Against against = Against::Peer;
  double items = 1;  // the times shown are per item: calls, points, ...
};

// The line before the table; scripts/bench_ratios.sh prints what follows it.
inline constexpr const char* kTableMarker = "--- ratios ---";

// Prints the rows as a Markdown table; a row whose benchmarks did not run
// (filtered out) is left out.
inline void PrintRatios(const std::string& title, const std::map<std::string, double>& times,
                        const std::vector<Ratio>& rows, int repetitions) {
  std::printf("\n%s\n\n**%s** (median of %d runs)\n\n", kTableMarker, title.c_str(), repetitions);
  std::printf("| comparison | numerator | denominator | ratio | target |\n|---|---|---|---|---|\n");
  for (const Ratio& r : rows) {
    auto a = times.find(r.numerator), b = times.find(r.denominator);
    if (a == times.end() || b == times.end() || b->second <= 0) continue;
    const char* naive = r.against == Against::NaiveMethod ? " (against the naïve method)" : "";
    std::printf("| %s%s | %s | %s | %s | %s |\n", r.what.c_str(), naive, FormatTime(a->second / r.items).c_str(),
                FormatTime(b->second / r.items).c_str(), FormatRatio(a->second / b->second).c_str(),
                r.target.empty() ? "reported" : r.target.c_str());
  }
}

// A figure that is a time of its own, against a target.
struct Figure {
  std::string what;
  std::string benchmark;
  std::string target;
  double items = 1;
};

inline void PrintFigures(const std::string& title, const std::map<std::string, double>& times,
                         const std::vector<Figure>& rows, int repetitions) {
  std::printf("\n%s\n\n**%s** (median of %d runs)\n\n", kTableMarker, title.c_str(), repetitions);
  std::printf("| workload | time | target |\n|---|---|---|\n");
  for (const Figure& f : rows) {
    auto a = times.find(f.benchmark);
    if (a == times.end()) continue;
    std::printf("| %s | %s | %s |\n", f.what.c_str(), FormatTime(a->second / f.items).c_str(),
                f.target.empty() ? "reported" : f.target.c_str());
  }
}

}  // namespace zw::bench
