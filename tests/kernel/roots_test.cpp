#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "kernel/Roots.h"

namespace zw {
namespace {

std::vector<Extended> rootsOf(const QuarticCoeffs& c) {
  TArrayExt r;
  r.fill(-999);
  int count = -1;
  RealRootsDeg4(r, count, c);
  // Entries beyond count are left alone.
  for (int i = count + 1; i <= 12; ++i) EXPECT_EQ(r[i], -999) << i;
  return std::vector<Extended>(r.begin() + 1, r.begin() + 1 + count);
}

// The product of two polynomials (index = power).
std::vector<Extended> times(const std::vector<Extended>& p, const std::vector<Extended>& f) {
  std::vector<Extended> q(p.size() + f.size() - 1, 0);
  for (size_t i = 0; i < p.size(); ++i)
    for (size_t j = 0; j < f.size(); ++j) q[i + j] += p[i] * f[j];
  return q;
}

// c[i] belongs to x^i.
struct Case {
  const char* what;
  QuarticCoeffs c;
  std::vector<Extended> roots;
};

TEST(Roots, ClosedFormsPolishedSortedAndDistinct) {
  const Case cases[] = {
      {"zero polynomial", {0, 0, 0, 0, 0}, {}},
      {"non-zero constant", {5, 0, 0, 0, 0}, {}},
      {"x^4", {0, 0, 0, 0, 1}, {0}},
      {"linear", {3, 2, 0, 0, 0}, {-1.5L}},
      {"x^2 - 2x + 1", {1, -2, 1, 0, 0}, {1}},
      {"x^2 + 1", {1, 0, 1, 0, 0}, {}},
      {"x^2 - 1", {-1, 0, 1, 0, 0}, {-1, 1}},
      {"x^3 - 6x^2 + 11x - 6", {-6, 11, -6, 1, 0}, {1, 2, 3}},
      {"x^3 - 1", {-1, 0, 0, 1, 0}, {1}},
      {"x^3 - 3x + 2", {2, -3, 0, 1, 0}, {-2, 1}},
      {"x^4 - 5x^2 + 4", {4, 0, -5, 0, 1}, {-2, -1, 1, 2}},
      {"x^4 + 1", {1, 0, 0, 0, 1}, {}},
      {"Ferrari 1..4", {24, -50, 35, -10, 1}, {1, 2, 3, 4}},
      {"x^3 - x", {0, -1, 0, 1, 0}, {-1, 0, 1}},
      {"(x-1)^2 (x+2)^2 (double roots in Ferrari)", {4, -4, -3, 2, 1}, {-2, 1}},
      {"2x^4 - 8 (leading coefficient not 1)", {-8, 0, 0, 0, 2}, {-1.41421356L, 1.41421356L}},
      // Rounding makes these discriminants slightly negative or positive;
      // the double roots 0.7 and 0.1 must not be lost.
      {"x^2 - 1.4x + 0.49", {0.49L, -1.4L, 1, 0, 0}, {0.7L}},
      {"(x-0.1)^2 (x+0.2)", {0.002L, -0.03L, 0, 1, 0}, {-0.2L, 0.1L}},
      // Large coefficients: an absolute test on the rounded root dropped it.
      {"1000000x^2 - 2000001", {-2000001, 0, 1000000, 0, 0}, {-1.41421392L, 1.41421392L}},
  };
  for (const Case& c : cases) {
    const std::vector<Extended> got = rootsOf(c.c);
    EXPECT_EQ(got.size(), c.roots.size()) << c.what;
    if (got.size() != c.roots.size()) continue;
    for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.roots[i], 1e-8L) << c.what;
  }
}

TEST(Roots, ResultsAreRoundedToEightDecimals) {
  // Exactly 1, 2, 3, 4 after the Newton step and the rounding.
  EXPECT_EQ(rootsOf({24, -50, 35, -10, 1}), (std::vector<Extended>{1, 2, 3, 4}));
  const std::vector<Extended> r = rootsOf({-2, 0, 1, 0, 0});
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[1], 1.41421356L);
}

