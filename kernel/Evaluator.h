#pragma once
// The formula evaluator: the one reader of the terms users type («2pi/3»,
// «sin(x)*x^2», «3,5»). The text is first rewritten into a normal form, then
// read by recursive descent in extended reals. Failures are reported by an
// error code, never by an exception or a message.
//
// The same reader also builds a tree of the term (FormulaTree) for the
// compiled fast path of repeated evaluations and for symbolic work, so every
// consumer reads a term exactly as the evaluator does.
#include <cstdint>
#include <string>
#include <vector>

#include "kernel/Types.h"

namespace zw {

// Error codes of EvaluateFormula. Any other positive value is the 1-based
// character position in the normalised text where reading failed.
namespace evalerr {
inline constexpr std::int32_t Ok = 0;
inline constexpr std::int32_t Math = 1;         // division by 0, domain, overflow
inline constexpr std::int32_t Prepare = 1000;   // could not start after normalising
inline constexpr std::int32_t Empty = 1001;
inline constexpr std::int32_t Parentheses = 1002;
inline constexpr std::int32_t LeftOver = 1003;  // text left after the expression
}  // namespace evalerr

// Evaluates text with the variable X = x; AngleMode, FormulaY, FormulaZ and
// FormulaK are read from kernelState() at the time of the call. value receives
// the value reached (0 after an arithmetic failure); err 0 means success.
// Repeated texts are served from a small per-thread cache of compiled forms
// that gives exactly the value and err of the direct reading.
void EvaluateFormula(const std::u16string& text, Extended& value, std::int32_t& err, Extended x);

// The same without the cache: normalises and reads the text afresh.
void EvaluateFormulaDirect(const std::u16string& text, Extended& value, std::int32_t& err,
                           Extended x);

// Empties the calling thread's cache of compiled terms.
void ClearFormulaCache();

// First normalisation step: removes blanks and maps the alternative function
// names (atn, arctan, arcsin, arccos, fac) to the evaluator's, ignoring case.
void NormalizeFunctionNames(std::u16string& text);

// The whole normalisation. Returns evalerr::Ok with the normal form in
// normalized, or evalerr::Empty / evalerr::Parentheses.
std::int32_t NormalizeFormula(const std::u16string& text, std::u16string& normalized);

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

// A term as the evaluator reads it. Every name has exactly one argument (a
// name that stands alone has the argument 1, as in the evaluation).
enum class FormulaOp : std::uint8_t { Number, Neg, Add, Sub, Mul, Div, Pow, Func };
struct FormulaNode {
  FormulaOp op = FormulaOp::Number;
  FormulaFunc func = FormulaFunc::Abs;  // Func only
  int a = -1, b = -1;                    // operands (indices into nodes)
  Extended number = 0;                   // Number only
};
struct FormulaTree {
  std::vector<FormulaNode> nodes;
  int root = -1;
};

// Reads text into a tree. Returns false when the evaluator would report a
// failure that does not depend on the values (a syntax error, an empty text,
// unbalanced parentheses, a number out of range).
bool ParseFormulaTree(const std::u16string& text, FormulaTree& tree);

// The number of levels of the tree (1 for a single number).
int FormulaTreeDepth(const FormulaTree& tree);

// The value of a name for the argument a, as the evaluator computes it.
// status: 0 success, 1 domain failure (err 1), 2 arithmetic failure.
Extended ApplyFormulaFunc(FormulaFunc f, Extended a, Extended x, int& status);

// b^p as the evaluator computes it. status: 0 success, 1 zero to a negative
// power (err 1), 2 arithmetic failure, 3 negative base with a non-integral
// exponent (err = position).
Extended FormulaPower(Extended b, Extended p, int& status);

}  // namespace zw
