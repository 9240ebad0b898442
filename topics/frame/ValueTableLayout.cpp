#include "topics/frame/ValueTableLayout.h"

#include <QLabel>
#include <QRect>
#include <QSpinBox>
#include <algorithm>

#include "shell/Fonts.h"
#include "shell/Metrics.h"

namespace zw {

void PlaceValueTablePage(const QRect& area, std::span<QLabel* const> heads, std::span<const QString> captions,
                         std::span<QWidget* const> fields, std::span<const int> widths, QWidget* extra,
                         QWidget* table) {
  const LayoutMetrics& m = metrics();
  const int gap = ScalePixels(8);
  int x = area.left() + gap;
  const int top = area.top() + gap;
  for (std::size_t i = 0; i < heads.size() && i < fields.size() && i < widths.size(); ++i) {
    QLabel* h = heads[i];
    h->setFont(fonts().TextFont.font);
    h->setText(i < captions.size() ? captions[i] : QString());
    fields[i]->setFont(fonts().TextFont.font);
    const int colWidth = std::max(widths[i], h->sizeHint().width());
    h->setGeometry(x, top, colWidth, m.RowHeight);
    fields[i]->setGeometry(x, top + m.RowHeight, widths[i], m.RowHeight);
    x += colWidth + gap;
  }
  int tableTop = top + 2 * m.RowHeight + gap;
  if (extra) {
    extra->setFont(fonts().TextFont.font);
    const int width = extra->sizeHint().width();
    if (x + width <= area.right() + 1 - gap) {
      extra->setGeometry(x, top + m.RowHeight, width, m.RowHeight);
    } else {
      // A long caption (French, a large zoom) does not fit beside the fields:
      // it takes a row of its own above the table rather than leave the page.
      extra->setGeometry(area.left() + gap, tableTop, width, m.RowHeight);
      tableTop += m.RowHeight + gap;
    }
  }
  table->setGeometry(area.left() + gap, tableTop, std::max(ScalePixels(40), area.width() - 2 * gap),
                     std::max(m.RowHeight, area.bottom() - tableTop - gap));
}

int DigitsControlWidth(const QSpinBox* digits) { return std::max(ScalePixels(56), digits->sizeHint().width()); }

}  // namespace zw
