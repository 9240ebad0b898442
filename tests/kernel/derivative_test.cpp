#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/symbolic/Derivative.h"
#include "kernel/Evaluator.h"
#include "kernel/KernelState.h"
#include "platform/symbolic/Symbolic.h"

namespace zw {
namespace {

std::u16string u16(const std::string& s) { return std::u16string(s.begin(), s.end()); }
std::string narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }

class DerivativeTest : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }
};

// The exact commands the library receives: lower case, names mapped, "*"
// inserted (also after "x", so «x(x+1)» is a product as in the evaluator).
// "X" and "K" keep their case, since the evaluator reads «X(X+1)» as X and
// «2K» as 2·K; "exp" stays a name, since «e^» would change how
// «exp(x)^2» reads.
TEST_F(DerivativeTest, PreparationOfTheTerm) {
  const std::pair<const char*, const char*> cases[] = {
      {"2x^2", "2*x^2"},        {"exp(x)", "exp(x)"},    {"3,5x", "3.5*x"},
      {"2e", "2**e"},           {"2e^x", "2*e^x"},       {"2e+1", "2e+1"},
      {"x(x+1)", "x*(x+1)"},    {"(x+1)(x-1)", "(x+1)*(x-1)"}, {"arcsin(x)+ATN(x)", "asin(x)+atan(x)"},
      {"fac(3)", "fak(3)"},     {"2Exp(X)", "2*exp(X)"}, {"xe^x", "x*e^x"},
      {"2e3", "2e3"},           {"2e-3", "2e-3"},        {"ARCCOS(X)", "acos(X)"},
      {"2pi", "2*pi"},          {"2e#", "2e#"},          {" x ", " x "},
      {"X(X+1)", "X(X+1)"},     {"XEXP(X)", "Xexp(X)"},  {"2K", "2*K"},
      {"2k", "2k"},             {"xexp(x)", "x*exp(x)"}, {"SIN(2X)", "sin(2*X)"},
  };
  for (const auto& [in, out] : cases) {
    EXPECT_EQ(SymbolicCommand(u16(in), 1), "diff(" + std::string(out) + ",x)") << in;
    EXPECT_EQ(SymbolicCommand(u16(in), 2), "diff(" + std::string(out) + ",x,2)") << in;
  }
  // A character outside the 8-bit text reaches the library as "?", which it
  // cannot read.
  EXPECT_EQ(SymbolicCommand(u"x\u00B2+\u03C0", 1), "diff(x?+?,x)");
  EXPECT_EQ(SymbolicDerivative(u"x\u00B2"), u"Error");
}

TEST_F(DerivativeTest, BlankTermGivesZero) {
  EXPECT_EQ(SymbolicDerivative(u""), u"0");
  EXPECT_EQ(SymbolicDerivative(u"  \t "), u"0");
  EXPECT_EQ(SymbolicDerivative2(u" "), u"0");
}

