#include "charts/Plot3D.h"

#include "charts/LabelPlacer.h"

#include "charts/Rot3DCore.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zw {

namespace {

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

double cubeCorner(int corner, int bit) { return (corner & bit) ? 150.0 : -150.0; }

// How far (in half label heights) a caption moves off a label it would
// cover before it is left out.
constexpr int kCaptionTries = 12;

}  // namespace

TPlot3D::TPlot3D(QWidget* parent) : TView3DBase(parent) {
  GridMat.OnChange = [this](TNumComponent&) { FGridStale = true; };  // refreshed once, before it is needed
  resize(650, 500);
  calibrate();
  calcRotMat();
  FSuppressPaint = false;  // on without a repaint
}

// ----- grid

void TPlot3D::refreshGrid(bool force) {
  if (!FGridStale || (FSuppressPaint && !force)) return;
  FGridStale = false;
  GridMat.MinMax(1, 1, GridMat.NrOfColumns(), GridMat.NrOfRows(), FMinZ, FMaxZ);
  const int c = GridMat.NrOfColumns(), r = GridMat.NrOfRows();
  if (ProjMapX.NrOfColumns() != c || ProjMapX.NrOfRows() != r) {
    ProjMapX.Resize(c, r);
    ProjMapY.Resize(c, r);
    ProjMapZ.Resize(c, r);
  }
}

// ----- ranges

void TPlot3D::calibrate() { FCalibZ = CalibrateZ(FRange[4], FRange[5]); }

void TPlot3D::SetRange(double xLow, double xHigh, double yLow, double yHigh, double zLow, double zHigh) {
  const double v[6] = {xLow, xHigh, yLow, yHigh, zLow, zHigh};
  for (int k = 0; k < 6; k += 2) {
    FRange[k] = v[k];
    FRange[k + 1] = v[k + 1];
    if (v[k] == v[k + 1]) {
      FRange[k] -= 0.5;
      FRange[k + 1] += 0.5;
    }
  }
  calibrate();
  redraw();
}

void TPlot3D::setRangeEnd(int index, double v) {
  const bool low = index % 2 == 0;
  const double other = FRange[static_cast<size_t>(index + (low ? 1 : -1))];
  FRange[static_cast<size_t>(index)] = v == other ? (low ? v - 1 : v + 1) : v;
  calibrate();
  redraw();
}

// ----- view

void TPlot3D::calcRotMat() { FRotMat = CalcPlotRotMat(FViewAngle[0], FViewAngle[2]); }

void TPlot3D::SetViewAngles(double vax, double vaz) {
  if (vax == FViewAngle[0] && vaz == FViewAngle[2]) return;
  FViewAngle[0] = NormalisePlotAngle(vax);
  FViewAngle[2] = NormalisePlotAngle(vaz);
  calcRotMat();
  redraw();
}
void TPlot3D::setViewAngleX(double v) {
  if (v == FViewAngle[0]) return;
  FViewAngle[0] = NormalisePlotAngle(v);
  calcRotMat();
  redraw();
}
void TPlot3D::setViewAngleZ(double v) {
  if (v == FViewAngle[2]) return;
  FViewAngle[2] = NormalisePlotAngle(v);
  calcRotMat();
  redraw();
}

void TPlot3D::setMagnification(double v) {
  if (std::isnan(v)) return;
  FMagnify = std::clamp(v, 0.001, 100.0);
  redraw();
}
void TPlot3D::setScaleFactX(double v) { FScl[0] = v; redraw(); }
void TPlot3D::setScaleFactY(double v) { FScl[1] = v; redraw(); }
void TPlot3D::setScaleFactZ(double v) { FScl[2] = v; redraw(); }

void TPlot3D::AutoScale() {
  refreshGrid();
  const double c = GridMat.NrOfColumns(), r = GridMat.NrOfRows(), n = std::max(c, r);
  FScl[0] = n / c;
  FScl[1] = n / r;
  FScl[2] = FMaxZ != FMinZ ? n / (FMaxZ - FMinZ) : 1.0;
  redraw();
}

void TPlot3D::recentre() {
  FCentX = width() / 2;
  FCentY = height() / 2;
}

