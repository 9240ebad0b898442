#pragma once
// Number texts of the calculators' displays: the general float text (the
// shortest of fixed and scientific notation with at most `digits`
// significant digits, "1,5E20") and its reading, with a chosen decimal sign.
#include <optional>
#include <string>

namespace zw {

std::u16string CalcFloatText(long double x, int digits, char16_t decimalSign);
// Reads "-12,5", "1E20", "3.25"; both "," and "." count as decimal sign.
// Nothing for text that is no number.
std::optional<long double> CalcTextToFloat(const std::u16string& text);

}  // namespace zw
