#include "topics/algebra/PythWindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>
#include <memory>
#include <vector>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/texts/Texts.h"
#include "topics/algebra/AlgebraKit.h"
#include "topics/algebra/Pyth.h"
#include "topics/frame/LongRun.h"

namespace zw {

namespace {

// -----

TopicConfig pythConfig() {
  TopicConfig c;
  c.focus = FocusPolicy::OnShowAndActivate;
  c.memoFont = SharedFontId::TextFont2;
  c.taskLines = 2;
  return c;
}

// The search in slices; the memo receives every completed line at once.
class TripleStepper : public Stepper {
public:
  TripleStepper(QPlainTextEdit* memo, std::int64_t lower, std::int64_t upper, int capacity)
      : memo_(memo), search_(lower, upper), width_(TripleNumberWidth(upper)),
        lines_(TriplesPerLine(capacity, width_)) {}

  bool step() override {
    found_.clear();
    const bool more = search_.advance(found_, 4096);
    QStringList done;
    for (const PythTriple& t : found_) lines_.add(TripleText(t, width_), done);
    write(done);
    return more;
  }

  void finish(End end, int) override {
    QStringList last;
    lines_.flush(last);
    if (end == End::Stopped)
      last << GetMessageText(53);
    else if (lines_.count() == 0)
      last << GetMessageText(5);
    write(last);
    if (memo_) memo_->verticalScrollBar()->setValue(0);
  }

private:
  void write(const QStringList& lines) {
    if (memo_)
      for (const QString& l : lines) memo_->appendPlainText(l);
  }

  QPointer<QPlainTextEdit> memo_;
  TripleSearch search_;
  int width_;
  TripleLines lines_;
  std::vector<PythTriple> found_;
};

}  // namespace

TFPyth::TFPyth(QWidget* owner) : TopicWindow(owner, ClassName, pythConfig()) {
  QWidget* box = inputArea();
  // The stored worksheets pair "upper" with the lower bound and "lower" with the upper one.
  const char16_t* const keys[2] = {u"upper", u"lower"};
  for (int i = 0; i < 2; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    fields().addField(QString::fromUtf16(keys[i]), e, u'Z');
  }
  memo()->setObjectName(QStringLiteral("Memo1"));
  memo()->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  initTopic();
}

void TFPyth::layoutInputs() {
  const QString texts[2] = {GetTextEq(IPyth, 2), GetTextEq(IPyth, 3)};
  const int tops[2] = {metrics().RowTop[1], metrics().RowTop[2]};
  PlaceCaptionRows(captions_, edits_, texts, tops);
}

int TFPyth::memoLineCapacity() const {
  const int blank = QFontMetrics(memoFont()).horizontalAdvance(u' ');
  return blank > 0 ? std::min(100, memo()->viewport()->width() / blank) : 100;
}

void TFPyth::compute() {
  const auto lower = static_cast<std::int64_t>(fields().value(0));
  const auto upper = static_cast<std::int64_t>(fields().value(1));
  startLongRun(std::make_unique<TripleStepper>(memo(), lower, upper, memoLineCapacity()));
}

}  // namespace zw
