#include "kernel/BigInt.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "kernel/CalcFailure.h"

namespace zw {

namespace {

using u64 = std::uint64_t;
using u128 = unsigned __int128;

// Magnitudes in base 10^9, least significant limb first, without leading zero
// limbs (zero is the empty vector).
using Limbs = std::vector<u64>;

constexpr u64 kBase = 1000000000ULL;
constexpr u64 kWide = 1000000000000000000ULL;  // 10^18, the limb base of multiplication
// Limb counts: at most 1119 for a product, 1120 otherwise.
constexpr int kMaxLimbs = BigIntMaxLimbs;
constexpr int kProductLimbs = BigIntMaxLimbs - 1;
const std::u16string kOverflowText = u"  *** OVERFLOW ***";

void trim(Limbs& a) {
  while (!a.empty() && a.back() == 0) a.pop_back();
}

int limbCount(const TBigInt& a) {
  const std::int64_t n = a[0] < 0 ? -a[0] : a[0];
  return static_cast<int>(std::min<std::int64_t>(n, BigIntMaxLimbs));
}
bool negative(const TBigInt& a) { return a[0] < 0; }

Limbs magnitude(const TBigInt& a) {
  Limbs r(a.begin() + 1, a.begin() + 1 + limbCount(a));
  trim(r);
  return r;
}

void setOverflow(TBigInt& c) { c.fill(0); }

// c := ±m; more than maxLimbs limbs give the overflow state.
void store(const Limbs& m, bool neg, TBigInt& c, int maxLimbs = kMaxLimbs) {
  if (static_cast<int>(m.size()) > maxLimbs) {
    setOverflow(c);
    return;
  }
  c.fill(0);
  const int n = std::max<int>(1, static_cast<int>(m.size()));
  std::copy(m.begin(), m.end(), c.begin() + 1);
  c[0] = neg ? -n : n;
}

int compare(const Limbs& a, const Limbs& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (size_t i = a.size(); i-- > 0;)
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  return 0;
}

Limbs add(const Limbs& a, const Limbs& b) {
  const Limbs& x = a.size() >= b.size() ? a : b;
  const Limbs& y = a.size() >= b.size() ? b : a;
  Limbs r(x.size() + 1);
  u64 carry = 0;
  for (size_t i = 0; i < x.size(); ++i) {
    u64 s = x[i] + (i < y.size() ? y[i] : 0) + carry;
    carry = s >= kBase;
    r[i] = carry ? s - kBase : s;
  }
  r[x.size()] = carry;
  trim(r);
  return r;
}

// a - b for a ≥ b.
Limbs sub(const Limbs& a, const Limbs& b) {
  Limbs r(a.size());
  std::int64_t borrow = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    std::int64_t d = static_cast<std::int64_t>(a[i]) - (i < b.size() ? static_cast<std::int64_t>(b[i]) : 0) - borrow;
    borrow = d < 0;
    r[i] = static_cast<u64>(borrow ? d + static_cast<std::int64_t>(kBase) : d);
  }
  trim(r);
  return r;
}

Limbs mulSmall(const Limbs& a, u64 k) {  // k < 10^9
  Limbs r(a.size() + 1);
  u64 carry = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    u64 p = a[i] * k + carry;
    r[i] = p % kBase;
    carry = p / kBase;
  }
  r[a.size()] = carry;
  trim(r);
  return r;
}

// q := a div k, returns a mod k (1 ≤ k < 10^9).
u64 divSmall(const Limbs& a, u64 k, Limbs& q) {
  q.assign(a.size(), 0);
  u64 rem = 0;
  for (size_t i = a.size(); i-- > 0;) {
    u64 v = rem * kBase + a[i];
    q[i] = v / k;
    rem = v % k;
  }
  trim(q);
  return rem;
}

// ---- multiplication in base 10^18 (Karatsuba above a threshold) ------------

constexpr size_t kKaratsubaThreshold = 40;

// Column-wise products with a 128-bit accumulator; min(na, nb) is small, so a
// column sum stays far below 2^128.
void mulBasecase(const u64* a, size_t na, const u64* b, size_t nb, u64* r) {
  u128 carry = 0;
  for (size_t k = 0; k + 1 < na + nb; ++k) {
    u128 acc = carry;
    const size_t lo = k >= nb ? k - nb + 1 : 0;
    const size_t hi = std::min(k, na - 1);
    for (size_t i = lo; i <= hi; ++i) acc += static_cast<u128>(a[i]) * b[k - i];
    const u64 high = static_cast<u64>(acc >> 64);
    if (high == 0) {
      const u64 low = static_cast<u64>(acc);
      r[k] = low % kWide;
      carry = low / kWide;
    } else {
      r[k] = static_cast<u64>(acc % kWide);
      carry = acc / kWide;
    }
  }
  r[na + nb - 1] = static_cast<u64>(carry);
}

