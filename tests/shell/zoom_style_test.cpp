// The program's style: marks of radio buttons and check boxes grow with the
// zoom, and menu items read from the right in a right-to-left language.
#include "shell/ZoomStyle.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QStyleFactory>
#include <memory>

#include "shell/Metrics.h"
#include "shell/State.h"

namespace zw {
namespace {

TEST(ZoomStyle, MarksScaleWithTheZoom) {
  resetShellState();
  ZoomStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
  std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
  for (int zoom : {100, 120, 150, 160}) {
    applyZoom(zoom);
    for (auto metric : {QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_IndicatorHeight})
      EXPECT_EQ(style.pixelMetric(metric), ScalePixelsAt(plain->pixelMetric(metric), zoom)) << zoom;
    EXPECT_EQ(style.pixelMetric(QStyle::PM_ScrollBarExtent), plain->pixelMetric(QStyle::PM_ScrollBarExtent));
  }
  shellState().Zoom = 0;  // "auto" before the first layout: the plain size
  EXPECT_EQ(style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth),
            plain->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth));
  applyZoom(100);
}

// The columns of a menu image that hold dark (text) pixels: first and last.
std::pair<int, int> inkColumns(const QImage& image) {
  int first = image.width(), last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 100) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

TEST(ZoomStyle, MenuItemsReadFromTheRightInARightToLeftLanguage) {
  ZoomStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
  QMenu menu;
  menu.setStyle(&style);
  menu.addAction(QStringLiteral("Short"));
  menu.addAction(QStringLiteral("A much longer caption of an item"));
  for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
    menu.setLayoutDirection(direction);
    menu.ensurePolished();
    menu.resize(menu.sizeHint());
    const QImage image = menu.grab().toImage();
    // The short caption's row: its text at the reading start of the row.
    const QImage row = image.copy(0, 0, image.width(), menu.actionGeometry(menu.actions()[0]).bottom());
    const auto [first, last] = inkColumns(row);
    ASSERT_LE(first, last);
    if (direction == Qt::LeftToRight)
      EXPECT_LT(last, image.width() / 2);
    else
      EXPECT_GT(first, image.width() / 2);
  }
}

}  // namespace
}  // namespace zw
