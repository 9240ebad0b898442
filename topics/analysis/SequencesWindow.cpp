#include "topics/analysis/SequencesWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "kernel/CalcFailure.h"
#include "shell/Metrics.h"
#include "shell/commands/Commands.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/analysis/Newton.h"
#include "topics/analysis/Sequences.h"

namespace zw {

// ----- sequences ------------------------------------------------------------

namespace {

TopicConfig sequenceConfig() {
  TopicConfig c;
  c.pages = TopicConfig::singlePage();
  c.taskLines = 4;
  // A refused input leaves the last listing in place.
  c.memo = MemoPolicy::RunningRecord;
  return c;
}

const QString kA0Caption = QStringLiteral("a[0]; a[1]; a[2]  . . . = ");
const QString kNCaption = QStringLiteral("i = 0 . . . n-1;     n = ");

}  // namespace

TFFolgen::TFFolgen(QWidget* owner) : TopicWindow(owner, ClassName, sequenceConfig()) {
  QWidget* box = inputArea();
  a0Caption_ = new QLabel(box);
  aiCaption_ = new QLabel(box);
  nCaption_ = new QLabel(box);
  a0_ = new QLineEdit(box);
  ai_ = new QLineEdit(box);
  n_ = new QLineEdit(box);
  numbered_ = new QCheckBox(box);
  fields().addField(QString::fromLatin1(SequenceStartKey), a0_, 0);
  fields().addField(QString::fromLatin1(SequenceTermKey), ai_, 0);
  fields().addField(QString::fromLatin1(SequenceCountKey), n_, 0, QStringLiteral("10")).longest =
      QString::number(SequenceMaxTerms);
  connect(numbered_, &QCheckBox::clicked, this, [this] { computeNow(); });
  initTopic();
}

void TFFolgen::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const QString ai = SequenceLabels::current().termCaption;
  const int captionWidth = std::max({font.width(kA0Caption), font.width(ai), font.width(kNCaption)});
  const int left = ScalePixels(16);
  PlaceLabelEdit(a0Caption_, a0_, left, m.RowTop[1], captionWidth, kA0Caption);
  PlaceLabelEdit(aiCaption_, ai_, left, m.RowTop[2], captionWidth, ai);
  PlaceLabelEdit(nCaption_, n_, left, m.RowTop[3], captionWidth, kNCaption);
  const QRect least = a0_->geometry();
  placeStretched(a0_, least, ScalePixels(24));
  placeStretched(ai_, ai_->geometry(), ScalePixels(24));
  // The check box ends where the term rows end.
  numbered_->setText(GetText(IFolgen, 4).trimmed());
  const int w = numbered_->sizeHint().width();
  numbered_->setGeometry(a0_->geometry().right() - w, m.RowTop[3], w, m.RowHeight);
  countAsPlaced(numbered_, QRect(least.right() - w, m.RowTop[3], w, m.RowHeight));
  const int top = n_->geometry().bottom() + ScalePixels(12);
  memo()->setFont(memoFont());
  placeStretched(memo(), QRect(left, top, least.right() - left, 3 * m.RowHeight), left, ScalePixels(8));
}

void TFFolgen::compute() {
  // An unusable n is refused before anything changes; then the term field
  // shows the term as it is used, whether the computation passes or not.
  SequenceCount(n_->text());
  ai_->setText(SequenceTermText(ai_->text()));
  const SequenceInput in{a0_->text(), ai_->text(), n_->text(), numbered_->isChecked()};
  // The memo changes only when every term is there; ESC leaves it as it was.
  startLongRun(std::make_unique<SequenceRun>(in, std::make_shared<FontTextMeasurer>(memoFont()),
                                             SequenceLabels::current(),
                                             [this](const SequenceResult& r) { setMemoLines(r.lines); }));
}

// ----- Newton iteration -------------------------------------------------------

namespace {

TopicConfig iterationConfig() {
  TopicConfig c;
  // A refused term or start value leaves the last table in place.
  c.memo = MemoPolicy::RunningRecord;
  c.taskLines = 4;
  return c;
}

}  // namespace

TFIter::TFIter(QWidget* owner) : TopicWindow(owner, ClassName, iterationConfig()) {
  QWidget* box = inputArea();
  termCaption_ = new QLabel(box);
  x0Caption_ = new QLabel(box);
  term_ = new QLineEdit(box);
  x0_ = new QLineEdit(box);
  term_->setObjectName(QStringLiteral("Edit1"));
  x0_->setObjectName(QStringLiteral("Edit2"));
  fields().addField(QString::fromLatin1(NewtonTermKey), term_, 0);
  fields().addField(QString::fromLatin1(NewtonStartKey), x0_, u'e');
  initTopic();
}

void TFIter::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const QString c1 = FunctionSign() + QStringLiteral("(x) = ");
  const QString c2 = QStringLiteral(" x") + QChar(0x2092) + QStringLiteral(" = ");
  const FontTextMeasurer font(fonts().TextFont.font);
  const int captionWidth = std::max(font.width(c1), font.width(c2));
  const int left = ScalePixels(16);
  PlaceLabelEdit(termCaption_, term_, left, m.RowTop[1], captionWidth, c1);
  PlaceLabelEdit(x0Caption_, x0_, left, m.RowTop[2], captionWidth, c2);
  placeStretched(term_, term_->geometry(), ScalePixels(24));
}

void TFIter::compute() {
  // The start value passed the frame's check (kind 'e').
  const Extended x0 = fields().value(1);
  // The table changes only when it is complete; ESC leaves the last one.
  startLongRun(std::make_unique<NewtonRun>(NewtonTermText(term_->text()), x0,
                                           std::make_shared<FontTextMeasurer>(memoFont()), GetMessageText(41),
                                           [this](const NewtonResult& r) { setMemoLines(r.lines); }));
}

}  // namespace zw
