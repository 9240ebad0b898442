#include "topics/algebra/PrimFzWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <chrono>
#include <memory>

#include "kernel/CalcFailure.h"
#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/kit/InputRows.h"
#include "topics/frame/LongRun.h"

namespace zw {

namespace {


TopicConfig primFzConfig() {
  TopicConfig c;
  c.focus = FocusPolicy::None;
  c.size = SizePolicy::KeepDefault;
  c.memo = MemoPolicy::RunningRecord;
  c.taskLines = 2;
  return c;
}

std::int64_t nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The widest whole number the fields read (EvalToInt64 takes the 64-bit range).
const QString kLongestWhole = QStringLiteral("-9223372036854775808");

std::int64_t int64Of(const QLineEdit* e) {
  std::int64_t n = 0;
  std::int32_t ok = 0;
  EvalToInt64(e->text().toStdU16String(), n, ok);  // unusable text reads as 0
  return n;
}

}  // namespace

TFPrimFz::TFPrimFz(QWidget* owner) : TopicWindow(owner, ClassName, primFzConfig()) {
  QWidget* box = inputArea();
  modeGroup_ = new QGroupBox(box);
  for (int i = 0; i < 3; ++i) {
    radios_[static_cast<std::size_t>(i)] = new QRadioButton(modeGroup_);
    connect(radios_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { setMode(i); });
    boxes_[static_cast<std::size_t>(i)] = new QGroupBox(box);
  }
  for (int i = 0; i < 4; ++i) {
    QGroupBox* parent = boxes_[i == 0 ? 0 : 1];
    ednCaptions_[static_cast<std::size_t>(i)] = new QLabel(parent);
    QLineEdit* e = edn_[static_cast<std::size_t>(i)] = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("edn%1").arg(i));
    if (i > 0) e->installEventFilter(this);  // selects its text on focus
  }
  intervalCaption_ = new QLabel(boxes_[1]);
  eda0_ = new QLineEdit(boxes_[2]);
  edai_ = new QLineEdit(boxes_[2]);
  ednCount_ = new QLineEdit(boxes_[2]);
  for (auto& c : sequenceCaptions_) c = new QLabel(boxes_[2]);
  stopwatch_ = new QCheckBox(box);
  memo()->installEventFilter(this);

  // Everything is read by the run itself (EvalToInt64), not by the frame's check.
  fields().addField(QStringLiteral("n0"), edn_[0], 0).longest = kLongestWhole;
  fields().addField(QStringLiteral("n1"), edn_[1], 0).longest = kLongestWhole;
  fields().addField(QStringLiteral("n2"), edn_[2], 0).longest = kLongestWhole;
  fields().addField(QStringLiteral("n3"), edn_[3], 0).longest = kLongestWhole;
  fields().addField(QString::fromLatin1(PrimFzStartKey), eda0_, 0);
  fields().addField(QString::fromLatin1(PrimFzTermKey), edai_, 0);
  fields().addField(QStringLiteral("n"), ednCount_, 0).longest = kLongestWhole;
  fields().addInteger(QStringLiteral("idx"), [this] { return mode(); }, [this](int i) { setMode(i); }, 0, 0, 2);
  setMode(0);
  initTopic();
}

int TFPrimFz::mode() const {
  for (int i = 0; i < 3; ++i)
    if (radios_[static_cast<std::size_t>(i)]->isChecked()) return i;
  return 0;
}

void TFPrimFz::setMode(int index) {
  radios_[static_cast<std::size_t>(index)]->setChecked(true);
  for (int i = 0; i < 3; ++i) boxes_[static_cast<std::size_t>(i)]->setVisible(i == index);
  update();
}

