#include "topics/analysis/KudisWindow.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {

// The discussion as a long run; `done` gets the result of a finished one.
class DiscussionRun : public Stepper {
public:
  DiscussionRun(DiscussionInput in, DiscussionTexts texts, const QFont& memoFont,
                std::function<void(const DiscussionResult&)> done)
      : memo_(memoFont), steps_(std::move(in), std::move(texts), memo_), done_(std::move(done)) {}
  bool step() override { return steps_.step(); }
  void finish(End end, int) override {
    if (end == End::Finished) done_(steps_.result());
  }

private:
  FontTextMeasurer memo_;
  CurveDiscussionSteps steps_;
  std::function<void(const DiscussionResult&)> done_;
};

constexpr int kTablePage = 3;

TopicConfig kudisConfig() {
  TopicConfig c;
  c.pages = TopicConfig::fourPages();
  c.printPages = 3;
  // The discussion is a long run that replaces the memo when it is complete:
  // a stopped one leaves the last discussion on the page.
  c.memo = MemoPolicy::RunningRecord;
  return c;
}

ChartPageOptions kudisChart() {
  ChartPageOptions o;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = 3;
  return o;
}

DiscussionTexts Texts() {
  return {GetText(IKudis, 11), GetText(IKudis, 12), GetText(IKudis, 13), GetText(IKudis, 20),
          GetText(IKudis, 31), GetText(IKudis, 32), GetText(IKudis, 33)};
}

}  // namespace

TFKudis::TFKudis(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, kudisConfig(), kudisChart()),
      angle_(inputArea()),
      range_(chartPage(), {}) {
  QWidget* box = inputArea();
  termCaption_ = new QLabel(box);
  fromCaption_ = new QLabel(box);
  toCaption_ = new QLabel(box);
  term_ = new QLineEdit(box);
  term_->setObjectName(QStringLiteral("edFkt"));
  from_ = new QLineEdit(box);
  from_->setObjectName(QStringLiteral("edxmin"));
  to_ = new QLineEdit(box);
  to_->setObjectName(QStringLiteral("edxmax"));
  derivatives_ = new QGroupBox(box);
  derivatives_->setObjectName(QStringLiteral("gbAbleitungen"));
  auto* column = new QVBoxLayout(derivatives_);
  cbf1_ = new QCheckBox(FunctionSign() + QStringLiteral("'(x)"), derivatives_);
  cbf2_ = new QCheckBox(FunctionSign() + QStringLiteral("\"(x)"), derivatives_);
  column->addWidget(cbf1_);
  column->addWidget(cbf2_);
  cbf1_->setChecked(true);
  cbf2_->setChecked(true);
  // The second derivative is symbolic only together with the first.
  connect(cbf1_, &QCheckBox::clicked, this, [this](bool on) {
    if (!on) cbf2_->setChecked(false);
  });
  connect(cbf2_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) cbf1_->setChecked(true);
  });
  fields().addField(QString::fromLatin1(KudisTermKey), term_, 0).longest = QStringLiteral("sin(x)*exp(-x^2/10)+x^3");
  fields().addField(QString::fromLatin1(KudisFromKey), from_, u'e', QStringLiteral("-10"));
  fields().addField(QString::fromLatin1(KudisToKey), to_, u'e', QStringLiteral("10"));
  AttachTermEditMenu(term_, clipboard_, [this](const std::function<void()>& f) { runGuarded(f); });

  switches_ = new CurveSwitches(contentBox(2), 3, clSilver, [this](int) {
    updateSwitches();
    chartPage().drawChart();
  });
  switches_->setLabels({QStringLiteral(" ") + FunctionSign(), QStringLiteral(" ") + FunctionSign() + QStringLiteral("'"),
                        QStringLiteral(" ") + FunctionSign() + QStringLiteral("\"")});

  table_ = new ValueTablePage(*this, contentBox(kTablePage),
                              [this](Extended from, Extended to, Extended step, int digits) {
                                return tableLines(from, to, step, digits);
                              });
  range_.registerKeys(fields());
  addChartKeys();
  initTopic();
}

