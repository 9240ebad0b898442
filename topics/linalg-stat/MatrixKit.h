#pragma once
// What the matrix and vector topics share without a window: matrices and
// column vectors as memo lines.
#include <QStringList>
#include <array>

#include "kernel/Types.h"

namespace zw {

// The lines of FormatMatrixLines (kernel/FormatGeometry.h): each row between
// the bracket glyphs, entries with eight digits right-aligned in their column.
QStringList MatrixMemoLines(const Matrix& m, int rows, int cols);

// The three lines of FormatColumnVector: the coordinates with 12 digits
// between brackets.
std::array<QString, 3> ColumnVectorLines(const TVec3& v);

// The 3 × 3 matrix with the columns a, b, c (x, y, z in rows 1..3).
Matrix ColumnsMatrix(const TVec3& a, const TVec3& b, const TVec3& c);

}  // namespace zw
