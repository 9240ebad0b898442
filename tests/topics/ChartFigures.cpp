#include "tests/topics/ChartFigures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <utility>
#include <vector>

namespace zw::figures {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
// Longer pieces are chords, not part of an arc.
constexpr double kMaxArcPieceDegrees = 15;

struct Piece {
  double x1, y1, x2, y2;
  TColor color;
  int width;
};

// The items of layer 1 as pieces, and the other items as they are.
struct Picture {
  std::vector<Piece> pieces;
  std::vector<const TrcChartItem*> marks, texts, ellipses, others;
  double xLo, xHi, yLo, yHi;  // the visible range
};

Picture read(const TVIrada& chart) {
  Picture pic;
  const TChartLayers& layers = chart.Layers();
  pic.xLo = std::min(layers.X(1).RangeLow(), layers.X(1).RangeHigh());
  pic.xHi = std::max(layers.X(1).RangeLow(), layers.X(1).RangeHigh());
  pic.yLo = std::min(layers.Y(1).RangeLow(), layers.Y(1).RangeHigh());
  pic.yHi = std::max(layers.Y(1).RangeLow(), layers.Y(1).RangeHigh());
  bool haveCurrent = false;
  double cx = 0, cy = 0;
  for (const TrcChartItem& it : chart.DisplayList().items()) {
    if (it.Layer != 1) {
      haveCurrent = false;
      continue;
    }
    switch (it.ItemKind) {
      case TrcItem::tkMoveTo:
        cx = it.x, cy = it.y, haveCurrent = true;
        break;
      case TrcItem::tkLineto:
        if (haveCurrent) pic.pieces.push_back({cx, cy, it.x, it.y, it.Color, it.LWid});
        cx = it.x, cy = it.y, haveCurrent = true;
        break;
      case TrcItem::tkLine: pic.pieces.push_back({it.x, it.y, it.x2, it.y2, it.Color, it.LWid}); break;
      case TrcItem::tkMarkAt: pic.marks.push_back(&it); break;
      case TrcItem::tkText:
      case TrcItem::tkTextOfs: pic.texts.push_back(&it); break;
      case TrcItem::tkEllipse: pic.ellipses.push_back(&it); break;
      case TrcItem::tkNone: break;
      default: pic.others.push_back(&it); break;
    }
  }
  return pic;
}

bool penOf(const Figure& f, TColor color, int width) {
  return (!f.color || *f.color == color) && (!f.width || *f.width == width);
}

using Intervals = std::vector<std::pair<double, double>>;

// Where [lo, hi] is not covered by the intervals (joined across gaps up to gap).
std::optional<double> firstGap(Intervals iv, double lo, double hi, double gap) {
  std::sort(iv.begin(), iv.end());
  double reached = lo;
  for (const auto& [a, b] : iv) {
    if (a > reached + gap) break;
    reached = std::max(reached, b);
  }
  if (reached + gap >= hi) return std::nullopt;
  return reached;
}

// ----- figures along a straight line ------------------------------------------

// A straight figure: the points base + t * dir (dir of length 1) for t in
// [tLo, tHi] (infinite ends for lines and rays); the part to be covered.
struct Straight {
  double bx, by, ux, uy;
  double tLo, tHi;
  double needLo, needHi;  // needLo > needHi: the figure misses the visible range
};

// The parameter interval of the line inside the visible range.
std::pair<double, double> clipToView(const Picture& pic, double bx, double by, double ux, double uy) {
  double lo = -HUGE_VAL, hi = HUGE_VAL;
  auto clip = [&](double p, double u, double min, double max) {
    if (std::fabs(u) < 1e-300) {
      if (p < min || p > max) lo = 1, hi = 0;
      return;
    }
    double a = (min - p) / u, b = (max - p) / u;
    if (a > b) std::swap(a, b);
    lo = std::max(lo, a), hi = std::min(hi, b);
  };
  clip(bx, ux, pic.xLo, pic.xHi);
  clip(by, uy, pic.yLo, pic.yHi);
  return {lo, hi};
}

std::optional<Straight> straightOf(const Shape& s, const Picture& pic) {
  Straight st{};
  if (const auto* l = std::get_if<Line>(&s)) {
    const double n = std::hypot(l->a, l->b);
    if (n == 0) return std::nullopt;
    st.bx = l->a * l->c / (n * n), st.by = l->b * l->c / (n * n);
    st.ux = -l->b / n, st.uy = l->a / n;
    st.tLo = -HUGE_VAL, st.tHi = HUGE_VAL;
    std::tie(st.needLo, st.needHi) = clipToView(pic, st.bx, st.by, st.ux, st.uy);
    return st;
  }
  if (const auto* g = std::get_if<Segment>(&s)) {
    const double len = std::hypot(g->x2 - g->x1, g->y2 - g->y1);
    if (len == 0) return std::nullopt;
    st.bx = g->x1, st.by = g->y1, st.ux = (g->x2 - g->x1) / len, st.uy = (g->y2 - g->y1) / len;
    st.tLo = st.needLo = 0, st.tHi = st.needHi = len;
    return st;
  }
  if (const auto* r = std::get_if<Ray>(&s)) {
    const double len = std::hypot(r->dx, r->dy);
    if (len == 0) return std::nullopt;
    st.bx = r->x, st.by = r->y, st.ux = r->dx / len, st.uy = r->dy / len;
    st.tLo = 0, st.tHi = HUGE_VAL;
    const auto [lo, hi] = clipToView(pic, st.bx, st.by, st.ux, st.uy);
    st.needLo = std::max(0.0, lo), st.needHi = hi;
    return st;
  }
  return std::nullopt;
}

// The parameter interval of a piece on the figure; none when it is off it.
std::optional<std::pair<double, double>> onStraight(const Straight& st, const Piece& p, double tol) {
  auto along = [&](double x, double y) { return (x - st.bx) * st.ux + (y - st.by) * st.uy; };
  auto across = [&](double x, double y) { return std::fabs((x - st.bx) * st.uy - (y - st.by) * st.ux); };
  if (across(p.x1, p.y1) > tol || across(p.x2, p.y2) > tol) return std::nullopt;
  double a = along(p.x1, p.y1), b = along(p.x2, p.y2);
  if (a > b) std::swap(a, b);
  if (a < st.tLo - tol || b > st.tHi + tol) return std::nullopt;
  return std::pair{a, b};
}

// ----- circles and arcs -------------------------------------------------------

struct Round {
  double cx, cy, r, from, span;  // degrees
  bool full;
};

std::optional<Round> roundOf(const Shape& s) {
  if (const auto* c = std::get_if<Circle>(&s)) return Round{c->cx, c->cy, c->r, 0, 360, true};
  if (const auto* a = std::get_if<Arc>(&s)) {
    const double span = a->to - a->from;
    if (span >= 360) return Round{a->cx, a->cy, a->r, 0, 360, true};
    return Round{a->cx, a->cy, a->r, a->from, std::max(0.0, span), false};
  }
  return std::nullopt;
}

// Degrees from the arc's start, counterclockwise, in [0, 360).
double angleFrom(const Round& c, double x, double y) {
  double a = std::atan2(y - c.cy, x - c.cx) / kDegree - c.from;
  a = std::fmod(a, 360);
  if (a < 0) a += 360;
  return a;
}

// The angle intervals of a piece on the circle; none when it is off it.
std::optional<Intervals> onRound(const Round& c, const Piece& p, double tol) {
  auto onCircle = [&](double x, double y) { return std::fabs(std::hypot(x - c.cx, y - c.cy) - c.r) <= tol; };
  if (!onCircle(p.x1, p.y1) || !onCircle(p.x2, p.y2)) return std::nullopt;
  double a = angleFrom(c, p.x1, p.y1), b = angleFrom(c, p.x2, p.y2);
  if (a > b) std::swap(a, b);
  const double tolDeg = tol / std::max(c.r, 1e-300) / kDegree;
  Intervals out;
  if (b - a <= 180) {
    if (b - a > kMaxArcPieceDegrees) return std::nullopt;
    out.emplace_back(a, b);
  } else {
    // The piece runs through the start direction.
    if (360 - (b - a) > kMaxArcPieceDegrees) return std::nullopt;
    out.emplace_back(b, 360);
    out.emplace_back(0, a);
  }
  if (!c.full)
    for (auto& [lo, hi] : out) {
      // Just below 360 is just before the arc's start.
      if (lo >= 360 - tolDeg) lo -= 360, hi -= 360;
      if (lo < -tolDeg || hi > c.span + tolDeg) return std::nullopt;
    }
  return out;
}

bool ellipseIs(const Round& c, const TrcChartItem& e, double tol) {
  return c.full && std::fabs(e.x - c.cx) <= tol && std::fabs(e.y - c.cy) <= tol && std::fabs(e.x2 - c.r) <= tol &&
         std::fabs(e.y2 - c.r) <= tol;
}

// ----- one figure -------------------------------------------------------------

std::string num(double v) {
  std::ostringstream s;
  s.precision(10);
  s << v;
  return s.str();
}

std::string pieceText(const Piece& p) {
  return "(" + num(p.x1) + "|" + num(p.y1) + ")-(" + num(p.x2) + "|" + num(p.y2) + ") colour " + num(p.color) +
         " width " + std::to_string(p.width);
}

// Whether an item of the picture belongs to the figure.
bool pieceBelongs(const Figure& f, const Piece& p, const Picture& pic, double tol) {
  if (!penOf(f, p.color, p.width)) return false;
  if (const auto st = straightOf(f.shape, pic)) return onStraight(*st, p, tol).has_value();
  if (const auto c = roundOf(f.shape)) return onRound(*c, p, tol).has_value();
  return false;
}

bool itemBelongs(const Figure& f, const TrcChartItem& it, double tol) {
  if (!penOf(f, it.Color, it.LWid)) return false;
  if (const auto* m = std::get_if<Mark>(&f.shape))
    return it.ItemKind == TrcItem::tkMarkAt && std::fabs(it.x - m->x) <= tol && std::fabs(it.y - m->y) <= tol &&
           (!m->code || *m->code == it.MarkOrAlign);
  if (const auto* t = std::get_if<Text>(&f.shape))
    return (it.ItemKind == TrcItem::tkText || it.ItemKind == TrcItem::tkTextOfs) && std::fabs(it.x - t->x) <= tol &&
           std::fabs(it.y - t->y) <= tol && it.text() == t->text;
  if (const auto c = roundOf(f.shape)) return it.ItemKind == TrcItem::tkEllipse && ellipseIs(*c, it, tol);
  return false;
}

testing::AssertionResult drawn(const Picture& pic, const Figure& f, double tol) {
  const std::string what = Describe(f);
  if (std::holds_alternative<Mark>(f.shape) || std::holds_alternative<Text>(f.shape)) {
    const auto& items = std::holds_alternative<Mark>(f.shape) ? pic.marks : pic.texts;
    for (const TrcChartItem* it : items)
      if (itemBelongs(f, *it, tol)) return testing::AssertionSuccess() << "draws " << what;
    return testing::AssertionFailure() << "no " << what << " among " << items.size() << " such items";
  }
  if (const auto st = straightOf(f.shape, pic)) {
    Intervals iv;
    for (const Piece& p : pic.pieces)
      if (penOf(f, p.color, p.width))
        if (const auto on = onStraight(*st, p, tol)) iv.push_back(*on);
    if (iv.empty()) return testing::AssertionFailure() << "no piece of " << what;
    if (st->needLo > st->needHi) return testing::AssertionSuccess() << "draws " << what << " (outside the view)";
    if (const auto gap = firstGap(iv, st->needLo, st->needHi, tol))
      return testing::AssertionFailure() << what << ": " << iv.size() << " pieces lie on it, but it is not drawn from "
                                         << num(*gap) << " of " << num(st->needLo) << " .. " << num(st->needHi);
    return testing::AssertionSuccess() << "draws " << what;
  }
  if (const auto c = roundOf(f.shape)) {
    for (const TrcChartItem* e : pic.ellipses)
      if (penOf(f, e->Color, e->LWid) && ellipseIs(*c, *e, tol)) return testing::AssertionSuccess() << "draws " << what;
    Intervals iv;
    for (const Piece& p : pic.pieces)
      if (penOf(f, p.color, p.width))
        if (const auto on = onRound(*c, p, tol)) iv.insert(iv.end(), on->begin(), on->end());
    if (iv.empty()) return testing::AssertionFailure() << "no piece of " << what;
    const double tolDeg = tol / std::max(c->r, 1e-300) / kDegree;
    if (const auto gap = firstGap(iv, 0, c->span, tolDeg))
      return testing::AssertionFailure() << what << ": " << iv.size() << " pieces lie on it, but it is not drawn from "
                                         << num(c->from + *gap) << " degrees on";
    return testing::AssertionSuccess() << "draws " << what;
  }
  return testing::AssertionFailure() << "a degenerate figure: " << what;
}

}  // namespace

