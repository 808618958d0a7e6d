// glutInit refuses to run without a display and ends the process, so the
// display is checked first and a missing one is reported to the caller.
#include "app/gl_process.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <malloc.h>

#include "render/gl.h"

namespace pyk {

bool CanOpenXDisplay(std::string* error);  // x_display.cpp, apart from the Qt headers

namespace {

// A software renderer allocates tens of megabytes for each frame and frees
// them at its end. By default the heap hands that memory back to the system
// every time, and the next frame pays a page fault per page to get it again
// (a line frame of 133,000 segments took four times as long). Keeping freed
// memory for reuse bounds the process by its largest frame instead.
void KeepFreedMemoryForReuse() {
  constexpr int kTrimAbove = 256 << 20;
  constexpr int kMapAbove = 32 << 20;  // the heap's own upper bound for this setting
  mallopt(M_TRIM_THRESHOLD, kTrimAbove);
  mallopt(M_MMAP_THRESHOLD, kMapAbove);
}

}  // namespace

bool InitializeGlProcess(int* argc, char** argv, std::string* error) {
  KeepFreedMemoryForReuse();
  if (!CanOpenXDisplay(error)) return false;
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setDepthBufferSize(24);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  QSurfaceFormat::setDefaultFormat(format);
  glutInit(argc, argv);
  return true;
}

bool CanCreateGlContext() {
  QOpenGLContext context;
  context.setFormat(QSurfaceFormat::defaultFormat());
  if (!context.create()) return false;
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!surface.isValid() || !context.makeCurrent(&surface)) return false;
  // Immediate mode needs more than a core profile, the picture a depth buffer.
  const QSurfaceFormat got = context.format();
  const bool fits = got.profile() != QSurfaceFormat::CoreProfile && got.depthBufferSize() > 0;
  context.doneCurrent();
  return fits;
}

}  // namespace pyk
