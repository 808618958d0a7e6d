// An offscreen OpenGL context of the viewer's kind (compatibility profile,
// RGBA, depth buffer) with a framebuffer of a given size, and its pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/gl_process.h"

namespace pyk {

class OffscreenGl {
 public:
  ~OffscreenGl();
  // Creates the context and a width x height framebuffer and makes them
  // current; null with the reason in *error when that fails.
  static std::unique_ptr<OffscreenGl> Create(int width, int height, std::string* error);
  // Makes this context and its framebuffer current again, after another's use.
  bool MakeCurrent();
  // The framebuffer's pixels as top-down rows of red, green, blue.
  std::vector<uint8_t> ReadPixels() const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  struct Impl;
  OffscreenGl() = default;
  std::unique_ptr<Impl> impl_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace pyk