// r[0..rn) += x[0..xn); the sum fits in rn limbs.
void addInto(u64* r, size_t rn, const u64* x, size_t xn) {
  u64 carry = 0;
  size_t i = 0;
  for (; i < xn; ++i) {
    u64 s = r[i] + x[i] + carry;
    carry = s >= kWide;
    r[i] = carry ? s - kWide : s;
  }
  for (; carry && i < rn; ++i) {
    u64 s = r[i] + 1;
    carry = s >= kWide;
    r[i] = carry ? 0 : s;
  }
}

// r[0..rn) -= x[0..xn); the difference is not negative.
void subFrom(u64* r, size_t rn, const u64* x, size_t xn) {
  u64 borrow = 0;
  size_t i = 0;
  for (; i < xn; ++i) {
    u64 d = x[i] + borrow;
    borrow = r[i] < d;
    r[i] = borrow ? r[i] + kWide - d : r[i] - d;
  }
  for (; borrow && i < rn; ++i) {
    borrow = r[i] == 0;
    r[i] = borrow ? kWide - 1 : r[i] - 1;
  }
}

size_t used(const u64* a, size_t n) {
  while (n > 0 && a[n - 1] == 0) --n;
  return n;
}

// r[0..na+nb) := a·b.
void mulRec(const u64* a, size_t na, const u64* b, size_t nb, u64* r) {
  if (na < nb) {
    std::swap(a, b);
    std::swap(na, nb);
  }
  std::fill(r, r + na + nb, 0);
  if (nb == 0) return;
  if (nb < kKaratsubaThreshold) {
    mulBasecase(a, na, b, nb, r);
    return;
  }
  if (na >= 2 * nb) {
    // Unbalanced: multiply slices of a as long as b.
    std::vector<u64> t(2 * nb);
    for (size_t off = 0; off < na; off += nb) {
      const size_t len = std::min(nb, na - off);
      mulRec(a + off, len, b, nb, t.data());
      addInto(r + off, na + nb - off, t.data(), len + nb);
    }
    return;
  }
  const size_t m = na / 2;  // nb > m
  const u64 *a0 = a, *a1 = a + m, *b0 = b, *b1 = b + m;
  const size_t na1 = na - m, nb1 = nb - m;
  // z0 = a0·b0 and z2 = a1·b1 go straight into r.
  mulRec(a0, m, b0, m, r);
  mulRec(a1, na1, b1, nb1, r + 2 * m);
  std::vector<u64> sa(na1 + 1, 0), sb(std::max(m, nb1) + 1, 0);
  std::copy(a1, a1 + na1, sa.begin());
  addInto(sa.data(), sa.size(), a0, m);
  std::copy(b0, b0 + m, sb.begin());
  addInto(sb.data(), sb.size(), b1, nb1);
  const size_t la = used(sa.data(), sa.size()), lb = used(sb.data(), sb.size());
  std::vector<u64> z1(la + lb + 1, 0);
  mulRec(sa.data(), la, sb.data(), lb, z1.data());
  subFrom(z1.data(), z1.size(), r, used(r, 2 * m));
  subFrom(z1.data(), z1.size(), r + 2 * m, used(r + 2 * m, na1 + nb1));
  addInto(r + m, na + nb - m, z1.data(), used(z1.data(), z1.size()));
}

std::vector<u64> toWide(const Limbs& a) {
  std::vector<u64> w((a.size() + 1) / 2);
  for (size_t i = 0; i < a.size(); ++i) w[i / 2] += (i % 2 ? a[i] * kBase : a[i]);
  return w;
}

Limbs mul(const Limbs& a, const Limbs& b) {
  if (a.empty() || b.empty()) return {};
  if (b.size() == 1) return mulSmall(a, b[0]);
  if (a.size() == 1) return mulSmall(b, a[0]);
  const std::vector<u64> wa = toWide(a), wb = toWide(b);
  std::vector<u64> wr(wa.size() + wb.size());
  mulRec(wa.data(), wa.size(), wb.data(), wb.size(), wr.data());
  Limbs r(2 * wr.size());
  for (size_t i = 0; i < wr.size(); ++i) {
    r[2 * i] = wr[i] % kBase;
    r[2 * i + 1] = wr[i] / kBase;
  }
  trim(r);
  return r;
}

// ---- division ---------------------------------------------------------------

// x = h·B + l with 0 ≤ l < B (floor division of a signed value).
inline std::int64_t floorSplit(std::int64_t x, std::int64_t& low) {
  constexpr std::int64_t B = static_cast<std::int64_t>(kBase);
  std::int64_t h = x / B;
  low = x - h * B;
  if (low < 0) {
    --h;
    low += B;
  }
  return h;
}

