#include <gtest/gtest.h>

#include <algorithm>
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <boost/geometry/geometries/multi_point.hpp>
#include <cmath>
#include <numbers>
#include <random>

#include "common/MathHelpers.h"
#include "numerics/ConvexHull.h"

namespace zw {
namespace {

namespace bg = boost::geometry;
using BPoint = bg::model::d2::point_xy<double>;

std::vector<std::pair<double, double>> Sorted(const TPDblArray& pts) {
  std::vector<std::pair<double, double>> out;
  for (const auto& p : pts) out.emplace_back(p.X, p.Y);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

TPDblArray BoostHull(const TPDblArray& pts) {
  bg::model::multi_point<BPoint> mp;
  for (const auto& p : pts) mp.emplace_back(p.X, p.Y);
  bg::model::polygon<BPoint> hull;
  bg::convex_hull(mp, hull);
  TPDblArray out;
  for (const auto& p : hull.outer()) out.push_back({p.x(), p.y()});
  return out;
}

// Corners of Boost's hull without the points that lie on a straight edge.
TPDblArray StrictCorners(const TPDblArray& ring) {
  TPDblArray pts(ring.begin(), ring.end());
  if (pts.size() > 1 && pts.front().X == pts.back().X && pts.front().Y == pts.back().Y) pts.pop_back();
  TPDblArray out;
  const std::size_t n = pts.size();
  for (std::size_t i = 0; i < n && n >= 3; ++i) {
    const auto& p = pts[(i + n - 1) % n];
    const auto& m = pts[i];
    const auto& q = pts[(i + 1) % n];
    if ((m.X - p.X) * (q.Y - m.Y) - (m.Y - p.Y) * (q.X - m.X) != 0) out.push_back(m);
  }
  if (out.size() >= 3) return out;
  // All in one line: the two ends.
  auto sorted = Sorted(pts);
  if (sorted.size() <= 1) return pts.empty() ? pts : TPDblArray{pts.front()};
  return {{sorted.front().first, sorted.front().second}, {sorted.back().first, sorted.back().second}};
}

// Counter-clockwise, convex, and in angle order from just past straight down.
void ExpectOrderedConvex(const TPDblArray& points, const TPDblArray& hull) {
  const std::size_t n = hull.size();
  if (n < 3) return;
  double cx = 0, cy = 0;
  for (const auto& p : points) cx += p.X, cy += p.Y;
  cx /= static_cast<double>(points.size());
  cy /= static_cast<double>(points.size());
  double last = -1;
  for (std::size_t i = 0; i < n; ++i) {
    const auto& p = hull[(i + n - 1) % n];
    const auto& m = hull[i];
    const auto& q = hull[(i + 1) % n];
    EXPECT_GT((m.X - p.X) * (q.Y - m.Y) - (m.Y - p.Y) * (q.X - m.X), 0) << "corner " << i;
    double a = PolarAngle(m.X - cx, m.Y - cy) + std::numbers::pi / 2;
    if (a > 2 * std::numbers::pi) a -= 2 * std::numbers::pi;
    EXPECT_GT(a, last - 1e-9) << "corner " << i;
    last = a;
  }
}

TEST(ConvexHull, SquareWithItsCentre) {
  const TPDblArray pts = {{0, 0}, {2, 0}, {1, 1}, {2, 2}, {0, 2}};
  TPDblArray hull;
  ConvexHull(pts, hull);
  // Counter-clockwise from just past straight down: (2, 0) is at -45°.
  const TPDblArray expected = {{2, 0}, {2, 2}, {0, 2}, {0, 0}};
  ASSERT_EQ(hull.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(hull[i].X, expected[i].X);
    EXPECT_EQ(hull[i].Y, expected[i].Y);
  }
}

TEST(ConvexHull, ThreeOrFewerPointsComeBackUnchanged) {
  for (const TPDblArray& pts : {TPDblArray{}, TPDblArray{{1, 1}}, TPDblArray{{0, 0}, {1, 1}, {2, 2}},
                                TPDblArray{{5, 5}, {0, 0}, {9, -1}}}) {
    TPDblArray hull = {{7, 7}};
    ConvexHull(pts, hull);
    EXPECT_EQ(Sorted(hull), Sorted(pts));
    EXPECT_EQ(hull.size(), pts.size());
  }
}

TEST(ConvexHull, SameDirectionKeepsTheFartherPoint) {
  const TPDblArray pts = {{4, 0}, {2, 0}, {0, 4}, {-4, 0}, {0, -4}};
  TPDblArray hull;
  ConvexHull(pts, hull);
  EXPECT_EQ(Sorted(hull), Sorted(TPDblArray{{4, 0}, {0, 4}, {-4, 0}, {0, -4}}));
}

TEST(ConvexHull, DegenerateSetsEndAndAgreeWithBoost) {
  std::vector<TPDblArray> sets = {
      {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}},                 // collinear
      {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}},  // collinear, more
      {{1, 1}, {1, 1}, {1, 1}, {1, 1}},                          // one point four times
      {{0, 0}, {0, 0}, {3, 0}, {3, 0}, {0, 3}, {0, 3}, {1, 1}},  // duplicates
      {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {0, 2}, {0, 3}},  // collinear edges
      {{0, 0}, {2, 0}, {4, 0}, {4, 2}, {4, 4}, {2, 4}, {0, 4}, {0, 2}, {2, 2}},  // grid
  };
  for (const auto& set : sets) {
    TPDblArray hull;
    ConvexHull(set, hull);
    EXPECT_EQ(Sorted(hull), Sorted(StrictCorners(BoostHull(set)))) << set.size();
    ExpectOrderedConvex(set, hull);
  }
}

TEST(ConvexHull, RandomSetsAgreeWithBoost) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> u(-100, 100);
  std::normal_distribution<double> g(0, 10);
  for (int round = 0; round < 1000; ++round) {
    const int n = 4 + round % 60;
    TPDblArray pts;
    for (int i = 0; i < n; ++i) {
      if (round % 3 == 2)
        pts.push_back({std::round(u(rng) / 20), std::round(u(rng) / 20)});  // many duplicates, collinear runs
      else if (round % 3 == 1)
        pts.push_back({g(rng), g(rng) * 0.2});  // a flat cloud (angle ties of 1e-4 rad would drop corners)
      else
        pts.push_back({u(rng), u(rng)});
    }
    TPDblArray hull;
    ConvexHull(pts, hull);
    ASSERT_EQ(Sorted(hull), Sorted(StrictCorners(BoostHull(pts)))) << "round " << round << [&] {
      std::string s;
      for (auto& p : pts) s += " (" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")";
      return s;
    }();
    ExpectOrderedConvex(pts, hull);
  }
}

}  // namespace
}  // namespace zw
