#include "topics/analysis/PolFktWindow.h"

#include <QLabel>
#include <QLineEdit>

#include "kernel/PolyText.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/analysis/CurveDiscussion.h"
#include "topics/frame/ChartHelpers.h"

namespace zw {

namespace {

CoeffDiscussionSetup polFktSetup() {
  const QString f = QStringLiteral(" ") + FunctionSign();
  CoeffDiscussionSetup s;
  s.switchLabels = {f, f + QStringLiteral("'"), f + QStringLiteral("\""), f + QStringLiteral("'\"")};
  s.rangeDefaults = {QStringLiteral("-10"), QStringLiteral("10"), QStringLiteral("-7"), QStringLiteral("7")};
  s.taskLines = 6;
  return s;
}

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

}  // namespace

TFPolFkt::TFPolFkt(QWidget* owner) : CoeffDiscussionWindow(owner, ClassName, polFktSetup()) {
  QWidget* box = inputArea();
  polynomial_ = new QLabel(box);
  polynomial_->setObjectName(QStringLiteral("panPolynom2"));
  fromCaption_ = new QLabel(box);
  toCaption_ = new QLabel(box);
  from_ = new QLineEdit(box);
  from_->setObjectName(QStringLiteral("edxmin"));
  to_ = new QLineEdit(box);
  to_->setObjectName(QStringLiteral("edxmax"));
  fields().addField(QString::fromLatin1(PolFktFromKey), from_, u'e');
  fields().addField(QString::fromLatin1(PolFktToKey), to_, u'e');
  finishCreation();
}

void TFPolFkt::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  grid()->place(left, ScalePixels(4));
  int top = grid()->geometry().bottom() + 1 + ScalePixels(4);
  polynomial_->setFont(memoFont());
  placeStretched(polynomial_, QRect(left, top, grid()->width(), m.RowHeight), ScalePixels(8));
  top += m.RowHeight + ScalePixels(8);
  const FontTextMeasurer font(fonts().TextFont.font);
  const QString c1 = GetText(IPolFkt, 3) + GetTextSpaced2(ITabelle, 1);
  const QString c2 = GetTextSpaced2(ITabelle, 2);
  PlaceLabelEdit(fromCaption_, from_, left, top, font.width(c1), c1);
  PlaceLabelEdit(toCaption_, to_, from_->geometry().right() + 1, top, font.width(c2), c2);
}

void TFPolFkt::showFunction() {
  TPoly p{};
  try {
    p = grid()->polynomial(1);
  } catch (const CalcFailure&) {
    return;  // said when the user asks for a result
  }
  polynomial_->setText(FunctionSign() + QStringLiteral("(x) = ") + Q(PolyToTextFrac(p)));
  clipboard().setText(PolyToTextPlain(p));
}

QStringList TFPolFkt::discuss() {
  PolFktInput in;
  in.f = grid()->polynomial(1);
  in.c = fields().value(QString::fromLatin1(PolFktFromKey));
  in.d = fields().value(QString::fromLatin1(PolFktToKey));
  result_ = DiscussPolynomial(in, PolFktTexts::current(), FontTextMeasurer(memoFont()));
  return result_.lines;
}

QStringList TFPolFkt::tableLines(Extended from, Extended to, Extended step, int digits) const {
  return PolynomialValueTable(result_.f, from, to, step, digits, FontTextMeasurer(memoFont()), TableStepKey);
}

std::vector<QString> TFPolFkt::hints() const {
  const QString f = FunctionSign();
  const QString heads[4] = {f + QStringLiteral("(x)"), f + QStringLiteral("'(x)"), f + QStringLiteral("\"(x)"),
                            f + QStringLiteral("'\"(x)")};
  std::vector<QString> h;
  for (std::size_t i = 0; i < 4; ++i) h.push_back(heads[i] + QStringLiteral(" = ") + result_.texts[i]);
  return h;
}

QStringList TFPolFkt::functionLines() const { return {polynomial_->text()}; }

ChartRange TFPolFkt::chartRange() {
  ChartRange box;
  box.xLo = result_.xmin, box.xHi = result_.xmax, box.yLo = result_.ymin, box.yHi = result_.ymax;
  box.equalScales = false;
  // A stored end replaces the point box's; a text that is no number (a
  // hand-edited worksheet) or an empty range leaves the point box.
  ChartRange r = box;
  Extended* ends[4] = {&r.xLo, &r.xHi, &r.yLo, &r.yHi};
  for (std::size_t i = 0; i < 4; ++i) {
    const QString& text = storedRange().texts[i];
    if (text.trimmed().isEmpty()) continue;
    if (!ReadRangeText(text, *ends[i])) return box;
  }
  return r.xLo < r.xHi && r.yLo < r.yHi ? r : box;
}

void TFPolFkt::drawFigures(TVIrada& chart) {
  const GraphPens pens = chartPage().pens();
  updateSwitches();
  const TPoly* polys[4] = {&result_.f, &result_.d1, &result_.d2, &result_.d3};
  for (int k = 1; k <= 4; ++k)
    if (switches().shown(k))
      PlotPolynomial(*polys[k - 1], chart, pens.color[std::size_t(k)], pens.width[std::size_t(k)]);
}

}  // namespace zw
