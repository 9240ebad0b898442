#include "topics/solids/SolidSketches.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <numbers>

#include "charts/ChartDraw.h"

namespace zw {

namespace {

constexpr double Pi = std::numbers::pi;

// A sketch in its own units: `map` gives the pixel of a point, each
// coordinate truncated toward zero.
class Sketch {
public:
  using Map = std::function<QPointF(double x, double y)>;
  Sketch(QPainter& p, const SketchInput& in, Map map) : p_(p), in_(in), map_(std::move(map)), cursor_(p) {
    p_.fillRect(0, 0, in.side, in.side, ToQColor(clBtnFace));
    p_.setBrush(Qt::NoBrush);
  }
  QPoint at(double x, double y) const {
    const QPointF f = map_(x, y);
    return QPoint(static_cast<int>(std::trunc(f.x())), static_cast<int>(std::trunc(f.y())));
  }
  // Graph colour n (1 to 4).
  QColor color(int n) const { return in_.colors[static_cast<std::size_t>(n - 1)]; }
  // Width 2 when quantity field n (1 to 4) is filled.
  int thick(int n) const { return in_.filled[static_cast<std::size_t>(n - 1)] ? 2 : 1; }
  bool filled(int n) const { return in_.filled[static_cast<std::size_t>(n - 1)]; }
  void pen(const QColor& c, int width, Qt::PenStyle style = Qt::SolidLine) {
    style_ = style;
    p_.setPen(ChartPen(c, width, style));
  }
  Qt::PenStyle style() const { return style_; }
  void line(QPoint a, QPoint b) { draw::Line(p_, a.x(), a.y(), b.x(), b.y()); }
  void line(double x0, double y0, double x1, double y1) { line(at(x0, y0), at(x1, y1)); }
  // A chain of lines through the points.
  void chain(std::initializer_list<QPointF> pts) {
    bool first = true;
    for (const QPointF& q : pts) {
      const QPoint px = at(q.x(), q.y());
      if (first)
        cursor_.moveTo(px.x(), px.y());
      else
        cursor_.lineTo(px.x(), px.y());
      first = false;
    }
  }
  void moveTo(QPoint px) { cursor_.moveTo(px.x(), px.y()); }
  void lineTo(QPoint px) { cursor_.lineTo(px.x(), px.y()); }
  // The arc of the ellipse in the box (x1, y1)-(x2, y2) from the ray through
  // (x3, y3) to the ray through (x4, y4), all in sketch units.
  void arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    const QPoint a = at(x1, y1), b = at(x2, y2), c = at(x3, y3), d = at(x4, y4);
    draw::Arc(p_, a.x(), a.y(), b.x(), b.y(), c.x(), c.y(), d.x(), d.y());
  }
  QPainter& painter() { return p_; }

private:
  QPainter& p_;
  const SketchInput& in_;
  Map map_;
  PenCursor cursor_;
  Qt::PenStyle style_ = Qt::SolidLine;
};

QPoint mid(QPoint a, QPoint b) { return QPoint((a.x() + b.x()) / 2, (a.y() + b.y()) / 2); }

// ----- the Platonic solids ----------------------------------------------------

void tetra(Sketch& k) {
  const QPointF A(0, 4.3), B(0.8, 0), C(10, 4.3), D(3.6, 10), F(3.6, 2.7);
  const auto P = [&k](QPointF q) { return k.at(q.x(), q.y()); };
  k.pen(k.color(1), 1, Qt::DotLine);
  k.line(P(A), P(C));  // the hidden base edge
  k.pen(k.color(1), 1);
  k.line(P(A), P(B));
  k.line(P(C), P(D));
  k.line(P(D), P(A));
  k.line(P(B), P(D));
  k.pen(k.color(1), k.thick(1));
  k.line(P(B), P(C));  // a
  k.pen(k.color(2), 1, Qt::DotLine);
  k.line(P(B), mid(P(A), P(C)));
  k.line(P(C), mid(P(A), P(B)));
  k.pen(k.color(2), k.thick(2), Qt::DotLine);
  k.line(P(A), mid(P(B), P(C)));  // h1
  k.pen(k.color(3), k.thick(3), Qt::DotLine);
  k.line(P(F), P(D));  // h2
  if (k.filled(4)) {
    k.pen(k.color(4), 2, Qt::DotLine);
    k.line(P(A), QPoint(P(F).x(), (2 * P(F).y() + P(D).y()) / 3));  // ru
  }
}

void hexa(Sketch& k) {
  k.pen(k.color(1), 1, Qt::DashLine);
  k.chain({{0, 0}, {3, 3}, {10, 3}});  // the three hidden edges
  k.chain({{3, 3}, {3, 10}});
  k.pen(k.color(1), 1);
  k.chain({{0, 7}, {0, 0}, {7, 0}, {7, 7}, {0, 7}, {3, 10}, {10, 10}, {10, 3}, {7, 0}});
  k.chain({{7, 7}, {10, 10}});
  k.pen(k.color(1), k.thick(1));
  k.line(0, 0, 7, 0);  // a
  k.pen(k.color(2), k.thick(2), Qt::DotLine);
  k.line(3, 3, 7, 0);  // d1
  k.pen(k.color(3), k.thick(3), Qt::DotLine);
  k.line(3, 3, 7, 7);  // d2
  if (k.filled(4)) {
    k.pen(k.color(4), 2, Qt::DotLine);
    k.line(k.at(0, 7), mid(k.at(3, 3), k.at(7, 7)));  // ru
  }
}

void okta(Sketch& k) {
  const QPointF L(-4.5, -0.5), R(4.5, 0.5), K(-1.5, 2), F(1.5, -2), T(0, 4.2), U(0, -4.2);
  k.pen(k.color(1), 1, Qt::DotLine);
  k.chain({L, K, R});  // the four hidden edges
  k.chain({U, K, T});
  k.pen(k.color(1), 1);
  k.chain({L, T, R, U, L});
  k.chain({L, F, R});
  k.chain({U, F, T});
  k.pen(k.color(1), k.thick(1));
  k.chain({L, F});  // a
  k.pen(k.color(2), k.thick(2), Qt::DotLine);
  k.chain({{3, -0.75}, T});  // h1, from the middle of F and R
  k.pen(k.color(3), 1, Qt::DotLine);
  k.chain({L, R});  // the two horizontal diagonals
  k.chain({K, F});
  k.pen(k.color(3), k.thick(3), Qt::DotLine);
  k.chain({U, T});  // h2
  if (k.filled(4)) {
    k.pen(k.color(4), 2, Qt::DotLine);
    k.chain({L, {0, 0}});  // ru
  }
}

constexpr QPointF kDodekaOutline[10] = {{1.6, 2.6}, {4.5, 0.6},  {8.4, 0.5}, {11.1, 3.0}, {12.6, 6.0},
                                        {11.2, 10.0}, {8.5, 11.7}, {4.5, 12.0}, {1.7, 9.4},  {0.1, 6.4}};
constexpr QPointF kDodekaFront[5] = {{4.0, 3.3}, {8.1, 2.0}, {11.2, 5.5}, {8.1, 9.0}, {4.0, 7.6}};
constexpr QPointF kDodekaBack[5] = {{4.7, 3.5}, {8.8, 4.9}, {8.9, 9.1}, {4.8, 10.5}, {2.2, 7.0}};

void dodeka(Sketch& k) {
  const auto P = [&k](QPointF q) { return k.at(q.x(), q.y()); };
  // A closed ring from its last point through all of them.
  const auto ring = [&](const QPointF* pts, int n) {
    k.moveTo(P(pts[n - 1]));
    for (int i = 0; i < n; ++i) k.lineTo(P(pts[i]));
  };
  k.pen(k.color(1), 1);
  ring(kDodekaOutline, 10);
  ring(kDodekaFront, 5);
  for (int i = 0; i < 5; ++i) k.line(P(kDodekaFront[i]), P(kDodekaOutline[2 * i]));
  k.pen(k.color(1), 1, Qt::DotLine);  // the hidden edges
  ring(kDodekaBack, 5);
  for (int i = 0; i < 5; ++i) k.line(P(kDodekaBack[i]), P(kDodekaOutline[2 * i + 1]));
  const QPointF f1 = kDodekaFront[0], f2 = kDodekaFront[1], f4 = kDodekaFront[3];
  if (k.filled(1)) {
    k.pen(k.color(1), 2, Qt::DotLine);
    k.line(P(f1), P(f2));  // a
  }
  k.pen(k.color(2), k.thick(2), Qt::DotLine);
  k.line(P(f2), P(f4));  // d
  k.pen(k.color(3), k.thick(3), Qt::DotLine);
  k.line(P((f1 + f2) / 2), P(f4));  // h
  if (k.filled(4)) {
    k.pen(k.color(4), 2, Qt::DotLine);
    k.line(P(kDodekaOutline[9]), k.at(6.45, 6.23));  // ru
  }
}

constexpr QPointF kIkosaPoints[12] = {{0.2, 3.5}, {5.4, 3.0},  {11.7, 3.4}, {10.5, 4.2}, {3.5, 4.2}, {0.7, 10.0},
                                      {2.0, 9.1}, {9.0, 9.1},  {12.2, 10.0}, {7.0, 10.5}, {6.3, 0.0}, {6.3, 13.5}};

void ikosa(Sketch& k) {
  const auto P = [&k](int i) { return k.at(kIkosaPoints[i - 1].x(), kIkosaPoints[i - 1].y()); };
  // Edges at the back vertices P4, P5 and P10 are dotted.
  int from = 0;
  QColor color;
  int width = 1;
  const auto moveTo = [&](int i) {
    from = i;
    k.moveTo(P(i));
  };
  const auto lineTo = [&](int j) {
    const auto back = [](int i) { return i == 4 || i == 5 || i == 10; };
    k.pen(color, width, back(from) || back(j) ? Qt::DotLine : Qt::SolidLine);
    k.lineTo(P(j));
    from = j;
  };
  const auto path = [&](std::initializer_list<int> pts) {
    bool first = true;
    for (int i : pts) {
      if (first)
        moveTo(i);
      else
        lineTo(i);
      first = false;
    }
  };
  color = k.color(1);
  path({5, 1, 2, 3, 4, 5});
  path({10, 6, 7, 8, 9, 10});
  path({1, 7, 2, 8, 3, 9, 4, 10, 5, 6, 1});
  for (int i = 1; i <= 5; ++i) path({11, i});
  for (int j = 6; j <= 10; ++j) path({12, j});
  if (k.filled(1)) {
    width = 2;
    path({7, 8});  // a
  }
  const QPointF m89 = (kIkosaPoints[7] + kIkosaPoints[8]) / 2;
  k.pen(k.color(2), k.thick(2));
  k.line(k.at(m89.x(), m89.y()), P(12));  // h1
  k.pen(k.color(3), k.thick(3), Qt::DotLine);
  k.line(P(11), P(12));  // h2
  if (k.filled(4)) {
    k.pen(k.color(4), 2, Qt::DotLine);
    k.line(P(8), k.at(6.45, 6.23));  // ru
  }
}

// ----- the solids given by two quantities -------------------------------------

// The ellipse in the box x 1 .. 11, y low .. high: its front half (through
// the lower side) solid, its back half dotted, in the current colour.
void baseEllipse(Sketch& k, const QColor& c, int width, double low, double high) {
  const double y = (low + high) / 2;
  k.pen(c, width);
  k.arc(1, high, 11, low, 1, y, 11, y);
  k.pen(c, width, Qt::DotLine);
  k.arc(1, high, 11, low, 11, y, 1, y);
}

void cone(Sketch& k) {
  k.pen(k.color(1), k.thick(1));
  k.line(1, 2, 6, 2);  // r
  k.pen(k.color(2), k.thick(2));
  k.line(6, 11, 6, 2);  // h
  k.pen(k.color(3), k.thick(3));
  k.line(6, 11, 1, 2);  // s
  k.pen(Qt::black, 1);
  k.line(6, 11, 11, 2);
  baseEllipse(k, Qt::black, 1, 1, 3);
}

void cylinder(Sketch& k) {
  k.pen(Qt::black, 1);
  k.arc(1, 11, 11, 9, 11, 10, 11, 10);  // the whole top ellipse
  k.line(1, 10, 1, 2);
  k.line(11, 10, 11, 2);
  k.pen(k.color(1), k.thick(1));
  k.line(1, 2, 6, 2);  // r
  k.line(1, 10, 6, 10);
  k.pen(k.color(2), k.thick(2));
  k.line(6, 10, 6, 2);  // h
  baseEllipse(k, k.color(3), k.thick(3), 1, 3);  // u
}

void pyramid(Sketch& k) {
  k.pen(k.color(1), k.thick(1));
  k.line(1, 1, 7, 1);  // a
  k.pen(k.color(2), k.thick(2));
  k.line(1, 1, 5.5, 10);  // s
  k.pen(k.color(3), k.thick(3));
  k.line(5.5, 2, 5.5, 10);  // h1
  k.pen(k.color(4), k.thick(4));
  k.line(8.5, 2, 5.5, 10);  // h2
  k.pen(Qt::black, 1);
  k.chain({{7, 1}, {10, 3}, {5.5, 10}, {7, 1}});
  k.pen(Qt::black, 1, Qt::DotLine);
  k.chain({{1, 1}, {10, 3}, {4, 3}, {1, 1}});
  k.chain({{7, 1}, {4, 3}, {5.5, 10}});
}

void prism(Sketch& k, int n, int side) {
  // Base vertex i of an oblique view of the prism of circumradius 1 and
  // height 1; vertex n is vertex 0 again.
  const double d = side;
  const auto vertex = [&](int i, double z) {
    const double t = Pi / n - Pi / 2 + 2 * Pi * i / n;
    const double c = std::cos(t), s = std::sin(t);
    return QPoint(static_cast<int>(std::trunc((c + s * std::sqrt(3.0) / 4) / 2.4 * d + d / 2)),
                  static_cast<int>(std::trunc(3 * d / 4 - (z + s / 4) / 2 * d)));
  };
  const QPoint centre(static_cast<int>(std::trunc(d / 2)), static_cast<int>(std::trunc(3 * d / 4)));
  const auto back = [&](int i) { return vertex(i, 0).x() < vertex(i - 1, 0).x(); };
  k.pen(k.color(1), 1);
  for (int i = 1; i <= n; ++i) {
    k.pen(k.color(1), 1, back(i) ? Qt::DotLine : Qt::SolidLine);
    k.line(vertex(i - 1, 0), vertex(i, 0));
  }
  k.pen(k.color(1), 1);
  k.moveTo(vertex(0, 1));
  for (int i = 1; i <= n; ++i) k.lineTo(vertex(i, 1));
  if (k.filled(1)) {
    k.pen(k.color(1), 2);
    k.line(vertex(0, 0), vertex(1, 0));  // a
  }
  for (int i = 1; i <= n; ++i) {
    if (back(i)) {
      k.pen(k.color(2), 1, Qt::DotLine);
      k.line(vertex(i, 0), vertex(i, 1));
    } else {
      k.pen(k.color(2), 1);
      k.line(vertex(i, 0), vertex(i, 1));
      k.line(vertex(i - 1, 0), vertex(i - 1, 1));
    }
  }
  if (k.filled(2)) {
    k.pen(k.color(2), 2, k.style());
    k.line(vertex(0, 0), vertex(0, 1));  // h
  }
  if (k.filled(3)) {
    k.pen(k.color(3), 2, Qt::DotLine);
    k.line(vertex(n - 1, 0), centre);  // ru
  }
  if (k.filled(4)) {
    k.pen(k.color(4), 2, Qt::DotLine);
    k.line(mid(vertex(0, 0), vertex(1, 0)), centre);  // ri
  }
}

}  // namespace

