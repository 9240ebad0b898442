#pragma once
// Primes for the number-theory topics, in one place: the table of the first
// 10,000 primes, the deterministic 64-bit primality test, the factorisation
// of a signed 64-bit number (with its text "2³ · 3² · 5"), the base primes
// and the window sieve that lists the primes of [a, b] for b − a ≤ 40,000.
//
// The base primes are built once per run and never change afterwards, so
// any number of windows and threads may read them. Everything else is a value
// or an object its caller owns: two runs never share a buffer.
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace zw {

// ----- the prime table ------------------------------------------------------

inline constexpr int PrimeTableSize = 10000;
// The k-th prime for k = 1 ... 10,000 (2, 3, 5, ..., 104729); 0 outside.
std::int32_t PrimeTableEntry(int k);

// ----- primality and factorisation -----------------------------------------

// Deterministic for the whole 64-bit range (Miller–Rabin with a fixed set of
// bases that decides every 64-bit number).
bool IsPrimeU64(std::uint64_t n);
// The prime factors of n >= 2 with their exponents, primes ascending
// (trial division by the small primes, Pollard–Brent rho beyond);
// n <= 1 gives no factors.
std::vector<std::pair<std::uint64_t, int>> PrimeFactorsU64(std::uint64_t n);

struct Factorization {
  std::vector<std::pair<std::uint64_t, int>> factors;  // empty for n < 2
  std::u16string text;  // "2³ · 3² · 5"; n itself for a prime and for n < 2
  bool isPrime() const { return factors.size() == 1 && factors.front().second == 1; }
};
Factorization Factorize(std::int64_t n);
// Factorize(n).text.
std::u16string FactorizeToText(std::int64_t n);
// The same text by plain trial division (the table, then the divisors 6k ± 1
// up to the square root): slow for large prime factors, kept as the
// reference the fast factorisation must match.
std::u16string FactorizeToTextByTrialDivision(std::int64_t n);
// The text of a factor list; for an empty list the decimal text of n.
std::u16string FactorText(const std::vector<std::pair<std::uint64_t, int>>& factors, std::int64_t n);

// ----- the sieve ------------------------------------------------------------

// The base primes: every prime up to 147,456, that is 2 ... 147,451 (13,631
// of them), built on first use.
inline constexpr std::uint32_t BasePrimeBound = 147456;
std::span<const std::uint32_t> BasePrimes();

// The primes p with a <= p <= b of one window, computed in resumable steps so
// that a window of the user interface can let the event loop run between them.
// b is cut to a + MaxSpan; a below 0 counts as 0, and b < a gives no primes.
// A window whose upper end is below SmallWindowBound is read from the base
// primes; a higher one is sieved by the primes up to √b, and above 2.25·10^12,
// where that costs more than a primality test of the survivors, by the base
// primes only, every survivor then confirmed by the primality test.
class WindowSieve {
public:
  static constexpr std::int64_t MaxSpan = 40000;
  static constexpr std::int64_t SmallWindowBound = 147455;

  WindowSieve(std::int64_t a, std::int64_t b);

  // One phase of the work (reading the base list, sieving by a batch of base
  // primes, confirming a batch of survivors). False once nothing is left.
  bool step();
  void run() {
    while (step()) {
    }
  }
  bool done() const { return phase_ == Phase::Done; }

  std::int64_t lower() const { return a_; }
  std::int64_t upper() const { return b_; }
  // The primes found so far, ascending; complete once done().
  const std::vector<std::int64_t>& primes() const { return primes_; }

private:
  enum class Phase { Start, Sieve, Confirm, Done };
  void start();
  void sieveBatch();
  void confirmBatch();

  std::int64_t a_ = 0, b_ = -1;
  Phase phase_ = Phase::Start;
  std::int64_t firstOdd_ = 0;        // the odd number candidate 0 stands for
  std::vector<std::uint8_t> odd_;    // 1: candidate k = firstOdd_ + 2k may be prime
  std::size_t nextBase_ = 1;         // next base prime to sieve with (index; 3 is index 1)
  std::size_t nextCandidate_ = 0;    // next candidate to collect or confirm
  const std::vector<std::uint32_t>* sieving_ = nullptr;  // the primes sieved with
  bool confirm_ = false;             // the sieving primes do not reach √b
  std::vector<std::int64_t> primes_;
};

}  // namespace zw
