// The model fits of TCurveFit. The closed forms work on the running sums
// alone; the line, the parabola and the Gauss curve make one pass over the
// stored pairs with centred values; the polynomials go through the singular
// value decomposition.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "numerics/CurveFit.h"
#include "numerics/NumComponent.h"
#include "numerics/Svd.h"

namespace zw {

namespace {

using Real = long double;

constexpr double kHuge = 1.7e38;
// e^c underflows to 0 below this and overflows above ln(DBL_MAX).
constexpr double kMinExp = -744.4281322176367;
const double kMaxExp = std::log(DBL_MAX);

[[noreturn]] void Fail(const char* op, const char* ending) {
  throw EZwMath2Error(std::string(op) + ending);
}

constexpr const char* kTooFew = ": not enough data points";
constexpr const char* kCannotFit = ": cannot fit function";
constexpr const char* kXNotZero = ": x values must not be zero";
constexpr const char* kYNotZero = ": y values must not be zero";
constexpr const char* kXNotPositive = ": x values must not be negative or zero";
constexpr const char* kYNotPositive = ": y values must not be negative or zero";

// A data flag that makes a model unusable, with the ending of its message.
struct FlagRule {
  std::uint8_t mask;
  const char* ending;
};

// Refuses fewer than minPairs pairs, then each flagged rule in the order given.
void CheckData(const char* op, std::int32_t n, std::int32_t minPairs, std::uint8_t errIndic,
               std::initializer_list<FlagRule> rules) {
  if (n < minPairs) Fail(op, kTooFew);
  for (const FlagRule& r : rules)
    if (errIndic & r.mask) Fail(op, r.ending);
}

// Exponent c usable for e^c; NaN is refused too.
void CheckExponent(const char* op, double c) {
  if (!(c >= kMinExp && c <= kMaxExp)) Fail(op, kCannotFit);
}

// Share of the variation of Y explained by the linear model; 1 for a
// constant Y.
double Determination(double explained, double sy, double syy, double n) {
  const double den = syy - sy * sy / n;
  return den == 0 ? 1 : (explained - sy * sy / n) / den;
}

// Y = k0 + k1 X on the transformed sums.
void LinearOnSums(const char* op, double n, double sx, double sxx, double sy, double syy, double sxy,
                  double& k0, double& k1, double& FitQual) {
  const double d = n * sxx - sx * sx;
  if (d == 0) Fail(op, kCannotFit);  // every X equal
  k0 = (sy * sxx - sx * sxy) / d;
  k1 = (n * sxy - sy * sx) / d;
  FitQual = Determination(sy * k0 + k1 * sxy, sy, syy, n);
}

// ln y = c + k1 X; y = e^c e^(k1 X).
void LogLinearOnSums(const char* op, double n, double sx, double sxx, double sxlny, double slny,
                     double slnyq, double& k0, double& k1, double& FitQual) {
  const double d = n * sxx - sx * sx;
  if (d == 0) Fail(op, kCannotFit);
  const double k = (n * sxlny - sx * slny) / d;
  const double c = (sxx * slny - sx * sxlny) / d;
  CheckExponent(op, c);
  k1 = k;
  k0 = std::exp(c);
  FitQual = Determination(c * slny + k * sxlny, slny, slnyq, n);
}

// Sums over the pairs of u = x - mean x and a value v per pair (pairs
// without a value add to the u sums only), in extended precision.
struct CentredSums {
  Real su = 0, suu = 0, su3 = 0, su4 = 0;
  Real sv = 0, svv = 0, suv = 0, su2v = 0;
};

// vOf(i, v) sets the value of pair i and tells whether it has one.
template <class ValueOf>
CentredSums SumCentred(const TMatrix& data, std::int32_t n, double mx, ValueOf vOf) {
  CentredSums s;
  for (std::int32_t i = 1; i <= n; ++i) {
    const Real u = data.Elem(1, i) - mx;
    s.su += u;
    s.suu += u * u;
    s.su3 += u * u * u;
    s.su4 += u * u * u * u;
    Real v;
    if (vOf(i, v)) {
      s.sv += v;
      s.svv += v * v;
      s.suv += u * v;
      s.su2v += u * u * v;
    }
  }
  return s;
}

// v = c0 + c1 u + c2 u^2 by the normal equations on the centred sums;
// c2 := singular when they do not fix it. D = 0 means every x is equal (c1
// is then 0). fitQual is the share of the variation of v explained (1 for a
// constant v).
struct Quadratic {
  Real D, c0, c1, c2;
  double fitQual;
};

Quadratic QuadraticOnSums(const CentredSums& s, std::int32_t n, Real singular) {
  const Real D = n * s.suu - s.su * s.su, E = n * s.su2v - s.suu * s.sv, F = n * s.su3 - s.suu * s.su;
  const Real G = n * s.suv - s.su * s.sv, H = n * s.su4 - s.suu * s.suu;
  const Real c2 = D * H == F * F ? singular : (D * E - F * G) / (D * H - F * F);
  const Real c1 = D == 0 ? 0 : (G - F * c2) / D;
  const Real c0 = (s.sv - c1 * s.su - c2 * s.suu) / n;
  const Real den = s.svv - s.sv * s.sv / n;
  const double fq =
      den == 0 ? 1 : static_cast<double>((s.sv * c0 + c1 * s.suv + c2 * s.su2v - s.sv * s.sv / n) / den);
  return {D, c0, c1, c2, fq};
}

// The centred sums of the pairs with v = y - mean y (n >= 1).
CentredSums CentredOnY(const TMatrix& data, std::int32_t n, double& mx, double& my) {
  double var;
  data.MeanVar(1, 1, 1, n, mx, var);
  data.MeanVar(2, 1, 2, n, my, var);
  return SumCentred(data, n, mx, [&](std::int32_t i, Real& v) {
    v = data.Elem(2, i) - my;
    return true;
  });
}

// r between a and b, 0 without spread in either.
double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
  const std::size_t n = a.size();
  if (n == 0) return 0;
  Real sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
  for (std::size_t i = 0; i < n; ++i) {
    sa += a[i];
    sb += b[i];
    saa += static_cast<Real>(a[i]) * a[i];
    sbb += static_cast<Real>(b[i]) * b[i];
    sab += static_cast<Real>(a[i]) * b[i];
  }
  const Real va = saa - sa * sa / n, vb = sbb - sb * sb / n;
  if (saa <= 0 || sbb <= 0 || va == 0 || vb == 0) return 0;
  return static_cast<double>((sab - sa * sb / n) / std::sqrt(std::fabs(va * vb)));
}

}  // namespace

