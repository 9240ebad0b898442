#include "charts/ChartChrome.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace zw {

TChromeStyle TChromeStyle::BlackWhite() const {
  TChromeStyle s = *this;
  s.WindColor = s.ChartColor = clWhite;
  s.FrameColor = s.FontColor = clBlack;
  s.ShadowColor = clSilver;
  s.ShadowBakColor = clWhite;
  return s;
}

void TBakGndImg::setName(const QString& v) {
  FName = FIncldPath ? v : QFileInfo(v).fileName();
  changed();
}

void TBakGndImg::setIncludePath(bool v) {
  FIncldPath = v;
  if (!v) FName = QFileInfo(FName).fileName();
  changed();
}

bool LabelAttachedX(const TTextLabel& l) {
  return l.AttachToData() == TTxtLblAttachMode::tlamXOnly || l.AttachToData() == TTxtLblAttachMode::tlamBoth;
}
bool LabelAttachedY(const TTextLabel& l) {
  return l.AttachToData() == TTxtLblAttachMode::tlamYOnly || l.AttachToData() == TTxtLblAttachMode::tlamBoth;
}

QPoint LabelAnchor(const TChartLayers& layers, const TTextLabel& l) {
  int ax, ay;
  layers.R2M(l.Layer(), l.PosX(), l.PosY(), ax, ay);
  return {LabelAttachedX(l) ? ax : int(std::nearbyint(std::clamp(l.PosX(), -1e9, 1e9))),
          LabelAttachedY(l) ? ay : int(std::nearbyint(std::clamp(l.PosY(), -1e9, 1e9)))};
}

// ----- the standard layouts -------------------------------------------------

