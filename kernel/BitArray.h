#pragma once
// A bit array for the sieve and period topics, each computation owning its
// own: bit i is bit (i mod 16) of the 16-bit word i div 16, least
// significant bit first. Storage is sized by init() and every access is
// bounds-checked (std::out_of_range).
#include <cstdint>
#include <vector>

namespace zw {

// Text the caller shows (error box, OK button) when init() clamps.
inline constexpr char16_t BitArrayTooLargeText[] = u"BitArray zu groß";

class BitArray {
public:
  // Largest word index init() accepts; a larger request is clamped to it.
  static constexpr std::int32_t MaxWordIndex = 16383;

  // Makes words 0 .. n div 16 (so bits 0 .. 16*(n div 16 + 1) - 1) available
  // and clears them. Returns true when n needed more than MaxWordIndex words
  // and was clamped (bits from 262,144 on are then out of range).
  bool init(std::int64_t n);
  void set(std::int64_t i);
  void clear(std::int64_t i);
  bool test(std::int64_t i) const;
  void setWord(std::int64_t index, std::uint16_t value);
  std::int64_t bitCount() const { return static_cast<std::int64_t>(words_.size()) * 16; }

private:
  std::vector<std::uint16_t> words_;
};

}  // namespace zw
