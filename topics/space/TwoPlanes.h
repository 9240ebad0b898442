#pragma once
// Two planes a·x + b·y + c·z = d: their line of intersection with its point
// as exact fractions, its reduced direction, its distance from the origin and
// the angle between the planes; or, for parallel planes, their signed
// distance. The computation needs no window; the memo lines take a measurer.
#include <QStringList>
#include <array>
#include <string>

#include "kernel/Types.h"
#include "topics/space/Scene3D.h"

namespace zw {

class TextMeasurer;

struct TwoPlanesResult {
  TVec4 e1, e2;          // the planes as reduced
  bool parallel = false;
  Extended d = 0;        // parallel: signed distance; otherwise the picture's size value
  TVec3 point;           // a point of the line (the chosen coordinate 0)
  TVec3 direction;       // reduced to small whole numbers where it can be
  std::array<std::u16string, 3> pointLines, directionLines;
  Extended dd = 0;       // squared distance of the line from the origin (kept from before when parallel)
  Extended angle = 0;    // degrees, 0 to 90
};

// A plane with a zero normal and a non-zero constant throws CalcFailure(23);
// parallel normals that the reduction left different (opposite signs)
// CalcFailure(14). `previousDd` is what a parallel pair keeps as dd.
TwoPlanesResult ComputeTwoPlanes(TVec4 e1, TVec4 e2, Extended previousDd = 0);

QStringList TwoPlanesMemoLines(const TwoPlanesResult& r, const TextMeasurer& font);

// The picture's extent: the largest of 1, 4·√dd and 4·d.
Extended TwoPlanesExtent(const TwoPlanesResult& r);

// Both planes' outlines (pens 1 and 2) and, unless parallel, the line (pen
// 3) on the emptied view, scaled to its height; ends with InitView3D.
void BuildTwoPlanesScene(TRot3D& view, const TwoPlanesResult& r, const ScenePen& plane1, const ScenePen& plane2,
                         const ScenePen& line);

void RegisterTwoPlanesTexts();

}  // namespace zw
