// Crystal models from coordinate files, read by gemmi: a small-molecule CIF
// (fractional atom sites), an mmCIF or a PDB file (orthogonal coordinates
// and the cell that fractionalises them).
#pragma once

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// The most atoms a model may list.
inline constexpr int kMaxModelAtoms = 200000;

// Reads the atoms and the space group's operations of the file at path into
// *model: the CIF's own list of operations when it has one, else those of
// its space-group name; a group that is not known is refused. Returns 0, or
// -1 after one message naming the file, with *model unchanged.
int ReadModelFile(const char* path, AtomModel* model, Platform& platform);

// Whether the path's suffix names a coordinate file: .cif, .mmcif, .pdb or
// .ent, in any case.
bool IsCoordinateFileName(const char* path);

}  // namespace pyk
