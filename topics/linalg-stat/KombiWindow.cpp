#include "topics/linalg-stat/KombiWindow.h"

#include <QLabel>
#include <QLineEdit>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "topics/linalg-stat/Kombi.h"

namespace zw {

namespace {

TopicConfig kombiConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputAndResults(3);  // "Ergebnisse"
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 4;
  c.focus = FocusPolicy::OnShowAndActivate;
  c.memoFont = SharedFontId::TextFont2;
  return c;
}

}  // namespace

TFKombi::TFKombi(QWidget* owner) : TopicWindow(owner, ClassName, kombiConfig()) {
  QWidget* box = inputArea();
  const char16_t* keys[2] = {u"n", u"k"};
  for (int i = 0; i < 2; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    auto* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    // Any real number: the counts follow their loops for negative and
    // fractional values too.
    fields().addField(QString::fromUtf16(keys[i]), e, u'e');
  }
  initTopic();
}

void TFKombi::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const QString captions[2] = {QStringLiteral("n = "), QStringLiteral("k = ")};
  const int width = FontTextMeasurer(fonts().TextFont.font).width(captions[0]) + ScalePixels(8);
  for (int i = 0; i < 2; ++i)
    PlaceLabelEdit(captions_[static_cast<std::size_t>(i)], edits_[static_cast<std::size_t>(i)], ScalePixels(16),
                   m.RowTop[1 + i], width, captions[i]);
}

void TFKombi::compute() {
  const Extended n = fields().value(QStringLiteral("n")), k = fields().value(QStringLiteral("k"));
  setMemoLines(KombiMemoLines(n, k, ComputeKombi(n, k), FontTextMeasurer(memoFont())));
}

}  // namespace zw
