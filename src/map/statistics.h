// Mean, rms deviation, minimum and maximum of a map over its whole cell.
#pragma once

#include "state/view_state.h"
#include "state/zeroed_block.h"

namespace pyk {

// m's shown densities on the whole cell grid, index (x * ny + y) * nz + z;
// NaN where no record or image reaches. Empty without a grid.
HugePageVector<float> ExpandToCell(const MapRecord& m);

// The statistics of m's shown densities over every grid point of the cell
// that a record or an image reaches; all zero when none does.
MapStatistics ComputeMapStatistics(const MapRecord& m);

}  // namespace pyk
