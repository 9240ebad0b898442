#include "topics/space/Kugel2.h"

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "kernel/Matrix.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {
constexpr int kCoplanarPoints = 9;
}

SphereThroughPoints SphereThroughFourPoints(const std::array<TVec3, 4>& p) {
  SphereThroughPoints k;
  k.p = p;
  const TVec3& A = p[0];
  // |M - A| = |M - P| for P = B, C, D: 2·(A - P)·M = |A|² - |P|².
  Matrix m{};
  Vektor rhs{}, x{};
  for (int row = 1; row <= 3; ++row) {
    const TVec3& P = p[std::size_t(row)];
    m[row][1] = 2 * (A.x - P.x);
    m[row][2] = 2 * (A.y - P.y);
    m[row][3] = 2 * (A.z - P.z);
    rhs[row] = Dot3(A, A) - Dot3(P, P);
  }
  int status = 0;
  GaussSolve(m, rhs, 3, x, status);
  if (status != 1) throw CalcFailure(kCoplanarPoints);
  k.m = {x[1], x[2], x[3]};
  k.r = Dist3(A, k.m);
  return k;
}

QStringList Kugel2MemoLines(const SphereThroughPoints& k, const TextMeasurer& font) {
  QStringList lines;
  lines << GetText(IKugel2, 2);
  lines << Q(FormatPoint3(u"A", k.p[0], 15)) + QStringLiteral(", ") + Q(FormatPoint3(u"B", k.p[1], 15)) +
               QStringLiteral(", ") + Q(FormatPoint3(u"C", k.p[2], 15)) + QStringLiteral(", ") +
               Q(FormatPoint3(u"D", k.p[3], 15));
  lines << QString();
  AppendHeading(lines, font, GetText(IKugel2, 3));
  const ColumnLines m = ColumnOf(k.m);
  lines << QStringLiteral("     | ->    ") + m.top + QStringLiteral(" |2 ");
  lines << QStringLiteral(" K : | x   - ") + m.middle + QStringLiteral(" |   = ") + Q(FormatReal(8, k.r * k.r));
  lines << QStringLiteral("     |       ") + m.bottom + QStringLiteral(" |");
  lines << QString();
  AppendHeading(lines, font, GetText(IKugel2, 4));
  lines << Q(FormatPoint3(u"  M", k.m, 21));
  lines << QStringLiteral("  r = ") + Q(FormatReal(8, k.r));
  return lines;
}

}  // namespace zw
