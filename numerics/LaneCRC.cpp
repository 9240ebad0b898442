#include "numerics/LaneCRC.h"

#include <zlib.h>

#include <algorithm>
#include <bit>

#include "common/MathHelpers.h"

namespace zw {

static_assert(std::endian::native == std::endian::little, "lanes are taken in memory order");

std::string LaneCRC(const unsigned char* bytes, std::size_t elemSize, std::size_t count) {
  std::string text;
  std::vector<unsigned char> lane(count);
  for (std::size_t k = 0; k < elemSize; ++k) {
    for (std::size_t i = 0; i < count; ++i) lane[i] = bytes[i * elemSize + k];
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most 4 GiB per call.
    for (std::size_t done = 0; done < count;) {
      const std::size_t part = std::min<std::size_t>(count - done, 1u << 30);
      crc = crc32(crc, lane.data() + done, static_cast<uInt>(part));
      done += part;
    }
    text += CardinalToHex(static_cast<std::uint32_t>(crc), 8);
  }
  return text;
}

}  // namespace zw
