#pragma once
// The sketches beside the inputs of the solid windows: a fixed drawing of
// the solid in which the line of every quantity the user filled in is drawn
// thick (width 2) in its graph colour. Each routine draws a square of `side`
// pixels onto the painter, with the canvas rules of charts/ChartDraw.h
// (coordinates truncated toward zero, lines without their last pixel,
// dotted and dashed pens drawn solid when thick).
#include <QColor>
#include <array>

#include "topics/solids/Platonic.h"
#include "topics/solids/TwoQuantity.h"

class QPainter;

namespace zw {

struct SketchInput {
  int side = 0;
  // Whether each of the first four quantity fields holds text (blanks do not count).
  std::array<bool, 4> filled{};
  // Graph colours 1 to 4.
  std::array<QColor, 4> colors{};
  int n = 3;  // the prism's vertex count
};

void DrawPlatonicSketch(QPainter& p, Platonic solid, const SketchInput& in);
// The sphere's sketch does not depend on the inputs: radius, diameter,
// parallels, meridians and the equator.
void DrawSphereSketch(QPainter& p, const SketchInput& in);
void DrawTwoQuantitySketch(QPainter& p, TwoQuantitySolid solid, const SketchInput& in);

}  // namespace zw
