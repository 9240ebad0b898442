#include "topics/linalg-stat/Stat.h"

#include <gsl/gsl_histogram.h>
#include <gsl/gsl_sort.h>
#include <gsl/gsl_statistics_double.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#include "common/TextMeasurer.h"
#include "kernel/KernelState.h"
#include "shell/State.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

class StatCompute : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u',';
    RegisterStatTexts();
  }
  void TearDown() override { kernelState().reset(); }
};

std::vector<std::u16string> L(std::initializer_list<const char16_t*> lines) {
  std::vector<std::u16string> v;
  for (const char16_t* l : lines) v.emplace_back(l);
  return v;
}

TEST_F(StatCompute, TokenizerReadsEveryWellFormedListAndSkipsEmptyTokens) {
  struct Case {
    std::vector<std::u16string> lines;
    std::vector<double> values;
  } cases[] = {
      {L({u"1 2 3"}), {1, 2, 3}},
      {L({u"1  2 3"}), {1, 2, 3}},              // two blanks: no value 0
      {L({u"1", u"", u"2"}), {1, 2}},           // an empty line adds nothing
      {L({u"1.5;2,5\\3"}), {1.5, 2.5, 3}},      // every delimiter, both separators
      {L({u"  -4 ;; 7\\\\ "}), {-4, 7}},
      {L({u"1e3 2^3"}), {1000, 8}},             // terms are read as the fields read them
  };
  for (const Case& c : cases) EXPECT_EQ(ReadStatValues(c.lines), c.values);
}

TEST_F(StatCompute, UnreadableTokenOrNoValueIsRefusedOnTheList) {
  const std::u16string longText(10000, u'9');
  const std::u16string control{u'3', char16_t(1), u'4'};
  for (auto lines : {L({u"1 abc 3"}), L({u"1e999"}), L({u"1 2", control.c_str()}), L({longText.c_str()})}) {
    try {
      ReadStatValues(lines);
      ADD_FAILURE() << "accepted " << QString::fromStdU16String(lines.back()).toStdString();
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), StatListKey);
      EXPECT_EQ(e.message(), msg::InvalidInput);
    }
  }
  for (auto lines : {L({}), L({u"", u"  ", u";;\\"})}) {
    try {
      ReadStatValues(lines);
      ADD_FAILURE() << "accepted";
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.message(), msg::TooFewData);
    }
  }
}

TEST_F(StatCompute, QuartilesWhiskersAndClassesOfTheWorkedLists) {
  struct Case {
    std::vector<double> v;
    double q1, q2, q3, lif, rif;
  } cases[] = {
      {{1, 2, 3, 4, 5}, 1.5, 3, 4.5, 1, 5},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 30}, 2.75, 5.5, 8.25, 1, 9},
      // Whiskers start at the quartiles: 100 is an outlier, the right whisker
      // is the last value inside the fence, not the mean 16.
      {{1, 2, 3, 4, 5, 6, 7, 100}, 2.25, 4.5, 6.75, 1, 7},
      // Two and three values: the (n + 1)p rule keeps Q3 above the median.
      {{1, 3}, 1, 2, 3, 1, 3},
      {{1, 2, 4}, 1, 2, 4, 1, 4},
      {{7}, 7, 7, 7, 7, 7},
  };
  for (const Case& c : cases) {
    const StatResult r = ComputeStatistics(c.v, 1);
    EXPECT_DOUBLE_EQ(r.q1, c.q1);
    EXPECT_DOUBLE_EQ(r.q2, c.q2);
    EXPECT_DOUBLE_EQ(r.q3, c.q3);
    EXPECT_DOUBLE_EQ(r.leftWhisker, c.lif);
    EXPECT_DOUBLE_EQ(r.rightWhisker, c.rif);
  }
  const StatResult r = ComputeStatistics({1, 2, 3, 4, 5}, 1);
  ASSERT_EQ(r.classes.size(), 5U);
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_DOUBLE_EQ(r.classes[k].lo, 1.0 + double(k));
    EXPECT_EQ(r.classes[k].count, 1);
  }
}

