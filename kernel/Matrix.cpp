#include "kernel/Matrix.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <utility>

#include "kernel/CalcFailure.h"

namespace zw {

namespace {

constexpr Extended kEliminationZero = 1e-15L;  // GaussSolve
constexpr Extended kRankZero = 1e-9L;          // MatrixRank
constexpr Extended kDeterminantZero = 1e-12L;  // Determinant, n ∉ {2, 3}

void checkSize(int n) {
  if (n < 1 || n > VektorSize) throw CalcFailure(msg::InvalidInput, "matrix size");
}

Extended zeroBelow(Extended v, Extended limit) { return std::fabs(v) < limit ? 0 : v; }

// Row of the largest |A[i][col]| for i = from..n; a later row wins only when
// strictly larger, so ties keep the upper row.
int pivotRow(const Matrix& A, int col, int from, int n) {
  int p = from;
  for (int i = from + 1; i <= n; ++i)
    if (std::fabs(A[i][col]) > std::fabs(A[p][col])) p = i;
  return p;
}

Extended checked(Extended v) {
  if (!std::isfinite(v)) throw CalcFailure(msg::DivisionByZero);
  return v;
}

// Brings the leading n × n block of A (and b, when given) to row echelon form
// with partial pivoting; eliminated entries below `zero` in magnitude become
// 0. A column without a non-zero pivot candidate is skipped. Returns the rank;
// swaps (when given) counts the row exchanges.
int rowEchelon(Matrix& A, Vektor* b, int n, Extended zero, int* swaps = nullptr) {
  int rank = 0;
  for (int k = 1; k <= n && rank < n; ++k) {
    const int row = rank + 1;
    const int p = pivotRow(A, k, row, n);
    if (p != row) {
      std::swap(A[p], A[row]);
      if (b) std::swap((*b)[p], (*b)[row]);
      if (swaps) ++*swaps;
    }
    if (A[row][k] == 0) continue;
    for (int i = row + 1; i <= n; ++i) {
      const Extended q = A[i][k] / A[row][k];
      for (int j = k; j <= n; ++j) A[i][j] = zeroBelow(A[i][j] - q * A[row][j], zero);
      if (b) (*b)[i] = zeroBelow((*b)[i] - q * (*b)[row], zero);
    }
    rank = row;
  }
  return rank;
}

}  // namespace

void GaussSolve(Matrix A, Vektor b, int n, Vektor& x, int& status) {
  checkSize(n);
  // A column without a pivot is a free variable, not a contradiction:
  // rank(A) against rank([A|b]) decides between "no solution" and "no unique
  // solution".
  const int rank = rowEchelon(A, &b, n, kEliminationZero);
  if (rank < n) {
    status = -1;
    for (int i = rank + 1; i <= n; ++i)
      if (b[i] != 0) status = 0;
    return;
  }
  Vektor y{};
  for (int i = n; i >= 1; --i) {
    Extended s = b[i];
    for (int j = i + 1; j <= n; ++j) s -= A[i][j] * y[j];
    y[i] = s / A[i][i];
  }
  for (int i = 1; i <= n; ++i) x[i] = y[i];
  status = 1;
}

Extended Determinant(const Matrix& M, int n) {
  checkSize(n);
  if (n == 2) return M[1][1] * M[2][2] - M[2][1] * M[1][2];
  if (n == 3)
    return M[1][1] * M[2][2] * M[3][3] + M[1][2] * M[2][3] * M[3][1] + M[2][1] * M[1][3] * M[3][2] -
           M[2][2] * M[3][1] * M[1][3] - M[2][3] * M[3][2] * M[1][1] - M[2][1] * M[3][3] * M[1][2];
  Matrix A = M;
  int swaps = 0;
  if (rowEchelon(A, nullptr, n, 0, &swaps) < n) return 0;
  Extended d = swaps % 2 ? -1 : 1;
  for (int k = 1; k <= n; ++k) d *= A[k][k];
  return std::fabs(d) < kDeterminantZero ? 0 : d;
}

int MatrixRank(const Matrix& M, int n) {
  checkSize(n);
  // (A non-zero determinant is no proof of full rank: for larger matrices
  // rounding noise alone exceeds its cut-off.)
  Matrix A = M;
  return rowEchelon(A, nullptr, n, kRankZero);
}

namespace {

// Gauss–Jordan steps with full pivoting, shared by the inverse and the rank
// decision so that both take the same pivots and judge them alike.
struct FullPivotElimination {
  Matrix B;
  int n;
  Extended tiny = 0;  // a pivot at or below it is rounding noise: singular
  std::array<bool, VektorSize + 1> used{};

