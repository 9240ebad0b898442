#include "topics/frame/ChartHelpers.h"

#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

#include "kernel/Evaluator.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"

namespace zw {

namespace {

constexpr double kFar = 2147483647.0;

// Sets the helper's colour and width and gives the chart back its own on
// every way out.
class StyleGuard {
public:
  StyleGuard(TVIrada& c, TColor color, int width) : c_(c), color_(c.DataColor()), width_(c.LineWidth()) {
    c.setDataColor(color);
    c.setLineWidth(width);
  }
  ~StyleGuard() {
    c_.setDataColor(color_);
    c_.setLineWidth(width_);
  }
  StyleGuard(const StyleGuard&) = delete;
  StyleGuard& operator=(const StyleGuard&) = delete;

private:
  TVIrada& c_;
  TColor color_;
  int width_;
};

// Draws with the helper's pen (colour and width), or not at all when that
// pen would not show; the chart's own pen comes back afterwards.
template <class F>
void withPen(TVIrada& c, TColor color, int width, F&& draw) {
  if (width < 1) return;
  StyleGuard g(c, color, width);
  if (c.DataColor() == c.ChartColor()) return;
  draw();
}

struct Visible {
  double xLo, xHi, yLo, yHi;
  double cx() const { return (xLo + xHi) / 2; }
  double cy() const { return (yLo + yHi) / 2; }
  double sx() const { return xHi - xLo; }
  double sy() const { return yHi - yLo; }
};
Visible visible(TVIrada& c) {
  return {c.Layers().X(1).RangeLow(), c.Layers().X(1).RangeHigh(), c.Layers().Y(1).RangeLow(), c.Layers().Y(1).RangeHigh()};
}

int plotWidth(TVIrada& c) { return c.width() - c.MarginLeft() - c.MarginRight(); }

double deg(Extended a) { return double(a) * std::numbers::pi / 180; }

void line(TVIrada& c, Extended x1, Extended y1, Extended x2, Extended y2) {
  c.Line(double(x1), double(y1), double(x2), double(y2));
}

// Samples x_k = lo + span*k/n for k = 0..n, stopping where x stops growing.
std::vector<Extended> samplesOf(Extended lo, Extended hi, long n) {
  std::vector<Extended> xs;
  if (n < 1 || !(hi >= lo)) return xs;
  xs.reserve(std::size_t(n) + 1);
  for (long k = 0; k <= n; ++k) {
    const Extended x = lo + (hi - lo) * k / n;
    if (!xs.empty() && !(x > xs.back())) break;
    xs.push_back(x);
  }
  return xs;
}

// The same in double precision, for the curves that are only drawn: a
// division in the x87 unit per sample cost as much as evaluating the term.
std::vector<double> samplesOfD(double lo, double hi, long n) {
  std::vector<double> xs;
  if (n < 1 || !(hi >= lo)) return xs;
  xs.reserve(std::size_t(n) + 1);
  for (long k = 0; k <= n; ++k) {
    const double x = lo + (hi - lo) * double(k) / double(n);
    if (!xs.empty() && !(x > xs.back())) break;
    xs.push_back(x);
  }
  return xs;
}

// Joins consecutive defined samples by lines (the first line has length 0).
template <class Real>
void joinDefined(TVIrada& c, std::span<const Real> xs, std::span<const Real> ys, std::span<const std::int32_t> errs) {
  if (xs.empty()) return;
  Real px = xs[0], py = ys[0];
  std::int32_t pe = errs[0];
  for (std::size_t i = 0; i < xs.size(); ++i) {
    if (pe == 0 && errs[i] == 0) c.Line(double(px), double(py), double(xs[i]), double(ys[i]));
    px = xs[i], py = ys[i], pe = errs[i];
  }
}
void joinDefined(TVIrada& c, std::span<const Extended> xs, std::span<const Extended> ys,
                 std::span<const std::int32_t> errs) {
  joinDefined<Extended>(c, xs, ys, errs);
}

int resolutionFactor() {
  switch (shellState().ChartResolution) {
    case 0: return 1;
    case 1: return 2;
    case 2: return 4;
    default: return 8;
  }
}

Extended evaluate(const std::u16string& t, Extended x, std::int32_t& err, const FormulaContext& context) {
  Extended v = 0;
  EvaluateFormula(t, v, err, x, context);
  return v;
}

}  // namespace

// ----- set-up ---------------------------------------------------------------

void SetAspect11(TVIrada& chart) {
  const Visible v = visible(chart);
  chart.SetRange(1, v.xLo, v.yLo, v.xHi, v.yHi);
  const double W = chart.width() - chart.MarginLeft() - chart.MarginRight();
  const double H = chart.height() - chart.MarginTop() - chart.MarginBottom();
  double hx = v.sx() / 2, hy = v.sy() / 2;
  if (W > 0 && H > 0) {
    if (H > W)
      hy = hx * H / W;
    else
      hx = hy * W / H;
  }
  chart.SetRange(1, v.cx() - hx, v.cy() - hy, v.cx() + hx, v.cy() + hy);
  chart.setMouseAction(TMouseActMode::maPan);
}

void SetGridStyle(TVIrada& chart) {
  switch (shellState().ChartGridOption) {
    case 0: chart.setGridStyle(GridStyleType::gsNone); break;
    case 1: chart.setGridStyle(GridStyleType::gsPoints); break;
    case 2: chart.setGridStyle(GridStyleType::gsDotLines); break;
    case 3: chart.setGridStyle(GridStyleType::gsLines); break;
    default: break;
  }
  if (shellState().ChartGridAuto) {
    chart.setGridDx(0);
    chart.setGridDy(0);
  }
}

void WidenRange(Extended& xmin, Extended& xmax, Extended& ymin, Extended& ymax) {
  xmin = std::min<Extended>(-5, xmin);
  xmax = std::max<Extended>(5, xmax);
  ymin = std::min<Extended>(-4, ymin);
  ymax = std::max<Extended>(4, ymax);
}

void DrawAxes(TVIrada& chart) {
  const TColor saved = chart.DataColor();
  chart.setDataColor(chart.ChartFrameColor());
  chart.setLineWidth(1);
  if (chart.ChartFrameColor() != chart.ChartColor()) {
    chart.Line(-kFar, 0, kFar, 0);
    chart.Line(0, -kFar, 0, kFar);
  }
  chart.setDataColor(saved);
}

void SetDefaultChartColors(TVIrada& chart) {
  chart.setGridColor(clSilver);
  chart.setChartColor(clWhite);
  chart.setWindColor(clBtnFace);
  chart.setChartFrameColor(clBlack);
  chart.setFontColor(clBlack);
}

// ----- lines and figures ----------------------------------------------------

void DrawVLine(TVIrada& chart, TColor color, int width, Extended x) {
  withPen(chart, color, width, [&] { line(chart, x, -kFar, x, kFar); });
}

void DrawLineABC(TVIrada& chart, TColor color, int width, Extended a, Extended b, Extended c) {
  withPen(chart, color, width, [&] {
    if (a == 0 && b == 0) return;  // no line
    const Visible v = visible(chart);
    if (std::fabs(b) <= std::fabs(a)) {
      const Extended y1 = v.cy() - 2 * v.sy(), y2 = v.cy() + 2 * v.sy();
      line(chart, (c - b * y1) / a, y1, (c - b * y2) / a, y2);
    } else {
      const Extended x1 = v.cx() - 2 * v.sx(), x2 = v.cx() + 2 * v.sx();
      line(chart, x1, (c - a * x1) / b, x2, (c - a * x2) / b);
    }
  });
}

void DrawLineDrei(TVIrada& chart, const TDrei& l, TColor color, int width) {
  DrawLineABC(chart, color, width, l.a, l.b, l.c);
}

void DrawLineOfRecord(TVIrada& chart, const TVec3& v, TColor color, int width) {
  DrawLineABC(chart, color, width, v.x, v.y, v.z);
}

void DrawLineThrough(TVIrada& chart, const TVec2& p, const TVec2& q, TColor color, int width) {
  withPen(chart, color, width, [&] {
    const Visible v = visible(chart);
    if (p.x == q.x) line(chart, p.x, v.yLo, q.x, v.yHi);
    if (p.y == q.y) line(chart, v.xLo, p.y, v.xHi, q.y);
    if (p.x != q.x && p.y != q.y) {
      const Extended m = (q.y - p.y) / (q.x - p.x);
      line(chart, p.x + (v.yLo - p.y) / m, v.yLo, p.x + (v.yHi - p.y) / m, v.yHi);
    }
  });
}

void DrawSegment(TVIrada& chart, const TVec2& p, const TVec2& q, TColor color, int width) {
  if (width < 1) return;
  chart.setDataColor(color);
  chart.setLineWidth(width);
  chart.MoveTo(double(p.x), double(p.y));
  chart.DrawTo(double(q.x), double(q.y));
}

void DrawRay(TVIrada& chart, const TVec2& p, const TVec2& q, TColor color, int width) {
  withPen(chart, color, width, [&] {
    if (p.x == q.x && p.y == q.y) return;  // no direction
    const Visible v = visible(chart);
    const Extended a = q.y - p.y, b = p.x - q.x, c = a * q.x + b * q.y;
    Extended ex, ey;
    if (std::fabs(b) <= std::fabs(a)) {
      ey = q.y > p.y ? v.cy() + 2 * v.sy() : v.cy() - 2 * v.sy();
      ex = (c - b * ey) / a;
    } else {
      ex = q.x > p.x ? v.cx() + 2 * v.sx() : v.cx() - 2 * v.sx();
      ey = (c - a * ex) / b;
    }
    chart.MoveTo(double(p.x), double(p.y));
    chart.DrawTo(double(ex), double(ey));
  });
}

void DrawTriangle(TVIrada& chart, const TVec2& a, const TVec2& b, const TVec2& c, TColor color, int width) {
  withPen(chart, color, width, [&] {
    const bool log = chart.Layers().X(1).Logarithmic() || chart.Layers().Y(1).Logarithmic();
    for (auto [s, e] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, a}}) {
      if (!log) {
        line(chart, s.x, s.y, e.x, e.y);
        continue;
      }
      // On a logarithmic axis a side is a curve of the picture.
      chart.MoveTo(double(s.x), double(s.y));
      for (int k = 1; k <= 100; ++k)
        chart.DrawTo(double(s.x + k / 100.0L * (e.x - s.x)), double(s.y + k / 100.0L * (e.y - s.y)));
    }
  });
}

