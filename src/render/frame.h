// The 2D map's frame: background, outline, ticks, tick labels and axis names,
// and the bitmap text primitive.
#pragma once

#include "state/view_state.h"

namespace pyk {

// A string at a model-space raster position in the given GLUT bitmap font;
// the current colour and raster state are kept.
void DrawBitmapText(float x, float y, float z, void* font, const char* text);

// Colour entry k: a plain colour when unlit (Contour mode), a material when lit.
void UseEntry(const ViewState& s, int k);

// The tick points and lengths of the current section (no drawing).
void ComputeMapTicks(ViewState& s);

// Background (line type only), outline, ticks, labels and axis names.
void DrawMapFrame(ViewState& s);

// The names of the first and second section edges of a plane.
const char* FirstAxisName(int plane);
const char* SecondAxisName(int plane);

}  // namespace pyk
