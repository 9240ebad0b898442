#pragma once
// The text preparation of the formula evaluator: the typed term («2pi/3»,
// «3,5x», «sin 2x») is rewritten into the normal form that the reading
// expects (blanks dropped, names mapped, "*" made explicit, upper case).
#include <cstdint>
#include <string>
#include <string_view>

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

// Implied multiplication as the evaluator reads it, at the position i >= 1
// of a text before it is upper-cased. t[i-1] is a left neighbour when it is a
// digit, ")" or a lower-case "x" (not the one of "exp"); a "*" is implied
// when t[i] then begins a factor: "(", the first letter of a name, or "exp".
// The case tells apart: «x(x+1)» is a product but «X(X+1)» is X with an
// ignored argument; «2K» is 2·K but «2k» an error.
bool IsProductLeftNeighbour(std::u16string_view t, size_t i);
bool ImpliesProduct(std::u16string_view t, size_t i);

// The alternative function names, ignoring case: atn and arctan (atan),
// arcsin (asin), arccos (acos), fac (fak).
void MapFunctionNames(std::u16string& t);

// First normalisation step: removes blanks and maps the alternative function
// names.
void NormalizeFunctionNames(std::u16string& text);

// The whole normalisation. Returns evalerr::Ok with the normal form in
// normalized, or evalerr::Empty / evalerr::Parentheses.
std::int32_t NormalizeFormula(const std::u16string& text, std::u16string& normalized);

}  // namespace zw
