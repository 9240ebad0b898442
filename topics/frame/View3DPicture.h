#pragma once
// The picture of a topic whose result is a 3D view (a TRot3D wire frame or a
// TPlot3D surface): the snapshot copies the view without its frame, black
// and white when the shell's clipboard option says so, and the printout puts
// the view under the memo lines at the print cursor's y without moving it
// (PrintRot3D). Both render the view's current content afresh, so a view
// whose page was never opened still prints.
//
// With RecentreOnClick a click on the view moves its projection centre back
// to the middle (the solids' wire frames, which the user drags and zooms).
#include <QObject>

#include "topics/frame/TopicWindow.h"

namespace zw {

class TView3DBase;

class View3DPicture : public QObject, public TopicPicture {
  Q_OBJECT
public:
  enum class Click { Ignore, Recentre };
  // `window` guards the click handler; the view must outlive the picture
  // (both belong to the window).
  View3DPicture(TopicWindow& window, TView3DBase& view, Click click = Click::Ignore);
  ~View3DPicture() override;

  TView3DBase& view() const { return view_; }
  void copyToClipboard(bool blackWhite) override;
  void print(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;

  // The projection centre to the middle of the view.
  static void Recentre(TView3DBase& view);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  TopicWindow& window_;
  TView3DBase& view_;
  Click click_;
};

}  // namespace zw
