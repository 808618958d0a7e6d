// The model's atoms on the current section: every symmetry mate of every
// atom reduced into the cell, kept when it lies within half a grid step of
// the section, so that stepping through the sections meets each mate once.
#pragma once

#include <vector>

#include "state/view_state.h"

namespace pyk {

struct SectionAtom {
  int atom;     // index into the model's atoms
  double u, v;  // section grid coordinates, 0 .. m_nGridU and 0 .. m_nGridV
};

// The marks of the section in the model's atom order. Mates that coincide
// (an atom on a special position) give one mark; a mate on a cell edge is
// also marked on the opposite edge, as the section shows both. Empty
// without a section or a model.
std::vector<SectionAtom> AtomsOnSection(const ViewState& s);

}  // namespace pyk
