#include "topics/linalg-stat/MatrixKit.h"

#include <string>
#include <vector>

#include "kernel/FormatGeometry.h"

namespace zw {

QStringList MatrixMemoLines(const Matrix& m, int rows, int cols) {
  std::vector<std::u16string> list;
  FormatMatrixLines(m, rows, cols, list);
  QStringList lines;
  for (const std::u16string& s : list) lines << QString::fromStdU16String(s);
  return lines;
}

std::array<QString, 3> ColumnVectorLines(const TVec3& v) {
  std::u16string a, b, c;
  FormatColumnVector(a, b, c, v.x, v.y, v.z);
  return {QString::fromStdU16String(a), QString::fromStdU16String(b), QString::fromStdU16String(c)};
}

Matrix ColumnsMatrix(const TVec3& a, const TVec3& b, const TVec3& c) {
  Matrix m{};
  const TVec3* v[3] = {&a, &b, &c};
  for (int j = 1; j <= 3; ++j) {
    m[1][j] = v[j - 1]->x;
    m[2][j] = v[j - 1]->y;
    m[3][j] = v[j - 1]->z;
  }
  return m;
}

}  // namespace zw
