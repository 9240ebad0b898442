#pragma once
// The pictures of the analytic-geometry windows: marked points, segments, a
// line's chord through the view cube, a plane's outline on the cube, wire
// spheres and circles in space, added to a TRot3D, and the view set-up that
// goes last.
//
// The geometry comes first, as plain functions that tests check without a
// view; the Draw* and Mark* routines only hand their points to the view.
// Model values (points, radii, plane constants) are multiplied by the
// caller's `scale` before they reach the view; directions and normals are
// never scaled. `size` is the half edge of the view cube in view units
// (already scaled): the cube is [-size, size] on every axis.
//
// A window builds its picture so:
//   view.Clear();
//   const SceneFrame f = SceneFrameFor(view.height(), extent);   // extent >= 1
//   DrawSphere3D(view, centre, pen1.color, radius, f.scale, 1);
//   ...
//   InitView3D(view, f.size);                                     // last
#include <QColor>
#include <array>
#include <optional>
#include <vector>

#include "kernel/Types.h"

namespace zw {

class TRot3D;

// ----- geometry without a view ------------------------------------------------

// A point as the view takes it (view units, double precision).
struct ViewPoint {
  double x = 0, y = 0, z = 0;
  bool operator==(const ViewPoint&) const = default;
};
// Points joined in order: the first is a move, the others draw.
using Polyline3 = std::vector<ViewPoint>;

// Size = the view's height div 2 and Scale = Size / extent: the scene's
// extent fills half the cube's edge.
struct SceneFrame {
  Extended size = 1;
  Extended scale = 1;
};
SceneFrame SceneFrameFor(int viewHeight, Extended extent);

// The extent of a scene of spheres: the largest of 1 and |coordinate| +
// |radius| over every centre coordinate, so a scene on the negative side
// stays inside the cube as well.
struct SphereExtent {
  TVec3 centre;
  Extended radius = 0;
};
Extended SpheresExtent(std::initializer_list<SphereExtent> spheres);

// How far a coordinate lies beyond the cube's face, rounded to 7 decimals
// (half to even): Round((|v| - size)·10^7) / 10^7. Above 0 is outside, so a
// coordinate a few 10^-8 beyond the face still counts as on it.
Extended BoxExcess(Extended v, Extended size);

// The chord of the line X = scale·p + t·u inside the cube: the first two
// points on the faces x = +size, x = -size, y = ±size, z = ±size (a face only
// where u's component there is not exactly 0) that lie inside by BoxExcess,
// even when both are the same point (a line through an edge). None when the
// line misses the cube or touches it in one accepted point only.
std::optional<std::array<ViewPoint, 2>> LineChordInBox(const TVec3& p, const TVec3& u, Extended size,
                                                       Extended scale);

// The section of the plane n·X = scale·t with the cube's surface: for every
// face in the order z = -size, y = -size, x = -size, x = +size, y = +size,
// z = +size, the points where the plane crosses that face's edges (edges in
// the order -z, -y, -x, +x, +y, +z of their fixed axis), an edge only where
// the normal's component along it is not exactly 0 and the crossing lies
// within the edge (|v| <= size, no rounding). One polyline per face that
// has a crossing; faces the plane misses add nothing.
std::vector<Polyline3> PlaneOutlineInBox(const TVec4& plane, Extended size, Extended scale);

// The wire sphere: 13 meridians through the poles on the z axis (azimuth
// 0°, 15°, ..., 180°, each a full great circle of 121 points, 3° apart),
// then 13 parallels at latitudes -90°, -75°, ..., 90° of 121 points each.
std::vector<Polyline3> SphereWireFrame(const TVec3& centre, Extended radius, Extended scale);

// The circle of `radius` about `centre` in the plane through it normal to
// `normal`: 121 points, the last equal to the first. The direction to the
// k-th point (θ = k·3°) is (cos θ, sin θ, -(nx·cos θ + ny·sin θ)/nz) when
// nz != 0, else (cos θ, -(nx·cos θ + nz·sin θ)/ny, sin θ) when ny != 0,
// else (0, cos θ, sin θ); only in a coordinate plane are the points evenly
// spaced.
Polyline3 CircleInSpace(const TVec3& centre, Extended radius, const TVec3& normal, Extended scale);

// ----- the view ---------------------------------------------------------------

// Colour and width of a picture's graph.
struct ScenePen {
  QColor color = Qt::black;
  int width = 1;
};

// The look of every analytic-geometry view as it is created: items
// allocated in steps of 1000, fixed scale and origin, magnification 2,
// left-handed axes, axes and cube 300, marks of 8 points, the grey cube,
// a lowered frame, and the axis names "X", "Y", "Z" (lower case with
// `lowerCaseAxes`).
void SetUpSpaceView(TRot3D& view, bool lowerCaseAxes = false);

// Last of every picture: turned and zoomed by the mouse, cube faces, axes,
// iso-metric; axes and cube 2·size; the negative half axes drawn in the
// cube's hidden-line colour (in the current width); the centre at (width div
// 2, height·4 div 7); the angles (100°, 0°, 240°); MakeVisible.
void InitView3D(TRot3D& view, Extended size);

// The routines below set the view's colour, and the width where they take
// one; all but DrawSphere3D put the width back to 1.

// A mark (symbol 10) at scale·p.
void MarkPoint3D(TRot3D& view, QColor color, const TVec3& p, Extended scale);
void DrawSegment3D(TRot3D& view, QColor color, int width, const TVec3& a, const TVec3& b, Extended scale);
// LineChordInBox as one line; a line without a chord adds nothing.
void DrawLineInBox3D(TRot3D& view, QColor color, int width, const TVec3& p, const TVec3& u, Extended size,
                     Extended scale);
void DrawPlaneInBox3D(TRot3D& view, const TVec4& plane, QColor color, Extended size, Extended scale, int width);
// Leaves the width as set.
void DrawSphere3D(TRot3D& view, const TVec3& centre, QColor color, Extended radius, Extended scale, int width);
void DrawCircle3D(TRot3D& view, QColor color, int width, const TVec3& centre, Extended radius,
                  const TVec3& normal, Extended scale);

}  // namespace zw
