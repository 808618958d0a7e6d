// Process-wide preparation for OpenGL drawing and GLUT text, shared by the
// viewer and the offscreen tools.
#pragma once

#include <string>

namespace pyk {

// Before any window-system object exists: keeps the heap's freed memory for
// reuse between frames, checks that the X display can be opened, sets the
// default surface format (compatibility profile, RGBA of 8 bits each, depth
// buffer, double buffered) and runs glutInit once. False with the reason in
// *error when there is no X display to draw with.
bool InitializeGlProcess(int* argc, char** argv, std::string* error);

// After the Q(Gui)Application exists: whether a context of the default
// surface format (compatibility or no profile, with a depth buffer) can be
// created and made current.
bool CanCreateGlContext();

}  // namespace pyk