void TPlot3D::setCentX(int v) {
  if (FAutoCenter) {
    recentre();
    return;
  }
  if (v == FCentX) return;
  FCentX = std::clamp(v, -width(), 2 * width());
  redraw();
}
void TPlot3D::setCentY(int v) {
  if (FAutoCenter) {
    recentre();
    return;
  }
  if (v == FCentY) return;
  FCentY = std::clamp(v, -height(), 2 * height());
  redraw();
}
void TPlot3D::setAutoCenter(bool v) {
  if (v == FAutoCenter) return;
  FAutoCenter = v;
  if (v) recentre();
}

// ----- look

void TPlot3D::setColorScaleLow(double v) {
  if (v < FColorScaleHigh) {
    FColorScaleLow = v;
    redraw();
  }
}
void TPlot3D::setColorScaleHigh(double v) {
  if (v > FColorScaleLow) {
    FColorScaleHigh = v;
    redraw();
  }
}
void TPlot3D::setColorCodingMode(TColorCodingMode v) { setAndPaint(FColorCodingMode, v); }
void TPlot3D::setColorCodeAvg(bool v) { setAndPaint(FColorCodeAvg, v); }
void TPlot3D::setMeshKind(TMeshKind v) { setAndPaint(FMeshKind, v); }
void TPlot3D::setMeshVisible(bool v) { setAndPaint(FMeshVisible, v); }
void TPlot3D::setBoundBoxStyle(TBoundingBox v) { setAndPaint(FBoundBox, v); }
void TPlot3D::setFrameStyle(TFrameStyle v) { setAndPaint(FFrameStyle, v); }
void TPlot3D::setColorScheme(TColorScheme v) { setAndPaint(FColorScheme, v); }
void TPlot3D::setColor(ColorRole role, QColor v) { setAndPaint(FColors[role], v); }
void TPlot3D::setMinTick(int axis, int v) { setAndPaint(FNTicks[static_cast<size_t>(axis)], std::clamp(v, 2, 20)); }
void TPlot3D::setDecPlace(int axis, int v) { setAndPaint(FDecPlace[static_cast<size_t>(axis)], std::clamp(v, -2, 12)); }
void TPlot3D::setLabDist(int axis, int v) { setAndPaint(FLabDist[static_cast<size_t>(axis)], v); }
void TPlot3D::setCaption(int axis, const QString& v) { setAndPaint(FCapt[static_cast<size_t>(axis)], v); }
void TPlot3D::setVisibleCoords(int axis, bool v) { setAndPaint(FVisible[static_cast<size_t>(axis)], v); }

void TPlot3D::Clear() {
  GridMat.Fill(0);
  redraw();
}

void TPlot3D::Reset() {
  recentre();
  FScl = {1, 1, 1};
  FViewAngle[0] = 66;
  FViewAngle[2] = 135;
  FMagnify = 1.0;
  calcRotMat();
  redraw();
}

void TPlot3D::setSuppressPaint(bool v) {
  FSuppressPaint = v;
  if (!v) {
    refreshGrid();
    redraw();
  }
}

// ----- rendering

TPlotView TPlot3D::view() const {
  return {FRotMat, FScl[0], FScl[1], FScl[2], FMagnify, FCentX, FCentY};
}

