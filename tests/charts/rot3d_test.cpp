// The rotatable 3D view as a widget: list, setters, painting, mouse, export.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

#include "charts/Rot3D.h"
#include "tests/common/RecordingPaintDevice.h"

namespace zw {
namespace {

using test::PaintCall;
using test::RecordingPaintDevice;

QLineF lineOf(const PaintCall& c) { return {c.points[0], c.points[1]}; }

TEST(Rot3D, SettersClampAndIgnore) {
  TRot3D v;
  EXPECT_EQ(v.size(), QSize(450, 300));
  EXPECT_EQ(v.CentX(), 225);
  EXPECT_DOUBLE_EQ(v.Magnification(), 0.8);
  struct Case { double set, get; } mags[] = {{10, 5}, {0, 0.1}, {2, 2}, {0.3, 4000.0 / 13333}};
  for (auto c : mags) {
    v.setMagnification(c.set);
    EXPECT_DOUBLE_EQ(v.Magnification(), c.get) << c.set;
  }
  v.setBoundBoxSize(801);
  EXPECT_EQ(v.BoundBoxSize(), 800);
  v.setBoundBoxSize(9000);
  EXPECT_EQ(v.BoundBoxSize(), 4000);
  v.setAxSize(-5);
  EXPECT_EQ(v.AxSize(), 0);
  v.setLineWidth(0);
  EXPECT_EQ(v.LineWidth(), 1);
  v.setLineWidth(40);
  EXPECT_EQ(v.LineWidth(), 32);
  v.setAllocSize(0);
  EXPECT_EQ(v.AllocSize(), 1000);
  v.setAllocSize(2'000'000);
  EXPECT_EQ(v.AllocSize(), 1000);
  v.setCentX(10000);
  EXPECT_EQ(v.CentX(), 450);
  v.setCentY(-3);
  EXPECT_EQ(v.CentY(), 0);
  v.SetViewAngles(10, 20, 30);
  EXPECT_EQ(v.RotMat(), CalcRotMat2Angles(10, 30, TAxDir::adLeftHanded));
  v.setMouseRot3Axes(true);
  EXPECT_EQ(v.RotMat(), CalcRotMat3Angles(10, 20, 30, TAxDir::adLeftHanded));
  v.setAxDir(TAxDir::adRightHanded);
  EXPECT_EQ(v.RotMat(), CalcRotMat3Angles(10, 20, 30, TAxDir::adRightHanded));
}

TEST(Rot3D, ItemList) {
  TRot3D v;
  v.setAllocSize(2);
  v.setColorData(Qt::red);
  v.setDataTag(7);
  v.setLineWidth(3);
  v.MarkAt(1, 2, 3, 5);
  v.Moveto(0, 0, 0);
  v.Drawto(1, 1, 1);
  EXPECT_EQ(v.AllocatedItems(), 4);  // grown by AllocSize when full
  v.Line(1, 2, 3, 4, 5, 6);
  EXPECT_EQ(v.NumItems(), 4);
  const Tr3ChartItem line = v.GetItemParams(3);
  EXPECT_EQ(line.ItemKind, Tr3Item::tkLine);
  EXPECT_EQ(line.x2, 4);
  EXPECT_EQ(line.marklw, 3);
  EXPECT_EQ(line.tag, 7);
  EXPECT_EQ(line.color, qRgb(255, 0, 0));
  EXPECT_EQ(v.GetItemParams(0).marklw, 5);
  EXPECT_EQ(v.TypeOfFirstItem(), Tr3Item::tkMarkAt);
  EXPECT_EQ(v.TypeOfLastItem(), Tr3Item::tkLine);

  // Out of range: an empty record, nothing changed.
  EXPECT_EQ(v.GetItemParams(4).ItemKind, Tr3Item::tkNone);
  EXPECT_EQ(v.GetItemParams(-1).ItemKind, Tr3Item::tkNone);
  Tr3ChartItem p = line;
  p.x = 99;
  v.SetItemParams(10, p);
  v.SetItemParams(-1, p);
  p.ItemKind = Tr3Item::tkEverything;
  v.SetItemParams(0, p);
  EXPECT_EQ(v.GetItemParams(0).ItemKind, Tr3Item::tkMarkAt);
  p.ItemKind = Tr3Item::tkMarkAt;
  v.SetItemParams(0, p);
  EXPECT_EQ(v.GetItemParams(0).x, 99);

  v.RemoveItem(4);
  v.RemoveItem(-1);
  EXPECT_EQ(v.NumItems(), 4);
  v.RemoveFirstItem();
  EXPECT_EQ(v.TypeOfFirstItem(), Tr3Item::tkMoveto);
  v.RemoveItem(1);
  EXPECT_EQ(v.NumItems(), 2);
  EXPECT_EQ(v.AllocatedItems(), 4);  // capacity kept
  v.RemoveLastItem();
  v.RemoveLastItem();
  v.RemoveLastItem();
  EXPECT_EQ(v.NumItems(), 0);
  EXPECT_EQ(v.AllocatedItems(), 0);
  EXPECT_EQ(v.TypeOfLastItem(), Tr3Item::tkNone);
}

TEST(Rot3D, MakeVisibleWritesTheScaleBackAndKeepsItWhenAutoScaleGoesOff) {
  TRot3D v;
  v.Line(0, 0, 0, 2, 4, 8);
  v.MakeVisible();
  EXPECT_DOUBLE_EQ(v.ScaleFactX(), 500);
  EXPECT_DOUBLE_EQ(v.ScaleFactZ(), 125);
  EXPECT_DOUBLE_EQ(v.OriginY(), 2);
  v.setAutoScale(false);
  v.Line(0, 0, 0, 20, 40, 80);
  v.MakeVisible();
  EXPECT_DOUBLE_EQ(v.ScaleFactX(), 500);
  v.setAutoOrigin(false);
  v.SetOrigins(1, 1, 1);
  v.MakeVisible();
  EXPECT_DOUBLE_EQ(v.OriginX(), 1);
  v.setIsoMetric(true);  // runs MakeVisible: ScaleFactX for all axes
  EXPECT_DOUBLE_EQ(v.ScaleFactZ(), 500);
}

std::vector<PaintCall> linesOf(TRot3D& v, bool bw, bool withCube = false) {
  if (!withCube) {
    v.setBoundBoxStyle(TBoundingBox::bbNone);
    v.setShowAxes(false);
  }
  RecordingPaintDevice dev(450, 300);
  {
    QPainter p(&dev);
    v.PaintPicture(p, false, bw);
  }
  return dev.callsOf(PaintCall::Line);
}

TEST(Rot3D, EveryItemKeepsItsOwnColour) {
  TRot3D v;
  // 20 distinct colours besides the fixed ones: none falls back to a shared one.
  for (int i = 0; i < 20; ++i) {
    v.setColorData(QColor(10 * i + 5, 3, 200 - i));
    v.Line(i, 0, 0, i, 1, 1);
  }
  v.MakeVisible();
  const auto lines = linesOf(v, false);
  ASSERT_EQ(lines.size(), 20u);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(lines[i].pen, QColor(10 * i + 5, 3, 200 - i)) << i;
  for (const auto& l : linesOf(v, true)) EXPECT_EQ(l.pen, QColor(Qt::black));
}

TEST(Rot3D, LinesFollowTheProjection) {
  TRot3D v;
  v.setLineWidth(4);
  v.Moveto(0, 0, 0);
  v.Drawto(1, 0, 0);
  v.MakeVisible();  // origin 0.5, factor 1000: x from -500 to 500
  v.SetViewAngles(0, 0, 0);
  const auto lines = linesOf(v, false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lineOf(lines[0]), QLineF(225 - 100, 150, 225 + 100, 150));  // 500 / 5000 * 1000
  EXPECT_EQ(lines[0].penWidth, 4);
  // Right-handed axes mirror x into y.
  v.setAxDir(TAxDir::adRightHanded);
  EXPECT_EQ(lineOf(linesOf(v, false)[0]), QLineF(225, 150 - 100, 225, 150 + 100));
}

TEST(Rot3D, CubeAxesAndNames) {
  TRot3D v;
  v.SetViewAngles(0, 0, 0);  // seen along z: corner 0 is near
  RecordingPaintDevice dev(450, 300);
  {
    QPainter p(&dev);
    v.PaintPicture(p, false, false);
  }
  const auto polygons = dev.callsOf(PaintCall::Polygon);
  ASSERT_EQ(polygons.size(), 3u);  // the faces at the near corner
  EXPECT_EQ(polygons[2].brush.color(), QColor(0xEE, 0xEE, 0xEE));  // face z = -1 head-on
  EXPECT_EQ(polygons[0].brush.color(), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(polygons[0].pen, QColor(0x40, 0x40, 0x40));
  // Axes: Z, Y, X, each inner part grey and outer part dark; then the hidden
  // edges from the far corner, then the front edges.
  const auto lines = dev.callsOf(PaintCall::Line);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lineOf(lines[4]), QLineF(225, 150, 225 + 80, 150));        // x axis to the cube edge
  EXPECT_EQ(lineOf(lines[5]), QLineF(225 + 80, 150, 225 + 140, 150));  // ... and on to 700
  EXPECT_EQ(lines[4].pen, QColor(0xB0, 0xB0, 0xB0));
  for (int i = 6; i < 9; ++i) EXPECT_EQ(lines[i].pen, QColor(0xB0, 0xB0, 0xB0));
  for (int i = 9; i < 12; ++i) EXPECT_EQ(lines[i].pen, QColor(0x40, 0x40, 0x40));
  EXPECT_EQ(lines[9].points[0], QPointF(225 - 80, 150 - 80));  // corner 0
  const auto texts = dev.callsOf(PaintCall::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "Z");
  EXPECT_EQ(texts[2].text, "X");
  EXPECT_NEAR(texts[2].points[0].x(), 225 + 150, 8);  // centred on distance 750
}

// The axis names never cover each other, from any side: seen along an axis,
// that axis's name and the centre's would meet, and one moves aside.
TEST(Rot3D, AxisNamesNeverCoverEachOther) {
  TRot3D v;
  for (double ax : {0.0, 45.0, 90.0, 180.0, 270.0})
    for (double az : {0.0, 30.0, 90.0, 135.0, 270.0}) {
      v.SetViewAngles(ax, 0, az);
      RecordingPaintDevice dev(450, 300);
      {
        QPainter p(&dev);
        v.PaintPicture(p, false, false);
      }
      std::vector<QRect> names;
      for (const PaintCall& t : dev.callsOf(PaintCall::Text)) {
        const QFontMetrics fm(t.font);
        const QPoint base = t.points[0].toPoint();
        const QRect r(base.x(), base.y() - fm.ascent(), fm.horizontalAdvance(t.text), fm.height());
        for (const QRect& other : names) EXPECT_FALSE(r.intersects(other)) << ax << "/" << az << " " << t.text.toStdString();
        names.push_back(r);
      }
      EXPECT_EQ(names.size(), 3u) << ax << "/" << az;
    }
}

TEST(Rot3D, HitTests) {
  TRot3D v;
  v.MarkAt(0, 0, 0, 1);
  v.Line(1, 1, 1, 2, 2, 2);
  v.MarkAt(1, 1, 1.1, 1);
  double dist = 0;
  EXPECT_EQ(v.FindNearestItemReal(1, 1, 1, Tr3Item::tkNone, dist), -1);
  EXPECT_DOUBLE_EQ(dist, std::sqrt(1.7e308));
  EXPECT_EQ(v.FindNearestItemReal(1, 1, 1.2, Tr3Item::tkEverything, dist), 2);
  EXPECT_EQ(v.FindNearestItemReal(1, 1, 1.2, Tr3Item::tkLine, dist), 1);
  EXPECT_NEAR(dist, 0.2, 1e-12);

  v.SetViewAngles(0, 0, 0);
  v.MakeVisible();
  // The line's far end is the nearest projected point to its own pixel.
  const QPoint far(225 + static_cast<int>((2 - v.OriginX()) * v.ScaleFactX() * 1000 / 5000),
                   150 + static_cast<int>((2 - v.OriginY()) * v.ScaleFactY() * 1000 / 5000));
  EXPECT_EQ(v.FindNearestItemScreen(far.x(), far.y(), Tr3Item::tkEverything, dist), 1);
  EXPECT_LE(dist, 1.0);
  EXPECT_EQ(v.FindNearestItemScreen(far.x(), far.y(), Tr3Item::tkMarkAt, dist), 2);
  // Entries removed since MakeVisible never come back as answers.
  v.RemoveLastItem();
  v.RemoveLastItem();
  EXPECT_EQ(v.FindNearestItemScreen(far.x(), far.y(), Tr3Item::tkEverything, dist), 0);
  v.Clear();
  EXPECT_EQ(v.FindNearestItemScreen(far.x(), far.y(), Tr3Item::tkEverything, dist), -1);
}

TEST(Rot3D, ClearKeepsThePictureAndAnEmptyMakeVisibleForgetsIt) {
  TRot3D v;
  v.setBoundBoxStyle(TBoundingBox::bbNone);
  v.setShowAxes(false);
  v.setColorData(Qt::red);
  v.setLineWidth(5);
  v.Line(-1, 0, 0, 1, 0, 0);
  v.SetViewAngles(0, 0, 0);
  v.MakeVisible();
  EXPECT_EQ(QColor(v.GrafBmp().pixel(225, 150)), QColor(Qt::red));
  v.Clear();
  EXPECT_EQ(QColor(v.GrafBmp().pixel(225, 150)), QColor(Qt::white));
  v.setColorChart(QColor(250, 250, 250));  // any repaint shows the old points
  EXPECT_EQ(QColor(v.GrafBmp().pixel(225, 150)), QColor(Qt::red));
  v.MakeVisible();  // empty: forgets, no paint
  EXPECT_EQ(QColor(v.GrafBmp().pixel(225, 150)), QColor(Qt::red));
  v.setColorChart(Qt::white);
  EXPECT_EQ(QColor(v.GrafBmp().pixel(225, 150)), QColor(Qt::white));
}

TEST(Rot3D, MouseTurnsZoomsAndPans) {
  TRot3D v;
  v.setMouseAction(TMouseActMode::maRotAndZoom);
  v.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
  // Left drag: a full width turns by 360 degrees, and X gains the 360 the
  // view keeps (angles set by the mouse are not reduced).
  QTest::mousePress(&v, Qt::LeftButton, {}, QPoint(200, 100));  // no move before: anchors from the press
  QTest::mouseMove(&v, QPoint(200 - 45, 130));
  EXPECT_DOUBLE_EQ(v.ViewAngleZ(), 210 + 36);
  EXPECT_DOUBLE_EQ(v.ViewAngleX(), 110 + 360 + 36);
  EXPECT_EQ(v.RotMat(), CalcRotMat2Angles(v.ViewAngleX(), v.ViewAngleZ(), TAxDir::adLeftHanded));
  QTest::mouseRelease(&v, Qt::LeftButton, {}, QPoint(155, 130));

  // Right drag zooms: moving up by a third of the height adds 4.9 / 3.
  QTest::mouseMove(&v, QPoint(100, 200));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 200), v.mapToGlobal(QPointF(100, 200)), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&v, &press);
  QMouseEvent move(QEvent::MouseMove, QPointF(100, 190), v.mapToGlobal(QPointF(100, 190)), Qt::NoButton,
                   Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&v, &move);
  EXPECT_EQ(v.Magnify(), static_cast<int>(std::nearbyint(4000 / (0.8 + 4.9 * 10 / 300))));
  QMouseEvent far(QEvent::MouseMove, QPointF(100, 0), v.mapToGlobal(QPointF(100, 0)), Qt::NoButton,
                  Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&v, &far);
  EXPECT_EQ(v.Magnify(), 984);  // Round(4000 / (0.8 + 4.9 * 200 / 300))
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(100, 0), v.mapToGlobal(QPointF(100, 0)), Qt::RightButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&v, &release);
  // The zoom stops at 5.
  v.setMagnification(4.5);
  QTest::mouseMove(&v, QPoint(100, 200));
  QApplication::sendEvent(&v, &press);
  QApplication::sendEvent(&v, &far);
  QApplication::sendEvent(&v, &release);
  EXPECT_EQ(v.Magnify(), 800);

  // Pan, not clamped; outside the control nothing happens.
  v.setMouseAction(TMouseActMode::maPan);
  QTest::mousePress(&v, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(&v, QPoint(30, 5));
  EXPECT_EQ(v.CentX(), 225 + 20);
  EXPECT_EQ(v.CentY(), 150 - 5);
  QTest::mouseMove(&v, QPoint(500, 5));
  EXPECT_EQ(v.CentX(), 225 + 20);
  QTest::mouseRelease(&v, Qt::LeftButton, {}, QPoint(30, 5));
}

