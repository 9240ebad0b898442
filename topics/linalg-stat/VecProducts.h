#pragma once
// Scalar, vector and triple products of vectors of space, callable without
// a window: the memo lines of the three windows.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

// a·b, the lengths of a and b and, when neither is 0, the enclosed angle in
// degrees; labels aligned in the memo's font.
QStringList SProdMemoLines(const TVec3& a, const TVec3& b, const TextMeasurer& memoFont);
// a × b and its length.
TVec3 CrossProduct(const TVec3& a, const TVec3& b);
QStringList VProdMemoLines(const TVec3& a, const TVec3& b);
// (a × b)·c, the determinant of the matrix with the columns a, b, c.
Extended TripleProduct(const TVec3& a, const TVec3& b, const TVec3& c);
QStringList SpatMemoLines(const TVec3& a, const TVec3& b, const TVec3& c);

// A length √q: "√2 = 1,4142136" when it is not whole and q has at most two
// decimals, else the length alone.
QString LengthText(Extended q);

void RegisterVecProductTexts();

}  // namespace zw
