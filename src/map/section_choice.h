// The section a view shows: the face and section choices and the height
// scale, as pure state changes that recompute the section. The commands
// around them live in the engine.
#pragma once

#include "state/view_state.h"

namespace pyk {

// Shows the given face; false (and nothing changed) while no complete map is
// held or the face is already shown. A section number beyond the new face's
// count becomes its periodic equal.
bool SelectFace(ViewState& s, int plane);
// Shows section n (the caller holds it within its bounds); false while no complete map is held.
bool SelectSection(ViewState& s, int n);
// The section nearest a fractional coordinate along the shown face's normal:
// the fraction taken periodically into 0 .. 1 (1 itself kept, the count's
// section), times the section count, rounded half up. 0 for a fraction that
// is not finite or before any section count.
int SectionAt(const ViewState& s, double fraction);
// The fractional coordinate of the section shown along the face's normal.
double SectionFraction(const ViewState& s);
// Multiplies the height scale (which also waits for a map loaded later) and
// recomputes the heights; false while no complete map is held.
bool ScaleHeight(ViewState& s, float factor);

}  // namespace pyk
