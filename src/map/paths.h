// The map's file paths: bounded copies and the report and contour names derived from a map path.
#pragma once

#include <string>
#include <string_view>

#include "view/platform.h"
#include "view/state.h"

namespace pyk {

// Copies src into a 140-byte path field. A path longer than 139 characters is
// refused with a message naming it; the field is then left as it was.
bool CopyPath(char (&dst)[kPathSize], std::string_view src, Platform& platform);

// The report path of a map opened by the file dialog: the map path cut before
// its first ".", then ".fmap" for a "fou" file, ".dmap" for a "den" file
// (extension compared in lower case) and nothing for any other.
std::string ReportPathFor(std::string_view mapPath);

// The contour path beside a map: the map path without its last four
// characters, then ".con".
std::string ConPathFor(std::string_view mapPath);

}  // namespace pyk
