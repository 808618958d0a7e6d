// The one place that builds the mesh program's error messages: one line each.
#pragma once

#include <string>

namespace pyk {

// Formats a one-line message (printf style) into *error and returns 1, the
// failure code of every mesh step. Line breaks in the result become blanks.
int MeshFail(std::string* error, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace pyk
