// The map reader written the straightforward way, with fgets, fscanf and
// rewind on a C stream: the reference the fast reader is checked and timed against.
#pragma once

#include "view/platform.h"
#include "view/state.h"

namespace pyk::reference {

// Reads the map file's records, cell, grid and symmetry into s exactly as
// ReadMapFile does (same capacity refusals), without the contour file.
// Returns 0, or -1 when the file cannot be opened or is refused.
int ReadMapRecordsStdio(ViewState& s, const char* path);

}  // namespace pyk::reference
