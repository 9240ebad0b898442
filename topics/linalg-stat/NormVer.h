#pragma once
// The normal distribution, callable without a window: the default table
// range of μ and σ, the value table of φ and Φ, the two curves on a chart
// and the formula pictures of the input page.
#include <QImage>
#include <QStringList>

#include "common/TextMeasurer.h"
#include "kernel/Types.h"

namespace zw {

class TVIrada;
struct GraphPens;

// Worksheet keys: μ, σ; the table fields (not stored) name a refusal.
inline constexpr char NormMuKey[] = "my";
inline constexpr char NormSigmaKey[] = "sigma";
inline constexpr char NormFromKey[] = "ed41";
inline constexpr char NormToKey[] = "ed42";
inline constexpr char NormStepKey[] = "ed43";
// The most rows a value table shows.
inline constexpr long NormMaxRows = 100000;

struct NormalRange {
  Extended from = -4, to = 4, step = 0.25L;
};
// μ − 4σ .. μ + 4σ in steps of 0.25/σ, at least 0.1. σ ≤ 0 throws
// InputRejected(NormSigmaKey).
NormalRange NormalDefaults(Extended mu, Extended sigma);

// The table: the μ and σ line with the texts as typed, the column heads and
// a row for x = from, from + step, … while x < to, with `digits` digits
// (3 .. 8). A step ≤ 0, one that does not advance x, or more than
// NormMaxRows rows throws InputRejected(NormStepKey).
QStringList NormalTableLines(const QString& muText, const QString& sigmaText, Extended mu, Extended sigma,
                             const NormalRange& range, int digits, const TextMeasurer& memo);

// φ in graph colour 1 and Φ in graph colour 2, one point per pixel column
// of the plot area, from the chart's left rim to its width less the right.
void DrawNormalCurves(TVIrada& chart, Extended mu, Extended sigma, const GraphPens& pens);

// The formula pictures of φ (which = 0) and Φ (which = 1) at a text height
// in pixels, black on transparent.
QImage NormalFormulaPicture(int which, int textHeight);

void RegisterNormVerTexts();

}  // namespace zw
