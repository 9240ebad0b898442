// The extended block path against point-by-point evaluation: every value bit
// for bit (the sign of zero included) and every error code.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "kernel/Evaluator.h"
#include "kernel/KernelState.h"

namespace zw {
namespace {

std::u16string u16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// The ten bytes of an extended real (the padding is not compared).
bool sameBits(Extended a, Extended b) { return std::memcmp(&a, &b, 10) == 0; }

// Every operator and name, the failures (division by zero, roots and
// logarithms of negatives, overflow, 0^0, (-8)^(1/3)), the shapes the
// compiler fuses (monomials, whole powers, constant operands), and texts
// that do not read at all.
const char* const kTerms[] = {
    "x^3-2x^2+3x-1", "sin(x)*x^2+3x-1", "sqrt(abs(x))/(1+e^(-x))", "2x^5-x^4+x^3/7-0.5x+1",
    "-x^2+x-1", "1-x", "3-2x^2", "x*x*x-x", "1/x", "1/(x-1)+2/x^2", "x/(x*x-4)", "sqrt(x)",
    "sqrt(x-1)+1", "ln(x)", "log(x+2)*2", "ln(-x)", "ln(0)*x", "0^x", "x^0", "0^0+x", "x^x",
    "(-8)^(1/3)+x", "x^(1/3)", "(x-1)^-1", "2^x", "x^2.5", "x^-2", "x^64", "x^65", "exp(x*x)",
    "exp(1000x)", "tan(x)", "cot(x)", "asin(x/5)", "acos(x/5)", "atan(x)", "sinh(x)",
    "cosh(x*900)", "tanh(x)", "coth(x)", "asinh(x)", "acosh(x)", "atanh(x/5)", "acoth(x)",
    "int(x)+x", "sgn(x)", "rect(x)", "relu(x)", "sqr(x)", "fak(x)", "erf(x)", "pi*x+e", "e#*W",
    "x*Y+Z-K", "Y(x)", "X(1/x)", "-x", "-(x^4)", "x^7-x^6", "1/(sin(x))", "(x+1)(x-1)/(x-3)",
    "1e4000*x", "x*1e4000", "1e-4000*x", "10^(x*400)", "x^70", "(x^2-1)^(0.5)", "2^(1/x)",
    "sin(x)^2+cos(x)^2", "exp(-x)^3/(1+x^4)", "x/0", "1/0", "2*", "", "(2", "abc", "2x3",
    "sin(x)*x^2+3x-1+cos(2x)/(1+x^2)-sqrt(abs(x))*exp(-x/3)+ln(1+x^2)*0.5-atan(x/4)",
};

// A grid that steps on the poles and domain edges of the terms above (0,
// ±1, ±2, 3, -8, ±5) and crosses them, with the values at the ends of the
// extended range.
std::vector<Extended> grid() {
  std::vector<Extended> xs;
  for (int i = -160; i <= 160; ++i) xs.push_back(i / 16.0L);
  for (int i = -40; i <= 40; ++i) xs.push_back(i / 7.0L);
  for (Extended special :
       {-0.0L, -8.0L, 1e300L, -1e300L, 1e4000L, -1e4000L, 1e-4000L, 5e-4950L, 1e154L, 1e2466L,
        11356.0L, -11400.0L, std::numeric_limits<Extended>::infinity(),
        -std::numeric_limits<Extended>::infinity(), std::numeric_limits<Extended>::quiet_NaN()})
    xs.push_back(special);
  return xs;
}

void expectSameAsPointByPoint(const std::u16string& text, const std::vector<Extended>& xs,
                              const FormulaContext* context, const std::string& where) {
  std::vector<Extended> values(xs.size(), -7);
  std::vector<std::int32_t> errs(xs.size(), -7);
  if (context)
    EvaluateFormulaBlock(text, xs.data(), xs.size(), values.data(), errs.data(), *context);
  else
    EvaluateFormulaBlock(text, xs.data(), xs.size(), values.data(), errs.data());
  for (size_t i = 0; i < xs.size(); ++i) {
    Extended v = -7;
    std::int32_t e = -7;
    if (context)
      EvaluateFormula(text, v, e, xs[i], *context);
    else
      EvaluateFormula(text, v, e, xs[i]);
    const std::string at = std::string(text.begin(), text.end()) + " x=" +
                           std::to_string(static_cast<double>(xs[i])) + where;
    ASSERT_EQ(errs[i], e) << at;
    ASSERT_TRUE(sameBits(values[i], v)) << at << ": " << static_cast<double>(values[i])
                                        << " against " << static_cast<double>(v);
  }
}

class EvaluatorBlockTest : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }
};

TEST_F(EvaluatorBlockTest, EqualsPointByPointInEveryAngleModeAndContext) {
  const std::vector<Extended> xs = grid();
  for (int mode : {0, 1, 2}) {
    const FormulaContext context{mode, 2, -0.5L, 3};  // Y, Z, K
    for (const char* term : kTerms)
      expectSameAsPointByPoint(u16(term), xs, &context, " mode " + std::to_string(mode));
  }
}

TEST_F(EvaluatorBlockTest, ReadsTheProgramWideSettings) {
  kernelState().AngleMode = 0;
  kernelState().FormulaY = 1.5L;
  kernelState().FormulaK = -4;
  const std::vector<Extended> xs = grid();
  for (const char* term : {"sin(x)*Y", "cos(x)+K", "x^2-Y", "tan(x)"})
    expectSameAsPointByPoint(u16(term), xs, nullptr, " program-wide");
}

// Random sums, products, quotients and powers of the terms above, on blocks
// of random lengths.
TEST_F(EvaluatorBlockTest, EqualsPointByPointForCombinedTerms) {
  std::mt19937 rng(1313);
  std::uniform_int_distribution<size_t> pickTerm(0, std::size(kTerms) - 1);
  std::uniform_int_distribution<int> pickOp(0, 4);
  std::uniform_real_distribution<double> spread(-12, 12);
  const char* ops[] = {"+", "-", "*", "/", "^"};
  for (int t = 0; t < 1500; ++t) {
    const std::string term = std::string("(") + kTerms[pickTerm(rng)] + ")" + ops[pickOp(rng)] +
                             "(" + kTerms[pickTerm(rng)] + ")";
    kernelState().AngleMode = t % 3;
    std::vector<Extended> xs(1 + t % 90);
    for (Extended& x : xs) x = spread(rng);
    expectSameAsPointByPoint(u16(term), xs, nullptr, "");
  }
  EvaluateFormulaBlock(u"x", nullptr, 0, nullptr, nullptr);  // nothing to do
}

}  // namespace
}  // namespace zw
