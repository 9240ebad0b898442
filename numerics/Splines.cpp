// The two splines of TCurveFit: the interpolating cubic spline (natural or
// clamped ends) and the smoothing spline of the penalised least-squares
// criterion, solved by Reinsch's iteration on the smoothing parameter.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "numerics/CurveFit.h"
#include "numerics/NumComponent.h"

namespace zw {

namespace {

[[noreturn]] void FailPenalized(const char* ending) {
  throw EZwMath2Error(std::string("PenalizedCubicSpline: ") + ending);
}

}  // namespace

void TCurveFit::SetSplineNatural1(bool value) {
  FNatural1 = value;
  FSplineValid = false;
}
void TCurveFit::SetSplineNaturalN(bool value) {
  FNaturalN = value;
  FSplineValid = false;
}
void TCurveFit::SetSplineDerivY1(double value) {
  FY1Dash = value;
  FSplineValid = false;
}
void TCurveFit::SetSplineDerivYN(double value) {
  FYNDash = value;
  FSplineValid = false;
}
void TCurveFit::SetSplineSmoothingFactor(double value) {
  FPSplineSmooth = value;
  FPenSplineValid = false;
}

void TCurveFit::sortPairs() {
  const auto n = static_cast<std::size_t>(FNumData);
  SplSortedX.resize(n);
  SplSortedY.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    SplSortedX[i] = FData->Elem(1, static_cast<std::int32_t>(i + 1));
    SplSortedY[i] = FData->Elem(2, static_cast<std::int32_t>(i + 1));
  }
  if (std::is_sorted(SplSortedX.begin(), SplSortedX.end())) return;
  // Sort an index by x so every y stays with its x.
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return SplSortedX[a] < SplSortedX[b]; });
  std::vector<double> xs(n), ys(n);
  for (std::size_t i = 0; i < n; ++i) {
    xs[i] = SplSortedX[order[i]];
    ys[i] = SplSortedY[order[i]];
  }
  SplSortedX.swap(xs);
  SplSortedY.swap(ys);
}

void TCurveFit::setUpCubicSpline() {
  FSplineValid = FPenSplineValid = false;
  sortPairs();
  const std::size_t n = SplSortedX.size();
  const std::vector<double>& x = SplSortedX;
  const std::vector<double>& y = SplSortedY;
  // Equal abscissae would divide by zero below (also in the clamped ends);
  // one pair or none bracket no interval at all.
  bool distinct = n >= 2;
  for (std::size_t i = 1; distinct && i < n; ++i) distinct = x[i] - x[i - 1] >= 1e-100;
  if (!distinct)
    throw EZwMath2Error(ComponentMessage(Name, "the tabulated values are not distinct"));
  std::vector<double>& y2 = Spl2Deriv;
  y2.assign(n, 0.0);
  std::vector<double> u(n, 0.0);
  if (!FNatural1) {
    y2[0] = -0.5;
    u[0] = (3 / (x[1] - x[0])) * ((y[1] - y[0]) / (x[1] - x[0]) - FY1Dash);
  }
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
    const double p = sig * y2[i - 1] + 2;
    y2[i] = (sig - 1) / p;
    u[i] = (6 * ((y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1])) /
                (x[i + 1] - x[i - 1]) -
            sig * u[i - 1]) /
           p;
  }
  double qn = 0, un = 0;
  if (!FNaturalN) {
    qn = 0.5;
    un = (3 / (x[n - 1] - x[n - 2])) * (FYNDash - (y[n - 1] - y[n - 2]) / (x[n - 1] - x[n - 2]));
  }
  y2[n - 1] = (un - qn * u[n - 2]) / (qn * y2[n - 2] + 1);
  for (std::size_t k = n - 1; k-- > 0;) y2[k] = y2[k] * y2[k + 1] + u[k];
  FSplineValid = true;
}

double TCurveFit::CubicSpline(double x) {
  if (!FSplineValid) setUpCubicSpline();
  const std::vector<double>& xs = SplSortedX;
  std::size_t lo = 0, hi = xs.size() - 1;
  while (hi - lo > 1) {
    const std::size_t k = (hi + lo) / 2;
    if (x < xs[k])
      hi = k;
    else
      lo = k;
  }
  const double h = xs[hi] - xs[lo];
  const double a = (xs[hi] - x) / h, b = (x - xs[lo]) / h;
  return a * SplSortedY[lo] + b * SplSortedY[hi] +
         ((a * a * a - a) * Spl2Deriv[lo] + (b * b * b - b) * Spl2Deriv[hi]) * (h * h) / 6;
}

