#pragma once
// The few process-wide values the maths kernel reads. The shell owns their
// meaning (angle mode, language, options) and writes them here; the kernel never
// reads shell state directly, so it builds and tests without Qt.
#include <string>

namespace zw {

struct KernelState {
  int AngleMode = 1;                        // 0 degrees, 1 radians, 2 gon
  long double FormulaY = 0, FormulaZ = 0, FormulaK = 0;
  char16_t RegionalDecimalSeparator = u','; // the system's; read once at start, tests pin it
  std::u16string LanguageDecimalSeparator = u",";  // "." while the language is English
  bool UnicodeOption = true;                // bracket characters for vectors and matrices
  // The big-number window's four check boxes, all on at start and kept for
  // the next such window; its result lines take them as BigIntTextOptions.
  bool BigIntGrouping = true;
  bool BigIntShortForm = true;
  bool BigIntGroupA = true;
  bool BigIntGroupB = true;

  void reset() { *this = KernelState{}; }
};

KernelState& kernelState();

}  // namespace zw
