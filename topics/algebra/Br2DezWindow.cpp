#include "topics/algebra/Br2DezWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <exception>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/texts/Texts.h"
#include "topics/algebra/AlgebraKit.h"
#include "topics/algebra/Br2Dez.h"

namespace zw {

namespace {

// -----

TopicConfig br2DezConfig() {
  TopicConfig c;
  c.memo = MemoPolicy::RunningRecord;
  c.memoFont = SharedFontId::FixedFont;
  return c;
}

}  // namespace

TFBr2Dez::TFBr2Dez(QWidget* owner) : TopicWindow(owner, ClassName, br2DezConfig()) {
  QWidget* box = inputArea();
  const char16_t* const keys[2] = {u"zaehler", u"nenner"};
  const char16_t kinds[2] = {u'N', u'n'};  // numerator whole >= 0, denominator whole > 0
  for (int i = 0; i < 2; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    fields().addField(QString::fromUtf16(keys[i]), e, kinds[i]);
  }
  memo()->setObjectName(QStringLiteral("Memo1"));
  memo()->installEventFilter(this);
  initTopic();
}

void TFBr2Dez::layoutInputs() {
  const QString texts[2] = {GetTextEq(IBr2Dez, 2), GetTextEq(IBr2Dez, 3)};
  const int tops[2] = {metrics().RowTop[1] - ScalePixels(6), metrics().RowTop[2]};
  PlaceCaptionRows(captions_, edits_, texts, tops);
}

void TFBr2Dez::compute() {
  showResults(static_cast<std::uint64_t>(fields().value(0)), static_cast<std::uint64_t>(fields().value(1)));
}

void TFBr2Dez::showResults(std::uint64_t z, std::uint64_t n) {
  const QString key = Br2DezKey(z, n);
  if (key == lastShown_) return;
  lastShown_ = key;
  appendMemoLines(Br2DezLines(z, n));
}

void TFBr2Dez::memoEnter() {
  QStringList lines = memoLines();
  while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
  if (lines.isEmpty()) return;
  const auto fraction = ReadFractionLine(lines.last());
  if (!fraction) return;  // a line that does not read stays as typed
  lines.removeLast();
  memo()->setPlainText(lines.join(u'\n'));
  showResults(fraction->first, fraction->second);
  memo()->moveCursor(QTextCursor::End);
}

bool TFBr2Dez::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memo() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      try {
        memoEnter();
      } catch (const std::exception&) {
        // An expansion never throws on checked input; nothing typed is lost either way.
      }
      return true;  // no line break
    }
  }
  return TopicWindow::eventFilter(watched, event);
}

}  // namespace zw
