#include "numerics/Svd.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zw {

namespace {

using Real = long double;

double Hypot(double a, double b) {
  return static_cast<double>(std::sqrt(static_cast<Real>(a) * a + static_cast<Real>(b) * b));
}
// |a| with the sign of b (b >= 0 counts as positive).
double WithSignOf(double a, double b) { return b >= 0 ? std::fabs(a) : -std::fabs(a); }

// Row-major work arrays: a is rows x n (rows >= n), v is n x n.
struct Work {
  std::size_t rows, n;
  std::vector<double> a, v, w, rv1;
  double& A(std::size_t i, std::size_t j) { return a[i * n + j]; }
  double& V(std::size_t i, std::size_t j) { return v[i * n + j]; }
};

// The Householder reflector of count entries x[0], x[stride], ... (divided
// by scale > 0 here): g the new leading value, h the normalising product;
// x[0] becomes f - g.
void Reflector(double* x, std::size_t stride, std::size_t count, double scale, double& g, double& h) {
  Real s = 0;
  for (std::size_t k = 0; k < count; ++k) {
    x[k * stride] /= scale;
    s += static_cast<Real>(x[k * stride]) * x[k * stride];
  }
  const double f = x[0];
  g = -WithSignOf(static_cast<double>(std::sqrt(s)), f);
  h = f * g - static_cast<double>(s);
  x[0] = f - g;
}

void Bidiagonalise(Work& k, double& anorm) {
  const std::size_t m = k.rows, n = k.n;
  double g = 0, scale = 0;
  anorm = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t l = i + 1;
    k.rv1[i] = scale * g;
    g = scale = 0;
    // Column i below the diagonal.
    for (std::size_t r = i; r < m; ++r) scale += std::fabs(k.A(r, i));
    if (scale != 0) {
      double h;
      Reflector(&k.A(i, i), n, m - i, scale, g, h);
      for (std::size_t j = l; j < n; ++j) {
        Real sum = 0;
        for (std::size_t r = i; r < m; ++r) sum += static_cast<Real>(k.A(r, i)) * k.A(r, j);
        const double factor = static_cast<double>(sum) / h;
        for (std::size_t r = i; r < m; ++r) k.A(r, j) += factor * k.A(r, i);
      }
      for (std::size_t r = i; r < m; ++r) k.A(r, i) *= scale;
    }
    k.w[i] = scale * g;
    g = scale = 0;
    // Row i right of the superdiagonal.
    if (i + 1 != n) {
      for (std::size_t c = l; c < n; ++c) scale += std::fabs(k.A(i, c));
      if (scale != 0) {
        double h;
        Reflector(&k.A(i, l), 1, n - l, scale, g, h);
        for (std::size_t c = l; c < n; ++c) k.rv1[c] = k.A(i, c) / h;
        for (std::size_t r = l; r < m; ++r) {
          Real sum = 0;
          for (std::size_t c = l; c < n; ++c) sum += static_cast<Real>(k.A(r, c)) * k.A(i, c);
          for (std::size_t c = l; c < n; ++c) k.A(r, c) += static_cast<double>(sum) * k.rv1[c];
        }
        for (std::size_t c = l; c < n; ++c) k.A(i, c) *= scale;
      }
    }
    anorm = std::max(anorm, std::fabs(k.w[i]) + std::fabs(k.rv1[i]));
  }
}

void AccumulateRight(Work& k) {
  const std::size_t n = k.n;
  double g = 0;
  std::size_t l = n;
  for (std::size_t i = n; i-- > 0;) {
    if (i + 1 < n) {
      if (g != 0) {
        // Two divisions, so that a tiny g does not underflow the quotient.
        for (std::size_t j = l; j < n; ++j) k.V(j, i) = (k.A(i, j) / k.A(i, l)) / g;
        for (std::size_t j = l; j < n; ++j) {
          Real s = 0;
          for (std::size_t c = l; c < n; ++c) s += static_cast<Real>(k.A(i, c)) * k.V(c, j);
          for (std::size_t c = l; c < n; ++c) k.V(c, j) += static_cast<double>(s) * k.V(c, i);
        }
      }
      for (std::size_t j = l; j < n; ++j) k.V(i, j) = k.V(j, i) = 0;
    }
    k.V(i, i) = 1;
    g = k.rv1[i];
    l = i;
  }
}

