#pragma once
// Pseudo-inverses, callable without a window: for A (n × m) the products
// Aᵀ·A and A·Aᵀ, their inverses where they exist, the left inverse
// (Aᵀ·A)⁻¹·Aᵀ and the right inverse Aᵀ·(A·Aᵀ)⁻¹, and the memo lines.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

inline constexpr int PseudoMinSize = 2;
inline constexpr int PseudoMaxRows = 30;
inline constexpr int PseudoMaxColumns = 25;

struct PseudoResult {
  Matrix AtA{}, AAt{};                // m × m and n × n
  bool leftExists = false, rightExists = false;  // full rank of Aᵀ·A, of A·Aᵀ
  Matrix AtAInverse{}, AAtInverse{};
  Matrix left{}, right{};             // both m × n
  // What copy and export of the output take: the right inverse when it
  // exists, else the left one.
  const Matrix* copied() const { return rightExists ? &right : leftExists ? &left : nullptr; }
};

PseudoResult ComputePseudo(const Matrix& a, int n, int m);

// Headings underlined in the memo's font.
QStringList PseudoMemoLines(const Matrix& a, int n, int m, const PseudoResult& result, const TextMeasurer& memoFont);

void RegisterPseudoTexts();

}  // namespace zw
