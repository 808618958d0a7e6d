// glutInit refuses to run without a display and ends the process, so the
// display is checked first and a missing one is reported to the caller.
#include "gl_process.h"

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

}  // namespace pyk
