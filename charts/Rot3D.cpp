#include "charts/Rot3D.h"

#include "charts/LabelPlacer.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace zw {

namespace {

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Fonts get pixel sizes at 96 ppi; the print transform scales them with the picture.
int pixelsForPoints(double points) { return std::max(1, roundHalfEven(points * 96.0 / 72.0)); }

double pointsOf(const QFont& f) { return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 72.0 / 96.0; }

void drawCentredText(QPainter& p, int x, int y, const QString& text) {
  const QFontMetrics fm = p.fontMetrics();
  p.drawText(x - fm.horizontalAdvance(text) / 2, y - fm.height() / 2 + fm.ascent(), text);
}

// Colours set for a black-and-white output are put back on every exit.
class ColorRestorer {
public:
  explicit ColorRestorer(std::initializer_list<QColor*> colors) {
    for (QColor* c : colors) saved_.emplace_back(c, *c);
  }
  ~ColorRestorer() {
    for (auto& [where, value] : saved_) *where = value;
  }

private:
  std::vector<std::pair<QColor*, QColor>> saved_;
};

}  // namespace

TRot3D::TRot3D(QWidget* parent) : TView3DBase(parent) {
  resize(450, 300);
  calcRotMat();
  FMagAnchor = 4000.0 / FMagnify;
}

// ----- items

void TRot3D::addItem(Tr3Item kind, double x, double y, double z, std::uint8_t marklw) {
  if (FDataContainer.size() == FDataContainer.capacity())
    FDataContainer.reserve(FDataContainer.size() + static_cast<size_t>(FAllocSize));
  Tr3ChartItem it;
  it.x = x;
  it.y = y;
  it.z = z;
  it.color = FDataCol.rgb();
  it.tag = FDataTag;
  it.ItemKind = kind;
  it.marklw = marklw;
  FDataContainer.push_back(it);
}

void TRot3D::MarkAt(double x, double y, double z, std::uint8_t mk) { addItem(Tr3Item::tkMarkAt, x, y, z, mk); }
void TRot3D::Moveto(double x, double y, double z) { addItem(Tr3Item::tkMoveto, x, y, z, 0); }
void TRot3D::Drawto(double x, double y, double z) {
  addItem(Tr3Item::tkLineto, x, y, z, static_cast<std::uint8_t>(FLineWidth & 0xFF));
}
void TRot3D::Line(double x1, double y1, double z1, double x2, double y2, double z2) {
  addItem(Tr3Item::tkLine, x1, y1, z1, static_cast<std::uint8_t>(FLineWidth & 0xFF));
  Tr3ChartItem& it = FDataContainer.back();
  it.x2 = x2;
  it.y2 = y2;
  it.z2 = z2;
}

void TRot3D::Clear() {
  FGrafBmp = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  FGrafBmp.fill(FChartCol);
  FDataContainer.clear();
  FDataContainer.shrink_to_fit();
}

void TRot3D::RemoveItem(int index) {
  if (index < 0 || index >= NumItems()) return;
  if (NumItems() == 1) {
    FDataContainer.clear();
    FDataContainer.shrink_to_fit();
    return;
  }
  FDataContainer.erase(FDataContainer.begin() + index);
}

void TRot3D::RemoveLastItem() {
  if (FDataContainer.empty()) return;
  FDataContainer.pop_back();
  if (FDataContainer.empty()) FDataContainer.shrink_to_fit();
}

Tr3ChartItem TRot3D::GetItemParams(int item) const {
  if (item < 0 || item >= NumItems()) return Tr3ChartItem{};
  return FDataContainer[static_cast<size_t>(item)];
}

void TRot3D::SetItemParams(int item, const Tr3ChartItem& params) {
  if (item < 0 || item >= NumItems()) return;
  if (params.ItemKind == Tr3Item::tkNone || params.ItemKind == Tr3Item::tkEverything) return;
  FDataContainer[static_cast<size_t>(item)] = params;
}

