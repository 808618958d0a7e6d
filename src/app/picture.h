// Writing the view's picture to a file: the 24-bit BMP of the save command,
// or a PNG when the name asks for one.
#pragma once

#include <QImage>
#include <string>

namespace pyk {

// True when the path ends in ".png", in any case.
bool WantsPng(const std::string& path);

// Writes picture to path as PNG or as 24-bit BMP (replacing any file of that
// name); false when the file cannot be created or written whole.
bool SavePicture(const QImage& picture, const std::string& path);

}  // namespace pyk