void AccumulateLeft(Work& k) {
  const std::size_t m = k.rows, n = k.n;
  for (std::size_t i = std::min(m, n); i-- > 0;) {
    const std::size_t l = i + 1;
    double g = k.w[i];
    for (std::size_t j = l; j < n; ++j) k.A(i, j) = 0;
    if (g != 0) {
      g = 1 / g;
      for (std::size_t j = l; j < n; ++j) {
        Real s = 0;
        for (std::size_t r = l; r < m; ++r) s += static_cast<Real>(k.A(r, i)) * k.A(r, j);
        const double f = (static_cast<double>(s) / k.A(i, i)) * g;
        for (std::size_t r = i; r < m; ++r) k.A(r, j) += f * k.A(r, i);
      }
      for (std::size_t r = i; r < m; ++r) k.A(r, i) *= g;
    } else {
      for (std::size_t r = i; r < m; ++r) k.A(r, i) = 0;
    }
    k.A(i, i) += 1;
  }
}

// Plane rotation of columns p and q of a row-major array with `rows` rows.
void Rotate(std::vector<double>& a, std::size_t rows, std::size_t n, std::size_t p, std::size_t q, double c,
            double s) {
  for (std::size_t r = 0; r < rows; ++r) {
    const double y = a[r * n + p], z = a[r * n + q];
    a[r * n + p] = y * c + z * s;
    a[r * n + q] = z * c - y * s;
  }
}

bool Diagonalise(Work& k, double anorm) {
  const std::size_t m = k.rows, n = k.n;
  for (std::size_t kk = n; kk-- > 0;) {
    for (int sweep = 1;; ++sweep) {
      // Split point: the first l (from kk down) whose superdiagonal element
      // is negligible, or whose diagonal neighbour above is.
      std::size_t l = kk;
      bool cancel = true;
      for (;; --l) {
        if (std::fabs(k.rv1[l]) + anorm == anorm) {  // always true at l = 0
          cancel = false;
          break;
        }
        if (std::fabs(k.w[l - 1]) + anorm == anorm) break;
      }
      if (cancel) {
        const std::size_t nm = l - 1;
        double c = 0, s = 1;
        for (std::size_t i = l; i <= kk; ++i) {
          const double f = s * k.rv1[i];
          k.rv1[i] = c * k.rv1[i];
          if (std::fabs(f) + anorm == anorm) break;
          const double g = k.w[i];
          double h = Hypot(f, g);
          k.w[i] = h;
          h = 1 / h;
          c = g * h;
          s = -f * h;
          Rotate(k.a, m, n, nm, i, c, s);
        }
      }
      double z = k.w[kk];
      if (l == kk) {
        if (z < 0) {
          k.w[kk] = -z;
          for (std::size_t j = 0; j < n; ++j) k.V(j, kk) = -k.V(j, kk);
        }
        break;
      }
      if (sweep == 30) return false;
      // Shift from the bottom 2 x 2 minor, then one QR sweep from l to kk.
      double x = k.w[l];
      const std::size_t nm = kk - 1;
      double y = k.w[nm], g = k.rv1[nm], h = k.rv1[kk];
      double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2 * h * y);
      g = Hypot(f, 1);
      f = ((x - z) * (x + z) + h * ((y / (f + WithSignOf(g, f))) - h)) / x;
      double c = 1, s = 1;
      for (std::size_t j = l; j <= nm; ++j) {
        const std::size_t i = j + 1;
        g = k.rv1[i];
        y = k.w[i];
        h = s * g;
        g = c * g;
        z = Hypot(f, h);
        k.rv1[j] = z;
        c = f / z;
        s = h / z;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y *= c;
        Rotate(k.v, n, n, j, i, c, s);
        z = Hypot(f, h);
        k.w[j] = z;
        if (z != 0) {
          z = 1 / z;
          c = f * z;
          s = h * z;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        Rotate(k.a, m, n, j, i, c, s);
      }
      k.rv1[l] = 0;
      k.rv1[kk] = f;
      k.w[kk] = x;
    }
  }
  return true;
}

}  // namespace

