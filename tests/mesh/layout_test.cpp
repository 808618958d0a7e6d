// Placing the section in the model and fitting its picture into the client area.
#include "mesh/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "sections.h"

namespace pyk {
namespace {

TEST(MeshLayout, FitsEveryViewIntoTheMargins) {
  const struct {
    float theta, phi, angle, edgeU, edgeV;
    int width, height;
  } rows[] = {
      {30, 60, 104.5f, 12.3f, 15.1f, 900, 720}, {0, 0, 90, 10, 10, 900, 720},
      {-75, 40, 60, 5, 20, 640, 480},           {200, 95, 120, 30, 8, 1200, 300},
      {412, 150, 75, 9, 9, 300, 1200},          {30, 60, 104.5f, 12.3f, 15.1f, 40, 30},
  };
  for (const auto& r : rows) {
    MeshInput in = meshtest::CrystalSection(30, 24);
    in.theta = r.theta;
    in.phi = r.phi;
    in.angle = r.angle;
    in.edgeU = r.edgeU;
    in.edgeV = r.edgeV;
    in.width = r.width;
    in.height = r.height;
    MeshLayout L;
    std::string error;
    ASSERT_EQ(LayoutMesh(in, &L, &error), 0) << error;
    const float mx = std::min(110.0f, 0.2f * r.width), my = std::min(110.0f, 0.2f * r.height);
    float xlo = 1e9f, xhi = -1e9f, ylo = 1e9f, yhi = -1e9f;
    auto take = [&](float x, float y) {
      xlo = std::min(xlo, x);
      xhi = std::max(xhi, x);
      ylo = std::min(ylo, y);
      yhi = std::max(yhi, y);
    };
    for (size_t k = 0; k < L.sx.size(); ++k) take(L.sx[k], L.sy[k]);
    // The base corners carry the viewer's axis labels; they must fit too.
    for (const int i : {0, in.nu}) {
      for (const int j : {0, in.nv}) {
        float x, y;
        ProjectModelPoint(L, L.axis[0] + i * L.axis[1] + j * L.axis[2],
                          L.axis[3] + i * L.axis[4] + j * L.axis[5], 0.0f, &x, &y);
        take(x, y);
      }
    }
    const std::string row = "theta " + std::to_string(r.theta) + " phi " + std::to_string(r.phi);
    EXPECT_GE(xlo, mx - 0.01f) << row;
    EXPECT_LE(xhi, r.width - mx + 0.01f) << row;
    EXPECT_GE(ylo, my - 0.01f) << row;
    EXPECT_LE(yhi, r.height - my + 0.01f) << row;
    // As large as fits: the picture touches the margins on one axis, centred.
    const bool fullWidth = std::fabs((xhi - xlo) - (r.width - 2 * mx)) < 0.01f;
    const bool fullHeight = std::fabs((yhi - ylo) - (r.height - 2 * my)) < 0.01f;
    EXPECT_TRUE(fullWidth || fullHeight) << row;
    EXPECT_NEAR(xlo + xhi, static_cast<float>(r.width), 0.02f) << row;
    EXPECT_NEAR(ylo + yhi, static_cast<float>(r.height), 0.02f) << row;
    // The stored screen points are the viewer's projection of the model points.
    for (const int i : {0, in.nu / 2, in.nu}) {
      for (const int j : {0, in.nv}) {
        float x, y;
        ProjectModelPoint(L, L.axis[0] + i * L.axis[1] + j * L.axis[2],
                          L.axis[3] + i * L.axis[4] + j * L.axis[5], L.z[L.Index(i, j)], &x, &y);
        EXPECT_EQ(x, L.sx[L.Index(i, j)]) << row;
        EXPECT_EQ(y, L.sy[L.Index(i, j)]) << row;
      }
    }
    // e5, e6 are where the centre (e1, e2, e3) lands.
    float cx, cy;
    ProjectModelPoint(L, L.view[0], L.view[1], L.view[2], &cx, &cy);
    EXPECT_FLOAT_EQ(cx, L.view[4]) << row;
    EXPECT_FLOAT_EQ(cy, L.view[5]) << row;
  }
}

TEST(MeshLayout, CellGeometryAndHeights) {
  const struct {
    float edgeU, edgeV, angle, param, minD, maxD;
    float value;        // at grid point (1, 1), all others 0
    float expectHeight;  // model height of that point
  } rows[] = {
      // The map's range maps to half the longer edge (10 model units).
      {12.3f, 15.1f, 104.5f, 1, -1, 3, 4, 5},
      {20, 5, 60, 1, 0, 2, 1, 2.5f},
      {20, 5, 60, 2, 0, 2, 1, 5},     // the mesh parameter multiplies
      {9, 9, 90, 1, 0, 0, 3, 5},      // no map range: the values' range (0..3)
      {9, 9, 90, -1, 0, 1, 1, -5},    // a negative parameter mirrors
  };
  for (const auto& r : rows) {
    MeshInput in = meshtest::MakeSection(4, 5, [&](int i, int j) {
      return i == 1 && j == 1 ? static_cast<double>(r.value) : 0.0;
    });
    in.edgeU = r.edgeU;
    in.edgeV = r.edgeV;
    in.angle = r.angle;
    in.param = r.param;
    in.minDensity = r.minD;
    in.maxDensity = r.maxD;
    MeshLayout L;
    std::string error;
    ASSERT_EQ(LayoutMesh(in, &L, &error), 0) << error;
    EXPECT_NEAR(L.z[L.Index(1, 1)], r.expectHeight, 1e-5f) << r.edgeU << " " << r.param;
    EXPECT_EQ(L.z[L.Index(2, 2)], 0.0f);
    // Edges: the longer is 10 units long, the ratio and the angle are the cell's.
    const float* m = L.axis;
    const double ux = 4 * m[1], uy = 4 * m[4], vx = 5 * m[2], vy = 5 * m[5];
    const double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
    EXPECT_NEAR(std::max(lu, lv), 10.0, 1e-5);
    EXPECT_NEAR(lu / lv, r.edgeU / r.edgeV, 1e-5);
    EXPECT_NEAR(std::acos((ux * vx + uy * vy) / (lu * lv)) * 180 / 3.14159265358979, r.angle,
                1e-4);
  }
}

TEST(MeshLayout, FootOfTheEye) {
  MeshInput in = meshtest::FlatSection(10, 8);
  in.angle = 90;
  in.phi = 0;  // straight above the centre
  MeshLayout L;
  std::string error;
  ASSERT_EQ(LayoutMesh(in, &L, &error), 0) << error;
  EXPECT_NEAR(L.footU, 5.0, 1e-4);
  EXPECT_NEAR(L.footV, 4.0, 1e-4);
  in.theta = 0;
  in.phi = 90;  // from the +u side at distance 30; the u edge is 10 * 12.3 / 15.1 long
  ASSERT_EQ(LayoutMesh(in, &L, &error), 0) << error;
  EXPECT_NEAR(L.footU, 5.0 + 30.0 / (10.0 * 12.3 / 15.1 / 10), 1e-3);
  EXPECT_NEAR(L.footV, 4.0, 1e-4);
}

TEST(MeshLayout, EyeTooClose) {
  for (const float d : {3.0f, 1.0f, 0.0f, -30.0f}) {
    MeshInput in = meshtest::CrystalSection(20, 20);
    in.distance = d;
    MeshLayout L;
    std::string error;
    EXPECT_EQ(LayoutMesh(in, &L, &error), 1) << d;
    EXPECT_NE(error.find("line 2: viewing distance"), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace pyk
