#pragma once
// The border of a topic window's MDI child frame, switched while the window
// is open (the circle-and-line window shows no frame on its input page).
//
// It acts on the QMdiSubWindow that holds the window, and only while the main
// window gives that subwindow a frame of its own: a subwindow the main window
// shows frameless and maximised (no MDI children) is left alone. A maximised
// or minimised subwindow keeps its frame; the border asked for meanwhile is
// given when it is restored. A change keeps the frame's position and the
// window's size, and the focus where it was.
#include <QObject>
#include <QPointer>

class QMdiSubWindow;
class QWidget;

namespace zw {

// Single: a title bar, not sizeable. None: no title bar and no frame (the
// window can then only be closed from inside). Sizeable: the usual frame.
enum class WindowBorder { Single, None, Sizeable };

class SubWindowBorder : public QObject {
  Q_OBJECT
public:
  // The helper is a child of `window`, the widget inside the subwindow; the
  // border is given once the window shows in its subwindow.
  SubWindowBorder(QWidget* window, WindowBorder initial);
  void set(WindowBorder border);
  WindowBorder border() const { return border_; }
  // The flags of a subwindow with `border`, from those the main window gave it.
  static Qt::WindowFlags flagsFor(WindowBorder border, Qt::WindowFlags framed);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void apply();
  QWidget* window_;
  WindowBorder border_;
  QPointer<QMdiSubWindow> sub_;
  Qt::WindowFlags framed_;  // the subwindow's flags as the main window set them
};

}  // namespace zw
