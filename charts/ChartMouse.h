#pragma once
// The mouse on a 2D chart, as a state machine beside the widget: pan and drag
// zoom, the zoom window and the rubber band, crosshair and label drags, the
// box a page asks for with MouseBox, the cursor and the pointer's read-outs.
// TVIrada hands its mouse events over and paints the box that BoxBeingDrawn
// reports; the chart's MouseAction (in its layers) says what a drag does.
#include <QPoint>
#include <QRect>
#include <optional>

#include "charts/ChartBase.h"

class QMouseEvent;

namespace zw {

class TVIrada;

class TChartMouse {
public:
  explicit TChartMouse(TVIrada& chart) : chart_(chart) {}
  TChartMouse(const TChartMouse&) = delete;
  TChartMouse& operator=(const TChartMouse&) = delete;

  void Press(QMouseEvent* e);
  void Move(QMouseEvent* e);
  void Release(QMouseEvent* e);
  void DoubleClick();

  TZoomState ZoomState() const { return zoomState_; }
  // Waits in a local event loop until the user has drawn a rectangle: true
  // with its world corners (active layer, ordered), false when a right click
  // or MouseBoxAbort ended it or the chart went away.
  bool MouseBox(double& xLo, double& yLo, double& xHi, double& yHi);
  void MouseBoxAbort();
  // The world position of the last move inside the plot (active layer).
  double PosX() const { return posX_; }
  double PosY() const { return posY_; }
  // The rectangle being drawn (zoom window, rubber band or MouseBox), in
  // control pixels; it is painted over the picture and never enters it.
  std::optional<QRect> BoxBeingDrawn() const;

private:
  // What the left button drags. Pressed: the anchors of the press, taken for
  // whatever the first move turns out to be, so that a pan or drag zoom
  // follows the pointer from the press on.
  enum class Drag { None, Pressed, Pan, Zoom, CrossHair, Label };

  bool inside(int x, int y) const;
  void takeAnchors(int x, int y, Drag kind);
  void panOrZoom(TMouseActMode mode, int x, int y);
  void dragItem(TMouseActMode mode, int x, int y);
  int nearestCrossHair(int x, int y) const;
  int nearestTextLabel(int x, int y) const;
  void updateCursor(int x, int y);
  void zoomRelease(QMouseEvent* e);

  TVIrada& chart_;
  TZoomState zoomState_ = TZoomState::zsNormal;
  TMouseBoxState boxState_ = TMouseBoxState::msNormal;
  QPoint windAnchor_, windCorner_, boxP1_, boxP2_;
  bool swallowRelease_ = false;  // a double click ends with a release that is no click
  Drag drag_ = Drag::None;
  QPoint anchor_, lastStep_;  // where the drag took its anchors; the last point it followed
  double anchorXLo_ = 0, anchorXHi_ = 0, anchorYLo_ = 0, anchorYHi_ = 0;
  int crossHair_ = 0, textLabel_ = 0;  // the crosshair or label being dragged; 0 none
  double posX_ = 0, posY_ = 0;
};

}  // namespace zw
