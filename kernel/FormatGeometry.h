#pragma once
// Texts of points, line and plane equations, column vectors and matrices.
// Equation coefficients are first brought to a normal form (scaled to whole
// numbers, divided by their common divisor, signs arranged).
#include <string>
#include <vector>

#include "kernel/Types.h"

namespace zw {

std::u16string FormatPoint2(const std::u16string& name, const TVec2& p, int width);
std::u16string FormatPoint2Zeros(const std::u16string& name, const TVec2& p, int width);
std::u16string FormatPoint2Indexed(const std::u16string& name, int index, const TVec2& p,
                                   int width);
std::u16string FormatPoint3(const std::u16string& name, const TVec3& p, int width);
std::u16string FormatFirstCoefTerm(const std::u16string& name, Extended c);
std::u16string FormatCoefTerm(const std::u16string& name, Extended c);
void NormalizeCoefs3(Extended& a, Extended& b, Extended& c);
void NormalizeCoefs4(Extended& a, Extended& b, Extended& c, Extended& d);
std::u16string FormatLineEquation(Extended a, Extended b, Extended c);
std::u16string FormatLineEquation6(Extended a, Extended b, Extended c);
std::u16string FormatLineEquationRec(const TDrei& line);
std::u16string FormatLineEquationNamed(const std::u16string& name1, const std::u16string& name2,
                                       Extended a, Extended b, Extended c);
std::u16string FormatPlaneEquation(const TVec4& plane);
void FormatColumnVector(std::u16string& line1, std::u16string& line2, std::u16string& line3,
                        Extended x, Extended y, Extended z);
void FormatFractionVector(std::u16string& line1, std::u16string& line2, std::u16string& line3,
                          Extended num1, Extended den1, Extended num2, Extended den2,
                          Extended num3, Extended den3);
// Clears list and adds one bracketed line per matrix row (rows 1..rows,
// columns 1..cols).
void FormatMatrixLines(const Matrix& m, int rows, int cols, std::vector<std::u16string>& list);

}  // namespace zw
