#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <random>
#include <string>

#include "kernel/CalcFailure.h"
#include "kernel/Complex.h"
#include "kernel/KernelState.h"

namespace zw {
namespace {

constexpr Extended Pi = std::numbers::pi_v<long double>;
using StdC = std::complex<long double>;

StdC toStd(TComplex z) { return {z.re, z.im}; }

void expectNear(TComplex got, TComplex want, Extended tol, const std::string& what) {
  EXPECT_NEAR(got.re, want.re, tol) << what;
  EXPECT_NEAR(got.im, want.im, tol) << what;
}

std::string failureDetail(const std::function<void()>& f) {
  try {
    f();
  } catch (const CalcFailure& e) {
    return e.detail();
  }
  return "no failure";
}

class Complex : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }
};

TEST_F(Complex, WorkedExamples) {
  struct Case { const char* what; TComplex got, want; } cases[] = {
      {"i·i", ComplexMul({0, 1}, {0, 1}), {-1, 0}},
      {"1/i", ComplexDiv({1, 0}, {0, 1}), {0, -1}},
      {"sqrt(-4)", ComplexSqrt({-4, 0}), {0, 2}},
      {"sqrt(-2i)", ComplexSqrt({0, -2}), {1, -1}},
      {"sqrt(3+4i)", ComplexSqrt({3, 4}), {2, 1}},
      {"sqrt(-3-4i)", ComplexSqrt({-3, -4}), {1, -2}},
      {"sqrt(0)", ComplexSqrt({0, 0}), {0, 0}},
      {"ln(-1) = -iπ", ComplexLn({-1, 0}), {0, -Pi}},
      {"ln(i)", ComplexLn({0, 1}), {0, Pi / 2}},
      {"exp(iπ)", ComplexExp({0, Pi}), {-1, 0}},
      {"atan 0", ComplexArcTan({0, 0}), {0, 0}},
      {"atan 1", ComplexArcTan({1, 0}), {Pi / 4, 0}},
      {"(4)^0.5", ComplexPower({4, 0}, {0.5L, 0}), {2, 0}},
      {"i^2", ComplexPower({0, 1}, {2, 0}), {-1, 0}},
      {"op +", ComplexOp({1, 2}, {3, -4}, '+'), {4, -2}},
      {"op -", ComplexOp({1, 2}, {3, -4}, '-'), {-2, 6}},
      {"op unknown", ComplexOp({1, 2}, {3, -4}, '%'), {0, 0}},
      {"times i", ComplexTimesI({2, 3}), {-3, 2}},
      {"times -i", ComplexTimesMinusI({2, 3}), {3, -2}},
  };
  for (const auto& c : cases) expectNear(c.got, c.want, 1e-15L, c.what);
  EXPECT_EQ(ComplexAbs({3, 4}), 5);
  // Parts whose squares overflow: e^6000 ≈ 1e2605.
  const TComplex huge = ComplexExp({6000, 0});
  EXPECT_NEAR(ComplexLn(huge).re, 6000, 1e-12L);
  EXPECT_NEAR(ComplexSqrt(huge).re / std::exp(3000.0L), 1, 1e-15L);
  EXPECT_NEAR(ComplexAbs({3e3000L, 4e3000L}) / 5e3000L, 1, 1e-18L);
  EXPECT_EQ(ComplexAbsSqr({3, 4}), 25);
}

TEST_F(Complex, ArcTan2AndTransferSign) {
  EXPECT_EQ(ArcTan2(0, 1), Pi / 2);
  EXPECT_EQ(ArcTan2(0, -1), -Pi / 2);
  EXPECT_EQ(ArcTan2(0, 0), -Pi / 2);
  EXPECT_EQ(ArcTan2(-1, 0), -Pi);  // the negative real axis gets −π
  EXPECT_NEAR(ArcTan2(-1, 1), 3 * Pi / 4, 1e-18L);
  EXPECT_NEAR(ArcTan2(1, -1), -Pi / 4, 1e-18L);
  EXPECT_EQ(TransferSign(2, 5), 2);
  EXPECT_EQ(TransferSign(2, 0), -2);
  EXPECT_EQ(TransferSign(-2, -1), -2);
  EXPECT_EQ(TransferSign(-2, 1), 2);
}

TEST_F(Complex, FailuresAreRaised) {
  EXPECT_EQ(failureDetail([] { ComplexLn({0, 0}); }), "*** IMPROPER ARGUMENT ***");
  // arctan has its branch points at ±i.
  EXPECT_EQ(failureDetail([] { ComplexArcTan({0, 1}); }), "*** IMPROPER ARGUMENT ***");
  EXPECT_EQ(failureDetail([] { ComplexArcTan({0, -1}); }), "*** IMPROPER ARGUMENT ***");
  EXPECT_EQ(failureDetail([] { ComplexCos({0, 100}); }), "********* OVERFLOW **********");
  EXPECT_EQ(failureDetail([] { ComplexSin({0, -89}); }), "********* OVERFLOW **********");
  EXPECT_EQ(failureDetail([] { SinhChecked(-88.03L); }), "********* UNDERFLOW **********");
  EXPECT_EQ(failureDetail([] { ComplexTan({0, 45}); }), "********* OVERFLOW **********");
  EXPECT_NO_THROW(CoshChecked(88.0288L));
  EXPECT_THROW(ComplexDiv({1, 0}, {0, 0}), CalcFailure);
  // 0 to a power without positive real part has no value.
  EXPECT_THROW(ComplexPower({0, 0}, {-1, 0}), CalcFailure);
  EXPECT_THROW(ComplexPower({0, 0}, {0, 1}), CalcFailure);
  EXPECT_THROW(ComplexExp({20000, 0}), CalcFailure);
  TComplex r{7, 8};
  ComplexDivSafe({1, 0}, {0, 0}, r);
  EXPECT_EQ(r.re, 7);
  EXPECT_EQ(r.im, 8);
  ComplexAtanQuotient({1, 0}, r);
  EXPECT_EQ(r.re, 7);
}

