#include "kernel/BigInt.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include <boost/multiprecision/cpp_int.hpp>

#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"

using namespace zw;
using boost::multiprecision::cpp_int;

namespace {

std::u16string u(const std::string& s) { return std::u16string(s.begin(), s.end()); }
std::string narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }

TBigInt big(const std::string& s) {
  TBigInt a;
  BigIntFromStr(u(s), a);
  return a;
}

// The value straight from the limbs (independent of the text routines).
cpp_int value(const TBigInt& a) {
  cpp_int v = 0;
  const int n = static_cast<int>(a[0] < 0 ? -a[0] : a[0]);
  for (int i = n; i >= 1; --i) v = v * 1000000000 + a[i];
  return a[0] < 0 ? cpp_int(-v) : v;
}

int limbs(const cpp_int& v) {
  const std::string s = (v < 0 ? cpp_int(-v) : v).str();
  return static_cast<int>((s.size() + 8) / 9);
}

// Checks the invariants of a proper (non-overflow) value and that it is v.
void expectValue(const TBigInt& a, const cpp_int& v, const std::string& what) {
  ASSERT_NE(a[0], 0) << what << ": unexpected overflow";
  const int n = static_cast<int>(a[0] < 0 ? -a[0] : a[0]);
  EXPECT_EQ(n, std::max(1, limbs(v))) << what;
  for (int i = 1; i < BigIntCells; ++i) {
    if (i <= n) {
      EXPECT_TRUE(a[i] >= 0 && a[i] < BigIntBase) << what;
    } else if (a[i] != 0) {
      ADD_FAILURE() << what << ": cell " << i << " above the count is not 0";
      break;
    }
  }
  EXPECT_EQ(value(a), v) << what;
}

std::string randomDigits(std::mt19937_64& gen, int n) {
  std::uniform_int_distribution<int> digit(0, 9), first(1, 9);
  std::string s(1, static_cast<char>('0' + first(gen)));
  for (int i = 1; i < n; ++i) s += static_cast<char>('0' + digit(gen));
  return s;
}

struct BigIntTest : ::testing::Test {
  void TearDown() override { kernelState().reset(); }
};

}  // namespace

TEST(BigIntText, ParseAndPrint) {
  struct Case {
    const char* in;
    std::int64_t count;
    const char* out;
  };
  const Case cases[] = {
      {"-0", -1, "0"},
      {"1 000 000 000", 2, "1000000000"},
      {"", 1, "0"},
      {"  42  ", 1, "42"},
      {"000000000000000007", 1, "7"},
      {"-123456789012345678901", -3, "-123456789012345678901"},
  };
  for (const Case& c : cases) {
    TBigInt a = big(c.in);
    EXPECT_EQ(a[0], c.count) << c.in;
    EXPECT_EQ(narrow(BigIntToStr(a)), c.out) << c.in;
  }
  TBigInt a;
  BigIntZero(a);
  a[0] = 2;
  a[1] = 5;
  a[2] = 1;
  EXPECT_EQ(narrow(BigIntToStr(a)), "1000000005");
}

TEST(BigIntText, OnlyDigitsAreAccepted) {
  for (const char* bad : {"1+12345678", "+5", "12a", "-", "--5", "1-2", "0x1F", "$1F", "1.5", "1e5", "12345678901+2"}) {
    TBigInt a;
    EXPECT_THROW(BigIntFromStr(u(bad), a), CalcFailure) << bad;
  }
  TBigInt a;
  EXPECT_THROW(BigIntFromStr(u"\u0663", a), CalcFailure);  // an Arabic-Indic digit
}

TEST(BigIntText, TooManyDigitsGiveTheOverflowState) {
  const std::string limit(1119 * 9, '9');
  EXPECT_EQ(big(limit)[0], 1119);
  EXPECT_EQ(big("-" + limit)[0], -1119);
  EXPECT_EQ(big("1" + limit)[0], 0);
  EXPECT_EQ(big(std::string(30000, '7'))[0], 0);  // far beyond the cells
  EXPECT_EQ(big(std::string(20000, '0') + "5")[0], 1);  // leading zeros are no digits
}

