// The sample maps: symmetry-unique grid records of real structures in the
// map file's conventions, and the set of files shipped in data/.
#pragma once

#include <functional>
#include <string>

#include "crystal.h"
#include "map_data.h"

namespace pyk::sample {

// How a file lists its symmetry: every operation (centrosymmetry flag 0), or
// the proper rotations with the flag set (the inversion must sit at the origin).
enum class SymmetryStyle { kExplicit, kCentroFlag };

// Fills the operations, flag and lattice translations of m for the group on
// m.grid; false when a translation is not a whole number of divisions or the
// flag style does not fit the group.
bool SetFileSymmetry(const std::vector<SymOp>& group, SymmetryStyle style, MapData* m);

// The viewer's expansion of one grid point: the point, each operation's image
// and, per lattice translation, that image moved and (with the flag) inverted.
void ForEachFileImage(const MapData& m, const int p[3], const std::function<void(const int q[3])>& f);

// Picks a symmetry-unique set of grid points under that expansion and gives
// each the value of density at its fractional position; every fifth record
// is written one cell to the left, outside the cell.
void FillRecords(MapData* m, const std::function<double(const double frac[3])>& density);

// Expands the records under the viewer's rule onto the full grid (first
// image wins), x fastest; unreached points are NaN.
std::vector<double> ExpandToGrid(const MapData& m, bool columnB = false);

Crystal RockSalt();  // NaCl, Fm-3m
Crystal Silicon();   // Si, Fd-3m, origin choice 1

// The rock-salt Fc map on an n x n x n grid (n even), Fm-3m with the flag.
MapData RockSaltMap(int n);

// Writes every shipped sample into folder; false (after a message on
// standard error) when a file cannot be written or a group does not fit.
bool WriteSamples(const std::string& folder);

}  // namespace pyk::sample
