// Speed of EvaluateFormula on plot workloads (one term, X over 10,000 values)
// against muParser, through each library's public API:
//   ours            EvaluateFormula(text, value, err, x) for every x (the text
//                   is passed each time, as the plotters do)
//   ours_direct     the same without the cache of compiled terms
//   ours_block      EvaluateFormulaBlock for all 10,000 values at once (the
//                   extended block path: bit for bit what EvaluateFormula gives)
//   ours_double     EvaluateFormulaBlockDouble for all 10,000 values at once
//                   (the path for drawing)
//   muparser        SetExpr once, then Eval for every x (muParser's usual use)
//   muparser_text   SetExpr and Eval for every x (the text passed each time)
//   muparser_bulk   SetExpr once, then muParser's bulk mode Eval(results, n)
//                   for all values, on one thread
// After the runs the program prints evaluations per second and the ratios
// ours / muparser, and ours_block / muparser_bulk and ours_double /
// muparser_bulk for each term, and the
// largest relative differences of the values: extended against muParser,
// and the double path against the extended one.
//
//   cmake -S . -B build -DZW_BUILD_BENCH=ON
//   cmake --build build --target bench_evaluator && build/bin/bench_evaluator
#include <benchmark/benchmark.h>
#include <muParser.h>
#include <omp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "kernel/Evaluator.h"
#include "kernel/KernelState.h"

namespace {

struct Workload {
  const char* name;
  std::string ours;      // in the evaluator's language
  std::string muparser;  // the same term in muParser's syntax
};

std::string longTerm(bool forMuParser) {
  // About 200 characters of typical plot terms.
  const char* ours =
      "sin(x)*x^2+3x-1+cos(2x)/(1+x^2)-sqrt(abs(x))*exp(-x/3)+ln(1+x^2)*0.5-atan(x/4)+"
      "x^3/100-2*tanh(x/5)+abs(x-1)/(2+sin(x)^2)+sinh(x/10)-cosh(x/20)+log(2+x^2)+7";
  const char* mu =
      "sin(x)*x^2+3*x-1+cos(2*x)/(1+x^2)-sqrt(abs(x))*exp(-x/3)+ln(1+x^2)*0.5-atan(x/4)+"
      "x^3/100-2*tanh(x/5)+abs(x-1)/(2+sin(x)^2)+sinh(x/10)-cosh(x/20)+log10(2+x^2)+7";
  return forMuParser ? mu : ours;
}

const std::vector<Workload>& workloads() {
  static const std::vector<Workload> w = {
      {"polynomial", "x^3-2x^2+3x-1", "x^3-2*x^2+3*x-1"},
      {"poly_sin", "sin(x)*x^2+3x-1", "sin(x)*x^2+3*x-1"},
      {"sqrt_logistic", "sqrt(abs(x))/(1+e^(-x))", "sqrt(abs(x))/(1+_e^(-x))"},
      {"long_term", longTerm(false), longTerm(true)},
  };
  return w;
}

constexpr int kPoints = 10000;
double xAt(int i) { return -10.0 + 20.0 * i / (kPoints - 1); }

std::u16string u16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

void BM_ours(benchmark::State& state, const Workload* w, bool cached) {
  zw::kernelState().reset();
  const std::u16string text = u16(w->ours);
  zw::Extended sum = 0;
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) {
      zw::Extended v;
      std::int32_t err;
      if (cached)
        zw::EvaluateFormula(text, v, err, xAt(i));
      else
        zw::EvaluateFormulaDirect(text, v, err, xAt(i));
      sum += v;
    }
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * kPoints);
}

std::vector<double> grid() {
  std::vector<double> xs(kPoints);
  for (int i = 0; i < kPoints; ++i) xs[i] = xAt(i);
  return xs;
}

