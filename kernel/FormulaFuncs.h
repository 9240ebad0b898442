#pragma once
// The names of the formula evaluator (SIN, SQRT, PI, X, ...) and the value of
// each for an argument; the power as the evaluator computes it.
#include <cstdint>

#include "kernel/FormulaContext.h"
#include "kernel/Types.h"

namespace zw {

// The names of the evaluator in the order in which they are searched.
enum class FormulaFunc : std::uint8_t {
  Abs, Int, Sgn, Rect, Relu, Sqrt, Sqr, Sinh, Cosh, Tanh, Coth, Asinh, Acosh, Atanh, Acoth,
  Sin, Cos, Cot, Tan, Atan, Asin, Acos, Ln, Log, Exp, Fak, Erf, Pi, E, W, X, Y, Z, K,
};
inline constexpr int FormulaFuncCount = 34;
// The upper-case name of f ("SQRT").
const char* FormulaFuncName(FormulaFunc f);
// PI, W, X, Y, Z, K: names that read an argument but ignore its value.
bool FormulaFuncIgnoresArgument(FormulaFunc f);
// Names whose value depends on the angle mode.
bool FormulaFuncUsesAngleMode(FormulaFunc f);

// The value of a name for the argument a, as the evaluator computes it, with
// the angle mode and Y, Z, K of context (without one: of the program-wide
// settings). status: 0 success, 1 domain failure (err 1), 2 arithmetic failure.
Extended ApplyFormulaFunc(FormulaFunc f, Extended a, Extended x, const FormulaContext& context,
                          int& status);
Extended ApplyFormulaFunc(FormulaFunc f, Extended a, Extended x, int& status);

// b^p as the evaluator computes it. status: 0 success, 1 zero to a negative
// power (err 1), 2 arithmetic failure, 3 negative base with a non-integral
// exponent (err = position).
Extended FormulaPower(Extended b, Extended p, int& status);

}  // namespace zw