namespace {
// The chords of an arc from a1 to a2 degrees, each end computed from its
// index. Their number follows the radius in device pixels (ArcPieces), so a
// zoomed-in circle stays round; far in, where that takes many chords, only
// those near the visible range are drawn.
void arc(TVIrada& chart, const TVec2& m, Extended r, Extended a1, Extended a2) {
  const double span = std::fabs(double(a2 - a1));
  const int pieces = ArcPieces(chart, double(r), span);
  const bool clip = pieces > kArcPiecesDrawnWhole;
  const Visible v = visible(chart);
  // A chord reaches no farther than its length from its start.
  const double reach = 2 * std::fabs(double(r)) * std::sin(std::min(std::numbers::pi / 2, deg(span) / pieces / 2));
  auto near = [&](Extended x, Extended y) {
    return double(x) >= v.xLo - reach && double(x) <= v.xHi + reach && double(y) >= v.yLo - reach &&
           double(y) <= v.yHi + reach;
  };
  Extended px = m.x + r * std::cos(deg(a1)), py = m.y + r * std::sin(deg(a1));
  for (int k = 1; k <= pieces; ++k) {
    const Extended t = a1 + (a2 - a1) * k / pieces;
    const Extended qx = m.x + r * std::cos(deg(t)), qy = m.y + r * std::sin(deg(t));
    if (!clip || near(px, py)) line(chart, px, py, qx, qy);
    px = qx, py = qy;
  }
}
}  // namespace

