// CCP4 map files of the samples, written with gemmi: the whole cell in x y z
// order, or a part of it in another axis order that readers must complete.
#pragma once

#include <array>
#include <string>

#include "tools/samplemap/map_data.h"

namespace pyk::sample {

struct Ccp4Layout {
  std::array<int, 3> axes;   // the cell axis (0 x, 1 y, 2 z) along file columns, rows, sections
  std::array<int, 3> start;  // first stored point along each cell axis, may be below zero
  std::array<int, 3> count;  // points stored along each cell axis
};

Ccp4Layout WholeCellLayout(const int grid[3]);
// Axes z x y; y from -2 to half the cell plus 2 (at most the whole cell),
// which every sample's group completes, starting below zero so that readers wrap.
Ccp4Layout HalfCellLayout(const int grid[3]);

// The map's first column, completed over the cell as the viewer completes it
// and rounded as the text file rounds it, with the cell as the text file
// prints it. False if the group is unknown to gemmi or the file cannot be written.
bool WriteCcp4File(const std::string& path, const MapData& m, const char* spaceGroup, const Ccp4Layout& layout);

}  // namespace pyk::sample
