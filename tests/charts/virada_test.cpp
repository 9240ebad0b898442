// The chart widget: adders and drawing state, repaint rule, painting of frame,
// shadow, grid and items, hooks under screen, export and print transforms.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "charts/VIrada.h"
#include "tests/common/RecordingPaintDevice.h"

namespace zw {
namespace {

constexpr TColor kRed = 0x0000FF, kGrey = 0x808080;

struct Shown {
  TVIrada chart;
  explicit Shown(int w = 280, int h = 200) {
    chart.resize(w, h);
    chart.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&chart));
  }
};

TEST(VIrada, AddersCopyTheDrawingState) {
  TVIrada c;
  c.setDataColor(kRed);
  c.setLineWidth(3);
  c.Line(0, 0, 1, 1);
  c.setDataColor(0);
  EXPECT_EQ(c.GetItemParams(0).Color, kRed);
  EXPECT_EQ(c.GetItemParams(0).LWid, 3);
  c.setClassDefault(4);
  c.setClassDefault(255);
  EXPECT_EQ(c.ClassDefault(), 4);
  c.setGridDx(-3);
  EXPECT_EQ(c.GridDx(), -3);
  c.setGridDx(-3.5);
  EXPECT_EQ(c.GridDx(), -3);
  c.Bar3D(0, 0, 1, 1, 5, 200);
  EXPECT_EQ(c.GetItemParams(1).SizeOrAngle, 180);
  c.Bar3D(0, 0, 1, 1, 5, -5);
  EXPECT_EQ(c.GetItemParams(2).SizeOrAngle, 0);
  c.Text(0, 0, 10, "twenty characters!!!");
  EXPECT_EQ(c.GetItemParams(3).text(), "twenty characte");
  c.RectFrame(0, 0, 1, 1, TFrameStyle::fsRaised, 0, 0);
  EXPECT_EQ(c.GetItemParams(4).LWid, 1);
  c.setActiveLayer(3);
  c.setActiveLayer(17);
  c.MarkAt(1, 1, 24);
  EXPECT_EQ(c.GetItemParams(5).Layer, 3);
}

TEST(VIrada, SettersMarkStaleShowGrafRendersAtOnce) {
  Shown s;
  QApplication::processEvents();
  const int before = s.chart.renderCount();
  s.chart.setChartColor(kGrey);
  s.chart.setGridStyle(GridStyleType::gsLines);
  EXPECT_EQ(s.chart.renderCount(), before);  // nothing rendered yet
  QApplication::processEvents();
  EXPECT_EQ(s.chart.renderCount(), before + 1);  // one render before the paint
  s.chart.Line(0, 0, 1, 1);
  s.chart.ShowGraf();
  EXPECT_EQ(s.chart.renderCount(), before + 2);
}

TEST(VIrada, FrameBackgroundAndPlotFrame) {
  Shown s;
  TVIrada& c = s.chart;
  c.setWindColor(kGrey);
  const QImage img = c.ChartImage();
  EXPECT_EQ(img.pixelColor(10, 10), ToQColor(kGrey));
  EXPECT_EQ(img.pixelColor(100, 100), QColor(Qt::white));
  // Plot rectangle: x 50..260, y 20..160; its frame on all four edges.
  EXPECT_EQ(img.pixelColor(50, 90), QColor(Qt::black));
  EXPECT_EQ(img.pixelColor(260, 90), QColor(Qt::black));
  EXPECT_EQ(img.pixelColor(150, 20), QColor(Qt::black));
  EXPECT_EQ(img.pixelColor(150, 160), QColor(Qt::black));
  EXPECT_EQ(img.pixelColor(150, 161), ToQColor(kGrey));
}

