// Section extraction: the records expanded by symmetry onto the section, its grid, geometry and heights.
// The expansion walks every record and image once and keeps only the points
// on the section; the grid is then filled in collection order, first point
// wins, which equals searching the collected points for every grid point.
#include "map/section.h"

#include <cmath>
#include <cstring>

#include "map/images.h"

namespace pyk {

namespace {

// The section being collected: which axis is the normal and which grid plane.
struct Target {
  int normal;
  int32_t index;
  int32_t grid[3];
};

Target TargetOf(const ViewState& s) {
  Target t;
  t.normal = s.m_nPlane;
  std::memcpy(t.grid, s.m_anGrid, sizeof t.grid);
  t.index = WrapIndex(s.m_anSectionIndex[t.normal], t.grid[t.normal]);
  return t;
}

inline void Collect(ViewState& s, const Target& t, const int64_t p[3], float d) {
  if (WrapIndex(p[t.normal], t.grid[t.normal]) != t.index) return;
  if (s.m_nSecCount >= kMaxSectionPoints) return;  // the load check keeps this unreachable
  const int n = s.m_nSecCount++;
  s.m_anSecX[n] = WrapIndex(p[0], t.grid[0]);
  s.m_anSecY[n] = WrapIndex(p[1], t.grid[1]);
  s.m_anSecZ[n] = WrapIndex(p[2], t.grid[2]);
  s.m_afSecDensity[n] = d;
}

}  // namespace

PlaneAxes AxesOf(int plane) {
  switch (plane) {
    case kPlaneH00:
      return {0, 1, 2};
    case kPlane0K0:
      return {1, 0, 2};
    default:
      return {2, 0, 1};
  }
}

bool FractionOnSection(const ViewState& s, const double frac[3], double* u, double* v) {
  const PlaneAxes ax = AxesOf(s.m_nPlane);
  const int n = s.m_anGrid[ax.normal];
  const double d = frac[ax.normal] * n - WrapIndex(s.m_anSectionIndex[s.m_nPlane], n);
  if (std::fabs(d - n * std::round(d / n)) >= 0.5) return false;
  *u = frac[ax.u] * s.m_nGridU;
  *v = frac[ax.v] * s.m_nGridV;
  return true;
}

void AddSectionPoint(ViewState& s, int64_t x, int64_t y, int64_t z, float density) {
  const int64_t p[3] = {x, y, z};
  Collect(s, TargetOf(s), p, density);
}

void ExtractSection(ViewState& s) {
  s.m_nSecCount = 0;
  const Target t = TargetOf(s);
  ForEachImage(s, [&](const int64_t p[3], float d) { Collect(s, t, p, d); });

  const PlaneAxes ax = AxesOf(s.m_nPlane);
  s.m_nGridU = s.m_anGrid[ax.u];
  s.m_nGridV = s.m_anGrid[ax.v];

  const int32_t* coord[3] = {s.m_anSecX, s.m_anSecY, s.m_anSecZ};
  bool filled[kSectionSize][kSectionSize] = {};
  for (int n = 0; n < s.m_nSecCount; ++n) {
    const int u = coord[ax.u][n];
    const int v = coord[ax.v][n];
    if (!filled[u][v]) {
      filled[u][v] = true;
      s.m_afSection[u][v] = s.m_afSecDensity[n];
    }
  }

  const int nu = s.m_nGridU;
  const int nv = s.m_nGridV;
  s.m_afSection[nu][nv] = s.m_afSection[0][0];
  for (int u = 0; u < nu; ++u) s.m_afSection[u][nv] = s.m_afSection[u][0];
  for (int v = 0; v < nv; ++v) s.m_afSection[nu][v] = s.m_afSection[0][v];
}

SectionFrame SectionFrameOf(const ViewState& s) {
  const auto& g = s.m_afSectionXYZ;
  const int nu = s.m_nGridU, nv = s.m_nGridV;
  const double ox = g[0][0][0], oy = g[0][0][1];
  return {ox, oy, (g[nu][0][0] - ox) / nu, (g[nu][0][1] - oy) / nu, (g[0][nv][0] - ox) / nv, (g[0][nv][1] - oy) / nv};
}

float HeightBase(float maxEdge, float maxDensity) {
  if (maxDensity == 0.0f) return 0.0f;
  // Deliberately the float 0.3f widened, not the double 0.3.
  return static_cast<float>(double{maxEdge} * double{0.3f} / double{maxDensity});
}

void ComputeSectionGeometry(ViewState& s) {
  const PlaneAxes ax = AxesOf(s.m_nPlane);
  s.m_afEdge[0] = s.m_afCell[ax.u];
  s.m_afEdge[1] = s.m_afCell[ax.v];
  s.m_fPlaneAngle = s.m_afCell[3 + ax.normal];
  const double e1 = s.m_afEdge[0];
  const double e2 = s.m_afEdge[1];
  // The truncated pi and the double intermediates below are deliberate; only the results are stored as float.
  const double rad = double{s.m_fPlaneAngle} * 3.14159265 / 180.0;
  double sn = std::sin(rad);
  double cs = std::cos(rad);
  if (std::fabs(sn) < s.m_fEpsilon) sn = 0.0;
  if (std::fabs(cs) < s.m_fEpsilon) cs = 0.0;

  s.m_fMaxEdge = s.m_afEdge[0] >= s.m_afEdge[1] ? s.m_afEdge[0] : s.m_afEdge[1];
  s.m_fHeightBase = HeightBase(s.m_fMaxEdge, s.m_fMaxDensity);
  s.m_afCenter[0] = static_cast<float>(0.5 * e1 + 0.5 * e2 * cs);
  s.m_afCenter[1] = static_cast<float>(0.5 * e2 * sn);
  s.m_afCenter[2] = 0.0f;

  const double cx = s.m_afCenter[0];
  const double cy = s.m_afCenter[1];
  const int nu = s.m_nGridU;
  const int nv = s.m_nGridV;
  // A zero count never reaches here for a valid map; it would place every sample at u or v = 0.
  const double du = nu > 0 ? e1 / nu : 0.0;
  const double bx = nv > 0 ? e2 * cs / nv : 0.0;
  const double by = nv > 0 ? e2 * sn / nv : 0.0;
  for (int u = 0; u <= nu; ++u) {
    for (int v = 0; v <= nv; ++v) {
      s.m_afSectionXYZ[u][v][0] = static_cast<float>(u * du + v * bx - cx);
      s.m_afSectionXYZ[u][v][1] = static_cast<float>(v * by - cy);
    }
  }
}

void ComputeHeights(ViewState& s) {
  const double base = s.m_fHeightBase;
  const double scale = s.m_fHeightScale;
  for (int u = 0; u <= s.m_nGridU; ++u) {
    for (int v = 0; v <= s.m_nGridV; ++v) {
      // The product is deliberately worked in double and rounded once, not in float.
      s.m_afSectionXYZ[u][v][2] = static_cast<float>(s.m_afSection[u][v] * base * scale);
    }
  }
}

void ComputeSection(ViewState& s) {
  if (!s.m_bMapValid) return;
  s.m_nSectionCount = s.m_anGrid[s.m_nPlane];
  ExtractSection(s);
  ComputeSectionGeometry(s);
  ComputeHeights(s);
  s.m_nStatus = kStatusReady;
}

int64_t ImageCount(const MapRecord& s) {
  const int64_t perRecord = 1 + int64_t{s.m_nSymOps} * (1 + int64_t{s.m_nLattice} * (s.m_nCentro == 1 ? 2 : 1));
  return int64_t{s.m_nPoints} * perRecord;
}

int64_t MaxSectionPoints(const MapRecord& s) {
  // Points per grid plane for each of the three normals, in four interleaved
  // copies so that runs of equal coordinates do not serialise the increments.
  int32_t counts[4][3][kMaxGrid] = {};
  const int32_t* grid = s.m_anGrid;
  unsigned k = 0;
  ForEachImageFolded(s, [&](const int64_t p[3], float, int copies) {
    auto& c = counts[k++ & 3];
    c[0][WrapIndex(p[0], grid[0])] += copies;
    c[1][WrapIndex(p[1], grid[1])] += copies;
    c[2][WrapIndex(p[2], grid[2])] += copies;
  });
  int64_t most = 0;
  for (int a = 0; a < 3; ++a) {
    for (int i = 0; i < grid[a]; ++i) {
      const int64_t n = int64_t{counts[0][a][i]} + counts[1][a][i] + counts[2][a][i] + counts[3][a][i];
      most = n > most ? n : most;
    }
  }
  return most;
}

}  // namespace pyk
