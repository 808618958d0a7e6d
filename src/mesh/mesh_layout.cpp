// Placement of the section in the model and of the model's picture in the client area.
#include "mesh/mesh_layout.h"

#include <algorithm>
#include <cmath>

#include "mesh/fail.h"

namespace pyk {
namespace {

constexpr double kRadiansPerDegree = 3.14159265358979 / 180.0;

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

// The points in the eye's frame: the grid points, then the six base points.
struct EyePoints {
  std::vector<float> x, y, z;
};

// In-plane geometry: u at azimuth alpha, v at the cell angle from it.
void PlaceAxes(const MeshInput& in, MeshLayout& L) {
  const double g = kModelEdge / std::max(in.edgeU, in.edgeV);
  const double alpha = LabelledCornerTurn(in.theta, in.angle) * kRadiansPerDegree;
  const double angle = in.angle * kRadiansPerDegree;
  const double lu = g * in.edgeU / in.nu, lv = g * in.edgeV / in.nv;
  float* m = L.axis;
  m[1] = static_cast<float>(lu * std::cos(alpha));
  m[2] = static_cast<float>(lv * std::cos(alpha + angle));
  m[4] = static_cast<float>(lu * std::sin(alpha));
  m[5] = static_cast<float>(lv * std::sin(alpha + angle));
  m[0] = -(m[1] + m[2]);
  m[3] = -(m[4] + m[5]);
}

// The heights of the grid points; the lowest point stands kLabelDrop above
// the base plane z = 0, which belongs to the picture. *zmax is the highest.
int PlaceHeights(const MeshInput& in, MeshLayout& L, float* zmax, std::string* error) {
  L.heightScale = HeightScale(in);
  const size_t count = in.values.size();
  L.z.resize(count);
  float lowest = 0.0f;
  for (size_t k = 0; k < count; ++k) {
    L.z[k] = in.values[k] * L.heightScale;
    if (!std::isfinite(L.z[k])) {
      return MeshFail(error, "meshinp: value %zu (%g) gives a height beyond the float range", k + 1, in.values[k]);
    }
    lowest = k == 0 ? L.z[k] : std::min(lowest, L.z[k]);
  }
  for (float& z : L.z) {
    z = z - lowest + kLabelDrop;
    if (!std::isfinite(z)) return MeshFail(error, "meshinp: the heights span beyond the float range");
    *zmax = std::max(*zmax, z);
  }
  return 0;
}

// Centre of the model: the middle of the parallelogram and of the heights;
// the view turns about it.
void CentreModel(const MeshInput& in, float zmax, MeshLayout& L) {
  const float* m = L.axis;
  float* e = L.view;
  e[0] = 0.5f * (in.nu * m[1] + in.nv * m[2]);
  e[1] = 0.5f * (in.nu * m[4] + in.nv * m[5]);
  e[2] = 0.5f * zmax;
  L.rotation = MakeMeshRotation(in.distance, in.theta, in.phi);
}

// The eye's foot on the base plane, in grid coordinates.
void FindEyeFoot(const MeshInput& in, MeshLayout& L) {
  const float* m = L.axis;
  const float* e = L.view;
  const MeshRotation& r = L.rotation;
  const double ex = e[0] + static_cast<double>(in.distance) * r.sp * r.ct;
  const double ey = e[1] + static_cast<double>(in.distance) * r.sp * r.st;
  const double det = static_cast<double>(m[1]) * m[5] - static_cast<double>(m[2]) * m[4];
  L.footU = (ex * m[5] - ey * m[2]) / det;
  L.footV = (m[1] * ey - m[4] * ex) / det;
}

// Rotates every grid point, and on the base plane the four corners and the
// starts of the label lines one grid step before the first corner (where
// the viewer puts its labels); the eye must be well in front of all of them.
int RotatePoints(const MeshInput& in, const MeshLayout& L, EyePoints* eye, std::string* error) {
  const float* e = L.view;
  const MeshRotation& r = L.rotation;
  const int base[6][2] = {{0, 0}, {in.nu, 0}, {0, in.nv}, {in.nu, in.nv}, {-1, 0}, {0, -1}};
  const size_t count = in.values.size();
  const size_t points = count + 6;
  std::vector<float>& px = eye->x;
  std::vector<float>& py = eye->y;
  std::vector<float>& pz = eye->z;
  px.resize(points);
  py.resize(points);
  pz.resize(points);
  double minDepth = 1e300, maxReach = 0, radius = 0;
  for (size_t k = 0; k < points; ++k) {
    const bool grid = k < count;
    const int i = grid ? static_cast<int>(k) / (in.nv + 1) : base[k - count][0];
    const int j = grid ? static_cast<int>(k) % (in.nv + 1) : base[k - count][1];
    const float z = grid ? L.z[k] : 0.0f;
    const float x = L.ModelX(static_cast<float>(i), static_cast<float>(j));
    const float y = L.ModelY(static_cast<float>(i), static_cast<float>(j));
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
  return 0;
}

// Perspective factor: the larger picture of all the rotated points that fits
// inside the margins, and the screen position of the centre.
void FitPicture(const MeshInput& in, const EyePoints& eye, MeshLayout& L) {
  double amin = 1e300, amax = -1e300, bmin = 1e300, bmax = -1e300;
  for (size_t k = 0; k < eye.z.size(); ++k) {
    const double a = eye.x[k] / eye.z[k], b = eye.y[k] / eye.z[k];
    amin = std::min(amin, a);
    amax = std::max(amax, a);
    bmin = std::min(bmin, b);
    bmax = std::max(bmax, b);
  }
  const double mx = std::min(kMarginPixels, kMaxMarginFraction * in.width);
  const double my = std::min(kMarginPixels, kMaxMarginFraction * in.height);
  const double spanA = amax - amin, spanB = bmax - bmin;
  double f = 1e300;
  if (spanA > 1e-12) f = std::min(f, (in.width - 2 * mx) / spanA);
  if (spanB > 1e-12) f = std::min(f, (in.height - 2 * my) / spanB);
  if (f == 1e300) f = 1.0;
  float* e = L.view;
  e[3] = static_cast<float>(f);
  e[4] = static_cast<float>(0.5 * in.width - f * 0.5 * (amin + amax));
  e[5] = static_cast<float>(0.5 * in.height - f * 0.5 * (bmin + bmax));
}

// Screen positions and depths of the grid points, computed exactly as the
// viewer projects (float).
int ProjectGrid(const EyePoints& eye, MeshLayout& L, std::string* error) {
  const float* e = L.view;
  const size_t count = L.z.size();
  L.sx.resize(count);
  L.sy.resize(count);
  L.depth.resize(count);
  for (size_t k = 0; k < count; ++k) {
    L.depth[k] = eye.z[k];
    L.sx[k] = eye.x[k] * e[3] / eye.z[k] + e[4];
    L.sy[k] = eye.y[k] * e[3] / eye.z[k] + e[5];
    if (!std::isfinite(L.sx[k]) || !std::isfinite(L.sy[k])) {
      return MeshFail(error, "meshinp: the projection of grid point %zu is not finite", k + 1);
    }
  }
  return 0;
}

}  // namespace

double LabelledCornerTurn(float thetaDeg, float angleDeg) {
  // The corner's bisector lies at alpha + angle / 2 and points away from the
  // eye at theta + 180.
  const double away = static_cast<double>(thetaDeg) + 180.0 - 0.5 * angleDeg;
  return kLabelTurnStep * std::round(away / kLabelTurnStep);
}

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
  PlaceAxes(in, L);
  float zmax = 0.0f;
  if (PlaceHeights(in, L, &zmax, error) != 0) return 1;
  CentreModel(in, zmax, L);
  FindEyeFoot(in, L);
  EyePoints eye;
  if (RotatePoints(in, L, &eye, error) != 0) return 1;
  FitPicture(in, eye, L);
  return ProjectGrid(eye, L, error);
}

}  // namespace pyk