TEST(VIrada, ShadowStyles) {
  for (TShadowStyle style : {TShadowStyle::ssFlying, TShadowStyle::ssBox}) {
    Shown s;
    TVIrada& c = s.chart;
    c.setShadowWidth(5);
    c.setShadowStyle(style);
    c.setShadowColor(kRed);
    c.setShadowBakColor(0x00FF00);
    c.setWindColor(kGrey);
    const QImage img = c.ChartImage();
    const int W = 280, H = 200;
    EXPECT_EQ(img.pixelColor(W - 2, 2), ToQColor(0x00FF00));   // corner beside the shadow
    EXPECT_EQ(img.pixelColor(W - 3, 100), ToQColor(kRed));     // right strip
    EXPECT_EQ(img.pixelColor(100, H - 3), ToQColor(kRed));     // bottom strip
    if (style == TShadowStyle::ssFlying) {
      EXPECT_EQ(img.pixelColor(W - 3, 4), ToQColor(kRed)) << "the flying strip starts 4 pixels down";
      EXPECT_EQ(img.pixelColor(W - 1, 10), ToQColor(kRed));
    } else {
      EXPECT_EQ(img.pixelColor(W - 1, 10), QColor(Qt::black)) << "the box is outlined in black";
    }
    EXPECT_EQ(img.pixelColor(W - 5, 50), QColor(Qt::black));  // control outline
    EXPECT_EQ(c.ShadowWidth(), 5);
  }
  TVIrada c;
  c.setShadowWidth(40);
  EXPECT_EQ(c.ShadowWidth(), 32);
}

// The pixel columns of the grid lines the chart draws on a logged page at 96 dpi.
std::vector<int> gridXs(TVIrada& c) {
  test::RecordingPaintDevice dev(c.width(), c.height(), 96);
  QPainter p(&dev);
  c.RenderTo(p, false, true);
  std::vector<int> xs;
  for (const auto& call : dev.callsOf(test::PaintCall::Line))
    if (call.pen == ToQColor(c.GridColor()) && call.points[0].x() == call.points[1].x())
      xs.push_back(int(call.points[0].x()));
  return xs;
}

std::vector<int> columnsOf(TVIrada& c, std::vector<double> values) {
  std::vector<int> xs;
  for (double v : values) {
    int x, y;
    c.R2M(1, v, 1, x, y);
    xs.push_back(x);
  }
  return xs;
}

TEST(VIrada, GridWalks) {
  TVIrada c;
  c.resize(400, 300);
  c.Loaded();
  c.setGridColor(0x00FF00);
  c.setGridStyle(GridStyleType::gsVertLines);
  c.Scale1X().setShortTicks(false);
  c.SetRange(1, 0, 0, 100, 1);
  EXPECT_EQ(gridXs(c), columnsOf(c, {0, 20, 40, 60, 80}));  // no line on the high edge
  c.setGridDx(30);
  EXPECT_EQ(gridXs(c), columnsOf(c, {0, 30, 60, 90}));
  c.SetRange(1, 1, 1, 100, 10);
  c.Scale1X().setLogarithmic(true);
  c.setGridDx(-2);
  EXPECT_EQ(gridXs(c), columnsOf(c, {2, 5, 10, 20, 50}));
  c.SetRange(1, 0.5, 1, 1000, 10);
  c.setGridDx(-1);
  EXPECT_EQ(gridXs(c), columnsOf(c, {1, 10, 100}));
  c.Scale1X().setLogarithmic(false);
  c.SetRange(1, 0, 0, 1e6, 1);
  c.setGridDx(1);
  EXPECT_EQ(gridXs(c).size(), 1000u);
}

TEST(VIrada, HooksSeeTheSameControlPixelEverywhere) {
  Shown s(300, 220);
  TVIrada& c = s.chart;
  // The hook marks control pixel (100, 60), inside the plot, through its offsets.
  c.OnDataRendered = [](TVIrada*, QPainter*& p, int top, int left) {
    p->fillRect(QRect(100 - left, 60 - top, 1, 1), Qt::red);
  };
  c.ShowGraf();
  const QImage screen = c.ChartImage();
  EXPECT_EQ(screen.pixelColor(100, 60), QColor(Qt::red));
  const QImage copy = c.ExportImage(false);
  EXPECT_EQ(copy.pixelColor(100, 60), QColor(Qt::red));
  test::RecordingPaintDevice page(5000, 7000, 600);
  QPainter p(&page);
  int x = 200, y = 1000;
  c.CopyToOpenPrinter(p, x, y, 1.0, false, 600, 600);
  bool found = false;
  for (const auto& call : page.calls())
    if (call.kind == test::PaintCall::Rect && call.brush.color() == QColor(Qt::red)) {
      found = true;
      EXPECT_NEAR(call.rect.left(), 200 + 100 * 600 / 96.0, 0.01);
      EXPECT_NEAR(call.rect.top(), 1000 + 60 * 600 / 96.0, 0.01);
    }
  EXPECT_TRUE(found);
  EXPECT_EQ(y, 1000 + 1375);  // 220 / 96 * 600
}