Tr3Item TRot3D::TypeOfFirstItem() const {
  return FDataContainer.empty() ? Tr3Item::tkNone : FDataContainer.front().ItemKind;
}
Tr3Item TRot3D::TypeOfLastItem() const {
  return FDataContainer.empty() ? Tr3Item::tkNone : FDataContainer.back().ItemKind;
}

// ----- view

void TRot3D::MakeVisible() {
  try {
    FRotPoints = BuildRotationSpace(FDataContainer, FScaling);
  } catch (const std::bad_alloc&) {
    FRotPoints.clear();
    throw EZwRot3DError("Component \"" + objectName().toStdString() + "\": insufficient memory");
  }
  if (FRotPoints.empty()) return;
  redraw();
}

void TRot3D::calcRotMat() {
  FRotMat = FRotMat3D ? CalcRotMat3Angles(FViewAngle[0], FViewAngle[1], FViewAngle[2], FAxDir)
                      : CalcRotMat2Angles(FViewAngle[0], FViewAngle[2], FAxDir);
}

void TRot3D::SetViewAngles(double vax, double vay, double vaz) {
  if (vax == FViewAngle[0] && vay == FViewAngle[1] && vaz == FViewAngle[2]) return;
  FViewAngle = {vax, vay, vaz};
  FAngleAnchor = FViewAngle;
  calcRotMat();
  redraw();
}

void TRot3D::setViewAngle(int axis, double v) {
  if (v == FViewAngle[static_cast<size_t>(axis)]) return;
  FViewAngle[static_cast<size_t>(axis)] = FAngleAnchor[static_cast<size_t>(axis)] = v;
  calcRotMat();
  redraw();
}
void TRot3D::setViewAngleX(double v) { setViewAngle(0, v); }
void TRot3D::setViewAngleY(double v) { setViewAngle(1, v); }
void TRot3D::setViewAngleZ(double v) { setViewAngle(2, v); }

void TRot3D::SetOrigins(double x, double y, double z) {
  if (x == OriginX() && y == OriginY() && z == OriginZ()) return;
  FScaling.origin = {x, y, z};
  redraw();
}
void TRot3D::setOriginX(double v) { SetOrigins(v, OriginY(), OriginZ()); }
void TRot3D::setOriginY(double v) { SetOrigins(OriginX(), v, OriginZ()); }
void TRot3D::setOriginZ(double v) { SetOrigins(OriginX(), OriginY(), v); }

void TRot3D::SetScaleFactors(double x, double y, double z) {
  if (x == ScaleFactX() && y == ScaleFactY() && z == ScaleFactZ()) return;
  FScaling.scaleFact = {x, y, z};
  redraw();
}
void TRot3D::setScaleFactX(double v) { SetScaleFactors(v, ScaleFactY(), ScaleFactZ()); }
void TRot3D::setScaleFactY(double v) { SetScaleFactors(ScaleFactX(), v, ScaleFactZ()); }
void TRot3D::setScaleFactZ(double v) { SetScaleFactors(ScaleFactX(), ScaleFactY(), v); }

void TRot3D::setIsoMetric(bool v) {
  if (v == FScaling.isoMetric) return;
  FScaling.isoMetric = v;
  MakeVisible();
}
void TRot3D::setAutoOrigin(bool v) {
  if (v == FScaling.autoOrigin) return;
  FScaling.autoOrigin = v;
  MakeVisible();
}
void TRot3D::setAutoScale(bool v) {
  if (v == FScaling.autoScale) return;
  FScaling.autoScale = v;
  MakeVisible();
}

void TRot3D::setMouseRot3Axes(bool v) {
  if (v == FRotMat3D) return;
  FRotMat3D = v;
  calcRotMat();
  redraw();
}

void TRot3D::setAxDir(TAxDir v) {
  if (v == FAxDir) return;
  FAxDir = v;
  calcRotMat();
  redraw();
}

void TRot3D::setMagnification(double v) {
  if (std::isnan(v)) return;
  v = std::clamp(v, 0.1, 5.0);
  FMagnify = roundHalfEven(4000.0 / v);
  redraw();
}

