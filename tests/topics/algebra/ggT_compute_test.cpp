// The gcd computation without a window: divisor lists against the plain
// trial division, the exact lcm against Boost's big integers, and the memo
// text of the typical and edge cases, measured with fixed character widths.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <algorithm>
#include <numeric>
#include <random>

#include "kernel/KernelState.h"
#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "topics/algebra/ggT.h"

namespace zw {
namespace {

using u64 = std::uint64_t;
using Inputs = std::array<u64, GgtFieldCount>;
using boost::multiprecision::cpp_int;

class GgtComputeTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();  // German texts
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u',';
  }
  QStringList memo(const Inputs& x) { return GgtMemoLines(x, font_); }
  // The sum line of an input, with the columns padded to 21 characters
  // (20 blanks of the fixed measurer, plus one).
  static QString sumLine(const QString& name, const QString& s1, const QString& s2) {
    return QStringLiteral("\u03c3(") + name + ") = " + s1.leftJustified(21) + "\u03c3*(" + name + ") = " + s2.leftJustified(21);
  }
  FixedWidthMeasurer font_{10};
};

TEST_F(GgtComputeTest, TwelveAndEighteenGiveTheWholeMemo) {
  const QStringList lines = memo({12, 18});
  // The long names are padded so that " = " stands in the same column.
  const QString gcdLine = QStringLiteral("Größter gemeinsamer Teiler") + QString(13, u' ') + "ggT = 6";
  const QString lcmLine = QStringLiteral("Kleinstes gemeinsames Vielfaches") + QString(7, u' ') + "kgV = 36";
  const QStringList expected = {"a = 12",
                                "b = 18",
                                "",
                                gcdLine,
                                lcmLine,
                                "",
                                "Teilermengen : ",
                                "T(a) = { 1 2 3 4 6 12 }",
                                "T(b) = { 1 2 3 6 9 18 }",
                                "",
                                "T(a) \u2229 T(b) = { 1 2 3 6 }",
                                "",
                                "Teilersummen : ",
                                sumLine("a", "28", "16"),
                                sumLine("b", "39", "21")};
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(gcdLine.indexOf(" = "), lcmLine.indexOf(" = "));
}

TEST_F(GgtComputeTest, EdgeCasesOfSetsSumsAndSkippedFields) {
  struct Case {
    const char* what;
    Inputs x;
    QStringList mustContain;
    QStringList mustNotContain;
  };
  const QString perfect = QStringLiteral("   vollkommene Zahl");
  const Case cases[] = {
      {"one and one",
       {1, 1},
       {"T(a) = { 1 }", "T(a) \u2229 T(b) = { 1 }", sumLine("a", "1", "0"), "Kleinstes gemeinsames Vielfaches" + QString(7, u' ') + "kgV = 1"},
       {}},
      {"perfect number", {28, 5}, {sumLine("a", "56", "28") + perfect, sumLine("b", "6", "1")}, {}},
      {"square root once", {16, 4}, {"T(a) = { 1 2 4 8 16 }", "T(b) = { 1 2 4 }"}, {}},
      {"empty c skipped",
       {12, 18, 0, 9},
       {"d = 9", "T(d) = { 1 3 9 }", "T(a) \u2229 T(b) \u2229 T(d) = { 1 3 }", sumLine("d", "13", "4")},
       {"c = 0", "T(c)", "\u03c3(c)"}},
  };
  for (const Case& c : cases) {
    const QStringList lines = memo(c.x);
    for (const QString& s : c.mustContain) EXPECT_TRUE(lines.contains(s)) << c.what << ": " << s.toStdString();
    for (const QString& s : c.mustNotContain)
      for (const QString& l : lines) EXPECT_FALSE(l.contains(s)) << c.what << ": " << l.toStdString();
  }
  // Only the perfect number carries the note.
  EXPECT_EQ(memo({6, 8}).filter("vollkommene Zahl").size(), 1);

  // A sum wider than its column still leaves a blank before the next label.
  // (With ten pixels for every character the column holds 21 characters.)
  const u64 wide = 999999999999989;  // a prime: sigma = wide + 1, 15 digits
  const QString wideSum = QString::number(wide + 1);
  FixedWidthMeasurer narrowBlank{10, {{u' ', 1}}};
  const QStringList lines = GgtMemoLines({wide, 1}, narrowBlank);
  const QString line = lines.filter("\u03c3(a)").value(0);
  EXPECT_TRUE(line.startsWith("\u03c3(a) = " + wideSum + " \u03c3*(a)")) << line.toStdString();
}