int ArcPieces(TVIrada& chart, double r, double degrees) {
  const TChartLayers::PixelMap map = chart.Layers().PixelMapOf(1);
  // The larger scale, so that unequal scales are served along the long axis.
  double perUnit = std::max(std::fabs(map.kx), std::fabs(map.ky));
  if (map.logX || map.logY) perUnit = 0;
  // The printed page has more pixels to the chart's pixel than the screen.
  const double device = std::max(1.0, shellState().PrintScale * PrintResolution / 96.0);
  const double radius = std::fabs(r) * perUnit * device;
  const double turn = std::isfinite(degrees) ? std::max(0.0, degrees / 360) : 0.0;
  const double most = kArcPiecesMax;
  // At least a piece per 10 degrees, as a small circle always had.
  const double least = std::clamp(std::ceil(36 * turn), 1.0, most);
  double needed = most;
  if (!(radius > 0.5)) return int(least);
  if (std::isfinite(radius)) {
    // A chord of angle theta lies R (1 - cos(theta/2)) from the arc at most.
    const double theta = 2 * std::acos(1 - 0.5 / radius);
    if (theta > 0) needed = std::ceil(2 * std::numbers::pi * turn / theta);
  }
  return int(std::clamp(needed, least, most));
}

void DrawCircle(TVIrada& chart, const TVec2& m, TColor color, Extended r, int width) {
  withPen(chart, color, width, [&] { arc(chart, m, r, 0, 360); });
}

