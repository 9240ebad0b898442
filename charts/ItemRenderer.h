#pragma once
// Replays display-list items onto a painter: pixel positions through the
// layer transforms, the pens and brushes of each kind, black and white, the
// current point of connected lines (collected into polylines of up to 200
// points) and caches that set a painter attribute only when it changes. The
// state survives between calls, so new items can be drawn on top of an
// earlier picture exactly as a full replay would draw them.
#include <QFont>
#include <QPoint>
#include <array>
#include <span>
#include <vector>

#include "charts/ChartLayers.h"
#include "charts/DisplayList.h"

class QPainter;

namespace zw {

enum class TTextBkg { tbClear, tbSolid };

struct TItemStyle {
  TColor ChartColor = clWhite;
  int LineWidth = 1;
  QFont TextFont;              // pixel size at 96 ppi
  bool Bold = false, Italic = false, Underline = false;
  TTextBkg TextBkStyle = TTextBkg::tbClear;
  TColor TextBkColor = clWhite;
  bool Printer = false;        // character marks take their own size
};

class TItemRenderer {
public:
  static constexpr int kPolyMax = 200;

  // Starts a replay onto p; (x0, y0) is the painter position of the plot
  // rectangle's top-left corner.
  void Begin(QPainter& p, const TChartLayers& layers, const TItemStyle& style, int x0, int y0, bool blackWhite);
  // Continues an earlier replay on a new painter: pen position, current point
  // and the drawing attributes are those the last replay ended with.
  void Resume(QPainter& p, const TChartLayers& layers, const TItemStyle& style, int x0, int y0, bool blackWhite);
  void Draw(std::span<const TrcChartItem> items);
  void End();

  int PolylinesDrawn() const { return polylines_; }

private:
  void attach(QPainter& p, const TChartLayers& layers, const TItemStyle& style, int x0, int y0, bool blackWhite);
  void applyPen();
  QColor colorOf(TColor c);
  void setPen(const QColor& c, Qt::PenStyle s);
  void setBrushColor(const QColor& c);
  void flush();
  void flushLines();
  void addPolylinePoint(QPoint p);
  bool toPixel(const TrcChartItem& it, double x, double y, QPoint& out, bool clampIt = true) const;
  void drawOne(const TrcChartItem& it);
  void corners(QPoint& a, QPoint& b) const;
  void rectFrameEdges(const TrcChartItem& it, int xa, int ya, int xb, int yb);

  QPainter* p_ = nullptr;
  const TChartLayers* layers_ = nullptr;
  std::array<TChartLayers::PixelMap, 17> maps_{};
  TItemStyle style_;
  int dx_ = 0, dy_ = 0;
  bool bw_ = false;
  QPoint current_, penPos_;
  std::array<QPoint, kPolyMax> poly_{};
  std::vector<QLine> lines_;  // plain lines of one pen, drawn together
  int numPPa_ = 0;
  QColor penColor_, brushColor_, fontColor_;
  Qt::PenStyle penStyle_ = Qt::SolidLine;
  int penWidth_ = 1;
  int fontPixelSize_ = 0;
  bool brushClear_ = false;
  int polylines_ = 0;
  bool lastLineto_ = false;
  TColor lastColor_ = 0, lastFill_ = 0;
  TPenStyle lastPenStyle_ = TPenStyle::psSolid;
  bool dupTail_ = false;  // the buffer's last point came more than once
  std::array<std::pair<TColor, QColor>, 2> memo_{{{0xFFFFFFFFu, QColor()}, {0xFFFFFFFFu, QColor()}}};
};

}  // namespace zw
