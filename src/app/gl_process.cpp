// glutInit refuses to run without a display and ends the process, so the
// display is checked first and a missing one is reported to the caller.
#include "app/gl_process.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include "render/gl.h"

namespace pyk {

bool CanOpenXDisplay(std::string* error);  // x_display.cpp, apart from the Qt headers

bool InitializeGlProcess(int* argc, char** argv, std::string* error) {
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