TEST(VIrada, PrinterAdvanceAtHalfScale) {
  TVIrada c;
  c.resize(280, 200);
  c.Loaded();
  test::RecordingPaintDevice page(5000, 7000, 600);
  QPainter p(&page);
  int x = 200, y = 300;
  c.CopyToOpenPrinter(p, x, y, 0.5, false, 600, 600);
  EXPECT_EQ(y, 300 + int(std::nearbyint(0.5 * 200 / 96.0 * 600)));
  EXPECT_EQ(x, 200 + int(std::nearbyint(0.5 * 280 / 96.0 * 600)));
  // Lines scale with the page: a 1 pixel pen is 3.125 device pixels wide here.
  for (const auto& call : page.callsOf(test::PaintCall::Line)) EXPECT_NEAR(call.penWidth, 3.125, 1e-9);
}

TEST(VIrada, IncrementalShowsGiveTheFullPicture) {
  Shown a, b;
  for (TVIrada* c : {&a.chart, &b.chart}) {
    c->setGridStyle(GridStyleType::gsDotLines);
    c->SetRange(1, -1, -1, 1, 1);
  }
  for (int curve = 0; curve < 3; ++curve) {
    for (TVIrada* c : {&a.chart, &b.chart}) {
      c->setDataColor(curve == 1 ? kRed : 0xFF0000);
      c->MoveTo(-1, -0.5 + curve * 0.3);
      for (int i = 1; i <= 300; ++i) c->DrawTo(-1 + i / 150.0, -0.5 + curve * 0.3 + 0.2 * std::sin(i / 20.0));
    }
    a.chart.ShowGrafNewOnly();
  }
  b.chart.ShowGraf();
  EXPECT_EQ(a.chart.ChartImage(), b.chart.ChartImage());
}

TEST(VIrada, BlackAndWhiteCopyLeavesTheScreenInColour) {
  Shown s;
  TVIrada& c = s.chart;
  c.setWindColor(kGrey);
  c.setDataColor(kRed);
  c.setLineWidth(3);
  c.SetRange(1, 0, 0, 1, 1);
  c.Line(0, 0.5, 1, 0.5);
  c.ShowGraf();
  const QImage bw = c.ExportImage(true);
  EXPECT_EQ(bw.pixelColor(10, 10), QColor(Qt::white));
  int x, y;
  c.R2M(1, 0.5, 0.5, x, y);
  EXPECT_EQ(bw.pixelColor(x, y), QColor(Qt::black));
  c.CopyToClipboard(true);
  EXPECT_EQ(QApplication::clipboard()->image().pixelColor(10, 10), QColor(Qt::white));
  EXPECT_EQ(c.ChartImage().pixelColor(10, 10), ToQColor(kGrey));
  EXPECT_EQ(c.ChartImage().pixelColor(x, y), ToQColor(kRed));
  EXPECT_EQ(c.WindColor(), kGrey);
}

TEST(VIrada, StandardLayouts) {
  TVIrada c;
  c.setStandardLayout(TrcLayout::rcl_X1Bottom_Y2Left);
  EXPECT_EQ(c.MarginLeft(), 100);
  EXPECT_TRUE(c.ScaleY(2).Visible());
  EXPECT_EQ(c.ScaleY(2).ScalePos(), 50);
  EXPECT_FALSE(c.ScaleY(3).Visible());
  c.setStandardLayout(TrcLayout::rcl_X2Both_Y2Both);
  EXPECT_EQ(c.ScaleX(2).ScaleType(), TScaleType::sctXB);  // on top
  EXPECT_EQ(c.MarginTop(), 48);
}

}  // namespace
}  // namespace zw
