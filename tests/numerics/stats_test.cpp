#include <gtest/gtest.h>

#include <boost/crc.hpp>
#include <boost/math/statistics/univariate_statistics.hpp>
#include <cmath>
#include <random>
#include <vector>

#include "numerics/IntMatrix.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"

namespace zw {
namespace {

std::unique_ptr<TVector> Vec(const std::vector<double>& values) {
  auto v = std::make_unique<TVector>();
  v->Resize(static_cast<std::int32_t>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i) v->SetElem(static_cast<std::int32_t>(i + 1), values[i]);
  return v;
}

TEST(VectorStatistics, MinMaxSumMeanVar) {
  auto v = Vec({4, -2, 9, 1});
  double mn, mx;
  v->MinMax(0, 99, mn, mx);
  EXPECT_EQ(mn, -2);
  EXPECT_EQ(mx, 9);
  v->MinMax(4, 3, mn, mx);
  EXPECT_EQ(mn, 1);
  EXPECT_EQ(mx, 9);
  // Values beyond the old start values are still found.
  auto big = Vec({HUGE_VAL, 1.0});
  big->MinMax(1, 2, mn, mx);
  EXPECT_EQ(mx, HUGE_VAL);
  EXPECT_EQ(v->Sum(1, 4), 12);

  // (values, mean, variance): one value keeps the variance 1.
  const std::vector<std::tuple<std::vector<double>, double, double>> cases = {
      {{2, 4}, 3, 2}, {{2, 4, 6}, 4, 4}, {{7}, 7, 1}};
  for (const auto& [values, mean, variance] : cases) {
    double m = -1, var = -1;
    Vec(values)->MeanVar(1, 99, m, var);
    EXPECT_DOUBLE_EQ(m, mean);
    EXPECT_DOUBLE_EQ(var, variance);
  }
}

TEST(VectorStatistics, GeometricAndHarmonicMeans) {
  EXPECT_EQ(Vec({1, 0, 4})->GeometricMean(1, 3), 0);
  EXPECT_DOUBLE_EQ(Vec({1, 4})->GeometricMean(1, 2), 2);
  EXPECT_DOUBLE_EQ(Vec({1, 4})->HarmonicMean(1, 2), 1.6);
  auto neg = Vec({1, 0, -4});
  neg->Name = "Sample";
  try {
    neg->GeometricMean(1, 3);
    FAIL();
  } catch (const EZwVectorError& e) {
    EXPECT_STREQ(e.what(), "Component \"Sample\": negative argument passed to GeometricMean");
  }
  try {
    Vec({1, 0})->HarmonicMean(1, 2);
    FAIL();
  } catch (const EZwVectorError& e) {
    EXPECT_STREQ(e.what(), "Component \"\": negative or zero argument passed to HarmonicMean");
  }
  TMatrix m;
  m.Name = "M";
  m.Resize(1, 2);
  m.SetElem(1, 1, -1);
  try {
    m.HarmonicMean(1, 1, 1, 2);
    FAIL();
  } catch (const EZwMatrixError& e) {
    EXPECT_STREQ(e.what(), "Component \"M\": negative or zero argument passed to HarmonicMean");
  }
}

TEST(VectorStatistics, MomentsAgainstBoost) {
  std::mt19937 rng(7);
  std::gamma_distribution<double> gamma(2.0, 1.5);
  std::vector<double> x(500);
  for (double& v : x) v = gamma(rng);
  auto v = Vec(x);
  double mean, var, skew, kurt, sskew, skurt;
  v->MeanVar(1, 500, mean, var);
  v->SkewKurt(1, 500, skew, kurt);
  v->SkewKurtSample(1, 500, sskew, skurt);
  const double n = 500;
  const double popVar = boost::math::statistics::variance(x);
  EXPECT_NEAR(mean, boost::math::statistics::mean(x), 1e-12);
  EXPECT_NEAR(var, boost::math::statistics::sample_variance(x), 1e-10);
  // Our moments divide by the sample standard deviation: convert.
  const double ratio = popVar / var;
  EXPECT_NEAR(skew, boost::math::statistics::skewness(x) * std::pow(ratio, 1.5), 1e-10);
  EXPECT_NEAR(kurt + 3, boost::math::statistics::kurtosis(x) * ratio * ratio, 1e-10);
  // The sample forms: G2 = ((n+1) g2 + 6)(n-1)/((n-2)(n-3)) with g2 the
  // population excess kurtosis, G1 = g1 sqrt(n(n-1))/(n-2).
  const double g1 = boost::math::statistics::skewness(x);
  const double g2 = boost::math::statistics::excess_kurtosis(x);
  EXPECT_NEAR(skurt, ((n + 1) * g2 + 6) * (n - 1) / ((n - 2) * (n - 3)), 1e-9);
  EXPECT_NEAR(sskew, g1 * std::sqrt(n * (n - 1)) / (n - 2), 1e-12);

  // Below four values the vector gives 0; a 1 x 3 matrix does not.
  double s = 1, k = 1;
  Vec({1, 2, 4})->SkewKurt(1, 3, s, k);
  EXPECT_EQ(s, 0);
  EXPECT_EQ(k, 0);
  TMatrix m;
  m.Resize(1, 3);
  m.SetElem(1, 1, 1);
  m.SetElem(1, 2, 2);
  m.SetElem(1, 3, 4);
  m.SkewKurt(1, 1, 1, 3, s, k);
  EXPECT_NE(s, 0);
  EXPECT_NE(k, 0);
  m.SkewKurt(1, 1, 1, 1, s, k);  // one value: the raw sums
  EXPECT_EQ(s, 0);
  EXPECT_EQ(k, 0);
}

TEST(VectorStatistics, ModeQuartilesPercentile) {
  EXPECT_EQ(Vec({3, 1, 3, 1, 2})->Mode(1, 5), 1);
  EXPECT_EQ(Vec({5, 4, 3})->Mode(1, 3), 3);
  EXPECT_EQ(Vec({5, 4, 4, 4, 5, 5, 5})->Mode(1, 7), 5);

  const std::vector<std::tuple<std::vector<double>, double, double, double>> quartiles = {
      {{1, 2, 3, 4}, 1.25, 2.5, 3.75},
      {{7}, 7, 7, 7},
      {{1, 2}, 1, 1.5, 2},
      {{1, 2, 3}, 1, 2, 3},  // k >= n takes the last value
      {{4, 3, 2, 1, 5}, 1.5, 3, 4.5},
  };
  for (const auto& [values, q1, q2, q3] : quartiles) {
    double a = -1, b = -1, c = -1;
    EXPECT_TRUE(Vec(values)->Quartiles(1, 99, a, b, c));
    EXPECT_DOUBLE_EQ(a, q1);
    EXPECT_DOUBLE_EQ(b, q2);
    EXPECT_DOUBLE_EQ(c, q3);
  }
  const auto v = Vec({4, 1, 3, 2});
  const std::vector<std::pair<double, double>> percentiles = {{50, 2.5}, {-10, 1}, {100, 4}, {150, 4}, {0, 1}, {20, 1}};
  for (auto [prob, expected] : percentiles) EXPECT_DOUBLE_EQ(v->Percentile(prob, 1, 4), expected) << prob;

  TIntVector iv;
  iv.Resize(4);
  const std::int32_t big[] = {-2147483647, 2147483647, -2147483647, 2147483647};
  for (int i = 0; i < 4; ++i) iv.SetElem(i + 1, big[i]);
  double a, b, c;
  iv.Quartiles(1, 4, a, b, c);
  EXPECT_DOUBLE_EQ(b, 0);  // the neighbours' difference does not wrap
  EXPECT_EQ(iv.Mode(1, 4), -2147483647);
}

TEST(VectorStatistics, HistogramClassesAndLimits) {
  auto v = Vec({-1, 0, 9.5, 11, 10.5, 3});
  TIntVector h;
  std::int32_t under = -1, over = -1, maxCnt = -1;
  ASSERT_TRUE(v->Histogram(1, 6, 0, 10, 1, h, under, over, maxCnt));
  EXPECT_EQ(h.NrOfElem(), 10);
  EXPECT_EQ(under, 1);
  EXPECT_EQ(over, 1);
  EXPECT_EQ(h.Elem(1), 1);
  EXPECT_EQ(h.Elem(4), 1);
  // 9.5 in class 10, and 10.5 (beyond the classes, below 10 + 1) too.
  EXPECT_EQ(h.Elem(10), 2);
  EXPECT_EQ(maxCnt, 2);

  // Refused: nothing touched.
  for (double width : {0.01, 0.0, -1.0, 1e-320}) {
    std::int32_t u = 77;
    EXPECT_FALSE(v->Histogram(1, 6, 0, 10, width, h, u, over, maxCnt)) << width;
    EXPECT_EQ(u, 77);
    EXPECT_EQ(h.NrOfElem(), 10);
  }
  // Element numbers are used as given: outside ones read 0.
  ASSERT_TRUE(v->Histogram(7, 8, 0, 4, 1, h, under, over, maxCnt));
  EXPECT_EQ(h.NrOfElem(), 4);
  EXPECT_EQ(h.Elem(1), 2);
  ASSERT_TRUE(v->Histogram(3, 1, 0, 4, 1, h, under, over, maxCnt));
  EXPECT_EQ(maxCnt, 0);

  // Matrix: columns outer, rows inner, rectangle unclamped.
  TMatrix m;
  m.Resize(2, 2);
  m.SetElem(1, 1, 0.5);
  m.SetElem(2, 2, 2.5);
  ASSERT_TRUE(m.Histogram(1, 1, 3, 2, 0, 3, 1, h, under, over, maxCnt));
  EXPECT_EQ(h.Elem(1), 5);  // 0.5 plus four zeros (two read outside)
  EXPECT_EQ(h.Elem(3), 1);
}

TEST(MatrixStatistics, RectanglesOfAllThreeKinds) {
  TMatrix m;
  double mn, mx;
  m.Resize(0, 0);
  m.MinMax(1, 1, 1, 1, mn, mx);
  EXPECT_EQ(mn, 1.7e38);
  EXPECT_EQ(mx, -1.7e38);
  double q1, q2, q3;
  EXPECT_FALSE(m.Quartiles(1, 1, 1, 1, q1, q2, q3));
  m.Resize(3, 2);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) m.SetElem(c, r, c * 10 + r);
  m.SetElem(3, 2, 5e38);
  m.MinMax(0, 0, 9, 9, mn, mx);
  EXPECT_EQ(mn, 11);
  EXPECT_EQ(mx, 5e38);
  EXPECT_EQ(m.Sum(2, 1, 1, 2), 11 + 12 + 21 + 22);
  double mean = 0, var = 0;
  m.MeanVar(1, 1, 2, 2, mean, var);
  EXPECT_DOUBLE_EQ(mean, 16.5);
  EXPECT_TRUE(m.Quartiles(1, 1, 2, 2, q1, q2, q3));  // column by column: 11 12 21 22
  EXPECT_DOUBLE_EQ(q2, 16.5);
  EXPECT_DOUBLE_EQ(m.Percentile(50, 1, 1, 2, 2), 16.5);
  EXPECT_DOUBLE_EQ(m.GeometricMean(1, 1, 1, 2), std::sqrt(11.0 * 12));

