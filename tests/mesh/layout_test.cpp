// Placing the section in the model and fitting its picture into the client area.
#include "mesh/mesh_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "mesh/labels.h"
#include "mesh/sections.h"

namespace pyk {
namespace {

TEST(MeshLayout, FitsEveryViewIntoTheMargins) {
  const struct {
    float theta, phi, angle, edgeU, edgeV;
    int width, height;
  } rows[] = {
      {30, 60, 104.5f, 12.3f, 15.1f, 900, 720}, {0, 0, 90, 10, 10, 900, 720},    {-75, 40, 60, 5, 20, 640, 480},
      {200, 95, 120, 30, 8, 1200, 300},         {412, 150, 75, 9, 9, 300, 1200}, {30, 60, 104.5f, 12.3f, 15.1f, 40, 30},
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
    const MeshLayout L = meshtest::Laid(in);
    const float mx = std::min(110.0f, 0.2f * r.width), my = std::min(110.0f, 0.2f * r.height);
    float xlo = 1e9f, xhi = -1e9f, ylo = 1e9f, yhi = -1e9f;
    auto take = [&](float x, float y) {
      xlo = std::min(xlo, x), xhi = std::max(xhi, x), ylo = std::min(ylo, y), yhi = std::max(yhi, y);
    };
    for (size_t k = 0; k < L.sx.size(); ++k) take(L.sx[k], L.sy[k]);
    // The base corners and the starts of the label lines carry the viewer's
    // axis labels; they must fit too.
    for (const auto& [i, j] : {std::pair{0, 0}, {in.nu, 0}, {0, in.nv}, {in.nu, in.nv}, {-1, 0}, {0, -1}}) {
      float x, y;
      ProjectModelPoint(L, L.ModelX(i, j), L.ModelY(i, j), 0.0f, &x, &y);
      take(x, y);
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
  }
}

// Convex hull of screen points, counter-clockwise (Andrew's monotone chain).
std::vector<std::pair<double, double>> Hull(std::vector<std::pair<double, double>> p) {
  std::sort(p.begin(), p.end());
  std::vector<std::pair<double, double>> h(2 * p.size());
  size_t n = 0;
  auto turn = [](auto o, auto a, auto b) {
    return (a.first - o.first) * (b.second - o.second) - (a.second - o.second) * (b.first - o.first);
  };
  for (int pass = 0; pass < 2; ++pass) {
    const size_t start = n;
    for (size_t k = 0; k < p.size(); ++k) {
      const auto q = pass == 0 ? p[k] : p[p.size() - 1 - k];
      while (n >= start + 2 && turn(h[n - 2], h[n - 1], q) <= 0) --n;
      h[n++] = q;
    }
    --n;  // each chain's last point starts the other
  }
  h.resize(n);
  return h;
}

// True when the box [x0, x1] x [y0, y1] and the convex polygon overlap: no
// side of either separates them.
bool Overlaps(const std::vector<std::pair<double, double>>& hull, double x0, double x1, double y0, double y1) {
  const auto all = [&](auto outside) { return std::all_of(hull.begin(), hull.end(), outside); };
  if (hull.empty() || all([&](auto p) { return p.first < x0; }) || all([&](auto p) { return p.first > x1; }) ||
      all([&](auto p) { return p.second < y0; }) || all([&](auto p) { return p.second > y1; })) {
    return false;
  }
  for (size_t k = 0; k < hull.size(); ++k) {
    const auto [ax, ay] = hull[k];
    const auto [bx, by] = hull[(k + 1) % hull.size()];
    // The box lies wholly on the outer (right) side of a counter-clockwise side.
    bool outside = true;
    for (const double x : {x0, x1}) {
      for (const double y : {y0, y1}) outside &= (bx - ax) * (y - ay) - (by - ay) * (x - ax) < 0;
    }
    if (outside) return false;
  }
  return true;
}

// Every text of 3D Mesh mode, placed where the viewer writes it from meshout,
// stands at least 4 pixels (3 on the screen) off the mesh's picture (the
// convex hull of its projected grid points) and inside the client area, at
// every Theta step of the shipped viewpoint. The texts are in GLUT's 12-point
// Helvetica, 7 pixels a character, from 3 below to 9 above the baseline, on
// the screen of the shipped settings (field of view 30 degrees, eye distance
// 16), where the viewer's picture spans 8.4 scene units across the client width.
TEST(MeshLayout, LabelsStandOffTheMesh) {
  const auto crystal = [](int nu, int nv) { return meshtest::CrystalSection(nu, nv); };
  // Rock salt's face: tall atoms at the corners, on the edges' middles and in the centre.
  const auto rockSalt = [](int nu, int nv) {
    return meshtest::MakeSection(nu, nv, [&](int i, int j) {
      double rho = 0;
      for (int a = -1; a <= 2; ++a) {
        for (int b = -1; b <= 2; ++b) {
          const double du = 5.64 * (static_cast<double>(i) / nu - 0.5 * a);
          const double dv = 5.64 * (static_cast<double>(j) / nv - 0.5 * b);
          rho += ((a + b) % 2 == 0 ? 150.0 : 60.0) * std::exp(-(du * du + dv * dv) / (2 * 0.3 * 0.3));
        }
      }
      return rho - 0.6;
    });
  };
  // A difference map: a hole and a peak beside the labelled edges.
  const auto difference = [](int nu, int nv) {
    return meshtest::MakeSection(nu, nv, [&](int i, int j) {
      const double u = static_cast<double>(i) / nu, v = static_cast<double>(j) / nv;
      return 1.2 * std::exp(-((u - 0.3) * (u - 0.3) + (v - 0.05) * (v - 0.05)) / 0.002) -
             1.2 * std::exp(-((u - 0.04) * (u - 0.04) + (v - 0.6) * (v - 0.6)) / 0.002);
    });
  };
  const struct {
    const char* face;
    MeshInput (*make)(int, int);
    float edgeU, edgeV, angle;
    int nu, nv;
  } rows[] = {
      {"aspirin (0 k 0)", crystal, 11.233f, 11.231f, 95.89f, 56, 56},
      {"aspirin (h 0 0)", crystal, 6.544f, 11.231f, 90.0f, 32, 56},
      {"rock salt (0 0 l)", rockSalt, 5.6402f, 5.6402f, 90.0f, 96, 96},
      {"difference map (0 0 l)", difference, 11.233f, 6.544f, 90.0f, 56, 32},
  };
  const double k = (720 / (2 * 16 * std::tan(15 * 3.14159265358979 / 180))) / (900 / 8.4);
  const double em = 7 / k, below = 3 / k, above = 9 / k;  // in meshout's pixels
  for (const auto& r : rows) {
    MeshInput in = r.make(r.nu, r.nv);
    in.edgeU = r.edgeU;
    in.edgeV = r.edgeV;
    in.angle = r.angle;
    in.minDensity = *std::min_element(in.values.begin(), in.values.end());
    in.maxDensity = *std::max_element(in.values.begin(), in.values.end());
    for (int theta = 0; theta < 360; theta += 2) {
      in.theta = static_cast<float>(theta);
      const MeshLayout L = meshtest::Laid(in);
      std::vector<std::pair<double, double>> points(L.sx.size());
      for (size_t p = 0; p < points.size(); ++p) points[p] = {L.sx[p], L.sy[p]};
      const auto hull = Hull(points);
      MeshLabels labels;
      PlaceMeshLabels(in.distance, in.theta, in.phi, L.axis, L.view, in.nu, in.nv, &labels);
      for (int axis = 0; axis < 2; ++axis) {
        for (int text = 0; text < 7; ++text) {
          const float* at = text < 6 ? labels.fraction[axis][text] : labels.name[axis];
          const double x0 = at[0], x1 = at[0] + (text < 6 ? 3 : 6) * em;
          const double y0 = at[1] - below, y1 = at[1] + above;
          const std::string what = std::string(r.face) + " theta " + std::to_string(theta) + " axis " +
                                   std::to_string(axis + 1) + (text < 6 ? " label " + std::to_string(text) : " name");
          EXPECT_FALSE(Overlaps(hull, x0 - 4, x1 + 4, y0 - 4, y1 + 4)) << what << " on the mesh";
          EXPECT_TRUE(x0 >= 0 && x1 <= in.width && y0 >= 0 && y1 <= in.height) << what << " off the client area";
        }
      }
    }
  }
}

TEST(MeshLayout, CellGeometryAndHeights) {
  const struct {
    float edgeU, edgeV, angle, param, minD, maxD;
    float value;         // at grid point (1, 1), all others 0
    float expectHeight;  // model height of that point above the others
  } rows[] = {
      // The map's range maps to half the longer edge (10 model units).
      {12.3f, 15.1f, 104.5f, 1, -1, 3, 4, 5},
      {20, 5, 60, 1, 0, 2, 1, 2.5f},
      {20, 5, 60, 2, 0, 2, 1, 5},   // the mesh parameter multiplies
      {9, 9, 90, 1, 0, 0, 3, 5},    // no map range: the values' range (0..3)
      {9, 9, 90, -1, 0, 1, 1, -5},  // a negative parameter mirrors
  };
  for (const auto& r : rows) {
    MeshInput in = meshtest::MakeSection(
        4, 5, [&](int i, int j) { return i == 1 && j == 1 ? static_cast<double>(r.value) : 0.0; });
    in.edgeU = r.edgeU;
    in.edgeV = r.edgeV;
    in.angle = r.angle;
    in.param = r.param;
    in.minDensity = r.minD;
    in.maxDensity = r.maxD;
    const MeshLayout L = meshtest::Laid(in);
    EXPECT_NEAR(L.z[L.Index(1, 1)] - L.z[L.Index(2, 2)], r.expectHeight, 1e-5f) << r.edgeU << " " << r.param;
    // The lowest point stands kLabelDrop above the labels' base plane.
    EXPECT_FLOAT_EQ(*std::min_element(L.z.begin(), L.z.end()), kLabelDrop);
    // Edges: the longer is 10 units long, the ratio and the angle are the cell's.
    const float* m = L.axis;
    const double ux = 4 * m[1], uy = 4 * m[4], vx = 5 * m[2], vy = 5 * m[5];
    const double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
    EXPECT_NEAR(std::max(lu, lv), 10.0, 1e-5);
    EXPECT_NEAR(lu / lv, r.edgeU / r.edgeV, 1e-5);
    EXPECT_NEAR(std::acos((ux * vx + uy * vy) / (lu * lv)) * 180 / 3.14159265358979, r.angle, 1e-4);
  }
}

TEST(MeshLayout, FootOfTheEye) {
  MeshInput in = meshtest::FlatSection(10, 8);
  in.angle = 90;
  in.phi = 0;  // straight above the centre
  MeshLayout L = meshtest::Laid(in);
  EXPECT_NEAR(L.footU, 5.0, 1e-4);
  EXPECT_NEAR(L.footV, 4.0, 1e-4);
  in.theta = 0;
  in.phi = 90;  // level at distance 30; the u edge is 10 * 12.3 / 15.1 long, the v edge 10
  L = meshtest::Laid(in);
  // The section is turned so that the eye looks at the corner of grid point
  // (0, 0) along its bisector, from 135 degrees behind the u edge's direction.
  const double d = 30.0 * std::sqrt(0.5);
  EXPECT_NEAR(L.footU, 5.0 - d / (10.0 * 12.3 / 15.1 / 10), 1e-3);
  EXPECT_NEAR(L.footV, 4.0 - d / (10.0 / 8), 1e-3);
}

}  // namespace
}  // namespace pyk
