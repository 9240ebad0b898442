#pragma once
// A paint device that logs what is drawn on it: texts with their baseline
// position and font, lines, polygons and rectangles with the pen and brush in
// force. Small on purpose (the 3D view and the HTML label need only these
// calls); it keeps the painter's state as the engine receives it.
#include <QFont>
#include <QLine>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygon>
#include <QString>
#include <QTextItem>
#include <vector>

namespace zw::test {

struct RecordedText {
  QString text;
  QPointF pos;  // baseline start
  QFont font;
  QColor color;
};
struct RecordedLine {
  QLineF line;
  QColor color;
  qreal width;
};
struct RecordedPolygon {
  QPolygonF points;
  QColor pen;
  QColor brush;  // invalid for no brush
};

class MiniRecordingEngine : public QPaintEngine {
public:
  MiniRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState& s) override {
    if (s.state() & DirtyPen) pen = s.pen();
    if (s.state() & DirtyBrush) brush = s.brush();
    if (s.state() & DirtyTransform) transform = s.transform();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    texts.push_back({item.text(), transform.map(p), item.font(), pen.color()});
  }
  void drawLines(const QLineF* l, int n) override {
    for (int i = 0; i < n; ++i) lines.push_back({transform.map(l[i]), pen.color(), pen.widthF()});
  }
  void drawLines(const QLine* l, int n) override {
    for (int i = 0; i < n; ++i) lines.push_back({transform.map(QLineF(l[i])), pen.color(), pen.widthF()});
  }
  void drawPolygon(const QPointF* p, int n, PolygonDrawMode mode) override {
    QPolygonF poly;
    for (int i = 0; i < n; ++i) poly << transform.map(p[i]);
    if (mode == PolylineMode) {
      for (int i = 0; i + 1 < n; ++i) lines.push_back({QLineF(poly[i], poly[i + 1]), pen.color(), pen.widthF()});
      return;
    }
    polygons.push_back({poly, pen.color(), brush.style() == Qt::NoBrush ? QColor() : brush.color()});
  }
  void drawPolygon(const QPoint* p, int n, PolygonDrawMode mode) override {
    std::vector<QPointF> f(p, p + n);
    drawPolygon(f.data(), n, mode);
  }
  void drawRects(const QRectF* r, int n) override {
    for (int i = 0; i < n; ++i) rects.push_back(transform.mapRect(r[i]));
  }
  void drawRects(const QRect* r, int n) override {
    for (int i = 0; i < n; ++i) rects.push_back(transform.mapRect(QRectF(r[i])));
  }
  void drawPath(const QPainterPath&) override {}
  void drawPoints(const QPointF* p, int n) override {
    for (int i = 0; i < n; ++i) points.push_back(transform.map(p[i]));
  }
  void drawPoints(const QPoint* p, int n) override {
    for (int i = 0; i < n; ++i) points.push_back(transform.map(QPointF(p[i])));
  }

  QPen pen;
  QBrush brush;
  QTransform transform;
  std::vector<RecordedText> texts;
  std::vector<RecordedLine> lines;
  std::vector<RecordedPolygon> polygons;
  std::vector<QRectF> rects;
  std::vector<QPointF> points;
};

class MiniRecordingDevice : public QPaintDevice {
public:
  MiniRecordingDevice(int w = 600, int h = 400, int dpi = 96) : w_(w), h_(h), dpi_(dpi) {}
  QPaintEngine* paintEngine() const override { return &engine; }
  mutable MiniRecordingEngine engine;

protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth: return w_;
      case PdmHeight: return h_;
      case PdmWidthMM: return w_ * 254 / (10 * dpi_);
      case PdmHeightMM: return h_ * 254 / (10 * dpi_);
      case PdmNumColors: return 0x7fffffff;
      case PdmDepth: return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY: return dpi_;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
      default: return 0;
    }
  }

private:
  int w_, h_, dpi_;
};

}  // namespace zw::test
