// The flat contour map of the current section: frame and labels, then every
// level traced over every cell as coloured lines or filled bands.
#pragma once

#include "view/state.h"

namespace pyk {

// Draws the map in the plane z = 0 with the renderer's transforms; stores the
// level count in m_nContourLevels. Lit with materials in 3D Contour mode.
void DrawContourMap(ViewState& s);

}  // namespace pyk
