#pragma once
// First and second derivatives of a typed term as terms in x, computed by the
// symbolic calculation library (zw_symbolic, entry point symbolic_calculate):
// the term is prepared so that the library reads it, the command is built and
// the answer cleaned. The answers read back with EvaluateFormula.
#include <cstdint>
#include <string>

namespace zw {

// f'(x) of term; "0" for an empty or blank term; "Error" when the library
// cannot differentiate the term.
std::u16string SymbolicDerivative(const std::u16string& term);
// f''(x) of term, likewise.
std::u16string SymbolicDerivative2(const std::u16string& term);

// One call of the library. answer is the library's answer, or "Error" when
// code is negative. No length limit on the command; an answer that would be
// unreasonably long counts as a failure.
void CallSymbolic(const std::string& command, std::string& answer, std::int32_t& code);

// Preparation steps (applied to the lower-cased term): alternative names
// (atn, arcsin, arccos, fac), "exp" written "e^", "," as decimal point.
void NormalizeSymbolicNames(std::u16string& term);
// "*" between a digit, "x" or ")" and a following name, "(" or "e^".
void InsertImplicitMul(std::u16string& term);

}  // namespace zw
