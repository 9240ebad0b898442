#include "kernel/Angle.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"

using namespace zw;

namespace {

struct AngleModeTest : ::testing::Test {
  void TearDown() override { kernelState().reset(); }
  void mode(int m) { kernelState().AngleMode = m; }
};

}  // namespace

TEST_F(AngleModeTest, TrigonometryPerUnit) {
  mode(0);
  EXPECT_NEAR(SinAngleMode(30), 0.5, 1e-18);
  EXPECT_EQ(FullCircle(), 360);
  EXPECT_EQ(AngleUnitSymbol(), u"°");
  mode(2);
  EXPECT_NEAR(CosAngleMode(100), 0, 1e-18);
  EXPECT_NEAR(ArcTanAngleMode(1), 50, 1e-15);
  EXPECT_EQ(AngleUnitSymbol(), u"gon");
  for (int m : {1, 7}) {
    mode(m);
    EXPECT_NEAR(ArcTanAngleMode(1), M_PIl / 4, 1e-18);
    EXPECT_NEAR(SinAngleMode(M_PIl / 2), 1, 1e-18);
    EXPECT_EQ(FullCircle(), 2 * M_PIl);
    EXPECT_EQ(AngleUnitSymbol(), u"rad");
  }
}

TEST_F(AngleModeTest, PolarAngles) {
  mode(0);
  struct Case {
    long double x, y, rho, phi;
  };
  const Case cases[] = {{-1, 0, 1, 180}, {0, -2, 2, 270}, {1, -1, std::sqrt(2.0L), 315},
                        {1, 0, 1, 0},    {0, 3, 3, 90},   {-1, -1, std::sqrt(2.0L), 225}};
  for (const Case& c : cases) {
    long double rho, phi, h;
    CartesianToPolar(rho, phi, h, c.x, c.y, 5);
    EXPECT_NEAR(rho, c.rho, 1e-18) << c.x << "," << c.y;
    EXPECT_NEAR(phi, c.phi, 1e-15) << c.x << "," << c.y;
    EXPECT_EQ(h, 5);
  }
}

TEST_F(AngleModeTest, SphericalOnTheAxisAndBelowThePlane) {
  const long double quarter[] = {90, M_PIl / 2, 100};
  for (int m : {0, 1, 2}) {
    mode(m);
    long double r, phi, theta;
    CartesianToSpherical(r, phi, theta, 0, 0, -5);
    EXPECT_EQ(r, -5);
    EXPECT_EQ(phi, 0);
    EXPECT_EQ(theta, quarter[m]);
    CartesianToSpherical(r, phi, theta, 0, 0, 0);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(theta, quarter[m]);
  }
  mode(0);
  long double r, phi, theta;
  CartesianToSpherical(r, phi, theta, 1, 0, -1);
  EXPECT_NEAR(r, std::sqrt(2.0L), 1e-18);
  EXPECT_EQ(phi, 0);
  EXPECT_NEAR(theta, 315, 1e-15);
}

TEST_F(AngleModeTest, ConversionsRoundTripInEveryUnit) {
  const long double points[][3] = {{1, 0, -1}, {-2, 3, 4}, {-1, -1, -1}, {0.5L, -7, 0}, {0, 2, -3}, {0, 0, -5}};
  for (int m : {0, 1, 2})
    for (const auto& p : points) {
      mode(m);
      long double r, phi, theta, x, y, z;
      CartesianToSpherical(r, phi, theta, p[0], p[1], p[2]);
      EXPECT_GE(phi, 0);
      EXPECT_LT(phi, FullCircle());
      SphericalToCartesian(x, y, z, r, phi, theta);
      EXPECT_NEAR(x, p[0], 1e-15) << m;
      EXPECT_NEAR(y, p[1], 1e-15) << m;
      EXPECT_NEAR(z, p[2], 1e-15) << m;
      long double rho, h;
      CartesianToPolar(rho, phi, h, p[0], p[1], p[2]);
      PolarToCartesian(x, y, z, rho, phi, h);
      EXPECT_NEAR(x, p[0], 1e-15) << m;
      EXPECT_NEAR(y, p[1], 1e-15) << m;
      EXPECT_EQ(z, p[2]);
    }
}

TEST(DegToDMS, WholePartsWithCarry) {
  struct Case {
    long double x;
    int d, m;
    long double s;
  };
  const Case cases[] = {
      {12.5L, 12, 30, 0},
      {-0.25L, 0, -15, 0},
      {12.7L, 12, 42, 0},
      {12.7, 12, 42, 0},  // the double nearest 12.7 is 12.69999…
      {52.52, 52, 31, 12},
      {0.99999999999999L, 1, 0, 0},
      {0.999999999999L, 0, 59, 59.999999996L},
      {-13.405, -13, -24, -18},
      {10.5125L, 10, 30, 45},
  };
  for (const Case& c : cases) {
    int d = 99, m = 99;
    long double s = 99;
    DegToDMS(d, m, s, c.x);
    EXPECT_EQ(d, c.d) << c.x;
    EXPECT_EQ(m, c.m) << c.x;
    EXPECT_NEAR(s, c.s, 1e-9) << c.x;
    EXPECT_LT(std::fabs(s), 60);
  }
  int d, m;
  long double s;
  EXPECT_THROW(DegToDMS(d, m, s, 1e12L), CalcFailure);
}