void TCurveFit::CalcLinFit(double& k, double& d, double& FitQual) const {
  k = d = FitQual = 0;
  const std::int32_t n = FNumData;
  CheckData("CalcLinFit", n, 2, FErrIndic, {});
  double mx, my;
  const CentredSums s = CentredOnY(*FData, n, mx, my);
  const Real su = s.su, sv = s.sv, suu = s.suu, svv = s.svv, suv = s.suv;
  const Real den = n * suu - su * su;
  if (den == 0) return;
  const Real kk = (n * suv - su * sv) / den;
  const Real dd = (suu * sv - su * suv) / den;
  k = static_cast<double>(kk);
  d = static_cast<double>(dd - kk * mx + my);
  const Real fq = svv - sv * sv / n;
  FitQual = fq == 0 ? 1 : static_cast<double>((sv * dd + kk * suv - sv * sv / n) / fq);
}

void TCurveFit::CalcParabolFit(double& k0, double& k1, double& k2, double& FitQual) const {
  k0 = k1 = k2 = FitQual = 0;
  const std::int32_t n = FNumData;
  CheckData("CalcParabolFit", n, 3, FErrIndic, {});
  double mx, my;
  const Quadratic q = QuadraticOnSums(CentredOnY(*FData, n, mx, my), n, 0);
  k2 = static_cast<double>(q.c2);
  k1 = static_cast<double>(q.c1 - 2 * q.c2 * mx);
  k0 = static_cast<double>(mx * mx * q.c2 + q.c0 - mx * q.c1 + my);
  FitQual = q.fitQual;
}


