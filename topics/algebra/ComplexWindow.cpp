#include "topics/algebra/ComplexWindow.h"

#include <QEvent>

#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"

namespace zw {

TFComplex::TFComplex(QWidget* owner) : TwoFieldCalcWindow(owner, ClassName) {
  QWidget* box = inputBox();
  plusI_ = new QLabel(QStringLiteral("+ i·"), box);
  rho_ = new QLabel(box);
  phi_ = new QLabel(box);
  for (QLabel* l : {rho_, phi_}) {
    styleDisplay(l);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 0x80));  // navy
    l->setPalette(p);
  }
  plusI_->setAlignment(Qt::AlignCenter);
  phi_->installEventFilter(this);
  struct Fn {
    const char* caption;
    int code;
  };
  const Fn functions[] = {{"TAB", KeyTab}, {"LN", 'L'},  {"EXP", 'E'}, {"y^x", '^'}, {"SIN", 'S'}, {"COS", 'C'},
                          {"TAN", 'T'},    {"ATN", 'A'}, {"PI", 'P'},  {"SQR", 'W'}, {"x^2", 'Q'}, {"1/x", 'I'},
                          {"KON", 'K'}};
  for (const Fn& f : functions) addKey(QString::fromLatin1(f.caption), f.code, true);
  for (char16_t c : std::u16string_view(u"0123456789(),")) addKey(QString(QChar(c)), c);
  addOperatorKeys();
  refresh();
}

// A press on φ switches the angle mode.
bool TFComplex::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched == phi_) {
    RunGuarded(this, [&] {
      calc_.toggleAngleMode();
      refresh();
    });
    return true;
  }
  return TwoFieldCalcWindow::eventFilter(watched, event);
}

void TFComplex::refreshMore() {
  rho_->setText(QString::fromStdU16String(calc_.rhoText()) + QStringLiteral(" "));
  phi_->setText(QString::fromStdU16String(calc_.phiText()) + QStringLiteral(" "));
}

void TFComplex::layoutCalc() {
  const int k = ScalePixels(32), gap = ScalePixels(14), left = ScalePixels(16);
  const int rowH = ScalePixels(24);
  const int full = inputBox()->width() - 2 * left;
  const int iw = ScalePixels(36);
  const int w = (full - iw) / 2;
  QLabel* const re = realLabel();
  QLabel* const im = imagLabel();
  for (QLabel* l : {re, plusI_, im, rho_, phi_}) l->setFont(fonts().TextFont.font);
  re->setGeometry(left, ScalePixels(16), w, rowH);
  plusI_->setGeometry(left + w, ScalePixels(16), iw, rowH);
  im->setGeometry(left + w + iw, ScalePixels(16), w, rowH);
  rho_->setGeometry(left, ScalePixels(46), full / 2 - ScalePixels(2), rowH);
  phi_->setGeometry(left + full / 2 + ScalePixels(2), ScalePixels(46), full / 2 - ScalePixels(2), rowH);
  const int top = ScalePixels(86);
  placeKeyRow(left, top, k, gap, {{{KeyTab}, {'L'}, {'E'}, {'^'}}, {{'7'}, {'8'}, {'9'}}, {{KeyCE}, {KeyAC}}});
  placeKeyRow(left, top + k, k, gap, {{{'S'}, {'C'}, {'T'}, {'A'}}, {{'4'}, {'5'}, {'6'}}, {{'*'}, {'/'}}});
  placeKeyRow(left, top + 2 * k, k, gap, {{{'P'}, {'W'}, {'Q'}, {'I'}}, {{'1'}, {'2'}, {'3'}}, {{'+'}, {'-'}}});
  placeKeyRow(left, top + 3 * k, k, gap, {{{'K'}, {'#'}, {'('}, {')'}}, {{'0', 2}, {','}}, {{'=', 2}}});
}

}  // namespace zw
