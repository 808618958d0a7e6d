// The viewpoint rotation shared with the viewer.
#include "mesh/projection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pyk {
namespace {

TEST(MeshProjection, KnownViewpoints) {
  const struct {
    float d, theta, phi, x, y, z;
    float X, Y, Z;
  } rows[] = {
      // From straight above: X' = y, Y' = -x, Z' = d - z.
      {30, 0, 0, 1, 2, 3, 2, -1, 27},
      // Above, turned a quarter: X' = -x, Y' = -y.
      {30, 90, 0, 1, 2, 3, -1, -2, 27},
      // From the +x side at the horizon: X' = y, Y' = z, Z' = d - x.
      {30, 0, 90, 1, 2, 3, 2, 3, 29},
      // θ 30, φ 60 worked by hand.
      {30, 30, 60, 1, 2, 3, 1.2320508f, 1.6650635f, 26.883975f},
      // From below (φ 180): X' = y, Y' = x, Z' = d + z.
      {10, 0, 180, 1, 2, 3, 2, 1, 13},
  };
  for (const auto& r : rows) {
    float out[3];
    ProjectMeshPoint(r.d, r.theta, r.phi, r.x, r.y, r.z, out);
    const float expected[3] = {r.X, r.Y, r.Z};
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(out[k], expected[k], 2e-5f * (1 + std::fabs(expected[k])))
          << "theta " << r.theta << " phi " << r.phi << " component " << k;
    }
  }
}

TEST(MeshProjection, RigidViewFromTheEye) {
  const float angles[][2] = {{0, 0}, {30, 60}, {-75, 130}, {412, -20}, {200, 95}};
  for (const auto& a : angles) {
    const float d = 25.0f, t = a[0] * 0.0174532925f, p = a[1] * 0.0174532925f;
    // The eye, at distance d in the direction (sin φ cos θ, sin φ sin θ, cos φ),
    // sees itself at the origin of its frame.
    float eye[3];
    ProjectMeshPoint(d, a[0], a[1], d * std::sin(p) * std::cos(t), d * std::sin(p) * std::sin(t),
                     d * std::cos(p), eye);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(eye[k], 0.0f, 1e-4f) << a[0] << " " << a[1];
    // Lengths are kept: the rotation has no scale and no shear.
    const float v[3] = {1.5f, -2.0f, 0.7f};
    float out[3];
    ProjectMeshPoint(d, a[0], a[1], v[0], v[1], v[2], out);
    const float len = std::sqrt(out[0] * out[0] + out[1] * out[1] + (d - out[2]) * (d - out[2]));
    EXPECT_NEAR(len, std::sqrt(1.5f * 1.5f + 4.0f + 0.49f), 1e-5f);
    // The inline rotation gives the same floats.
    float same[3];
    RotateMeshPoint(MakeMeshRotation(d, a[0], a[1]), v[0], v[1], v[2], same);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(same[k], out[k]);
  }
}

}  // namespace
}  // namespace pyk
