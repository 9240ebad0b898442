#pragma once
// A term as a tree, read by the evaluator's own reader (so every consumer,
// the compiled form and the symbolic derivative, reads a term exactly as the
// evaluation does).
#include <string>
#include <vector>

#include "kernel/FormulaFuncs.h"
#include "kernel/Types.h"

namespace zw {

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

}  // namespace zw
