#include <cmath>

#include "numerics/CurveFit.h"
#include "numerics/Svd.h"

namespace zw {

namespace {

constexpr double kMinExponent = -744.4281322176367;
// Above this an exponent overflows a double.
const double kMaxExponent = std::log(1.7976931348623157e308);

constexpr char kFewPoints[] = ": not enough data points";
constexpr char kXZero[] = ": x values must not be zero";
constexpr char kYZero[] = ": y values must not be zero";
constexpr char kXNotPositive[] = ": x values must not be negative or zero";
constexpr char kYNotPositive[] = ": y values must not be negative or zero";
constexpr char kYNegative[] = ": y values must not be negative";
constexpr char kCannotFit[] = ": cannot fit function";
constexpr char kRadiusInfinite[] = ": radius is infinite";

// (num - sy^2/n) / (syy - sy^2/n), 1 when the denominator is 0.
double Determination(double explained, double sy, double syy, double n) {
  const double total = syy - sy * sy / n;
  return total == 0 ? 1.0 : (explained - sy * sy / n) / total;
}

// A determinant n*sxx - sx^2 that is zero up to the rounding of its terms:
// the regressor does not vary.
bool NoSpread(double d, double n, double sxx) { return !(std::fabs(d) > 1e-12 * std::fabs(n * sxx)); }

bool Exponentiable(double c) { return c >= kMinExponent && c <= kMaxExponent; }

}  // namespace

void TCurveFit::fail(const char* operation, const char* ending) const {
  throw EZwMath2Error(std::string(operation) + ending);
}

void TCurveFit::check(const char* operation, std::int32_t minimum,
                      std::initializer_list<std::pair<unsigned, const char*>> flagTests) const {
  if (FNumData < minimum) fail(operation, kFewPoints);
  for (const auto& [flags, ending] : flagTests)
    if (FErrIndic & flags) fail(operation, ending);
}

// The five two-parameter models share one solution from their sums.
void TCurveFit::solveTwo(const char* op, std::initializer_list<std::pair<unsigned, const char*>> flagTests, double sx,
                         double sxx, double sy, double syy, double sxy, double& k0, double& k1, double& fitQual) const {
  k0 = k1 = fitQual = 0;
  check(op, 3, flagTests);
  const double n = FNumData, d = n * sxx - sx * sx;
  if (NoSpread(d, n, sxx)) fail(op, kCannotFit);
  k0 = (sy * sxx - sx * sxy) / d;
  k1 = (n * sxy - sy * sx) / d;
  fitQual = Determination(sy * k0 + k1 * sxy, sy, syy, n);
}

void TCurveFit::CalcLinFit(double& k, double& d, double& FitQual) const {
  k = d = FitQual = 0;
  check("CalcLinFit", 2, {});
  const std::int32_t n = FNumData;
  double xm, ym, var;
  FData->MeanVar(1, 1, 1, n, xm, var);
  FData->MeanVar(2, 1, 2, n, ym, var);
  double su = 0, sv = 0, suu = 0, svv = 0, suv = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    const double u = FData->Elem(1, i) - xm, v = FData->Elem(2, i) - ym;
    su += u, sv += v, suu += u * u, svv += v * v, suv += u * v;
  }
  const double det = n * suu - su * su;
  if (det == 0) return;
  k = (n * suv - su * sv) / det;
  d = (suu * sv - su * suv) / det - k * xm + ym;
  FitQual = Determination(sv * d + k * suv, sv, svv, n);
}

void TCurveFit::CalcParabolFit(double& k0, double& k1, double& k2, double& FitQual) const {
  k0 = k1 = k2 = FitQual = 0;
  check("CalcParabolFit", 3, {});
  const std::int32_t n = FNumData;
  double xm, ym, var;
  FData->MeanVar(1, 1, 1, n, xm, var);
  FData->MeanVar(2, 1, 2, n, ym, var);
  double su = 0, sv = 0, suu = 0, svv = 0, suv = 0, su2v = 0, su3 = 0, su4 = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    const double u = FData->Elem(1, i) - xm, v = FData->Elem(2, i) - ym;
    su += u, sv += v, suu += u * u, svv += v * v, suv += u * v;
    su2v += u * u * v, su3 += u * u * u, su4 += u * u * u * u;
  }
  const double D = n * suu - su * su, E = n * su2v - suu * sv, F = n * su3 - suu * su,
               G = n * suv - su * sv, H = n * su4 - suu * suu;
  const double c2 = D * H == F * F ? 0 : (D * E - F * G) / (D * H - F * F);
  const double c1 = D == 0 ? 0 : (G - F * c2) / D;
  const double c0 = (sv - c1 * su - c2 * suu) / n;
  k2 = c2;
  k1 = c1 - 2 * c2 * xm;
  k0 = xm * xm * c2 + c0 - xm * c1 + ym;
  FitQual = Determination(sv * c0 + c1 * suv + c2 * su2v, sv, svv, n);
}

