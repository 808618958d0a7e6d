// Peak search on a periodic grid: the whole cell expanded by symmetry, or the
// current section as a grid one point thick along its normal.
#include "map/peaks.h"

#include <algorithm>
#include <cmath>

#include "map/images.h"
#include "map/map_messages.h"
#include "map/model_geometry.h"
#include "map/section.h"
#include "map/statistics.h"
#include "text/c_numbers.h"

namespace pyk {
namespace {

// Values on a periodic grid of n[0] x n[1] x n[2] points along x y z; an
// axis of one point (the section's normal) has no neighbours.
struct Grid {
  int n[3];
  HugePageVector<float> v;
  float At(int x, int y, int z) const {
    return v[(static_cast<size_t>(WrapIndex(x, n[0])) * n[1] + WrapIndex(y, n[1])) * n[2] + WrapIndex(z, n[2])];
  }
};

Grid SectionGrid(const ViewState& s) {
  const PlaneAxes ax = AxesOf(s.m_nPlane);
  Grid g;
  g.n[ax.u] = s.m_nGridU;
  g.n[ax.v] = s.m_nGridV;
  g.n[ax.normal] = 1;
  g.v.resize(static_cast<size_t>(s.m_nGridU) * s.m_nGridV);
  int p[3] = {0, 0, 0};
  for (int u = 0; u < s.m_nGridU; ++u) {
    for (int v = 0; v < s.m_nGridV; ++v) {
      p[ax.u] = u, p[ax.v] = v;
      g.v[(static_cast<size_t>(p[0]) * g.n[1] + p[1]) * g.n[2] + p[2]] = s.m_afSection[u][v];
    }
  }
  return g;
}

// Whether (x, y, z) is above (sign 1) or below (sign -1) every neighbour;
// of two equal neighbours the one later in scan order wins, so a flat top
// gives one peak.
bool IsExtremum(const Grid& g, int x, int y, int z, float sign) {
  const float c = sign * g.At(x, y, z);
  if (std::isnan(c)) return false;
  const int r[3] = {g.n[0] > 1, g.n[1] > 1, g.n[2] > 1};
  for (int dx = -r[0]; dx <= r[0]; ++dx) {
    for (int dy = -r[1]; dy <= r[1]; ++dy) {
      for (int dz = -r[2]; dz <= r[2]; ++dz) {
        if (dx == 0 && dy == 0 && dz == 0) continue;
        const float n = sign * g.At(x + dx, y + dy, z + dz);
        if (std::isnan(n)) continue;
        const bool later = dx > 0 || (dx == 0 && (dy > 0 || (dy == 0 && dz > 0)));
        if (later ? n > c : n >= c) return false;
      }
    }
  }
  return true;
}

// The parabola's vertex along each axis through the point and its neighbours.
void Refine(const Grid& g, const int p[3], double pos[3], double* height) {
  const float f0 = g.At(p[0], p[1], p[2]);
  *height = f0;
  for (int a = 0; a < 3; ++a) {
    pos[a] = p[a];
    if (g.n[a] < 3) continue;
    int q[3] = {p[0], p[1], p[2]};
    q[a] = p[a] - 1;
    const double fm = g.At(q[0], q[1], q[2]);
    q[a] = p[a] + 1;
    const double fp = g.At(q[0], q[1], q[2]);
    const double curve = fm - 2.0 * f0 + fp;
    if (std::isnan(curve) || curve == 0.0) continue;
    const double offset = std::clamp(0.5 * (fm - fp) / curve, -0.5, 0.5);
    pos[a] += offset;
    *height += 0.25 * (fp - fm) * offset;
  }
}

// Whether b is a symmetry image of a (positions in grid units), within a
// third of a grid step along each axis.
bool Equivalent(const MapRecord& m, const double a[3], const double b[3]) {
  bool same = false;
  auto near = [&](const double q[3]) {
    for (int c = 0; c < 3; ++c) {
      const double n = m.m_anGrid[c];
      const double d = q[c] - b[c];
      if (std::fabs(d - n * std::round(d / n)) > 1.0 / 3.0) return;
    }
    same = true;
  };
  near(a);
  for (int op = 0; op < m.m_nSymOps && !same; ++op) {
    const auto& r = m.m_anSymRot[op];
    double q[3];
    for (int c = 0; c < 3; ++c) q[c] = r[0][c] * a[0] + r[1][c] * a[1] + r[2][c] * a[2] + m.m_anSymTrans[op][c];
    near(q);
    for (int l = 0; l < m.m_nLattice && !same; ++l) {
      const double w[3] = {q[0] + m.m_anLatticeTrans[l][0], q[1] + m.m_anLatticeTrans[l][1],
                           q[2] + m.m_anLatticeTrans[l][2]};
      near(w);
      if (m.m_nCentro == 1) {
        const double mw[3] = {-w[0], -w[1], -w[2]};
        near(mw);
      }
    }
  }
  return same;
}

// The extrema of one sign beyond the threshold, strongest first, one of each symmetry set.
std::vector<Peak> Extrema(const ViewState& s, const Grid& g, int normalAxis, float sign, double threshold) {
  struct Found {
    double pos[3];
    double height;
  };
  std::vector<Found> found;
  const MapStatistics& st = s.m_stats;
  for (int x = 0; x < g.n[0]; ++x) {
    for (int y = 0; y < g.n[1]; ++y) {
      for (int z = 0; z < g.n[2]; ++z) {
        if (!IsExtremum(g, x, y, z, sign)) continue;
        const int p[3] = {x, y, z};
        Found f;
        Refine(g, p, f.pos, &f.height);
        if (sign * (f.height - st.mean) < threshold * st.sigma) continue;
        if (normalAxis >= 0) f.pos[normalAxis] = WrapIndex(s.m_anSectionIndex[s.m_nPlane], s.m_anGrid[normalAxis]);
        found.push_back(f);
      }
    }
  }
  std::stable_sort(found.begin(), found.end(),
                   [&](const Found& a, const Found& b) { return sign * a.height > sign * b.height; });
  std::vector<Peak> peaks;
  std::vector<const Found*> kept;
  for (const Found& f : found) {
    if (std::any_of(kept.begin(), kept.end(), [&](const Found* k) { return Equivalent(s, k->pos, f.pos); })) continue;
    kept.push_back(&f);
    Peak peak;
    for (int c = 0; c < 3; ++c) {
      const double t = f.pos[c] / s.m_anGrid[c];
      peak.frac[c] = t - std::floor(t);
      if (peak.frac[c] >= 1.0) peak.frac[c] = 0.0;
    }
    peak.height = f.height;
    peak.sigmas = st.sigma > 0.0 ? (f.height - st.mean) / st.sigma : 0.0;
    peaks.push_back(peak);
  }
  return peaks;
}

}  // namespace

std::vector<Peak> FindPeaks(const ViewState& s, const PeakSearch& search) {
  if (s.m_bMapValid != 1 || s.m_stats.points == 0) return {};
  Grid g;
  int normal = -1;
  if (search.wholeMap) {
    for (int a = 0; a < 3; ++a) g.n[a] = s.m_anGrid[a];
    g.v = ExpandToCell(s);
  } else {
    g = SectionGrid(s);
    normal = AxesOf(s.m_nPlane).normal;
  }
  std::vector<Peak> peaks = Extrema(s, g, normal, 1.0f, search.threshold);
  if (s.m_nMapType == 1) {
    const std::vector<Peak> minima = Extrema(s, g, normal, -1.0f, search.threshold);
    peaks.insert(peaks.end(), minima.begin(), minima.end());
  }
  return peaks;
}

void WritePeakList(const ViewState& s, const PeakSearch& search, const std::vector<Peak>& peaks, FILE* out) {
  PrintC(out, msg::kPeaksMap, s.m_szMapFile);
  if (search.wholeMap) {
    std::fputs(msg::kPeaksWholeMap, out);
  } else {
    PrintC(out, msg::kPeaksSection, s.m_nSection, double{s.m_afHkl[0]}, double{s.m_afHkl[1]}, double{s.m_afHkl[2]});
  }
  PrintC(out, msg::kPeaksThreshold, search.threshold, s.m_stats.mean, s.m_stats.sigma);
  const bool model = s.m_bShowAtoms == 1 && !s.m_model.atoms.empty();
  if (model) PrintC(out, msg::kPeaksModel, s.m_model.file.c_str());
  std::fputs(model ? msg::kPeaksColumnsAtom : msg::kPeaksColumns, out);
  int n = 0;
  for (const Peak& p : peaks) {
    const NearAtom near = model ? NearestAtom(s, p.frac) : NearAtom{-1, 0.0};
    if (near.atom < 0) {
      PrintC(out, msg::kPeakLine, ++n, p.frac[0], p.frac[1], p.frac[2], p.height, p.sigmas);
    } else {
      PrintC(out, msg::kPeakLineAtom, ++n, p.frac[0], p.frac[1], p.frac[2], p.height, p.sigmas,
             s.m_model.atoms[static_cast<size_t>(near.atom)].label.c_str(), near.distance);
    }
  }
}

}  // namespace pyk
