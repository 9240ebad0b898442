#pragma once
// TCurveFit: collects pairs (x, y) and keeps the running sums the statistics
// and the closed-form fits need, so they cost nothing per pair. The pairs
// are kept too (Data(): column 1 x, column 2 y, row i pair i) for the rank
// statistics and quartiles. Undefined terms (reciprocals of values within
// 1e-30 of zero, logarithms of non-positive values) are flagged in ErrIndic
// and replaced by 1.7e38 or left out.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "numerics/Matrix.h"

namespace zw {

struct TFitSums {
  double sumx = 0, sumy = 0, sumxq = 0, sumyq = 0, sumDiff = 0, SumDiffq = 0, sumxy = 0;
  double sumx2y = 0, sumxy2 = 0, sumx3 = 0, sumy3 = 0, sumx4 = 0, sumy4 = 0;
  double sum1byy = 0, sum1byxy = 0, sum1byyq = 0, sumxbyy = 0, sumybyx = 0;
  double sum1byx = 0, sum1byxq = 0;
  double sumlnx = 0, sumlnxlny = 0, sumlnxq = 0, sumylnx = 0, sumxlnx = 0, sumlnxbyy = 0;
  double sumlny = 0, sumlnyq = 0, sumxlny = 0, sumxqlny = 0;
};

// ErrIndic flags.
inline constexpr std::uint8_t ErrXNotPositive = 1;
inline constexpr std::uint8_t ErrYNotPositive = 2;
inline constexpr std::uint8_t ErrXZero = 4;
inline constexpr std::uint8_t ErrYZero = 8;

class TCurveFit : public TNumComponent {
public:
  static constexpr std::int32_t RowGrowth = 1000;

  TCurveFit();

  // Starts a new data set (the stored rows stay allocated, all 0).
  void Init();
  void EnterStatValue(double x, double y);
  // Takes back exactly what entering pair ix added; the later pairs move up.
  // Flags and extremes stay.
  void RemoveStatValue(std::int32_t ix);

  std::int32_t NumData() const { return FNumData; }
  double DataX(std::int32_t ix) const;
  double MinX() const { return FMinX; }
  double MaxX() const { return FMaxX; }
  double MinY() const { return FMinY; }
  double MaxY() const { return FMaxY; }
  std::uint8_t ErrIndic() const { return FErrIndic; }
  const TFitSums& Sums() const { return S; }
  const TMatrix& Data() const { return *FData; }

  // 0 without pairs.
  double MeanX() const;
  double MeanY() const;
  double MeanDiff() const;
  // Sample standard deviations; 0 below two pairs.
  double StdDevX() const;
  double StdDevY() const;
  double StdDevDiff() const;
  double CorrCoeff() const;  // 0 for two pairs or fewer, or no spread
  // Over the pairs of different x: tau-a = 2(C - D) / (N(N - 1)); gamma =
  // (C - D) / (C + D), 0 when every pair ties.
  double KendallsTau();
  double KruskalGamma();
  double SpearmanRankCorr() const;
  bool QuartilesX(double& q1, double& q2, double& q3) const;
  bool QuartilesY(double& q1, double& q2, double& q3) const;
  double SkewnessX() const;
  double SkewnessY() const;
  double KurtosisX() const;
  double KurtosisY() const;
  // Mean direction of the values as angles in degrees, 0 .. 360.
  double MeanAngleX() const;
  double MeanAngleY() const;
  void CalcStatistics(std::int32_t& NumData, double& MeanX, double& MeanY, double& StdevX,
                      double& StdevY, double& MeanDiff, double& StdevDiff, double& rxy) const;

  // Fits of models to the pairs (CurveFitModels.cpp). Every output is 0
  // first; errors raise EZwMath2Error "<operation>: <reason>".
  void CalcLinFit(double& k, double& d, double& FitQual) const;
  void CalcParabolFit(double& k0, double& k1, double& k2, double& FitQual) const;
  void CalcReciLinFit(double& k0, double& k1, double& FitQual) const;
  void CalcHyperbolFit(double& k0, double& k1, double& FitQual) const;
  void CalcReciHyperbolFit(double& k0, double& k1, double& FitQual) const;
  void CalcLogFit(double& k0, double& k1, double& FitQual) const;
  void CalcReciLogFit(double& k0, double& k1, double& FitQual) const;
  void CalcPowerFit(double& k0, double& k1, double& FitQual) const;
  void CalcExponentialFit(double& k0, double& k1, double& FitQual) const;
  void CalcHoerlFit(double& k0, double& k1, double& k2, double& FitQual) const;
  void CalcGaussFit(double& k0, double& k1, double& k2, double& FitQual);
  void CalcCircleFit(double& r, double& dx, double& dy) const;
  // Coeffs[k] multiplies x^k (Coeffs gets Degree + 1 elements). False when
  // the decomposition did not converge.
  bool CalcPolyFit(std::uint8_t Degree, std::vector<double>& Coeffs, double& FitQual,
                   bool& Deficient) const;
  // The same in powers of (x - m); m = 0 on entry means "the mean of x",
  // which is returned in m.
  bool CalcCenteredPolyFit(std::uint8_t Degree, std::vector<double>& Coeffs, double& m,
                           double& FitQual, bool& Deficient) const;
  // Analysis of variance of the pairs taken as (observed, fitted).
  void CalcAnovaReg(std::int32_t NumVars, bool IncludeConst, std::int32_t& dfreg,
                    std::int32_t& dfres, std::int32_t& dftotal, double& SSE, double& SSR,
                    double& SST, double& MSE, double& MSR, double& F) const;

