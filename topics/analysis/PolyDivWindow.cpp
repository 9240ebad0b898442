#include "topics/analysis/PolyDivWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "kernel/CalcFailure.h"
#include "kernel/Fraction.h"
#include "shell/Metrics.h"
#include "shell/commands/Commands.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

// ----- division --------------------------------------------------------------

TFPolyDiv::TFPolyDiv(QWidget* owner)
    : PolyTopicWindow(owner, ClassName, {.polynomials = 2, .rowHeads = true, .decimalBox = true, .tabComputes = true}) {
  initTopic();
}

void TFPolyDiv::compute() {
  showResult(PolyDivision(polynomials()[0], polynomials()[1], decimal(), FontTextMeasurer(memoFont()),
                    PolyDivLabels::current()));
}

// A freshly loaded pair is computed only when one of them is more than a constant.
void TFPolyDiv::afterLoad() {
  bool any = false;
  for (int row = 1; row <= 2; ++row) {
    try {
      any = any || PolyDegree(grid()->polynomial(row)) > 0;
    } catch (const CalcFailure&) {
      any = true;  // the computation reports the bad cell
    }
  }
  if (any) computeNow();
}

// ----- gcd and lcm ------------------------------------------------------------

TFPolyggT::TFPolyggT(QWidget* owner)
    : PolyTopicWindow(owner, ClassName, {.polynomials = 2, .rowHeads = true, .decimalBox = true}) {
  initTopic();
}

void TFPolyggT::compute() {
  showResult(PolyGcdLcm(polynomials()[0], polynomials()[1], decimal(), PolyGcdLabels::current()));
}

// ----- factorisation ------------------------------------------------------------

TFPolyFak::TFPolyFak(QWidget* owner) : PolyTopicWindow(owner, ClassName, {.polynomials = 1}) { initTopic(); }

void TFPolyFak::compute() {
  showResult(PolyFactorisation(polynomials()[0], FontTextMeasurer(memoFont()), PolyFactorLabels::current()));
}

// ----- shift and stretch ----------------------------------------------------------

namespace {

// The factor fields' worksheet keys (texts stored as typed, in either mode).
const QString kDx = QStringLiteral("dx");
const QString kDy = QStringLiteral("dy");

// Enter computes, Tab moves to the other factor field.
class FactorKeys : public QObject {
public:
  FactorKeys(QObject* parent, std::function<void()> enter, std::function<void()> tab)
      : QObject(parent), enter_(std::move(enter)), tab_(std::move(tab)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(e)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return enter_(), true;
    if (key == Qt::Key_Tab) return tab_(), true;
    return false;
  }
private:
  std::function<void()> enter_, tab_;
};

}  // namespace

TFPolTrans::TFPolTrans(QWidget* owner) : PolyTopicWindow(owner, ClassName, {.polynomials = 1}) {
  QWidget* box = inputArea();
  shift_ = new QRadioButton(box);
  stretch_ = new QRadioButton(box);
  shift_->setObjectName(QStringLiteral("rbShift"));
  stretch_->setObjectName(QStringLiteral("rbStretch"));
  shift_->setChecked(true);
  dxCaption_ = new QLabel(box);
  dyCaption_ = new QLabel(box);
  dx_ = new QLineEdit(box);
  dy_ = new QLineEdit(box);
  dx_->setObjectName(QStringLiteral("edDX"));
  dy_->setObjectName(QStringLiteral("edDY"));
  // The factors are stored as typed; the mode is not stored.
  fields().addText(kDx, [this] { return dx_->text(); }, [this](const QString& t) { dx_->setText(t); });
  fields().addText(kDy, [this] { return dy_->text(); }, [this](const QString& t) { dy_->setText(t); });
  auto recompute = guardedSlot([this] {
    relabel();
    computeNow();
  });
  connect(shift_, &QRadioButton::clicked, this, recompute);
  connect(stretch_, &QRadioButton::clicked, this, recompute);
  connect(grid(), &PolyGrid::enterPressed, this, [this] { dx_->setFocus(); });
  dx_->installEventFilter(new FactorKeys(dx_, recompute, guardedSlot([this] { dy_->setFocus(); })));
  dy_->installEventFilter(new FactorKeys(dy_, recompute, guardedSlot([this] { dx_->setFocus(); })));
  initTopic();
}

void TFPolTrans::relabel() {
  const bool s = stretch_->isChecked();
  dxCaption_->setText(s ? QStringLiteral("sx = ") : QStringLiteral("dx = "));
  dyCaption_->setText(s ? QStringLiteral("sy = ") : QStringLiteral("dy = "));
}

int TFPolTrans::extraInputsHeight() const { return 2 * metrics().RowHeight + ScalePixels(12); }

void TFPolTrans::layoutExtraInputs(int top) {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  shift_->setText(GetText(IPolTrans, 2));
  stretch_->setText(GetText(IPolTrans, 3));
  const int w = std::max(shift_->sizeHint().width(), stretch_->sizeHint().width());
  shift_->setGeometry(left, top, w, m.RowHeight);
  stretch_->setGeometry(left, top + m.RowHeight + ScalePixels(4), w, m.RowHeight);
  relabel();
  const int captionWidth = FontTextMeasurer(dxCaption_->font()).width(QStringLiteral("sx = ")) + ScalePixels(4);
  const int x = left + w + ScalePixels(24);
  dxCaption_->setGeometry(x, top, captionWidth, m.RowHeight);
  dxCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  dyCaption_->setGeometry(x, top + m.RowHeight + ScalePixels(4), captionWidth, m.RowHeight);
  dyCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  dx_->setGeometry(x + captionWidth, top, m.EditWidth, m.RowHeight);
  dy_->setGeometry(x + captionWidth, top + m.RowHeight + ScalePixels(4), m.EditWidth, m.RowHeight);
}

void TFPolTrans::readExtraInputs() const {
  for (QLineEdit* e : {dx_, dy_}) {
    try {
      (e == dx_ ? u_ : v_) = ReadBruchInput(e->text().trimmed().toStdU16String());
    } catch (const CalcFailure&) {
      // Whatever the fraction reading found (no number, a zero denominator,
      // beyond 32 bits): the field is refused.
      throw InputRejected((e == dx_ ? kDx : kDy).toStdString());
    }
  }
}

QWidget* TFPolTrans::inputFor(const QString& key) const {
  if (key.compare(kDx, Qt::CaseInsensitive) == 0) return dx_;
  if (key.compare(kDy, Qt::CaseInsensitive) == 0) return dy_;
  return PolyTopicWindow::inputFor(key);
}

void TFPolTrans::compute() {
  showResult(PolyTransform(polynomials()[0], u_, v_, stretch_->isChecked(), PolyTransformLabels::current()));
}

}  // namespace zw