void TRot3D::setCentX(int v) {
  if (v == FCentX) return;
  FCentX = std::clamp(v, 0, width());
  redraw();
}
void TRot3D::setCentY(int v) {
  if (v == FCentY) return;
  FCentY = std::clamp(v, 0, height());
  redraw();
}

void TRot3D::setBoundBoxSize(int v) {
  if (v == BoundBoxSize()) return;
  FBBSize = std::clamp(v, 0, 4000) / 2;
  CubeCorners = MakeCubeCorners(FBBSize);
  redraw();
}

void TRot3D::setAxSize(int v) {
  if (v == FAxSize) return;
  FAxSize = std::clamp(v, 0, 4000);
  redraw();
}

void TRot3D::setLineWidth(int v) { FLineWidth = std::clamp(v, 1, 32); }

void TRot3D::setAllocSize(int v) {
  if (v >= 1 && v <= 1000000) FAllocSize = v;
}

// ----- look

#define ZW_ROT3D_SETTER(name, field)  \
  void TRot3D::name(decltype(field) v) { \
    if (v == field) return;           \
    field = v;                        \
    redraw();                         \
  }
ZW_ROT3D_SETTER(setBoundBoxStyle, FBoundBox)
ZW_ROT3D_SETTER(setShowAxes, FShowAxes)
ZW_ROT3D_SETTER(setFrameStyle, FFrameStyle)
ZW_ROT3D_SETTER(setColorScheme, FColorScheme)
ZW_ROT3D_SETTER(setTextFontStyle, FTextFontStyle)
ZW_ROT3D_SETTER(setTextMarkSize, FTextMarkSize)
ZW_ROT3D_SETTER(setColorFrame, FFrameCol)
ZW_ROT3D_SETTER(setColorChart, FChartCol)
ZW_ROT3D_SETTER(setColorCubeFrame, FColorCubeFrame)
ZW_ROT3D_SETTER(setColorCubeHidLin, FColorCubeHidLin)
ZW_ROT3D_SETTER(setColorCubeFaceLow, FColorCubeFaceLo)
ZW_ROT3D_SETTER(setColorCubeFaceHigh, FColorCubeFaceHi)
#undef ZW_ROT3D_SETTER

void TRot3D::setAxName(int axis, const QString& v) {
  if (v == FAxName[static_cast<size_t>(axis)]) return;
  FAxName[static_cast<size_t>(axis)] = v;
  redraw();
}
void TRot3D::setAxNameX(const QString& v) { setAxName(0, v); }
void TRot3D::setAxNameY(const QString& v) { setAxName(1, v); }
void TRot3D::setAxNameZ(const QString& v) { setAxName(2, v); }

// ----- hit tests

int TRot3D::FindNearestItemReal(double mx, double my, double mz, Tr3Item itemId, double& dist) const {
  int best = -1;
  double bestSq = 1.7e308;
  if (itemId != Tr3Item::tkNone) {
    for (int i = 0; i < NumItems(); ++i) {
      const Tr3ChartItem& it = FDataContainer[static_cast<size_t>(i)];
      if (itemId != Tr3Item::tkEverything && it.ItemKind != itemId) continue;
      const double d = (it.x - mx) * (it.x - mx) + (it.y - my) * (it.y - my) + (it.z - mz) * (it.z - mz);
      if (d < bestSq) {
        bestSq = d;
        best = i;
      }
    }
  }
  dist = std::sqrt(bestSq);
  return best;
}

int TRot3D::FindNearestItemScreen(int mx, int my, Tr3Item itemId, double& dist) const {
  int best = -1;
  double bestSq = 1.7e308;
  if (itemId != Tr3Item::tkNone) {
    for (const TRotPoint& p : FRotPoints) {
      if (p.backLink < 0 || p.backLink >= NumItems()) continue;  // entry removed since MakeVisible
      if (itemId != Tr3Item::tkEverything && FDataContainer[static_cast<size_t>(p.backLink)].ItemKind != itemId)
        continue;
      const TScreenPos s = ProjectRot(FRotMat, p.x, p.y, p.z, FMagnify, FCentX, FCentY);
      const double dx = static_cast<double>(s.x - mx), dy = static_cast<double>(s.y - my);
      if (dx * dx + dy * dy < bestSq) {
        bestSq = dx * dx + dy * dy;
        best = p.backLink;
      }
    }
  }
  dist = std::sqrt(bestSq);
  return best;
}

