#include "kernel/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/CalcFailure.h"

using namespace zw;

namespace {

void expectPoint(const TVec2& p, long double x, long double y, long double tol = 1e-15L) {
  EXPECT_NEAR(p.x, x, tol);
  EXPECT_NEAR(p.y, y, tol);
}

}  // namespace

TEST(GeometryLines, ThroughPointsAndIntersections) {
  TDrei g;
  LineThrough2({0, 0}, {2, 2}, g);
  EXPECT_EQ(g.a, 2);
  EXPECT_EQ(g.b, -2);
  EXPECT_EQ(g.c, 0);

  struct Case {
    TDrei g, h;
    bool meets;
    long double x, y;
  };
  const Case cases[] = {
      {{1, 1, 2}, {1, -1, 0}, true, 1, 1},
      {{1, 1, 2}, {2, 2, 1}, false, 0, 0},  // parallel: S unchanged
      {{1, 0, 3}, {0, 1, 1}, true, 3, 1},   // g.b = 0: y from h
      {{1, 1, 2}, {2, 2, 4}, false, 0, 0},  // equal lines
  };
  for (const Case& c : cases) {
    TVec2 S{-9, -9};
    LineIntersection(c.g, c.h, S);
    if (c.meets)
      expectPoint(S, c.x, c.y);
    else
      expectPoint(S, -9, -9);
  }
  TDrei p, t;
  LineThroughPointNormal({1, 2}, {3, 4, 0}, p);
  EXPECT_EQ(p.c, 11);
  TangentLineRecord({1, 2}, {3, 4, 0}, t);
  EXPECT_EQ(t.a * p.a + t.b * p.b, 0);
  EXPECT_EQ(t.a * 1 + t.b * 2, t.c);
  TDrei bis;
  PerpBisector({0, 0}, {2, 0}, bis);
  TVec2 S;
  IntersectLines2(bis, {0, 1, 5}, S);
  expectPoint(S, 1, 5);
}

TEST(GeometryLines, LineAndCircle) {
  struct Case {
    long double a, b, c;
    long double D;
    TVec2 S1, S2;
  };
  const Case cases[] = {
      {0, 1, 0, 1, {1, 0}, {-1, 0}},   // y = 0
      {1, 0, 0, 1, {0, 1}, {0, -1}},   // x = 0: the larger y first
      {0, 1, 1, 0, {0, 1}, {0, 1}},    // touching y = 1
      {1, 0, 1, 0, {1, 0}, {1, 0}},    // touching x = 1
  };
  for (const Case& c : cases) {
    TVec2 S1, S2;
    long double D = -5;
    IntersectLineCircle({0, 0}, S1, S2, 1, c.a, c.b, c.c, D);
    EXPECT_NEAR(D, c.D, 1e-18);
    expectPoint(S1, c.S1.x, c.S1.y);
    expectPoint(S2, c.S2.x, c.S2.y);
  }
  // No common point: S1 and S2 keep their values, also for a vertical line.
  for (const TDrei& line : {TDrei{0, 1, 2}, TDrei{1, 0, 2}}) {
    TVec2 S1{7, 8}, S2{9, 10};
    long double D = 0;
    IntersectLineCircle({0, 0}, S1, S2, 1, line.a, line.b, line.c, D);
    EXPECT_LT(D, 0);
    expectPoint(S1, 7, 8);
    expectPoint(S2, 9, 10);
  }
  TVec2 S1, S2;
  long double D;
  EXPECT_THROW(IntersectLineCircle({0, 0}, S1, S2, 1, 0, 0, 1, D), CalcFailure);
}

