// Text serialisation of map and contour-conditions files.
#pragma once

#include <string>

#include "tools/samplemap/map_data.h"

namespace pyk::sample {

// The whole map file as text (LF line ends). Densities are printed with a
// decimal point so a reader can tell one column from two.
std::string FormatMapFile(const MapData& m);
std::string FormatConFile(const ConData& c);

// Write the formatted text; false if the file cannot be written completely.
bool WriteMapFile(const std::string& path, const MapData& m);
bool WriteConFile(const std::string& path, const ConData& c);

}  // namespace pyk::sample
