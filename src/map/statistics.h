// Mean, rms deviation, minimum and maximum of a map over its whole cell.
#pragma once

#include "state/view_state.h"

namespace pyk {

// The statistics of m's shown densities over every grid point of the cell
// that a record or an image reaches; all zero when none does.
MapStatistics ComputeMapStatistics(const MapRecord& m);

}  // namespace pyk
