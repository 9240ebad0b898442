// The chart widget: adders and drawing state, repaint rule, painting of frame,
// shadow, grid and items, hooks under screen, export and print transforms.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QImage>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTest>
#include <gtest/gtest.h>

#include "charts/ChartExport.h"
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
  EXPECT_EQ(c.DisplayList().GetItemParams(0).Color, kRed);
  EXPECT_EQ(c.DisplayList().GetItemParams(0).LWid, 3);
  c.setClassDefault(4);
  c.setClassDefault(255);
  EXPECT_EQ(c.ClassDefault(), 4);
  c.setGridDx(-3);
  EXPECT_EQ(c.GridDx(), -3);
  c.setGridDx(-3.5);
  EXPECT_EQ(c.GridDx(), -3);
  c.Bar3D(0, 0, 1, 1, 5, 200);
  EXPECT_EQ(c.DisplayList().GetItemParams(1).SizeOrAngle, 180);
  c.Bar3D(0, 0, 1, 1, 5, -5);
  EXPECT_EQ(c.DisplayList().GetItemParams(2).SizeOrAngle, 0);
  c.Text(0, 0, 10, "twenty characters!!!");
  EXPECT_EQ(c.DisplayList().GetItemParams(3).text(), "twenty characte");
  c.RectFrame(0, 0, 1, 1, TFrameStyle::fsRaised, 0, 0);
  EXPECT_EQ(c.DisplayList().GetItemParams(4).LWid, 1);
  c.setActiveLayer(3);
  c.setActiveLayer(17);
  c.MarkAt(1, 1, 24);
  EXPECT_EQ(c.DisplayList().GetItemParams(5).Layer, 3);
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
  c.RenderTo(p, {.Media = TChartMedia::Print});
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
    c.Layers().R2M(1, v, 1, x, y);
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
  c.Layers().X(1).setShortTicks(false);
  c.SetRange(1, 0, 0, 100, 1);
  EXPECT_EQ(gridXs(c), columnsOf(c, {0, 20, 40, 60, 80}));  // no line on the high edge
  c.setGridDx(30);
  EXPECT_EQ(gridXs(c), columnsOf(c, {0, 30, 60, 90}));
  c.SetRange(1, 1, 1, 100, 10);
  c.Layers().X(1).setLogarithmic(true);
  c.setGridDx(-2);
  EXPECT_EQ(gridXs(c), columnsOf(c, {2, 5, 10, 20, 50}));
  c.SetRange(1, 0.5, 1, 1000, 10);
  c.setGridDx(-1);
  EXPECT_EQ(gridXs(c), columnsOf(c, {1, 10, 100}));
  c.Layers().X(1).setLogarithmic(false);
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
  const QImage copy = ChartExportImage(c, false);
  EXPECT_EQ(copy.pixelColor(100, 60), QColor(Qt::red));
  test::RecordingPaintDevice page(5000, 7000, 600);
  QPainter p(&page);
  int x = 200, y = 1000;
  ChartCopyToOpenPrinter(c, p, x, y, 1.0, false, 600, 600);
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
  ChartCopyToOpenPrinter(c, p, x, y, 0.5, false, 600, 600);
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
  const QImage bw = ChartExportImage(c, true);
  EXPECT_EQ(bw.pixelColor(10, 10), QColor(Qt::white));
  int x, y;
  c.Layers().R2M(1, 0.5, 0.5, x, y);
  EXPECT_EQ(bw.pixelColor(x, y), QColor(Qt::black));
  ChartCopyToClipboard(c, true);
  EXPECT_EQ(QApplication::clipboard()->image().pixelColor(10, 10), QColor(Qt::white));
  EXPECT_EQ(c.ChartImage().pixelColor(10, 10), ToQColor(kGrey));
  EXPECT_EQ(c.ChartImage().pixelColor(x, y), ToQColor(kRed));
  EXPECT_EQ(c.WindColor(), kGrey);
}