void DrawArc(TVIrada& chart, const TVec2& m, TColor color, Extended r, Extended alpha, int width) {
  withPen(chart, color, width, [&] {
    if (alpha <= 0) {
      // One segment, as a non-positive angle always gave.
      line(chart, m.x + r, m.y, m.x + r * std::cos(deg(alpha / 360)), m.y + r * std::sin(deg(alpha / 360)));
      return;
    }
    arc(chart, m, r, 0, alpha);
  });
}

void DrawArcBetween(TVIrada& chart, const TVec2& m, TColor color, Extended r, Extended alpha1, Extended alpha2,
                    int width) {
  withPen(chart, color, width, [&] {
    if (alpha2 < alpha1) std::swap(alpha1, alpha2);
    arc(chart, m, r, alpha1, alpha2);
  });
}

void DrawChord(TVIrada& chart, const TVec2& m, TColor color, Extended r, Extended alpha, int width) {
  withPen(chart, color, width,
          [&] { line(chart, m.x + r, m.y, m.x + r * std::cos(deg(alpha)), m.y + r * std::sin(deg(alpha))); });
}

// ----- curves ---------------------------------------------------------------

void SampleTerm(const std::u16string& term, std::span<const double> xs, std::span<double> ys,
                std::span<std::int32_t> errs, const FormulaContext& context) {
  // Curves are only drawn: the double-precision block path is exact enough
  // for pixels and several times faster than point-by-point evaluation.
  EvaluateFormulaBlockDouble(term, xs.data(), xs.size(), ys.data(), errs.data(), context);
}

void SampleTerm(const std::u16string& term, std::span<const Extended> xs, std::span<Extended> ys,
                std::span<std::int32_t> errs, const FormulaContext& context) {
  std::vector<double> x(xs.begin(), xs.end()), y(xs.size());
  SampleTerm(term, x, y, errs, context);
  for (std::size_t i = 0; i < xs.size(); ++i) ys[i] = y[i];
}

