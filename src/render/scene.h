// The frame renderer: one complete picture of the current state per paint.
#pragma once

#include "render/contour_map.h"
#include "render/panes.h"
#include "state/view_state.h"

namespace pyk {

// The drawings of the two 3D modes, which live with the 3D views; a null
// entry draws nothing in its mode.
struct SceneModes {
  void (*draw3dContour)(ViewState&);
  void (*drawMesh)(ViewState&);
  ContourDrawing contourDrawing = ContourDrawing::kFast;
};

// Clears, sets the projection and the common transform, and while a map is
// ready fills the pane texts and draws the current display mode.
void RenderScene(ViewState& s, const SceneModes& modes, PaneTexts* panes);

}  // namespace pyk
