// The chart page of the topic windows, with the real chart widget, through
// the two-circle window (the reference instance).
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWheelEvent>

#include "charts/NumLab.h"
#include "shell/Settings.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/ChartDialog.h"
#include "topics/plane/XKreisWindow.h"

namespace zw {
namespace {

class ChartPageTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().SettingsLineColor = QString::fromLatin1(DefaultLineColor);
    shellState().SettingsLineWidth = QString::fromLatin1(DefaultLineWidth);
    shellState().GraphColorList = shellState().SettingsLineColor;
    shellState().GraphWidthList = shellState().SettingsLineWidth;
  }
  std::unique_ptr<TFXKreis> openFilled(const QStringList& texts = {"0", "0", "5", "6", "0", "5"}) {
    auto w = openTopic<TFXKreis>();
    w->resize(700, 450);
    for (int i = 0; i < 6; ++i) w->fields().fields()[std::size_t(i)].edit->setText(texts[i]);
    w->pageControl()->setCurrentIndex(2);
    return w;
  }
  static void wheel(QWidget* target, int delta) {
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
  }
  static void expectRange(TVIrada& c, double xLo, double xHi, double yLo, double yHi) {
    EXPECT_NEAR(c.Layers().X(1).RangeLow(), xLo, 1e-9);
    EXPECT_NEAR(c.Layers().X(1).RangeHigh(), xHi, 1e-9);
    EXPECT_NEAR(c.Layers().Y(1).RangeLow(), yLo, 1e-9);
    EXPECT_NEAR(c.Layers().Y(1).RangeHigh(), yHi, 1e-9);
  }
};

TEST_F(ChartPageTest, ChartIsSetUpAsThePageWants) {
  auto w = openFilled();
  TVIrada& c = w->chartPage().chart();
  EXPECT_EQ(c.MarginRight(), 20);
  EXPECT_EQ(c.MarginTop(), 20);
  EXPECT_EQ(c.MarginBottom(), 40);
  EXPECT_EQ(c.MouseAction(), TMouseActMode::maPan);  // after the first build
  EXPECT_FALSE(w->chartPage().rebuildPending());
  const ChartPage& page = w->chartPage();
  EXPECT_TRUE(figures::Draws(c, {figures::Circle{0, 0, 5}, page.color(1), page.width(1)}));
  EXPECT_TRUE(figures::Draws(c, {figures::Circle{6, 0, 5}, page.color(2), page.width(2)}));
  // Aspect 1:1 after the build: one unit has the same length on both axes.
  const double w1 = c.width() - c.MarginLeft() - c.MarginRight(), h1 = c.height() - c.MarginTop() - c.MarginBottom();
  EXPECT_NEAR((c.Layers().X(1).RangeHigh() - c.Layers().X(1).RangeLow()) / w1,
              (c.Layers().Y(1).RangeHigh() - c.Layers().Y(1).RangeLow()) / h1, 1e-9);
}

TEST_F(ChartPageTest, WheelStepsBySixteenthsAndCountsWholeNotches) {
  auto w = openFilled();
  TVIrada& c = w->chartPage().chart();
  c.SetRange(1, 0, 0, 16, 8);
  wheel(&c, 120);
  expectRange(c, 1, 15, 0.5, 7.5);
  c.SetRange(1, 0, 0, 16, 8);
  wheel(w->okButton(2), -120);  // anywhere over the window
  expectRange(c, -1, 17, -0.5, 8.5);
  // A fine wheel: two halves make one notch.
  c.SetRange(1, 0, 0, 16, 8);
  wheel(&c, 60);
  expectRange(c, 0, 16, 0, 8);
  wheel(&c, 60);
  expectRange(c, 1, 15, 0.5, 7.5);
  // Not while another page shows.
  w->pageControl()->setCurrentIndex(1);
  c.SetRange(1, 0, 0, 16, 8);
  wheel(w->memo()->viewport(), 120);
  expectRange(c, 0, 16, 0, 8);
}

TEST_F(ChartPageTest, CentreAndAspect) {
  auto w = openFilled();
  TVIrada& c = w->chartPage().chart();
  c.SetRange(1, 2, -1, 6, 7);
  w->chartPage().centerButton()->click();
  expectRange(c, -2, 2, -4, 4);
  c.SetRange(1, 0, 0, 1, 10);
  w->chartPage().aspectButton()->click();
  const double pw = c.width() - c.MarginLeft() - c.MarginRight(), ph = c.height() - c.MarginTop() - c.MarginBottom();
  EXPECT_NEAR((c.Layers().X(1).RangeHigh() - c.Layers().X(1).RangeLow()) / pw,
              (c.Layers().Y(1).RangeHigh() - c.Layers().Y(1).RangeLow()) / ph, 1e-9);
  EXPECT_NEAR(c.Layers().X(1).Center(), 0.5, 1e-9);
  EXPECT_NEAR(c.Layers().Y(1).Center(), 5, 1e-9);
}

