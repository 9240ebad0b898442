#pragma once
// Right triangles (right angle at C): any two of the legs a, b, the
// hypotenuse c, the angles α, β, the hypotenuse segments p, q, the altitude h
// and the area A give the others, and the figure with its circumcircle and
// incircle. Callable without a window.
#include <QStringList>
#include <array>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

// The quantities in the order of the pair code: a b c α β p q h A.
enum RightTriangleQuantity { RtA, RtB, RtC, RtAlpha, RtBeta, RtP, RtQ, RtH, RtArea, RtCount };

struct RightTriangle {
  std::array<Extended, RtCount> v{};
  // The figure: the hypotenuse on y = 1 from A = (1|1), C above it.
  TVec2 A, B, C, M, O, D;  // M, O: circumcentre, incentre; D: foot of the altitude
  Extended ru = 0, ri = 0;
};

// t with t³ + t = K (K > 0) by Newton's method from K (K ≤ 1) or ∛K, at most
// 100 steps; the last but one iterate rounded to 12 decimals.
Extended SolveCubicTPlusT3(Extended K);

// The triangle from two quantities i < j (RightTriangleQuantity) with values
// vi, vj > 0. Throws CalcFailure 6 for α with β, 5 when there is no such
// triangle (a given angle of 90° or more, or a result that is no positive
// length or an angle outside 0 .. 90°).
RightTriangle SolveRightTriangle(int i, Extended vi, int j, Extended vj);

// "Gegeben" with the two given quantities, "Ergebnisse" with the seven others.
QStringList Drei1MemoLines(const RightTriangle& t, int i, int j, const TextMeasurer& font);

}  // namespace zw
