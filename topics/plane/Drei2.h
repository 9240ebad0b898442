#pragma once
// Triangles from three of their sides a, b, c and angles α, β, γ (at least
// one side): the inner quantities, with both triangles of the ambiguous case
// (two sides and an angle opposite the shorter one). Callable without a window.
#include <QString>
#include <QStringList>
#include <array>

#include "topics/plane/PlaneKit.h"

namespace zw {

class TextMeasurer;

// The quantities in field order.
enum TriangleQuantity { TqA, TqB, TqC, TqAlpha, TqBeta, TqGamma, TqCount };

struct Drei2Result {
  QStringList memo;
  TriangleData first, second;  // in the user's labelling, A at (1|1), B on y = 1
  bool hasSecond = false;
  int ruleLine = -1;  // the rule between the two solutions, or -1
};

// `values` 0 for a quantity not given (angles in degrees), `texts` the trimmed
// field texts for the "Gegeben" line. Fails with CalcFailure 6 or 5 without a
// side, 3 for fewer and 4 for more than three quantities, 5 for a given angle
// of 180° or more; all of these before any memo line. When no triangle
// exists it fails with 5 and `out.memo` holds the lines written before.
void SolveDrei2(const std::array<Extended, TqCount>& values, const std::array<QString, TqCount>& texts,
                const TextMeasurer& font, Drei2Result& out);

}  // namespace zw