TEST_F(ChartPageTest, PannedRangeSurvivesPageChangesAndDoubleClickRestores) {
  auto w = openFilled();
  TVIrada& c = w->chartPage().chart();
  const double x0 = c.Layers().X(1).RangeLow(), x1 = c.Layers().X(1).RangeHigh();
  c.SetRange(1, 100, 100, 110, 105);  // as a pan leaves it
  w->pageControl()->setCurrentIndex(0);
  w->pageControl()->setCurrentIndex(2);
  expectRange(c, 100, 110, 100, 105);
  c.OnDblClick(&c);
  EXPECT_NEAR(c.Layers().X(1).RangeLow(), x0, 1e-9);
  EXPECT_NEAR(c.Layers().X(1).RangeHigh(), x1, 1e-9);
}

TEST_F(ChartPageTest, ReadoutsShowThePointer) {
  auto w = openFilled();
  TVIrada& c = w->chartPage().chart();
  c.OnMouseEnter(&c);
  EXPECT_TRUE(w->chartPage().xReadout()->isVisible());
  c.OnMouseMoveInChart(&c, true, Qt::NoModifier, Qt::NoButton, 1.5, -2.5);
  EXPECT_DOUBLE_EQ(w->chartPage().xReadout()->Value(), 1.5);
  EXPECT_DOUBLE_EQ(w->chartPage().yReadout()->Value(), -2.5);
  c.OnMouseMoveInChart(&c, false, Qt::NoModifier, Qt::NoButton, 0, 0);
  EXPECT_TRUE(w->chartPage().xReadout()->Empty());
  // Left with right or with Shift zooms by a rectangle, right alone does nothing, a release pans again.
  c.OnMouseMoveInChart(&c, true, Qt::NoModifier, Qt::LeftButton | Qt::RightButton, 0, 0);
  EXPECT_EQ(c.MouseAction(), TMouseActMode::maZoomDrag);
  c.OnMouseUp(&c, Qt::LeftButton, Qt::NoModifier, 0, 0);
  EXPECT_EQ(c.MouseAction(), TMouseActMode::maPan);
  c.OnMouseMoveInChart(&c, true, Qt::ShiftModifier, Qt::LeftButton, 0, 0);
  EXPECT_EQ(c.MouseAction(), TMouseActMode::maZoomDrag);
  c.OnMouseMoveInChart(&c, true, Qt::NoModifier, Qt::RightButton, 0, 0);
  EXPECT_EQ(c.MouseAction(), TMouseActMode::maNone);
  c.OnMouseLeave(&c);
  EXPECT_FALSE(w->chartPage().xReadout()->isVisible());
}

