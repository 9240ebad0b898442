// Mouse on the chart: panning, drag zoom, read-outs, double click, history, wheel.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
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
    c.Layers().ClearZoomHistory();
  }
};

TEST(ChartMouse, PanByDrag) {
  int zoomPans = 0;  // declared first: the chart's handler must not outlive it
  MouseChart m;
  m.c.setMouseAction(TMouseActMode::maPan);
  m.c.OnZoomPan = [&](TVIrada*) { ++zoomPans; };
  drag(m.c, {100, 80}, {110, 80});
  EXPECT_DOUBLE_EQ(m.c.Layers().X(1).RangeLow(), -1);
  EXPECT_DOUBLE_EQ(m.c.Layers().X(1).RangeHigh(), 19);
  EXPECT_DOUBLE_EQ(m.c.Layers().Y(1).RangeLow(), 0);
  EXPECT_EQ(zoomPans, 1);
  // The release pushed the new ranges: one step back is the panned range,
  // two steps back the range before.
  m.c.ZoomHistory(-1);
  EXPECT_DOUBLE_EQ(m.c.Layers().X(1).RangeLow(), 0);
}

TEST(ChartMouse, ZoomByDragAndAChangeOfActionInTheDrag) {
  MouseChart m(400, 300);
  m.c.setMouseAction(TMouseActMode::maZoomDrag);
  drag(m.c, {100, 100}, {200, 100});
  EXPECT_DOUBLE_EQ(m.c.Layers().X(1).RangeLow(), 2.5);
  EXPECT_DOUBLE_EQ(m.c.Layers().X(1).RangeHigh(), 17.5);
  // The page switches the action while the button is held: the drag goes on
  // from where it stands instead of jumping back to its start.
  m.c.SetRange(1, 0, 0, 20, 10);
  m.c.setMouseAction(TMouseActMode::maPan);
  send(&m.c, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseMove, {100, 100}, Qt::NoButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseMove, {110, 100}, Qt::NoButton, Qt::LeftButton);
  const double afterPanLo = m.c.Layers().X(1).RangeLow();
  m.c.setMouseAction(TMouseActMode::maZoomDrag);
  send(&m.c, QEvent::MouseMove, {110, 100}, Qt::NoButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseMove, {111, 100}, Qt::NoButton, Qt::LeftButton);
  EXPECT_NEAR(m.c.Layers().X(1).RangeLow(), afterPanLo, 0.1);
  send(&m.c, QEvent::MouseButtonRelease, {111, 100}, Qt::LeftButton, Qt::NoButton);
}

// Pan and drag zoom follow the pointer from the press: a press, one move and
// the release give the whole step (the chart's plot is 200 by 140 pixels for
// 0..20 by 0..10; the zoom chart is 400 pixels wide).
TEST(ChartMouse, PanAndDragZoomStartAtThePress) {
  const struct {
    TMouseActMode mode;
    int width;
    QPoint from, to;
    double xLo, xHi, yLo, yHi;
  } cases[] = {
      {TMouseActMode::maPan, 270, {100, 80}, {110, 94}, -1, 19, 1, 11},
      {TMouseActMode::maPanHoriz, 270, {100, 80}, {110, 94}, -1, 19, 0, 10},
      {TMouseActMode::maPanVert, 270, {100, 80}, {110, 94}, 0, 20, 1, 11},
      {TMouseActMode::maZoomDrag, 400, {100, 100}, {200, 100}, 2.5, 17.5, 0, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.mode));
    int zoomPans = 0;
    MouseChart m(c.width, 200);
    m.c.setMouseAction(c.mode);
    m.c.OnZoomPan = [&](TVIrada*) { ++zoomPans; };
    send(&m.c, QEvent::MouseButtonPress, c.from, Qt::LeftButton, Qt::LeftButton);
    send(&m.c, QEvent::MouseMove, c.to, Qt::NoButton, Qt::LeftButton);
    send(&m.c, QEvent::MouseButtonRelease, c.to, Qt::LeftButton, Qt::NoButton);
    m.c.OnZoomPan = nullptr;
    EXPECT_NEAR(m.c.Layers().X(1).RangeLow(), c.xLo, 1e-9);
    EXPECT_NEAR(m.c.Layers().X(1).RangeHigh(), c.xHi, 1e-9);
    EXPECT_NEAR(m.c.Layers().Y(1).RangeLow(), c.yLo, 1e-9);
    EXPECT_NEAR(m.c.Layers().Y(1).RangeHigh(), c.yHi, 1e-9);
    EXPECT_EQ(zoomPans, 1);
  }
}