  TIntMatrix dense;
  dense.Resize(2, 2);
  dense.SetElem(1, 1, 2147483647);
  dense.SetElem(2, 2, 2147483647);
  std::int32_t imn, imx;
  dense.MinMax(1, 1, 2, 2, imn, imx);
  EXPECT_EQ(imn, 0);
  EXPECT_EQ(imx, 2147483647);
  EXPECT_EQ(dense.Sum(1, 1, 2, 2), 4294967294LL);

  // Sparse: the stored elements in the ordered, unclamped rectangle.
  TIntMatrix sparse(TIntMatrix::Sparse{4});
  sparse.SetElem(2, 5, 7);
  sparse.SetElem(1, 9, -3);
  sparse.MinMax(3, 9, 1, 1, imn, imx);
  EXPECT_EQ(imn, -3);
  EXPECT_EQ(imx, 7);
  sparse.MinMax(5, 5, 6, 6, imn, imx);
  EXPECT_EQ(imn, 2147483647);
  EXPECT_EQ(imx, -2147483647);
  EXPECT_EQ(sparse.Sum(1, 1, 2, 9), 4);
  sparse.MeanVar(1, 1, 2, 9, mean, var);  // 18 cells, unstored ones 0
  EXPECT_DOUBLE_EQ(mean, 4.0 / 18);
  // Dense-only statistics give their empty results.
  EXPECT_FALSE(sparse.Quartiles(1, 1, 2, 9, q1, q2, q3));
  EXPECT_EQ(q1, 0);
  EXPECT_EQ(sparse.Percentile(50, 1, 1, 2, 9), 0);
  EXPECT_EQ(sparse.GeometricMean(1, 1, 2, 9), 0);
}

TEST(Checksums, EachLaneIsTheStandardCrc32) {
  TVector v;
  v.Resize(5);
  const double values[] = {1.5, -2.25, 1e300, 0, 3.14159};
  for (int i = 0; i < 5; ++i) v.SetElem(i + 1, values[i]);
  std::string expected;
  for (int lane = 0; lane < 8; ++lane) {
    boost::crc_32_type crc;
    for (double d : values) crc.process_byte(reinterpret_cast<const unsigned char*>(&d)[lane]);
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", crc.checksum());
    expected += hex;
  }
  EXPECT_EQ(v.CRCofData(), expected);

  // Matrices take the cells column by column.
  TMatrix m;
  m.Resize(2, 2);
  m.SetElem(1, 1, 1.5);
  m.SetElem(1, 2, -2.25);
  m.SetElem(2, 1, 1e300);
  TVector same;
  same.Resize(4);
  same.SetElem(1, 1.5);
  same.SetElem(2, -2.25);
  same.SetElem(3, 1e300);
  EXPECT_EQ(m.CRCofData(), same.CRCofData());
  TIntMatrix im;
  EXPECT_EQ(im.CRCofData(), "D202EF8DD202EF8DD202EF8DD202EF8D");
}

}  // namespace
}  // namespace zw