void TPlot3D::renderScene(QPainter& target) {
  refreshGrid(true);  // a picture always needs the current extremes and map sizes
  QPainter* canvas = &target;
  QPainter& p = *canvas;
  p.setRenderHint(QPainter::Antialiasing, false);
  const TPlotView v = view();
  auto corner = [&](int c) { return ProjectPlot(v, cubeCorner(c, 4), cubeCorner(c, 2), cubeCorner(c, 1)); };
  const int s = NearestPlotCorner(FRotMat), o = 7 - s;
  const bool cube = FBoundBox != TBoundingBox::bbNone;
  auto edges = [&](int from, const QColor& color) {
    p.setPen(QPen(color, 1));
    for (int n : kCornerNeighbours[from]) p.drawLine(corner(from), corner(n));
  };
  if (cube) {
    p.setPen(QPen(FColors[crCubeFrame], 1));
    for (int face : kFacesAtCorner[o]) {
      const QPoint poly[4] = {corner(kFaceCorners[face][0]), corner(kFaceCorners[face][1]),
                              corner(kFaceCorners[face][2]), corner(kFaceCorners[face][3])};
      if (FBoundBox == TBoundingBox::bbFrame) p.setBrush(Qt::NoBrush);
      else p.setBrush(QColor(PlotFaceShade(FRotMat, face, FColors[crCubeFaceHigh].rgb(), FColors[crCubeFaceLow].rgb())));
      p.drawPolygon(poly, 4);
    }
    edges(s, FColors[crCubeHidLin]);
  }

  // Cells, back to front. Every node is projected once into the maps.
  const int cols = GridMat.NrOfColumns(), rows = GridMat.NrOfRows();
  if (cols > 1 && rows > 1) {
    for (int i = 1; i <= cols; ++i) {
      const double x = GridCoord(i, cols);
      for (int j = 1; j <= rows; ++j) {
        const QPoint q = ProjectPlot(v, x, GridCoord(j, rows), FCalibZ.k * GridMat.Elem(i, j) + FCalibZ.d);
        ProjMapX.SetElem(i, j, q.x());
        ProjMapY.SetElem(i, j, q.y());
      }
    }
    const TCellOrder order = CellOrder(FViewAngle[0], FViewAngle[2]);
    const QColor mesh = FColors[crMesh];
    QPen meshPen(mesh, 1);
    p.setPen(FMeshVisible ? meshPen : QPen(FColors[crHigh], 1));
    p.setBrush(FColors[crHigh]);
    const QRgb cLow = FColors[crLow].rgb(), cMid = FColors[crMid].rgb(), cHigh = FColors[crHigh].rgb();
    for (int m = 1; m < rows; ++m) {
      const int j = order.rowsForward ? m : rows - m;
      for (int k = 1; k < cols; ++k) {
        const int i = order.columnsForward ? k : cols - k;
        TQuad quad{QPoint(ProjMapX.Elem(i, j), ProjMapY.Elem(i, j)),
                   QPoint(ProjMapX.Elem(i + 1, j), ProjMapY.Elem(i + 1, j)),
                   QPoint(ProjMapX.Elem(i + 1, j + 1), ProjMapY.Elem(i + 1, j + 1)),
                   QPoint(ProjMapX.Elem(i, j + 1), ProjMapY.Elem(i, j + 1))};
        ProjMapZ.SetElem(i, j, (m - 1) * cols + k);
        ProjMapZ.SetElem(i + 1, j, (m - 1) * cols + k + 1);
        ProjMapZ.SetElem(i + 1, j + 1, m * cols + k + 1);
        ProjMapZ.SetElem(i, j + 1, m * cols + k);
        const double h[4] = {GridMat.Elem(i, j), GridMat.Elem(i + 1, j), GridMat.Elem(i + 1, j + 1),
                             GridMat.Elem(i, j + 1)};
        const double value = FColorCodeAvg ? (h[0] + h[1] + h[2] + h[3]) / 4 : std::max({h[0], h[1], h[2], h[3]});
        QColor color = QColor::fromRgb(ColorCode(value, FColorScaleLow, FColorScaleHigh, FColorCodingMode, cLow, cMid, cHigh));
        if (OnBeforeRenderPolygon) {
          bool handled = false;
          QPainter* c = &p;
          OnBeforeRenderPolygon(this, c, handled, i, j, quad, color);
          if (handled) continue;
        }
        p.setBrush(color);
        const bool cellPen = !FMeshVisible || FMeshKind != TMeshKind::mkMesh;
        if (cellPen) p.setPen(QPen(color, 1));
        p.drawConvexPolygon(quad.data(), 4);
        switch (FMeshKind) {
          case TMeshKind::mkMesh: break;
          case TMeshKind::mkWaterfallHorz:
            p.setPen(meshPen);
            p.drawLine(quad[0], quad[3]);
            p.drawLine(quad[2], quad[1]);
            break;
          case TMeshKind::mkWaterfallVert:
            p.setPen(meshPen);
            p.drawLine(quad[0], quad[1]);
            p.drawLine(quad[2], quad[3]);
            break;
          case TMeshKind::mkWaterfallDiag:
            p.setPen(meshPen);
            p.drawLine(quad[0], quad[2]);
            break;
          case TMeshKind::mkGrid:
            p.setPen(meshPen);
            for (int c : {0, 1, 3, 2}) p.drawPoint(quad[static_cast<size_t>(c)]);
            break;
        }
      }
    }
  }

  if (cube) edges(o, FColors[crCubeFrame]);
  // The scales share the cube's corners: a label that would cover another
  // one (the x and y end labels at the front corner, a caption on a tick
  // label) is moved aside or left out.
  LabelPlacer labels;
  if (FVisible[0]) drawScale(p, v, TP3ScaleKind::p3skX, o, labels);
  if (FVisible[1]) drawScale(p, v, TP3ScaleKind::p3skY, o, labels);
  if (FVisible[2]) drawScale(p, v, TP3ScaleKind::p3skZ, o, labels);
  if (OnDataRendered) OnDataRendered(this, canvas);
}

