#include "kernel/Primes.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numeric>

#include "kernel/TextSigns.h"

namespace zw {

namespace {

using u64 = std::uint64_t;
using u128 = unsigned __int128;

// ----- Montgomery arithmetic modulo an odd n -------------------------------
// Numbers are kept as x·2^64 mod n, so a product modulo n costs three
// multiplications and no division.
class Montgomery {
public:
  explicit Montgomery(u64 n) : n_(n) {
    u64 inv = n;  // n·n ≡ 1 mod 8: three correct bits to start Newton's iteration
    for (int i = 0; i < 5; ++i) inv *= 2 - n * inv;
    inv_ = inv;
    const u64 r = (0 - n) % n;  // 2^64 mod n
    r2_ = static_cast<u64>(static_cast<u128>(r) * r % n);
    one_ = r;
  }
  u64 n() const { return n_; }
  u64 one() const { return one_; }
  // a·b·2^-64 mod n, for a, b < n.
  u64 mul(u64 a, u64 b) const {
    const u128 t = static_cast<u128>(a) * b;
    const u64 m = static_cast<u64>(t) * inv_;
    const u64 hi = static_cast<u64>(t >> 64);
    const u64 mn = static_cast<u64>((static_cast<u128>(m) * n_) >> 64);
    return hi >= mn ? hi - mn : hi - mn + n_;
  }
  u64 to(u64 a) const { return mul(a % n_, r2_); }
  u64 from(u64 a) const { return mul(a, 1); }
  u64 add(u64 a, u64 b) const {
    const u64 s = a + b;
    return (s < a || s >= n_) ? s - n_ : s;
  }

private:
  u64 n_, inv_ = 0, r2_ = 0, one_ = 0;
};

// The bases of the strong probable-prime test that together decide every
// 64-bit number.
constexpr u64 kBases[] = {2, 325, 9375, 28178, 450775, 9780504, 1795265022};
constexpr int kBaseCount = 7;

// The strong test of odd n > 37 to the given bases, all bases run side by
// side: the squarings of different bases do not wait for each other, which
// keeps the multiplier busy.
template <int K>
bool strongProbablePrime(const Montgomery& m, const u64 (&bases)[K], u64 d, int s) {
  const u64 one = m.one();
  const u64 minusOne = m.n() - one;
  u64 x[K], b[K];
  bool skip[K];
  for (int i = 0; i < K; ++i) {
    const u64 a = bases[i] % m.n();
    skip[i] = a == 0;  // a base that is a multiple of n says nothing
    b[i] = m.to(a);
    x[i] = one;
  }
  for (int bit = 63 - __builtin_clzll(d); bit >= 0; --bit) {
    for (int i = 0; i < K; ++i) x[i] = m.mul(x[i], x[i]);
    if ((d >> bit) & 1)
      for (int i = 0; i < K; ++i) x[i] = m.mul(x[i], b[i]);
  }
  for (int i = 0; i < K; ++i) {
    if (skip[i] || x[i] == one || x[i] == minusOne) continue;
    bool composite = true;
    for (int r = 1; r < s && composite; ++r) {
      x[i] = m.mul(x[i], x[i]);
      if (x[i] == minusOne) composite = false;
    }
    if (composite) return false;
  }
  return true;
}

constexpr u64 kSmallPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

bool isPrimeOddLarge(u64 n) {
  u64 d = n - 1;
  int s = 0;
  while ((d & 1) == 0) {
    d >>= 1;
    ++s;
  }
  const Montgomery m(n);
  // Base 2 alone first: most composites fail there, and need no more. A
  // multiplication by the base 2 is an addition.
  const u64 one = m.one();
  const u64 minusOne = n - one;
  u64 x = one;
  for (int bit = 63 - __builtin_clzll(d); bit >= 0; --bit) {
    x = m.mul(x, x);
    if ((d >> bit) & 1) x = m.add(x, x);
  }
  if (x != one && x != minusOne) {
    bool composite = true;
    for (int r = 1; r < s && composite; ++r) {
      x = m.mul(x, x);
      if (x == minusOne) composite = false;
    }
    if (composite) return false;
  }
  // Below these bounds fewer small prime bases decide (Jaeschke's bounds).
  static constexpr u64 upTo5[4] = {3, 5, 7, 11};
  static constexpr u64 upTo6[5] = {3, 5, 7, 11, 13};
  if (n < 2152302898747ULL) return strongProbablePrime(m, upTo5, d, s);
  if (n < 3474749660383ULL) return strongProbablePrime(m, upTo6, d, s);
  static constexpr u64 rest[kBaseCount - 1] = {kBases[1], kBases[2], kBases[3], kBases[4], kBases[5], kBases[6]};
  return strongProbablePrime(m, rest, d, s);
}

// ----- Pollard–Brent rho ----------------------------------------------------

constexpr u64 kTrialLimit = 1000;

// A proper factor of the odd composite n, which has no prime factor below
// kTrialLimit. The walk x -> x² + c and the product of differences run in
// Montgomery form; a gcd is taken every `batch` steps.
u64 rhoFactor(u64 n) {
  const Montgomery m(n);
  for (u64 c0 = 1;; ++c0) {
    const u64 c = m.to(c0);
    auto f = [&m, c](u64 v) { return m.add(m.mul(v, v), c); };
    u64 y = m.to(2), x = y, ys = y, q = m.one(), g = 1;
    constexpr u64 batch = 128;
    for (u64 r = 1; g == 1; r <<= 1) {
      x = y;
      for (u64 i = 0; i < r; ++i) y = f(y);
      for (u64 k = 0; k < r && g == 1; k += batch) {
        ys = y;
        const u64 steps = std::min(batch, r - k);
        for (u64 i = 0; i < steps; ++i) {
          y = f(y);
          q = m.mul(q, x > y ? x - y : y - x);
        }
        g = std::gcd(q, n);
      }
    }
    if (g == n) {  // the batch overshot: step back one at a time
      do {
        ys = f(ys);
        g = std::gcd(x > ys ? x - ys : ys - x, n);
      } while (g == 1);
    }
    if (g != n) return g;
  }
}

void collectFactors(u64 n, std::vector<u64>& primes) {
  if (n == 1) return;
  if (IsPrimeU64(n)) {
    primes.push_back(n);
    return;
  }
  // A square is split by its root at once (rho would walk for it).
  u64 root = static_cast<u64>(sqrtl(static_cast<long double>(n)));
  while (static_cast<u128>(root) * root > n) --root;
  while (static_cast<u128>(root + 1) * (root + 1) <= n) ++root;
  if (static_cast<u128>(root) * root == n) {
    collectFactors(root, primes);
    collectFactors(root, primes);
    return;
  }
  const u64 d = rhoFactor(n);
  collectFactors(d, primes);
  collectFactors(n / d, primes);
}

std::u16string decimal(std::int64_t n) {
  const std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

std::u16string decimalU(u64 n) {
  const std::string s = std::to_string(n);
  return std::u16string(s.begin(), s.end());
}

// ----- base primes ------------------------------------------------------------

// The primes up to `bound` by the sieve of Eratosthenes.
std::vector<std::uint32_t> primesUpTo(std::uint32_t bound) {
  std::vector<bool> composite(bound + 1, false);
  for (std::uint32_t q = 2; q * q <= bound; ++q)
    if (!composite[q])
      for (std::uint32_t k = q * q; k <= bound; k += q) composite[k] = true;
  std::vector<std::uint32_t> list;
  for (std::uint32_t q = 2; q <= bound; ++q)
    if (!composite[q]) list.push_back(q);
  return list;
}

const std::vector<std::uint32_t>& basePrimeList() {
  static std::vector<std::uint32_t> list;
  static std::once_flag once;
  std::call_once(once, [] { list = primesUpTo(BasePrimeBound); });
  return list;
}

// The primes up to FullSieveRoot, for windows sieved completely: below
// FullSieveRoot² a full sieve costs less than confirming every survivor.
constexpr std::uint32_t kFullSieveRoot = 1'500'000;

const std::vector<std::uint32_t>& sievingPrimeList() {
  static std::vector<std::uint32_t> list;
  static std::once_flag once;
  std::call_once(once, [] { list = primesUpTo(kFullSieveRoot); });
  return list;
}

}  // namespace

// ----- prime table --------------------------------------------------------------

std::int32_t PrimeTableEntry(int k) {
  if (k < 1 || k > PrimeTableSize) return 0;
  return static_cast<std::int32_t>(basePrimeList()[static_cast<std::size_t>(k - 1)]);
}

std::span<const std::uint32_t> BasePrimes() { return basePrimeList(); }

// ----- primality and factorisation -------------------------------------------

bool IsPrimeU64(u64 n) {
  if (n < 2) return false;
  for (u64 p : kSmallPrimes)
    if (n % p == 0) return n == p;
  if (n < 37 * 37) return true;
  return isPrimeOddLarge(n);
}

std::vector<std::pair<u64, int>> PrimeFactorsU64(u64 n) {
  if (n < 2) return {};
  std::vector<u64> primes;
  for (u64 p = 2; p < kTrialLimit && p * p <= n; p += (p == 2 ? 1 : 2)) {
    while (n % p == 0) {
      primes.push_back(p);
      n /= p;
    }
  }
  if (n > 1) collectFactors(n, primes);
  std::sort(primes.begin(), primes.end());
  std::vector<std::pair<u64, int>> out;
  for (u64 p : primes) {
    if (!out.empty() && out.back().first == p)
      ++out.back().second;
    else
      out.emplace_back(p, 1);
  }
  return out;
}

std::u16string FactorText(const std::vector<std::pair<u64, int>>& factors, std::int64_t n) {
  if (factors.empty()) return decimal(n);
  std::u16string s;
  for (const auto& [p, e] : factors) {
    if (!s.empty()) s += std::u16string(u" ") + ksym::MulDotSign + u" ";
    s += decimalU(p);
    if (e > 1) s += ksym::SupScriptDigits(e);
  }
  return s;
}

Factorization Factorize(std::int64_t n) {
  Factorization f;
  if (n >= 2) f.factors = PrimeFactorsU64(static_cast<u64>(n));
  f.text = FactorText(f.factors, n);
  return f;
}

std::u16string FactorizeToText(std::int64_t n) { return Factorize(n).text; }

std::u16string FactorizeToTextByTrialDivision(std::int64_t n) {
  std::vector<std::pair<u64, int>> factors;
  std::int64_t m = n;
  auto divideOut = [&](std::int64_t p) {
    int j = 0;
    while (m % p == 0) {
      m /= p;
      ++j;
    }
    if (j > 0) factors.emplace_back(static_cast<u64>(p), j);
  };
  for (int k = 1; k <= PrimeTableSize && m > 1; ++k) divideOut(PrimeTableEntry(k));
  if (m > 1) {
    const long double r = sqrtl(static_cast<long double>(m) + 1.0L);
    for (std::int64_t e = 99990; static_cast<long double>(e - 1) < r; e += 6) {
      divideOut(e - 1);
      divideOut(e + 1);
    }
  }
  if (m > 1) factors.emplace_back(static_cast<u64>(m), 1);
  return FactorText(factors, n);
}

// ----- window sieve ------------------------------------------------------------

WindowSieve::WindowSieve(std::int64_t a, std::int64_t b) : a_(std::max<std::int64_t>(a, 0)), b_(b) {
  if (b_ - a_ > MaxSpan) b_ = a_ + MaxSpan;
}

bool WindowSieve::step() {
  switch (phase_) {
    case Phase::Start: start(); break;
    case Phase::Sieve: sieveBatch(); break;
    case Phase::Confirm: confirmBatch(); break;
    case Phase::Done: break;
  }
  return phase_ != Phase::Done;
}

void WindowSieve::start() {
  const auto& base = basePrimeList();
  if (b_ < a_) {
    phase_ = Phase::Done;
    return;
  }
  if (b_ < SmallWindowBound) {
    for (auto it = std::lower_bound(base.begin(), base.end(), static_cast<std::uint32_t>(a_));
         it != base.end() && *it <= b_; ++it)
      primes_.push_back(*it);
    phase_ = Phase::Done;
    return;
  }
  // Above the base list only odd numbers can be prime (a >= b − 40,000 > 2).
  firstOdd_ = a_ | 1;
  odd_.assign(b_ >= firstOdd_ ? static_cast<std::size_t>((b_ - firstOdd_) / 2 + 1) : 0, 1);
  // Every composite below 147,456² has a prime factor in the base list, and
  // below 1,500,000² one among the sieving primes. Higher windows are
  // thinned by the base primes and their survivors confirmed.
  const bool full = static_cast<u64>(b_) < static_cast<u64>(kFullSieveRoot) * kFullSieveRoot;
  sieving_ = full && static_cast<u64>(b_) >= static_cast<u64>(BasePrimeBound) * BasePrimeBound
                 ? &sievingPrimeList()
                 : &base;
  confirm_ = !full;
  phase_ = Phase::Sieve;
}

void WindowSieve::sieveBatch() {
  constexpr std::size_t batch = 4096;
  const auto& base = *sieving_;
  const std::size_t end = std::min(base.size(), nextBase_ + batch);
  const u64 lo = static_cast<u64>(firstOdd_);
  const std::size_t size = odd_.size();
  for (; nextBase_ < end; ++nextBase_) {
    const u64 p = base[nextBase_];
    if (p * p > static_cast<u64>(b_)) {
      nextBase_ = base.size();
      break;
    }
    // The first odd multiple of p in the window, never p itself.
    u64 first = std::max(p * p, (lo + p - 1) / p * p);
    if ((first & 1) == 0) first += p;
    for (std::size_t k = static_cast<std::size_t>((first - lo) / 2); k < size; k += p) odd_[k] = 0;
  }
  if (nextBase_ >= base.size()) phase_ = Phase::Confirm;
}

void WindowSieve::confirmBatch() {
  // Without confirmation every survivor is prime: it has no prime factor up
  // to √b. Otherwise each survivor goes through the primality test.
  const std::size_t batch = confirm_ ? 256 : odd_.size();
  const std::size_t end = std::min(odd_.size(), nextCandidate_ + batch);
  for (; nextCandidate_ < end; ++nextCandidate_) {
    if (!odd_[nextCandidate_]) continue;
    const std::int64_t m = firstOdd_ + 2 * static_cast<std::int64_t>(nextCandidate_);
    if (!confirm_ || isPrimeOddLarge(static_cast<u64>(m))) primes_.push_back(m);
  }
  if (nextCandidate_ >= odd_.size()) {
    phase_ = Phase::Done;
    odd_.clear();
    odd_.shrink_to_fit();
  }
}

}  // namespace zw