void TCurveFit::CalcReciLinFit(double& k0, double& k1, double& FitQual) const {
  solveTwo("CalcReciLinFit", {{ErrYZero, kYZero}},
           S.sumx, S.sumxq, S.sum1byy, S.sum1byyq, S.sumxbyy, k0, k1, FitQual);
}

void TCurveFit::CalcHyperbolFit(double& k0, double& k1, double& FitQual) const {
  solveTwo("CalcHyperbolFit", {{ErrXZero, kXZero}},
           S.sum1byx, S.sum1byxq, S.sumy, S.sumyq, S.sumybyx, k0, k1, FitQual);
}

void TCurveFit::CalcReciHyperbolFit(double& k0, double& k1, double& FitQual) const {
  solveTwo("CalcReciHyperbolFit", {{ErrYZero, kYZero}, {ErrXZero, kXZero}},
           S.sum1byx, S.sum1byxq, S.sum1byy, S.sum1byyq, S.sum1byxy, k0, k1, FitQual);
}

void TCurveFit::CalcLogFit(double& k0, double& k1, double& FitQual) const {
  solveTwo("CalcLogFit", {{ErrXNotPositive, kXNotPositive}},
           S.sumlnx, S.sumlnxq, S.sumy, S.sumyq, S.sumylnx, k0, k1, FitQual);
}

void TCurveFit::CalcReciLogFit(double& k0, double& k1, double& FitQual) const {
  solveTwo("CalcReciLogFit", {{ErrYZero | ErrYNotPositive, kYNotPositive}, {ErrXNotPositive, kXNotPositive}},
           S.sumlnx, S.sumlnxq, S.sum1byy, S.sum1byyq, S.sumlnxbyy, k0, k1, FitQual);
}

// ln y = c + k1 X with X = ln x (power) or x (exponential); k0 = e^c.
void TCurveFit::solveLogLinear(const char* op, std::initializer_list<std::pair<unsigned, const char*>> flagTests,
                               double sx, double sxx, double sxlny, double& k0, double& k1, double& fitQual) const {
  k0 = k1 = fitQual = 0;
  check(op, 3, flagTests);
  const double n = FNumData, d = n * sxx - sx * sx;
  if (NoSpread(d, n, sxx)) fail(op, kCannotFit);
  const double slope = (n * sxlny - sx * S.sumlny) / d;
  const double c = (sxx * S.sumlny - sx * sxlny) / d;
  if (!Exponentiable(c)) fail(op, kCannotFit);
  k1 = slope;
  k0 = std::exp(c);
  fitQual = Determination(c * S.sumlny + slope * sxlny, S.sumlny, S.sumlnyq, n);
}

void TCurveFit::CalcPowerFit(double& k0, double& k1, double& FitQual) const {
  solveLogLinear("CalcPowerFit", {{ErrYNotPositive, kYNotPositive}, {ErrXNotPositive, kXNotPositive}}, S.sumlnx,
                 S.sumlnxq, S.sumlnxlny, k0, k1, FitQual);
}

// The model never takes ln x, so x <= 0 is valid data.
void TCurveFit::CalcExponentialFit(double& k0, double& k1, double& FitQual) const {
  solveLogLinear("CalcExponentialFit", {{ErrYNotPositive, kYNotPositive}}, S.sumx, S.sumxq, S.sumxlny, k0, k1,
                 FitQual);
}

