#pragma once
// What a term reads besides X: the angle mode of the angle functions and the
// shared values of the names Y, Z and K. A window that needs its own angle
// mode passes a context of its own; the functions that take none use the
// program-wide settings, FormulaContext::current().
#include "kernel/KernelState.h"
#include "kernel/Types.h"

namespace zw {

struct FormulaContext {
  int AngleMode = 1;  // 0 degrees, 1 radians, 2 gon (sin and cos of another mode give 0)
  Extended Y = 0, Z = 0, K = 0;

  // The program-wide settings as they are now: kernelState().AngleMode,
  // FormulaY, FormulaZ and FormulaK.
  static FormulaContext current() {
    const KernelState& s = kernelState();
    return FormulaContext{s.AngleMode, s.FormulaY, s.FormulaZ, s.FormulaK};
  }
};

}  // namespace zw