TEST(GeometryTriangles, SolveTheThreeFourFiveTriangle) {
  const TVec2 A{0, 0}, B{3, 0}, C{0, 4};
  TDrei s;
  TriangleSides(A, B, C, s);
  EXPECT_EQ(s.a, 5);
  TDrei w, h, sh, wh, ku, ki;
  TVec2 uf;
  SolveTriangle(s, A, B, C, w, h, sh, wh, ku, ki, uf);
  EXPECT_NEAR(w.a, 90, 1e-15);
  EXPECT_NEAR(w.b, 53.130102354155978703L, 1e-15);
  EXPECT_NEAR(w.c, 36.869897645844021297L, 1e-15);
  EXPECT_NEAR(uf.x, 6, 1e-15);
  EXPECT_NEAR(uf.y, 12, 1e-15);
  EXPECT_NEAR(ku.c, 2.5, 1e-15);
  EXPECT_NEAR(ki.c, 1, 1e-15);
  EXPECT_NEAR(ku.a, 1.5, 1e-15);
  EXPECT_NEAR(ku.b, 2, 1e-15);
  EXPECT_NEAR(ki.a, 1, 1e-15);
  EXPECT_NEAR(ki.b, 1, 1e-15);
  EXPECT_NEAR(h.a, 2.4, 1e-15);  // 2F/a
  EXPECT_NEAR(sh.a, 2.5, 1e-15);  // median to the hypotenuse
  EXPECT_NEAR(wh.a, std::sqrt(12 * (49 - 25.0L)) / 7, 1e-15);
  TDrei angles;
  TriangleAngles(A, B, C, angles);
  EXPECT_NEAR(angles.a, 90, 1e-15);
  EXPECT_NEAR(TriangleHeight(A, B, C), 4, 1e-15);
  // Sides that form no triangle, and a flat one.
  EXPECT_THROW(SolveTriangle({1, 1, 5}, A, B, C, w, h, sh, wh, ku, ki, uf), CalcFailure);
  EXPECT_THROW(SolveTriangle({2, 1, 1}, A, B, C, w, h, sh, wh, ku, ki, uf), CalcFailure);
}

TEST(GeometryTriangles, Centres) {
  const TVec2 A{0, 0}, B{4, 0}, C{1, 3};
  TVec2 P;
  Orthocentre(A, B, C, P);
  expectPoint(P, 1, 1);
  Circumcentre(A, B, C, P);
  expectPoint(P, 2, 1);
  Centroid(A, B, C, P);
  expectPoint(P, 5.0L / 3, 1);
  Incentre({0, 0}, {3, 0}, {0, 4}, P);
  expectPoint(P, 1, 1);
  EXPECT_THROW(Circumcentre({0, 0}, {1, 1}, {2, 2}, P), CalcFailure);
  EXPECT_THROW(Orthocentre({0, 0}, {1, 0}, {2, 0}, P), CalcFailure);
  TVec2 F;
  AltitudeFoot(C, A, B, F);
  expectPoint(F, 1, 0);
  TDrei m;
  MedianLine(A, B, C, m);
  EXPECT_NEAR(m.a * 2.5L + m.b * 1.5L, m.c, 1e-15);  // through the midpoint of BC
}

// A right angle measured exactly: the orthocentre is the vertex of the right angle.
TEST(GeometryTriangles, OrthocentreOfRightTriangles) {
  struct Case {
    TVec2 A, B, C, H;
  };
  const Case cases[] = {
      {{0, 0}, {3, 0}, {0, 4}, {0, 0}},
      {{3, 0}, {0, 0}, {0, 4}, {0, 0}},
      {{3, 0}, {0, 4}, {0, 0}, {0, 0}},
      {{1, 1}, {4, 5}, {5, -2}, {1, 1}},  // (3, 4)·(4, -3) = 0
  };
  for (const Case& c : cases) {
    TVec2 H{-1, -1};
    Orthocentre(c.A, c.B, c.C, H);
    expectPoint(H, c.H.x, c.H.y);
  }
}

TEST(GeometryAngles, DirectionsAndVertices) {
  struct Case {
    TVec2 v;
    long double angle;
  };
  const Case cases[] = {{{0, 1}, 90}, {{0, -1}, 270}, {{-1, 0}, 180}, {{1, 0}, 0}, {{-1, -1}, 225}, {{1, 1}, 45}};
  for (const Case& c : cases) EXPECT_NEAR(DirectionAngle(c.v), c.angle, 1e-15) << c.v.x << "," << c.v.y;
  EXPECT_THROW(DirectionAngle({0, 0}), CalcFailure);
  EXPECT_NEAR(AngleAtVertex({1, 0}, {0, 0}, {0, 1}), 90, 1e-15);
  EXPECT_NEAR(AngleAtVertex({0, 1}, {0, 0}, {1, 0}), 270, 1e-15);
  EXPECT_NEAR(AngleBetween3({1, 0, 0}, {-1, 1, 0}), 45, 1e-15);
  TVec2 u;
  ScaleToLength2({3, 4}, u, 10);
  expectPoint(u, 6, 8);
  EXPECT_THROW(Unit2({0, 0}, u), CalcFailure);
}

