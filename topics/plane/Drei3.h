#pragma once
// Triangles from three points: the inner quantities of the triangle with
// the given vertices and their memo block. Callable without a window.
#include <QStringList>

#include "topics/plane/PlaneKit.h"

namespace zw {

class TextMeasurer;

// CalcFailure 8 ("Die Punkte liegen auf einer Geraden") when the points span
// no triangle.
TriangleData SolveDrei3(const TVec2& A, const TVec2& B, const TVec2& C);
// A line of one blank, then the result block.
QStringList Drei3MemoLines(const TriangleData& t, const TextMeasurer& font);

}  // namespace zw
