#pragma once
// Systems of n linear equations in n variables, callable without a window:
// Gauss elimination to row echelon form (ref) and reduced row echelon form
// (rref), the solution set in set notation with up to five parameters, and
// the memo lines of the window.
#include <QStringList>
#include <string>

#include "kernel/Types.h"

namespace zw {

// Orders of the window (the matrix holds n + 1 ≤ 30 columns).
inline constexpr int LgsMinOrder = 2;
inline constexpr int LgsMaxOrder = 25;

enum class LgsOutcome {
  Unique,      // one solution
  Parametric,  // a solution set with one to five parameters
  Wide,        // more than five free variables: " Dimension > 5 "
  None,        // no solution: "L = { }"
  Universal,   // every x solves it (all coefficients and right sides 0)
};

struct LgsSolution {
  LgsOutcome outcome = LgsOutcome::Universal;
  // "L = { ( 1; 1)}", "L = { ( 4-2s-3t; s; t ) | s,t Є R }", "L = { }", ...;
  // empty for Universal, whose line is message 37 of the user's language.
  std::u16string text;
  // Row echelon and reduced row echelon form with variable k in column k and
  // the right sides in column n + 1; all zero when every entry of the system
  // is exactly 0.
  Matrix ref{}, rref{};
};

// A is the augmented system: rows 1..n, coefficients in columns 1..n, right
// sides in column n + 1 (1 ≤ n ≤ 29). A is not changed.
LgsSolution SolveLGS(const Matrix& A, int n);

// x rounded at the 14th decimal as Int(x·10^14 + 0.5) / 10^14 (Int toward
// zero, so not symmetric: −1.5e-14 ≤ x < 0.5e-14 gives 0): the zero and one
// tests of the solution set, never a printed value.
Extended Round14(Extended x);
// The term x·name: x truncated at the 14th decimal, "" for 0, name for 1,
// "-" + name for −1, else nine significant digits and the name ("-2,5t").
std::u16string FormatCoefficient(const std::u16string& name, double x);
// The same with "+" in front of a positive term that shows.
std::u16string FormatSignedCoefficient(const std::u16string& name, double x);

// The memo: an empty line, the equations, optionally ref(A) and rref(A),
// an empty line and the solution set (message 37 when every x solves it).
QStringList LgsMemoLines(const Matrix& A, int n, const LgsSolution& solution, bool showRef, bool showRref);

// The topic's texts in German, English and French (RegisterLinalgStatTopics).
void RegisterLgsTexts();

}  // namespace zw
