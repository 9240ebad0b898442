// The normal distribution and the error function in extended reals.
#include "kernel/NormalDistribution.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/CalcFailure.h"

using namespace zw;

TEST(ErfApprox, OddAndCloseToErf) {
  for (long double x : {-5.0L, -3.0L, -2.0L, -1.6L, -1.0L, -0.3L, 0.3L, 1.0L, 1.49L, 1.51L, 2.0L, 3.9L, 4.5L}) {
    long double e = 0;
    int ok = 0;
    ErfApprox(e, ok, x);
    EXPECT_EQ(ok, 1);
    // The short series near 1.5 is the least accurate part.
    EXPECT_NEAR(e, std::erf(x), std::fabs(x) <= 1.5L ? 2e-6 : 2e-9) << x;
  }
  for (long double x : {-3.0L, -1.7L, 1.7L, 3.0L}) EXPECT_NEAR(ErfSeries(x), std::erf(x), 1e-9) << x;
  long double e = 7;
  int ok = 1;
  ErfApprox(e, ok, 0);
  EXPECT_EQ(ok, 0);
  EXPECT_EQ(e, 7);
  ErfApprox(e, ok, 5);
  EXPECT_EQ(e, 1);
}

TEST(NormalDistribution, ValuesAndTinyDistance) {
  struct Case {
    long double x, mu, sigma, P;
  };
  const Case cases[] = {
      {3, 3, 2, 0.5},           {3 + 1.96L * 2, 3, 2, 0.975}, {3 - 1.96L * 2, 3, 2, 0.025},
      {-10, 0, 1, 0},           {1e-21L, 0, 1, 0.5},          {-1e-21L, 0, 1, 0.5},
      {1, 0, 1, 0.841344746},
  };
  for (const Case& c : cases) {
    long double P = -1;
    int ok = 0;
    NormalDistribution(P, ok, c.x, c.mu, c.sigma);
    EXPECT_EQ(ok, 1) << c.x;
    EXPECT_NEAR(P, c.P, 5e-5) << c.x;
  }
  long double P = 0;
  int ok = 0;
  EXPECT_THROW(NormalDistribution(P, ok, 1, 0, 0), CalcFailure);
  EXPECT_THROW(NormalDensity(1, 0, 0), CalcFailure);
  EXPECT_NEAR(NormalDensity(0, 0, 1), 0.3989422804, 1e-10);
}
