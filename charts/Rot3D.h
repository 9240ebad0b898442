#pragma once
// TRot3D: a retained list of 3D points, lines and marks shown as an
// orthographic projection that the user turns and zooms with the mouse. The
// solid-geometry and analytic-3D topics fill it with edges, axes and points:
//
//   view->setMouseAction(TMouseActMode::maRotAndZoom);
//   view->setColorData(Qt::blue);
//   view->Line(0, 0, 0, 1, 0, 0);      // adders only collect
//   view->MarkAt(1, 1, 1, 3);
//   view->MakeVisible();               // converts once and shows the picture
//
// MakeVisible turns the world points into an integer rotation space (each
// data axis spans 1000 units); angle, zoom, centre, cube and colour changes
// show at once, a changed item list only after the next MakeVisible.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "charts/ChartBase.h"
#include "charts/Rot3DCore.h"
#include "charts/View3DBase.h"
#include "common/ZwError.h"

class QPainter;

namespace zw {

class EZwRot3DError : public EZwError {
public:
  using EZwError::EZwError;
};

struct TFontStyles {
  bool bold = false, italic = false, underline = false, strikeOut = false;
  bool operator==(const TFontStyles&) const = default;
};

class TRot3D : public TView3DBase {
  Q_OBJECT
public:
  // A handler may draw on the canvas or replace it; rendering goes on with
  // whatever canvas it leaves.
  using TRenderEvent = std::function<void(TRot3D* sender, QPainter*& canvas)>;

  explicit TRot3D(QWidget* parent = nullptr);  // 450 x 300

  // ----- the item list (adders neither scale nor paint)
  void MarkAt(double x, double y, double z, std::uint8_t mk);
  void Moveto(double x, double y, double z);
  void Drawto(double x, double y, double z);
  void Line(double x1, double y1, double z1, double x2, double y2, double z2);
  // Empties the list and the picture image; the projected points of the last
  // MakeVisible stay, so a repaint still shows the old picture.
  void Clear();
  void RemoveItem(int index);  // ignored outside 0 .. NumItems - 1
  void RemoveFirstItem() { RemoveItem(0); }
  void RemoveLastItem();
  // A copy of the entry; an empty tkNone record outside the list.
  Tr3ChartItem GetItemParams(int item) const;
  // Overwrites the entry unless the kind is tkNone or tkEverything or the index is outside the list.
  void SetItemParams(int item, const Tr3ChartItem& params);
  Tr3Item TypeOfFirstItem() const;
  Tr3Item TypeOfLastItem() const;
  int NumItems() const { return static_cast<int>(FDataContainer.size()); }
  int AllocatedItems() const { return static_cast<int>(FDataContainer.capacity()); }

