#include "kernel/TextSigns.h"

namespace zw::ksym {

namespace {

std::u16string scriptDigits(std::int64_t n, const char16_t (&digits)[10], char16_t minus) {
  std::u16string out;
  for (char c : std::to_string(n)) out += c == '-' ? minus : digits[c - '0'];
  return out;
}

}  // namespace

std::u16string SupScriptDigits(std::int64_t n) {
  static constexpr char16_t digits[10] = {u'\u2070', u'\u00B9', u'\u00B2', u'\u00B3', u'\u2074',
                                          u'\u2075', u'\u2076', u'\u2077', u'\u2078', u'\u2079'};
  return scriptDigits(n, digits, u'\u207B');
}

std::u16string SubScriptDigits(std::int64_t n) {
  static constexpr char16_t digits[10] = {u'\u2080', u'\u2081', u'\u2082', u'\u2083', u'\u2084',
                                          u'\u2085', u'\u2086', u'\u2087', u'\u2088', u'\u2089'};
  return scriptDigits(n, digits, u'\u208B');
}

}  // namespace zw::ksym