bool SvdDecompose(TMatrix& A, TMatrix& V, TVector& W) {
  const std::int32_t m = A.NrOfRows(), n = A.NrOfColumns();
  if (m < 1 || n < 1) return false;
  Work k;
  k.n = static_cast<std::size_t>(n);
  k.rows = static_cast<std::size_t>(std::max(m, n));  // zero rows pad a short matrix
  k.a.assign(k.rows * k.n, 0.0);
  k.v.assign(k.n * k.n, 0.0);
  k.w.assign(k.n, 0.0);
  k.rv1.assign(k.n, 0.0);
  for (std::int32_t r = 1; r <= m; ++r)
    for (std::int32_t c = 1; c <= n; ++c) k.A(static_cast<std::size_t>(r - 1), static_cast<std::size_t>(c - 1)) = A.Elem(c, r);
  double anorm = 0;
  Bidiagonalise(k, anorm);
  AccumulateRight(k);
  AccumulateLeft(k);
  const bool converged = Diagonalise(k, anorm);
  {
    TMatrix::TDeferChanges quietA(A), quietV(V);
    V.Resize(n, n);
    for (std::int32_t r = 1; r <= m; ++r)
      for (std::int32_t c = 1; c <= n; ++c) A.SetElem(c, r, k.A(static_cast<std::size_t>(r - 1), static_cast<std::size_t>(c - 1)));
    for (std::int32_t r = 1; r <= n; ++r)
      for (std::int32_t c = 1; c <= n; ++c) V.SetElem(c, r, k.V(static_cast<std::size_t>(r - 1), static_cast<std::size_t>(c - 1)));
  }
  W.Resize(n);
  for (std::int32_t j = 1; j <= n; ++j) W.SetElem(j, k.w[static_cast<std::size_t>(j - 1)]);
  return converged;
}

bool SvdBackSubst(const TMatrix& U, const TMatrix& V, const TVector& W, TVector* Errors, TVector& X,
                  const TVector& B) {
  const std::int32_t m = U.NrOfRows(), n = U.NrOfColumns();
  std::vector<Real> t(static_cast<std::size_t>(n), 0);
  for (std::int32_t i = 1; i <= n; ++i) {
    if (W.Elem(i) == 0) continue;
    Real s = 0;
    for (std::int32_t r = 1; r <= m; ++r) s += static_cast<Real>(U.Elem(i, r)) * B.Elem(r);
    t[static_cast<std::size_t>(i - 1)] = s / W.Elem(i);
  }
  X.Resize(n);
  for (std::int32_t j = 1; j <= n; ++j) {
    Real s = 0;
    for (std::int32_t k = 1; k <= n; ++k) s += static_cast<Real>(V.Elem(k, j)) * t[static_cast<std::size_t>(k - 1)];
    X.SetElem(j, static_cast<double>(s));
  }
  if (Errors) {
    Errors->Resize(n);
    for (std::int32_t l = 1; l <= n; ++l) {
      Real s = 0;
      for (std::int32_t k = 1; k <= n; ++k)
        if (W.Elem(k) != 0) s += static_cast<Real>(V.Elem(k, l)) * V.Elem(k, l) / (static_cast<Real>(W.Elem(k)) * W.Elem(k));
      Errors->SetElem(l, static_cast<double>(std::sqrt(s)));
    }
  }
  return true;
}

