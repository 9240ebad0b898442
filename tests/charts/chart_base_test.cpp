// Frames, marker symbols, colour conversion and the settings objects.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "charts/ChartBase.h"

namespace zw {
namespace {

const QColor kHighlight(0xFF, 0xFF, 0xFF), kLight(0xC0, 0xC0, 0xC0), kShadow(0x80, 0x80, 0x80),
    kDark(0, 0, 0), kSimple(0xFF, 0, 0), kBack(0, 0, 0xFF);

QImage canvas(int w = 20, int h = 20) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(kBack);
  return img;
}

TEST(ChartBase, LoweredFrameRings) {
  QImage img = canvas();
  {
    QPainter p(&img);
    DrawFrame3D(p, TFrameStyle::fsLowered, 0, 0, 9, 9, kHighlight, kLight, kShadow, kDark, kSimple);
  }
  auto at = [&](int x, int y) { return img.pixelColor(x, y); };
  // Outer ring: left column (0, 8)..(0, 0) and top row to (9, 0) in Shadow.
  for (int y = 0; y <= 8; ++y) EXPECT_EQ(at(0, y), kShadow) << "left " << y;
  for (int x = 0; x <= 9; ++x) EXPECT_EQ(at(x, 0), kShadow) << "top " << x;
  // Right column from (9, 1) down and the whole bottom row in Highlight.
  for (int y = 1; y <= 9; ++y) EXPECT_EQ(at(9, y), kHighlight) << "right " << y;
  for (int x = 0; x <= 9; ++x) EXPECT_EQ(at(x, 9), kHighlight) << "bottom " << x;
  // Inner ring: Dark on the left and top, Light on the right and bottom (the
  // bottom line runs to the left edge and takes the inner corner).
  for (int y = 1; y <= 7; ++y) EXPECT_EQ(at(1, y), kDark) << "inner left " << y;
  for (int x = 1; x <= 8; ++x) EXPECT_EQ(at(x, 1), kDark) << "inner top " << x;
  for (int y = 2; y <= 8; ++y) EXPECT_EQ(at(8, y), kLight) << "inner right " << y;
  for (int x = 1; x <= 8; ++x) EXPECT_EQ(at(x, 8), kLight) << "inner bottom " << x;
  // Nothing inside, nothing outside.
  EXPECT_EQ(at(4, 4), kBack);
  EXPECT_EQ(at(10, 10), kBack);
}

TEST(ChartBase, FrameStylesPickTheirColours) {
  struct Case { TFrameStyle style; QColor outerA, outerB, innerA, innerB; } cases[] = {
      {TFrameStyle::fsRaised, kHighlight, kDark, kLight, kShadow},
      {TFrameStyle::fsEmbossed, kHighlight, kShadow, kShadow, kHighlight},
      {TFrameStyle::fsEngraved, kShadow, kHighlight, kHighlight, kShadow},
  };
  for (const Case& c : cases) {
    QImage img = canvas();
    {
      QPainter p(&img);
      DrawFrame3D(p, c.style, 2, 2, 11, 11, kHighlight, kLight, kShadow, kDark, kSimple);
    }
    EXPECT_EQ(img.pixelColor(2, 5), c.outerA) << int(c.style);
    EXPECT_EQ(img.pixelColor(11, 5), c.outerB) << int(c.style);
    EXPECT_EQ(img.pixelColor(3, 5), c.innerA) << int(c.style);
    EXPECT_EQ(img.pixelColor(10, 5), c.innerB) << int(c.style);
  }
  QImage simple = canvas(), none = canvas();
  {
    QPainter p(&simple);
    DrawFrame3D(p, TFrameStyle::fsSimple, 2, 2, 11, 11, kHighlight, kLight, kShadow, kDark, kSimple);
    QPainter q(&none);
    DrawFrame3D(q, TFrameStyle::fsNone, 2, 2, 11, 11, kHighlight, kLight, kShadow, kDark, kSimple);
  }
  for (QPoint pt : {QPoint(2, 2), QPoint(11, 2), QPoint(11, 11), QPoint(2, 11), QPoint(6, 2)})
    EXPECT_EQ(simple.pixelColor(pt), kSimple) << pt.x() << "," << pt.y();
  EXPECT_EQ(simple.pixelColor(3, 3), kBack);
  EXPECT_EQ(none, canvas());
}

// The set pixels of a mark drawn at (10, 10) in white on black.
QImage markImage(int mark, bool printer = false, QBrush brush = QBrush(Qt::green)) {
  QImage img(21, 21, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(brush);
  DrawMark(p, mark, 10, 10, printer);
  return img;
}

int countColour(const QImage& img, QColor c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
  return n;
}

TEST(ChartBase, PatternMarksFollowTheirBits) {
  // Mark 2, a 5 x 5 plus: row 4 (y = 10) has x = 8..12 set, column 10 rows 8..12.
  const QImage img = markImage(2);
  EXPECT_EQ(countColour(img, Qt::white), 9);
  for (int x = 8; x <= 12; ++x) EXPECT_EQ(img.pixelColor(x, 10), QColor(Qt::white)) << x;
  for (int y = 8; y <= 12; ++y) EXPECT_EQ(img.pixelColor(10, y), QColor(Qt::white)) << y;
  // Mark 6: the 7 x 7 x reaches the corners (7, 7) and (13, 13).
  const QImage x6 = markImage(6);
  EXPECT_EQ(x6.pixelColor(7, 7), QColor(Qt::white));
  EXPECT_EQ(x6.pixelColor(13, 13), QColor(Qt::white));
  EXPECT_EQ(x6.pixelColor(13, 7), QColor(Qt::white));
  EXPECT_EQ(countColour(x6, Qt::white), 13);
  // Mark 18, the checkerboard: 25 of 49 cells, on screen and on the printer.
  EXPECT_EQ(countColour(markImage(18), Qt::white), 25);
  EXPECT_EQ(countColour(markImage(18, true), Qt::white), 25);
  // On the printer the plus is drawn with lines, one pixel shorter at the end.
  const QImage printed = markImage(2, true);
  EXPECT_EQ(printed.pixelColor(7, 10), QColor(Qt::white));
  EXPECT_EQ(printed.pixelColor(13, 10), QColor(Qt::black));
}

TEST(ChartBase, ShapeMarks) {
  // 0: one pixel.
  EXPECT_EQ(countColour(markImage(0), Qt::white), 1);
  // 8: filled 5 x 5 square in the pen colour.
  EXPECT_EQ(countColour(markImage(8), Qt::white), 25);
  // 11: open 5 x 5 square, 16 edge pixels, inside untouched.
  const QImage open = markImage(11);
  EXPECT_EQ(countColour(open, Qt::white), 16);
  EXPECT_EQ(open.pixelColor(10, 10), QColor(Qt::black));
  // 16: open circle, the brush does not fill it.
  EXPECT_EQ(markImage(16).pixelColor(10, 10), QColor(Qt::black));
  EXPECT_EQ(countColour(markImage(16), Qt::green), 0);
  // 37: foot 7 wide and a stem of 8 above it.
  const QImage foot = markImage(37);
  EXPECT_EQ(foot.pixelColor(7, 10), QColor(Qt::white));
  EXPECT_EQ(foot.pixelColor(13, 10), QColor(Qt::white));
  EXPECT_EQ(foot.pixelColor(14, 10), QColor(Qt::black));
  EXPECT_EQ(foot.pixelColor(10, 3), QColor(Qt::white));
  EXPECT_EQ(foot.pixelColor(10, 2), QColor(Qt::black));
}

TEST(ChartBase, MarksRestoreTheBrushColour) {
  for (int mark : {8, 15, 24, 30, 34, 16, 31, 48, 50}) {
    QImage img(21, 21, QImage::Format_RGB32);
    QPainter p(&img);
    p.setPen(Qt::white);
    p.setBrush(QBrush(Qt::green, Qt::SolidPattern));
    DrawMark(p, mark, 10, 10);
    EXPECT_EQ(p.brush().color(), QColor(Qt::green)) << mark;
    EXPECT_EQ(p.brush().style(), Qt::SolidPattern) << mark;  // open shapes end solid
  }
  QImage img(21, 21, QImage::Format_RGB32);
  QPainter p(&img);
  p.setBrush(QBrush(Qt::green, Qt::Dense4Pattern));
  DrawMark(p, 8, 10, 10);
  EXPECT_EQ(p.brush().style(), Qt::Dense4Pattern);
}

TEST(ChartBase, CharacterMarksAreCentred) {
  QImage img(41, 41, QImage::Format_RGB32);
  img.fill(Qt::black);
  {
    QPainter p(&img);
    p.setPen(Qt::white);
    DrawMark(p, 65, 20, 20);
  }
  QRect ink;
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 41; ++x)
      if (img.pixelColor(x, y) != QColor(Qt::black)) ink = ink.united(QRect(x, y, 1, 1));
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR(ink.center().x(), 20, 2);
  EXPECT_NEAR(ink.center().y(), 20, 4);
  // Any byte value is accepted.
  for (int mark = 0; mark < 256; ++mark) markImage(mark);
}

TEST(ChartBase, SwapRedBlue) {
  EXPECT_EQ(SwapRedBlue(0xFF8000u), 0x0080FFu);
  EXPECT_EQ(SwapRedBlue(0x123456u), 0x563412u);
  EXPECT_EQ(SwapRedBlue(0x000000u), 0u);
}

TEST(ChartBase, SettingsObjectsClampAndNotify) {
  // The counters come first: each object's handler must not outlive them.
  int changes = 0, labelChanges = 0, dtChanges = 0;
  TCrossHair ch;
  ch.OnChange = [&](TCrossHair*) { ++changes; };
  ch.setLayer(0);
  EXPECT_EQ(ch.Layer(), 1);
  ch.setLayer(20);
  EXPECT_EQ(ch.Layer(), 16);
  EXPECT_EQ(changes, 2);

  TTextLabel lab;
  lab.OnChange = [&](TCustomTextLabel*) { ++labelChanges; };
  lab.setLayer(5);
  lab.setLayer(20);  // ignored, no notification
  EXPECT_EQ(lab.Layer(), 5);
  EXPECT_EQ(labelChanges, 1);
  lab.setCaption(QStringLiteral("a\tb\nc\r"));
  EXPECT_EQ(lab.Caption(), QStringLiteral("a b\nc "));
  EXPECT_EQ(lab.PosX(), 100);
  EXPECT_EQ(lab.PosY(), 10);
  EXPECT_EQ(lab.ColorBkg(), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(lab.Mode(), TTxtLblMode::tlsimple);

  TDTLabel dt;
  dt.OnChange = [&](TDTLabel*) { ++dtChanges; };
  dt.setTimeFormat(dt.TimeFormat());    // always notifies
  dt.setDateOrder(dt.DateOrder());      // always notifies
  dt.setMonthName(dt.MonthName());      // only on a change
  dt.setDateSeparator(dt.DateSeparator());
  EXPECT_EQ(dtChanges, 2);
  dt.setMonthName(!dt.MonthName());
  EXPECT_EQ(dtChanges, 3);
  TDTLabel copy;
  copy.Assign(dt);
  EXPECT_EQ(copy.MonthName(), dt.MonthName());
}

}  // namespace
}  // namespace zw