// The page picks the drag's action at the press: with Shift the very first
// step zooms about the centre, without it the first step pans.
TEST_F(ChartPageTest, DragsZoomOrPanFromTheirFirstStep) {
  auto w = openFilled();
  TVIrada& c = w->chartPage().chart();
  auto send = [&c](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                   Qt::KeyboardModifiers mods) {
    QMouseEvent e(type, QPointF(at), c.mapToGlobal(QPointF(at)), button, buttons, mods);
    QApplication::sendEvent(&c, &e);
  };
  const TScaleProps& x = c.Layers().X(1);
  const double span = x.RangeHigh() - x.RangeLow(), centre = x.Center();
  send(QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  send(QEvent::MouseMove, {240, 150}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_NEAR(x.RangeHigh() - x.RangeLow(), span * (1 - 40.0 / c.width()), 1e-9);
  EXPECT_NEAR(x.Center(), centre, 1e-9);
  send(QEvent::MouseButtonRelease, {240, 150}, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
  EXPECT_EQ(c.MouseAction(), TMouseActMode::maPan);

  const double lo = x.RangeLow(), hi = x.RangeHigh();
  const double perPixel = (hi - lo) / (c.Layers().xR() - c.Layers().xL());
  send(QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  send(QEvent::MouseMove, {210, 150}, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  EXPECT_NEAR(x.RangeLow(), lo - 10 * perPixel, 1e-9);
  EXPECT_NEAR(x.RangeHigh(), hi - 10 * perPixel, 1e-9);
  send(QEvent::MouseButtonRelease, {210, 150}, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
}

TEST_F(ChartPageTest, DialogCancelKeepsAndOkMergesTheShownRows) {
  auto w = openFilled();
  TVIrada& c = w->chartPage().chart();
  shellState().GraphColorList = "1,2,3,4,5,6,7,8,9,10,11,12";
  shellState().GraphWidthList = "1,1,1,1,1,1,1,1,1,1,1,1";
  const double x0 = c.Layers().X(1).RangeLow();
  QStringList hints;
  w->chartPage().runDialog = [&](TFFormChart* d) {
    hints << d->rowColorButtons[1]->toolTip() << d->rowColorButtons[2]->toolTip();
    d->xFromEdit->setText("-99");
    d->cancelButtons[0]->click();
    return 0;
  };
  deliverCommand(w.get(), WM_CHARTSETTINGS);
  EXPECT_EQ(hints, QStringList({"Kreis 1", "Kreis 2"}));
  EXPECT_EQ(shellState().GraphColorList, "1,2,3,4,5,6,7,8,9,10,11,12");
  EXPECT_EQ(c.Layers().X(1).RangeLow(), x0);

  w->chartPage().runDialog = [](TFFormChart* d) {
    d->rowColorButtons[1]->click();
    d->swatches[20]->click();
    d->rowWidthEdits[2]->setText("5");
    emit d->rowWidthEdits[2]->editingFinished();
    d->okButtons[0]->click();
    return 1;
  };
  w->chartPage().settingsButton()->click();
  EXPECT_EQ(shellState().GraphColorList, "20,2,3,4,5,6,7,8,9,10,11,12");
  EXPECT_EQ(shellState().GraphWidthList, "1,5,1,1,1,1,1,1,1,1,1,1");
}

TEST_F(ChartPageTest, MergeExtendsShortLists) {
  EXPECT_EQ(MergeGraphList("7", "1,2,3", 2, 3), "7,2,3");
  EXPECT_EQ(MergeGraphList("7,8,9,10", "1,2", 1, 2), "1,2,9,10");
}

TEST_F(ChartPageTest, ZeroWidthHidesAGraph) {
  auto w = openFilled();
  TVIrada& c = w->chartPage().chart();
  EXPECT_TRUE(figures::Draws(c, {figures::Circle{0, 0, 5}}));
  shellState().GraphWidthList = "0,2";
  w->chartPage().drawChart();
  EXPECT_FALSE(figures::Draws(c, {figures::Circle{0, 0, 5}}));  // in no pen at all
  EXPECT_TRUE(figures::Draws(c, {figures::Circle{6, 0, 5}, std::nullopt, 2}));
  for (const figures::Figure& axis : figures::Axes(c)) EXPECT_TRUE(figures::Draws(c, axis));  // the axes stay
}

TEST_F(ChartPageTest, LineColorAndWidthAreSavedAndLoaded) {
  auto w = openFilled();
  shellState().GraphColorList = "9,8";
  shellState().GraphWidthList = "3,4";
  const QString f = file("sheet.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  shellState().GraphColorList = "1";
  shellState().GraphWidthList = "1";
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(shellState().GraphColorList, "9,8");
  EXPECT_EQ(shellState().GraphWidthList, "3,4");
}

TEST_F(ChartPageTest, MemoryOffStartsWithTheSettingsLists) {
  shellState().MemoryOption = false;
  shellState().GraphColorList = "1,1,1";
  shellState().GraphWidthList = "9";
  auto w = openTopic<TFXKreis>();
  EXPECT_EQ(shellState().GraphColorList, QString::fromLatin1(DefaultLineColor));
  EXPECT_EQ(shellState().GraphWidthList, QString::fromLatin1(DefaultLineWidth));
}

TEST_F(ChartPageTest, SnapshotIsAlwaysBlackAndWhite) {
  auto w = openFilled();
  shellState().ClipboardBlackWhite = false;
  deliverCommand(w.get(), WM_SNAPSHOT);
  const QImage img = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(img.isNull());
  for (int y = 0; y < img.height(); y += 3)
    for (int x = 0; x < img.width(); x += 3) {
      const QRgb p = img.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
    }
}

TEST_F(ChartPageTest, PrintoutHasTitleMemoAndChart) {
  const QString pdf = printToPdf("out.pdf");
  auto w = openFilled();
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Schnitt von zwei Kreisen")) << text.toStdString();
  EXPECT_TRUE(text.contains("Schnittpunkte")) << text.toStdString();
  EXPECT_GT(QFile(pdf).size(), 2000);
}

}  // namespace
}  // namespace zw
