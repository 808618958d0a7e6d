// The frame composer: one complete picture of the current state per paint.
#pragma once

#include "render/contour_map.h"
#include "render/panes.h"
#include "state/view_state.h"

namespace pyk {

// What a frame may leave out: the tools draw no mesh (they run no mesh
// program); the tests and benchmarks compare the contour drawings and time
// the lit map without its surface.
struct SceneOptions {
  ContourDrawing contourDrawing = ContourDrawing::kFast;
  bool drawMesh = true;
  bool draw3dSurface = true;
};

// The GL state a new context needs (the lights), and the window's new size
// in pixels: the client size, the aspect (kept for a zero height) and the
// viewport in device pixels.
void InitializeScene(ViewState& s);
void ResizeScene(ViewState& s, int width, int height, double devicePixelRatio);

// Clears, sets the projection and the common transform, and while a map is
// ready fills the pane texts (when given) and draws the current display mode.
void RenderScene(ViewState& s, PaneTexts* panes, const SceneOptions& options = {});

}  // namespace pyk
