#pragma once
// Linear least squares through the singular value decomposition A = U W V^T
// (Householder reduction to bidiagonal form, then implicitly shifted QR
// sweeps). A design matrix with fewer rows than columns is treated as if
// padded with zero rows, which gives the minimum-norm solution.
#include "numerics/Matrix.h"

namespace zw {

// A (m x n) becomes U; V (n x n) and W (n singular values, unsorted) are
// filled. False when a singular value did not converge within 30 sweeps.
bool SvdDecompose(TMatrix& A, TMatrix& V, TVector& W);

// X := V diag(1/w) U^T B, zero singular values left out; Errors (when given)
// the standard errors of the unknowns for unit data errors. Always True.
bool SvdBackSubst(const TMatrix& U, const TMatrix& V, const TVector& W, TVector* Errors, TVector& X,
                  const TVector& B);

// Solves A X = B in the least-squares sense (A is destroyed). Singular
// values below 1e-14 of the largest are dropped and Deficient set (also for
// a zero matrix). False when the decomposition failed.
bool SvdLeastSquares(TMatrix& A, const TVector& B, TVector& X, bool& Deficient, TVector* Errors);

}  // namespace zw
