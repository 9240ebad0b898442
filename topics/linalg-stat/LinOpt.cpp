#include "topics/linalg-stat/LinOpt.h"

#include <algorithm>
#include <cmath>

#include "common/PointTypes.h"
#include "kernel/Format.h"
#include "kernel/Geometry.h"
#include "kernel/TextSigns.h"
#include "numerics/ConvexHull.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

constexpr TextItem kLinOptDe[] = {
    {1, u"Eine lineare Zielfunktion ƒ(x,y) = a·x + b·y wird unter bis zu sechs linearen Randbedingungen "
        u"und x ≥ 0, y ≥ 0 maximiert oder minimiert. Die Lösung ist eine Ecke oder eine Kante des "
        u"zulässigen Bereichs."},
    {2, u"Zielfunktion"},
    {3, u"Randbedingungen"},
    {4, u"maximieren"},
    {5, u"minimieren"},
    {6, u"Maximum"},
    {7, u"Minimum"},
};
constexpr TextItem kLinOptEn[] = {
    {1, u"A linear objective function ƒ(x,y) = a·x + b·y is maximized or minimized subject to up to six "
        u"linear constraints and x ≥ 0, y ≥ 0. The solution is a vertex or an edge of the feasible region."},
    {2, u"Objective function"},
    {3, u"Constraints"},
    {4, u"maximize"},
    {5, u"minimize"},
    {6, u"Maximum"},
    {7, u"Minimum"},
};
constexpr TextItem kLinOptFr[] = {
    {1, u"Une fonction objectif linéaire ƒ(x,y) = a·x + b·y est maximisée ou minimisée sous au plus six "
        u"contraintes linéaires et x ≥ 0, y ≥ 0. La solution est un sommet ou une arête du domaine "
        u"réalisable."},
    {2, u"Fonction objectif"},
    {3, u"Contraintes"},
    {4, u"maximiser"},
    {5, u"minimiser"},
    {6, u"Maximum"},
    {7, u"Minimum"},
};

// Rounding of the intersections: a true vertex may miss a line by a few
// units of the last place, and one vertex met by several pairs of lines
// comes out a little differently each time.
constexpr Extended kRelative = 1e-12L;

Extended slack(Extended scale) { return kRelative * std::max<Extended>(1, scale); }

bool close(Extended v, Extended w) { return std::fabs(v - w) <= slack(std::fabs(v) + std::fabs(w)); }

bool samePoint(const TVec2& p, const TVec2& q) { return close(p.x, q.x) && close(p.y, q.y); }

bool satisfies(const LinOptLine& l, const TVec2& p) {
  if (l.a == 0 && l.b == 0) return false;
  const Extended ax = l.a * p.x, by = l.b * p.y;
  const Extended tolerance = slack(std::fabs(ax) + std::fabs(by) + std::fabs(l.c));
  return p.x >= -tolerance && p.y >= -tolerance && ax + by >= l.c - tolerance;
}

// False exactly when both lines are vertical, or both are not and have the
// same slope.
bool linesIntersect(const LinOptLine& p, const LinOptLine& q) {
  if (p.b == 0 && q.b == 0) return false;
  if (p.b != 0 && q.b != 0 && p.a / p.b == q.a / q.b) return false;
  return true;
}

Extended objective(const LinOptProblem& pr, const TVec2& p) { return pr.zx * p.x + pr.zy * p.y; }

void addDistinct(std::vector<TVec2>& points, const TVec2& p) {
  for (const TVec2& q : points)
    if (samePoint(p, q)) return;
  points.push_back(p);
}

