#pragma once
// First and second derivatives of a typed term as terms in x, computed by the
// symbolic calculation library (zw_symbolic, entry point symbolic_calculate):
// the term is prepared so that the library reads it, the command is built and
// the answer cleaned. The answers read back with EvaluateFormula.
#include <cstdint>
#include <string>

#include "kernel/FormulaContext.h"

namespace zw {

// f'(x) of term; "0" for an empty or blank term; "Error" when the library
// cannot differentiate the term.
std::u16string SymbolicDerivative(const std::u16string& term);
// f''(x) of term, likewise.
std::u16string SymbolicDerivative2(const std::u16string& term);
// The same in the angle mode of context instead of the program-wide one
// (the derivatives of the angle functions depend on it).
std::u16string SymbolicDerivative(const std::u16string& term, const FormulaContext& context);
std::u16string SymbolicDerivative2(const std::u16string& term, const FormulaContext& context);

// The command the library receives for term (order 1 or 2): lower case
// except "X" and "K" (whose case the evaluator's implicit multiplication
// tells apart), names mapped, "*" inserted, "diff(" term ",x)" or "diff(" term ",x,2)", as
// 8-bit text with "?" for every character outside ASCII. Meant for a term
// that is not blank (a blank term is answered "0" without the library).
std::string SymbolicCommand(const std::u16string& term, int order);

// One call of the library. answer is the library's answer, or "Error" when
// code is negative. No length limit on the command; an answer that would be
// unreasonably long counts as a failure.
void CallSymbolic(const std::string& command, std::string& answer, std::int32_t& code);
// The same in the given angle mode instead of the program-wide one.
void CallSymbolic(const std::string& command, int angleMode, std::string& answer,
                  std::int32_t& code);

// Preparation steps (applied to the lower-cased term): the evaluator's
// alternative names (MapFunctionNames), "," as decimal point; "exp" stays,
// since the library reads the name as the evaluator does.
void NormalizeSymbolicNames(std::u16string& term);
// "*" where the evaluator implies a product (ImpliesProduct), and before an
// "e^" after a left neighbour.
void InsertImplicitMul(std::u16string& term);

}  // namespace zw
