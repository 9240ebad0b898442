#include "topics/plane/Drei2.h"

#include <cmath>
#include <algorithm>
#include <utility>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// Sides and angles under the cyclic renaming (a, b, c) := (b, c, a) with the
// angles alike; zt counts the renamings so the results go back to the user's
// names.
struct Labelled {
  std::array<Extended, 3> s{}, w{};
  int zt = 0;
  void rotate() {
    std::rotate(s.begin(), s.begin() + 1, s.end());
    std::rotate(w.begin(), w.begin() + 1, w.end());
    ++zt;
  }
};

// √x, where a difference of two squares of size `scale` that rounding
// left just below 0 counts as 0 (a side as long as the altitude).
Extended Root(Extended x, Extended scale) {
  if (x < 0 && x >= -1e-15L * scale) return 0;
  if (!(x >= 0)) throw CalcFailure(msg::NoSolution);
  return std::sqrt(x);
}

// The triangle of the three sides in the user's labelling, placed with side c
// on y = 1 from A = (1|1) and C above it.
TriangleData ShowTriangle(Labelled l) {
  while (l.zt % 3 > 0) l.rotate();
  const Extended a = l.s[0], b = l.s[1], c = l.s[2];
  if (!(a > 0 && b > 0 && c > 0)) throw CalcFailure(msg::NoSolution);
  const Extended alpha = ArcCosDeg((b * b + c * c - a * a) / (2 * b * c));
  const TVec2 A{1, 1}, B{c + 1, 1}, C{b * CosDeg(alpha) + 1, b * SinDeg(alpha) + 1};
  return SolveTriangleOfSides({a, b, c}, A, B, C, msg::NoSolution);
}

QString GivenList(const std::array<Extended, TqCount>& v, const std::array<QString, TqCount>& texts) {
  static const char16_t* const names[TqCount] = {u"a = ", u"b = ", u"c = ", u"α = ", u"β = ", u"γ = "};
  QString given = QStringLiteral("   ");
  int sz = 0, wz = 0;
  for (int i = 0; i < TqCount; ++i) {
    if (!(v[std::size_t(i)] > 0)) continue;
    (i < 3 ? sz : wz)++;
    given += QString::fromUtf16(names[i]) + texts[std::size_t(i)];
    const bool more = i < 2 || (i == 2 && sz < 3) || ((i == 3 || i == 4) && sz + wz < 3);
    if (more) given += QStringLiteral(",   ");
  }
  return given;
}

}  // namespace

void SolveDrei2(const std::array<Extended, TqCount>& values, const std::array<QString, TqCount>& texts,
                const TextMeasurer& font, Drei2Result& out) {
  out = {};
  Labelled l;
  int sz = 0, wz = 0;
  for (int i = 0; i < 3; ++i) {
    l.s[std::size_t(i)] = values[std::size_t(i)];
    l.w[std::size_t(i)] = values[std::size_t(i + 3)];
    if (l.s[std::size_t(i)] > 0) ++sz;
    if (l.w[std::size_t(i)] > 0) ++wz;
  }
  if (sz == 0) throw CalcFailure(l.w[0] + l.w[1] + l.w[2] == 180 ? msg::NoUniqueSolution : msg::NoSolution);
  if (sz + wz < 3) throw CalcFailure(msg::TooFewData);
  if (sz + wz > 3) throw CalcFailure(msg::TooManyData);
  for (Extended w : l.w)
    if (w >= 180) throw CalcFailure(msg::NoSolution);

  out.memo << GetMessageText(26) + QStringLiteral(": ") + GivenList(values, texts) << QString();
  const TriangleColumns cols = TriangleBlockColumns(font, true, QStringLiteral(":     "));

  if (sz == 1) {
    for (Extended& w : l.w)
      if (!(w > 0)) w = 180 - (l.w[0] + l.w[1] + l.w[2]);
    for (Extended w : l.w)
      if (!(w > 0)) throw CalcFailure(msg::NoSolution);
    while (!(l.s[0] > 0)) l.rotate();
    l.s[1] = l.s[0] * SinDeg(l.w[1]) / SinDeg(l.w[0]);
    l.s[2] = l.s[0] * SinDeg(l.w[2]) / SinDeg(l.w[0]);
  } else if (sz == 2) {
    while (!(l.s[0] > 0) || !(l.s[1] > 0)) l.rotate();
    const Extended a = l.s[0], b = l.s[1];
    if (l.w[2] > 0) {
      l.s[2] = Root(a * a + b * b - 2 * a * b * CosDeg(l.w[2]), a * a + b * b);
    } else {
      // The given angle φ lies opposite f and beside e.
      const bool alpha = l.w[0] > 0;
      const Extended phi = alpha ? l.w[0] : l.w[1], e = alpha ? b : a, f = alpha ? a : b;
      const Extended hphi = e * SinDeg(phi);
      Extended g = Root(e * e - hphi * hphi, e * e);
      const Extended o = Root(f * f - hphi * hphi, f * f);
      if (phi > 90) {
        if (f <= e) throw CalcFailure(msg::NoSolution);
        g = -g;
      }
      l.s[2] = g + o;
      if (phi <= 90 && f < e && RoundDecimals(2, o) > 0) {
        out.hasSecond = true;
        out.memo << GetText(IDrei2, 2);
        try {
          out.first = ShowTriangle(l);
          AppendTriangleBlock(out.memo, font, cols, out.first);
        } catch (const CalcFailure&) {
          out.hasSecond = false;
        }
        out.memo << QString();
        out.ruleLine = int(out.memo.size());
        out.memo << FractionBar(font, cols.label + cols.value + cols.value + cols.value) << QString()
                 << GetText(IDrei2, 3);
        l.s[2] = g - o;
        try {
          out.second = ShowTriangle(l);
          AppendTriangleBlock(out.memo, font, cols, out.second);
        } catch (const CalcFailure&) {
          out.memo << GetText(IDrei2, 4);
          out.hasSecond = false;
        }
        return;
      }
    }
  }
  out.first = ShowTriangle(l);
  AppendTriangleBlock(out.memo, font, cols, out.first);
}

}  // namespace zw
