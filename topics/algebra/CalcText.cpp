#include "topics/algebra/CalcText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zw {

std::u16string CalcFloatText(long double x, int digits, char16_t decimalSign) {
  if (x == 0) return u"0";  // also -0
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, digits);
  std::string s(buf, r.ptr);
  std::u16string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '.') {
      out.push_back(decimalSign);
    } else if (c == 'e') {
      out.push_back(u'E');
      std::size_t j = i + 1;
      if (j < s.size() && s[j] == '-') out.push_back(u'-');
      if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
      while (j + 1 < s.size() && s[j] == '0') ++j;
      for (; j < s.size(); ++j) out.push_back(static_cast<char16_t>(s[j]));
      break;
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

std::optional<long double> CalcTextToFloat(const std::u16string& text) {
  std::string s;
  for (char16_t c : text) {
    if (c == u',') s.push_back('.');
    else if (c < 128) s.push_back(static_cast<char>(c));
    else return std::nullopt;
  }
  if (s.empty()) return std::nullopt;
  long double v = 0;
  const char* first = s.data();
  if (*first == '+') ++first;
  const auto r = std::from_chars(first, s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
  return v;
}

}  // namespace zw