void TCurveFit::CalcHoerlFit(double& k0, double& k1, double& k2, double& FitQual) const {
  k0 = k1 = k2 = FitQual = 0;
  const char* op = "CalcHoerlFit";
  check(op, 3, {{ErrYNotPositive, kYNotPositive}, {ErrXNotPositive, kXNotPositive}});
  const double n = FNumData;
  const double c = n * S.sumxq - S.sumx * S.sumx;
  const double e = n * S.sumxlnx - S.sumlnx * S.sumx;
  const double f = n * S.sumxlny - S.sumlny * S.sumx;
  const double denominator = c * (n * S.sumlnxq - S.sumlnx * S.sumlnx) - e * e;
  if (NoSpread(c, n, S.sumxq) || denominator == 0) fail(op, kCannotFit);
  const double power = (c * (n * S.sumlnxlny - S.sumlnx * S.sumlny) - e * f) / denominator;
  const double b = (f - e * power) / c;
  const double a = (S.sumlny - b * S.sumx - power * S.sumlnx) / n;
  if (!Exponentiable(a) || !Exponentiable(b)) fail(op, kCannotFit);
  k0 = std::exp(a);
  k1 = std::exp(b);
  k2 = power;
  FitQual = Determination(a * S.sumlny + b * S.sumxlny + power * S.sumlnxlny, S.sumlny, S.sumlnyq, n);
}

void TCurveFit::CalcGaussFit(double& k0, double& k1, double& k2, double& FitQual) {
  k0 = k1 = FitQual = 0;
  k2 = 1.7e38;
  const char* op = "CalcGaussFit";
  check(op, 3, {{ErrYNotPositive, kYNegative}});
  const std::int32_t n = FNumData;
  double xm, var;
  FData->MeanVar(1, 1, 1, n, xm, var);
  double su = 0, suu = 0, su3 = 0, su4 = 0, sl = 0, sll = 0, sul = 0, suul = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    const double u = FData->Elem(1, i) - xm, y = FData->Elem(2, i);
    su += u, suu += u * u, su3 += u * u * u, su4 += u * u * u * u;
    if (y > 0) {
      const double l = std::log(y);
      sl += l, sll += l * l, sul += u * l, suul += u * u * l;
    } else {
      FErrIndic |= ErrYNotPositive;
    }
  }
  const double D = n * suu - su * su, E = n * suul - suu * sl, F = n * su3 - suu * su,
               G = n * sul - su * sl, H = n * su4 - suu * suu;
  const double c2 = D * H == F * F ? 1.7e38 : (D * E - F * G) / (D * H - F * F);
  const double c1 = D == 0 ? 1.7e38 : (G - F * c2) / D;
  const double c0 = (sl - c1 * su - c2 * suu) / n;
  FitQual = Determination(sl * c0 + c1 * sul + c2 * suul, sl, sll, n);
  if (c2 != 0) {
    const double exponent = c0 - c1 * c1 / (4 * c2);
    if (!Exponentiable(exponent)) {
      FitQual = 0;
      fail(op, kCannotFit);
    }
    k0 = std::exp(exponent);
    k1 = -c1 / (2 * c2) + xm;
    k2 = -1 / c2;
  } else {
    k2 = -1.7e38;
  }
}

void TCurveFit::CalcCircleFit(double& r, double& dx, double& dy) const {
  r = dx = dy = 0;
  const char* op = "CalcCircleFit";
  check(op, 3, {});
  const double n = FNumData;
  const double A = S.sumy * S.sumy - n * S.sumyq, B = S.sumx * S.sumx - n * S.sumxq,
               C = n * S.sumxy - S.sumy * S.sumx, G = A * B - C * C;
  if (G == 0) fail(op, kRadiusInfinite);
  const double Q = S.sumxq + S.sumyq;
  const double P = S.sumy * Q - (S.sumx2y + S.sumy3) * n;
  const double R = S.sumx * Q - (S.sumxy2 + S.sumx3) * n;
  dx = (C * P + A * R) / (2 * G);
  dy = (C * R + B * P) / (2 * G);
  r = std::sqrt(((dx * dx + dy * dy) * n + S.sumxq + S.sumyq - 2 * (dx * S.sumx + dy * S.sumy)) / n);
}

