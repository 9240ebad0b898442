#include "topics/analysis/Surface.h"

#include <algorithm>
#include <cmath>

#include "kernel/CheckedInput.h"
#include "kernel/Evaluator.h"
#include "kernel/SequenceTerms.h"
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
  if (Blank(f)) return SurfaceField::F;
  // Counted before it is built: a long u in many places would not fit in memory.
  const std::u16string marks = SubstituteVariable(f, u'u', u"\x01");
  const auto places = static_cast<std::size_t>(std::count(marks.begin(), marks.end(), u'\x01'));
  if (marks.size() - places + places * (u.size() + 2) > MaxBuiltTermLength) return SurfaceField::U;
  if (!Readable(SurfaceTerm(f, u))) return SurfaceField::F;
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

namespace {

// Points times characters a step may evaluate: a step of the longest term
// stays near a millisecond, a short term's row is one step.
constexpr std::size_t kStepBudget = 16384;

}  // namespace

SurfaceRun::SurfaceRun(std::u16string term, const SurfaceRanges& ranges, int n, FormulaContext context, Done done)
    : term_(std::move(term)), context_(context), ranges_(ranges), n_(std::max(n, 1)), done_(std::move(done)) {
  const auto count = static_cast<std::size_t>(n_);
  chunk_ = std::clamp<std::size_t>(kStepBudget / std::max<std::size_t>(term_.size(), 1), 1, count);
  xs_.resize(count);
  rows_.resize(count * count);
  errs_.resize(count * count);
  for (int i = 1; i <= n_; ++i) xs_[static_cast<size_t>(i - 1)] = SurfaceSample(ranges.x1, ranges.x2, i, n_);
}

bool SurfaceRun::step() {
  if (row_ >= n_) return false;
  const auto count = static_cast<std::size_t>(n_);
  // A block of x values at one y: the term is prepared once per block.
  context_.Y = SurfaceSample(ranges_.y1, ranges_.y2, row_ + 1, n_);
  const std::size_t points = std::min(chunk_, count - column_);
  const std::size_t at = static_cast<std::size_t>(row_) * count + column_;
  EvaluateFormulaBlockDouble(term_, xs_.data() + column_, points, rows_.data() + at, errs_.data() + at, context_);
  column_ += points;
  if (column_ == count) {
    column_ = 0;
    ++row_;
  }
  return row_ < n_;
}

void SurfaceRun::finish(End end, int) {
  if (end != End::Finished) return;
  SurfaceSamples s;
  s.n = n_;
  s.lastY = context_.Y;
  const auto count = static_cast<std::size_t>(n_);
  s.z.resize(count * count);
  double last = 0;
  for (size_t i = 0; i < count; ++i)
    for (size_t j = 0; j < count; ++j) {
      const double v = rows_[j * count + i];
      if (errs_[j * count + i] == 0 && std::isfinite(v)) {
        last = v;
        s.zmin = std::min(s.zmin, v);
        s.zmax = std::max(s.zmax, v);
      }
      s.z[i * count + j] = last;
    }
  if (done_) done_(s);
}

SurfaceSamples SampleSurface(const std::u16string& term, const SurfaceRanges& ranges, int n, FormulaContext context) {
  SurfaceSamples result;
  SurfaceRun run(term, ranges, n, context, [&result](SurfaceSamples& s) { result = std::move(s); });
  while (run.step()) {
  }
  run.finish(Stepper::End::Finished, 0);
  return result;
}

void WriteSurfaceGrid(TMatrix& grid, const SurfaceSamples& samples) {
  TMatrix::TDeferChanges batch(grid);
  grid.Resize(samples.n, samples.n);
  for (int i = 1; i <= samples.n; ++i)
    for (int j = 1; j <= samples.n; ++j) grid.SetElem(i, j, samples.at(i, j));
}

void PutSurface(TMatrix& grid, SurfaceSamples& samples, const SurfaceRanges& ranges, bool clipZ) {
  if (clipZ) ClipSurface(samples, static_cast<double>(ranges.z1), static_cast<double>(ranges.z2));
  WriteSurfaceGrid(grid, samples);
  kernelState().FormulaY = samples.lastY;
}

SurfaceSamples FillGrid(TMatrix& grid, const std::u16string& term, const SurfaceRanges& ranges, int n, bool clipZ) {
  SurfaceSamples s = SampleSurface(term, ranges, n, FormulaContext::current());
  PutSurface(grid, s, ranges, clipZ);
  return s;
}

}  // namespace zw