void TPlot3D::drawScale(QPainter& p, const TPlotView& v, TP3ScaleKind kind, int farCorner, LabelPlacer& labels) {
  const int axis = static_cast<int>(kind);
  const QColor color = FColors[static_cast<size_t>(crXCoords + axis)];
  const double low = FRange[static_cast<size_t>(2 * axis)], high = FRange[static_cast<size_t>(2 * axis + 1)];
  const TScaleEdge edge = ScaleEdge(kind, FRotMat, farCorner);
  auto corner = [&](int c) { return ProjectPlot(v, cubeCorner(c, 4), cubeCorner(c, 2), cubeCorner(c, 1)); };
  const QPoint a = corner(edge.a), b = corner(edge.b);
  p.setPen(QPen(color, 1));
  p.setBrush(Qt::NoBrush);
  QFont f = font();
  f.setPixelSize(roundHalfEven(8 * 96.0 / 72.0));  // 8 points at 96 ppi
  p.setFont(f);
  const QFontMetrics fm(f);
  const int zeroHeight = fm.height();

  const double ax = FViewAngle[0], az = FViewAngle[2];
  const bool downward = ax <= 90 || (ax > 180 && ax <= 270);
  const int sgn = ax <= 180 ? 1 : -1;
  const double sinZ = std::sin(az * M_PI / 180), cosZ = std::cos(az * M_PI / 180);
  const int decimals = ScaleDecimals(FDecPlace[static_cast<size_t>(axis)], low, high);
  for (double tick : ScaleTicks(FNTicks[static_cast<size_t>(axis)], low, high)) {
    const double t = (tick - low) / (high - low);
    const QPoint at(a.x() + roundHalfEven(t * (b.x() - a.x())), a.y() + roundHalfEven(t * (b.y() - a.y())));
    QPoint end = at;
    if (kind == TP3ScaleKind::p3skZ) end.rx() += 8;
    else end.ry() += downward ? 8 : -8;
    p.drawLine(at, end);
    QString label = QString::fromStdString(ScaleLabel(tick, low, high, decimals));
    if (OnBeforeDrawScaleLabel) {
      QPainter* c = &p;
      OnBeforeDrawScaleLabel(this, c, kind, label, at.x(), at.y());
    }
    const int w = fm.horizontalAdvance(label) / 2;
    int left, top = end.y() + (downward ? 0 : -zeroHeight);
    switch (kind) {
      case TP3ScaleKind::p3skX:
        left = (az <= 90 || az > 270) ? end.x() - w - roundHalfEven(sinZ * w) * sgn
                                      : end.x() - w + roundHalfEven(sinZ * w) * sgn;
        break;
      case TP3ScaleKind::p3skY:
        left = az > 180 ? end.x() - w - roundHalfEven(cosZ * w) * sgn : end.x() - w + roundHalfEven(cosZ * w) * sgn;
        break;
      default:
        left = end.x() + 3;
        top = end.y() - zeroHeight / 2;
        break;
    }
    if (labels.take(QRect(left, top, fm.horizontalAdvance(label), fm.height())))
      p.drawText(left, top + fm.ascent(), label);
  }

  // Caption
  const int mx = (a.x() + b.x()) / 2, my = (a.y() + b.y()) / 2;
  const double dx = b.x() - a.x(), dy = b.y() - a.y(), d = std::max(1e-9, std::hypot(dx, dy));
  const int s2 = downward ? -1 : 1;
  const double D = FLabDist[static_cast<size_t>(axis)] * s2;
  const QString caption = FCapt[static_cast<size_t>(axis)];
  if (caption.isEmpty()) return;
  const QSize size(fm.horizontalAdvance(caption), fm.height());
  if (kind == TP3ScaleKind::p3skZ) {
    // Beside the middle of the z scale; covering a tick label, it moves up,
    // down or further right, whichever place is free nearest.
    QRect r(QPoint(a.x() + FLabDist[2], my - 8), size);
    const int h = fm.height() / 2;
    if (!labels.place(r, {QPoint(0, -h), QPoint(0, h), QPoint(h, 0)}, kCaptionTries)) return;
    p.drawText(r.left(), r.top() + fm.ascent(), caption);
    return;
  }
  const bool first = kind == TP3ScaleKind::p3skX ? (az <= 90 || az > 270) : az > 180;
  // The caption stands off the middle of its scale along the scale's normal;
  // covering a label, it moves further out that way or along the scale.
  const QPointF normal = first ? QPointF(dy / d, -dx / d) : QPointF(-dy / d, dx / d);
  const QPoint c(mx + roundHalfEven(normal.x() * D), my + roundHalfEven(normal.y() * D));
  QRect r(QPoint(c.x() - size.width() / 2, c.y() - size.height() / 2), size);
  const double out = D < 0 ? -fm.height() / 2.0 : fm.height() / 2.0;
  const QPoint step(roundHalfEven(normal.x() * out), roundHalfEven(normal.y() * out));
  const QPoint along(roundHalfEven(dx / d * fm.height() / 2), roundHalfEven(dy / d * fm.height() / 2));
  if (labels.place(r, {step == QPoint() ? QPoint(0, fm.height() / 2) : step, along, -along}, kCaptionTries))
    p.drawText(r.left(), r.top() + fm.ascent(), caption);
}

