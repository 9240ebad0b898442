#include "topics/analysis/SegmentedPlotWindow.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/Grids.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {

TopicConfig segmentedConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputAndChart();
  c.taskLines = 2;
  return c;
}

ChartPageOptions segmentedChart() {
  ChartPageOptions o;
  o.pageIndex = 1;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = SegmentCount;
  return o;
}

const ChartRange kNoSegmentRange{-10, -7, 10, 7, false};
const QString kOpen = QStringLiteral(" [");

QString CellKey(int row, const char* suffix) { return QStringLiteral("f%1%2").arg(row).arg(QLatin1String(suffix)); }

}  // namespace

TFFPLot2::TFFPLot2(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, segmentedConfig(), segmentedChart()),
      angle_(inputArea()),
      range_(chartPage(), {QStringLiteral("-10"), QStringLiteral("10"), QStringLiteral("-7"), QStringLiteral("7")}) {
  QWidget* box = inputArea();
  grid_ = new StringGrid(box);
  grid_->setObjectName(QStringLiteral("funktionen"));
  grid_->setColCount(4);
  grid_->setRowCount(SegmentCount + 1);
  StyleGrid(grid_);
  grid_->setEditorMode(true);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int i = 1; i <= SegmentCount; ++i) grid_->setCells(0, i, rowLabel(i));
  fields().addGrid(grid_, [](int col, int row) {
    if (row < 1 || row > SegmentCount) return QString();
    const char* suffix[4] = {nullptr, "", "von", "bis"};
    return col >= 1 && col <= 3 ? CellKey(row, suffix[col]) : QString();
  });
  AttachTermMenu(grid_, 1, clipboard_, [this](const std::function<void()>& f) { runGuarded(f); });

  brackets_ = new StringGrid(box);
  brackets_->setObjectName(QStringLiteral("intervalle"));
  brackets_->setColCount(3);
  brackets_->setRowCount(SegmentCount + 1);
  StyleGrid(brackets_);
  brackets_->setFixedColumnShown(false);
  brackets_->setCellsCentred(true);
  brackets_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  brackets_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  brackets_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The brackets in blue, as the ends they stand for.
  QPalette p = brackets_->palette();
  p.setColor(QPalette::Text, Qt::blue);
  brackets_->setPalette(p);
  GridBinding& ends = fields().addGrid(
      brackets_,
      [](int col, int row) {
        return row >= 1 && row <= SegmentCount && col >= 1 && col <= 2 ? CellKey(row, col == 1 ? "li" : "re")
                                                                    : QString();
      },
      kOpen);
  ends.longest = kOpen;  // a click only ever turns a cell to the other bracket
  const auto toggle = guardedSlot([this] {
    const QModelIndex i = brackets_->currentIndex();
    if (i.isValid()) toggleBracket(i.column() + 1, i.row() + 1);
  });
  connect(brackets_, &QAbstractItemView::clicked, this, toggle);
  connect(brackets_, &QAbstractItemView::doubleClicked, this, toggle);

  marksGroup_ = new QGroupBox(box);
  marksGroup_->setObjectName(QStringLiteral("gbRandpunkt"));
  marks_ = new QCheckBox(marksGroup_);
  marks_->setObjectName(QStringLiteral("cbRandpunkt"));
  (new QVBoxLayout(marksGroup_))->addWidget(marks_);
  connect(marks_, &QCheckBox::toggled, this, guardedSlot([this] {
            if (!chartPage().rebuildPending()) chartPage().drawChart();
          }));
  if (memo()) memo()->hide();  // the chart is the result
  range_.registerKeys(fields());
  addChartKeys();
  initTopic();
}

QString TFFPLot2::rowLabel(int i) const {
  return QStringLiteral(" ") + FunctionSign() + QString::number(i) + QStringLiteral(" (x) =");
}

void TFFPLot2::toggleBracket(int col, int row) {
  if (col < 1 || col > 2 || row < 1 || row > SegmentCount) return;
  brackets_->setCells(col, row, brackets_->Cells(col, row) == QStringLiteral("[") ? QStringLiteral("]")
                                                                                 : QStringLiteral("["));
}

