#include "kernel/Format.h"
#include "kernel/FormatFixed.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"

namespace zw {

namespace {

// |x| as decimal digits: value = d1.d2d3... * 10^exp, no leading zeros,
// digits "" for zero.
struct Decimal {
  std::string digits;
  int exp = 0;
};

// The 18 significant digits the runtime conversion works from; every later
// rounding is done on these, halves up (as a person rounds the printed digits).
Decimal ToDecimal(Extended x) {
  Decimal d;
  x = fabsl(x);
  if (x == 0) return d;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 17);
  const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (s[i] != '.') d.digits += s[i];
  std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), d.exp);
  return d;
}

// Keeps the first `keep` digits, rounding half up; keep <= 0 leaves zero or,
// when the dropped part is at least half a unit of the last kept place, 1 in it.
void RoundAt(Decimal& d, int keep) {
  if (d.digits.empty() || keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0 || (keep == 0 && d.digits[0] < '5')) {
    d.digits.clear();
    return;
  }
  if (keep == 0) {
    d.digits = "1";
    d.exp += 1;
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') d.digits[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      d.digits.pop_back();
      d.exp += 1;
    } else {
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
}

void StripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

std::u16string Widen(std::string_view s) { return std::u16string(s.begin(), s.end()); }

std::u16string NonFiniteText(Extended x) {
  if (std::isnan(x)) return u"NAN";
  return x < 0 ? u"-INF" : u"INF";
}

char16_t RegionalSeparator() { return kernelState().RegionalDecimalSeparator; }

char16_t RegionalThousandsSeparator() {
  return RegionalSeparator() == u',' ? u'.' : u',';
}

// The digits of a rounded value laid out: fixed notation for
// lowestFixed <= exponent < p, else d.dddE[-]nn with the exponent padded to
// expWidth digits; trailing zeros already removed.
std::u16string GeneralLayout(const Decimal& d, bool negative, int p, int lowestFixed, int expWidth) {
  if (d.digits.empty()) return u"0";
  const char16_t sep = RegionalSeparator();
  std::u16string s = negative ? u"-" : u"";
  const int e = d.exp;
  if (e >= lowestFixed && e < p) {
    if (e >= 0) {
      std::string intPart = d.digits.substr(0, std::min<std::size_t>(d.digits.size(), e + 1));
      intPart.append(static_cast<std::size_t>(e + 1) - intPart.size(), '0');
      s += Widen(intPart);
      if (d.digits.size() > static_cast<std::size_t>(e + 1)) {
        s += sep;
        s += Widen(std::string_view(d.digits).substr(static_cast<std::size_t>(e + 1)));
      }
    } else {
      s += u'0';
      s += sep;
      s.append(static_cast<std::size_t>(-e - 1), u'0');
      s += Widen(d.digits);
    }
    return s;
  }
  s += static_cast<char16_t>(d.digits[0]);
  if (d.digits.size() > 1) {
    s += sep;
    s += Widen(std::string_view(d.digits).substr(1));
  }
  s += u'E';
  if (e < 0) s += u'-';
  const std::string ed = std::to_string(e < 0 ? -e : e);
  if (static_cast<int>(ed.size()) < expWidth)
    s.append(static_cast<std::size_t>(expWidth) - ed.size(), u'0');
  s += Widen(ed);
  return s;
}

// General format: p significant digits, trailing zeros removed, fixed notation
// for -5 < exponent < p, else d.dddE[-]nn with the exponent padded to
// expWidth digits.
std::u16string GeneralText(Extended x, int p, int expWidth) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  p = std::clamp(p, 1, 18);
  Decimal d = ToDecimal(x);
  RoundAt(d, p);
  StripTrailingZeros(d);
  return GeneralLayout(d, x < 0, p, -4, expWidth);
}

// Fixed format with `decimals` decimals (trailing zeros kept); with a thousands
// separator the number format. More integer digits than `precision` fall back
// to the general format.
std::u16string FixedText(Extended x, int decimals, int precision, char16_t thousands = 0) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  decimals = std::clamp(decimals, 0, 18);
  Decimal d = ToDecimal(x);
  if (!d.digits.empty() && d.exp + 1 > precision) return GeneralText(x, precision, 0);
  RoundAt(d, d.exp + 1 + decimals);
  if (!d.digits.empty() && d.exp + 1 > precision) return GeneralText(x, precision, 0);
  // All digits on a grid from the units place down to the last decimal.
  std::string intPart, frac(static_cast<std::size_t>(decimals), '0');
  if (d.digits.empty() || d.exp < 0) {
    intPart = "0";
  } else {
    intPart = d.digits.substr(0, std::min<std::size_t>(d.digits.size(), d.exp + 1));
    intPart.append(static_cast<std::size_t>(d.exp + 1) - intPart.size(), '0');
  }
  for (std::size_t i = 0; i < d.digits.size(); ++i) {
    const int place = d.exp - static_cast<int>(i);  // power of ten of this digit
    if (place < 0 && -place <= decimals) frac[static_cast<std::size_t>(-place - 1)] = d.digits[i];
  }
  std::u16string s = (x < 0 && !d.digits.empty()) ? u"-" : u"";
  if (thousands != 0) {
    for (std::size_t i = 0; i < intPart.size(); ++i) {
      if (i > 0 && (intPart.size() - i) % 3 == 0) s += thousands;
      s += static_cast<char16_t>(intPart[i]);
    }
  } else {
    s += Widen(intPart);
  }
  if (decimals > 0) {
    s += RegionalSeparator();
    s += Widen(frac);
  }
  return s;
}