QWidget* TFKudis::inputFor(const QString& key) const {
  if (QWidget* w = table_->inputFor(key)) return w;
  return ChartTopicWindow::inputFor(key);
}

void TFKudis::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const QString c1 = QStringLiteral("  ") + FunctionSign() + QStringLiteral("(x) = ");
  const QString c2 = QStringLiteral("  ") + GetText(IKudis, 12) + QStringLiteral("  ");
  const QString c3 = QStringLiteral("  ") + GetText(IKudis, 13) + QStringLiteral("  ");
  const int left = ScalePixels(16);
  PlaceLabelEdit(termCaption_, term_, left, m.RowTop[1], font.width(c1), c1);
  placeStretched(term_, term_->geometry(), ScalePixels(24));
  PlaceLabelEdit(fromCaption_, from_, left, m.RowTop[2], font.width(c2), c2);
  PlaceLabelEdit(toCaption_, to_, from_->geometry().right() + 1, m.RowTop[2], font.width(c3), c3);
  const int top = m.RowTop[3] + m.HalfRowStep;
  angle_.place(left, top, ScalePixels(240), GetText(IKudis, 15));
  derivatives_->setTitle(GetText(IKudis, 20));
  derivatives_->setFont(fonts().TextFont.font);
  const QSize d = derivatives_->sizeHint();
  derivatives_->setGeometry(angle_.box()->geometry().right() + 1 + ScalePixels(16), top,
                            std::max(d.width(), ScalePixels(120)), std::max(d.height(), angle_.box()->height()));
}

void TFKudis::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  if (index == chartPage().options().pageIndex) {
    switches_->placeBesideChart(chartPage().chart());
  } else if (index == kTablePage) {
    table_->layout(contentBox(kTablePage)->contentsRect(), memoFont());
  }
}

void TFKudis::compute() {
  DiscussionInput in;
  in.term = DiscussionTerm(term_->text());
  in.fromText = from_->text();
  in.toText = to_->text();
  in.from = fields().value(QString::fromLatin1(KudisFromKey));
  in.to = fields().value(QString::fromLatin1(KudisToKey));
  in.symbolic1 = cbf1_->isChecked();
  in.symbolic2 = cbf2_->isChecked();
  in.context = context();
  f0_ = in.term;
  xvon_ = in.from;
  xbis_ = in.to;
  if (!(in.to > in.from)) throw InputRejected(KudisFromKey);
  // A long term takes seconds: the discussion is a long run that ESC stops,
  // and the memo changes only when it is complete.
  startLongRun(std::make_unique<DiscussionRun>(std::move(in), Texts(), memoFont(),
                                               [this](const DiscussionResult& r) { showDiscussion(r); }));
}

void TFKudis::showDiscussion(const DiscussionResult& r) {
  d1_ = r.d1;
  d2_ = r.d2;
  for (const DiscussionPoint& p : r.points) {
    xmin_ = std::min(xmin_, p.x), xmax_ = std::max(xmax_, p.x);
    ymin_ = std::min(ymin_, p.y), ymax_ = std::max(ymax_, p.y);
  }
  setMemoLines(r.lines);
  updateSwitches();
  // A chart built while the discussion ran takes its points in now.
  if (rangeBeforeResult_) {
    if (currentPage() == chartPage().options().pageIndex) chartPage().initChart();
    rangeBeforeResult_ = false;
  }
}

std::array<QString, 3> TFKudis::hintTexts() const {
  const QString f = FunctionSign();
  return {f + QStringLiteral("(x) = ") + QString::fromStdU16String(f0_),
          f + QStringLiteral("'(x) = ") + QString::fromStdU16String(d1_),
          f + QStringLiteral("\"(x) = ") + QString::fromStdU16String(d2_)};
}

void TFKudis::updateSwitches() {
  const auto h = hintTexts();
  switches_->update({true, true, true}, chartPage().pens(), {h[0], h[1], h[2]});
}

void TFKudis::graphHints(std::array<QString, 13>& hints) {
  const auto h = hintTexts();
  for (int i = 0; i < 3; ++i) hints[std::size_t(i + 1)] = h[std::size_t(i)];
}

