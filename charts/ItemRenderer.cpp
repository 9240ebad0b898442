#include "charts/ItemRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace zw {

namespace {
constexpr int kClampPix = 30000;
// Rounded half to even, kept inside the int range.
int halfEven(double v) { return int(std::nearbyint(std::clamp(v, -2147483647.0, 2147483647.0))); }
// A pixel position plus an offset, saturated at the int range (positions at
// the end of the range stand for points far outside).
int shifted(int p, long long d) { return int(std::clamp<long long>(p + d, -2147483647LL, 2147483647LL)); }
}  // namespace

void TItemRenderer::attach(QPainter& p, const TChartLayers& layers, const TItemStyle& style, int x0, int y0,
                           bool blackWhite) {
  p_ = &p;
  layers_ = &layers;
  style_ = style;
  dx_ = x0 - layers.RcLRim;
  dy_ = y0 - layers.RcTRim;
  bw_ = blackWhite;
  numPPa_ = 0;
  dupTail_ = false;
  for (int l = 1; l <= 16; ++l) maps_[std::size_t(l)] = layers.PixelMapOf(l);
}

void TItemRenderer::Begin(QPainter& p, const TChartLayers& layers, const TItemStyle& style, int x0, int y0,
                          bool blackWhite) {
  attach(p, layers, style, x0, y0, blackWhite);
  polylines_ = 0;
  lastLineto_ = false;
  const QColor chart = ToQColor(style.ChartColor);
  penColor_ = brushColor_ = fontColor_ = chart;
  penStyle_ = Qt::SolidLine;
  penWidth_ = std::max(1, style.LineWidth);
  brushClear_ = false;
  fontPixelSize_ = style.TextFont.pixelSize();
  current_ = penPos_ = QPoint(x0, y0);
  applyPen();
  p.setBrush(chart);
  p.setFont(style.TextFont);
}

void TItemRenderer::Resume(QPainter& p, const TChartLayers& layers, const TItemStyle& style, int x0, int y0,
                           bool blackWhite) {
  attach(p, layers, style, x0, y0, blackWhite);
  lastLineto_ = false;
  applyPen();
  if (brushClear_)
    p.setBrush(Qt::NoBrush);
  else
    p.setBrush(brushColor_);
  QFont f = style.TextFont;
  if (fontPixelSize_ > 0) f.setPixelSize(fontPixelSize_);
  p.setFont(f);
}

QColor TItemRenderer::colorOf(TColor c) {
  // Items of one curve share their colours: two remembered conversions spare
  // the palette look-ups for almost every item.
  if (c == memo_[0].first) return memo_[0].second;
  if (c == memo_[1].first) return memo_[1].second;
  memo_[1] = memo_[0];
  memo_[0] = {c, ToQColor(c)};
  return memo_[0].second;
}

void TItemRenderer::End() {
  flush();
  flushLines();
}

void TItemRenderer::flushLines() {
  if (lines_.empty()) return;
  p_->drawLines(lines_.data(), int(lines_.size()));
  lines_.clear();
}

void TItemRenderer::applyPen() {
  flushLines();
  lastLineto_ = false;
  p_->setPen(ChartPen(penColor_, penWidth_, penStyle_));
}

void TItemRenderer::setPen(const QColor& c, Qt::PenStyle s) {
  if (c == penColor_ && s == penStyle_) return;
  penColor_ = c;
  penStyle_ = s;
  applyPen();
}

void TItemRenderer::setBrushColor(const QColor& c) {
  if (c == brushColor_ && !brushClear_) return;
  flushLines();
  lastLineto_ = false;
  brushColor_ = c;
  brushClear_ = false;
  p_->setBrush(c);
}

void TItemRenderer::flush() {
  if (numPPa_ == 0) return;
  flushLines();
  if (dupTail_ && numPPa_ >= 2)
    p_->drawPolyline(poly_.data(), numPPa_);  // a repeated end point keeps its pixel
  else
    draw::Polyline(*p_, poly_.data(), numPPa_);
  dupTail_ = false;
  ++polylines_;
  current_ = penPos_ = poly_[std::size_t(numPPa_ - 1)];
  numPPa_ = 0;
}

