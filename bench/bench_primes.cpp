// Speed of the prime module against primesieve (windows of 40,001 numbers,
// twins and triplets) and against a factorisation made for numbers of this
// size (Pollard–Brent rho on GMP integers), and of the factorisation against
// plain trial division. primesieve and GMP are comparison libraries of this
// benchmark only. Before timing, the program checks that both sides find the
// same counts and the same factors.
#include <benchmark/benchmark.h>
#include <gmpxx.h>

#include <algorithm>
#include <cstdint>
#include <primesieve.hpp>
#include <random>
#include <string>
#include <vector>

#include "bench/TimeReporter.h"
#include "kernel/Primes.h"

namespace {

using zw::WindowSieve;

constexpr std::int64_t kSpan = 40000;

std::int64_t windowStart(int exponent) {
  std::int64_t a = 1;
  for (int i = 0; i < exponent; ++i) a *= 10;
  return a;
}

// ----- windows ---------------------------------------------------------------

void BM_Window_Ours(benchmark::State& state) {
  const std::int64_t a = windowStart(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    WindowSieve s(a, a + kSpan);
    s.run();
    benchmark::DoNotOptimize(s.primes().data());
  }
}
void BM_Window_Primesieve(benchmark::State& state) {
  const std::int64_t a = windowStart(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::vector<std::uint64_t> p;
    primesieve::generate_primes(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(a + kSpan), &p);
    benchmark::DoNotOptimize(p.data());
  }
}
BENCHMARK(BM_Window_Ours)->DenseRange(6, 15, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Window_Primesieve)->DenseRange(6, 15, 3)->Unit(benchmark::kMillisecond);

// ----- tuples: the sieve and the scan over neighbouring primes ---------------

int countTwins(const std::vector<std::int64_t>& p) {
  int n = 0;
  for (std::size_t i = 0; i + 1 < p.size(); ++i) n += p[i + 1] - p[i] == 2;
  return n;
}
int countTriplets(const std::vector<std::int64_t>& p) {
  int n = 0;
  for (std::size_t i = 0; i + 2 < p.size(); ++i) {
    const std::int64_t d1 = p[i + 1] - p[i], d2 = p[i + 2] - p[i + 1];
    n += (d1 == 2 && d2 == 4) || (d1 == 4 && d2 == 2);
  }
  return n;
}

template <int (*Count)(const std::vector<std::int64_t>&)>
void BM_Tuples_Ours(benchmark::State& state) {
  const std::int64_t a = windowStart(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    WindowSieve s(a, a + kSpan);
    s.run();
    benchmark::DoNotOptimize(Count(s.primes()));
  }
}
void BM_Twins_Primesieve(benchmark::State& state) {
  const auto a = static_cast<std::uint64_t>(windowStart(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(primesieve::count_twins(a, a + kSpan));
}
void BM_Triplets_Primesieve(benchmark::State& state) {
  const auto a = static_cast<std::uint64_t>(windowStart(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(primesieve::count_triplets(a, a + kSpan));
}
BENCHMARK(BM_Tuples_Ours<countTwins>)->Name("BM_Twins_Ours")->DenseRange(6, 15, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Twins_Primesieve)->DenseRange(6, 15, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tuples_Ours<countTriplets>)->Name("BM_Triplets_Ours")->DenseRange(6, 15, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Triplets_Primesieve)->DenseRange(6, 15, 3)->Unit(benchmark::kMillisecond);

// ----- factorisation of 18-digit numbers ------------------------------------

enum Kind { TwoPrimes, Primes, Squares, SmallFactors };

std::uint64_t nextPrime(std::uint64_t n) {
  while (!zw::IsPrimeU64(n)) ++n;
  return n;
}

// 100 numbers of 18 digits of one kind, the same in every run.
const std::vector<std::int64_t>& numbers(Kind kind) {
  static std::vector<std::int64_t> sets[4];
  std::vector<std::int64_t>& v = sets[kind];
  if (!v.empty()) return v;
  std::mt19937_64 rng(2024 + kind);
  auto in = [&rng](std::uint64_t lo, std::uint64_t hi) { return lo + rng() % (hi - lo); };
  while (v.size() < 100) {
    std::uint64_t n = 0;
    switch (kind) {
      case TwoPrimes: n = nextPrime(in(100'000'000, 999'999'999)) * nextPrime(in(1'000'000'000, 9'999'999'999)); break;
      case Primes: n = nextPrime(in(100'000'000'000'000'000, 999'999'999'999'999'000)); break;
      case Squares: {
        const std::uint64_t p = nextPrime(in(316'227'767, 999'999'000));
        n = p * p;
        break;
      }
      case SmallFactors: {
        n = 1;
        while (n < 100'000'000'000'000'000ULL) {
          const std::uint64_t p = zw::BasePrimes()[rng() % 60];  // primes below 300
          if (n > 999'999'999'999'999'999ULL / p) break;
          n *= p;
        }
        break;
      }
    }
    if (n >= 100'000'000'000'000'000ULL && n <= 999'999'999'999'999'999ULL) v.push_back(static_cast<std::int64_t>(n));
  }
  return v;
}

// The peer: Pollard–Brent rho on GMP integers, as a library for general
// integers factors one of 18 digits: trial division by the primes below
// 1,000, a probable-prime test to stop, squares by their root, then Brent's
// cycle search with f(y) = y^2 + c, the differences multiplied together 128
// at a time modulo n before each gcd. A split that gives n itself is retried with the next c.
mpz_class brentSplit(const mpz_class& n, unsigned long c) {
  constexpr unsigned long kBatch = 128;
  mpz_class y = 2, x, ys, q = 1, g = 1, d;
  auto step = [&](mpz_class& v) {
    mpz_mul(v.get_mpz_t(), v.get_mpz_t(), v.get_mpz_t());
    mpz_add_ui(v.get_mpz_t(), v.get_mpz_t(), c);
    mpz_mod(v.get_mpz_t(), v.get_mpz_t(), n.get_mpz_t());
  };
  for (unsigned long r = 1; g == 1; r *= 2) {
    x = y;
    for (unsigned long i = 0; i < r; ++i) step(y);
    for (unsigned long k = 0; k < r && g == 1; k += kBatch) {
      ys = y;
      for (unsigned long i = 0; i < std::min(kBatch, r - k); ++i) {
        step(y);
        d = x - y;
        mpz_abs(d.get_mpz_t(), d.get_mpz_t());
        q *= d;
        mpz_mod(q.get_mpz_t(), q.get_mpz_t(), n.get_mpz_t());
      }
      mpz_gcd(g.get_mpz_t(), q.get_mpz_t(), n.get_mpz_t());
    }
  }
  if (g == n) {  // the batch overshot: step through it one difference at a time
    do {
      step(ys);
      d = x - ys;
      mpz_abs(d.get_mpz_t(), d.get_mpz_t());
      mpz_gcd(g.get_mpz_t(), d.get_mpz_t(), n.get_mpz_t());
    } while (g == 1);
  }
  return g;
}

void brentFactors(const mpz_class& n, std::vector<std::uint64_t>& out) {
  if (n == 1) return;
  if (mpz_probab_prime_p(n.get_mpz_t(), 25)) {
    out.push_back(n.get_ui());
    return;
  }
  mpz_class g;
  if (mpz_perfect_square_p(n.get_mpz_t())) {  // rho would need the square root of the root in steps
    mpz_sqrt(g.get_mpz_t(), n.get_mpz_t());
    brentFactors(g, out);
    brentFactors(g, out);
    return;
  }
  for (unsigned long c = 1;; ++c) {
    g = brentSplit(n, c);
    if (g != n) break;
  }
  brentFactors(g, out);
  brentFactors(n / g, out);
}

std::vector<std::uint64_t> peerFactorsOf(std::int64_t value) {
  mpz_class n = static_cast<unsigned long>(value);
  std::vector<std::uint64_t> out;
  for (unsigned long p = 2; p < 1000; p += (p == 2 ? 1 : 2))
    while (mpz_divisible_ui_p(n.get_mpz_t(), p)) {
      out.push_back(p);
      mpz_divexact_ui(n.get_mpz_t(), n.get_mpz_t(), p);
    }
  brentFactors(n, out);
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::uint64_t> ourFactorsOf(std::int64_t value) {
  std::vector<std::uint64_t> out;
  for (const auto& [p, e] : zw::Factorize(value).factors) out.insert(out.end(), static_cast<std::size_t>(e), p);
  return out;
}

void BM_Factorize_Ours(benchmark::State& state) {
  const Kind kind = static_cast<Kind>(state.range(0));
  for (auto _ : state)
    for (std::int64_t n : numbers(kind)) benchmark::DoNotOptimize(zw::Factorize(n).text.size());
  state.SetItemsProcessed(state.iterations() * 100);
}
void BM_Factorize_Peer(benchmark::State& state) {
  const Kind kind = static_cast<Kind>(state.range(0));
  for (auto _ : state)
    for (std::int64_t n : numbers(kind)) benchmark::DoNotOptimize(peerFactorsOf(n).size());
  state.SetItemsProcessed(state.iterations() * 100);
}
// Trial division takes a fifth of a second for one two-prime product: three
// numbers suffice.
void BM_Factorize_TrialDivision(benchmark::State& state) {
  const auto& v = numbers(TwoPrimes);
  for (auto _ : state)
    for (int i = 0; i < 3; ++i) benchmark::DoNotOptimize(zw::FactorizeToTextByTrialDivision(v[i]).size());
  state.SetItemsProcessed(state.iterations() * 3);
}
void BM_Factorize_Ours3(benchmark::State& state) {
  const auto& v = numbers(TwoPrimes);
  for (auto _ : state)
    for (int i = 0; i < 3; ++i) benchmark::DoNotOptimize(zw::FactorizeToText(v[i]).size());
  state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_Factorize_Ours)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Factorize_Peer)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Factorize_Ours3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Factorize_TrialDivision)->Iterations(2)->Unit(benchmark::kMillisecond);

// Both sides must agree before anything is timed: the count of primes,
// twins and triplets of every window, and the factors of every number.
bool sidesAgree() {
  for (int e = 6; e <= 15; e += 3) {
    const std::int64_t a = windowStart(e);
    WindowSieve s(a, a + kSpan);
    s.run();
    const auto lo = static_cast<std::uint64_t>(a), hi = static_cast<std::uint64_t>(a + kSpan);
    if (s.primes().size() != primesieve::count_primes(lo, hi) ||
        static_cast<std::uint64_t>(countTwins(s.primes())) != primesieve::count_twins(lo, hi) ||
        static_cast<std::uint64_t>(countTriplets(s.primes())) != primesieve::count_triplets(lo, hi))
      return false;
  }
  for (Kind kind : {TwoPrimes, Primes, Squares, SmallFactors})
    for (std::int64_t n : numbers(kind))
      if (ourFactorsOf(n) != peerFactorsOf(n)) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  zw::bench::RequireSame(sidesAgree(), "prime counts or factors differ from the peer's");
  zw::bench::TimeReporter reporter;
  zw::bench::RunAll(argc, argv, reporter);
  std::vector<zw::bench::Ratio> rows;
  for (int e = 6; e <= 15; e += 3) {
    const std::string w = "[10^" + std::to_string(e) + ", 10^" + std::to_string(e) + " + 40,000]";
    const std::string arg = "/" + std::to_string(e);
    rows.push_back({"primes of " + w + " / primesieve `generate_primes`", "BM_Window_Ours" + arg,
                    "BM_Window_Primesieve" + arg, e == 12 ? "≤ 3" : e == 15 ? "< 1" : ""});
    rows.push_back({"twins of " + w + " / `count_twins`", "BM_Twins_Ours" + arg, "BM_Twins_Primesieve" + arg, ""});
    rows.push_back({"triplets of " + w + " / `count_triplets`", "BM_Triplets_Ours" + arg,
                    "BM_Triplets_Primesieve" + arg, ""});
  }
  const char* kinds[] = {"9-digit × 10-digit prime", "primes", "squares of primes", "many small factors"};
  for (int k = 0; k < 4; ++k)
    rows.push_back({std::string("factorisation of 18-digit numbers (time per number, 100 of them), ") + kinds[k] +
                        " / Pollard–Brent on GMP integers",
                    "BM_Factorize_Ours/" + std::to_string(k), "BM_Factorize_Peer/" + std::to_string(k),
                    k == 0 ? "≤ 1/3" : "", zw::bench::Against::Peer, 100});
  rows.push_back({"factorisation of a 9-digit × 10-digit prime (time per number) / plain trial division", "BM_Factorize_Ours3",
                  "BM_Factorize_TrialDivision/iterations:2", "≤ 1/200", zw::bench::Against::NaiveMethod, 3});
  zw::bench::PrintRatios("Primes: Zahlwerk time / other time (below 1: ours faster)", reporter.times, rows,
                         reporter.repetitions);
  zw::bench::PrintFigures("Primes", reporter.times,
                          {{"primes of [10^6, 10^6 + 40,000]", "BM_Window_Ours/6", "≤ 0.1 ms"}},
                          reporter.repetitions);
  return 0;
}
