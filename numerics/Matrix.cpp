#include "numerics/Matrix.h"

#include <cmath>

#include "kernel/CalcFailure.h"

namespace zw {

namespace {

// Crout's method with implicit partial pivoting on the row-major n x n
// array a. pivot[j] is the row exchanged with row j; sign the permutation's
// sign. False for a zero row (a untouched) or a pivot below 1e-100, which is
// replaced by 1e-100 so that the decomposition still completes.
bool Crout(std::vector<double>& a, std::size_t n, std::vector<std::size_t>& pivot, double& sign,
           bool& zeroRow) {
  auto at = [&](std::size_t i, std::size_t j) -> double& { return a[i * n + j]; };
  sign = 1;
  zeroRow = false;
  std::vector<double> vv(n);
  pivot.assign(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    double big = 0;
    for (std::size_t j = 0; j < n; ++j) big = std::max(big, std::fabs(at(i, j)));
    if (big == 0) {
      zeroRow = true;
      return false;
    }
    vv[i] = 1 / big;
  }
  bool ok = true;
  std::vector<double> col(n);  // column j, contiguous for the inner sums
  for (std::size_t j = 0; j < n; ++j) {
    for (std::size_t k = 0; k < n; ++k) col[k] = at(k, j);
    for (std::size_t i = 0; i < j; ++i) {
      double sum = col[i];
      const double* row = &a[i * n];
      for (std::size_t k = 0; k < i; ++k) sum -= row[k] * col[k];
      col[i] = at(i, j) = sum;
    }
    double big = 0;
    std::size_t imax = j;
    for (std::size_t i = j; i < n; ++i) {
      double sum = col[i];
      const double* row = &a[i * n];
      for (std::size_t k = 0; k < j; ++k) sum -= row[k] * col[k];
      at(i, j) = sum;
      // Ties go to the last candidate.
      if (const double dum = vv[i] * std::fabs(sum); dum >= big) {
        big = dum;
        imax = i;
      }
    }
    if (imax != j) {
      for (std::size_t k = 0; k < n; ++k) std::swap(at(imax, k), at(j, k));
      sign = -sign;
      vv[imax] = vv[j];
    }
    pivot[j] = imax;
    if (!(std::fabs(at(j, j)) >= 1e-100)) {
      ok = false;
      at(j, j) = 1e-100;
    }
    if (j + 1 < n)
      for (std::size_t i = j + 1; i < n; ++i) at(i, j) /= at(j, j);
  }
  return ok;
}

// Solves L U x = P b in place (b holds x afterwards); leading zeros of b are
// skipped in the forward pass.
void SubstituteLU(const std::vector<double>& a, std::size_t n, const std::vector<std::size_t>& pivot,
                  std::vector<double>& b) {
  std::size_t first = n;  // first row with a non-zero running value
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t ip = pivot[i];
    double sum = b[ip];
    b[ip] = b[i];
    if (first < n)
      for (std::size_t j = first; j < i; ++j) sum -= a[i * n + j] * b[j];
    else if (sum != 0)
      first = i;
    b[i] = sum;
  }
  for (std::size_t i = n; i-- > 0;) {
    double sum = b[i];
    for (std::size_t j = i + 1; j < n; ++j) sum -= a[i * n + j] * b[j];
    b[i] = sum / a[i * n + i];
  }
}

}  // namespace

std::vector<double> TMatrix::rowMajorCopy() const {
  const auto n = static_cast<std::size_t>(FNCol), m = static_cast<std::size_t>(FNRow);
  std::vector<double> a = Allocating<EZwMatrixError>(tail::NoHeap, [&] { return std::vector<double>(n * m); });
  for (std::size_t i = 0; i < m; ++i)
    for (std::size_t j = 0; j < n; ++j) a[i * n + j] = Mat[j][i];
  return a;
}

bool TMatrix::Resize(std::int32_t Nc, std::int32_t Nr) {
  reshape(Nc, Nr);
  Changed();
  return true;
}

