#pragma once
// Dense linear algebra on the fixed 30 × 30 matrices (1-based, the leading
// n × n block in use): solving, determinant, rank, inverse, product and
// transpose.
#include "kernel/Types.h"

namespace zw {

// Solves A·x = b for the leading n × n block. status 1: unique solution in x;
// 0: contradictory system (no solution); -1: no unique solution. x is written
// only for status 1. The decision 0 / -1 compares rank(A) with rank([A|b]).
void GaussSolve(Matrix A, Vektor b, int n, Vektor& x, int& status);

Extended Determinant(const Matrix& A, int n);
int MatrixRank(const Matrix& A, int n);
// B's leading n × n block := A⁻¹ (other entries of B keep their values).
// A singular matrix throws CalcFailure(DivisionByZero) and leaves B unchanged.
void MatrixInverse(const Matrix& A, int n, Matrix& B);
// Rank and determinant of the leading n × n block in one decision, with
// MatrixInverse's pivot rule (full pivoting; a pivot at most
// n·LDBL_EPSILON·max|aᵢⱼ| counts as 0): det is the signed product of the
// pivots, 0 below full rank. rank = n exactly when MatrixInverse succeeds.
void MatrixRankDet(const Matrix& A, int n, int& rank, Extended& det);
// C[i][j] := Σ_k A[i][k]·B[k][j] for i ≤ m, j ≤ p, k ≤ n; only that block of C.
void MatrixMultiply(const Matrix& A, const Matrix& B, int m, int n, int p, Matrix& C);
// B := 0 everywhere, then the transpose of A's r × c block.
void MatrixClearCopy(const Matrix& A, int r, int c, Matrix& B);

}  // namespace zw
