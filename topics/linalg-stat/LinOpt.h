#pragma once
// Linear optimisation in two variables, callable without a window: maximise
// or minimise a·x + b·y under up to six linear constraints and x ≥ 0,
// y ≥ 0 by the corner points of the feasible region; the memo lines and the
// points of the region's polygon for the chart.
#include <QStringList>
#include <string>
#include <vector>

#include "kernel/Types.h"

namespace zw {

inline constexpr int LinOptConstraintRows = 6;

// A boundary a·x + b·y ≥ c.
struct LinOptLine {
  Extended a = 0, b = 0, c = 0;
};

struct LinOptProblem {
  Extended zx = 0, zy = 0;  // the objective zx·x + zy·y
  bool maximise = true;
  // The constraints in the stored ≥ form, in grid order: a row entered as
  // a·x + b·y ≤ c while maximising is stored as (−a, −b, −c).
  std::vector<LinOptLine> constraints;
};

// The stored form of a row as the user typed it.
LinOptLine StoredConstraint(Extended a, Extended b, Extended c, bool maximise);

struct LinOptResult {
  enum class Outcome {
    Point,       // one optimal vertex
    Edge,        // two vertices with the optimal value: the edge between them
    Unbounded,   // the objective improves without end: no optimal solution
    Infeasible,  // no feasible vertex
  };
  Outcome outcome = Outcome::Infeasible;
  TVec2 optimum;   // the optimal vertex (the first end of an edge)
  TVec2 second;    // the other end of an edge
  Extended value = 0;
  // The distinct feasible vertices in the order found, then (minimising)
  // the far points that close the open region beyond the chart.
  std::vector<TVec2> points;
  int vertexCount = 0;  // how many of points are vertices
  Extended xsmax = 0, ysmax = 0;  // the largest x and y of the vertices
  std::vector<TVec2> polygon;  // points in hull order
};

// The boundary lines: x ≥ 0, y ≥ 0, then the constraints.
std::vector<LinOptLine> LinOptBoundaries(const LinOptProblem& problem);
bool IsFeasiblePoint(const std::vector<LinOptLine>& lines, const TVec2& p);
LinOptResult SolveLinOpt(const LinOptProblem& problem);

// A stored line with a non-negative right side: "2·x + y ≥ 8", a maximise row
// (−1, −2, −10) as "x + 2·y ≤ 10".
std::u16string FormatConstraintText(const LinOptLine& line);

// The memo lines of a solved problem (not Infeasible).
QStringList LinOptMemoLines(const LinOptProblem& problem, const LinOptResult& result);

void RegisterLinOptTexts();

}  // namespace zw
