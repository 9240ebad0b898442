#include "topics/linalg-stat/Distributions.h"

#include <gsl/gsl_randist.h>
#include <gtest/gtest.h>

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/hypergeometric.hpp>
#include <cmath>
#include <numeric>

#include "kernel/KernelState.h"
#include "shell/State.h"
#include "charts/VIrada.h"
#include "shell/Settings.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

class Distributions : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u',';
    RegisterDistributionTexts();
  }
  void TearDown() override { kernelState().reset(); }
};

double RelErr(double got, long double want) {
  if (want == 0) return std::fabs(got);
  return double(std::fabs((got - want) / want));
}

std::vector<TrcChartItem> Bars(const TVIrada& chart) {
  std::vector<TrcChartItem> out;
  for (const TrcChartItem& it : chart.DisplayList().items())
    if (it.ItemKind == TrcItem::tk3DBar) out.push_back(it);
  return out;
}

long double Sum(const std::vector<double>& p) {
  long double s = 0;
  for (double v : p) s += v;
  return s;
}

TEST_F(Distributions, BinomialMatchesBoostAndGslOverTheWholeRange) {
  struct Case {
    std::int64_t n;
    double p;
  } cases[] = {{1, 0.3}, {10, 0.5}, {37, 0.01}, {200, 0.999}, {1000, 0.3}, {20000, 0.25}, {150000, 1e-4},
               {1000000, 0.5}, {1000000, 0.73}};
  for (const Case& c : cases) {
    const DistributionTable t = BinomialTable(c.n, c.p);
    ASSERT_EQ(t.p.size(), std::size_t(c.n + 1));
    const boost::math::binomial_distribution<long double> b((long double)c.n, (long double)c.p);
    // Every k whose value a double holds in full; the step keeps the long
    // tables quick under the sanitizers.
    const std::int64_t step = std::max<std::int64_t>(1, c.n / 2000);
    for (std::int64_t k = 0; k <= c.n; k += (std::llabs(k - t.mode) < 50 ? 1 : step)) {
      const long double want = boost::math::pdf(b, (long double)k);
      if (want < 1e-290L) continue;
      EXPECT_LT(RelErr(t.p[std::size_t(k)], want), 1e-12) << c.n << " " << c.p << " k=" << k;
      if (c.n <= 1000) {
        EXPECT_NEAR(t.p[std::size_t(k)], gsl_ran_binomial_pdf(unsigned(k), c.p, unsigned(c.n)), 1e-13);
      }
    }
    EXPECT_NEAR(double(Sum(t.p)), 1.0, 1e-12) << c.n << " " << c.p;
    // The mode: the smallest k of the largest stored value.
    const auto top = std::max_element(t.p.begin(), t.p.end());
    EXPECT_EQ(t.mode, top - t.p.begin());
  }
}

