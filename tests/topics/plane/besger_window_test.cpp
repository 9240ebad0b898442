// The window of special lines: the check list and its key "Auswahl", the
// filled triangle under the layers on screen and in the printout, the own
// area values of the worksheet and the refusals of the grid.
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include "shell/Settings.h"
#include "shell/commands/Commands.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "tests/common/RecordingPaintDevice.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/ChartPrinting.h"
#include "topics/plane/BesGerWindow.h"

namespace zw {
namespace {

class BesGerWindowTest : public TopicTestBase {
protected:
  static void fill(TFBesGer& w, const QStringList& cells) {
    for (int i = 0; i < 6; ++i) w.grid()->setCells(1 + i % 2, 1 + i / 2, i < cells.size() ? cells[i] : QString());
  }
  static QString keyText(const QString& file, const char* key) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    for (const QString& l : QString::fromUtf8(f.readAll()).split('\n'))
      if (l.startsWith(QString::fromLatin1(key) + "=")) return l.mid(int(qstrlen(key)) + 1).trimmed();
    return {};
  }
};

TEST_F(BesGerWindowTest, CheckListChoosesTheLayers) {
  auto w = openTopic<TFBesGer>();
  w->resize(800, 500);
  fill(*w, {"0", "0", "4", "0", "1", "3"});
  w->setChoice(SlPerpBisectors | SlCircumcircle);
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, " ma :  "));
  EXPECT_FALSE(memoHas(*w, " sa : "));
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  EXPECT_EQ(w->chartPage().chart().Caption(), GetText(IDrei, 12) + " + " + GetText(IDrei, 7));
  // The header is no layer; a click on an item gives the grid the focus.
  EXPECT_FALSE(w->checkList()->item(0)->flags() & Qt::ItemIsUserCheckable);
  w->pageControl()->setCurrentIndex(0);
  w->checkList()->item(2)->setCheckState(Qt::Checked);
  emit w->checkList()->itemClicked(w->checkList()->item(2));
  EXPECT_EQ(w->choice(), SlPerpBisectors | SlMedians | SlCircumcircle);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(BesGerWindowTest, LoadingAuswahlSetsEveryItem) {
  auto w = openTopic<TFBesGer>();
  const QString f = file("bg.dat");
  w->setChoice(5);
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  EXPECT_EQ(keyText(f, "Auswahl"), "5");
  w->setChoice(0xFF);
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(w->choice(), 5);  // items 1 and 3; the others cleared
  // New brings the initial choice back.
  w->setChoice(0xFF);
  deliverCommand(w.get(), WM_NEWWORKSHEET, file("new.dat"));
  EXPECT_EQ(w->choice(), 0);
}

TEST_F(BesGerWindowTest, UnusableAreaValuesLoadAsTheSettings) {
  // The fallbacks are the settings' values when the window opened.
  shellState().SettingsAreaColor = 7;
  shellState().SettingsRandWidth = 2;
  auto w = openTopic<TFBesGer>();
  struct Case {
    const char *color, *rand;
    int wantColor, wantRand;
  };
  for (const Case& c : {Case{"12", "3", 12, 3}, Case{"abc", "2.5", 7, 2}, Case{"0", "-1", 7, 2}, Case{"49", "256", 7, 2}}) {
    const QString f = file("area.dat");
    QFile out(f);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(QStringLiteral("[BesGer]\nAreaColor=%1\nAreaRand=%2\n").arg(c.color, c.rand).toUtf8());
    out.close();
    deliverCommand(w.get(), WM_LOADWORKSHEET, f);
    EXPECT_EQ(w->areaColor(), c.wantColor) << c.color;
    EXPECT_EQ(w->areaRand(), c.wantRand) << c.rand;
  }
}

TEST_F(BesGerWindowTest, TriangleIsFilledUnderTheLayers) {
  auto w = openTopic<TFBesGer>();
  w->resize(800, 500);
  fill(*w, {"0", "0", "4", "0", "1", "3"});
  const QString f = file("c.dat");
  QFile out(f);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write("[BesGer]\nx1=0\ny1=0\nx2=4\ny2=0\nx3=1\ny3=3\nAuswahl=16\nAreaColor=5\nAreaRand=1\n");
  out.close();
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  w->pageControl()->setCurrentIndex(2);
  ASSERT_EQ(w->currentPage(), 2);
  TVIrada& chart = w->chartPage().chart();
  const QImage& img = chart.ChartImage();
  // The inside of the triangle shows the area colour; beside it the plot stays white.
  const QColor area = ToQColor(PaletteColor(5));
  int inside = 0, outside = 0;
  for (double x = 0.5; x < 4; x += 0.05)
    for (double y = 0.05; y < 3; y += 0.05) {
      int px = 0, py = 0;
      chart.Layers().R2M(1, x, y, px, py);
      if (img.pixelColor(px, py) != area) continue;
      // Inside: above AB, left of BC (x + y < 4), right of CA (y < 3x); the
      // outline's pixels may fall a little outside.
      (x + y < 4 && y < 3 * x ? inside : outside)++;
    }
  EXPECT_GT(inside, 300);
  EXPECT_LT(outside, 20);  // pixels on the outline's edge at most
  // The printer gets the fill too, before the layers.
  test::RecordingPaintDevice dev(4800, 6600, 600);
  {
    QPainter p(&dev);
    PrintCursor cursor;
    PrintChart(p, dev, cursor, chart);
  }
  const auto calls = dev.calls();
  int fill = -1, circle = -1;
  for (int i = 0; i < int(calls.size()); ++i) {
    if (fill < 0 && calls[std::size_t(i)].kind == test::PaintCall::Polygon &&
        calls[std::size_t(i)].brush.color() == ToQColor(PaletteColor(5)))
      fill = i;
    if (circle < 0 && (calls[std::size_t(i)].kind == test::PaintCall::Ellipse ||
                       calls[std::size_t(i)].kind == test::PaintCall::Polyline))
      circle = i;
  }
  ASSERT_GE(fill, 0);
  EXPECT_LT(fill, circle);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(BesGerWindowTest, BadCellsAndCollinearPoints) {
  auto w = openTopic<TFBesGer>();
  fill(*w, {"0", "0", "1#", "0", "1", "3"});
  w->okButton(0)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(22));
  EXPECT_EQ(w->grid()->Col(), 1);
  EXPECT_EQ(w->grid()->Row(), 2);
  fill(*w, {"0", "0", "1", "1", "2", "2"});
  errors_.clear();
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->currentPage(), 0);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(8));
}

}  // namespace
}  // namespace zw
