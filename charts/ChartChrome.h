#pragma once
// The chrome of a 2D chart: all that is drawn around and under the items.
// Around the plot: the control's background, its shadow and outline, the
// caption and the visible axes. On the plot: its background (chart colour,
// an image or a coloured area), the grid, the plot frame, the 30 text labels
// and, on the screen only, the crosshairs. TChartChrome paints these from the
// layers' geometry and a TChromeStyle; the widget (TVIrada) owns both and
// decides what is painted when, and onto which image or painter.
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>

#include "charts/ChartBase.h"
#include "charts/ChartDraw.h"
#include "charts/ChartLayers.h"
#include "charts/DisplayList.h"

class QPainter;

namespace zw {

enum class GridStyleType { gsNone, gsPoints, gsVertLines, gsHorizLines, gsLines, gsVertDotLines, gsHorizDotLines, gsDotLines };
enum class TCaptionAnchorHoriz { cahControlLeft, cahChartLeft, cahChartCenter, cahChartRight, cahControlRight };
enum class TCaptionAnchorVert { cavControlTop, cavChartTop, cavChartCenter, cavChartBottom, cavControlBottom };
enum class TrcLayout {
  rcl_X1Bottom_Y1Left, rcl_X1Bottom_Y2Left, rcl_X1Bottom_Y3Left, rcl_X1Bottom_Y4Left,
  rcl_X1Bottom_Y2Both, rcl_X2Bottom_Y2Left, rcl_X2Both_Y2Both
};

enum class TBGAreaMode { bamNone, bamLeft, bamRight, bamTop, bamBottom, bamVStripe, bamHStripe, bamRect };

// Where a rendering goes. Screen: the widget's own images (its item renderer
// is kept, so that new items can be drawn on top later). Bitmap: a picture of
// the control for the clipboard or an image file, pixel for pixel as on the
// screen. Print: printers and vector pictures; the plot keeps its exact pixel
// size and is drawn straight onto the painter, clipped to the plot.
enum class TChartMedia { Screen, Bitmap, Print };

struct TRenderOptions {
  TChartMedia Media = TChartMedia::Bitmap;
  bool BlackWhite = false;  // white background, black frame, axes and items
};

// The plot background: an image file, or a coloured area given in world
// coordinates of layer 1. Every setting repaints the chart.
class TBakGndImg {
public:
  const QString& Name() const { return FName; }
  bool IncludePath() const { return FIncldPath; }
  TBkgFill FillMode() const { return FFillMode; }
  TBGAreaMode AreaMode() const { return FBGAreaMode; }
  TColor AreaColor() const { return FBGAreaColor; }
  double AreaLeft() const { return FLeft; }
  double AreaRight() const { return FRight; }
  double AreaTop() const { return FTop; }
  double AreaBottom() const { return FBottom; }
  void setName(const QString& v);  // only the file name unless IncludePath
  void setIncludePath(bool v);
  void setFillMode(TBkgFill v) { FFillMode = v; changed(); }
  void setAreaMode(TBGAreaMode v) { FBGAreaMode = v; changed(); }
  void setAreaColor(TColor v) { FBGAreaColor = v; changed(); }
  void setArea(double left, double top, double right, double bottom) {
    FLeft = left, FTop = top, FRight = right, FBottom = bottom;
    changed();
  }
  std::function<void()> OnChange;

private:
  void changed() {
    if (OnChange) OnChange();
  }
  QString FName;
  bool FIncldPath = false;
  TBkgFill FFillMode = TBkgFill::bfStretch;
  TBGAreaMode FBGAreaMode = TBGAreaMode::bamNone;
  TColor FBGAreaColor = 0xDDDDDD;
  double FLeft = -1, FRight = 1, FTop = 1, FBottom = -1;
};

// The colours, caption and grid the chrome is painted with.
struct TChromeStyle {
  TColor WindColor = clBtnFace;   // the control around the plot
  TColor ChartColor = clWhite;    // the plot
  TColor FrameColor = clBlack;    // the plot frame
  TColor GridColor = clBlack;
  GridStyleType GridStyle = GridStyleType::gsNone;
  // Grid spacing per axis: > 0 a step in world units, 0 at the axis ticks,
  // -1 .. -3 on logarithmic axes every decade, at 1-2-5 or at every digit.
  double GridDx = 0, GridDy = 0;
  TShadowStyle ShadowStyle = TShadowStyle::ssFlying;
  TColor ShadowColor = clGrayText, ShadowBakColor = clBtnFace;
  QString Caption;
  int CaptionPosX = 0, CaptionPosY = -16;  // from the anchor, in pixels
  TAlignment CaptionAlignment = TAlignment::taRightJustify;
  TCaptionAnchorHoriz CaptionAnchorX = TCaptionAnchorHoriz::cahChartRight;
  TCaptionAnchorVert CaptionAnchorY = TCaptionAnchorVert::cavChartTop;
  QFont Font;                 // caption and text items; pixel sizes at 96 ppi
  TColor FontColor = clBlack;

  // The same chrome for a black-and-white copy: white control and plot,
  // black frame and caption, a silver shadow.
  TChromeStyle BlackWhite() const;
};

using TTextLabels = std::array<TTextLabel, 30>;
using TCrossHairs = std::array<TCrossHair, 4>;

// Whether a label's x or y is a world coordinate (else control pixels).
bool LabelAttachedX(const TTextLabel& l);
bool LabelAttachedY(const TTextLabel& l);
// The control pixel a label is drawn from.
QPoint LabelAnchor(const TChartLayers& layers, const TTextLabel& l);

// The margins, caption place and axes (visible, side, offset, caption) of one
// of the standard layouts; layers 5..16 lose their axes.
void ApplyStandardLayout(TChartLayers& layers, TChromeStyle& style, TrcLayout layout);

class TChartChrome {
public:
  explicit TChartChrome(TChartLayers& layers) : layers_(layers) {}

  // The control's background, shadow and outline, the caption and every
  // visible axis, in control pixels.
  void PaintFrame(QPainter& p, const TChromeStyle& s);
  // The plot's background with its top left corner at (x0, y0). False when
  // the background image cannot be read: the plot then shows the chart
  // colour, and the caller should forget the image's name.
  bool PaintBackground(QPainter& p, const TChromeStyle& s, const TBakGndImg& bg, int x0, int y0, TChartMedia media);
  // The grid of one layer, on a plot whose top left corner is at (x0, y0).
  void PaintGrid(QPainter& p, const TChromeStyle& s, int layer, int x0, int y0);
  void PaintPlotFrame(QPainter& p, const TChromeStyle& s, int x0, int y0);
  // The labels that are on and visible, label 1 on top, each in its colour.
  void PaintTextLabels(QPainter& p, const TTextLabels& labels, const std::array<TColor, 30>& colors, int x0, int y0);
  // The crosshairs that are on, with the painter's origin at control pixel
  // (dx, dy); one standing on the plot border is not drawn.
  void PaintCrossHairs(QPainter& p, const TCrossHairs& crossHairs, int dx, int dy) const;

private:
  TChartLayers& layers_;
  // The background image as read, kept while the file's time stamp stays.
  QImage bgImage_;
  QString bgPath_;
  QDateTime bgStamp_;
};

}  // namespace zw