void TCurveFit::CalcReciLinFit(double& k0, double& k1, double& FitQual) const {
  constexpr const char* op = "CalcReciLinFit";
  k0 = k1 = FitQual = 0;
  CheckData(op, FNumData, 3, FErrIndic, {{ErrYZero, kYNotZero}});
  LinearOnSums(op, FNumData, S.sumx, S.sumxq, S.sum1byy, S.sum1byyq, S.sumxbyy, k0, k1, FitQual);
}

void TCurveFit::CalcHyperbolFit(double& k0, double& k1, double& FitQual) const {
  constexpr const char* op = "CalcHyperbolFit";
  k0 = k1 = FitQual = 0;
  CheckData(op, FNumData, 3, FErrIndic, {{ErrXZero, kXNotZero}});
  LinearOnSums(op, FNumData, S.sum1byx, S.sum1byxq, S.sumy, S.sumyq, S.sumybyx, k0, k1, FitQual);
}

void TCurveFit::CalcReciHyperbolFit(double& k0, double& k1, double& FitQual) const {
  constexpr const char* op = "CalcReciHyperbolFit";
  k0 = k1 = FitQual = 0;
  CheckData(op, FNumData, 3, FErrIndic, {{ErrYZero, kYNotZero}, {ErrXZero, kXNotZero}});
  LinearOnSums(op, FNumData, S.sum1byx, S.sum1byxq, S.sum1byy, S.sum1byyq, S.sum1byxy, k0, k1, FitQual);
}

void TCurveFit::CalcLogFit(double& k0, double& k1, double& FitQual) const {
  constexpr const char* op = "CalcLogFit";
  k0 = k1 = FitQual = 0;
  CheckData(op, FNumData, 3, FErrIndic, {{ErrXNotPositive, kXNotPositive}});
  LinearOnSums(op, FNumData, S.sumlnx, S.sumlnxq, S.sumy, S.sumyq, S.sumylnx, k0, k1, FitQual);
}

void TCurveFit::CalcReciLogFit(double& k0, double& k1, double& FitQual) const {
  constexpr const char* op = "CalcReciLogFit";
  k0 = k1 = FitQual = 0;
  CheckData(op, FNumData, 3, FErrIndic, {{ErrYZero | ErrYNotPositive, kYNotPositive}, {ErrXNotPositive, kXNotPositive}});
  LinearOnSums(op, FNumData, S.sumlnx, S.sumlnxq, S.sum1byy, S.sum1byyq, S.sumlnxbyy, k0, k1, FitQual);
}

void TCurveFit::CalcPowerFit(double& k0, double& k1, double& FitQual) const {
  constexpr const char* op = "CalcPowerFit";
  k0 = k1 = FitQual = 0;
  CheckData(op, FNumData, 3, FErrIndic, {{ErrYNotPositive, kYNotPositive}, {ErrXNotPositive, kXNotPositive}});
  LogLinearOnSums(op, FNumData, S.sumlnx, S.sumlnxq, S.sumlnxlny, S.sumlny, S.sumlnyq, k0, k1, FitQual);
}

void TCurveFit::CalcExponentialFit(double& k0, double& k1, double& FitQual) const {
  constexpr const char* op = "CalcExponentialFit";
  k0 = k1 = FitQual = 0;
  // The model never takes ln x: any x is valid.
  CheckData(op, FNumData, 3, FErrIndic, {{ErrYNotPositive, kYNotPositive}});
  LogLinearOnSums(op, FNumData, S.sumx, S.sumxq, S.sumxlny, S.sumlny, S.sumlnyq, k0, k1, FitQual);
}

