// 3D Mesh mode's picture: the mesh program's segments drawn flat, and the
// two labelled edges placed by the same projection the program used.
#pragma once

#include "state/view_state.h"

namespace pyk {

// The model position of a mesh pixel (x, y) in a w x h client area.
struct MeshFrame {
  float scale;  // model units per pixel
  float w, h;
};
MeshFrame MeshFrameOf(const ViewState& s);

// Labels and axis names, then the segments of records 2k-1 and 2k.
void DrawMesh(ViewState& s);

}  // namespace pyk
