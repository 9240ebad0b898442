#pragma once
// The 3D pictures of the solids: the Platonic wire frames and the outlines
// of cone, cylinder, pyramid and prism, added to a TRot3D, and the set-up
// every solid's view shares.
#include <QColor>

#include "topics/solids/Platonic.h"
#include "topics/solids/TwoQuantity.h"

namespace zw {

class TRot3D;

// Colour and line width of a graph of the running program's lists.
struct GraphPen {
  QColor color = Qt::black;
  int width = 1;
};
// Graph n of GraphColorList and GraphWidthList (which fall back on bad entries).
GraphPen RunningGraphPen(int n);

// The look of a solid window's view as it is created: seen at the angles
// (60, 45, 15), no axes, framed, dragged to turn and zoom.
void SetUpSolidView(TRot3D& view);

// Empties the view, so that nothing of the scene before is drawn any more,
// and sets it up for a solid: automatic iso-metric scale, magnification 0.8,
// the origin kept, no bounding box, the pen `pen`, the projection centre in
// the middle. The view angles stay as they are.
void PrepareSolidView(TRot3D& view, const GraphPen& pen);

// The solid's edges as line items, in the listed order.
void AddPlatonicWireFrame(TRot3D& view, Platonic solid);

// Outlines with their axis parallel to z through (x0, 0), centred on z = 0.
// The cone's and cylinder's base circles first run once round in silver
// (past a full turn), then their front half in the current pen.
void AddConeOutline(TRot3D& view, double radius, double height, double x0);
void AddCylinderOutline(TRot3D& view, double radius, double height, double x0);
// The square base of side 2·c and the four lateral edges.
void AddPyramidOutline(TRot3D& view, double x0, double height, double c);
// The n-gon of circumradius c at the bottom and at the top, and the n
// vertical edges.
void AddPrismOutline(TRot3D& view, int n, double x0, double height, double c);

// The whole scene of a two-quantity solid after PrepareSolidView: one solid
// about x = 0, or with a second solution the first at the left in pen 1
// and the second at the right in pen 2; then MakeVisible. Cone and cylinder
// are seen from the side (82.5°, 0, 0) and only zoom; pyramid and prism
// keep the user's angles and turn.
void BuildTwoQuantityScene(TRot3D& view, TwoQuantitySolid solid, const TwoQuantityResult& result, int n,
                           const GraphPen& first, const GraphPen& second);
// The Platonic scene: the wire frame in pen 1, turned and zoomed by the user.
void BuildPlatonicScene(TRot3D& view, Platonic solid, const GraphPen& pen);

}  // namespace zw
