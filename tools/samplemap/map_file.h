// Text serialisation of map, contour-conditions and model files.
#pragma once

#include <string>

#include "tools/samplemap/map_data.h"
#include "tools/samplemap/structure.h"

namespace pyk::sample {

// The whole map file as text (LF line ends). Densities are printed with a
// decimal point so a reader can tell one column from two.
std::string FormatMapFile(const MapData& m);
std::string FormatConFile(const ConData& c);

// Write the formatted text; false if the file cannot be written completely.
bool WriteMapFile(const std::string& path, const MapData& m);
bool WriteConFile(const std::string& path, const ConData& c);

// The structure's model as a small-molecule CIF: name, cell, the space group
// by its Hermann-Mauguin name and the atom sites of the asymmetric unit with
// their isotropic displacements.
std::string FormatModelCif(const CrystalStructure& s, const char* spaceGroup);
bool WriteModelCif(const std::string& path, const CrystalStructure& s, const char* spaceGroup);

}  // namespace pyk::sample
