#include "topics/plane/Tang.h"

#include <cmath>

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "kernel/Geometry.h"
#include "kernel/TextSigns.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

namespace {

QString F(Extended x) { return Q(FormatReal(6, x)); }
QString Sub(int i) { return Q(ksym::SubScriptDigits(i)); }
QString Pt(const QString& name, const TVec2& p) { return name + "(" + F(p.x) + "|" + F(p.y) + ")"; }
QString Eq(const TDrei& l) { return Q(FormatLineEquationRec(l)); }
QString TangentLine(int j, const TDrei& t) { return "  t" + Sub(j) + ": " + Eq(t); }
QString TouchLine(int j, const TVec2& p) {
  return "  k " + QString::fromStdU16String(ksym::IntersectionSign) + " t" + Sub(j) + " = " + Pt("B" + Sub(j), p);
}
QString TouchPointLabel(int i, int j) {
  return "  k" + Sub(i) + " " + QString::fromStdU16String(ksym::IntersectionSign) + " t" + Sub(j) + " = ";
}
// Intersections of a line with a circle that must meet it.
void Meet(const TDrei& l, const TVec2& m, Extended r, TVec2& s1, TVec2& s2) {
  Extended D = 0;
  IntersectLineCircle(m, s1, s2, r, l.a, l.b, l.c, D);
  if (!(D >= 0)) throw CalcFailure(5);
}
TDrei Polar(const TVec2& p, const TVec2& m, Extended r) {
  const Extended a = p.x - m.x, b = p.y - m.y;
  return {a, b, r * r + a * m.x + b * m.y};
}
TVec2 Add(const TVec2& a, const TVec2& b) { return {a.x + b.x, a.y + b.y}; }
TVec2 Minus(const TVec2& a, const TVec2& b) { return {a.x - b.x, a.y - b.y}; }
TVec2 Times(Extended k, const TVec2& a) { return {k * a.x, k * a.y}; }

void AtPoint(TangResult& res, const TVec2& m, const TVec2& b, const QString& prefix, const TextMeasurer& font) {
  res.r = Dist2(m, b);
  if (!(res.r > 0)) throw CalcFailure(5);
  res.polare = Polar(b, m, res.r);
  res.shown[1] = true;
  res.s[1] = b;
  res.memo << prefix << QString();
  AppendHeading(res.memo, font, GetText(ITang, 11));
  res.memo << "  t: " + Eq(res.polare);
}

}  // namespace

