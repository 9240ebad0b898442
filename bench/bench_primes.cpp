// Speed of the prime module against primesieve (windows of 40,001 numbers,
// twins and triplets) and GMP-ECM (factorisation of 18-digit numbers), and
// of the factorisation against plain trial division. primesieve and GMP-ECM
// are comparison libraries of this benchmark only.
#include <benchmark/benchmark.h>
#include <ecm.h>
#include <gmp.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <primesieve.hpp>
#include <vector>

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

// GMP-ECM: a probable-prime test to stop, one curve with B1 = 2000 per call
// until a factor splits off. The prime factors, ascending.
void ecmFactors(mpz_t n, std::vector<std::uint64_t>& out) {
  if (mpz_cmp_ui(n, 1) == 0) return;
  if (mpz_probab_prime_p(n, 25)) {
    out.push_back(mpz_get_ui(n));
    return;
  }
  mpz_t f, rest;
  mpz_init(f);
  mpz_init(rest);
  // A curve finds all small factors at once (and both of a square), giving
  // back n itself: small primes go by trial division, squares by a root.
  for (unsigned long p = 2; p < 1000; p += (p == 2 ? 1 : 2)) {
    if (mpz_divisible_ui_p(n, p)) {
      mpz_set_ui(f, p);
      mpz_divexact_ui(rest, n, p);
      out.push_back(p);
      ecmFactors(rest, out);
      mpz_clear(f);
      mpz_clear(rest);
      return;
    }
  }
  if (mpz_perfect_square_p(n)) {
    mpz_sqrt(f, n);
    ecmFactors(f, out);
    ecmFactors(f, out);
    mpz_clear(f);
    mpz_clear(rest);
    return;
  }
  for (;;) {
    if (ecm_factor(f, n, 2000.0, nullptr) > 0 && mpz_cmp(f, n) != 0 && mpz_cmp_ui(f, 1) != 0) break;
  }
  mpz_divexact(rest, n, f);
  ecmFactors(f, out);
  ecmFactors(rest, out);
  mpz_clear(f);
  mpz_clear(rest);
}

std::vector<std::uint64_t> ecmFactorsOf(std::int64_t value) {
  mpz_t n;
  mpz_init_set_ui(n, static_cast<unsigned long>(value));
  std::vector<std::uint64_t> out;
  ecmFactors(n, out);
  mpz_clear(n);
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::uint64_t> ourFactorsOf(std::int64_t value) {
  std::vector<std::uint64_t> out;
  for (const auto& [p, e] : zw::Factorize(value).factors) out.insert(out.end(), static_cast<std::size_t>(e), p);
  return out;
}

// Both sides must agree before anything is timed.
void checkAgreement(Kind kind) {
  for (std::int64_t n : numbers(kind))
    if (ourFactorsOf(n) != ecmFactorsOf(n)) throw std::runtime_error("factorisations differ");
}

void BM_Factorize_Ours(benchmark::State& state) {
  const Kind kind = static_cast<Kind>(state.range(0));
  checkAgreement(kind);
  for (auto _ : state)
    for (std::int64_t n : numbers(kind)) benchmark::DoNotOptimize(zw::Factorize(n).text.size());
  state.SetItemsProcessed(state.iterations() * 100);
}
void BM_Factorize_Ecm(benchmark::State& state) {
  const Kind kind = static_cast<Kind>(state.range(0));
  for (auto _ : state)
    for (std::int64_t n : numbers(kind)) benchmark::DoNotOptimize(ecmFactorsOf(n).size());
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
BENCHMARK(BM_Factorize_Ecm)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Factorize_Ours3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Factorize_TrialDivision)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
