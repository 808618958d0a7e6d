// Pointer to map: the window point's ray through the inverse of projection
// times modelview, cut with the plane z = 0, then the section geometry's
// skewed grid taken back to grid coordinates (u, v).
#include "engine/pointer.h"

#include <cmath>

#include "engine/engine_messages.h"
#include "map/model_geometry.h"
#include "map/section.h"
#include "state/message.h"

namespace pyk {
namespace {

// c = a * b for column-major 4 x 4 matrices.
void Multiply(const double* a, const double* b, double* c) {
  for (int col = 0; col < 4; ++col) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[col * 4 + k];
      c[col * 4 + row] = sum;
    }
  }
}

// Inverse by Gauss-Jordan elimination with partial pivoting; false when singular.
bool Invert(const double* m, double* inv) {
  double a[4][8];
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      a[r][c] = m[c * 4 + r];
      a[r][c + 4] = r == c ? 1.0 : 0.0;
    }
  }
  for (int c = 0; c < 4; ++c) {
    int pivot = c;
    for (int r = c + 1; r < 4; ++r) {
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    }
    if (a[pivot][c] == 0.0) return false;
    for (int k = 0; k < 8; ++k) std::swap(a[c][k], a[pivot][k]);
    const double d = a[c][c];
    for (int k = 0; k < 8; ++k) a[c][k] /= d;
    for (int r = 0; r < 4; ++r) {
      if (r == c) continue;
      const double f = a[r][c];
      for (int k = 0; k < 8; ++k) a[r][k] -= f * a[c][k];
    }
  }
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) inv[c * 4 + r] = a[r][c + 4];
  }
  return true;
}

// The model point of normalised device coordinates (x, y, z).
bool Unproject(const double* inv, double x, double y, double z, double out[3]) {
  const double in[4] = {x, y, z, 1.0};
  double p[4];
  for (int row = 0; row < 4; ++row) {
    p[row] = 0.0;
    for (int k = 0; k < 4; ++k) p[row] += inv[k * 4 + row] * in[k];
  }
  if (p[3] == 0.0) return false;
  for (int i = 0; i < 3; ++i) out[i] = p[i] / p[3];
  return true;
}

}  // namespace

bool ReadPointer(const ViewState& s, double wx, double wy, PointerReading* r) {
  const MapView& view = s.m_mapView;
  const int nu = s.m_nGridU, nv = s.m_nGridV;
  if (view.known == 0 || s.m_bMapValid != 1 || nu < 1 || nv < 1 || view.viewport[2] <= 0 || view.viewport[3] <= 0) {
    return false;
  }
  double m[16], inv[16];
  Multiply(view.projection, view.modelview, m);
  if (!Invert(m, inv)) return false;
  const double x = 2.0 * (wx - view.viewport[0]) / view.viewport[2] - 1.0;
  const double y = 2.0 * (wy - view.viewport[1]) / view.viewport[3] - 1.0;
  double near[3], far[3];
  if (!Unproject(inv, x, y, -1.0, near) || !Unproject(inv, x, y, 1.0, far)) return false;
  if (near[2] == far[2]) return false;  // the ray runs along the plane
  const double t = near[2] / (near[2] - far[2]);
  const double px = near[0] + t * (far[0] - near[0]);
  const double py = near[1] + t * (far[1] - near[1]);

  // Solve origin + u * a + v * b = (px, py) for the grid coordinates.
  const SectionFrame f = SectionFrameOf(s);
  const double det = f.ax * f.by - f.ay * f.bx;
  if (det == 0.0) return false;
  const double u = ((px - f.ox) * f.by - (py - f.oy) * f.bx) / det;
  const double v = (f.ax * (py - f.oy) - f.ay * (px - f.ox)) / det;
  if (!(u >= 0.0 && u <= nu && v >= 0.0 && v <= nv)) return false;

  const int i = u >= nu ? nu - 1 : static_cast<int>(u);
  const int j = v >= nv ? nv - 1 : static_cast<int>(v);
  const double fu = u - i, fv = v - j;
  const auto& d = s.m_afSection;
  r->density = (1 - fu) * (1 - fv) * d[i][j] + fu * (1 - fv) * d[i + 1][j] + (1 - fu) * fv * d[i][j + 1] +
               fu * fv * d[i + 1][j + 1];
  const PlaneAxes axes = AxesOf(s.m_nPlane);
  const int normalGrid = s.m_anGrid[axes.normal];
  const int section = WrapIndex(s.m_anSectionIndex[s.m_nPlane], normalGrid);
  r->frac[axes.u] = u / nu;
  r->frac[axes.v] = v / nv;
  r->frac[axes.normal] = static_cast<double>(section) / normalGrid;
  r->index[axes.u] = WrapIndex(std::lround(u), nu);
  r->index[axes.v] = WrapIndex(std::lround(v), nv);
  r->index[axes.normal] = section;
  return true;
}

std::string PointerText(const ViewState& s, const PointerReading& r) {
  std::string text =
      FormatText(msg::kPointerReading, r.frac[0], r.frac[1], r.frac[2], r.index[0], r.index[1], r.index[2], r.density);
  if (s.m_stats.sigma > 0.0) text += FormatText(msg::kPointerSigma, (r.density - s.m_stats.mean) / s.m_stats.sigma);
  if (s.m_bShowAtoms == 1 && !s.m_model.atoms.empty()) {
    const NearAtom near = NearestAtom(s, r.frac);
    if (near.atom >= 0) {
      text +=
          FormatText(msg::kPointerAtom, s.m_model.atoms[static_cast<size_t>(near.atom)].label.c_str(), near.distance);
    }
  }
  return text;
}

}  // namespace pyk
