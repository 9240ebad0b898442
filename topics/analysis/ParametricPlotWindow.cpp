#include "topics/analysis/ParametricPlotWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {

constexpr char kXKey[] = "x_fkt";
constexpr char kYKey[] = "y_fkt";
constexpr char kFromKey[] = "k_min";
constexpr char kToKey[] = "k_max";
const ChartRange kDefaultRange{-3, -1.5, 3, 1.5, true};
const QString kXCaption = QStringLiteral("x(k) = "), kYCaption = QStringLiteral("y(k) = ");

TopicConfig parametricConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputAndChart();
  c.taskLines = 2;
  return c;
}

ChartPageOptions parametricChart() {
  ChartPageOptions o;
  o.pageIndex = 1;
  // Every visit sets the chart up afresh in the stored or default range.
  o.visit = ChartVisit::FreshEveryVisit;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = 1;
  return o;
}

}  // namespace

TFFPLot3::TFFPLot3(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, parametricConfig(), parametricChart()), range_(chartPage(), {}) {
  QWidget* box = inputArea();
  for (QLabel** c : {&xCaption_, &yCaption_, &fromCaption_, &toCaption_}) *c = new QLabel(box);
  const char* names[4] = {"edx_fkt", "edy_fkt", "edkmin", "edkmax"};
  QLineEdit** edits[4] = {&x_, &y_, &kmin_, &kmax_};
  for (int i = 0; i < 4; ++i) {
    *edits[i] = new QLineEdit(box);
    (*edits[i])->setObjectName(QString::fromLatin1(names[i]));
  }
  const QString longestTerm = QStringLiteral("cos(3*k)*(2+sin(5*k))");
  fields().addField(QString::fromLatin1(kXKey), x_, 0).longest = longestTerm;
  fields().addField(QString::fromLatin1(kYKey), y_, 0).longest = longestTerm;
  fields().addField(QString::fromLatin1(kFromKey), kmin_, u'f', QStringLiteral("-pi"));
  fields().addField(QString::fromLatin1(kToKey), kmax_, u'f', QStringLiteral("pi"));
  for (QLineEdit* e : {x_, y_})
    AttachTermEditMenu(e, clipboard_, [this](const std::function<void()>& f) { runGuarded(f); });
  if (memo()) memo()->hide();  // the chart is the result
  range_.registerKeys(fields());
  addChartKeys();
  initTopic();
}

QString TFFPLot3::fromCaption() const { return GetText(IFPLot3, 21); }
QString TFFPLot3::toCaption() const { return QStringLiteral("  ") + GetText(IFPLot3, 22) + QStringLiteral("  "); }

void TFFPLot3::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int left = ScalePixels(16);
  const int caption = std::max(font.width(kXCaption), font.width(kYCaption));
  PlaceLabelEdit(xCaption_, x_, left, m.RowTop[1], caption, kXCaption);
  placeStretched(x_, x_->geometry(), ScalePixels(24));
  PlaceLabelEdit(yCaption_, y_, left, m.RowTop[3], caption, kYCaption);
  placeStretched(y_, y_->geometry(), ScalePixels(24));
  PlaceLabelEdit(fromCaption_, kmin_, left, m.RowTop[5], font.width(fromCaption()), fromCaption());
  PlaceLabelEdit(toCaption_, kmax_, kmin_->geometry().right() + 1, m.RowTop[5], font.width(toCaption()), toCaption());
}

void TFFPLot3::compute() {
  // The frame has read both parameter values (kind 'f': numbers or constant terms).
  xTerm_ = x_->text();
  yTerm_ = y_->text();
  k1_ = fields().value(QString::fromLatin1(kFromKey));
  k2_ = fields().value(QString::fromLatin1(kToKey));
}

ChartRange TFFPLot3::chartRange() {
  ChartRange r = range_.range(kDefaultRange);
  r.equalScales = !range_.readable();
  return r;
}

void TFFPLot3::drawFigures(TVIrada& chart) {
  const GraphPens pens = chartPage().pens();
  PlotParametric(xTerm_, yTerm_, chart, k1_, k2_, pens.color[1], pens.width[1], RadiansContext());
}

void TFFPLot3::graphHints(std::array<QString, 13>&) {}

void TFFPLot3::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  // The printout shows the chart even when its page was never opened.
  if (chartPage().rebuildPending()) {
    runComputation();
    chartPage().initChart();
  }
  const QStringList lines{kXCaption + x_->text(), kYCaption + y_->text(), QString(),
                          fromCaption() + kmin_->text() + toCaption() + kmax_->text(), QString()};
  PrintMemoLines(painter, device, fonts().TextFont.font, lines, cursor);
  chartPage().print(painter, device, cursor);
}

}  // namespace zw
