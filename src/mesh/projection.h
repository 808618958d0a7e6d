// The perspective view of the mesh, shared by the mesh program and the viewer.
#pragma once

namespace pyk {

// The rotation of one viewpoint with its sines and cosines worked out once.
struct MeshRotation {
  float d = 0;  // viewing distance
  float ct = 1, st = 0, cp = 1, sp = 0;
};

// Viewpoint at distance d in the direction (sin φ cos θ, sin φ sin θ, cos φ)
// from the centre; θ and φ in degrees, each turned into radians in float.
MeshRotation MakeMeshRotation(float d, float thetaDeg, float phiDeg);

// Rotates (x, y, z), relative to the centre of the view, into the eye's frame:
// out[0] to the right, out[1] upwards, out[2] depth from the eye.
inline void RotateMeshPoint(const MeshRotation& r, float x, float y, float z, float out[3]) {
  out[0] = -r.st * x + r.ct * y;
  out[1] = -r.cp * r.ct * x - r.cp * r.st * y + r.sp * z;
  out[2] = -r.sp * r.ct * x - r.sp * r.st * y - r.cp * z + r.d;
}

// The same for one point: the function both sides call.
void ProjectMeshPoint(float d, float thetaDeg, float phiDeg, float x, float y, float z,
                      float out[3]);

}  // namespace pyk
