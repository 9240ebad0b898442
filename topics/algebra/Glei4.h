#pragma once
// Equations up to degree four: the solve without a window. Rational roots
// are split off exactly, the rest is solved numerically.
#include <QStringList>
#include <array>
#include <string>

namespace zw {

// The five coefficient cells a (x⁴) .. e (the constant).
using Glei4Cells = std::array<std::u16string, 5>;

// The worksheet key of cell i (0 = a .. 4 = e).
std::string Glei4CellKey(int cell);

// The memo lines of one solve: the equation (and, when it differs, its
// factorised form), "L = {…}" and two empty lines; all coefficients 0 give
// "0 = 0  " + `identityText` and one empty line. Throws InputRejected
// (message 22) with the key of a cell that is not fraction text (a formula,
// a number beyond 32 bits), CalcFailure(21) when the exact
// arithmetic leaves the 32-bit range.
QStringList Glei4Lines(const Glei4Cells& cells, const QString& identityText);

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterGlei4Texts();

}  // namespace zw
