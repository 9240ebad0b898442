#include <cmath>

#include "numerics/CurveFit.h"

namespace zw {

// The pairs sorted by x, y following its x through the exchange events.
void TCurveFit::sortPairs() {
  const std::int32_t n = std::max(FNumData, 1);
  for (TVector* v : {Spl2Deriv.get(), SplSortedX.get(), SplSortedY.get()}) {
    v->Resize(n);
    v->Clear();
  }
  for (std::int32_t i = 1; i <= FNumData; ++i) {
    SplSortedX->SetElem(i, FData->Elem(1, i));
    SplSortedY->SetElem(i, FData->Elem(2, i));
  }
  SplSortedX->OnSortExchange = [this](TNumComponent&, std::uint8_t, std::int32_t i, std::int32_t j, std::int32_t,
                                      std::int32_t) {
    const double yi = SplSortedY->Elem(i);
    SplSortedY->SetElem(i, SplSortedY->Elem(j));
    SplSortedY->SetElem(j, yi);
  };
  SplSortedX->SortElems(true, 1, FNumData);
  SplSortedX->OnSortExchange = nullptr;
}

void TCurveFit::setUpCubicSpline() {
  sortPairs();
  const std::int32_t n = FNumData;
  auto x = [this](std::int32_t i) { return SplSortedX->Elem(i); };
  auto y = [this](std::int32_t i) { return SplSortedY->Elem(i); };
  bool distinct = n >= 2;
  for (std::int32_t i = 2; i <= n && distinct; ++i) distinct = x(i) - x(i - 1) >= 1e-100;
  if (!distinct) Raise<EZwMath2Error>("the tabulated values are not distinct");
  std::vector<double> y2(static_cast<std::size_t>(n) + 1), u(y2.size());
  if (!FNatural1) {
    y2[1] = -0.5;
    u[1] = (3 / (x(2) - x(1))) * ((y(2) - y(1)) / (x(2) - x(1)) - FY1Dash);
  }
  for (std::int32_t i = 2; i < n; ++i) {
    const double sig = (x(i) - x(i - 1)) / (x(i + 1) - x(i - 1));
    const double p = sig * y2[i - 1] + 2;
    y2[i] = (sig - 1) / p;
    u[i] = (6 * ((y(i + 1) - y(i)) / (x(i + 1) - x(i)) - (y(i) - y(i - 1)) / (x(i) - x(i - 1))) /
                (x(i + 1) - x(i - 1)) -
            sig * u[i - 1]) /
           p;
  }
  double qn = 0, un = 0;
  if (!FNaturalN) {
    qn = 0.5;
    un = (3 / (x(n) - x(n - 1))) * (FYNDash - (y(n) - y(n - 1)) / (x(n) - x(n - 1)));
  }
  y2[n] = (un - qn * u[n - 1]) / (qn * y2[n - 1] + 1);
  for (std::int32_t k = n - 1; k >= 1; --k) y2[k] = y2[k] * y2[k + 1] + u[k];
  for (std::int32_t i = 1; i <= n; ++i) Spl2Deriv->SetElem(i, y2[i]);
  FSplineValid = true;
  FPenSplineValid = false;
}

double TCurveFit::CubicSpline(double x) {
  if (!FSplineValid) setUpCubicSpline();
  std::int32_t lo = 1, hi = FNumData;
  while (hi - lo > 1) {
    const std::int32_t k = (hi + lo) / 2;
    if (x < SplSortedX->Elem(k))
      hi = k;
    else
      lo = k;
  }
  const double xl = SplSortedX->Elem(lo), xh = SplSortedX->Elem(hi);
  const double h = xh - xl;
  if (h < 1e-100) Raise<EZwMath2Error>("the tabulated values are not distinct");
  const double a = (xh - x) / h, b = (x - xl) / h;
  return a * SplSortedY->Elem(lo) + b * SplSortedY->Elem(hi) +
         ((a * a * a - a) * Spl2Deriv->Elem(lo) + (b * b * b - b) * Spl2Deriv->Elem(hi)) * h * h / 6;
}

void TCurveFit::setUpSmoothedSpline() {
  double k, d, q;
  CalcLinFit(k, d, q);  // fewer than two pairs raise its error
  sortPairs();
  const std::int32_t n = FNumData;
  const auto size = static_cast<std::size_t>(n) + 1;
  std::vector<double> X(size), Y(size), W(size, 1.0);
  PSplA.assign(size, 0);
  PSplB.assign(size, 0);
  PSplC.assign(size, 0);
  PSplD.assign(size, 0);
  double residual = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    X[i] = SplSortedX->Elem(i);
    Y[i] = SplSortedY->Elem(i);
    residual += (Y[i] - k * X[i] - d) * (Y[i] - k * X[i] - d);
  }
  PenalizedCubicSpline(1, n, X, Y, W, PSplA, PSplB, PSplC, PSplD, residual * FPSplineSmooth);
  double sse = 0, sst = 0;
  const double ym = MeanY();
  for (std::int32_t i = 1; i <= n; ++i) {
    sse += (Y[i] - PSplA[i]) * (Y[i] - PSplA[i]);
    sst += (Y[i] - ym) * (Y[i] - ym);
  }
  FPSplineFQ = sst == 0 ? 1 : (sst - sse) / sst;
  FPenSplineValid = true;
  FSplineValid = false;
}

