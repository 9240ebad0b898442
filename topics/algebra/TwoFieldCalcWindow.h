#pragma once
// The window of a calculator whose value is typed into two entry fields
// (numerator and denominator, real and imaginary part): the two displays,
// a click on one selects it, Tab switches between them on its release, and
// every key refreshes both from the engine.
#include <QEvent>
#include <QLabel>
#include <array>

#include "shell/Guard.h"
#include "topics/algebra/CalcWindow.h"

namespace zw {

template <class Calc>
class TwoFieldCalcWindow : public CalcWindow {
public:
  const Calc& calc() const { return calc_; }

protected:
  TwoFieldCalcWindow(QWidget* owner, std::string_view className) : CalcWindow(owner, className) {
    for (QLabel*& l : fields_) {
      l = new QLabel(inputBox());
      styleDisplay(l);
      l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      l->installEventFilter(this);
    }
  }

  QLabel* fieldLabel(int c) const { return fields_[c == 1 ? 1 : 0]; }

  void handleKey(int code) override { runKey(calc_, code); }
  bool tabSwitchesColumn() const override { return true; }

  // A press on a display selects its field.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && (watched == fields_[0] || watched == fields_[1])) {
      RunGuarded(this, [&] {
        calc_.selectColumn(watched == fields_[1] ? 1 : 0);
        refresh();
      });
      return true;
    }
    return CalcWindow::eventFilter(watched, event);
  }

  void refresh() override {
    for (int c = 0; c < 2; ++c) {
      fields_[c]->setText(QString::fromStdU16String(calc_.field(c)) + QStringLiteral(" "));
      markSelected(fields_[c], calc_.column() == c);
    }
    refreshMore();
  }
  // The displays beyond the two fields.
  virtual void refreshMore() {}

  Calc calc_;

private:
  std::array<QLabel*, 2> fields_{};
};

}  // namespace zw
