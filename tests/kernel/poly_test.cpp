#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "kernel/CalcFailure.h"
#include "kernel/Poly.h"
#include "kernel/PolyText.h"
#include "tests/kernel/poly_helpers.h"

namespace zw {
namespace {

using testing_poly::F;
using testing_poly::P;
using testing_poly::utf8;

std::string show(const TPoly& p) { return utf8(PolyToTextFrac(p)); }

std::vector<TBruch> rootList(const TPoly& p) {
  TPoly roots;
  int count = -1;
  RationalRoots(p, roots, count);
  return std::vector<TBruch>(roots.begin() + 1, roots.begin() + 1 + count);
}

class RecordingSink : public PolyMessageSink {
public:
  void showMessage(int n) override { messages.push_back(n); }
  std::vector<int> messages;
};

TEST(Poly, DegreeValueAndZero) {
  EXPECT_EQ(PolyDegree(TPoly{}), 0);
  EXPECT_EQ(PolyDegree(P({{5}})), 0);
  TPoly p{};
  p[9] = F(3);
  EXPECT_EQ(PolyDegree(p), 9);
  EXPECT_TRUE(PolyIsZero(TPoly{}));
  EXPECT_FALSE(PolyIsZero(P({{0}, {1}})));
  EXPECT_EQ(PolyValue(P({{-2}, {0}, {1}}), 2), 2);
  // 3x − 1 at 1/3 is below 1e-15 in extended reals and counts as 0.
  EXPECT_EQ(PolyValue(P({{-1}, {3}}), 1.0L / 3), 0);
  EXPECT_EQ(PolyValueBruch(P({{-1}, {3}, {F(1, 2)}}), F(2, 3)), F(11, 9));
  TPoly cleared = P({{1}, {2}});
  PolyClear(cleared);
  EXPECT_TRUE(PolyIsZero(cleared));
}

TEST(Poly, DivModIsExact) {
  struct Case {
    const char* what;
    TPoly a, b, q, r;
    bool exact;
  } cases[] = {
      {"x²−1 by x−1", P({{-1}, {0}, {1}}), P({{-1}, {1}}), P({{1}, {1}}), TPoly{}, true},
      {"x²+1 by x−1", P({{1}, {0}, {1}}), P({{-1}, {1}}), P({{1}, {1}}), P({{2}}), false},
      {"divisor of higher degree", P({{1}, {1}}), P({{0}, {0}, {1}}), TPoly{}, P({{1}, {1}}), false},
      {"by the zero polynomial", P({{1}, {1}}), TPoly{}, TPoly{}, P({{1}, {1}}), false},
      // (x − 1)(x + 1/10⁸) by x − 1: a float zeroing corrupted this quotient.
      {"tiny coefficient", P({{F(-1, 100000000)}, {F(-99999999, 100000000)}, {1}}), P({{-1}, {1}}),
       P({{F(1, 100000000)}, {1}}), TPoly{}, true},
      {"fractions", P({{F(1, 2)}, {F(3, 2)}, {1}}), P({{F(1, 2)}, {1}}), P({{1}, {1}}), TPoly{}, true},
  };
  for (const auto& c : cases) {
    TPoly q, r;
    bool exact = !c.exact;
    PolyDivMod(c.a, c.b, q, r, exact);
    EXPECT_EQ(show(q), show(c.q)) << c.what;
    EXPECT_EQ(show(r), show(c.r)) << c.what;
    EXPECT_EQ(exact, c.exact) << c.what;
    EXPECT_EQ(PolyDivides(c.a, c.b), c.exact) << c.what;
  }
  // Output may be the same variable as an input.
  TPoly a = P({{-1}, {0}, {1}}), r;
  bool exact = false;
  PolyDivMod(a, P({{1}, {1}}), a, r, exact);
  EXPECT_EQ(show(a), "x - 1");
}

TEST(Poly, ProductBeyondDegree36IsRefusedWithMessage21) {
  RecordingSink sink;
  PolyMessageSink* old = SetPolyMessageSink(&sink);
  TPoly a{}, c = P({{7}});
  a[20] = F(1);
  PolyMul(a, a, c);
  EXPECT_TRUE(PolyIsZero(c));
  EXPECT_EQ(sink.messages, std::vector<int>{21});
  PolyMul(P({{1}, {1}}), P({{-1}, {1}}), c);
  EXPECT_EQ(show(c), "x² - 1");
  EXPECT_EQ(sink.messages.size(), 1u);
  SetPolyMessageSink(old);
}

TEST(Poly, MakeIntegerAndItsOverflow) {
  struct Case { TPoly in; std::string out; TBruch factor; } cases[] = {
      {P({{F(4, 3)}, {F(2, 3)}}), "x + 2", F(2, 3)},
      {P({{-2}, {0}, {2}}), "x² - 1", F(2)},
      {P({{F(-1, 2)}, {0}, {F(-3, 4)}}), " - 3x² - 2", F(1, 4)},
      {P({{6}, {-4}}), " - 2x + 3", F(2)},  // the factor is positive, signs stay
      {P({{F(3, -2)}, {F(1, -1)}}), " - 2x - 3", F(1, 2)},  // denominators with a sign
  };
  for (const auto& c : cases) {
    TPoly p = c.in;
    TBruch k;
    PolyMakeInteger(p, k);
    EXPECT_EQ(show(p), c.out);
    EXPECT_EQ(k, c.factor);
    TPoly q;
    PolyToIntegerCoeffs(c.in, q, k);
    EXPECT_EQ(show(q), c.out);
    EXPECT_EQ(k, c.factor);
  }
  TPoly q;
  TBruch k;
  PolyToIntegerCoeffs(TPoly{}, q, k);
  EXPECT_EQ(show(q), "1");
  EXPECT_EQ(k, F(0));
  // 100000x + 1/50000 needs the coefficient 5·10⁹: no silent wrap to 705032704.
  TPoly big = P({{F(1, 50000)}, {100000}});
  EXPECT_THROW(PolyMakeInteger(big, k), FractionOverflow);
}

TEST(Poly, RationalRootsFindsEveryRationalZero) {
  struct Case { const char* what; TPoly p; std::vector<TBruch> roots; } cases[] = {
      {"2x²−x−1", P({{-1}, {-1}, {2}}), {F(1), F(-1, 2)}},
      {"x³−x, 0 first", P({{0}, {-1}, {0}, {1}}), {F(0), F(1), F(-1)}},
      {"x²+1", P({{1}, {0}, {1}}), {}},
      // 36 and 20020 lie beyond the first 25 divisor pairs of 720720.
      {"x²−20056x+720720", P({{720720}, {-20056}, {1}}), {F(36), F(20020)}},
      {"fraction coefficients", P({{F(-1, 6)}, {F(1, 6)}, {1}}), {F(-1, 2), F(1, 3)}},
      {"zero polynomial", TPoly{}, {}},
      {"double root once", P({{1}, {-2}, {1}}), {F(1)}},
      // 3x⁹ − 2000x⁸ + 3x − 2000 = (3x − 2000)(x⁸ + 1): the values at 2000/3 are
      // about 10²⁶, so only an exact test sees the zero.
      {"large values", [] {
         TPoly p{};
         p[9] = F(3); p[8] = F(-2000); p[1] = F(3); p[0] = F(-2000);
         return p;
       }(), {F(2000, 3)}},
      // (x − 2·10⁸)(x³⁵ + 1): powers beyond the double range.
      {"degree 36", [] {
         TPoly p{};
         p[36] = F(1); p[35] = F(-200000000); p[1] = F(1); p[0] = F(-200000000);
         return p;
       }(), {F(-1), F(200000000)}},
      // (x + 1)(2000000014x³⁵ + 200000001): quotients from 2·10⁸ down to
      // 10⁻¹ meet in one group of the leading coefficient's divisors.
      {"degree 36, wide divisors", [] {
         TPoly p{};
         p[36] = F(2000000014); p[35] = F(2000000014); p[1] = F(200000001); p[0] = F(200000001);
         return p;
       }(), {F(-1)}},
  };
  for (const auto& c : cases) {
    const std::vector<TBruch> got = rootList(c.p);
    EXPECT_EQ(got, c.roots) << c.what;
  }
}

TEST(Poly, IntDivisorsListsEveryDivisorOnce) {
  EXPECT_EQ(IntDivisors(12), (std::vector<int32_t>{1, 12, 2, 6, 3, 4}));
  EXPECT_EQ(IntDivisors(-12), IntDivisors(12));
  EXPECT_EQ(IntDivisors(1), std::vector<int32_t>{1});
  EXPECT_EQ(IntDivisors(0), (std::vector<int32_t>{1, 0}));
  EXPECT_EQ(IntDivisors(2095133040).size(), 1600u);  // the most divisors below 2³¹
}

TEST(Poly, GcdIsTheGreatestCommonDivisor) {
  struct Case { const char* what; TPoly a, b; std::string g; } cases[] = {
      {"x²−1, x²+x", P({{-1}, {0}, {1}}), P({{0}, {1}, {1}}), "x + 1"},
      {"x²−1, x−1", P({{-1}, {0}, {1}}), P({{-1}, {1}}), "x - 1"},
      {"x²+1, x", P({{1}, {0}, {1}}), P({{0}, {1}}), "1"},
      // (x²+1)(x³+2) and (x²+1)(x²+3): no rational roots, still x² + 1.
      {"irreducible common factor", P({{2}, {0}, {2}, {1}, {0}, {1}}), P({{3}, {0}, {4}, {0}, {1}}), "x² + 1"},
      // Repeated common roots count with their multiplicity.
      {"(x−1)²(x+2), (x−1)³", P({{2}, {-3}, {0}, {1}}), P({{-1}, {3}, {-3}, {1}}), "x² - 2x + 1"},
      {"fractions and sign", P({{F(1, 2)}, {0}, {F(-1, 2)}}), P({{2}, {2}}), "x + 1"},
      {"b zero", P({{-4}, {-2}}), TPoly{}, "x + 2"},
  };
  for (const auto& c : cases) {
    TPoly g;
    PolyGcd(c.a, c.b, g);
    EXPECT_EQ(show(g), c.g) << c.what;
  }
}

// gcd(g·u, g·v) = g when u and v have disjoint roots: random cases against
// that construction.
TEST(Poly, GcdOfRandomProducts) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coeff(-9, 9), root(-6, 6);
  for (int trial = 0; trial < 200; ++trial) {
    TPoly g{};
    const int dg = 1 + trial % 3;
    for (int i = 0; i <= dg; ++i) g[i] = F(coeff(rng));
    if (g[dg].z == 0) g[dg] = F(1);
    TPoly u = P({{1}}), v = P({{1}});
    for (int i = 0; i < 2; ++i) {
      const int r = root(rng);
      PolyMul(u, P({{-2 * r}, {1}}), u);      // even roots for u
      PolyMul(v, P({{-(2 * r + 1)}, {1}}), v);  // odd roots for v
    }
    TPoly a, b, got, expected;
    PolyMul(g, u, a);
    PolyMul(g, v, b);
    a = [&] { TPoly s; PolyScale(a, F(3, 7), s); return s; }();
    PolyGcd(a, b, got);
    TBruch k;
    PolyToIntegerCoeffs(g, expected, k);
    bool neg = false;
    PolyLeadingPositive(expected, neg);
    // g itself may have a factor in common with u or v: then the gcd is a
    // multiple of g, and still divides both.
    EXPECT_TRUE(PolyDivides(a, got) && PolyDivides(b, got)) << trial;
    EXPECT_TRUE(PolyDivides(got, expected)) << trial << ": " << show(got) << " vs " << show(expected);
  }
}

TEST(Poly, ShiftStretchScaleAndFriends) {
  TPoly q;
  PolyShift(P({{0}, {0}, {1}}), F(1), q);
  EXPECT_EQ(show(q), "x² + 2x + 1");
  PolyStretchX(P({{0}, {0}, {1}}), F(2), q);
  EXPECT_EQ(show(q), "1/4x²");
  EXPECT_THROW(PolyStretchX(P({{1}, {1}}), F(0), q), CalcFailure);
  PolyScale(P({{3}, {1}}), F(0), q);
  EXPECT_TRUE(PolyIsZero(q));
  PolyAddConst(P({{F(1, 2)}, {1}}), F(1, 3), q);
  EXPECT_EQ(show(q), "x + 5/6");
  PolyDerivative(P({{5}, {F(1, 2)}, {0}, {2}}), q);
  EXPECT_EQ(show(q), "6x² + 1/2");
  PolySub(P({{1}, {1}}), P({{1}, {0}, {1}}), q);
  EXPECT_EQ(show(q), " - x² + x");
  LinearFactor(F(-2, 3), q);
  EXPECT_EQ(show(q), "3x + 2");
  PolyMulDiv(P({{-1}, {0}, {1}}), P({{0}, {1}, {1}}), P({{1}, {1}}), q);  // lcm
  EXPECT_EQ(show(q), "x³ - x");
  // p(x + h) agrees with p at shifted points.
  const TPoly p = P({{F(-7, 2)}, {3}, {0}, {F(2, 5)}, {-1}});
  PolyShift(p, F(-3, 4), q);
  for (Extended x : {-2.0L, 0.0L, 0.5L, 3.0L})
    EXPECT_NEAR(PolyValue(q, x), PolyValue(p, x - 0.75L), 1e-12L) << x;
  TPoly lp = P({{1}, {F(-1, 2)}});
  bool negated = false;
  PolyLeadingPositive(lp, negated);
  EXPECT_TRUE(negated);
  EXPECT_EQ(show(lp), "1/2x - 1");
}

TEST(Poly, RatioAndRationalFunctions) {
  TBruch ratio;
  TPoly zi, ni;
  LeadingRatio(P({{F(2, 3)}, {F(4, 3)}}), P({{0}, {0}, {6}}), ratio, zi, ni);
  EXPECT_EQ(ratio, F(1, 9));
  EXPECT_EQ(show(zi), "2x + 1");
  EXPECT_EQ(show(ni), "x²");
  bool defined = true;
  EXPECT_EQ(RatFuncValue(P({{1}}), P({{0}, {1}}), defined, 0), 1e300L);
  EXPECT_FALSE(defined);
  EXPECT_EQ(RatFuncValue(P({{1}}), P({{0}, {1}}), defined, 2), 0.5L);
  EXPECT_TRUE(defined);
  EXPECT_EQ(RatFuncValueAt(P({{1}}), P({{0}, {1}}), 4), 0.25L);
}

TEST(Poly, GapsAndPoles) {
  TPoly gaps, poles;
  int gc = -1, pc = -1;
  // (x − 1)/((x − 1)(x + 2)): a removable gap at 1, a pole at −2.
  ZerosWithMultiplicity(P({{-1}, {1}}), P({{-2}, {1}, {1}}), gaps, poles, gc, pc);
  ASSERT_EQ(gc, 1);
  ASSERT_EQ(pc, 1);
  EXPECT_EQ(gaps[1], F(1));
  EXPECT_EQ(poles[1], F(-2));
  // (x − 1)/(x − 1)²: a pole survives the cancelling.
  ZerosWithMultiplicity(P({{-1}, {1}}), P({{1}, {-2}, {1}}), gaps, poles, gc, pc);
  EXPECT_EQ(gc, 0);
  ASSERT_EQ(pc, 1);
  EXPECT_EQ(poles[1], F(1));

  TArrayExt ng{}, np{};
  TPoly zq = P({{9}}), nq = P({{9}});
  NumericZerosRest(P({{1}}), P({{-2}, {0}, {1}}), P({{-2}, {0}, {1}}), ng, np, gc, pc, zq, nq);
  EXPECT_EQ(gc, 0);
  ASSERT_EQ(pc, 2);
  EXPECT_NEAR(np[1], -std::sqrt(2.0L), 1e-8L);
  EXPECT_NEAR(np[2], std::sqrt(2.0L), 1e-8L);
  EXPECT_EQ(show(zq), "9");  // f does not divide z: left as they came
  // (x² − 2)/(x² − 2) divides both: quotients 1/1, the zeros are gaps.
  NumericZerosRest(P({{-2}, {0}, {1}}), P({{-2}, {0}, {1}}), P({{-2}, {0}, {1}}), ng, np, gc, pc, zq, nq);
  EXPECT_EQ(gc, 2);
  EXPECT_EQ(pc, 0);
  EXPECT_EQ(show(zq), "1");
  EXPECT_EQ(show(nq), "1");
}

TEST(Poly, ZerosAllDividesOutRationalRootsWithMultiplicity) {
  // (x − 1)²(x² − 2) = x⁴ − 2x³ − x² + 4x − 2
  const TPoly p = P({{-2}, {4}, {-1}, {-2}, {1}});
  TPoly roots = P({{0}, {1}});  // list: roots[1] = 1
  TArrayExt num{};
  int count = -1;
  TPoly rest;
  std::u16string restText = u"old";
  PolyZerosAll(p, roots, 1, num, count, rest, restText);
  EXPECT_EQ(show(rest), "x² - 2");
  EXPECT_TRUE(restText.empty());
  ASSERT_EQ(count, 2);
  EXPECT_NEAR(num[1], -1.41421356L, 1e-9L);
  // x⁶ + x⁵ + x + 1 = (x + 1)²(x⁴ − x³ + x² − x + 1): −1 divides twice.
  TPoly big{};
  big[6] = F(1);
  big[5] = F(1);
  big[1] = F(1);
  big[0] = F(1);
  PolyZerosAll(big, P({{0}, {-1}}), 1, num, count, rest, restText);
  EXPECT_EQ(show(rest), "x⁴ - x³ + x² - x + 1");
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(restText.empty());
  // A rest above degree four is given back as text.
  PolyZerosAll(big, roots, 0, num, count, rest, restText);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(utf8(restText), "x⁶ + x⁵ + x + 1");
}

TEST(Poly, SymmetryWithASeededGenerator) {
  std::mt19937 rng(42);
  EXPECT_TRUE(PolyAxisSymmetric(P({{0}, {0}, {1}}), 0, rng));
  EXPECT_FALSE(PolyAxisSymmetric(P({{0}, {0}, {0}, {1}}), 0, rng));
  EXPECT_TRUE(PolyPointSymmetric(P({{0}, {0}, {0}, {1}}), 0, 0, rng));
  EXPECT_TRUE(PolyAxisSymmetric(P({{4}, {-4}, {1}}), 2, rng));         // (x − 2)²
  EXPECT_TRUE(PolyPointSymmetric(P({{3}, {-1}, {0}, {1}}), 0, 3, rng));  // x³ − x + 3
  EXPECT_FALSE(PolyPointSymmetric(P({{0}, {0}, {1}}), 0, 0, rng));
  EXPECT_TRUE(RatPointSymmetric(P({{1}}), P({{0}, {1}}), 0, 0, rng));    // 1/x
  EXPECT_TRUE(RatAxisSymmetric(P({{1}}), P({{0}, {0}, {1}}), 0, rng));   // 1/x²
  EXPECT_FALSE(RatAxisSymmetric(P({{0}, {1}}), P({{1}, {0}, {1}}), 0, rng));
  // The same seed gives the same trials.
  std::mt19937 a(5), b(5);
  const TPoly almost = P({{0}, {F(1, 100000)}, {1}});  // x² + x/10⁵: fails only at large offsets
  EXPECT_EQ(PolyAxisSymmetric(almost, 0, a), PolyAxisSymmetric(almost, 0, b));
}

TEST(Poly, IntegerHelpers) {
  struct Case { int32_t a, b, gcd, lcm; } cases[] = {
      {12, 18, 6, 36}, {-12, 18, 6, 36}, {7, 5, 1, 35}, {18, 12, 6, 36},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GcdInteger(c.a, c.b), c.gcd);
    EXPECT_EQ(LcmInteger(c.a, c.b), c.lcm);
  }
  EXPECT_THROW(GcdInteger(0, 5), CalcFailure);
  EXPECT_THROW(LcmInteger(65536, 65535 * 2), FractionOverflow);
  EXPECT_EQ(BinomialInt(5, 2), 10);
  EXPECT_EQ(BinomialInt(30, 15), 155117520);
  EXPECT_EQ(BinomialInt(7, 0), 1);
  EXPECT_THROW(BinomialInt(40, 20), FractionOverflow);
}

}  // namespace
}  // namespace zw
