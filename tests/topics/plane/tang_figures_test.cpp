// The tangents chart: for each task and position, the figures it must draw
// in which graph's pen, and the construction lines of the tangents asked for
// (black, width 1), and nothing else.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "tests/topics/ChartFigures.h"
#include "topics/plane/TangFigures.h"

namespace zw {
namespace {

using namespace figures;

// Graph i draws in a colour of its own with width i.
GraphPens Pens() {
  GraphPens p;
  for (int i = 1; i <= 12; ++i) p.color[std::size_t(i)] = TColor(0x101000 * i + 0x40), p.width[std::size_t(i)] = i;
  return p;
}
Figure G(int i, Shape s) { return {std::move(s), Pens().color[std::size_t(i)], i}; }
Figure K(Shape s) { return {std::move(s), TColor(0), 1}; }  // a construction line

const double r3 = std::sqrt(3.0), r24 = std::sqrt(24.0), r96 = std::sqrt(0.96);

TangInput Task(int task, TVec2 m, Extended r, TVec2 q, Extended r2 = 1, TDrei g = {0, 0, 0}) {
  TangInput in;
  in.task = task, in.m = m, in.r = r, in.q = q, in.r2 = r2, in.g = g;
  return in;
}

struct Row {
  const char* what;
  TangInput in;
  std::vector<int> construction;  // the tangents whose construction lines are on
  std::vector<Figure> figures;
};

class TangFiguresTest : public ::testing::Test {
protected:
  void SetUp() override { resetShellState(); }
};

TEST_F(TangFiguresTest, EachTaskDrawsItsFigures) {
  const Circle k5{0, 0, 5};
  const Row rows[] = {
      {"at a point", Task(1, {0, 0}, 1, {3, 4}), {}, {G(1, k5), G(2, Line{3, 4, 25})}},
      {"at a point, the radius through B",
       Task(1, {0, 0}, 1, {3, 4}),
       {1},
       {G(1, k5), G(2, Line{3, 4, 25}), K(Ray{0, 0, 3, 4})}},
      {"from a point outside",
       Task(2, {0, 0}, 5, {13, 0}),
       {},
       {G(1, k5), G(2, Line{5, 12, 65}), G(3, Line{5, -12, 65})}},
      {"from a point outside, polar, MP and Thales circle",
       Task(2, {0, 0}, 5, {13, 0}),
       {2},
       {G(1, k5), G(2, Line{5, 12, 65}), G(3, Line{5, -12, 65}), K(Line{13, 0, 25}), K(Segment{13, 0, 0, 0}),
        K(Circle{6.5, 0, 6.5})}},
      {"from a point on the circle: the tangent there",
       Task(2, {0, 0}, 5, {5, 0}),
       {},
       {G(1, k5), G(2, Line{1, 0, 5})}},
      {"from a point inside: its polar and the point",
       Task(2, {0, 0}, 5, {1, 2}),
       {1, 2},
       {G(1, k5), G(4, Line{1, 2, 25}), {Mark{1, 2, 17}, Pens().color[4], 4},
        {Text{1, 2, QStringLiteral("P")}, Pens().color[4], 4}}},
      {"parallel to g",
       Task(3, {0, 0}, 2, {0, 0}, 1, {0, 1, 0}),
       {},
       {G(1, Circle{0, 0, 2}), G(2, Line{0, 1, 0}), G(3, Line{0, 1, 2}), G(4, Line{0, 1, -2})}},
      {"parallel to g, the perpendicular through M (asked for by t2)",
       Task(3, {0, 0}, 2, {0, 0}, 1, {0, 1, 0}),
       {2},
       {G(1, Circle{0, 0, 2}), G(2, Line{0, 1, 0}), G(3, Line{0, 1, 2}), G(4, Line{0, 1, -2}), K(Line{1, 0, 0})}},
      {"two circles, one inside the other: no tangent",
       Task(4, {0, 0}, 5, {1, 0}, 1),
       {1, 2, 3, 4},
       {G(1, k5), G(2, Circle{1, 0, 1})}},
      {"two circles touching inside, with the line of centres",
       Task(4, {0, 0}, 3, {1, 0}, 2),
       {1},
       {G(1, Circle{0, 0, 3}), G(2, Circle{1, 0, 2}), G(3, Line{1, 0, 3}), K(Line{0, 1, 0})}},
      {"two equal circles apart",
       Task(4, {0, 0}, 1, {4, 0}, 1),
       {},
       {G(1, Circle{0, 0, 1}), G(2, Circle{4, 0, 1}), G(3, Line{0, 1, -1}), G(4, Line{0, 1, 1}),
        G(5, Line{1, r3, 2}), G(6, Line{1, -r3, 2})}},
      {"two equal circles apart: radii of t1, the construction of t3",
       Task(4, {0, 0}, 1, {4, 0}, 1),
       {1, 3},
       {G(1, Circle{0, 0, 1}), G(2, Circle{4, 0, 1}), G(3, Line{0, 1, -1}), G(4, Line{0, 1, 1}),
        G(5, Line{1, r3, 2}), G(6, Line{1, -r3, 2}), K(Segment{0, 0, 0, -1}), K(Segment{4, 0, 4, -1}),
        K(Circle{0, 0, 2}), K(Circle{2, 0, 2}), K(Segment{1, r3, 0.5, r3 / 2}), K(Segment{4, 0, 3.5, -r3 / 2}),
        K(Line{1, r3, 4})}},
      {"two circles apart: the construction of t1",
       Task(4, {0, 0}, 2, {5, 0}, 1),
       {1},
       {G(1, Circle{0, 0, 2}), G(2, Circle{5, 0, 1}), G(3, Line{1, r24, 10}), G(4, Line{1, -r24, 10}),
        G(5, Line{3, 4, 10}), G(6, Line{3, -4, 10}), K(Circle{0, 0, 1}), K(Circle{2.5, 0, 2.5}),
        K(Segment{0.2, r96, 0.4, 2 * r96}), K(Segment{5, 0, 5.2, r96}), K(Line{1, r24, 5})}},
      {"two circles touching outside (k1 the larger), with the line of centres",
       Task(4, {0, 0}, 2, {5, 0}, 3),
       {3},
       {G(1, Circle{5, 0, 3}), G(2, Circle{0, 0, 2}), G(3, Line{1, -r24, -10}), G(4, Line{1, r24, -10}),
        G(5, Line{1, 0, 2}), K(Line{0, 1, 0})}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const TangResult res = SolveTangents(row.in, FixedWidthMeasurer(10));
    TVIrada chart;
    chart.resize(400, 400);
    chart.Loaded();
    Extended xLo, yLo, xHi, yHi;
    TangRange(row.in, res, xLo, yLo, xHi, yHi);
    chart.SetRange(1, double(xLo), double(yLo), double(xHi), double(yHi));
    std::array<bool, 5> construction{};
    for (int j : row.construction) construction[std::size_t(j)] = true;
    DrawTangFigures(chart, res, Pens(), construction);
    EXPECT_TRUE(DrawsExactly(chart, row.figures, 1e-9));
    EXPECT_EQ(chart.LineWidth(), 1);
  }
}

}  // namespace
}  // namespace zw
