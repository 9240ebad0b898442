#pragma once
// Special lines of a triangle: side lines, perpendicular bisectors, medians,
// angle bisectors and altitudes with their points of intersection, the feet
// of the altitudes, incircle, circumcircle, excircles and nine-point circle;
// the memo lists the chosen layers. Callable without a window.
#include <QStringList>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

// The layers of the choice, bit i - 1 for item i.
enum SpecialLayer {
  SlPerpBisectors = 1, SlMedians = 2, SlBisectors = 4, SlAltitudes = 8,
  SlIncircle = 16, SlCircumcircle = 32, SlExcircles = 64, SlNinePoint = 128,
};
inline constexpr int SpecialLayerCount = 8;

struct SpecialLines {
  TVec2 A, B, C;
  TDrei ga, gb, gc;  // side lines BC, CA, AB (a·x + b·y = c)
  TDrei ma, mb, mc;  // perpendicular bisectors of BC, CA, AB
  TDrei sa, sb, sc;  // medians from A, B, C
  TDrei wa, wb, wc;  // angle bisectors at A, B, C
  TDrei ha, hb, hc;  // altitude lines from A, B, C
  TVec2 La, Lb, Lc;  // feet of the altitudes
  TDrei winkel;      // α, β, γ in degrees
  TVec2 Ms1, Ms2, Ms3;  // midpoints of AB, BC, CA
  TVec2 Mu, Ms, Oz, Mi, M9;
  TVec2 Ma1, Ma2, Ma3;  // excentres opposite A, B, C
  Extended ru = 0, ri = 0, r1 = 0, r2 = 0, r3 = 0, r9 = 0;
};

// CalcFailure 8 ("Die Punkte liegen auf einer Geraden") when the points
// span no triangle.
SpecialLines SolveSpecialLines(const TVec2& A, const TVec2& B, const TVec2& C);

// The given vertices, the side lines and each chosen layer (`choice`: the
// SpecialLayer bits).
QStringList SpecialLinesMemo(const SpecialLines& t, int choice, const TextMeasurer& font);

}  // namespace zw