TEST(ChartMouse, ReadOutsInsideAndOutside) {
  std::vector<std::tuple<bool, double, double>> seen;
  MouseChart m;
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
  int dbl = 0;
  MouseChart m;
  m.c.setMouseAction(TMouseActMode::maPan);
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

// Without a fixed cursor each action shows its own inside the plot; zooming
// and turning (3D actions) leave the cursor as it was, here the pan hand.
TEST(ChartMouse, CursorByAction) {
  MouseChart m;
  m.c.MouseCursorFixed = false;
  const struct {
    TMouseActMode mode;
    Qt::CursorShape inside;
  } cases[] = {
      {TMouseActMode::maNone, Qt::CrossCursor},         {TMouseActMode::maZoomDrag, Qt::SizeAllCursor},
      {TMouseActMode::maRubberBand, Qt::ArrowCursor},   {TMouseActMode::maDragCrossH, Qt::ArrowCursor},
      {TMouseActMode::maDragLabel, Qt::ArrowCursor},    {TMouseActMode::maZoom, Qt::OpenHandCursor},
      {TMouseActMode::maRotate, Qt::OpenHandCursor},    {TMouseActMode::maRotAndZoom, Qt::OpenHandCursor},
      {TMouseActMode::maRotXOnly, Qt::OpenHandCursor},  {TMouseActMode::maRotZOnly, Qt::OpenHandCursor},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.mode));
    m.c.setMouseAction(TMouseActMode::maPan);
    send(&m.c, QEvent::MouseMove, {150, 90}, Qt::NoButton, Qt::NoButton);
    m.c.setMouseAction(c.mode);
    send(&m.c, QEvent::MouseMove, {151, 90}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(m.c.cursor().shape(), c.inside);
    send(&m.c, QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(m.c.cursor().shape(), Qt::ArrowCursor);  // outside the plot
  }
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(ChartMouse, ZoomWindowsAndRubberBand) {
  double band[4] = {};
  MouseChart m(270, 200);
  m.c.SetRange(1, 0, 0, 20, 10);
  m.c.setMouseAction(TMouseActMode::maZoomWindPos);
  drag(m.c, {100, 60}, {150, 120});  // upper left to lower right
  EXPECT_LT(m.c.Layers().X(1).RangeLow(), m.c.Layers().X(1).RangeHigh());
  EXPECT_LT(m.c.Layers().Y(1).RangeLow(), m.c.Layers().Y(1).RangeHigh());
  EXPECT_NEAR(m.c.Layers().X(1).RangeLow(), 5, 1e-9);
  m.c.SetRange(1, 0, 0, 20, 10);
  m.c.setMouseAction(TMouseActMode::maZoomWind);
  drag(m.c, {100, 60}, {150, 120});
  EXPECT_GT(m.c.Layers().Y(1).RangeLow(), m.c.Layers().Y(1).RangeHigh());  // the drag direction reverses y
  m.c.SetRange(1, 0, 0, 20, 10);
  drag(m.c, {100, 60}, {100, 60});  // a click: nothing
  EXPECT_EQ(m.c.Layers().X(1).RangeHigh(), 20);
  m.c.setMouseAction(TMouseActMode::maRubberBand);
  m.c.OnRubberBand = [&](TVIrada*, int, double a, double b, double c, double d) {
    band[0] = a, band[1] = b, band[2] = c, band[3] = d;
  };
  drag(m.c, {150, 120}, {100, 60});
  EXPECT_EQ(m.c.Layers().X(1).RangeHigh(), 20);  // the ranges stay
  EXPECT_LT(band[0], band[2]);
  EXPECT_LT(band[1], band[3]);
  EXPECT_EQ(m.c.ZoomState(), TZoomState::zsNormal);
}

TEST(ChartMouse, MouseBoxFinishedAbortedOrChartGone) {
  MouseChart m;
  QTimer::singleShot(0, &m.c, [&] {
    send(&m.c, QEvent::MouseButtonPress, {100, 60}, Qt::LeftButton, Qt::LeftButton);
    send(&m.c, QEvent::MouseMove, {150, 120}, Qt::NoButton, Qt::LeftButton);
    send(&m.c, QEvent::MouseButtonRelease, {150, 120}, Qt::LeftButton, Qt::NoButton);
  });
  double a = -1, b = -1, c = -1, d = -1;
  ASSERT_TRUE(m.c.MouseBox(a, b, c, d));
  EXPECT_NEAR(a, 5, 1e-9);
  EXPECT_LT(b, d);
  QTimer::singleShot(0, &m.c, [&] { send(&m.c, QEvent::MouseButtonPress, {100, 60}, Qt::RightButton, Qt::RightButton); });
  double keep = 42;
  EXPECT_FALSE(m.c.MouseBox(keep, b, c, d));
  EXPECT_EQ(keep, 42);
  auto* gone = new TVIrada;
  QTimer::singleShot(0, [gone] { delete gone; });
  EXPECT_FALSE(gone->MouseBox(keep, b, c, d));
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

QPoint pixelOf(TVIrada& c, double x, double y) {
  int px, py;
  c.Layers().R2M(1, x, y, px, py);
  return {px, py};
}

// Crosshairs: the nearest one that is on wins, measured only across its lines
// (a vertical line by x, a horizontal one by y); later moves carry it, also
// outside the plot.
TEST(ChartMouse, DragPicksTheNearestCrossHairAndCarriesIt) {
  struct Case {
    const char* what;
    double px, py;  // the press, in world units of layer 1
    int winner;  // 0: nothing moves
  };
  // What the handler records outlives the chart that keeps the handler.
  std::vector<int> moved;
  MouseChart m;  // 0..20 by 0..10
  m.c.OnCrossHairMove = [&](TVIrada*, int n) { moved.push_back(n); };
  const Case cases[] = {
      {"on the vertical line of 1, far from the others in y", 5, 9.5, 1},
      {"on the horizontal line of 2, far in x", 18, 2, 2},
      {"right on crosshair 3, which is off", 10, 5, 4},
      {"as near to 1 as to 4: the lower number", 7.5, 6, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const double start[4][2] = {{5, 5}, {15, 2}, {10, 5}, {10, 6}};
    const TCrossHMode modes[4] = {TCrossHMode::chVert, TCrossHMode::chHoriz, TCrossHMode::chOff, TCrossHMode::chBoth};
    for (int n = 1; n <= 4; ++n) {
      m.c.CrossHair(n).setLayer(1);
      m.c.CrossHair(n).setMode(modes[n - 1]);
      m.c.CrossHairSetPos(n, start[n - 1][0], start[n - 1][1]);
    }
    m.c.setMouseAction(TMouseActMode::maDragCrossH);
    moved.clear();
    const QPoint from = pixelOf(m.c, c.px, c.py), to = pixelOf(m.c, 12, 3);
    drag(m.c, from, to);
    double wx, wy;
    m.c.Layers().M2R(1, to.x(), to.y(), wx, wy);
    for (int n = 1; n <= 4; ++n) {
      if (n == c.winner) {
        EXPECT_DOUBLE_EQ(m.c.CrossHair(n).PosX(), wx);
        EXPECT_DOUBLE_EQ(m.c.CrossHair(n).PosY(), wy);
      } else {
        EXPECT_EQ(m.c.CrossHair(n).PosX(), start[n - 1][0]) << n;
        EXPECT_EQ(m.c.CrossHair(n).PosY(), start[n - 1][1]) << n;
      }
    }
    EXPECT_EQ(moved, std::vector<int>{c.winner});
  }
  // Outside the plot the drag goes on (crosshair 1 now stands at the press),
  // and the crosshair is no longer drawn.
  m.c.CrossHair(1).setColor(Qt::red);
  const QPoint at = pixelOf(m.c, 12, 3);
  EXPECT_EQ(m.c.grab().toImage().pixelColor(at.x(), at.y() - 30), QColor(Qt::red));
  send(&m.c, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseMove, {2, 2}, Qt::NoButton, Qt::LeftButton);
  send(&m.c, QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton, Qt::NoButton);
  double wx, wy;
  m.c.Layers().M2R(1, 2, 2, wx, wy);
  EXPECT_DOUBLE_EQ(m.c.CrossHair(1).PosX(), wx);
  EXPECT_LT(wx, 0);
  const QImage shot = m.c.grab().toImage();
  int red = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) red += shot.pixelColor(x, y) == QColor(Qt::red);
  EXPECT_EQ(red, 0);
  // With every crosshair off nothing moves and nothing is reported.
  for (int n = 1; n <= 4; ++n) m.c.CrossHair(n).setMode(TCrossHMode::chOff);
  moved.clear();
  drag(m.c, pixelOf(m.c, 12, 3), pixelOf(m.c, 2, 2));
  EXPECT_TRUE(moved.empty());
  EXPECT_DOUBLE_EQ(m.c.CrossHair(1).PosX(), wx);
}

// Labels: only visible labels that are on take part; the position written
// back is in world units or pixels as the label is attached.
TEST(ChartMouse, DragCarriesTheNearestTextLabelByItsAttachment) {
  std::vector<int> moved;
  MouseChart m;
  m.c.AllTextLabelsOff();
  const int pixel = m.c.AddTextLabel(60, 40, clBlack, QStringLiteral("pixel"), 0);
  const int world = m.c.AddTextLabel(15, 5, clBlack, QStringLiteral("world"), 0);
  const int xOnly = m.c.AddTextLabel(4, 150, clBlack, QStringLiteral("x only"), 0);
  const int hidden = m.c.AddTextLabel(0, 0, clBlack, QStringLiteral("hidden"), 0);
  m.c.TextLabel(pixel).setAttachToData(TTxtLblAttachMode::tlamNone);
  m.c.TextLabel(world).setAttachToData(TTxtLblAttachMode::tlamBoth);
  m.c.TextLabel(xOnly).setAttachToData(TTxtLblAttachMode::tlamXOnly);
  m.c.TextLabel(hidden).setAttachToData(TTxtLblAttachMode::tlamBoth);
  m.c.TextLabel(hidden).setVisible(false);
  m.c.setMouseAction(TMouseActMode::maDragLabel);
  m.c.OnTextLabelMove = [&](TVIrada*, int n) { moved.push_back(n); };

  const QPoint to(120, 90);
  double wx, wy;
  m.c.Layers().M2R(1, to.x(), to.y(), wx, wy);
  drag(m.c, pixelOf(m.c, 15, 5) + QPoint(2, -1), to);
  EXPECT_DOUBLE_EQ(m.c.TextLabel(world).PosX(), wx);
  EXPECT_DOUBLE_EQ(m.c.TextLabel(world).PosY(), wy);

  drag(m.c, {62, 41}, to);
  EXPECT_EQ(m.c.TextLabel(pixel).PosX(), 120);
  EXPECT_EQ(m.c.TextLabel(pixel).PosY(), 90);

  const QPoint xOnlyAt(pixelOf(m.c, 4, 0).x(), 150);
  drag(m.c, xOnlyAt, {80, 30});
  double vx, vy;
  m.c.Layers().M2R(1, 80, 30, vx, vy);
  EXPECT_DOUBLE_EQ(m.c.TextLabel(xOnly).PosX(), vx);
  EXPECT_EQ(m.c.TextLabel(xOnly).PosY(), 30);

  // Right on the hidden label: a visible one is taken instead.
  drag(m.c, pixelOf(m.c, 0, 0), pixelOf(m.c, 0, 0));
  EXPECT_EQ(m.c.TextLabel(hidden).PosX(), 0);
  ASSERT_EQ(moved.size(), 4u);
  EXPECT_EQ((std::vector<int>{moved[0], moved[1], moved[2]}), (std::vector<int>{world, pixel, xOnly}));
  EXPECT_NE(moved[3], hidden);
}

}  // namespace
}  // namespace zw
