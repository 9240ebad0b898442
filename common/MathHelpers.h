#pragma once
// Number helpers shared by the chart library and the numeric components
// (Qt-free): polar angle, engineering notation, checked decimal logarithm,
// comb sort, hexadecimal text, floor and sign, exchanging two variables.
#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "common/ZwError.h"

namespace zw {

// The exception class of the library's maths helpers.
class EZwMathError : public EZwError {
public:
  using EZwError::EZwError;
};

// Angle of (X, Y) in radians, 0 .. 2*pi; (0, 0) gives 3*pi/2.
double PolarAngle(double X, double Y);

// X with a prefix letter per group of three decimal exponents ("a" .. "T").
// Digits (clamped to -9..9) counts significant digits; a negative Digits puts
// the prefix in place of the decimal point.
void FormatEngineering(int Digits, std::string& S, double X);
std::string FormatEngineering(int Digits, double X);

// Decimal logarithm; X <= 0 throws EZwMathError.
double Log10Checked(double X);

void CombSortDoubles(std::span<double> Data, bool Ascending);
void CombSortIntegers(std::span<std::int32_t> Data, bool Ascending);

// The lowest Digits (clamped to 1..8) hexadecimal digits, upper case, with
// leading zeros.
void CardinalToHex(std::uint32_t Value, int Digits, std::string& S);
std::string CardinalToHex(std::uint32_t Value, int Digits);

int FloorInt(double X);
int SignOf(double X);  // 1 for X >= 0, else -1

inline void ExchangeIntegers(int& A, int& B) { std::swap(A, B); }
inline void ExchangeDoubles(double& A, double& B) { std::swap(A, B); }
inline void ExchangeExtended(long double& A, long double& B) { std::swap(A, B); }

}  // namespace zw
