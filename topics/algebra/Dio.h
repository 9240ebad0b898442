#pragma once
// The Diophantine equations topic's computation, callable without a window:
// all integer solutions of a·x + b·y + c = 0, as x = x0 + xs·t, y = y0 + ys·t,
// every pair, or none. Exact on 128-bit integers for coefficients up to
// 10^15 in magnitude.
#include <QString>
#include <cstdint>

namespace zw {

struct DioSolution {
  enum class Kind { None, AllPairs, OneParameter };
  Kind kind = Kind::None;
  __int128 x0 = 0, xs = 0, y0 = 0, ys = 0;
};

// The particular solution comes from the extended Euclidean algorithm with
// truncating division, x0 := (X·q) mod xs with the rule that keeps X·q when
// it is below xs; the set is not normalised further.
DioSolution SolveDio(std::int64_t a, std::int64_t b, std::int64_t c);

// "3·x + 5·y – 7 = 0 ;   x,y ganzzahlig"
QString DioEquationLine(std::int64_t a, std::int64_t b, std::int64_t c);
// "L = { ( 4 - 5t | - 1 + 3t ) }", "L = { ( t | s ) }" or "L = { }".
QString DioSolutionLine(const DioSolution& s);

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterDioTexts();

}  // namespace zw
