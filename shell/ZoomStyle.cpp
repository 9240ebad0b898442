#include "shell/ZoomStyle.h"

#include <QApplication>

#include "shell/Metrics.h"
#include "shell/State.h"

namespace zw {

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  const int base = QProxyStyle::pixelMetric(metric, option, widget);
  switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing:
      // Before the first layout the zoom may still be "auto" (0).
      return shellState().Zoom > 0 ? ScalePixelsAt(base, shellState().Zoom) : base;
    default:
      return base;
  }
}

void InstallZoomStyle() { QApplication::setStyle(new ZoomStyle); }

}  // namespace zw
