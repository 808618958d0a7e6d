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
      // Beyond a turn and below the horizon: θ 412 is θ 52.
      {25, 412, 130, 1.5f, -2, 0.7f, -2.4133391f, 0.11679336f, 25.949818f},
  };
  for (const auto& r : rows) {
    float out[3], same[3];
    ProjectMeshPoint(r.d, r.theta, r.phi, r.x, r.y, r.z, out);
    // The inline rotation the mesh program uses gives the same floats.
    RotateMeshPoint(MakeMeshRotation(r.d, r.theta, r.phi), r.x, r.y, r.z, same);
    const float expected[3] = {r.X, r.Y, r.Z};
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(out[k], expected[k], 2e-5f * (1 + std::fabs(expected[k])))
          << "theta " << r.theta << " phi " << r.phi << " component " << k;
      EXPECT_EQ(same[k], out[k]) << "theta " << r.theta << " phi " << r.phi;
    }
  }
}

}  // namespace
}  // namespace pyk
