#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <random>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"

namespace zw {
namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

class BasicMath : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }
};

TEST_F(BasicMath, GcdAndLcmOfReals) {
  struct Case { Extended a, b, gcd; } cases[] = {
      {12, 18, 6}, {0, 5, 5}, {0, 0.4L, 1}, {2.6L, 6, 3}, {0, 0, 1}, {-12, 18, 6},
      {1, 1, 1}, {7, 0, 7}, {1e10L, 2.5e10L, 5e9L}, {3333333333, 1e10L, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(GcdReal(c.a, c.b), c.gcd) << c.a << ", " << c.b;
  EXPECT_EQ(LcmReal(4, 6), 12);
  // Beyond the exact integer range Euclid still ends with a positive divisor.
  EXPECT_GE(GcdReal(1.234567e25L, 7.654321e24L), 1);
  EXPECT_EQ(GcdReal(INFINITY, 5), 1);
}

TEST_F(BasicMath, GcdOfIntegers) {
  struct Case { std::int32_t a, b, gcd; } cases[] = {
      {0, 7, 1}, {7, 0, 1}, {-12, 18, 6}, {12, -18, 6}, {17, 5, 1}, {INT32_MIN, 6, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(GcdInt(c.a, c.b), c.gcd) << c.a << ", " << c.b;
}

TEST_F(BasicMath, FloatModKeepsItsRulesForSmallAndNegativeValues) {
  struct Case { Extended x, m, r; } cases[] = {
      {7, 3, 1}, {2, 3, 2}, {3, 3, 0}, {-7, 3, -7}, {7.5L, 2, 1.5L}, {10, 2.5L, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatMod(c.x, c.m), c.r) << c.x << " mod " << c.m;
  Extended q = 0, r = 0;
  FloatDivMod(-7, 3, q, r);
  EXPECT_EQ(q, -2);
  EXPECT_EQ(r, -1);
  EXPECT_THROW(FloatDivMod(1, 0, q, r), CalcFailure);
}

TEST_F(BasicMath, RealPowerHandlesNegativeBasesAndIntegralExponents) {
  struct Case { Extended b, p, v; } cases[] = {
      {-8, 3, -512}, {-8, 2, 64}, {0, 0, 1}, {0, 2, 0}, {5, 0, 1}, {2, 10, 1024},
      {-2, -1, -0.5L}, {-2, -2, 0.25L}, {4, 0.5L, 2}, {-1, 1e6L, 1},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(RealPower(c.b, c.p), c.v, 1e-15L * fabsl(c.v)) << c.b << "^" << c.p;
}

TEST_F(BasicMath, RealPowerFailures) {
  // 0 to a negative power is a division by zero, not 0.
  for (Extended p : {-1.0L, -0.5L, -3.0L}) {
    try {
      RealPower(0, p);
      ADD_FAILURE() << "0^" << p << " did not fail";
    } catch (const CalcFailure& f) {
      EXPECT_EQ(f.message(), msg::DivisionByZero);
    }
  }
  EXPECT_THROW(RealPower(-8, 1.0L / 3), CalcFailure);
  EXPECT_THROW(RealPower(10, 5000), CalcFailure);   // overflow
  EXPECT_THROW(RealPower(-10, 5001), CalcFailure);  // overflow, odd
}

TEST_F(BasicMath, FactorialStopsAtOverflowAndRejectsNegatives) {
  EXPECT_EQ(Factorial(0), 1);
  EXPECT_EQ(Factorial(1), 1);
  EXPECT_EQ(Factorial(5), 120);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0L);
  EXPECT_TRUE(std::isfinite(Factorial(1754)));
  EXPECT_THROW(Factorial(1755), CalcFailure);
  EXPECT_THROW(Factorial(-3), CalcFailure);
  // A huge argument fails at the overflow instead of running the whole loop.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(Factorial(INT64_MAX), CalcFailure);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(BasicMath, RoundingBinomialAndCubeRoot) {
  struct Case { std::int32_t d; Extended x, v; } rounds[] = {
      {1, 0.25L, 0.3L}, {0, -2.5L, -3}, {2, 1.234L, 1.23L}, {0, 2.5L, 3}, {3, -1.0005L, -1.001L},
  };
  for (const auto& c : rounds) EXPECT_NEAR(RoundDecimals(c.d, c.x), c.v, 1e-17L) << c.d << ", " << c.x;
  EXPECT_THROW(RoundDecimals(-1, 5), CalcFailure);
  // The table of powers of ten gives bit for bit what the scale
  // Int(10^d + 0.5) from powl gives, on both sides of every rounding step.
  std::mt19937_64 g(11);
  std::uniform_real_distribution<long double> u(-1e6L, 1e6L);
  for (std::int32_t d = 0; d <= 20; ++d) {
    const Extended f = truncl(powl(10.0L, d) + 0.5L);
    for (int i = 0; i < 2000; ++i) {
      Extended x = u(g);
      if (i % 4 == 0) x = (truncl(x * f) + 0.5L) / f;  // a half at the last place
      const Extended expected = x >= 0 ? truncl(x * f + 0.5L) / f : truncl(x * f - 0.5L) / f;
      ASSERT_EQ(RoundDecimals(d, x), expected) << d << ", " << static_cast<double>(x);
    }
  }

  EXPECT_EQ(Binomial(5, 2), 10);
  EXPECT_EQ(Binomial(5, 0), 1);
  EXPECT_EQ(Binomial(5, -1), 1);
  EXPECT_NEAR(Binomial(50, 25), 126410606437752.0L, 0.01L);
  EXPECT_THROW(Binomial(100000, 50000), CalcFailure);  // overflow

  EXPECT_NEAR(CubeRoot(-27), -3, 1e-17L);
  EXPECT_NEAR(CubeRoot(8), 2, 1e-17L);
  EXPECT_EQ(CubeRoot(0), 0);
}

TEST_F(BasicMath, SignsExtremesAndHyperbolics) {
  EXPECT_EQ(Sgn(-0.1L), -1);
  EXPECT_EQ(Sgn(0), 0);
  EXPECT_EQ(Sgn(3), 1);
  EXPECT_EQ(RectFunc(0.5L), 1);
  EXPECT_EQ(RectFunc(-0.5L), 1);
  EXPECT_EQ(RectFunc(0.50001L), 0);
  EXPECT_EQ(MaxReal4(1, 7, -2, 3), 7);
  EXPECT_EQ(MinReal(1, -2), -2);
  EXPECT_EQ(MaxInt4(1, 7, -2, 9), 9);
  EXPECT_NEAR(SinhReal(1), sinhl(1), 1e-18L);
  EXPECT_NEAR(CoshReal(-2), coshl(2), 1e-17L);
  EXPECT_THROW(SinhReal(20000), CalcFailure);
}

TEST_F(BasicMath, ArcFunctionsClampRoundingOvershoot) {
  struct Case { Extended x, asin, acos, acosDeg; } cases[] = {
      {0, 0, Pi / 2, 90},
      {0.5L, Pi / 6, Pi / 3, 60},
      {-0.5L, -Pi / 6, 2 * Pi / 3, 120},
      {1, Pi / 2, 0, 0},
      {-1, -Pi / 2, Pi, 180},
      {1 + 1e-16L, Pi / 2, 0, 0},        // overshoot of a computed cosine
      {-1 - 1e-16L, -Pi / 2, Pi, 180},
      {2, 0, 0, 0},                      // outside: the rad versions give 0
      {-2, 0, 0, 180},                   // the degree version never fails
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(ArcSinRad(c.x), c.asin, 1e-17L) << c.x;
    EXPECT_NEAR(ArcCosRad(c.x), c.acos, 1e-17L) << c.x;
    EXPECT_NEAR(ArcCosDeg(c.x), c.acosDeg, 1e-14L) << c.x;
  }
}

TEST_F(BasicMath, AngleModeFunctions) {
  struct Case { int mode; Extended angle, sin; } cases[] = {
      {0, 30, 0.5L}, {1, Pi / 6, 0.5L}, {2, 100, 1}, {0, 90, 1}, {7, 30, 0},
  };
  for (const auto& c : cases) {
    kernelState().AngleMode = c.mode;
    EXPECT_NEAR(SinAngle(c.angle), c.sin, 1e-17L) << "mode " << c.mode;
  }
  kernelState().AngleMode = 0;
  EXPECT_NEAR(CosAngle(60), 0.5L, 1e-17L);
  EXPECT_NEAR(TanAngle(45), 1, 1e-17L);
  EXPECT_NEAR(ArcSinAngle(0.5L), 30, 1e-15L);
  EXPECT_NEAR(ArcCosAngle(-1), 180, 1e-15L);
  EXPECT_NEAR(ArcTanAngle(1), 45, 1e-15L);
  kernelState().AngleMode = 2;
  EXPECT_NEAR(ArcTanAngle(1), 50, 1e-15L);
  EXPECT_NEAR(CosAngle(200), -1, 1e-17L);
  kernelState().AngleMode = 5;  // unknown: tan leaves x in radians, the rest give 0
  EXPECT_NEAR(TanAngle(Pi / 4), 1, 1e-17L);
  EXPECT_EQ(CosAngle(0), 0);
  EXPECT_EQ(ArcTanAngle(1), 0);

  EXPECT_NEAR(SinDeg(30), 0.5L, 1e-17L);
  EXPECT_NEAR(TanDeg(45), 1, 1e-17L);
  EXPECT_NEAR(ArcTanDeg(1), 45, 1e-15L);
  EXPECT_NEAR(RadToDeg(DegToRad(123)), 123, 1e-15L);
}

TEST_F(BasicMath, TextRoutines) {
  EXPECT_EQ(LastCharPos(u"2024", u"0123456789"), 0);
  EXPECT_EQ(LastCharPos(u"20x4", u"0123456789"), 3);
  EXPECT_EQ(LastCharPos(u"", u"0123456789"), 0);
  EXPECT_EQ(LeftStrCopy(u"abcdef", 3), u"abc");
  EXPECT_EQ(LeftStrCopy(u"ab", 5), u"ab");
  EXPECT_EQ(LeftStrCopy(u"ab", -1), u"");
  EXPECT_EQ(CommaToPoint(u"1,5,2"), u"1.5.2");
  EXPECT_EQ(PointToComma(u"1.5"), u"1,5");
}

}  // namespace
}  // namespace zw