void ApplyStandardLayout(TChartLayers& layers, TChromeStyle& s, TrcLayout layout) {
  struct Row {
    int l, r, t, b, cx, cy;
    TAlignment ca;
    TCaptionAnchorHoriz ah;
  };
  static const Row rows[] = {
      {50, 20, 20, 40, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {100, 20, 24, 40, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {150, 20, 24, 40, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {200, 20, 24, 40, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {50, 50, 24, 40, 0, -20, TAlignment::taCenter, TCaptionAnchorHoriz::cahChartCenter},
      {100, 20, 24, 70, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {50, 50, 48, 40, 0, -46, TAlignment::taCenter, TCaptionAnchorHoriz::cahChartCenter},
  };
  const Row& row = rows[int(layout)];
  const bool saved = layers.SuppressRepaint;
  layers.SuppressRepaint = true;
  layers.RcLRim = row.l, layers.RcRRim = row.r, layers.RcTRim = row.t, layers.RcBRim = row.b;
  s.CaptionPosX = row.cx, s.CaptionPosY = row.cy, s.CaptionAlignment = row.ca, s.CaptionAnchorX = row.ah;
  s.CaptionAnchorY = TCaptionAnchorVert::cavChartTop;

  // Axis settings of layers 1..4: visible, location, caption placement, position.
  struct Axis {
    bool visible;
    int loc;  // x: 0 bottom, 1 top; y: 0 left, 1 right
    int pos, cx, cy;
    Qt::Alignment ca;
    TScaleUnitAnchor an;
  };
  const Axis xInv{false, 0, 0, 10, 100, Qt::AlignHCenter, TScaleUnitAnchor::uaSclCenter};
  const Axis yInv{false, 0, 0, 10, 100, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
  const Axis xStd{true, 0, 0, 0, 22, Qt::AlignHCenter, TScaleUnitAnchor::uaSclCenter};
  const Axis yFirst{true, 0, 0, 0, -16, Qt::AlignLeft, TScaleUnitAnchor::uaSclTopLft};
  auto yLeft = [](int pos) { return Axis{true, 0, pos, 0, -23, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft}; };
  std::array<Axis, 5> xs{xInv, xInv, xInv, xInv, xInv}, ys{yInv, yInv, yInv, yInv, yInv};
  switch (layout) {
    case TrcLayout::rcl_X1Bottom_Y1Left: xs[1] = xStd; ys[1] = yFirst; break;
    case TrcLayout::rcl_X1Bottom_Y2Left: xs[1] = xStd; ys[1] = yLeft(0); ys[2] = yLeft(50); break;
    case TrcLayout::rcl_X1Bottom_Y3Left:
      xs[1] = xStd; ys[1] = yLeft(0); ys[2] = yLeft(50); ys[3] = yLeft(100); break;
    case TrcLayout::rcl_X1Bottom_Y4Left:
      xs[1] = xStd; ys[1] = yLeft(0); ys[2] = yLeft(50); ys[3] = yLeft(100); ys[4] = yLeft(150); break;
    case TrcLayout::rcl_X1Bottom_Y2Both:
      xs[1] = xStd; ys[1] = yLeft(0);
      ys[2] = Axis{true, 1, 0, 0, -23, Qt::AlignLeft, TScaleUnitAnchor::uaSclTopLft};
      break;
    case TrcLayout::rcl_X2Bottom_Y2Left:
      xs[1] = Axis{true, 0, 0, -20, 7, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      xs[2] = Axis{true, 0, 30, -20, 7, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      ys[1] = yLeft(0); ys[2] = yLeft(50);
      break;
    case TrcLayout::rcl_X2Both_Y2Both:
      xs[1] = Axis{true, 0, 0, -20, 7, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      xs[2] = Axis{true, 1, 0, -20, -24, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      ys[1] = Axis{true, 0, 0, 0, -40, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      ys[2] = Axis{true, 1, 0, 0, -40, Qt::AlignLeft, TScaleUnitAnchor::uaSclTopLft};
      ys[3] = ys[4] = Axis{false, 0, 0, 0, -23, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      break;
  }
  for (int i = 1; i <= 16; ++i) {
    TScalePropsHoriz& x = layers.X(i);
    TScalePropsVert& y = layers.Y(i);
    auto kx = x.OnChange, ky = y.OnChange;
    x.OnChange = nullptr, y.OnChange = nullptr;
    if (i <= 4) {
      const Axis& a = xs[i];
      if (a.visible) x.setScaleLocation(a.loc ? TScaleLocationHoriz::slTop : TScaleLocationHoriz::slBottom);
      x.setCaptionPosX(a.cx), x.setCaptionPosY(a.cy), x.setCaptionAlignment(a.ca), x.setCaptionAnchor(a.an);
      x.setScalePos(a.pos), x.setVisible(a.visible);
      const Axis& b = ys[i];
      if (b.visible) y.setScaleLocation(b.loc ? TScaleLocationVert::slRight : TScaleLocationVert::slLeft);
      y.setCaptionPosX(b.cx), y.setCaptionPosY(b.cy), y.setCaptionAlignment(b.ca), y.setCaptionAnchor(b.an);
      y.setScalePos(b.pos), y.setVisible(b.visible);
    } else {
      x.setVisible(false);
      y.setVisible(false);
    }
    x.OnChange = kx, y.OnChange = ky;
  }
  layers.ApplyAllScaleProps();
  layers.CalcTransformParams();
  layers.SuppressRepaint = saved;
}

// ----- painting -------------------------------------------------------------

void TChartChrome::PaintFrame(QPainter& p, const TChromeStyle& style) {
  const int W = layers_.Width, H = layers_.Height, s = layers_.F3DRim;
  p.fillRect(QRect(0, 0, W, H), ToQColor(style.WindColor));
  if (s > 0) {
    p.fillRect(QRect(W - s, 0, s, s), ToQColor(style.ShadowBakColor));
    p.fillRect(QRect(0, H - s, s, s), ToQColor(style.ShadowBakColor));
    p.setBrush(ToQColor(style.ShadowColor));
    const bool flying = style.ShadowStyle == TShadowStyle::ssFlying;
    p.setPen(ChartPen(flying ? ToQColor(style.ShadowColor) : QColor(Qt::black), 1));
    const int a = flying ? s - 1 : 0;
    const QPoint bottom[4] = {{a, H - s}, {s - 1, H - 1}, {W - 1, H - 1}, {W - s, H - s}};
    draw::Polygon(p, bottom, 4);
    const QPoint right[4] = {{W - s, H - s}, {W - 1, H - 1}, {W - 1, s - 1}, {W - s, a}};
    draw::Polygon(p, right, 4);
    p.setPen(ChartPen(Qt::black, 1));
    PenCursor c(p);
    c.moveTo(0, 0);
    c.lineTo(W - s, 0);
    c.lineTo(W - s, H - s);
    c.lineTo(0, H - s);
    c.lineTo(0, 0);
  }
  p.setBrush(Qt::NoBrush);
  p.setFont(style.Font);
  if (!style.Caption.isEmpty()) {
    const int L = layers_.RcLRim, R = layers_.RcRRim, T = layers_.RcTRim, B = layers_.RcBRim;
    int ax = 0, ay = 0;
    switch (style.CaptionAnchorX) {
      case TCaptionAnchorHoriz::cahControlLeft: ax = 0; break;
      case TCaptionAnchorHoriz::cahChartLeft: ax = L; break;
      case TCaptionAnchorHoriz::cahChartCenter: ax = L + (W - L - R - s) / 2; break;
      case TCaptionAnchorHoriz::cahChartRight: ax = W - R - s; break;
      case TCaptionAnchorHoriz::cahControlRight: ax = W; break;
    }
    switch (style.CaptionAnchorY) {
      case TCaptionAnchorVert::cavControlTop: ay = 0; break;
      case TCaptionAnchorVert::cavChartTop: ay = T; break;
      case TCaptionAnchorVert::cavChartCenter: ay = T + (H - T - B - s) / 2; break;
      case TCaptionAnchorVert::cavChartBottom: ay = H - B; break;
      case TCaptionAnchorVert::cavControlBottom: ay = H; break;
    }
    int x = style.CaptionPosX + ax;
    const int y = style.CaptionPosY + ay;
    const int w = QFontMetrics(style.Font).horizontalAdvance(style.Caption);
    if (style.CaptionAlignment == TAlignment::taRightJustify)
      x -= w;
    else if (style.CaptionAlignment == TAlignment::taCenter)
      x -= w / 2;
    p.setPen(ChartPen(ToQColor(style.FontColor), 1));
    draw::TextTopLeft(p, x, y, style.Caption);
  }
  layers_.CalcTransformParams();
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 1; i <= 16; ++i) {
      TScaleRenderer& r = pass == 0 ? layers_.ScaleX(i) : layers_.ScaleY(i);
      const TScaleProps& props = pass == 0 ? static_cast<const TScaleProps&>(layers_.X(i)) : layers_.Y(i);
      if (props.Visible()) r.Render(p);
    }
}

bool TChartChrome::PaintBackground(QPainter& p, const TChromeStyle& s, const TBakGndImg& bg, int x0, int y0,
                                   TChartMedia media) {
  // On pixels the plot's picture reaches one column and row further, onto
  // the frame line that is drawn last.
  const int e = media == TChartMedia::Print ? 0 : 1;
  const int Wg = std::max(0, layers_.Width - layers_.RcLRim - layers_.RcRRim - layers_.F3DRim + e);
  const int Hg = std::max(0, layers_.Height - layers_.RcTRim - layers_.RcBRim - layers_.F3DRim + e);
  p.setPen(ChartPen(ToQColor(s.FrameColor), 1));
  p.setBrush(ToQColor(s.ChartColor));
  if (!bg.Name().isEmpty()) {
    const QFileInfo fi(bg.Name());
    if (fi.absoluteFilePath() != bgPath_ || fi.lastModified() != bgStamp_) {
      bgPath_ = fi.absoluteFilePath();
      bgStamp_ = fi.lastModified();
      bgImage_ = QImage(bgPath_);
    }
    if (bgImage_.isNull() || bgImage_.width() == 0 || bgImage_.height() == 0) {
      draw::Rect(p, x0, y0, x0 + Wg, y0 + Hg);
      return false;
    }
    switch (bg.FillMode()) {
      case TBkgFill::bfSimple:
        draw::Rect(p, x0, y0, x0 + Wg, y0 + Hg);
        p.drawImage(QPoint(x0, y0), bgImage_);
        break;
      case TBkgFill::bfStretch: p.drawImage(QRect(x0, y0, Wg, Hg), bgImage_); break;
      case TBkgFill::bfTile:
        for (int cx = 0; cx < (Wg - 1) / bgImage_.width() + 1; ++cx)
          for (int cy = 0; cy < (Hg - 1) / bgImage_.height() + 1; ++cy)
            p.drawImage(QPoint(x0 + cx * bgImage_.width(), y0 + cy * bgImage_.height()), bgImage_);
        break;
    }
    return true;
  }
  draw::Rect(p, x0, y0, x0 + Wg, y0 + Hg);
  if (bg.AreaMode() == TBGAreaMode::bamNone) return true;
  int ax1, ay1, ax2, ay2;
  layers_.R2M(1, bg.AreaLeft(), bg.AreaTop(), ax1, ay1);
  layers_.R2M(1, bg.AreaRight(), bg.AreaBottom(), ax2, ay2);
  auto c30k = [](int v) { return std::clamp(v, -30000, 30000); };
  const int u1 = x0 + c30k(ax1) - layers_.RcLRim, u2 = x0 + c30k(ax2) - layers_.RcLRim;
  const int v1 = y0 + c30k(ay1) - layers_.RcTRim, v2 = y0 + c30k(ay2) - layers_.RcTRim;
  const QColor area = ToQColor(bg.AreaColor());
  p.setPen(ChartPen(area, 1));
  p.setBrush(area);
  switch (bg.AreaMode()) {
    case TBGAreaMode::bamLeft: draw::Rect(p, x0, y0, u1, y0 + Hg); break;
    case TBGAreaMode::bamRight: draw::Rect(p, u2, y0, x0 + Wg, y0 + Hg); break;
    case TBGAreaMode::bamTop: draw::Rect(p, x0, y0, x0 + Wg, v1); break;
    case TBGAreaMode::bamBottom: draw::Rect(p, x0, v2, x0 + Wg, y0 + Hg); break;
    case TBGAreaMode::bamVStripe: draw::Rect(p, u1, y0, u2, y0 + Hg); break;
    case TBGAreaMode::bamHStripe: draw::Rect(p, x0, v1, x0 + Wg, v2); break;
    case TBGAreaMode::bamRect: draw::Rect(p, u1, v1, u2, v2); break;
    default: break;
  }
  return true;
}

namespace {
// The grid values of one axis from its start value by the spacing rule.
std::vector<double> gridWalk(const TScaleProps& props, const TScaleRenderer& r, double D) {
  std::vector<double> out;
  double lo = std::min(props.RangeLow(), props.RangeHigh()), hi = std::max(props.RangeLow(), props.RangeHigh());
  const bool log = props.Logarithmic();
  auto decade = [](double v, double& m, int& e) {
    double l = std::log10(v);
    if (std::fabs(l - std::nearbyint(l)) < 1e-14) l = std::nearbyint(l);
    e = int(std::floor(l));
    m = v / std::pow(10.0, e);
  };
  double v;
  if (D == 0)
    v = r.NumTicks() >= 1 ? r.TickPosition(1) : lo;
  else if (!log || D > 0)
    v = std::ceil(lo / D) * D;
  else if (lo <= 0)
    return out;
  else {
    double m;
    int e;
    decade(lo, m, e);
    const double k = std::nearbyint(m), p10 = std::pow(10.0, e);
    if (D == -1)
      v = std::pow(10.0, std::ceil(std::log10(lo) - 1e-14));
    else if (D == -2)
      v = (k <= 2 ? 2 : (k <= 5 ? 5 : 10)) * p10;
    else if (D == -3)
      v = p10 * k;
    else
      v = lo;
  }
  for (int n = 2; v < hi && out.size() < 1000; ++n) {
    out.push_back(v);
    double next;
    if (D == 0)
      next = n <= r.NumTicks() ? r.TickPosition(n) : hi;
    else if (D > 0 || !log)
      next = v + std::fabs(D);
    else {
      double m;
      int e;
      decade(v, m, e);
      const double k = std::nearbyint(m), p10 = std::pow(10.0, e);
      if (D == -1)
        next = 10 * v;
      else if (D == -2)
        next = (k < 2 ? 2 : (k < 5 ? 5 : 10)) * p10;
      else
        next = (k + 1) * p10;
    }
    if (!(next > v)) break;  // a step too small to advance ends the walk
    v = next;
  }
  return out;
}
}  // namespace

void TChartChrome::PaintGrid(QPainter& p, const TChromeStyle& s, int layer, int x0, int y0) {
  const int l = layer;
  const TScaleProps& px = layers_.X(l);
  const TScaleProps& py = layers_.Y(l);
  const std::vector<double> xs = gridWalk(px, layers_.ScaleX(l), s.GridDx);
  const std::vector<double> ys = gridWalk(py, layers_.ScaleY(l), s.GridDy);
  const int dx = x0 - layers_.RcLRim, dy = y0 - layers_.RcTRim;
  const QColor gc = ToQColor(s.GridColor);
  p.setBrush(ToQColor(s.ChartColor));
  const GridStyleType gs = s.GridStyle;
  const bool dotted = gs == GridStyleType::gsVertDotLines || gs == GridStyleType::gsHorizDotLines ||
                      gs == GridStyleType::gsDotLines;
  p.setPen(ChartPen(gc, 1, dotted ? Qt::DotLine : Qt::SolidLine));
  auto pix = [&](double x, double y) {
    int a, b;
    layers_.R2M(l, x, y, a, b);
    return QPoint(int(std::clamp<long long>((long long)a + dx, -30000, 30000)),
                  int(std::clamp<long long>((long long)b + dy, -30000, 30000)));
  };
  if (gs == GridStyleType::gsPoints) {
    int n = 0;
    for (double x : xs)
      for (double y : ys) {
        if (n++ >= 1000) return;
        const QPoint q = pix(x, y);
        draw::Pixel(p, q.x(), q.y(), gc);
      }
    return;
  }
  const bool vert = gs == GridStyleType::gsVertLines || gs == GridStyleType::gsVertDotLines ||
                    gs == GridStyleType::gsLines || gs == GridStyleType::gsDotLines;
  const bool horiz = gs == GridStyleType::gsHorizLines || gs == GridStyleType::gsHorizDotLines ||
                     gs == GridStyleType::gsLines || gs == GridStyleType::gsDotLines;
  if (vert)
    for (double x : xs) {
      const QPoint a = pix(x, py.RangeLow()), b = pix(x, py.RangeHigh());
      draw::Line(p, a.x(), a.y(), b.x(), b.y());
    }
  if (horiz)
    for (double y : ys) {
      const QPoint a = pix(px.RangeLow(), y), b = pix(px.RangeHigh(), y);
      draw::Line(p, a.x(), a.y(), b.x(), b.y());
    }
}

void TChartChrome::PaintPlotFrame(QPainter& p, const TChromeStyle& s, int x0, int y0) {
  const int w = layers_.Width - layers_.RcLRim - layers_.RcRRim - layers_.F3DRim;
  const int h = layers_.Height - layers_.RcTRim - layers_.RcBRim - layers_.F3DRim;
  p.setPen(ChartPen(ToQColor(s.FrameColor), 1));
  const QPoint pts[5] = {{x0, y0}, {x0 + w, y0}, {x0 + w, y0 + h}, {x0, y0 + h}, {x0, y0}};
  draw::Polyline(p, pts, 5);
}

void TChartChrome::PaintTextLabels(QPainter& p, const TTextLabels& labels, const std::array<TColor, 30>& colors,
                                   int x0, int y0) {
  const int dx = x0 - layers_.RcLRim, dy = y0 - layers_.RcTRim;
  for (int n = 30; n >= 1; --n) {  // label 1 ends on top
    const TTextLabel& l = labels[std::size_t(n - 1)];
    if (l.Mode() == TTxtLblMode::tlOff || !l.Visible()) continue;
    const QPoint a = LabelAnchor(layers_, l);
    int x = std::clamp(a.x(), -30000, 30000) + dx;
    int y = std::clamp(a.y(), -30000, 30000) + dy;
    p.setFont(l.Font());
    const QFontMetrics fm(l.Font());
    const QStringList lines = l.Caption().split(u'\n');
    const int R = int(lines.size()), H = fm.height();
    int N = 0;
    for (const QString& t : lines) N = std::max(N, fm.horizontalAdvance(t));
    if (l.VerticalAlignment() == TVerticalAlignment::vaTop) y += H * R;
    if (l.VerticalAlignment() == TVerticalAlignment::vaCenter) y += H * R / 2;
    if (l.Alignment() & Qt::AlignRight) x -= N;
    else if (l.Alignment() & Qt::AlignHCenter) x -= N / 2;
    const QRect box(QPoint(x - 4, y - H * R - 2), QPoint(x + N + 4 - 1, y + 2 - 1));
    const QPen border = ChartPen(l.ColorBorder(), 1);
    const QBrush back = l.Transparent() ? QBrush(Qt::NoBrush) : QBrush(l.ColorBkg());
    auto drawBox = [&](const QRect& b, const QPen& pen, const QBrush& brush) {
      p.setPen(pen);
      p.setBrush(brush);
      draw::Rect(p, b.left(), b.top(), b.right() + 1, b.bottom() + 1);
    };
    switch (l.Mode()) {
      case TTxtLblMode::tlsimple:
        if (!l.Transparent()) drawBox(box, ChartPen(l.ColorBkg(), 1), back);
        break;
      case TTxtLblMode::tlBox: drawBox(box, border, back); break;
      case TTxtLblMode::tlUnderline:
        if (!l.Transparent()) drawBox(box, ChartPen(l.ColorBkg(), 1), back);
        p.setPen(border);
        draw::Line(p, x, y, x + N, y);
        break;
      case TTxtLblMode::tlShadow:
        drawBox(box.translated(l.ShadowDx(), l.ShadowDy()), ChartPen(l.ColorShadow(), 1), QBrush(l.ColorShadow()));
        drawBox(box, border, back);
        break;
      default: break;
    }
    p.setPen(ChartPen(ToQColor(colors[std::size_t(n - 1)]), 1));
    for (int k = 1; k <= R; ++k) {
      const QString& t = lines[k - 1];
      int sx = x;
      if (l.Alignment() & Qt::AlignRight) sx += N - fm.horizontalAdvance(t);
      else if (l.Alignment() & Qt::AlignHCenter) sx += (N - fm.horizontalAdvance(t)) / 2;
      draw::TextTopLeft(p, sx, y - H * (R - k + 1), t);
    }
  }
}

void TChartChrome::PaintCrossHairs(QPainter& p, const TCrossHairs& crossHairs, int dx, int dy) const {
  const int xL = layers_.xL(), xR = layers_.xR(), yT = layers_.yT(), yB = layers_.yB();
  for (const TCrossHair& ch : crossHairs) {
    if (ch.Mode() == TCrossHMode::chOff) continue;
    int px, py;
    layers_.R2M(ch.Layer(), ch.PosX(), ch.PosY(), px, py);
    QPen pen(ch.Color(), std::max(1, ch.LineWid()), ch.LineType());
    p.setPen(pen);
    const int h = ch.LineWid() / 2;
    const bool horiz = ch.Mode() == TCrossHMode::chHoriz || ch.Mode() == TCrossHMode::chBoth;
    const bool vert = ch.Mode() == TCrossHMode::chVert || ch.Mode() == TCrossHMode::chBoth;
    // A crosshair on the plot border (within half its width) is not drawn.
    if (horiz && yT + h < py && py < yB - h) draw::Line(p, xL + h + 1 - dx, py - dy, xR - h - dx, py - dy);
    if (vert && xL + h < px && px < xR - h) draw::Line(p, px - dx, yT + h + 1 - dy, px - dx, yB - h - dy);
  }
}

}  // namespace zw