void TCurveFit::setUpSmoothedSpline() {
  FSplineValid = FPenSplineValid = false;
  double k, d, q;
  CalcLinFit(k, d, q);  // raises for fewer than two pairs
  sortPairs();
  const std::int32_t n = FNumData;
  const auto len = static_cast<std::size_t>(n) + 1;
  std::vector<double> X(len, 0.0), Y(len, 0.0), W(len, 1.0);
  PSplA.assign(len, 0.0);
  PSplB.assign(len, 0.0);
  PSplC.assign(len, 0.0);
  PSplD.assign(len, 0.0);
  double r = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    X[static_cast<std::size_t>(i)] = SplSortedX[static_cast<std::size_t>(i - 1)];
    Y[static_cast<std::size_t>(i)] = SplSortedY[static_cast<std::size_t>(i - 1)];
    const double e = Y[static_cast<std::size_t>(i)] - k * X[static_cast<std::size_t>(i)] - d;
    r += e * e;
  }
  PenalizedCubicSpline(1, n, X, Y, W, PSplA, PSplB, PSplC, PSplD, r * FPSplineSmooth);
  const double my = MeanY();
  double sse = 0, sst = 0;
  for (std::size_t i = 1; i < len; ++i) {
    sse += (Y[i] - PSplA[i]) * (Y[i] - PSplA[i]);
    sst += (Y[i] - my) * (Y[i] - my);
  }
  FPSplineFQ = sst == 0 ? 1 : (sst - sse) / sst;
  FPenSplineValid = true;
}

double TCurveFit::SmoothedSpline(double x, double& FitQual, bool& valid) {
  if (!FPenSplineValid) setUpSmoothedSpline();
  valid = false;
  double result = 0;
  const std::int32_t n = FNumData;
  if (x >= SplSortedX.front() && x <= SplSortedX.back()) {
    valid = true;
    // The last knot at or below x.
    const auto it = std::upper_bound(SplSortedX.begin(), SplSortedX.end(), x);
    auto b = static_cast<std::size_t>(it - SplSortedX.begin());
    b = std::min<std::size_t>(b, static_cast<std::size_t>(n));
    const double t = x - SplSortedX[b - 1];
    result = ((PSplD[b] * t + PSplC[b]) * t + PSplB[b]) * t + PSplA[b];
  }
  FitQual = FPSplineFQ;
  return result;
}

