// Real roots of quartics: the kernel's closed form with polishing against the
// companion-matrix eigenvalue solve of Eigen's Polynomials module, on 20,000
// quartics with known roots (four simple real roots, a double root, a complex
// pair). Each run also counts how often a solver finds the wrong number of
// distinct real roots, or misses a root by more than 1e-8 (simple) or 1e-5
// (multiple). Last, the whole solve of the equation topic, cells to lines.
#include <benchmark/benchmark.h>

#include "bench/TimeReporter.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/Polynomials>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "kernel/Roots.h"
#include "topics/algebra/Glei4.h"

namespace {

struct Quartic {
  zw::QuarticCoeffs c{};           // by power
  std::vector<long double> roots;  // distinct real roots, ascending
  std::vector<bool> multiple;      // per root
};

// (x - r1)(x - r2)(x^2 + p x + q) with the chosen kind of last factor.
Quartic make(std::mt19937_64& g, int kind) {
  std::uniform_int_distribution<int> d(-40, 40);
  auto r = [&] { return d(g) / 8.0L; };
  Quartic q;
  long double r1 = r(), r2 = r(), r3 = r(), r4 = r();
  while (r2 == r1) r2 = r();
  while (r3 == r1 || r3 == r2) r3 = r();
  while (r4 == r1 || r4 == r2 || r4 == r3) r4 = r();
  long double p, s;  // x^2 + p x + s
  if (kind == 0) {   // four simple roots
    p = -(r3 + r4);
    s = r3 * r4;
    q.roots = {r1, r2, r3, r4};
    q.multiple = {false, false, false, false};
  } else if (kind == 1) {  // a double root r3
    p = -2 * r3;
    s = r3 * r3;
    q.roots = {r1, r2, r3};
    q.multiple = {false, false, true};
  } else {  // a complex pair r3 ± i
    p = -2 * r3;
    s = r3 * r3 + 1;
    q.roots = {r1, r2};
    q.multiple = {false, false};
  }
  // (x^2 + a x + b)(x^2 + p x + s) with a = -(r1 + r2), b = r1 r2
  const long double a = -(r1 + r2), b = r1 * r2;
  q.c = {b * s, a * s + b * p, b + a * p + s, a + p, 1};
  std::vector<std::pair<long double, bool>> sorted;
  for (size_t i = 0; i < q.roots.size(); ++i) sorted.emplace_back(q.roots[i], q.multiple[i]);
  std::sort(sorted.begin(), sorted.end());
  for (size_t i = 0; i < sorted.size(); ++i) {
    q.roots[i] = sorted[i].first;
    q.multiple[i] = sorted[i].second;
  }
  return q;
}

const std::vector<Quartic>& set() {
  static const std::vector<Quartic> s = [] {
    std::mt19937_64 g(20);
    std::vector<Quartic> v;
    for (int i = 0; i < 20000; ++i) v.push_back(make(g, i % 3));
    return v;
  }();
  return s;
}

bool matches(const Quartic& q, const std::vector<long double>& found) {
  if (found.size() != q.roots.size()) return false;
  for (size_t i = 0; i < found.size(); ++i)
    if (std::fabs(found[i] - q.roots[i]) > (q.multiple[i] ? 1e-5L : 1e-8L)) return false;
  return true;
}

std::vector<long double> kernelRoots(const Quartic& q) {
  zw::TArrayExt r{};
  int n = 0;
  zw::RealRootsDeg4(r, n, q.c);
  return {r.begin() + 1, r.begin() + 1 + n};
}

std::vector<long double> eigenRoots(const Quartic& q) {
  Eigen::Matrix<long double, 5, 1> c;
  for (int i = 0; i < 5; ++i) c[i] = q.c[static_cast<size_t>(i)];
  Eigen::PolynomialSolver<long double, 4> solver(c);
  std::vector<long double> real;
  solver.realRoots(real);  // its own threshold for a vanishing imaginary part
  std::sort(real.begin(), real.end());
  // Distinct after rounding to 5 decimals, like the topic's list.
  std::vector<long double> out;
  for (long double x : real)
    if (out.empty() || std::fabs(x - out.back()) > 5e-6L) out.push_back(x);
  return out;
}

template <class Solve>
void run(benchmark::State& state, Solve solve) {
  const auto& s = set();
  long misses = 0;
  for (auto _ : state) {
    misses = 0;
    for (const Quartic& q : s) {
      const auto r = solve(q);
      if (!matches(q, r)) ++misses;
      benchmark::DoNotOptimize(r.data());
    }
  }
  state.counters["misses"] = static_cast<double>(misses);
  state.counters["per_solve_us"] =
      benchmark::Counter(static_cast<double>(s.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Quartic_Kernel(benchmark::State& state) { run(state, kernelRoots); }
void Quartic_EigenCompanion(benchmark::State& state) { run(state, eigenRoots); }

// The topic's whole solve for large 32-bit coefficients (cells to memo lines).
void Glei4_WorstSolve(benchmark::State& state) {
  const zw::Glei4Cells cells = {u"2095133040", u"-2147483647", u"1", u"-2147483629", u"2095133040"};
  for (auto _ : state) benchmark::DoNotOptimize(zw::Glei4Lines(cells, QStringLiteral("allgemeingültig")));
}

}  // namespace

BENCHMARK(Quartic_Kernel)->Unit(benchmark::kMillisecond);
BENCHMARK(Quartic_EigenCompanion)->Unit(benchmark::kMillisecond);
BENCHMARK(Glei4_WorstSolve)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // The kernel finds every set of roots (the companion matrix misses many
  // double roots: that is what the row compares against, so only ours is checked).
  long misses = 0;
  for (const Quartic& q : set()) misses += !matches(q, kernelRoots(q));
  zw::bench::RequireSame(misses == 0, "the kernel misses roots it must find");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  const double n = static_cast<double>(set().size());
  zw::bench::PrintRatios("Quartic roots, 20,000 quartics: time per solve", reporter.times,
                         {{"`RealRootsDeg4` / Eigen `PolynomialSolver` companion matrix", "Quartic_Kernel",
                           "Quartic_EigenCompanion", "≤ 1.5", zw::bench::Against::Peer, n}},
                         reporter.repetitions);
  zw::bench::PrintFigures("Equation topic", reporter.times,
                          {{"the whole solve (cells to memo lines) for 32-bit coefficients near 2^31",
                            "Glei4_WorstSolve", "< 50 ms"}},
                          reporter.repetitions);
  return 0;
}