void TCurveFit::CalcHoerlFit(double& k0, double& k1, double& k2, double& FitQual) const {
  constexpr const char* op = "CalcHoerlFit";
  k0 = k1 = k2 = FitQual = 0;
  const double n = FNumData;
  CheckData(op, FNumData, 3, FErrIndic, {{ErrYNotPositive, kYNotPositive}, {ErrXNotPositive, kXNotPositive}});
  const double c = n * S.sumxq - S.sumx * S.sumx;
  const double e = n * S.sumxlnx - S.sumlnx * S.sumx;
  const double f = n * S.sumxlny - S.sumlny * S.sumx;
  const double den = c * (n * S.sumlnxq - S.sumlnx * S.sumlnx) - e * e;
  if (c == 0 || den == 0) Fail(op, kCannotFit);  // x and ln x do not separate
  const double kk2 = (c * (n * S.sumlnxlny - S.sumlnx * S.sumlny) - e * f) / den;
  const double b = (f - e * kk2) / c;
  const double a = (S.sumlny - b * S.sumx - kk2 * S.sumlnx) / n;
  CheckExponent(op, a);
  CheckExponent(op, b);
  k0 = std::exp(a);
  k1 = std::exp(b);
  k2 = kk2;
  FitQual = Determination(a * S.sumlny + b * S.sumxlny + kk2 * S.sumlnxlny, S.sumlny, S.sumlnyq, n);
}

void TCurveFit::CalcGaussFit(double& k0, double& k1, double& k2, double& FitQual) {
  constexpr const char* op = "CalcGaussFit";
  k0 = k1 = FitQual = 0;
  k2 = kHuge;
  const std::int32_t n = FNumData;
  CheckData(op, n, 3, FErrIndic, {{ErrYNotPositive, ": y values must not be negative"}});
  double mx, var;
  FData->MeanVar(1, 1, 1, n, mx, var);
  // v = ln y; a pair with y <= 0 has none (and is flagged).
  const Quadratic q = QuadraticOnSums(SumCentred(*FData, n, mx, [&](std::int32_t i, Real& v) {
                                        const double y = FData->Elem(2, i);
                                        if (!(y > 0)) {
                                          FErrIndic |= ErrYNotPositive;
                                          return false;
                                        }
                                        v = std::log(y);
                                        return true;
                                      }),
                                      n, kHuge);
  if (q.D == 0) Fail(op, kCannotFit);  // every x equal
  const Real c0 = q.c0, c1 = q.c1, c2 = q.c2;
  const double fq = q.fitQual;
  if (c2 != 0) {
    const double expo = static_cast<double>(c0 - c1 * c1 / (4 * c2));
    if (!(expo <= kMaxExp)) Fail(op, kCannotFit);
    k0 = std::exp(expo);
    k1 = static_cast<double>(-c1 / (2 * c2) + mx);
    k2 = static_cast<double>(-1 / c2);
  } else {
    k0 = 0;
    k1 = 0;
    k2 = -kHuge;
  }
  FitQual = fq;
}

void TCurveFit::CalcCircleFit(double& r, double& dx, double& dy) const {
  constexpr const char* op = "CalcCircleFit";
  r = dx = dy = 0;
  const double n = FNumData;
  CheckData(op, FNumData, 3, FErrIndic, {});
  const double A = S.sumy * S.sumy - n * S.sumyq, B = S.sumx * S.sumx - n * S.sumxq;
  const double C = n * S.sumxy - S.sumy * S.sumx, G = A * B - C * C;
  if (G == 0) Fail(op, ": radius is infinite");
  const double Q = S.sumxq + S.sumyq;
  const double P = S.sumy * Q - (S.sumx2y + S.sumy3) * n;
  const double R = S.sumx * Q - (S.sumxy2 + S.sumx3) * n;
  dx = (C * P + A * R) / (2 * G);
  dy = (C * R + B * P) / (2 * G);
  // Rounding may leave a tiny negative square for points exactly on a circle.
  const double r2 = ((dx * dx + dy * dy) * n + S.sumxq + S.sumyq - 2 * (dx * S.sumx + dy * S.sumy)) / n;
  r = std::sqrt(std::max(0.0, r2));
}

