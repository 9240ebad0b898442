#include "topics/algebra/ggTWindow.h"

#include <QLabel>
#include <QLineEdit>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"

namespace zw {

namespace {

// The captions of the layout; "i" has two blanks before "=".
QString captionOf(int index) {
  return index == 8 ? QStringLiteral("i  =  ") : GgtName(index) + QStringLiteral(" =  ");
}

// The longest valid input: 10^15 written out.
const QString kLongestInput = QStringLiteral("1000000000000000");

}  // namespace

TFggT::TFggT(QWidget* owner) : TopicWindow(owner, ClassName) {
  QWidget* box = inputArea();
  for (int i = 0; i < GgtFieldCount; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    // a and b are required (whole, above 0), the others optional (whole, 0 or more).
    fields().addField(GgtName(i), e, i < 2 ? u'n' : u'N');
  }
  initTopic();
}

void TFggT::layoutInputs() {
  const int captionWidth = FontTextMeasurer(fonts().TextFont.font).width(QStringLiteral(" w =  "));
  // Wide enough for every valid number; the second column moves right when
  // the first one needs more room than its usual place leaves.
  const int editWidth = EditWidthFor(kLongestInput);
  const int lefts[2] = {ScalePixels(16), std::max(ScalePixels(196), ScalePixels(16 + 16) + captionWidth + editWidth)};
  for (int i = 0; i < GgtFieldCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    PlaceLabelEditSized(captions_[k], edits_[k], lefts[i / 5], metrics().RowTop[static_cast<std::size_t>(1 + i % 5)],
                        captionWidth, editWidth, captionOf(i));
  }
}

void TFggT::compute() {
  std::array<std::uint64_t, GgtFieldCount> x{};
  // The reading passed: whole numbers from 0 to 10^15.
  for (int i = 0; i < GgtFieldCount; ++i) x[static_cast<std::size_t>(i)] = static_cast<std::uint64_t>(fields().value(GgtName(i)));
  setMemoLines(GgtMemoLines(x, FontTextMeasurer(memoFont())));
}

}  // namespace zw
