// The perspective view of the mesh, shared by the mesh program and the viewer.
#include "mesh/projection.h"

#include <cmath>

namespace pyk {

MeshRotation MakeMeshRotation(float d, float thetaDeg, float phiDeg) {
  // Deliberately the truncated factor 0.0174532925, each angle rounded to float before its cosine and sine.
  const float t = static_cast<float>(thetaDeg * 0.0174532925);
  const float p = static_cast<float>(phiDeg * 0.0174532925);
  MeshRotation r;
  r.d = d;
  r.ct = static_cast<float>(std::cos(static_cast<double>(t)));
  r.st = static_cast<float>(std::sin(static_cast<double>(t)));
  r.cp = static_cast<float>(std::cos(static_cast<double>(p)));
  r.sp = static_cast<float>(std::sin(static_cast<double>(p)));
  return r;
}

void ProjectMeshPoint(float d, float thetaDeg, float phiDeg, float x, float y, float z,
                      float out[3]) {
  RotateMeshPoint(MakeMeshRotation(d, thetaDeg, phiDeg), x, y, z, out);
}

}  // namespace pyk
