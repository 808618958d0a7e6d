// Whether the X display named by DISPLAY can be opened (the connection is
// kept); apart from the Qt headers, which clash with Xlib's macros.
#include <X11/Xlib.h>

#include <cstdlib>
#include <string>

namespace pyk {

bool CanOpenXDisplay(std::string* error) {
  const char* name = std::getenv("DISPLAY");
  Display* x = name != nullptr ? XOpenDisplay(name) : nullptr;
  if (x == nullptr) {
    *error = name == nullptr ? "no X display: DISPLAY is not set (start it under Xvfb, e.g. xvfb-run)"
                             : std::string("cannot open the X display ") + name;
    return false;
  }
  // The connection stays open for the life of the process: Xvfb was seen to
  // refuse, now and then, a connection made right after one was closed.
  return true;
}

}  // namespace pyk