void PlotPolynomial(const TPoly& p, TVIrada& chart, TColor color, int width) {
  withPen(chart, color, width, [&] {
    const Visible v = visible(chart);
    const std::vector<Extended> xs = samplesOf(v.xLo, v.xHi, long(plotWidth(chart)) * 8);
    std::vector<Extended> ys(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) ys[i] = PolyValue(p, xs[i]);
    const std::vector<std::int32_t> errs(xs.size(), 0);
    joinDefined(chart, xs, ys, errs);
  });
}

void PlotRational(const TPoly& num, const TPoly& den, std::span<const Extended> poles, TVIrada& chart, TColor color,
                  int width) {
  withPen(chart, color, width, [&] {
    const Visible v = visible(chart);
    const int wp = plotWidth(chart);
    if (wp < 1) return;
    const Extended step = Extended(v.xHi - v.xLo) / (Extended(wp) * 12);
    std::vector<Extended> ends{Extended(v.xLo)};
    for (Extended p : poles)
      if (p > v.xLo && p < v.xHi && p > ends.back()) ends.push_back(p);
    ends.push_back(v.xHi);
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
      const Extended a = ends[i], b = ends[i + 1];
      bool havePrev = false;
      Extended px = 0, py = 0;
      for (long j = 1;; ++j) {
        const Extended x = a + step * j;
        if (!(x < b)) break;
        bool ok = false;
        const Extended y = RatFuncValue(num, den, ok, x);
        if (!ok || !std::isfinite(double(y))) {
          havePrev = false;
          continue;
        }
        if (havePrev) line(chart, px, py, x, y);
        px = x, py = y, havePrev = true;
      }
    }
  });
}

namespace {

// A term's curve a block of samples at a time, each block joined to the one
// before and drawn as it comes. A long term takes milliseconds per sample, so
// the block grows or shrinks to keep a step near a few milliseconds; the
// values do not depend on the block size.
class TermPlotRun : public Stepper {
public:
  TermPlotRun(const QString& term, TVIrada& chart, TColor color, int width, const FormulaContext& context, bool live)
      : term_(term.toStdU16String()), chart_(&chart), color_(color), width_(width), context_(context), live_(live) {
    const Visible v = visible(chart);
    xs_ = samplesOfD(v.xLo, v.xHi, long(plotWidth(chart)) * resolutionFactor());
    for (double& x : xs_)
      if (x > 0 && x < 1e-8) x = 0;
    ys_.resize(xs_.size());
    errs_.resize(xs_.size());
  }
  bool step() override {
    if (!chart_ || next_ >= xs_.size()) return false;
    const std::size_t n = std::min(block_, xs_.size() - next_);
    const auto started = std::chrono::steady_clock::now();
    SampleTerm(term_, std::span<const double>(xs_).subspan(next_, n), std::span<double>(ys_).subspan(next_, n),
               std::span<std::int32_t>(errs_).subspan(next_, n), context_);
    const auto took = std::chrono::steady_clock::now() - started;
    {
      // The lines joinDefined draws over all samples: the block's first one
      // starts at the last sample of the block before.
      StyleGuard g(*chart_, color_, width_);
      for (std::size_t i = next_; i < next_ + n; ++i) {
        const std::size_t p = i > 0 ? i - 1 : 0;
        if (errs_[p] == 0 && errs_[i] == 0) chart_->Line(xs_[p], ys_[p], xs_[i], ys_[i]);
      }
    }
    if (live_) chart_->ShowGrafNewOnly();
    next_ += n;
    if (took < std::chrono::milliseconds(2) && block_ < 4096) block_ *= 2;
    if (took > std::chrono::milliseconds(8) && block_ > 1) block_ /= 2;
    return next_ < xs_.size();
  }
  void finish(End, int) override {}

private:
  static constexpr int kSlice = 1000;  // summands per step
  std::u16string term_;
  QPointer<TVIrada> chart_;
  TColor color_;
  int width_;
  FormulaContext context_;
  bool live_;
  std::vector<double> xs_, ys_;
  std::vector<std::int32_t> errs_;
  std::size_t next_ = 0, block_ = 16;
};

}  // namespace