  // ----- view
  // Rebuilds the rotation space and paints; an empty list forgets the old
  // points without painting. Throws EZwRot3DError when memory runs out.
  void MakeVisible();
  void SetViewAngles(double vax, double vay, double vaz);
  double ViewAngleX() const { return FViewAngle[0]; }
  double ViewAngleY() const { return FViewAngle[1]; }
  double ViewAngleZ() const { return FViewAngle[2]; }
  void setViewAngleX(double v);
  void setViewAngleY(double v);
  void setViewAngleZ(double v);
  // Origins and factors take effect at the next MakeVisible (origins only
  // without AutoOrigin, factors only without AutoScale).
  void SetOrigins(double x, double y, double z);
  double OriginX() const { return FScaling.origin[0]; }
  double OriginY() const { return FScaling.origin[1]; }
  double OriginZ() const { return FScaling.origin[2]; }
  void setOriginX(double v);
  void setOriginY(double v);
  void setOriginZ(double v);
  void SetScaleFactors(double x, double y, double z);
  double ScaleFactX() const { return FScaling.scaleFact[0]; }
  double ScaleFactY() const { return FScaling.scaleFact[1]; }
  double ScaleFactZ() const { return FScaling.scaleFact[2]; }
  void setScaleFactX(double v);
  void setScaleFactY(double v);
  void setScaleFactZ(double v);
  bool IsoMetric() const { return FScaling.isoMetric; }
  bool AutoOrigin() const { return FScaling.autoOrigin; }
  bool AutoScale() const { return FScaling.autoScale; }
  void setIsoMetric(bool v);   // these three run MakeVisible on a change
  void setAutoOrigin(bool v);
  void setAutoScale(bool v);
  bool MouseRot3Axes() const { return FRotMat3D; }
  void setMouseRot3Axes(bool v);
  TAxDir AxDir() const { return FAxDir; }
  void setAxDir(TAxDir v);
  double Magnification() const { return 4000.0 / FMagnify; }
  void setMagnification(double v);  // 0.1 .. 5.0
  int Magnify() const { return FMagnify; }
  int CentX() const { return FCentX; }
  int CentY() const { return FCentY; }
  void setCentX(int v);  // 0 .. Width
  void setCentY(int v);  // 0 .. Height
  int BoundBoxSize() const { return 2 * FBBSize; }
  void setBoundBoxSize(int v);  // 0 .. 4000, kept as its half
  int AxSize() const { return FAxSize; }
  void setAxSize(int v);  // 0 .. 4000
  const TRotMat& RotMat() const { return FRotMat; }

  // ----- attributes of new items (no paint)
  int LineWidth() const { return FLineWidth; }
  void setLineWidth(int v);  // 1 .. 32
  QColor ColorData() const { return FDataCol; }
  void setColorData(QColor v) { FDataCol = v; }
  std::int32_t DataTag() const { return FDataTag; }
  void setDataTag(std::int32_t v) { FDataTag = v; }
  int AllocSize() const { return FAllocSize; }
  void setAllocSize(int v);  // 1 .. 1,000,000, else ignored

  // ----- look (store and paint)
  TBoundingBox BoundBoxStyle() const { return FBoundBox; }
  void setBoundBoxStyle(TBoundingBox v);
  bool ShowAxes() const { return FShowAxes; }
  void setShowAxes(bool v);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void setFrameStyle(TFrameStyle v);
  TColorScheme ColorScheme() const { return FColorScheme; }
  void setColorScheme(TColorScheme v);
  QString AxNameX() const { return FAxName[0]; }
  QString AxNameY() const { return FAxName[1]; }
  QString AxNameZ() const { return FAxName[2]; }
  void setAxNameX(const QString& v);
  void setAxNameY(const QString& v);
  void setAxNameZ(const QString& v);
  TFontStyles TextFontStyle() const { return FTextFontStyle; }
  void setTextFontStyle(TFontStyles v);
  int TextMarkSize() const { return FTextMarkSize; }  // points
  void setTextMarkSize(int v);
  QColor ColorFrame() const { return FFrameCol; }
  QColor ColorChart() const { return FChartCol; }
  QColor ColorCubeFrame() const { return FColorCubeFrame; }
  QColor ColorCubeHidLin() const { return FColorCubeHidLin; }
  QColor ColorCubeFaceLow() const { return FColorCubeFaceLo; }
  QColor ColorCubeFaceHigh() const { return FColorCubeFaceHi; }
  void setColorFrame(QColor v);
  void setColorChart(QColor v);
  void setColorCubeFrame(QColor v);
  void setColorCubeHidLin(QColor v);
  void setColorCubeFaceLow(QColor v);
  void setColorCubeFaceHigh(QColor v);

  TMouseActMode MouseAction() const { return FMouseAction; }
  // maRotate and maRotAndZoom turn with the left button, maRotAndZoom zooms
  // with the right one, maZoom zooms and maPan shifts with the left one.
  void setMouseAction(TMouseActMode v) { FMouseAction = v; }

