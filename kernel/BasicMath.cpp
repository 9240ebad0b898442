#include "kernel/BasicMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "kernel/CalcFailure.h"
#include "kernel/ExtendedMath.h"
#include "kernel/KernelState.h"

namespace zw {

namespace {

constexpr Extended Pi = std::numbers::pi_v<long double>;

Extended Int(Extended x) { return truncl(x); }

Extended CheckedFinite(Extended v) {
  if (!std::isfinite(v)) throw CalcFailure{msg::Overflow};
  return v;
}

bool IsIntegral(Extended x) { return std::isfinite(x) && truncl(x) == x; }

// A value that lies outside [-1, 1] by no more than this is a rounding overshoot
// of a computed cosine or sine and is read as +-1.
constexpr Extended ArcOvershoot = 1e-15L;

// Case folding of the text routines that ignore case: ASCII and Latin-1 letters.
char16_t UpCaseChar(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
  return c;
}

}  // namespace

// ---- text ---------------------------------------------------------------

std::u16string LeftStrCopy(const std::u16string& text, int n) {
  if (n <= 0) return {};
  return text.substr(0, std::min<std::size_t>(static_cast<std::size_t>(n), text.size()));
}

int LastCharPos(const std::u16string& text, const std::u16string& allowed) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (allowed.find(text[i]) == std::u16string::npos) return static_cast<int>(i) + 1;
  return 0;
}

void ReplaceAllText(std::u16string& text, const std::u16string& oldText,
                    const std::u16string& newText) {
  if (oldText.empty() || text.size() < oldText.size()) return;
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    bool match = i + oldText.size() <= text.size();
    for (std::size_t k = 0; match && k < oldText.size(); ++k)
      match = UpCaseChar(text[i + k]) == UpCaseChar(oldText[k]);
    if (match) {
      out += newText;
      i += oldText.size();
    } else {
      out += text[i++];
    }
  }
  text = std::move(out);
}

std::u16string CommaToPoint(std::u16string text) {
  std::replace(text.begin(), text.end(), u',', u'.');
  return text;
}

std::u16string PointToComma(std::u16string text) {
  std::replace(text.begin(), text.end(), u'.', u',');
  return text;
}

// ---- signs, extremes, swaps ------------------------------------------------

int Sgn(Extended x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }
int RectFunc(Extended x) { return fabsl(x) <= 0.5L ? 1 : 0; }
Extended MaxReal(Extended a, Extended b) { return a > b ? a : b; }
Extended MinReal(Extended a, Extended b) { return a < b ? a : b; }
Extended MaxReal3(Extended a, Extended b, Extended c) { return MaxReal(MaxReal(a, b), c); }
Extended MaxReal4(Extended a, Extended b, Extended c, Extended d) {
  return MaxReal(MaxReal3(a, b, c), d);
}
std::int32_t MaxInt2(std::int32_t a, std::int32_t b) { return a > b ? a : b; }
std::int32_t MaxInt3(std::int32_t a, std::int32_t b, std::int32_t c) {
  return MaxInt2(MaxInt2(a, b), c);
}
std::int32_t MaxInt4(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
  return MaxInt2(MaxInt3(a, b, c), d);
}
void SwapReal(Extended& a, Extended& b) { std::swap(a, b); }
void SwapInt(std::int32_t& a, std::int32_t& b) { std::swap(a, b); }

// ---- arithmetic ------------------------------------------------------------

Extended FloatMod(Extended x, Extended m) {
  if (x < m) return x;
  if (x == m) return 0;
  return x - m * Int(x / m);
}

void FloatDivMod(Extended x, Extended m, Extended& q, Extended& r) {
  if (m == 0) throw CalcFailure{msg::DivisionByZero};
  q = Int(x / m);
  r = x - m * q;
}

Extended CubeRoot(Extended x) {
  return cbrtl(x);  // odd, so negative x gives -(-x)^(1/3)
}

Extended GcdReal(Extended a, Extended b) {
  a = Int(fabsl(a) + 0.5L);
  b = Int(fabsl(b) + 0.5L);
  if (!std::isfinite(a) || !std::isfinite(b)) return 1;
  if (a == 0) return b > 1 ? b : 1;
  if (b == 0) return a > 1 ? a : 1;
  // Euclid; beyond 2^64 the remainders are inexact, so the step count is
  // bounded to guarantee an end.
  for (int step = 0; b != 0 && step < 20000; ++step) {
    const Extended r = FloatMod(a, b);
    a = b;
    b = r;
  }
  const Extended g = Int(a + 0.5L);
  return g > 0 ? g : 1;
}

std::int32_t GcdInt(std::int32_t a, std::int32_t b) {
  if (a == 0 || b == 0) return 1;
  std::int64_t x = a < 0 ? -static_cast<std::int64_t>(a) : a;
  std::int64_t y = b < 0 ? -static_cast<std::int64_t>(b) : b;
  while (y != 0) {
    const std::int64_t r = x % y;
    x = y;
    y = r;
  }
  return static_cast<std::int32_t>(x);  // only gcd(-2^31, -2^31) does not fit
}