void TMatrix::Clone(const TMatrix* MatSource) {
  if (MatSource && MatSource != this) cloneDense(*MatSource);
}

void TMatrix::CopyFromVec(const TVector* VecSource, std::int32_t Source1stElem,
                          std::int32_t SourceLastElem, std::int32_t DestCol, std::int32_t DestRow) {
  if (!VecSource) return;
  const auto [lo, hi] = ClampRange(Source1stElem, SourceLastElem, VecSource->NrOfElem());
  for (std::int32_t e = lo; e <= hi; ++e) setThrough(DestCol, std::int64_t{e} + DestRow - lo, VecSource->Elem(e));
  Changed();
}

bool TMatrix::Transpose() {
  transposeDense();
  return true;
}

bool TMatrix::LUdecomposition(TMatrix* MatL, TMatrix* MatU) {
  if (!MatL || !MatU || MatL == MatU || !hasDense() || FNCol != FNRow) return false;
  std::vector<double> a = rowMajorCopy();
  const auto n = static_cast<std::size_t>(FNCol);
  std::vector<std::size_t> pivot;
  bool zeroRow = false;
  const bool ok = Crout(a, n, pivot, luSign_, zeroRow);
  // The factors are written straight into their cells, each matrix notified
  // once: MatU holds the copy (zero row), the partly decomposed values (tiny
  // pivot) or the upper factor; MatL is 0 or the unit lower factor.
  MatL->reshape(FNCol, FNCol);
  MatU->reshape(FNCol, FNCol);
  for (std::size_t j = 0; j < n; ++j)
    for (std::size_t i = 0; i < n; ++i) {
      const double v = zeroRow ? Mat[j][i] : a[i * n + j];
      const bool lower = ok && j < i;
      MatL->Mat[j][i] = lower ? v : (ok && i == j ? 1.0 : 0.0);
      MatU->Mat[j][i] = lower ? 0.0 : v;
    }
  MatL->Changed();
  MatU->Changed();
  return ok;
}

double TMatrix::Determinant() {
  // The decomposition of LUdecomposition, without filling two matrices.
  if (!hasDense() || FNCol != FNRow) return 0;
  const auto n = static_cast<std::size_t>(FNCol);
  std::vector<double> a = rowMajorCopy();
  std::vector<std::size_t> pivot;
  bool zeroRow = false;
  if (!Crout(a, n, pivot, luSign_, zeroRow)) return 0;
  double d = luSign_;
  for (std::size_t i = 0; i < n; ++i) d *= a[i * n + i];
  return d;
}

bool TMatrix::Invert() {
  if (!hasDense() || FNCol != FNRow) return false;
  const auto n = static_cast<std::size_t>(FNCol);
  std::vector<double> a = rowMajorCopy(), column;
  Allocating<EZwMatrixError>(tail::NoHeap, [&] { column.resize(n); });
  std::vector<std::size_t> pivot;
  double sign = 1;
  bool zeroRow = false;
  const bool ok = Crout(a, n, pivot, sign, zeroRow);
  if (ok) {
    for (std::size_t j = 0; j < n; ++j) {
      std::fill(column.begin(), column.end(), 0.0);
      column[j] = 1;
      SubstituteLU(a, n, pivot, column);
      for (std::size_t i = 0; i < n; ++i) Mat[j][i] = column[i];
    }
  }
  Changed();
  return ok;
}