// Cells from..to-1 into [0, B), the carry added to cell `to`.
void normalizeCells(std::int64_t* u, size_t from, size_t to) {
  std::int64_t carry = 0;
  for (size_t k = from; k < to; ++k) carry = floorSplit(u[k] + carry, u[k]);
  u[to] += carry;
}

// Brings cells from..to-1 back to a few times B in size, the last carry
// added to cell `to`: each cell keeps its low part plus the high part of the
// cell below. No carry runs through the divisions, so the cells are split
// independently.
void reduceCells(std::int64_t* u, size_t from, size_t to) {
  std::int64_t below = 0;
  for (size_t k = from; k < to; ++k) {
    std::int64_t low = 0;
    const std::int64_t high = floorSplit(u[k], low);
    u[k] = low + below;
    below = high;
  }
  u[to] += below;
}

// Schoolbook division in base 10^9 (Knuth's algorithm D with a different
// quotient step). Each quotient digit is estimated in floating point from the
// top cells of the remainder and the divisor, rounded to nearest, so digits
// may be slightly negative or one too large: the remainder stays within half
// the divisor either way, and the next digit absorbs the error. The products
// are subtracted whole into signed 64-bit cells without splitting them into
// limbs and without a borrow running from limb to limb; only every few rows
// are the cells brought back into range. The quotient digits and the
// remainder are normalised once at the end.
void divKnuth(const Limbs& a, const Limbs& b, Limbs& q, Limbs& r) {
  if (compare(a, b) < 0) {
    q.clear();
    r = a;
    return;
  }
  if (b.size() == 1) {
    const u64 rem = divSmall(a, b[0], q);
    r.assign(1, rem);
    trim(r);
    return;
  }
  using i64 = std::int64_t;
  constexpr double B = static_cast<double>(kBase);
  // Normalised divisor (top limb at least B/2): the estimate then divides by
  // a number of at least B/2, so rounding errors in it stay far below 1.
  const u64 f = kBase / (b.back() + 1);
  const Limbs v = f == 1 ? b : mulSmall(b, f);
  const size_t n = v.size();
  std::vector<std::uint32_t> v32(v.begin(), v.end());
  // The dividend times f in cells 0..na, one zero cell above it.
  const size_t na = a.size() + 1;
  std::vector<i64> cells(na + 1, 0);
  i64* u = cells.data();
  {
    u64 carry = 0;
    for (size_t i = 0; i < a.size(); ++i) {
      const u64 p = a[i] * f + carry;
      carry = p / kBase;
      u[i] = static_cast<i64>(p - carry * kBase);
    }
    u[a.size()] = static_cast<i64>(carry);
  }
  const size_t m = na - n + 1;  // quotient digits
  std::vector<i64> digits(m, 0);
  const double vTop = static_cast<double>(v[n - 1]) + static_cast<double>(v[n - 2]) / B +
                      (n >= 3 ? static_cast<double>(v[n - 3]) / (B * B) : 0.0);
  // Digits are at most about B/2 in size, so a product is below 5.1·10^17 and
  // eight rows of them fit a cell that was reduced to a few times B.
  constexpr int kRowsBetweenNormalising = 8;
  int rows = 0;
  for (size_t j = m; j-- > 0;) {
    const size_t t = j + n;
    double top = static_cast<double>(u[t]) * B + static_cast<double>(u[t - 1]) +
                 static_cast<double>(u[t - 2]) / B;
    if (t >= 3) top += static_cast<double>(u[t - 3]) / (B * B);
    const i64 qhat = static_cast<i64>(std::floor(top / vTop + 0.5));
    digits[j] = qhat;
    // u[j..j+n-1] -= qhat·v, in unsigned arithmetic (two's complement), so
    // that the compiler can use vector multiplications.
    auto* w = reinterpret_cast<u64*>(u + j);
    if (qhat > 0) {
      const u64 qa = static_cast<u64>(qhat);
      for (size_t i = 0; i < n; ++i) w[i] -= qa * v32[i];
    } else if (qhat < 0) {
      const u64 qa = static_cast<u64>(-qhat);
      for (size_t i = 0; i < n; ++i) w[i] += qa * v32[i];
    }
    // The remainder is now below half the divisor times B^j: the top cell
    // only compensates the one below it. Folding it in keeps both small.
    u[t - 1] += u[t] * static_cast<i64>(kBase);
    u[t] = 0;
    if (++rows == kRowsBetweenNormalising) {
      reduceCells(u, j, t - 1);
      rows = 0;
    }
  }
  normalizeCells(u, 0, n - 1);
  // Remainder in cells 0..n-1 (the top one signed); make it 0 ≤ r < v.
  auto remainderSign = [&] { return u[n - 1] < 0 ? -1 : 0; };
  while (remainderSign() < 0) {
    for (size_t i = 0; i < n; ++i) u[i] += static_cast<i64>(v[i]);
    normalizeCells(u, 0, n - 1);
    --digits[0];
  }
  Limbs rem(u, u + n);
  trim(rem);
  while (compare(rem, v) >= 0) {
    rem = sub(rem, v);
    ++digits[0];
  }
  q.assign(m, 0);
  i64 carry = 0;
  for (size_t j = 0; j < m; ++j) {
    i64 low = 0;
    carry = floorSplit(digits[j] + carry, low);
    q[j] = static_cast<u64>(low);
  }
  trim(q);
  if (f == 1)
    r = std::move(rem);
  else
    divSmall(rem, f, r);
}