  bool SplineValid() const { return FSplineValid; }

  // Data-table text files (DataTable.cpp). Export: "" or the reason the
  // file could not be created. Import: 0, a ReadAscHeader code, -7 (fourth
  // switch), 250 (unreadable number), 251 (unreadable row attribute); a
  // failed import leaves the object as it was.
  std::string ExportAsASC(const std::string& FName, const std::string& Comment, std::int32_t Precision) const;
  std::int32_t ImportASC(const std::string& FName);

  // Splines through the pairs (Splines.cpp), each set up on first use and
  // kept until the data or one of its properties change.
  bool SplineNatural1() const { return FNatural1; }
  bool SplineNaturalN() const { return FNaturalN; }
  double SplineDerivY1() const { return FY1Dash; }
  double SplineDerivYN() const { return FYNDash; }
  double SplineSmoothingFactor() const { return FPSplineSmooth; }
  void SetSplineNatural1(bool value);
  void SetSplineNaturalN(bool value);
  void SetSplineDerivY1(double value);
  void SetSplineDerivYN(double value);
  void SetSplineSmoothingFactor(double value);
  bool SmoothedSplineValid() const { return FPenSplineValid; }
  // The interpolating cubic spline (end segments extended outside the data).
  double CubicSpline(double x);
  // The smoothing spline; valid False (result 0) outside the data's x range.
  double SmoothedSpline(double x, double& FitQual, bool& valid);

private:
  TFitSums S;
  std::int32_t FNumData = 0;
  double FMinX = 1.7e308, FMaxX = -1.7e308, FMinY = 1.7e308, FMaxY = -1.7e308;
  std::uint8_t FErrIndic = 0;
  std::unique_ptr<TMatrix> FData;
  bool FSplineValid = false, FPenSplineValid = false, FKendallValid = false;
  std::int64_t FKendallConcord = 0, FKendallDiscord = 0, FKendallTies = 0;
  bool FNatural1 = true, FNaturalN = true;
  double FY1Dash = 0, FYNDash = 0, FPSplineSmooth = 0.5, FPSplineFQ = 0;
  // The pairs sorted by x, shared by both splines.
  std::vector<double> SplSortedX, SplSortedY, Spl2Deriv;
  std::vector<double> PSplA, PSplB, PSplC, PSplD;

  void sortPairs();
  void setUpCubicSpline();
  void setUpSmoothedSpline();

  bool polyFit(std::uint8_t Degree, std::vector<double>& Coeffs, double centre, double scale,
               double yShift, double& FitQual, bool& Deficient) const;
  void accumulate(double x, double y, double sign, bool flag);
  void invalidateCaches();
  void countPairs();
  bool quartiles(std::int32_t col, double& q1, double& q2, double& q3) const;
  double skewKurt(std::int32_t col, bool kurtosis) const;
  double meanAngle(std::int32_t col) const;
};

// Reads lines 1-4 of a data table: 0, 252 (line feed in the title), 253
// (a switch neither TRUE nor FALSE), 254 (no row count), 255 (no column
// count). A file that cannot be opened raises std::ios_base::failure.
std::uint8_t ReadAscHeader(const std::string& FileName, std::string& Title, std::int32_t& NumCols,
                           std::int32_t& NumRows, bool& RowAttributes, bool& ColumnNames, bool& RowNames,
                           bool& Fourth);

// The smoothing spline of the points n1..n2 of X (strictly increasing), Y
// with the weights dY: segment i is A[i] + B[i] t + C[i] t^2 + D[i] t^3,
// t = x - X[i]; S bounds the weighted residual sum. Every array must hold
// index n2.
void PenalizedCubicSpline(std::int32_t n1, std::int32_t n2, const std::vector<double>& X,
                          const std::vector<double>& Y, const std::vector<double>& dY,
                          std::vector<double>& A, std::vector<double>& B, std::vector<double>& C,
                          std::vector<double>& D, double S);

}  // namespace zw