void BM_ours_double(benchmark::State& state, const Workload* w) {
  zw::kernelState().reset();
  const std::u16string text = u16(w->ours);
  const std::vector<double> xs = grid();
  std::vector<double> values(kPoints);
  std::vector<std::int32_t> errs(kPoints);
  for (auto _ : state) {
    zw::EvaluateFormulaBlockDouble(text, xs.data(), kPoints, values.data(), errs.data());
    benchmark::DoNotOptimize(values.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_ours_block(benchmark::State& state, const Workload* w) {
  zw::kernelState().reset();
  const std::u16string text = u16(w->ours);
  const std::vector<double> grid_ = grid();
  const std::vector<zw::Extended> xs(grid_.begin(), grid_.end());
  std::vector<zw::Extended> values(kPoints);
  std::vector<std::int32_t> errs(kPoints);
  for (auto _ : state) {
    zw::EvaluateFormulaBlock(text, xs.data(), kPoints, values.data(), errs.data());
    benchmark::DoNotOptimize(values.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_muparser_bulk(benchmark::State& state, const Workload* w) {
  mu::Parser p;
  std::vector<double> xs = grid(), results(kPoints);
  p.DefineVar("x", xs.data());
  p.SetExpr(w->muparser);
  for (auto _ : state) {
    p.Eval(results.data(), kPoints);
    benchmark::DoNotOptimize(results.data());
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// The largest difference of the double path from the extended one, relative
// to max(1, |value|); infinite when an error code differs.
double doublePathDifference(const Workload& w) {
  zw::kernelState().reset();
  const std::u16string text = u16(w.ours);
  const std::vector<double> xs = grid();
  std::vector<double> values(kPoints);
  std::vector<std::int32_t> errs(kPoints);
  zw::EvaluateFormulaBlockDouble(text, xs.data(), kPoints, values.data(), errs.data());
  double worst = 0;
  for (int i = 0; i < kPoints; ++i) {
    zw::Extended v;
    std::int32_t err;
    zw::EvaluateFormula(text, v, err, xs[i]);
    if (err != errs[i]) return INFINITY;
    const double e = static_cast<double>(v);
    worst = std::max(worst, std::fabs(values[i] - e) / std::max(1.0, std::fabs(e)));
  }
  return worst;
}

void BM_muparser(benchmark::State& state, const Workload* w, bool textEachTime) {
  mu::Parser p;
  double x = 0;
  p.DefineVar("x", &x);
  p.SetExpr(w->muparser);
  double sum = 0;
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) {
      x = xAt(i);
      if (textEachTime) p.SetExpr(w->muparser);
      sum += p.Eval();
    }
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * kPoints);
}

// Remembers the rates so that the ratios can be printed after the table.
class RateReporter : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> rates;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      auto it = r.counters.find("items_per_second");
      if (it != r.counters.end()) rates[r.benchmark_name()] = it->second;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

double maxRelativeDifference(const Workload& w) {
  mu::Parser p;
  double x = 0;
  p.DefineVar("x", &x);
  p.SetExpr(w.muparser);
  const std::u16string text = u16(w.ours);
  double worst = 0;
  for (int i = 0; i < kPoints; ++i) {
    x = xAt(i);
    zw::Extended v;
    std::int32_t err;
    zw::EvaluateFormula(text, v, err, x);
    double m = p.Eval();
    if (err != 0) return INFINITY;
    worst = std::max(worst, std::fabs(static_cast<double>(v) - m) / std::max(1.0, std::fabs(m)));
  }
  return worst;
}

}  // namespace

int main(int argc, char** argv) {
  omp_set_num_threads(1);  // muParser's bulk mode would use a thread per core
  for (const Workload& w : workloads()) {
    benchmark::RegisterBenchmark(("ours_block/" + std::string(w.name)).c_str(), BM_ours_block,
                                 &w);
    benchmark::RegisterBenchmark(("ours_double/" + std::string(w.name)).c_str(), BM_ours_double,
                                 &w);
    benchmark::RegisterBenchmark(("muparser_bulk/" + std::string(w.name)).c_str(),
                                 BM_muparser_bulk, &w);
    benchmark::RegisterBenchmark(("ours/" + std::string(w.name)).c_str(), BM_ours, &w, true);
    benchmark::RegisterBenchmark(("ours_direct/" + std::string(w.name)).c_str(), BM_ours, &w,
                                 false);
    benchmark::RegisterBenchmark(("muparser/" + std::string(w.name)).c_str(), BM_muparser, &w,
                                 false);
    benchmark::RegisterBenchmark(("muparser_text/" + std::string(w.name)).c_str(), BM_muparser,
                                 &w, true);
  }
  benchmark::Initialize(&argc, argv);
  RateReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("\n%-15s %14s %14s %14s %10s %10s %12s\n", "term", "ours eval/s", "muParser",
              "muParser text", "ratio", "ratio text", "max rel diff");
  for (const Workload& w : workloads()) {
    std::string n = w.name;
    double ours = reporter.rates["ours/" + n], mu = reporter.rates["muparser/" + n],
           muText = reporter.rates["muparser_text/" + n];
    if (ours == 0 || mu == 0) continue;
    std::printf("%-15s %14.3e %14.3e %14.3e %10.2f %10.2f %12.1e\n", w.name, ours, mu, muText,
                ours / mu, muText > 0 ? ours / muText : 0.0, maxRelativeDifference(w));
  }
  std::printf("\n%-15s %14s %14s %14s %11s %11s %12s\n", "term", "block eval/s",
              "double eval/s", "muParser bulk", "ratio ext", "ratio dbl", "dbl rel diff");
  for (const Workload& w : workloads()) {
    std::string n = w.name;
    double block = reporter.rates["ours_block/" + n], fast = reporter.rates["ours_double/" + n],
           bulk = reporter.rates["muparser_bulk/" + n];
    if (bulk == 0) continue;
    std::printf("%-15s %14.3e %14.3e %14.3e %11.2f %11.2f %12.1e\n", w.name, block, fast, bulk,
                block / bulk, fast / bulk, doublePathDifference(w));
  }
  return 0;
}
