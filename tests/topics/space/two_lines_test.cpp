// Two lines in space: every classification (also at the 0.1 boundary), the
// root forms, the zero directions; the feet are the closest pair (checked
// with Eigen in long double).
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <cmath>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "shell/State.h"
#include "topics/space/TwoLines.h"

namespace zw {
namespace {

class TwoLinesTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u'.';
  }
};

TEST_F(TwoLinesTest, Classification) {
  struct Case {
    const char* what;
    TVec3 p, u, q, v;
    LinesRelation relation;
    Extended d;
  } cases[] = {
      {"skew at distance 1", {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, LinesRelation::Skew, 1},
      {"parallel at distance 1", {0, 0, 0}, {1, 1, 0}, {0, 0, 1}, {2, 2, 0}, LinesRelation::Parallel, 1},
      {"identical", {1, 0, 0}, {0, 1, 1}, {1, 0, 0}, {0, 2, 2}, LinesRelation::Identical, 0},
      {"parallel at 0.1 count as identical", {0, 0, 0}, {1, 0, 0}, {0, 0.1L, 0}, {1, 0, 0},
       LinesRelation::Identical, 0.1L},
      {"parallel at 0.11 are parallel", {0, 0, 0}, {1, 0, 0}, {0, 0.11L, 0}, {1, 0, 0}, LinesRelation::Parallel,
       0.11L},
      {"skew at 0.05 count as intersecting", {0, 0, 0}, {1, 0, 0}, {0, 0, 0.05L}, {0, 1, 0},
       LinesRelation::Intersecting, 0.05L},
      {"meeting at the origin", {0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {-1, 1, 0}, LinesRelation::Intersecting, 0},
      {"nearly parallel by the exact test is not parallel", {0, 0, 0}, {1, 2, 3}, {1, 0, 0}, {2, 4, 6.000001L},
       LinesRelation::Skew, -1},
      {"u = (0,0,1), v = (0,1,1) is not parallel", {0, 0, 0}, {0, 0, 1}, {0, 0, 0}, {0, 1, 1},
       LinesRelation::Intersecting, 0},
  };
  for (const Case& c : cases) {
    const SpaceLinesResult r = ComputeTwoLines(c.p, c.u, c.q, c.v);
    EXPECT_EQ(r.relation, c.relation) << c.what;
    if (c.d >= 0) {
      EXPECT_NEAR(static_cast<double>(r.d), static_cast<double>(c.d), 1e-15) << c.what;
    }
  }
  // The angle of (1,0,0) and (-1,1,0) is 45°, not 135°.
  EXPECT_NEAR(static_cast<double>(ComputeTwoLines({}, {1, 0, 0}, {}, {-1, 1, 0}).angle), 45, 1e-12);
}

TEST_F(TwoLinesTest, FeetAreTheClosestPair) {
  using V = Eigen::Matrix<long double, 3, 1>;
  struct Case {
    TVec3 p, u, q, v;
  } cases[] = {{{1, 2, 3}, {1, -1, 2}, {-4, 0.5L, 7}, {3, 1, 1}},
               {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
               {{10, -3, 2}, {0.3L, 0.1L, -2}, {1, 1, 1}, {5, 5, 0.25L}}};
  for (const Case& c : cases) {
    const SpaceLinesResult r = ComputeTwoLines(c.p, c.u, c.q, c.v);
    const V p(c.p.x, c.p.y, c.p.z), u(c.u.x, c.u.y, c.u.z), q(c.q.x, c.q.y, c.q.z), v(c.v.x, c.v.y, c.v.z);
    // Normal equations of min |p + r·u - q - s·v|².
    Eigen::Matrix<long double, 2, 2> m;
    m << u.dot(u), -u.dot(v), u.dot(v), -v.dot(v);
    const Eigen::Matrix<long double, 2, 1> rhs((q - p).dot(u), (q - p).dot(v));
    const Eigen::Matrix<long double, 2, 1> rs = m.fullPivLu().solve(rhs);
    const V f1 = p + rs(0) * u, f2 = q + rs(1) * v;
    const long double scale = std::max<long double>(1, f1.norm());
    EXPECT_NEAR(static_cast<double>((f1 - V(r.f1.x, r.f1.y, r.f1.z)).norm() / scale), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>((f2 - V(r.f2.x, r.f2.y, r.f2.z)).norm() / std::max<long double>(1, f2.norm())), 0,
                1e-15);
    EXPECT_NEAR(static_cast<double>(r.d), static_cast<double>((f1 - f2).norm()), 1e-15);
  }
}

TEST_F(TwoLinesTest, RootForms) {
  struct Case {
    Extended x, xq;
    const char* text;
  } cases[] = {
      {std::sqrt(2.0L), 2, "√2 = 1.4142136"},
      {1.5L, 2.25L, "√2.25 = 1.5"},
      {2, 4, "2"},
      {1, 1, "1"},
      {std::sqrt(2.001L), 2.001L, "1.4145671"},  // 100·xq is not whole
  };
  for (const Case& c : cases) EXPECT_EQ(LengthRootForm(c.x, c.xq), QString::fromUtf8(c.text)) << c.text;
}

TEST_F(TwoLinesTest, MemoLines) {
  const auto memo = [](TVec3 p, TVec3 u, TVec3 q, TVec3 v) {
    return TwoLinesMemoLines(ComputeTwoLines(p, u, q, v), FixedWidthMeasurer());
  };
  const QStringList skew = {"    ->  ⎛ 0 ⎞     ⎛ 1 ⎞", "g : x = ⎜ 0 ⎟ + r·⎜ 0 ⎟", "        ⎝ 0 ⎠     ⎝ 0 ⎠", "",
                            "    ->  ⎛ 0 ⎞     ⎛ 0 ⎞", "h : x = ⎜ 1 ⎟ + s·⎜ 0 ⎟", "        ⎝ 0 ⎠     ⎝ 1 ⎠", "",
                            "Windschiefe Geraden", "Abstand d(g,h) = 1", "", "Fußpunkte des gemeinsamen Lots: ",
                            "  F1(0|0|0)   F2(0|1|0)", "", "Abstände zum Ursprung: ", "  d(O,g) = 0", "  d(O,h) = 1"};
  EXPECT_EQ(memo({}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}), skew);
  const QStringList cut = memo({1, 1, 0}, {2, 0, 0}, {0, 0, 0}, {-1, 1, 0});
  EXPECT_EQ(cut.mid(1, 1), QStringList{"g : x = ⎜ 1 ⎟ + r·⎜ 0 ⎟"});  // the direction reduced
  EXPECT_EQ(cut.mid(8), (QStringList{"Schnittpunkt von g und h: S(-1|1|0)", "", "Winkel zwischen g und h: 45°", "",
                                     "Abstände zum Ursprung: ", "  d(O,g) = 1", "  d(O,h) = 0"}));
  const QStringList parallel = memo({}, {1, 1, 0}, {0, 0, 1.5L}, {2, 2, 0});
  EXPECT_EQ(parallel.mid(8), (QStringList{"Parallele Geraden", "Abstand d(g,h) = √2.25 = 1.5", "",
                                          "Abstände zum Ursprung: ", "  d(O,g) = 0", "  d(O,h) = √2.25 = 1.5"}));
  EXPECT_EQ(memo({1, 0, 0}, {0, 1, 1}, {1, 0, 0}, {0, 2, 2})[8], "Identische Geraden");
}

TEST_F(TwoLinesTest, ZeroDirectionsAreImproperData) {
  for (const auto& [u, v] : {std::pair<TVec3, TVec3>{{0, 0, 0}, {1, 0, 0}}, {{1, 0, 0}, {0, 0, 0}}, {{}, {}}}) {
    try {
      ComputeTwoLines({1, 2, 3}, u, {0, 1, 0}, v);
      ADD_FAILURE() << "no failure";
    } catch (const CalcFailure& e) {
      EXPECT_EQ(e.message(), 21);
    }
  }
}

TEST_F(TwoLinesTest, PictureExtentHasALowerBound) {
  // Two lines through the origin: no extent of their own.
  EXPECT_EQ(TwoLinesExtent(ComputeTwoLines({}, {1, 0, 0}, {}, {0, 1, 0})), 1);
  EXPECT_EQ(TwoLinesExtent(ComputeTwoLines({}, {1, 0, 0}, {0, 2, 0}, {0, 0, 1})), 8);
}

}  // namespace
}  // namespace zw
