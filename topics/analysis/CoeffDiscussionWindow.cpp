#include "topics/analysis/CoeffDiscussionWindow.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "shell/texts/Texts.h"

namespace zw {

namespace {

constexpr int kTablePage = 3;

TopicConfig discussionConfig(int taskLines) {
  TopicConfig c;
  c.taskLines = taskLines;
  c.pages = TopicConfig::fourPages();
  c.printPages = 3;
  // A cleared coefficient must not come back from the section written before.
  c.save = SavePolicy::NonEmptyTrimmed;
  return c;
}

ChartPageOptions discussionChart(int curves) {
  ChartPageOptions o;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = curves;
  return o;
}

}  // namespace

CoeffDiscussionWindow::CoeffDiscussionWindow(QWidget* owner, std::string_view className,
                                             const CoeffDiscussionSetup& setup)
    : ChartTopicWindow(owner, className, discussionConfig(setup.taskLines), discussionChart(int(setup.switchLabels.size()))),
      range_(chartPage(), setup.rangeDefaults) {
  grid_ = new PolyGrid(inputArea(), setup.polynomials, setup.rowHeads, clipboard_);
  grid_->setObjectName(QStringLiteral("sgKoeff"));
  fields().addGrid(grid_, &PolyGrid::cellKey);
  connect(grid_, &PolyGrid::cellClicked, this, guardedSlot([this] { showFunction(); }));
  connect(grid_, &PolyGrid::leftGrid, this, guardedSlot([this] { showFunction(); }));
  connect(grid_, &PolyGrid::enterPressed, this, guardedSlot([this] { okClicked(); }));
  switches_ = new CurveSwitches(contentBox(chartPage().options().pageIndex), int(setup.switchLabels.size()), clSilver,
                                [this](int) {
                                  updateSwitches();
                                  chartPage().drawChart();
                                });
  switches_->setLabels(setup.switchLabels);
  table_ = new ValueTablePage(*this, contentBox(kTablePage), [this](Extended from, Extended to, Extended step, int digits) {
    return tableLines(from, to, step, digits);
  });
}

void CoeffDiscussionWindow::finishCreation() {
  range_.registerKeys(fields());
  addChartKeys();
  initTopic();
  showFunction();
}

QWidget* CoeffDiscussionWindow::inputFor(const QString& key) const {
  if (QWidget* w = table_->inputFor(key)) return w;
  return ChartTopicWindow::inputFor(key);
}

void CoeffDiscussionWindow::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  if (index == chartPage().options().pageIndex)
    switches_->placeBesideChart(chartPage().chart());
  else if (index == kTablePage)
    table_->layout(contentBox(kTablePage)->contentsRect(), memoFont());
}

void CoeffDiscussionWindow::compute() {
  const QStringList lines = discuss();
  discussed_ = true;
  setMemoLines(lines);
  showFunction();
  updateSwitches();
}

void CoeffDiscussionWindow::enterOtherPage(int index) {
  if (index != kTablePage) return;
  runComputation();
  if (currentPage() != kTablePage) return;  // the inputs were refused
  const auto edits = table_->edits();
  const QString defaults[3] = {QStringLiteral("-10"), QStringLiteral("10"), QStringLiteral("1")};
  for (std::size_t i = 0; i < 3; ++i)
    if (edits[i]->text().trimmed().isEmpty()) edits[i]->setText(defaults[i]);
  edits[0]->setFocus();
  table_->rebuild();
}

void CoeffDiscussionWindow::updateSwitches() {
  switches_->update(std::vector<bool>(std::size_t(switches_->count()), true), chartPage().pens(), hints());
}

void CoeffDiscussionWindow::graphHints(std::array<QString, 13>& h) {
  const std::vector<QString> own = hints();
  for (std::size_t i = 0; i < own.size() && i + 1 < h.size(); ++i) h[i + 1] = own[i];
}

void CoeffDiscussionWindow::printPageRange(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor,
                                           int first, int last) {
  if (!discussed_) {
    // The chart of a window never discussed shows the grid's function.
    try {
      discuss();
      discussed_ = true;
    } catch (const CalcFailure&) {
    }
  }
  DiscussionPrintout out;
  out.title = GetText(textPage(), 0);
  out.results = memoLines();
  out.functionLines = functionLines();
  out.chart = &chartPage();
  out.switches = switches_;
  out.table = table_->memo()->toPlainText().split(u'\n');
  PrintDiscussionPages(painter, device, cursor, first, last, memoFont(), out);
}

}  // namespace zw