void PlotTerm(const QString& term, TVIrada& chart, TColor color, int width, const FormulaContext& context) {
  if (width < 1 || color == chart.ChartColor()) return;
  TermPlotRun run(term, chart, color, width, context, false);
  while (run.step()) {
  }
}

std::unique_ptr<Stepper> PlotTermSteps(const QString& term, TVIrada& chart, TColor color, int width,
                                       const FormulaContext& context) {
  if (width < 1 || color == chart.ChartColor()) return nullptr;
  return std::make_unique<TermPlotRun>(term, chart, color, width, context, true);
}

namespace {
constexpr Extended kH = 1e-4L;
// The term at x - h, x and x + h; false (and err := 1) when one fails.
bool threeValues(const QString& term, std::int32_t& err, Extended x, Extended& y1, Extended& y2, Extended& y3,
                 const FormulaContext& context) {
  const std::u16string t = term.toStdU16String();
  std::int32_t e1, e2, e3;
  y1 = evaluate(t, x - kH, e1, context), y2 = evaluate(t, x, e2, context), y3 = evaluate(t, x + kH, e3, context);
  if (e1 || e2 || e3) err = 1;
  return !(e1 || e2 || e3);
}
}  // namespace

Extended DerivativeAt(const QString& term, std::int32_t& err, Extended x, const FormulaContext& context) {
  Extended y1, y2, y3;
  if (!threeValues(term, err, x, y1, y2, y3, context)) return 0;
  const Extended h = kH;
  auto sgn = [](Extended v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); };
  return sgn(y2 - y1) == sgn(y3 - y2) ? (y3 - y1) / (2 * h) : 0;
}

Extended SecondDerivativeAt(const QString& term, std::int32_t& err, Extended x, const FormulaContext& context) {
  Extended y1, y2, y3;
  if (!threeValues(term, err, x, y1, y2, y3, context)) return 0;
  return (y1 - 2 * y2 + y3) / (kH * kH);
}

namespace {
void plotDerivative(const QString& term, TVIrada& chart, TColor color, int width, bool second,
                    const FormulaContext& context) {
  withPen(chart, color, width, [&] {
    const Visible v = visible(chart);
    const std::vector<Extended> xs = samplesOf(v.xLo, v.xHi, long(plotWidth(chart)) * resolutionFactor());
    std::vector<Extended> fx(xs.size()), ys(xs.size());
    std::vector<std::int32_t> errs(xs.size());
    SampleTerm(term.toStdU16String(), xs, fx, errs, context);
    for (std::size_t i = 0; i < xs.size(); ++i) {
      std::int32_t derr = 0;
      ys[i] = second ? SecondDerivativeAt(term, derr, xs[i], context) : DerivativeAt(term, derr, xs[i], context);
      if (derr) errs[i] = derr;
    }
    joinDefined(chart, xs, ys, errs);
  });
}
}  // namespace

void PlotDerivative1(const QString& term, TVIrada& chart, TColor color, int width, const FormulaContext& context) {
  plotDerivative(term, chart, color, width, false, context);
}

void PlotDerivative2(const QString& term, TVIrada& chart, TColor color, int width, const FormulaContext& context) {
  plotDerivative(term, chart, color, width, true, context);
}

