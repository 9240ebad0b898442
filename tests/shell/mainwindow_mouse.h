#pragma once
// Mouse events and short waits for the window tests (without the Qt test
// library): events go straight to the widget, as a real click would arrive.
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>

namespace zw::testing {

inline void sendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QPointF pos(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, modifiers);
  QApplication::sendEvent(w, &e);
}

inline void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
  sendMouse(w, QEvent::MouseButtonPress, button, button);
  sendMouse(w, QEvent::MouseButtonRelease, button, Qt::NoButton);
}

inline void wait(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace zw::testing
