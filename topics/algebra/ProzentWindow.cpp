#include "topics/algebra/ProzentWindow.h"

#include "kernel/CheckedInput.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/algebra/AlgebraKit.h"

namespace zw {

namespace {

// -----

const char16_t* const kKeys[ProzCount] = {u"G", u"W", u"p", u"q", u"E"};
const char16_t* const kSuffix[ProzCount] = {u"  G = ", u"  W = ", u"  p% = ", u"  q = ", u"  E = "};

TopicConfig prozConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputAndResults(3);
  c.tabStyle = TabStyle::Shell;
  c.save = SavePolicy::NonEmptyTrimmed;
  c.focus = FocusPolicy::None;  // the input page focuses G when it is entered
  c.memoFont = SharedFontId::TextFont2;
  return c;
}

}  // namespace

TFProz::TFProz(QWidget* owner) : TopicWindow(owner, ClassName, prozConfig()) {
  QWidget* box = inputArea();
  for (int i = 0; i < ProzCount; ++i) {
    captions_[static_cast<std::size_t>(i)] = new QLabel(box);
    QLineEdit* e = edits_[static_cast<std::size_t>(i)] = new QLineEdit(box);
    e->setObjectName(i == 2 ? QStringLiteral("EDit3") : QStringLiteral("Edit%1").arg(i + 1));
    // G, W and E are terms; p and q are fraction texts read by the topic
    // itself, a number as long as the others' with the percent sign.
    InputField& f = fields().addField(QString::fromUtf16(kKeys[i]), e, i == ProzP || i == ProzQ ? char16_t{0} : u'f');
    if (f.kind == 0) f.longest = QString::fromStdU16String(LongestAcceptedNumber(u'f', u',')) + u'%';
  }
  for (int p = 0; p < 2; ++p) {
    panels_[static_cast<std::size_t>(p)] = new QWidget(box);
    for (int l = 0; l < 3; ++l) formula_[static_cast<std::size_t>(p * 3 + l)] = new QLabel(panels_[static_cast<std::size_t>(p)]);
  }
  initTopic();
}

void TFProz::layoutInputs() {
  std::array<QString, ProzCount> caption;
  std::array<int, ProzCount> tops{};
  for (int i = 0; i < ProzCount; ++i) {
    caption[static_cast<std::size_t>(i)] = GetText(IProz, i + 2) + QString::fromUtf16(kSuffix[i]);
    tops[static_cast<std::size_t>(i)] = metrics().RowTop[static_cast<std::size_t>(i + 1)];
  }
  const int editWidth = EditWidthFor(LongestAcceptedText(fields().fields()[ProzP]));
  const int captionWidth = PlaceCaptionRows(captions_, edits_, caption, tops, editWidth);

  // W = p/100 · G and E = (1 + p/100) · G as stacked fractions.
  const QString bar = EmDash() + EmDash();
  const QString texts[2][3] = {
      {QStringLiteral("            p"), QStringLiteral(" W = ") + bar + MulDot() + QStringLiteral(" G"),
       QStringLiteral("         100")},
      {QStringLiteral("                  p"), QStringLiteral(" E = ( 1 + ") + bar + QStringLiteral(" )") + MulDot() +
                                                   QStringLiteral(" G"),
       QStringLiteral("               100")}};
  QFont italic = fonts().TextFont.font;
  italic.setItalic(true);
  const QFontMetrics fm(italic);
  const int panelLeft = ScalePixels(16) + captionWidth + editWidth + ScalePixels(24);
  // Three lines and a little room between them, so that the descender of p
  // never reaches the line of the formula below it.
  const int height = 3 * fm.height() + ScalePixels(4);
  int top = metrics().RowTop[1];
  for (int p = 0; p < 2; ++p) {
    int width = 0;
    for (const QString& t : texts[p]) width = std::max(width, fm.horizontalAdvance(t));
    SetupThreeLabelPanel(formula_[static_cast<std::size_t>(p * 3)], formula_[static_cast<std::size_t>(p * 3 + 1)],
                         formula_[static_cast<std::size_t>(p * 3 + 2)], panels_[static_cast<std::size_t>(p)], panelLeft,
                         top, width + ScalePixels(8), height, texts[p][0], texts[p][1], texts[p][2], fonts().TextFont);
    top += height + ScalePixels(12);
  }
}

bool TFProz::readInputs() {
  std::array<QString, ProzCount> texts;
  for (int i = 0; i < ProzCount; ++i) texts[static_cast<std::size_t>(i)] = edits_[static_cast<std::size_t>(i)]->text();
  const ProzReading r = ReadProz(texts);
  if (const int message = ProzMessage(r)) {
    return rejectInput(edits_[static_cast<std::size_t>(std::max(0, r.firstBad))], message);
  }
  reading_ = r;
  return true;
}

void TFProz::compute() {
  const ProzValues all = SolveProz(reading_.values, reading_.mask);
  setMemoLines(ProzMemoLines(all, reading_.mask, FontTextMeasurer(memoFont()), ProzLabels::current()));
}

}  // namespace zw
