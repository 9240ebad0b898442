#pragma once
// Two lines of space g: x = p + r·u and h: x = q + s·v, classified as
// identical, parallel, skew or intersecting, with their distance in root
// form, the feet of the common perpendicular or the intersection point and
// angle, and the distances from the origin. The computation needs no window;
// the memo lines take a measurer.
#include <QString>
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

enum class LinesRelation { Identical, Parallel, Skew, Intersecting };

struct SpaceLinesResult {
  TVec3 p, u, q, v;         // u and v as given
  TVec3 f1, f2;             // feet of the common perpendicular; f1 is S for intersecting lines
  Extended r = 0, s = 0;    // their parameters
  Extended d = 0, dq = 0;   // distance of the lines and its square
  Extended angle = 0;       // degrees, 0 to 90
  Extended d1 = 0, d1q = 0; // distance of g from the origin
  Extended d2 = 0, d2q = 0; // distance of h from the origin
  bool parallel = false;
  LinesRelation relation = LinesRelation::Skew;
};

// A zero direction (or any other failure) throws CalcFailure(21). Distances
// up to 0.1 count as zero for the classification.
SpaceLinesResult ComputeTwoLines(const TVec3& p, const TVec3& u, const TVec3& q, const TVec3& v);

// "√xq = x" when x is not whole and 100·xq is, else x alone (8 digits).
QString LengthRootForm(Extended x, Extended xq);

QStringList TwoLinesMemoLines(const SpaceLinesResult& r, const TextMeasurer& font);

// The picture's extent: the largest of d, 4·d1, 4·d2, for lines not parallel
// also 4·|F1| and (d > 0) 4·|F2|, and 1.
Extended TwoLinesExtent(const SpaceLinesResult& r);

void RegisterTwoLinesTexts();

}  // namespace zw