TEST(BigIntText, ShortForm) {
  struct Case {
    const char* in;
    const char16_t* out;
  };
  const Case cases[] = {
      {"123456", u"1,23 \u2219 10^5"},  {"-1000", u"-1,00 \u2219 10^3"},
      {"999", u"999"},                  {"-7", u"-7"},
      {"99960", u"1,00 \u2219 10^5"},   {"99949", u"9,99 \u2219 10^4"},
      {"1235", u"1,24 \u2219 10^3"},    {"9999999999", u"1,00 \u2219 10^10"},
  };
  for (const Case& c : cases) EXPECT_EQ(BigIntToSci(big(c.in)), c.out) << c.in;
}

TEST(BigIntText, Grouping) {
  struct Case {
    const char16_t* in;
    const char16_t* out;
  };
  const Case cases[] = {{u"1234567", u"1 234 567"}, {u"-123", u"- 123"}, {u"  123456 ", u"123 456"},
                        {u"12", u"12"},             {u"", u""},          {u"-1234", u"-1 234"}};
  for (const Case& c : cases) EXPECT_EQ(BigIntGroupDigits(c.in), c.out);
  EXPECT_EQ(BigIntStripBlanks(u" 1 234  5 "), u"12345");
}

TEST(BigIntArith, WorkedCases) {
  struct Case {
    const char *a, *b, *sum, *diff, *prod;
  };
  const Case cases[] = {
      {"999999999", "1", "1000000000", "999999998", "999999999"},
      {"5", "7", "12", "-2", "35"},
      {"-5", "-5", "-10", "0", "25"},
      {"-5", "7", "2", "-12", "-35"},
      {"1000000000", "1000000000", "2000000000", "0", "1000000000000000000"},
  };
  for (const Case& c : cases) {
    TBigInt r;
    BigIntAdd(big(c.a), big(c.b), r);
    EXPECT_EQ(narrow(BigIntToStr(r)), c.sum) << c.a << "+" << c.b;
    BigIntSub(big(c.a), big(c.b), r);
    EXPECT_EQ(narrow(BigIntToStr(r)), c.diff) << c.a << "-" << c.b;
    BigIntMul(big(c.a), big(c.b), r);
    EXPECT_EQ(narrow(BigIntToStr(r)), c.prod) << c.a << "*" << c.b;
  }
  TBigInt r;
  BigIntMul(big("1000000000"), big("1000000000"), r);
  EXPECT_EQ(r[0], 3);
}

TEST(BigIntArith, DivisionTruncates) {
  struct Case {
    const char *a, *b, *q, *r;
  };
  const Case cases[] = {
      {"-7", "2", "-3", "-1"},
      {"7", "-2", "-3", "1"},
      {"-7", "-2", "3", "-1"},
      {"12345678901234567890", "1234567890123", "10000000", "4567890"},
      {"5", "12345678901234", "0", "5"},
      {"12345678901234", "12345678901234", "1", "0"},
  };
  for (const Case& c : cases) {
    TBigInt q, r;
    BigIntDivMod(big(c.a), big(c.b), q, r);
    EXPECT_EQ(narrow(BigIntToStr(q)), c.q) << c.a << "/" << c.b;
    EXPECT_EQ(narrow(BigIntToStr(r)), c.r) << c.a << "/" << c.b;
  }
  TBigInt q, r;
  BigIntDivMod(big("17"), big("0"), q, r);
  EXPECT_EQ(q[0], 0);
  std::u16string sq, sr;
  DivModStr(u"12345678901234567890", u"1234567890123", sq, sr);
  EXPECT_EQ(sq, u"10000000");
  EXPECT_EQ(sr, u"4567890");
}

