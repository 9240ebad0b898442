#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "kernel/Evaluator.h"
#include "kernel/KernelState.h"

namespace zw {
namespace {

constexpr Extended kPi = 3.141592653589793238462643383279502884L;
constexpr Extended kE = 2.718281828459045235360287471352662498L;

std::u16string u16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

struct Result {
  Extended value;
  std::int32_t err;
};

Result eval(const std::string& text, Extended x = 0) {
  Result r{-12345, -1};
  EvaluateFormula(u16(text), r.value, r.err, x);
  return r;
}

class EvaluatorTest : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }
};

struct ValueCase {
  const char* text;
  Extended x;
  Extended expected;
};

TEST_F(EvaluatorTest, ValuesOfTerms) {
  const ValueCase cases[] = {
      {"2x+1", 3, 7},
      {"(x+1)(x-1)", 3, 8},
      {"2(x+1)", 3, 8},
      {"x(x+1)", 3, 12},  // lower-case x multiplies like a digit or ")"
      {"X(X+1)", 3, 3},   // an upper-case name reads and ignores its argument
      {"xx", 3, 9},
      {"x exp(0)", 3, 3},
      {"2exp(1)", 0, 2 * kE},
      {"sin x", 3, std::sin(3.0L)},
      {"sin 2x", 3, std::sin(2.0L) * 3},
      {"sin(-x)", 3, -std::sin(3.0L)},
      {"sin-x", 3, std::sin(1.0L) - 3},
      {"SIN2", 0, std::sin(2.0L)},
      {"SIN", 0, std::sin(1.0L)},
      {"pi", 0, kPi},
      {"2pi", 0, 2 * kPi},
      {"PI2", 0, kPi},
      {"PI+1", 0, kPi + 1},
      {"e", 0, kE},
      {"2e", 0, 2 * kE},
      {"e#", 0, kE},
      {"2e#", 0, 2 * kE},
      {"e#*e#", 0, kE * kE},
      {"E#+e#+e#", 0, 3 * kE},
      {"exp(1)", 0, kE},
      {"2e3", 0, 2000},
      {"2e-3", 0, 0.002L},
      {"2e+3", 0, 2000},
      {"-2^2", 0, -4},
      {"2*-2^2", 0, 8},
      {"2^-1", 0, 0.5},
      {"0^0", 0, 1},
      {"0^2", 0, 0},
      {"(-2)^3", 0, -8},
      {"(-2)^2", 0, 4},
      {"(-1)^(2^62+1)", 0, -1},  // a large odd exponent
      {"3,5", 0, 3.5},
      {"3.5", 0, 3.5},
      {",5", 0, 0.5},
      {".5", 0, 0.5},
      {"-.5", 0, -0.5},
      {"(.5)", 0, 0.5},
      {"+7", 0, 7},
      {"INT(-2.5)", 0, -3},
      {"INT(-2)", 0, -2},
      {"INT(2.7)", 0, 2},
      {"FAK(4.5)", 0, 24},
      {"FAK(5.5)", 0, 720},
      {"fac(3)", 0, 6},
      {"FAK(-0.5)", 0, 1},
      {"SGN(0)", 0, 0},
      {"SGN(-3)", 0, -1},
      {"RECT(0.5)", 0, 1},
      {"RECT(0.51)", 0, 0},
      {"RELU(-2)+RELU(3)", 0, 3},
      {"abs(-2.5)", 0, 2.5},
      {"sqr(3)", 0, 9},
      {"sqrt(16)", 0, 4},
      {"log(1000)", 0, 3},
      {"ln(e)", 0, 1},
      {"arctan(1)", 0, kPi / 4},
      {"atn(1)", 0, kPi / 4},
      {"arcsin(1)", 0, kPi / 2},
      {"arccos(1)", 0, 0},
      {"tanh(20000)", 0, 1},
      {"asinh(-1e9)", 0, std::asinh(-1e9L)},
      {"asinh(-1e10)", 0, std::asinh(-1e10L)},
      {"atanh(0.5)", 0, std::atanh(0.5L)},
      {"acoth(2)", 0, std::atanh(0.5L)},
      {"acosh(1)", 0, 0},
      {"1e-5000", 0, 0},
      // A minus after "(" is read as "0-" everywhere in the text.
      {"(-1)+(-1)+(-1)+(-1)+(-2^2)", 0, -8},
      {"(-1)+(-1)+(-1)+(-1)+(-1)+(-2^2)", 0, -9},
      {"(-1)+(-1)+(-1)+(-1)+(-1)+(-1)+(-1)+(-1)+(-2^2)", 0, -12},
  };
  for (const auto& c : cases) {
    Result r = eval(c.text, c.x);
    EXPECT_EQ(r.err, 0) << c.text;
    EXPECT_NEAR(static_cast<double>(r.value), static_cast<double>(c.expected),
                1e-15 * std::max(1.0, std::fabs(static_cast<double>(c.expected))))
        << c.text;
  }
}

