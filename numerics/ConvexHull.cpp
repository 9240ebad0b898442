#include "numerics/ConvexHull.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "common/MathHelpers.h"
#include "numerics/BitFld.h"
#include "numerics/Matrix.h"

namespace zw {

namespace {

// The points still in the race, as a ring in angle order (1-based numbers).
class Ring {
public:
  explicit Ring(std::int32_t n) : prev_(n + 1), next_(n + 1), count_(n) {
    for (std::int32_t i = 1; i <= n; ++i) {
      prev_[i] = i == 1 ? n : i - 1;
      next_[i] = i == n ? 1 : i + 1;
    }
    head_ = 1;
    flags_.SetSize(n);
    flags_.Clear();
  }
  std::int32_t Count() const { return count_; }
  std::int32_t Head() const { return head_; }
  std::int32_t Next(std::int32_t i) const { return next_[i]; }
  std::int32_t Prev(std::int32_t i) const { return prev_[i]; }
  bool Discarded(std::int32_t i) const { return flags_.Bit(i); }
  void Discard(std::int32_t i) {
    flags_.SetBit(i, true);
    next_[prev_[i]] = next_[i];
    prev_[next_[i]] = prev_[i];
    if (head_ == i) head_ = next_[i];
    --count_;
  }

private:
  std::vector<std::int32_t> prev_, next_;
  std::int32_t count_, head_;
  TBitFld flags_;  // bit i set: point i is no corner
};

}  // namespace

void ConvexHull(const TPDblArray& Points, TPDblArray& Hull) {
  const auto n = static_cast<std::int32_t>(Points.size());
  if (n <= 3) {
    Hull = Points;
    return;
  }
  double cx = 0, cy = 0;
  for (const auto& p : Points) {
    cx += p.X;
    cy += p.Y;
  }
  cx /= n;
  cy /= n;

  // Centred point, angle from just past straight down, and the point's own
  // number (so the corners come back exactly as given).
  TMatrix work;
  work.Resize(4, n);
  for (std::int32_t i = 1; i <= n; ++i) {
    const auto& p = Points[static_cast<std::size_t>(i - 1)];
    const double x = p.X - cx, y = p.Y - cy;
    double a = PolarAngle(x, y) + std::numbers::pi / 2;
    if (a > 2 * std::numbers::pi) a -= 2 * std::numbers::pi;
    work.SetElem(1, i, x);
    work.SetElem(2, i, y);
    work.SetElem(3, i, a);
    work.SetElem(4, i, i - 1);
  }
  work.SortRows(3, true, 1, 1, 4, n);
  std::vector<double> x(static_cast<std::size_t>(n) + 1), y(x.size()), a(x.size());
  for (std::int32_t i = 1; i <= n; ++i) {
    x[i] = work.Elem(1, i);
    y[i] = work.Elem(2, i);
    a[i] = work.Elem(3, i);
  }
  auto dist2 = [&](std::int32_t i) { return x[i] * x[i] + y[i] * y[i]; };

  Ring ring(n);
  // Of points in one direction only the farthest can be a corner.
  for (std::int32_t c = 1; c <= n && ring.Count() > 1; ++c) {
    if (ring.Discarded(c)) continue;
    std::int32_t keep = c;
    for (std::int32_t k = ring.Next(c); k != keep && std::fabs(a[c] - a[k]) < 1e-4;) {
      const std::int32_t following = ring.Next(k);
      if (dist2(keep) < dist2(k)) {
        ring.Discard(keep);
        keep = k;
      } else {
        ring.Discard(k);
      }
      k = following;
    }
  }

  // m lies inside the chord p-q when the parallel through m is no farther
  // from the centroid than the chord. The test only means that for p, q less
  // than half a turn apart; across a wider gap m is kept.
  auto inside = [&](std::int32_t p, std::int32_t m, std::int32_t q) {
    if (x[p] * y[q] - y[p] * x[q] <= 0) return false;
    if (x[p] != x[q]) {
      const double k = (y[p] - y[q]) / (x[p] - x[q]);
      return std::fabs(y[m] - k * x[m]) <= std::fabs(y[p] - k * x[p]);
    }
    return !((x[p] - x[m]) * (y[p] - y[q]) > 0);
  };

  if (ring.Count() >= 3) {
    std::int32_t p = ring.Head(), m = ring.Next(p), q = ring.Next(m);
    for (std::int64_t step = 0; step < 2 * std::int64_t{n} && ring.Count() >= 3; ++step) {
      if (inside(p, m, q)) {
        ring.Discard(m);
        m = p;
        p = ring.Prev(p);
      } else {
        p = m;
        m = q;
        q = ring.Next(q);
      }
    }
  }
  // Whatever the scan left that does not turn left goes in further passes,
  // judged on the points as given (centring rounds). A point in line with
  // its neighbours goes when it lies between them.
  auto pointOf = [&](std::int32_t i) -> const TPointDouble& {
    return Points[static_cast<std::size_t>(work.Elem(4, i))];
  };
  auto turn = [&](std::int32_t p, std::int32_t m, std::int32_t q) {
    const auto &P = pointOf(p), &M = pointOf(m), &Q = pointOf(q);
    return (M.X - P.X) * (Q.Y - M.Y) - (M.Y - P.Y) * (Q.X - M.X);
  };
  auto between = [&](std::int32_t p, std::int32_t m, std::int32_t q) {
    const auto &P = pointOf(p), &M = pointOf(m), &Q = pointOf(q);
    return (M.X - P.X) * (Q.X - M.X) + (M.Y - P.Y) * (Q.Y - M.Y) >= 0;
  };
  for (bool discarded = true; discarded && ring.Count() >= 3;) {
    discarded = false;
    std::int32_t m = ring.Head();
    for (std::int32_t visits = ring.Count(); visits > 0 && ring.Count() >= 3; --visits) {
      const std::int32_t p = ring.Prev(m), q = ring.Next(m);
      const double t = turn(p, m, q);
      if (t < 0 || (t == 0 && between(p, m, q))) {
        ring.Discard(m);
        discarded = true;
      }
      m = q;
    }
  }
  // Points all in one line keep only the two ends.
  if (ring.Count() >= 3) {
    bool straight = true;
    const std::int32_t a = ring.Head(), b = ring.Next(a);
    for (std::int32_t m = ring.Next(b); m != a && straight; m = ring.Next(m)) straight = turn(a, b, m) == 0;
    if (straight) {
      const double dx = pointOf(b).X - pointOf(a).X, dy = pointOf(b).Y - pointOf(a).Y;
      auto along = [&](std::int32_t i) { return pointOf(i).X * dx + pointOf(i).Y * dy; };
      std::int32_t lo = a, hi = a;
      for (std::int32_t m = ring.Next(a); m != a; m = ring.Next(m)) {
        if (along(m) < along(lo)) lo = m;
        if (along(m) > along(hi)) hi = m;
      }
      for (std::int32_t m = ring.Next(a), k = ring.Count(); k > 0; --k) {
        const std::int32_t following = ring.Next(m);
        if (m != lo && m != hi) ring.Discard(m);
        m = following;
      }
    }
  }

  TPDblArray corners;
  corners.reserve(static_cast<std::size_t>(ring.Count()));
  for (std::int32_t i = 1; i <= n; ++i)
    if (!ring.Discarded(i)) corners.push_back(pointOf(i));
  Hull = std::move(corners);
}

}  // namespace zw