// Random operands of up to 10,000 digits against an independent big-integer
// library, including the limb-count overflow rules of products.
TEST(BigIntArith, AgreesWithCppIntOnRandomOperands) {
  std::mt19937_64 gen(2024);
  std::uniform_int_distribution<int> len(1, 10000), small(1, 40), coin(0, 1);
  for (int round = 0; round < 150; ++round) {
    const int la = round % 3 == 0 ? small(gen) : len(gen);
    const int lb = round % 5 == 0 ? small(gen) : len(gen);
    const std::string sa = (coin(gen) ? "-" : "") + randomDigits(gen, la);
    const std::string sb = (coin(gen) ? "-" : "") + randomDigits(gen, lb);
    const TBigInt a = big(sa), b = big(sb);
    const cpp_int x(sa), y(sb);
    const std::string what = std::to_string(la) + " and " + std::to_string(lb) + " digits";
    TBigInt c;
    BigIntAdd(a, b, c);
    expectValue(c, x + y, "sum of " + what);
    BigIntSub(a, b, c);
    expectValue(c, x - y, "difference of " + what);
    BigIntMul(a, b, c);
    const int ca = limbs(x), cb = limbs(y);
    const bool overflow = cb == 1 ? limbs(x * y) > 1120 : ca + cb >= 1120;
    if (overflow)
      EXPECT_EQ(c[0], 0) << "product of " << what;
    else
      expectValue(c, x * y, "product of " + what);
    TBigInt q, r;
    BigIntDivMod(a, b, q, r);
    expectValue(q, x / y, "quotient of " + what);
    expectValue(r, x % y, "remainder of " + what);
    EXPECT_EQ(narrow(BigIntToStr(c[0] ? c : a)), (c[0] ? x * y : x).str()) << what;
  }
}

// Operand sizes around the switch to the divide-and-conquer product and
// operands of nines only (carries through every limb).
TEST(BigIntArith, ProductsOfAllShapes) {
  std::mt19937_64 gen(99);
  const int sizes[] = {9, 10, 353, 360, 369, 711, 720, 729, 1441, 2890, 5000};
  for (int la : sizes)
    for (int lb : sizes) {
      if (la + lb > 10000) continue;
      for (bool nines : {false, true}) {
        const std::string sa = nines ? std::string(la, '9') : randomDigits(gen, la);
        const std::string sb = nines ? std::string(lb, '9') : randomDigits(gen, lb);
        TBigInt c;
        BigIntMul(big(sa), big(sb), c);
        expectValue(c, cpp_int(sa) * cpp_int(sb), std::to_string(la) + " x " + std::to_string(lb));
        TBigInt q, r;
        BigIntDivMod(c, big(sb), q, r);
        expectValue(q, cpp_int(sa), "back division");
        expectValue(r, 0, "back division remainder");
      }
    }
}

// Division by the long method and by divide and conquer (from 60 limbs of
// divisor and of quotient on), on both sides of that switch: random digits,
// nines, divisors with a small top limb, and the largest remainder.
TEST(BigIntArith, DivisionAroundTheMethodSwitch) {
  std::mt19937_64 gen(7);
  const int divisorLimbs[] = {2, 3, 59, 60, 61, 120, 121};
  const int quotientLimbs[] = {1, 2, 59, 60, 61, 122};
  auto digitsOf = [&](int limbCount, int shape) {
    const int d = 9 * limbCount - (shape == 2 ? 8 : 0);  // shape 2: top limb 1
    if (shape == 1) return std::string(d, '9');
    if (shape == 2) return "1" + std::string(d - 1, '0');
    return randomDigits(gen, d);
  };
  for (int nb : divisorLimbs)
    for (int nq : quotientLimbs)
      for (int shape = 0; shape < 4; ++shape) {
        const cpp_int b(digitsOf(nb, shape == 3 ? 0 : shape));
        const cpp_int q(digitsOf(nq, shape == 2 ? 1 : shape == 3 ? 0 : shape));
        const cpp_int a = shape == 3 ? b * q + b - 1 : cpp_int(digitsOf(nb + nq, shape));
        TBigInt bq, br;
        BigIntDivMod(big(a.str()), big(b.str()), bq, br);
        const std::string what = std::to_string(nb + nq) + " by " + std::to_string(nb) +
                                 " limbs, shape " + std::to_string(shape);
        expectValue(bq, a / b, "quotient of " + what);
        expectValue(br, a % b, "remainder of " + what);
      }
  // Random sizes on both sides, with limbs drawn from the extremes.
  std::uniform_int_distribution<int> size(1, 130);
  std::uniform_int_distribution<int> kind(0, 3);
  auto limbText = [&](int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
      const int k = kind(gen);
      std::string limb = k == 0 ? "999999999" : k == 1 ? "000000000" : randomDigits(gen, 9);
      if (i == 0 && limb[0] == '0') limb[0] = '1';
      s += limb;
    }
    return s;
  };
  for (int round = 0; round < 400; ++round) {
    const cpp_int b(limbText(1 + size(gen))), a(limbText(size(gen) + size(gen)));
    TBigInt bq, br;
    BigIntDivMod(big(a.str()), big(b.str()), bq, br);
    expectValue(bq, a / b, "random quotient " + std::to_string(round));
    expectValue(br, a % b, "random remainder " + std::to_string(round));
  }
}

