#pragma once
// Checksum text of a sequence of numbers: one standard CRC-32 per byte lane
// (lane k is the k-th little-endian byte of every value), written as eight
// upper-case hexadecimal digits per lane, lane 0 first.
#include <cstddef>
#include <string>
#include <vector>

namespace zw {

std::string LaneCRC(const unsigned char* bytes, std::size_t elemSize, std::size_t count);

template <class T>
std::string LaneCRC(const std::vector<T>& values) {
  return LaneCRC(reinterpret_cast<const unsigned char*>(values.data()), sizeof(T), values.size());
}

}  // namespace zw
