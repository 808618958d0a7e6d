// Where the viewer writes the axis labels of 3D Mesh mode, in the pixels of meshout.
#include "mesh/labels.h"

#include "mesh/projection.h"

namespace pyk {
namespace {

// Pixel position of the label base point of grid coordinates (u, v).
void MeshLabelPixel(float d, float thetaDeg, float phiDeg, const float m[6], const float e[6], float u, float v,
                    float out[2]) {
  const float x = m[0] + u * m[1] + v * m[2], y = m[3] + u * m[4] + v * m[5];
  float p[3];
  ProjectMeshPoint(d, thetaDeg, phiDeg, x - e[0], y - e[1], 0.0f - e[2], p);
  out[0] = p[0] * e[3] / p[2] + e[4];
  out[1] = p[1] * e[3] / p[2] + e[5];
}

}  // namespace

void PlaceMeshLabels(float d, float thetaDeg, float phiDeg, const float m[6], const float e[6], int nu, int nv,
                     MeshLabels* out) {
  constexpr float c = kMeshLabelUnit;
  const float n[2] = {static_cast<float>(nu), static_cast<float>(nv)};
  for (int axis = 0; axis < 2; ++axis) {
    for (int k = 0; k <= 10; ++k) {
      const float t = k * n[axis] / 10.0f;
      float g[2];
      MeshLabelPixel(d, thetaDeg, phiDeg, m, e, axis == 0 ? t : 1.0f, axis == 0 ? 1.0f : t, g);
      if (k % 2 == 0) {
        float* f = out->fraction[axis][k / 2];
        f[0] = axis == 0 ? g[0] + c / 2 : g[0] - 4 * c;
        f[1] = axis == 0 ? g[1] - 2 * c : g[1] - c;
      }
      if (k == 5) {
        out->name[axis][0] = axis == 0 ? g[0] + c : g[0] - 10 * c;
        out->name[axis][1] = axis == 0 ? g[1] - 4 * c : g[1] - c;
      }
    }
  }
}

}  // namespace pyk