TEST(BigIntArith, ProductLimbRules) {
  // Limb counts adding up to 1120 overflow even when the product would fit.
  TBigInt a = big("1" + std::string(9 * 559, '0'));  // 560 limbs
  TBigInt c;
  BigIntMul(a, a, c);
  EXPECT_EQ(c[0], 0);
  TBigInt b = big(std::string(9 * 559, '9'));  // 559 limbs
  BigIntMul(a, b, c);
  expectValue(c, value(a) * value(b), "560 limbs times 559 limbs");
  // A one-limb factor may fill all 1120 cells, never more.
  TBigInt nines = big(std::string(1119 * 9, '9'));
  BigIntMul(nines, big("999999999"), c);
  expectValue(c, cpp_int(std::string(1119 * 9, '9')) * 999999999, "1119 limbs times one");
  EXPECT_EQ(c[0], 1120);
  TBigInt d;
  BigIntMul(c, big("999999999"), d);
  EXPECT_EQ(d[0], 0);
  // A sum needing limb 1121 is an overflow, not a write past the cells.
  BigIntAdd(c, c, d);
  EXPECT_EQ(d[0], 0);
  BigIntSub(c, big("1"), d);
  EXPECT_EQ(d[0], 1120);
  // Overflow is sticky.
  TBigInt over = big(std::string(20000, '1'));
  for (auto op : {BigIntAdd, BigIntSub, BigIntMul}) {
    op(over, big("1"), d);
    EXPECT_EQ(d[0], 0);
    op(big("1"), over, d);
    EXPECT_EQ(d[0], 0);
  }
  TBigInt q, r;
  BigIntDivMod(over, big("3"), q, r);
  EXPECT_EQ(q[0], 0);
}

TEST(BigIntArith, OutputMayBeAnInput) {
  TBigInt a = big("-123456789012345678901234567890");
  BigIntMul(a, a, a);
  EXPECT_EQ(value(a), cpp_int("123456789012345678901234567890") * cpp_int("123456789012345678901234567890"));
  TBigInt b = big("1000000000000000000000");
  TBigInt r;
  BigIntDivMod(a, b, a, r);
  TBigInt s = big("5");
  BigIntAdd(s, s, s);
  EXPECT_EQ(value(s), 10);
}

TEST(BigIntFunctions, PowersAndNegativeExponents) {
  struct Case {
    const char* a;
    std::int64_t n;
    const char* result;  // nullptr: the overflow state
  };
  const Case cases[] = {
      {"-2", 3, "-8"},  {"-2", 4, "16"},  {"0", 0, "1"},   {"5", 0, "1"},  {"0", 5, "0"},
      {"2", -3, nullptr}, {"0", -1, nullptr}, {"1", -3, "1"}, {"-1", -3, "-1"}, {"-1", -4, "1"},
      {"10", 10071, nullptr},
  };
  for (const Case& c : cases) {
    TBigInt r;
    BigIntPower(big(c.a), c.n, r);
    if (c.result)
      EXPECT_EQ(narrow(BigIntToStr(r)), c.result) << c.a << "^" << c.n;
    else
      EXPECT_EQ(r[0], 0) << c.a << "^" << c.n;
  }
  std::mt19937_64 gen(7);
  for (int i = 0; i < 40; ++i) {
    const std::string base = (i % 2 ? "-" : "") + randomDigits(gen, 1 + i * 7 % 60);
    const std::int64_t n = 1 + i * 37 % 700;
    TBigInt r;
    BigIntPower(big(base), n, r);
    const cpp_int exact = pow(cpp_int(base), static_cast<unsigned>(n));
    if (r[0] != 0)
      expectValue(r, exact, base + "^" + std::to_string(n));
    else
      EXPECT_GE(limbs(exact), 1000) << base << "^" << n << " overflowed though small";
  }
}

