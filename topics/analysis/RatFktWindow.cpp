#include "topics/analysis/RatFktWindow.h"

#include <QLabel>

#include "kernel/PolyText.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/analysis/CurveDiscussion.h"
#include "topics/frame/ChartHelpers.h"

namespace zw {

namespace {

CoeffDiscussionSetup ratFktSetup() {
  const QString f = QStringLiteral(" ") + FunctionSign();
  CoeffDiscussionSetup s;
  s.polynomials = 2;
  s.rowHeads = true;
  s.switchLabels = {f, f + QStringLiteral("'"), f + QStringLiteral("\""), f + QStringLiteral("p"), f + QStringLiteral("a")};
  s.taskLines = 4;
  return s;
}

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

// "  a₉·x⁹ + a₈·x⁸ + ... + a₀  " for the letter a (numerator) or b.
QString GeneralRow(QChar c) {
  const QString dot = MulDot();
  return QStringLiteral("  ") + c + SubScriptDigits(9) + dot + QStringLiteral("x") + SupScriptDigits(9) +
         QStringLiteral(" + ") + c + SubScriptDigits(8) + dot + QStringLiteral("x") + SupScriptDigits(8) +
         QStringLiteral(" + ... + ") + c + SubScriptDigits(0) + QStringLiteral("  ");
}

}  // namespace

TFRatFkt::TFRatFkt(QWidget* owner) : CoeffDiscussionWindow(owner, ClassName, ratFktSetup()) {
  QWidget* box = inputArea();
  formHead_ = new QLabel(FunctionSign() + QStringLiteral("(x) = "), box);
  formHead_->setObjectName(QStringLiteral("pan0"));
  form_ = new QLabel(GeneralRow(u'a') + QStringLiteral("\n") + QString(36, u'-') + QStringLiteral("\n") + GeneralRow(u'b'),
                     box);
  form_->setObjectName(QStringLiteral("pan1"));
  form_->setAlignment(Qt::AlignCenter);
  for (QLabel* l : {formHead_, form_}) {
    l->setStyleSheet(QStringLiteral("color: navy"));
  }
  function_ = new QLabel(box);
  function_->setObjectName(QStringLiteral("lblPolynom2"));
  // Only ƒ is drawn at first.
  for (int i = 2; i <= 5; ++i) switches().setShown(i, false);
  finishCreation();
}

void TFRatFkt::layoutInputs() {
  const int left = ScalePixels(16);
  QFont italic = fonts().TextFont.font;
  // The text font is sized in pixels by the zoom: scale what is set.
  if (italic.pixelSize() > 0) italic.setPixelSize(std::max(1, italic.pixelSize() * 11 / 9));
  else italic.setPointSizeF(italic.pointSizeF() * 11 / 9);
  italic.setItalic(true);
  formHead_->setFont(italic);
  form_->setFont(italic);
  const QSize head = formHead_->sizeHint(), form = form_->sizeHint();
  form_->setGeometry(left + head.width(), 0, form.width(), form.height());
  formHead_->setGeometry(left, (form.height() - head.height()) / 2, head.width(), head.height());
  grid()->place(left, form.height() + ScalePixels(4));
  function_->setFont(memoFont());
  const int top = grid()->geometry().bottom() + 1 + ScalePixels(4);
  placeStretched(function_, QRect(left, top, grid()->width(), std::max(function_->sizeHint().height(), 3 * metrics().RowHeight)),
                 ScalePixels(8));
}

void TFRatFkt::showFunction() {
  TPoly z{}, n{};
  try {
    z = grid()->polynomial(1);
    n = grid()->polynomial(2);
  } catch (const CalcFailure&) {
    return;  // said when the user asks for a result
  }
  const std::u16string nText = PolyIsZero(n) ? u"1" : PolyToTextFrac(n);
  function_->setText(
      Q(FunctionFractionText(FontTextMeasurer(memoFont()), PolyToTextFrac(z), nText)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QStringList TFRatFkt::discuss() {
  const TPoly z = grid()->polynomial(1), n = grid()->polynomial(2);
  clipboard().setText(u"(" + PolyToTextPlain(z) + u")/(" + PolyToTextPlain(n) + u")");
  result_ = DiscussRational(z, n, RatFktTexts::current(), FontTextMeasurer(memoFont()));
  return result_.lines;
}

QStringList TFRatFkt::tableLines(Extended from, Extended to, Extended step, int digits) const {
  return RationalValueTable(result_, from, to, step, digits, FontTextMeasurer(memoFont()), TableStepKey);
}

std::vector<QString> TFRatFkt::hints() const { return {result_.hints.begin(), result_.hints.end()}; }

QStringList TFRatFkt::functionLines() const {
  const FractionText3 f = FractionLines(FontTextMeasurer(memoFont()), (FunctionSign() + QStringLiteral("(x) = ")).toStdU16String(),
                                        PolyToTextFrac(result_.z), PolyToTextFrac(result_.n));
  return {Q(f.numeratorLine), Q(f.barLine), Q(f.denominatorLine)};
}

ChartRange TFRatFkt::chartRange() {
  // The point box with a tenth of its size around it, at equal scales, unless
  // a readable range is stored.
  ChartRange box;
  const Extended dx = std::fabs(result_.xmax - result_.xmin) / 10, dy = std::fabs(result_.ymax - result_.ymin) / 10;
  box.xLo = result_.xmin - dx, box.xHi = result_.xmax + dx, box.yLo = result_.ymin - dy, box.yHi = result_.ymax + dy;
  ChartRange r = storedRange().range(box);
  if (!(r.xLo < r.xHi && r.yLo < r.yHi)) return box;
  if (storedRange().readable()) r.equalScales = false;
  return r;
}

void TFRatFkt::drawFigures(TVIrada& chart) {
  const GraphPens pens = chartPage().pens();
  updateSwitches();
  const std::vector<Extended>& poles = result_.poles;
  const TPoly* z[3] = {&result_.z, &result_.z1, &result_.z2};
  const TPoly* n[3] = {&result_.n, &result_.n1, &result_.n2};
  for (std::size_t k = 1; k <= 3; ++k)
    if (switches().shown(int(k))) PlotRational(*z[k - 1], *n[k - 1], poles, chart, pens.color[k], pens.width[k]);
  if (switches().shown(4))
    for (Extended p : poles) DrawVLine(chart, pens.color[4], pens.width[4], p);
  if (switches().shown(5)) PlotPolynomial(result_.asymptote, chart, pens.color[5], pens.width[5]);
}

}  // namespace zw
