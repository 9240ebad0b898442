#pragma once
// Windows-1252, the 8-bit code page that settings, worksheets, chart data
// files and numeric component files may be written in when they are not
// UTF-8. Header-only and Qt-free so that every layer can use the one table.
// Bytes 0x00..0x7F and 0xA0..0xFF are the same code points in Unicode; the
// row 0x80..0x9F holds the typographic characters below, five of its bytes
// are undefined and decode as themselves.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zw::cp1252 {

inline constexpr std::array<char16_t, 32> kHighRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

// The Unicode character of a byte.
constexpr char16_t ToUnicode(std::uint8_t byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? kHighRow[byte - 0x80] : static_cast<char16_t>(byte);
}

// The byte of a character, or nothing when the code page has none for it.
constexpr std::optional<std::uint8_t> FromUnicode(char16_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<std::uint8_t>(ch);
  for (std::size_t i = 0; i < kHighRow.size(); ++i)
    if (kHighRow[i] == ch) return static_cast<std::uint8_t>(0x80 + i);
  return std::nullopt;
}

// A text in the code page; characters it lacks become `replacement`.
inline std::string Encode(std::u16string_view text, char replacement = '?') {
  std::string out;
  out.reserve(text.size());
  for (char16_t ch : text) {
    auto b = FromUnicode(ch);
    out.push_back(b ? static_cast<char>(*b) : replacement);
  }
  return out;
}

inline std::u16string Decode(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char b : bytes) out.push_back(ToUnicode(static_cast<std::uint8_t>(b)));
  return out;
}

}  // namespace zw::cp1252
