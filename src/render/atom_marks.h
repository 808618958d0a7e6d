// The model's atoms on the map: a small circle at each atom that lies on the
// current section, and its label, in the font colour.
#pragma once

#include "state/view_state.h"

namespace pyk {

// Drawn at the map's plane before the map, as the peak marks are; nothing
// while the model is hidden or empty.
void DrawAtomMarks(const ViewState& s);

}  // namespace pyk
