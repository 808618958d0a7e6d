// CCP4/MRC map files, read through gemmi: the stored part is put in x, y, z
// order, completed to the whole cell by the space group of the header and
// handed on as the records, cell, grid and operations of a text map.
#pragma once

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// Whether the bytes are a CCP4/MRC map: "MAP " at byte 208 of the header, or
// gzip data, which among the maps the viewer reads only this kind may be.
bool IsCcp4Map(const char* begin, const char* end);
// The same for the start of the file at path; false when it cannot be read.
bool IsCcp4MapFile(const char* path);

// Reads the map in [begin, end) into m: one record for each set of
// symmetry-equivalent grid points of the cell (the first met, x fastest),
// the header's cell and sampling as cell and grid, the space group's
// operations and centring translations, one column. Anything that keeps the
// whole cell from having a value, or goes beyond a capacity, is refused with
// a message naming path: -1, and m is then partly written. 0 otherwise.
int ReadCcp4Records(MapRecord& m, Platform& platform, const char* path, const char* begin, const char* end);

}  // namespace pyk
