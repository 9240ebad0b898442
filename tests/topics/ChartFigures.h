#pragma once
// Finding figures in a 2D chart's display list by their geometry, for the
// tests of chart topics: a picture is asserted by what it shows (this circle,
// that line, a mark here), never by how many items it took.
//
// The display list is read as straight pieces in world units (each tkLine,
// and each tkLineto from the point before it), marks, texts and ellipses, on
// layer 1. A figure is drawn when pieces of its pen lie on it and together
// cover all of it: a circle or arc by its angles (pieces of at most 15
// degrees, so a chord is no part of an arc), a segment from end to end, a
// ray from its start and a line across the chart's visible range. How many
// pieces a figure takes is free, so finer circles or split lines still pass.
#include <QString>
#include <gtest/gtest.h>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "charts/VIrada.h"

namespace zw::figures {

struct Circle {
  double cx, cy, r;
};
// Counterclockwise from `from` to `to` degrees (0: the direction of +x).
struct Arc {
  double cx, cy, r, from, to;
};
// a x + b y = c, drawn across the visible range.
struct Line {
  double a, b, c;
};
struct Segment {
  double x1, y1, x2, y2;  // either direction
};
// From (x, y) towards (x + dx, y + dy) and on to the edge of the visible range.
struct Ray {
  double x, y, dx, dy;
};
struct Mark {
  double x, y;
  std::optional<int> code = std::nullopt;  // the mark's shape; any when unset
};
struct Text {
  double x, y;
  QString text;
};
using Shape = std::variant<Circle, Arc, Line, Segment, Ray, Mark, Text>;

// A shape with the pen it must be drawn with (any colour or width when unset).
struct Figure {
  Shape shape;
  std::optional<TColor> color = std::nullopt;
  std::optional<int> width = std::nullopt;
};

std::string Describe(const Figure& f);

// The two axes a topic's chart page draws through the origin (in the frame
// colour, width 1).
std::vector<Figure> Axes(const TVIrada& chart);

// Geometry is compared in world units within `tol`.
inline constexpr double kTolerance = 1e-7;

// The chart draws the figure (EXPECT_TRUE), or does not (EXPECT_FALSE); the
// message says what of it was found.
testing::AssertionResult Draws(const TVIrada& chart, const Figure& f, double tol = kTolerance);
// The chart draws every one of the figures and nothing else: every piece,
// mark and text on it belongs to one of them, in that figure's pen.
testing::AssertionResult DrawsExactly(const TVIrada& chart, std::span<const Figure> figures,
                                      double tol = kTolerance);

}  // namespace zw::figures