void DrawPlatonicSketch(QPainter& p, Platonic solid, const SketchInput& in) {
  const double s = in.side;
  switch (solid) {
    case Platonic::Tetra:
    case Platonic::Hexa: {
      Sketch k(p, in, [s](double x, double y) { return QPointF(0.1 * s + x / 12 * s, 0.9 * s - y / 12 * s); });
      solid == Platonic::Tetra ? tetra(k) : hexa(k);
      break;
    }
    case Platonic::Okta: {
      Sketch k(p, in, [s](double x, double y) { return QPointF(x / 12 * s + s / 2, s / 2 - y / 12 * s); });
      okta(k);
      break;
    }
    case Platonic::Dodeka: {
      Sketch k(p, in, [s](double x, double y) { return QPointF(s / 15 + x / 15 * s, 0.9 * s - y / 15 * s); });
      dodeka(k);
      break;
    }
    case Platonic::Ikosa: {
      Sketch k(p, in, [s](double x, double y) { return QPointF(s / 15 + x / 15 * s, 0.9 * s - y / 16 * s); });
      ikosa(k);
      break;
    }
  }
}

void DrawSphereSketch(QPainter& p, const SketchInput& in) {
  const double s = in.side;
  Sketch k(p, in, [s](double x, double y) { return QPointF(x / 2.4 * s + s / 2, s / 2 - y / 2.4 * s); });
  k.pen(k.color(1), 1);
  k.line(0, 0, 1, 0);  // r
  k.pen(k.color(2), 1);
  k.line(0, 1, 0, -1);  // d
  k.pen(k.color(3), 1, Qt::DotLine);
  k.arc(-1, 0.25, 1, -0.25, 1, 0, -1, 0);  // the hidden half of the equator
  k.pen(Qt::black, 1);
  for (int i = -3; i <= 5; ++i) {  // the visible halves of nine parallels
    const double c = std::cos(i * Pi / 12), h = std::sin(i * Pi / 12);
    k.arc(-c, h + c / 4, c, h - c / 4, -c, h, c, h);
  }
  for (int i = 0; i <= 6; ++i) {  // seven meridians
    const double c = std::cos(i * Pi / 12 + Pi / 24);
    k.arc(-c, 1, c, -1, 0, 1, 0, -1);
    k.arc(-c, 1, c, -1, 0, -1, 0, 1);
  }
  k.pen(k.color(3), 1);
  k.arc(-1, 0.25, 1, -0.25, -1, 0, 1, 0);  // the visible half of the equator
}

void DrawTwoQuantitySketch(QPainter& p, TwoQuantitySolid solid, const SketchInput& in) {
  const double s = in.side;
  // Cone and cylinder span 12 units, the pyramid 11; y grows upwards.
  const double units = solid == TwoQuantitySolid::Pyramid ? 11 : 12;
  Sketch k(p, in, [s, units](double x, double y) { return QPointF(x / units * s, s - y / units * s); });
  switch (solid) {
    case TwoQuantitySolid::Cone: cone(k); break;
    case TwoQuantitySolid::Cylinder: cylinder(k); break;
    case TwoQuantitySolid::Pyramid: pyramid(k); break;
    case TwoQuantitySolid::Prism: prism(k, std::clamp(in.n, 3, 99), in.side); break;
  }
}

}  // namespace zw