std::int32_t TMatrix::CalcDistMat(TDistMode Mode, TMatrix* DMat) {
  if (!DMat) return -1;
  if (DMat->NrOfRows() != FNRow) return -2;
  if (DMat->NrOfColumns() != DMat->NrOfRows()) return -1;
  if (!hasDense()) return 0;
  const std::int32_t n = FNRow;
  std::vector<double> d(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0.0);
  for (std::int32_t r1 = 1; r1 <= n; ++r1)
    for (std::int32_t r2 = r1 + 1; r2 <= n; ++r2) {
      double sxy = 0, sxx = 0, syy = 0, sabs = 0, ssq = 0;
      for (std::int32_t c = 1; c <= FNCol; ++c) {
        const double x = Elem(c, r1), y = Elem(c, r2);
        sxy += x * y;
        sxx += x * x;
        syy += y * y;
        sabs += std::fabs(x - y);
        ssq += (x - y) * (x - y);
      }
      double dist = 0;
      switch (Mode) {
        case TDistMode::dmJaccard:
          if (sxx + syy - sxy == 0) throw CalcFailure(msg::DivisionByZero);
          dist = sxy / (sxx + syy - sxy);
          break;
        case TDistMode::dmManhattan: dist = sabs; break;
        case TDistMode::dmEuclid: dist = std::sqrt(ssq); break;
        case TDistMode::dmEuclidSqr: dist = ssq; break;
        case TDistMode::dmDice:
          if (sxx + syy == 0) throw CalcFailure(msg::DivisionByZero);
          dist = 2 * sxy / (sxx + syy);
          break;
        case TDistMode::dmUserDef:
          if (OnCalcDistance) OnCalcDistance(*this, r1, r2, dist);
          break;
      }
      d[static_cast<std::size_t>(r1 - 1) * n + (r2 - 1)] = dist;
    }
  for (std::int32_t r1 = 1; r1 <= n; ++r1) {
    DMat->SetElem(r1, r1, 0);
    for (std::int32_t r2 = r1 + 1; r2 <= n; ++r2) {
      const double dist = d[static_cast<std::size_t>(r1 - 1) * n + (r2 - 1)];
      DMat->SetElem(r1, r2, dist);
      DMat->SetElem(r2, r1, dist);
    }
  }
  return 0;
}

void TMatrix::standardize(bool columns, bool scale, TVector* Means, TVector* StdDevs) {
  if (!hasDense()) return;
  const std::int32_t lines = columns ? FNCol : FNRow;
  for (std::int32_t k = 1; k <= lines; ++k) {
    double m = 0, v = 1;
    if (columns)
      MeanVar(k, 1, k, FNRow, m, v);
    else
      MeanVar(1, k, FNCol, k, m, v);
    const double s = std::sqrt(std::max(v, 0.0));
    const bool divide = scale && v > 0;
    const std::int32_t count = columns ? FNRow : FNCol;
    for (std::int32_t x = 1; x <= count; ++x) {
      double& cell = columns ? Mat[k - 1][x - 1] : Mat[x - 1][k - 1];
      cell -= m;
      if (divide) cell /= s;
    }
    if (Means) Means->SetElem(k, m);
    if (scale && StdDevs) StdDevs->SetElem(k, s);
  }
  Changed();
}

void TMatrix::StandardizeColumns(TVector* Means, TVector* StdDevs) { standardize(true, true, Means, StdDevs); }
void TMatrix::StandardizeRows(TVector* Means, TVector* StdDevs) { standardize(false, true, Means, StdDevs); }
void TMatrix::MeanCenterColumns(TVector* Means) { standardize(true, false, Means, nullptr); }
void TMatrix::MeanCenterRows(TVector* Means) { standardize(false, false, Means, nullptr); }

bool TMatrix::Histogram(std::int32_t LoX, std::int32_t LoY, std::int32_t HiX, std::int32_t HiY,
                        double FirstBin, double LastBin, double BinWidth, TIntVector& Histo,
                        std::int32_t& Underflow, std::int32_t& Overflow,
                        std::int32_t& MaxCnt) const {
  return FillHistogram(FirstBin, LastBin, BinWidth, Histo, Underflow, Overflow, MaxCnt, [&](auto count) {
    for (std::int64_t c = LoX; c <= HiX; ++c)
      for (std::int64_t r = LoY; r <= HiY; ++r)
        count(Elem(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r)));
  });
}

}  // namespace zw