bool TCurveFit::polyFit(std::uint8_t Degree, std::vector<double>& Coeffs, double centre, double scale,
                        double yShift, double& FitQual, bool& Deficient) const {
  const std::int32_t n = FNumData, cols = Degree + 1;
  Coeffs.assign(static_cast<std::size_t>(cols), 0.0);
  FitQual = 0;
  Deficient = false;
  TMatrix A;
  TVector B, X, Errors;
  {
    TMatrix::TDeferChanges quiet(A);
    A.Resize(cols, n);
    B.Resize(n);
    for (std::int32_t i = 1; i <= n; ++i) {
      const double z = (FData->Elem(1, i) - centre) / scale;
      double p = 1;
      for (std::int32_t k = 1; k <= Degree; ++k) {
        p *= z;
        A.SetElem(k, i, p);
      }
      A.SetElem(cols, i, 1);
      B.SetElem(i, FData->Elem(2, i) - yShift);
    }
  }
  if (!SvdLeastSquares(A, B, X, Deficient, &Errors)) return false;
  // The fitted values from the solution, in the design's own variable z.
  std::vector<double> y(static_cast<std::size_t>(n)), fitted(static_cast<std::size_t>(n));
  for (std::int32_t i = 1; i <= n; ++i) {
    const double z = (FData->Elem(1, i) - centre) / scale;
    Real f = X.Elem(cols);
    Real p = 1;
    for (std::int32_t k = 1; k <= Degree; ++k) {
      p *= z;
      f += X.Elem(k) * p;
    }
    y[static_cast<std::size_t>(i - 1)] = FData->Elem(2, i) - yShift;
    fitted[static_cast<std::size_t>(i - 1)] = static_cast<double>(f);
  }
  const double r = Correlation(fitted, y);
  FitQual = r * r;
  Coeffs[0] = X.Elem(cols) + yShift;
  double sk = 1;
  for (std::int32_t k = 1; k <= Degree; ++k) {
    sk *= scale;
    Coeffs[static_cast<std::size_t>(k)] = X.Elem(k) / sk;
  }
  return true;
}

bool TCurveFit::CalcPolyFit(std::uint8_t Degree, std::vector<double>& Coeffs, double& FitQual,
                            bool& Deficient) const {
  return polyFit(Degree, Coeffs, 0, 1, 0, FitQual, Deficient);
}

bool TCurveFit::CalcCenteredPolyFit(std::uint8_t Degree, std::vector<double>& Coeffs, double& m,
                                    double& FitQual, bool& Deficient) const {
  const std::int32_t n = FNumData;
  double mx = 0, var = 0, my = 0, vary = 0;
  if (n > 0) {
    FData->MeanVar(1, 1, 1, n, mx, var);
    FData->MeanVar(2, 1, 2, n, my, vary);
  }
  if (m == 0) m = mx;
  double s = n >= 2 ? std::sqrt(std::fabs(var)) : 0;
  if (s == 0 || !std::isfinite(s)) s = 1;
  return polyFit(Degree, Coeffs, m, s, my, FitQual, Deficient);
}

void TCurveFit::CalcAnovaReg(std::int32_t NumVars, bool IncludeConst, std::int32_t& dfreg,
                             std::int32_t& dfres, std::int32_t& dftotal, double& SSE, double& SSR,
                             double& SST, double& MSE, double& MSR, double& F) const {
  const std::int32_t n = FNumData;
  dfreg = dfres = dftotal = 0;
  SSE = SSR = SST = MSE = MSR = F = 0;
  const std::int32_t total = IncludeConst ? n - 1 : n;
  if (n == 0 || NumVars <= 0 || total - NumVars <= 0) Fail("CalcAnovaReg", kTooFew);
  dfreg = NumVars;
  dftotal = total;
  dfres = total - NumVars;
  const double m = IncludeConst ? S.sumx / n : 0;
  SSE = S.SumDiffq;
  SSR = n * m * m + S.sumyq - 2 * m * S.sumy;
  SST = n * m * m + S.sumxq - 2 * m * S.sumx;
  MSE = SSE / dfres;
  MSR = SSR / dfreg;
  F = MSR == 0 ? 0 : MSE != 0 ? MSR / MSE : 1e10;
}

}  // namespace zw
