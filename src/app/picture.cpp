// The view's picture written as a 24-bit BMP or, by its name, a PNG.
#include "app/picture.h"

#include <cstring>
#include <vector>

#include "render/bmp.h"

namespace pyk {

bool WantsPng(const std::string& path) {
  if (path.size() < 4) return false;
  const std::string tail = path.substr(path.size() - 4);
  return tail[0] == '.' && (tail[1] | 0x20) == 'p' && (tail[2] | 0x20) == 'n' && (tail[3] | 0x20) == 'g';
}

bool SavePicture(const QImage& picture, const std::string& path) {
  if (picture.isNull()) return false;
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  if (WantsPng(path)) return rgb.save(QString::fromLocal8Bit(path.c_str()), "PNG");
  // QImage rows are padded to 32 bits; the BMP writer takes packed rows.
  const int w = rgb.width(), h = rgb.height();
  const size_t row = static_cast<size_t>(3 * w);
  std::vector<uint8_t> packed(row * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) std::memcpy(packed.data() + row * static_cast<size_t>(y), rgb.constScanLine(y), row);
  return WriteBmp24(path.c_str(), w, h, packed.data());
}

}  // namespace pyk