  // ----- hit tests
  // The entry of kind `itemId` (any kind for tkEverything, none for tkNone)
  // whose first point is nearest to the world point; -1 and sqrt(1.7e308)
  // when none qualifies.
  int FindNearestItemReal(double mx, double my, double mz, Tr3Item itemId, double& dist) const;
  // The entry whose projected point (both ends of a line) is nearest to the
  // pixel; uses the points of the last MakeVisible, and a point whose entry
  // has since been removed counts as no match.
  int FindNearestItemScreen(int mx, int my, Tr3Item itemId, double& dist) const;

  // ----- pictures
  // Renders afresh onto `canvas` in the control's pixels: background, scene,
  // frame when asked. Black and white: white background, every item black.
  void PaintPicture(QPainter& canvas, bool includeFrame, bool blkWhite);
  // In black and white ColorFrame, ColorChart and ColorData are also black,
  // white and black for the call; the cube, axes and names keep their colours.
  QImage Snapshot(bool includeFrame, bool blkWhite = false) override;
  void CopyToOpenPrinter(QPainter& printer, int& x, int& y, double scaleF, bool blkWhite,
                         bool includeFrame) override;

  TRenderEvent OnBeforeRenderData;
  TRenderEvent OnDataRendered;

protected:
  void paintScreenPicture(QPainter& canvas) override { PaintPicture(canvas, true, false); }
  void paintExport(QPainter& canvas, bool includeFrame) override { PaintPicture(canvas, includeFrame, false); }
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  void addItem(Tr3Item kind, double x, double y, double z, std::uint8_t marklw);
  void calcRotMat();
  void setViewAngle(int axis, double v);
  void setAxName(int axis, const QString& v);
  void renderScene(QPainter& canvas, bool blkWhite);
  void takeAnchors(QPoint pos);
  QPoint projectCube(int x, int y, int z) const;

  std::vector<Tr3ChartItem> FDataContainer;
  int FAllocSize = 1000;
  QColor FDataCol = Qt::black;
  int FLineWidth = 1;
  std::int32_t FDataTag = 0;

  std::vector<TRotPoint> FRotPoints;  // the rotation space of the last MakeVisible
  // Kept between repaints, as a drag renders many frames.
  std::vector<QPoint> FScreenPoints;  // FRotPoints projected
  std::vector<QLine> FLineBatch;
  std::optional<std::pair<QFont, QFont>> FNameFont;  // the widget font it was made from, the axis-name font

  std::array<double, 3> FViewAngle{110, 150, 210};
  std::array<double, 3> FAngleAnchor{110, 150, 210};
  bool FRotMat3D = false;
  TAxDir FAxDir = TAxDir::adLeftHanded;
  TRotMat FRotMat{};
  int FMagnify = 5000;
  double FMagAnchor = 0.8;
  int FCentX = 225, FCentY = 150;
  int FCentXAnchor = 225, FCentYAnchor = 150;
  int MouseAnchorX = 0, MouseAnchorY = 0;
  TMouseActMode FMouseAction = TMouseActMode::maRotate;
  TRotScaling FScaling;

  TBoundingBox FBoundBox = TBoundingBox::bbFaces;
  int FBBSize = 400;
  TCubeCorners CubeCorners = MakeCubeCorners(400);
  bool FShowAxes = true;
  int FAxSize = 700;
  std::array<QString, 3> FAxName{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};

  QColor FChartCol = Qt::white;
  QColor FFrameCol = Qt::black;
  QColor FColorCubeFrame = QColor(0x40, 0x40, 0x40);
  QColor FColorCubeHidLin = QColor(0xB0, 0xB0, 0xB0);
  QColor FColorCubeFaceHi = QColor(0xEE, 0xEE, 0xEE);
  QColor FColorCubeFaceLo = QColor(0xC0, 0xC0, 0xC0);
  TColorScheme FColorScheme = TColorScheme::csSystem;
  TFrameStyle FFrameStyle = TFrameStyle::fsLowered;
  TFontStyles FTextFontStyle;
  int FTextMarkSize = 8;
  bool FPrinting = false;
};

}  // namespace zw