std::string Describe(const Figure& f) {
  std::string s = std::visit(
      [](const auto& v) -> std::string {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, Circle>)
          return "circle (" + num(v.cx) + "|" + num(v.cy) + ") r " + num(v.r);
        else if constexpr (std::is_same_v<T, Arc>)
          return "arc (" + num(v.cx) + "|" + num(v.cy) + ") r " + num(v.r) + " from " + num(v.from) + " to " +
                 num(v.to) + " degrees";
        else if constexpr (std::is_same_v<T, Line>)
          return "line " + num(v.a) + "x + " + num(v.b) + "y = " + num(v.c);
        else if constexpr (std::is_same_v<T, Segment>)
          return "segment (" + num(v.x1) + "|" + num(v.y1) + ")-(" + num(v.x2) + "|" + num(v.y2) + ")";
        else if constexpr (std::is_same_v<T, Ray>)
          return "ray from (" + num(v.x) + "|" + num(v.y) + ") towards (" + num(v.dx) + "|" + num(v.dy) + ")";
        else if constexpr (std::is_same_v<T, Mark>)
          return "mark at (" + num(v.x) + "|" + num(v.y) + ")" + (v.code ? " code " + std::to_string(*v.code) : "");
        else
          return "text \"" + v.text.toStdString() + "\" at (" + num(v.x) + "|" + num(v.y) + ")";
      },
      f.shape);
  if (f.color) s += " colour " + num(*f.color);
  if (f.width) s += " width " + std::to_string(*f.width);
  return s;
}

