#pragma once
// What the plane-geometry windows share: their frame configuration and the
// line fields filled from the two-point dialog.
#include <QLineEdit>
#include <functional>
#include <vector>

#include "kernel/Types.h"

#include "topics/frame/ChartPage.h"
#include "topics/frame/TopicWindow.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

class StringGrid;
class TFGetAB2D;

// Input, results (TextFont2) and chart pages; one box per bad field.
TopicConfig PlaneChartConfig();

// The two-point dialog; on OK the line through the points goes into the three
// fields, or, for A = B, `undetermined` is shown and the fields stay. The
// focus goes to `focus` afterwards.
void FillLineFromTwoPoints(TopicWindow& window, QLineEdit* a, QLineEdit* b, QLineEdit* c, int undetermined,
                           QWidget* focus, const std::function<int(TFGetAB2D*)>& run);

// The triangle charts: the range about the circumcentre, 1.1 circumradii
// wide (times the chart's width to height); the triangle, circumcircle and
// incircle in graphs 1, 2, 3; the hints of these rows.
ChartRange TriangleChartRange(const TriangleData& t, const TVIrada& chart);
void DrawTriangleWithCircles(TVIrada& chart, const ChartPage& page, const TriangleData& t);
void TriangleGraphHints(std::array<QString, 13>& hints);

// The worksheet key of a point grid's cell: "x1", "y1", "x2", ...
QString PlaneCellKey(int col, int row);

// A grid of points with the heads "x", "y" in its top row: its keys, centred
// cells and the pop-up menu whose import is cut back to `rows` + 1 rows and
// three columns. The caller sets it up and places it.
StringGrid* AddPointGrid(TopicWindow& window, int rows);

// The points of rows 1 .. `rows` (kind 'f', an empty cell reads as 0). The
// first bad cell, row by row and x before y, is refused with message 22.
std::vector<TVec2> ReadGridPoints(const StringGrid* grid, int rows);

}  // namespace zw
