#include "kernel/Complex.h"

#include <cmath>
#include <numbers>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/RealHelpers.h"

namespace zw {

namespace {

constexpr Extended kPi = std::numbers::pi_v<long double>;
constexpr Extended kHyperbolicLimit = 88.0288L;

[[noreturn]] void improperArgument() {
  throw CalcFailure(msg::ImproperArgument, "*** IMPROPER ARGUMENT ***");
}

Extended finite(Extended v) {
  if (!std::isfinite(v)) throw CalcFailure(msg::Overflow, "complex overflow");
  return v;
}

TComplex finite(TComplex z) { return TComplex{finite(z.re), finite(z.im)}; }

}  // namespace

TComplex ComplexOp(TComplex a, TComplex b, char op) {
  switch (op) {
    case '+': return ComplexAdd(a, b);
    case '-': return ComplexSub(a, b);
    case '*': return ComplexMul(a, b);
    case '/': return ComplexDiv(a, b);
    case '^': return ComplexPower(a, b);
    default: return TComplex{};
  }
}

TComplex ComplexAdd(TComplex a, TComplex b) { return finite(TComplex{a.re + b.re, a.im + b.im}); }

TComplex ComplexSub(TComplex a, TComplex b) { return finite(TComplex{a.re - b.re, a.im - b.im}); }

TComplex ComplexMul(TComplex a, TComplex b) {
  return finite(TComplex{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re});
}

TComplex ComplexDiv(TComplex a, TComplex b) {
  const Extended d = ComplexAbsSqr(b);
  if (d == 0) throw CalcFailure(msg::DivisionByZero, "complex division by 0");
  return finite(TComplex{(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d});
}

void ComplexDivSafe(TComplex a, TComplex b, TComplex& r) {
  if (ComplexAbsSqr(b) == 0) return;
  r = ComplexDiv(a, b);
}

TComplex ComplexPower(TComplex z, TComplex w) {
  const Extended a = z.re, b = z.im, c = w.re, d = w.im;
  if (b == 0 && a == 0) {
    // 0^w is 0 for Re w > 0 and 1 for w = 0; otherwise it has no value.
    if (c == 0 && d == 0) return TComplex{1, 0};
    if (c > 0) return TComplex{};
    throw CalcFailure(msg::DivisionByZero, "power of 0");
  }
  if (b == 0 && a < 0 && d == 0 && c == std::truncl(c)) {
    // A whole power of a negative real is real, with the sign of (-1)^c:
    // (-2)^2 = 4 exactly, without a rounding residue in the imaginary part.
    const Extended m = finite(std::pow(-a, c));
    return TComplex{std::fmod(c, 2.0L) == 0 ? m : -m, 0};
  }
  Extended phi, m;
  if (b == 0 && a > 0) {
    phi = d * std::log(a);
    m = SignedPower(a, c);
  } else {
    // The argument of z; the negative real axis takes +π, the principal
    // value, so that (-4)^0.5 = 2i agrees with the square root.
    const Extended alpha = b != 0 ? Sgn(b) * kPi / 2 - std::atan(a / b) : kPi;
    const Extended r2 = a * a + b * b;
    phi = d * std::log(r2) / 2 + c * alpha;
    m = SignedPower(r2, c / 2) * finite(std::exp(-d * alpha));
  }
  return finite(TComplex{m * std::cos(phi), m * std::sin(phi)});
}

Extended ComplexAbsSqr(TComplex z) { return z.re * z.re + z.im * z.im; }

// √(re² + im²) without the overflow of the squares for parts beyond 1e2466.
Extended ComplexAbs(TComplex z) { return std::hypot(z.re, z.im); }

TComplex ComplexTimesI(TComplex z) { return TComplex{-z.im, z.re}; }

TComplex ComplexTimesMinusI(TComplex z) { return TComplex{z.im, -z.re}; }

TComplex ComplexExp(TComplex z) {
  const Extended e = finite(std::exp(z.re));
  return TComplex{e * std::cos(z.im), e * std::sin(z.im)};
}

TComplex ComplexLn(TComplex z) {
  const Extended r = ComplexAbs(z);
  if (r == 0) improperArgument();
  return TComplex{std::log(r), ArcTan2(z.re, z.im)};
}

TComplex ComplexSqrt(TComplex z) {
  if (z.re == 0 && z.im == 0) return TComplex{};
  const Extended t = std::sqrt((ComplexAbs(z) + std::fabs(z.re)) / 2);
  const Extended s = z.im / (2 * t);
  if (z.re >= 0) return finite(TComplex{t, s});
  if (z.im >= 0) return finite(TComplex{s, t});
  return finite(TComplex{-s, -t});
}

TComplex ComplexCos(TComplex z) {
  return TComplex{std::cos(z.re) * CoshChecked(z.im), -std::sin(z.re) * SinhChecked(z.im)};
}

TComplex ComplexSin(TComplex z) {
  return TComplex{std::sin(z.re) * CoshChecked(z.im), std::cos(z.re) * SinhChecked(z.im)};
}

TComplex ComplexTan(TComplex z) {
  const Extended d = std::cos(2 * z.re) + CoshChecked(2 * z.im);
  if (d == 0) throw CalcFailure(msg::DivisionByZero, "tangent pole");
  return TComplex{std::sin(2 * z.re) / d, SinhChecked(2 * z.im) / d};
}

TComplex ComplexArcTan(TComplex z) {
  const TComplex u = ComplexTimesI(z);
  // At z = −i the quotient has no value and at z = i it is 0: arctan has
  // its branch points there.
  if (u.re == 1 && u.im == 0) improperArgument();
  TComplex q;
  ComplexAtanQuotient(u, q);
  const TComplex l = ComplexLn(q);
  const TComplex r = ComplexTimesMinusI(l);
  return TComplex{r.re / 2, r.im / 2};
}

void ComplexAtanQuotient(TComplex u, TComplex& q) {
  ComplexDivSafe(TComplex{1 + u.re, u.im}, TComplex{1 - u.re, -u.im}, q);
}

Extended ArcTan2(Extended x, Extended y) {
  if (x == 0) return TransferSign(kPi / 2, y);
  if (x > 0) return std::atan(y / x);
  return std::atan(y / x) + TransferSign(kPi, y);
}

Extended TransferSign(Extended a, Extended b) {
  if ((a > 0 && b > 0) || (a <= 0 && b < 0)) return a;
  return -a;
}

Extended CoshChecked(Extended x) {
  if (x > kHyperbolicLimit || x < -kHyperbolicLimit)
    throw CalcFailure(msg::Overflow, "********* OVERFLOW **********");
  const Extended e = std::exp(x);
  return (e + 1 / e) / 2;
}

Extended SinhChecked(Extended x) {
  if (x > kHyperbolicLimit || x < -kHyperbolicLimit)
    throw CalcFailure(msg::Overflow, "********* UNDERFLOW **********");
  const Extended e = std::exp(x);
  return (e - 1 / e) / 2;
}

}  // namespace zw