bool Contains(const std::u16string& s, std::u16string_view part) {
  return s.find(part) != std::u16string::npos;
}

// Appends zeros until s is `length` characters long; texts with an exponent
// are left alone, since zeros there would change the exponent.
void PadWithZeros(std::u16string& s, int length) {
  if (Contains(s, u"E")) return;
  if (static_cast<int>(s.size()) < length) s.append(static_cast<std::size_t>(length) - s.size(), u'0');
}

// The mantissa before an "E" as a real (written with the regional separator).
Extended ReadMantissa(std::u16string_view text) {
  std::string s;
  for (char16_t c : text) s += c == RegionalSeparator() ? '.' : static_cast<char>(c);
  Extended v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

int ReadExponent(std::u16string_view text) {
  std::string s(text.begin(), text.end());
  int v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

void TrimBlanks(std::u16string& s) {
  const std::size_t a = s.find_first_not_of(u' ');
  if (a == std::u16string::npos) {
    s.clear();
    return;
  }
  s = s.substr(a, s.find_last_not_of(u' ') - a + 1);
}

}  // namespace

std::u16string FormatGeneral(int digits, Extended x) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  if (x == 0) return u"0";
  digits = std::clamp(digits, 1, 18);
  // The value itself is rounded once, to `digits` digits: rounding a longer
  // text again would round twice.
  char buf[64];
  // A value that a double holds exactly has the same digits as that double,
  // whose conversion is many times faster.
  const double asDouble = static_cast<double>(x);
  const auto res = static_cast<Extended>(asDouble) == x
                       ? std::to_chars(buf, buf + sizeof buf, asDouble, std::chars_format::scientific, digits - 1)
                       : std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, digits - 1);
  const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t e = sci.find('e');
  Decimal d;
  std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), d.exp);
  for (std::size_t i = sci[0] == '-' ? 1 : 0; i < e; ++i)
    if (sci[i] != '.') d.digits += sci[i];
  StripTrailingZeros(d);
  return GeneralLayout(d, x < 0, digits, -5, 0);
}

std::u16string FormatReal(int digits, Extended x) {
  if (fabsl(x) < 1e-18L) return u"0";
  std::u16string s = GeneralText(x, digits, 0);
  // Small numbers are written in fixed notation with `digits` decimals,
  // whatever the separator.
  if (Contains(s, u"E-")) s = FixedText(x, digits, 18);
  return s;
}

std::u16string FormatFixed(int precision, int decimals, Extended x) {
  return FixedText(x, decimals, std::clamp(precision, 1, 18));
}

std::u16string FormatRealZeros(int digits, Extended x) {
  std::u16string s = FormatReal(digits, x);
  const std::u16string& sep = kernelState().LanguageDecimalSeparator;
  if (!sep.empty() && Contains(s, sep)) PadWithZeros(s, digits + 1);
  return s;
}

std::u16string FormatRealSigned(int digits, Extended x) {
  if (fabsl(x) < 1e-18L) x = 0;
  return x >= 0 ? u" " + FormatReal(digits, x) : FormatReal(digits, x);
}

std::u16string FormatRealParen(int digits, Extended x) {
  std::u16string s = FormatReal(digits, x);
  if (!s.empty() && s[0] == u'-') s = u"(" + s + u")";
  return s;
}

std::u16string FormatTerm(int digits, Extended x) {
  std::u16string s = x >= 0 ? u" + " + GeneralText(x, digits, 4)
                            : std::u16string(u" ") + ksym::EnDash + u" " + GeneralText(-x, digits, 4);
  if (s.find(RegionalSeparator()) != std::u16string::npos) PadWithZeros(s, digits + 4);
  return s;
}

std::u16string FormatGrouped(Extended x) {
  std::u16string s = FixedText(x, 0, 18, RegionalThousandsSeparator());
  if (Contains(s, u"E") || !std::isfinite(x)) return u"overflow";
  std::replace(s.begin(), s.end(), u'.', u' ');
  return s;
}

std::u16string Blanks(int n) {
  return std::u16string(static_cast<std::size_t>(std::clamp(n, 0, 30)), u' ');
}

std::u16string PadRight(const std::u16string& text, int width) {
  return text + Blanks(width - static_cast<int>(text.size()));
}

