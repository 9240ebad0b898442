// The canvas rules of charts/ChartDraw.h that the item tests do not reach:
// arcs of ellipses between two rays.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "charts/ChartDraw.h"

namespace zw {
namespace {

// A 100 x 20 ellipse about (60, 50) in a white image.
struct ArcCanvas {
  QImage img{130, 100, QImage::Format_RGB32};
  explicit ArcCanvas(QPoint from, QPoint to) {
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(ChartPen(Qt::red, 1));
    draw::Arc(p, 10, 40, 111, 61, from.x(), from.y(), to.x(), to.y());
  }
  // Whether the arc passes within a pixel of (x, y).
  bool near(int x, int y) const {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (img.pixelColor(x + dx, y + dy) == QColor(Qt::red)) return true;
    return false;
  }
};

TEST(ChartDraw, ArcRunsCounterClockwiseBetweenTheRays) {
  // From the right end to the left end: the upper half.
  const ArcCanvas upper({110, 50}, {10, 50});
  EXPECT_TRUE(upper.near(60, 40));
  EXPECT_FALSE(upper.near(60, 60));
  // The other way round: the lower half.
  const ArcCanvas lower({10, 50}, {110, 50});
  EXPECT_TRUE(lower.near(60, 60));
  EXPECT_FALSE(lower.near(60, 40));
  // Both rays alike: the whole ellipse.
  const ArcCanvas whole({110, 50}, {110, 50});
  EXPECT_TRUE(whole.near(60, 40));
  EXPECT_TRUE(whole.near(60, 60));
}

TEST(ChartDraw, ArcStartsWhereTheRayMeetsTheEllipse) {
  // The ray through the box's top-right corner meets the flat ellipse far to
  // the right of the top (at 45° of the circle it is stretched from, about
  // (95, 43)), not where a 45° ray would (about (69, 41)).
  const ArcCanvas a({110, 40}, {10, 40});
  EXPECT_TRUE(a.near(85, 42));   // 60° of the stretched circle: on the arc
  EXPECT_FALSE(a.near(103, 45));  // 30°: before its start
  EXPECT_FALSE(a.near(17, 45));   // 150°: after its end
}

}  // namespace
}  // namespace zw
