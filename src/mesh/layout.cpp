// Placement of the section in the model and of the model's picture in the client area.
#include "mesh/layout.h"

#include <algorithm>
#include <cmath>

#include "mesh/fail.h"

namespace pyk {
namespace {

// The height scale: kHeightFraction of the longer edge for the map's density
// range, times the mesh parameter. A map without a range falls back to the
// range of the values; a flat section stays flat.
float HeightScale(const MeshInput& in) {
  double range = static_cast<double>(in.maxDensity) - in.minDensity;
  if (!(range > 0)) {
    const auto [lo, hi] = std::minmax_element(in.values.begin(), in.values.end());
    range = static_cast<double>(*hi) - *lo;
  }
  if (!(range > 0)) return 0.0f;
  return static_cast<float>(in.param * kHeightFraction * kModelEdge / range);
}

}  // namespace

void ProjectModelPoint(const MeshLayout& layout, float x, float y, float z, float* sx, float* sy) {
  const float* e = layout.view;
  float p[3];
  RotateMeshPoint(layout.rotation, x - e[0], y - e[1], z - e[2], p);
  *sx = p[0] * e[3] / p[2] + e[4];
  *sy = p[1] * e[3] / p[2] + e[5];
}

int LayoutMesh(const MeshInput& in, MeshLayout* layout, std::string* error) {
  MeshLayout& L = *layout;
  L.nu = in.nu;
  L.nv = in.nv;
  L.width = in.width;
  L.height = in.height;

  // In-plane geometry: u along the first edge, v at the cell angle from it.
  const double g = kModelEdge / std::max(in.edgeU, in.edgeV);
  const double angle = in.angle * 3.14159265358979 / 180.0;
  float* m = L.axis;
  m[0] = 0.0f;
  m[1] = static_cast<float>(g * in.edgeU / in.nu);
  m[2] = static_cast<float>(g * in.edgeV * std::cos(angle) / in.nv);
  m[3] = 0.0f;
  m[4] = 0.0f;
  m[5] = static_cast<float>(g * in.edgeV * std::sin(angle) / in.nv);

  L.heightScale = HeightScale(in);
  const size_t count = in.values.size();
  L.z.resize(count);
  float zmin = 0.0f, zmax = 0.0f;  // the base plane z = 0 belongs to the picture
  for (size_t k = 0; k < count; ++k) {
    L.z[k] = in.values[k] * L.heightScale;
    if (!std::isfinite(L.z[k])) {
      return MeshFail(error, "meshinp: value %zu (%g) gives a height beyond the float range",
                      k + 1, in.values[k]);
    }
    zmin = std::min(zmin, L.z[k]);
    zmax = std::max(zmax, L.z[k]);
  }

  // Centre of the model: the middle of the parallelogram and of the heights.
  float* e = L.view;
  e[0] = m[0] + 0.5f * (in.nu * m[1] + in.nv * m[2]);
  e[1] = m[3] + 0.5f * (in.nu * m[4] + in.nv * m[5]);
  e[2] = 0.5f * (zmin + zmax);
  L.rotation = MakeMeshRotation(in.distance, in.theta, in.phi);
  const MeshRotation& r = L.rotation;

  // The eye's foot on the base plane, in grid coordinates.
  {
    const double ex = e[0] + static_cast<double>(in.distance) * r.sp * r.ct;
    const double ey = e[1] + static_cast<double>(in.distance) * r.sp * r.st;
    const double det = static_cast<double>(m[1]) * m[5] - static_cast<double>(m[2]) * m[4];
    const double dx = ex - m[0], dy = ey - m[3];
    L.footU = (dx * m[5] - dy * m[2]) / det;
    L.footV = (m[1] * dy - m[4] * dx) / det;
  }

  // Rotate every grid point and the four base corners (where the viewer puts
  // its labels); the eye must be well in front of all of them.
  L.sx.resize(count);
  L.sy.resize(count);
  L.depth.resize(count);
  std::vector<float> px(count + 4), py(count + 4), pz(count + 4);
  double minDepth = 1e300, maxReach = 0, radius = 0;
  for (size_t k = 0; k < count + 4; ++k) {
    int i, j;
    float z;
    if (k < count) {
      i = static_cast<int>(k) / (in.nv + 1);
      j = static_cast<int>(k) % (in.nv + 1);
      z = L.z[k];
    } else {
      const int c = static_cast<int>(k - count);
      i = (c & 1) ? in.nu : 0;
      j = (c & 2) ? in.nv : 0;
      z = 0.0f;
    }
    const float x = m[0] + i * m[1] + j * m[2];
    const float y = m[3] + i * m[4] + j * m[5];
    float p[3];
    RotateMeshPoint(r, x - e[0], y - e[1], z - e[2], p);
    px[k] = p[0];
    py[k] = p[1];
    pz[k] = p[2];
    const double rx = x - e[0], ry = y - e[1], rz = z - e[2];
    radius = std::max(radius, std::sqrt(rx * rx + ry * ry + rz * rz));
    maxReach = std::max(maxReach, static_cast<double>(in.distance) - p[2]);
    minDepth = std::min(minDepth, static_cast<double>(p[2]));
  }
  if (!(minDepth >= kMinDepthFraction * radius) || !std::isfinite(radius)) {
    return MeshFail(error,
                    "meshinp: line 2: viewing distance %g puts the eye inside or too close to "
                    "the mesh (more than %.4g needed)",
                    in.distance, maxReach + kMinDepthFraction * radius);
  }
  double amin = 1e300, amax = -1e300, bmin = 1e300, bmax = -1e300;
  for (size_t k = 0; k < count + 4; ++k) {
    const double a = px[k] / pz[k], b = py[k] / pz[k];
    amin = std::min(amin, a);
    amax = std::max(amax, a);
    bmin = std::min(bmin, b);
    bmax = std::max(bmax, b);
  }

  // Perspective factor: the larger picture that fits inside the margins.
  const double mx = std::min(kMarginPixels, kMaxMarginFraction * in.width);
  const double my = std::min(kMarginPixels, kMaxMarginFraction * in.height);
  const double spanA = amax - amin, spanB = bmax - bmin;
  double f = 1e300;
  if (spanA > 1e-12) f = std::min(f, (in.width - 2 * mx) / spanA);
  if (spanB > 1e-12) f = std::min(f, (in.height - 2 * my) / spanB);
  if (f == 1e300) f = 1.0;
  e[3] = static_cast<float>(f);
  e[4] = static_cast<float>(0.5 * in.width - f * 0.5 * (amin + amax));
  e[5] = static_cast<float>(0.5 * in.height - f * 0.5 * (bmin + bmax));

  // Screen positions, computed exactly as the viewer projects (float).
  for (size_t k = 0; k < count; ++k) {
    L.depth[k] = pz[k];
    L.sx[k] = px[k] * e[3] / pz[k] + e[4];
    L.sy[k] = py[k] * e[3] / pz[k] + e[5];
    if (!std::isfinite(L.sx[k]) || !std::isfinite(L.sy[k])) {
      return MeshFail(error, "meshinp: the projection of grid point %zu is not finite", k + 1);
    }
  }
  return 0;
}

}  // namespace pyk