// ----- painting

QPoint TRot3D::projectCube(int x, int y, int z) const {
  const TScreenPos s = ProjectRot(FRotMat, x, y, z, FMagnify, FCentX, FCentY);
  return {ClampScreen(s.x), ClampScreen(s.y)};
}

void TRot3D::renderScene(QPainter& target, bool blkWhite) {
  QPainter* canvas = &target;
  if (OnBeforeRenderData) OnBeforeRenderData(this, canvas);
  QPainter& p = *canvas;
  p.setRenderHint(QPainter::Antialiasing, false);

  int nearCorner = 0;
  const bool cube = FBoundBox != TBoundingBox::bbNone;
  if (cube) {
    nearCorner = NearCorner(FRotMat);
    p.setPen(QPen(FColorCubeFrame, 1));
    for (int face : kFacesAtCorner[nearCorner]) {
      QPoint poly[4];
      for (int k = 0; k < 4; ++k) {
        const auto& c = CubeCorners[static_cast<size_t>(kFaceCorners[face][k])];
        poly[k] = projectCube(c[0], c[1], c[2]);
      }
      if (FBoundBox == TBoundingBox::bbFrame)
        p.setBrush(Qt::NoBrush);
      else
        p.setBrush(QColor(FaceShade(FRotMat, face, FColorCubeFaceHi.rgb(), FColorCubeFaceLo.rgb())));
      p.drawPolygon(poly, 4);
    }
  }

  const QPoint centre(FCentX, FCentY);
  auto axisPoint = [&](int axis, int distance) {
    int v[3] = {0, 0, 0};
    v[axis] = distance;
    return projectCube(v[0], v[1], v[2]);
  };
  if (FShowAxes) {
    for (int axis = 2; axis >= 0; --axis) {
      const QPoint inner = axisPoint(axis, std::min(FAxSize, FBBSize));
      p.setPen(QPen(FColorCubeHidLin, 1));
      p.drawLine(centre, inner);
      p.setPen(QPen(FColorCubeFrame, 1));
      p.drawLine(inner, axisPoint(axis, FAxSize));
    }
  }

  auto cubeEdges = [&](int corner, const QColor& color) {
    p.setPen(QPen(color, 1));
    const auto& c = CubeCorners[static_cast<size_t>(corner)];
    const QPoint from = projectCube(c[0], c[1], c[2]);
    for (int n : kCornerNeighbours[corner]) {
      const auto& d = CubeCorners[static_cast<size_t>(n)];
      p.drawLine(from, projectCube(d[0], d[1], d[2]));
    }
  };
  if (cube) cubeEdges(7 - nearCorner, FColorCubeHidLin);

  // Items. Consecutive segments of one pen go out in one drawLines call.
  if (!FRotPoints.empty()) {
    bool markFontSet = false;
    auto setMarkFont = [&] {
      QFont markFont(font().family());
      markFont.setPixelSize(pixelsForPoints(FTextMarkSize));
      markFont.setBold(FTextFontStyle.bold);
      markFont.setItalic(FTextFontStyle.italic);
      markFont.setUnderline(FTextFontStyle.underline);
      markFont.setStrikeOut(FTextFontStyle.strikeOut);
      p.setFont(markFont);
      markFontSet = true;
    };

    std::vector<QLine>& batch = FLineBatch;
    batch.clear();
    batch.reserve(FRotPoints.size());
    auto flush = [&] {
      if (!batch.empty()) p.drawLines(batch.data(), static_cast<int>(batch.size()));
      batch.clear();
    };
    QRgb penColor = blkWhite ? qRgb(0, 0, 0) : FRotPoints.front().color;
    int penWidth = 1;
    p.setPen(QPen(QColor(penColor), penWidth));
    p.setBrush(QColor(penColor));
    auto usePen = [&](QRgb color, int w) {
      if (color == penColor && w == penWidth) return;
      flush();
      penColor = color;
      penWidth = w;
      p.setPen(QPen(QColor(color), w));
    };
    // Every point is projected first, in a tight loop of plain arithmetic;
    // the drawing pass below then only groups the points into pen runs.
    std::vector<QPoint>& screen = FScreenPoints;
    screen.resize(FRotPoints.size());
    const TTruncDivider divider(FMagnify);
    for (size_t i = 0; i < FRotPoints.size(); ++i) {
      const TRotPoint& pt = FRotPoints[i];
      const TScreenPos s = ProjectRot(FRotMat, pt.x, pt.y, pt.z, divider, FCentX, FCentY);
      screen[i] = QPoint(ClampScreen(s.x), ClampScreen(s.y));
    }
    QPoint current;
    bool havePoint = false;
    for (size_t i = 0; i < FRotPoints.size(); ++i) {
      const TRotPoint& pt = FRotPoints[i];
      const QPoint at = screen[i];
      const QRgb color = blkWhite ? qRgb(0, 0, 0) : pt.color;
      switch (pt.kind) {
        case TRotKind::move: break;
        case TRotKind::lineTo:
          usePen(color, std::max<int>(1, pt.lineWid));
          batch.emplace_back(havePoint ? current : at, at);
          break;
        case TRotKind::mark:
          flush();
          usePen(color, penWidth);
          if (pt.mark < 52) {
            p.setBrush(QColor(color));
            DrawMark(p, pt.mark, at.x(), at.y(), FPrinting);
          } else {
            if (!markFontSet) setMarkFont();
            drawCentredText(p, at.x(), at.y(), QString(QChar(static_cast<char16_t>(pt.mark))));
          }
          break;
        case TRotKind::none: continue;  // neither drawn nor a pen position
      }
      current = at;
      havePoint = true;
    }
    flush();
  }

  if (cube) cubeEdges(nearCorner, FColorCubeFrame);

  if (FShowAxes) {
    // A font made afresh looks up its glyph engine again on every frame.
    if (!FNameFont || FNameFont->first != font()) {
      QFont nameFont = font();
      nameFont.setPixelSize(pixelsForPoints(pointsOf(font())));
      FNameFont.emplace(font(), nameFont);
    }
    p.setFont(FNameFont->second);
    p.setPen(palette().color(QPalette::WindowText));
    // Two axes seen end-on put their names on one spot: the later name moves
    // to the nearest free place, or is left out.
    LabelPlacer names;
    const QFontMetrics fm = p.fontMetrics();
    for (int axis = 2; axis >= 0; --axis) {
      const QString& name = FAxName[static_cast<size_t>(axis)];
      if (name.isEmpty()) continue;
      const QPoint at = axisPoint(axis, FAxSize + 50);
      QRect r(at.x() - fm.horizontalAdvance(name) / 2, at.y() - fm.height() / 2, fm.horizontalAdvance(name), fm.height());
      const int h = fm.height() / 2;
      if (names.place(r, {QPoint(0, h), QPoint(0, -h), QPoint(h, 0), QPoint(-h, 0)}, 6))
        p.drawText(r.left(), r.top() + fm.ascent(), name);
    }
  }

  if (OnDataRendered) OnDataRendered(this, canvas);
}