// Below this many limbs of divisor or quotient the long division is faster.
constexpr size_t kRecursiveDivisionThreshold = 60;

Limbs lowLimbs(const Limbs& x, size_t k) {
  Limbs r(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(std::min(k, x.size())));
  trim(r);
  return r;
}

Limbs highLimbs(const Limbs& x, size_t k) {
  return x.size() <= k ? Limbs{} : Limbs(x.begin() + static_cast<std::ptrdiff_t>(k), x.end());
}

Limbs shiftUp(const Limbs& x, size_t k) {
  if (x.empty()) return {};
  Limbs r(k, 0);
  r.insert(r.end(), x.begin(), x.end());
  return r;
}

// Divide and conquer (recursive division after Burnikel and Ziegler, in the
// form of Brent and Zimmermann): the quotient in two halves, each from a
// division by the upper half of b and a correction by a multiplication with
// its lower half. b is normalised (top limb at least half the base), so each
// correction loop runs at most twice.
void divRecursive(const Limbs& a, const Limbs& b, Limbs& q, Limbs& r) {
  const size_t n = b.size();
  const size_t m = a.size() > n ? a.size() - n : 0;
  if (m < kRecursiveDivisionThreshold || n < kRecursiveDivisionThreshold) return divKnuth(a, b, q, r);
  if (m > n) {
    // A long quotient: n limbs at a time from the top.
    const size_t low = m - n;
    Limbs qTop, rTop, qLow;
    divRecursive(highLimbs(a, low), b, qTop, rTop);
    divRecursive(add(shiftUp(rTop, low), lowLimbs(a, low)), b, qLow, r);
    q = add(shiftUp(qTop, low), qLow);
    return;
  }
  const size_t k = m / 2;
  const Limbs b1 = highLimbs(b, k), b0 = lowLimbs(b, k);
  Limbs q1, r1, q0, r0;
  divRecursive(highLimbs(a, 2 * k), b1, q1, r1);
  Limbs x = add(shiftUp(r1, 2 * k), lowLimbs(a, 2 * k));
  const Limbs y = shiftUp(mul(q1, b0), k);
  const Limbs bk = shiftUp(b, k);
  while (compare(x, y) < 0) {
    q1 = sub(q1, Limbs{1});
    x = add(x, bk);
  }
  const Limbs a1 = sub(x, y);
  divRecursive(highLimbs(a1, k), b1, q0, r0);
  x = add(shiftUp(r0, k), lowLimbs(a1, k));
  const Limbs z = mul(q0, b0);
  while (compare(x, z) < 0) {
    q0 = sub(q0, Limbs{1});
    x = add(x, b);
  }
  r = sub(x, z);
  q = add(shiftUp(q1, k), q0);
}

void divMod(const Limbs& a, const Limbs& b, Limbs& q, Limbs& r) {
  if (compare(a, b) < 0) {
    q.clear();
    r = a;
    return;
  }
  if (b.size() < kRecursiveDivisionThreshold || a.size() - b.size() < kRecursiveDivisionThreshold)
    return divKnuth(a, b, q, r);
  const u64 f = kBase / (b.back() + 1);
  Limbs rn;
  divRecursive(mulSmall(a, f), mulSmall(b, f), q, rn);
  divSmall(rn, f, r);
}

// ---- products of small factors ------------------------------------------------

// Estimates beyond this many digits are overflows without computing.
constexpr double kDigitBound = 9.0 * kMaxLimbs + 20;

// Decimal digits of lo·(lo+1)·…·hi, estimated to well within one digit as
// long as it stays below the bound (summing stops once the bound is passed;
// every factor from 2 on adds at least 0.3).
double digitsOfRange(u64 lo, u64 hi) {
  if (hi < lo) return 0;
  if (hi < 1000000000000ULL)  // lgamma is exact enough here
    return (std::lgamma(static_cast<double>(hi) + 1) - std::lgamma(static_cast<double>(lo))) /
           std::log(10.0);
  double digits = 0;
  for (u64 f = std::max<u64>(lo, 2); f <= hi && digits <= kDigitBound; ++f)
    digits += std::log10(static_cast<double>(f));
  return digits;
}

