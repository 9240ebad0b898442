#pragma once
// Small builders for polynomial tests, and kernel texts as UTF-8 for
// comparisons (the prime tests use that too).
#include <initializer_list>
#include <string>

#include "kernel/Poly.h"

namespace zw::testing_poly {

// Coefficients lowest power first: P({-1, 0, 1}) is x² − 1.
inline TPoly P(std::initializer_list<TBruch> byPower) {
  TPoly p{};
  int i = 0;
  for (TBruch c : byPower) p[i++] = c;
  return p;
}

inline TBruch F(int32_t z, int32_t n = 1) { return TBruch{z, n}; }

inline std::string utf8(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace zw::testing_poly
