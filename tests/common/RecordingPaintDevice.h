#pragma once
// A paint device for picture tests that keeps a log of what is drawn instead
// of pixels: lines, polylines, polygons (with their fill rule), rectangles,
// ellipses, points, images and texts (string, baseline position and font), each
// with pen, brush and clip, in device coordinates. It reports 96 dpi like the
// screen, or a printer resolution with pages (a new page is logged), so print
// paths are logged like screen paths.
#include <QBuffer>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPdfWriter>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

namespace zw::test {

struct PaintCall {
  enum Kind { Line, Polyline, Polygon, Rect, Ellipse, Point, Image, Text, NewPage };
  Kind kind = Line;
  QPolygonF points;  // device coordinates (lines: two points each)
  QRectF rect;       // rectangles, ellipses, images: device bounding box
  QString text;      // texts: the string; points[0] the baseline start
  QFont font;        // texts: the font
  QColor pen;
  double penWidth = 0;  // in device pixels
  Qt::PenStyle penStyle = Qt::SolidLine;
  QBrush brush;
  Qt::FillRule fill = Qt::OddEvenFill;
  bool clipped = false;
  QRectF clip;  // device coordinates
  int page = 0;
};

class RecordingPaintEngine;

namespace detail {
struct BufferHolder {
  QBuffer buffer;
};
}  // namespace detail

class RecordingPaintDevice : private detail::BufferHolder, public QPdfWriter {
public:
  // A device of `width` x `height` pixels at `dpi` (96: a screen; 600: a printer page).
  explicit RecordingPaintDevice(int width = 800, int height = 600, int dpi = 96);
  ~RecordingPaintDevice() override;

  QPaintEngine* paintEngine() const override;
  bool newPage() override;

  std::vector<PaintCall>& calls();
  std::vector<PaintCall> callsOf(PaintCall::Kind kind) const;
  int pages() const { return page_ + 1; }
  void clear();

protected:
  int metric(PaintDeviceMetric m) const override;

private:
  friend class RecordingPaintEngine;
  std::unique_ptr<RecordingPaintEngine> engine_;
  int width_, height_, dpi_;
  int page_ = 0;
};

}  // namespace zw::test
