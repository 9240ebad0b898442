#include "RecordingPaintDevice.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <cmath>
#include <QPainter>
#include <QTextItem>

namespace zw::test {

class RecordingPaintEngine : public QPaintEngine {
public:
  explicit RecordingPaintEngine(RecordingPaintDevice* d) : QPaintEngine(QPaintEngine::AllFeatures), dev_(d) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  Type type() const override { return QPaintEngine::User; }

  void drawLines(const QLineF* lines, int n) override {
    for (int i = 0; i < n; ++i) {
      PaintCall c = base(PaintCall::Line);
      c.points << map(lines[i].p1()) << map(lines[i].p2());
      log(c);
    }
  }
  void drawLines(const QLine* lines, int n) override {
    for (int i = 0; i < n; ++i) {
      const QLineF l(lines[i]);
      drawLines(&l, 1);
    }
  }
  void drawPolygon(const QPointF* pts, int n, PolygonDrawMode mode) override {
    PaintCall c = base(mode == PolylineMode ? PaintCall::Polyline : PaintCall::Polygon);
    for (int i = 0; i < n; ++i) c.points << map(pts[i]);
    c.fill = mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill;
    log(c);
  }
  void drawPolygon(const QPoint* pts, int n, PolygonDrawMode mode) override {
    QPolygonF f;
    for (int i = 0; i < n; ++i) f << QPointF(pts[i]);
    drawPolygon(f.constData(), n, mode);
  }
  void drawRects(const QRectF* rects, int n) override {
    for (int i = 0; i < n; ++i) {
      PaintCall c = base(PaintCall::Rect);
      c.rect = transform().mapRect(rects[i]);
      log(c);
    }
  }
  void drawRects(const QRect* rects, int n) override {
    for (int i = 0; i < n; ++i) {
      const QRectF r(rects[i]);
      drawRects(&r, 1);
    }
  }
  void drawEllipse(const QRectF& r) override {
    PaintCall c = base(PaintCall::Ellipse);
    c.rect = transform().mapRect(r);
    log(c);
  }
  void drawEllipse(const QRect& r) override { drawEllipse(QRectF(r)); }
  void drawPoints(const QPointF* pts, int n) override {
    for (int i = 0; i < n; ++i) {
      PaintCall c = base(PaintCall::Point);
      c.points << map(pts[i]);
      log(c);
    }
  }
  void drawPoints(const QPoint* pts, int n) override {
    for (int i = 0; i < n; ++i) {
      const QPointF p(pts[i]);
      drawPoints(&p, 1);
    }
  }
  void drawPath(const QPainterPath& path) override {
    PaintCall c = base(PaintCall::Polygon);
    c.points = transform().map(path.toFillPolygon());
    c.fill = path.fillRule();
    log(c);
  }
  void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
    PaintCall c = base(PaintCall::Image);
    c.rect = transform().mapRect(r);
    log(c);
  }
  void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    PaintCall c = base(PaintCall::Image);
    c.rect = transform().mapRect(r);
    log(c);
  }
  void drawTextItem(const QPointF& p, const QTextItem& ti) override {
    PaintCall c = base(PaintCall::Text);
    c.points << map(p);
    c.text = ti.text();
    c.font = ti.font();
    log(c);
  }

  std::vector<PaintCall> calls;

private:
  QTransform transform() const { return painter() ? painter()->transform() : QTransform(); }
  QPointF map(const QPointF& p) const { return transform().map(p); }
  PaintCall base(PaintCall::Kind k) const {
    PaintCall c;
    c.kind = k;
    if (QPainter* p = painter()) {
      c.pen = p->pen().color();
      const double w = p->pen().widthF();
      c.penWidth = p->pen().isCosmetic() ? w : w * std::sqrt(std::abs(transform().determinant()));
      c.penStyle = p->pen().style();
      c.brush = p->brush();
      c.clipped = p->hasClipping();
      if (c.clipped) c.clip = transform().mapRect(p->clipBoundingRect());
    }
    c.page = dev_->page_;
    return c;
  }
  void log(const PaintCall& c) { calls.push_back(c); }
  RecordingPaintDevice* dev_;
};

RecordingPaintDevice::RecordingPaintDevice(int width, int height, int dpi)
    : QPdfWriter(&buffer), engine_(std::make_unique<RecordingPaintEngine>(this)), width_(width), height_(height),
      dpi_(dpi) {
  setResolution(dpi);
}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine* RecordingPaintDevice::paintEngine() const { return engine_.get(); }

bool RecordingPaintDevice::newPage() {
  PaintCall c;
  c.kind = PaintCall::NewPage;
  c.page = ++page_;
  engine_->calls.push_back(c);
  return true;
}

std::vector<PaintCall>& RecordingPaintDevice::calls() { return engine_->calls; }

std::vector<PaintCall> RecordingPaintDevice::callsOf(PaintCall::Kind kind) const {
  std::vector<PaintCall> out;
  for (const PaintCall& c : engine_->calls)
    if (c.kind == kind) out.push_back(c);
  return out;
}

void RecordingPaintDevice::clear() {
  engine_->calls.clear();
  page_ = 0;
}

int RecordingPaintDevice::metric(PaintDeviceMetric m) const {
  switch (m) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return int(width_ * 25.4 / dpi_);
    case PdmHeightMM: return int(height_ * 25.4 / dpi_);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return dpi_;
    case PdmDepth: return 32;
    case PdmNumColors: return INT_MAX;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    default: return QPdfWriter::metric(m);
  }
}

}  // namespace zw::test
