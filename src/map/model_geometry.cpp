// Mates of the model's atoms, and distances through the map's cell metric.
#include "map/model_geometry.h"

#include <algorithm>
#include <cmath>

namespace pyk {

void ApplyModelOp(const ModelOp& op, const double x[3], double out[3]) {
  for (int i = 0; i < 3; ++i) out[i] = op.rot[i][0] * x[0] + op.rot[i][1] * x[1] + op.rot[i][2] * x[2] + op.tran[i];
}

NearAtom NearestAtom(const ViewState& s, const double frac[3]) {
  NearAtom best{-1, INFINITY};
  const double a = s.m_afCell[0], b = s.m_afCell[1], c = s.m_afCell[2];
  if (!(a > 0 && b > 0 && c > 0)) return best;
  const double rad = M_PI / 180.0;
  // The metric tensor: |d|^2 = d.G.d for a difference d in fractions.
  const double gab = a * b * std::cos(s.m_afCell[5] * rad), gac = a * c * std::cos(s.m_afCell[4] * rad),
               gbc = b * c * std::cos(s.m_afCell[3] * rad);
  const double g[3][3] = {{a * a, gab, gac}, {gab, b * b, gbc}, {gac, gbc, c * c}};
  // The spacing of the planes x_i = const, 1 / |a*_i|, from the inverse
  // metric's diagonal (cofactor over determinant).
  const double det =
      g[0][0] * (g[1][1] * g[2][2] - gbc * gbc) - gab * (gab * g[2][2] - gbc * gac) + gac * (gab * gbc - g[1][1] * gac);
  const double cof[3] = {g[1][1] * g[2][2] - gbc * gbc, g[0][0] * g[2][2] - gac * gac, g[0][0] * g[1][1] - gab * gab};
  if (!(det > 0)) return best;
  double spacing2[3];
  for (int i = 0; i < 3; ++i) spacing2[i] = det / cof[i];
  double nearest = INFINITY;
  for (size_t k = 0; k < s.m_model.atoms.size(); ++k) {
    for (const ModelOp& op : s.m_model.ops) {
      double m[3], d0[3];
      ApplyModelOp(op, s.m_model.atoms[k].frac, m);
      for (int i = 0; i < 3; ++i) d0[i] = frac[i] - m[i] - std::round(frac[i] - m[i]);
      // Every image lies at least |d_i| plane spacings away along each axis,
      // and |d0_i| <= 1/2 is the least |d_i| of all images: a mate whose
      // bound passes the nearest so far has no nearer image.
      double bound2 = 0;
      for (int i = 0; i < 3; ++i) bound2 = std::max(bound2, d0[i] * d0[i] * spacing2[i]);
      if (bound2 >= nearest) continue;
      // The nearest lattice point per axis is the nearest overall only in a
      // right-angled cell: its neighbours are tried too.
      for (int n = 0; n < 27; ++n) {
        const double d[3] = {d0[0] + n % 3 - 1, d0[1] + n / 3 % 3 - 1, d0[2] + n / 9 - 1};
        double r2 = 0;
        for (int i = 0; i < 3; ++i) {
          for (int j = 0; j < 3; ++j) r2 += g[i][j] * d[i] * d[j];
        }
        if (r2 < nearest) {
          nearest = r2;
          best.atom = static_cast<int>(k);
        }
      }
    }
  }
  best.distance = std::sqrt(nearest);
  return best;
}

}  // namespace pyk
