#include "shell/ZoomStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <algorithm>

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

void ZoomStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element != CE_MenuItem || !item || option->direction != Qt::RightToLeft ||
      item->menuItemType == QStyleOptionMenuItem::Separator || item->text.isEmpty())
    return QProxyStyle::drawControl(element, option, painter, widget);
  // The item without its caption (background, mark, shortcut, submenu
  // arrow), then the caption aligned to the right, beside the mark column.
  const qsizetype tab = item->text.indexOf(u'\t');
  const QString caption = tab < 0 ? item->text : item->text.left(tab);
  QStyleOptionMenuItem rest(*item);
  rest.text = tab < 0 ? QString() : item->text.mid(tab);
  QProxyStyle::drawControl(element, &rest, painter, widget);
  const int markColumn = std::max(item->maxIconWidth, 20) + 6;
  const QRect textRect = item->rect.adjusted(markColumn, 0, -markColumn, 0);
  const bool selected = (item->state & State_Selected) && (item->state & State_Enabled);
  painter->save();
  painter->setFont(item->font);
  proxy()->drawItemText(painter, textRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextShowMnemonic,
                        item->palette, (item->state & State_Enabled) != 0, caption,
                        selected ? QPalette::HighlightedText : QPalette::Text);
  painter->restore();
}

void InstallZoomStyle() { QApplication::setStyle(new ZoomStyle); }

}  // namespace zw