void PlotSegment(const QString& term, TVIrada& chart, bool startClosed, Extended x1, Extended x2, bool endClosed,
               TColor color, int width, bool showMarks, const FormulaContext& context) {
  withPen(chart, color, width, [&] {
    const std::u16string t = term.toStdU16String();
    int c1, c2, py;
    chart.Layers().R2M(1, double(x1), 0, c1, py);
    chart.Layers().R2M(1, double(x2), 0, c2, py);
    c1 = std::max(c1, chart.MarginLeft());
    c2 = std::min(c2, chart.width() - chart.MarginRight() + 10);
    std::vector<Extended> xs{x1};
    for (int c = c1; c <= c2; ++c) {
      double wx, wy;
      chart.Layers().M2R(1, c, 0, wx, wy);
      xs.push_back(wx);
    }
    std::vector<Extended> ys(xs.size());
    std::vector<std::int32_t> errs(xs.size());
    SampleTerm(t, xs, ys, errs, context);
    if (showMarks) chart.MarkAt(double(xs[0]), double(ys[0]), startClosed ? 24 : 12);
    // The start point joins the first column without a zero-length line.
    Extended px = xs[0], pyv = ys[0];
    std::int32_t pe = errs[0];
    for (std::size_t i = 1; i < xs.size(); ++i) {
      if (pe == 0 && errs[i] == 0) line(chart, px, pyv, xs[i], ys[i]);
      px = xs[i], pyv = ys[i], pe = errs[i];
    }
    if (showMarks) chart.MarkAt(double(xs.back()), double(ys.back()), endClosed ? 24 : 12);
  });
}

QString ParameterToX(const QString& term) {
  QString out = term;
  for (int i = 0; i < out.size(); ++i) {
    if (out[i] != u'k') continue;
    const bool before = i > 0 && out[i - 1].isLetter();
    const bool after = i + 1 < out.size() && out[i + 1].isLetter();
    if (!before && !after) out[i] = u'x';
  }
  return out;
}

void PlotParametric(const QString& termX, const QString& termY, TVIrada& chart, Extended k1, Extended k2,
                    TColor color, int width, const FormulaContext& context) {
  withPen(chart, color, width, [&] {
    if (!(k2 > k1)) return;
    const std::u16string tx = ParameterToX(termX).toStdU16String(), ty = ParameterToX(termY).toStdU16String();
    const int n = ShellState::ParametricSteps;
    auto point = [&](Extended t, Extended& x, Extended& y) {
      std::int32_t e = 0;
      x = evaluate(tx, t, e, context);
      if (e) return false;
      y = evaluate(ty, t, e, context);
      return e == 0;
    };
    Extended px = 0, py = 0;
    bool pok = point(k1, px, py);
    for (int k = 1; k <= n; ++k) {
      Extended x = 0, y = 0;
      const bool ok = point(k1 + (k2 - k1) * k / n, x, y);
      if (pok && ok) line(chart, px, py, x, y);
      px = x, py = y, pok = ok;
    }
  });
}

namespace {

// The term's normal form with the names X and K exchanged, so that the block
// evaluator can run over the summation index with x held in K. The evaluator
// reads X and K alike (a value each, an ignored argument each), so the
// exchanged term gives the same value and failure for every x and k. Empty
// where that cannot be relied on: a term that does not normalise, whose
// normal form would be read differently when typed again («2k» is an error
// but «2K» a product), or with an X or K that touches a letter outside the
// longer names that contain one (EXP, FAK): «XK» or «SINX» might be read
// otherwise once exchanged.
std::u16string SwapXAndK(const std::u16string& term) {
  std::u16string normal;
  if (NormalizeFormula(term, normal) != evalerr::Ok) return {};
  std::u16string again;
  if (NormalizeFormula(normal, again) != evalerr::Ok || again != normal) return {};
  std::vector<bool> inName(normal.size(), false);
  for (int f = 0; f < FormulaFuncCount; ++f) {
    const std::string_view name = FormulaFuncName(FormulaFunc(f));
    if (name.size() < 2) continue;
    for (std::size_t at = 0; at + name.size() <= normal.size(); ++at)
      if (std::equal(name.begin(), name.end(), normal.begin() + std::ptrdiff_t(at)))
        std::fill(inName.begin() + std::ptrdiff_t(at), inName.begin() + std::ptrdiff_t(at + name.size()), true);
  }
  auto letter = [](char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); };
  std::u16string out = normal;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if ((out[i] != u'X' && out[i] != u'K') || inName[i]) continue;
    if ((i > 0 && letter(out[i - 1])) || (i + 1 < out.size() && letter(out[i + 1]))) return {};
    out[i] = out[i] == u'X' ? u'K' : u'X';
  }
  if (NormalizeFormula(out, again) != evalerr::Ok || again != out) return {};
  return out;
}