struct ErrorCase {
  const char* text;
  std::int32_t err;
  Extended value;  // NAN: not checked
};

TEST_F(EvaluatorTest, ErrorCodes) {
  const ErrorCase cases[] = {
      {"2^3^2", 1003, 8},
      {"0^-1", 1, 0},  // like 1/0, not a silent 0
      {"(-8)^(1/3)", 12, -8},
      {"(-1)^(2^62+0.5)", 17, -1},  // not whole, although beyond 2^62
      {"1/0", 1, 0},
      {"2+1/0", 1, NAN},
      {"1/0+2", 1003, NAN},
      {"sqrt(-1)", 1, NAN},
      {"sqrt(-1)+5", 1, NAN},
      {"ln(0)", 1, 0},
      {"ln(0)*2", 1003, 0},
      {"ln(-1)", 1, 0},
      {"log(0)", 1, 0},
      {"asin(2)", 1, NAN},
      {"acos(-1.5)", 1, NAN},
      {"acosh(0.5)", 1, NAN},
      {"atanh(1)", 1, NAN},
      {"acoth(1)", 1, NAN},
      {"coth(0)", 1, NAN},
      {"cot(0)", 1, NAN},
      {"exp(20000)", 1, 0},
      {"exp(20000)+1", 1003, 0},
      // An arithmetic failure stops the reading where it happens: the ")"
      // is left unread (unlike a division by zero, which reads on).
      {"(ln(0))", 1003, 0},
      {"2*(exp(20000))", 1003, 0},
      {"((1/0))", 1, 0},
      {"1e4000*1e4000", 1, 0},
      {"1e9999", 1, 0},
      {"FAK(1755)", 1, 0},
      {"FAK(1e30)", 1, 0},
      {"FAK(-3)", 1, 0},
      {"FAK(-3)+1", 1, NAN},    // undefined: latched like sqrt(-1)
      {"FAK(2000)+1", 1003, 0},  // overflow: like exp(20000)+1
      {"", 1001, 0},
      {"   ", 1001, 0},
      {"+", 1001, 0},
      {"(2", 1002, 0},
      {"2)", 1002, 0},
      {"abc", 1003, NAN},
      {"2k", 1003, NAN},
      {"2^", 3, 2},
      {"2*", 3, 2},
      {"(2+3", 1002, 0},
      {"2\r5", 1003, NAN},  // a carriage return is no end of the text
      {"sin(x+)", 7, NAN},
      {"sqrt(2+)", 8, NAN},
      {"(2*)^2", 4, NAN},
      {"(2*)^sin", 4, NAN},
      {"1E*2", 3, NAN},
      {"2E*3", 3, NAN},
      {"Y(1/0)", 1, NAN},  // an ignored argument still reports its failure
  };
  for (const auto& c : cases) {
    Result r = eval(c.text, 0);
    EXPECT_EQ(r.err, c.err) << c.text;
    if (!std::isnan(static_cast<double>(c.value))) {
      EXPECT_EQ(r.value, c.value) << c.text;
    }
  }
}

TEST_F(EvaluatorTest, AngleModesAndFormulaVariables) {
  struct Case {
    int mode;
    const char* text;
    Extended expected;
  };
  kernelState().FormulaY = 2;
  kernelState().FormulaZ = 3;
  kernelState().FormulaK = 5;
  const Case cases[] = {
      {0, "sin(30)", 0.5},   {2, "sin(100)", 1},     {1, "sin(pi/2)", 1},
      {0, "atan(1)", 45},    {2, "atan(1)", 50},     {0, "cos(60)", 0.5},
      {1, "2K", 10},         {1, "y*z+k", 11},       {1, "Y(3)", 2},
  };
  for (const auto& c : cases) {
    kernelState().AngleMode = c.mode;
    Result r = eval(c.text);
    EXPECT_EQ(r.err, 0) << c.text;
    EXPECT_NEAR(static_cast<double>(r.value), static_cast<double>(c.expected), 1e-15) << c.text;
  }
}