void TRot3D::PaintPicture(QPainter& canvas, bool includeFrame, bool blkWhite) {
  canvas.fillRect(QRect(0, 0, width(), height()), blkWhite ? QColor(Qt::white) : FChartCol);
  renderScene(canvas, blkWhite);
  if (includeFrame)
    DrawFrame3D(canvas, FFrameStyle, 0, 0, width() - 1, height() - 1, QColor(0xFF, 0xFF, 0xFF),
                QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80), Qt::black, FFrameCol);
}

void TRot3D::resizeEvent(QResizeEvent*) { renderGrafBmp(); }

// ----- mouse

void TRot3D::takeAnchors(QPoint pos) {
  MouseAnchorX = pos.x();
  MouseAnchorY = pos.y();
  FCentXAnchor = FCentX;
  FCentYAnchor = FCentY;
  FMagAnchor = 4000.0 / FMagnify;
  FAngleAnchor = FViewAngle;
}

void TRot3D::mousePressEvent(QMouseEvent* event) {
  // A drag never starts from anchors of an earlier move.
  takeAnchors(event->position().toPoint());
  TView3DBase::mousePressEvent(event);
}

void TRot3D::mouseMoveEvent(QMouseEvent* event) {
  TView3DBase::mouseMoveEvent(event);
  const QPoint pos = event->position().toPoint();
  const bool left = event->buttons() & Qt::LeftButton;
  const bool right = event->buttons() & Qt::RightButton;
  if (!left && !right) {
    takeAnchors(pos);
    return;
  }
  if (pos.x() < 0 || pos.x() > width() || pos.y() < 0 || pos.y() > height()) return;
  const double W = std::max(1, width()), H = std::max(1, height());
  auto rotate = [&] {
    if (FRotMat3D) {
      FViewAngle[0] = FAngleAnchor[0] + 360.0 * (MouseAnchorX - pos.x()) / W;
      FViewAngle[1] = FAngleAnchor[1] + 360.0 + 360.0 * (pos.y() - MouseAnchorY) / H;
    } else {
      FViewAngle[2] = FAngleAnchor[2] + 360.0 * (MouseAnchorX - pos.x()) / W;
      FViewAngle[0] = FAngleAnchor[0] + 360.0 + 360.0 * (pos.y() - MouseAnchorY) / H;
    }
    calcRotMat();
  };
  auto zoom = [&] {
    const double g = std::clamp((5.0 - 0.1) * (MouseAnchorY - pos.y()) / H, 0.1 - FMagAnchor, 5.0 - FMagAnchor);
    FMagnify = roundHalfEven(4000.0 / (FMagAnchor + g));
  };
  bool acted = true;
  switch (FMouseAction) {
    case TMouseActMode::maRotate:
      if (left) rotate(); else acted = false;
      break;
    case TMouseActMode::maRotAndZoom:
      if (left) rotate(); else zoom();
      break;
    case TMouseActMode::maZoom:
      if (left) zoom(); else acted = false;
      break;
    case TMouseActMode::maPan:
      if (left) {
        FCentX = FCentXAnchor + (pos.x() - MouseAnchorX);
        FCentY = FCentYAnchor + (pos.y() - MouseAnchorY);
      } else {
        acted = false;
      }
      break;
    default: acted = false; break;
  }
  if (!acted) return;
  renderGrafBmp();
  repaint();
}

// ----- pictures

QImage TRot3D::Snapshot(bool includeFrame, bool blkWhite) {
  ColorRestorer restore{&FFrameCol, &FChartCol, &FDataCol};
  if (blkWhite) {
    FFrameCol = Qt::black;
    FChartCol = Qt::white;
    FDataCol = Qt::black;
  }
  QImage img(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  QPainter p(&img);
  PaintPicture(p, includeFrame, blkWhite);
  return img;
}

void TRot3D::CopyToOpenPrinter(QPainter& printer, int& x, int& y, double scaleF, bool blkWhite, bool includeFrame) {
  ColorRestorer restore{&FFrameCol, &FChartCol, &FDataCol};
  if (blkWhite) {
    FFrameCol = Qt::black;
    FChartCol = Qt::white;
    FDataCol = Qt::black;
  }
  struct PrintingFlag {
    bool& flag;
    ~PrintingFlag() { flag = false; }
  } printing{FPrinting};
  FPrinting = true;
  printScaled(printer, x, y, scaleF, [&](QPainter& p) { PaintPicture(p, includeFrame, blkWhite); });
}

}  // namespace zw
