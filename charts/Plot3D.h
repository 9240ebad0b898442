#pragma once
// TPlot3D: a surface z = f(x, y) from a grid of heights, drawn back to front
// as coloured cells inside a shaded cube with three labelled scales. The
// user turns, zooms and shifts it with the mouse. The surface-plot topic
// fills it like this:
//
//   plot->GridMat.Resize(40, 40);
//   {
//     TMatrix::TDeferChanges batch(plot->GridMat);      // one notification at the end
//     for (...) plot->GridMat.SetElem(i, j, height);   // only marks the grid stale
//   }
//   plot->SetRange(xLow, xHigh, yLow, yHigh, zLow, zHigh);  // paints
//
// Grid changes are gathered: the extremes and map sizes are refreshed once,
// before the next picture, so filling n x n cells costs O(n^2).
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "charts/ChartBase.h"
#include "charts/Plot3DCore.h"
#include "numerics/Matrix.h"
#include "charts/View3DBase.h"

class QPainter;

namespace zw {

class LabelPlacer;

class TPlot3D : public TView3DBase {
  Q_OBJECT
public:
  using TRenderEvent = std::function<void(TPlot3D* sender, QPainter*& canvas)>;
  using TMouseActionEvent = std::function<void(TPlot3D* sender, int& centerX, int& centerY, double& rotXAngle,
                                               double& rotZAngle, double& magnification, Qt::MouseButtons buttons)>;
  using TMouseMoveOverPlotEvent =
      std::function<void(TPlot3D* sender, bool overPlot, Qt::MouseButtons buttons, int cellX, int cellY)>;
  using TBeforeRenderPolygonEvent = std::function<void(TPlot3D* sender, QPainter*& canvas, bool& handled,
                                                       int cellX, int cellY, const TQuad& quad, QColor& color)>;
  using TBeforeDrawScaleLabelEvent = std::function<void(TPlot3D* sender, QPainter*& canvas, TP3ScaleKind scale,
                                                        QString& label, int chartX, int chartY)>;

  explicit TPlot3D(QWidget* parent = nullptr);  // 650 x 500

  // Heights: Elem(i, j) at x index i = 1 .. columns, y index j = 1 .. rows.
  TMatrix GridMat;
  // Pixel x, pixel y and drawing sequence number of every node in the last picture.
  TIntMatrix ProjMapX, ProjMapY, ProjMapZ;

  // ----- ranges (the x and y ranges only label the axes)
  void SetRange(double xLow, double xHigh, double yLow, double yHigh, double zLow, double zHigh);
  double RangeXLow() const { return FRange[0]; }
  double RangeXHigh() const { return FRange[1]; }
  double RangeYLow() const { return FRange[2]; }
  double RangeYHigh() const { return FRange[3]; }
  double RangeZLow() const { return FRange[4]; }
  double RangeZHigh() const { return FRange[5]; }
  void setRangeXLow(double v) { setRangeEnd(0, v); }
  void setRangeXHigh(double v) { setRangeEnd(1, v); }
  void setRangeYLow(double v) { setRangeEnd(2, v); }
  void setRangeYHigh(double v) { setRangeEnd(3, v); }
  void setRangeZLow(double v) { setRangeEnd(4, v); }
  void setRangeZHigh(double v) { setRangeEnd(5, v); }

  // ----- view
  void SetViewAngles(double vax, double vaz);  // normalised, see NormalisePlotAngle
  double ViewAngleX() const { return FViewAngle[0]; }
  double ViewAngleZ() const { return FViewAngle[2]; }
  void setViewAngleX(double v);
  void setViewAngleZ(double v);
  double Magnification() const { return FMagnify; }
  void setMagnification(double v);  // 0.001 .. 100
  double ScaleFactX() const { return FScl[0]; }
  double ScaleFactY() const { return FScl[1]; }
  double ScaleFactZ() const { return FScl[2]; }
  void setScaleFactX(double v);
  void setScaleFactY(double v);
  void setScaleFactZ(double v);
  // Factors that make the grid square and its height span the same.
  void AutoScale();
  int CentX() const { return FCentX; }
  int CentY() const { return FCentY; }
  void setCentX(int v);  // ignored with AutoCenter; else -Width .. 2 Width
  void setCentY(int v);
  bool AutoCenter() const { return FAutoCenter; }
  void setAutoCenter(bool v);
  const TPlotMat& RotMat() const { return FRotMat; }

