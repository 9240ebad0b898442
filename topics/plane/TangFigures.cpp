#include "topics/plane/TangFigures.h"

#include "kernel/Geometry.h"

namespace zw {

namespace {
constexpr TColor kBlack = 0;
}  // namespace

void DrawTangFigures(TVIrada& chart, const TangResult& r, const GraphPens& pens,
                     const std::array<bool, 5>& construction) {
  auto on = [&](int j) { return construction[std::size_t(j)]; };
  auto circle = [&](const TVec2& m, Extended radius, int i) {
    DrawCircle(chart, m, pens.color[std::size_t(i)], radius, pens.width[std::size_t(i)]);
  };
  auto line = [&](const TDrei& l, int i) {
    DrawLineABC(chart, pens.color[std::size_t(i)], pens.width[std::size_t(i)], l.a, l.b, l.c);
  };
  auto help = [&](const TDrei& l) { DrawLineABC(chart, kBlack, 1, l.a, l.b, l.c); };
  auto seg = [&](const TVec2& p, const TVec2& q) { DrawSegment(chart, p, q, kBlack, 1); };
  auto helpThrough = [&](const TVec2& p, const TVec2& q) {
    TDrei through;
    LineThrough2(p, q, through);
    help(through);
  };
  // The construction of tangent j of two circles: the auxiliary circle about
  // M1, the Thales circle, the radius to its touch point on k1 through the
  // auxiliary point, the radius of k2, and the parallel through M2.
  auto construct = [&](int j, Extended auxR, const TVec2& onK1, const TVec2& onK2) {
    DrawCircle(chart, r.m, kBlack, auxR, 1);
    DrawCircle(chart, r.m3, kBlack, r.mm / 2, 1);
    seg(r.s[std::size_t(j)], onK1);
    seg(r.m2, onK2);
    TDrei parallel;
    LineThroughPointNormal(r.m2, r.t[std::size_t(j)], parallel);
    help(parallel);
  };
  switch (r.task) {
    case 1:
      if (on(1)) DrawRay(chart, r.m, r.s[1], kBlack, 1);
      circle(r.m, r.r, 1);
      line(r.polare, 2);
      break;
    case 2:
      if (r.position > 0) {
        if (on(1) || on(2)) {
          helpThrough(r.s[1], r.s[2]);
          seg(r.p, r.m);
          DrawCircle(chart, r.m2, kBlack, r.r2, 1);
        }
        circle(r.m, r.r, 1);
        line(r.t[1], 2);
        line(r.t[2], 3);
      } else {
        circle(r.m, r.r, 1);
        line(r.polare, 4);
        chart.setDataColor(pens.color[4]);
        chart.setLineWidth(4);
        chart.MarkAt(double(r.p.x), double(r.p.y), 17);
        chart.Text(double(r.p.x), double(r.p.y), 8, QStringLiteral("P"), -10, -5, TAlignment::taLeftJustify);
      }
      break;
    case 3:
      if (on(1) || on(2)) help(r.lot);
      circle(r.m, r.r, 1);
      line(r.g, 2);
      line(r.t[1], 3);
      line(r.t[2], 4);
      break;
    default: {
      circle(r.m, r.r, 1);
      circle(r.m2, r.r2, 2);
      if (r.position < 0) break;
      if (r.position == 0) {
        if (on(1)) helpThrough(r.m, r.m2);
        line(r.t[1], 3);
        break;
      }
      for (int j = 1; j <= 2; ++j) {
        if (!on(j)) continue;
        if (r.r == r.r2) {
          seg(r.m, r.b[std::size_t(j)]);
          seg(r.m2, r.b[std::size_t(j + 2)]);
        } else {
          construct(j, r.r - r.r2, r.b[std::size_t(j)], r.b[std::size_t(j + 2)]);
        }
      }
      line(r.t[1], 3);
      line(r.t[2], 4);
      if (r.position == 2) {
        if (on(3)) helpThrough(r.m, r.m2);
        line(r.t[3], 5);
      } else if (r.position == 3) {
        for (int j = 3; j <= 4; ++j)
          if (on(j)) construct(j, r.r + r.r2, r.b[std::size_t(j + 2)], r.b[std::size_t(j + 4)]);
        line(r.t[3], 5);
        line(r.t[4], 6);
      }
      break;
    }
  }
  chart.setLineWidth(1);
}

}  // namespace zw
