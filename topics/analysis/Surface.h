#pragma once
// The computation of the surface-plot topic: the term with its auxiliary term
// u put in, the check of the inputs, and the sampling of z = f(x, y) into the
// surface plot's grid. No window is needed; tests call these directly. A
// term of 100,000 characters on 99 x 99 points takes some ten seconds: the
// window samples through SurfaceRun, a few points per step, on its LongRun.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "kernel/FormulaContext.h"
#include "kernel/Types.h"
#include "topics/frame/LongRun.h"

namespace zw {

class TMatrix;

// The inputs in the order of the window's fields.
enum class SurfaceField { F, U, X1, X2, Y1, Y2, Z1, Z2, None };
inline constexpr int SurfaceFieldCount = 8;

struct SurfaceRanges {
  Extended x1 = 0, x2 = 0, y1 = 0, y2 = 0, z1 = 0, z2 = 0;
};

// f with every free u (either case; the u of RELU stays) replaced by "(" + u + ")".
std::u16string SurfaceTerm(const std::u16string& f, const std::u16string& u);

// The first field that is refused, or None with the ranges read: f must be
// non-blank and, with u put in, a term the evaluator reads (u is refused when
// putting it in would make the term longer than MaxBuiltTermLength); a
// non-blank u must read too; the six range texts pass ReadValue (kind 'e'). With
// `typedZ` (the z range is the typed one, not fitted to the values) the z
// range must be one: z1 and z2 given and z1 < z2 (else z1 when it is blank,
// z2 otherwise), since the surface is clipped to it.
SurfaceField CheckSurfaceInput(const std::array<std::u16string, SurfaceFieldCount>& texts, SurfaceRanges& ranges,
                               bool typedZ = false);

// The grid size for the up-down position: at least 10.
int SurfaceGridSize(int position);

// Sample k = 1 .. n of lo .. hi: both ends are samples; a zero step becomes 1.
double SurfaceSample(Extended lo, Extended hi, int k, int n);

struct SurfaceSamples {
  int n = 0;
  std::vector<double> z;  // column by column: z[(i - 1) * n + (j - 1)] for x sample i, y sample j
  double zmin = 0, zmax = 0;  // of the points that evaluated, and always around 0
  Extended lastY = 0;         // the y of the last sample
  double at(int i, int j) const { return z[static_cast<size_t>(i - 1) * static_cast<size_t>(n) + static_cast<size_t>(j - 1)]; }
};

// Evaluates term on the n x n samples with Y of `context` set per sample. A
// point that cannot be evaluated (or whose value is not a finite double)
// repeats the last good value of the column-by-column order, 0 before the first.
SurfaceSamples SampleSurface(const std::u16string& term, const SurfaceRanges& ranges, int n, FormulaContext context);

// SampleSurface as a Stepper: a step evaluates a few points of one row, as
// many as keep a step short for the term's length (a whole row of a short
// term, one point of a very long one). `done` gets the samples when the last
// point is in; a stopped run gives nothing.
class SurfaceRun : public Stepper {
public:
  using Done = std::function<void(SurfaceSamples&)>;
  SurfaceRun(std::u16string term, const SurfaceRanges& ranges, int n, FormulaContext context, Done done);
  bool step() override;
  void finish(End end, int message) override;
  // The points a step evaluates.
  std::size_t pointsPerStep() const { return chunk_; }

private:
  std::u16string term_;
  FormulaContext context_;
  SurfaceRanges ranges_;
  int n_;
  std::size_t chunk_;
  std::vector<double> xs_, rows_;  // rows_[(j - 1) * n + (i - 1)]: y sample j, x sample i
  std::vector<std::int32_t> errs_;
  int row_ = 0;            // the y sample being evaluated (0-based)
  std::size_t column_ = 0;  // its next x sample
  Done done_;
};

// Every sample into lo .. hi, so that the surface stays inside its box
// (zmin and zmax keep the values before, for the colour scale).
void ClipSurface(SurfaceSamples& samples, double lo, double hi);

// The samples into grid (resized to n x n) with one change notification.
void WriteSurfaceGrid(TMatrix& grid, const SurfaceSamples& samples);

// The samples into the plot's grid as the window draws them: with `clipZ`
// clipped to the z range first (ClipSurface), then WriteSurfaceGrid; the
// program-wide FormulaY keeps the y of the last sample, as other terms that
// read Y expect after a drawing.
void PutSurface(TMatrix& grid, SurfaceSamples& samples, const SurfaceRanges& ranges, bool clipZ);

// SampleSurface, then PutSurface.
SurfaceSamples FillGrid(TMatrix& grid, const std::u16string& term, const SurfaceRanges& ranges, int n,
                        bool clipZ = false);

}  // namespace zw
