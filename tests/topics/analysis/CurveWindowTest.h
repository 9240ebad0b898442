#pragma once
// The fixture of the curve windows' tests: the program's graph lists with
// twelve distinct colours and width 2, and a click on a switch box.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrinter>

#include "shell/Settings.h"
#include "tests/topics/TopicTestBase.h"
#include "tests/topics/analysis/CurveStrokes.h"
#include "topics/frame/ChartPage.h"

namespace zw {

class CurveWindowTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().SettingsLineColor = QString::fromLatin1(DefaultLineColor);
    shellState().SettingsLineWidth = QStringLiteral("2,2,2,2,2,2,2,2,2,2,2,2");
    shellState().GraphColorList = shellState().SettingsLineColor;
    shellState().GraphWidthList = shellState().SettingsLineWidth;
  }
  // The print dialog answers with the PDF file `pdf`, pages from … to (from 0: all).
  void printPagesToPdf(const QString& pdf, int from, int to) {
    commandUi().printDialog = [pdf, from, to](QWidget*, QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
      }
      return true;
    };
  }
  // Until the window's long run (the drawing of its curves) has ended.
  static void waitForRun(TopicWindow& w) {
    QElapsedTimer t;
    t.start();
    while (w.longRun().running() && t.elapsed() < 60000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  // ESC as the user presses it; the run ends at once.
  static void pressEscape(QWidget* w) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w, &esc);
  }
  // A run started, let go on until its first curve shows, then ESC.
  static void escapeOnceTheFirstCurveShows(TopicWindow& w, const ChartPage& page) {
    ASSERT_TRUE(w.longRun().running());
    while (curves::StrokesIn(page.chart(), page.color(1)).empty() && w.longRun().running())
      QCoreApplication::processEvents();
    pressEscape(&w);
    EXPECT_FALSE(w.longRun().running());
  }
  // The strokes of the first `count` graph colours.
  static std::vector<std::vector<curves::Stroke>> StrokesOf(const ChartPage& page, int count) {
    std::vector<std::vector<curves::Stroke>> out;
    for (int i = 1; i <= count; ++i) out.push_back(curves::StrokesIn(page.chart(), page.color(i)));
    return out;
  }
  static void click(QWidget* box) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  }
};

}  // namespace zw
