#include "topics/frame/SubWindowBorder.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace zw {

namespace {
constexpr Qt::WindowFlags kFrameHints = Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint;
}

SubWindowBorder::SubWindowBorder(QWidget* window, WindowBorder initial)
    : QObject(window), window_(window), border_(initial) {
  window_->installEventFilter(this);
}

Qt::WindowFlags SubWindowBorder::flagsFor(WindowBorder border, Qt::WindowFlags framed) {
  const Qt::WindowFlags base = framed & ~kFrameHints;
  switch (border) {
    case WindowBorder::Single: return base | Qt::MSWindowsFixedSizeDialogHint;  // not sizeable
    case WindowBorder::None: return base | Qt::FramelessWindowHint;
    case WindowBorder::Sizeable: break;
  }
  return base;
}

void SubWindowBorder::set(WindowBorder border) {
  border_ = border;
  apply();
}

bool SubWindowBorder::eventFilter(QObject* watched, QEvent* event) {
  // The main window sets the subwindow's flags after it took the window in
  // and before it shows it: they are read at the first showing.
  if (watched == window_ && event->type() == QEvent::Show) apply();
  return QObject::eventFilter(watched, event);
}

void SubWindowBorder::apply() {
  auto* sub = qobject_cast<QMdiSubWindow*>(window_->parentWidget());
  if (!sub || !sub->isVisible()) return;
  if (sub != sub_) {
    sub_ = sub;
    framed_ = sub->windowFlags();
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this, sub](Qt::WindowStates before, Qt::WindowStates now) {
      const Qt::WindowStates shrunk = Qt::WindowMaximized | Qt::WindowMinimized;
      if (sub == sub_ && (before & shrunk) && !(now & shrunk)) apply();
    });
  }
  // A subwindow without a frame of its own, or maximised or minimised.
  if ((framed_ & Qt::FramelessWindowHint) || (sub->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
    return;
  const Qt::WindowFlags wanted = flagsFor(border_, framed_);
  if (sub->windowFlags() == wanted) return;
  const QPoint pos = sub->pos();
  const QSize inner = sub->contentsRect().size();
  QMdiArea* area = sub->mdiArea();
  const bool active = area && area->activeSubWindow() == sub;
  QWidget* focus = QApplication::focusWidget();
  if (focus && !window_->isAncestorOf(focus)) focus = nullptr;
  sub->setWindowFlags(wanted);
  sub->resize(inner + (sub->size() - sub->contentsRect().size()));
  sub->move(pos);
  sub->show();
  if (active && area->activeSubWindow() != sub) area->setActiveSubWindow(sub);
  if (focus) focus->setFocus();
}

}  // namespace zw
