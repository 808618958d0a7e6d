// The one place that builds the mesh program's error messages.
#include "mesh/fail.h"

#include <cstdarg>
#include <cstdio>

namespace pyk {

int MeshFail(std::string* error, const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (error != nullptr) {
    *error = text;
    for (char& c : *error) {
      if (c == '\n' || c == '\r') c = ' ';
    }
  }
  return 1;
}

}  // namespace pyk
