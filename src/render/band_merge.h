// Fewer band polygons for the same pixels. A cell's band polygons at
// successive levels are nested (the part of the cell below each level), and
// with all of the map at one depth the first shape to reach a pixel keeps it.
// A run of levels that are drawn in the same 8-bit colour can therefore be
// drawn as its largest polygon alone, provided no pixel centre lies so near
// that polygon's edge that vertex snapping could move it in or out.
#pragma once

#include <cstdint>
#include <vector>

#include "render/contour.h"

namespace pyk {

// Where the section plane lands in the window: x_win = ax x + bx y + cx and
// likewise for y, and the viewport the shapes must stay inside (no clipping).
struct WindowMap {
  double ax, bx, cx;
  double ay, by, cy;
  double left, bottom, right, top;
};

// How far, in pixels, a pixel centre must stay from a polygon's edge: well
// above the 1/512 pixel that snapping to 8 subpixel bits moves a vertex.
constexpr double kSnapMargin = 1.0 / 256.0;

// The 8-bit colour each level is drawn in, as r | g << 8 | b << 16, or -1
// where a channel comes so near a rounding step that pixels could differ.
std::vector<int32_t> LevelColourKeys(const ViewState& s, const ContourLevels& levels);

// The band polygons of TraceVisible with each run of levels of one key
// drawn as its largest polygon where that gives the same pixels. Returns the level count.
int TraceMergedBands(const ViewState& s, const WindowMap& window, const std::vector<int32_t>& keys, ContourSink& sink);

}  // namespace pyk