// ----- export

TEST(Rot3D, CopyToOpenPrinterAt600Dpi) {
  TRot3D v;
  v.setColorChart(Qt::yellow);
  QImage page(3600, 2600, QImage::Format_RGB32);
  page.setDotsPerMeterX(std::lround(600 / 0.0254));
  page.setDotsPerMeterY(std::lround(600 / 0.0254));
  page.fill(Qt::blue);
  int x = 100, y = 200;
  {
    QPainter p(&page);
    v.CopyToOpenPrinter(p, x, y, 1.0, false, false);
    EXPECT_EQ(p.transform(), QTransform());  // painter state restored
    EXPECT_FALSE(p.hasClipping());
  }
  EXPECT_EQ(x, 100 + 2812);  // Round(450 / 96 * 600) = Round(2812.5), ties to even
  EXPECT_EQ(y, 200 + 1875);
  // Clipped to Round(600 * 449 / 96) = 2806 by Round(600 * 299 / 96) = 1869.
  EXPECT_EQ(QColor(page.pixel(100, 200)), QColor(Qt::yellow));
  EXPECT_EQ(QColor(page.pixel(100 + 2805, 200 + 1868)), QColor(Qt::yellow));
  EXPECT_EQ(QColor(page.pixel(100 + 2806, 300)), QColor(Qt::blue));
  EXPECT_EQ(QColor(page.pixel(300, 200 + 1869)), QColor(Qt::blue));
  EXPECT_EQ(QColor(page.pixel(99, 300)), QColor(Qt::blue));

  // Half scale, black and white: a white background, colours back afterwards.
  x = 0, y = 0;
  {
    QPainter p(&page);
    v.CopyToOpenPrinter(p, x, y, 0.5, true, true);
  }
  EXPECT_EQ(x, 1406);  // Round(1406.25)
  EXPECT_EQ(QColor(page.pixel(700, 10)), QColor(Qt::white));
  EXPECT_EQ(v.ColorChart(), QColor(Qt::yellow));
  EXPECT_EQ(v.ColorFrame(), QColor(Qt::black));
}

