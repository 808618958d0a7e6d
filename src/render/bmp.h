// The 24-bit uncompressed BMP format of saved pictures: 54-byte header,
// bottom-up rows of blue, green, red, padded to four bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace pyk {

// 3 * width rounded up to a multiple of 4.
inline int BmpStride(int width) { return (3 * width + 3) / 4 * 4; }

// The whole file for a picture of width x height pixels given as top-down
// rows of red, green, blue bytes (3 * width bytes each, no padding).
std::vector<uint8_t> EncodeBmp24(int width, int height, const uint8_t* rgbTopDown);

// Creates or replaces path with the encoded picture; false when the file
// cannot be created or written whole.
bool WriteBmp24(const char* path, int width, int height, const uint8_t* rgbTopDown);

}  // namespace pyk
