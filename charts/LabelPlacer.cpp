#include "charts/LabelPlacer.h"

#include <algorithm>

namespace zw {

bool LabelPlacer::take(const QRect& r) {
  if (std::any_of(placed_.begin(), placed_.end(), [&](const QRect& p) { return p.intersects(r); })) return false;
  placed_.push_back(r);
  return true;
}

bool LabelPlacer::place(QRect& r, std::initializer_list<QPoint> steps, int tries) {
  if (take(r)) return true;
  for (int k = 1; k <= tries; ++k)
    for (const QPoint& step : steps) {
      const QRect at = r.translated(step * k);
      if (take(at)) {
        r = at;
        return true;
      }
    }
  return false;
}

}  // namespace zw
