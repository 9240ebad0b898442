#pragma once
// A 2D chart in a topic's printout, below its header and memo lines.
#include "topics/frame/TopicPrinting.h"

class QPainter;
class QPagedPaintDevice;

namespace zw {

class TVIrada;

// Prints the chart at x = 200 and the cursor's y, scaled by PrintScale and in
// black and white when PrintBlackWhite is set, with its window area white;
// a chart that does not fit below y (and y is below the page top) starts a
// new page. The cursor moves below the chart and two line steps further.
void PrintChart(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, TVIrada& chart);

}  // namespace zw