std::vector<Figure> Axes(const TVIrada& chart) {
  return {{Line{0, 1, 0}, chart.ChartFrameColor(), 1}, {Line{1, 0, 0}, chart.ChartFrameColor(), 1}};
}

testing::AssertionResult Draws(const TVIrada& chart, const Figure& f, double tol) {
  return drawn(read(chart), f, tol);
}

testing::AssertionResult DrawsExactly(const TVIrada& chart, std::span<const Figure> figures, double tol) {
  const Picture pic = read(chart);
  std::vector<std::string> faults;
  for (const Figure& f : figures)
    if (const auto r = drawn(pic, f, tol); !r) faults.push_back(r.message());
  for (const Piece& p : pic.pieces)
    if (std::none_of(figures.begin(), figures.end(), [&](const Figure& f) { return pieceBelongs(f, p, pic, tol); }))
      faults.push_back("a piece of no figure: " + pieceText(p));
  for (const auto* list : {&pic.marks, &pic.texts, &pic.ellipses})
    for (const TrcChartItem* it : *list)
      if (std::none_of(figures.begin(), figures.end(), [&](const Figure& f) { return itemBelongs(f, *it, tol); }))
        faults.push_back("an item of no figure: kind " + std::to_string(int(it->ItemKind)) + " at (" + num(it->x) +
                         "|" + num(it->y) + ") colour " + num(it->Color));
  for (const TrcChartItem* it : pic.others)
    faults.push_back("an item of no figure: kind " + std::to_string(int(it->ItemKind)));
  if (faults.empty()) return testing::AssertionSuccess();
  auto r = testing::AssertionFailure();
  const std::size_t shown = std::min<std::size_t>(faults.size(), 8);
  for (std::size_t i = 0; i < shown; ++i) r << "\n  " << faults[i];
  if (faults.size() > shown) r << "\n  ... and " << faults.size() - shown << " more";
  return r;
}

}  // namespace zw::figures