TEST(Roots, SortUniqueMergesAtFiveDecimalsKeepingTheHigher) {
  TArrayExt r{};
  r[1] = 3;
  r[2] = 1.000001L;
  r[3] = 1.000002L;
  r[4] = -2;
  int count = 4;
  SortUniqueRoots(r, count);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(r[1], -2);
  EXPECT_EQ(r[2], 1.000002L);
  EXPECT_EQ(r[3], 3);
}

TEST(Roots, DropFalseRootsUsesARelativeTest) {
  TArrayExt r{};
  r[1] = 1.41421356237309504880L;  // root of x² − 2
  r[2] = 1.5L;                      // not a root
  int count = 2;
  DropFalseRoots(r, count, {-2, 0, 1, 0, 0});
  ASSERT_EQ(count, 1);
  EXPECT_EQ(r[1], 1.41421356237309504880L);
}

// Multiple roots with decimal digits: the coefficients are inexact, the
// reduced equations of the closed forms vanish only up to rounding noise of
// either sign, and Newton's method meets a value and a derivative that are
// both noise. None of that may lose the root or move it in the 8 decimals.
TEST(Roots, MultipleDecimalRootsAreKept) {
  struct MultiCase {
    const char* what;
    std::vector<double> roots;  // with multiplicity; a complex pair i, −i when empty slots
    bool complexPair;
    std::vector<Extended> expected;
  } cases[] = {
      {"(x - 0.1)^4", {0.1, 0.1, 0.1, 0.1}, false, {0.1L}},
      {"(x - 0.7)^4", {0.7, 0.7, 0.7, 0.7}, false, {0.7L}},
      {"(x - 0.3)^3", {0.3, 0.3, 0.3}, false, {0.3L}},
      {"(x - 0.1)^3 (x + 1)", {0.1, 0.1, 0.1, -1}, false, {-1, 0.1L}},
      {"(x - 0.2)^2 (x + 0.5)^2", {0.2, 0.2, -0.5, -0.5}, false, {-0.5L, 0.2L}},
      {"(x - 1.1)^2 (x^2 + 1)", {1.1, 1.1}, true, {1.1L}},
      // Large roots: each double root is only determined to about 1e-5 and
      // was found twice, or (before) not at all.
      {"(x - 282.7)^2 (x - 290.5)^2", {282.7, 282.7, 290.5, 290.5}, false, {282.7L, 290.5L}},
      {"(x + 273)^2 (x + 270.7)^2", {-273, -273, -270.7, -270.7}, false, {-273, -270.7L}},
  };
  for (const MultiCase& c : cases) {
    std::vector<Extended> p{1};  // p[i] belongs to x^i
    for (double r : c.roots) p = times(p, {-static_cast<Extended>(r), 1});
    if (c.complexPair) p = times(p, {1, 0, 1});
    QuarticCoeffs q{};
    for (size_t i = 0; i < p.size(); ++i) q[i] = p[i];
    EXPECT_EQ(rootsOf(q), c.expected) << c.what;
  }
}

// (x² − 0.2x + 3.25)(x² − 0.2x − 3.6) is biquadratic after the shift by 0.1;
// from inexact coefficients Ferrari's resolvent gives 2y + P = −1e-19, and
// the two simple roots were lost.
TEST(Roots, NearlyBiquadraticQuarticKeepsItsRoots) {
  const Extended q1[] = {3.25L, -0.2L, 1}, q2[] = {-3.6L, -0.2L, 1};
  QuarticCoeffs c{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) c[i + j] += q1[i] * q2[j];
  EXPECT_EQ(rootsOf(c), (std::vector<Extended>{-1.8L, 2}));
}

TEST(Roots, QuarticValueRounded) {
  // x² − 2 at 1.41421356: −3.6e-9 rounds to 0; at 1.5 it is 0.25.
  EXPECT_EQ(QuarticValueRounded({-2, 0, 1, 0, 0}, 1.41421356L), 0);
  EXPECT_EQ(QuarticValueRounded({-2, 0, 1, 0, 0}, 1.5L), 0.25L);
  EXPECT_EQ(QuarticValueRounded({0, 0, 0, 0, 1}, 2), 16);  // x⁴
  EXPECT_EQ(QuarticValueRounded({1, 1, 1, 1, 1}, -1), 1);
}

