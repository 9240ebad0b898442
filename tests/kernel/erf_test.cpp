#include <gtest/gtest.h>

#include <boost/math/special_functions/erf.hpp>
#include <cmath>

#include "kernel/Erf.h"

namespace zw {
namespace {

TEST(Erf, MatchesTheReferenceWithinTheApproximationsError) {
  // The approximation's fractional error in erfc is below 1.2e-7.
  for (double x = -6; x <= 6; x += 0.01) {
    const double ref = boost::math::erf(x);
    const double refc = boost::math::erfc(std::fabs(x));
    EXPECT_NEAR(Erf(x), ref, 1.2e-7 * refc + 4e-16) << x;
  }
}

TEST(Erf, IsOddAndBoundedEverywhere) {
  for (double x : {1e-9, 0.3, 1.0, 1.5, 2.0, 3.7, 5.0, 30.0, 1e300}) EXPECT_EQ(Erf(-x), -Erf(x)) << x;
  EXPECT_NEAR(Erf(0), 0, 2e-7);
  EXPECT_NEAR(Erf(3), 0.99998, 5e-6);
  EXPECT_EQ(Erf(INFINITY), 1);
  EXPECT_EQ(Erf(-INFINITY), -1);
  EXPECT_EQ(Erf(40), 1);
}

}  // namespace
}  // namespace zw