bool TCurveFit::polyFit(int degree, double centre, double scale, double yShift, std::vector<double>& solution,
                        double& fitQual, bool& deficient) const {
  const std::int32_t n = FNumData, cols = degree + 1;
  fitQual = 0;
  deficient = false;
  TMatrix a;
  TVector b, x, errors;
  a.Resize(cols, std::max(n, 1));
  b.Resize(std::max(n, 1));
  if (n < 1) return false;
  auto zAt = [&](std::int32_t i) { return (FData->Elem(1, i) - centre) / scale; };
  {
    TMatrix::TDeferChanges quiet(a);
    for (std::int32_t i = 1; i <= n; ++i) {
      double p = 1;
      for (std::int32_t k = 1; k <= degree; ++k) a.SetElem(k, i, p *= zAt(i));
      a.SetElem(cols, i, 1);
      b.SetElem(i, FData->Elem(2, i) - yShift);
    }
  }
  const bool ok = SvdLeastSquares(a, b, x, deficient, &errors);  // a is used up
  solution.assign(static_cast<std::size_t>(cols), 0.0);
  solution[0] = x.Elem(cols);
  for (std::int32_t k = 1; k <= degree; ++k) solution[static_cast<std::size_t>(k)] = x.Elem(k);
  // r^2 between the data and the fitted values.
  double sy = 0, syy = 0, sf = 0, sff = 0, sfy = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    double fitted = x.Elem(cols), p = 1;
    for (std::int32_t k = 1; k <= degree; ++k) fitted += (p *= zAt(i)) * x.Elem(k);
    const double y = b.Elem(i);
    sy += y, syy += y * y, sf += fitted, sff += fitted * fitted, sfy += fitted * y;
  }
  const double ty = syy - sy * sy / n, tf = sff - sf * sf / n;
  const double r = syy > 0 && sff > 0 && ty != 0 && tf != 0 ? (sfy - sf * sy / n) / std::sqrt(std::fabs(ty * tf)) : 0;
  fitQual = r * r;
  return ok;
}

bool TCurveFit::CalcPolyFit(int Degree, std::vector<double>& Coeffs, double& FitQual, bool& Deficient) const {
  return polyFit(std::max(Degree, 0), 0, 1, 0, Coeffs, FitQual, Deficient);
}

bool TCurveFit::CalcCenteredPolyFit(int Degree, std::vector<double>& Coeffs, double& m, double& FitQual,
                                    bool& Deficient) const {
  Degree = std::max(Degree, 0);
  const std::int32_t n = FNumData;
  double xm = 0, var = 0, ym = 0, yvar = 0;
  if (n > 0) {
    FData->MeanVar(1, 1, 1, n, xm, var);
    FData->MeanVar(2, 1, 2, n, ym, yvar);
  }
  if (m == 0) m = xm;
  double s = std::sqrt(std::max(var, 0.0));
  if (s == 0 || n < 2) s = 1;
  const bool ok = polyFit(Degree, m, s, ym, Coeffs, FitQual, Deficient);
  Coeffs[0] += ym;
  for (int k = 1; k <= Degree; ++k) Coeffs[static_cast<std::size_t>(k)] /= std::pow(s, k);
  return ok;
}

void TCurveFit::CalcAnovaReg(std::int32_t NumVars, bool IncludeConst, double& dfreg, double& dfres,
                             double& dftotal, double& SSE, double& SSR, double& SST, double& MSE, double& MSR,
                             double& F) const {
  dfreg = dfres = dftotal = SSE = SSR = SST = MSE = MSR = F = 0;
  const double n = FNumData;
  const double reg = NumVars, total = IncludeConst ? n - 1 : n, res = total - reg;
  if (FNumData == 0 || res <= 0 || reg <= 0) fail("CalcAnovaReg", kFewPoints);
  dfreg = reg;
  dftotal = total;
  dfres = res;
  const double m = IncludeConst ? S.sumx / n : 0;
  SSE = S.SumDiffq;
  SSR = n * m * m + S.sumyq - 2 * m * S.sumy;
  SST = n * m * m + S.sumxq - 2 * m * S.sumx;
  MSE = SSE / dfres;
  MSR = SSR / dfreg;
  F = MSR == 0 ? 0 : (MSE != 0 ? MSR / MSE : 1e10);
}

}  // namespace zw