TEST(Rot3D, BlackAndWhiteColoursComeBackWhenRenderingFails) {
  TRot3D v;
  v.setColorChart(Qt::yellow);
  v.setColorFrame(Qt::green);
  v.setColorData(Qt::red);
  v.OnBeforeRenderData = [](TRot3D*, QPainter*&) { throw std::runtime_error("printer gone"); };
  QImage page(1000, 1000, QImage::Format_RGB32);
  int x = 0, y = 0;
  QPainter p(&page);
  EXPECT_THROW(v.CopyToOpenPrinter(p, x, y, 1.0, true, true), std::runtime_error);
  EXPECT_EQ(v.ColorChart(), QColor(Qt::yellow));
  EXPECT_EQ(v.ColorFrame(), QColor(Qt::green));
  EXPECT_EQ(v.ColorData(), QColor(Qt::red));
  EXPECT_FALSE(p.hasClipping());
  EXPECT_THROW(v.Snapshot(true, true), std::runtime_error);
  EXPECT_EQ(v.ColorChart(), QColor(Qt::yellow));
}

TEST(Rot3D, ClipboardAndBitmapFile) {
  TRot3D v;
  v.setColorChart(Qt::yellow);
  v.setFrameStyle(TFrameStyle::fsSimple);
  v.setColorFrame(Qt::red);
  v.CopyToClipboard(true);
  QImage clip = QGuiApplication::clipboard()->image();
  ASSERT_EQ(clip.size(), QSize(450, 300));
  EXPECT_EQ(QColor(clip.pixel(0, 0)), QColor(Qt::red));
  EXPECT_EQ(QColor(clip.pixel(5, 5)), QColor(Qt::yellow));
  v.CopyToClipboard(false, true);  // the snapshot in black and white
  clip = QGuiApplication::clipboard()->image();
  EXPECT_EQ(QColor(clip.pixel(0, 0)), QColor(Qt::white));

  QTemporaryDir dir;
  ASSERT_TRUE(v.CopyToBMP(dir.filePath("pic.old.png"), false));
  const QImage saved(dir.filePath("pic.bmp"));
  EXPECT_EQ(saved.size(), QSize(450, 300));
  EXPECT_FALSE(v.CopyToBMP(dir.filePath("missing/folder/pic.bmp"), false));

  // The vector picture: SVG in a file and, with an image beside it, on the clipboard.
  ASSERT_TRUE(v.CopyToSVG(dir.filePath("vec.old.wmf"), true));
  QFile svg(dir.filePath("vec.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray text = svg.readAll();
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("viewBox=\"0 0 451 301\""));
  EXPECT_FALSE(v.CopyToSVG(dir.filePath("missing/folder/pic"), false));
  v.CopyToClipboardSVG(false);
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(mime, nullptr);
  EXPECT_TRUE(mime->hasFormat("image/svg+xml"));
  EXPECT_TRUE(mime->hasImage());
}

}  // namespace
}  // namespace zw
