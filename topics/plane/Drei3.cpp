#include "topics/plane/Drei3.h"

namespace zw {

TriangleData SolveDrei3(const TVec2& A, const TVec2& B, const TVec2& C) { return SolveTriangleAt(A, B, C, 8); }

QStringList Drei3MemoLines(const TriangleData& t, const TextMeasurer& font) {
  QStringList lines{QStringLiteral(" ")};
  AppendTriangleBlock(lines, font, TriangleBlockColumns(font, false, QStringLiteral(":       ")), t);
  return lines;
}

}  // namespace zw