TEST_F(Distributions, BinomialEdgesAndExactSmallValues) {
  // p = 0 and p = 1: one certain outcome.
  DistributionTable t = BinomialTable(5, 0);
  EXPECT_EQ(t.p, (std::vector<double>{1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(t.mode, 0);
  t = BinomialTable(5, 1);
  EXPECT_EQ(t.p, (std::vector<double>{0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(t.mode, 5);
  // n = 4, p = 1/2: 1, 4, 6, 4, 1 sixteenths.
  t = BinomialTable(4, 0.5);
  const double sixteenths[] = {1, 4, 6, 4, 1};
  for (int k = 0; k <= 4; ++k) EXPECT_NEAR(t.p[std::size_t(k)], sixteenths[k] / 16, 1e-16);
  // n = 2, p = 1/2: the mode 1, the chart's top 0.75.
  t = BinomialTable(2, 0.5);
  EXPECT_EQ(t.mode, 1);
  EXPECT_DOUBLE_EQ(DistributionChartTop(t), 0.75);
  // A tie (n = 3, p = 1/4: P(0) = P(1) = 27/64) keeps the smaller k.
  t = BinomialTable(3, 0.25);
  EXPECT_NEAR(t.p[0], 27.0 / 64, 1e-16);
  EXPECT_NEAR(t.p[1], 27.0 / 64, 1e-16);
  EXPECT_EQ(t.mode, 0);
}

TEST_F(Distributions, BinomialRefusesItsBadInputs) {
  struct Case {
    std::int64_t n;
    double p;
    const char* field;
  } cases[] = {{0, 0.5, DistNKey},      {1000001, 0.5, DistNKey}, {10, 1.5, DistPKey},
               {10, -0.01, DistPKey},   {10, NAN, DistPKey}};
  for (const Case& c : cases) {
    try {
      BinomialTable(c.n, c.p);
      ADD_FAILURE() << c.n << " " << c.p;
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), c.field);
      EXPECT_EQ(e.message(), 22);
    }
  }
}

TEST_F(Distributions, HypergeometricMatchesBoostOverTheWholeSupport) {
  struct Case {
    std::int64_t n, m, r;
  } cases[] = {{5, 10, 3},       {1, 100, 1},       {99, 100, 50},           {40, 60, 55},
               {1000, 5000, 2500}, {30, 1000000, 10}, {100000, 400000, 300000}, {1000000, 3000000, 1500000}};
  for (const Case& c : cases) {
    const DistributionTable t = HypergeometricTable(c.n, c.m, c.r);
    ASSERT_EQ(t.p.size(), std::size_t(c.n + 1));
    const std::int64_t lo = std::max<std::int64_t>(0, c.n + c.r - c.m), hi = std::min(c.n, c.r);
    const boost::math::hypergeometric_distribution<long double> h(unsigned(c.r), unsigned(c.n), unsigned(c.m));
    const std::int64_t step = std::max<std::int64_t>(1, c.n / 2000);
    for (std::int64_t k = 0; k <= c.n; k += (std::llabs(k - t.mode) < 50 ? 1 : step)) {
      if (k < lo || k > hi) {
        EXPECT_EQ(t.p[std::size_t(k)], 0.0) << k;
        continue;
      }
      const long double want = boost::math::pdf(h, unsigned(k));
      if (want < 1e-290L) continue;
      EXPECT_LT(RelErr(t.p[std::size_t(k)], want), 1e-12) << c.n << " " << c.m << " " << c.r << " k=" << k;
      if (c.m <= 5000) {
        EXPECT_LT(RelErr(t.p[std::size_t(k)],
                         gsl_ran_hypergeometric_pdf(unsigned(k), unsigned(c.r), unsigned(c.m - c.r), unsigned(c.n))),
                  1e-10);  // GSL's own error at this size
      }
    }
    // The whole support is filled: the values add up to 1.
    EXPECT_NEAR(double(Sum(t.p)), 1.0, 1e-12) << c.n << " " << c.m << " " << c.r;
  }
}

TEST_F(Distributions, HypergeometricSmallTablesAreExact) {
  // n = 5 of m = 10 with r = 3: 1/12, 5/12, 5/12, 1/12.
  DistributionTable t = HypergeometricTable(5, 10, 3);
  const double twelfths[] = {1, 5, 5, 1, 0, 0};
  for (int k = 0; k <= 5; ++k) EXPECT_NEAR(t.p[std::size_t(k)], twelfths[k] / 12, 1e-16) << k;
  EXPECT_EQ(t.mode, 1);
  // r = 0: certainly no hit.
  t = HypergeometricTable(4, 9, 0);
  EXPECT_EQ(t.p, (std::vector<double>{1, 0, 0, 0, 0}));
  // n = 1, m = 100, r = 1: both values, 0.99 and 0.01.
  t = HypergeometricTable(1, 100, 1);
  EXPECT_NEAR(t.p[0], 0.99, 1e-16);
  EXPECT_NEAR(t.p[1], 0.01, 1e-17);
  // n = m − 1 is allowed; the support starts at n + r − m.
  t = HypergeometricTable(9, 10, 4);
  EXPECT_EQ(t.p[0] + t.p[1] + t.p[2], 0.0);
  EXPECT_NEAR(t.p[3], 0.4, 1e-16);
  EXPECT_NEAR(t.p[4], 0.6, 1e-16);
}

TEST_F(Distributions, HypergeometricRefusesItsBadInputs) {
  struct Case {
    std::int64_t n, m, r;
    const char* field;
  } cases[] = {{0, 10, 3, DistNKey},         {2000000, 3000000, 5, DistNKey}, {10, 10, 3, DistMKey},
               {11, 10, 3, DistMKey},        {5, 10, 10, DistRKey},           {5, 10, -1, DistRKey},
               {5, DistMaxM + 1, 3, DistMKey}};
  for (const Case& c : cases) {
    try {
      HypergeometricTable(c.n, c.m, c.r);
      ADD_FAILURE() << c.n << " " << c.m << " " << c.r;
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), c.field) << c.n << " " << c.m << " " << c.r;
    }
  }
}

TEST_F(Distributions, MemoListsTheRangeWithCumulativeAndIntervalSums) {
  const DistributionTable t = BinomialTable(10, 0.5);
  const QStringList memo =
      DistributionMemoLines(QStringLiteral("  n = 10;    p = 0,5"), t, 1, 10, QStringLiteral(") ="));
  ASSERT_EQ(memo.size(), 4 + 10 + 2);
  EXPECT_EQ(memo[0], QStringLiteral("  n = 10;    p = 0,5"));
  EXPECT_EQ(memo[1], QString());
  // Centred by characters, an odd padding's extra blank in front.
  EXPECT_EQ(memo[2], QStringLiteral("      k        P(X=k)     P(0 \u2264 X \u2264 k)"));
  const QString dashes = QStringLiteral("  ") + QString(8, QChar(0x2014)) + QStringLiteral("  ") +
                         QString(12, QChar(0x2014)) + QStringLiteral("  ") + QString(12, QChar(0x2014));
  EXPECT_EQ(memo[3], dashes);
  // The cumulative column of k = 1 holds P(X = 0) too: 11/1024.
  EXPECT_EQ(memo[4], QStringLiteral("      1      0,00976563    0,01074219 "));
  EXPECT_EQ(memo[13], QStringLiteral("     10      0,00097656    1,00000000 "));
  EXPECT_EQ(memo[14], dashes);
  // 1 − 0.5^10 = 0.9990234375.
  EXPECT_EQ(memo[15], QStringLiteral("  P(1 \u2264 k \u2264 10) =          0,99902344"));
}

TEST_F(Distributions, MemoLeavesOutRowsShowingZeroButCountsThem) {
  struct Case {
    std::int64_t kmin, kmax;
    int rows;
    QString interval;
  } cases[] = {
      {0, 1000, 0, QString()},   // counted below
      {60, 1000, 0, QString()},
      {5, 3, 0, QStringLiteral("0,00000000")},     // k-min above k-max: no rows, sum 0
      {0, 50000, 0, QStringLiteral("1,00000000")},  // k-max beyond n: no rows past n
  };
  const DistributionTable t = BinomialTable(1000, 0.05);
  int shown = 0;
  long double all = 0;
  for (std::size_t k = 0; k < t.p.size(); ++k) {
    all += t.p[k];
    if (t.p[k] >= 5e-9) ++shown;
  }
  EXPECT_NEAR(double(all), 1, 1e-13);
  for (const Case& c : cases) {
    const QStringList memo = DistributionMemoLines(QString(), t, c.kmin, c.kmax, QStringLiteral(") = "));
    if (!c.interval.isEmpty()) {
      EXPECT_TRUE(memo.last().endsWith(c.interval + QString(10 - c.interval.size(), u' '))) << memo.last().toStdString();
    }
    if (c.kmin == 0 && c.kmax >= 1000) {
      EXPECT_EQ(memo.size(), 6 + shown);
    }
    if (c.kmin == 5 && c.kmax == 3) {
      EXPECT_EQ(memo.size(), 6);
    }
  }
  // The hypergeometric interval caption ends with ") = ".
  const QStringList memo = DistributionMemoLines(QString(), HypergeometricTable(5, 10, 3), 0, 5, QStringLiteral(") = "));
  EXPECT_EQ(memo.last(), QStringLiteral("  P(0 \u2264 k \u2264 5) =           1,00000000"));
  EXPECT_EQ(memo.size(), 4 + 4 + 2);  // k = 4 and 5 are 0 and not shown
}

TEST_F(Distributions, BarsAreDrawnBackToFrontWithColoursByDrawingPosition) {
  const DistributionTable t = BinomialTable(4, 0.5);
  for (const int angle : {30, 120}) {
    TVIrada chart;
    chart.Layers().X(1).setRangeLow(-1);
    chart.Layers().X(1).setRangeHigh(6);
    chart.Layers().Y(1).setRangeLow(-0.01);
    chart.Layers().Y(1).setRangeHigh(0.6);
    DrawDistributionBars(chart, t, 1, 5, 10, angle, true);
    const std::vector<TrcChartItem> bars = Bars(chart);
    ASSERT_EQ(bars.size(), 4U) << angle;  // k = 5 beyond n is not drawn
    for (std::size_t i = 0; i < bars.size(); ++i) {
      // Below 90° from k-min up, from 90° on from k-max down: position 1 is k = 5.
      const std::int64_t k = angle < 90 ? std::int64_t(i) + 1 : 4 - std::int64_t(i);
      const std::int64_t position = angle < 90 ? k - 1 + 1 : 5 - k + 1;
      EXPECT_NEAR(bars[i].x, double(k) - 0.4, 1e-12);
      EXPECT_NEAR(bars[i].y2, t.p[std::size_t(k)], 1e-12);
      EXPECT_EQ(bars[i].FillColor, TColor(PaletteColor(int(position))));
    }
  }
  // No colour: white; values up to 0.00001 take no bar.
  TVIrada chart;
  DrawDistributionBars(chart, BinomialTable(100, 0.5), 0, 100, 10, 30, false);
  const auto bars = Bars(chart);
  for (const auto& b : bars) {
    EXPECT_EQ(b.FillColor, TColor(0xFFFFFF));
    EXPECT_GT(b.y2, 0.00001);
  }
  EXPECT_LT(bars.size(), 60U);
}

}  // namespace
}  // namespace zw
