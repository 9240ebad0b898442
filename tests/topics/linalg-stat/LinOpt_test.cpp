#include "topics/linalg-stat/LinOpt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <random>

#include "tests/topics/linalg-stat/LinalgTestBase.h"

namespace zw {
namespace {

using boost::multiprecision::cpp_rational;
using Outcome = LinOptResult::Outcome;

using LinOpt = LinalgCompute;

// Rows as the user types them: a·x + b·y ≤ c (maximise) or ≥ c (minimise).
LinOptProblem problem(Extended zx, Extended zy, bool maximise, std::vector<std::array<Extended, 3>> rows) {
  LinOptProblem p{zx, zy, maximise, {}};
  for (const auto& r : rows) p.constraints.push_back(StoredConstraint(r[0], r[1], r[2], maximise));
  return p;
}

TEST_F(LinOpt, WorkedProblems) {
  {
    const LinOptProblem p = problem(3, 2, true, {{1, 1, 4}, {1, 3, 6}});
    const LinOptResult r = SolveLinOpt(p);
    ASSERT_EQ(r.vertexCount, 4);
    const std::pair<Extended, Extended> found[] = {{0, 0}, {0, 2}, {4, 0}, {3, 1}};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(r.points[i].x, found[i].first) << i;
      EXPECT_EQ(r.points[i].y, found[i].second) << i;
    }
    EXPECT_EQ(r.outcome, Outcome::Point);
    EXPECT_EQ(LinOptMemoLines(p, r),
              QStringList({"Zielfunktion:   ", "  ƒ(x,y) = 3·x + 2·y → Maximum", "", "Randbedingungen:", "  x≥0",
                           "  y≥0", "  x + y ≤ 4", "  x + 3·y ≤ 6", "", "Maximum", "  x = 4   y = 0",
                           "  ƒ(x,y) = 12"}));
  }
  {
    // Two vertices of the best value: the edge between them.
    const LinOptProblem p = problem(1, 1, true, {{1, 1, 4}});
    const LinOptResult r = SolveLinOpt(p);
    EXPECT_EQ(r.outcome, Outcome::Edge);
    EXPECT_EQ(LinOptMemoLines(p, r).mid(7), QStringList({"", "Maximum", "  [ (0|4) , (4|0) ]", "  ƒ(x,y) = 4"}));
  }
  {
    const LinOptProblem p = problem(2, 3, false, {{1, 1, 4}, {1, 3, 6}});
    const LinOptResult r = SolveLinOpt(p);
    EXPECT_EQ(r.outcome, Outcome::Point);
    EXPECT_EQ(r.optimum.x, 3);
    EXPECT_EQ(r.optimum.y, 1);
    EXPECT_EQ(r.value, 9);
  }
  {
    // The start value is a vertex: maximising −x − y gives the origin, a point.
    const LinOptResult r = SolveLinOpt(problem(-1, -1, true, {{1, 1, 4}}));
    EXPECT_EQ(r.outcome, Outcome::Point);
    EXPECT_EQ(r.value, 0);
  }
  {
    // Three lines through the optimum (4|0): one vertex, no edge with itself.
    const LinOptResult r = SolveLinOpt(problem(3, 2, true, {{1, 1, 4}, {1, 3, 4}, {2, 1, 8}}));
    EXPECT_EQ(r.outcome, Outcome::Point);
    EXPECT_EQ(r.optimum.x, 4);
  }
  {
    // A true vertex that misses its lines by rounding still counts:
    // (1/3 | 1/3) of 0,3·x + 0,6·y ≤ 0,3 and 0,6·x + 0,3·y ≤ 0,3.
    const LinOptResult r = SolveLinOpt(problem(1, 1, true, {{0.3L, 0.6L, 0.3L}, {0.6L, 0.3L, 0.3L}}));
    EXPECT_EQ(r.outcome, Outcome::Point);
    EXPECT_NEAR(r.value, 2.0L / 3, 1e-15L);
  }
  {
    const LinOptProblem p = problem(1, 1, true, {{1, -1, 2}});
    const LinOptResult r = SolveLinOpt(p);
    EXPECT_EQ(r.outcome, Outcome::Unbounded);
    EXPECT_EQ(LinOptMemoLines(p, r).mid(6), QStringList({"  x - y ≤ 2", "", "Maximum", "  Keine Lösung"}));
  }
  EXPECT_EQ(SolveLinOpt(problem(1, 1, true, {{1, 1, -1}})).outcome, Outcome::Infeasible);
}

TEST_F(LinOpt, ConstraintTexts) {
  const std::pair<LinOptLine, std::u16string> cases[] = {
      {{2, 1, 8}, u"2·x + y ≥ 8"},
      {{-1, -2, -10}, u"x + 2·y ≤ 10"},
      {{0, 1, 3}, u"y ≥ 3"},
      {{0, -2, -3}, u"2·y ≤ 3"},
      {{1, -1, 0}, u"x - y ≥ 0"},
      {{-1, 0, 2}, u"-x ≥ 2"},
      {{3, -2, 1}, u"3·x – 2·y ≥ 1"},
      {{1.5L, 2, 1}, u"1,5·x + 2·y ≥ 1"},
      {{1, 0.5L, 1}, u"x + 0,5000000·y ≥ 1"},  // FormatTerm pads its decimals
  };
  for (const auto& [line, text] : cases)
    EXPECT_EQ(FormatConstraintText(line), text) << QString::fromStdU16String(text).toStdString();
}

TEST_F(LinOpt, FarPointsCloseTheMinimiseRegion) {
  const LinOptResult r = SolveLinOpt(problem(1, 1, false, {{2, 1, 8}, {1, 3, 9}}));
  EXPECT_EQ(r.vertexCount, 3);
  EXPECT_EQ(r.xsmax, 9);
  EXPECT_EQ(r.ysmax, 8);
  const std::vector<std::pair<double, double>> polygon = {{0, 8}, {3, 2}, {9, 0}, {90, 0}, {90, 80}, {0, 80}};
  ASSERT_EQ(r.polygon.size(), polygon.size());
  // The same ring, whatever point it starts at.
  const auto start = std::find_if(r.polygon.begin(), r.polygon.end(), [](const TVec2& p) { return p.x == 0 && p.y == 8; });
  ASSERT_NE(start, r.polygon.end());
  const std::size_t s = static_cast<std::size_t>(start - r.polygon.begin());
  const bool forward = r.polygon[(s + 1) % 6].x == 3;
  for (std::size_t i = 0; i < 6; ++i) {
    const TVec2& p = r.polygon[(s + (forward ? i : 6 - i)) % 6];
    EXPECT_EQ(p.x, polygon[i].first) << i;
    EXPECT_EQ(p.y, polygon[i].second) << i;
  }
}

// ----- the exact oracle -------------------------------------------------

struct ExactLine {
  cpp_rational a, b, c;
};

cpp_rational rational(int tenths) { return cpp_rational(tenths, 10); }

struct Exact {
  Outcome outcome;
  cpp_rational value;
  std::vector<std::pair<cpp_rational, cpp_rational>> optimal;  // the optimal vertices
};

Exact bruteForce(const cpp_rational& zx, const cpp_rational& zy, bool maximise, const std::vector<ExactLine>& cons) {
  std::vector<ExactLine> lines{{1, 0, 0}, {0, 1, 0}};
  lines.insert(lines.end(), cons.begin(), cons.end());
  std::vector<std::pair<cpp_rational, cpp_rational>> vertices;
  for (std::size_t g = 0; g < lines.size(); ++g)
    for (std::size_t l = g + 1; l < lines.size(); ++l) {
      const cpp_rational det = lines[g].a * lines[l].b - lines[g].b * lines[l].a;
      if (det == 0) continue;
      const cpp_rational x = (lines[g].c * lines[l].b - lines[g].b * lines[l].c) / det;
      const cpp_rational y = (lines[g].a * lines[l].c - lines[g].c * lines[l].a) / det;
      bool ok = x >= 0 && y >= 0;
      for (const ExactLine& e : lines) ok = ok && e.a * x + e.b * y >= e.c;
      if (ok && std::find(vertices.begin(), vertices.end(), std::make_pair(x, y)) == vertices.end())
        vertices.emplace_back(x, y);
    }
  Exact e{Outcome::Infeasible, 0, {}};
  if (vertices.empty()) return e;
  const int sense = maximise ? 1 : -1;
  // Unbounded: an improving direction of the recession cone (its edges lie
  // on the axes or the constraint lines).
  std::vector<std::pair<cpp_rational, cpp_rational>> dirs{{1, 0}, {0, 1}};
  for (const ExactLine& l : cons) {
    dirs.emplace_back(l.b, -l.a);
    dirs.emplace_back(-l.b, l.a);
  }
  for (const auto& [dx, dy] : dirs) {
    bool in = dx >= 0 && dy >= 0 && (dx != 0 || dy != 0);
    for (const ExactLine& l : lines) in = in && l.a * dx + l.b * dy >= 0;
    if (in && sense * (zx * dx + zy * dy) > 0) {
      e.outcome = Outcome::Unbounded;
      return e;
    }
  }
  e.value = zx * vertices[0].first + zy * vertices[0].second;
  for (const auto& v : vertices) {
    const cpp_rational w = zx * v.first + zy * v.second;
    if (sense * w > sense * e.value) e.value = w;
  }
  for (const auto& v : vertices)
    if (zx * v.first + zy * v.second == e.value) e.optimal.push_back(v);
  e.outcome = e.optimal.size() > 1 ? Outcome::Edge : Outcome::Point;
  return e;
}

bool isOptimal(const Exact& e, const TVec2& p) {
  for (const auto& [x, y] : e.optimal)
    if (std::fabs(p.x - x.convert_to<long double>()) < 1e-9L && std::fabs(p.y - y.convert_to<long double>()) < 1e-9L)
      return true;
  return false;
}

TEST_F(LinOpt, AgreesWithExactVertexEnumeration) {
  std::mt19937 gen(7);
  std::uniform_int_distribution<int> coef(-4, 6), rhs(-3, 12), count(1, 6);
  int seen[4] = {};
  for (int trial = 0; trial < 3000; ++trial) {
    const bool maximise = trial % 2 == 0;
    const bool decimal = trial % 3 == 0;  // one decimal: tenths, which binary cannot hold
    const int scale = decimal ? 1 : 10;
    const auto pick = [&](std::uniform_int_distribution<int>& d) { return d(gen) * scale; };
    int zx = pick(coef), zy = pick(coef);
    if (zx == 0 && zy == 0) zx = 10;
    LinOptProblem p{zx / 10.0L, zy / 10.0L, maximise, {}};
    std::vector<ExactLine> exact;
    const int rows = count(gen);
    for (int i = 0; i < rows; ++i) {
      int a = pick(coef), b = pick(coef), c = pick(rhs);
      if (a == 0 && b == 0) b = 10;
      // Every third problem gets a row through an existing vertex.
      if (i == 2 && trial % 5 == 0) c = a * 0 + b * 0;
      const LinOptLine stored = StoredConstraint(a / 10.0L, b / 10.0L, c / 10.0L, maximise);
      p.constraints.push_back(stored);
      const int s = maximise ? -1 : 1;
      exact.push_back({rational(s * a), rational(s * b), rational(s * c)});
    }
    const Exact e = bruteForce(rational(zx), rational(zy), maximise, exact);
    const LinOptResult r = SolveLinOpt(p);
    const std::string what = "trial " + std::to_string(trial);
    ++seen[static_cast<int>(e.outcome)];
    ASSERT_EQ(r.outcome, e.outcome) << what;
    if (e.outcome == Outcome::Point || e.outcome == Outcome::Edge) {
      EXPECT_NEAR(r.value, e.value.convert_to<long double>(), 1e-12L) << what;
      EXPECT_TRUE(isOptimal(e, r.optimum)) << what;
      if (e.outcome == Outcome::Edge) {
        EXPECT_TRUE(isOptimal(e, r.second)) << what;
      }
    }
  }
  // The random problems reach every outcome.
  for (int k = 0; k < 4; ++k) EXPECT_GT(seen[k], 50) << k;
}

// The hull of a point set by Andrew's monotone chain, corners only.
std::vector<TVec2> monotoneChain(std::vector<TVec2> pts) {
  std::sort(pts.begin(), pts.end(), [](const TVec2& a, const TVec2& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  const auto cross = [](const TVec2& o, const TVec2& a, const TVec2& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
  };
  std::vector<TVec2> h(2 * pts.size());
  std::size_t k = 0;
  for (const TVec2& p : pts) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], p) <= 0) --k;
    h[k++] = p;
  }
  for (std::size_t i = pts.size() - 1, t = k + 1; i-- > 0;) {
    while (k >= t && cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
    h[k++] = pts[i];
  }
  h.resize(k - 1);
  return h;
}

