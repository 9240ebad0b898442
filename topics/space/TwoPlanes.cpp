#include "topics/space/TwoPlanes.h"

#include <algorithm>
#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "charts/Rot3D.h"
#include "shell/texts/Texts.h"
#include "topics/space/SpaceText.h"

namespace zw {

namespace {

constexpr int kParallelPlanes = 14;

// The reduced equation; a single normal coefficient left becomes 1 with the
// constant divided by it (a zero normal with a constant fails).
void ReducePlane(TVec4& e) {
  NormalizeCoefs4(e.x, e.y, e.z, e.t);
  auto single = [&e](Extended& c) {
    if (c == 0) throw CalcFailure(msg::ImproperArgument);
    e.t /= c;
    c = 1;
  };
  if (e.x == 0 && e.y == 0) single(e.z);
  else if (e.y == 0 && e.z == 0) single(e.x);
  else if (e.x == 0 && e.z == 0) single(e.y);
}

Extended Dot(const TVec3& a, const TVec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

}  // namespace

TwoPlanesResult ComputeTwoPlanes(TVec4 e1, TVec4 e2, Extended previousDd) {
  ReducePlane(e1);
  ReducePlane(e2);
  TwoPlanesResult r;
  r.e1 = e1;
  r.e2 = e2;
  r.dd = previousDd;
  TVec3 n1{e1.x, e1.y, e1.z}, n2{e2.x, e2.y, e2.z};
  NormalizeCoefs3(n1.x, n1.y, n1.z);
  NormalizeCoefs3(n2.x, n2.y, n2.z);
  if (n1.x == n2.x && n1.y == n2.y && n1.z == n2.z) {
    r.parallel = true;
    TVec3 p;
    if (e1.x != 0) p = {e1.t / e1.x, 0, 0};
    if (e1.y != 0) p = {0, e1.t / e1.y, 0};
    if (e1.z != 0) p = {0, 0, e1.t / e1.z};
    r.d = DistPointPlane(p, e2);
    return r;
  }
  const Extended a1 = e1.x, b1 = e1.y, c1 = e1.z, d1 = e1.t;
  const Extended a2 = e2.x, b2 = e2.y, c2 = e2.z, d2 = e2.t;
  TVec3 dir{b1 * c2 - c1 * b2, c1 * a2 - a1 * c2, a1 * b2 - b1 * a2};
  // Cramer's numerators over the chosen component v of the direction.
  Extended num[3] = {0, 0, 0}, v = 0;
  if (dir.z != 0) {
    v = dir.z;
    num[0] = b2 * d1 - b1 * d2;
    num[1] = a1 * d2 - a2 * d1;
  } else if (dir.y != 0) {
    v = dir.y;
    num[0] = c1 * d2 - c2 * d1;
    num[2] = a2 * d1 - a1 * d2;
  } else if (dir.x != 0) {
    v = dir.x;
    num[1] = c2 * d1 - c1 * d2;
    num[2] = b1 * d2 - b2 * d1;
  } else {
    throw CalcFailure(kParallelPlanes);
  }
  if (v < 0) {
    v = -v;
    for (Extended& n : num) n = -n;
  }
  Extended den[3];
  for (int k = 0; k < 3; ++k) {
    const Extended g = GcdReal(v, num[k]);
    num[k] /= g;
    den[k] = v / g;
  }
  FormatFractionVector(r.pointLines[0], r.pointLines[1], r.pointLines[2], num[0], den[0], num[1], den[1], num[2],
                       den[2]);
  r.point = {num[0] / den[0], num[1] / den[1], num[2] / den[2]};
  NormalizeCoefs3(dir.x, dir.y, dir.z);
  r.direction = dir;
  FormatColumnVector(r.directionLines[0], r.directionLines[1], r.directionLines[2], dir.x, dir.y, dir.z);
  const Extended q = -Dot(dir, r.point) / Dot(dir, dir);
  const TVec3 f{r.point.x + q * dir.x, r.point.y + q * dir.y, r.point.z + q * dir.z};
  r.dd = Dot(f, f);
  const TVec3 m1{a1, b1, c1}, m2{a2, b2, c2};
  r.angle = ArcCosDeg(std::fabs(Dot(m1, m2)) / std::sqrt(Dot(m1, m1) * Dot(m2, m2)));
  const Extended l1 = Dot(m1, m1), l2 = Dot(m2, m2);
  const Extended s1 = std::fabs(d1) / (l1 * l1), s2 = std::fabs(d2) / (l2 * l2);
  r.d = s1 > s2 ? s1 : s2;
  return r;
}

Extended TwoPlanesExtent(const TwoPlanesResult& r) {
  return std::max({Extended(1), 4 * std::sqrt(r.dd), 4 * r.d});
}

void BuildTwoPlanesScene(TRot3D& view, const TwoPlanesResult& r, const ScenePen& plane1, const ScenePen& plane2,
                         const ScenePen& line) {
  const SceneFrame f = SceneFrameFor(view.height(), TwoPlanesExtent(r));
  DrawPlaneInBox3D(view, r.e1, plane1.color, f.size, f.scale, plane1.width);
  DrawPlaneInBox3D(view, r.e2, plane2.color, f.size, f.scale, plane2.width);
  if (!r.parallel) DrawLineInBox3D(view, line.color, line.width, r.point, r.direction, f.size, f.scale);
  InitView3D(view, f.size);
}

QStringList TwoPlanesMemoLines(const TwoPlanesResult& r, const TextMeasurer& font) {
  QStringList lines;
  AppendHeading(lines, font, GetText(IXEbene, 2));
  lines << "E1 : " + Q(FormatPlaneEquation(r.e1)) << "E2 : " + Q(FormatPlaneEquation(r.e2)) << QString();
  if (r.parallel) {
    AppendHeading(lines, font, GetText(IXEbene, 9));
    lines << "  d(E1,E2) = " + Q(FormatReal(8, r.d));
    return lines;
  }
  AppendHeading(lines, font, GetText(IXEbene, 3));
  lines << "    ->  " + Q(r.pointLines[0]) + "     " + Q(r.directionLines[0])
        << "g : x = " + Q(r.pointLines[1]) + QString::fromUtf16(u" + r·") + Q(r.directionLines[1])
        << "        " + Q(r.pointLines[2]) + "     " + Q(r.directionLines[2]) << QString();
  AppendHeading(lines, font, GetText(IXEbene, 4));
  lines << "  d = " + Q(FormatReal(8, std::sqrt(r.dd))) << QString();
  AppendHeading(lines, font, GetText(IXEbene, 5));
  lines << QString::fromUtf16(u"  α = ") + Q(FormatReal(8, r.angle)) + QString::fromUtf16(u"°");
  return lines;
}

namespace {
constexpr TextItem kDe[] = {
    {1, u"Zu zwei Ebenen werden Schnittgerade und Schnittwinkel, sowie der Abstand der Schnittgeraden zum "
        u"Ursprung bestimmt."},
    {2, u"Gegeben sind die beiden Ebenen:"}, {3, u"Schnittgerade der Ebenen:"}, {4, u"Abstand vom Ursprung:"},
    {5, u"Schnittwinkel der Ebenen:"}, {6, u"durch 3 Pkte"}, {7, u"vektoriell"},
    {9, u"Die beiden Ebenen sind parallel"},
};
constexpr TextItem kEn[] = {
    {1, u"Given two planes the program determines the intersection line, the distance from the origin and the "
        u"intersection angle."},
    {2, u"Given the two planes:"}, {3, u"Intersection line:"}, {4, u"Distance from origin:"},
    {5, u"Intersection angle:"}, {6, u"by 3 pts."}, {7, u"vect. equ."}, {9, u"Parallel planes"},
};
constexpr TextItem kFr[] = {
    {1, u"Pour deux plans, le programme détermine la droite et l'angle d'intersection, ainsi que la distance de "
        u"la droite à l'origine."},
    {2, u"Les deux plans donnés :"}, {3, u"Droite d'intersection :"}, {4, u"Distance de l'origine :"},
    {5, u"Angle d'intersection :"}, {6, u"par 3 points"}, {7, u"équ. vect."}, {9, u"Les deux plans sont parallèles"},
};
}  // namespace

void RegisterTwoPlanesTexts() {
  static const TextPageRegistration regs[] = {
      {IXEbene, TextLanguage::German, kDe}, {IXEbene, TextLanguage::English, kEn},
      {IXEbene, TextLanguage::French, kFr}};
  (void)regs;
}

}  // namespace zw