double TCurveFit::SmoothedSpline(double x, double& FitQual, bool& valid) {
  if (!FPenSplineValid) setUpSmoothedSpline();
  valid = false;
  double result = 0;
  const std::int32_t n = FNumData;
  if (SplSortedX->Elem(1) <= x && x <= SplSortedX->Elem(n)) {
    valid = true;
    std::int32_t b = n;
    while (b > 1 && SplSortedX->Elem(b) > x) --b;
    const double t = x - SplSortedX->Elem(b);
    result = ((PSplD[b] * t + PSplC[b]) * t + PSplB[b]) * t + PSplA[b];
  }
  FitQual = FPSplineFQ;
  return result;
}

void PenalizedCubicSpline(std::int32_t n1, std::int32_t n2, const std::vector<double>& X,
                          const std::vector<double>& Y, const std::vector<double>& dY, std::vector<double>& A,
                          std::vector<double>& B, std::vector<double>& C, std::vector<double>& D, double S) {
  auto fail = [](const char* ending) { throw EZwMath2Error(std::string("PenalizedCubicSpline: ") + ending); };
  if (n2 <= n1) fail("n1 must not be greater than n2");
  // Indices as in the algorithm, with two guard entries on either side.
  const auto size = static_cast<std::size_t>(n2) + 3;
  std::vector<double> r(size), r1(size), r2(size), t(size), t1(size), u(size), v(size);
  std::vector<double> wa(size), wb(size), wc(size), wd(size);
  auto width = [&](std::int32_t i) {
    const double h = X[i + 1] - X[i];
    if (h == 0) fail("two or more x-values are identical");
    if (h < 0) fail("x-values must be increasing");
    return h;
  };
  const std::int32_t m1 = n1 + 1, m2 = n2 - 1;
  double h = width(n1), f = (Y[n1 + 1] - Y[n1]) / h, g, e;
  for (std::int32_t i = m1; i <= m2; ++i) {
    g = h;
    h = width(i);
    e = f;
    f = (Y[i + 1] - Y[i]) / h;
    wa[i] = f - e;
    t[i] = 2 * (g + h) / 3;
    t1[i] = h / 3;
    r2[i] = dY[i - 1] / g;
    r[i] = dY[i + 1] / h;
    r1[i] = -dY[i] / g - dY[i] / h;
  }
  for (std::int32_t i = m1; i <= m2; ++i) {
    wb[i] = r[i] * r[i] + r1[i] * r1[i] + r2[i] * r2[i];
    wc[i] = r[i] * r1[i + 1] + r1[i] * r2[i + 1];
    wd[i] = r[i] * r2[i + 2];
  }
  double p = 0, f2 = -S;
  for (;;) {
    f = g = h = 0;
    for (std::int32_t i = m1; i <= m2; ++i) {
      r1[i - 1] = f * r[i - 1];
      r2[i - 2] = g * r[i - 2];
      r[i] = 1 / (p * wb[i] + t[i] - f * r1[i - 1] - g * r2[i - 2]);
      u[i] = wa[i] - r1[i - 1] * u[i - 1] - r2[i - 2] * u[i - 2];
      f = p * wc[i] + t1[i] - h * r1[i - 1];
      g = h;
      h = wd[i] * p;
    }
    for (std::int32_t i = m2; i >= m1; --i) u[i] = r[i] * u[i] - r1[i] * u[i + 1] - r2[i] * u[i + 2];
    e = h = 0;
    for (std::int32_t i = n1; i <= m2; ++i) {
      g = h;
      h = (u[i + 1] - u[i]) / (X[i + 1] - X[i]);
      v[i] = (h - g) * dY[i] * dY[i];
      e += v[i] * (h - g);
    }
    v[n2] = -h * dY[n2] * dY[n2];
    e -= v[n2] * h;
    g = f2;
    f2 = e * p * p;
    if (f2 >= S || f2 <= g) break;
    f = 0;
    h = (v[m1] - v[n1]) / (X[m1] - X[n1]);
    for (std::int32_t i = m1; i <= m2; ++i) {
      g = h;
      h = (v[i + 1] - v[i]) / (X[i + 1] - X[i]);
      g = h - g - r1[i - 1] * r[i - 1] - r2[i - 2] * r[i - 2];
      f += g * r[i] * g;
      r[i] = g;
    }
    h = e - p * f;
    if (h <= 0) break;
    p += (S - f2) / ((std::sqrt(S / e) + p) * h);
  }
  for (std::int32_t i = n1; i <= n2; ++i) {
    A[i] = Y[i] - p * v[i];
    C[i] = u[i];
  }
  for (std::int32_t i = n1; i <= m2; ++i) {
    h = X[i + 1] - X[i];
    D[i] = (C[i + 1] - C[i]) / (3 * h);
    B[i] = (A[i + 1] - A[i]) / h - (h * D[i] + C[i]) * h;
  }
}

}  // namespace zw