TEST(GeometrySpace, PlanesAndDistances) {
  TVec4 E;
  PlaneNormalForm({0, 0, 1}, {2, 0, 0}, {0, 3, 0}, E);
  EXPECT_EQ(E.x, 0);
  EXPECT_EQ(E.y, 0);
  EXPECT_EQ(E.z, 1);
  EXPECT_EQ(E.t, 1);
  TVec3 u, v;
  PlaneNormalFormEx({1, 0, 0}, {0, 2, 0}, {0, 0, 3}, u, v, E);
  EXPECT_NEAR(E.x * 1 + E.y * 0 + E.z * 0, E.t, 1e-12);
  EXPECT_NEAR(E.x * 0 + E.y * 2 + E.z * 0, E.t, 1e-12);
  EXPECT_NEAR(E.x * 0 + E.y * 0 + E.z * 3, E.t, 1e-12);
  EXPECT_NEAR(DistPointPlane({0, 0, 5}, {0, 0, 2, 2}), 4, 1e-18);
  EXPECT_NEAR(DistPointPlane({0, 0, -5}, {0, 0, 2, 2}), -6, 1e-18);
  long double num, nn;
  DistPointPlaneEx({0, 0, 5}, {0, 0, 2, 2}, num, nn);
  EXPECT_EQ(num, 8);
  EXPECT_EQ(nn, 4);
  EXPECT_THROW(DistPointPlane({1, 2, 3}, {0, 0, 0, 1}), CalcFailure);
  EXPECT_NEAR(DistLineOrigin3({1, 1, 0}, {0, 0, 1}), std::sqrt(2.0L), 1e-18);
  long double d2;
  EXPECT_NEAR(LineOriginFoot3({0, 3, 4}, {1, 0, 0}, d2), 5, 1e-18);
  EXPECT_NEAR(d2, 25, 1e-17);
  EXPECT_NEAR(DistPointLine3({0, 0, 0}, {1, 0, 0}, {5, 3, 4}), 5, 1e-18);
  EXPECT_THROW(DistPointLine3({0, 0, 0}, {0, 0, 0}, {5, 3, 4}), CalcFailure);
  EXPECT_EQ(DistSqr3({1, 2, 3}, {2, 4, 5}), 9);
  EXPECT_EQ(Dist3({1, 2, 3}, {2, 4, 5}), 3);
}

TEST(GeometrySpace, LineLineDistance) {
  struct Case {
    TVec3 p, u, q, v;
    bool parallel;
    long double dist;
  };
  const Case cases[] = {
      {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {0, 1, 0}, false, 1},
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 0, 0}, true, 1},
      // Parallel directions with decimal parts.
      {{0, 0, 0}, {1, 1, 3}, {1, 0, 0}, {0.3L, 0.3L, 0.9L}, true, std::sqrt(10.0L / 11)},
      {{0, 0, 0}, {0.1L, 0.7L, 0}, {0, 0, 2}, {-0.3L, -2.1L, 0}, true, 2},
      {{1, 2, 3}, {1, 1, 0}, {0, 0, 0}, {1, -1, 0}, false, 3},
  };
  for (const Case& c : cases) {
    TVec3 F1, F2;
    long double s, t, dist, dist2;
    bool parallel = !c.parallel;
    LineLineDist3(c.p, c.u, c.q, c.v, F1, F2, s, t, dist, dist2, parallel);
    EXPECT_EQ(parallel, c.parallel) << c.dist;
    EXPECT_NEAR(dist, c.dist, 1e-15) << c.dist;
    EXPECT_NEAR(dist2, c.dist * c.dist, 1e-15) << c.dist;
    EXPECT_NEAR(Dist3(F1, F2), dist, 1e-15);
  }
  TVec3 F1, F2;
  long double s, t, dist, dist2;
  bool parallel = false;
  EXPECT_THROW(LineLineDist3({0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, F1, F2, s, t, dist, dist2, parallel),
               CalcFailure);
  EXPECT_TRUE(parallel);  // set before the failure
}