void PenalizedCubicSpline(std::int32_t n1, std::int32_t n2, const std::vector<double>& X,
                          const std::vector<double>& Y, const std::vector<double>& dY,
                          std::vector<double>& A, std::vector<double>& B, std::vector<double>& C,
                          std::vector<double>& D, double S) {
  if (n2 <= n1) FailPenalized("n1 must not be greater than n2");
  const auto need = static_cast<std::size_t>(n2) + 1;
  if (n1 < 0 || X.size() < need || Y.size() < need || dY.size() < need || A.size() < need ||
      B.size() < need || C.size() < need || D.size() < need)
    FailPenalized("the arrays do not hold the points");
  // Work arrays cover the indices n1 - 1 .. n2 + 1; every entry starts at 0,
  // which sets the boundary values.
  const std::size_t len = static_cast<std::size_t>(n2 - n1) + 3;
  std::vector<double> rW(len, 0.0), r1W(len, 0.0), r2W(len, 0.0), tW(len, 0.0), t1W(len, 0.0),
      uW(len, 0.0), vW(len, 0.0);
  const std::int32_t base = n1 - 1;
  auto at = [base](std::vector<double>& w, std::int32_t i) -> double& {
    return w[static_cast<std::size_t>(i - base)];
  };
  auto r = [&](std::int32_t i) -> double& { return at(rW, i); };
  auto r1 = [&](std::int32_t i) -> double& { return at(r1W, i); };
  auto r2 = [&](std::int32_t i) -> double& { return at(r2W, i); };
  auto t = [&](std::int32_t i) -> double& { return at(tW, i); };
  auto t1 = [&](std::int32_t i) -> double& { return at(t1W, i); };
  auto u = [&](std::int32_t i) -> double& { return at(uW, i); };
  auto v = [&](std::int32_t i) -> double& { return at(vW, i); };
  auto x = [&](std::int32_t i) { return X[static_cast<std::size_t>(i)]; };
  auto y = [&](std::int32_t i) { return Y[static_cast<std::size_t>(i)]; };
  auto dy = [&](std::int32_t i) { return dY[static_cast<std::size_t>(i)]; };
  auto a = [&](std::int32_t i) -> double& { return A[static_cast<std::size_t>(i)]; };
  auto b = [&](std::int32_t i) -> double& { return B[static_cast<std::size_t>(i)]; };
  auto c = [&](std::int32_t i) -> double& { return C[static_cast<std::size_t>(i)]; };
  auto d = [&](std::int32_t i) -> double& { return D[static_cast<std::size_t>(i)]; };
  auto checkStep = [](double h) {
    if (h == 0) FailPenalized("two or more x-values are identical");
    if (!(h > 0)) FailPenalized("x-values must be increasing");
  };

  const std::int32_t m1 = n1 + 1, m2 = n2 - 1;
  double h = x(m1) - x(n1);
  checkStep(h);
  double f = (y(m1) - y(n1)) / h, g = 0, e = 0;
  for (std::int32_t i = m1; i <= m2; ++i) {
    g = h;
    h = x(i + 1) - x(i);
    checkStep(h);
    e = f;
    f = (y(i + 1) - y(i)) / h;
    a(i) = f - e;
    t(i) = 2 * (g + h) / 3;
    t1(i) = h / 3;
    r2(i) = dy(i - 1) / g;
    r(i) = dy(i + 1) / h;
    r1(i) = -dy(i) / g - dy(i) / h;
  }
  // B, C and D hold the band of Q^T D^2 Q until the coefficients are set.
  for (std::int32_t i = m1; i <= m2; ++i) {
    b(i) = r(i) * r(i) + r1(i) * r1(i) + r2(i) * r2(i);
    c(i) = r(i) * r1(i + 1) + r1(i) * r2(i + 1);
    d(i) = r(i) * r2(i + 2);
  }
  double p = 0, f2 = -S;
  // The iteration on p converges monotonically; the cap only guarantees an
  // end for pathological input.
  for (int iter = 0; iter < 1000; ++iter) {
    f = g = h = 0;
    for (std::int32_t i = m1; i <= m2; ++i) {
      r1(i - 1) = f * r(i - 1);
      r2(i - 2) = g * r(i - 2);
      r(i) = 1 / (p * b(i) + t(i) - f * r1(i - 1) - g * r2(i - 2));
      u(i) = a(i) - r1(i - 1) * u(i - 1) - r2(i - 2) * u(i - 2);
      f = p * c(i) + t1(i) - h * r1(i - 1);
      g = h;
      h = d(i) * p;
    }
    for (std::int32_t i = m2; i >= m1; --i) u(i) = r(i) * u(i) - r1(i) * u(i + 1) - r2(i) * u(i + 2);
    e = h = 0;
    for (std::int32_t i = n1; i < n2; ++i) {
      g = h;
      h = (u(i + 1) - u(i)) / (x(i + 1) - x(i));
      v(i) = (h - g) * dy(i) * dy(i);
      e += v(i) * (h - g);
    }
    v(n2) = -h * dy(n2) * dy(n2);
    e -= v(n2) * h;
    g = f2;
    f2 = e * p * p;
    if (f2 >= S || f2 <= g) break;
    f = 0;
    h = (v(m1) - v(n1)) / (x(m1) - x(n1));
    for (std::int32_t i = m1; i <= m2; ++i) {
      g = h;
      h = (v(i + 1) - v(i)) / (x(i + 1) - x(i));
      const double w = h - g - r1(i - 1) * r(i - 1) - r2(i - 2) * r(i - 2);
      f += w * r(i) * w;
      r(i) = w;
    }
    f = e - p * f;
    if (f <= 0) break;
    p += (S - f2) / ((std::sqrt(S / e) + p) * f);
  }
  for (std::int32_t i = n1; i <= n2; ++i) {
    a(i) = y(i) - p * v(i);
    c(i) = u(i);
  }
  for (std::int32_t i = n1; i < n2; ++i) {
    h = x(i + 1) - x(i);
    d(i) = (c(i + 1) - c(i)) / (3 * h);
    b(i) = (a(i + 1) - a(i)) / h - (h * d(i) + c(i)) * h;
  }
}

}  // namespace zw
