#pragma once
// Matrix multiplication, callable without a window: the product of A1
// (nz × mz) and A2 (mz × lz) and the memo lines.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

inline constexpr int MatMulMinSize = 2;
inline constexpr int MatMulMaxSize = 25;

// C = A1·A2, summed in extended precision with k ascending.
Matrix ComputeMatMul(const Matrix& a, const Matrix& b, int nz, int mz, int lz);

// "1. Matrix", A1, "2. Matrix", A2, "Produktmatrix", the product.
QStringList MatMulMemoLines(const Matrix& a, const Matrix& b, const Matrix& c, int nz, int mz, int lz);

void RegisterMatMulTexts();

}  // namespace zw