void TItemRenderer::addPolylinePoint(QPoint pt) {
  if (numPPa_ == 0) poly_[0] = current_, numPPa_ = 1;
  // A dense curve repeats its pixel many times over. With a thin solid pen a
  // step of no length draws nothing, so it is only noted: at the very end it
  // means the last pixel is drawn after all.
  if (pt == poly_[std::size_t(numPPa_ - 1)] && penWidth_ == 1 && penStyle_ == Qt::SolidLine) {
    dupTail_ = true;
    return;
  }
  dupTail_ = false;
  poly_[std::size_t(numPPa_++)] = pt;
  if (numPPa_ == kPolyMax) {
    flush();
    poly_[0] = pt;
    numPPa_ = 1;
    // A buffer holding only its start point draws nothing on its own.
  }
}

bool TItemRenderer::toPixel(const TrcChartItem& it, double x, double y, QPoint& out, bool clampIt) const {
  if (!__builtin_isfinite(x) || !__builtin_isfinite(y)) return false;
  const unsigned l = unsigned(it.Layer);
  const TChartLayers::PixelMap& m = maps_[l >= 1 && l <= 16 ? l : (it.Layer < 1 ? 1 : 16)];
  if (clampIt && !m.logX && !m.logY) {
    // The common case inline: linear axes, the offset added before the
    // clamp, which gives the same pixel as the transform's own rounding.
    const double fx = std::clamp(m.kx * x + m.dx, -2147483647.0, 2147483647.0);
    const double fy = std::clamp(m.ky * y + m.dy, -2147483647.0, 2147483647.0);
    constexpr double kMagic = 6755399441055744.0;  // rounds half to even
    const long long rx = (long long)((fx + kMagic) - kMagic) + dx_;
    const long long ry = (long long)((fy + kMagic) - kMagic) + dy_;
    out = QPoint(int(std::clamp<long long>(rx, -kClampPix, kClampPix)),
                 int(std::clamp<long long>(ry, -kClampPix, kClampPix)));
    return true;
  }
  int px, py;
  layers_->R2M(it.Layer, x, y, px, py);
  px = shifted(px, dx_);
  py = shifted(py, dy_);
  if (clampIt) {
    px = std::clamp(px, -kClampPix, kClampPix);
    py = std::clamp(py, -kClampPix, kClampPix);
  }
  out = QPoint(px, py);
  return true;
}

void TItemRenderer::corners(QPoint& a, QPoint& b) const {
  if (a.x() >= b.x()) a.rx() += 1; else b.rx() += 1;
  if (a.y() >= b.y()) a.ry() += 1; else b.ry() += 1;
}

void TItemRenderer::Draw(std::span<const TrcChartItem> items) {
  for (const TrcChartItem& it : items) {
    const int w = std::max(1, int(it.LWid));
    if (w != penWidth_) {
      flush();
      penWidth_ = w;
      applyPen();
    }
    drawOne(it);
  }
}

void TItemRenderer::rectFrameEdges(const TrcChartItem& it, int xa, int ya, int xb, int yb) {
  const QColor sh = ToQColor(bw_ ? clBlack : it.ShadowColor), hl = ToQColor(bw_ ? clBlack : it.HiLightColor);
  QColor first, second;
  bool embossedPath = false;
  switch (it.FrameStyle) {
    case TFrameStyle::fsLowered: first = sh; second = hl; break;
    case TFrameStyle::fsRaised: first = hl; second = sh; break;
    case TFrameStyle::fsEmbossed: first = sh; second = hl; embossedPath = true; break;
    case TFrameStyle::fsEngraved: first = hl; second = sh; embossedPath = true; break;
    default: return;
  }
  PenCursor c(*p_);
  if (!embossedPath) {
    setPen(first, penStyle_);
    c.moveTo(xa, ya);
    c.lineTo(xa, yb);
    c.lineTo(xb, yb);
    setPen(second, penStyle_);
    c.lineTo(xb, ya);
    c.lineTo(xa, ya);
  } else {
    setPen(first, penStyle_);
    c.moveTo(xa + 1, ya);
    c.lineTo(xa + 1, yb + 1);
    c.lineTo(xb, yb + 1);
    c.lineTo(xb, ya);
    c.lineTo(xa + 1, ya);
    setPen(second, penStyle_);
    c.moveTo(xa, ya - 1);
    c.lineTo(xa, yb);
    c.lineTo(xb - 1, yb);
    c.lineTo(xb - 1, ya - 1);
    c.lineTo(xa, ya - 1);
  }
}

