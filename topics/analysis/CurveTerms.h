#pragma once
// The twelve curve terms of the function plotter and how their references to
// earlier curves are replaced by text, so that the evaluator only ever sees
// plain terms in x: fj(expression) is curve j at another argument, yj is
// curve j, yj' and yj" its first and second symbolic derivative.
#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <tuple>

#include "kernel/FormulaContext.h"

namespace zw {

inline constexpr int CurveCount = 12;
using CurveTerms = std::array<std::u16string, CurveCount>;  // curve i at index i - 1

// Bounds of one curve's resolution: past either the curve stays empty. They
// also end a reference that keeps reproducing itself (f1 = f1(x) referenced
// by f2 = f1(2)).
inline constexpr int MaxReferenceReplacements = 1000;
inline constexpr std::size_t MaxResolvedLength = 65536;

// Symbolic derivatives by term, order and angle mode: a redraw after a zoom
// or a pan asks the library nothing again.
class DerivativeCache {
public:
  const std::u16string& get(const std::u16string& term, int order, const FormulaContext& context);
  std::size_t size() const { return map_.size(); }

private:
  std::map<std::tuple<int, int, std::u16string>, std::u16string> map_;
};

// Resolves curve 1 to 12 in turn, each against the already resolved earlier
// curves; references to the same or a later curve stay as they stand. A curve
// that exceeds the bounds comes back empty.
CurveTerms ResolveCurveReferences(const CurveTerms& raw, const FormulaContext& context, DerivativeCache& cache);
// Curve i alone, against the earlier curves already resolved in `resolved`
// (a long run resolves the curves one step each).
std::u16string ResolveCurve(int i, const std::u16string& raw, const CurveTerms& resolved,
                            const FormulaContext& context, DerivativeCache& cache);

// The resolution of the last terms and angle mode, kept for the redraws that
// follow a zoom or a pan.
class CurveResolver {
public:
  const CurveTerms& resolve(const CurveTerms& raw, const FormulaContext& context);
  // For a resolution done curve by curve: whether the kept one still holds,
  // and keeping a new one; the derivatives come from the same cache.
  bool holds(const CurveTerms& raw, const FormulaContext& context) const;
  void keep(const CurveTerms& raw, const FormulaContext& context, const CurveTerms& resolved);
  const CurveTerms& resolved() const { return resolved_; }
  DerivativeCache& derivatives() { return derivatives_; }

private:
  DerivativeCache derivatives_;
  CurveTerms lastRaw_{};
  int lastAngle_ = -1;
  bool valid_ = false;
  CurveTerms resolved_{};
};

}  // namespace zw
