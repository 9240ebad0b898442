#pragma once
// Small maths and text routines shared by the whole kernel and the topic
// windows: signs, extremes, gcd/lcm, powers with negative bases, rounding,
// binomials, factorials, trigonometry in degrees or in the global angle mode,
// hyperbolic functions and a few text helpers.
//
// Failures (overflow, division by zero, the logarithm of a negative base) are
// thrown as CalcFailure at the point where they happen.
#include <cstdint>
#include <numbers>
#include <string>

#include "kernel/Types.h"

namespace zw {

// ---- text ---------------------------------------------------------------
// The first n characters (all of them when n exceeds the length, "" for n <= 0).
std::u16string LeftStrCopy(const std::u16string& text, int n);
// 1-based position of the first character of text not contained in allowed;
// 0 when every character is allowed or text is empty.
int LastCharPos(const std::u16string& text, const std::u16string& allowed);
// Replaces every occurrence of oldText by newText, ignoring case, in one
// left-to-right pass: inserted text is never searched again, so the call ends
// even when newText contains oldText. An empty oldText changes nothing.
void ReplaceAllText(std::u16string& text, const std::u16string& oldText,
                    const std::u16string& newText);
std::u16string CommaToPoint(std::u16string text);
std::u16string PointToComma(std::u16string text);

// ---- signs, extremes, swaps ------------------------------------------------
int Sgn(Extended x);
int RectFunc(Extended x);
Extended MaxReal(Extended a, Extended b);
Extended MinReal(Extended a, Extended b);
Extended MaxReal3(Extended a, Extended b, Extended c);
Extended MaxReal4(Extended a, Extended b, Extended c, Extended d);
std::int32_t MaxInt2(std::int32_t a, std::int32_t b);
std::int32_t MaxInt3(std::int32_t a, std::int32_t b, std::int32_t c);
std::int32_t MaxInt4(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d);
void SwapReal(Extended& a, Extended& b);
void SwapInt(std::int32_t& a, std::int32_t& b);

// ---- arithmetic ------------------------------------------------------------
// x when x < m, 0 when x = m, x - m*Trunc(x/m) otherwise (so FloatMod(-7, 3) = -7).
Extended FloatMod(Extended x, Extended m);
void FloatDivMod(Extended x, Extended m, Extended& q, Extended& r);
Extended CubeRoot(Extended x);
// Gcd of the magnitudes rounded to whole numbers; 1 when both are 0 (or the
// non-zero one is below 2).
Extended GcdReal(Extended a, Extended b);
// 1 when a or b is 0.
std::int32_t GcdInt(std::int32_t a, std::int32_t b);
Extended LcmReal(Extended a, Extended b);
// base^exponent for every base; throws for 0 to a negative power (division by
// zero), for a negative base with a non-integral exponent and on overflow.
Extended RealPower(Extended base, Extended exponent);
// Product over i = 1..k of (n - k + i)/i; 1 for k <= 0.
Extended Binomial(Extended n, std::int32_t k);
// n! as an extended product; 1 for n = 0 and 1. Throws for n < 0 and when the
// product overflows (from n = 1755 on), without running the whole loop.
Extended Factorial(std::int64_t n);
// x rounded to d decimals, halves away from zero.
Extended RoundDecimals(std::int32_t d, Extended x);
Extended SinhReal(Extended x);
Extended CoshReal(Extended x);

// ---- trigonometry ------------------------------------------------------------
Extended DegToRad(Extended x);
Extended RadToDeg(Extended x);
Extended TanRad(Extended x);
Extended SinDeg(Extended x);
Extended CosDeg(Extended x);
Extended TanDeg(Extended x);
Extended ArcTanDeg(Extended x);
// 0 outside [-1, 1]; a rounding overshoot of at most 1e-15 counts as +-1.
Extended ArcSinRad(Extended x);
Extended ArcCosRad(Extended x);
// Never fails: 180 for x <= -1, 0 for x >= 1.
Extended ArcCosDeg(Extended x);
// The factor from the unit of an angle mode (0 degrees, 1 radians, 2 gon) to
// radians; 0 for any other mode.
Extended AngleModeToRadians(int mode);
// The angle r (radians) in the unit of an angle mode; 0 for any other mode.
// Inline: the formula evaluator converts every arc tangent of a plot.
inline Extended RadiansToAngleMode(int mode, Extended r) {
  constexpr Extended pi = std::numbers::pi_v<long double>;
  switch (mode) {
    case 0: return r * 180 / pi;
    case 1: return r;
    case 2: return r * 200 / pi;
    default: return 0;
  }
}
// Read x in the angle mode of kernelState() (0 degrees, 1 radians, 2 gon).
Extended SinAngle(Extended x);
Extended CosAngle(Extended x);
Extended TanAngle(Extended x);
// Results in the angle mode of kernelState().
Extended ArcSinAngle(Extended x);
Extended ArcCosAngle(Extended x);
Extended ArcTanAngle(Extended x);

}  // namespace zw
