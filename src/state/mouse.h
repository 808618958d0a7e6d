// The model transform's response to a mouse drag step.
#pragma once

#include "state/view_state.h"

namespace pyk {

enum MouseMode : int { kRotation = 0, kTranslation = 1, kZoom = 2 };

// Applies one drag step from (x0, y0) to (x1, y1) in pixels (y downwards) in
// the given mouse mode: rotation, translation or zoom; other modes do nothing.
void ApplyMouseDrag(ViewState& s, int mode, int x0, int x1, int y0, int y1);

// A mouse coordinate as the platform's 16-bit message field carries it.
inline int SignedMouseCoordinate(int raw) { return static_cast<int16_t>(static_cast<uint16_t>(raw & 0xFFFF)); }

}  // namespace pyk