TEST_F(EvaluatorTest, NoLengthLimit) {
  std::string term;
  for (int i = 0; i < 400; ++i) term += "1+";
  term += "(-2^2)";
  Result r = eval(term);
  EXPECT_EQ(r.err, 0);
  EXPECT_EQ(r.value, 396);
  // A cut after 255 characters would hide this error at the very end.
  Result bad = eval(term + "+");
  EXPECT_NE(bad.err, 0);
}

TEST_F(EvaluatorTest, HugeTermsNeitherCrashNorMislead) {
  std::string chain = "x";
  for (int i = 0; i < 200000; ++i) chain += "+1";
  for (int round = 0; round < 2; ++round) {  // the second time from the cache
    Result r = eval(chain, 0.5L);
    EXPECT_EQ(r.err, 0);
    EXPECT_EQ(r.value, 200000.5L);
  }
  // Nesting beyond any sensible term is refused with an error, not a stack overflow.
  std::string nested(50000, '(');
  nested.push_back('1');
  nested.append(50000, ')');
  EXPECT_NE(eval(nested).err, 0);
  std::string fine(500, '(');
  fine.push_back('x');
  fine.append(500, ')');
  EXPECT_EQ(eval(fine, 2).value, 2);
  // Long chains of operators between variables build deep trees; compiling
  // them for the fast path must not overflow the stack (a monkey's
  // «x+x+…+x» with 2,000 terms did, under the sanitizers).
  struct Chain {
    const char* head;
    const char* link;
    int count;
    Extended x;
    Extended expected;
  };
  const Chain chains[] = {
      {"x", "+x", 2000, 1, 2001},  {"x", "+x", 2999, 1, 3000},    {"x", "+x", 20000, 1, 20001},
      {"x", "-x", 2999, 1, -2998}, {"x", "*x", 2999, 1, 1},       {"sin(x)", "+sin(x)", 2999, 0, 0},
      {"x", "+x^2", 2999, 2, 11998}, {"x", "+2*x", 2999, 1, 5999},
  };
  for (const Chain& c : chains) {
    std::string term = c.head;
    for (int i = 0; i < c.count; ++i) term += c.link;
    for (int round = 0; round < 2; ++round) {
      Result r = eval(term, c.x);
      EXPECT_EQ(r.err, 0) << c.link << " " << c.count;
      EXPECT_EQ(r.value, c.expected) << c.link << " " << c.count;
    }
  }
}

TEST_F(EvaluatorTest, NormalFormOfTheText) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"2x", "2*X"},         {"2e", "2*E"},         {"2e3", "2E3"},        {"2e+1", "2E+1"},
      {"2exp(x)", "2*EXP(X)"}, {")(", ")*("},       {"x(x+1)", "X*(X+1)"}, {"exp(x)", "EXP(X)"},
      {"-x", "0-X"},         {"(-(-x))", "(0-(0-X))"}, {"3,5", "3.5"},     {"a.5", "A0.5"},
      {".5", "0.5"},         {"+7", "7"},            {"2e#", "2*W"},        {"2 k", "2K"},
  };
  for (const auto& c : cases) {
    std::u16string normal;
    EXPECT_EQ(NormalizeFormula(u16(c.in), normal), evalerr::Ok) << c.in;
    EXPECT_EQ(normal, u16(c.out)) << c.in;
  }
}

// ---------------------------------------------------------------------------
// The cache of compiled terms must give exactly what the direct reading gives.

