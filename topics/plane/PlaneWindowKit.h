#pragma once
// What the plane-geometry windows share: their frame configuration and the
// line fields filled from the two-point dialog.
#include <QLineEdit>
#include <functional>

#include "topics/frame/TopicWindow.h"

namespace zw {

class TFGetAB2D;

// Input, results (TextFont2) and chart pages; one box per bad field.
TopicConfig PlaneChartConfig();

// The two-point dialog; on OK the line through the points goes into the three
// fields, or, for A = B, `undetermined` is shown and the fields stay. The
// focus goes to `focus` afterwards.
void FillLineFromTwoPoints(TopicWindow& window, QLineEdit* a, QLineEdit* b, QLineEdit* c, int undetermined,
                           QWidget* focus, const std::function<int(TFGetAB2D*)>& run);

}  // namespace zw
