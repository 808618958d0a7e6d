// The model's atoms against the map's cell: symmetry mates and the distance
// from a position to the nearest of them.
#pragma once

#include "state/view_state.h"

namespace pyk {

// x' = rot x + tran, in fractions.
void ApplyModelOp(const ModelOp& op, const double x[3], double out[3]);

struct NearAtom {
  int atom;         // index into the model's atoms; -1 without a model or cell
  double distance;  // in Angstrom, in the map's cell
};

// The atom one of whose symmetry mates, in any cell, lies nearest to the
// fractional position frac; ties go to the first listed.
NearAtom NearestAtom(const ViewState& s, const double frac[3]);

}  // namespace pyk
