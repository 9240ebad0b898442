// Powers of negative bases, rounding to fractions, sign and swap.
#include "kernel/RealHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/CalcFailure.h"

using namespace zw;

TEST(SignedPower, SignOfOddRoots) {
  struct Case {
    long double base, exponent, result;
  };
  const Case cases[] = {
      {-8, 1.0L / 3, -2}, {-8, 2.0L / 3, 4},   {-2, 2, 4},       {-2, 3, -8},
      {-32, 0.4L, 4},     {-32, 0.2L, -2},     {-27, -1.0L / 3, -1.0L / 3},
      {-4, 0.5, -2},      {0, 0, 1},           {0, 2, 0},        {2, 10, 1024},
      {-1, 1e20L, 1},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(SignedPower(c.base, c.exponent), c.result, 1e-15L * std::fabs(c.result) + 1e-18L)
        << c.base << "^" << c.exponent;
  EXPECT_THROW(SignedPower(10, 1e6L), CalcFailure);
}

TEST(RealHelpers, RoundSignAndSwap) {
  EXPECT_EQ(RoundToNth(4, 1.3L), 1.25L);
  EXPECT_EQ(RoundToNth(2, 1.25L), 1.0L);  // halves to even
  EXPECT_EQ(RoundToNth(5, 0.1L), 0);
  EXPECT_EQ(SignReal(-3), -1);
  EXPECT_EQ(SignReal(0), 0);
  EXPECT_THROW(RoundToNth(0, 1), CalcFailure);
  long double a = 1, b = 2;
  SwapExtended(a, b);
  EXPECT_EQ(a, 2);
}