// Polynomials built from known, well separated real roots (and a complex
// pair) must give back exactly those real roots.
TEST(Roots, RandomPolynomialsFromKnownRoots) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> pick(-40, 40);
  std::uniform_int_distribution<int> degree(1, 4);
  for (int trial = 0; trial < 500; ++trial) {
    const int d = degree(rng);
    std::vector<Extended> real;
    while (static_cast<int>(real.size()) < d) {
      const Extended x = pick(rng) / 8.0L;
      if (std::none_of(real.begin(), real.end(), [&](Extended y) { return std::fabs(x - y) < 0.1L; }))
        real.push_back(x);
    }
    const bool complexPair = d <= 2 && trial % 2 == 0;
    std::vector<Extended> p{1};  // p[i] belongs to x^i
    auto mulLinear = [&](Extended r) {
      std::vector<Extended> q(p.size() + 1, 0);
      for (size_t i = 0; i < p.size(); ++i) {
        q[i + 1] += p[i];
        q[i] -= r * p[i];
      }
      p = q;
    };
    for (Extended r : real) mulLinear(r);
    if (complexPair) {  // times x² + 1
      std::vector<Extended> q(p.size() + 2, 0);
      for (size_t i = 0; i < p.size(); ++i) {
        q[i] += p[i];
        q[i + 2] += p[i];
      }
      p = q;
    }
    QuarticCoeffs c{};
    const Extended scale = 1 + trial % 7;
    for (size_t i = 0; i < p.size(); ++i) c[i] = scale * p[i];
    std::sort(real.begin(), real.end());
    const std::vector<Extended> got = rootsOf(c);
    ASSERT_EQ(got.size(), real.size()) << "trial " << trial;
    for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], real[i], 1e-7L) << "trial " << trial;
  }
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// Random roots with one decimal, each of multiplicity 1 to 4, total degree
// up to four, with a complex pair filling up now and then: every distinct
// real root comes back once, within the uncertainty a multiple root has when
// its coefficients are inexact.
TEST(Roots, RandomMultipleRoots) {
  std::mt19937 rng(77);
  std::uniform_int_distribution<int> pick(-300, 300), mult(1, 4), imag(1, 20);
  for (int trial = 0; trial < 3000; ++trial) {
    std::vector<Extended> distinct, all;
    const bool withPair = trial % 4 == 0;
    const size_t realDegree = withPair ? 2 : 4;
    while (all.size() < realDegree) {
      const Extended r = pick(rng) / 10.0L;
      if (std::find(distinct.begin(), distinct.end(), r) != distinct.end()) continue;
      const size_t m = std::min<size_t>(mult(rng), realDegree - all.size());
      distinct.push_back(r);
      all.insert(all.end(), m, r);
      if (rng() % 3 == 0) break;
    }
    std::vector<Extended> p{1};  // p[i] belongs to x^i
    for (Extended r : all) p = times(p, {-r, 1});
    if (withPair) {  // (x − a)² + b²
      const Extended a = pick(rng) / 10.0L, b = imag(rng) / 10.0L;
      p = times(p, {a * a + b * b, -2 * a, 1});
    }
    QuarticCoeffs c{};
    for (size_t i = 0; i < p.size(); ++i) c[i] = p[i] * (1 + trial % 5);
    std::sort(distinct.begin(), distinct.end());
    const std::vector<Extended> got = rootsOf(c);
    ASSERT_EQ(got.size(), distinct.size()) << "trial " << trial;
    for (size_t i = 0; i < got.size(); ++i)
      EXPECT_NEAR(got[i], distinct[i], 1e-4L * std::max<Extended>(1, std::fabs(distinct[i])))
          << "trial " << trial;
  }
}

}  // namespace
}  // namespace zw
