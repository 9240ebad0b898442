// Item rendering: what each kind draws, connected lines, caches, black and white.
#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "charts/ItemRenderer.h"
#include "tests/common/RecordingPaintDevice.h"

namespace zw {
namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

// Layer 1 maps world (x, y) to pixel (x, y) on a 101 x 101 plot.
struct PixelLayers : TChartLayers {
  PixelLayers() {
    RcLRim = RcRRim = RcTRim = RcBRim = 0;
    Width = Height = 101;
    X(1).writeRangeLow(0), X(1).writeRangeHigh(101);
    Y(1).writeRangeLow(101), Y(1).writeRangeHigh(0);
    Loaded();
  }
};

TrcChartItem item(TrcItem kind, double x, double y, double x2 = 0, double y2 = 0, TColor c = kRed) {
  TrcChartItem it;
  it.ItemKind = kind;
  it.x = x, it.y = y, it.x2 = x2, it.y2 = y2;
  it.Color = c;
  it.FillColor = kGreen;
  return it;
}

struct Canvas {
  PixelLayers layers;
  QImage img{101, 101, QImage::Format_RGB32};
  Canvas() { img.fill(Qt::white); }
  void draw(const std::vector<TrcChartItem>& items, bool bw = false) {
    QPainter p(&img);
    TItemRenderer r;
    TItemStyle st;
    r.Begin(p, layers, st, 0, 0, bw);
    r.Draw(items);
    r.End();
  }
  QColor at(int x, int y) const { return img.pixelColor(x, y); }
};

struct Log {
  PixelLayers layers;
  test::RecordingPaintDevice dev{101, 101};
  int polylines = 0;
  void draw(const std::vector<TrcChartItem>& items) {
    QPainter p(&dev);
    TItemRenderer r;
    r.Begin(p, layers, TItemStyle{}, 0, 0, false);
    r.Draw(items);
    r.End();
    polylines = r.PolylinesDrawn();
  }
};

TEST(ItemRender, ConnectedLinesBecomePolylinesOf200) {
  Log l;
  std::vector<TrcChartItem> items{item(TrcItem::tkMoveTo, 0, 50)};
  for (int i = 1; i <= 450; ++i) items.push_back(item(TrcItem::tkLineto, i % 100, 50 + (i % 2)));
  l.draw(items);
  const auto polys = l.dev.callsOf(test::PaintCall::Polyline);
  ASSERT_EQ(polys.size(), 3u);
  EXPECT_EQ(polys[0].points.size(), 200);
  EXPECT_EQ(polys[1].points.size(), 200);
  EXPECT_EQ(polys[2].points.size(), 53);
  EXPECT_EQ(polys[0].points[0], QPointF(0, 50));
  EXPECT_EQ(polys[1].points[0], QPointF(199 % 100, 50 + 199 % 2));  // where the first one ended
}

// A dense curve repeats pixels, which need not be drawn again: the picture
// stays the one of every point drawn, in polylines of 200 points each ending
// one step short. The one difference allowed: such a polyline that began
// with a repeated point lost the pixel of its start (the painter skips the
// joint after a step of no length); the curve now keeps it.
TEST(ItemRender, RepeatedPointsOfADenseCurveLeaveThePictureAlone) {
  for (const bool repeatedEnd : {false, true}) {
    SCOPED_TRACE(repeatedEnd);
    std::vector<TrcChartItem> items{item(TrcItem::tkMoveTo, 2, 50)};
    std::vector<QPoint> all{QPoint(2, 50)};
    for (int i = 1; i <= 900; ++i) {
      const int x = 2 + i / 10, y = 50 + int(std::lround(30 * std::sin(i / 60.0)));  // ten items per column
      items.push_back(item(TrcItem::tkLineto, x, y));
      all.emplace_back(x, y);
    }
    if (!repeatedEnd) items.push_back(item(TrcItem::tkLineto, 95, 20)), all.emplace_back(95, 20);
    Canvas c;
    c.draw(items);
    QImage expected(101, 101, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
      QPainter p(&expected);
      p.setPen(ChartPen(Qt::red, 1));
      for (std::size_t i = 0; i + 1 < all.size();) {
        const std::size_t end = std::min(i + 199, all.size() - 1);
        draw::Polyline(p, all.data() + i, int(end - i + 1));
        i = end;
      }
    }
    int lost = 0, strays = 0;
    for (int y = 0; y < 101; ++y)
      for (int x = 0; x < 101; ++x) {
        const bool was = expected.pixelColor(x, y) != Qt::white, is = c.at(x, y) != Qt::white;
        lost += was && !is;
        strays += is && !was && std::find(all.begin(), all.end(), QPoint(x, y)) == all.end();
      }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(strays, 0);
  }
}

TEST(ItemRender, ColourChangeSplitsTheChainAtTheLastOldPoint) {
  Log l;
  l.draw({item(TrcItem::tkMoveTo, 0, 0), item(TrcItem::tkLineto, 10, 0), item(TrcItem::tkLineto, 20, 0),
          item(TrcItem::tkLineto, 30, 0, 0, 0, kBlue), item(TrcItem::tkNone, 0, 0),
          item(TrcItem::tkLineto, 40, 0, 0, 0, kBlue)});
  const auto polys = l.dev.callsOf(test::PaintCall::Polyline);
  ASSERT_EQ(polys.size(), 2u);
  EXPECT_EQ(polys[0].pen, ToQColor(kRed));
  EXPECT_EQ(polys[1].pen, ToQColor(kBlue));
  EXPECT_EQ(polys[1].points[0], QPointF(20, 0));
  // tkNone did not end the blue line: 20 -> 30 -> 40 is one polyline (its
  // last point one pixel short).
  EXPECT_EQ(polys[1].points.size(), 3);
  EXPECT_EQ(polys[1].points[2], QPointF(39, 0));
}

TEST(ItemRender, EndPixelsAndCorners) {
  Canvas c;
  c.draw({item(TrcItem::tkLine, 10, 5, 20, 5), item(TrcItem::tkRect, 10, 10, 20, 20),
          item(TrcItem::tkRect, 50, 50, 50, 50)});
  const QColor red = ToQColor(kRed), green = ToQColor(kGreen);
  EXPECT_EQ(c.at(10, 5), red);
  EXPECT_EQ(c.at(19, 5), red);
  EXPECT_EQ(c.at(20, 5), QColor(Qt::white));  // no last pixel
  // The corner rule: the rectangle covers both corner pixels.
  EXPECT_EQ(c.at(10, 10), red);
  EXPECT_EQ(c.at(20, 20), red);
  EXPECT_EQ(c.at(21, 21), QColor(Qt::white));
  EXPECT_EQ(c.at(15, 15), green);
  // A rectangle on one pixel sets that pixel only.
  EXPECT_EQ(c.at(50, 50), red);
  EXPECT_EQ(c.at(51, 50), QColor(Qt::white));
}

TEST(ItemRender, BlackAndWhiteFills) {
  Canvas c;
  c.draw({item(TrcItem::tkRect, 10, 10, 20, 20, kBlue)}, true);
  EXPECT_EQ(c.at(10, 10), QColor(Qt::black));
  EXPECT_EQ(c.at(15, 15), QColor(0xC0, 0xC0, 0xC0));
}

TEST(ItemRender, RelativeMovesAndTheCurrentPoint) {
  Log l;
  l.draw({item(TrcItem::tkMoveTo, 10, 10), item(TrcItem::tkLineto, 20, 10), item(TrcItem::tkMoveRelPix, 5, 0),
          item(TrcItem::tkLineRelPix, 0, 10), item(TrcItem::tkLine, 50, 50, 60, 60),
          item(TrcItem::tkLineto, 30, 30)});
  const auto lines = l.dev.callsOf(test::PaintCall::Line);
  ASSERT_EQ(lines.size(), 4u);  // the two-point chain, the pixel line, the plain line, the last chain
  // The pixel line starts 5 pixels right of the chain's end.
  EXPECT_EQ(lines[1].points[0], QPointF(25, 10));
  // The connected line after a plain line starts at the current point, the end of the relative move.
  EXPECT_EQ(lines[3].points[0], QPointF(25, 10));
}

TEST(ItemRender, FarPointsAreClampedAndBadPointsSkipped) {
  Log l;
  l.draw({item(TrcItem::tkLine, 0, 0, 1e9, 0), item(TrcItem::tkLine, 0, 0, std::nan(""), 0),
          item(TrcItem::tkMarkAt, INFINITY, 3)});
  const auto lines = l.dev.callsOf(test::PaintCall::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].points[1].x(), 29999);
}

