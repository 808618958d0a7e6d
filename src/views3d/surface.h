// The 3D Contour mode's lit height surface: side walls, base rods and one
// graded quad per section cell.
#pragma once

#include "state/view_state.h"

namespace pyk {

// Batched, the cell quads come from vertex arrays with their materials as
// vertex colours (the same picture); otherwise one glBegin/glEnd each.
void Draw3DContour(ViewState& s, bool batched = true);
// One border cell: P0, P1 on the base plane under P3 and P2 on the surface;
// only the stretch on or above the base is drawn.
void DrawSideWall(const float p0[3], const float p1[3], const float p2[3], const float p3[3]);
// A rod of radius 0.02 from P0 to P1.
void DrawFrameRod(const float p0[3], const float p1[3]);
// A closed cylinder along +z from 0 to length, at most 32 sides.
void DrawCylinder(float radius, float length, int sides);
void CrossProduct(const float a[3], const float b[3], float result[3]);

}  // namespace pyk
