#pragma once
// The corners of the convex hull of a point set, counter-clockwise about the
// centroid, starting just past the direction straight down. Up to three
// points come back unchanged (in their order).
#include "common/PointTypes.h"

namespace zw {

void ConvexHull(const TPDblArray& Points, TPDblArray& Hull);

}  // namespace zw
