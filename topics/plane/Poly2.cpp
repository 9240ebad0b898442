#include "topics/plane/Poly2.h"

#include <cmath>

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

namespace {

QString Letter(int i) { return QString(QChar(char16_t(u'A' + i))); }

// To the nearest 1/n, ties to even: the tests compare at this grain.
Extended Grain(Extended x, int n) { return std::nearbyint(n * x) / n; }

Extended DistanceToLine(const TVec2& M, const TVec2& P, const TVec2& Q) {
  const Extended dx = Q.x - P.x, dy = Q.y - P.y, l = std::hypot(dx, dy);
  if (!(l > 0)) throw CalcFailure(msg::ImproperData);
  return std::fabs(dx * (M.y - P.y) - dy * (M.x - P.x)) / l;
}

}  // namespace

PolygonAnalysis AnalysePolygon(const std::vector<TVec2>& corners,
                               const std::array<std::array<QString, 2>, PolygonMaxCorners>& cellTexts,
                               const TextMeasurer& font) {
  PolygonAnalysis r;
  r.p = corners;
  const int n = int(corners.size());
  if (n < 3) throw CalcFailure(msg::TooFewData);
  const auto& p = r.p;
  auto at = [&](int i) -> const TVec2& { return p[std::size_t(((i % n) + n) % n)]; };

  // Measures over the edges i → i + 1.
  Extended sx = 0, sy = 0;
  for (int i = 0; i < n; ++i) {
    const TVec2 &a = at(i), &b = at(i + 1);
    const Extended e = (a.x * b.y - a.y * b.x) / 2;
    r.area += e;
    r.perimeter += VertexDist(a, b);
    r.ES.x += a.x / n;
    r.ES.y += a.y / n;
    sx += e * (a.x + b.x);
    sy += e * (a.y + b.y);
  }
  const bool fsDefined = r.area != 0;
  if (fsDefined) r.FS = {sx / 3 / r.area, sy / 3 / r.area};

  // Column widths.
  QStringList cornerTexts;
  auto width = [&font](const QString& t) {
    const std::u16string u = t.toStdU16String();
    return font.textWidth(u);
  };
  QString widest = QStringLiteral("P(1|1)");
  for (int i = 0; i < PolygonMaxCorners; ++i) {
    cornerTexts << QStringLiteral(" ") + Letter(i) + QStringLiteral("(") + cellTexts[std::size_t(i)][0].trimmed() +
                       QStringLiteral("|") + cellTexts[std::size_t(i)][1].trimmed() + QStringLiteral(")");
    if (width(cornerTexts.last()) > width(widest)) widest = cornerTexts.last();
  }
  const QString place1 = BlankWidthOf(font, widest) + QStringLiteral("     ");
  const QString place2 = BlankWidthOf2(font, GetText(IDrei, 7), GetText(IDrei, 8));
  auto left = [&](const QString& t) { return PadRightToWidth(font, place1, t); };
  auto real = [](Extended x) { return Q(FormatReal(8, x)); };
  auto item = [](int i) { return GetText(IPoly2, i); };

  QStringList& m = r.memo;
  m << left(item(2) + QStringLiteral(":")) + item(3) + QStringLiteral(" = ") + real(r.area);
  for (int k = 1; k <= std::max(n, 8); ++k) {
    QString right;
    switch (k) {
      case 2: right = item(4) + QStringLiteral(" = ") + real(r.perimeter); break;
      case 4: right = item(5) + QStringLiteral(": "); break;
      case 5: right = Q(FormatPoint2(item(6).toStdU16String(), r.ES, 16)); break;
      case 7: right = item(7) + QStringLiteral(": "); break;
      case 8:
        // An area of 0 has no area centroid.
        right = fsDefined ? Q(FormatPoint2(item(8).toStdU16String(), r.FS, 16))
                          : item(8) + QStringLiteral("  ") + GetMessageText(42);
        break;
      default: break;
    }
    m << left(k <= n ? cornerTexts[k - 1] : QString()) + right;
  }
  m << QString() << left(GetText(IDrei, 2) + QStringLiteral(":")) + GetText(IDrei, 3) + QStringLiteral(":");

  // The candidates: the circle through the first three corners, the point
  // where the bisectors at the first two corners meet.
  if (PointsCollinear(at(0), at(1), at(2))) {
    r.cyclic = false;
  } else {
    try {
      Circumcentre(at(0), at(1), at(2), r.Mu);
      r.ru = VertexDist(r.Mu, at(0));
    } catch (const CalcFailure&) {
      r.cyclic = false;
    }
  }
  try {
    TDrei w1, w2;
    AngleBisector(at(1), at(0), at(n - 1), w1);
    AngleBisector(at(2), at(1), at(0), w2);
    const Extended det = w1.a * w2.b - w1.b * w2.a;
    // Parallel bisectors meet nowhere: no incircle.
    if (!(std::fabs(det) > 1e-18L * (std::fabs(w1.a * w2.b) + std::fabs(w1.b * w2.a)))) throw CalcFailure(msg::ImproperData);
    LineIntersection(w1, w2, r.Mi);
    r.ri = DistanceToLine(r.Mi, at(0), at(1));
  } catch (const CalcFailure&) {
    r.tangent = false;
  }

  Extended sum = 0;
  for (int j = 0; j < n; ++j) {
    const TVec2 &P = at(j), &N = at(j + 1), &V = at(j - 1);
    const Extended side = VertexDist(P, N);
    Extended w = AngleAtVertex(N, P, V);
    // Corners given clockwise: the interior angle is the other side.
    if (r.area < 0) w = 360 - w;
    if (n == 3 && w > 180) w = 360 - w;
    r.sides.push_back(side);
    r.angles.push_back(w);
    if (w > 180) r.convex = false;
    if (w == 180) r.tangent = false;
    sum += w;
    m << left(QStringLiteral(" |") + Letter(j) + Letter((j + 1) % n) + QStringLiteral("| = ") + real(side)) +
             QString(QChar(0x2221)) + Letter((j + 1) % n) + Letter(j) + Letter((j + n - 1) % n) + QStringLiteral(" = ") +
             real(w) + DegreeSign();
    if (r.cyclic && Grain(VertexDist(r.Mu, P), 14) != Grain(r.ru, 14)) r.cyclic = false;
    if (r.tangent) {
      try {
        if (Grain(DistanceToLine(r.Mi, P, N), 14) != Grain(r.ri, 14)) r.tangent = false;
      } catch (const CalcFailure&) {
        r.tangent = false;
      }
    }
  }
  r.crossed = Extended(n) * 180 - 360 != Grain(sum, 12);

  QString kind = item(r.convex ? 11 : 12);
  if (r.cyclic) kind = item(14);
  if (r.tangent) kind = item(15);
  if (r.cyclic && r.tangent) kind = item(14) + QStringLiteral(" + ") + item(15);
  if (r.crossed) kind = item(13);
  m << QString() << kind;
  if (r.cyclic)
    m << PadRightToWidth(font, place2, GetText(IDrei, 7)) + QStringLiteral(":  ") + Q(FormatPoint2(u"M", r.Mu, 16)) +
             QStringLiteral("  r=") + real(r.ru);
  if (r.tangent)
    m << PadRightToWidth(font, place2, GetText(IDrei, 8)) + QStringLiteral(":  ") + Q(FormatPoint2(u"M", r.Mi, 16)) +
             QStringLiteral("  r=") + real(r.ri);
  return r;
}

}  // namespace zw
