#include "common/MathHelpers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/StringHelpers.h"

namespace zw {

double PolarAngle(double X, double Y) {
  constexpr double pi = std::numbers::pi;
  if (X == 0) return Y > 0 ? pi / 2 : 3 * pi / 2;
  double a = std::atan(Y / X);
  if (X < 0) a += pi;
  if (a < 0) a += 2 * pi;
  if (a > 2 * pi) a -= 2 * pi;
  return a;
}

std::string FormatEngineering(int Digits, double X) {
  static const char* const kPrefix[] = {"a", "f", "p", "n", "u", "m", "", "k", "M", "G", "T"};
  Digits = std::clamp(Digits, -9, 9);
  const int d = Digits >= 2 ? Digits - 1 : (Digits >= -1 ? 0 : Digits + 1);
  const int n = std::abs(d);
  if (X == 0 || !std::isfinite(X)) return FormatFixedWidth(1, n, X);
  const double ax = std::fabs(X);
  const double lg = std::log10(ax);
  const int e = static_cast<int>(std::floor(lg));
  const int g = std::clamp(static_cast<int>(std::floor(lg / 3)), -6, 4);
  std::string s = FormatFixedWidth(1, std::max(0, n + 3 * g - e), ax / std::pow(10.0L, 3 * g));
  if (g != 0) {
    const std::string prefix = kPrefix[g + 6];
    auto dot = s.find('.');
    if (d < 0 && dot != std::string::npos)
      s.replace(dot, 1, prefix);
    else
      s += prefix;
  }
  if (X < 0) s = "-" + s;
  return s;
}

void FormatEngineering(int Digits, std::string& S, double X) { S = FormatEngineering(Digits, X); }

double Log10Checked(double X) {
  if (!(X > 0)) throw EZwMathError("logarithm: invalid argument");
  return std::log10(X);
}

namespace {
template <class T>
void combSort(std::span<T> data, bool ascending) {
  const size_t n = data.size();
  if (n <= 1) return;
  size_t gap = n;
  bool swapped;
  do {
    gap = std::max<size_t>(1, static_cast<size_t>(gap / 1.3));
    swapped = false;
    for (size_t i = 0; i + gap < n; ++i) {
      bool outOfOrder = ascending ? data[i] > data[i + gap] : data[i] < data[i + gap];
      if (outOfOrder) {
        std::swap(data[i], data[i + gap]);
        swapped = true;
      }
    }
  } while (gap != 1 || swapped);
}
}  // namespace

void CombSortDoubles(std::span<double> Data, bool Ascending) { combSort(Data, Ascending); }
void CombSortIntegers(std::span<std::int32_t> Data, bool Ascending) { combSort(Data, Ascending); }

std::string CardinalToHex(std::uint32_t Value, int Digits) {
  Digits = std::clamp(Digits, 1, 8);
  std::string s(static_cast<size_t>(Digits), '0');
  for (int i = Digits - 1; i >= 0; --i, Value >>= 4) s[static_cast<size_t>(i)] = "0123456789ABCDEF"[Value & 0xF];
  return s;
}

void CardinalToHex(std::uint32_t Value, int Digits, std::string& S) { S = CardinalToHex(Value, Digits); }

int FloorInt(double X) {
  // Beyond the integer range the nearest end of it (and 0 for NaN).
  if (std::isnan(X)) return 0;
  return static_cast<int>(std::clamp(std::floor(X), -2147483648.0, 2147483647.0));
}

int SignOf(double X) { return X >= 0 ? 1 : -1; }

}  // namespace zw
