// Where the viewer writes the axis labels of 3D Mesh mode, in the pixels of meshout.
#pragma once

namespace pyk {

// Offsets from a label's base point in label units of ten pixels: the
// fractions of the first axis stand below and right of theirs, its name below
// the middle; the second axis's fractions and name stand to the left.
inline constexpr float kMeshLabelUnit = 10.0f;

// The fourteen texts: "0.0", "0.2", ... "1.0" along each labelled edge, then
// the axis name by the edge's middle. x to the right, y upwards; a text starts
// at its point (the raster position of its baseline).
struct MeshLabels {
  float fraction[2][6][2];  // [axis][k] the point of the text k / 5
  float name[2][2];         // [axis] the point of the axis name
};

// Grid coordinates (u, v) lie at (m1 + u m2 + v m3, m4 + u m5 + v m6, 0);
// m holds m1..m6 and e holds e1..e6 of meshout. Each base point is projected
// with ProjectMeshPoint(d, θ, φ) relative to the centre (e1, e2, e3), then by
// e4 / depth and the centre's pixel (e5, e6). The first axis runs at v = 1
// for u = 0 .. nu, the second at u = 1 for v = 0 .. nv.
void PlaceMeshLabels(float d, float thetaDeg, float phiDeg, const float m[6], const float e[6], int nu, int nv,
                     MeshLabels* out);

}  // namespace pyk
