// The map's file paths: bounded copies and the report, contour and picture
// names derived from a map path.
#pragma once

#include <string>
#include <string_view>

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// Copies src into a 140-byte path field. A path longer than 139 characters is
// refused with the message naming the limit and the path; the field is then
// left as it was. Every path that enters the program goes through here.
bool CopyPath(char (&dst)[kPathSize], std::string_view src, Platform& platform);

// The path with its file name cut before the file name's last "."; folders
// are never cut, and a name with no "." (or only a leading one) stays whole.
std::string WithoutExtension(std::string_view path);

// The report path of a map opened by the file dialog or dropped: the path
// without its extension, then ".fmap" for a "fou" file, ".dmap" for a "den"
// file (extension compared in lower case) and nothing for any other, unless
// that would name the map itself, which then gets ".fmap". A CCP4/MRC map's
// report is its path without a final ".gz" and the extension, then ".fmap".
std::string ReportPathFor(std::string_view mapPath, bool ccp4 = false);

// The contour path beside a map: the map path without its last four
// characters, then ".con"; for a CCP4/MRC map (whose extensions are of any
// length and may end in ".gz") without a final ".gz" and the extension.
std::string ConPathFor(std::string_view mapPath, bool ccp4 = false);

// The peak list's path: the report's folder (the map's when there is no
// report), the map's file name without its extension, then ".peaks".
std::string PeaksPathFor(std::string_view reportPath, std::string_view mapPath);

// The Save dialog's proposed name: the map path without its extension, then
// ".bmp"; ".bmp" alone while no map is named.
std::string DefaultBitmapName(std::string_view mapPath);

}  // namespace pyk
