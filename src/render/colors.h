// The palette, the object colour table and the colour arithmetic of densities;
// the OpenGL calls that use these values live with the renderer.
#pragma once

#include "state/view_state.h"

namespace pyk {

struct Rgb {
  float r, g, b;
};

// The values one material call sets, front and back.
struct MaterialValues {
  float ambient[4];
  float diffuse[4];
  float specular[4];
  float shininess;
  float emission[4];
};

// Fills m_afPalette (bit 2 red, bit 1 green, bit 0 blue) and m_afColor from the
// settings' colour codes; a code outside 0 .. 7 is taken as 0 (black).
void SetupColors(ViewState& s);

// The unlit colour of a density ratio t: by sign in line type, graded from
// the highlight in gradient type. Not clamped.
Rgb DensityColor(const ViewState& s, float t);
// The graded colour at ratio v (the material's colour, always graded).
Rgb DensityGrade(const ViewState& s, float v);
// The material of table entry k, and of a density ratio v.
MaterialValues MaterialOf(const ViewState& s, int k);
MaterialValues DensityMaterialOf(const ViewState& s, float v);

// A density divided by the map maximum; 0 for a map whose maximum is 0, so
// that such a map is drawn in the highlight colour rather than in NaN.
inline float DensityRatio(float density, float maxDensity) { return maxDensity == 0.0f ? 0.0f : density / maxDensity; }

}  // namespace pyk
