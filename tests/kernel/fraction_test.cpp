#include <gtest/gtest.h>

#include <random>
#include <string>

#include <boost/multiprecision/cpp_int.hpp>

#include "kernel/CalcFailure.h"
#include "kernel/Fraction.h"

namespace zw {
namespace {

std::string text(const std::u16string& s) { return std::string(s.begin(), s.end()); }

TEST(Fraction, ReduceKeepsTheDenominatorsSign) {
  struct Case { TBruch in, out; } cases[] = {
      {{0, 7}, {0, 1}}, {{-6, 4}, {-3, 2}}, {{6, -4}, {3, -2}}, {{0, 0}, {0, 1}},
      {{5, 0}, {5, 0}},  // a zero denominator is passed on, not "reduced" to 1/0
      {{12, 18}, {2, 3}},
  };
  for (const auto& c : cases) {
    TBruch f = c.in;
    BruchReduce(f);
    EXPECT_EQ(f, c.out) << c.in.z << "/" << c.in.n;
    int32_t z = c.in.z, n = c.in.n;
    ReducePair(z, n);
    EXPECT_EQ((TBruch{z, n}), c.out);
  }
}

TEST(Fraction, OperationsGiveReducedResultsWithPositiveDenominator) {
  struct Case { TBruch a, b; char op; TBruch r; } cases[] = {
      {{1, 2}, {1, -3}, '+', {1, 6}},   {{1, 2}, {1, 3}, '-', {1, 6}},
      {{-2, 3}, {9, 4}, '*', {-3, 2}},  {{1, 2}, {-3, 4}, '/', {-2, 3}},
      {{2, 3}, {-2, 1}, '^', {9, 4}},   {{2, 3}, {0, 1}, '^', {1, 1}},
      {{1, 2}, {0, 1}, '/', {1, 0}},    // division by zero: the caller tests the denominator
      {{0, 1}, {-1, 1}, '^', {1, 0}},   {{5, 3}, {1, 3}, '?', {0, 1}},
      {{-2, 1}, {3, 1}, '^', {-8, 1}},
      // The exponent is the reduced value of b: 4/2 is 2.
      {{3, 1}, {4, 2}, '^', {9, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BruchOp(c.a, c.b, c.op), c.r) << c.a.z << "/" << c.a.n << c.op << c.b.z << "/" << c.b.n;
  }
  EXPECT_EQ(BruchAdd({1, 2}, {1, -3}), (TBruch{1, 6}));
  EXPECT_EQ(BruchSub({1, 2}, {1, 2}), (TBruch{0, 1}));
  EXPECT_EQ(BruchMul({4, 6}, {3, 2}), (TBruch{1, 1}));
  EXPECT_EQ(BruchDiv({1, 1}, {-2, 3}), (TBruch{-3, 2}));
  EXPECT_EQ(BruchPower({-2, 3}, -3), (TBruch{-27, 8}));
  EXPECT_EQ(BruchPower({7, 5}, 0), (TBruch{1, 1}));
  EXPECT_EQ(BruchNeg({3, 4}), (TBruch{-3, 4}));
}

TEST(Fraction, ResultsBeyond32BitsRaiseOverflowInsteadOfWrapping) {
  // Intermediates beyond 32 bits are fine when the result fits.
  EXPECT_EQ(BruchMul({2147483647, 2}, {2, 1}), (TBruch{2147483647, 1}));
  EXPECT_EQ(BruchMul({100000, 3}, {3, 100000}), (TBruch{1, 1}));
  EXPECT_EQ(BruchAdd({1, 65536}, {1, 65536}), (TBruch{1, 32768}));
  EXPECT_EQ(BruchPower({2, 1}, 30), (TBruch{1073741824, 1}));
  EXPECT_THROW(BruchMul({65536, 1}, {65536, 1}), FractionOverflow);
  EXPECT_THROW(BruchAdd({2147483647, 1}, {1, 1}), FractionOverflow);
  EXPECT_THROW(BruchAdd({1, 65537}, {1, 65539}), FractionOverflow);  // denominator 4295229443
  EXPECT_THROW(BruchPower({2, 1}, 31), FractionOverflow);
  EXPECT_THROW(BruchPower({1, 3}, 21), FractionOverflow);
  EXPECT_THROW(BruchOp({2, 1}, {2147483647, 1}, '^'), FractionOverflow);
  // Huge exponents of ±1 take no time (squaring, not a loop of |e| steps).
  EXPECT_EQ(BruchOp({-1, 1}, {2147483647, 1}, '^'), (TBruch{-1, 1}));
  EXPECT_EQ(BruchPower({1, 1}, 1000000000000LL), (TBruch{1, 1}));
  try {
    BruchMul({65536, 1}, {65536, 1});
  } catch (const CalcFailure& f) {
    EXPECT_EQ(f.message(), 44);
  }
}

// Every operation against exact big rationals: the exact result when it
// fits 32 bits, FractionOverflow when it does not.
TEST(Fraction, OperationsAgreeWithExactRationals) {
  using Rational = boost::multiprecision::cpp_rational;
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> bits(1, 31);
  auto part = [&](bool allowZero) {
    for (;;) {
      const int64_t v = static_cast<int64_t>(rng() % (1ULL << bits(rng)));
      if (v != 0 || allowZero) return static_cast<int32_t>(rng() % 2 ? v : -v);
    }
  };
  int fitted = 0, overflowed = 0;
  for (int i = 0; i < 20000; ++i) {
    const TBruch a{part(true), part(false)}, b{part(true), part(false)};
    const char op = "+-*/^"[i % 5];
    TBruch e = b;
    if (op == '^') e = TBruch{static_cast<int32_t>(rng() % 9) - 4, 1};
    if (op == '/' && b.z == 0) continue;
    if (op == '^' && a.z == 0 && e.z < 0) continue;
    auto exact = [](TBruch f) { return Rational(f.z) / Rational(f.n); };
    const Rational x = exact(a), y = exact(e);
    Rational r;
    switch (op) {
      case '+': r = x + y; break;
      case '-': r = x - y; break;
      case '*': r = x * y; break;
      case '/': r = x / y; break;
      default:
        r = 1;
        for (int k = 0; k < std::abs(e.z); ++k) r *= e.z >= 0 ? x : 1 / x;
        break;
    }
    const bool fits = abs(numerator(r)) <= INT32_MAX && denominator(r) <= INT32_MAX;
    try {
      const TBruch got = BruchOp(a, e, op);
      ASSERT_TRUE(fits) << i;
      EXPECT_EQ(exact(got), r) << i;
      EXPECT_GT(got.n, 0) << i;
      ++fitted;
    } catch (const FractionOverflow&) {
      ASSERT_FALSE(fits) << i;
      ++overflowed;
    }
  }
  EXPECT_GT(fitted, 1000);
  EXPECT_GT(overflowed, 1000);
}

TEST(Fraction, NonWholeExponentIsAnError) {
  EXPECT_THROW(BruchOp({4, 1}, {1, 2}, '^'), CalcFailure);
  EXPECT_THROW(BruchfOp({4, 1}, {2, 4}, '^'), CalcFailure);  // 4^(2/4) is no fraction
  EXPECT_THROW(BruchfOp({4, 1}, {1, 2}, '^'), CalcFailure);
  Extended num = 0, den = 0;
  EXPECT_THROW(BruchOpExt('^', num, den, 2, 3, 1, 3), CalcFailure);
}

TEST(Fraction, TextToBruchReadsFractionsMixedNumbersAndDecimals) {
  struct Case { std::u16string in; TBruch out; } cases[] = {
      {u"", {0, 1}},          {u"  -3/6 ", {-1, 2}}, {u"2 3/4", {11, 4}},
      {u"-2 3/4", {-11, 4}},  {u"-2 1/2", {-5, 2}},  {u"0,125", {1, 8}},
      {u"1,25", {5, 4}},      {u"7", {7, 1}},        {u"1/0", {1, 0}},
      // No cut of long inputs: 150 leading zeros still read as 5.
      {u"-" + std::u16string(150, u'0') + u"5", {-5, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToBruch(c.in), c.out) << text(c.in);
  for (const std::u16string bad : {u"1.5", u"1/2,5", u"abc", u"3/x", u"2147483648", u"0,0000000001"}) {
    try {
      TextToBruch(bad);
      ADD_FAILURE() << text(bad);
    } catch (const CalcFailure& f) {
      EXPECT_EQ(f.message(), msg::InvalidInput) << text(bad);
    }
  }
  // A typed value: the same reading, and a zero denominator is no number either.
  EXPECT_EQ(ReadBruchInput(u" -2 3/4"), (TBruch{-11, 4}));
  for (const std::u16string bad : {u"1/0", u"-3/0", u"abc"}) {
    try {
      ReadBruchInput(bad);
      ADD_FAILURE() << text(bad);
    } catch (const CalcFailure& f) {
      EXPECT_EQ(f.message(), msg::InvalidInput) << text(bad);
    }
  }
}

TEST(Fraction, TextAndPredicates) {
  EXPECT_EQ(BruchToText({5, 1}), u"5");
  EXPECT_EQ(BruchToText({-3, 4}), u"-3/4");
  EXPECT_EQ(BruchToText({6, 8}), u"6/8");
  EXPECT_TRUE(BruchIsZero({0, 0}));
  EXPECT_FALSE(BruchIsZero({1, 0}));
  EXPECT_TRUE(BruchIsOne({3, 3}));
  EXPECT_FALSE(BruchIsOne({-1, -1}));
  EXPECT_FALSE(BruchIsOne({1, 2}));
  EXPECT_DOUBLE_EQ(static_cast<double>(BruchToReal({-3, 4})), -0.75);
  EXPECT_THROW(BruchToReal({1, 0}), CalcFailure);
  TBruch one{};
  BruchSetOne(one);
  EXPECT_EQ(one, (TBruch{1, 1}));
  EXPECT_EQ(BruchFromInt(-7), (TBruch{-7, 1}));
}

TEST(Fraction, ExtendedFractions) {
  struct Case { TBruchf a, b; char op; TBruchf r; } cases[] = {
      {{1, 2}, {1, 3}, '+', {5, 6}},      {{1, 2}, {1, 3}, '-', {1, 6}},
      {{2, 3}, {9, 4}, '*', {3, 2}},      {{1, 2}, {3, 4}, '/', {2, 3}},
      {{2, 3}, {-2, 1}, '^', {9, 4}},     {{4, 1}, {4, 2}, '^', {16, 1}},
      {{1, 2}, {0, 1}, '/', {1, 0}},      {{1, 1}, {1e12L, 1}, '^', {1, 1}},
      {{-1, 1}, {1e12L + 1, 1}, '^', {-1, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(BruchfOp(c.a, c.b, c.op), c.r) << c.op;
  EXPECT_THROW(BruchfOp({2, 1}, {100000, 1}, '^'), FractionOverflow);
  EXPECT_EQ(RealToBruchf(0.25L), (TBruchf{1, 4}));
  EXPECT_EQ(RealToBruchf(0), (TBruchf{0, 1}));
  TBruchf f{-6, 4};
  BruchfReduce(f);
  EXPECT_EQ(f, (TBruchf{-3, 2}));
}

TEST(Fraction, BruchOpExt) {
  struct Case { char op; Extended za, na, zb, nb, num, den; } cases[] = {
      {'^', 2, 3, -2, 1, 9, 4}, {'^', 2, 3, -2, 2, 3, 2}, {'+', 1, 2, 1, 3, 5, 6},
      {'-', 1, 4, 3, 4, -1, 2}, {'*', 2, 3, 3, 4, 1, 2},  {'/', 1, 2, -1, 4, -2, 1},
  };
  for (const auto& c : cases) {
    Extended num = 0, den = 0;
    BruchOpExt(c.op, num, den, c.za, c.na, c.zb, c.nb);
    EXPECT_EQ(num, c.num) << c.op;
    EXPECT_EQ(den, c.den) << c.op;
  }
  // An unknown operator keeps num/den and still reduces them.
  Extended num = 6, den = -4;
  BruchOpExt('?', num, den, 1, 1, 1, 1);
  EXPECT_EQ(num, -3);
  EXPECT_EQ(den, 2);
  EXPECT_THROW(BruchOpExt('^', num, den, 10, 1, 100000, 1), CalcFailure);
}

}  // namespace
}  // namespace zw
