// Circle and circle parts: every pair as a round trip, and the cases
// without a solution.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "kernel/CalcFailure.h"
#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "topics/plane/Kreis.h"

namespace zw {
namespace {

int FailureOf(int mask, CircleParts p) {
  try {
    SolveCircleParts(mask, p);
  } catch (const CalcFailure& e) {
    return e.message();
  }
  return -1;
}

Extended Get(const CircleParts& p, int bit) {
  switch (bit) {
    case KR: return p.r;
    case KAlpha: return p.alpha;
    case KB: return p.b;
    case KS: return p.s;
    case KA1: return p.A1;
    case KD: return p.d;
    default: return p.h;
  }
}
void Set(CircleParts& p, int bit, Extended v) {
  switch (bit) {
    case KR: p.r = v; break;
    case KAlpha: p.alpha = v; break;
    case KB: p.b = v; break;
    case KS: p.s = v; break;
    case KA1: p.A1 = v; break;
    case KD: p.d = v; break;
    default: p.h = v; break;
  }
}

TEST(KreisCompute, EveryPairGivesBackTheSector) {
  const int bits[7] = {KR, KAlpha, KB, KS, KA1, KD, KH};
  for (Extended alpha : {70.0L, 150.0L}) {
    CircleParts given;
    given.r = 2, given.alpha = alpha;
    const CircleParts ref = SolveCircleParts(KR | KAlpha, given);
    int pairs = 0;
    for (int i = 0; i < 7; ++i)
      for (int j = i + 1; j < 7; ++j) {
        CircleParts in;
        Set(in, bits[i], Get(ref, bits[i]));
        Set(in, bits[j], Get(ref, bits[j]));
        const int mask = bits[i] | bits[j];
        CircleParts out;
        try {
          out = SolveCircleParts(mask, in);
        } catch (const CalcFailure& e) {
          // (s, A1) finds the small-angle solution only.
          if (mask == (KS | KA1) && alpha > 100) continue;
          ADD_FAILURE() << "mask " << mask << " alpha " << double(alpha) << " message " << e.message();
          continue;
        }
        // (s, A1) finds the small-angle solution only: another sector with that chord and area.
        if (mask == (KS | KA1) && alpha > 100) {
          EXPECT_LT(double(out.alpha), double(alpha));
          continue;
        }
        ++pairs;
        for (int b : bits) EXPECT_NEAR(double(Get(out, b)), double(Get(ref, b)), 1e-8) << "mask " << mask << " bit " << b;
        EXPECT_NEAR(double(out.A2), double(ref.A2), 1e-8) << "mask " << mask;
      }
    EXPECT_GE(pairs, 20);  // 21 pairs, one of them the small-angle quirk at 150°
  }
}

TEST(KreisCompute, KnownSector) {
  CircleParts p;
  p.r = 1, p.alpha = 90;
  const CircleParts q = SolveCircleParts(KR | KAlpha, p);
  EXPECT_NEAR(double(q.b), M_PI / 2, 1e-15);
  EXPECT_NEAR(double(q.s), std::sqrt(2.0), 1e-15);
  EXPECT_NEAR(double(q.d), std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(double(q.A2), M_PI / 4 - 0.5, 1e-15);
}

TEST(KreisCompute, CasesWithoutSolution) {
  struct Case {
    int mask;
    CircleParts p;
    int message;
  } cases[] = {
      {KB | KH, {.b = 1, .h = 1}, 5},           // b/h < π: no angle
      {KAlpha | KD, {.alpha = 400, .d = 1}, 5},  // negative lengths
      {KS | KA1, {.s = 10, .A1 = 1}, 5},         // the area is too small for the chord
      {KB | KS, {.b = 1, .s = 2}, 5},            // a chord longer than its arc
      {KR | KS, {.r = 1, .s = 3}, 5},            // a chord longer than the diameter
      {KR | KD, {.r = 1, .d = 2}, 5},
      {KR | KAlpha | KB, {.r = 1, .alpha = 1, .b = 1}, 32},
      {0, {}, 32},
  };
  for (const Case& c : cases) EXPECT_EQ(FailureOf(c.mask, c.p), c.message) << c.mask;
}

TEST(KreisCompute, AngleAboveAFullTurnIsClampedWithRadius) {
  CircleParts p;
  p.r = 1, p.alpha = 500;
  const CircleParts q = SolveCircleParts(KR | KAlpha, p);
  EXPECT_EQ(q.alpha, 360);
  EXPECT_NEAR(double(q.b), 2 * M_PI, 1e-15);
}

TEST(KreisCompute, ArcHeightAtTheFullCircle) {
  EXPECT_NEAR(double(ArcHeightAngle(std::numbers::pi_v<long double>, 1)), 2 * M_PI, 1e-12);
}

TEST(KreisCompute, InverseFunctionsEndOnValuesOutsideTheirRange) {
  EXPECT_NEAR(double(SolveSinOverT(std::sin(0.5L) / 0.5L)), 0.5, 1e-12);
  for (Extended v : {2.0L, -1.0L, 1e300L})
    EXPECT_THROW(SolveSinOverT(v), CalcFailure);
}

TEST(KreisCompute, MemoListsGivenThenResults) {
  resetShellState();
  FixedWidthMeasurer font(10);
  CircleParts p;
  p.r = 1, p.alpha = 90;
  const QStringList lines = KreisMemoLines(KR | KAlpha, SolveCircleParts(KR | KAlpha, p), font);
  EXPECT_TRUE(lines[0].startsWith("Gegeben"));
  EXPECT_TRUE(lines[2].endsWith("Radius r = 1"));
  EXPECT_TRUE(lines[3].endsWith("Winkel α = 90°"));
  // Every label ends at one column.
  const int eq = int(lines[2].indexOf(" = "));
  for (const QString& l : lines) {
    if (l.contains(" = ")) {
      EXPECT_EQ(int(l.indexOf(" = ")), eq) << l.toStdString();
    }
  }
  EXPECT_TRUE(lines.join('\n').contains("Kreissegment A2"));
}

}  // namespace
}  // namespace zw
