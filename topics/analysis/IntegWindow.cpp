#include "topics/analysis/IntegWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "charts/ChartDraw.h"
#include "kernel/Evaluator.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {

constexpr int kBoundarySteps = 100;
const ChartRange kDefaultRange{-10, -8, 10, 8};

TopicConfig integConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputResultsChart();
  c.taskLines = 4;
  // A refused term or a stopped run leaves the last results in place.
  c.memo = MemoPolicy::RunningRecord;
  return c;
}

ChartPageOptions integChart() {
  ChartPageOptions o;
  o.wheelDivisor = 32;
  o.wheelSuppressesPaint = true;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = 2;
  o.areaVis = true;
  return o;
}

IntegralTexts Texts() {
  return {GetTextBlank(IInteg, 2), GetTextSpaced(IInteg, 3), GetText(IInteg, 4), GetText(IInteg, 5),
          GetText(IInteg, 6),      GetText(IInteg, 7),       GetText(IInteg, 8), GetText(IInteg, 9)};
}

QString CurveName(int i) { return FunctionSign() + SubScriptDigits(i) + QStringLiteral("(x) = "); }

}  // namespace

TFInteg::TFInteg(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, integConfig(), integChart()), range_(chartPage(), {}) {
  QWidget* box = inputArea();
  for (QLabel** c : {&f1Caption_, &f2Caption_, &aCaption_, &bCaption_}) *c = new QLabel(box);
  const char* names[4] = {"Editf1", "Editf2", "Edita", "Editb"};
  QLineEdit** edits[4] = {&f1_, &f2_, &a_, &b_};
  for (int i = 0; i < 4; ++i) {
    *edits[i] = new QLineEdit(box);
    (*edits[i])->setObjectName(QString::fromLatin1(names[i]));
  }
  arcs_ = new QCheckBox(box);
  arcs_->setObjectName(QStringLiteral("cbBogen"));
  moments_ = new QCheckBox(box);
  moments_->setObjectName(QStringLiteral("cbMomente"));
  volumes_ = new QCheckBox(box);
  volumes_->setObjectName(QStringLiteral("cbVolumen"));
  const QString longestTerm = QStringLiteral("sqrt(4-x^2)*exp(-x/3)");
  fields().addField(QString::fromLatin1(IntegF1Key), f1_, 0).longest = longestTerm;
  fields().addField(QString::fromLatin1(IntegF2Key), f2_, 0).longest = longestTerm;
  fields().addField(QString::fromLatin1(IntegAKey), a_, u'e', QStringLiteral("0"));
  fields().addField(QString::fromLatin1(IntegBKey), b_, u'e', QStringLiteral("1"));
  for (QLineEdit* e : {f1_, f2_})
    AttachTermEditMenu(e, clipboard_, [this](const std::function<void()>& f) { runGuarded(f); });
  range_.registerKeys(fields());
  addChartKeys();
  // The area is filled before the chart draws its curves, on the screen and
  // on the printer alike.
  chartPage().chart().OnBeforeRenderData = [this](TVIrada*, QPainter*& canvas, int top, int left) {
    if (canvas) fillArea(*canvas, top, left);
  };
  initTopic();
}

TFInteg::~TFInteg() {
  // The chart may paint once more while the window goes: its hook must not call back.
  chartPage().chart().OnBeforeRenderData = nullptr;
}

void TFInteg::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int left = ScalePixels(16);
  const QString c1 = QStringLiteral("ƒ1(x) =  "), c2 = QStringLiteral("ƒ2(x) =  ");
  const int termCaption = std::max(font.width(c1), font.width(c2));
  PlaceLabelEdit(f1Caption_, f1_, left, m.RowTop[1], termCaption, c1);
  placeStretched(f1_, f1_->geometry(), ScalePixels(24));
  PlaceLabelEdit(f2Caption_, f2_, left, m.RowTop[2], termCaption, c2);
  placeStretched(f2_, f2_->geometry(), ScalePixels(24));
  const QString ca = QStringLiteral("  ") + GetText(IInteg, 2) + QStringLiteral("  ");
  const QString cb = QStringLiteral(" ") + GetText(IInteg, 3) + QStringLiteral("  ");
  PlaceLabelEdit(aCaption_, a_, left, m.RowTop[3] + m.HalfRowStep, font.width(ca), ca);
  PlaceLabelEdit(bCaption_, b_, a_->geometry().right() + 1, m.RowTop[3] + m.HalfRowStep, font.width(cb), cb);
  // The three check boxes side by side.
  int x = left;
  const int top = m.RowTop[5];
  const std::pair<QCheckBox*, int> boxes[3] = {{arcs_, 9}, {moments_, 6}, {volumes_, 7}};
  for (const auto& [box, item] : boxes) {
    box->setFont(fonts().TextFont.font);
    box->setText(QStringLiteral("  ") + GetText(IInteg, item));
    const int w = box->sizeHint().width();
    box->setGeometry(x, top, w, m.RowHeight);
    x += w + ScalePixels(24);
  }
}

