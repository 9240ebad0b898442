#include "charts/ChartDraw.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zw {

QColor ToQColor(TColor c) {
  if ((c >> 24) == 0xFF) {
    const QPalette pal = QGuiApplication::palette();
    switch (c & 0xFF) {
      case 5: return pal.color(QPalette::Base);
      case 8: return pal.color(QPalette::Text);
      case 15: return pal.color(QPalette::Button);
      case 16: return pal.color(QPalette::Dark);
      case 17: return pal.color(QPalette::Disabled, QPalette::Text);
      case 20: return pal.color(QPalette::Light);
      default: return pal.color(QPalette::Window);
    }
  }
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

TColor FromQColor(const QColor& c) {
  return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}

QPen ChartPen(const QColor& color, int width, Qt::PenStyle style) {
  if (width < 1) width = 1;
  if (width > 1 && style != Qt::SolidLine && style != Qt::NoPen) style = Qt::SolidLine;
  QPen pen(color, width, style, Qt::SquareCap, Qt::MiterJoin);
  pen.setCosmetic(false);
  return pen;
}

namespace draw {

namespace {
// The last pixel a line from (x0, y0) towards (x1, y1) covers before its end:
// one step short along the longer axis.
QPoint oneShort(int x0, int y0, int x1, int y1) {
  const int dx = x1 - x0, dy = y1 - y0;
  const int n = std::max(std::abs(dx), std::abs(dy));
  if (n <= 1) return QPoint(x0, y0);
  const double t = double(n - 1) / n;
  return QPoint(x0 + int(std::lround(dx * t)), y0 + int(std::lround(dy * t)));
}
}  // namespace

QPoint LineEnd(int x0, int y0, int x1, int y1) { return oneShort(x0, y0, x1, y1); }

void Line(QPainter& p, int x0, int y0, int x1, int y1) {
  if (x0 == x1 && y0 == y1) return;
  const QPoint e = oneShort(x0, y0, x1, y1);
  if (e == QPoint(x0, y0))
    p.drawPoint(x0, y0);
  else
    p.drawLine(QPoint(x0, y0), e);
}

void Polyline(QPainter& p, const QPoint* pts, int n) {
  if (n < 2) return;
  const QPoint a = pts[n - 2], b = pts[n - 1];
  if (n == 2) {
    Line(p, a.x(), a.y(), b.x(), b.y());
    return;
  }
  // Every vertex but the last is a pixel of the next segment, so only the
  // final end moves one step short.
  QPoint* buf = const_cast<QPoint*>(pts);
  const QPoint saved = b;
  if (a != b) buf[n - 1] = oneShort(a.x(), a.y(), b.x(), b.y());
  p.drawPolyline(buf, a != b ? n : n - 1);
  buf[n - 1] = saved;
}

void Rect(QPainter& p, int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (p.pen().style() == Qt::NoPen)
    p.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
  else if (x2 - x1 >= 1 && y2 - y1 >= 1)
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Ellipse(QPainter& p, int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (p.pen().style() == Qt::NoPen)
    p.drawEllipse(QRect(x1, y1, x2 - x1, y2 - y1));
  else if (x2 - x1 >= 1 && y2 - y1 >= 1)
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void Arc(QPainter& p, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  const int shrink = p.pen().style() == Qt::NoPen ? 0 : 1;  // as Ellipse: right and bottom exclusive
  const QRectF box(x1, y1, x2 - x1 - shrink, y2 - y1 - shrink);
  if (box.width() <= 0 || box.height() <= 0) return;
  const QPointF c = box.center();
  const double rx = box.width() / 2, ry = box.height() / 2;
  // Qt measures an ellipse's angles on the circle it is stretched from, so a
  // ray's direction is stretched the same way; y grows downwards.
  const auto angle = [&](int x, int y) { return std::atan2(-(y - c.y()) / ry, (x - c.x()) / rx) * 180 / M_PI; };
  const double start = angle(x3, y3);
  double span = angle(x4, y4) - start;
  while (span <= 0) span += 360;
  p.drawArc(box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void Polygon(QPainter& p, const QPoint* pts, int n) { p.drawPolygon(pts, n, Qt::OddEvenFill); }

void TextTopLeft(QPainter& p, int x, int y, const QString& s) {
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), s);
}

void Pixel(QPainter& p, int x, int y, const QColor& c) { p.fillRect(QRect(x, y, 1, 1), c); }

}  // namespace draw

void PenCursor::setColor(const QColor& c) {
  QPen pen = p_.pen();
  pen.setColor(c);
  p_.setPen(pen);
}

}  // namespace zw