std::string randomTerm(std::mt19937& rng, int depth) {
  static const char* atoms[] = {"x", "X", "2", "0", "3.5", "1e3", ",5", "pi", "e", "e#", "k",
                                "K", "y", "z", "1e-4000", "1e4000", "0.5", "7", "2x", "1/0",
                                // powers and multiples of x in every shape the compiler fuses
                                "x^2", "x^3", "3x^2", "x^2*3", "x^64", "x^65", "2x^5", "x^-2",
                                "x^2.5", "x^1", "1e3000x^3", "1e-3000*x^2", "0x^3"};
  static const char* funcs[] = {"sin", "cos", "tan", "cot", "asin", "acos", "atan", "sqrt",
                                "sqr", "ln", "log", "exp", "abs", "int", "sgn", "rect", "relu",
                                "sinh", "cosh", "tanh", "coth", "asinh", "acosh", "atanh",
                                "acoth", "fak", "erf", "PI", "E", "X", "W"};
  static const char* ops[] = {"+", "-", "*", "/", "^"};
  std::uniform_int_distribution<int> pick(0, 99);
  int kind = depth <= 0 ? 0 : pick(rng) % 6;
  auto choose = [&](auto& arr) { return std::string(arr[pick(rng) % std::size(arr)]); };
  switch (kind) {
    case 0: return choose(atoms);
    case 1: return choose(funcs) + "(" + randomTerm(rng, depth - 1) + ")";
    case 2: return choose(funcs) + randomTerm(rng, depth - 1);
    case 3: return "(" + randomTerm(rng, depth - 1) + ")";
    case 4: return "-" + randomTerm(rng, depth - 1);
    default: return randomTerm(rng, depth - 1) + choose(ops) + randomTerm(rng, depth - 1);
  }
}

std::string randomNoise(std::mt19937& rng) {
  static const char pieces[] = "x2e.,+-*/^()sinpkKE# 0";
  std::uniform_int_distribution<int> len(0, 12), ch(0, sizeof(pieces) - 2);
  std::string s;
  for (int n = len(rng); n > 0; --n) s += pieces[ch(rng)];
  return s;
}

// The same extended real, bit for bit (the sign of a zero included).
bool sameBits(Extended a, Extended b) {
  return std::memcmp(&a, &b, 10) == 0 || (std::isnan(a) && std::isnan(b));
}

