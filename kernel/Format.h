#pragma once
// Number texts and text padding for memos, labels, grid cells and worksheets.
// Reals are written with a fixed number of significant digits and the
// regional decimal separator of kernelState(); small numbers never get a
// negative exponent. No conversion goes through the C locale.
#include <chrono>
#include <cstdint>
#include <string>

#include "kernel/TextSigns.h"  // the signs and script digits the texts use (ksym)
#include "kernel/Types.h"

namespace zw {

// The standard real text: digits significant digits; |x| < 1e-18 is "0";
// numbers below 1e-4 in fixed notation with digits decimals.
std::u16string FormatReal(int digits, Extended x);
// The general real text of the runtime library ("%g"): x rounded to `digits`
// significant digits (1..18), trailing zeros and a trailing separator dropped;
// fixed notation from 0.00001 up to an integer part of `digits` digits, else
// an exponent with "E", "-" for a negative one, no "+" and no leading zeros
// ("1E-6", "1,5E20"); the regional decimal separator. "NAN", "INF", "-INF".
std::u16string FormatGeneral(int digits, Extended x);
// FormatReal padded with zeros to digits + 1 characters when it contains the
// language decimal separator (never after an exponent).
std::u16string FormatRealZeros(int digits, Extended x);
// " " + FormatReal for x >= 0 (|x| < 1e-18 counts as 0), FormatReal otherwise.
std::u16string FormatRealSigned(int digits, Extended x);
// FormatReal in parentheses when it begins with "-".
std::u16string FormatRealParen(int digits, Extended x);
// x as an added term: " + 1,5" or " – 2", exponents with at least four digits,
// zeros appended to digits + 4 characters when a decimal separator shows and
// no exponent does.
std::u16string FormatTerm(int digits, Extended x);
// x rounded to a whole number with blanks between groups of three digits;
// "overflow" from 10^18 on.
std::u16string FormatGrouped(Extended x);
// n blanks, at most 30.
std::u16string Blanks(int n);
std::u16string PadRight(const std::u16string& text, int width);
std::u16string PadLeft(const std::u16string& text, int width);
std::u16string PadCenter(const std::u16string& text, int width);
std::u16string RepeatStr(const std::u16string& text, int n);
// c1·name1 + c2·name2 + c3·name3, zero terms left out, "0" when all are.
std::u16string FormatLinear3(const std::u16string& name1, const std::u16string& name2,
                             const std::u16string& name3, Extended c1, Extended c2,
                             Extended c3);
// FormatReal with exponents 6..8 written as " Mio", 9..11 as " Mrd".
std::u16string FormatMioMrd(int digits, Extended x);
// FormatReal with an exponent written as mantissa·10 and superscript digits.
std::u16string FormatPowerOfTen(int digits, Extended x);
// «24.12.2024» (day, month, year separated by "." or blanks) to a date;
// throws CalcFailure{msg::InvalidInput} for a missing or bad part or an
// impossible date.
std::chrono::year_month_day ParseDateDMY(const std::u16string& text);
// Replaces every occurrence of oldName by newName, ignoring case, leaving the
// factorial name "fak" intact; one pass, so newName may contain oldName.
void RenameVariable(std::u16string& text, const std::u16string& oldName,
                    const std::u16string& newName);

}  // namespace zw
