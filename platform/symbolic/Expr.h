#pragma once
// Simplified symbolic expressions over the evaluator's names. Every
// expression is built through the constructors below, which keep it in a
// canonical form: constants folded, sums of coefficient·term with equal terms
// collected, products of coefficient·base^exponent with equal bases
// collected, 0 and 1 dropped. print() writes the evaluator's own dialect, so
// that the text reads back to the same value.
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "kernel/Evaluator.h"
#include "kernel/Types.h"

namespace zw::symbolic {

struct Expr;
using Ex = std::shared_ptr<const Expr>;

enum class Kind { Num, Var, Sym, Sum, Prod, Fn };

struct Expr {
  Kind kind = Kind::Num;
  Extended num = 0;                  // Num; constant part of Sum; coefficient of Prod
  FormulaFunc func = FormulaFunc::X; // Sym (Pi, W, Y, Z, K) and Fn
  std::vector<std::pair<Ex, Extended>> terms;  // Sum: term (no coefficient) and its coefficient
  std::vector<std::pair<Ex, Ex>> factors;      // Prod: base and exponent
  Ex arg;                                      // Fn
  std::string key;                             // canonical text: equal keys, equal expressions
  bool hasX = false;
  bool piecewise = false;  // Fn: a step that came from differentiating ABS or RELU
};

// Raised when an expression grows beyond what a derivative may sensibly be.
struct TooLarge : std::runtime_error {
  TooLarge() : std::runtime_error("expression too large") {}
};

// Limits the total size of the expressions built on the calling thread
// while it lives (nested budgets are not supported).
class Budget {
public:
  explicit Budget(size_t characters);
  ~Budget();
};

Ex num(Extended v);
Ex var();                     // X
Ex sym(FormulaFunc f);        // Pi, W (Euler's number), Y, Z, K
Ex fn(FormulaFunc f, Ex arg); // a function of the evaluator
// sgn(arg) as the derivative of |arg| or the step of relu(arg): constant
// between its jumps, so its own derivative is 0 there.
Ex piecewiseSgn(Ex arg);
Ex add(const Ex& a, const Ex& b);
Ex mul(const Ex& a, const Ex& b);
Ex pow(const Ex& base, const Ex& exponent);
Ex neg(const Ex& a);
Ex sub(const Ex& a, const Ex& b);
Ex div(const Ex& a, const Ex& b);

bool isNum(const Ex& e, Extended v);

// The expression in the evaluator's dialect (lower-case names, "ln" and
// "log", e^(…), parenthesised bases and exponents, no unary minus after an
// operator).
std::string print(const Ex& e);

}  // namespace zw::symbolic
