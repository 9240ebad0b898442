#include "charts/ChartMouse.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <exception>

#include "charts/VIrada.h"

namespace zw {

namespace {

bool isPan(TMouseActMode m) {
  return m == TMouseActMode::maPan || m == TMouseActMode::maPanHoriz || m == TMouseActMode::maPanVert;
}

bool drawsWindow(TMouseActMode m) {
  return m == TMouseActMode::maRubberBand || m == TMouseActMode::maZoomWind || m == TMouseActMode::maZoomWindPos;
}

QPoint pointOf(const QMouseEvent* e) { return {int(e->position().x()), int(e->position().y())}; }

// The range of one axis dragged `moved` pixels (towards higher values) over a
// plot `extent` pixels long, from the range it had at the start of the drag.
void panAxis(bool logarithmic, double& lo, double& hi, double lo0, double hi0, int moved, double extent) {
  if (logarithmic && lo > 0 && hi > 0) {
    const double f = std::exp(std::log(hi / lo) * -moved / extent);
    lo = lo0 * f, hi = hi0 * f;
  } else {
    const double d = (hi - lo) * moved / extent;
    lo = lo0 - d, hi = hi0 - d;
  }
}

}  // namespace

bool TChartMouse::inside(int x, int y) const {
  const TChartLayers& l = chart_.Layers();
  return l.xL() <= x && x <= l.xR() && l.yT() <= y && y <= l.yB();
}

void TChartMouse::takeAnchors(int x, int y, Drag kind) {
  const TChartLayers& l = chart_.Layers();
  drag_ = kind;
  anchor_ = lastStep_ = QPoint(x, y);
  anchorXLo_ = l.X(1).RangeLow(), anchorXHi_ = l.X(1).RangeHigh();
  anchorYLo_ = l.Y(1).RangeLow(), anchorYHi_ = l.Y(1).RangeHigh();
}

std::optional<QRect> TChartMouse::BoxBeingDrawn() const {
  if (boxState_ == TMouseBoxState::msRectDraw) return QRect(boxP1_, windCorner_).normalized();
  if (zoomState_ == TZoomState::zsDrawWin) return QRect(windAnchor_, windCorner_).normalized();
  return std::nullopt;
}

// ----- press, move, release --------------------------------------------------

void TChartMouse::Press(QMouseEvent* e) {
  if (swallowRelease_) {
    swallowRelease_ = false;
    return;
  }
  e->accept();
  const QPoint at = pointOf(e);
  if (boxState_ == TMouseBoxState::msFirstCorner) {
    if (e->button() == Qt::RightButton) {
      boxState_ = TMouseBoxState::msNormal;
    } else {
      boxP1_ = windCorner_ = at;
      boxState_ = TMouseBoxState::msRectDraw;
    }
  }
  const TMouseActMode mode = chart_.Layers().MouseAction;
  if (drawsWindow(mode) && zoomState_ == TZoomState::zsNormal && e->button() == Qt::LeftButton &&
      inside(at.x(), at.y())) {
    zoomState_ = TZoomState::zsDrawWin;
    windAnchor_ = windCorner_ = at;
  }
  // Every press with the left button down anchors the drag, also a second
  // button that changes what the drag does: the first step then counts.
  if (e->buttons() & Qt::LeftButton) takeAnchors(at.x(), at.y(), Drag::Pressed);
  try {
    if (chart_.OnMouseDown) chart_.OnMouseDown(&chart_, e->button(), e->modifiers(), at.x(), at.y());
  } catch (const std::exception&) {
  }
}

void TChartMouse::Move(QMouseEvent* e) {
  try {
    TChartLayers& layers = chart_.Layers();
    const int X = int(e->position().x()), Y = int(e->position().y());
    const TMouseActMode mode = layers.MouseAction;
    if (boxState_ == TMouseBoxState::msRectDraw) {
      windCorner_ = QPoint(std::clamp(X, layers.xL(), layers.xR()), std::clamp(Y, layers.yT(), layers.yB()));
      chart_.update();
    }
    if (drawsWindow(mode) && zoomState_ == TZoomState::zsDrawWin) {
      const int cx = std::clamp(X, layers.xL(), layers.xR());
      int cy = Y;
      if (layers.Isometric) {
        const int d = cx - windAnchor_.x();
        cy = (cy - windAnchor_.y()) * d < 1 ? windAnchor_.y() - d : windAnchor_.y() + d;
      }
      windCorner_ = QPoint(cx, std::clamp(cy, layers.yT(), layers.yB()));
      chart_.update();
    }
    const bool dragging = e->buttons() & Qt::LeftButton;
    if (!dragging) drag_ = Drag::None;
    if (dragging && (isPan(mode) || mode == TMouseActMode::maZoomDrag)) panOrZoom(mode, X, Y);
    if (dragging && (mode == TMouseActMode::maDragCrossH || mode == TMouseActMode::maDragLabel)) dragItem(mode, X, Y);
    const bool in = inside(X, Y);
    if (in) layers.M2R(chart_.ActiveLayer(), X, Y, posX_, posY_);
    updateCursor(X, Y);
    double wx, wy;
    layers.M2R(chart_.ActiveLayer(), X, Y, wx, wy);
    if (chart_.OnMouseMoveInChart) chart_.OnMouseMoveInChart(&chart_, in, e->modifiers(), e->buttons(), wx, wy);
  } catch (const std::exception&) {
    // A handler of the page failed; the chart stays usable.
  }
}

// Pan and drag zoom follow the pointer from the anchors: the press, or the
// move at which the action changed in the middle of a drag (the drag then
// goes on from where it stands instead of jumping back to its start).
void TChartMouse::panOrZoom(TMouseActMode mode, int X, int Y) {
  const Drag kind = isPan(mode) ? Drag::Pan : Drag::Zoom;
  if (drag_ != kind && drag_ != Drag::Pressed) {
    takeAnchors(X, Y, kind);
    return;
  }
  drag_ = kind;
  if (!inside(X, Y) || QPoint(X, Y) == lastStep_) return;
  lastStep_ = QPoint(X, Y);
  TChartLayers& layers = chart_.Layers();
  TScaleProps& px = layers.X(1);
  TScaleProps& py = layers.Y(1);
  double xLo = px.RangeLow(), xHi = px.RangeHigh(), yLo = py.RangeLow(), yHi = py.RangeHigh();
  const double w = layers.xR() - layers.xL(), h = layers.yB() - layers.yT();
  if (kind == Drag::Pan) {
    // The values follow the pointer: x grows to the right, y upwards.
    if (mode != TMouseActMode::maPanVert && w > 0)
      panAxis(px.Logarithmic(), xLo, xHi, anchorXLo_, anchorXHi_, X - anchor_.x(), w);
    if (mode != TMouseActMode::maPanHoriz && h > 0)
      panAxis(py.Logarithmic(), yLo, yHi, anchorYLo_, anchorYHi_, anchor_.y() - Y, h);
  } else {
    const double gx = 1 - double(X - anchor_.x()) / std::max(1, chart_.width());
    const double gy = layers.Isometric ? gx : 1 + double(Y - anchor_.y()) / std::max(1, chart_.height());
    const double cx = (anchorXLo_ + anchorXHi_) / 2, sx = anchorXHi_ - anchorXLo_;
    const double cy = (anchorYLo_ + anchorYHi_) / 2, sy = anchorYHi_ - anchorYLo_;
    xLo = cx - sx * gx / 2, xHi = cx + sx * gx / 2;
    yLo = cy - sy * gy / 2, yHi = cy + sy * gy / 2;
  }
  layers.ApplyJointRange(1, false, xLo, yLo, xHi, yHi, true);
  chart_.markStale();
  if (chart_.OnZoomPan) chart_.OnZoomPan(&chart_);
}

void TChartMouse::Release(QMouseEvent* e) {
  if (swallowRelease_) {
    swallowRelease_ = false;
    return;
  }
  const TMouseActMode mode = chart_.Layers().MouseAction;
  if (boxState_ == TMouseBoxState::msRectDraw) {
    if (e->button() == Qt::RightButton) {
      boxState_ = TMouseBoxState::msNormal;
    } else {
      boxP2_ = pointOf(e);
      boxState_ = TMouseBoxState::msFinished;
    }
    chart_.update();
  }
  zoomRelease(e);
  if (isPan(mode) || mode == TMouseActMode::maZoomDrag) chart_.Layers().PushZoomHistory();
  if (!(e->buttons() & Qt::LeftButton)) drag_ = Drag::None;
  e->accept();
  try {
    if (chart_.OnMouseUp) chart_.OnMouseUp(&chart_, e->button(), e->modifiers(), pointOf(e).x(), pointOf(e).y());
  } catch (const std::exception&) {
  }
}

void TChartMouse::DoubleClick() {
  swallowRelease_ = true;
  try {
    if (chart_.OnDblClick) chart_.OnDblClick(&chart_);
  } catch (const std::exception&) {
  }
}

// ----- zoom window and rubber band -------------------------------------------

void TChartMouse::zoomRelease(QMouseEvent* e) {
  TChartLayers& layers = chart_.Layers();
  const TMouseActMode mode = layers.MouseAction;
  if (zoomState_ != TZoomState::zsDrawWin || !drawsWindow(mode)) return;
  zoomState_ = TZoomState::zsNormal;
  chart_.update();
  if (e->button() != Qt::LeftButton || windAnchor_.x() == windCorner_.x() || windAnchor_.y() == windCorner_.y())
    return;
  double ax, ay, bx, by;
  layers.M2R(1, windAnchor_.x(), windAnchor_.y(), ax, ay);
  layers.M2R(1, windCorner_.x(), windCorner_.y(), bx, by);
  if (mode != TMouseActMode::maZoomWind) {
    // The axes keep their direction.
    const TScaleProps& px = layers.X(1);
    const TScaleProps& py = layers.Y(1);
    if ((bx < ax && px.RangeLow() < px.RangeHigh()) || (bx > ax && px.RangeLow() > px.RangeHigh())) std::swap(ax, bx);
    if ((by < ay && py.RangeLow() < py.RangeHigh()) || (by > ay && py.RangeLow() > py.RangeHigh())) std::swap(ay, by);
  }
  if (layers.Isometric) {
    const double c = (ay + by) / 2, sp = layers.IsoSpan(bx - ax);
    ay = c - sp / 2, by = c + sp / 2;
  }
  try {
    if (mode == TMouseActMode::maRubberBand) {
      if (chart_.OnRubberBand) chart_.OnRubberBand(&chart_, 1, ax, ay, bx, by);
    } else {
      layers.ApplyJointRange(1, true, ax, ay, bx, by, false);
      chart_.markStale();
    }
    if (chart_.OnZoomPan) chart_.OnZoomPan(&chart_);
  } catch (const std::exception&) {
  }
}

bool TChartMouse::MouseBox(double& xLo, double& yLo, double& xHi, double& yHi) {
  boxState_ = TMouseBoxState::msFirstCorner;
  // This object dies with its chart: only the guard may be asked after the wait.
  QPointer<TVIrada> alive(&chart_);
  QEventLoop loop;
  while (alive && boxState_ != TMouseBoxState::msFinished && boxState_ != TMouseBoxState::msNormal)
    loop.processEvents(QEventLoop::WaitForMoreEvents);
  if (!alive) return false;
  const bool finished = boxState_ == TMouseBoxState::msFinished;
  boxState_ = TMouseBoxState::msNormal;
  if (!finished) return false;
  double x1, y1, x2, y2;
  chart_.Layers().M2R(chart_.ActiveLayer(), boxP1_.x(), boxP1_.y(), x1, y1);
  chart_.Layers().M2R(chart_.ActiveLayer(), boxP2_.x(), boxP2_.y(), x2, y2);
  xLo = std::min(x1, x2), xHi = std::max(x1, x2);
  yLo = std::min(y1, y2), yHi = std::max(y1, y2);
  return true;
}

void TChartMouse::MouseBoxAbort() {
  boxState_ = TMouseBoxState::msNormal;
  zoomState_ = TZoomState::zsNormal;
  chart_.update();
}

// ----- crosshair and label drags ---------------------------------------------

int TChartMouse::nearestCrossHair(int x, int y) const {
  int best = 0;
  double bestD = 0;
  for (int n = 1; n <= 4; ++n) {
    const TCrossHair& ch = chart_.CrossHair(n);
    const TCrossHMode m = ch.Mode();
    if (m == TCrossHMode::chOff) continue;
    int px, py;
    chart_.Layers().R2M(ch.Layer(), ch.PosX(), ch.PosY(), px, py);
    double d = 0;
    if (m != TCrossHMode::chHoriz) d += double(px - x) * (px - x);
    if (m != TCrossHMode::chVert) d += double(py - y) * (py - y);
    if (best == 0 || d < bestD) best = n, bestD = d;  // a tie keeps the lower number
  }
  return best;
}

int TChartMouse::nearestTextLabel(int x, int y) const {
  int best = 0;
  double bestD = 0;
  for (int n = 1; n <= 30; ++n) {
    const TTextLabel& l = chart_.TextLabel(n);
    if (l.Mode() == TTxtLblMode::tlOff || !l.Visible()) continue;
    const QPoint p = LabelAnchor(chart_.Layers(), l);
    const double d = double(p.x() - x) * (p.x() - x) + double(p.y() - y) * (p.y() - y);
    if (best == 0 || d < bestD) best = n, bestD = d;
  }
  return best;
}

// The first move with the button down picks the nearest item; later moves,
// also outside the plot, carry it to the pointer. With nothing to pick the
// drag moves nothing.
void TChartMouse::dragItem(TMouseActMode mode, int x, int y) {
  const bool cross = mode == TMouseActMode::maDragCrossH;
  const Drag kind = cross ? Drag::CrossHair : Drag::Label;
  if (drag_ != kind) {
    takeAnchors(x, y, kind);
    if (cross)
      crossHair_ = nearestCrossHair(x, y);
    else
      textLabel_ = nearestTextLabel(x, y);
    return;
  }
  if (cross) {
    if (crossHair_ == 0) return;
    TCrossHair& ch = chart_.CrossHair(crossHair_);
    double wx, wy;
    chart_.Layers().M2R(ch.Layer(), x, y, wx, wy);
    ch.setPosX(wx);
    ch.setPosY(wy);
    chart_.update();
    if (chart_.OnCrossHairMove) chart_.OnCrossHairMove(&chart_, crossHair_);
    return;
  }
  if (textLabel_ == 0) return;
  TTextLabel& l = chart_.TextLabel(textLabel_);
  double wx, wy;
  chart_.Layers().M2R(l.Layer(), x, y, wx, wy);
  l.setPosX(LabelAttachedX(l) ? wx : x);
  l.setPosY(LabelAttachedY(l) ? wy : y);
  chart_.markStale();
  if (chart_.OnTextLabelMove) chart_.OnTextLabelMove(&chart_, textLabel_);
}

void TChartMouse::updateCursor(int x, int y) {
  if (!inside(x, y) || chart_.MouseCursorFixed) {
    chart_.unsetCursor();
    return;
  }
  switch (chart_.Layers().MouseAction) {
    case TMouseActMode::maNone: chart_.setCursor(Qt::CrossCursor); break;
    case TMouseActMode::maPan:
    case TMouseActMode::maPanHoriz:
    case TMouseActMode::maPanVert: chart_.setCursor(Qt::OpenHandCursor); break;
    case TMouseActMode::maZoomWind:
    case TMouseActMode::maZoomWindPos: chart_.setCursor(Qt::CrossCursor); break;
    case TMouseActMode::maZoomDrag: chart_.setCursor(Qt::SizeAllCursor); break;
    // Zooming and turning belong to the 3D views: the cursor stays as it is.
    case TMouseActMode::maZoom:
    case TMouseActMode::maRotate:
    case TMouseActMode::maRotAndZoom:
    case TMouseActMode::maRotXOnly:
    case TMouseActMode::maRotZOnly: break;
    default: chart_.unsetCursor(); break;
  }
}

}  // namespace zw
