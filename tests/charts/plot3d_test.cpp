// The surface plot as a widget: setters, grid refresh, cells, export, mouse.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

#include "charts/Plot3D.h"
#include "tests/common/RecordingPaintDevice.h"

namespace zw {
namespace {

TEST(Plot3D, RangesAnglesAndClamps) {
  TPlot3D p;
  EXPECT_EQ(p.size(), QSize(650, 500));
  p.SetRange(0, 0, -1, 2, 5, 5);
  EXPECT_EQ(p.RangeXLow(), -0.5);
  EXPECT_EQ(p.RangeXHigh(), 0.5);
  EXPECT_EQ(p.RangeYHigh(), 2);
  EXPECT_EQ(p.RangeZLow(), 4.5);
  p.setRangeZLow(p.RangeZHigh());
  EXPECT_EQ(p.RangeZLow(), 4.5);  // 5.5 - 1
  p.setRangeXHigh(p.RangeXLow());
  EXPECT_EQ(p.RangeXHigh(), 0.5);

  p.SetViewAngles(720, -30);
  EXPECT_EQ(p.ViewAngleX(), 0);
  EXPECT_NEAR(p.ViewAngleZ(), 330, 1e-9);
  p.setViewAngleX(360);
  EXPECT_EQ(p.ViewAngleX(), 360);
  EXPECT_EQ(p.RotMat(), CalcPlotRotMat(360, p.ViewAngleZ()));

  p.setColorScaleLow(100);  // equal to high: ignored
  EXPECT_EQ(p.ColorScaleLow(), 0);
  p.setColorScaleHigh(-1);
  EXPECT_EQ(p.ColorScaleHigh(), 100);
  p.setMinTickX(1);
  EXPECT_EQ(p.MinTick(0), 2);
  p.setMinTickX(50);
  EXPECT_EQ(p.MinTick(0), 20);
  p.setDecPlace(1, -7);
  EXPECT_EQ(p.DecPlace(1), -2);
  p.setMagnification(1000);
  EXPECT_EQ(p.Magnification(), 100);
  p.setMagnification(0);
  EXPECT_EQ(p.Magnification(), 0.001);

  p.setCentX(10);  // AutoCenter: ignored, centre stays in the middle
  EXPECT_EQ(p.CentX(), 325);
  p.setAutoCenter(false);
  p.setCentX(5000);
  EXPECT_EQ(p.CentX(), 1300);
  p.setCentY(-5000);
  EXPECT_EQ(p.CentY(), -500);
  p.setAutoCenter(true);
  EXPECT_EQ(p.CentX(), 325);
  p.Reset();
  EXPECT_EQ(p.ViewAngleX(), 66);
  EXPECT_EQ(p.ViewAngleZ(), 135);
}

TEST(Plot3D, FillingTheGridOnlyMarksItStale) {
  int renders = 0;
  TPlot3D p;
  p.OnDataRendered = [&](TPlot3D*, QPainter*&) { ++renders; };
  p.GridMat.Resize(40, 30);
  for (int i = 1; i <= 40; ++i)
    for (int j = 1; j <= 30; ++j) p.GridMat.SetElem(i, j, std::sin(i / 5.0) * std::cos(j / 5.0));
  EXPECT_EQ(renders, 0);
  EXPECT_EQ(p.ProjMapX.NrOfColumns(), 1);  // not yet refreshed
  EXPECT_NEAR(p.MaxZ(), 1, 0.01);
  EXPECT_NEAR(p.MinZ(), -1, 0.01);
  EXPECT_EQ(p.ProjMapX.NrOfColumns(), 40);
  EXPECT_EQ(p.ProjMapZ.NrOfRows(), 30);
  p.AutoScale();
  EXPECT_EQ(renders, 1);
  EXPECT_DOUBLE_EQ(p.ScaleFactX(), 1);
  EXPECT_DOUBLE_EQ(p.ScaleFactY(), 40.0 / 30);
  EXPECT_NEAR(p.ScaleFactZ(), 40 / (p.MaxZ() - p.MinZ()), 1e-12);
}

struct CellLog {
  std::vector<std::pair<int, int>> cells;
  std::vector<QColor> colors;
};

CellLog drawCells(TPlot3D& p) {
  CellLog log;
  p.OnBeforeRenderPolygon = [&](TPlot3D*, QPainter*&, bool&, int i, int j, const TQuad&, QColor& c) {
    log.cells.emplace_back(i, j);
    log.colors.push_back(c);
  };
  QImage img(p.size(), QImage::Format_RGB32);
  QPainter painter(&img);
  p.PaintPicture(painter, false);
  p.OnBeforeRenderPolygon = nullptr;
  return log;
}

TEST(Plot3D, CellsInPainterOrderWithTheirColours) {
  TPlot3D p;
  p.GridMat.Resize(3, 3);
  p.GridMat.Fill(50);
  p.GridMat.SetElem(3, 3, 500);  // above the colour scale: the end colour
  p.SetViewAngles(60, 15);
  CellLog log = drawCells(p);
  EXPECT_EQ(log.cells, (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
  EXPECT_EQ(log.colors[0], QColor(128, 128, 0));  // 50 of 0..100 between black and yellow
  EXPECT_EQ(log.colors[3], QColor(255, 255, 0));  // the largest corner counts
  p.setColorCodeAvg(true);
  EXPECT_EQ(drawCells(p).colors[3], QColor::fromRgb(ColorCode((50 * 3 + 500) / 4.0, 0, 100,
                                                              TColorCodingMode::ccmTwoColors, qRgb(0, 0, 0),
                                                              qRgb(0, 0, 255), qRgb(255, 255, 0))));
  p.SetViewAngles(200, 135);  // another quadrant: other end first
  log = drawCells(p);
  EXPECT_EQ(log.cells.front(), std::make_pair(2, 1));
  // Sequence numbers: the last cell drawn has the largest at its node.
  const auto [li, lj] = log.cells.back();
  EXPECT_EQ(p.ProjMapZ.Elem(li, lj), 3 + 2);

  // A single row or column draws no cells, the cube still shows.
  p.GridMat.Resize(1, 5);
  EXPECT_TRUE(drawCells(p).cells.empty());
  EXPECT_NE(QColor(p.GrafBmp().pixel(325, 250)), QColor(Qt::white));
}

TEST(Plot3D, MeshKinds) {
  TPlot3D p;
  p.GridMat.Resize(3, 3);
  p.setVisibleCoords(0, false);
  p.setVisibleCoords(1, false);
  p.setVisibleCoords(2, false);
  struct Case { TMeshKind kind; size_t extraLines, points; } cases[] = {
      {TMeshKind::mkMesh, 0, 0},
      {TMeshKind::mkWaterfallHorz, 8, 0},
      {TMeshKind::mkWaterfallVert, 8, 0},
      {TMeshKind::mkWaterfallDiag, 4, 0},
      {TMeshKind::mkGrid, 0, 16},
  };
  for (const Case& c : cases) {
    p.setMeshKind(c.kind);
    test::RecordingPaintDevice dev(650, 500);
    {
      QPainter painter(&dev);
      p.PaintPicture(painter, false);
    }
    using test::PaintCall;
    const auto polygons = dev.callsOf(PaintCall::Polygon);
    EXPECT_EQ(polygons.size(), 3u + 4u) << static_cast<int>(c.kind);  // cube faces and cells
    EXPECT_EQ(dev.callsOf(PaintCall::Line).size(), 6u + c.extraLines) << static_cast<int>(c.kind);  // cube edges too
    EXPECT_EQ(dev.callsOf(PaintCall::Point).size(), c.points);
    // The mesh colour draws the cell outline only for mkMesh.
    EXPECT_EQ(polygons[3].pen, c.kind == TMeshKind::mkMesh ? QColor(Qt::black) : polygons[3].brush.color());
  }
}

TEST(Plot3D, ScaleTicksSitOnTheCubeEdges) {
  struct Label { TP3ScaleKind kind; QString text; QPoint at; };
  std::vector<Label> labels;
  TPlot3D p;  // angles 60 / 15, ranges -1 .. 1, three ticks at least
  p.OnBeforeDrawScaleLabel = [&](TPlot3D*, QPainter*&, TP3ScaleKind kind, QString& text, int x, int y) {
    labels.push_back({kind, text, QPoint(x, y)});
    if (kind == TP3ScaleKind::p3skY) text = "y" + text;  // the handler may change the label
  };
  QImage img(p.size(), QImage::Format_RGB32);
  QPainter painter(&img);
  p.PaintPicture(painter, false);
  ASSERT_EQ(labels.size(), 15u);
  const TPlotView view{p.RotMat(), 1, 1, 1, 1, 325, 250};
  const int far = 7 - NearestPlotCorner(p.RotMat());
  auto corner = [&](int c) {
    return ProjectPlot(view, (c & 4) ? 150 : -150, (c & 2) ? 150 : -150, (c & 1) ? 150 : -150);
  };
  const QString xTexts[] = {"-1.0", "-0.5", "0.0", "0.5", "1.0"};
  const QString zTexts[] = {"-1.00", "-0.50", "0.00", "0.50", "1.00"};
  for (int axis = 0; axis < 3; ++axis) {
    const TScaleEdge e = ScaleEdge(static_cast<TP3ScaleKind>(axis), p.RotMat(), far);
    const QPoint a = corner(e.a), b = corner(e.b);
    for (int k = 0; k < 5; ++k) {
      const Label& l = labels[static_cast<size_t>(5 * axis + k)];
      EXPECT_EQ(static_cast<int>(l.kind), axis);
      EXPECT_EQ(l.text, axis == 2 ? zTexts[k] : xTexts[k]);
      const double t = k / 4.0;
      EXPECT_EQ(l.at, QPoint(a.x() + static_cast<int>(std::nearbyint(t * (b.x() - a.x()))),
                             a.y() + static_cast<int>(std::nearbyint(t * (b.y() - a.y())))))
          << axis << " " << k;
    }
  }
  // The z scale stands on a bottom corner, the x scale runs from x = -150.
  EXPECT_EQ(ScaleEdge(TP3ScaleKind::p3skZ, p.RotMat(), far).a & 1, 0);
  EXPECT_EQ(ScaleEdge(TP3ScaleKind::p3skX, p.RotMat(), far).a & 4, 0);
}

TEST(Plot3D, ExportRestoresColoursAndPaintingOnEveryExit) {
  TPlot3D p;
  p.GridMat.Resize(5, 5);
  p.setColorBakGnd(Qt::yellow);
  p.setColorHigh(Qt::red);
  QImage page(5000, 5000, QImage::Format_RGB32);
  page.setDotsPerMeterX(std::lround(600 / 0.0254));
  page.setDotsPerMeterY(std::lround(600 / 0.0254));
  page.fill(Qt::blue);
  int x = 0, y = 0;
  {
    QPainter painter(&page);
    p.CopyToOpenPrinter(painter, x, y, 1.0, true, true);
  }
  EXPECT_EQ(x, 4062);  // Round(650 / 96 * 600) = Round(4062.5), ties to even
  EXPECT_EQ(y, 3125);
  EXPECT_EQ(QColor(page.pixel(20, 20)), QColor(Qt::white));  // black-and-white background
  EXPECT_EQ(p.ColorBakGnd(), QColor(Qt::yellow));
  EXPECT_EQ(p.ColorHigh(), QColor(Qt::red));
  EXPECT_FALSE(p.SuppressPaint());
  EXPECT_EQ(QColor(p.GrafBmp().pixel(20, 20)), QColor(Qt::yellow));

  p.OnDataRendered = [](TPlot3D*, QPainter*&) { throw std::runtime_error("no printer"); };
  {
    QPainter painter(&page);
    EXPECT_THROW(p.CopyToOpenPrinter(painter, x, y, 1.0, true, true), std::runtime_error);
    EXPECT_FALSE(painter.hasClipping());
  }
  EXPECT_EQ(p.ColorBakGnd(), QColor(Qt::yellow));
  EXPECT_FALSE(p.SuppressPaint());
  p.OnDataRendered = nullptr;

  p.CopyToClipboard(false, true);
  const QImage clip = QGuiApplication::clipboard()->image();
  EXPECT_EQ(QColor(clip.pixel(20, 20)), QColor(Qt::white));
  EXPECT_EQ(p.ColorBakGnd(), QColor(Qt::yellow));
}

TEST(Plot3D, MouseTurnsZoomsAndPans) {
  int actions = 0;
  TPlot3D p;
  p.GridMat.Resize(10, 10);
  p.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
  p.OnMouseAction = [&](TPlot3D*, int&, int&, double&, double&, double&, Qt::MouseButtons) { ++actions; };
  QTest::mousePress(&p, Qt::LeftButton, {}, QPoint(300, 200));
  QTest::mouseMove(&p, QPoint(300 - 65, 200 - 50));  // a tenth of the width and height
  EXPECT_NEAR(p.ViewAngleZ(), 15 + 36, 1e-9);
  EXPECT_NEAR(p.ViewAngleX(), 60 + 36, 1e-9);
  QTest::mouseMove(&p, QPoint(300 + 130, 200));  // below 0: + 360
  EXPECT_NEAR(p.ViewAngleZ(), 15 - 72 + 360, 1e-9);
  QTest::mouseRelease(&p, Qt::LeftButton, {}, QPoint(430, 200));
  EXPECT_EQ(actions, 2);
  EXPECT_EQ(p.RotMat(), CalcPlotRotMat(p.ViewAngleX(), p.ViewAngleZ()));

  p.setMouseAction(TMouseActMode::maZoom);
  QTest::mousePress(&p, Qt::LeftButton, {}, QPoint(300, 400));
  QTest::mouseMove(&p, QPoint(300, 300));
  EXPECT_NEAR(p.Magnification(), 1 + 99.999 * 100 / 500 / 2, 1e-9);
  QTest::mouseRelease(&p, Qt::LeftButton, {}, QPoint(300, 300));

  p.setMouseAction(TMouseActMode::maPan);
  QTest::mousePress(&p, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(&p, QPoint(110, 90));
  EXPECT_EQ(p.CentX(), 335);
  EXPECT_EQ(p.CentY(), 240);
  QTest::mouseRelease(&p, Qt::LeftButton, {}, QPoint(110, 90));
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// The rectangles of the texts drawn on a recording device.
std::vector<std::pair<QString, QRect>> textRects(const test::RecordingPaintDevice& dev) {
  std::vector<std::pair<QString, QRect>> out;
  for (const test::PaintCall& c : dev.callsOf(test::PaintCall::Text)) {
    const QFontMetrics fm(c.font);
    const QPoint base = c.points[0].toPoint();
    out.emplace_back(c.text, QRect(base.x(), base.y() - fm.ascent(), fm.horizontalAdvance(c.text), fm.height()));
  }
  return out;
}

// From every side and height no two texts of the plot cover each other: the
// x and y end labels at the front corner, the z caption and its middle label.
TEST(Plot3D, LabelsAndCaptionsNeverCoverEachOther) {
  TPlot3D p;
  p.GridMat.Resize(5, 5);
  p.setCaption(0, QStringLiteral("x-Achse"));
  p.setCaption(1, QStringLiteral("y-Achse"));
  p.setCaption(2, QStringLiteral("f(x,y)"));
  int views = 0, texts = 0;
  for (double ax : {15.0, 60.0, 100.0, 200.0, 300.0})
    for (double az = 0; az < 360; az += 15) {
      p.SetViewAngles(ax, az);
      test::RecordingPaintDevice dev(650, 500);
      {
        QPainter painter(&dev);
        p.PaintPicture(painter, false);
      }
      const auto rects = textRects(dev);
      ++views;
      texts += static_cast<int>(rects.size());
      for (std::size_t i = 0; i < rects.size(); ++i)
        for (std::size_t j = i + 1; j < rects.size(); ++j)
          EXPECT_FALSE(rects[i].second.intersects(rects[j].second))
              << "view " << ax << "/" << az << ": \"" << rects[i].first.toStdString() << "\" covers \""
              << rects[j].first.toStdString() << "\"";
      // The captions are moved aside, not left out.
      for (const char* caption : {"x-Achse", "y-Achse", "f(x,y)"})
        EXPECT_TRUE(std::any_of(rects.begin(), rects.end(), [&](const auto& r) { return r.first == caption; }))
            << caption << " missing at " << ax << "/" << az;
    }
  // Most labels stay: only those that would cover another go.
  EXPECT_GT(texts, views * 12);
}

}  // namespace
}  // namespace zw