TEST_F(GgtComputeTest, NumberWithMoreThan99DivisorsKeepsTheSmallest) {
  const u64 n = 64ull * 27 * 25 * 7 * 11 * 13 * 17;  // 1344 divisors
  std::vector<u64> all;
  for (u64 d = 1; d * d <= n; ++d)
    if (n % d == 0) {
      all.push_back(d);
      if (d * d != n) all.push_back(n / d);
    }
  std::sort(all.begin(), all.end());
  ASSERT_EQ(all.size(), 1344u);
  const std::vector<u64> smallest(all.begin(), all.begin() + 99);

  const GgtResult r = ComputeGgt({n, 1});
  EXPECT_EQ(r.sets[1], smallest);
  EXPECT_TRUE(r.cut[1]);
  EXPECT_FALSE(r.cut[2]);
  QString setLine = "T(a) = {";
  for (u64 d : smallest) setLine += " " + QString::number(d);
  const QStringList lines = memo({n, 1});
  // The reader sees that the list goes on.
  EXPECT_TRUE(lines.contains(setLine + " \u2026 }"));
  EXPECT_TRUE(lines.contains("T(b) = { 1 }"));
  // The sums cover every divisor, listed or not.
  const u64 sigma = std::accumulate(all.begin(), all.end(), u64{0});
  EXPECT_EQ(r.sums[1], sigma);
  EXPECT_TRUE(lines.contains(sumLine("a", QString::number(sigma), QString::number(sigma - n))))
      << lines.filter("\u03c3(a)").value(0).toStdString();
}

// Divisor sums from the factorisation, against an independent count.
TEST_F(GgtComputeTest, DivisorSumsAreExactForLargeNumbersAndPrimes) {
  struct Case {
    u64 n, sigma, count;
  };
  const Case cases[] = {
      // 10^15 = 2^15 5^15: (2^16 - 1)(5^16 - 1) / 4, 256 divisors.
      {1000000000000000ull, 2499961853010960ull, 256},
      {999999999999989ull, 999999999999990ull, 2},  // the largest prime below 10^15
      {2, 3, 2},
      {1, 1, 1},
      {28, 56, 6},
      {999999000001ull, 0, 0},  // 999999000001 = 10^12 - 10^6 + 1, checked below by trial
  };
  for (const Case& c : cases) {
    u64 sigma = c.sigma, count = c.count;
    if (sigma == 0) {
      sigma = count = 0;
      for (u64 d = 1; d * d <= c.n; ++d)
        if (c.n % d == 0) {
          sigma += d, ++count;
          if (d * d != c.n) sigma += c.n / d, ++count;
        }
    }
    EXPECT_EQ(DivisorSum(c.n), sigma) << c.n;
    EXPECT_EQ(DivisorCount(c.n), count) << c.n;
  }
  // The memo of 10^15: the sums are right although the list stops at 99.
  const u64 n = 1000000000000000ull;
  const GgtResult r = ComputeGgt({n, 1});
  EXPECT_EQ(r.sets[1].size(), 99u);
  EXPECT_TRUE(r.cut[1]);
  const QStringList lines = memo({n, 1});
  EXPECT_TRUE(lines.contains(sumLine("a", "2499961853010960", "1499961853010960")))
      << lines.filter("\u03c3(a)").value(0).toStdString();
  // A prime: sigma is p + 1, sigma* is 1, the set is complete.
  const u64 p = 999999999999989ull;
  const QStringList primeLines = memo({p, 1});
  EXPECT_TRUE(primeLines.contains("T(a) = { 1 999999999999989 }"));
  EXPECT_TRUE(primeLines.contains(sumLine("a", "999999999999990", "1")))
      << primeLines.filter("\u03c3(a)").value(0).toStdString();
}