TEST(ItemRender, AxisThroughTheWholeIntRangeWithAnOffset) {
  // The plot starts 50 pixels into the control: a line from the lowest to the
  // highest int position must still run across it.
  PixelLayers layers;
  test::RecordingPaintDevice dev{101, 101};
  QPainter p(&dev);
  TItemRenderer r;
  r.Begin(p, layers, TItemStyle{}, 50, 0, false);
  const std::vector<TrcChartItem> items{item(TrcItem::tkLine, -2147483647.0, 5, 2147483647.0, 5)};
  r.Draw(items);
  r.End();
  const auto lines = dev.callsOf(test::PaintCall::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].points[0].x(), -30000);
  EXPECT_EQ(lines[0].points[1].x(), 29999);
}

TEST(ItemRender, BarsArrowsAndEllipses) {
  Canvas c;
  TrcChartItem bar = item(TrcItem::tk3DBar, 40, 80, 60, 40);
  bar.Depth = 10;
  bar.SizeOrAngle = 135;
  c.draw({bar});
  // The side face lies left of the front face at an angle above 90 degrees.
  EXPECT_EQ(c.at(36, 60), ToQColor(kGreen));
  EXPECT_EQ(c.at(64, 60), QColor(Qt::white));

  Log l;
  TrcChartItem plain = item(TrcItem::tkArrow, 10, 10, 30, 10);
  TrcChartItem dot = item(TrcItem::tkArrow, 5, 5, 5, 5);
  TrcChartItem head = item(TrcItem::tkArrow, 10, 50, 30, 50);
  head.SizeOrAngle = 8;
  l.draw({plain, dot, head});
  EXPECT_EQ(l.dev.callsOf(test::PaintCall::Polygon).size(), 1u);  // only the third has a head
  const auto tri = l.dev.callsOf(test::PaintCall::Polygon)[0];
  EXPECT_EQ(tri.fill, Qt::OddEvenFill);
  EXPECT_EQ(tri.points[0], QPointF(30, 50));
  // Barbs 20 degrees off the shaft, 8 pixels back: (30 - round(8 cos 20), 50 -+ round(8 sin 20)).
  EXPECT_EQ(tri.points[1], QPointF(22, 47));
  EXPECT_EQ(tri.points[2], QPointF(22, 53));
  EXPECT_EQ(l.dev.callsOf(test::PaintCall::Line).size(), 2u);

  Canvas e;
  e.draw({item(TrcItem::tkEllipse, 50, 50, 10, 5)});
  EXPECT_EQ(e.at(50, 50), ToQColor(kGreen));
  EXPECT_EQ(e.at(40, 50), ToQColor(kRed));
  EXPECT_EQ(e.at(50, 44), QColor(Qt::white));
}

