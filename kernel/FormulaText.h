#pragma once
// The text preparation of the formula evaluator: the typed term («2pi/3»,
// «3,5x», «sin 2x») is rewritten into the normal form that the reading
// expects (blanks dropped, names mapped, "*" made explicit, upper case).
#include <cstdint>
#include <string>

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

// First normalisation step: removes blanks and maps the alternative function
// names (atn, arctan, arcsin, arccos, fac) to the evaluator's, ignoring case.
void NormalizeFunctionNames(std::u16string& text);

// The whole normalisation. Returns evalerr::Ok with the normal form in
// normalized, or evalerr::Empty / evalerr::Parentheses.
std::int32_t NormalizeFormula(const std::u16string& text, std::u16string& normalized);

}  // namespace zw
