#include "topics/linalg-stat/LinKomWindow.h"

#include <QLabel>
#include <QLineEdit>

#include "kernel/TextSigns.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "topics/linalg-stat/LinKom.h"

namespace zw {

namespace {

TopicConfig linKomConfig() {
  TopicConfig c;
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 2;
  c.focus = FocusPolicy::None;
  c.memoFont = SharedFontId::FixedFont;  // column vectors side by side
  return c;
}

QString keyOf(int i) { return QString(QChar(u'a' + i / 3)) + QChar(u"xyz"[i % 3]); }

}  // namespace

TFLinKom::TFLinKom(QWidget* owner) : TopicWindow(owner, ClassName, linKomConfig()) {
  QWidget* box = inputArea();
  for (QLabel*& p : panels_) p = new QLabel(box);
  for (int i = 0; i < 12; ++i) {
    auto* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit") + keyOf(i));
    fields().addField(keyOf(i), e, u'e');
  }
  initTopic();
}

void TFLinKom::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer text(fonts().TextFont.font);
  const QString dot = QString::fromStdU16String(ksym::ThinSpace) + QStringLiteral("\u2022 ");
  const QString captions[4] = {QStringLiteral(" a") + dot, QStringLiteral(" + b") + dot, QStringLiteral(" + c") + dot,
                               QStringLiteral(" = ")};
  const int step = m.RowTop[2] - m.RowTop[1];
  // Each field shows the widest number it takes.
  const int editWidth = NumberEditWidth();
  int left = ScalePixels(16);
  // One band of three rows: each caption on the middle row, its vector's
  // coordinates one under the other.
  for (int v = 0; v < 4; ++v) {
    const int w = text.width(captions[v]) + ScalePixels(4);
    SetupPanel(panels_[static_cast<std::size_t>(v)], left, m.RowTop[1] + step, w, m.RowHeight, captions[v],
               fonts().TextFont);
    for (int k = 0; k < 3; ++k) {
      QLineEdit* e = edits_[static_cast<std::size_t>(3 * v + k)];
      e->setFont(fonts().TextFont.font);
      e->setGeometry(left + w, m.RowTop[1] + k * step, editWidth, m.RowHeight);
    }
    left += w + editWidth;
  }
}

void TFLinKom::compute() {
  TVec3 vec[4];
  for (int v = 0; v < 4; ++v)
    vec[v] = {fields().value(keyOf(3 * v)), fields().value(keyOf(3 * v + 1)), fields().value(keyOf(3 * v + 2))};
  setMemoLines(LinKomMemoLines(vec[0], vec[1], vec[2], vec[3], ComputeLinKom(vec[0], vec[1], vec[2], vec[3])));
}

}  // namespace zw