Limbs fromWord(u64 w) {
  Limbs r{w % kBase, w / kBase % kBase, w / kBase / kBase};
  trim(r);
  return r;
}

// lo·(lo+1)·…·hi (1 for an empty range) by a balanced product tree over
// leaves that pack consecutive factors below 10^18.
Limbs productRange(u64 lo, u64 hi) {
  std::vector<Limbs> level;
  u64 word = 1;
  for (u64 f = lo; f <= hi; ++f) {
    if (f >= kWide / word) {
      level.push_back(fromWord(word));
      word = 1;
    }
    word *= f;
  }
  level.push_back(fromWord(word));
  while (level.size() > 1) {
    std::vector<Limbs> next;
    for (size_t i = 0; i + 1 < level.size(); i += 2) next.push_back(mul(level[i], level[i + 1]));
    if (level.size() % 2) next.push_back(std::move(level.back()));
    level = std::move(next);
  }
  return level[0];
}

Limbs powSmall(u64 base, u64 e) {
  Limbs r{1}, b = fromWord(base);
  while (e > 0) {
    if (e & 1) r = mul(r, b);
    e >>= 1;
    if (e) b = mul(b, b);
  }
  return r;
}

// The product of the factors f_1 … f_N whose first N - 1 give `head`: each
// step tests the limb count before it multiplies, so the result is an
// overflow once the head has reached the limit.
void finishProduct(const Limbs& head, u64 last, TBigInt& c) {
  if (static_cast<int>(head.size()) >= kMaxLimbs) {
    setOverflow(c);
    return;
  }
  store(mul(head, fromWord(last)), false, c);
}

// ---- text helpers ------------------------------------------------------------

std::u16string ascii(const std::string& s) { return std::u16string(s.begin(), s.end()); }
std::u16string number(std::int64_t n) { return ascii(std::to_string(n)); }

bool isTrimmed(char16_t ch) { return ch <= u' '; }

