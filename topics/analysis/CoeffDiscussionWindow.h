#pragma once
// What the discussions of polynomial and rational functions share: the
// coefficient grid, four pages (input, results, chart with its curve
// switches, value table) that OK walks in a cycle, the chart range kept as
// worksheet texts, and the printout of results, chart and table.
#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveKit.h"
#include "topics/analysis/DiscussionPages.h"
#include "topics/analysis/PolyGrid.h"
#include "topics/frame/ChartPage.h"

namespace zw {

struct CoeffDiscussionSetup {
  int polynomials = 1;                 // grid rows
  bool rowHeads = false;               // a fixed column "a", "b"
  std::vector<QString> switchLabels;   // one per curve
  std::array<QString, 4> rangeDefaults;  // "xmin" … "ymax" of a new window
  int taskLines = 4;                     // of the task text
};

class CoeffDiscussionWindow : public ChartTopicWindow {
  Q_OBJECT
public:
  CoeffDiscussionWindow(QWidget* owner, std::string_view className, const CoeffDiscussionSetup& setup);

  PolyGrid* grid() const { return grid_; }
  CurveSwitches& switches() const { return *switches_; }
  ValueTablePage& table() const { return *table_; }

protected:
  // ----- the topic's side
  // Reads the grid (a bad cell throws InputRejected) and discusses it; the
  // result stays for the chart, the table and the printout. Returns the
  // results page's lines.
  virtual QStringList discuss() = 0;
  virtual QStringList tableLines(Extended from, Extended to, Extended step, int digits) const = 0;
  // The hint of each curve (switch and chart-settings row).
  virtual std::vector<QString> hints() const = 0;
  // The function above the printed chart.
  virtual QStringList functionLines() const = 0;
  // The function as entered beside the grid; a bad cell changes nothing.
  virtual void showFunction() = 0;

  // Registers the range keys and the chart keys and runs the creation
  // sequence: the last statement of a topic's constructor.
  void finishCreation();
  void updateSwitches();
  ChartRangeKeys& storedRange() { return range_; }
  TextClipboard& clipboard() { return clipboard_; }
  bool discussed() const { return discussed_; }
  void setDiscussed(bool d) { discussed_ = d; }

  void compute() override;
  void layoutPage(int index) override;
  void enterOtherPage(int index) override;
  void graphHints(std::array<QString, 13>& hints) override;
  void printPageRange(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first,
                      int last) override;
  QWidget* inputFor(const QString& key) const override;
  QWidget* failureFocus() const override { return grid_; }
  void afterLoad() override { showFunction(); }
  // New, or a worksheet without the section: no result of the inputs before stays.
  void initialValues() override { discussed_ = false; }

private:
  SystemTextClipboard clipboard_;
  PolyGrid* grid_ = nullptr;
  CurveSwitches* switches_ = nullptr;
  ValueTablePage* table_ = nullptr;
  ChartRangeKeys range_;
  bool discussed_ = false;
};

}  // namespace zw
