// The peak list's marks on the map: a numbered cross at each peak that lies
// on the current section, in the font colour.
#pragma once

#include "state/view_state.h"

namespace pyk {

// Drawn at the map's plane before the map, so that the map's own shapes at
// the same depth leave the marks' pixels alone.
void DrawPeakMarks(const ViewState& s);

}  // namespace pyk
