// The map under the pointer: the window point taken back through the last
// frame's transform onto the section's plane, and what the map has there.
#pragma once

#include <string>

#include "state/view_state.h"

namespace pyk {

struct PointerReading {
  double frac[3];  // fractional x y z in the cell, the section's own included
  int index[3];    // the nearest grid point's indices along x y z
  double density;  // bilinear in the section grid
};

// Window coordinates in device pixels with the origin at the lower left, as
// GL's viewport has them. False when no map was drawn or the point is off it.
bool ReadPointer(const ViewState& s, double wx, double wy, PointerReading* r);

// The status bar's text for a reading; while a model is shown, with the
// nearest atom and its distance.
std::string PointerText(const ViewState& s, const PointerReading& r);

}  // namespace pyk
