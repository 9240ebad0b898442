#pragma once
// Windows-1252 bytes to Unicode, without Qt: the numeric components and the
// tag reader read files that older versions of the program wrote in that
// code page. Bytes 0x00-0x7F and 0xA0-0xFF are the same code points; 0x80-0x9F
// carry the typographic characters, and the five unassigned ones map to the
// C1 control with the same number, as the Windows conversion does.
#include <array>
#include <cstdint>

namespace zw {

inline constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char16_t Cp1252ToUnicode(std::uint8_t byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? kCp1252High[byte - 0x80] : static_cast<char16_t>(byte);
}

}  // namespace zw
