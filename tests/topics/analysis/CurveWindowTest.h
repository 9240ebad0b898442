#pragma once
// The fixture of the curve windows' tests: the program's graph lists with
// twelve distinct colours and width 2, and a click on a switch box.
#include <QApplication>
#include <QMouseEvent>
#include <QPrinter>

#include "shell/Settings.h"
#include "tests/topics/TopicTestBase.h"
#include "tests/topics/analysis/CurveStrokes.h"

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
  static void click(QWidget* box) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  }
};

}  // namespace zw
