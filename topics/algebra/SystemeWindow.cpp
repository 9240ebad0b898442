#include "topics/algebra/SystemeWindow.h"

#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"

namespace zw {

namespace {

// ----- registration of the window (one place, moved as a whole) -----

constexpr TextItem kDe[] = {{1, u"Basis"}};
constexpr TextItem kEn[] = {{1, u"Base"}};
constexpr TextItem kFr[] = {{1, u"Base"}};

}  // namespace

TFsysteme::TFsysteme(QWidget* owner) : CalcWindow(owner, ClassName) {
  QWidget* box = inputBox();
  result1_ = new QLabel(box);
  result2_ = new QLabel(box);
  for (QLabel* l : {result1_, result2_}) {
    styleDisplay(l);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  basis_ = new QLabel(box);
  base1_ = new QSpinBox(box);
  base2_ = new QSpinBox(box);
  base1_->setObjectName(QStringLiteral("edBase1"));
  base2_->setObjectName(QStringLiteral("edBase2"));
  for (QSpinBox* s : {base1_, base2_}) s->setRange(2, 16);
  base1_->setValue(16);
  base2_->setValue(10);
  connect(base1_, &QSpinBox::valueChanged, this, Guarded(this, [this] {
            calc_.setBase1(base1_->value());
            refresh();
          }));
  connect(base2_, &QSpinBox::valueChanged, this, Guarded(this, [this] {
            calc_.setBase2(base2_->value());
            refresh();
          }));
  for (char16_t c : std::u16string_view(u"0123456789ABCDEF()")) addKey(QString(QChar(c)), c);
  addOperatorKeys();
  refresh();
}

void TFsysteme::handleKey(int code) {
  runKey(calc_, code);
}

void TFsysteme::refresh() {
  result1_->setText(QString::fromStdU16String(calc_.display()) + QStringLiteral(" "));
  result2_->setText(QString::fromStdU16String(calc_.secondLine()) + QStringLiteral(" "));
}

void TFsysteme::layoutCalc() {
  const int k = ScalePixels(32), gap = ScalePixels(16), left = ScalePixels(16);
  const int rowH = ScalePixels(24);
  const int spinW = ScalePixels(48);
  const int displayW = inputBox()->width() - 2 * left - spinW - ScalePixels(8);
  for (QLabel* l : {result1_, result2_}) l->setFont(fonts().TextFont.font);
  result1_->setGeometry(left, ScalePixels(20), displayW, rowH);
  result2_->setGeometry(left, ScalePixels(20) + rowH + ScalePixels(6), displayW, rowH);
  const int spinX = left + displayW + ScalePixels(8);
  basis_->setText(GetText(ISysteme, 1));
  basis_->setFont(fonts().TextFont.font);
  basis_->setGeometry(spinX, ScalePixels(2), spinW, ScalePixels(18));
  base1_->setGeometry(spinX, ScalePixels(20), spinW, rowH);
  base2_->setGeometry(spinX, ScalePixels(20) + rowH + ScalePixels(6), spinW, rowH);
  const int top = ScalePixels(88);
  placeKeyRow(left, top, k, gap, {{{'E'}, {'F'}}, {{'7'}, {'8'}, {'9'}}, {{KeyCE}, {KeyAC}}});
  placeKeyRow(left, top + k, k, gap, {{{'C'}, {'D'}}, {{'4'}, {'5'}, {'6'}}, {{'*'}, {'/'}}});
  placeKeyRow(left, top + 2 * k, k, gap, {{{'A'}, {'B'}}, {{'1'}, {'2'}, {'3'}}, {{'+'}, {'-'}}});
  placeKeyRow(left, top + 3 * k, k, gap, {{{'('}, {')'}}, {{'0', 2}, {'#'}}, {{'=', 2}}});
}

// The texts of the topic's page; called by the area's registration.
void RegisterSystemeTexts() {
  static const TextPageRegistration regDe{ISysteme, TextLanguage::German, kDe};
  static const TextPageRegistration regEn{ISysteme, TextLanguage::English, kEn};
  static const TextPageRegistration regFr{ISysteme, TextLanguage::French, kFr};
}

}  // namespace zw
