#include "topics/linalg-stat/Kombi.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/gamma.hpp>
#include <boost/multiprecision/cpp_int.hpp>
#include <cfloat>
#include <cmath>

#include "common/TextMeasurer.h"
#include "tests/topics/linalg-stat/LinalgTestBase.h"

namespace zw {
namespace {

using boost::multiprecision::cpp_int;
using Kind = KombiCount::Kind;

using Kombi = LinalgCompute;

TEST_F(Kombi, WorkedCounts) {
  struct Case {
    Extended n, k;
    const char* texts[5];
  };
  const Case cases[] = {
      {49, 6, {"10 068 347 520", "13 841 287 201", "13 983 816", "25 827 165", "720"}},
      {5, 0, {"1", "1", "1", "1", "1"}},
      {3, 5, {"nicht definiert", "243", "nicht definiert", "21", "120"}},
      {20, 20, {"overflow", "overflow", "1", "68 923 264 410", "overflow"}},
      {10, 2000, {"nicht definiert", "overflow", "nicht definiert", "overflow", "overflow"}},
      // A negative k runs no loop; a fractional k counts its whole rounds.
      {5, -2, {"1", "1", "1", "1", "1"}},
      {5, 2.5L, {"16", "25", "10", "15", "2"}},
      {-3, 2, {"nicht definiert", "9", "nicht definiert", "3", "2"}},
  };
  for (const Case& c : cases) {
    const KombiResult r = ComputeKombi(c.n, c.k);
    const KombiCount* counts[5] = {&r.orderedWithout, &r.orderedWith, &r.unorderedWithout, &r.unorderedWith,
                                   &r.permutations};
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(KombiCountText(*counts[i]).toStdString(), c.texts[i]) << c.n << " " << c.k << " count " << i;
  }
}

TEST_F(Kombi, OverflowAndTheExtendedRangeStayApart) {
  // 1754! fits the extended range, 1755! does not.
  EXPECT_EQ(ComputeKombi(0, 1754).permutations.kind, Kind::Overflow);
  EXPECT_EQ(ComputeKombi(0, 1755).permutations.kind, Kind::OutOfRange);
  EXPECT_EQ(KombiCountText(ComputeKombi(0, 1755).permutations), "overflow");  // message 44's own text
  EXPECT_EQ(ComputeKombi(10, 4932).orderedWith.kind, Kind::Overflow);
  EXPECT_EQ(ComputeKombi(10, 4933).orderedWith.kind, Kind::OutOfRange);
  EXPECT_EQ(ComputeKombi(-10, 4933).orderedWith.kind, Kind::OutOfRange);
  const cpp_int largest(LDBL_MAX);
  // Binomials on both sides of the range's end, against exact integers.
  for (int n : {15000, 16000, 16500, 16600, 16700, 17000}) {
    const int k = n / 2;
    cpp_int exact = 1;
    for (int j = 1; j <= k; ++j) exact = exact * (n - k + j) / j;
    const Kind expected = exact > largest ? Kind::OutOfRange : Kind::Overflow;
    EXPECT_EQ(ComputeKombi(n, k).unorderedWithout.kind, expected) << n;
    EXPECT_EQ(ComputeKombi(n - k + 1, k).unorderedWith.kind, expected) << n;
  }
}

// Exact counts of whole n, k around 10^18, from cpp_int.
TEST_F(Kombi, WholeNumbersAgreeWithExactIntegers) {
  const cpp_int limit("1000000000000000000");
  const auto expect = [&](const KombiCount& got, const cpp_int& exact, const std::string& what) {
    if (exact >= limit) {
      EXPECT_EQ(got.kind, Kind::Overflow) << what;
    } else {
      ASSERT_EQ(got.kind, Kind::Value) << what;
      EXPECT_EQ(cpp_int(got.value), exact) << what;
    }
  };
  for (long long n : {0LL, 1LL, 2LL, 7LL, 19LL, 20LL, 21LL, 40LL, 62LL, 63LL, 64LL, 67LL, 68LL, 1000LL,
                      999999999LL, 1000000000LL, 1000000000000000LL})
    for (long long k : {0LL, 1LL, 2LL, 3LL, 6LL, 17LL, 18LL, 19LL, 20LL, 21LL, 30LL, 31LL, 32LL, 33LL, 34LL}) {
      const std::string what = std::to_string(n) + " " + std::to_string(k);
      const KombiResult r = ComputeKombi(static_cast<Extended>(n), static_cast<Extended>(k));
      cpp_int falling = 1, power = 1, binom = 1, multi = 1, fact = 1;
      for (long long j = 0; j < k; ++j) {
        falling *= n - j;
        power *= n;
        binom = binom * (n - j) / (j + 1);
        multi = multi * (n + j) / (j + 1);
        fact *= j + 1;
      }
      if (n < k) {
        EXPECT_EQ(r.orderedWithout.kind, Kind::Undefined) << what;
        EXPECT_EQ(r.unorderedWithout.kind, Kind::Undefined) << what;
      } else {
        expect(r.orderedWithout, falling, what);
        expect(r.unorderedWithout, binom, what);
      }
      expect(r.orderedWith, power, what);
      expect(r.unorderedWith, multi, what);
      expect(r.permutations, fact, what);
    }
}

// The loops as written, for the cases that stay small: fractional and
// negative n follow them.
KombiResult loops(Extended n, Extended k) {
  KombiResult r;
  Extended c = 1;
  for (Extended d = n - k + 1; d <= n; d += 1) c *= d;
  r.orderedWithout = {Kind::Value, c};
  c = 1;
  for (Extended d = 1; d <= k; d += 1) c *= n;
  r.orderedWith = {Kind::Value, c};
  c = 1;
  for (Extended d = 1; d <= k; d += 1) c = (n - d + 1) * c / d;
  r.unorderedWithout = {Kind::Value, c};
  c = 1;
  for (Extended d = 1; d <= k; d += 1) c = (n + d - 1) * c / d;
  r.unorderedWith = {Kind::Value, c};
  c = 1;
  for (Extended d = 1; d <= k; d += 1) c *= d;
  r.permutations = {Kind::Value, c};
  return r;
}

TEST_F(Kombi, FractionalAndNegativeInputsFollowTheLoops) {
  for (Extended n : {-7.5L, -3.25L, -2.0L, -0.5L, 0.0L, 0.3L, 0.5L, 1.5L, 2.75L, 7.5L, 12.2L})
    for (Extended k : {-1.5L, 0.0L, 0.5L, 1.0L, 2.5L, 3.0L, 6.9L, 9.0L, 12.0L}) {
      const KombiResult got = ComputeKombi(n, k);
      const KombiResult want = loops(n, k);
      const std::string what = std::to_string(static_cast<double>(n)) + " " + std::to_string(static_cast<double>(k));
      const auto near = [&](const KombiCount& g, const KombiCount& w, bool undefinedBelow) {
        if (undefinedBelow && n < k) {
          EXPECT_EQ(g.kind, Kind::Undefined) << what;
          return;
        }
        ASSERT_EQ(g.kind, Kind::Value) << what;
        EXPECT_NEAR(g.value, w.value, 1e-15L * std::max(1.0L, std::fabs(w.value))) << what;
      };
      near(got.orderedWithout, want.orderedWithout, true);
      near(got.orderedWith, want.orderedWith, false);
      near(got.unorderedWithout, want.unorderedWithout, true);
      near(got.unorderedWith, want.unorderedWith, false);
      near(got.permutations, want.permutations, false);
    }
}

TEST_F(Kombi, HugeKIsDecidedWithoutLooping) {
  const Extended K = 1e15L;
  // C(n + K − 1, K) = Γ(K + n) / (Γ(n)·Γ(K + 1)) for a fractional n.
  for (Extended n : {0.5L, 1.5L, 2.25L}) {
    const KombiCount c = ComputeKombi(n, K).unorderedWith;
    const Extended expected =
        1 / (boost::math::tgamma_delta_ratio(K + 1, n - 1) * boost::math::tgamma(n));
    if (expected >= 1e18L) {
      EXPECT_EQ(c.kind, Kind::Overflow) << static_cast<double>(n);
    } else {
      ASSERT_EQ(c.kind, Kind::Value) << static_cast<double>(n);
      EXPECT_NEAR(c.value, expected, 1e-12L * expected) << static_cast<double>(n);
    }
  }
  // n = K + 0.5 over K: C = Γ(K + 1.5) / (Γ(1.5)·Γ(K + 1)).
  const KombiCount half = ComputeKombi(K - 1 + 0.5L, K - 1).unorderedWithout;
  const Extended expected = 1 / (boost::math::tgamma_delta_ratio(K, 0.5L) * boost::math::tgamma(1.5L));
  ASSERT_EQ(half.kind, Kind::Value);
  EXPECT_NEAR(half.value, expected, 1e-12L * expected);
  EXPECT_EQ(KombiCountText(ComputeKombi(0.5L, K).unorderedWith), "0");
  EXPECT_EQ(KombiCountText(ComputeKombi(1, K).unorderedWith), "1");
  EXPECT_EQ(ComputeKombi(K, K).unorderedWithout.value, 1);
  EXPECT_EQ(ComputeKombi(K, K - 1).unorderedWithout.value, K);
  EXPECT_EQ(ComputeKombi(K, K).orderedWithout.kind, Kind::OutOfRange);
  EXPECT_EQ(ComputeKombi(K, K).permutations.kind, Kind::OutOfRange);
  EXPECT_EQ(ComputeKombi(0.999L, K).orderedWith.value, 0);  // settles at 0
  EXPECT_EQ(ComputeKombi(-1, K).orderedWith.value, -1 + 2 * (static_cast<long long>(K) % 2 == 0));
  EXPECT_EQ(ComputeKombi(-2.5L, K).unorderedWith.kind, Kind::Value);
}

TEST_F(Kombi, MemoLinesAlignTheLabels) {
  const FixedWidthMeasurer font(10, {{u' ', 5}, {u'\u2009', 2}});
  const QStringList lines = KombiMemoLines(49, 6, ComputeKombi(49, 6), font);
  ASSERT_EQ(lines.size(), 10);
  EXPECT_EQ(lines[1], "n = 49");
  EXPECT_EQ(lines[2], "k = 6");
  // The widest label is 295 pixels wide: the reference is 60 blanks (300
  // pixels); every label ends within a blank of it, so the " = " line up.
  for (int i : {4, 5, 6, 7, 9}) {
    const int w = font.textWidth(lines[i].section(" = ", 0, 0).toStdU16String());
    EXPECT_LE(w, 300) << i;
    EXPECT_GT(w, 295) << i;
  }
  EXPECT_TRUE(lines[4].startsWith("Geordnete Auswahl ohne Wiederh. "));
  EXPECT_TRUE(lines[4].endsWith(" = 10 068 347 520"));
  EXPECT_TRUE(lines[9].startsWith("Permutationen von k : "));
  EXPECT_TRUE(lines[9].endsWith(QStringLiteral("k\u2009! = 720")));
}

}  // namespace
}  // namespace zw
