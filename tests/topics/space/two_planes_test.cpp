// Two planes: the reduction, the line of intersection as fractions with its
// reduced direction, parallel planes and the failures; the line lies in
// both planes (checked in long double against the planes as given).
#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "shell/State.h"
#include "topics/space/TwoPlanes.h"

namespace zw {
namespace {

class TwoPlanesTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    kernelState().RegionalDecimalSeparator = u'.';
  }
  static QStringList memo(const TwoPlanesResult& r) { return TwoPlanesMemoLines(r, FixedWidthMeasurer()); }
};

TEST_F(TwoPlanesTest, IntersectionLines) {
  struct Case {
    const char* what;
    TVec4 e1, e2;
    TVec3 point, direction;
    Extended distance, angle;  // distance of the line from the origin
  } cases[] = {
      {"x = 0 and y = 0", {1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0}, {0, 0, 1}, 0, 90},
      {"x + y + z = 1 and x - y = 0", {1, 1, 1, 1}, {1, -1, 0, 0}, {0.5L, 0.5L, 0}, {1, 1, -2},
       std::sqrt(1.0L / 3), 90},
      {"2z = 3 and x = 1", {0, 0, 2, 3}, {1, 0, 0, 1}, {1, 0, 1.5L}, {0, 1, 0}, std::sqrt(3.25L), 90},
      {"3x + 6y = 2 and z = 0.5: y set to 0", {3, 6, 0, 2}, {0, 0, 1, 0.5L}, {2.0L / 3, 0, 0.5L}, {2, -1, 0},
       std::sqrt(4.0L / 45 + 0.25L), 90},
  };
  for (const Case& c : cases) {
    const TwoPlanesResult r = ComputeTwoPlanes(c.e1, c.e2);
    ASSERT_FALSE(r.parallel) << c.what;
    // The point and the whole line lie in both planes as given.
    for (const TVec4& e : {c.e1, c.e2}) {
      for (Extended t : {0.0L, 1.0L, -2.5L}) {
        const TVec3 x{r.point.x + t * r.direction.x, r.point.y + t * r.direction.y, r.point.z + t * r.direction.z};
        EXPECT_NEAR(static_cast<double>(e.x * x.x + e.y * x.y + e.z * x.z - e.t), 0, 1e-15) << c.what;
      }
    }
    for (Extended t : {r.point.x - c.point.x, r.point.y - c.point.y, r.point.z - c.point.z})
      EXPECT_NEAR(static_cast<double>(t), 0, 1e-18) << c.what;
    EXPECT_EQ(r.direction.x * c.direction.y, r.direction.y * c.direction.x) << c.what;
    EXPECT_EQ(r.direction.y * c.direction.z, r.direction.z * c.direction.y) << c.what;
    EXPECT_NEAR(static_cast<double>(r.angle), static_cast<double>(c.angle), 1e-12) << c.what;
    EXPECT_NEAR(static_cast<double>(std::sqrt(r.dd)), static_cast<double>(c.distance), 1e-15) << c.what;
  }
}

TEST_F(TwoPlanesTest, MemoOfAnIntersection) {
  const TwoPlanesResult r = ComputeTwoPlanes({1, 1, 1, 1}, {1, -1, 0, 0});
  const QStringList expected = {
      "Gegeben sind die beiden Ebenen:", QString(31, QChar(0xAF)), "E1 : x + y + z = 1", "E2 : x - y = 0", "",
      "Schnittgerade der Ebenen:", QString(25, QChar(0xAF)), "    ->  ⎛ 1/2 ⎞     ⎛ 1 ⎞",
      "g : x = ⎜ 1/2 ⎟ + r·⎜ 1 ⎟", "        ⎝   0 ⎠     ⎝-2 ⎠", "", "Abstand vom Ursprung:", QString(21, QChar(0xAF)),
      "  d = 0.57735027", "", "Schnittwinkel der Ebenen:", QString(25, QChar(0xAF)), "  α = 90°"};
  EXPECT_EQ(memo(r), expected);
}

TEST_F(TwoPlanesTest, ParallelPlanesAndFailures) {
  {
    const TwoPlanesResult r = ComputeTwoPlanes({0, 0, 1, 0}, {0, 0, 1, 3}, 7);
    EXPECT_TRUE(r.parallel);
    EXPECT_EQ(r.d, -3);
    EXPECT_EQ(r.dd, 7);  // kept from the pair before
    const QStringList expected = {"Gegeben sind die beiden Ebenen:", QString(31, QChar(0xAF)), "E1 : z = 0",
                                  "E2 : z = 3", "", "Die beiden Ebenen sind parallel", QString(31, QChar(0xAF)),
                                  "  d(E1,E2) = -3"};
    EXPECT_EQ(memo(r), expected);
  }
  // 2z = 3 becomes z = 1.5 in the equation and the computation.
  EXPECT_EQ(memo(ComputeTwoPlanes({0, 0, 2, 3}, {1, 0, 0, 0}))[2], "E1 : z = 1.5");
  {
    // Empty planes become x = 0: parallel at distance 0.
    const TwoPlanesResult r = ComputeTwoPlanes({}, {});
    EXPECT_TRUE(r.parallel);
    EXPECT_EQ(r.d, 0);
    EXPECT_EQ(r.e1.x, 1);
  }
  struct Fail {
    TVec4 e1, e2;
    int message;
  } fails[] = {{{1, -1, 0, 0}, {-1, 1, 0, 5}, 14}, {{0, 0, 0, 5}, {1, 0, 0, 0}, 23}, {{1, 0, 0, 0}, {0, 0, 0, 1}, 23}};
  for (const Fail& f : fails) {
    try {
      ComputeTwoPlanes(f.e1, f.e2);
      ADD_FAILURE() << "no failure";
    } catch (const CalcFailure& e) {
      EXPECT_EQ(e.message(), f.message);
    }
  }
}

}  // namespace
}  // namespace zw
