#include <gtest/gtest.h>

#include <boost/math/statistics/univariate_statistics.hpp>
#include <cmath>
#include <vector>

#include "numerics/CurveFit.h"

namespace zw {
namespace {

void Enter(TCurveFit& f, const std::vector<std::pair<double, double>>& pairs) {
  for (auto [x, y] : pairs) f.EnterStatValue(x, y);
}

TEST(CurveFit, NoPairsTwoPairsAndALine) {
  TCurveFit f;
  EXPECT_EQ(f.NumData(), 0);
  EXPECT_EQ(f.MeanX(), 0);
  EXPECT_EQ(f.MeanY(), 0);
  EXPECT_EQ(f.StdDevX(), 0);
  EXPECT_EQ(f.CorrCoeff(), 0);
  EXPECT_EQ(f.MinX(), 1.7e308);
  EXPECT_EQ(f.MaxY(), -1.7e308);
  double q1, q2, q3;
  EXPECT_FALSE(f.QuartilesX(q1, q2, q3));

  Enter(f, {{1, 2}, {3, 4}});
  EXPECT_DOUBLE_EQ(f.StdDevX(), std::sqrt(2.0));  // the sample deviation from two pairs
  EXPECT_EQ(f.CorrCoeff(), 0);

  f.Init();
  Enter(f, {{1, 2}, {2, 4}, {3, 6}});
  EXPECT_DOUBLE_EQ(f.CorrCoeff(), 1);
  EXPECT_DOUBLE_EQ(f.KendallsTau(), 1);
  EXPECT_DOUBLE_EQ(f.KruskalGamma(), 1);
  EXPECT_DOUBLE_EQ(f.SpearmanRankCorr(), 1);
  EXPECT_DOUBLE_EQ(f.MeanDiff(), -2);
  EXPECT_DOUBLE_EQ(f.StdDevDiff(), 1);
  std::int32_t n;
  double mx, my, sx, sy, md, sd, r;
  f.CalcStatistics(n, mx, my, sx, sy, md, sd, r);
  EXPECT_EQ(n, 3);
  EXPECT_DOUBLE_EQ(mx, 2);
  EXPECT_DOUBLE_EQ(my, 4);
  EXPECT_DOUBLE_EQ(sx, 1);
  EXPECT_DOUBLE_EQ(sy, 2);
  EXPECT_DOUBLE_EQ(r, 1);
}

TEST(CurveFit, SumsAndFlagsOfUndefinedTerms) {
  TCurveFit f;
  f.EnterStatValue(0, 2);
  EXPECT_EQ(f.ErrIndic(), ErrXNotPositive | ErrXZero);
  EXPECT_EQ(f.Sums().sum1byx, 1.7e38);
  EXPECT_EQ(f.Sums().sumybyx, 2 * 1.7e38);
  EXPECT_EQ(f.Sums().sum1byxy, 1.7e38 / 2);
  EXPECT_DOUBLE_EQ(f.Sums().sumlny, std::log(2.0));
  EXPECT_EQ(f.Sums().sumlnx, 0);
  f.EnterStatValue(std::exp(1.0), 0);
  EXPECT_EQ(f.ErrIndic(), ErrXNotPositive | ErrXZero | ErrYZero | ErrYNotPositive);
  EXPECT_EQ(f.Sums().sum1byy, 1.7e38 + 0.5);
  EXPECT_DOUBLE_EQ(f.Sums().sumlnx, 1);
  EXPECT_EQ(f.Sums().sumlnxbyy, 0);  // left out for y = 0
  f.Init();
  EXPECT_EQ(f.ErrIndic(), 0);
  f.EnterStatValue(2, 4);
  const TFitSums& s = f.Sums();
  EXPECT_EQ(std::make_tuple(s.sumx, s.sumy, s.sumxq, s.sumyq, s.sumxy, s.sumx2y, s.sumxy2),
            std::make_tuple(2.0, 4.0, 4.0, 16.0, 8.0, 16.0, 32.0));
  EXPECT_EQ(std::make_tuple(s.sumx3, s.sumy3, s.sumx4, s.sumy4, s.sumDiff, s.SumDiffq),
            std::make_tuple(8.0, 64.0, 16.0, 256.0, -2.0, 4.0));
  EXPECT_EQ(std::make_tuple(s.sum1byy, s.sum1byyq, s.sumxbyy, s.sumybyx, s.sum1byx, s.sum1byxq, s.sum1byxy),
            std::make_tuple(0.25, 0.0625, 0.5, 2.0, 0.5, 0.25, 0.125));
  EXPECT_DOUBLE_EQ(s.sumlnxlny, std::log(2.0) * std::log(4.0));
  EXPECT_DOUBLE_EQ(s.sumxqlny, 4 * std::log(4.0));
  EXPECT_DOUBLE_EQ(s.sumlnxbyy, std::log(2.0) / 4);
}

TEST(CurveFit, RemovingTakesBackExactlyThePair) {
  TCurveFit f;
  for (int i = 1; i <= 300; ++i) f.EnterStatValue(i, i % 7 - 3);
  f.EnterStatValue(0, 0);
  const std::uint8_t flags = f.ErrIndic();
  const double maxX = f.MaxX();
  f.RemoveStatValue(301);
  f.RemoveStatValue(2);
  f.RemoveStatValue(0);    // outside: nothing
  f.RemoveStatValue(400);
  EXPECT_EQ(f.NumData(), 299);
  EXPECT_EQ(f.DataX(2), 3);
  EXPECT_EQ(f.DataX(299), 300);
  EXPECT_EQ(f.DataX(300), 0);
  EXPECT_EQ(f.DataX(0), 0);
  EXPECT_EQ(f.ErrIndic(), flags);
  EXPECT_EQ(f.MaxX(), maxX);

  TCurveFit g;
  for (int i = 1; i <= 300; ++i)
    if (i != 2) g.EnterStatValue(i, i % 7 - 3);
  EXPECT_NEAR(f.Sums().sumx, g.Sums().sumx, 1e-9);
  EXPECT_NEAR(f.Sums().sum1byy, g.Sums().sum1byy, 1e-9);
  EXPECT_NEAR(f.Sums().sumlnxq, g.Sums().sumlnxq, 1e-9);
  EXPECT_NEAR(f.MeanX(), g.MeanX(), 1e-12);
}

TEST(CurveFit, StoreGrowsByAThousandRows) {
  TCurveFit f;
  EXPECT_EQ(f.Data().NrOfRows(), 1000);
  for (int i = 0; i < 1000; ++i) f.EnterStatValue(i, 1);
  EXPECT_EQ(f.Data().NrOfRows(), 1000);
  f.EnterStatValue(1000, 1);
  EXPECT_EQ(f.Data().NrOfRows(), 2000);
  EXPECT_EQ(f.Data().NrOfColumns(), 2);
  EXPECT_EQ(f.DataX(1001), 1000);
  EXPECT_EQ(f.DataX(1), 0);
  f.Init();
  EXPECT_EQ(f.Data().NrOfRows(), 2000);
  EXPECT_EQ(f.Data().Elem(1, 1001), 0);
}

TEST(CurveFit, RankStatistics) {
  TCurveFit f;
  // Ties in x at the top, a tie in y, pairs of equal x not counted.
  Enter(f, {{1, 3}, {2, 1}, {3, 4}, {4, 1}, {5, 5}, {5, 9}});
  // Concordant / discordant pairs over different x.
  int c = 0, d = 0;
  const std::vector<std::pair<double, double>> p = {{1, 3}, {2, 1}, {3, 4}, {4, 1}, {5, 5}, {5, 9}};
  for (std::size_t i = 0; i < p.size(); ++i)
    for (std::size_t j = i + 1; j < p.size(); ++j) {
      if (p[i].first == p[j].first) continue;
      const double s = (p[i].second - p[j].second) / (p[i].first - p[j].first);
      c += s > 0;
      d += s < 0;
    }
  EXPECT_DOUBLE_EQ(f.KendallsTau(), 2.0 * (c - d) / (6 * 5));
  EXPECT_DOUBLE_EQ(f.KruskalGamma(), double(c - d) / (c + d));
  // Ranks of x: 1 2 3 4 5.5 5.5; of y: 3 1.5 4 1.5 5 6.
  const double d2 = 4 + 0.25 + 1 + 6.25 + 0.25 + 0.25;
  EXPECT_DOUBLE_EQ(f.SpearmanRankCorr(), 1 - 6 * d2 / (6 * 35));
  // The cache follows the data.
  f.EnterStatValue(0, 100);
  EXPECT_LT(f.KendallsTau(), 2.0 * (c - d) / (6 * 5));

  TCurveFit flat;
  Enter(flat, {{1, 1}, {2, 1}, {3, 1}});
  EXPECT_EQ(flat.KruskalGamma(), 0);
  EXPECT_EQ(flat.KendallsTau(), 0);
}

TEST(CurveFit, MeanAngles) {
  // (angles, mean direction)
  const std::vector<std::pair<std::vector<double>, double>> cases = {
      {{10, 30}, 20}, {{350, 30}, 10}, {{-30, -10}, 340}, {{170, 210}, 190},
      {{0, 180, 90}, 90}, {{0, 180, 270}, 270}, {{}, 0}};
  for (const auto& [angles, expected] : cases) {
    TCurveFit f;
    for (double a : angles) f.EnterStatValue(a, a);
    EXPECT_NEAR(f.MeanAngleX(), expected, 1e-9) << expected;
    EXPECT_NEAR(f.MeanAngleY(), expected, 1e-9);
  }
}

TEST(CurveFit, ColumnStatisticsAgainstBoost) {
  TCurveFit f;
  std::vector<double> x;
  for (int i = 1; i <= 40; ++i) {
    x.push_back(std::pow(i, 1.3) + (i % 3));
    f.EnterStatValue(x.back(), -x.back());
  }
  const double n = 40;
  EXPECT_NEAR(f.MeanX(), boost::math::statistics::mean(x), 1e-12);
  EXPECT_NEAR(f.StdDevX(), std::sqrt(boost::math::statistics::sample_variance(x)), 1e-9);
  const double g1 = boost::math::statistics::skewness(x);
  const double g2 = boost::math::statistics::excess_kurtosis(x);
  EXPECT_NEAR(f.SkewnessX(), g1 * std::sqrt(n * (n - 1)) / (n - 2), 1e-9);
  EXPECT_NEAR(f.KurtosisX(), ((n + 1) * g2 + 6) * (n - 1) / ((n - 2) * (n - 3)), 1e-9);
  EXPECT_NEAR(f.SkewnessY(), -f.SkewnessX(), 1e-9);
  double q1, q2, q3;
  ASSERT_TRUE(f.QuartilesY(q1, q2, q3));
  std::vector<double> sorted = x;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_DOUBLE_EQ(q2, -(sorted[19] + sorted[20]) / 2);
}

// The statistics topics keep a one-variable sample this way.
TEST(CurveFit, AsTheOneVariableStoreOfTheStatisticsTopics) {
  TCurveFit store;
  store.Init();
  const std::vector<double> sample = {4.5, 2.25, 9, 4.5, 7};
  for (double v : sample) store.EnterStatValue(v, 0);
  ASSERT_EQ(store.NumData(), 5);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(store.DataX(i), sample[i - 1]);
  EXPECT_DOUBLE_EQ(store.MeanX(), boost::math::statistics::mean(sample));
  EXPECT_NEAR(store.StdDevX(), std::sqrt(boost::math::statistics::sample_variance(sample)), 1e-12);
  EXPECT_EQ(store.MinX(), 2.25);
  EXPECT_EQ(store.MaxX(), 9);
  store.Init();
  EXPECT_EQ(store.NumData(), 0);
  EXPECT_EQ(store.DataX(1), 0);
  EXPECT_EQ(store.MeanX(), 0);
}

}  // namespace
}  // namespace zw
