// Cone, cylinder, square pyramid and regular prism from two quantities:
// every pair from a known solid gives a solid with that pair that satisfies
// every relation of the solid; the pairs that fix each other give message 6;
// the pairs without a solid give message 5; the memo lines.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "common/TextMeasurer.h"
#include "tests/topics/solids/SolidsTestKit.h"
#include "topics/solids/TwoQuantity.h"

namespace zw {
namespace {

using S = TwoQuantitySolid;
constexpr Extended Pi = std::numbers::pi_v<long double>;

// The relations of each solid, written out independently of the engine:
// the largest relative deviation of the seven quantities from them.
Extended Deviation(S solid, const Quantities& q, int n) {
  Extended worst = 0;
  const auto same = [&worst](Extended got, Extended want) {
    worst = std::max(worst, std::fabs(got - want) / std::fabs(want));
  };
  switch (solid) {
    case S::Cone: {  // r, h, s, V, M, G, O
      const Extended r = q[0], h = q[1];
      same(q[2], std::sqrt(r * r + h * h));
      same(q[3], Pi * r * r * h / 3);
      same(q[4], Pi * r * q[2]);
      same(q[5], Pi * r * r);
      same(q[6], q[5] + q[4]);
      break;
    }
    case S::Cylinder: {  // r, h, u, V, G, M, O
      const Extended r = q[0], h = q[1];
      same(q[2], 2 * Pi * r);
      same(q[3], Pi * r * r * h);
      same(q[4], Pi * r * r);
      same(q[5], 2 * Pi * r * h);
      same(q[6], 2 * q[4] + q[5]);
      break;
    }
    case S::Pyramid: {  // a, s, h1, h2, V, O, A
      const Extended a = q[0], s = q[1];
      same(q[2] * q[2], s * s - a * a / 2);
      same(q[3] * q[3], s * s - a * a / 4);
      same(q[4], a * a * q[2] / 3);
      same(q[6], a * q[3] / 2);
      same(q[5], a * a + 4 * q[6]);
      break;
    }
    case S::Prism: {  // a, h, ru, ri, V, G, O
      const Extended a = q[0], h = q[1], t = std::tan(Pi / n);
      same(q[2], a / (2 * std::sin(Pi / n)));
      same(q[3], a / (2 * t));
      same(q[5], n * a * a / (4 * t));
      same(q[4], q[5] * h);
      same(q[6], 2 * q[5] + n * a * h);
      break;
    }
  }
  return worst;
}

struct Reference {
  S solid;
  int n;
  Quantities q;
  std::vector<int> notUnique;  // pairs of two base quantities: message 6
  std::vector<int> otherSolid;  // pairs that fit a second solid, which may be the one reported
};

std::vector<Reference> References() {
  const Extended r3 = std::sqrt(3.0L);
  return {
      {S::Cone, 3, {3, 4, 5, 12 * Pi, 15 * Pi, 9 * Pi, 24 * Pi}, {33}, {12, 24, 72}},
      {S::Cylinder, 3, {3, 4, 6 * Pi, 36 * Pi, 9 * Pi, 24 * Pi, 42 * Pi}, {5, 17, 20}, {72}},
      {S::Pyramid, 3, {6, std::sqrt(34.0L), 4, 5, 48, 96, 15}, {}, {18, 34, 48, 66, 80}},
      {S::Prism, 6, {2, 5, 2, r3, 30 * r3, 6 * r3, 12 * r3 + 60}, {5, 9, 12, 33, 36, 40}, {80}},
  };
}

using TwoQuantityCompute = SolidsCompute;

TEST_F(TwoQuantityCompute, EveryPairGivesASolidWithThatPair) {
  for (const Reference& ref : References()) {
    for (int i = 0; i < 7; ++i)
      for (int j = i + 1; j < 7; ++j) {
        const int mask = (1 << i) | (1 << j);
        Quantities given{};
        given[i] = ref.q[i];
        given[j] = ref.q[j];
        const bool notUnique = std::ranges::count(ref.notUnique, mask) > 0;
        const int failure = FailureOf([&] { SolveTwoQuantities(ref.solid, mask, given, ref.n); });
        EXPECT_EQ(failure, notUnique ? 6 : 0) << int(ref.solid) << " pair " << mask;
        if (failure) continue;
        const TwoQuantityResult r = SolveTwoQuantities(ref.solid, mask, given, ref.n);
        EXPECT_EQ(r.first[i], ref.q[i]);
        EXPECT_EQ(r.first[j], ref.q[j]);
        EXPECT_LT(Deviation(ref.solid, r.first, ref.n), 1e-12L) << int(ref.solid) << " pair " << mask;
        if (std::ranges::count(ref.otherSolid, mask) == 0) {
          for (int k = 0; k < 7; ++k)
            EXPECT_NEAR(double(r.first[k]), double(ref.q[k]), 1e-12 * double(ref.q[k]))
                << int(ref.solid) << " pair " << mask << " k=" << k;
          EXPECT_FALSE(r.second) << int(ref.solid) << " pair " << mask;
        }
        if (r.second) {
          EXPECT_EQ((*r.second)[i], ref.q[i]);
          EXPECT_EQ((*r.second)[j], ref.q[j]);
          EXPECT_LT(Deviation(ref.solid, *r.second, ref.n), 1e-12L) << int(ref.solid) << " pair " << mask;
        }
      }
  }
}

TEST_F(TwoQuantityCompute, TwoSolutionsAndTheChosenRoot) {
  const auto solve = [](S solid, int mask, Quantities given, int n = 3) {
    return SolveTwoQuantities(solid, mask, given, n);
  };
  // Cone V = 12π, O = 24π: r = 3, h = 4, then r = √3, h = 12.
  const TwoQuantityResult cone = solve(S::Cone, 72, {0, 0, 0, 12 * Pi, 0, 0, 24 * Pi});
  ASSERT_TRUE(cone.second);
  EXPECT_NEAR(double(cone.first[0]), 3, 1e-15);
  EXPECT_NEAR(double(cone.first[1]), 4, 1e-15);
  EXPECT_NEAR(double((*cone.second)[0]), std::sqrt(3.0), 1e-15);
  EXPECT_NEAR(double((*cone.second)[1]), 12, 1e-14);
  // s = 5, V = 12π: the flatter cone.
  const TwoQuantityResult flat = solve(S::Cone, 12, {0, 0, 5, 12 * Pi, 0, 0, 0});
  EXPECT_NEAR(double(flat.first[1]), 1.6056, 1e-4);
  EXPECT_FALSE(flat.second);
  // Cylinder V = 36π, O = 42π: the thinner one first.
  const TwoQuantityResult cyl = solve(S::Cylinder, 72, {0, 0, 0, 36 * Pi, 0, 0, 42 * Pi});
  ASSERT_TRUE(cyl.second);
  EXPECT_NEAR(double(cyl.first[0]), 2.2749, 1e-4);
  EXPECT_NEAR(double(cyl.first[1]), 6.9562, 1e-4);
  EXPECT_NEAR(double((*cyl.second)[0]), 3, 1e-15);
  EXPECT_NEAR(double((*cyl.second)[1]), 4, 1e-14);
  // Pyramid V = 48, O = 96: a = 6, h1 = 4, then a = 2√3 with height 12.
  const TwoQuantityResult pyr = solve(S::Pyramid, 48, {0, 0, 0, 0, 48, 96, 0});
  ASSERT_TRUE(pyr.second);
  EXPECT_NEAR(double(pyr.first[0]), 6, 1e-14);
  EXPECT_NEAR(double(pyr.first[2]), 4, 1e-14);
  EXPECT_NEAR(double((*pyr.second)[0]), 2 * std::sqrt(3.0), 1e-14);
  EXPECT_NEAR(double((*pyr.second)[2]), 12, 1e-13);
  // s = √34, V = 48: the flatter pyramid.
  const TwoQuantityResult pflat = solve(S::Pyramid, 18, {0, std::sqrt(34.0L), 0, 0, 48, 0, 0});
  EXPECT_NEAR(double(pflat.first[0]), 7.3160, 1e-4);
  EXPECT_NEAR(double(pflat.first[2]), 2.6904, 1e-4);
  // A square prism of edge 1 and height 4 and one of edge (√33 - 1)/2 share V = 4 and O = 18.
  const TwoQuantityResult prism = solve(S::Prism, 80, {0, 0, 0, 0, 4, 0, 18}, 4);
  ASSERT_TRUE(prism.second);
  EXPECT_NEAR(double(prism.first[0]), 1, 1e-15);
  EXPECT_NEAR(double(prism.first[1]), 4, 1e-14);
  EXPECT_NEAR(double((*prism.second)[0]), (std::sqrt(33.0) - 1) / 2, 1e-14);
}

TEST_F(TwoQuantityCompute, PairsWithoutASolidGiveMessage5) {
  const Extended sixPi = 6 * Pi;
  struct Case {
    const char* what;
    S solid;
    int mask;
    Quantities given;
    int n;
    int message;
  } cases[] = {
      {"cone: s not above r", S::Cone, 5, {3, 0, 3, 0, 0, 0, 0}, 3, 5},
      {"cone: V too large for s", S::Cone, 12, {0, 0, 1, 1, 0, 0, 0}, 3, 5},
      {"cone: the largest V for s", S::Cone, 12, {0, 0, 3, 2 * std::sqrt(3.0L) * Pi, 0, 0, 0}, 3, 0},
      {"cone: O³ < 72πV²", S::Cone, 72, {0, 0, 0, 100, 0, 0, 10}, 3, 5},
      {"cone: r and G", S::Cone, 33, {3, 0, 0, 0, 0, 9 * Pi, 0}, 3, 6},
      {"cylinder: u and G agree", S::Cylinder, 20, {0, 0, sixPi, 0, 9 * Pi, 0, 0}, 3, 6},
      {"cylinder: O too small for V", S::Cylinder, 72, {0, 0, 0, 36 * Pi, 0, 0, 10}, 3, 5},
      {"cylinder: r = 3 with O = 30 < 2πr²", S::Cylinder, 65, {3, 0, 0, 0, 0, 0, 30}, 3, 5},
      {"cylinder: O/u < u/2π", S::Cylinder, 68, {0, 0, sixPi, 0, 0, 0, 30}, 3, 5},
      {"cylinder: O < 2G", S::Cylinder, 80, {0, 0, 0, 0, 9 * Pi, 0, 50}, 3, 5},
      {"pyramid: V too large for s", S::Pyramid, 18, {0, 1, 0, 0, 1, 0, 0}, 3, 5},
      {"pyramid: V too large for h2", S::Pyramid, 24, {0, 0, 0, 1, 1, 0, 0}, 3, 5},
      {"pyramid: O below the base", S::Pyramid, 33, {6, 0, 0, 0, 0, 20, 0}, 3, 5},
      {"pyramid: O = 4A leaves no base", S::Pyramid, 96, {0, 0, 0, 0, 0, 60, 15}, 3, 5},
      {"pyramid: A too large for s", S::Pyramid, 66, {0, 1, 0, 0, 0, 0, 5}, 3, 5},
      {"prism: O < 2G with a", S::Prism, 65, {2, 0, 0, 0, 0, 0, 15}, 6, 5},
      {"prism: O < 2G with G", S::Prism, 96, {0, 0, 0, 0, 0, 10, 15}, 6, 5},
      {"prism: ru and ri", S::Prism, 12, {0, 0, 1, 0.5L, 0, 0, 0}, 3, 6},
      {"prism: V and O of no prism", S::Prism, 80, {0, 0, 0, 0, 1000, 0, 1}, 4, 5},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FailureOf([&] { SolveTwoQuantities(c.solid, c.mask, c.given, c.n); }), c.message) << c.what;
}

TEST_F(TwoQuantityCompute, MemoLines) {
  const FixedWidthMeasurer font(10);
  const QString given = "Gegeben:", results = "Ergebnisse:";
  const QString m8(8, QChar(0xAF)), m9(9, QChar(0xAF)), m11(11, QChar(0xAF));
  std::array<QString, 7> typed{"3", "4"};
  const TwoQuantityResult cone = SolveTwoQuantities(S::Cone, 3, {3, 4, 0, 0, 0, 0, 0});
  EXPECT_EQ(TwoQuantityMemoLines(S::Cone, 3, typed, cone, 3, font),
            (QStringList{given, m8, "         Radius r = 3", "           Höhe h = 4", "", results, m11,
                         "    Mantellinie s = 5", "        Volumen V = 37.699112", "   Mantelfläche M = 47.12389",
                         "    Grundfläche G = 28.274334", "     Oberfläche O = 75.398224"}));

  typed = {"", "", "", "12*pi", "", "", "24*pi"};
  const TwoQuantityResult two = SolveTwoQuantities(S::Cone, 72, {0, 0, 0, 12 * Pi, 0, 0, 24 * Pi});
  EXPECT_EQ(TwoQuantityMemoLines(S::Cone, 72, typed, two, 3, font),
            (QStringList{given, m8, "        Volumen V = 12*pi", "     Oberfläche O = 24*pi", "", "1. Lösung", m9,
                         "         Radius r = 3", "           Höhe h = 4", "    Mantellinie s = 5",
                         "   Mantelfläche M = 47.12389", "    Grundfläche G = 28.274334", "", "2. Lösung", m9,
                         "         Radius r = 1.7320508", "           Höhe h = 12", "    Mantellinie s = 12.124356",
                         "   Mantelfläche M = 65.973446", "    Grundfläche G = 9.424778"}));

  typed = {"2", "5"};
  const TwoQuantityResult prism = SolveTwoQuantities(S::Prism, 3, {2, 5, 0, 0, 0, 0, 0}, 6);
  EXPECT_EQ(TwoQuantityMemoLines(S::Prism, 3, typed, prism, 6, font),
            (QStringList{given, m8, "        Eckenzahl  n = 6", "            Seite  a = 2", "             Höhe  h = 5",
                         "", results, m11, "    Umkreisradius ru = 2", "   Inkreisradius ri  = 1.7320508",
                         "          Volumen  V = 51.961524", "      Grundfläche  G = 10.392305",
                         "       Oberfläche  O = 80.78461"}));
}

}  // namespace
}  // namespace zw