TEST_F(LinOpt, PolygonIsTheHullOfTheRegionsPoints) {
  std::mt19937 gen(11);
  std::uniform_int_distribution<int> coef(0, 6), rhs(1, 12), count(1, 6);
  for (int trial = 0; trial < 500; ++trial) {
    const bool maximise = trial % 2 == 0;
    LinOptProblem p{1, 2, maximise, {}};
    for (int i = count(gen); i > 0; --i) {
      int a = coef(gen), b = coef(gen);
      if (a == 0 && b == 0) a = 1;
      p.constraints.push_back(StoredConstraint(a, b, rhs(gen), maximise));
    }
    const LinOptResult r = SolveLinOpt(p);
    if (r.outcome == Outcome::Infeasible || r.points.size() < 3) continue;
    const std::vector<TVec2> hull = monotoneChain(r.points);
    ASSERT_EQ(r.polygon.size(), hull.size()) << "trial " << trial;
    // Same corners in the same cyclic order (either direction).
    std::size_t s = 0;
    while (s < hull.size() && !(std::fabs(hull[s].x - r.polygon[0].x) < 1e-9 && std::fabs(hull[s].y - r.polygon[0].y) < 1e-9)) ++s;
    ASSERT_LT(s, hull.size()) << "trial " << trial;
    const std::size_t n = hull.size();
    const bool forward = std::fabs(hull[(s + 1) % n].x - r.polygon[1].x) < 1e-9 && std::fabs(hull[(s + 1) % n].y - r.polygon[1].y) < 1e-9;
    for (std::size_t i = 0; i < n; ++i) {
      const TVec2& h = hull[(s + (forward ? i : n - i)) % n];
      EXPECT_NEAR(r.polygon[i].x, h.x, 1e-9) << "trial " << trial;
      EXPECT_NEAR(r.polygon[i].y, h.y, 1e-9) << "trial " << trial;
    }
  }
}

}  // namespace
}  // namespace zw
