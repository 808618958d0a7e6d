// The one place that builds the mesh program's error messages.
#include "mesh/fail.h"

#include <cstdarg>

#include "state/message.h"
#include "text/c_numbers.h"

namespace pyk {

int MeshFail(std::string* error, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = FormatCV(format, args);
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
