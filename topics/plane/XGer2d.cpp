#include "topics/plane/XGer2d.h"

#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Matrix.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

namespace {

// Distance of the point p from a·x + b·y = c, and its square.
void DistanceFromLine(Extended a, Extended b, Extended c, const TVec2& p, Extended& d, Extended& q) {
  const Extended v = (a * p.x + b * p.y - c);
  q = v * v / (a * a + b * b);
  d = std::fabs(v) / std::sqrt(a * a + b * b);
}

bool Whole(Extended x) { return x == std::trunc(x); }

}  // namespace

TwoLinesResult IntersectTwoLines(const TwoLines& in) {
  if (in.a2 == 0 && in.b2 == 0) throw CalcFailure(11);
  if (in.a1 == 0 && in.b1 == 0) throw CalcFailure(10);
  TwoLinesResult res;
  const TVec2 ug{in.b1, -in.a1}, uh{in.b2, -in.a2};
  const Extended dot = std::fabs(ug.x * uh.x + ug.y * uh.y);
  Extended cosine = dot / std::sqrt((ug.x * ug.x + ug.y * ug.y) * (uh.x * uh.x + uh.y * uh.y));
  if (cosine > 1) cosine = 1;
  res.angle = ArcCosDeg(cosine);
  DistanceFromLine(in.a1, in.b1, in.c1, TVec2{}, res.dOg, res.qOg);
  DistanceFromLine(in.a2, in.b2, in.c2, TVec2{}, res.dOh, res.qOh);
  // A point of h: its foot from the origin.
  const Extended l2 = in.a2 * in.a2 + in.b2 * in.b2;
  const TVec2 onH{in.a2 * in.c2 / l2, in.b2 * in.c2 / l2};
  Extended q = 0;
  DistanceFromLine(in.a1, in.b1, in.c1, onH, res.dgh, q);
  Matrix A{};
  Vektor b{}, x{};
  A[1][1] = in.a1, A[1][2] = in.b1, b[1] = in.c1;
  A[2][1] = in.a2, A[2][2] = in.b2, b[2] = in.c2;
  GaussSolve(A, b, 2, x, res.status);
  if (res.status > 0) res.s = TVec2{x[1], x[2]};
  return res;
}

QString RootForm(Extended d, Extended q) {
  if (!Whole(d) && Whole(100 * q)) return QString::fromStdU16String(ksym::SqrtSign) + Q(FormatReal(8, q)) + QStringLiteral(" = ");
  return {};
}

QStringList XGer2dMemoLines(const TwoLines& in, const TwoLinesResult& res) {
  QStringList lines;
  lines << QStringLiteral("g : ") + Q(FormatLineEquation(in.a1, in.b1, in.c1));
  lines << QStringLiteral("h : ") + Q(FormatLineEquation(in.a2, in.b2, in.c2));
  lines << QString();
  if (res.status == 0) {
    lines << GetText(IXGer2d, 7);
    lines << QStringLiteral("  d(g,h) = ") + Q(FormatReal(8, res.dgh));
  } else if (res.status < 0) {
    lines << GetText(IXGer2d, 8);
  } else {
    lines << GetText(IXGer2d, 2) + QStringLiteral("  ") + Q(FormatPoint2(u"S", res.s, 21));
    lines << QString();
    lines << GetText(IXGer2d, 3) + QStringLiteral("  ") + QString::fromStdU16String(ksym::AlphaSign) + QStringLiteral(" = ") +
                 Q(FormatReal(8, res.angle)) + QStringLiteral("°");
  }
  lines << QString();
  lines << GetText(IXGer2d, 4);
  lines << QStringLiteral("  d(O,g) = ") + RootForm(res.dOg, res.qOg) + Q(FormatReal(8, res.dOg));
  lines << QStringLiteral("  d(O,h) = ") + RootForm(res.dOh, res.qOh) + Q(FormatReal(8, res.dOh));
  return lines;
}

}  // namespace zw
