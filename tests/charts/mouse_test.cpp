// Mouse on the chart: panning, drag zoom, read-outs, double click, history, wheel.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "charts/VIrada.h"

namespace zw {
namespace {

void send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, mods);
  QApplication::sendEvent(w, &e);
}

void drag(TVIrada& c, QPoint from, QPoint to) {
  send(&c, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  send(&c, QEvent::MouseMove, from, Qt::NoButton, Qt::LeftButton);
  send(&c, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  send(&c, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

struct MouseChart {
  TVIrada c;
  MouseChart(int w = 270, int h = 200) {
    c.resize(w, h);  // plot 200 pixels wide with the standard margins
    c.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&c));
    c.SetRange(1, 0, 0, 20, 10);
    c.ClearZoomHistory();
  }
};

TEST(ChartMouse, PanByDrag) {
  MouseChart m;
  m.c.setMouseAction(TMouseActMode::maPan);
  int zoomPans = 0;
  m.c.OnZoomPan = [&](TVIrada*) { ++zoomPans; };
  drag(m.c, {100, 80}, {110, 80});
  EXPECT_DOUBLE_EQ(m.c.Scale1X().RangeLow(), -1);
  EXPECT_DOUBLE_EQ(m.c.Scale1X().RangeHigh(), 19);
  EXPECT_DOUBLE_EQ(m.c.Scale1Y().RangeLow(), 0);
  EXPECT_EQ(zoomPans, 1);
  // The release pushed the new ranges: one step back is the panned range,
  // two steps back the range before.
  m.c.ZoomHistory(-1);
  EXPECT_DOUBLE_EQ(m.c.Scale1X().RangeLow(), 0);
}

TEST(ChartMouse, ZoomByDragAndAChangeOfActionInTheDrag) {
  MouseChart m(400, 300);
  m.c.setMouseAction(TMouseActMode::maZoomDrag);
  drag(m.c, {100, 100}, {200, 100});
  EXPECT_DOUBLE_EQ(m.c.Scale1X().RangeLow(), 2.5);
  EXPECT_DOUBLE_EQ(m.c.Scale1X().RangeHigh(), 17.5);
  // The page switches the action while the button is held: the drag goes on
  // from where it stands instead of jumping back to its start.
  m.c.SetRange(1, 0, 0, 20, 10);
  m.c.setMouseAction(TMouseActMode::maPan);
  send(&m.c, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseMove, {100, 100}, Qt::NoButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseMove, {110, 100}, Qt::NoButton, Qt::LeftButton);
  const double afterPanLo = m.c.Scale1X().RangeLow();
  m.c.setMouseAction(TMouseActMode::maZoomDrag);
  send(&m.c, QEvent::MouseMove, {110, 100}, Qt::NoButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseMove, {111, 100}, Qt::NoButton, Qt::LeftButton);
  EXPECT_NEAR(m.c.Scale1X().RangeLow(), afterPanLo, 0.1);
  send(&m.c, QEvent::MouseButtonRelease, {111, 100}, Qt::LeftButton, Qt::NoButton);
}

TEST(ChartMouse, ReadOutsInsideAndOutside) {
  MouseChart m;
  std::vector<std::tuple<bool, double, double>> seen;
  m.c.OnMouseMoveInChart = [&](TVIrada*, bool in, Qt::KeyboardModifiers, Qt::MouseButtons, double x, double y) {
    seen.emplace_back(in, x, y);
  };
  send(&m.c, QEvent::MouseMove, {150, 90}, Qt::NoButton, Qt::NoButton);
  send(&m.c, QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_TRUE(std::get<0>(seen[0]));
  EXPECT_DOUBLE_EQ(std::get<1>(seen[0]), 10);  // pixel 150 of 50..250 for 0..20
  EXPECT_DOUBLE_EQ(m.c.MousePosX(), 10);
  EXPECT_FALSE(std::get<0>(seen[1]));
  EXPECT_DOUBLE_EQ(m.c.MousePosX(), 10);  // kept from the last move inside
}

TEST(ChartMouse, DoubleClickSwallowsTheNextRelease) {
  MouseChart m;
  m.c.setMouseAction(TMouseActMode::maPan);
  int dbl = 0;
  m.c.OnDblClick = [&](TVIrada*) { ++dbl; };
  const int before = m.c.Layers().ZoomStackPointer();
  send(&m.c, QEvent::MouseButtonDblClick, {100, 80}, Qt::LeftButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseButtonRelease, {100, 80}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(dbl, 1);
  EXPECT_EQ(m.c.Layers().ZoomStackPointer(), before);  // that release pushed nothing
  send(&m.c, QEvent::MouseButtonPress, {100, 80}, Qt::LeftButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseButtonRelease, {100, 80}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(m.c.Layers().ZoomStackPointer(), before + 1);  // a pan release pushes even without a move
}

TEST(ChartMouse, CursorAndWheel) {
  MouseChart m;
  m.c.setMouseAction(TMouseActMode::maPan);
  send(&m.c, QEvent::MouseMove, {150, 90}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(m.c.cursor().shape(), Qt::ArrowCursor);  // fixed by default
  m.c.MouseCursorFixed = false;
  send(&m.c, QEvent::MouseMove, {150, 90}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(m.c.cursor().shape(), Qt::OpenHandCursor);
  QWheelEvent w(QPointF(150, 90), m.c.mapToGlobal(QPointF(150, 90)), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  w.accept();
  QApplication::sendEvent(&m.c, &w);
  EXPECT_FALSE(w.isAccepted());  // the window gets the wheel
  EXPECT_EQ(m.c.focusPolicy(), Qt::NoFocus);
}

}  // namespace
}  // namespace zw
