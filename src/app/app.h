// The application: start-up in order (settings, window, OpenGL, the map
// named by the arguments), the version dialog and the message loop.
#pragma once

namespace pyk {

class CPyknoscopeApp {
 public:
  // Runs the program with its arguments; returns the exit status.
  int Run(int argc, char** argv);
};

}  // namespace pyk