std::u16string trimmed(const std::u16string& s) {
  size_t b = 0, e = s.size();
  while (b < e && isTrimmed(s[b])) ++b;
  while (e > b && isTrimmed(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::u16string limbsToStr(const Limbs& m) {
  if (m.empty()) return u"0";
  const std::string top = std::to_string(m.back());
  std::u16string s(top.size() + 9 * (m.size() - 1), u'0');
  std::copy(top.begin(), top.end(), s.begin());
  // Every lower limb as exactly nine digits.
  size_t end = s.size();
  for (size_t i = 0; i + 1 < m.size(); ++i, end -= 9) {
    u64 v = m[i];
    for (size_t k = end; k > end - 9; --k, v /= 10) s[k - 1] = static_cast<char16_t>(u'0' + v % 10);
  }
  return s;
}

// Digits only (the caller has removed a sign); throws for anything else.
Limbs limbsFromDigits(const std::u16string& t) {
  if (t.empty()) throw CalcFailure(msg::InvalidInput, "not a whole number");
  Limbs r;
  r.reserve(t.size() / 9 + 1);
  for (size_t end = t.size(); end > 0;) {
    const size_t begin = end >= 9 ? end - 9 : 0;
    u64 v = 0;
    for (size_t i = begin; i < end; ++i) {
      if (t[i] < u'0' || t[i] > u'9') throw CalcFailure(msg::InvalidInput, "not a whole number");
      v = v * 10 + (t[i] - u'0');
    }
    r.push_back(v);
    end = begin;
  }
  trim(r);
  return r;
}

std::u16string groupedIf(bool on, const std::u16string& s) { return on ? BigIntGroupDigits(s) : s; }

}  // namespace

// ---- basics ----------------------------------------------------------------

void BigIntZero(TBigInt& a) {
  a.fill(0);
  a[0] = 1;
}

bool BigIntIsOverflow(const TBigInt& a) { return a[0] == 0; }

void BigIntFromStr(const std::u16string& s, TBigInt& a) {
  std::u16string t = trimmed(BigIntStripBlanks(s));
  if (t.empty()) {
    BigIntZero(a);
    return;
  }
  const bool neg = t[0] == u'-';
  if (neg) t.erase(0, 1);
  const Limbs m = limbsFromDigits(t);
  // Inputs are limited to what a product may hold.
  store(m, neg, a, kProductLimbs);
}

std::u16string BigIntToStr(const TBigInt& a) {
  const std::u16string s = limbsToStr(magnitude(a));
  return negative(a) && s != u"0" ? u"-" + s : s;
}

std::u16string BigIntToSci(const TBigInt& a) {
  std::u16string t = BigIntStripBlanks(BigIntToStr(a));
  const bool neg = !t.empty() && t[0] == u'-';
  if (neg) t.erase(0, 1);
  if (t.size() > 3) {
    std::int64_t exponent = static_cast<std::int64_t>(t.size()) - 1;
    int m = (t[0] - u'0') * 100 + (t[1] - u'0') * 10 + (t[2] - u'0');
    if (t[3] >= u'5') ++m;
    if (m == 1000) {  // the rounding carried into a new digit
      m = 100;
      ++exponent;
    }
    const std::u16string digits = number(m);
    t = digits.substr(0, 1) + u"," + digits.substr(1) + u" \u2219 10^" + number(exponent);
  }
  return neg ? u"-" + t : t;
}

// ---- magnitudes ------------------------------------------------------------

int BigIntCompare(const TBigInt& a, const TBigInt& b) { return compare(magnitude(a), magnitude(b)); }
bool BigIntLess(const TBigInt& a, const TBigInt& b) { return BigIntCompare(a, b) < 0; }
bool BigIntGreater(const TBigInt& a, const TBigInt& b) { return BigIntCompare(a, b) > 0; }

int BigIntTopLimb(const TBigInt& a) {
  for (int i = BigIntMaxLimbs; i >= 1; --i)
    if (a[i] != 0) return i;
  return 1;
}

void BigIntCopy(const TBigInt& a, TBigInt& b) {
  TBigInt t{};
  const int n = limbCount(a);
  t[0] = a[0];
  std::copy(a.begin() + 1, a.begin() + 1 + n, t.begin() + 1);
  b = t;
}

void BigIntSwap(TBigInt& a, TBigInt& b) { std::swap(a, b); }

void BigIntAddAbs(const TBigInt& a, const TBigInt& b, TBigInt& c) {
  if (BigIntIsOverflow(a) || BigIntIsOverflow(b)) return setOverflow(c);
  store(add(magnitude(a), magnitude(b)), false, c);
}

void BigIntSubAbs(const TBigInt& a, const TBigInt& b, TBigInt& c) {
  if (BigIntIsOverflow(a) || BigIntIsOverflow(b)) return setOverflow(c);
  const Limbs x = magnitude(a), y = magnitude(b);
  store(compare(x, y) < 0 ? sub(y, x) : sub(x, y), false, c);
}

void BigIntMulAbs(const TBigInt& a, const TBigInt& b, TBigInt& c) {
  if (BigIntIsOverflow(a) || BigIntIsOverflow(b)) return setOverflow(c);
  if (limbCount(b) == 1) return BigIntMulInt(a, b[1], c);
  if (limbCount(a) + limbCount(b) >= kMaxLimbs) return setOverflow(c);
  store(mul(magnitude(a), magnitude(b)), false, c);
}

void BigIntMulInt(const TBigInt& a, std::int64_t k, TBigInt& c) {
  if (BigIntIsOverflow(a) || k < 0 || k >= BigIntBase) return setOverflow(c);
  store(mulSmall(magnitude(a), static_cast<u64>(k)), false, c);
}

std::int64_t BigIntDivInt(const TBigInt& a, std::int64_t k, TBigInt& q) {
  if (BigIntIsOverflow(a) || k <= 0 || k >= BigIntBase) {
    setOverflow(q);
    return 0;
  }
  Limbs m;
  const u64 rem = divSmall(magnitude(a), static_cast<u64>(k), m);
  store(m, false, q);
  return static_cast<std::int64_t>(rem);
}

void BigIntDivModAbs(const TBigInt& a, const TBigInt& b, TBigInt& q, TBigInt& r) {
  const Limbs y = magnitude(b);
  if (BigIntIsOverflow(a) || BigIntIsOverflow(b) || y.empty()) {
    setOverflow(q);
    BigIntZero(r);
    return;
  }
  Limbs qm, rm;
  divMod(magnitude(a), y, qm, rm);
  store(qm, false, q);
  store(rm, false, r);
}

// ---- signed operations -------------------------------------------------------

void BigIntAdd(const TBigInt& a, const TBigInt& b, TBigInt& c) {
  if (BigIntIsOverflow(a) || BigIntIsOverflow(b)) return setOverflow(c);
  const Limbs x = magnitude(a), y = magnitude(b);
  if (negative(a) == negative(b)) return store(add(x, y), negative(a), c);
  if (compare(x, y) >= 0) return store(sub(x, y), negative(a), c);
  store(sub(y, x), negative(b), c);
}

void BigIntSub(const TBigInt& a, const TBigInt& b, TBigInt& c) {
  if (BigIntIsOverflow(a) || BigIntIsOverflow(b)) return setOverflow(c);
  const Limbs x = magnitude(a), y = magnitude(b);
  if (negative(a) != negative(b)) return store(add(x, y), negative(a), c);
  const int cmp = compare(x, y);
  const bool neg = (negative(a) && cmp > 0) || (!negative(a) && cmp < 0);
  store(cmp < 0 ? sub(y, x) : sub(x, y), neg, c);
}

void BigIntMul(const TBigInt& a, const TBigInt& b, TBigInt& c) {
  const bool neg = negative(a) != negative(b);
  BigIntMulAbs(a, b, c);
  if (neg) c[0] = -c[0];
}

void BigIntDivMod(const TBigInt& a, const TBigInt& b, TBigInt& q, TBigInt& r) {
  const bool qneg = negative(a) != negative(b), rneg = negative(a);
  BigIntDivModAbs(a, b, q, r);
  if (qneg) q[0] = -q[0];
  if (rneg) r[0] = -r[0];
}

void BigIntPower(const TBigInt& a, std::int64_t n, TBigInt& c) {
  if (BigIntIsOverflow(a)) return setOverflow(c);
  const bool unit = magnitude(a) == Limbs{1};
  // A negative exponent has a whole-number value only for the bases ±1.
  if (n < 0 && !unit) return setOverflow(c);
  TBigInt base, res;
  BigIntCopy(a, base);
  base[0] = limbCount(a);
  BigIntZero(res);
  res[1] = 1;
  u64 e = n < 0 ? static_cast<u64>(-(n + 1)) + 1 : static_cast<u64>(n);
  while (e > 0) {
    if (limbCount(res) > kProductLimbs || BigIntIsOverflow(res) || BigIntIsOverflow(base)) {
      setOverflow(c);
      return;
    }
    if (e & 1) BigIntMulAbs(res, base, res);
    e >>= 1;
    if (e) BigIntMulAbs(base, base, base);
  }
  if (BigIntIsOverflow(res)) return setOverflow(c);
  const bool odd = (n % 2) != 0;
  if (negative(a) && odd) res[0] = -res[0];
  c = res;
}

void BigIntPow2(TBigInt& c, std::int64_t n) {
  if (n < 0) return setOverflow(c);
  if (n == 0) return store(Limbs{1}, false, c);
  if ((n - 1) * std::log10(2.0) > kDigitBound) return setOverflow(c);
  finishProduct(powSmall(2, static_cast<u64>(n - 1)), 2, c);
}

void BigIntPow10(TBigInt& c, std::int64_t n) {
  if (n < 0) return setOverflow(c);
  if (n == 0) return store(Limbs{1}, false, c);
  // 10^(n-1) has (n - 1) div 9 + 1 limbs before the last factor.
  if ((n - 1) / 9 + 1 >= kMaxLimbs) return setOverflow(c);
  Limbs m(static_cast<size_t>(n / 9) + 1, 0);
  u64 top = 1;
  for (std::int64_t i = 0; i < n % 9; ++i) top *= 10;
  m.back() = top;
  store(m, false, c);
}

void BigIntFactorial(std::int64_t n, TBigInt& c) {
  if (n < 0) return setOverflow(c);
  if (n <= 1) return store(Limbs{1}, false, c);
  if (digitsOfRange(1, static_cast<u64>(n - 1)) > kDigitBound) return setOverflow(c);
  finishProduct(productRange(1, static_cast<u64>(n - 1)), static_cast<u64>(n), c);
}

void BigIntPermutations(std::int64_t n, std::int64_t k, TBigInt& c) {
  if (n < 0 || k < 0) return setOverflow(c);
  if (n < k) return store(Limbs{}, false, c);
  if (k == 0) return store(Limbs{1}, false, c);
  const u64 lo = static_cast<u64>(n - k + 1), hi = static_cast<u64>(n);
  if (digitsOfRange(lo, hi - 1) > kDigitBound) return setOverflow(c);
  finishProduct(productRange(lo, hi - 1), hi, c);
}

void BigIntBinomial(std::int64_t n, std::int64_t k, TBigInt& c) {
  if (n < 0 || k < 0) return setOverflow(c);
  if (n < k) return store(Limbs{}, false, c);
  if (n < 2 * k) k = n - k;
  if (n == 1 || k == 0) return store(Limbs{1}, false, c);
  // Step i multiplies by n - k + i and divides by i: the division is exact,
  // since the value after step i is (n - k + i) over i, and every
  // intermediate value is at most the result, so any result that fits is
  // given. Factors are grouped while numerator and denominator stay single
  // limbs (each group boundary is again such a step).
  const u64 lo = static_cast<u64>(n - k);
  Limbs value{1}, rest;
  u64 i = 1;
  const u64 last = static_cast<u64>(k);
  while (i <= last) {
    u64 num = lo + i, den = i;
    if (num >= kBase) {
      value = mul(value, fromWord(num));
    } else {
      while (i < last && (num * (lo + i + 1)) < kBase && den * (i + 1) < kBase) {
        ++i;
        num *= lo + i;
        den *= i;
      }
      value = mulSmall(value, num);
    }
    divSmall(value, den, rest);
    value.swap(rest);
    // Beyond the limit the growing intermediate values can only get larger.
    if (static_cast<int>(value.size()) > kMaxLimbs) return setOverflow(c);
    ++i;
  }
  store(value, false, c);
}

// ---- texts ------------------------------------------------------------------

std::u16string BigIntGroupDigits(const std::u16string& s) {
  const std::u16string t = trimmed(s);
  // A blank before every group of three characters counted from the right.
  std::u16string g;
  g.reserve(t.size() + t.size() / 3);
  for (size_t i = 0; i < t.size(); ++i) {
    if (i > 0 && (t.size() - i) % 3 == 0) g += u' ';
    g += t[i];
  }
  return g;
}

std::u16string BigIntStripBlanks(const std::u16string& s) {
  std::u16string t;
  t.reserve(s.size());
  for (char16_t ch : s)
    if (ch != u' ') t += ch;
  return t;
}

std::u16string BigIntResultText(const TBigInt& c, const BigIntTextOptions& options) {
  if (BigIntIsOverflow(c)) return kOverflowText;
  std::u16string s = groupedIf(options.grouping, BigIntToStr(c));
  if (options.shortForm) {
    // The signed count: negative results never get the short form.
    if (c[0] > 5) s += u"\r\n";
    if (c[0] > 1) s += u" = " + BigIntToSci(c);
  }
  return s;
}

std::u16string BigIntOpLine(const TBigInt& a, const TBigInt& b, const TBigInt& c,
                            const std::u16string& op, const BigIntTextOptions& options) {
  std::u16string line = BigIntToStr(a) + u"  " + op;
  if (negative(b))
    line += u"  (" + BigIntToStr(b) + u")  =  ";
  else
    line += u"  " + BigIntToStr(b) + u"  =  ";
  return line + BigIntResultText(c, options) + u"\r\n";
}

std::u16string BigIntDivLine(const TBigInt& a, const TBigInt& b, const TBigInt& q,
                             const TBigInt& r, const std::u16string& remainderWord,
                             const BigIntTextOptions& options) {
  const std::u16string bs = groupedIf(options.grouping, BigIntToStr(b));
  const std::u16string head = groupedIf(options.grouping, BigIntToStr(a)) + u"  div  " +
                              (negative(b) ? u" (" + bs + u")" : bs) + u"  =  ";
  if (BigIntIsOverflow(q)) return head + kOverflowText;
  std::u16string line = head + groupedIf(options.grouping, BigIntToStr(q)) + u"  " + remainderWord +
                        u"  " + groupedIf(options.grouping, BigIntToStr(r));
  if (options.shortForm && (q[0] > 1 || r[0] > 1))
    line += u"\r\n =  " + BigIntToSci(q) + u"  " + remainderWord + u"  " + BigIntToSci(r);
  return line + u"\r\n";
}

std::u16string BigIntFuncLine(const std::u16string& key, const TBigInt& c, std::int64_t n,
                              const BigIntTextOptions& options) {
  std::u16string head;
  if (key == u"!")
    head = number(n) + u" !  =  ";
  else if (key == u"2^")
    head = u"2 ^ " + number(n) + u"  =  ";
  else if (key == u"10^")
    head = u"10 ^ " + number(n) + u"  =  ";
  return head + BigIntResultText(c, options);
}

std::u16string BigIntPowerLine(const TBigInt& a, const TBigInt& c, std::int64_t n,
                               const BigIntTextOptions& options) {
  return BigIntToStr(a) + u" ^ " + number(n) + u"  =  " + BigIntResultText(c, options);
}

std::u16string BigIntCombLine(const TBigInt& c, const std::u16string& name, std::int64_t n,
                              std::int64_t k, const BigIntTextOptions& options) {
  return name + u"(" + number(n) + u"," + number(k) + u")  =  " + BigIntResultText(c, options);
}

void DivModStr(const std::u16string& a, const std::u16string& b, std::u16string& q,
               std::u16string& r) {
  const Limbs x = limbsFromDigits(trimmed(a)), y = limbsFromDigits(trimmed(b));
  if (y.empty()) throw CalcFailure(msg::DivisionByZero);
  Limbs qm, rm;
  divMod(x, y, qm, rm);
  q = limbsToStr(qm);
  r = limbsToStr(rm);
}

}  // namespace zw