TEST_F(GgtComputeTest, LcmIsExactBeyond64And128Bits) {
  const Inputs primes{999999999999989ull, 999999999999947ull, 999999999999883ull};
  const QStringList lines = memo(primes);
  ASSERT_GE(lines.size(), 6);  // three values, an empty line, gcd, lcm
  EXPECT_TRUE(lines[4].endsWith("ggT = 1"));
  EXPECT_TRUE(lines[5].endsWith("kgV = 9,99999999999819E44")) << lines[5].toStdString();

  // Random tables against Boost's lcm; near 10^15 the products need up to 500 bits.
  std::mt19937_64 rng(42);
  for (int round = 0; round < 200; ++round) {
    Inputs x{};
    const int count = 2 + round % 9;
    cpp_int expected = 1;
    for (int i = 0; i < count; ++i) {
      const u64 top = round % 2 ? 1000000000000000ull : 100000ull;
      x[static_cast<std::size_t>(i)] = 1 + rng() % top;
      expected = boost::multiprecision::lcm(expected, cpp_int(x[static_cast<std::size_t>(i)]));
    }
    EXPECT_EQ(ExactLcmDigits(x), expected.str()) << "round " << round;
  }
}

TEST_F(GgtComputeTest, WholeNumbersInTheDefaultForm) {
  struct Case { const char* digits; const char16_t* text; };
  const Case cases[] = {
      {"36", u"36"},
      {"999999999999999", u"999999999999999"},             // 15 digits: no exponent
      {"1000000000000000", u"1E15"},                        // 16 digits
      {"1234567890123456789", u"1,23456789012346E18"},      // rounded half up
      {"9999999999999999", u"1E16"},                        // the carry moves the exponent
      {"1234567890123444999999", u"1,23456789012344E21"},  // the exact digits decide, not a rounded real
  };
  for (const Case& c : cases) EXPECT_EQ(FormatWholeDefault(c.digits), QString::fromUtf16(c.text)) << c.digits;
}

TEST_F(GgtComputeTest, FastDivisorListsEqualTrialDivision) {
  std::vector<u64> numbers = {1,
                              2,
                              97,
                              999999999999989ull,            // prime
                              999999999999999ull,
                              1000000000000000ull,           // 2^15 * 5^15
                              963761198400ull,               // 6720 divisors
                              562949953421312ull,            // 2^49
                              31622743ull * 31622743ull,     // square of a prime near the root of 10^15
                              31622743ull * 31622777ull,     // two primes near the root
                              1000003ull * 1000003ull * 997ull,
                              735134400ull};
  std::mt19937_64 rng(7);
  for (int i = 0; i < 150; ++i) numbers.push_back(1 + rng() % 1000000000000ull);
  for (u64 n : numbers) {
    EXPECT_EQ(SmallestDivisors(n), SmallestDivisorsByTrial(n)) << n;
    u64 product = 1;
    for (const auto& [p, e] : PrimeFactorsU64(n)) {
      EXPECT_TRUE(IsPrimeU64(p)) << n;
      for (int k = 0; k < e; ++k) product *= p;
    }
    EXPECT_EQ(product, n);
  }
}

TEST_F(GgtComputeTest, PrimalityAgreesWithTrialDivision) {
  auto byTrial = [](u64 n) {
    if (n < 2) return false;
    for (u64 d = 2; d * d <= n; ++d)
      if (n % d == 0) return false;
    return true;
  };
  for (u64 n = 0; n < 20000; ++n) ASSERT_EQ(IsPrimeU64(n), byTrial(n)) << n;
  // Strong pseudoprimes to several small bases, and a prime above 2^63.
  EXPECT_FALSE(IsPrimeU64(3215031751ull));
  EXPECT_FALSE(IsPrimeU64(3825123056546413051ull));
  EXPECT_TRUE(IsPrimeU64(18446744073709551557ull));
}

}  // namespace
}  // namespace zw