void TItemRenderer::drawOne(const TrcChartItem& it) {
  QPainter& p = *p_;
  const TrcItem k = it.ItemKind;
  if (k == TrcItem::tkNone || k == TrcItem::tkEverything || k == TrcItem::tkNotMoveTo ||
      int(k) >= kItemKindCount)
    return;
  if (k == TrcItem::tkLineto) {
    QPoint pt;
    if (!toPixel(it, it.x, it.y, pt)) return;
    // Consecutive points of one curve: same colours and style as the last
    // point, so no attribute needs a look (nor a colour conversion).
    if (!(lastLineto_ && it.Color == lastColor_ && it.FillColor == lastFill_ && it.PenStyle == lastPenStyle_)) {
      const QColor c = bw_ ? QColor(Qt::black) : colorOf(it.Color);
      const Qt::PenStyle ps = ToQtPenStyle(it.PenStyle);
      const QColor fill = colorOf(it.FillColor);
      if (c != penColor_ || ps != penStyle_ || fill != brushColor_ || brushClear_) {
        flush();
        setPen(c, ps);
        setBrushColor(fill);
      }
      lastLineto_ = true;
      lastColor_ = it.Color;
      lastFill_ = it.FillColor;
      lastPenStyle_ = it.PenStyle;
    }
    addPolylinePoint(pt);
    return;
  }
  const QColor c = bw_ ? QColor(Qt::black) : colorOf(it.Color);
  const QColor f = bw_ ? QColor(0xC0, 0xC0, 0xC0) : colorOf(it.FillColor);
  const Qt::PenStyle ps = ToQtPenStyle(it.PenStyle);
  flush();
  lastLineto_ = false;  // other kinds may change pen and brush on their own
  if (k != TrcItem::tkLine) flushLines();
  auto pixelCase = [&](QPoint a, QPoint b) {
    if (a != b) return false;
    draw::Pixel(p, a.x(), a.y(), penColor_);
    return true;
  };
  auto fillBrush = [&] {
    if (it.Transp) {
      if (!brushClear_) {
        brushClear_ = true;
        p.setBrush(Qt::NoBrush);
      }
    } else {
      setBrushColor(f);
    }
  };

  switch (k) {
    case TrcItem::tkMarkAt: {
      QPoint pt;
      if (!toPixel(it, it.x, it.y, pt)) return;
      setPen(c, ps);
      if (style_.Printer && it.MarkOrAlign > 51) {
        QFont fnt = p.font();
        fnt.setPixelSize(std::max(1, halfEven(it.SizeOrAngle * 96.0 / 72.0)));
        p.setFont(fnt);
        fontPixelSize_ = fnt.pixelSize();
      }
      DrawMark(p, it.MarkOrAlign, pt.x(), pt.y(), style_.Printer);
      // DrawMark may leave another brush behind.
      brushColor_ = p.brush().color();
      brushClear_ = p.brush().style() == Qt::NoBrush;
      break;
    }
    case TrcItem::tkLine: {
      QPoint a, b;
      if (!toPixel(it, it.x, it.y, a) || !toPixel(it, it.x2, it.y2, b)) return;
      setPen(c, ps);
      setBrushColor(colorOf(it.FillColor));
      penPos_ = b;
      if (a == b) {
        flushLines();
        draw::Pixel(p, a.x(), a.y(), penColor_);
        break;
      }
      const QPoint e = draw::LineEnd(a.x(), a.y(), b.x(), b.y());
      if (e == a) {
        flushLines();
        p.drawPoint(a);
      } else {
        lines_.emplace_back(a, e);
      }
      break;
    }
    case TrcItem::tkRect:
    case TrcItem::tkRectRelPix: {
      QPoint a, b;
      if (k == TrcItem::tkRect) {
        if (!toPixel(it, it.x, it.y, a) || !toPixel(it, it.x2, it.y2, b)) return;
      } else {
        QPoint cc;
        if (!toPixel(it, it.x, it.y, cc, false) || !__builtin_isfinite(it.x2) || !__builtin_isfinite(it.y2)) return;
        const int hx = halfEven(it.x2), hy = halfEven(it.y2);
        a = QPoint(shifted(cc.x(), -(long long)hx), shifted(cc.y(), -(long long)hy));
        b = QPoint(shifted(cc.x(), hx), shifted(cc.y(), hy));
        a = QPoint(std::clamp(a.x(), -kClampPix, kClampPix), std::clamp(a.y(), -kClampPix, kClampPix));
        b = QPoint(std::clamp(b.x(), -kClampPix, kClampPix), std::clamp(b.y(), -kClampPix, kClampPix));
      }
      setPen(c, ps);
      fillBrush();
      if (pixelCase(a, b)) break;
      corners(a, b);
      draw::Rect(p, a.x(), a.y(), b.x(), b.y());
      break;
    }
    case TrcItem::tkRectFrame: {
      QPoint a, b;
      if (!toPixel(it, it.x, it.y, a) || !toPixel(it, it.x2, it.y2, b)) return;
      setPen(f, ps);
      setBrushColor(f);
      const int xa = std::min(a.x(), b.x()), xb = std::max(a.x(), b.x());
      const int ya = std::max(a.y(), b.y()), yb = std::min(a.y(), b.y());
      if (pixelCase(a, b)) break;
      draw::Rect(p, xa, yb, xb, ya);
      rectFrameEdges(it, xa, ya, xb, yb);
      break;
    }
    case TrcItem::tk3DBar: {
      QPoint a, b;
      if (!toPixel(it, it.x, it.y, a) || !toPixel(it, it.x2, it.y2, b)) return;
      setPen(c, ps);
      setBrushColor(f);
      int xa = std::min(a.x(), b.x()), xb = std::max(a.x(), b.x());
      const int ya = std::min(a.y(), b.y()), yb = std::max(a.y(), b.y());
      const double ang = it.SizeOrAngle * std::numbers::pi / 180;
      const int ddx = halfEven(std::cos(ang) * it.Depth), ddy = -halfEven(std::sin(ang) * it.Depth);
      if (it.SizeOrAngle > 90) std::swap(xa, xb);
      const QPoint top[4] = {{xa, ya}, {xa + ddx, ya + ddy}, {xb + ddx, ya + ddy}, {xb, ya}};
      draw::Polygon(p, top, 4);
      const QPoint side[4] = {{xb + ddx, ya + ddy}, {xb, ya}, {xb, yb}, {xb + ddx, yb + ddy}};
      draw::Polygon(p, side, 4);
      QPoint p1(xa, ya), p2(xb, yb);
      corners(p1, p2);
      draw::Rect(p, p1.x(), p1.y(), p2.x(), p2.y());
      break;
    }
    case TrcItem::tkText:
    case TrcItem::tkTextOfs: {
      QPoint pt;
      if (!__builtin_isfinite(it.x) || !__builtin_isfinite(it.y)) return;
      int px, py;
      layers_->R2M(it.Layer, it.x, it.y, px, py);
      px = shifted(px, dx_);
      py = shifted(py, dy_);
      if (k == TrcItem::tkTextOfs && __builtin_isfinite(it.x2) && __builtin_isfinite(it.y2)) {
        px = shifted(px, halfEven(it.x2));
        py = shifted(py, halfEven(it.y2));
      }
      pt = QPoint(std::clamp(px, -kClampPix, kClampPix), std::clamp(py, -kClampPix, kClampPix));
      QFont fnt = style_.TextFont;
      fnt.setBold(style_.Bold);
      fnt.setItalic(style_.Italic);
      fnt.setUnderline(style_.Underline);
      // Size 0 keeps the chart font's size.
      if (it.SizeOrAngle > 0) fnt.setPixelSize(std::max(1, halfEven(it.SizeOrAngle * 96.0 / 72.0)));
      p.setFont(fnt);
      fontPixelSize_ = fnt.pixelSize();
      fontColor_ = c;
      const QString s = it.text();
      const QFontMetrics fm(fnt);
      const int w = fm.horizontalAdvance(s), h = fm.height();
      pt.ry() -= h / 2;
      if (it.MarkOrAlign == std::uint8_t(TAlignment::taRightJustify))
        pt.rx() -= w;
      else if (it.MarkOrAlign == std::uint8_t(TAlignment::taCenter))
        pt.rx() -= w / 2;
      if (style_.TextBkStyle == TTextBkg::tbSolid) p.fillRect(QRect(pt.x(), pt.y(), w, h), ToQColor(style_.TextBkColor));
      p.setPen(ChartPen(c, 1));
      draw::TextTopLeft(p, pt.x(), pt.y(), s);
      applyPen();
      break;
    }
    case TrcItem::tkMoveTo: {
      QPoint pt;
      if (!toPixel(it, it.x, it.y, pt)) return;
      current_ = penPos_ = pt;
      break;
    }
    case TrcItem::tkEllipse: {
      QPoint a, b;
      if (!toPixel(it, it.x - it.x2, it.y + it.y2, a) || !toPixel(it, it.x + it.x2, it.y - it.y2, b)) return;
      setPen(c, ps);
      fillBrush();
      if (pixelCase(a, b)) break;
      corners(a, b);
      draw::Ellipse(p, a.x(), a.y(), b.x(), b.y());
      break;
    }
    case TrcItem::tkMoveRelPix: {
      if (!__builtin_isfinite(it.x) || !__builtin_isfinite(it.y)) return;
      current_ = penPos_ = penPos_ + QPoint(halfEven(it.x), halfEven(it.y));
      break;
    }
    case TrcItem::tkLineRelPix: {
      if (!__builtin_isfinite(it.x) || !__builtin_isfinite(it.y)) return;
      const QPoint t = penPos_ + QPoint(halfEven(it.x), halfEven(it.y));
      penColor_ = c;
      penStyle_ = ps;
      applyPen();
      brushColor_ = colorOf(it.FillColor);
      brushClear_ = false;
      p.setBrush(brushColor_);
      draw::Line(p, penPos_.x(), penPos_.y(), t.x(), t.y());
      draw::Pixel(p, t.x(), t.y(), c);
      penPos_ = t;
      break;
    }
    case TrcItem::tkArrow: {
      QPoint a, b;
      if (!toPixel(it, it.x, it.y, a) || !toPixel(it, it.x2, it.y2, b)) return;
      setPen(c, ps);
      fillBrush();
      if (pixelCase(a, b)) break;
      draw::Line(p, a.x(), a.y(), b.x(), b.y());
      const int L = it.SizeOrAngle;
      if (L >= 1) {
        const double pi = std::numbers::pi;
        double phi;
        if (a.x() == b.x())
          phi = (b.y() - a.y() < 1) ? 2 * pi : pi;
        else if (b.x() < a.x())
          phi = std::atan(double(b.y() - a.y()) / (b.x() - a.x())) + 3 * pi / 2;
        else
          phi = std::atan(double(b.y() - a.y()) / (b.x() - a.x())) + pi / 2;
        auto barb = [&](double alpha) {
          return QPoint(b.x() - halfEven(std::sin(phi + alpha) * L), b.y() + halfEven(std::cos(phi + alpha) * L));
        };
        const QPoint e1 = barb(20 * pi / 180), e2 = barb(-20 * pi / 180);
        if (it.Transp) {
          draw::Line(p, b.x(), b.y(), e1.x(), e1.y());
          draw::Line(p, b.x(), b.y(), e2.x(), e2.y());
        } else {
          const QPoint tri[3] = {b, e1, e2};
          draw::Polygon(p, tri, 3);
        }
      }
      penPos_ = b;
      break;
    }
    default: break;
  }
}

}  // namespace zw
