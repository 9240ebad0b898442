#pragma once
// The chart page of the topic windows that draw a 2D picture: the chart in
// the page's content box, the button bar with aspect, centre and settings
// and the two pointer read-outs; building the chart afresh and redrawing it;
// wheel zoom, centring, pan, drag zoom and the double click that restores the
// topic's range; the chart-settings dialog with its exchange of the graph
// lists; snapshot and printout; the worksheet keys "LineColor"/"LineWidth".
//
// A topic supplies its range for a fresh build, its figures and the hints of
// its graph rows; everything in which the topics differ is a ChartPageOptions
// value. ChartTopicWindow is the base of a topic window with one such page.
#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "charts/VIrada.h"
#include "kernel/Types.h"
#include "shell/Settings.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/TopicWindow.h"

class QPushButton;

namespace zw {

class TFFormChart;
class TNumLab;

// When a visit of the chart page builds the chart afresh: while the flag is
// still set (a zoomed range then survives page changes), or on every visit.
enum class ChartVisit { FreshWhileFlagSet, FreshEveryVisit };
// The colours of the snapshot: always black and white, the setting, or black
// and white exactly when the printout is in colour.
enum class SnapshotColours { BlackWhite, FollowSetting, OppositeOfPrint };
// What follows an OK or Cancel of the settings dialog besides taking the
// lists back: a redraw; one redraw before and one after taking them back; or
// a fresh build (the topic's range and colours win over the dialog's).
enum class AfterChartDialog { Redraw, RedrawTwice, Rebuild };

struct ChartPageOptions {
  int pageIndex = 2;  // 1 in windows with input and chart only
  ChartVisit visit = ChartVisit::FreshWhileFlagSet;
  int wheelDivisor = 16;          // a notch changes each span by this fraction
  bool wheelSuppressesPaint = false;
  bool wheelOnEveryPage = false;  // else only while the chart page shows
  SnapshotColours snapshot = SnapshotColours::BlackWhite;
  AfterChartDialog afterDialog = AfterChartDialog::Redraw;
  // The window's own graph lists; null: the program's shared ones.
  QString* colorList = nullptr;
  QString* widthList = nullptr;
  int minVis = 1, maxVis = 2;  // the graph rows the dialog shows
  bool areaVis = false;        // the area row
  // The window's own area colour (palette index) and outline width for the
  // area row; null: the program's shared ones.
  int* areaColor = nullptr;
  int* areaWidth = nullptr;
  // A fresh build makes both scales equal unless the window never wants it
  // (a bar chart) or the topic's range of this build says no (ChartRange).
  bool equalScalesOnBuild = true;
};

struct ChartRange {
  Extended xLo = -1, yLo = -1, xHi = 1, yHi = 1;
  // A fresh build makes both scales equal (geometry); a function plot may
  // keep the range exactly as given.
  bool equalScales = true;
};

// The graph lists after a dialog OK: items minVis ... maxVis from the dialog,
// the others kept, so a dialog with fewer rows never drops another window's
// graphs; a list shorter than maxVis grows.
QString MergeGraphList(const QString& old, const QString& fromDialog, int minVis, int maxVis);

class ChartPage : public QObject, public TopicPicture {
  Q_OBJECT
public:
  struct Topic {
    std::function<ChartRange()> range;                        // the range of a fresh build
    std::function<void(TVIrada&)> draw;                       // the figures (after the axes)
    std::function<void(std::array<QString, 13>&)> hints;      // graph-row hints, set before the dialog
  };
  ChartPage(TopicWindow& window, ChartPageOptions options, Topic topic);
  ~ChartPage() override;

  TVIrada& chart() const { return *chart_; }
  const ChartPageOptions& options() const { return options_; }
  QPushButton* aspectButton() const { return aspect_; }
  QPushButton* centerButton() const { return center_; }
  QPushButton* settingsButton() const { return settings_; }
  TNumLab* xReadout() const { return xRead_; }
  TNumLab* yReadout() const { return yRead_; }

  // Colour and width of graph i from the lists in use.
  TColor color(int i) const;
  int width(int i) const;
  GraphPens pens() const;  // graphs 1..12
  QString& colorList() const;
  QString& widthList() const;

  bool rebuildPending() const { return neuzeichnen_; }
  void setRebuildPending(bool v) { neuzeichnen_ = v; }

  void layout();      // from the window's layoutPage
  void visit();       // the chart page was entered (after the computation)
  void initChart();   // the topic's range, grid and colours, then drawChart
  void drawChart();   // axes and figures in the current range
  // The chart of the window's current results for a printout or snapshot
  // while its page is not showing: drawn as a visit would draw it, unless
  // it already shows them. False when there is nothing to show (no results
  // and the page not showing).
  bool bringUpToDate();
  void wheel(int notches);  // one step of sign Sgn(notches)
  void centre();
  void aspect11();
  void openSettings();
  void doubleClicked();

  // "LineColor" and "LineWidth" (defaults: the settings' lists).
  void registerKeys(FieldRegistry& fields);
  // Creation with the memory option off: the settings' lists (and area values
  // when the page uses the shared lists).
  void resetLists();

  // TopicPicture
  void copyToClipboard(bool blackWhite) override;
  void print(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;

  // Runs the settings dialog modally (default: exec); tests answer through it.
  std::function<int(TFFormChart*)> runDialog;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void guarded(const std::function<void()>& f);
  bool chartShowing() const;
  void fitScalesToSize();

  TopicWindow& window_;
  ChartPageOptions options_;
  Topic topic_;
  TVIrada* chart_ = nullptr;
  QPushButton *aspect_ = nullptr, *center_ = nullptr, *settings_ = nullptr;
  TNumLab *xRead_ = nullptr, *yRead_ = nullptr;
  bool neuzeichnen_ = true;
  bool loaded_ = false;
  int wheelAccu_ = 0;
  unsigned drawnStamp_ = 0;  // the window's results stamp at the last drawing
  bool drawnOnce_ = false;
};

// A topic window with a chart page: the frame's hooks wired to the page.
class ChartTopicWindow : public TopicWindow {
  Q_OBJECT
public:
  ChartTopicWindow(QWidget* owner, std::string_view className, TopicConfig config, ChartPageOptions options);
  ChartPage& chartPage() { return *chartPage_; }
  void cmdChartSettings() override;

protected:
  // The topic's side of the page.
  virtual ChartRange chartRange() = 0;
  virtual void drawFigures(TVIrada& chart) = 0;
  virtual void graphHints(std::array<QString, 13>& hints) = 0;
  // Registers the chart keys: call after the topic's own fields, before initTopic().
  void addChartKeys() { chartPage_->registerKeys(fields()); }

  void layoutPage(int index) override;
  void enterChartPage(int index) override;
  void noMemoryDefaults() override { chartPage_->resetLists(); }
  TopicPicture* picture() override { return chartPage_; }

private:
  ChartPage* chartPage_ = nullptr;
};

}  // namespace zw