void TPlot3D::PaintPicture(QPainter& canvas, bool includeFrame) {
  canvas.fillRect(QRect(0, 0, width(), height()), FColors[crBakGnd]);
  renderScene(canvas);
  if (includeFrame)
    DrawFrame3D(canvas, FFrameStyle, 0, 0, width() - 1, height() - 1, QColor(0xFF, 0xFF, 0xFF),
                QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80), Qt::black, FColors[crFrame]);
}

void TPlot3D::resizeEvent(QResizeEvent*) {
  if (FAutoCenter) recentre();
  renderGrafBmp();
}

// ----- mouse

void TPlot3D::takeAnchors(QPoint pos) {
  MouseAnchorX = pos.x();
  MouseAnchorY = pos.y();
  FCentXAnchor = FCentX;
  FCentYAnchor = FCentY;
  FMagAnchor = FMagnify;
  FAngleAnchor = FViewAngle;
}

void TPlot3D::mousePressEvent(QMouseEvent* event) {
  takeAnchors(event->position().toPoint());  // a drag never starts from stale anchors
  TView3DBase::mousePressEvent(event);
}

void TPlot3D::mouseMoveEvent(QMouseEvent* event) {
  TView3DBase::mouseMoveEvent(event);
  const QPoint pos = event->position().toPoint();
  const Qt::MouseButtons buttons = event->buttons();
  const bool left = buttons & Qt::LeftButton, right = buttons & Qt::RightButton;
  if (OnMouseMoveOverPlot) {
    const TCell cell = FindCellAt(ProjMapX, ProjMapY, ProjMapZ, pos.x(), pos.y());
    OnMouseMoveOverPlot(this, cell.i != 0, buttons, cell.i, cell.j);
  }
  if (!left && !right) {
    takeAnchors(pos);
    return;
  }
  if (pos.x() < 0 || pos.x() > width() || pos.y() < 0 || pos.y() > height()) return;
  const double W = std::max(1, width()), H = std::max(1, height());
  auto wrap = [](double a) {
    if (a > 360) a -= 360;
    if (a < 0) a += 360;
    return std::clamp(a, 0.0, 360.0);
  };
  double ax = FViewAngle[0], az = FViewAngle[2], mag = FMagnify;
  int cx = FCentX, cy = FCentY;
  auto rotZ = [&] { az = wrap(FAngleAnchor[2] + 360.0 * (MouseAnchorX - pos.x()) / W); };
  auto rotate = [&] {
    rotZ();
    ax = wrap(FAngleAnchor[0] + 360.0 * (MouseAnchorY - pos.y()) / H);
  };
  auto zoom = [&] {
    const double h = std::clamp((100 - 0.001) * (MouseAnchorY - pos.y()) / H / 2, 0.001 - FMagAnchor, 100 - FMagAnchor);
    mag = FMagAnchor + h;
  };
  bool acted = left;
  switch (FMouseAction) {
    case TMouseActMode::maRotate: if (left) rotate(); break;
    case TMouseActMode::maRotXOnly:
      if (left) ax = wrap(FAngleAnchor[0] + 360.0 * (pos.y() - MouseAnchorY) / H);
      break;
    case TMouseActMode::maRotZOnly: if (left) rotZ(); break;
    case TMouseActMode::maZoom: if (left) zoom(); break;
    case TMouseActMode::maPan:
      if (left) {
        cx = FCentXAnchor + pos.x() - MouseAnchorX;
        cy = FCentYAnchor + pos.y() - MouseAnchorY;
      }
      break;
    case TMouseActMode::maRotAndZoom:
      if (left) rotate();
      else zoom();
      acted = true;
      break;
    default: acted = false; break;
  }
  if (!acted) return;
  if (OnMouseAction) OnMouseAction(this, cx, cy, ax, az, mag, buttons);
  FViewAngle[0] = ax;
  FViewAngle[2] = az;
  FMagnify = mag;
  FCentX = cx;
  FCentY = cy;
  calcRotMat();
  renderGrafBmp();
  repaint();
}

