#pragma once
// Dense linear algebra on the fixed 30 × 30 matrices, the error function and
// the normal distribution, and a few real helpers (signed powers, rounding to
// fractions of a unit, sign, decimal logarithm).
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
void SwapExtended(Extended& a, Extended& b);

Extended NormalDensity(Extended x, Extended mu, Extended sigma);
// P := probability of a value ≤ x; ok 1 when P was computed.
void NormalDistribution(Extended& P, int& ok, Extended x, Extended mu, Extended sigma);
// e := erf(x); for |x| < 1e-20 ok := 0 and e is not written.
void ErfApprox(Extended& e, int& ok, Extended x);
Extended ErfSeries(Extended x);

// base^exponent that also takes negative bases: for an exponent p/q with odd q
// the sign is (-1)^p (so (-8)^(1/3) = -2, (-8)^(2/3) = 4); any other exponent
// of a negative base gives the negated power of |base| ((-4)^0.5 = -2).
Extended SignedPower(Extended base, Extended exponent);
// x rounded to a multiple of 1/n (halves to even).
Extended RoundToNth(int n, Extended x);
Extended SignReal(Extended x);
Extended Log10(Extended x);

}  // namespace zw