void TFFPLot2::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  const QFontMetrics fm(grid_->font());
  const int labelWidth = std::max(m.RowHeight * 5 / 2, fm.horizontalAdvance(rowLabel(12) + QStringLiteral("   ")));
  // An end takes any plain number, so its column shows the widest one whole.
  const int endWidth = GridCellWidthFor(QString::fromStdU16String(LongestAcceptedNumber(u'f', u',')));
  const int bracketWidth = GridCellWidthFor(QStringLiteral(" ] "));
  const int minTerm = ScalePixels(240);
  const int height = (SegmentCount + 1) * (m.RowHeight + StringGrid::GridLineWidth) + 4;
  for (StringGrid* g : {grid_, brackets_}) g->setDefaultRowHeight(m.RowHeight);
  grid_->setCells(1, 0, QStringLiteral("  ") + GetText(IFPLot2, 2));
  grid_->setCells(2, 0, QStringLiteral("  ") + GetText(IFPLot2, 4).trimmed());
  grid_->setCells(3, 0, QStringLiteral("  ") + GetText(IFPLot2, 5).trimmed());
  grid_->setColWidth(0, labelWidth);
  grid_->setColWidth(2, endWidth);
  grid_->setColWidth(3, endWidth);
  const int bracketsWidth = 2 * (bracketWidth + StringGrid::GridLineWidth) + 4;
  const int gap = ScalePixels(8);
  const int fixed = labelWidth + 2 * (endWidth + StringGrid::GridLineWidth) + StringGrid::GridLineWidth + 4;
  placeStretched(grid_, QRect(left, m.RowTop[1], fixed + minTerm, height), left + gap + bracketsWidth);
  grid_->setColWidth(1, grid_->width() - fixed - StringGrid::GridLineWidth);
  brackets_->setColWidth(1, bracketWidth);
  brackets_->setColWidth(2, bracketWidth);
  const QRect least(grid_->geometry().right() + 1 + gap, m.RowTop[1], bracketsWidth, height);
  brackets_->setGeometry(least);
  countAsPlaced(brackets_, QRect(left + fixed + minTerm + gap, m.RowTop[1], bracketsWidth, height));
  const int top = grid_->geometry().bottom() + 1 + ScalePixels(8);
  marks_->setFont(fonts().TextFont.font);
  marks_->setText(GetText(IFPLot2, 6));
  const QSize s = marksGroup_->sizeHint();
  angle_.place(left, top, ScalePixels(280), GetText(IFPLot2, 7));
  marksGroup_->setGeometry(angle_.box()->geometry().right() + 1 + ScalePixels(16), top, s.width(),
                           std::max(s.height(), angle_.box()->height()));
}

QWidget* TFFPLot2::failureFocus() const { return grid_; }

void TFFPLot2::readSegments() {
  for (int i = 1; i <= SegmentCount; ++i) {
    CurveSegment& p = segments_[std::size_t(i - 1)];
    p = CurveSegment{};
    const QString term = grid_->Cells(1, i).trimmed();
    if (term.isEmpty()) continue;
    // The ends are plain numbers: no terms, "," or "." as the decimal point.
    if (!ReadRangeText(grid_->Cells(2, i), p.from)) throw InputRejected(CellKey(i, "von").toStdString());
    if (!ReadRangeText(grid_->Cells(3, i), p.to)) throw InputRejected(CellKey(i, "bis").toStdString());
    p.term = term;
    p.fromIncluded = brackets_->Cells(1, i).trimmed() == QStringLiteral("[");
    p.toIncluded = brackets_->Cells(2, i).trimmed() == QStringLiteral("]");
  }
}

void TFFPLot2::compute() { readSegments(); }

ChartRange TFFPLot2::chartRange() {
  readSegments();
  if (range_.readable()) {
    ChartRange r = range_.range(kNoSegmentRange);
    r.equalScales = false;
    return r;
  }
  // The segments' extent, at equal scales.
  bool any = false;
  Extended lo = 0, hi = 0;
  for (const CurveSegment& p : segments_) {
    if (p.term.isEmpty()) continue;
    lo = any ? std::min(lo, p.from) : p.from;
    hi = any ? std::max(hi, p.to) : p.to;
    any = true;
  }
  if (!any || !(hi > lo)) return kNoSegmentRange;
  const Extended half = (hi - lo) / 2;
  return ChartRange{lo, -half, hi, half, true};
}

void TFFPLot2::drawFigures(TVIrada& chart) {
  const FormulaContext context = angle_.context();
  const GraphPens pens = chartPage().pens();
  for (int i = 1; i <= SegmentCount; ++i) {
    const CurveSegment& p = segments_[std::size_t(i - 1)];
    if (p.term.isEmpty()) continue;
    PlotSegment(p.term, chart, p.fromIncluded, p.from, p.to, p.toIncluded, pens.color[std::size_t(i)],
              pens.width[std::size_t(i)], marks_->isChecked(), context);
  }
}

void TFFPLot2::graphHints(std::array<QString, 13>& hints) {
  for (int i = 1; i <= SegmentCount; ++i)
    hints[std::size_t(i)] = FunctionSign() + QStringLiteral("%1(x) = ").arg(i) + grid_->Cells(1, i).trimmed();
}

void TFFPLot2::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  // The printout shows the chart even when its page was never opened.
  if (chartPage().rebuildPending()) chartPage().initChart();
  QStringList lines{GetText(IFPLot2, 2), QString()};
  std::vector<LegendEntry> legend;
  const GraphPens pens = chartPage().pens();
  for (int i = 1; i <= SegmentCount; ++i) {
    if (grid_->Cells(1, i).trimmed().isEmpty()) continue;
    lines << FunctionSign() + QStringLiteral("%1(x) = ").arg(i) + grid_->Cells(1, i) + QStringLiteral(" ;   x ") +
                 ElementSign() + QStringLiteral(" ") + brackets_->Cells(1, i) + grid_->Cells(2, i) +
                 QStringLiteral("; ") + grid_->Cells(3, i) + brackets_->Cells(2, i);
    legend.push_back({pens.color[std::size_t(i)], FunctionSign() + QString::number(i)});
  }
  lines << QString();
  PrintMemoLines(painter, device, fonts().TextFont.font, lines, cursor);
  chartPage().print(painter, device, cursor);
  PrintCurveLegend(painter, cursor.y - cursor.lineStep, legend, QStringLiteral("f  "));
}

}  // namespace zw