// ----- pictures

namespace {
// Colours and the painting flag set for one output come back on every exit.
struct PlotStateGuard {
  std::array<QColor, TPlot3D::crCount> saved;
  std::array<QColor, TPlot3D::crCount>& colors;
  explicit PlotStateGuard(std::array<QColor, TPlot3D::crCount>& c) : saved(c), colors(c) {}
  ~PlotStateGuard() { colors = saved; }
};

void setBlackWhite(std::array<QColor, TPlot3D::crCount>& c) {
  c[TPlot3D::crHigh] = Qt::white;
  c[TPlot3D::crMid] = QColor(0x90, 0x90, 0x90);
  c[TPlot3D::crLow] = QColor(0x20, 0x20, 0x20);
  for (auto r : {TPlot3D::crMesh, TPlot3D::crXCoords, TPlot3D::crYCoords, TPlot3D::crZCoords,
                 TPlot3D::crCubeFrame, TPlot3D::crFrame})
    c[r] = Qt::black;
  c[TPlot3D::crCubeHidLin] = QColor(0xC0, 0xC0, 0xC0);
  c[TPlot3D::crCubeFaceHigh] = Qt::white;
  c[TPlot3D::crCubeFaceLow] = QColor(0xC0, 0xC0, 0xC0);
  c[TPlot3D::crBakGnd] = Qt::white;
}
}  // namespace

QImage TPlot3D::Snapshot(bool includeFrame, bool blkWhite) {
  PlotStateGuard guard(FColors);
  if (blkWhite) setBlackWhite(FColors);
  QImage img(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  QPainter p(&img);
  PaintPicture(p, includeFrame);
  return img;
}

void TPlot3D::CopyToOpenPrinter(QPainter& printer, int& x, int& y, double scaleF, bool blkWhite,
                                bool includeFrame) {
  refreshGrid();
  {
    // Painting is switched back on (without a repaint) and the colours come
    // back on every exit; a repaint follows only when the output went through.
    struct PaintingOff {
      bool& flag;
      ~PaintingOff() { flag = false; }
    } paintingOff{FSuppressPaint};
    PlotStateGuard guard(FColors);
    FSuppressPaint = true;
    if (blkWhite) setBlackWhite(FColors);
    printScaled(printer, x, y, scaleF, [&](QPainter& p) { PaintPicture(p, includeFrame); });
  }
  setSuppressPaint(false);
}

void TPlot3D::DrawOnForeignCanvas(QPainter& canvas) {
  refreshGrid();
  {
    struct PaintingOff {
      bool& flag;
      ~PaintingOff() { flag = false; }
    } paintingOff{FSuppressPaint};
    FSuppressPaint = true;
    PaintPicture(canvas, false);
  }
  setSuppressPaint(false);
}

}  // namespace zw
