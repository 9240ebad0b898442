#include "numerics/CurveFit.h"

#include <cmath>
#include <numbers>

namespace zw {

namespace {

constexpr double kZero = 1e-30;
constexpr double kHuge = 1.7e38;

double SampleStdDev(double sum, double sumSq, std::int32_t n) {
  if (n < 2) return 0;
  return std::sqrt(std::fabs((sumSq - sum * sum / n) / (n - 1)));
}

}  // namespace

TCurveFit::TCurveFit() : FData(std::make_unique<TMatrix>()) {
  FData->Resize(2, RowGrowth);
  Init();
}

void TCurveFit::Init() {
  S = {};
  FNumData = 0;
  FPSplineFQ = 0;
  FData->Fill(0);
  FMinX = FMinY = 1.7e308;
  FMaxX = FMaxY = -1.7e308;
  FErrIndic = 0;
}

void TCurveFit::accumulate(double x, double y, double sign, bool flag) {
  auto add = [sign](double& s, double term) { s += sign * term; };
  auto raise = [&](std::uint8_t f) {
    if (flag) FErrIndic |= f;
  };
  add(S.sumx, x);
  add(S.sumy, y);
  add(S.sumxq, x * x);
  add(S.sumyq, y * y);
  add(S.sumDiff, x - y);
  add(S.SumDiffq, (x - y) * (x - y));
  add(S.sumxy, x * y);
  add(S.sumx2y, x * x * y);
  add(S.sumxy2, x * y * y);
  add(S.sumx3, x * x * x);
  add(S.sumy3, y * y * y);
  add(S.sumx4, x * x * x * x);
  add(S.sumy4, y * y * y * y);

  const bool xZero = std::fabs(x) <= kZero, yZero = std::fabs(y) <= kZero;
  if (yZero) {
    raise(ErrYZero);
    add(S.sum1byy, kHuge);
    add(S.sum1byyq, kHuge * kHuge);
    add(S.sumxbyy, x * kHuge);
    if (xZero) raise(ErrXZero);
    add(S.sum1byxy, xZero ? kHuge : kHuge / x);
  } else {
    add(S.sum1byy, 1 / y);
    add(S.sum1byyq, 1 / (y * y));
    add(S.sumxbyy, x / y);
    if (xZero) raise(ErrXZero);
    add(S.sum1byxy, xZero ? kHuge / y : 1 / x / y);
  }
  if (xZero) {
    raise(ErrXZero);
    add(S.sum1byx, kHuge);
    add(S.sum1byxq, kHuge * kHuge);
    add(S.sumybyx, y * kHuge);
  } else {
    add(S.sum1byx, 1 / x);
    add(S.sum1byxq, 1 / (x * x));
    add(S.sumybyx, y / x);
  }
  if (x > 0) {
    const double lx = std::log(x);
    add(S.sumlnx, lx);
    add(S.sumlnxq, lx * lx);
    add(S.sumylnx, y * lx);
    add(S.sumxlnx, x * lx);
    if (y != 0)
      add(S.sumlnxbyy, lx / y);
    else
      raise(ErrYZero);
    if (y > 0)
      add(S.sumlnxlny, lx * std::log(y));
    else
      raise(ErrYNotPositive);
  } else {
    raise(ErrXNotPositive);
  }
  if (y > 0) {
    const double ly = std::log(y);
    add(S.sumlny, ly);
    add(S.sumlnyq, ly * ly);
    add(S.sumxlny, x * ly);
    add(S.sumxqlny, x * x * ly);
  } else {
    raise(ErrYNotPositive);
  }
}

void TCurveFit::invalidateCaches() { FSplineValid = FPenSplineValid = FKendallValid = false; }

void TCurveFit::EnterStatValue(double x, double y) {
  // Room first, so a failure leaves the data set as it was.
  if (FData->NrOfRows() < FNumData + 1) FData->Resize(2, FData->NrOfRows() + RowGrowth);
  FMinX = std::min(FMinX, x);
  FMaxX = std::max(FMaxX, x);
  FMinY = std::min(FMinY, y);
  FMaxY = std::max(FMaxY, y);
  accumulate(x, y, 1, true);
  ++FNumData;
  FData->SetElem(1, FNumData, x);
  FData->SetElem(2, FNumData, y);
  invalidateCaches();
}

void TCurveFit::RemoveStatValue(std::int32_t ix) {
  if (ix >= 1 && ix <= FNumData) {
    accumulate(FData->Elem(1, ix), FData->Elem(2, ix), -1, false);
    {
      TMatrix::TDeferChanges quiet(*FData);
      for (std::int32_t r = ix; r < FNumData; ++r) {
        FData->SetElem(1, r, FData->Elem(1, r + 1));
        FData->SetElem(2, r, FData->Elem(2, r + 1));
      }
    }
    --FNumData;
  }
  invalidateCaches();
}

double TCurveFit::DataX(std::int32_t ix) const {
  return ix >= 1 && ix <= FNumData ? FData->Elem(1, ix) : 0;
}

double TCurveFit::MeanX() const { return FNumData > 0 ? S.sumx / FNumData : 0; }
double TCurveFit::MeanY() const { return FNumData > 0 ? S.sumy / FNumData : 0; }
double TCurveFit::MeanDiff() const { return FNumData > 0 ? S.sumDiff / FNumData : 0; }
double TCurveFit::StdDevX() const { return SampleStdDev(S.sumx, S.sumxq, FNumData); }
double TCurveFit::StdDevY() const { return SampleStdDev(S.sumy, S.sumyq, FNumData); }
double TCurveFit::StdDevDiff() const { return SampleStdDev(S.sumDiff, S.SumDiffq, FNumData); }

double TCurveFit::CorrCoeff() const {
  if (FNumData <= 2 || S.sumxq <= 0 || S.sumyq <= 0) return 0;
  const double sxx = S.sumxq - S.sumx * S.sumx / FNumData;
  const double syy = S.sumyq - S.sumy * S.sumy / FNumData;
  if (sxx == 0 || syy == 0) return 0;
  return (S.sumxy - S.sumx * S.sumy / FNumData) / std::sqrt(std::fabs(sxx * syy));
}

void TCurveFit::countPairs() {
  if (FKendallValid) return;
  FKendallConcord = FKendallDiscord = FKendallTies = 0;
  if (FNumData > 2) {
    for (std::int32_t i = 1; i < FNumData; ++i)
      for (std::int32_t j = i + 1; j <= FNumData; ++j) {
        const double dx = FData->Elem(1, i) - FData->Elem(1, j);
        if (dx == 0) continue;
        const double slope = (FData->Elem(2, i) - FData->Elem(2, j)) / dx;
        if (slope > 0)
          ++FKendallConcord;
        else if (slope < 0)
          ++FKendallDiscord;
        else
          ++FKendallTies;
      }
  }
  FKendallValid = true;
}

double TCurveFit::KendallsTau() {
  countPairs();
  if (FNumData < 2) return 0;
  return 2.0 * static_cast<double>(FKendallConcord - FKendallDiscord) /
         (static_cast<double>(FNumData) * (FNumData - 1));
}

double TCurveFit::KruskalGamma() {
  countPairs();
  const std::int64_t both = FKendallConcord + FKendallDiscord;
  return both == 0 ? 0 : static_cast<double>(FKendallConcord - FKendallDiscord) / static_cast<double>(both);
}

double TCurveFit::SpearmanRankCorr() const {
  const std::int32_t n = FNumData;
  if (n < 3) return 0;
  TMatrix ranks;
  ranks.Resize(4, n);
  ranks.CopyFrom(FData.get(), 1, 1, 2, n, 1, 1);
  // Ranks 1..n in the order of column key, runs of equal keys sharing their
  // mean rank.
  auto rankBy = [&](std::int32_t key, std::int32_t rankCol) {
    ranks.SortRows(key, true, 1, 1, 4, n);
    for (std::int32_t first = 1; first <= n;) {
      std::int32_t last = first;
      while (last < n && ranks.Elem(key, last + 1) == ranks.Elem(key, first)) ++last;
      for (std::int32_t r = first; r <= last; ++r) ranks.SetElem(rankCol, r, (first + last) / 2.0);
      first = last + 1;
    }
  };
  rankBy(1, 3);
  rankBy(2, 4);
  double d2 = 0;
  for (std::int32_t r = 1; r <= n; ++r) {
    const double d = ranks.Elem(3, r) - ranks.Elem(4, r);
    d2 += d * d;
  }
  return 1 - 6 * d2 / (static_cast<double>(n) * (static_cast<double>(n) * n - 1));
}

bool TCurveFit::quartiles(std::int32_t col, double& q1, double& q2, double& q3) const {
  if (FNumData < 1) {
    q1 = q2 = q3 = 0;
    return false;
  }
  return FData->Quartiles(col, 1, col, FNumData, q1, q2, q3);
}

bool TCurveFit::QuartilesX(double& q1, double& q2, double& q3) const { return quartiles(1, q1, q2, q3); }
bool TCurveFit::QuartilesY(double& q1, double& q2, double& q3) const { return quartiles(2, q1, q2, q3); }

double TCurveFit::skewKurt(std::int32_t col, bool kurtosis) const {
  if (FNumData < 1) return 0;
  double s = 0, k = 0;
  FData->SkewKurtSample(col, 1, col, FNumData, s, k);
  return kurtosis ? k : s;
}

double TCurveFit::SkewnessX() const { return skewKurt(1, false); }
double TCurveFit::SkewnessY() const { return skewKurt(2, false); }
double TCurveFit::KurtosisX() const { return skewKurt(1, true); }
double TCurveFit::KurtosisY() const { return skewKurt(2, true); }

double TCurveFit::meanAngle(std::int32_t col) const {
  double s = 0, c = 0;
  for (std::int32_t r = 1; r <= FNumData; ++r) {
    const double rad = FData->Elem(col, r) * std::numbers::pi / 180;
    s += std::sin(rad);
    c += std::cos(rad);
  }
  double e = std::atan2(s, c) * 180 / std::numbers::pi;
  if (e < 0) e += 360;
  return e >= 360 ? 0 : e;
}

double TCurveFit::MeanAngleX() const { return meanAngle(1); }
double TCurveFit::MeanAngleY() const { return meanAngle(2); }

void TCurveFit::CalcStatistics(std::int32_t& NumData, double& MeanX_, double& MeanY_,
                               double& StdevX, double& StdevY, double& MeanDiff_,
                               double& StdevDiff, double& rxy) const {
  NumData = FNumData;
  MeanX_ = MeanX();
  MeanY_ = MeanY();
  MeanDiff_ = MeanDiff();
  StdevX = StdDevX();
  StdevY = StdDevY();
  StdevDiff = StdDevDiff();
  rxy = CorrCoeff();
}

}  // namespace zw
