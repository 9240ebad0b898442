#pragma once
// Internal to the formula evaluator: the arithmetic helpers, constants and the
// table of names that the reading, the functions and the compiled form share.
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "kernel/ExtendedMath.h"
#include "kernel/FormulaFuncs.h"
#include "kernel/Types.h"

namespace zw::formula {

inline constexpr Extended kPi = 3.141592653589793238462643383279502884L;
inline constexpr Extended kE = 2.718281828459045235360287471352662498L;

inline bool isDigit(int c) { return c >= u'0' && c <= u'9'; }

// x87 conversions that truncate (trunc, casts to integers) switch the
// rounding mode of the unit, which stalls it; these helpers round by the
// 64-bit mantissa instead (in the default rounding mode, to nearest).
// For |v| < 2^63, v ± 2^63 lies where the spacing of extended reals is 1.
// The shift takes the sign of v by a comparison: copysign reads the sign
// through the unit's status word, which stalls it. Both give the same sum
// for every v (for -0 either shift gives +0).
inline Extended roundToWhole(Extended v) {
  const Extended shift = v < 0 ? -0x1p63L : 0x1p63L;
  return (v + shift) - shift;
}
// From 2^63 on every extended real is whole.
inline bool isWhole(Extended v) { return std::fabs(v) >= 0x1p63L || roundToWhole(v) == v; }
inline bool finite(Extended v) { return std::fabs(v) <= LDBL_MAX; }  // false for inf and NaN

// The variables: a number directly after one of them is no argument.
inline bool isVariable(FormulaFunc f) {
  return f == FormulaFunc::X || f == FormulaFunc::Y || f == FormulaFunc::Z || f == FormulaFunc::K;
}

struct FuncInfo {
  const char* name;
  std::uint8_t length;
};
inline constexpr FuncInfo kFuncs[FormulaFuncCount] = {
    {"ABS", 3},  {"INT", 3},  {"SGN", 3},   {"RECT", 4},  {"RELU", 4},  {"SQRT", 4}, {"SQR", 3},
    {"SINH", 4}, {"COSH", 4}, {"TANH", 4},  {"COTH", 4},  {"ASINH", 5}, {"ACOSH", 5}, {"ATANH", 5},
    {"ACOTH", 5}, {"SIN", 3}, {"COS", 3},   {"COT", 3},   {"TAN", 3},   {"ATAN", 4}, {"ASIN", 4},
    {"ACOS", 4}, {"LN", 2},   {"LOG", 3},   {"EXP", 3},   {"FAK", 3},   {"ERF", 3},  {"PI", 2},
    {"E", 1},    {"W", 1},    {"X", 1},     {"Y", 1},     {"Z", 1},     {"K", 1},
};

// b^n for a whole n >= 0 by repeated squaring.
inline Extended powWhole(Extended b, unsigned n) {
  Extended prod = 1;
  for (; n != 0; n >>= 1) {
    if (n & 1) prod *= b;
    if (n > 1) b *= b;
  }
  return prod;
}

// sin and cos of a read with the radians factor f of the angle mode.
[[gnu::always_inline]] inline Extended sinAngle(Extended a, Extended f) { return f != 0 ? xmath::Sin(a * f) : 0; }
[[gnu::always_inline]] inline Extended cosAngle(Extended a, Extended f) { return f != 0 ? xmath::Cos(a * f) : 0; }

}  // namespace zw::formula
