#pragma once
// Small pieces the plane-geometry topics share: memo headings, kernel texts
// as QString, and the line through two points of the two-point dialog.
#include <QString>
#include <QStringList>
#include <string>

#include "kernel/Geometry.h"
#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

inline QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

// The heading and its line of macrons, appended to the memo lines (one
// definition for every area, in shell/texts/Texts.cpp).
void AppendHeading(QStringList& lines, const TextMeasurer& font, const QString& text);

// The line a·x + b·y = c through A and B (a = b = 0 when A = B).
struct LineABC {
  Extended a = 0, b = 0, c = 0;
};
LineABC LineThroughPoints(const TVec2& A, const TVec2& B);

// ----- the triangle's inner quantities and their memo block

// A triangle with its vertices, sides a = |BC|, b = |CA|, c = |AB|, angles in
// degrees, altitudes, medians, angle bisectors, circumcircle and incircle
// (centre x, centre y, radius) and area with perimeter.
struct TriangleData {
  TVec2 A, B, C;
  TDrei s, w, h, sh, wh, ku, ki;
  TVec2 uf;  // area, perimeter
  TVec2 M() const { return {ku.a, ku.b}; }
  TVec2 O() const { return {ki.a, ki.b}; }
};

// Three points that span no triangle: |cross(B - A, C - A)| at most 1e-12 of
// |B - A|·|C - A| (two coinciding points included). A nearly flat triangle
// would list a circumcentre near 1e15 from rounding alone.
bool PointsCollinear(const TVec2& A, const TVec2& B, const TVec2& C);

// The inner quantities of the triangle with these vertices; CalcFailure
// `failMessage` when they span no triangle.
TriangleData SolveTriangleAt(const TVec2& A, const TVec2& B, const TVec2& C, int failMessage);
// The same with the sides given (they must belong to the vertices).
TriangleData SolveTriangleOfSides(const TDrei& s, const TVec2& A, const TVec2& B, const TVec2& C, int failMessage);

// The column widths of the result block: the label column (with the degree
// sign counted in the angles' label when `degreeInLabel`, and `labelEnd`
// after it) and a value column of fourteen digits.
struct TriangleColumns {
  QString label, value;
};
TriangleColumns TriangleBlockColumns(const TextMeasurer& font, bool degreeInLabel, const QString& labelEnd);
// The result block: vertices, sides, angles, altitudes, medians, bisectors,
// an empty line, circumcircle, incircle, a line of one blank, area and perimeter.
void AppendTriangleBlock(QStringList& lines, const TextMeasurer& font, const TriangleColumns& cols,
                         const TriangleData& t);
// The three field texts of such a line (15 digits).
QStringList LineFieldTexts(const LineABC& line);

}  // namespace zw
