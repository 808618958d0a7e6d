// The colour and material calls of every drawing: the table entries and
// density gradients of colors.h, issued to OpenGL.
#pragma once

#include "render/colors.h"
#include "state/view_state.h"

namespace pyk {

// glColor3f of the density ratio t (line or gradient type).
void SetDensityColor(const ViewState& s, float t);
// The front-and-back material of table entry k.
void SetMaterial(const ViewState& s, int k);
// The front-and-back material of the density ratio v (always graded).
void SetDensityMaterial(const ViewState& s, float v);
// Materials fed per vertex as colours: between Begin and End a vertex colour
// sets the ambient and the diffuse material, so it must be the diffuse colour
// (DensityDiffuse); the lights' ambient terms are scaled by ambient / diffuse
// to give the ambient material's share, and the constant parts are set once.
// Begin returns false, changing nothing, when the diffuse factor is zero.
bool BeginColorMaterial(const ViewState& s);
void EndColorMaterial();
// The diffuse material colour of a density ratio v.
Rgb DensityDiffuse(const ViewState& s, float v);

// Light 0 from the settings, smooth shading; lighting itself is switched per frame.
void SetupLights(const ViewState& s);

}  // namespace pyk
