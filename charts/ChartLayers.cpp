#include "charts/ChartLayers.h"

#include <algorithm>
#include <cmath>

namespace zw {

namespace {

// The end of a span of at least m above v: v + m, or the next representable
// value when v is so large that adding m changes nothing.
double above(double v, double m) {
  const double r = v + m;
  return r > v ? r : std::nextafter(v, HUGE_VAL);
}
double below(double v, double m) {
  const double r = v - m;
  return r < v ? r : std::nextafter(v, -HUGE_VAL);
}

// Clamped into the int range and rounded half to even. Adding and taking
// away 1.5 * 2^52 rounds a double in the default rounding mode without a
// library call (this runs for every point of every curve).
int clampRound(double v) {
  if (!(v == v)) return 0;
  v = std::clamp(v, -2147483647.0, 2147483647.0);
  constexpr double kMagic = 6755399441055744.0;
  const double r = v + kMagic;
  return int(r - kMagic);
}

constexpr TColor kLayerColors[17] = {0,        0x000000, 0x000080, 0x008000, 0x008080, 0x800000,
                                     0x800080, 0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00,
                                     0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

}  // namespace

// --- TScaleProps ------------------------------------------------------------

int TScaleProps::ScalePos() const {
  return (FScaleType == TScaleType::sctXB || FScaleType == TScaleType::sctXT) ? FScalePosY : FScalePosX;
}

void TScaleProps::setScalePos(int v) {
  if (FScaleType == TScaleType::sctXB || FScaleType == TScaleType::sctXT)
    FScalePosY = v;
  else
    FScalePosX = v;
  Changed();
}

void TScaleProps::setDecPlaces(int v) {
  FDecPlaces = std::clamp(v, -3, 12);
  Changed();
}

void TScaleProps::setLabelType(TFigType v) {
  FLabelType = v;
  if (v == TFigType::ftDateTime) FLogAx = false;
  if (v == TFigType::ftTime) FDecPlaces = 4;
  Changed();
}

void TScaleProps::setLogarithmic(bool v) {
  FLogAx = AcceptLogarithmic(v, FLogAx, FNotYetLoaded, FRangeLow, FRangeHigh, FLabelType);
  Changed();
}

// One range end: when it comes closer to the other end than the minimum
// span, the other end moves away (`away`); a logarithmic axis refuses ends
// that are not positive.
static void setRangeEnd(double& end, double& other, double v, double minSpan, bool logarithmic,
                        double (*away)(double, double)) {
  if (std::fabs(other - v) < minSpan) {
    end = v;
    other = away(v, minSpan);
  } else if (!(logarithmic && v < 1e-100)) {
    end = v;
  }
}

void TScaleProps::setRangeLow(double v) {
  setRangeEnd(FRangeLow, FRangeHigh, v, FMinRngDiff, FLogAx, above);
  Changed();
}

void TScaleProps::setRangeHigh(double v) {
  setRangeEnd(FRangeHigh, FRangeLow, v, FMinRngDiff, FLogAx, below);
  Changed();
}

void TScaleProps::setMinRange(double m) {
  if (m <= 1e-100) return;
  FMinRngDiff = m;
  if (std::fabs(FRangeHigh - FRangeLow) >= m) return;
  const double c = (FRangeLow + FRangeHigh) / 2;
  FRangeLow = c - m / 2;
  FRangeHigh = c + m / 2;
  Changed();
}

void TScaleProps::AssignFrom(const TScaleProps& s) {
  auto keep = OnChange;
  const bool loaded = FNotYetLoaded;
  *this = s;
  OnChange = keep;
  FNotYetLoaded = loaded;
}

void TScalePropsHoriz::setScaleLocation(TScaleLocationHoriz v) {
  FScaleLoc = v;
  FScaleType = v == TScaleLocationHoriz::slTop ? TScaleType::sctXB : TScaleType::sctXT;
  Changed();
}

void TScalePropsVert::setScaleLocation(TScaleLocationVert v) {
  FScaleLoc = v;
  FScaleType = v == TScaleLocationVert::slLeft ? TScaleType::sctYR : TScaleType::sctYL;
  Changed();
}

// --- TJointLayers -----------------------------------------------------------

void TJointLayers::Reset() {
  for (int i = 0; i <= 16; ++i) FMasterLayerX[i] = FMasterLayerY[i] = i;
}

void TJointLayers::setControlledByX(int layer, int master) { set(true, layer, master); }
void TJointLayers::setControlledByY(int layer, int master) { set(false, layer, master); }

void TJointLayers::set(bool isX, int n, int v) {
  auto& a = isX ? FMasterLayerX : FMasterLayerY;
  n = clampLayer(n);
  if (v < 1 || v > 16)
    throw EZwVIradaError("Destination layer " + std::to_string(v) + " is out of range");
  if (v == n) {
    a[n] = n;
    return;
  }
  if (a[v] != v) throw EZwVIradaError("Destination layer " + std::to_string(v) + " is already joined");
  std::string others;
  for (int i = 1; i <= 16; ++i)
    if (i != n && a[i] == n) others += (others.empty() ? "" : ", ") + std::to_string(i);
  if (!others.empty())
    throw EZwVIradaError("Layer " + std::to_string(n) + " is joined by other layers (" + others + ")");
  a[n] = v;
  if (FOwner) {
    TChartLayers& c = *FOwner;
    if (isX)
      c.ApplyLayerRange(n, false, c.X(v).RangeLow(), c.Y(n).RangeLow(), c.X(v).RangeHigh(), c.Y(n).RangeHigh(), false);
    else
      c.ApplyLayerRange(n, false, c.X(n).RangeLow(), c.Y(v).RangeLow(), c.X(n).RangeHigh(), c.Y(v).RangeHigh(), false);
  }
  if (OnChange) OnChange();
}

// --- TChartLayers -----------------------------------------------------------

TChartLayers::TChartLayers() {
  for (int i = 1; i <= 16; ++i) {
    TScalePropsHoriz& x = FScalePropsX[i];
    TScalePropsVert& y = FScalePropsY[i];
    x.setColorScale(kLayerColors[i]);
    y.setColorScale(kLayerColors[i]);
    x.setScaleType(i % 2 ? TScaleType::sctXT : TScaleType::sctXB);
    y.setScaleType(i % 2 ? TScaleType::sctYR : TScaleType::sctYL);
    x.setScalePos(((i - 1) / 2) * 30);
    y.setScalePos(((i - 1) / 2) * 50);
    FScalesX[i].setLoaded();
    FScalesY[i].setLoaded();
    x.OnChange = [this] { ScalePropsChanged(); };
    y.OnChange = [this] { ScalePropsChanged(); };
  }
  ApplyAllScaleProps();
  CalcTransformParams();
}

void TChartLayers::Loaded() {
  Loading = false;
  for (int i = 1; i <= 16; ++i) {
    FScalePropsX[i].setLoaded();
    FScalePropsY[i].setLoaded();
  }
  ApplyAllScaleProps();
  CalcTransformParams();
}

void TChartLayers::SetSize(int width, int height) {
  const bool saved = SuppressRepaint;
  SuppressRepaint = true;
  height = std::max(height, RcTRim + RcBRim + F3DRim + 20);
  width = std::max(width, RcLRim + RcRRim + F3DRim + 80);
  Width = width;
  Height = height;
  if (Isometric)
    RecentreIsometric();
  else
    ApplyAllScaleProps();
  CalcTransformParams();
  SuppressRepaint = saved;
}

// The transform pixel = k * v + d of one axis that puts the range's low end
// at pixel p0 and its high end at p1 (v is the natural logarithm on a
// logarithmic axis). Without extent (the plot's length in pixels) or span
// every value lands mid-way across the control (size / 2).
static void fitAxis(const TScaleProps& s, int p0, int p1, int extent, int size, long double& k, long double& d) {
  long double lo = s.RangeLow(), hi = s.RangeHigh();
  if (s.Logarithmic() && lo > 0 && hi > 0) {
    lo = std::log(lo);
    hi = std::log(hi);
  }
  if (extent > 0 && hi != lo) {
    k = (p1 - p0) / (hi - lo);
    d = (p0 * hi - p1 * lo) / (hi - lo);
  } else {
    k = 0;
    d = size / 2;
  }
}

void TChartLayers::CalcTransformParams() {
  for (int i = 1; i <= 16; ++i) {
    // y grows upwards: the low end sits at the bottom.
    fitAxis(FScalePropsX[i], xL(), xR(), xR() - xL(), Width, FCpkx[i], FCpdx[i]);
    fitAxis(FScalePropsY[i], yB(), yT(), yB() - yT(), Height, FCpky[i], FCpdy[i]);
    kx_[i] = double(FCpkx[i]), dx_[i] = double(FCpdx[i]);
    ky_[i] = double(FCpky[i]), dy_[i] = double(FCpdy[i]);
  }
}

// A value of one axis as a pixel; values a logarithmic axis cannot show go
// to `notPositive`.
static int axisPixel(const TScaleProps& s, long double K, long double D, double k, double d, double v,
                     int notPositive) {
  if (s.Logarithmic()) return v > 1e-100 ? clampRound(double(K * std::log(v) + D)) : notPositive;
  return clampRound(k * v + d);
}

// A pixel of one axis as a value. An axis without pixel extent maps every
// pixel to its range centre.
static double axisValue(const TScaleProps& s, long double K, long double D, int p) {
  if (K == 0) return s.Center();
  const double v = double((p - D) / K);
  return s.Logarithmic() ? std::exp(v) : v;
}

void TChartLayers::R2M(int layer, double xin, double yin, int& xout, int& yout) const {
  const int l = clamp(layer);
  const TScaleProps& px = FScalePropsX[l];
  const TScaleProps& py = FScalePropsY[l];
  xout = axisPixel(px, FCpkx[l], FCpdx[l], kx_[l], dx_[l], xin, px.RangeHigh() >= px.RangeLow() ? 0 : Width);
  yout = axisPixel(py, FCpky[l], FCpdy[l], ky_[l], dy_[l], yin, py.RangeHigh() >= py.RangeLow() ? Height : 0);
}

void TChartLayers::M2R(int layer, int xin, int yin, double& xout, double& yout) const {
  const int l = clamp(layer);
  xout = axisValue(FScalePropsX[l], FCpkx[l], FCpdx[l], xin);
  yout = axisValue(FScalePropsY[l], FCpky[l], FCpdy[l], yin);
}

void TChartLayers::placeAxis(TScaleRenderer& r, const TScaleProps& p, bool isX) {
  r.SetBounds(Width, Height);
  if (isX) {
    r.setMarginLeft(RcLRim);
    r.setMarginRight(RcRRim + F3DRim - 1);
  } else {
    r.setMarginTop(RcTRim);
    r.setMarginBottom(RcBRim + F3DRim - 1);
  }
  const int pos = p.ScalePos();
  switch (p.ScaleType()) {
    case TScaleType::sctXB: r.setMarginBottom(pos + Height - RcTRim - 1); break;
    case TScaleType::sctXT: r.setMarginTop(pos + Height - RcBRim - F3DRim); break;
    case TScaleType::sctYL: r.setMarginLeft(pos + Width - RcRRim - F3DRim); break;
    case TScaleType::sctYR: r.setMarginRight(pos + Width - RcLRim - 1); break;
  }
  r.setScaleType(p.ScaleType());
  r.setLogarithmic(false);
  r.setRange(p.RangeLow(), p.RangeHigh());
  r.Visible = p.Visible();
  r.Caption = p.Caption();
  r.CaptionPosX = p.CaptionPosX();
  r.CaptionPosY = p.CaptionPosY();
  r.CaptionAlignment = p.CaptionAlignment();
  r.CaptionAnchor = p.CaptionAnchor();
  r.ColorScale = p.ColorScale();
  r.setDecPlaces(p.DecPlaces());
  r.setLogarithmic(p.Logarithmic());
  r.setLabelType(p.LabelType());
  r.DateFormat.Assign(p.DateFormat());
  if (p.LabelType() != TFigType::ftTime) r.setDecPlaces(p.DecPlaces());
  r.ShortTicks = p.ShortTicks();
  r.setMinTicks(p.MinTicks());
  r.ScaleInscript = p.ScaleInscript();
  r.UserTickText = p.UserTickText();
  r.Font = p.Font();
  r.FontColor = p.FontColor();
  r.Transparent = true;
}

void TChartLayers::ApplyScaleProps(int layer) {
  const int l = clamp(layer);
  placeAxis(FScalesX[l], FScalePropsX[l], true);
  placeAxis(FScalesY[l], FScalePropsY[l], false);
}

void TChartLayers::ApplyAllScaleProps() {
  for (int i = 1; i <= 16; ++i) ApplyScaleProps(i);
}

void TChartLayers::ScalePropsChanged() {
  const bool saved = SuppressRepaint;
  SuppressRepaint = true;
  ApplyAllScaleProps();
  for (int i = 1; i <= 16; ++i)
    ApplyJointRange(i, false, X(i).RangeLow(), Y(i).RangeLow(), X(i).RangeHigh(), Y(i).RangeHigh(), false);
  CalcTransformParams();
  SuppressRepaint = saved;
  repaint();
}

double TChartLayers::IsoSpan(double xSpan) const {
  const int w = PlotW();
  if (w <= 0 || Fxasp == 0) return xSpan;
  return xSpan * PlotH() / w * Fyasp / Fxasp;
}

void TChartLayers::SetRange(int layer, double xLo, double yLo, double xHi, double yHi) {
  if (layer < 0 || layer > 16) return;
  const int from = layer == 0 ? 1 : layer, to = layer == 0 ? 16 : layer;
  for (int i = from; i <= to; ++i) AdjustLayerRange(i, true, xLo, yLo, xHi, yHi, false);
}

void TChartLayers::SetEqualRange(std::uint32_t set, bool doX, bool doY) {
  double xLo = 0, xHi = 0, yLo = 0, yHi = 0;
  bool first = true;
  for (int l = 1; l <= 16; ++l) {
    if (!(set & (1u << l))) continue;
    const double a = X(l).RangeLow(), b = X(l).RangeHigh();
    const double c = Y(l).RangeLow(), d = Y(l).RangeHigh();
    if (first) {
      xLo = a, xHi = b, yLo = c, yHi = d;
      first = false;
    } else {
      xLo = std::min(xLo, a), xHi = std::max(xHi, b), yLo = std::min(yLo, c), yHi = std::max(yHi, d);
    }
  }
  if (first) return;  // an empty set changes nothing
  for (int l = 1; l <= 16; ++l) {
    if (!(set & (1u << l))) continue;
    AdjustLayerRange(l, true, doX ? xLo : X(l).RangeLow(), doY ? yLo : Y(l).RangeLow(),
                     doX ? xHi : X(l).RangeHigh(), doY ? yHi : Y(l).RangeHigh(), false);
  }
}

void TChartLayers::AdjustLayerRange(int layer, bool history, double xLo, double yLo, double xHi, double yHi,
                                    bool confine) {
  const int l = clamp(layer);
  // An empty range opens around its value.
  auto widen = [](const TScaleProps& s, double& lo, double& hi) {
    if (lo != hi) return;
    if (s.Logarithmic()) {
      hi *= 1.1;
      lo /= 1.1;
    } else {
      hi = above(hi, s.MinRange() / 2);
      lo = below(lo, s.MinRange() / 2);
    }
  };
  widen(X(l), xLo, xHi);
  widen(Y(l), yLo, yHi);
  if (Isometric) {
    const double c = (yLo + yHi) / 2, h = IsoSpan(xHi - xLo) / 2;
    yHi = c + h;
    yLo = c - h;
  }
  ApplyJointRange(l, history, xLo, yLo, xHi, yHi, confine);
}

void TChartLayers::ApplyJointRange(int layer, bool history, double xLo, double yLo, double xHi, double yHi,
                                   bool confine) {
  const int l = clamp(layer);
  const bool saved = SuppressRepaint;
  SuppressRepaint = true;
  if (FJointLayers.ControlledByX(l) != l) {
    xLo = X(l).RangeLow();
    xHi = X(l).RangeHigh();
  }
  if (FJointLayers.ControlledByY(l) != l) {
    yLo = Y(l).RangeLow();
    yHi = Y(l).RangeHigh();
  }
  ApplyLayerRange(l, history, xLo, yLo, xHi, yHi, confine);
  for (int i = 1; i <= 16; ++i) {
    if (i == l) continue;
    const int mx = FJointLayers.ControlledByX(i), my = FJointLayers.ControlledByY(i);
    if (mx == l || my == l)
      ApplyLayerRange(i, true, X(mx).RangeLow(), Y(my).RangeLow(), X(mx).RangeHigh(), Y(my).RangeHigh(), false);
  }
  SuppressRepaint = saved;
  repaint();
}

void TChartLayers::ApplyLayerRange(int layer, bool history, double xLo, double yLo, double xHi, double yHi,
                                   bool confine) {
  const int l = clamp(layer);
  const auto& z = FZoomRange;
  if (confine && (z[0] != 0 || z[1] != 0 || z[2] != 0 || z[3] != 0)) {
    const bool panX = MouseAction == TMouseActMode::maPan || MouseAction == TMouseActMode::maPanHoriz;
    const bool panY = MouseAction == TMouseActMode::maPan || MouseAction == TMouseActMode::maPanVert;
    auto confineAxis = [](double& lo, double& hi, double zLo, double zHi, bool pan) {
      const double d = hi - lo;
      if (lo < zLo) { lo = zLo; if (pan) hi = lo + d; }
      if (lo > zHi) { lo = zHi; if (pan) hi = lo + d; }
      if (hi < zLo) { hi = zLo; if (pan) lo = hi - d; }
      if (hi > zHi) { hi = zHi; if (pan) lo = hi - d; }
    };
    confineAxis(xLo, xHi, z[0], z[2], panX);
    confineAxis(yLo, yHi, z[1], z[3], panY);
  }
  bool written = false;
  auto writeAxis = [&](TScaleProps& p, double lo, double hi) {
    if (!(std::fabs(hi - lo) >= p.MinRange())) return;  // also refuses NaN
    if (p.Logarithmic()) {
      if (lo >= 1e-100) { p.writeRangeLow(lo); written = true; }
      if (hi >= 1e-100) { p.writeRangeHigh(hi); written = true; }
    } else {
      p.writeRangeLow(lo);
      p.writeRangeHigh(hi);
      written = true;
    }
  };
  writeAxis(X(l), xLo, xHi);
  writeAxis(Y(l), yLo, yHi);
  ApplyScaleProps(l);
  if (history && written) PushZoomHistory();
  CalcTransformParams();
}

void TChartLayers::SetIsometric(bool v) {
  Isometric = v;
  if (!v) return;
  RecentreIsometric();
  PushZoomHistory();
  CalcTransformParams();
}

void TChartLayers::RecentreIsometric() {
  for (int i = 1; i <= 16; ++i) {
    TScalePropsVert& y = FScalePropsY[i];
    const double c = (y.RangeLow() + y.RangeHigh()) / 2;
    const double h = IsoSpan(X(i).RangeHigh() - X(i).RangeLow()) / 2;
    auto keep = y.OnChange;
    y.OnChange = nullptr;
    y.setRangeHigh(c + h);
    y.setRangeLow(c - h);
    y.OnChange = keep;
    ApplyScaleProps(i);
  }
}

void TChartLayers::PushZoomHistory() {
  if (Loading) return;
  auto& slot = FZoomStack[FZStackPoi];
  for (int i = 1; i <= 16; ++i)
    slot[i] = {X(i).RangeLow(), X(i).RangeHigh(), Y(i).RangeLow(), Y(i).RangeHigh()};
  FZStackPoi = FZStackPoi == 16 ? 1 : FZStackPoi + 1;
}

void TChartLayers::ClearZoomHistory() {
  FZoomStack = {};
  FZStackPoi = 1;
  PushZoomHistory();
}

bool TChartLayers::ZoomHistory(int index) {
  if (index < -15 || index > 0) return false;
  int s = FZStackPoi - 1 + index;
  if (s < 1) s += 16;
  const bool saved = SuppressRepaint;
  SuppressRepaint = true;
  for (int i = 1; i <= 16; ++i) {
    const Ranges& r = FZoomStack[s][i];
    if (r.xLo == 0 && r.xHi == 0 && r.yLo == 0 && r.yHi == 0) continue;
    ApplyJointRange(i, false, r.xLo, r.yLo, r.xHi, r.yHi, false);
  }
  SuppressRepaint = saved;
  repaint();
  return true;
}

}  // namespace zw
