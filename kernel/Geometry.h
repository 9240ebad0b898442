#pragma once
// Points, vectors, lines and planes of the plane and of space. Angles are in
// degrees whatever the angle mode. A plane line is the TDrei a·x + b·y = c; a
// plane of space the TVec4 x·X + y·Y + z·Z = t; a 3D line a point and a
// direction. Degenerate input (a zero vector or direction, collinear points,
// sides that form no triangle) throws CalcFailure(msg::DivisionByZero) where a
// result would need a division by zero or the root of a negative number.
#include "kernel/Types.h"

namespace zw {

// ---- vector basics ----
void Add2(const TVec2& a, const TVec2& b, TVec2& r);
void Sub2(const TVec2& a, const TVec2& b, TVec2& r);
void Sub3(const TVec3& a, const TVec3& b, TVec3& r);
Extended Dot2(const TVec2& a, const TVec2& b);
Extended Dot3(const TVec3& a, const TVec3& b);
Extended Length2(const TVec2& v);
void Unit2(const TVec2& v, TVec2& r);
void ScaleToLength2(const TVec2& v, TVec2& r, Extended len);
Extended Dist2(const TVec2& P, const TVec2& Q);
Extended VertexDist(const TVec2& P, const TVec2& Q);
Extended Dist3(const TVec3& P, const TVec3& Q);
Extended DistSqr3(const TVec3& P, const TVec3& Q);
void Midpoint2(const TVec2& P, const TVec2& Q, TVec2& M);
void Centroid(const TVec2& A, const TVec2& B, const TVec2& C, TVec2& S);
// (w.x·P1 + w.y·P2 + w.z·P3) / (w.x + w.y + w.z)
void BarycentricPoint(const TVec3& w, const TVec2& P1, const TVec2& P2, const TVec2& P3, TVec2& R);
void PlaneNormal(const TVec4& E, TVec3& n);

// ---- plane lines ----
void LineThrough2(const TVec2& P, const TVec2& Q, TDrei& g);
// Through P parallel to g.
void LineThroughPointNormal(const TVec2& P, const TDrei& g, TDrei& h);
// Through P perpendicular to g.
void TangentLineRecord(const TVec2& P, const TDrei& g, TDrei& h);
void LineDirection(const TDrei& g, TVec2& d);
// Through P perpendicular to QR.
void PerpLineThroughPoint(const TVec2& P, const TVec2& Q, const TVec2& R, TDrei& g);
void PerpBisector(const TVec2& P, const TVec2& Q, TDrei& g);
// Parallel or equal lines leave S unchanged (callers test for that case).
void LineIntersection(const TDrei& g, const TDrei& h, TVec2& S);
void IntersectLines2(const TDrei& g, const TDrei& h, TVec2& S);
// Line a·x + b·y = c with the circle about M of radius r. D < 0: no common
// point (S1, S2 unchanged); D = 0: touching point S1 = S2; D > 0: two points,
// S1 the one with the larger x (larger y for a vertical line).
void IntersectLineCircle(const TVec2& M, TVec2& S1, TVec2& S2, Extended r, Extended a, Extended b,
                         Extended c, Extended& D);

// ---- triangles (sides a = |BC|, b = |CA|, c = |AB|) ----
void TriangleSides(const TVec2& A, const TVec2& B, const TVec2& C, TDrei& s);
void TriangleAngles(const TVec2& A, const TVec2& B, const TVec2& C, TDrei& w);
// The sides must belong to the vertices. Outputs: angles (α, β, γ), heights,
// medians, bisectors, circumcircle and incircle (centre x, centre y, radius),
// areaPerimeter (area, perimeter).
void SolveTriangle(const TDrei& sides, const TVec2& A, const TVec2& B, const TVec2& C,
                   TDrei& angles, TDrei& heights, TDrei& medians, TDrei& bisectors,
                   TDrei& circumcircle, TDrei& incircle, TVec2& areaPerimeter);
// The height onto side AB.
Extended TriangleHeight(const TVec2& A, const TVec2& B, const TVec2& C);
void MedianLine(const TVec2& A, const TVec2& B, const TVec2& C, TDrei& g);
// The bisector of the angle at B.
void AngleBisector(const TVec2& A, const TVec2& B, const TVec2& C, TDrei& g);
// Foot of the perpendicular from P onto the line QR.
void AltitudeFoot(const TVec2& P, const TVec2& Q, const TVec2& R, TVec2& F);
void Circumcentre(const TVec2& A, const TVec2& B, const TVec2& C, TVec2& U);
void Incentre(const TVec2& A, const TVec2& B, const TVec2& C, TVec2& I);
// For a right triangle the vertex of the right angle.
void Orthocentre(const TVec2& A, const TVec2& B, const TVec2& C, TVec2& H);
// Direction of v in degrees, 0 ≤ angle < 360.
Extended DirectionAngle(const TVec2& v);
// The angle at Q turning counter-clockwise from ray QP to ray QR, 0 to 360.
Extended AngleAtVertex(const TVec2& P, const TVec2& Q, const TVec2& R);

// ---- space ----
// Normal u × v made small and whole, through P.
void PlaneNormalForm(const TVec3& P, const TVec3& u, const TVec3& v, TVec4& E);
void PlaneNormalFormEx(const TVec3& A, const TVec3& B, const TVec3& C, TVec3& u, TVec3& v,
                       TVec4& E);
// The acute angle between two directions, 0 to 90.
Extended AngleBetween3(const TVec3& a, const TVec3& b);
Extended DistLineOrigin3(const TVec3& p, const TVec3& u);
Extended LineOriginFoot3(const TVec3& p, const TVec3& u, Extended& d2);
Extended DistPointLine3(const TVec3& p, const TVec3& u, const TVec3& A);
// Signed distance (P·n - E.t)/|n|.
Extended DistPointPlane(const TVec3& P, const TVec4& E);
Extended DistPointPlaneEx(const TVec3& P, const TVec4& E, Extended& num, Extended& nn);
// Lines p + s·u and q + t·v: feet F1, F2 of the common perpendicular (for
// parallel lines s = 0), the distance and its square. parallel is set before
// anything can fail.
void LineLineDist3(const TVec3& p, const TVec3& u, const TVec3& q, const TVec3& v, TVec3& F1,
                   TVec3& F2, Extended& s, Extended& t, Extended& dist, Extended& dist2,
                   bool& parallel);

}  // namespace zw