TEST_F(DerivativeTest, SimplifiedAnswers) {
  const std::pair<const char*, const char*> cases[] = {
      {"x^2", "2*x"},       {"3x+1", "3"},          {"x^3", "3*x^2"},    {"1/x", "-1/x^2"},
      {"e^x", "e^x"},       {"exp(x)", "e^x"},      {"ln(x)", "1/x"},    {"x*x", "2*x"},
      {"sin(x)", "cos(x)"}, {"7", "0"},             {"pi*x", "pi"},      {"2e", "0"},
      {"sqrt(x)", "1/(2*sqrt(x))"}, {"x^2+x^2", "4*x"},  {"fak(3)*x", "fak(3)"},
      {"X(X+1)", "1"},      {"x(x+1)", "2*x+1"},    {"exp(x)^2", "2*e^(2*x)"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(narrow(SymbolicDerivative(u16(in))), out) << in;
}

TEST_F(DerivativeTest, FailuresAnswerError) {
  const char* cases[] = {"int(x)", "fak(x)", "sgn(x)", "rect(x)", "2^3^2", "sin(", "abc", "x+"};
  for (const char* term : cases) {
    std::u16string answer = SymbolicDerivative(u16(term));
    EXPECT_EQ(answer, u"Error") << term;
    Extended v;
    std::int32_t err;
    EvaluateFormula(answer, v, err, 1);
    EXPECT_EQ(err, evalerr::LeftOver);
  }
}

Extended at(const std::u16string& text, Extended x) {
  Extended v = 0;
  std::int32_t err = -1;
  EvaluateFormula(text, v, err, x);
  EXPECT_EQ(err, 0) << narrow(text) << " at " << static_cast<double>(x);
  return v;
}

Extended slope(const std::u16string& text, Extended x) {
  const Extended h = 1e-6L;
  return (at(text, x + h) - at(text, x - h)) / (2 * h);
}

TEST_F(DerivativeTest, AnswersReadBackAsTheDerivative) {
  const char* terms[] = {
      "sin(x)*x^2+3x-1", "sqrt(abs(x))/(1+e^(-x))", "x(x+1)", "2*e^x", "exp(2x)", "ln(x^2+1)",
      "log(x+5)", "x^x", "tan(x)", "cot(x)+cos(x)", "asin(x/3)", "acos(x/3)", "atan(x)",
      "sinh(x)*cosh(x)", "tanh(x)", "coth(x+5)", "asinh(x)", "acosh(x+3)", "atanh(x/4)",
      "acoth(x+5)", "sqr(x)-sqrt(x+4)", "1/(x^2+1)", "(x+1)/(x-7)", "relu(x)*x", "2^x", "x^-2",
      "e#^x", "pi*x^2", "(x-2)^3*(x+1)^2", "sin x^2", "K*x^2+y", "2x^3-4x+7", "abs(x-0.3)",
      "3,5x^2", "(-x)^2", "-x^3", "2*-x^2", "x/(x+1)/(x+2)", "sin(sin(x))", "e^(x^2)/x",
      "sqrt(x)^3", "x^0.5*x^1.5", "X^2", "(2x)^3", "10^(x/3)",
      // Read exactly as the evaluator reads them: a name takes one factor,
      // "X" is no left neighbour of an implicit product, "K" is a right one.
      "exp(x)^2", "exp(-x)^2/2", "sinexp(x)", "2exp(x)", "X(X+1)", "x(x+1)^2", "XEXP(X)",
      "xexp(x)", "Xe", "2Kx^2", "sqrtx^3",
  };
  kernelState().FormulaK = 1.5;
  kernelState().FormulaY = 4;
  const Extended xs[] = {0.7L, 1.3L, 2.1L};
  for (int mode = 0; mode < 3; ++mode) {
    kernelState().AngleMode = mode;
    for (const char* term : terms) {
      std::u16string f = u16(term);
      std::u16string f1 = SymbolicDerivative(f);
      std::u16string f2 = SymbolicDerivative2(f);
      ASSERT_NE(f1, u"Error") << term;
      ASSERT_NE(f2, u"Error") << term;
      for (Extended x : xs) {
        Extended expected1 = slope(f, x), got1 = at(f1, x);
        EXPECT_NEAR(static_cast<double>(got1), static_cast<double>(expected1),
                    1e-7 * std::max(1.0, std::fabs(static_cast<double>(expected1))))
            << term << " -> " << narrow(f1) << " mode " << mode << " x=" << static_cast<double>(x);
        Extended expected2 = slope(f1, x), got2 = at(f2, x);
        EXPECT_NEAR(static_cast<double>(got2), static_cast<double>(expected2),
                    1e-6 * std::max(1.0, std::fabs(static_cast<double>(expected2))))
            << term << " -> " << narrow(f2) << " mode " << mode << " x=" << static_cast<double>(x);
      }
    }
  }
}

// A window in degrees differentiates in degrees while the program runs in
// radians, and the program-wide mode stays as it is.
TEST_F(DerivativeTest, AngleModeOfAContext) {
  kernelState().AngleMode = 1;
  FormulaContext degrees;
  degrees.AngleMode = 0;
  const std::u16string f1 = SymbolicDerivative(u"sin(x)", degrees);
  const std::u16string f2 = SymbolicDerivative2(u"sin(x)", degrees);
  Extended v = 0;
  std::int32_t err = -1;
  EvaluateFormula(f1, v, err, 60, degrees);
  EXPECT_EQ(err, 0);
  EXPECT_NEAR(static_cast<double>(v), 3.14159265358979 / 180 * 0.5, 1e-15);
  EvaluateFormula(f2, v, err, 90, degrees);
  EXPECT_NEAR(static_cast<double>(v), -std::pow(3.14159265358979 / 180, 2), 1e-15);
  EXPECT_EQ(SymbolicDerivative(u"sin(x)"), u"cos(x)");
  EXPECT_EQ(kernelState().AngleMode, 1);
}

TEST_F(DerivativeTest, ErfFollowsTheApproximationClosely) {
  std::u16string f1 = SymbolicDerivative(u"erf(x)");
  for (Extended x : {0.2L, 1.0L, 1.7L})
    EXPECT_NEAR(static_cast<double>(at(f1, x)), static_cast<double>(slope(u"erf(x)", x)), 1e-5);
}

TEST_F(DerivativeTest, LongTermsHaveNoLengthLimit) {
  std::string term;
  for (int i = 0; i < 1500; ++i) term += "x+";
  term += "sin(x)";
  std::u16string f1 = SymbolicDerivative(u16(term));
  EXPECT_EQ(f1, u"cos(x)+1500");
  std::string product = "x";
  for (int i = 1; i <= 60; ++i) product += "*(x+" + std::to_string(i) + ")";
  std::u16string p1 = SymbolicDerivative(u16(product));
  ASSERT_NE(p1, u"Error");
  EXPECT_NEAR(static_cast<double>(at(p1, 0.01L)), static_cast<double>(slope(u16(product), 0.01L)),
              1e-6 * std::fabs(static_cast<double>(slope(u16(product), 0.01L))));
}

TEST_F(DerivativeTest, LibraryEntryPoint) {
  char out[64];
  EXPECT_EQ(symbolic_calculate("diff(x^2,x)", out, sizeof out), 3);
  EXPECT_STREQ(out, "2*x");
  EXPECT_EQ(symbolic_calculate("diff(x^2,x,2)", out, sizeof out), 1);
  EXPECT_STREQ(out, "2");
  EXPECT_LT(symbolic_calculate("diff(x^2,x)", out, 3), 0);  // does not fit
  EXPECT_LT(symbolic_calculate("integrate(x,x)", out, sizeof out), 0);
  EXPECT_LT(symbolic_calculate("diff(x^2,y)", out, sizeof out), 0);
}

}  // namespace
}  // namespace zw
