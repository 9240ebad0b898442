#include "kernel/Geometry.h"

#include <cmath>
#include <utility>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/FormatGeometry.h"

namespace zw {

namespace {

Extended quot(Extended num, Extended den) {
  if (den == 0) throw CalcFailure(msg::DivisionByZero);
  return num / den;
}

Extended root(Extended x) {
  if (!(x >= 0)) throw CalcFailure(msg::DivisionByZero, "root of a negative number");
  return std::sqrt(x);
}

Extended sqr(Extended x) { return x * x; }
Extended distSqr2(const TVec2& P, const TVec2& Q) { return sqr(P.x - Q.x) + sqr(P.y - Q.y); }

TVec3 cross(const TVec3& u, const TVec3& v) {
  return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}
TVec3 along(const TVec3& p, Extended t, const TVec3& u) {
  return {p.x + t * u.x, p.y + t * u.y, p.z + t * u.z};
}

}  // namespace

// ---- vector basics ----

void Add2(const TVec2& a, const TVec2& b, TVec2& r) { r = {a.x + b.x, a.y + b.y}; }
void Sub2(const TVec2& a, const TVec2& b, TVec2& r) { r = {a.x - b.x, a.y - b.y}; }
void Sub3(const TVec3& a, const TVec3& b, TVec3& r) { r = {a.x - b.x, a.y - b.y, a.z - b.z}; }
Extended Dot2(const TVec2& a, const TVec2& b) { return a.x * b.x + a.y * b.y; }
Extended Dot3(const TVec3& a, const TVec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Extended Length2(const TVec2& v) { return std::sqrt(v.x * v.x + v.y * v.y); }

void Unit2(const TVec2& v, TVec2& r) {
  const Extended l = Length2(v);
  r = {quot(v.x, l), quot(v.y, l)};
}

void ScaleToLength2(const TVec2& v, TVec2& r, Extended len) {
  TVec2 u;
  Unit2(v, u);
  r = {u.x * len, u.y * len};
}

Extended Dist2(const TVec2& P, const TVec2& Q) { return std::sqrt(distSqr2(P, Q)); }
Extended VertexDist(const TVec2& P, const TVec2& Q) { return Dist2(P, Q); }
Extended DistSqr3(const TVec3& P, const TVec3& Q) {
  return sqr(P.x - Q.x) + sqr(P.y - Q.y) + sqr(P.z - Q.z);
}
Extended Dist3(const TVec3& P, const TVec3& Q) { return std::sqrt(DistSqr3(P, Q)); }
void Midpoint2(const TVec2& P, const TVec2& Q, TVec2& M) { M = {(P.x + Q.x) / 2, (P.y + Q.y) / 2}; }

void Centroid(const TVec2& A, const TVec2& B, const TVec2& C, TVec2& S) {
  S = {(A.x + B.x + C.x) / 3, (A.y + B.y + C.y) / 3};
}

void BarycentricPoint(const TVec3& w, const TVec2& P1, const TVec2& P2, const TVec2& P3, TVec2& R) {
  const Extended sum = w.x + w.y + w.z;
  R = {quot(w.x * P1.x + w.y * P2.x + w.z * P3.x, sum), quot(w.x * P1.y + w.y * P2.y + w.z * P3.y, sum)};
}

void PlaneNormal(const TVec4& E, TVec3& n) { n = {E.x, E.y, E.z}; }

// ---- plane lines ----

void LineThrough2(const TVec2& P, const TVec2& Q, TDrei& g) {
  const Extended a = Q.y - P.y, b = P.x - Q.x;
  g = {a, b, a * Q.x + b * Q.y};
}

void LineThroughPointNormal(const TVec2& P, const TDrei& g, TDrei& h) {
  h = {g.a, g.b, g.a * P.x + g.b * P.y};
}

void TangentLineRecord(const TVec2& P, const TDrei& g, TDrei& h) {
  h = {g.b, -g.a, g.b * P.x - g.a * P.y};
}

void LineDirection(const TDrei& g, TVec2& d) { d = {g.b, -g.a}; }

void PerpLineThroughPoint(const TVec2& P, const TVec2& Q, const TVec2& R, TDrei& g) {
  const Extended a = Q.x - R.x, b = Q.y - R.y;
  g = {a, b, a * P.x + b * P.y};
}

void PerpBisector(const TVec2& P, const TVec2& Q, TDrei& g) {
  g = {2 * (P.x - Q.x), 2 * (P.y - Q.y), P.x * P.x - Q.x * Q.x + P.y * P.y - Q.y * Q.y};
}

void LineIntersection(const TDrei& g, const TDrei& h, TVec2& S) {
  const Extended det = g.a * h.b - g.b * h.a;
  if (det == 0) return;
  const Extended x = (g.c * h.b - g.b * h.c) / det;
  const TDrei& l = g.b != 0 ? g : h;
  S = {x, (l.c - l.a * x) / l.b};
}

void IntersectLines2(const TDrei& g, const TDrei& h, TVec2& S) { LineIntersection(g, h, S); }

void IntersectLineCircle(const TVec2& Mc, TVec2& S1, TVec2& S2, Extended r, Extended a, Extended b,
                         Extended c, Extended& D) {
  TVec2 M = Mc;
  // A vertical line is handled with the roles of x and y exchanged.
  const bool exchanged = b == 0;
  if (exchanged) {
    std::swap(M.x, M.y);
    std::swap(a, b);
  }
  const Extended l = a * a + b * b;
  const Extended e = quot((b * M.y - c) * a - b * b * M.x, l);
  const Extended f = (b * b * (M.x * M.x + M.y * M.y) - 2 * b * c * M.y + c * c - r * r * b * b) / l;
  D = e * e - f;
  if (D < 0) return;  // no common point: S1 and S2 stay as they were
  const Extended w = std::sqrt(D);
  TVec2 P1{-e + w, 0}, P2{-e - w, 0};
  P1.y = (c - a * P1.x) / b;
  P2.y = (c - a * P2.x) / b;
  if (exchanged) {
    std::swap(P1.x, P1.y);
    std::swap(P2.x, P2.y);
  }
  S1 = P1;
  S2 = P2;
}

// ---- triangles ----

void TriangleSides(const TVec2& A, const TVec2& B, const TVec2& C, TDrei& s) {
  s = {Dist2(B, C), Dist2(C, A), Dist2(A, B)};
}

void TriangleAngles(const TVec2& A, const TVec2& B, const TVec2& C, TDrei& w) {
  TDrei s;
  TriangleSides(A, B, C, s);
  const Extended alpha = ArcCosDeg(quot(s.b * s.b + s.c * s.c - s.a * s.a, 2 * s.b * s.c));
  const Extended beta = ArcCosDeg(quot(s.a * s.a + s.c * s.c - s.b * s.b, 2 * s.a * s.c));
  w = {alpha, beta, 180 - alpha - beta};
}

void SolveTriangle(const TDrei& sides, const TVec2& A, const TVec2& B, const TVec2& C,
                   TDrei& angles, TDrei& heights, TDrei& medians, TDrei& bisectors,
                   TDrei& circumcircle, TDrei& incircle, TVec2& areaPerimeter) {
  const Extended a = sides.a, b = sides.b, c = sides.c;
  const Extended cosA = quot(b * b + c * c - a * a, 2 * b * c);
  const Extended cosB = quot(a * a + c * c - b * b, 2 * a * c);
  const Extended alpha = ArcCosDeg(cosA), beta = ArcCosDeg(cosB), gamma = 180 - alpha - beta;
  const Extended cosC = CosDeg(gamma);
  const Extended s = (a + b + c) / 2;
  const Extended F = root(s * (s - a) * (s - b) * (s - c));
  const Extended R = quot(a * b * c, 4 * F);
  const Extended rho = quot(F, s);
  angles = {alpha, beta, gamma};
  heights = {quot(2 * F, a), quot(2 * F, b), quot(2 * F, c)};
  medians = {root(2 * b * b + 2 * c * c - a * a) / 2, root(2 * c * c + 2 * a * a - b * b) / 2,
             root(2 * a * a + 2 * b * b - c * c) / 2};
  bisectors = {root(b * c * (sqr(b + c) - a * a)) / (b + c), root(a * c * (sqr(a + c) - b * b)) / (a + c),
               root(a * b * (sqr(a + b) - c * c)) / (a + b)};
  const Extended k = R / (2 * F);
  circumcircle = {(a * cosA * A.x + b * cosB * B.x + c * cosC * C.x) * k,
                  (a * cosA * A.y + b * cosB * B.y + c * cosC * C.y) * k, R};
  incircle = {(a * A.x + b * B.x + c * C.x) / (2 * s), (a * A.y + b * B.y + c * C.y) / (2 * s), rho};
  areaPerimeter = {F, 2 * s};
}

Extended TriangleHeight(const TVec2& A, const TVec2& B, const TVec2& C) {
  TDrei sd;
  TriangleSides(A, B, C, sd);
  const Extended s = (sd.a + sd.b + sd.c) / 2;
  return quot(2 * root(s * (s - sd.a) * (s - sd.b) * (s - sd.c)), sd.c);
}

void MedianLine(const TVec2& A, const TVec2& B, const TVec2& C, TDrei& g) {
  TVec2 M;
  Midpoint2(B, C, M);
  LineThrough2(A, M, g);
}

void AngleBisector(const TVec2& A, const TVec2& B, const TVec2& C, TDrei& g) {
  TVec2 I;
  Incentre(A, B, C, I);
  LineThrough2(I, B, g);
}

void AltitudeFoot(const TVec2& P, const TVec2& Q, const TVec2& R, TVec2& F) {
  TDrei g, h;
  LineThrough2(Q, R, g);
  PerpLineThroughPoint(P, Q, R, h);
  LineIntersection(g, h, F);
}

void Circumcentre(const TVec2& A, const TVec2& B, const TVec2& C, TVec2& U) {
  const Extended d1 = B.y - C.y, d2 = C.y - A.y, d3 = A.y - B.y;
  const Extended g = 2 * (d1 * A.x + d2 * B.x + d3 * C.x);
  const Extended h = A.x * A.x + A.y * A.y, l = B.x * B.x + B.y * B.y, m = C.x * C.x + C.y * C.y;
  U = {quot(h * d1 + l * d2 + m * d3, g), quot(h * (C.x - B.x) + l * (A.x - C.x) + m * (B.x - A.x), g)};
}

void Incentre(const TVec2& A, const TVec2& B, const TVec2& C, TVec2& I) {
  const Extended a = Dist2(B, C), b = Dist2(C, A), c = Dist2(A, B);
  const Extended p = a + b + c;
  I = {quot(a * A.x + b * B.x + c * C.x, p), quot(a * A.y + b * B.y + c * C.y, p)};
}

void Orthocentre(const TVec2& A, const TVec2& B, const TVec2& C, TVec2& H) {
  // Weights proportional to tan α, tan β, tan γ; a zero denominator is a
  // right angle, whose vertex is the orthocentre.
  const Extended a2 = distSqr2(B, C), b2 = distSqr2(C, A), c2 = distSqr2(A, B);
  const Extended da = b2 + c2 - a2, db = a2 + c2 - b2, dc = a2 + b2 - c2;
  if (da == 0) {
    H = A;
  } else if (db == 0) {
    H = B;
  } else if (dc == 0) {
    H = C;
  } else {
    BarycentricPoint({1 / da, 1 / db, 1 / dc}, A, B, C, H);
  }
}

Extended DirectionAngle(const TVec2& v) {
  const Extended c = ArcCosDeg(quot(v.x, Length2(v)));
  if (v.y != 0) {
    const Extended d = c * Sgn(v.y);
    return d < 0 ? d + 360 : d;
  }
  return v.x > 0 ? 0 : 180;
}

Extended AngleAtVertex(const TVec2& P, const TVec2& Q, const TVec2& R) {
  TVec2 u, w;
  Sub2(R, Q, u);
  Sub2(P, Q, w);
  const Extended d = DirectionAngle(u) - DirectionAngle(w);
  return d < 0 ? d + 360 : d;
}

// ---- space ----

void PlaneNormalForm(const TVec3& P, const TVec3& u, const TVec3& v, TVec4& E) {
  TVec3 n = cross(u, v);
  NormalizeCoefs3(n.x, n.y, n.z);
  E = {n.x, n.y, n.z, Dot3(P, n)};
}

void PlaneNormalFormEx(const TVec3& A, const TVec3& B, const TVec3& C, TVec3& u, TVec3& v,
                       TVec4& E) {
  TVec3 uu, vv;
  Sub3(B, A, uu);
  Sub3(C, A, vv);
  NormalizeCoefs3(uu.x, uu.y, uu.z);
  NormalizeCoefs3(vv.x, vv.y, vv.z);
  TVec4 plane;
  PlaneNormalForm(A, uu, vv, plane);
  u = uu;
  v = vv;
  E = plane;
}

Extended AngleBetween3(const TVec3& a, const TVec3& b) {
  return ArcCosDeg(quot(std::fabs(Dot3(a, b)), std::sqrt(Dot3(a, a) * Dot3(b, b))));
}

Extended LineOriginFoot3(const TVec3& p, const TVec3& u, Extended& d2) {
  const TVec3 f = along(p, -quot(Dot3(p, u), Dot3(u, u)), u);
  d2 = Dot3(f, f);
  return std::sqrt(d2);
}

Extended DistLineOrigin3(const TVec3& p, const TVec3& u) {
  Extended d2;
  return LineOriginFoot3(p, u, d2);
}

Extended DistPointLine3(const TVec3& p, const TVec3& u, const TVec3& A) {
  TVec3 ap;
  Sub3(A, p, ap);
  return Dist3(along(p, quot(Dot3(ap, u), Dot3(u, u)), u), A);
}

Extended DistPointPlaneEx(const TVec3& P, const TVec4& E, Extended& num, Extended& nn) {
  TVec3 n;
  PlaneNormal(E, n);
  num = Dot3(P, n) - E.t;
  nn = Dot3(n, n);
  return quot(num, std::sqrt(nn));
}

Extended DistPointPlane(const TVec3& P, const TVec4& E) {
  Extended num, nn;
  return DistPointPlaneEx(P, E, num, nn);
}

void LineLineDist3(const TVec3& p, const TVec3& u, const TVec3& q, const TVec3& v, TVec3& F1,
                   TVec3& F2, Extended& s, Extended& t, Extended& dist, Extended& dist2,
                   bool& parallel) {
  // Parallel directions: |u × v| vanishes relative to |u|·|v| (an exact
  // component test fails for directions with decimal parts).
  constexpr Extended eps = 1e-12L;
  const TVec3 c = cross(u, v);
  const Extended f = Dot3(u, u), m = Dot3(u, v), o = Dot3(v, v);
  parallel = Dot3(c, c) <= eps * eps * f * o;
  TVec3 w;
  Sub3(q, p, w);
  Extended ss, tt;
  if (parallel) {
    ss = 0;
    tt = quot(Dot3(p, u) - Dot3(q, u), m);
  } else {
    const Extended e1 = Dot3(w, u), e2 = Dot3(w, v), det = m * m - f * o;
    ss = quot(m * e2 - o * e1, det);
    tt = quot(f * e2 - m * e1, det);
  }
  const TVec3 f1 = along(p, ss, u), f2 = along(q, tt, v);
  s = ss;
  t = tt;
  F1 = f1;
  F2 = f2;
  dist2 = DistSqr3(f1, f2);
  dist = std::sqrt(dist2);
}

}  // namespace zw
