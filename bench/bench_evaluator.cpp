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
//   muparser_bulk   SetExpr once, then muParser's bulk mode Eval(results, n)
//                   for all values, on one thread
// Before timing, the program checks that both libraries compute the same
// values (within 1e-9 relative, the double path against the extended one
// too). After the runs it prints the median evaluations per second and the
// ratios ours / muparser, ours_block / muparser_bulk and ours_double /
// muparser_bulk for each term.
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

#include "bench/TimeReporter.h"
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

void BM_muparser(benchmark::State& state, const Workload* w) {
  mu::Parser p;
  double x = 0;
  p.DefineVar("x", &x);
  p.SetExpr(w->muparser);
  double sum = 0;
  for (auto _ : state) {
    for (int i = 0; i < kPoints; ++i) {
      x = xAt(i);
      sum += p.Eval();
    }
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * kPoints);
}

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
    zw::bench::RequireSame(maxRelativeDifference(w) <= 1e-9, "values differ from muParser's");
    zw::bench::RequireSame(doublePathDifference(w) <= 1e-9, "the double path differs from the extended one");
  }
  for (const Workload& w : workloads()) {
    const std::string n = w.name;
    benchmark::RegisterBenchmark(("ours_block/" + n).c_str(), BM_ours_block, &w);
    benchmark::RegisterBenchmark(("ours_double/" + n).c_str(), BM_ours_double, &w);
    benchmark::RegisterBenchmark(("muparser_bulk/" + n).c_str(), BM_muparser_bulk, &w);
    benchmark::RegisterBenchmark(("ours/" + n).c_str(), BM_ours, &w, true);
    benchmark::RegisterBenchmark(("ours_direct/" + n).c_str(), BM_ours, &w, false);
    benchmark::RegisterBenchmark(("muparser/" + n).c_str(), BM_muparser, &w);
  }
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  auto rate = [&](const std::string& name) {
    auto it = reporter.itemsPerSecond.find(name);
    return it == reporter.itemsPerSecond.end() ? 0.0 : it->second;
  };
  auto term = [](const Workload& w) {
    return std::string(w.name) == "long_term" ? std::string("a 200-character term") : "«" + w.ours + "»";
  };
  std::printf("\n%s\n\n**One point at a time: evaluations per second** (median of %d runs)\n\n",
              zw::bench::kTableMarker, reporter.repetitions);
  std::printf("| term | Zahlwerk | muParser, parsed once | ratio |\n|---|---|---|---|\n");
  for (const Workload& w : workloads()) {
    const std::string n = w.name;
    const double ours = rate("ours/" + n), mu = rate("muparser/" + n);
    if (ours > 0 && mu > 0)
      std::printf("| %s | %.2e | %.2e | %.2f |\n", term(w).c_str(), ours, mu, ours / mu);
  }
  std::printf("\n%s\n\n**Blocks of 10,000 points against muParser's bulk mode: evaluations per second** "
              "(median of %d runs)\n\n", zw::bench::kTableMarker, reporter.repetitions);
  std::printf("| term | extended blocks | ratio (target ≥ 1 / ≥ 0.6) | double blocks | ratio (target ≥ 2) | "
              "muParser bulk |\n|---|---|---|---|---|---|\n");
  for (const Workload& w : workloads()) {
    const std::string n = w.name;
    const double block = rate("ours_block/" + n), fast = rate("ours_double/" + n), bulk = rate("muparser_bulk/" + n);
    if (bulk > 0 && block > 0 && fast > 0)
      std::printf("| %s | %.2e | %.2f | %.2e | %.2f | %.2e |\n", term(w).c_str(), block, block / bulk, fast,
                  fast / bulk, bulk);
  }
  return 0;
}
