// The map reader written the straightforward way, with fgets, fscanf and
// rewind on a C stream: the reference the fast reader is checked and timed against.
#pragma once

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk::reference {

// Reads the map file's records, cell, grid and symmetry into s with the
// literal C-stream rules (a number that does not convert leaves its field),
// with ReadMapFile's capacity refusals, without the contour file. Returns 0
// when every number converted, 1 when one did not (the file ends early or
// has text where a number stands), -1 when it cannot be opened or is refused.
int ReadMapRecordsStdio(ViewState& s, const char* path);

}  // namespace pyk::reference
