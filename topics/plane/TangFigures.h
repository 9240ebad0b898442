#pragma once
// The tangents chart as a function of a result: what each task draws, in
// which graph's pen, and the construction lines of the tangents asked for.
#include <array>

#include "topics/frame/ChartHelpers.h"
#include "topics/plane/Tang.h"

namespace zw {

// Appends the figures of `r` to the chart: the circle(s) and the given line
// or point in graphs 1 and 2, the tangents in the graphs after them; for
// each tangent j (1..4) with construction[j] set, its construction lines in
// black, width 1 (task 1: the radius through the touch point as a ray; task
// 2: the polar, MP and the Thales circle; task 3: the perpendicular through
// M; task 4: the auxiliary circle about M1, the Thales circle over M1M2, the
// radii to the touch points and the parallel through M2, or for equal radii
// only the two radii). The chart's line width is 1 afterwards.
void DrawTangFigures(TVIrada& chart, const TangResult& r, const GraphPens& pens,
                     const std::array<bool, 5>& construction);

}  // namespace zw