// Whether the objective grows without end (maximising; falls when
// minimising) along a direction in which the region is unbounded. The
// region's directions form a cone whose edges are among the axes and the
// constraint lines, and a linear function that improves anywhere in the cone
// improves along one of its edges.
bool unbounded(const LinOptProblem& pr, const std::vector<LinOptLine>& lines) {
  std::vector<TVec2> candidates{{1, 0}, {0, 1}};
  for (const LinOptLine& l : pr.constraints) {
    candidates.push_back({l.b, -l.a});
    candidates.push_back({-l.b, l.a});
  }
  const Extended sense = pr.maximise ? 1 : -1;
  const Extended objectiveScale = std::fabs(pr.zx) + std::fabs(pr.zy);
  for (TVec2 d : candidates) {
    const Extended len = std::hypot(d.x, d.y);
    if (len == 0) continue;
    d.x /= len;
    d.y /= len;
    bool inCone = d.x >= -kRelative && d.y >= -kRelative;
    for (const LinOptLine& l : lines)
      inCone = inCone && l.a * d.x + l.b * d.y >= -kRelative * (std::fabs(l.a) + std::fabs(l.b));
    if (inCone && sense * (pr.zx * d.x + pr.zy * d.y) > kRelative * objectiveScale) return true;
  }
  return false;
}

QString q(const std::u16string& s) { return QString::fromStdU16String(s); }
QString real(int digits, Extended x) { return q(FormatReal(digits, x)); }

}  // namespace

LinOptLine StoredConstraint(Extended a, Extended b, Extended c, bool maximise) {
  return maximise ? LinOptLine{-a, -b, -c} : LinOptLine{a, b, c};
}

std::vector<LinOptLine> LinOptBoundaries(const LinOptProblem& problem) {
  std::vector<LinOptLine> lines{{1, 0, 0}, {0, 1, 0}};
  lines.insert(lines.end(), problem.constraints.begin(), problem.constraints.end());
  return lines;
}

bool IsFeasiblePoint(const std::vector<LinOptLine>& lines, const TVec2& p) {
  return std::all_of(lines.begin(), lines.end(), [&p](const LinOptLine& l) { return satisfies(l, p); });
}

LinOptResult SolveLinOpt(const LinOptProblem& pr) {
  LinOptResult r;
  const std::vector<LinOptLine> lines = LinOptBoundaries(pr);
  // Every intersection of two boundary lines, in pair order.
  for (std::size_t g = 0; g + 1 < lines.size(); ++g)
    for (std::size_t l = g + 1; l < lines.size(); ++l) {
      const LinOptLine& A = lines[g];
      const LinOptLine& B = lines[l];
      if (!linesIntersect(A, B) || A.a * B.b - A.b * B.a == 0) continue;
      TVec2 p;
      IntersectLines2(TDrei{A.a, A.b, A.c}, TDrei{B.a, B.b, B.c}, p);
      if (!IsFeasiblePoint(lines, p)) continue;
      addDistinct(r.points, p);
    }
  r.vertexCount = static_cast<int>(r.points.size());
  if (r.points.empty()) return r;  // Infeasible
  for (const TVec2& p : r.points) {
    r.xsmax = std::max(r.xsmax, p.x);
    r.ysmax = std::max(r.ysmax, p.y);
  }

  // The optimum starts at the first vertex; a later vertex of the same value
  // becomes the tie record, a better one the optimum.
  r.optimum = r.points.front();
  r.value = objective(pr, r.optimum);
  bool tie = false;
  Extended tieValue = 0;
  for (int i = 1; i < r.vertexCount; ++i) {
    const TVec2& p = r.points[static_cast<std::size_t>(i)];
    const Extended v = objective(pr, p);
    if (close(v, r.value)) {
      if (!samePoint(p, r.optimum)) {
        r.second = p;
        tieValue = v;
        tie = true;
      }
    } else if (pr.maximise ? v > r.value : v < r.value) {
      r.optimum = p;
      r.value = v;
    }
  }
  if (unbounded(pr, lines)) r.outcome = LinOptResult::Outcome::Unbounded;
  else if (tie && close(tieValue, r.value)) r.outcome = LinOptResult::Outcome::Edge;
  else r.outcome = LinOptResult::Outcome::Point;

  if (!pr.maximise) {
    // Far points beyond the chart close the region that is open towards
    // large x and y.
    const Extended X = 10 * r.xsmax, Y = 10 * r.ysmax;
    const auto addFar = [&](const TVec2& p) {
      if (IsFeasiblePoint(lines, p)) addDistinct(r.points, p);
    };
    addFar({X, Y});
    for (const LinOptLine& l : lines)
      if (l.a != 0 && Y > 0) addFar({(l.c - l.b * Y) / l.a, Y});
    for (const LinOptLine& l : lines)
      if (l.b != 0 && X > 0) addFar({X, (l.c - l.a * X) / l.b});
  }
  TPDblArray points, hull;
  for (const TVec2& p : r.points) points.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  ConvexHull(points, hull);
  for (const TPointDouble& p : hull) r.polygon.push_back({p.X, p.Y});
  return r;
}

