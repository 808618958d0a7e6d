// Writing a space group as the map file's grid operations and lattice translations.
#pragma once

#include <vector>

#include "tools/samplemap/map_data.h"
#include "tools/samplemap/symop.h"

namespace pyk::sample {

constexpr int kMaxFileOps = 48;
constexpr int kMaxFileLattice = 4;
constexpr int kMaxGridDivisions = 149;

// The operation acting on grid points of an nx x ny x nz grid. False when it
// does not map grid points onto grid points (translation not a whole number of
// divisions, or axes mixed that have different division counts).
bool ToGridOp(const SymOp& op, const int grid[3], GridOp* out);

enum class OpStyle {
  kExplicit,    // every coset representative listed, centro 0, non-zero centring vectors
  kCentroFlag,  // proper rotations only, centro 1, all centring vectors (0 0 0 first)
};

// Fills m->centro, m->ops and m->lattice for the group on m->grid. False if the
// style does not fit the group (the flag needs the inversion at the origin),
// the grid cannot carry the operations, or the file's capacities are exceeded.
bool SetGridSymmetry(const std::vector<SymOp>& group, OpStyle style, MapData* m);

}  // namespace pyk::sample
