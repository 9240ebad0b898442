#pragma once
// Circle and circle parts, callable without a window: from any two of radius,
// central angle, arc, chord, sector area, chord distance and segment height
// (or the radius alone) all the others, the segment area, the circle's area
// and circumference, and the memo text.
#include <QStringList>
#include <functional>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

// The mask bits of the given quantities.
enum KreisBit { KR = 1, KAlpha = 2, KB = 4, KS = 8, KA1 = 16, KD = 32, KH = 64 };

struct CircleParts {
  Extended r = 0, alpha = 0, b = 0, s = 0, A1 = 0, d = 0, h = 0;  // alpha in degrees
  Extended x = 0;   // central angle in radians
  Extended A2 = 0;  // segment area
};

// The 21 pairs and the radius alone. A pair without a solution throws
// CalcFailure(5); a mask that is neither 1 nor a pair CalcFailure(32).
CircleParts SolveCircleParts(int mask, CircleParts given);

// Solves g(t) = v on (1e-18, upper) by bisection on the sign of v - g: at
// most 200 steps, or until the midpoint equals an end or the ends are 1e-18
// apart. Throws CalcFailure(5) when g misses v there (v outside g's range).
Extended SolveByBisection(const std::function<Extended(Extended)>& g, Extended v, Extended upper);
Extended SolveSinOverT(Extended v);    // sin t / t on (0, π)
Extended SolveCosOverT(Extended v);    // cos t / t on (0, π/2)
Extended SolveSin2OverT(Extended v);   // sin² t / t on (0, √(π/2))
Extended SolveCos2OverT(Extended v);   // cos² t / t on (0, π/2)
Extended SolveVers2OverT(Extended v);  // (1 - cos t)² / t on (0, π)
// The central angle for arc b and height h: the root of x / (1 - cos(x/2)) = b/h
// in (0, 2π]; b/h < π has none (CalcFailure(5)).
Extended ArcHeightAngle(Extended b, Extended h);

QStringList KreisMemoLines(int mask, const CircleParts& p, const TextMeasurer& font);

// The first chart range about the centre (1, 1).
void KreisRange(const CircleParts& p, Extended& xLo, Extended& yLo, Extended& xHi, Extended& yHi);

}  // namespace zw