  // ----- colours and look
  double ColorScaleLow() const { return FColorScaleLow; }
  double ColorScaleHigh() const { return FColorScaleHigh; }
  void setColorScaleLow(double v);   // only below ColorScaleHigh
  void setColorScaleHigh(double v);  // only above ColorScaleLow
  TColorCodingMode ColorCodingMode() const { return FColorCodingMode; }
  void setColorCodingMode(TColorCodingMode v);
  bool ColorCodeAvg() const { return FColorCodeAvg; }
  void setColorCodeAvg(bool v);
  TMeshKind MeshKind() const { return FMeshKind; }
  void setMeshKind(TMeshKind v);
  bool MeshVisible() const { return FMeshVisible; }
  void setMeshVisible(bool v);
  TBoundingBox BoundBoxStyle() const { return FBoundBox; }
  void setBoundBoxStyle(TBoundingBox v);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void setFrameStyle(TFrameStyle v);
  TColorScheme ColorScheme() const { return FColorScheme; }
  void setColorScheme(TColorScheme v);

  enum ColorRole {
    crHigh, crMid, crLow, crMesh, crXCoords, crYCoords, crZCoords, crCubeFrame, crCubeHidLin, crCubeFaceHigh,
    crCubeFaceLow, crBakGnd, crFrame, crCount
  };
  QColor Color(ColorRole role) const { return FColors[role]; }
  void setColor(ColorRole role, QColor v);
  QColor ColorHigh() const { return FColors[crHigh]; }
  QColor ColorMid() const { return FColors[crMid]; }
  QColor ColorLow() const { return FColors[crLow]; }
  QColor ColorMesh() const { return FColors[crMesh]; }
  QColor ColorBakGnd() const { return FColors[crBakGnd]; }
  QColor ColorFrame() const { return FColors[crFrame]; }
  void setColorHigh(QColor v) { setColor(crHigh, v); }
  void setColorMid(QColor v) { setColor(crMid, v); }
  void setColorLow(QColor v) { setColor(crLow, v); }
  void setColorMesh(QColor v) { setColor(crMesh, v); }
  void setColorXCoords(QColor v) { setColor(crXCoords, v); }
  void setColorYCoords(QColor v) { setColor(crYCoords, v); }
  void setColorZCoords(QColor v) { setColor(crZCoords, v); }
  void setColorBakGnd(QColor v) { setColor(crBakGnd, v); }
  void setColorFrame(QColor v) { setColor(crFrame, v); }

  // ----- scales (index 0 x, 1 y, 2 z)
  int MinTick(int axis) const { return FNTicks[axis]; }
  void setMinTick(int axis, int v);  // 2 .. 20
  void setMinTickX(int v) { setMinTick(0, v); }
  int DecPlace(int axis) const { return FDecPlace[axis]; }
  void setDecPlace(int axis, int v);  // -2 (automatic) .. 12
  int LabDist(int axis) const { return FLabDist[axis]; }
  void setLabDist(int axis, int v);
  void setLabDistZ(int v) { setLabDist(2, v); }
  QString Caption(int axis) const { return FCapt[axis]; }
  void setCaption(int axis, const QString& v);
  bool VisibleCoords(int axis) const { return FVisible[axis]; }
  void setVisibleCoords(int axis, bool v);

  // ----- whole-plot operations
  void Clear();  // all heights 0, paints
  void Reset();  // centre, factors 1, angles 66 / 135, magnification 1
  bool SuppressPaint() const { return FSuppressPaint; }
  // While on, painting and grid refreshes wait; switching off refreshes and paints.
  void setSuppressPaint(bool v);
  double MinZ() { refreshGrid(); return FMinZ; }
  double MaxZ() { refreshGrid(); return FMaxZ; }

  TMouseActMode MouseAction() const { return FMouseAction; }
  void setMouseAction(TMouseActMode v) { FMouseAction = v; }

