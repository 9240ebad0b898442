#pragma once
// Intersection of a circle and a line a·x + b·y = c, callable without a window.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct CircleAndLine {
  Extended a = 0, b = 0, c = 0;  // g: a·x + b·y = c
  TVec2 m;
  Extended r = 1;
};

struct CircleAndLineResult {
  int sign = -1;  // Sgn(D), D compared with 0 exactly
  TVec2 s1, s2;
};

// a = b = 0 throws CalcFailure(10) "Gerade g unbestimmt".
CircleAndLineResult IntersectCircleLine(const CircleAndLine& in);
QStringList XGerKrMemoLines(const CircleAndLine& in, const CircleAndLineResult& res, const TextMeasurer& font);

}  // namespace zw
