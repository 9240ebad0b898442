#include "topics/algebra/PrimWindow.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <memory>

#include "kernel/CalcFailure.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/kit/InputRows.h"
#include "topics/frame/LongRun.h"

namespace zw {

namespace {


TopicConfig primConfig() {
  TopicConfig c;
  c.tabStyle = TabStyle::Shell;
  c.focus = FocusPolicy::RecomputeOnActivate;
  c.taskLines = 2;
  return c;
}

}  // namespace

TFPrim::TFPrim(QWidget* owner) : TopicWindow(owner, ClassName, primConfig()) {
  QWidget* box = inputArea();
  const char* keys[2] = {"a", "b"};
  for (int i = 0; i < 2; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    fields().addField(QString::fromLatin1(keys[i]), e, u'N');
  }
  modeGroup_ = new QGroupBox(box);
  modeGroup_->setStyleSheet(QStringLiteral("QGroupBox { color: green; }"));
  for (auto& r : radios_) r = new QRadioButton(modeGroup_);
  radios_[0]->setChecked(true);  // the choice is not saved
  initTopic();
}

PrimMode TFPrim::mode() const { return radios_[1]->isChecked() ? PrimMode::Numbered : PrimMode::Between; }

void TFPrim::setMode(PrimMode m) { radios_[m == PrimMode::Numbered ? 1 : 0]->setChecked(true); }

void TFPrim::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const QString captions[2] = {QStringLiteral("  a =  "), QStringLiteral("  b =  ")};
  const int captionWidth = canvas.width(captions[0]);
  const int left = ScalePixels(16);
  const int editWidth = NumberEditWidth();
  PlaceLabelEditSized(captions_[0], edits_[0], left, m.RowTop[2] - ScalePixels(6), captionWidth, editWidth,
                      captions[0]);
  PlaceLabelEditSized(captions_[1], edits_[1], left, m.RowTop[3], captionWidth, editWidth, captions[1]);
  const QString items[2] = {GetText(IPrim, 4) + QStringLiteral("  a  ") + GetText(IPrim, 5) + QStringLiteral("  b"),
                            GetText(IPrim, 6) + QStringLiteral("  a  ") + GetText(IPrim, 7) + QStringLiteral("  b")};
  const int widest = std::max(canvas.width(items[0]), canvas.width(items[1]));
  const int row = m.RowTop[2] - m.RowTop[1];
  modeGroup_->setTitle(GetText(IPrim, 0));
  // The caption's colour comes from a style sheet, which does not pass the
  // window's font on: the group and its items take it here.
  modeGroup_->setFont(fonts().TextFont.font);
  for (QRadioButton* r : radios_) r->setFont(fonts().TextFont.font);
  modeGroup_->setGeometry(left + captionWidth + editWidth + ScalePixels(24), m.RowTop[1] - ScalePixels(8),
                          widest + ScalePixels(48), ScalePixels(24) + 2 * row);
  for (int i = 0; i < 2; ++i) {
    radios_[static_cast<std::size_t>(i)]->setText(items[i]);
    radios_[static_cast<std::size_t>(i)]->setGeometry(ScalePixels(8), ScalePixels(18) + i * row,
                                                     widest + ScalePixels(32), m.RowHeight);
  }
}

int TFPrim::lineCapacity() const {
  const FontTextMeasurer font(memoFont());
  const int blank = std::max(1, font.width(QStringLiteral(" ")));
  return std::min(100, std::max(1, memo()->viewport()->width() / blank));
}

void TFPrim::compute() {
  const auto a = static_cast<std::int64_t>(fields().value(0));
  const auto b = static_cast<std::int64_t>(fields().value(1));
  // The table counts its primes from 1.
  if (mode() == PrimMode::Numbered && std::min(a, b) < 1) throw CalcFailure(msg::InvalidInput);
  wrap_ = false;
  PrimeMemoOutput& out = *this;
  startLongRun(std::make_unique<PrimRun>(mode(), a, b, lineCapacity(), out));
}

void TFPrim::legendClicked(int index) {
  if (index != pageOf(PageKind::Results)) return TopicWindow::legendClicked(index);
  if (mode() != PrimMode::Numbered || longRun().running() || memoLines().size() < 3) return;
  setMemoLines(PrimToggleWrap(memoLines(), !wrap_));
  wrap_ = !wrap_;
}

bool TFPrim::eventFilter(QObject* watched, QEvent* event) {
  if (watched == legendBox(1) && event->type() == QEvent::MouseButtonDblClick) setDefaultSize();
  return TopicWindow::eventFilter(watched, event);
}

void TFPrim::clear() { memo()->clear(); }
void TFPrim::appendLines(const QStringList& lines) { appendMemoLines(lines); }
void TFPrim::setLines(const QStringList& lines) { setMemoLines(lines); }

}  // namespace zw
