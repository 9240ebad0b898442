#include "kernel/Fraction.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

#include "kernel/BasicMath.h"

namespace zw {

namespace {

// Gcd of the magnitudes; 1 when either is 0 (so a zero denominator survives
// the reduction: 5/0 stays 5/0).
int64_t gcd64(int64_t a, int64_t b) {
  if (a == 0 || b == 0) return 1;
  return std::gcd(a, b);  // magnitudes here stay below 2^63
}

struct Frac64 {
  int64_t z;
  int64_t n;
};

// The reduction of both fraction types: the sign is set aside, zero becomes
// 0/1, both parts are divided by their gcd, the denominator keeps its sign.
template <typename T, typename Gcd>
void reduceParts(T& z, T& n, Gcd gcd) {
  const T s = z > 0 ? 1 : (z < 0 ? -1 : 0);
  z = z < 0 ? -z : z;
  if (z == 0) {
    n = 1;
  } else {
    const T g = gcd(z, n);
    if (g > 1) {
      z /= g;
      n /= g;
    }
  }
  z *= s;
}

void reduce64(Frac64& f) { reduceParts(f.z, f.n, gcd64); }

Frac64 widen(TBruch a) {
  Frac64 f{a.z, a.n};
  reduce64(f);
  return f;
}

TBruch narrow(Frac64 r) {
  reduce64(r);
  if (r.n < 0) {
    r.z = -r.z;
    r.n = -r.n;
  }
  return TBruch{BruchNarrow(r.z), BruchNarrow(r.n)};
}

// x·y with an overflow check against the stored range.
int64_t mulChecked(int64_t x, int64_t y) {
  const __int128 p = static_cast<__int128>(x) * y;
  if (p > kBruchMax || p < -kBruchMax) throw FractionOverflow();
  return static_cast<int64_t>(p);
}

// base^e for a reduced base and e >= 0 by squaring; parts stay coprime, so
// the result is reduced. Overflow is reported as soon as a needed factor
// leaves the range.
TBruch powerReduced(Frac64 base, uint64_t e) {
  int64_t rz = 1, rn = 1;
  int64_t bz = base.z, bn = base.n;
  while (e > 0) {
    if (e & 1) {
      rz = mulChecked(rz, bz);
      rn = mulChecked(rn, bn);
    }
    e >>= 1;
    if (e > 0) {
      // Squaring a base of magnitude 0 or 1 never overflows; larger ones
      // only matter while exponent bits remain.
      bz = mulChecked(bz, bz);
      bn = mulChecked(bn, bn);
    }
  }
  return narrow(Frac64{rz, rn});
}

TBruch powerOf(TBruch a, int64_t e) {
  Frac64 base = widen(a);
  if (e < 0) {
    std::swap(base.z, base.n);
    // A zero base inverted gives the zero denominator the callers test for.
  }
  const uint64_t m = e < 0 ? static_cast<uint64_t>(-(e + 1)) + 1 : static_cast<uint64_t>(e);
  if (m == 0) return TBruch{1, 1};
  if (base.n == 0) return narrow(Frac64{base.z == 0 ? 0 : 1, 0});
  return powerReduced(base, m);
}

bool isWhole(Extended x) { return std::isfinite(x) && x == std::truncl(x); }

void checkFinite(const TBruchf& r) {
  if (!std::isfinite(r.z) || !std::isfinite(r.n)) throw FractionOverflow();
}

}  // namespace

int32_t BruchNarrow(int64_t v) {
  if (v > kBruchMax || v < -kBruchMax) throw FractionOverflow();
  return static_cast<int32_t>(v);
}

void BruchReduce(TBruch& f) {
  Frac64 r{f.z, f.n};
  reduce64(r);
  f = TBruch{BruchNarrow(r.z), BruchNarrow(r.n)};
}

void ReducePair(int32_t& z, int32_t& n) {
  TBruch f{z, n};
  BruchReduce(f);
  z = f.z;
  n = f.n;
}

TBruch BruchOp(TBruch a, TBruch b, char op) {
  const Frac64 x = widen(a);
  const Frac64 y = widen(b);
  switch (op) {
    case '+':
    case '-': {
      const int64_t g = gcd64(x.n, y.n);
      const int64_t s = op == '+' ? 1 : -1;
      // Each product is below 2^62, so the sum stays inside 64 bits.
      return narrow(Frac64{x.z * (y.n / g) + s * (y.z * (x.n / g)), x.n * (y.n / g)});
    }
    case '*':
      return narrow(Frac64{x.z * y.z, x.n * y.n});
    case '/':
      return narrow(Frac64{x.z * y.n, x.n * y.z});
    case '^':
      // The exponent is the reduced value of b and must be whole: (4/1)^(1/2)
      // is not 4, and 4^(2/4) is not 16.
      if (y.n != 1) throw CalcFailure(msg::ImproperArgument, "exponent is not a whole number");
      return powerOf(a, y.z);
    default:
      return TBruch{0, 1};
  }
}

TBruch BruchAdd(TBruch a, TBruch b) { return BruchOp(a, b, '+'); }
TBruch BruchSub(TBruch a, TBruch b) { return BruchOp(a, b, '-'); }
TBruch BruchMul(TBruch a, TBruch b) { return BruchOp(a, b, '*'); }
TBruch BruchDiv(TBruch a, TBruch b) { return BruchOp(a, b, '/'); }

TBruch BruchPower(TBruch a, int64_t k) {
  if (k == 0) return TBruch{1, 1};
  return powerOf(a, k);
}

TBruch BruchFromInt(int32_t k) { return TBruch{BruchNarrow(k), 1}; }

void BruchSetOne(TBruch& f) { f = TBruch{1, 1}; }

TBruch BruchNeg(TBruch a) { return TBruch{BruchNarrow(-static_cast<int64_t>(a.z)), a.n}; }

bool BruchIsZero(TBruch a) { return a.z == 0; }

bool BruchIsOne(TBruch a) { return a.z == a.n && a.z > 0; }

Extended BruchToReal(TBruch a) {
  if (a.n == 0) throw CalcFailure(msg::DivisionByZero, "fraction with denominator 0");
  return static_cast<Extended>(a.z) / static_cast<Extended>(a.n);
}

std::u16string BruchToText(TBruch a) {
  auto digits = [](int64_t v) {
    const std::string s = std::to_string(v);
    return std::u16string(s.begin(), s.end());
  };
  if (a.n == 1) return digits(a.z);
  return digits(a.z) + u"/" + digits(a.n);
}

namespace {

bool isBlankChar(char16_t c) { return c <= u' '; }

std::u16string_view trimmed(std::u16string_view t) {
  while (!t.empty() && isBlankChar(t.front())) t.remove_prefix(1);
  while (!t.empty() && isBlankChar(t.back())) t.remove_suffix(1);
  return t;
}

// The run-time library's whole-number conversion: leading blanks, an optional
// sign, decimal digits, nothing after them, inside the 32-bit range.
int32_t parseWhole(std::u16string_view t) {
  while (!t.empty() && isBlankChar(t.front())) t.remove_prefix(1);
  bool neg = false;
  if (!t.empty() && (t.front() == u'+' || t.front() == u'-')) {
    neg = t.front() == u'-';
    t.remove_prefix(1);
  }
  if (t.empty()) throw CalcFailure(msg::InvalidInput, "not a whole number");
  int64_t v = 0;
  for (char16_t c : t) {
    if (c < u'0' || c > u'9') throw CalcFailure(msg::InvalidInput, "not a whole number");
    v = v * 10 + (c - u'0');
    if (v > kBruchMax) throw CalcFailure(msg::InvalidInput, "number out of range");
  }
  return static_cast<int32_t>(neg ? -v : v);
}

}  // namespace

TBruch TextToBruch(std::u16string_view text) {
  std::u16string_view t = trimmed(text);
  if (t.empty()) t = u"0";
  bool minus = false;
  if (t.front() == u'-') {
    minus = true;
    t.remove_prefix(1);
  }
  std::u16string_view wholeText = u"0";
  if (const auto blank = t.find(u' '); blank != std::u16string_view::npos) {
    wholeText = t.substr(0, blank);
    t = t.substr(blank + 1);
  }
  std::u16string numText(t);
  std::u16string denText = u"1";
  if (const auto slash = t.find(u'/'); slash != std::u16string_view::npos) {
    numText = t.substr(0, slash);
    denText = t.substr(slash + 1);
  }
  if (const auto comma = t.find(u','); comma != std::u16string_view::npos) {
    // Only "," is a decimal mark here; it replaces both texts («1/2,5» -> «1/25»).
    numText = std::u16string(t.substr(0, comma)) + std::u16string(t.substr(comma + 1));
    denText = u"1" + std::u16string(t.size() - comma - 1, u'0');
  }
  const int32_t whole = parseWhole(wholeText);
  int32_t z = parseWhole(numText);
  int32_t n = parseWhole(denText);
  ReducePair(z, n);
  TBruch r = BruchAdd(TBruch{whole, 1}, TBruch{z, n});
  if (minus) r.z = -r.z;
  return r;
}

TBruch ReadBruchInput(std::u16string_view text) {
  const TBruch r = TextToBruch(text);
  if (r.n == 0) throw CalcFailure(msg::InvalidInput, "zero denominator");
  return r;
}

void BruchfReduce(TBruchf& f) { reduceParts(f.z, f.n, GcdReal); }

TBruchf BruchfOp(TBruchf a, TBruchf b, char op) {
  BruchfReduce(a);
  BruchfReduce(b);
  TBruchf r;
  switch (op) {
    case '+':
    case '-': {
      const Extended g = GcdReal(a.n, b.n);
      const Extended s = op == '+' ? 1 : -1;
      r = TBruchf{a.z * b.n / g + s * (b.z * a.n / g), a.n * b.n / g};
      break;
    }
    case '*':
      r = TBruchf{a.z * b.z, a.n * b.n};
      break;
    case '/':
      r = TBruchf{a.z * b.n, a.n * b.z};
      break;
    case '^': {
      if (b.n != 1 || !isWhole(b.z))
        throw CalcFailure(msg::ImproperArgument, "exponent is not a whole number");
      Extended e = b.z;
      if (e < 0) {
        std::swap(a.z, a.n);
        e = -e;
      }
      // Square-and-multiply; an exponent beyond 2^64 is even (whole extended
      // reals of that size are), and any base other than 0 and ±1 overflows.
      r = TBruchf{1, 1};
      TBruchf base = a;
      while (e > 0) {
        const Extended half = std::floor(e / 2);
        if (e - 2 * half != 0) {
          r.z *= base.z;
          r.n *= base.n;
          checkFinite(r);
        }
        e = half;
        if (e > 0) {
          base.z *= base.z;
          base.n *= base.n;
          // Bits remain, so an out-of-range base would enter the result.
          checkFinite(base);
        }
      }
      break;
    }
    default:
      return TBruchf{0, 1};
  }
  checkFinite(r);
  BruchfReduce(r);
  if (r.n < 0) {
    r.z = -r.z;
    r.n = -r.n;
  }
  return r;
}

void BruchOpExt(char op, Extended& num, Extended& den, Extended za, Extended na, Extended zb,
                Extended nb) {
  Extended g = GcdReal(za, na);
  if (g > 1) {
    za /= g;
    na /= g;
  }
  g = GcdReal(zb, nb);
  if (g > 1) {
    zb /= g;
    nb /= g;
  }
  switch (op) {
    case '+':
    case '-': {
      g = GcdReal(na, nb);
      const Extended s = op == '+' ? 1 : -1;
      num = za * nb / g + s * (zb * na / g);
      den = na * nb / g;
      break;
    }
    case '*':
      num = za * zb;
      den = na * nb;
      break;
    case '/':
      num = za * nb;
      den = na * zb;
      break;
    case '^': {
      // A non-whole exponent has no fraction as result: (2/3)^(1/3) is not 2/3.
      if (nb != 1 || !isWhole(zb))
        throw CalcFailure(msg::ImproperArgument, "exponent is not a whole number");
      Extended e = zb;
      if (e < 0) {
        std::swap(za, na);
        e = -e;
      }
      num = RealPower(za, e);
      den = RealPower(na, e);
      break;
    }
    default:
      break;
  }
  if (!std::isfinite(num) || !std::isfinite(den)) throw FractionOverflow();
  num = std::nearbyintl(num);
  den = std::nearbyintl(den);
  g = GcdReal(num, den);
  num = std::nearbyintl(num / g);
  den = std::nearbyintl(den / g);
  if (den < 0) {
    num = -num;
    den = -den;
  }
}

TBruchf RealToBruchf(Extended x) {
  TBruchf f{x * 100000000.0L, 100000000.0L};
  BruchfReduce(f);
  return f;
}

}  // namespace zw
