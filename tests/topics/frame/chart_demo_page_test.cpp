// The demonstration chart page: what a user does with a chart page.
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "tests/topics/ChartDemoPage.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "shell/kit/PageLayout.h"
#include "topics/frame/ChartDialog.h"

namespace zw {
namespace {

void send(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, mods);
  QApplication::sendEvent(w, &e);
}

void drag(QWidget* w, QPoint from, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, mods);
  send(w, QEvent::MouseMove, from, Qt::NoButton, Qt::LeftButton, mods);
  send(w, QEvent::MouseMove, from + QPoint(1, 0), Qt::NoButton, Qt::LeftButton, mods);
  send(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, mods);
  send(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, mods);
}

class ChartDemoPageTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    page = std::make_unique<ChartDemoPage>();
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    QApplication::processEvents();
  }
  void TearDown() override {
    page.reset();
    TopicTestBase::TearDown();
  }
  double xLo() { return page->chart()->Layers().X(1).RangeLow(); }
  double xSpan() { return page->chart()->Layers().X(1).RangeHigh() - xLo(); }
  std::unique_ptr<ChartDemoPage> page;
};

TEST_F(ChartDemoPageTest, PanZoomAndDoubleClickRestore) {
  TVIrada* c = page->chart();
  EXPECT_EQ(c->MouseAction(), TMouseActMode::maPan);
  const double lo0 = xLo(), span0 = xSpan();
  drag(c, {200, 150}, {260, 150});
  EXPECT_LT(xLo(), lo0);  // dragged right: the range moves left
  EXPECT_NEAR(xSpan(), span0, 1e-9);
  drag(c, {200, 150}, {300, 150}, Qt::ShiftModifier);  // Shift: drag zoom
  EXPECT_LT(xSpan(), span0 * 0.9);
  EXPECT_EQ(c->MouseAction(), TMouseActMode::maPan);  // back after the release
  send(c, QEvent::MouseButtonDblClick, {200, 150}, Qt::LeftButton, Qt::LeftButton);
  send(c, QEvent::MouseButtonRelease, {200, 150}, Qt::LeftButton, Qt::NoButton);
  EXPECT_NEAR(xLo(), lo0, 1e-9);
  EXPECT_NEAR(xSpan(), span0, 1e-9);
}

TEST_F(ChartDemoPageTest, ReadOutsFollowTheMouse) {
  TVIrada* c = page->chart();
  QEnterEvent enter(QPointF(200, 150), QPointF(200, 150), c->mapToGlobal(QPointF(200, 150)));
  QApplication::sendEvent(c, &enter);
  EXPECT_TRUE(page->xReadout()->isVisible());
  send(c, QEvent::MouseMove, {200, 150}, Qt::NoButton, Qt::NoButton);
  double wx, wy;
  c->Layers().M2R(1, 200, 150, wx, wy);
  EXPECT_FALSE(page->xReadout()->Empty());
  EXPECT_DOUBLE_EQ(page->xReadout()->Value(), wx);
  EXPECT_DOUBLE_EQ(page->yReadout()->Value(), wy);
  send(c, QEvent::MouseMove, {3, 3}, Qt::NoButton, Qt::NoButton);
  EXPECT_TRUE(page->xReadout()->Empty());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(c, &leave);
  EXPECT_FALSE(page->xReadout()->isVisible());
}

TEST_F(ChartDemoPageTest, WheelReachesTheWindow) {
  TVIrada* c = page->chart();
  const double span0 = xSpan();
  // The chart leaves the wheel alone (it goes on to its window) ...
  QWheelEvent w(QPointF(200, 150), c->mapToGlobal(QPointF(200, 150)), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(c, &w);
  EXPECT_FALSE(w.isAccepted());
  EXPECT_EQ(xSpan(), span0);
  // ... and the window zooms by a sixteenth of each span per notch.
  const QPoint at = c->mapTo(page.get(), QPoint(200, 150));
  QWheelEvent pw(QPointF(at), page->mapToGlobal(QPointF(at)), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                 Qt::NoScrollPhase, false);
  QApplication::sendEvent(page.get(), &pw);
  EXPECT_NEAR(xSpan(), span0 * 14 / 16, 1e-9);
}

TEST_F(ChartDemoPageTest, SettingsDialogOkAndCancel) {
  page->prepareDialog = [](TFFormChart& d) {
    d.runModal = [](TFFormChart* dlg) {
      dlg->xFromEdit->setText("-1");
      dlg->xToEdit->setText("3");
      dlg->okButtons[0]->click();
      return 1;
    };
  };
  page->settingsButton()->click();
  EXPECT_EQ(xLo(), -1);
  EXPECT_EQ(xSpan(), 4);
  page->prepareDialog = [](TFFormChart& d) {
    d.runModal = [](TFFormChart* dlg) {
      dlg->xFromEdit->setText("-7");
      dlg->cancelButtons[1]->click();
      return 0;
    };
  };
  page->settingsButton()->click();
  EXPECT_EQ(xLo(), -1);
}

TEST_F(ChartDemoPageTest, SnapshotInColourAndInBlackAndWhite) {
  page->Snapshot();
  const QImage colour = QApplication::clipboard()->image();
  ASSERT_FALSE(colour.isNull());
  EXPECT_EQ(colour.size(), page->chart()->size());
  EXPECT_NE(colour.pixelColor(3, 3), QColor(Qt::white));  // the window area
  shellState().ClipboardBlackWhite = true;
  page->Snapshot();
  const QImage bw = QApplication::clipboard()->image();
  EXPECT_EQ(bw.pixelColor(3, 3), QColor(Qt::white));
  int coloured = 0;
  for (int y = 0; y < bw.height(); ++y)
    for (int x = 0; x < bw.width(); ++x) {
      const QColor p = bw.pixelColor(x, y);
      coloured += p.red() != p.green() || p.green() != p.blue();
    }
  EXPECT_EQ(coloured, 0);
  if (qEnvironmentVariableIsSet("ZW_SCREENSHOT_DIR")) {
    const QString dir = qEnvironmentVariable("ZW_SCREENSHOT_DIR");
    page->grab().save(dir + "/chart_page.png");
    bw.save(dir + "/chart_snapshot_bw.png");
    TFFormChart dlg;
    dlg.show();
    dlg.grab().save(dir + "/chart_dialog_1.png");
    dlg.tabs->setCurrentIndex(1);
    dlg.grab().save(dir + "/chart_dialog_2.png");
    dlg.tabs->setCurrentIndex(2);
    dlg.grab().save(dir + "/chart_dialog_3.png");
  }
}

TEST_F(ChartDemoPageTest, PrintToPdf) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setResolution(600);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString path = file("chart.pdf");
  printer.setOutputFileName(path);
  page->Print(printer);
  const QString text = PdfText(path);
  EXPECT_TRUE(text.contains("Zahlwerk 10.0: Diagramm"));
  EXPECT_TRUE(text.contains("f(x) = sin(x)*x"));
  // The axis labels of the chart come after the memo.
  EXPECT_GT(text.indexOf("-4"), text.indexOf("f(x) = sin(x)*x"));
}

}  // namespace
}  // namespace zw
