#include "topics/algebra/PrimtupWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <memory>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/kit/InputRows.h"

namespace zw {

namespace {


TopicConfig primtupConfig() {
  TopicConfig c;
  c.tabStyle = TabStyle::Shell;
  return c;
}

}  // namespace

TFPrimtup::TFPrimtup(QWidget* owner) : TopicWindow(owner, ClassName, primtupConfig()) {
  QWidget* box = inputArea();
  const char* keys[2] = {"a", "b"};
  for (int i = 0; i < 2; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    fields().addField(QString::fromLatin1(keys[i]), e, u'N');
  }
  choiceGroup_ = new QGroupBox(box);
  for (auto& r : radios_) r = new QRadioButton(choiceGroup_);
  fields().addInteger(QStringLiteral("auswahl"), [this] { return choice(); }, [this](int i) { setChoice(i); }, 0, 0, 3);
  setChoice(0);
  initTopic();
}

int TFPrimtup::choice() const {
  for (int i = 0; i < 4; ++i)
    if (radios_[static_cast<std::size_t>(i)]->isChecked()) return i;
  return 0;
}

void TFPrimtup::setChoice(int index) {
  radios_[static_cast<std::size_t>(index)]->setChecked(true);
}

void TFPrimtup::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const QString captionA = u' ' + GetText(IPrimtup, 2) + QStringLiteral("  a =  ");
  const QString captionB = u' ' + GetText(IPrimtup, 3) + QStringLiteral("  b =  ");
  const int captionWidth = std::max(canvas.width(captionA), canvas.width(captionB));
  const int left = ScalePixels(16);
  PlaceLabelEdit(captions_[0], edits_[0], left, m.RowTop[2] - ScalePixels(6), captionWidth, captionA);
  PlaceLabelEdit(captions_[1], edits_[1], left, m.RowTop[3], captionWidth, captionB);
  const int row = m.RowTop[2] - m.RowTop[1];
  const int groupLeft = left + captionWidth + NumberEditWidth() + ScalePixels(24);
  int widest = 0;
  for (int i = 0; i < 4; ++i) widest = std::max(widest, canvas.width(GetText(IPrimtup, 4 + i)));
  choiceGroup_->setGeometry(groupLeft, m.RowTop[1] - ScalePixels(8), widest + ScalePixels(48),
                            ScalePixels(24) + 4 * row);
  for (int i = 0; i < 4; ++i) {
    radios_[static_cast<std::size_t>(i)]->setText(GetText(IPrimtup, 4 + i));
    radios_[static_cast<std::size_t>(i)]->setGeometry(ScalePixels(8), ScalePixels(16) + i * row,
                                                     widest + ScalePixels(32), m.RowHeight);
  }
}

void TFPrimtup::compute() {
  const auto a = static_cast<std::int64_t>(fields().value(0));
  const auto b = static_cast<std::int64_t>(fields().value(1));
  PrimeMemoOutput& out = *this;
  startLongRun(std::make_unique<PrimtupRun>(static_cast<TupleKind>(4 + choice()), a, b, out));
}

void TFPrimtup::clear() { memo()->clear(); }
void TFPrimtup::appendLines(const QStringList& lines) { appendMemoLines(lines); }
void TFPrimtup::setLines(const QStringList& lines) { setMemoLines(lines); }

}  // namespace zw
