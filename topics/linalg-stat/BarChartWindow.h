#pragma once
// The base of the windows that draw 3D bars (statistics, binomial and
// hypergeometric distribution): a chart page whose ranges are the topic's
// own (no 1 : 1 scales), with two vertical scroll bars right of the chart for
// the bars' depth and view angle; moving either redraws the bars.
#include <QPointer>

#include "topics/frame/ChartPage.h"

class QScrollBar;

namespace zw {

class BarChartWindow : public ChartTopicWindow {
  Q_OBJECT
public:
  BarChartWindow(QWidget* owner, std::string_view className, TopicConfig config, ChartPageOptions options,
                 int maxDepth);

  QScrollBar* depthBar() const { return depth_; }
  QScrollBar* angleBar() const { return angle_; }
  int barDepth() const;
  int barAngle() const;
  // Both bars to their set-up positions (depth, angle) without a redraw.
  void resetBars(int depth, int angle);

protected:
  void layoutPage(int index) override;
  // A computation calls it: the next rebuild of the picture (after the
  // computation, a layout or before printing) sets the chart up from the new
  // results, so a printout shows them even if the chart page never opened.
  void pictureChanged() { stale_ = true; }
  void rebuildPicture() override;

private:
  QScrollBar* depth_ = nullptr;
  QScrollBar* angle_ = nullptr;
  bool stale_ = false;
};

// The chart options the bar windows share: results on page 2, the chart on
// page 3, a fresh build (ranges and bars) at every visit.
ChartPageOptions BarChartOptions();

}  // namespace zw