namespace {

// A tall design (many more rows than unknowns) is first reduced by
// Householder QR: A = Q R, so A x ~ B becomes R x ~ Q^T B with R n x n.
// R has A's singular values and right vectors, and the decomposition then
// works on n rows instead of m.
void ReduceTall(const TMatrix& A, const TVector& B, TMatrix& R, TVector& QtB) {
  const auto m = static_cast<std::size_t>(A.NrOfRows()), n = static_cast<std::size_t>(A.NrOfColumns());
  std::vector<double> q(m * n), b(m);
  for (std::size_t c = 0; c < n; ++c)
    for (std::size_t r = 0; r < m; ++r)
      q[c * m + r] = A.Elem(static_cast<std::int32_t>(c + 1), static_cast<std::int32_t>(r + 1));
  for (std::size_t r = 0; r < m; ++r) b[r] = B.Elem(static_cast<std::int32_t>(r + 1));
  std::vector<double> diag(n, 0.0);
  auto reflect = [m](const double* v, double* y, std::size_t i, Real denom) {
    Real dot = 0;
    for (std::size_t r = i; r < m; ++r) dot += static_cast<Real>(v[r]) * y[r];
    const double f = static_cast<double>(dot / denom);
    for (std::size_t r = i; r < m; ++r) y[r] -= f * v[r];
  };
  for (std::size_t i = 0; i < n; ++i) {
    double* v = &q[i * m];
    Real s = 0;
    for (std::size_t r = i; r < m; ++r) s += static_cast<Real>(v[r]) * v[r];
    if (s == 0) continue;  // the column is zero below the diagonal already
    const double x0 = v[i];
    const double alpha = x0 >= 0 ? -static_cast<double>(std::sqrt(s)) : static_cast<double>(std::sqrt(s));
    v[i] = x0 - alpha;
    const Real denom = static_cast<Real>(alpha) * (alpha - x0);  // v^T v / 2
    for (std::size_t j = i + 1; j < n; ++j) reflect(v, &q[j * m], i, denom);
    reflect(v, b.data(), i, denom);
    diag[i] = alpha;
  }
  TMatrix::TDeferChanges quiet(R);
  R.Resize(static_cast<std::int32_t>(n), static_cast<std::int32_t>(n));
  QtB.Resize(static_cast<std::int32_t>(n));
  for (std::size_t i = 0; i < n; ++i) {
    const auto r = static_cast<std::int32_t>(i + 1);
    R.SetElem(r, r, diag[i]);
    for (std::size_t j = i + 1; j < n; ++j) R.SetElem(static_cast<std::int32_t>(j + 1), r, q[j * m + i]);
    QtB.SetElem(r, b[i]);
  }
}

}  // namespace

bool SvdLeastSquares(TMatrix& A, const TVector& B, TVector& X, bool& Deficient, TVector* Errors) {
  Deficient = false;
  TMatrix V;
  TVector W;
  TMatrix R;
  TVector QtB;
  const bool tall = A.NrOfRows() >= 2 * A.NrOfColumns() && A.NrOfColumns() > 0;
  if (tall) ReduceTall(A, B, R, QtB);
  TMatrix& U = tall ? R : A;
  if (!SvdDecompose(U, V, W)) return false;
  double wmax = 0;
  for (std::int32_t j = 1; j <= W.NrOfElem(); ++j) wmax = std::max(wmax, W.Elem(j));
  if (wmax == 0) Deficient = true;  // rank 0
  for (std::int32_t j = 1; j <= W.NrOfElem(); ++j)
    if (W.Elem(j) < 1e-14 * wmax) {
      W.SetElem(j, 0);
      Deficient = true;
    }
  return SvdBackSubst(U, V, W, Errors, X, tall ? QtB : B);
}

}  // namespace zw
