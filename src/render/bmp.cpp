// Saved pictures as 24-bit uncompressed BMP files, encoded and written.
// BMP file header (14 bytes) and information header (40 bytes), little-endian.
#include "render/bmp.h"

#include <cstdio>

namespace pyk {

namespace {

void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* p, uint32_t v) {
  Put16(p, v & 0xFFFF);
  Put16(p + 2, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(int width, int height, const uint8_t* rgbTopDown) {
  const int stride = BmpStride(width);
  const uint32_t imageSize = static_cast<uint32_t>(stride) * static_cast<uint32_t>(height);
  std::vector<uint8_t> out(54 + imageSize, 0);
  uint8_t* h = out.data();
  h[0] = 'B';
  h[1] = 'M';
  Put32(h + 2, 54 + imageSize);
  Put32(h + 10, 54);
  Put32(h + 14, 40);
  Put32(h + 18, static_cast<uint32_t>(width));
  Put32(h + 22, static_cast<uint32_t>(height));
  Put16(h + 26, 1);
  Put16(h + 28, 24);
  Put32(h + 34, imageSize);
  for (int row = 0; row < height; ++row) {
    const uint8_t* src = rgbTopDown + static_cast<size_t>(height - 1 - row) * 3 * static_cast<size_t>(width);
    uint8_t* dst = h + 54 + static_cast<size_t>(row) * static_cast<size_t>(stride);
    for (int x = 0; x < width; ++x) {
      dst[3 * x] = src[3 * x + 2];
      dst[3 * x + 1] = src[3 * x + 1];
      dst[3 * x + 2] = src[3 * x];
    }
  }
  return out;
}

bool WriteBmp24(const char* path, int width, int height, const uint8_t* rgbTopDown) {
  const std::vector<uint8_t> bytes = EncodeBmp24(width, height, rgbTopDown);
  FILE* f = std::fopen(path, "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace pyk
