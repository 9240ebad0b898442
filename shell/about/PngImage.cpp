#include "shell/about/PngImage.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <zlib.h>

namespace zw {

namespace {

std::uint32_t bigEndian32(const unsigned char* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

int paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

bool inflateAll(const std::vector<unsigned char>& in, std::vector<unsigned char>& out) {
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) return false;
  zs.next_in = const_cast<Bytef*>(in.data());
  zs.avail_in = static_cast<uInt>(in.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  const int rc = inflate(&zs, Z_FINISH);
  const bool complete = rc == Z_STREAM_END && zs.avail_out == 0;
  inflateEnd(&zs);
  return complete;
}

}  // namespace

QImage decodePng(const QByteArray& bytes) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  const auto* d = reinterpret_cast<const unsigned char*>(bytes.constData());
  const std::size_t size = static_cast<std::size_t>(bytes.size());
  if (size < 8 || std::memcmp(d, kSignature, 8) != 0) return {};

  std::uint32_t width = 0, height = 0;
  int colourType = -1;
  std::vector<unsigned char> packed;
  bool ended = false;
  for (std::size_t pos = 8; pos + 12 <= size && !ended;) {
    const std::uint32_t length = bigEndian32(d + pos);
    if (length > size - pos - 12) return {};
    const unsigned char* type = d + pos + 4;
    const unsigned char* body = d + pos + 8;
    if (crc32(0, type, length + 4) != bigEndian32(body + length)) return {};
    if (std::memcmp(type, "IHDR", 4) == 0) {
      if (length != 13) return {};
      width = bigEndian32(body);
      height = bigEndian32(body + 4);
      const int depth = body[8];
      colourType = body[9];
      if (depth != 8 || body[10] != 0 || body[11] != 0 || body[12] != 0) return {};
    } else if (std::memcmp(type, "IDAT", 4) == 0) {
      packed.insert(packed.end(), body, body + length);
    } else if (std::memcmp(type, "IEND", 4) == 0) {
      ended = true;
    }
    pos += 12 + std::size_t(length);
  }
  int channels = 0;
  switch (colourType) {
    case 0: channels = 1; break;
    case 2: channels = 3; break;
    case 4: channels = 2; break;
    case 6: channels = 4; break;
    default: return {};
  }
  if (!ended || width == 0 || height == 0 || width > 8192 || height > 8192) return {};

  const std::size_t stride = std::size_t(width) * channels;
  std::vector<unsigned char> raw((stride + 1) * height);
  if (!inflateAll(packed, raw)) return {};

  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGBA8888);
  std::vector<unsigned char> previous(stride, 0), current(stride);
  for (std::uint32_t y = 0; y < height; ++y) {
    const unsigned char* line = raw.data() + y * (stride + 1);
    const int filter = line[0];
    for (std::size_t x = 0; x < stride; ++x) {
      const int a = x >= std::size_t(channels) ? current[x - channels] : 0;
      const int b = previous[x];
      const int c = x >= std::size_t(channels) ? previous[x - channels] : 0;
      int predictor = 0;
      switch (filter) {
        case 0: predictor = 0; break;
        case 1: predictor = a; break;
        case 2: predictor = b; break;
        case 3: predictor = (a + b) / 2; break;
        case 4: predictor = paeth(a, b, c); break;
        default: return {};
      }
      current[x] = static_cast<unsigned char>(line[1 + x] + predictor);
    }
    uchar* out = image.scanLine(static_cast<int>(y));
    for (std::uint32_t x = 0; x < width; ++x) {
      const unsigned char* s = current.data() + std::size_t(x) * channels;
      unsigned char* o = out + std::size_t(x) * 4;
      switch (channels) {
        case 1: o[0] = o[1] = o[2] = s[0]; o[3] = 255; break;
        case 2: o[0] = o[1] = o[2] = s[0]; o[3] = s[1]; break;
        case 3: o[0] = s[0]; o[1] = s[1]; o[2] = s[2]; o[3] = 255; break;
        default: o[0] = s[0]; o[1] = s[1]; o[2] = s[2]; o[3] = s[3]; break;
      }
    }
    previous.swap(current);
  }
  return image;
}

}  // namespace zw
