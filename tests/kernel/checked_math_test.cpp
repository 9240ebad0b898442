#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "kernel/CalcFailure.h"
#include "kernel/CheckedMath.h"

namespace zw {
namespace {

constexpr Extended Nan = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended Inf = std::numeric_limits<Extended>::infinity();

// The message the helper threw, or 0 when it returned.
template <class F>
int MessageOf(F f) {
  try {
    f();
  } catch (const CalcFailure& e) {
    return e.message();
  }
  return 0;
}

TEST(CheckedMath, FailWithTheCallersMessageWhereThereIsNoValue) {
  struct Case { const char* what; int message; int thrown; } cases[] = {
      {"1 / 0", 5, MessageOf([] { CheckedDiv(1, 0, 5); })},
      {"0 / 0", 6, MessageOf([] { CheckedDiv(0, 0, 6); })},
      {"overflowing quotient", 44, MessageOf([] { CheckedDiv(1e4000L, 1e-4000L, 44); })},
      {"NaN / 1", 5, MessageOf([] { CheckedDiv(Nan, 1, 5); })},
      {"sqrt(-1e-30)", 5, MessageOf([] { CheckedSqrt(-1e-30L, 5); })},
      {"sqrt(NaN)", 5, MessageOf([] { CheckedSqrt(Nan, 5); })},
      {"sqrt(inf)", 5, MessageOf([] { CheckedSqrt(Inf, 5); })},
      {"asin(1.0001)", 5, MessageOf([] { CheckedArcSin(1.0001L, 5); })},
      {"asin(-1.0001)", 5, MessageOf([] { CheckedArcSin(-1.0001L, 5); })},
      {"asin(NaN)", 5, MessageOf([] { CheckedArcSin(Nan, 5); })},
      {"log10(0)", 7, MessageOf([] { CheckedLog10(0, 7); })},
      {"log10(-1e-4000)", 7, MessageOf([] { CheckedLog10(-1e-4000L, 7); })},
      {"log10(NaN)", 7, MessageOf([] { CheckedLog10(Nan, 7); })},
      {"log10(inf)", 7, MessageOf([] { CheckedLog10(Inf, 7); })},
  };
  for (const Case& c : cases) EXPECT_EQ(c.thrown, c.message) << c.what;
}

TEST(CheckedMath, GiveTheValueWhereThereIsOne) {
  constexpr Extended Pi = std::numbers::pi_v<long double>;
  EXPECT_EQ(CheckedDiv(1, 4, 5), 0.25L);
  EXPECT_EQ(CheckedDiv(0, -3, 5), 0);
  EXPECT_EQ(CheckedSqrt(0, 5), 0);
  EXPECT_EQ(CheckedSqrt(6.25L, 5), 2.5L);
  EXPECT_EQ(CheckedArcSin(1, 5), Pi / 2);
  EXPECT_EQ(CheckedArcSin(-1, 5), -Pi / 2);
  // A rounding just past 1 is still the end of the range, not a failure.
  EXPECT_EQ(CheckedArcSin(1 + 1e-18L, 5), Pi / 2);
  EXPECT_NEAR(static_cast<double>(CheckedArcSin(0.5L, 5)), static_cast<double>(Pi / 6), 1e-15);
  EXPECT_EQ(CheckedLog10(1000, 5), 3);
  EXPECT_EQ(CheckedLog10(1e-4000L, 5), -4000);
}

}  // namespace
}  // namespace zw
