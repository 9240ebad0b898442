#pragma once
// Distances of two points, of a point and a line, and of a point and a
// plane, with the given data echoed as typed. The computations need no
// window; the memo lines take a measurer.
#include <QString>
#include <QStringList>
#include <array>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

// The raw texts of a point's three fields, as the "Gegeben" line echoes them.
using PointTexts = std::array<QString, 3>;

QStringList PointPointMemoLines(const PointTexts& aText, const PointTexts& bText, const TVec3& a,
                                const TVec3& b, const TextMeasurer& font);
// v = 0 throws CalcFailure(10) before anything is written.
QStringList PointLineMemoLines(const PointTexts& pText, const TVec3& p, const TVec3& q, const TVec3& v,
                               const TextMeasurer& font);
// A zero normal throws CalcFailure(18) before anything is written.
QStringList PointPlaneMemoLines(const PointTexts& pText, const TVec3& p, const TVec4& plane,
                                const TextMeasurer& font);

void RegisterDistanceTexts();

}  // namespace zw