TEST(ItemRender, TextsAnchoredByAlignment) {
  Log l;
  TrcChartItem t = item(TrcItem::tkText, 50, 50);
  t.setText("Abc");
  t.SizeOrAngle = 12;
  t.MarkOrAlign = std::uint8_t(TAlignment::taCenter);
  TrcChartItem keep = item(TrcItem::tkTextOfs, 10, 10, 5, -5);
  keep.setText("x");
  keep.SizeOrAngle = 0;  // the chart font's own size
  l.draw({t, keep});
  const auto texts = l.dev.callsOf(test::PaintCall::Text);
  ASSERT_EQ(texts.size(), 2u);
  QFont f = TItemStyle{}.TextFont;
  f.setPixelSize(16);
  const QFontMetrics fm(f);
  EXPECT_EQ(texts[0].text, "Abc");
  EXPECT_EQ(texts[0].points[0].x(), 50 - fm.horizontalAdvance("Abc") / 2);
  EXPECT_EQ(texts[0].points[0].y(), 50 - fm.height() / 2 + fm.ascent());
  const QFontMetrics fm0(TItemStyle{}.TextFont);
  EXPECT_EQ(texts[1].points[0].x(), 15);
  EXPECT_EQ(texts[1].points[0].y(), 5 - fm0.height() / 2 + fm0.ascent());
}

TEST(ItemRender, RectFrameEdges) {
  Canvas c;
  TrcChartItem f = item(TrcItem::tkRectFrame, 10, 30, 30, 10);
  f.FrameStyle = TFrameStyle::fsLowered;
  f.ShadowColor = kBlue;
  f.HiLightColor = kRed;
  c.draw({f});
  EXPECT_EQ(c.at(10, 20), ToQColor(kBlue));  // left edge
  EXPECT_EQ(c.at(20, 10), ToQColor(kBlue));  // top edge
  EXPECT_EQ(c.at(30, 20), ToQColor(kRed));   // right edge
  EXPECT_EQ(c.at(20, 30), ToQColor(kRed));   // bottom edge
  EXPECT_EQ(c.at(20, 20), ToQColor(kGreen));
}

}  // namespace
}  // namespace zw