TangResult SolveTangents(const TangInput& in, const TextMeasurer& font) {
  TangResult res;
  res.task = in.task;
  res.m = in.m;
  res.r = in.r;
  AppendHeading(res.memo, font, GetMessageText(26) + ":");
  const QString k = "k : M(" + F(in.m.x) + " | " + F(in.m.y) + ") ,   r =";
  switch (in.task) {
    case 1:
      res.task = 1;
      AtPoint(res, in.m, in.q, "k : M(" + F(in.m.x) + " | " + F(in.m.y) + ") ,   r =" + F(Dist2(in.m, in.q)) +
                                     " ,    B(" + F(in.q.x) + " | " + F(in.q.y) + ")", font);
      break;
    case 2: {
      res.p = in.q;
      const Extended mp = Dist2(in.m, in.q);
      if (!(mp > 0)) throw CalcFailure(5);
      const QString prefix = k + F(in.r) + " ,    P(" + F(in.q.x) + " | " + F(in.q.y) + ")";
      if (mp == in.r) {
        res.task = 1;  // P on k: the tangent at P
        AtPoint(res, in.m, in.q, prefix, font);
        break;
      }
      res.position = mp > in.r ? 1 : -1;
      Midpoint2(in.m, in.q, res.m2);
      res.r2 = Dist2(in.m, res.m2);
      res.polare = Polar(in.q, in.m, in.r);
      res.memo << prefix << QString();
      if (res.position > 0) {
        Meet(res.polare, in.m, in.r, res.s[1], res.s[2]);
        LineThrough2(in.q, res.s[1], res.t[1]);
        LineThrough2(in.q, res.s[2], res.t[2]);
        res.shown[1] = res.shown[2] = true;
        AppendHeading(res.memo, font, GetText(ITang, 12));
        res.memo << TangentLine(1, res.t[1]) << TangentLine(2, res.t[2]) << QString();
        AppendHeading(res.memo, font, GetText(ITang, 10));
        res.memo << TouchLine(1, res.s[1]) << TouchLine(2, res.s[2]) << QString();
        AppendHeading(res.memo, font, GetText(ITang, 6));
        res.memo << "  p : " + Eq(res.polare);
      } else {
        AppendHeading(res.memo, font, GetText(ITang, 7));
        AppendHeading(res.memo, font, GetText(ITang, 6));
        res.memo << "  p: " + Eq(res.polare);
      }
      break;
    }
    case 3: {
      if (in.g.a == 0 && in.g.b == 0) throw CalcFailure(10);
      res.g = in.g;
      TangentLineRecord(in.m, in.g, res.lot);
      Meet(res.lot, in.m, in.r, res.s[1], res.s[2]);
      TangentLineRecord(res.s[1], res.lot, res.t[1]);
      TangentLineRecord(res.s[2], res.lot, res.t[2]);
      res.shown[1] = res.shown[2] = true;
      res.memo << "  " + k + F(in.r) + " ,      g : " + Eq(in.g) << QString();
      AppendHeading(res.memo, font, GetText(ITang, 13));
      res.memo << TangentLine(1, res.t[1]) << TangentLine(2, res.t[2]) << QString();
      AppendHeading(res.memo, font, GetText(ITang, 10));
      res.memo << TouchLine(1, res.s[1]) << TouchLine(2, res.s[2]) << QString();
      AppendHeading(res.memo, font, GetText(ITang, 9));
      res.memo << "  Lot: " + Eq(res.lot);
      break;
    }
    default: {
      res.task = 4;
      TVec2 m1 = in.m, m2 = in.q;
      Extended r1 = in.r, r2 = in.r2;
      if (m1.x == m2.x && m1.y == m2.y && r1 == r2) throw CalcFailure(52);
      if (r1 < r2) {  // k1 is the larger circle from here on
        std::swap(m1, m2);
        std::swap(r1, r2);
      }
      res.m = m1, res.r = r1, res.m2 = m2, res.r2 = r2;
      Midpoint2(m1, m2, res.m3);
      const Extended mm = res.mm = Dist2(m1, m2);
      res.memo << "  k" + Sub(1) + " : " + Pt("M", m1) + " ,   r =" + F(r1)
               << "  k" + Sub(2) + " : " + Pt("M", m2) + " ,   r =" + F(r2) << QString();
      if (mm < r1 - r2) {
        res.position = -1;
        res.memo << GetText(ITang, 8);
        break;
      }
      if (mm == r1 - r2) {
        res.position = 0;
        const TVec2 d = Minus(m2, m1);
        res.b[1] = Add(m1, Times(r1 / Length2(d), d));
        LineThroughPointNormal(res.b[1], TDrei{d.x, d.y, 0}, res.t[1]);
        res.shown[1] = true;
        AppendHeading(res.memo, font, GetText(ITang, 14));
        res.memo << TangentLine(1, res.t[1]) << QString();
        AppendHeading(res.memo, font, GetText(ITang, 10));
        res.memo << TouchPointLabel(1, 1) + Pt("B" + Sub(1), res.b[1]);
        break;
      }
      // Outer tangents.
      if (r1 != r2) {
        const TDrei pol = Polar(m2, m1, r1 - r2);
        Meet(pol, m1, r1 - r2, res.s[1], res.s[2]);
        for (int i = 1; i <= 2; ++i) {
          TVec2 v;
          ScaleToLength2(Minus(res.s[std::size_t(i)], m1), v, r2);
          res.b[std::size_t(i)] = Add(res.s[std::size_t(i)], v);
          res.b[std::size_t(i + 2)] = Add(m2, v);
          LineThrough2(res.b[std::size_t(i)], res.b[std::size_t(i + 2)], res.t[std::size_t(i)]);
        }
      } else {
        TVec2 n, nn;
        LineDirection(TDrei{m2.x - m1.x, m2.y - m1.y, 0}, n);
        ScaleToLength2(n, nn, r1);
        res.b[1] = Add(m1, nn), res.b[3] = Add(m2, nn);
        res.b[2] = Minus(m1, nn), res.b[4] = Minus(m2, nn);
        LineThrough2(res.b[1], res.b[3], res.t[1]);
        LineThrough2(res.b[2], res.b[4], res.t[2]);
      }
      res.shown[1] = res.shown[2] = true;
      res.position = 1;
      if (mm == r1 + r2) {
        res.position = 2;
        res.b[0] = Times(1 / (r1 + r2), Add(Times(r2, m1), Times(r1, m2)));
        res.t[3] = Polar(res.b[0], m1, r1);
        res.shown[3] = true;
      } else if (mm > r1 + r2) {
        res.position = 3;
        const TDrei pol = Polar(m2, m1, r1 + r2);
        Meet(pol, m1, r1 + r2, res.s[3], res.s[4]);
        for (int i = 3; i <= 4; ++i) {
          const TVec2 v = Times(r1 / (r1 + r2) - 1, Minus(res.s[std::size_t(i)], m1));
          res.b[std::size_t(i + 2)] = Add(res.s[std::size_t(i)], v);
          res.b[std::size_t(i + 4)] = Add(m2, v);
          LineThrough2(res.b[std::size_t(i + 2)], res.b[std::size_t(i + 4)], res.t[std::size_t(i)]);
        }
        res.shown[3] = res.shown[4] = true;
      }
      AppendHeading(res.memo, font, GetText(ITang, mm > r1 + r2 ? 15 : 14));
      res.memo << TangentLine(1, res.t[1]) << TangentLine(2, res.t[2]);
      if (res.position >= 2) {
        res.memo << QString();
        AppendHeading(res.memo, font, GetText(ITang, 16));
        res.memo << TangentLine(3, res.t[3]);
        if (res.position == 3) res.memo << TangentLine(4, res.t[4]);
      }
      res.memo << QString();
      AppendHeading(res.memo, font, GetText(ITang, 10));
      res.memo << TouchPointLabel(1, 1) + Pt("B" + Sub(1), res.b[1]) << TouchPointLabel(1, 2) + Pt("B" + Sub(2), res.b[2])
               << TouchPointLabel(2, 1) + Pt("B" + Sub(3), res.b[3]) << TouchPointLabel(2, 2) + Pt("B" + Sub(4), res.b[4]);
      if (res.position == 2) res.memo << TouchPointLabel(1, 3) + Pt("B" + Sub(5), res.b[0]);
      if (res.position == 3)
        res.memo << TouchPointLabel(1, 3) + Pt("B" + Sub(5), res.b[5]) << TouchPointLabel(1, 4) + Pt("B" + Sub(6), res.b[6])
                 << TouchPointLabel(2, 3) + Pt("B" + Sub(7), res.b[7]) << TouchPointLabel(2, 4) + Pt("B" + Sub(8), res.b[8]);
      break;
    }
  }
  for (int j = 1; j <= 4; ++j)
    if (res.shown[std::size_t(j)])
      for (Extended v : {res.t[std::size_t(j)].a, res.t[std::size_t(j)].b, res.t[std::size_t(j)].c})
        if (!std::isfinite(v)) throw CalcFailure(5);
  return res;
}