  // ----- pictures
  // Renders afresh onto `canvas` in the control's pixels.
  void PaintPicture(QPainter& canvas, bool includeFrame);
  // Black and white uses the black-and-white colour set.
  QImage Snapshot(bool includeFrame, bool blkWhite = false) override;
  // As TRot3D::CopyToOpenPrinter; painting is suppressed for the call and the
  // colours come back on every exit.
  void CopyToOpenPrinter(QPainter& printer, int& x, int& y, double scaleF, bool blkWhite,
                         bool includeFrame) override;
  // Renders onto a foreign canvas, then switches painting on (refresh and paint).
  void DrawOnForeignCanvas(QPainter& canvas);

  TRenderEvent OnDataRendered;
  TMouseActionEvent OnMouseAction;
  TMouseMoveOverPlotEvent OnMouseMoveOverPlot;
  TBeforeRenderPolygonEvent OnBeforeRenderPolygon;
  TBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;

protected:
  void paintScreenPicture(QPainter& canvas) override { PaintPicture(canvas, true); }
  void paintExport(QPainter& canvas, bool includeFrame) override { PaintPicture(canvas, includeFrame); }
  bool paintingSuppressed() const override { return FSuppressPaint; }
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  void setRangeEnd(int index, double v);
  void calibrate();
  void calcRotMat();
  void refreshGrid(bool force = false);
  void renderScene(QPainter& canvas);
  void drawScale(QPainter& p, const TPlotView& view, TP3ScaleKind kind, int farCorner, LabelPlacer& labels);
  TPlotView view() const;
  void takeAnchors(QPoint pos);
  void recentre();
  template <class T>
  void setAndPaint(T& field, const T& v) {
    if (field == v) return;
    field = v;
    redraw();
  }

  std::array<double, 6> FRange{-1, 1, -1, 1, -1, 1};
  TZCalib FCalibZ;
  std::array<double, 3> FViewAngle{60, 0, 15};
  std::array<double, 3> FAngleAnchor{60, 0, 15};
  TPlotMat FRotMat{};
  double FMagnify = 1.0, FMagAnchor = 1.0;
  int FCentX = 325, FCentY = 250, FCentXAnchor = 325, FCentYAnchor = 250;
  int MouseAnchorX = 0, MouseAnchorY = 0;
  bool FAutoCenter = true;
  std::array<double, 3> FScl{1, 1, 1};
  TMouseActMode FMouseAction = TMouseActMode::maRotate;
  TBoundingBox FBoundBox = TBoundingBox::bbFaces;
  std::array<QColor, crCount> FColors{
      QColor(0xFF, 0xFF, 0x00),  // high: $00FFFF as 0xBBGGRR is yellow
      QColor(0x00, 0x00, 0xFF),  // mid: $FF0000 is blue
      QColor(Qt::black),         // low
      QColor(Qt::black),         // mesh
      QColor(0xFF, 0x00, 0x00),  // x axis: $0000FF is red
      QColor(0x00, 0x00, 0xFF),  // y axis: $FF0000 is blue
      QColor(Qt::black),         // z axis
      QColor(0x40, 0x40, 0x40),  // cube frame
      QColor(0xB0, 0xB0, 0xB0),  // hidden cube edges
      QColor(0xEE, 0xEE, 0xFE),  // cube face high: $FEEEEE
      QColor(0xC0, 0xC0, 0xC0),  // cube face low
      QColor(Qt::white),         // background
      QColor(Qt::black),         // frame
  };
  double FColorScaleLow = 0, FColorScaleHigh = 100;
  TColorCodingMode FColorCodingMode = TColorCodingMode::ccmTwoColors;
  bool FColorCodeAvg = false;
  TColorScheme FColorScheme = TColorScheme::csSystem;
  TFrameStyle FFrameStyle = TFrameStyle::fsLowered;
  TMeshKind FMeshKind = TMeshKind::mkMesh;
  bool FMeshVisible = true;
  std::array<QString, 3> FCapt{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
  std::array<int, 3> FLabDist{40, 40, 20};
  std::array<int, 3> FDecPlace{1, 1, 2};
  std::array<int, 3> FNTicks{3, 3, 3};
  std::array<bool, 3> FVisible{true, true, true};
  bool FSuppressPaint = true;
  bool FGridStale = true;
  double FMinZ = 0, FMaxZ = 0;
};

}  // namespace zw
