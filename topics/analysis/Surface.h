#pragma once
// The computation of the surface-plot topic: the term with its auxiliary term
// u put in, the check of the inputs, and the sampling of z = f(x, y) into the
// surface plot's grid. No window is needed; tests call these directly.
#include <array>
#include <string>
#include <vector>

#include "kernel/FormulaContext.h"
#include "kernel/Types.h"

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
// non-blank and, with u put in, a term the evaluator reads; a non-blank u
// must read too; the six range texts pass ReadValue (kind 'e'). With
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

// Every sample into lo .. hi, so that the surface stays inside its box
// (zmin and zmax keep the values before, for the colour scale).
void ClipSurface(SurfaceSamples& samples, double lo, double hi);

// The samples into grid (resized to n x n) with one change notification.
void WriteSurfaceGrid(TMatrix& grid, const SurfaceSamples& samples);

// SampleSurface, with `clipZ` ClipSurface to the z range, and
// WriteSurfaceGrid; the program-wide FormulaY keeps the y of the last
// sample, as other terms that read Y expect after a drawing.
SurfaceSamples FillGrid(TMatrix& grid, const std::u16string& term, const SurfaceRanges& ranges, int n,
                        bool clipZ = false);

}  // namespace zw