// One segment of the series curve per finished sum; a sum is added up a
// thousand summands per step, so a long range of k never blocks the window.
class SeriesStepper : public Stepper {
public:
  SeriesStepper(const QString& term, TVIrada& chart, TColor color, Extended kmin, Extended kmax, Extended dy,
                int width, const FormulaContext& context)
      : term_(term.toStdU16String()), chart_(&chart), color_(color), width_(width), context_(context), dy_(dy),
        k0_(std::trunc(kmin)), k1_(std::trunc(kmax)), swapped_(SwapXAndK(term_)) {
    if (!swapped_.empty()) ks_.resize(kSlice), vs_.resize(kSlice), es_.resize(kSlice);
    const Visible v = visible(chart);
    xLo_ = v.xLo;
    span_ = v.xHi - v.xLo;
    startSum();
  }
  bool step() override {
    if (!chart_) return false;
    if (swapped_.empty()) {
      for (int n = 0; n < kSlice && k_ <= k1_; ++n, k_ += 1) {
        context_.K = k_;
        std::int32_t e = 0;
        const Extended v = evaluate(term_, x_, e, context_);
        if (e) ok_ = false;
        sum_ += v;
      }
    } else {
      // The slice's k run as one block with x held in K; added up in the
      // order of k, so every sum is bit for bit the one point by point.
      std::size_t n = 0;
      for (; n < std::size_t(kSlice) && k_ <= k1_; ++n, k_ += 1) ks_[n] = k_;
      context_.K = x_;
      EvaluateFormulaBlock(swapped_, ks_.data(), n, vs_.data(), es_.data(), context_);
      for (std::size_t i = 0; i < n; ++i) {
        if (es_[i]) ok_ = false;
        sum_ += vs_[i];
      }
    }
    if (k_ <= k1_) return true;
    if (index_ > 0 && ok_ && prevOk_) {
      StyleGuard g(*chart_, color_, width_);
      line(*chart_, prevX_, prevY_, x_, sum_);
      chart_->ShowGrafNewOnly();
    }
    prevX_ = x_, prevY_ = sum_, prevOk_ = ok_;
    if (index_ == 100) return false;
    ++index_;
    startSum();
    return true;
  }
  void finish(End, int) override {}

private:
  void startSum() {
    x_ = xLo_ + span_ * index_ / 100;
    sum_ = dy_;
    ok_ = true;
    k_ = k0_;
  }
  static constexpr int kSlice = 1000;  // summands per step
  std::u16string term_;
  QPointer<TVIrada> chart_;
  TColor color_;
  int width_;
  FormulaContext context_;  // the run's own: K is the summation index
  Extended dy_, k0_, k1_, xLo_ = 0, span_ = 0;
  int index_ = 0;
  Extended x_ = 0, sum_ = 0, k_ = 0;
  bool ok_ = true;
  Extended prevX_ = 0, prevY_ = 0;
  bool prevOk_ = false;
  // The term with X and K exchanged (empty: summed point by point), and the
  // slice's k, values and errors.
  std::u16string swapped_;
  std::vector<Extended> ks_, vs_;
  std::vector<std::int32_t> es_;
};

}  // namespace

std::unique_ptr<Stepper> PlotSeries(const QString& term, TVIrada& chart, TColor color, Extended kmin, Extended kmax,
                                    Extended dy, int width, const FormulaContext& context) {
  if (width < 1 || color == chart.ChartColor()) return nullptr;
  return std::make_unique<SeriesStepper>(term, chart, color, kmin, kmax, dy, width, context);
}

}  // namespace zw
