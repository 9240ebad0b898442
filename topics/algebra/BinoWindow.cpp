#include "topics/algebra/BinoWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/algebra/AlgebraKit.h"
#include "topics/algebra/Bino.h"

namespace zw {

namespace {

// -----

TopicConfig binoConfig() {
  TopicConfig c;
  c.memoFont = SharedFontId::TextFont2;
  c.taskLines = 2;
  return c;
}

}  // namespace

TFBino::TFBino(QWidget* owner) : TopicWindow(owner, ClassName, binoConfig()) {
  QWidget* box = inputArea();
  const char16_t* const keys[3] = {u"a", u"b", u"n"};
  for (int i = 0; i < 3; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    // a and b any value, n a whole number up to 500.
    fields().addField(QString::fromUtf16(keys[i]), e, i < 2 ? u'e' : u'B');
  }
  memo()->setObjectName(QStringLiteral("Memo1"));
  initTopic();
}

void TFBino::layoutInputs() {
  taskLabel()->setText(GetText(IBino, 1) + QStringLiteral("  ( a") + MulDot() + QStringLiteral("x + b") + MulDot() +
                       QStringLiteral("y )^n  ") + GetText(IBino, 2));
  const QString texts[3] = {QStringLiteral(" a =  "), QStringLiteral(" b =  "), QStringLiteral(" n =  ")};
  const int tops[3] = {metrics().RowTop[1], metrics().RowTop[2], metrics().RowTop[3]};
  PlaceCaptionRows(captions_, edits_, texts, tops);
}

bool TFBino::readInputs() {
  if (!TopicWindow::readInputs()) return false;
  // A negative exponent has no expansion of this form.
  if (fields().value(2) < 0) {
    return rejectInput(edits_[2]);
  }
  return true;
}

void TFBino::compute() {
  setMemoLines(BinoMemoLines(fields().value(0), fields().value(1), static_cast<int>(fields().value(2)),
                             FontTextMeasurer(fonts().TextFont.font), FontTextMeasurer(memoFont())));
  memo()->moveCursor(QTextCursor::Start);
}

}  // namespace zw
