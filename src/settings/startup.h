// The view's start-up: construction (start-up folder, settings, reset), the
// state set when its window is created, and Default View.
#pragma once

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// Records the current folder, builds the settings path, resets the viewing
// state and reads the settings; m_nStatus becomes 1 when that fails.
void ConstructView(ViewState& s, Platform& platform);

// The state the window creation sets before anything is loaded: the density
// range's start values, section 0 of 1, no spacing and the mesh paths.
void PrepareViewWindow(ViewState& s);

// Default View: rereads the settings, resets the viewing state, reloads the
// map (while one is held) and invalidates the view, in this order. Returns
// the reload's result, -1 when there was no map.
int OnDefaultView(ViewState& s, Platform& platform);

}  // namespace pyk
