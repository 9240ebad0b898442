#pragma once
// Fixed notation for tables of probabilities and values: a set number of
// decimals, trailing zeros kept (Format.cpp holds the conversion).
#include <string>

#include "kernel/Types.h"

namespace zw {

// Fixed notation with `decimals` decimals (trailing zeros kept) and the
// regional separator: "0,12345679" for (10, 8, 0.123456789); a value with
// more integer digits than `precision` in the general text instead.
std::u16string FormatFixed(int precision, int decimals, Extended x);

}  // namespace zw