void TangRange(const TangInput& in, const TangResult& res, Extended& xLo, Extended& yLo, Extended& xHi,
               Extended& yHi) {
  const TVec2 m = res.m;
  const Extended r = res.r;
  xLo = m.x - 2 * r, xHi = m.x + 2 * r, yLo = m.y - 2 * r, yHi = m.y + 2 * r;
  if (in.task == 2) {
    const TVec2 p = in.q;
    if (p.x < m.x - r) xLo = m.x - 1.5L * std::fabs(p.x - m.x);
    if (p.x > m.x + r) xHi = m.x + 1.5L * std::fabs(p.x - m.x);
    if (p.y < m.y - r) yLo = m.y - 1.5L * std::fabs(p.y - m.y);
    if (p.y > m.y + r) yHi = m.y + 1.5L * std::fabs(p.y - m.y);
  } else if (res.task == 4) {
    const TVec2 m2 = res.m2;
    const Extended r2 = res.r2;
    if (m.x - r > m2.x - r2) xLo = m2.x - 1.5L * r2;
    if (m.x + r < m2.x + r2) xHi = m2.x + 1.5L * r2;
    if (m.y - r > m2.y - r2) yLo = m2.y - 1.5L * r2;
    if (m.y + r < m2.y + r2) yHi = m2.y + 1.5L * r2;
  }
}

}  // namespace zw