void TFPrimFz::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int row = m.RowTop[2] - m.RowTop[1];
  const int left = ScalePixels(16);
  const int radioWidth = ScalePixels(230);
  modeGroup_->setTitle(u' ' + GetText(IPrfz, 10) + u' ');
  modeGroup_->setGeometry(left, m.RowTop[1] - ScalePixels(8), radioWidth, row * 4);
  for (int i = 0; i < 3; ++i) {
    radios_[static_cast<std::size_t>(i)]->setText(GetText(IPrfz, 11 + i));
    radios_[static_cast<std::size_t>(i)]->setGeometry(ScalePixels(8), ScalePixels(20) + i * row,
                                                     radioWidth - ScalePixels(16), m.RowHeight);
  }
  stopwatch_->setText(GetText(IPrfz, 15));
  stopwatch_->setGeometry(left + radioWidth + ScalePixels(16), m.RowTop[1], radioWidth, m.RowHeight);

  const FontTextMeasurer canvas(fonts().TextFont.font);
  // The box of the chosen mode stands under the choice.
  const int boxTop = m.RowTop[1] - ScalePixels(8) + row * 4 + ScalePixels(6);
  const int top = ScalePixels(20);
  auto spaced = [](const QString& t) { return QStringLiteral("  ") + t + QStringLiteral("  "); };
  const QString intervalCaptions[3] = {spaced(GetText(ITabelle, 1)), spaced(GetText(ITabelle, 2)),
                                       spaced(GetText(ITabelle, 3))};
  const QString sequenceCaptions[3] = {QStringLiteral("a[0];  a[1];  a[2]  ... = "), QStringLiteral("a[ i ] = "),
                                       QStringLiteral("i = 0 ... n;     n = ")};
  int widest = 0;
  for (const QString& t : intervalCaptions) widest = std::max(widest, canvas.width(t));
  int widestSequence = 0;
  for (const QString& t : sequenceCaptions) widestSequence = std::max(widestSequence, canvas.width(t));
  const int nWidth = canvas.width(QStringLiteral("n = "));
  const int numberWidth = EditWidthFor(kLongestWhole);

  PlaceLabelEditSized(ednCaptions_[0], edn_[0], ScalePixels(8), top, canvas.width(QStringLiteral(" n =  ")),
                      numberWidth, QStringLiteral(" n =  "));
  intervalCaption_->setText(QStringLiteral("n = "));
  intervalCaption_->setGeometry(ScalePixels(8), top, nWidth, m.RowHeight);
  for (int i = 1; i < 4; ++i)
    PlaceLabelEditSized(ednCaptions_[static_cast<std::size_t>(i)], edn_[static_cast<std::size_t>(i)],
                        ScalePixels(8) + nWidth, top + (i - 1) * row, widest, numberWidth, intervalCaptions[i - 1]);
  QLineEdit* sequenceEdits[3] = {eda0_, edai_, ednCount_};
  for (int i = 0; i < 3; ++i)
    PlaceLabelEditSized(sequenceCaptions_[static_cast<std::size_t>(i)], sequenceEdits[i], ScalePixels(8),
                        top + i * row, widestSequence, i == 2 ? numberWidth : m.WideEditWidth, sequenceCaptions[i]);

  const int boxWidth = ScalePixels(16) + std::max({nWidth + widest + numberWidth, widestSequence + m.WideEditWidth,
                                                   widestSequence + numberWidth});
  for (QGroupBox* b : boxes_) b->setGeometry(left, boxTop, boxWidth, ScalePixels(28) + row * 3);
}

void TFPrimFz::compute() {
  std::int64_t n1 = int64Of(edn_[1]), n2 = int64Of(edn_[2]), n3 = int64Of(edn_[3]);
  // The interval is checked in every mode; a bad one leaves the results page showing.
  if (!CompleteInterval(n1, n2, n3)) {
    ShowErrorBox(this, GetMessageText(msg::InvalidInput));
    return;
  }
  PrimFzRequest r;
  r.mode = static_cast<PrimFzMode>(mode());
  r.n0 = int64Of(edn_[0]);
  r.n1 = n1;
  r.n2 = n2;
  r.n3 = n3;
  r.startTerms = eda0_->text();
  r.recursion = edai_->text();
  r.termCount = int64Of(ednCount_);
  r.stopwatch = stopwatch_->isChecked();
  PrimFzFormat format(std::make_shared<FontTextMeasurer>(memoFont()), PrimFzTexts::current());
  PrimeMemoOutput& out = *this;
  startLongRun(std::make_unique<PrimFzRun>(r, std::move(format), out, lastSingle_, nowMs));
}

void TFPrimFz::clear() { memo()->clear(); }

void TFPrimFz::appendLines(const QStringList& lines) { appendMemoLines(lines); }

void TFPrimFz::setLines(const QStringList& lines) { setMemoLines(lines); }

void TFPrimFz::factoriseTypedLine() {
  QStringList lines = memoLines();
  while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
  if (lines.isEmpty()) return;
  const PrimFzFormat format(std::make_shared<FontTextMeasurer>(memoFont()), PrimFzTexts::current());
  if (const auto line = format.typedLine(lines.last())) lines.last() = *line;
  // The caret goes to a fresh line below for the next number.
  lines << QString();
  setMemoLines(lines);
  memo()->moveCursor(QTextCursor::End);
}

bool TFPrimFz::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memo() && event->type() == QEvent::KeyPress && !longRun().running()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      factoriseTypedLine();
      return true;
    }
  }
  if (event->type() == QEvent::FocusIn)
    for (int i = 1; i < 4; ++i)
      if (watched == edn_[static_cast<std::size_t>(i)])
        QTimer::singleShot(0, edn_[static_cast<std::size_t>(i)], &QLineEdit::selectAll);
  return TopicWindow::eventFilter(watched, event);
}

}  // namespace zw