TEST_F(EvaluatorTest, CompiledFormGivesExactlyTheDirectResult) {
  std::mt19937 rng(20261210);
  constexpr Extended inf = std::numeric_limits<Extended>::infinity();
  // -0, a subnormal and 1e1700 (whose cube overflows) besides ordinary values.
  const Extended xs[] = {0, 1, -1, 0.5L, -2.5L, 3, 1e-9L, 90, 1e300L, -1e4000L,
                         -0.0L, 1e-4940L, 1e1700L};
  int compared = 0;
  for (int t = 0; t < 6000; ++t) {
    std::string term = t % 4 == 3 ? randomNoise(rng) : randomTerm(rng, 1 + t % 5);
    std::u16string text = u16(term);
    for (int mode = 0; mode < 4; ++mode) {
      kernelState().AngleMode = mode;
      // Mode 3 is no angle mode; with it Y is infinite, which every use of Y must report.
      kernelState().FormulaY = mode == 3 ? inf : mode - 1;
      kernelState().FormulaZ = -0.0L;
      kernelState().FormulaK = 0.5L * t;
      for (Extended x : xs) {
        Extended v1 = -1, v2 = -2;
        std::int32_t e1 = -1, e2 = -2;
        EvaluateFormula(text, v1, e1, x);
        EvaluateFormulaDirect(text, v2, e2, x);
        ASSERT_EQ(e1, e2) << term << " x=" << static_cast<double>(x) << " mode " << mode;
        ASSERT_TRUE(sameBits(v1, v2))
            << term << " x=" << static_cast<double>(x) << " mode " << mode << " "
            << static_cast<double>(v1) << " != " << static_cast<double>(v2);
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 0);
}

// Terms whose compiled form once went wrong: an ignored argument at the
// bottom of the stack, and names that ignore an argument which fails.
TEST_F(EvaluatorTest, CompiledFormKeepsIgnoredArgumentsAndFailingSharedValues) {
  struct Case {
    const char* text;
    Extended y;
    Extended x;
  };
  constexpr Extended inf = std::numeric_limits<Extended>::infinity();
  const Case cases[] = {
      {"(rect W cot pi)-sin(K 2x^5)", 0, 0.5L},
      {"W(sin x)+x^2", 0, 2},
      {"PIy", inf, 1},
      {"-Ky", inf, 1},
      {"y+x^3", inf, 1},
      {"2*y", -inf, 1},
      {"x^3-2x^2+3x-1", 0, -0.0L},
      {"x^3", 0, -0.0L},
      {"2x^2/x^3", 0, 1e-2000L},
  };
  kernelState().AngleMode = 1;
  for (const auto& c : cases) {
    kernelState().FormulaY = c.y;
    for (int round = 0; round < 2; ++round) {  // compiled, then from the cache
      Extended v1 = -1, v2 = -2;
      std::int32_t e1 = -1, e2 = -2;
      EvaluateFormula(u16(c.text), v1, e1, c.x);
      EvaluateFormulaDirect(u16(c.text), v2, e2, c.x);
      EXPECT_EQ(e1, e2) << c.text;
      EXPECT_TRUE(sameBits(v1, v2)) << c.text << " " << static_cast<double>(v1) << " "
                                    << static_cast<double>(v2);
    }
  }
}

TEST_F(EvaluatorTest, CachedTermReadsCurrentSharedValues) {
  EXPECT_EQ(eval("sin(90)").value, std::sin(90.0L));
  kernelState().AngleMode = 0;
  EXPECT_EQ(eval("sin(90)").value, 1);
  kernelState().FormulaK = 4;
  EXPECT_EQ(eval("2K+x", 1).value, 9);
  kernelState().FormulaK = 5;
  EXPECT_EQ(eval("2K+x", 1).value, 11);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// A number directly after a variable is a syntax error, not an ignored
// argument; a parenthesis after a lower-case x still multiplies.
TEST_F(EvaluatorTest, NumberAfterAVariableIsAnError) {
  kernelState().FormulaK = 4;
  const ErrorCase cases[] = {
      {"2x3", 1003, 10},  {"x10", 1003, 5},  {"2+x10", 1003, 7}, {"K3", 1003, 4},
      {"x.5", 1003, 5},   {"y2", 1003, 0},   {"sin(x2)", 1003, NAN}, {"x(2)", 0, 10},
      {"x^2", 0, 25},     {"2x", 0, 10},     {"PI2", 0, kPi},
  };
  for (const auto& c : cases) {
    for (bool direct : {false, true}) {
      Extended value = -1;
      std::int32_t err = -1;
      if (direct)
        EvaluateFormulaDirect(u16(c.text), value, err, 5);
      else
        EvaluateFormula(u16(c.text), value, err, 5);
      EXPECT_EQ(err, c.err) << c.text;
      if (!std::isnan(static_cast<double>(c.value))) {
        EXPECT_EQ(value, c.value) << c.text;
      }
    }
  }
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// Two windows evaluate the same cached terms, one in degrees and one in
// radians, each with its own Y, Z and K; the program-wide settings are
// neither read nor changed.
TEST_F(EvaluatorTest, ContextsOfTwoWindows) {
  kernelState().AngleMode = 2;  // gon: neither window's mode
  kernelState().FormulaY = kernelState().FormulaZ = kernelState().FormulaK = 99;
  FormulaContext degrees;
  degrees.AngleMode = 0;
  degrees.Y = 2;
  degrees.K = 3;
  FormulaContext radians;
  radians.AngleMode = 1;
  radians.Z = -1;
  struct Case {
    const char* text;
    Extended inDegrees, inRadians;
  };
  const Case cases[] = {
      {"sin(90)", 1, std::sin(90.0L)},
      {"cos(x)", std::cos(kPi / 3), std::cos(60.0L)},  // x = 60
      {"atan(1)", 45, kPi / 4},
      {"tan(45)+y", 1 + 2, std::tan(45.0L)},
      {"asin(1)*K+z", 90 * 3, kPi / 2 * 0 - 1},
  };
  for (int round = 0; round < 2; ++round) {  // the second round from the cache
    for (const auto& c : cases) {
      for (bool direct : {false, true}) {
        Extended d = -1, r = -1;
        std::int32_t ed = -1, er = -1;
        if (direct) {
          EvaluateFormulaDirect(u16(c.text), d, ed, 60, degrees);
          EvaluateFormulaDirect(u16(c.text), r, er, 60, radians);
        } else {
          EvaluateFormula(u16(c.text), d, ed, 60, degrees);
          EvaluateFormula(u16(c.text), r, er, 60, radians);
        }
        EXPECT_EQ(ed, 0) << c.text;
        EXPECT_EQ(er, 0) << c.text;
        EXPECT_NEAR(static_cast<double>(d), static_cast<double>(c.inDegrees), 1e-15) << c.text;
        EXPECT_NEAR(static_cast<double>(r), static_cast<double>(c.inRadians), 1e-15) << c.text;
      }
    }
  }
  EXPECT_EQ(kernelState().AngleMode, 2);
  EXPECT_EQ(kernelState().FormulaY, 99);
  // Without a context the settings hold.
  EXPECT_EQ(eval("sin(100)+K").value, 1 + 99);
}

// The compiled form under a given context is the direct reading under it.
TEST_F(EvaluatorTest, CompiledFormUnderAContextGivesTheDirectResult) {
  std::mt19937 rng(77);
  kernelState().AngleMode = 1;
  for (int t = 0; t < 1500; ++t) {
    const std::u16string text = u16(randomTerm(rng, 1 + t % 5));
    FormulaContext context;
    context.AngleMode = t % 3 == 0 ? 0 : t % 3 == 1 ? 2 : 1;
    context.Y = 0.25L * t;
    context.Z = -3;
    context.K = t % 7;
    for (Extended x : {0.0L, -1.5L, 7.0L, 1e300L}) {
      Extended v1 = -1, v2 = -2;
      std::int32_t e1 = -1, e2 = -2;
      EvaluateFormula(text, v1, e1, x, context);
      EvaluateFormulaDirect(text, v2, e2, x, context);
      ASSERT_EQ(e1, e2) << std::string(text.begin(), text.end());
      ASSERT_TRUE(sameBits(v1, v2)) << std::string(text.begin(), text.end());
    }
  }
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// The double block path for text at xs against point-by-point evaluation:
// error codes agree wherever the exact value lies within ±1e300, values to
// 1e-9 relative to max(floor, |value|).
void expectDoublePathAgrees(const std::string& term, const std::vector<double>& xs,
                            const FormulaContext& context, double floor, const std::string& where) {
  const std::u16string text = u16(term);
  std::vector<double> values(xs.size(), -7);
  std::vector<std::int32_t> errs(xs.size(), -7);
  EvaluateFormulaBlockDouble(text, xs.data(), xs.size(), values.data(), errs.data(), context);
  for (size_t i = 0; i < xs.size(); ++i) {
    Extended v = -7;
    std::int32_t e = -7;
    EvaluateFormula(text, v, e, xs[i], context);
    if (e == 0 && std::fabs(v) > 1e300L) continue;  // off every chart
    char x[32];
    std::snprintf(x, sizeof x, "%g", xs[i]);
    const std::string at = term + " x=" + x + where;
    ASSERT_EQ(errs[i], e) << at;
    if (e != 0) continue;
    const double exact = static_cast<double>(v);
    EXPECT_LE(std::fabs(values[i] - exact), 1e-9 * std::max(floor, std::fabs(exact)))
        << at << ": " << values[i] << " against " << exact;
  }
}

// Every operator and name, the failures, over a grid of X that crosses poles
// and domain edges, in every angle mode and under a context (values absolute
// below 1).
const char* const kDoublePathTerms[] = {
      "x^3-2x^2+3x-1", "sin(x)*x^2+3x-1", "sqrt(abs(x))/(1+e^(-x))", "1/x", "1/(x-1)+2/x^2",
      "x/(x*x-4)", "sqrt(x)", "sqrt(x-1)+1", "ln(x)", "log(x+2)*2", "ln(0)*x", "0^x", "x^0",
      "x^x", "(-8)^(1/3)+x", "x^(1/3)", "(x-1)^-1", "2^x", "x^2.5", "exp(x*x)", "exp(1000x)",
      "tan(x)", "cot(x)", "asin(x/5)", "acos(x/5)", "atan(x)", "sinh(x)", "cosh(x*900)",
      "tanh(x)", "coth(x)", "asinh(x)", "acosh(x)", "atanh(x/5)", "acoth(x)", "int(x)+x",
      "sgn(x)", "rect(x)", "relu(x)", "sqr(x)", "fak(x)", "erf(x)", "pi*x+e", "e#*W",
      "x*Y+Z-K", "Y(x)", "X(1/x)", "-x", "-(x^4)", "x^7-x^6", "1/(sin(x))", "(x+1)(x-1)/(x-3)",
      "1/0", "2*", "", "(2", "abc", "2x3", "1e4000*x", "x*1e4000", "10^(x*400)", "x^70",
      "(x^2-1)^(0.5)", "2^(1/x)", "sin(x)^2+cos(x)^2", "exp(-x)^3/(1+x^4)",
};

TEST_F(EvaluatorTest, DoubleBlockPathAgreesWithTheExactEvaluation) {
  std::vector<double> xs;
  for (int i = -150; i <= 150; ++i) xs.push_back(i / 15.0);
  for (double special : {-0.0, 1e300, -1e300, 5e-324, 1e-200, 1e154,
                         std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()})
    xs.push_back(special);
  FormulaContext context;
  context.Y = 2;
  context.Z = -0.5L;
  context.K = 3;
  for (int mode : {0, 1, 2}) {
    context.AngleMode = mode;
    for (const char* term : kDoublePathTerms)
      expectDoublePathAgrees(term, xs, context, 1.0, " mode " + std::to_string(mode));
  }
}

// Intermediate values beyond the double range at extreme X: products and
// quotients that pass through 1e±400 and come back, constants that push them
// there, and the terms above. Values agree relative to themselves: one lost
// to underflow on the way shows as 0 or as wrong digits, not as a failure.
TEST_F(EvaluatorTest, DoubleBlockPathAtExtremeXAgreesWithTheExactEvaluation) {
  std::vector<std::string> terms = {
      "7.25/x/x*x*x+3", "x*x/x/x", "1/x/x*x*x", "x^2/x^2", "x^3/x^2/x", "x/1e300*1e300",
      "x*1e-300*x/x*1e300", "x*x*x*x/x/x/x", "1/(x*x)*x*x", "sqrt(x*x*x*x)/x/x", "exp(-x*x)*2",
      "exp(x)/exp(x)", "ln(x*x*x*x)", "atan(x*x)/x", "x^-2*x^2", "2^(-x*x)*x", "x*x*1e-200",
      "(x/1e100)^3*1e150", "erf(x*x)+x", "sinh(x*x)+x*x"};
  terms.insert(terms.end(), std::begin(kDoublePathTerms), std::end(kDoublePathTerms));
  std::vector<double> xs;
  for (int e = 150; e <= 300; e += 10)
    for (double m : {1.0, 3.7, 7.25})
      for (double x : {m * std::pow(10.0, e), m * std::pow(10.0, -e)}) {
        xs.push_back(x);
        xs.push_back(-x);
      }
  const FormulaContext context{0, 2, -0.5L, 3};
  for (const std::string& term : terms) expectDoublePathAgrees(term, xs, context, DBL_MIN, "");
}

TEST_F(EvaluatorTest, DoubleBlockPathKeepsAValueThatPassesBelowTheDoubleRange) {
  const double xs[] = {1e200, -1e200, 2, 1e-200};
  double values[4] = {};
  std::int32_t errs[4] = {-1, -1, -1, -1};
  EvaluateFormulaBlockDouble(u"7.25/x/x*x*x+3", xs, 4, values, errs);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(errs[i], 0) << xs[i];
    EXPECT_DOUBLE_EQ(values[i], 10.25) << xs[i];
  }
}

// Random terms with lengths that leave a short last block, with the
// program-wide settings.
TEST_F(EvaluatorTest, DoubleBlockPathOfRandomTerms) {
  std::mt19937 rng(4242);
  std::uniform_real_distribution<double> spread(-20, 20);
  kernelState().FormulaY = 1.5L;
  for (int t = 0; t < 3000; ++t) {
    const std::u16string text = u16(t % 5 == 4 ? randomNoise(rng) : randomTerm(rng, 1 + t % 5));
    kernelState().AngleMode = t % 3;
    std::vector<double> xs(1 + t % 150);
    for (double& x : xs) x = spread(rng);
    std::vector<double> values(xs.size());
    std::vector<std::int32_t> errs(xs.size());
    EvaluateFormulaBlockDouble(text, xs.data(), xs.size(), values.data(), errs.data());
    for (size_t i = 0; i < xs.size(); ++i) {
      Extended v = 0;
      std::int32_t e = -1;
      EvaluateFormula(text, v, e, xs[i]);
      if (e == 0 && std::fabs(v) > 1e300L) continue;
      const std::string at = std::string(text.begin(), text.end()) + " x=" + std::to_string(xs[i]);
      // Only the error codes: random terms include ill-conditioned ones
      // («atanh(tanh(x)^64)»), whose values differ between the precisions.
      ASSERT_EQ(errs[i], e) << at;
    }
  }
  EvaluateFormulaBlockDouble(u"x", nullptr, 0, nullptr, nullptr);  // nothing to do
}

}  // namespace
}  // namespace zw