void TFInteg::readTerms() {
  fkt1_ = IntegralTerm(f1_->text());
  fkt2_ = IntegralTerm(f2_->text());
  a0_ = fields().value(QString::fromLatin1(IntegAKey));
  b0_ = fields().value(QString::fromLatin1(IntegBKey));
}

void TFInteg::compute() {
  readTerms();
  IntegralInput in;
  in.f1 = fkt1_;
  in.f2 = fkt2_;
  in.f2Typed = !f2_->text().trimmed().isEmpty();
  in.aText = a_->text().trimmed();
  in.bText = b_->text().trimmed();
  in.a = a0_;
  in.b = b0_;
  in.arcs = arcs_->isChecked();
  in.moments = moments_->isChecked();
  in.volumes = volumes_->isChecked();
  in.context = RadiansContext();
  // The memo changes only when every sum is there; ESC leaves it as it was.
  startLongRun(std::make_unique<IntegralRun>(in, Texts(), std::make_shared<FontTextMeasurer>(memoFont()),
                                             [this](const IntegralResult& r) { setMemoLines(r.lines); }));
}

void TFInteg::enterChartPage(int index) {
  // The chart needs the terms and the limits, not the sums.
  if (!readInputs()) return;
  readTerms();
  if (index == chartPage().options().pageIndex) chartPage().visit();
}

ChartRange TFInteg::chartRange() {
  // A remembered range is shown as it is; otherwise the default at 1:1.
  ChartRange r = range_.range(kDefaultRange);
  r.equalScales = !range_.readable();
  return r;
}

void TFInteg::drawFigures(TVIrada& chart) {
  const FormulaContext context = RadiansContext();
  // The boundary: along ƒ1 from a to b, back along ƒ2 (a point without a value counts as 0).
  std::vector<Extended> xs(kBoundarySteps + 1), y1(xs.size()), y2(xs.size());
  std::vector<std::int32_t> errs(xs.size());
  const Extended step = (b0_ - a0_) / kBoundarySteps;
  for (int i = 0; i <= kBoundarySteps; ++i) xs[std::size_t(i)] = a0_ + i * step;
  EvaluateFormulaBlock(fkt1_, xs.data(), xs.size(), y1.data(), errs.data(), context);
  EvaluateFormulaBlock(fkt2_, xs.data(), xs.size(), y2.data(), errs.data(), context);
  boundary_.assign(2 * xs.size(), TVec2{});
  for (std::size_t i = 0; i < xs.size(); ++i) {
    boundary_[i] = {xs[i], y1[i]};
    boundary_[boundary_.size() - 1 - i] = {xs[i], y2[i]};
  }
  const GraphPens pens = chartPage().pens();
  if (!f1_->text().trimmed().isEmpty())
    PlotTerm(QString::fromStdU16String(fkt1_), chart, pens.color[1], pens.width[1], context);
  if (!f2_->text().trimmed().isEmpty())
    PlotTerm(QString::fromStdU16String(fkt2_), chart, pens.color[2], pens.width[2], context);
  // The limits: black lines from ƒ1 to ƒ2 at a and at b.
  const TVec2& last = boundary_[xs.size() - 1];
  DrawSegment(chart, boundary_.front(), boundary_.back(), clBlack, pens.width[1]);
  DrawSegment(chart, last, boundary_[xs.size()], clBlack, pens.width[1]);
}

void TFInteg::fillArea(QPainter& canvas, int top, int left) {
  if (boundary_.empty()) return;
  const TVIrada& chart = chartPage().chart();
  QPolygon polygon;
  for (const TVec2& p : boundary_) {
    int x = 0, y = 0;
    chart.Layers().R2M(1, static_cast<double>(p.x), static_cast<double>(p.y), x, y);
    polygon << QPoint(x - left, y - top);
  }
  const ShellState& s = shellState();
  canvas.save();
  canvas.setPen(s.GraphAreaWidth > 0 ? QPen(Qt::black, s.GraphAreaWidth) : QPen(Qt::NoPen));
  canvas.setBrush(QBrush(ToQColor(PaletteColor(s.GraphAreaColor))));
  canvas.drawPolygon(polygon);
  canvas.setPen(QPen(Qt::black, 1));
  canvas.setBrush(Qt::NoBrush);
  canvas.drawPolygon(polygon);
  canvas.restore();
}

void TFInteg::graphHints(std::array<QString, 13>& hints) {
  hints[1] = CurveName(1) + QString::fromStdU16String(IntegralTerm(f1_->text()));
  hints[2] = CurveName(2) + QString::fromStdU16String(IntegralTerm(f2_->text()));
}

void TFInteg::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  // The printout shows the chart even when its page was never opened.
  if (chartPage().rebuildPending()) {
    if (!readInputs()) return;
    readTerms();
    chartPage().initChart();
  }
  PrintMemoLines(painter, device, memoFont(), memoLines(), cursor);
  chartPage().print(painter, device, cursor);
  const GraphPens pens = chartPage().pens();
  PrintCurveLegend(painter, cursor.y - cursor.lineStep,
                   {{pens.color[1], FunctionSign() + QStringLiteral("1")}, {pens.color[2], FunctionSign() + QStringLiteral("2")}},
                   QStringLiteral("f  "));
}

}  // namespace zw
