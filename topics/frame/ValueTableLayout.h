#pragma once
// The layout every value-table page shares: its captions in one row, each
// over its field (the range edits, then the digits control), an optional
// control after them (on a row of its own when the row has no room left),
// and the table filling the rest of the page below.
#include <QString>
#include <span>

class QLabel;
class QRect;
class QSpinBox;
class QWidget;

namespace zw {

// Field i is widths[i] wide; its column is as wide as the wider of field and
// caption. Captions and fields take the text font.
void PlaceValueTablePage(const QRect& area, std::span<QLabel* const> heads, std::span<const QString> captions,
                         std::span<QWidget* const> fields, std::span<const int> widths, QWidget* extra,
                         QWidget* table);
// The width of a digits control: its own size, at least 56 pixels at 100 %.
int DigitsControlWidth(const QSpinBox* digits);

}  // namespace zw