TEST(VIrada, StandardLayouts) {
  TVIrada c;
  c.setStandardLayout(TrcLayout::rcl_X1Bottom_Y2Left);
  EXPECT_EQ(c.MarginLeft(), 100);
  EXPECT_TRUE(c.Layers().Y(2).Visible());
  EXPECT_EQ(c.Layers().Y(2).ScalePos(), 50);
  EXPECT_FALSE(c.Layers().Y(3).Visible());
  c.setStandardLayout(TrcLayout::rcl_X2Both_Y2Both);
  EXPECT_EQ(c.Layers().X(2).ScaleType(), TScaleType::sctXB);  // on top
  EXPECT_EQ(c.MarginTop(), 48);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(VIradaRanges, AutoRangeFromTheItemsAndEqualRanges) {
  TVIrada c;
  c.resize(400, 300);
  c.Loaded();
  c.MarkAt(2, 3, 0);
  c.Line(4, -1, 6, 7);
  c.AutoRange(1, 10);
  EXPECT_DOUBLE_EQ(c.Layers().X(1).RangeLow(), 2 - 0.4);
  EXPECT_DOUBLE_EQ(c.Layers().X(1).RangeHigh(), 6 + 0.4);
  EXPECT_DOUBLE_EQ(c.Layers().Y(1).RangeLow(), -1 - 0.8);
  c.SetRange(1, 0, 0, 1, 1);
  c.AutoRangeYOnly(1, 0);
  EXPECT_EQ(c.Layers().X(1).RangeHigh(), 1);
  EXPECT_EQ(c.Layers().Y(1).RangeHigh(), 7);
  c.SetRange(2, -5, 0, 0, 20);
  c.SetEqualRange((1u << 1) | (1u << 2));
  EXPECT_EQ(c.Layers().X(1).RangeLow(), -5);
  EXPECT_EQ(c.Layers().X(2).RangeHigh(), 1);
  EXPECT_EQ(c.Layers().Y(1).RangeHigh(), 20);
  c.SetRange(3, 100, 100, 200, 200);
  c.SetEqualRangeXOnly((1u << 1) | (1u << 3));
  EXPECT_EQ(c.Layers().X(1).RangeHigh(), 200);
  EXPECT_EQ(c.Layers().Y(1).RangeHigh(), 20);
  c.SetEqualRange(0);  // nothing
  EXPECT_EQ(c.Layers().X(3).RangeLow(), -5);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(VIradaExport, FilesClipboardAndBitmap) {
  TVIrada c;
  c.resize(280, 200);
  c.Loaded();
  c.Line(0, 0, 1, 1);
  QTemporaryDir dir;
  ASSERT_TRUE(ChartCopyToBMP(c, QDir(dir.path()).filePath("chart.old.png"), false));
  EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath("chart.bmp")));
  ASSERT_TRUE(ChartCopyToSVG(c, QDir(dir.path()).filePath("pic"), true));
  QFile svg(QDir(dir.path()).filePath("pic.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
  ChartCopyToClipboardSVG(c, false);
  const QMimeData* m = QApplication::clipboard()->mimeData();
  EXPECT_TRUE(m->hasFormat("image/svg+xml"));
  EXPECT_TRUE(m->hasImage());
  ChartCopyToBitmap(c, nullptr, false);  // nothing
  QImage img;
  ChartCopyToBitmap(c, &img, false);
  EXPECT_EQ(img.size(), QSize(280, 200));
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(VIradaCrossHairs, OverlayOnScreenOnlyAndNotOnTheBorder) {
  Shown s;
  TVIrada& c = s.chart;
  c.SetRange(1, 0, 0, 10, 10);
  c.CrossHairSetup(1, 0x0000FF, TCrossHMode::chBoth, Qt::SolidLine, 1);
  c.CrossHairSetPos(1, 5, 5);
  int x, y;
  c.Layers().R2M(1, 5, 5, x, y);
  const QImage shot = c.grab().toImage();
  EXPECT_EQ(shot.pixelColor(x, y - 20), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(x + 20, y), QColor(Qt::red));
  EXPECT_NE(ChartExportImage(c, false).pixelColor(x, y - 20), QColor(Qt::red));  // not in copies
  c.CrossHairSetPos(1, 0, 10);  // on the border: not drawn
  const QImage border = c.grab().toImage();
  int xb, yb;
  c.Layers().R2M(1, 0, 10, xb, yb);
  EXPECT_NE(border.pixelColor(xb + 30, yb), QColor(Qt::red));
  c.CrossHairSetup(7, 0, TCrossHMode::chBoth, Qt::SolidLine, 1);  // ignored
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(VIradaBackground, AreasAndAMissingPicture) {
  Shown s;
  TVIrada& c = s.chart;
  c.SetRange(1, -10, -10, 10, 10);
  c.BackGroundImg().setAreaColor(0x00FF00);
  c.BackGroundImg().setArea(-5, 5, 5, -5);
  c.BackGroundImg().setAreaMode(TBGAreaMode::bamVStripe);
  int x0, y0, x1, y1;
  c.Layers().R2M(1, 0, 0, x0, y0);
  c.Layers().R2M(1, 8, 0, x1, y1);
  QImage img = c.ChartImage();
  EXPECT_EQ(img.pixelColor(x0, y0), QColor(Qt::green));
  EXPECT_EQ(img.pixelColor(x1, y1), QColor(Qt::white));
  c.BackGroundImg().setAreaMode(TBGAreaMode::bamRect);
  c.Layers().R2M(1, 0, 8, x1, y1);
  EXPECT_EQ(c.ChartImage().pixelColor(x1, y1), QColor(Qt::white));
  // A picture that cannot be read: the plot shows the chart colour, the name
  // goes after the painting, and nothing repaints from inside the painting.
  c.BackGroundImg().setIncludePath(true);
  c.BackGroundImg().setName("/no/such/picture.png");
  const int renders = c.renderCount();
  EXPECT_EQ(c.ChartImage().pixelColor(x0, y0), QColor(Qt::white));
  EXPECT_EQ(c.renderCount(), renders + 1);
  QApplication::processEvents();
  EXPECT_TRUE(c.BackGroundImg().Name().isEmpty());
  c.BackGroundImg().setIncludePath(false);
  c.BackGroundImg().setName("/a/b/pic.png");
  EXPECT_EQ(c.BackGroundImg().Name(), "pic.png");
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(VIradaExport, PrintItWritesOneJob) {
  TVIrada c;
  c.resize(280, 200);
  c.Loaded();
  c.setCaption("Demo");
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(600);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(dir.path()).filePath("job.pdf"));
  ASSERT_TRUE(ChartPrintIt(c, printer, 1.0, true));
  EXPECT_EQ(printer.docName(), "Demo");
  EXPECT_GT(QFileInfo(QDir(dir.path()).filePath("job.pdf")).size(), 500);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(VIradaLabels, PlacesAndTheirLimit) {
  TVIrada c;
  c.resize(300, 220);
  c.Loaded();
  c.SetRange(1, 0, 0, 10, 10);
  const int n = c.AddTextLabel(5, 5, 0x0000FF, "one\ntwo", 0);
  EXPECT_EQ(n, 1);
  c.TextLabel(1).setVerticalAlignment(TVerticalAlignment::vaBottom);
  test::RecordingPaintDevice dev(300, 220, 96);
  {
    QPainter p(&dev);
    c.RenderTo(p, {.Media = TChartMedia::Print});
  }
  const auto texts = dev.callsOf(test::PaintCall::Text);
  const QFontMetrics fm(c.TextLabel(1).Font());
  int ax, ay;
  c.Layers().R2M(1, 5, 5, ax, ay);
  int found = 0;
  for (const auto& t : texts) {
    if (t.text == "one") {
      ++found;
      EXPECT_EQ(t.points[0].y(), ay - 2 * fm.height() + fm.ascent());  // block's lower edge on the anchor
      EXPECT_EQ(t.pen, QColor(Qt::red));
    }
    if (t.text == "two") {
      ++found;
      EXPECT_EQ(t.points[0].y(), ay - fm.height() + fm.ascent());
    }
  }
  EXPECT_EQ(found, 2);
  for (int i = 2; i <= 30; ++i) EXPECT_EQ(c.AddTextLabel(0, 0, 0, "x", 1), i);
  EXPECT_EQ(c.AddTextLabel(0, 0, 0, "x", 0), 0);
  c.AllTextLabelsOff();
  EXPECT_EQ(c.AddTextLabel(0, 0, 0, "x", 0), 0);  // off but still taken
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

TEST(VIradaSharing, UsersOwnersAndCopies) {
  std::vector<QString> messages;
  // The program-wide handler comes back on every way out of the test, so it
  // never points at this test's dead vector.
  struct Restore {
    decltype(TVIrada::DataShareMessage) keep = TVIrada::DataShareMessage;
    ~Restore() { TVIrada::DataShareMessage = keep; }
  } restore;
  TVIrada::DataShareMessage = [&](QWidget*, const QString& t) { messages.push_back(t); };
  auto a = std::make_unique<TVIrada>();
  TVIrada b, c;
  a->setUseDataOf(a.get());
  EXPECT_EQ(messages.back(), "VIrada: Cannot share data with myself");
  b.setUseDataOf(a.get());
  c.setUseDataOf(&b);  // b uses a: c becomes a user of a
  EXPECT_EQ(c.UseDataOf(), a.get());
  c.Line(0, 0, 1, 1);  // a user adds: the owner and the other user see it
  EXPECT_EQ(a->DisplayList().NumItems(), 1);
  EXPECT_EQ(b.DisplayList().NumItems(), 1);
  a->setUseDataOf(&c);
  EXPECT_EQ(messages.back(), "VIrada: Cannot use foreign data. Other VIradas are using my own data.");
  TVIrada d, e, f;
  d.setUseDataOf(a.get());
  e.setUseDataOf(a.get());
  f.setUseDataOf(a.get());  // the fifth
  EXPECT_EQ(messages.back(), "VIrada: Max. number of data shares exceeded");
  EXPECT_EQ(f.UseDataOf(), nullptr);
  // Ending a share keeps a copy; later changes stay apart.
  d.setUseDataOf(nullptr);
  d.Line(2, 2, 3, 3);
  EXPECT_EQ(d.DisplayList().NumItems(), 2);
  EXPECT_EQ(a->DisplayList().NumItems(), 1);
  // A destroyed owner leaves its users their items.
  a.reset();
  EXPECT_EQ(b.DisplayList().NumItems(), 1);
  EXPECT_EQ(b.UseDataOf(), nullptr);
  b.Line(0, 0, 2, 2);
  EXPECT_EQ(c.DisplayList().NumItems(), 1);
}

}  // namespace
}  // namespace zw
