#pragma once
// Intersection of two lines of the plane, callable without a window: the
// point and the angle, or parallel lines with their distance, or identical
// lines; the distances of both lines from the origin.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

struct TwoLines {
  Extended a1 = 0, b1 = 0, c1 = 0;  // g
  Extended a2 = 0, b2 = 0, c2 = 0;  // h
};

struct TwoLinesResult {
  int status = 0;     // > 0 one point, 0 parallel, < 0 identical
  TVec2 s;            // the point; the origin when there is none
  Extended angle = 0; // degrees, 0 ... 90
  Extended dOg = 0, qOg = 0, dOh = 0, qOh = 0;  // distances from the origin and their squares
  Extended dgh = 0;   // distance of h from g
};

// h is tested first: a2 = b2 = 0 throws CalcFailure(11), then a1 = b1 = 0 CalcFailure(10).
TwoLinesResult IntersectTwoLines(const TwoLines& in);
QStringList XGer2dMemoLines(const TwoLines& in, const TwoLinesResult& res);
// "√2 = " before a distance that is not whole but whose square is a whole
// hundredth; empty otherwise.
QString RootForm(Extended d, Extended q);

}  // namespace zw
