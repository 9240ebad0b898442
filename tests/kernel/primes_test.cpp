// The prime module: the table, the factorisation against the trial-division
// reference and against multiplication, and the window sieve against
// primesieve (a test-only oracle).
#include <gtest/gtest.h>
#include <primesieve.hpp>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "kernel/Primes.h"
#include "tests/kernel/poly_helpers.h"

namespace zw {
namespace {

using testing_poly::utf8;

std::vector<std::int64_t> sieve(std::int64_t a, std::int64_t b) {
  WindowSieve s(a, b);
  s.run();
  return s.primes();
}

std::vector<std::int64_t> oracle(std::int64_t a, std::int64_t b) {
  std::vector<std::int64_t> p;
  if (b >= a) primesieve::generate_primes(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b), &p);
  return p;
}

TEST(PrimeTable, EntriesFollowTheSequenceOfPrimes) {
  EXPECT_EQ(PrimeTableEntry(1), 2);
  EXPECT_EQ(PrimeTableEntry(2), 3);
  EXPECT_EQ(PrimeTableEntry(100), 541);
  EXPECT_EQ(PrimeTableEntry(1000), 7919);
  EXPECT_EQ(PrimeTableEntry(9999), 104723);
  EXPECT_EQ(PrimeTableEntry(10000), 104729);
  // Outside the table there is no entry.
  EXPECT_EQ(PrimeTableEntry(0), 0);
  EXPECT_EQ(PrimeTableEntry(10001), 0);
  std::vector<std::int32_t> first;
  primesieve::generate_n_primes(PrimeTableSize, &first);
  for (int k = 1; k <= PrimeTableSize; ++k) ASSERT_EQ(PrimeTableEntry(k), first[k - 1]) << k;
}

TEST(BasePrimes, AreThePrimesUpTo147456) {
  const auto base = BasePrimes();
  EXPECT_EQ(base.size(), 13631u);
  EXPECT_EQ(base.front(), 2u);
  EXPECT_EQ(base.back(), 147451u);
}

TEST(Factorize, EdgeCasesOfTheText) {
  struct Case {
    std::int64_t n;
    const char* text;
  } cases[] = {
      {0, "0"},
      {1, "1"},
      {-12, "-12"},
      {INT64_MIN, "-9223372036854775808"},
      {2, "2"},
      {360, "2³ · 3² · 5"},
      {104729, "104729"},
      {104729LL * 104729, "104729²"},
      {1LL << 62, "2⁶²"},
      {1000003LL * 1000033, "1000003 · 1000033"},
      {INT64_MAX, "7² · 73 · 127 · 337 · 92737 · 649657"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf8(FactorizeToText(c.n)), c.text) << c.n;
    EXPECT_EQ(utf8(FactorizeToTextByTrialDivision(c.n)), c.text) << c.n;
  }
  EXPECT_TRUE(Factorize(97).isPrime());
  EXPECT_FALSE(Factorize(1).isPrime());
  EXPECT_FALSE(Factorize(49).isPrime());
}

TEST(Factorize, MatchesTrialDivisionBelow10To12) {
  std::mt19937_64 rng(1234);
  std::uniform_int_distribution<std::int64_t> dist(2, 1'000'000'000'000LL);
  for (int i = 0; i < 3000; ++i) {
    const std::int64_t n = dist(rng);
    ASSERT_EQ(FactorizeToText(n), FactorizeToTextByTrialDivision(n)) << n;
  }
}

TEST(Factorize, RandomProductsMultiplyBackToPrimeFactors) {
  std::mt19937_64 rng(99);
  for (int i = 0; i < 400; ++i) {
    // Two to four random factors, the product inside the signed range.
    std::int64_t n = 1;
    const int parts = 2 + static_cast<int>(rng() % 3);
    for (int k = 0; k < parts; ++k) {
      const std::uint64_t bits = 62 / parts;
      const std::int64_t f = 2 + static_cast<std::int64_t>(rng() % ((1ULL << bits) - 2));
      n *= f;
    }
    const Factorization f = Factorize(n);
    unsigned __int128 product = 1;
    std::uint64_t previous = 0;
    for (const auto& [p, e] : f.factors) {
      EXPECT_TRUE(IsPrimeU64(p)) << p << " in " << n;
      EXPECT_GT(p, previous);
      EXPECT_GE(e, 1);
      previous = p;
      for (int k = 0; k < e; ++k) product *= p;
    }
    ASSERT_TRUE(product == static_cast<unsigned __int128>(n)) << n;
  }
}

TEST(IsPrimeU64, AgreesWithPrimesieveAndKnownHardCases) {
  std::vector<std::uint64_t> primes;
  primesieve::generate_primes(0, 200000, &primes);
  std::size_t k = 0;
  for (std::uint64_t n = 0; n <= 200000; ++n) {
    const bool prime = k < primes.size() && primes[k] == n;
    if (prime) ++k;
    ASSERT_EQ(IsPrimeU64(n), prime) << n;
  }
  // Strong pseudoprimes to several small bases, and the largest 64-bit prime.
  EXPECT_FALSE(IsPrimeU64(3215031751ULL));
  EXPECT_FALSE(IsPrimeU64(2152302898747ULL));  // strong pseudoprime to the bases 2 ... 11
  EXPECT_FALSE(IsPrimeU64(3474749660383ULL));  // ... and to 2 ... 13
  EXPECT_FALSE(IsPrimeU64(3825123056546413051ULL));
  EXPECT_TRUE(IsPrimeU64(18446744073709551557ULL));
  EXPECT_FALSE(IsPrimeU64(18446744073709551557ULL - 2));
}

TEST(WindowSieve, EdgeCases) {
  EXPECT_EQ(sieve(1, 30), (std::vector<std::int64_t>{2, 3, 5, 7, 11, 13, 17, 19, 23, 29}));
  EXPECT_EQ(sieve(0, 2), (std::vector<std::int64_t>{2}));
  EXPECT_EQ(sieve(13, 13), (std::vector<std::int64_t>{13}));
  EXPECT_TRUE(sieve(14, 16).empty());
  EXPECT_TRUE(sieve(20, 10).empty());
  // The small-window end: the last base prime, and nothing read beyond it.
  EXPECT_EQ(sieve(147400, 147454), (std::vector<std::int64_t>{147401, 147409, 147419, 147449, 147451}));
  // The first large window.
  EXPECT_EQ(sieve(147400, 147455), oracle(147400, 147455));
  EXPECT_EQ(sieve(1'000'000'000'000LL, 1'000'000'000'100LL),
            (std::vector<std::int64_t>{1000000000039LL, 1000000000061LL, 1000000000063LL, 1000000000091LL}));
  // The window is cut to 40,000 above a.
  WindowSieve cut(1000, 100000);
  EXPECT_EQ(cut.upper(), 41000);
  cut.run();
  EXPECT_EQ(cut.primes().back(), oracle(1000, 41000).back());
}

TEST(WindowSieve, MatchesPrimesieveOnRandomWindows) {
  std::mt19937_64 rng(7);
  // Windows spread over the magnitudes from 10^4 to 10^15.
  for (int i = 0; i < 60; ++i) {
    const double exponent = 4.0 + 11.0 * static_cast<double>(rng() % 1000) / 1000.0;
    const auto a = static_cast<std::int64_t>(std::pow(10.0, exponent));
    const std::int64_t b = a + static_cast<std::int64_t>(rng() % 40001);
    ASSERT_EQ(sieve(a, b), oracle(a, b)) << a << " .. " << b;
  }
  for (std::int64_t a : {1'000'000'000'000'000LL - 40000, 1'000'000'000'000'000LL, 21'743'000'000LL,
                         2'152'302'898'747LL - 20000, 3'474'749'660'383LL - 20000})
    ASSERT_EQ(sieve(a, a + 40000), oracle(a, a + 40000)) << a;
}

TEST(WindowSieve, RunsInSeveralStepsThatCanBeResumed) {
  WindowSieve s(1'000'000'000'000'000LL, 1'000'000'000'040'000LL);
  int steps = 0;
  while (s.step()) ++steps;
  EXPECT_TRUE(s.done());
  EXPECT_GT(steps, 3);  // sieving and confirming come in parts
  EXPECT_FALSE(s.step());
  EXPECT_EQ(s.primes(), oracle(1'000'000'000'000'000LL, 1'000'000'000'040'000LL));
}

}  // namespace
}  // namespace zw
