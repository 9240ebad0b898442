#pragma once
// The canvas rules every chart drawing follows, in one place: a line runs from
// its first point up to, not including, its last; rectangles and ellipses are
// given by a box whose right and bottom edges are exclusive; polygons fill by
// the odd-even rule; a text is anchored by the top-left corner of its cell;
// wide dotted pens draw solid; pens are never cosmetic, so one painter
// transform scales lines, fills and texts alike for printers and exports.
// Colours are 0xBBGGRR values; those with the top byte 0xFF name a system
// colour and are resolved from the application palette when drawn.
#include <QColor>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;

namespace zw {

using TColor = std::uint32_t;  // 0xBBGGRR, or 0xFF0000nn for system colour nn

inline constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clSilver = 0xC0C0C0, clGray = 0x808080;
inline constexpr TColor clBtnFace = 0xFF00000F, clBtnShadow = 0xFF000010, clGrayText = 0xFF000011,
                        clBtnHighlight = 0xFF000014, clWindow = 0xFF000005, clWindowText = 0xFF000008;

// The colour to draw with.
QColor ToQColor(TColor c);
// The 0xBBGGRR value of a colour.
TColor FromQColor(const QColor& c);

// A pen of the library: width at least 1, never cosmetic; a dotted or dashed
// style with a width above 1 draws solid.
QPen ChartPen(const QColor& color, int width, Qt::PenStyle style = Qt::SolidLine);

namespace draw {

// The line (x0, y0)-(x1, y1) without its last pixel; nothing when both are equal.
void Line(QPainter& p, int x0, int y0, int x1, int y1);
// The end of that line: the last pixel before (x1, y1) (the start itself for
// a line one pixel long).
QPoint LineEnd(int x0, int y0, int x1, int y1);
// A connected line through n points without the last pixel of the last point.
void Polyline(QPainter& p, const QPoint* pts, int n);
// Rectangle and ellipse of the box (x1, y1)-(x2, y2), right and bottom exclusive,
// outlined with the pen and filled with the brush.
void Rect(QPainter& p, int x1, int y1, int x2, int y2);
void Ellipse(QPainter& p, int x1, int y1, int x2, int y2);
// The arc of the ellipse of that box, counter-clockwise on the screen from
// where the ray from the centre through (x3, y3) meets the ellipse to where
// the ray through (x4, y4) meets it; the whole ellipse when both rays agree.
void Arc(QPainter& p, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
// A filled and outlined polygon, odd-even fill.
void Polygon(QPainter& p, const QPoint* pts, int n);
// A text whose cell has its top-left corner at (x, y).
void TextTopLeft(QPainter& p, int x, int y, const QString& s);
// A single pixel in the colour.
void Pixel(QPainter& p, int x, int y, const QColor& c);

}  // namespace draw

// A pen position on a painter, with the library's line rule (move-to,
// line-to as on a canvas).
class PenCursor {
public:
  explicit PenCursor(QPainter& p) : p_(p) {}
  void moveTo(int x, int y) { pos_ = QPoint(x, y); }
  void lineTo(int x, int y) {
    draw::Line(p_, pos_.x(), pos_.y(), x, y);
    pos_ = QPoint(x, y);
  }
  void line(int x0, int y0, int x1, int y1) { draw::Line(p_, x0, y0, x1, y1); }
  void setColor(const QColor& c);
  QPoint pos() const { return pos_; }

private:
  QPainter& p_;
  QPoint pos_;
};

}  // namespace zw
