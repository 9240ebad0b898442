#include "topics/algebra/BruchWindow.h"

#include "kernel/KernelState.h"
#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"

namespace zw {

TFBruch::TFBruch(QWidget* owner) : TwoFieldCalcWindow(owner, ClassName) {
  QWidget* box = inputBox();
  capZaehler_ = new QLabel(box);
  capNenner_ = new QLabel(box);
  dezimal_ = new QLabel(box);
  styleDisplay(dezimal_);
  dezimal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QPalette p = dezimal_->palette();
  p.setColor(QPalette::Window, palette().color(QPalette::Button));
  dezimal_->setPalette(p);
  viewBox_ = new QGroupBox(box);
  const QString captions[4] = {QStringLiteral("b/c"), QStringLiteral("a b/c"), QStringLiteral("dez"), QStringLiteral("%")};
  for (int i = 0; i < 4; ++i) {
    auto* r = views_[static_cast<std::size_t>(i)] = new QRadioButton(captions[i], viewBox_);
    r->setFocusPolicy(Qt::NoFocus);
    viewGroup_.addButton(r, i);
  }
  views_[0]->setChecked(true);
  connect(&viewGroup_, &QButtonGroup::idClicked, this, Guarded(this, [this] {
            calc_.setView(static_cast<BruchView>(viewGroup_.checkedId()));
            refresh();
          }));
  for (char16_t c : std::u16string_view(u"0123456789()")) addKey(QString(QChar(c)), c);
  addKey(QStringLiteral("TAB"), KeyTab);
  addKey(QStringLiteral("y^x"), '^');
  addKey(QStringLiteral("1/x"), 'K');
  addKey(QStringLiteral("x^2"), 'Q');
  addOperatorKeys();
  refresh();
}

void TFBruch::handleKey(int code) {
  calc_.decimalSign = kernelState().RegionalDecimalSeparator;
  TwoFieldCalcWindow::handleKey(code);
}

void TFBruch::refreshMore() { dezimal_->setText(QString::fromStdU16String(calc_.secondLine()) + QStringLiteral(" ")); }

void TFBruch::layoutCalc() {
  const int k = ScalePixels(32), gap = ScalePixels(14), left = ScalePixels(16);
  const int rowH = ScalePixels(24), w = ScalePixels(122);
  capZaehler_->setText(GetText(IBr2Dez, 2));
  capNenner_->setText(GetText(IBr2Dez, 3));
  QLabel* const zaehler = numeratorLabel();
  QLabel* const nenner = denominatorLabel();
  for (QLabel* l : {capZaehler_, capNenner_, zaehler, nenner, dezimal_}) l->setFont(fonts().TextFont.font);
  capZaehler_->setGeometry(left, ScalePixels(4), w, ScalePixels(18));
  capNenner_->setGeometry(left + w + ScalePixels(8), ScalePixels(4), w, ScalePixels(18));
  zaehler->setGeometry(left, ScalePixels(22), w, rowH);
  nenner->setGeometry(left + w + ScalePixels(8), ScalePixels(22), w, rowH);
  dezimal_->setGeometry(left, ScalePixels(52), 2 * w + ScalePixels(8), rowH);
  const int rx = left + 2 * w + ScalePixels(16);
  viewBox_->setGeometry(rx, ScalePixels(2), inputBox()->width() - rx - ScalePixels(4), ScalePixels(80));
  for (int i = 0; i < 4; ++i)
    views_[static_cast<std::size_t>(i)]->setGeometry(ScalePixels(4), ScalePixels(4 + 18 * i), viewBox_->width() - ScalePixels(6),
                                                     ScalePixels(18));
  const int top = ScalePixels(90);
  placeKeyRow(left, top, k, gap, {{{0}, {0}}, {{'7'}, {'8'}, {'9'}}, {{KeyCE}, {KeyAC}}});
  placeKeyRow(left, top + k, k, gap, {{{KeyTab}, {'^'}}, {{'4'}, {'5'}, {'6'}}, {{'*'}, {'/'}}});
  placeKeyRow(left, top + 2 * k, k, gap, {{{'K'}, {'Q'}}, {{'1'}, {'2'}, {'3'}}, {{'+'}, {'-'}}});
  placeKeyRow(left, top + 3 * k, k, gap, {{{'('}, {')'}}, {{'0', 2}, {'#'}}, {{'=', 2}}});
}

}  // namespace zw