ChartRange TFKudis::chartRange() {
  // A chart built while a discussion runs shows the range for now and is
  // built again with the points; until then the extent stays as it is.
  const bool before = longRun().running();
  rangeBeforeResult_ = rangeBeforeResult_ || before;
  Extended xmin = xmin_, xmax = xmax_, ymin = ymin_, ymax = ymax_;
  if (xmax == xmin || ymax == ymin) {
    xmin = xvon_, xmax = xbis_;
    ymax = 0.8L * (xbis_ - xvon_);
    ymin = -ymax;
    if (!before) xmin_ = xmin, xmax_ = xmax, ymin_ = ymin, ymax_ = ymax;
  }
  ChartRange r;
  const Extended dx = std::fabs(xmax - xmin) / 5, dy = std::fabs(ymax - ymin) / 5;
  r.xLo = xmin - dx, r.xHi = xmax + dx, r.yLo = ymin - dy, r.yHi = ymax + dy;
  // A remembered range replaces the ends it names; then the scales are as given.
  bool stored = false;
  Extended v = 0;
  Extended* ends[4] = {&r.xLo, &r.xHi, &r.yLo, &r.yHi};
  const Extended extent[4] = {xmin, xmax, ymin, ymax};
  for (const QString& t : range_.texts) stored |= !t.trimmed().isEmpty();
  if (stored) {
    for (int i = 0; i < 4; ++i) *ends[i] = ReadRangeText(range_.texts[std::size_t(i)], v) ? v : extent[i];
    r.equalScales = false;
  }
  return r;
}

void TFKudis::drawFigures(TVIrada& chart) {
  const FormulaContext c = context();
  const GraphPens pens = chartPage().pens();
  const QString term = QString::fromStdU16String(f0_);
  updateSwitches();
  if (switches_->shown(1)) PlotTerm(term, chart, pens.color[1], pens.width[1], c);
  // The derivative curves are the numeric ones whatever the check boxes say.
  if (switches_->shown(2)) PlotDerivative1(term, chart, pens.color[2], pens.width[2], c);
  if (switches_->shown(3)) PlotDerivative2(term, chart, pens.color[3], pens.width[3], c);
}

void TFKudis::enterOtherPage(int index) {
  if (index != kTablePage) return;
  runComputation();
  if (currentPage() != kTablePage) return;  // the inputs were refused
  const auto edits = table_->edits();
  edits[0]->setText(from_->text().trimmed().isEmpty() ? QStringLiteral("0") : from_->text());
  edits[1]->setText(to_->text().trimmed().isEmpty() ? QStringLiteral("0") : to_->text());
  Extended a = xvon_, b = xbis_;
  if (a > b) std::swap(a, b);
  const Extended step = ValueTableStep(a, b);
  edits[2]->setText(QString::fromStdU16String(FormatReal(8, step)));
  table_->fill(a, b, step);
  edits[0]->setFocus();
}

QStringList TFKudis::tableLines(Extended from, Extended to, Extended step, int digits) const {
  ValueTableInput in;
  in.term = f0_;
  in.fromText = table_->edits()[0]->text();
  in.toText = table_->edits()[1]->text();
  in.from = from, in.to = to, in.step = step;
  in.digits = digits;
  in.symbolic1 = cbf1_->isChecked();
  in.symbolic2 = cbf2_->isChecked();
  in.context = context();
  return KudisValueTable(in, GetText(ITabelle, 1), GetText(ITabelle, 2), FontTextMeasurer(memoFont()));
}

void TFKudis::printPageRange(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first, int last) {
  DiscussionPrintout out;
  out.title = GetText(IKudis, 0);
  out.results = memoLines();
  out.functionLines = {FunctionSign() + QStringLiteral("(x) = ") + term_->text()};
  out.chart = &chartPage();
  out.switches = switches_;
  out.table = table_->memo()->toPlainText().split(u'\n');
  PrintDiscussionPages(painter, device, cursor, first, last, memoFont(), out);
}

}  // namespace zw
