#include "kernel/FormatGeometry.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/KernelState.h"

namespace zw {

namespace {

// Coefficients are scaled by this before the common divisor is taken, so that
// up to ten decimals become whole numbers.
constexpr Extended CoefScale = 1e10L;

bool HasExponent(const std::u16string& s) { return s.find(u'E') != std::u16string::npos; }

// «a·x + b·y = c» for normalised coefficients with k significant digits.
std::u16string LineEquationText(int k, const std::u16string& name1, const std::u16string& name2,
                                Extended a, Extended b, Extended c) {
  std::u16string s;
  if (a == 1) s = name1;
  else if (a == -1) s = u"-" + name1;
  else if (a != 0) s = FormatReal(k, a) + ksym::MulDotSign + name1;

  if (b != 0) {
    if (a != 0) {
      if (b == 1) s += u" + " + name2;
      else if (b == -1) s += u" - " + name2;
      else s += FormatTerm(k, b) + ksym::MulDotSign + name2;
    } else {
      if (b == 1) s += name2;
      else if (b == -1) s += u"-" + name2;
      else s += FormatReal(k, b) + ksym::MulDotSign + name2;
    }
  }
  return s + u" = " + FormatReal(k, c);
}

// Puts the three lines of a column between tall brackets (or "|" without
// Unicode), right-aligned to a common width.
void FrameColumn(std::u16string (&lines)[3]) {
  int w = 0;
  for (const auto& l : lines) w = std::max(w, static_cast<int>(l.size()));
  static constexpr char16_t left[3] = {u'\u239B', u'\u239C', u'\u239D'};
  static constexpr char16_t right[3] = {u'\u239E', u'\u239F', u'\u23A0'};
  const bool unicode = kernelState().UnicodeOption;
  for (int k = 0; k < 3; ++k) {
    const std::u16string body = PadLeft(lines[k], w);
    lines[k] = unicode ? std::u16string(1, left[k]) + body + u" " + right[k] : u"|" + body + u" |";
  }
}

// A coordinate line of a column vector: a blank in place of the sign of
// non-negative values, so the signs line up.
std::u16string SignAligned(Extended v, const std::u16string& text) {
  return v >= 0 ? u" " + text : text;
}

}  // namespace

std::u16string FormatPoint2(const std::u16string& name, const TVec2& p, int width) {
  const int d = (width - 4) / 2;
  return name + u"(" + FormatReal(d, p.x) + u"|" + FormatReal(d, p.y) + u")";
}

std::u16string FormatPoint2Zeros(const std::u16string& name, const TVec2& p, int width) {
  const int d = (width - 4) / 2;
  return name + u"(" + FormatRealZeros(d, p.x) + u"|" + FormatRealZeros(d, p.y) + u")";
}

std::u16string FormatPoint2Indexed(const std::u16string& name, int index, const TVec2& p,
                                   int width) {
  return FormatPoint2(name + ksym::SubScriptDigits(index), p, width);
}

std::u16string FormatPoint3(const std::u16string& name, const TVec3& p, int width) {
  const int d = (width - 4) / 3;
  return name + u"(" + FormatReal(d, p.x) + u"|" + FormatReal(d, p.y) + u"|" +
         FormatReal(d, p.z) + u")";
}

std::u16string FormatFirstCoefTerm(const std::u16string& name, Extended c) {
  if (c == 0) return {};
  if (c == 1) return name;
  if (c == -1) return u"- " + name;
  return FormatReal(8, c) + ksym::MulDotSign + name;
}

std::u16string FormatCoefTerm(const std::u16string& name, Extended c) {
  if (c == 0) return {};
  if (c == 1) return u" + " + name;
  if (c == -1) return u" - " + name;
  return FormatTerm(8, c) + ksym::MulDotSign + name;
}

namespace {

// Scales the coefficients to whole numbers, divides them by the common
// divisor of (v0, v1) and (v[n-2], v[n-1]) and turns all signs when at least
// `negateFrom` of them are negative.
void ReduceCoefs(std::initializer_list<Extended*> coefs, int negateFrom) {
  const std::vector<Extended*> v(coefs);
  for (Extended* c : v) *c *= CoefScale;
  const Extended g = GcdReal(GcdReal(*v[0], *v[1]), GcdReal(*v[v.size() - 2], *v.back()));
  int negatives = 0;
  for (Extended* c : v) {
    *c /= g;
    negatives += *c < 0;
  }
  if (negatives >= negateFrom)
    for (Extended* c : v) *c = -*c;
}

}  // namespace

void NormalizeCoefs3(Extended& a, Extended& b, Extended& c) {
  if (a == 0 && b == 0 && c == 0) return;
  ReduceCoefs({&a, &b, &c}, 2);
  if (a == 0 && b == 0) c = 1;
  if (b == 0 && c == 0) a = 1;
  if (a == 0 && c == 0) b = 1;
}

void NormalizeCoefs4(Extended& a, Extended& b, Extended& c, Extended& d) {
  ReduceCoefs({&a, &b, &c, &d}, 3);
  if (b == 0 && c == 0 && d == 0) a = 1;
  if (a == 0 && c == 0 && d == 0) b = 1;
  if (a == 0 && b == 0 && d == 0) c = 1;
  if (a == 0 && b == 0 && c == 0) d = 1;
}

std::u16string FormatLineEquation(Extended a, Extended b, Extended c) {
  NormalizeCoefs3(a, b, c);
  return LineEquationText(8, u"x", u"y", a, b, c);
}

std::u16string FormatLineEquation6(Extended a, Extended b, Extended c) {
  Extended na = a, nb = b, nc = c;
  NormalizeCoefs3(na, nb, nc);
  // Coefficients without a small common form stay as given rather than
  // being printed scaled with an exponent.
  if (HasExponent(FormatReal(6, na)) || HasExponent(FormatReal(6, nb)) ||
      HasExponent(FormatReal(6, nc)))
    return LineEquationText(6, u"x", u"y", a, b, c);
  return LineEquationText(6, u"x", u"y", na, nb, nc);
}

std::u16string FormatLineEquationRec(const TDrei& line) {
  return FormatLineEquation6(line.a, line.b, line.c);
}

std::u16string FormatLineEquationNamed(const std::u16string& name1, const std::u16string& name2,
                                       Extended a, Extended b, Extended c) {
  NormalizeCoefs3(a, b, c);
  return LineEquationText(5, name1, name2, a, b, c);
}

std::u16string FormatPlaneEquation(const TVec4& plane) {
  // Without a normal vector the equation degenerates to 0 = t; it is still
  // written, so a caller can show what was computed.
  if (plane.x == 0 && plane.y == 0 && plane.z == 0) return u"0 = " + FormatReal(8, plane.t);
  Extended x = plane.x, y = plane.y, z = plane.z, t = plane.t;
  NormalizeCoefs3(x, y, z);
  if (plane.x != 0) t = t * x / plane.x;
  else if (plane.y != 0) t = t * y / plane.y;
  else t = t * z / plane.z;

  std::u16string s;
  const std::u16string names[3] = {u"x", u"y", u"z"};
  const Extended coefs[3] = {x, y, z};
  for (int k = 0; k < 3; ++k) {
    if (coefs[k] == 0) continue;
    s += s.empty() ? FormatFirstCoefTerm(names[k], coefs[k]) : FormatCoefTerm(names[k], coefs[k]);
  }
  return s + u" = " + FormatReal(8, t);
}

void FormatColumnVector(std::u16string& line1, std::u16string& line2, std::u16string& line3,
                        Extended x, Extended y, Extended z) {
  std::u16string lines[3] = {SignAligned(x, FormatReal(12, x)), SignAligned(y, FormatReal(12, y)),
                             SignAligned(z, FormatReal(12, z))};
  FrameColumn(lines);
  line1 = lines[0];
  line2 = lines[1];
  line3 = lines[2];
}

void FormatFractionVector(std::u16string& line1, std::u16string& line2, std::u16string& line3,
                          Extended num1, Extended den1, Extended num2, Extended den2,
                          Extended num3, Extended den3) {
  const Extended nums[3] = {num1, num2, num3};
  const Extended dens[3] = {den1, den2, den3};
  std::u16string lines[3];
  for (int k = 0; k < 3; ++k) {
    std::u16string s = FormatReal(8, nums[k]);
    if (nums[k] != 0 && dens[k] != 1) s += u"/" + FormatReal(8, dens[k]);
    // Too long a fraction is written as a decimal (never for a zero
    // denominator, which has no decimal value).
    if (s.size() > 12 && dens[k] != 0) s = FormatReal(12, nums[k] / dens[k]);
    lines[k] = SignAligned(nums[k], s);
  }
  FrameColumn(lines);
  line1 = lines[0];
  line2 = lines[1];
  line3 = lines[2];
}

void FormatMatrixLines(const Matrix& m, int rows, int cols, std::vector<std::u16string>& list) {
  list.clear();
  rows = std::clamp(rows, 0, VektorSize);
  cols = std::clamp(cols, 0, VektorSize);
  std::vector<int> width(static_cast<std::size_t>(cols) + 1, 0);
  for (int j = 1; j <= cols; ++j)
    for (int i = 1; i <= rows; ++i)
      width[j] = std::max(width[j], static_cast<int>(FormatReal(8, fabsl(m[i][j])).size()));
  for (int i = 1; i <= rows; ++i) {
    std::u16string left = u"\u239C", right = u"\u239F";
    if (i == 1) left = u"\u239B", right = u"\u239E";
    if (i == rows) left = u"\u239D", right = u"\u23A0";
    for (int j = 1; j <= cols; ++j) left += PadLeft(FormatReal(8, m[i][j]), width[j] + 2);
    list.push_back(u"  " + left + u"  " + right);
  }
}

}  // namespace zw