// A real base ≤ 0 has powers like any other base; the calculator must not
// report an overflow for (-2)^2.
TEST_F(Complex, PowersOfNegativeRealsAndZero) {
  struct Case { const char* what; TComplex z, w, want; } cases[] = {
      {"(-2)^2", {-2, 0}, {2, 0}, {4, 0}},
      {"(-2)^3", {-2, 0}, {3, 0}, {-8, 0}},
      {"(-2)^-1", {-2, 0}, {-1, 0}, {-0.5L, 0}},
      {"(-4)^0.5 = 2i, as the square root", {-4, 0}, {0.5L, 0}, {0, 2}},
      {"(-8)^(1/3), principal", {-8, 0}, {1.0L / 3, 0}, {1, std::sqrt(3.0L)}},
      {"(-1)^i = e^-π", {-1, 0}, {0, 1}, {std::exp(-Pi), 0}},
      {"0^2", {0, 0}, {2, 0}, {0, 0}},
      {"0^(1+i)", {0, 0}, {1, 1}, {0, 0}},
      {"0^0", {0, 0}, {0, 0}, {1, 0}},
  };
  for (const auto& c : cases) {
    // Degrees for the rest of the program: the power works in radians and
    // leaves the program's angle mode as it is.
    kernelState().AngleMode = 0;
    const TComplex got = ComplexPower(c.z, c.w);
    expectNear(got, c.want, 1e-17L, c.what);
    EXPECT_EQ(kernelState().AngleMode, 0) << c.what;
  }
  // Whole powers of negative reals are exact reals.
  EXPECT_EQ(ComplexPower({-2, 0}, {2, 0}).im, 0);
  EXPECT_EQ(ComplexOp({-3, 0}, {4, 0}, '^').re, 81);
  // Approached from above the real axis the power is continuous.
  const TComplex near = ComplexPower({-4, 1e-30L}, {0.5L, 0});
  expectNear(near, ComplexPower({-4, 0}, {0.5L, 0}), 1e-15L, "continuity");
}

// The principal values agree with the standard library's complex functions.
TEST_F(Complex, AgreesWithStdComplex) {
  std::mt19937 rng(2024);
  std::uniform_real_distribution<double> v(-3, 3);
  for (int i = 0; i < 400; ++i) {
    const TComplex a{v(rng), v(rng)}, b{v(rng), v(rng)};
    const StdC sa = toStd(a), sb = toStd(b);
    const std::string at = std::to_string(static_cast<double>(a.re)) + "," + std::to_string(static_cast<double>(a.im));
    expectNear(ComplexMul(a, b), {(sa * sb).real(), (sa * sb).imag()}, 1e-15L, "mul " + at);
    expectNear(ComplexDiv(a, b), {(sa / sb).real(), (sa / sb).imag()}, 1e-12L, "div " + at);
    expectNear(ComplexExp(a), {std::exp(sa).real(), std::exp(sa).imag()}, 1e-14L, "exp " + at);
    expectNear(ComplexLn(a), {std::log(sa).real(), std::log(sa).imag()}, 1e-15L, "ln " + at);
    expectNear(ComplexSqrt(a), {std::sqrt(sa).real(), std::sqrt(sa).imag()}, 1e-15L, "sqrt " + at);
    expectNear(ComplexSin(a), {std::sin(sa).real(), std::sin(sa).imag()}, 1e-14L, "sin " + at);
    expectNear(ComplexCos(a), {std::cos(sa).real(), std::cos(sa).imag()}, 1e-14L, "cos " + at);
    expectNear(ComplexTan(a), {std::tan(sa).real(), std::tan(sa).imag()}, 1e-12L, "tan " + at);
    expectNear(ComplexArcTan(a), {std::atan(sa).real(), std::atan(sa).imag()}, 1e-12L, "atan " + at);
    const StdC p = std::pow(sa, sb);
    expectNear(ComplexPower(a, b), {p.real(), p.imag()}, 1e-12L * (1 + std::abs(p)), "pow " + at);
    // Real bases of either sign, including the negative real axis.
    const StdC pr = std::pow(StdC(a.re, 0), sb);
    expectNear(ComplexPower({a.re, 0}, b), {pr.real(), pr.imag()}, 1e-12L * (1 + std::abs(pr)),
               "real pow " + at);
  }
}

}  // namespace
}  // namespace zw