std::u16string PadLeft(const std::u16string& text, int width) {
  return Blanks(width - static_cast<int>(text.size())) + text;
}

std::u16string PadCenter(const std::u16string& text, int width) {
  const std::u16string s = Blanks((width - static_cast<int>(text.size()) + 1) / 2) + text +
                           std::u16string(43, u' ');
  return LeftStrCopy(s, width);
}

std::u16string RepeatStr(const std::u16string& text, int n) {
  std::u16string s;
  for (int i = 0; i < n; ++i) s += text;
  return s;
}

std::u16string FormatLinear3(const std::u16string& name1, const std::u16string& name2,
                             const std::u16string& name3, Extended c1, Extended c2,
                             Extended c3) {
  const std::u16string* names[3] = {&name1, &name2, &name3};
  const Extended coefs[3] = {c1, c2, c3};
  std::u16string s;
  bool written = false;
  for (int k = 0; k < 3; ++k) {
    const Extended c = coefs[k];
    if (c == 0) continue;
    if (c < 0) s += u" - ";
    else if (written) s += u" + ";
    if (!(fabsl(c) == 1 && !names[k]->empty())) s += FormatReal(15, fabsl(c));
    s += *names[k];
    written = true;
  }
  if (!written) return u"0";
  TrimBlanks(s);
  return s;
}

std::u16string FormatMioMrd(int digits, Extended x) {
  const std::u16string s = FormatReal(digits, x);
  const std::size_t b = s.find(u'E');
  if (b == std::u16string::npos) return s;
  const Extended m = ReadMantissa(std::u16string_view(s).substr(0, b));
  const int n = ReadExponent(std::u16string_view(s).substr(b + 1));
  static constexpr Extended scale[3] = {1, 10, 100};
  if (n >= 6 && n <= 8) return FormatReal(digits, m * scale[n - 6]) + u" Mio";
  if (n >= 9 && n <= 11) return FormatReal(digits, m * scale[n - 9]) + u" Mrd";
  return s;
}

std::u16string FormatPowerOfTen(int digits, Extended x) {
  const std::u16string s = FormatReal(digits, x);
  const std::size_t b = s.find(u'E');
  if (b == std::u16string::npos) return s;
  std::u16string m = s.substr(0, b);
  if (m.find(RegionalSeparator()) != std::u16string::npos)
    while (static_cast<int>(m.size()) <= digits) m += u'0';
  const int n = ReadExponent(std::u16string_view(s).substr(b + 1));
  return m + ksym::MulDotSign + u"10" + ksym::SupScriptDigits(n);
}

std::chrono::year_month_day ParseDateDMY(const std::u16string& text) {
  // Split like a delimited list with "." as delimiter: blanks separate too and
  // blanks around a delimiter belong to it.
  std::vector<std::u16string> parts;
  std::size_t i = 0;
  const auto isBlank = [](char16_t c) { return c <= u' '; };
  while (i < text.size() && isBlank(text[i])) ++i;
  while (i < text.size() && parts.size() < 3) {
    std::u16string item;
    while (i < text.size() && text[i] != u'.' && !isBlank(text[i])) item += text[i++];
    parts.push_back(item);
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i < text.size() && text[i] == u'.') {
      ++i;
      while (i < text.size() && isBlank(text[i])) ++i;
      if (i >= text.size()) parts.push_back(u"");  // a trailing delimiter ends an empty item
    }
  }
  if (parts.size() < 3) throw CalcFailure{msg::InvalidInput, "incomplete date"};
  int v[3];
  for (int k = 0; k < 3; ++k) {
    std::string s(parts[static_cast<std::size_t>(k)].begin(), parts[static_cast<std::size_t>(k)].end());
    const char* first = s.data();
    if (!s.empty() && s[0] == '+') ++first;
    const auto r = std::from_chars(first, s.data() + s.size(), v[k]);
    if (s.empty() || r.ec != std::errc{} || r.ptr != s.data() + s.size())
      throw CalcFailure{msg::InvalidInput, "date part is not a whole number"};
  }
  const std::chrono::year_month_day date{std::chrono::year{v[2]},
                                         std::chrono::month{static_cast<unsigned>(v[1])},
                                         std::chrono::day{static_cast<unsigned>(v[0])}};
  if (v[0] < 1 || v[1] < 1 || v[2] < 1 || v[2] > 9999 || !date.ok())
    throw CalcFailure{msg::InvalidInput, "impossible date"};
  return date;
}

void RenameVariable(std::u16string& text, const std::u16string& oldName,
                    const std::u16string& newName) {
  // "fak" is parked as a private-use character, which no name or typed term
  // contains, so the renaming can neither touch nor create it.
  static const std::u16string parked(1, u'\uE000');
  ReplaceAllText(text, u"fak", parked);
  ReplaceAllText(text, oldName, newName);
  ReplaceAllText(text, parked, u"fak");
}

}  // namespace zw