Extended LcmReal(Extended a, Extended b) { return a * (b / GcdReal(a, b)); }

Extended RealPower(Extended base, Extended exponent) {
  if (exponent == 0) return 1;
  if (base == 0) {
    if (exponent < 0) throw CalcFailure{msg::DivisionByZero};
    return 0;
  }
  // powl equals exp(exponent * ln base) but gives exact integer powers.
  if (base > 0) return CheckedFinite(powl(base, exponent));
  if (!IsIntegral(exponent)) throw CalcFailure{msg::ImproperArgument};
  Extended v = CheckedFinite(powl(-base, exponent));
  if (!IsIntegral(exponent / 2)) v = -v;
  return v;
}

Extended Binomial(Extended n, std::int32_t k) {
  Extended p = 1;
  for (std::int32_t i = 1; i <= k; ++i) p = CheckedFinite(p * (n - k + i) / i);
  return p;
}

Extended Factorial(std::int64_t n) {
  if (n < 0) throw CalcFailure{msg::ImproperArgument};
  Extended p = 1;
  for (std::int64_t i = 2; i <= n; ++i) {
    p *= static_cast<Extended>(i);
    if (!std::isfinite(p)) throw CalcFailure{msg::Overflow};
  }
  return p;
}

namespace {

// 10^0 … 10^18: exact in an extended real and the very values
// Int(powl(10, d) + 0.5) gives (10^18 is below 2^60, where powl is off by far
// less than 0.5). The root finders round several times per root, and powl
// took most of their time.
constexpr std::array<Extended, 19> kPowersOfTen = [] {
  std::array<Extended, 19> p{};
  Extended v = 1;
  for (Extended& e : p) {
    e = v;
    v *= 10;
  }
  return p;
}();

}  // namespace

Extended RoundDecimals(std::int32_t d, Extended x) {
  const Extended f = d >= 0 && d < static_cast<std::int32_t>(kPowersOfTen.size())
                         ? kPowersOfTen[static_cast<std::size_t>(d)]
                         : Int(powl(10.0L, d) + 0.5L);
  if (f == 0) throw CalcFailure{msg::DivisionByZero};
  if (!std::isfinite(f)) throw CalcFailure{msg::Overflow};
  return x >= 0 ? Int(x * f + 0.5L) / f : Int(x * f - 0.5L) / f;
}

Extended SinhReal(Extended x) { return CheckedFinite(xmath::Sinh(x)); }
Extended CoshReal(Extended x) { return CheckedFinite(xmath::Cosh(x)); }

// ---- trigonometry ------------------------------------------------------------

Extended DegToRad(Extended x) { return x * Pi / 180; }
Extended RadToDeg(Extended x) { return x * 180 / Pi; }

Extended TanRad(Extended x) {
  const Extended c = cosl(x);
  if (c == 0) throw CalcFailure{msg::DivisionByZero};
  return sinl(x) / c;
}

Extended SinDeg(Extended x) { return sinl(DegToRad(x)); }
Extended CosDeg(Extended x) { return cosl(DegToRad(x)); }
Extended TanDeg(Extended x) { return TanRad(DegToRad(x)); }
Extended ArcTanDeg(Extended x) { return RadToDeg(atanl(x)); }

Extended ArcSinRad(Extended x) {
  if (fabsl(x) > 1 + ArcOvershoot || std::isnan(x)) return 0;
  if (x >= 1) return Pi / 2;
  if (x <= -1) return -Pi / 2;
  return asinl(x);
}

Extended ArcCosRad(Extended x) {
  if (fabsl(x) > 1 + ArcOvershoot || std::isnan(x)) return 0;
  if (x >= 1) return 0;
  if (x <= -1) return Pi;
  return acosl(x);
}

Extended ArcCosDeg(Extended x) {
  if (std::isnan(x)) return 0;
  if (x <= -1) return 180;
  if (x >= 1) return 0;
  return RadToDeg(acosl(x));
}

Extended AngleModeToRadians(int mode) {
  switch (mode) {
    case 0: return Pi / 180;
    case 1: return 1;
    case 2: return Pi / 200;
    default: return 0;
  }
}

Extended SinAngle(Extended x) {
  const Extended f = AngleModeToRadians(kernelState().AngleMode);
  return f == 0 ? 0 : sinl(x * f);
}

Extended CosAngle(Extended x) {
  const Extended f = AngleModeToRadians(kernelState().AngleMode);
  return f == 0 ? 0 : cosl(x * f);
}

Extended TanAngle(Extended x) {
  const Extended f = AngleModeToRadians(kernelState().AngleMode);
  return TanRad(f == 0 ? x : x * f);
}

Extended ArcSinAngle(Extended x) { return RadiansToAngleMode(kernelState().AngleMode, ArcSinRad(x)); }
Extended ArcCosAngle(Extended x) { return RadiansToAngleMode(kernelState().AngleMode, ArcCosRad(x)); }
Extended ArcTanAngle(Extended x) { return RadiansToAngleMode(kernelState().AngleMode, atanl(x)); }

}  // namespace zw