TEST_F(StatCompute, ValueOnAFenceIsAnOutlier) {
  // Q1 = 2, Q3 = 4 for 1..5 with 7 added? Build a list whose upper fence is hit exactly.
  const std::vector<double> v{2, 2, 2, 2, 4, 4, 4, 4, 7};  // Q1 = 2, Q3 = 4, IQR = 2, fence 7
  const StatResult r = ComputeStatistics(v, 1);
  ASSERT_DOUBLE_EQ(r.q3 + 1.5 * r.iqr, 7);
  EXPECT_TRUE(StatIsOutlier(r, 7));
  EXPECT_DOUBLE_EQ(r.rightWhisker, 4);
}

TEST_F(StatCompute, MeanDeviationAndMedianAgreeWithGsl) {
  std::mt19937 gen(7);
  std::normal_distribution<double> d(1e6, 0.01);  // far from 0, small spread: one-pass sums cancel
  for (int n : {2, 3, 10, 1001}) {
    std::vector<double> v(static_cast<std::size_t>(n));
    for (double& x : v) x = d(gen);
    const StatResult r = ComputeStatistics(v, 0.01);
    EXPECT_NEAR(r.mean, gsl_stats_mean(v.data(), 1, v.size()), 1e-9);
    EXPECT_NEAR(r.s, gsl_stats_sd(v.data(), 1, v.size()), 1e-9 * r.s + 1e-12);
    std::vector<double> sorted = v;
    gsl_sort(sorted.data(), 1, sorted.size());
    EXPECT_DOUBLE_EQ(r.q2, gsl_stats_median_from_sorted_data(sorted.data(), 1, sorted.size()));
  }
  EXPECT_DOUBLE_EQ(ComputeStatistics({1, 3}, 1).s, std::sqrt(2.0));  // two values have a spread
  EXPECT_DOUBLE_EQ(ComputeStatistics({5}, 1).s, 0);
}

TEST_F(StatCompute, ClassCountsAgreeWithGslAwayFromTheBounds) {
  std::mt19937 gen(3);
  std::uniform_real_distribution<double> d(-3.3, 46.7);
  std::vector<double> v(5000);
  for (double& x : v) x = d(gen);
  const double width = 1.25;
  const StatResult r = ComputeStatistics(v, width);
  const double lo = r.min;
  const std::size_t classes = r.classes.size();
  gsl_histogram* h = gsl_histogram_alloc(classes);
  gsl_histogram_set_ranges_uniform(h, lo, lo + double(classes) * width);
  for (double x : v) gsl_histogram_increment(h, x);
  int total = 0;
  for (std::size_t k = 0; k < classes; ++k) {
    EXPECT_EQ(r.classes[k].count, int(gsl_histogram_get(h, k))) << k;
    total += r.classes[k].count;
  }
  EXPECT_EQ(total, 5000);  // every value in a class, the maximum included
  gsl_histogram_free(h);
}

TEST_F(StatCompute, ValueOnARoundedBoundCountsInTheUpperClass) {
  // 0.1·3 + 0 is 0.30000000000000004 in binary; the bound 0,3 as written
  // must hold the value 0.3.
  const StatResult r = ComputeStatistics({0, 0.3, 0.5}, 0.1);
  ASSERT_EQ(r.classes.size(), 6U);
  EXPECT_EQ(r.classes[3].count, 1);
  EXPECT_EQ(r.classes[2].count, 0);
}

TEST_F(StatCompute, ValuesNearARoundedBoundGoByTheirRoundedValue) {
  // 0,2999997 rounds to the bound 0,3 and counts above it; 0,2999994 rounds
  // to 0,299999 and stays below. The same on the negative side.
  struct Case {
    std::vector<double> v;
    double width;
    std::vector<int> counts;
  };
  const Case cases[] = {
      {{0, 0.2999997, 0.2999994, 0.5}, 0.1, {1, 0, 1, 1, 0, 1}},
      {{-1, -0.7000004, -0.7000006, -0.5}, 0.1, {1, 0, 1, 1, 0, 1}},
      {{0, 0.3, 0.30000049, 0.5}, 0.1, {1, 0, 0, 2, 0, 1}},
  };
  for (const Case& c : cases) {
    const StatResult r = ComputeStatistics(c.v, c.width);
    std::vector<int> counts;
    for (const StatClass& k : r.classes) counts.push_back(k.count);
    EXPECT_EQ(counts, c.counts) << c.v[1];
  }
}

