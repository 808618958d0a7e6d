// The flat contour map of the current section: frame and labels, then every
// level traced over every cell as coloured lines or filled bands.
#pragma once

#include "state/view_state.h"

namespace pyk {

// How the traced contours reach OpenGL. Both give the same picture.
enum class ContourDrawing {
  kFast,           // kVisibleLevels with runs of one colour merged where the pixels stay the same
  kVisibleLevels,  // only the levels that can show, batched in vertex arrays when unlit
  kEveryLevel,     // every level of every cell, one glBegin/glEnd per shape
};

// Draws the map in the plane z = 0 with the renderer's transforms; stores the
// level count in m_nContourLevels. Lit with materials in 3D Contour mode.
void DrawContourMap(ViewState& s, ContourDrawing drawing = ContourDrawing::kFast);

}  // namespace pyk
