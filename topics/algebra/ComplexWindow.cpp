#include "topics/algebra/ComplexWindow.h"

#include <QEvent>

#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"

namespace zw {

namespace {

// ----- registration of the window (one place, moved as a whole) -----


}  // namespace

TFComplex::TFComplex(QWidget* owner) : CalcWindow(owner, ClassName) {
  QWidget* box = inputBox();
  re_ = new QLabel(box);
  plusI_ = new QLabel(QStringLiteral("+ i·"), box);
  im_ = new QLabel(box);
  rho_ = new QLabel(box);
  phi_ = new QLabel(box);
  for (QLabel* l : {re_, im_, rho_, phi_}) {
    styleDisplay(l);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  for (QLabel* l : {rho_, phi_}) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 0x80));  // navy
    l->setPalette(p);
  }
  plusI_->setAlignment(Qt::AlignCenter);
  for (QLabel* l : {re_, im_, phi_}) l->installEventFilter(this);
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

bool TFComplex::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && (watched == re_ || watched == im_ || watched == phi_)) {
    RunGuarded(this, [&] {
      if (watched == phi_) calc_.toggleAngleMode();
      else calc_.selectColumn(watched == im_ ? 1 : 0);
      refresh();
    });
    return true;
  }
  return CalcWindow::eventFilter(watched, event);
}

void TFComplex::handleKey(int code) {
  runKey(calc_, code);
}

void TFComplex::refresh() {
  re_->setText(QString::fromStdU16String(calc_.realPart()) + QStringLiteral(" "));
  im_->setText(QString::fromStdU16String(calc_.imagPart()) + QStringLiteral(" "));
  rho_->setText(QString::fromStdU16String(calc_.rhoText()) + QStringLiteral(" "));
  phi_->setText(QString::fromStdU16String(calc_.phiText()) + QStringLiteral(" "));
  markSelected(re_, calc_.column() == 0);
  markSelected(im_, calc_.column() == 1);
}

void TFComplex::layoutCalc() {
  const int k = ScalePixels(32), gap = ScalePixels(14), left = ScalePixels(16);
  const int rowH = ScalePixels(24);
  const int full = inputBox()->width() - 2 * left;
  const int iw = ScalePixels(36);
  const int w = (full - iw) / 2;
  for (QLabel* l : {re_, plusI_, im_, rho_, phi_}) l->setFont(fonts().TextFont.font);
  re_->setGeometry(left, ScalePixels(16), w, rowH);
  plusI_->setGeometry(left + w, ScalePixels(16), iw, rowH);
  im_->setGeometry(left + w + iw, ScalePixels(16), w, rowH);
  rho_->setGeometry(left, ScalePixels(46), full / 2 - ScalePixels(2), rowH);
  phi_->setGeometry(left + full / 2 + ScalePixels(2), ScalePixels(46), full / 2 - ScalePixels(2), rowH);
  const int top = ScalePixels(86);
  placeKeyRow(left, top, k, gap, {{{KeyTab}, {'L'}, {'E'}, {'^'}}, {{'7'}, {'8'}, {'9'}}, {{KeyCE}, {KeyAC}}});
  placeKeyRow(left, top + k, k, gap, {{{'S'}, {'C'}, {'T'}, {'A'}}, {{'4'}, {'5'}, {'6'}}, {{'*'}, {'/'}}});
  placeKeyRow(left, top + 2 * k, k, gap, {{{'P'}, {'W'}, {'Q'}, {'I'}}, {{'1'}, {'2'}, {'3'}}, {{'+'}, {'-'}}});
  placeKeyRow(left, top + 3 * k, k, gap, {{{'K'}, {'#'}, {'('}, {')'}}, {{'0', 2}, {','}}, {{'=', 2}}});
}

}  // namespace zw
