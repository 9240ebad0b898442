#include "topics/algebra/Dez2BrWindow.h"

#include <QLabel>
#include <QLineEdit>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/algebra/AlgebraKit.h"
#include "topics/algebra/Dez2Br.h"

namespace zw {

namespace {

// -----

TopicConfig dez2BrConfig() {
  TopicConfig c;
  c.memo = MemoPolicy::RunningRecord;
  c.memoFont = SharedFontId::FixedFont;  // the record's columns line up
  return c;
}

}  // namespace

TFDez2Br::TFDez2Br(QWidget* owner) : TopicWindow(owner, ClassName, dez2BrConfig()) {
  QWidget* box = inputArea();
  const char16_t* const keys[2] = {u"nichtperiodisch", u"periodisch"};
  for (int i = 0; i < 2; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    // Read by the topic.
    fields().addField(QString::fromUtf16(keys[i]), e, 0).longest =
        QString::fromUtf16(i == 0 ? Dez2BrLongestDecimal : Dez2BrLongestPeriod);
  }
  initTopic();
}

void TFDez2Br::layoutInputs() {
  // The first row stands 6 scaled pixels above the shell's row 1.
  const QString texts[2] = {GetTextEq(IDez2Br, 2), GetTextEq(IDez2Br, 3)};
  const int tops[2] = {metrics().RowTop[1] - ScalePixels(6), metrics().RowTop[2]};
  PlaceCaptionRows(captions_, edits_, texts, tops, EditWidthFor(QString::fromUtf16(Dez2BrLongestDecimal)));
}

bool TFDez2Br::readInputs() {
  const Dez2BrConversion c = ConvertDecimal(edits_[0]->text(), edits_[1]->text());
  if (c.badField >= 0) {
    return rejectInput(edits_[static_cast<std::size_t>(c.badField)]);
  }
  return true;
}

void TFDez2Br::compute() {
  const Dez2BrConversion c = ConvertDecimal(edits_[0]->text(), edits_[1]->text());
  if (c.badField >= 0 || c.key == lastShown_) return;  // the same request is listed once
  lastShown_ = c.key;
  appendMemoLines(c.lines);
}

}  // namespace zw
