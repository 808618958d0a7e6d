// The BMP writer: header bytes, stride padding, bottom-up BGR rows and file sizes.
#include "render/bmp.h"

#include <gtest/gtest.h>

#include "support/files.h"

namespace pyk {
namespace {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(Bmp, HeaderStrideAndRowsForSmallWidths) {
  const struct {
    int width, stride;
  } rows[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}};
  for (const auto& r : rows) {
    const int height = 2;
    std::vector<uint8_t> rgb;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < r.width; ++x) {
        rgb.push_back(static_cast<uint8_t>(10 * y + x));  // red
        rgb.push_back(100);                                // green
        rgb.push_back(static_cast<uint8_t>(200 + y));      // blue
      }
    }
    const auto b = EncodeBmp24(r.width, height, rgb.data());
    EXPECT_EQ(BmpStride(r.width), r.stride);
    ASSERT_EQ(b.size(), 54u + 2u * static_cast<size_t>(r.stride));
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    // File size, reserved, pixel offset; header size, width, height, one plane
    // and 24 bits, no compression, image size, then zeros.
    const uint32_t header[] = {static_cast<uint32_t>(b.size()), 0, 54, 40, static_cast<uint32_t>(r.width), 2,
                               1u | 24u << 16, 0, 2u * static_cast<uint32_t>(r.stride), 0, 0, 0, 0};
    for (size_t k = 0; k < std::size(header); ++k) EXPECT_EQ(Read32(b, 2 + 4 * k), header[k]) << "at " << 2 + 4 * k;
    // The first stored row is the picture's bottom row (y = 1), blue first.
    EXPECT_EQ(b[54], 201);
    EXPECT_EQ(b[55], 100);
    EXPECT_EQ(b[56], 10);
    EXPECT_EQ(b[54 + r.stride + 2], 0);  // top row, first pixel's red
    for (int pad = 3 * r.width; pad < r.stride; ++pad) EXPECT_EQ(b[54 + pad], 0) << r.width;
  }
}

TEST(Bmp, ReplacingALongerFileLeavesExactlyTheNewSize) {
  test::TempDir dir;
  const std::string path = dir.File("p.bmp");
  test::WriteText(path, std::string(5000, 'x'));
  const std::vector<uint8_t> rgb(3 * 3 * 7, 128);
  ASSERT_TRUE(WriteBmp24(path.c_str(), 3, 7, rgb.data()));
  EXPECT_EQ(test::ReadText(path).size(), 54u + 12u * 7u);
  EXPECT_FALSE(WriteBmp24(dir.File("missing/p.bmp").c_str(), 3, 7, rgb.data()));
}

}  // namespace
}  // namespace pyk
