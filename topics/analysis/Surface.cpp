#include "topics/analysis/Surface.h"

#include <algorithm>
#include <cmath>

#include "kernel/CheckedInput.h"
#include "kernel/Evaluator.h"
#include "kernel/FormulaTree.h"
#include "kernel/KernelState.h"
#include "kernel/TermVariables.h"
#include "numerics/Matrix.h"

namespace zw {

namespace {

bool Blank(const std::u16string& s) {
  return std::all_of(s.begin(), s.end(), [](char16_t c) { return c == u' ' || c == u'\t'; });
}

bool Readable(const std::u16string& term) {
  FormulaTree tree;
  return ParseFormulaTree(term, tree);
}

}  // namespace

std::u16string SurfaceTerm(const std::u16string& f, const std::u16string& u) {
  return SubstituteVariable(f, u'u', u"(" + u + u")");
}

SurfaceField CheckSurfaceInput(const std::array<std::u16string, SurfaceFieldCount>& texts, SurfaceRanges& ranges,
                               bool typedZ) {
  const std::u16string& f = texts[0];
  const std::u16string& u = texts[1];
  if (Blank(f) || !Readable(SurfaceTerm(f, u))) return SurfaceField::F;
  if (!Blank(u) && !Readable(u)) return SurfaceField::U;
  Extended* out[6] = {&ranges.x1, &ranges.x2, &ranges.y1, &ranges.y2, &ranges.z1, &ranges.z2};
  for (int k = 0; k < 6; ++k) {
    std::int32_t ok = 1;
    ReadValue(texts[static_cast<size_t>(k + 2)], *out[k], u'e', ok);
    if (!ok) return static_cast<SurfaceField>(k + 2);
  }
  if (typedZ) {
    if (Blank(texts[static_cast<size_t>(SurfaceField::Z1)])) return SurfaceField::Z1;
    if (Blank(texts[static_cast<size_t>(SurfaceField::Z2)]) || !(ranges.z1 < ranges.z2)) return SurfaceField::Z2;
  }
  return SurfaceField::None;
}

void ClipSurface(SurfaceSamples& samples, double lo, double hi) {
  for (double& z : samples.z) z = std::clamp(z, lo, hi);
}

int SurfaceGridSize(int position) { return std::max(position, 10); }

double SurfaceSample(Extended lo, Extended hi, int k, int n) {
  Extended step = n > 1 ? (hi - lo) / (n - 1) : 0;
  if (step == 0) step = 1;
  return static_cast<double>(lo + (k - 1) * step);
}

SurfaceSamples SampleSurface(const std::u16string& term, const SurfaceRanges& ranges, int n, FormulaContext context) {
  SurfaceSamples s;
  s.n = n;
  const size_t count = static_cast<size_t>(n);
  std::vector<double> xs(count), rows(count * count);
  std::vector<std::int32_t> errs(count * count);
  for (int i = 1; i <= n; ++i) xs[static_cast<size_t>(i - 1)] = SurfaceSample(ranges.x1, ranges.x2, i, n);
  // One block of x values per y: the term is prepared once per row.
  for (int j = 1; j <= n; ++j) {
    context.Y = SurfaceSample(ranges.y1, ranges.y2, j, n);
    const size_t at = static_cast<size_t>(j - 1) * count;
    EvaluateFormulaBlockDouble(term, xs.data(), count, rows.data() + at, errs.data() + at, context);
  }
  s.lastY = context.Y;
  s.z.resize(count * count);
  double last = 0;
  for (size_t i = 0; i < count; ++i)
    for (size_t j = 0; j < count; ++j) {
      const double v = rows[j * count + i];
      if (errs[j * count + i] == 0 && std::isfinite(v)) {
        last = v;
        s.zmin = std::min(s.zmin, v);
        s.zmax = std::max(s.zmax, v);
      }
      s.z[i * count + j] = last;
    }
  return s;
}

void WriteSurfaceGrid(TMatrix& grid, const SurfaceSamples& samples) {
  TMatrix::TDeferChanges batch(grid);
  grid.Resize(samples.n, samples.n);
  for (int i = 1; i <= samples.n; ++i)
    for (int j = 1; j <= samples.n; ++j) grid.SetElem(i, j, samples.at(i, j));
}

SurfaceSamples FillGrid(TMatrix& grid, const std::u16string& term, const SurfaceRanges& ranges, int n, bool clipZ) {
  SurfaceSamples s = SampleSurface(term, ranges, n, FormulaContext::current());
  if (clipZ) ClipSurface(s, static_cast<double>(ranges.z1), static_cast<double>(ranges.z2));
  WriteSurfaceGrid(grid, s);
  kernelState().FormulaY = s.lastY;
  return s;
}

}  // namespace zw