TEST(BigIntFunctions, SmallFactorProductsAndTheirLimit) {
  TBigInt c;
  // n! reaches 1120 limbs at 3269; 3270 sees them before its last factor.
  BigIntFactorial(3269, c);
  cpp_int f = 1;
  for (int i = 2; i <= 3269; ++i) f *= i;
  expectValue(c, f, "3269!");
  EXPECT_EQ(c[0], 1120);
  BigIntFactorial(3270, c);
  EXPECT_EQ(c[0], 0);
  BigIntFactorial(1000000000000LL, c);
  EXPECT_EQ(c[0], 0);
  for (std::int64_t n : {0, 1, 2, 20, 100}) {
    cpp_int g = 1;
    for (int i = 2; i <= n; ++i) g *= i;
    BigIntFactorial(n, c);
    expectValue(c, g, std::to_string(n) + "!");
  }
  // 2^n and 10^n: the test before the last factor.
  int last2 = 0;
  for (int n = 33440; n < 33470; ++n) {
    BigIntPow2(c, n);
    const cpp_int before = pow(cpp_int(2), static_cast<unsigned>(n - 1));
    if (limbs(before) >= 1120) {
      EXPECT_EQ(c[0], 0) << n;
    } else {
      expectValue(c, before * 2, "2^" + std::to_string(n));
      last2 = n;
    }
  }
  EXPECT_GT(last2, 33440);
  BigIntPow10(c, 10071);
  EXPECT_EQ(c[0], 1120);
  EXPECT_EQ(c[1120], 1);
  BigIntPow10(c, 10072);
  EXPECT_EQ(c[0], 0);
  BigIntPow10(c, 19);
  EXPECT_EQ(narrow(BigIntToStr(c)), "10000000000000000000");
  for (auto fn : {BigIntPow2, BigIntPow10}) {
    fn(c, -1);
    EXPECT_EQ(c[0], 0);
    fn(c, 0);
    EXPECT_EQ(narrow(BigIntToStr(c)), "1");
  }
  BigIntFactorial(-1, c);
  EXPECT_EQ(c[0], 0);
}

TEST(BigIntFunctions, BinomialsAndPermutations) {
  struct Case {
    std::int64_t n, k;
    const char *nCr, *nPr;  // nullptr: the overflow state
  };
  const Case cases[] = {
      {5, 7, "0", "0"},     {5, 0, "1", "1"},    {10, 8, "45", "1814400"}, {5, 2, "10", "20"},
      {5, 4, "5", "120"},   {5, 5, "1", "120"},  {5, 6, "0", "0"},         {1, 1, "1", "1"},
      {0, 0, "1", "1"},     {5, -1, nullptr, nullptr}, {-5, 2, nullptr, nullptr},
      {3000000000LL, 2, "4499999998500000000", "8999999997000000000"},
  };
  for (const Case& c : cases) {
    TBigInt r;
    BigIntBinomial(c.n, c.k, r);
    if (c.nCr)
      EXPECT_EQ(narrow(BigIntToStr(r)), c.nCr) << "nCr " << c.n << "," << c.k;
    else
      EXPECT_EQ(r[0], 0) << "nCr " << c.n << "," << c.k;
    BigIntPermutations(c.n, c.k, r);
    if (c.nPr)
      EXPECT_EQ(narrow(BigIntToStr(r)), c.nPr) << "nPr " << c.n << "," << c.k;
    else
      EXPECT_EQ(r[0], 0) << "nPr " << c.n << "," << c.k;
  }
  for (std::int64_t n : {50, 333, 2000, 5000})
    for (std::int64_t k : {1, 7, 100, 1000}) {
      if (k > n) continue;
      cpp_int num = 1, den = 1;
      for (std::int64_t i = 0; i < k; ++i) num *= n - i;
      for (std::int64_t i = 2; i <= k; ++i) den *= i;
      TBigInt r;
      BigIntPermutations(n, k, r);
      expectValue(r, num, "nPr " + std::to_string(n) + "," + std::to_string(k));
      BigIntBinomial(n, k, r);
      expectValue(r, num / den, "nCr " + std::to_string(n) + "," + std::to_string(k));
    }
}

