#include "topics/frame/View3DPicture.h"

#include <QMouseEvent>

#include "charts/Plot3D.h"
#include "charts/Rot3D.h"
#include "topics/frame/PrintRot3D.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

View3DPicture::View3DPicture(TopicWindow& window, TView3DBase& view, Click click)
    : window_(window), view_(view), click_(click) {
  if (click_ == Click::Recentre) view_.installEventFilter(this);
}

View3DPicture::~View3DPicture() = default;

void View3DPicture::copyToClipboard(bool blackWhite) { view_.CopyToClipboard(false, blackWhite); }

void View3DPicture::print(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  PrintRot3D(painter, device, cursor.y, view_);
}

void View3DPicture::Recentre(TView3DBase& view) {
  if (auto* rot = qobject_cast<TRot3D*>(&view)) {
    rot->setCentX(rot->width() / 2);
    rot->setCentY(rot->height() / 2);
  } else if (auto* plot = qobject_cast<TPlot3D*>(&view)) {
    plot->setCentX(plot->width() / 2);
    plot->setCentY(plot->height() / 2);
  }
}

bool View3DPicture::eventFilter(QObject* watched, QEvent* event) {
  // A click: the left button released over the view (as after a drag, which
  // turns or zooms the view and leaves its centre alone).
  if (watched == &view_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && view_.rect().contains(mouse->position().toPoint()))
      window_.runGuarded([this] { Recentre(view_); });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zw
