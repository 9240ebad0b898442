#include "topics/linalg-stat/BarChartWindow.h"

#include <QGroupBox>
#include <QScrollBar>
#include <QSignalBlocker>

#include "shell/Metrics.h"

namespace zw {

ChartPageOptions BarChartOptions() {
  ChartPageOptions o;
  o.pageIndex = 2;
  o.visit = ChartVisit::FreshEveryVisit;
  o.snapshot = SnapshotColours::FollowSetting;
  o.afterDialog = AfterChartDialog::Rebuild;
  o.equalScalesOnBuild = false;
  return o;
}

BarChartWindow::BarChartWindow(QWidget* owner, std::string_view className, TopicConfig config,
                               ChartPageOptions options, int maxDepth)
    : ChartTopicWindow(owner, className, std::move(config), options) {
  QWidget* box = contentBox(options.pageIndex);
  depth_ = new QScrollBar(Qt::Vertical, box);
  depth_->setObjectName(QStringLiteral("SBarDepth"));
  depth_->setRange(0, maxDepth);
  angle_ = new QScrollBar(Qt::Vertical, box);
  angle_->setObjectName(QStringLiteral("SBarAngle"));
  angle_->setRange(0, 180);
  for (QScrollBar* bar : {depth_, angle_})
    connect(bar, &QScrollBar::valueChanged, this, guardedSlot([this] { chartPage().drawChart(); }));
}

int BarChartWindow::barDepth() const { return depth_->value(); }
int BarChartWindow::barAngle() const { return angle_->value(); }

void BarChartWindow::resetBars(int depth, int angle) {
  const QSignalBlocker a(depth_), b(angle_);
  depth_->setValue(depth);
  angle_->setValue(angle);
}

void BarChartWindow::rebuildPicture() {
  if (!stale_) return;
  stale_ = false;
  chartPage().initChart();
}

void BarChartWindow::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  if (index != chartPage().options().pageIndex) return;
  const QRect r = contentBox(index)->contentsRect();
  const int w = ScalePixels(17), gap = ScalePixels(2);
  const int chartWidth = std::max(ScalePixels(40), r.width() - 2 * (w + gap));
  chartPage().chart().setGeometry(r.left(), r.top(), chartWidth, r.height());
  depth_->setGeometry(r.left() + chartWidth + gap, r.top(), w, r.height());
  angle_->setGeometry(r.left() + chartWidth + 2 * gap + w, r.top(), w, r.height());
}

}  // namespace zw
