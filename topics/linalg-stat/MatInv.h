#pragma once
// Matrix inversion, callable without a window: order, rank, determinant and
// the inverse of a square matrix, and the memo lines.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

inline constexpr int MatInvMinOrder = 2;
inline constexpr int MatInvMaxOrder = 30;

struct MatInvResult {
  int rank = 0;
  Extended det = 0;      // the signed product of the pivots, 0 below full rank
  bool invertible = false;  // full rank: the one decision for the matrix
  Matrix inverse{};
};

MatInvResult ComputeMatInv(const Matrix& a, int n);

// The matrix, its inverse or "Matrix nicht invertierbar", and order, rank
// and determinant.
QStringList MatInvMemoLines(const Matrix& a, int n, const MatInvResult& result);

void RegisterMatInvTexts();

}  // namespace zw
