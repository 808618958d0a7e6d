// Qt's offscreen surface and a framebuffer object, as the viewer's widget has.
#include "tools/render/offscreen.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <cstdlib>

#include "render/gl.h"

namespace pyk {

struct OffscreenGl::Impl {
  QOpenGLContext context;
  QOffscreenSurface surface;
  std::unique_ptr<QOpenGLFramebufferObject> fbo;
};

OffscreenGl::~OffscreenGl() {
  if (impl_) {
    impl_->fbo.reset();
    impl_->context.doneCurrent();
  }
}

std::unique_ptr<OffscreenGl> OffscreenGl::Create(int width, int height, std::string* error) {
  std::unique_ptr<OffscreenGl> gl(new OffscreenGl);
  gl->impl_ = std::make_unique<Impl>();
  gl->width_ = width;
  gl->height_ = height;
  Impl& i = *gl->impl_;
  i.context.setFormat(QSurfaceFormat::defaultFormat());
  if (!i.context.create()) {
    *error = "cannot create an OpenGL context";
    return nullptr;
  }
  i.surface.setFormat(i.context.format());
  i.surface.create();
  if (!i.context.makeCurrent(&i.surface)) {
    *error = "cannot make the OpenGL context current";
    return nullptr;
  }
  i.fbo = std::make_unique<QOpenGLFramebufferObject>(width, height, QOpenGLFramebufferObject::Depth);
  if (!i.fbo->isValid() || !i.fbo->bind()) {
    *error = "cannot create a framebuffer of the requested size";
    return nullptr;
  }
  glViewport(0, 0, width, height);
  return gl;
}

bool OffscreenGl::MakeCurrent() { return impl_->context.makeCurrent(&impl_->surface) && impl_->fbo->bind(); }

std::vector<uint8_t> OffscreenGl::ReadPixels() const {
  const size_t row = 3 * static_cast<size_t>(width_);
  std::vector<uint8_t> bottomUp(row * static_cast<size_t>(height_));
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
  std::vector<uint8_t> topDown(bottomUp.size());
  for (int y = 0; y < height_; ++y) {
    std::copy_n(bottomUp.data() + static_cast<size_t>(height_ - 1 - y) * row, row,
                topDown.data() + static_cast<size_t>(y) * row);
  }
  return topDown;
}

}  // namespace pyk
