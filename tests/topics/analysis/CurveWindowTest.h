#pragma once
// The fixture of the curve windows' tests: the program's graph lists with
// twelve distinct colours and width 2, and a click on a switch box.
#include <QApplication>
#include <QMouseEvent>

#include "shell/Settings.h"
#include "tests/topics/TopicTestBase.h"
#include "tests/topics/analysis/CurvePieces.h"

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
  static void click(QWidget* box) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  }
};

}  // namespace zw
