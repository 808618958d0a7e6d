// Placement of the section in the model and of the model's picture in the client area.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "mesh/input.h"
#include "mesh/projection.h"

namespace pyk {

// The longer in-plane edge in model units: the model has the same size for
// every cell, so the viewing distance acts as a relative perspective strength.
inline constexpr float kModelEdge = 10.0f;
// With mesh parameter 1 the map's density range spans half the longer edge.
inline constexpr float kHeightFraction = 0.5f;
// Room around the picture for the viewer's axis labels and names (its longest
// offset is ten label units of ten pixels), at most a fifth of the client size.
inline constexpr float kMarginPixels = 110.0f;
inline constexpr float kMaxMarginFraction = 0.2f;
// Every point of the mesh must lie at least this fraction of the model's
// radius in front of the eye.
inline constexpr float kMinDepthFraction = 0.1f;
// The viewer writes the first axis's labels below their edge and the second
// axis's to the left of theirs, both from the corner of grid point (0, 0).
// They stand clear of the mesh only while that corner is the one nearest the
// eye, so the section is turned in steps of this many degrees about the
// density axis to keep the bisector of that corner within half a step of the
// direction away from the eye: Theta turns the picture through one step, then
// the section turns a step back.
inline constexpr float kLabelTurnStep = 45.0f;
// The mesh stands this far above the base plane that carries the labels, so
// that no trough of the section reaches down over them.
inline constexpr float kLabelDrop = 0.03f * kModelEdge;

// The grid points in the model and on the screen, and the numbers of meshout.
struct MeshLayout {
  int nu = 0, nv = 0;
  int width = 0, height = 0;  // client size in pixels
  // m1..m6: the viewer's grid (u, v) lies at (m1 + u m2 + v m3, m4 + u m5 + v m6).
  // The viewer counts from 1: grid point (i, j) is its (i + 1, j + 1), so
  // the lines u = 1 and v = 1 it labels are the section's border.
  float axis[6] = {};
  float view[6] = {};     // e1..e6: centre, perspective factor, screen position of the centre
  float heightScale = 0;  // model height per unit of input value
  MeshRotation rotation;
  // The foot of the eye on the base plane, in grid coordinates (u, v).
  double footU = 0, footV = 0;
  // Per grid point, index i (nv + 1) + j: model height, screen position in
  // pixels (y upwards) and depth from the eye.
  std::vector<float> z, sx, sy, depth;

  size_t Index(int i, int j) const { return static_cast<size_t>(i * (nv + 1) + j); }
  // Model position on the base plane of grid coordinates (i, j); grid point
  // (0, 0) is the model's origin.
  float ModelX(float i, float j) const { return i * axis[1] + j * axis[2]; }
  float ModelY(float i, float j) const { return i * axis[4] + j * axis[5]; }
};

// Places the section and fits its picture into the client area with the
// margin. Returns 0, or 1 with a message when the eye is too close to (or
// inside) the mesh or the numbers overflow.
int LayoutMesh(const MeshInput& in, MeshLayout* layout, std::string* error);

// The azimuth in degrees of the section's u edge in the model at viewpoint
// azimuth theta, for a cell face with the given in-plane angle: a whole
// number of kLabelTurnStep that puts the corner of grid point (0, 0) nearest
// the eye.
double LabelledCornerTurn(float thetaDeg, float angleDeg);

// The projection the viewer applies to a model point: pixels (sx, sy) from
// m1..m6 and e1..e6 through ProjectMeshPoint.
void ProjectModelPoint(const MeshLayout& layout, float x, float y, float z, float* sx, float* sy);

}  // namespace pyk