// Each value counted in the last class whose rounded lower bound its rounded
// value reaches, with the rounding done for every value and every bound.
std::vector<int> CountsByRoundingEverything(const std::vector<double>& v, double width, std::size_t classes) {
  const double min = *std::min_element(v.begin(), v.end());
  std::vector<int> counts(classes, 0);
  for (double x : v) {
    const double r = RoundSignificant6(x);
    std::size_t k = 1;
    for (std::size_t j = 2; j <= classes; ++j)
      if (RoundSignificant6(double((long double)(j - 1) * width + min)) <= r) k = j;
    ++counts[k - 1];
  }
  return counts;
}

TEST_F(StatCompute, ClassesAsIfEveryValueWereRounded) {
  // Values crowded around the bounds, at several magnitudes and signs.
  std::mt19937 gen(11);
  std::uniform_int_distribution<int> step(-40, 40);
  for (const auto& [min, width] : {std::pair{0.0, 0.1}, {-3.3, 0.7}, {1e6, 0.5}, {-2.5e-4, 1e-5}, {123.456, 1.5}}) {
    std::vector<double> v{min};
    for (int i = 0; i < 4000; ++i) {
      const double bound = double((long double)(1 + i % 40) * width + min);
      const double spread = i % 2 ? 1e-7 : 1e-6;  // inside and beyond rounding's reach
      v.push_back(bound + step(gen) * spread * std::max(std::fabs(bound), 1e-300));
    }
    v.erase(std::remove_if(v.begin(), v.end(), [&](double x) { return x < min; }), v.end());
    const StatResult r = ComputeStatistics(v, width);
    std::vector<int> counts;
    for (const StatClass& k : r.classes) counts.push_back(k.count);
    EXPECT_EQ(counts, CountsByRoundingEverything(v, width, r.classes.size())) << min << " " << width;
  }
}

TEST_F(StatCompute, BadClassWidthIsRefusedOnItsField) {
  for (double w : {0.0, -1.0, 0.001}) {  // 0.001 over 0..1 makes more than 500 classes
    try {
      ComputeStatistics({0, 1}, w);
      ADD_FAILURE() << w;
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), StatWidthKey);
    }
  }
  EXPECT_NO_THROW(ComputeStatistics({0, 1}, 0.002));
}

TEST_F(StatCompute, MemoLines) {
  const auto lines = L({u"1 2.5", u"", u"3;4 5"});
  const StatResult r = ComputeStatistics(ReadStatValues(lines), 1);
  const QStringList memo = StatMemoLines(lines, r, FixedWidthMeasurer());
  const QStringList expected = {
      QStringLiteral("Daten:"),
      QStringLiteral("1 2,5"),
      QStringLiteral("3;4 5"),
      QString(),
  };
  for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(memo[i], expected[i]) << i;
  // "Standardabweichung" (18) covered by 19 blanks, one more and five more: a label column of 25.
  EXPECT_EQ(memo[4], QStringLiteral("Anzahl der Daten        n = 5"));
  EXPECT_EQ(memo[7], QStringLiteral("Mittelwert             x\u0305 = 3,1"));
  EXPECT_EQ(memo[8], QStringLiteral("Zentralwert             c = 3"));
  EXPECT_EQ(memo[11], QStringLiteral(" "));
  EXPECT_EQ(memo[13], QString(10, QChar(0x2014)) + QStringLiteral("   ") + QString(4, QChar(0x2014)) +
                          QStringLiteral("   ") + QString(6, QChar(0x2014)));
  EXPECT_EQ(memo[14], QStringLiteral("  1 \u2264 x < 2      1     0,2   "));
  EXPECT_EQ(memo.size(), 14 + 5 + 4);
  EXPECT_EQ(memo[memo.size() - 2], QStringLiteral("Q\u2081=1,75;   Q\u2082=3;   Q\u2083=4,5;   IQR=2,75"));
  EXPECT_EQ(memo.back(), QStringLiteral("Left whisker=1;   Right whisker=5"));
}

}  // namespace
}  // namespace zw
