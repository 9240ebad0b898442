// The demonstration window at three zooms: every page laid out by the kit at
// the positions its routines compute, with no two controls overlapping.
#include <QApplication>
#include <gtest/gtest.h>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/InputRows.h"
#include "tests/shell/kit_demo_window.h"
#include "tests/shell/kit_test_support.h"

namespace zw {
namespace {

using test::KitDemoWindow;

QRect rectIn(QWidget* w, QWidget* page) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); }

// Column heads reach S(2) under the fields below them by design (the fields
// start S(18) below a head S(20) high); any other overlap is a fault.
bool allowedOverlap(const QString& a, const QString& b, const QRect& overlap) {
  auto isHead = [](const QString& n) { return n.startsWith(QStringLiteral("head")); };
  auto isHeadField = [](const QString& n) {
    return n == QStringLiteral("from") || n == QStringLiteral("to") || n == QStringLiteral("step") ||
           n == QStringLiteral("digits") || n == QStringLiteral("updown");
  };
  const bool pair = (isHead(a) && isHeadField(b)) || (isHead(b) && isHeadField(a));
  return pair && overlap.height() <= ScalePixels(20) - ScalePixels(18);
}

class KitDemoWindowTest : public test::KitZoomTest {};

TEST_P(KitDemoWindowTest, PagesLaidOutWithoutOverlap) {
  const int zoom = GetParam();
  KitDemoWindow w;
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.size().height(), DefaultFormSizeAt(IBigInt, zoom).height());
  EXPECT_GE(w.size().width(), DefaultFormSizeAt(IBigInt, zoom).width());

  for (KitDemoWindow::DemoPage* page : {&w.input, &w.results, &w.chart}) {
    const auto& controls = page->controls;
    // The two boxes share the page without overlapping.
    EXPECT_FALSE(rectIn(page->box, page->page).intersects(rectIn(page->legend, page->page)));
    for (size_t i = 0; i < controls.size(); ++i) {
      const QRect ri = rectIn(controls[i].widget, page->page);
      EXPECT_FALSE(ri.isEmpty()) << controls[i].name.toStdString() << " at zoom " << zoom;
      const QRect container = rectIn(controls[i].container, page->page);
      EXPECT_TRUE(container.contains(ri))
          << controls[i].name.toStdString() << " leaves its box at zoom " << zoom;
      for (size_t j = i + 1; j < controls.size(); ++j) {
        const QRect rj = rectIn(controls[j].widget, page->page);
        const QRect overlap = ri.intersected(rj);
        if (overlap.isEmpty()) continue;
        EXPECT_TRUE(allowedOverlap(controls[i].name, controls[j].name, overlap))
            << controls[i].name.toStdString() << " overlaps " << controls[j].name.toStdString() << " at zoom "
            << zoom;
      }
    }
  }
}

TEST_P(KitDemoWindowTest, PositionsAreTheComputedOnes) {
  const int zoom = GetParam();
  KitDemoWindow w;
  w.show();
  QApplication::processEvents();
  const CurrentRowContext ctx;
  const LayoutMetrics& m = metrics();
  const int left = m.ColLeft[1];

  // Button bar.
  const ButtonBarRects bar = buttonBarRects(zoom);
  EXPECT_EQ(w.input.legend->width(), bar.legendWidth);
  EXPECT_EQ(w.input.legend->x(), w.input.page->width() - bar.legendWidth);
  EXPECT_EQ(w.input.ok->geometry(), bar.ok);
  EXPECT_EQ(w.results.cancel->geometry(), bar.cancel);
  EXPECT_EQ(w.chart.help->geometry(), bar.help);
  EXPECT_EQ(w.input.box->width(), w.input.page->width() - ScalePixels(88));

  // Rows.
  const int capWidth = w.capA->width();
  EXPECT_EQ(w.capA->geometry(), QRect(left, w.rowTop(1), capWidth, m.RowHeight));
  EXPECT_EQ(w.editA->geometry(), QRect(left + capWidth, w.rowTop(1), NumberEditWidth(), m.RowHeight));
  const RowLayout point = pointRowLayout(*ctx, QStringLiteral("P"), left, w.rowTop(3));
  EXPECT_EQ(w.px->geometry(), point.fields[0]);
  EXPECT_EQ(w.pz->geometry(), point.fields[2]);
  EXPECT_EQ(w.pointClose->geometry(), point.captions[1].rect);
  const RowLayout plane = planeRowLayout(*ctx, QStringLiteral("E: "), left, w.rowTop(6));
  EXPECT_EQ(w.ed->geometry(), plane.fields[3]);
  EXPECT_EQ(m.EditWidth, ScalePixels(100));
  const RowLayout param = paramLineLayout(*ctx, QStringLiteral("h"), QStringLiteral("t"), left, w.rowTop(7));
  EXPECT_EQ(w.u2->geometry(), param.fields[5]);
  EXPECT_EQ(w.arrow->x(), w.lineName->x());
  const RowLayout heads = columnHeads4Layout(*ctx, left, w.rowTop(10), m.NarrowColWidth);
  EXPECT_EQ(w.head4->geometry(), heads.captions[3].rect);
  EXPECT_EQ(w.updown->geometry(), heads.fields[4]);

  // Grid and chart page.
  EXPECT_EQ(w.matrix->size(), matrixGridGeometry(m, 3, 3, 1).size);
  const auto tools = chartToolButtonRects(w.chart.legend->size(), w.aspect->size(), w.chart.help->geometry());
  EXPECT_EQ(w.settings->geometry(), tools[2]);
  EXPECT_EQ(w.xReadout->geometry(), readoutRects(w.chart.box->size())[1]);
}

TEST_P(KitDemoWindowTest, FollowsResizeAndZoomChanges) {
  KitDemoWindow w;
  w.show();
  QApplication::processEvents();
  w.resize(w.width() + 100, w.height() + 40);
  QApplication::processEvents();
  EXPECT_EQ(w.input.legend->x() + w.input.legend->width(), w.input.page->width());
  EXPECT_EQ(w.chart.box->height(), w.chart.page->height());

  applyZoom(GetParam() == 150 ? 100 : 150);
  w.relayout();
  EXPECT_EQ(w.input.ok->geometry(), buttonBarRects(shellState().Zoom).ok);
  EXPECT_EQ(w.editA->height(), metrics().RowHeight);
}

INSTANTIATE_TEST_SUITE_P(Zooms, KitDemoWindowTest, ::testing::Values(75, 100, 150));

}  // namespace
}  // namespace zw