std::u16string FormatConstraintText(const LinOptLine& line) {
  const bool greater = line.c >= 0;
  const Extended qx = greater ? line.a : -line.a;
  const Extended ry = greater ? line.b : -line.b;
  const Extended s = greater ? line.c : -line.c;
  std::u16string x;
  if (qx == 1) x = u"x";
  else if (qx == -1) x = u"-x";
  else if (qx != 0) x = FormatReal(8, qx) + ksym::MulDotSign + u"x";
  std::u16string y;
  if (qx != 0) {
    if (ry == 1) y = u" + y";
    else if (ry == -1) y = u" - y";
    else if (ry != 0) y = FormatTerm(8, ry) + ksym::MulDotSign + u"y";
  } else {
    if (ry == 1) y = u"y";
    else if (ry == -1) y = u"-y";
    else if (ry != 0) y = FormatReal(8, ry) + ksym::MulDotSign + u"y";
  }
  return x + y + u" " + (greater ? ksym::GreaterEqualSign : ksym::LessEqualSign) + u" " + FormatReal(8, s);
}

QStringList LinOptMemoLines(const LinOptProblem& pr, const LinOptResult& r) {
  const QString f = QString::fromStdU16String(ksym::FunctionSign) + QStringLiteral("(x,y) = ");
  const QString dot = QString::fromStdU16String(ksym::MulDotSign);
  const QString extremum = GetText(ILinOpt, pr.maximise ? 6 : 7);
  QStringList lines;
  lines << GetText(ILinOpt, 2) + QStringLiteral(":   ")
        << QStringLiteral("  ") + f + real(6, pr.zx) + dot + QStringLiteral("x + ") + real(6, pr.zy) + dot +
               QStringLiteral("y ") + QString::fromStdU16String(ksym::ArrowSign) + u' ' + extremum
        << QString() << GetText(ILinOpt, 3) + u':'
        << QStringLiteral("  x") + QString::fromStdU16String(ksym::GreaterEqualSign) + u'0'
        << QStringLiteral("  y") + QString::fromStdU16String(ksym::GreaterEqualSign) + u'0';
  for (const LinOptLine& l : pr.constraints) lines << QStringLiteral("  ") + q(FormatConstraintText(l));
  lines << QString() << extremum;
  switch (r.outcome) {
    case LinOptResult::Outcome::Unbounded:
      lines << QStringLiteral("  ") + GetMessageText(5);
      return lines;
    case LinOptResult::Outcome::Edge:
      lines << QStringLiteral("  [ (") + real(6, r.optimum.x) + u'|' + real(6, r.optimum.y) + QStringLiteral(") , (") +
                   real(6, r.second.x) + u'|' + real(6, r.second.y) + QStringLiteral(") ]");
      break;
    default:
      lines << QStringLiteral("  x = ") + real(8, r.optimum.x) + QStringLiteral("   y = ") + real(8, r.optimum.y);
      break;
  }
  lines << QStringLiteral("  ") + f + q(FormatGeneral(15, r.value));
  return lines;
}

void RegisterLinOptTexts() {
  static const TextPageRegistration de{ILinOpt, TextLanguage::German, kLinOptDe};
  static const TextPageRegistration en{ILinOpt, TextLanguage::English, kLinOptEn};
  static const TextPageRegistration fr{ILinOpt, TextLanguage::French, kLinOptFr};
}

}  // namespace zw