// Binomials whose intermediate product n·…·(n-k+1) exceeds the limit while
// the result fits; and results beyond the limit.
TEST(BigIntFunctions, BinomialsBeyondTheirProduct) {
  auto oracle = [](std::int64_t n, std::int64_t k) {
    cpp_int r = 1;
    for (std::int64_t i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
  };
  const std::pair<std::int64_t, std::int64_t> cases[] = {
      {6000, 3000}, {6000, 2999}, {33000, 16500}, {20000, 3}, {1000000000000LL, 800},
      {2000000000LL, 1000}, {999999999, 500}, {7001, 3500},
  };
  for (const auto& [n, k] : cases) {
    const cpp_int exact = oracle(n, k);
    TBigInt r;
    BigIntBinomial(n, k, r);
    const std::string what = "nCr " + std::to_string(n) + "," + std::to_string(k);
    if (limbs(exact) > 1120)
      EXPECT_EQ(r[0], 0) << what;
    else
      expectValue(r, exact, what);
  }
  TBigInt r;
  BigIntBinomial(6000, 3000, r);
  EXPECT_EQ(BigIntToStr(r).size(), 1805u);
  BigIntPermutations(6000, 3000, r);  // 6000!/3000! has about 11,000 digits
  EXPECT_EQ(r[0], 0);
  BigIntBinomial(40000, 20000, r);  // about 12,000 digits
  EXPECT_EQ(r[0], 0);
}

TEST_F(BigIntTest, ResultLines) {
  BigIntTextOptions o{true, true};
  TBigInt six = big("1" + std::string(45, '0'));  // 6 limbs
  EXPECT_EQ(BigIntResultText(six, o),
            BigIntGroupDigits(BigIntToStr(six)) + u"\r\n = 1,00 \u2219 10^45");
  EXPECT_EQ(BigIntResultText(big("1234567890"), o), u"1 234 567 890 = 1,23 \u2219 10^9");
  EXPECT_EQ(BigIntResultText(big("-1234567890"), o), u"-1 234 567 890");  // negatives: no short form
  EXPECT_EQ(BigIntResultText(big("999"), o), u"999");
  TBigInt over;
  BigIntFactorial(4000, over);
  EXPECT_EQ(BigIntResultText(over, o), u"  *** OVERFLOW ***");

  o = {false, false};
  EXPECT_EQ(BigIntOpLine(big("3"), big("4"), big("7"), u"+", o), u"3  +  4  =  7\r\n");
  EXPECT_EQ(BigIntOpLine(big("3"), big("-4"), big("-1"), u"+", o), u"3  +  (-4)  =  -1\r\n");
  EXPECT_EQ(BigIntFuncLine(u"!", big("120"), 5, o), u"5 !  =  120");
  EXPECT_EQ(BigIntFuncLine(u"2^", big("8"), 3, o), u"2 ^ 3  =  8");
  EXPECT_EQ(BigIntFuncLine(u"10^", big("1000"), 3, o), u"10 ^ 3  =  1000");
  EXPECT_EQ(BigIntFuncLine(u"2^", over, -3, o), u"2 ^ -3  =    *** OVERFLOW ***");
  EXPECT_EQ(BigIntPowerLine(big("-2"), big("-8"), 3, o), u"-2 ^ 3  =  -8");
  EXPECT_EQ(BigIntCombLine(big("10"), u"nCr", 5, 2, o), u"nCr(5,2)  =  10");

  TBigInt q, r;
  BigIntDivMod(big("17"), big("-5"), q, r);
  EXPECT_EQ(BigIntDivLine(big("17"), big("-5"), q, r, u"Rest", o), u"17  div   (-5)  =  -3  Rest  2\r\n");
  BigIntDivMod(big("17"), big("0"), q, r);
  EXPECT_EQ(BigIntDivLine(big("17"), big("0"), q, r, u"Rest", o), u"17  div  0  =    *** OVERFLOW ***");
  o = {true, true};
  const TBigInt a = big("12345678901234567890");
  BigIntDivMod(a, big("1000"), q, r);
  EXPECT_EQ(BigIntDivLine(a, big("1000"), q, r, u"remainder", o),
            u"12 345 678 901 234 567 890  div  1 000  =  12 345 678 901 234 567  remainder  890\r\n"
            u" =  1,23 \u2219 10^16  remainder  890\r\n");
}

TEST(BigIntWorkers, MagnitudesAndSmallDivisors) {
  TBigInt c;
  BigIntAddAbs(big("-5"), big("7"), c);
  EXPECT_EQ(narrow(BigIntToStr(c)), "12");
  BigIntSubAbs(big("5"), big("-7"), c);  // the smaller is taken from the larger
  EXPECT_EQ(narrow(BigIntToStr(c)), "2");
  EXPECT_EQ(BigIntCompare(big("-9"), big("8")), 1);
  EXPECT_EQ(BigIntCompare(big("1000000000"), big("-999999999")), 1);
  EXPECT_EQ(BigIntCompare(big("-12"), big("12")), 0);
  EXPECT_TRUE(BigIntLess(big("3"), big("-4")));
  EXPECT_TRUE(BigIntGreater(big("-4"), big("3")));
  EXPECT_EQ(BigIntDivInt(big("1000000000000000000007"), 10, c), 7);
  EXPECT_EQ(narrow(BigIntToStr(c)), "100000000000000000000");
  EXPECT_EQ(BigIntDivInt(big("17"), 0, c), 0);
  EXPECT_EQ(c[0], 0);
  BigIntMulInt(big("999999999999999999"), 999999999, c);
  EXPECT_EQ(value(c), cpp_int("999999999999999999") * 999999999);
  const TBigInt a = big("-1000000000000000000000");
  EXPECT_EQ(BigIntTopLimb(a), 3);
  TBigInt b = big("5");
  BigIntCopy(a, b);
  EXPECT_EQ(value(b), value(a));
  TBigInt x = big("1"), y = big("2");
  BigIntSwap(x, y);
  EXPECT_EQ(value(x), 2);
  EXPECT_EQ(value(y), 1);
}

// Long quotients and divisors with the largest remainders and limb patterns
// that push every quotient-digit estimate to its correction.
TEST(BigIntArith, DivisionEdgeOperands) {
  std::mt19937_64 gen(17);
  const std::string divisors[] = {
      std::string(1000, '9'),                       // 10^1000 - 1
      "1" + std::string(999, '0'),                  // a power of ten
      "1" + std::string(800, '0') + "1",            // 10^801 + 1
      "5" + std::string(1500, '0'),                 // top limb below half the base
      "1" + std::string(4000, '9'),
      randomDigits(gen, 700),
      randomDigits(gen, 3333),
  };
  for (const std::string& sb : divisors) {
    const cpp_int b(sb);
    for (int qDigits : {1, 540, 600, 2000, 5000}) {
      if (qDigits + static_cast<int>(sb.size()) > 10000) continue;
      for (int variant = 0; variant < 3; ++variant) {
        const cpp_int q = variant == 0 ? cpp_int(std::string(qDigits, '9')) : cpp_int(randomDigits(gen, qDigits));
        const cpp_int r = variant == 2 ? cpp_int(0) : b - 1;
        const cpp_int a = q * b + r;
        TBigInt tq, tr;
        BigIntDivMod(big(a.str()), big(sb), tq, tr);
        const std::string what = std::to_string(qDigits) + " by " + std::to_string(sb.size()) + " digits";
        expectValue(tq, q, "quotient " + what);
        expectValue(tr, r, "remainder " + what);
      }
    }
  }
}
