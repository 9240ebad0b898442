#pragma once
// Circle tangents, callable without a window: the tangent at a point, the
// tangents from a point, the tangents parallel to a line and the common
// tangents of two circles, with their touch points and the memo text.
#include <QStringList>
#include <array>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

struct TangInput {
  int task = 4;    // 1 at a point, 2 from a point, 3 parallel to g, 4 two circles
  TVec2 m{};       // centre of k (tasks 1-3), of k1 (task 4)
  Extended r = 1;  // radius of k (tasks 2, 3), of k1 (task 4)
  TVec2 q{};       // B (task 1), P (task 2), centre of k2 (task 4)
  Extended r2 = 1; // radius of k2 (task 4)
  TDrei g{};       // task 3
};

struct TangResult {
  int task = 1;
  TVec2 m, m2, m3, p;        // k (k1 in task 4), k2 or the Thales centre, midpoint, P
  Extended r = 0, r2 = 0, mm = 0;
  TDrei polare, lot, g;
  int position = 0;          // task 2: Sgn(|MP| - r); task 4: see below
  // task 4: -1 nested, 0 touching inside, 1 apart but overlapping, 2 touching outside, 3 apart
  std::array<TVec2, 5> s{};  // 1..4
  std::array<TVec2, 9> b{};  // 1..8 (b[0] the outer touch point of task 4)
  std::array<TDrei, 5> t{};  // 1..4
  std::array<bool, 5> shown{};
  QStringList memo;
};

// Failures: a line g with a = b = 0 (message 10), P at the centre (5), two
// identical circles (52), anything not finite (5).
TangResult SolveTangents(const TangInput& in, const TextMeasurer& font);
void TangRange(const TangInput& in, const TangResult& res, Extended& xLo, Extended& yLo, Extended& xHi,
               Extended& yHi);

}  // namespace zw