  FullPivotElimination(const Matrix& A, int order, const Matrix& start) : B(start), n(order) {
    Extended largest = 0;
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) {
        B[i][j] = A[i][j];
        largest = std::max(largest, std::fabs(A[i][j]));
      }
    // A pivot at rounding level of the largest entry means a singular matrix.
    tiny = n * LDBL_EPSILON * largest;
  }

  // The largest |B[j][k]| over the unused rows and columns (the first one
  // met wins a tie); false when it is at most `tiny`.
  bool choosePivot(int& irow, int& icol) const {
    Extended big = -1;
    irow = icol = 0;
    for (int j = 1; j <= n; ++j) {
      if (used[j]) continue;
      for (int k = 1; k <= n; ++k)
        if (!used[k] && std::fabs(B[j][k]) > big) {
          big = std::fabs(B[j][k]);
          irow = j;
          icol = k;
        }
    }
    return big > tiny;
  }

  // Moves the pivot row onto row icol, divides it by the pivot (the pivot's
  // own place becomes 1/pivot, as the inverse needs) and eliminates its
  // column from the other rows (all of them, or only the unused ones).
  // Returns the pivot.
  Extended step(int irow, int icol, bool allRows) {
    used[icol] = true;
    if (irow != icol)
      for (int j = 1; j <= n; ++j) std::swap(B[irow][j], B[icol][j]);
    const Extended piv = B[icol][icol];
    B[icol][icol] = 1;
    for (int j = 1; j <= n; ++j) B[icol][j] /= piv;
    for (int l = 1; l <= n; ++l) {
      if (l == icol || (!allRows && used[l])) continue;
      const Extended d = B[l][icol];
      B[l][icol] = 0;
      for (int j = 1; j <= n; ++j) B[l][j] -= d * B[icol][j];
    }
    return piv;
  }
};

}  // namespace

void MatrixInverse(const Matrix& A, int n, Matrix& out) {
  checkSize(n);
  FullPivotElimination g(A, n, out);
  std::array<int, VektorSize + 1> rowOf{}, colOf{};
  for (int s = 1; s <= n; ++s) {
    int irow = 0, icol = 0;
    if (!g.choosePivot(irow, icol)) throw CalcFailure(msg::DivisionByZero, "singular matrix");
    rowOf[s] = irow;
    colOf[s] = icol;
    g.step(irow, icol, true);
  }
  Matrix& B = g.B;
  for (int s = n; s >= 1; --s)
    if (rowOf[s] != colOf[s])
      for (int k = 1; k <= n; ++k) std::swap(B[k][rowOf[s]], B[k][colOf[s]]);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) checked(B[i][j]);
  out = B;
}

void MatrixRankDet(const Matrix& A, int n, int& rank, Extended& det) {
  checkSize(n);
  // The inverse's steps restricted to the rows not yet used: the entries
  // they leave in those rows are the inverse's, so rank n here is exactly
  // the case in which MatrixInverse finds every pivot.
  FullPivotElimination g(A, n, Matrix{});
  Extended product = 1;
  rank = 0;
  int irow = 0, icol = 0;
  while (rank < n && g.choosePivot(irow, icol)) {
    if (irow != icol) product = -product;
    product *= g.step(irow, icol, false);
    ++rank;
  }
  det = rank == n ? product : 0;
}

void MatrixMultiply(const Matrix& A, const Matrix& B, int m, int n, int p, Matrix& C) {
  checkSize(m);
  checkSize(n);
  checkSize(p);
  Matrix R = C;
  for (int i = 1; i <= m; ++i)
    for (int j = 1; j <= p; ++j) {
      Extended s = 0;
      for (int k = 1; k <= n; ++k) s += A[i][k] * B[k][j];
      R[i][j] = s;
    }
  C = R;
}

void MatrixClearCopy(const Matrix& A, int r, int c, Matrix& B) {
  checkSize(r);
  checkSize(c);
  Matrix T{};
  for (int i = 1; i <= r; ++i)
    for (int j = 1; j <= c; ++j) T[j][i] = A[i][j];
  B = T;
}

}  // namespace zw
