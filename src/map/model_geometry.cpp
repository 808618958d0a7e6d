// Mates of the model's atoms, and distances through the map's cell metric.
#include "map/model_geometry.h"

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
  const double g[3][3] = {{a * a, a * b * std::cos(s.m_afCell[5] * rad), a * c * std::cos(s.m_afCell[4] * rad)},
                          {0, b * b, b * c * std::cos(s.m_afCell[3] * rad)},
                          {0, 0, c * c}};  // the upper half; the cross terms count twice
  double nearest = INFINITY;
  for (size_t k = 0; k < s.m_model.atoms.size(); ++k) {
    for (const ModelOp& op : s.m_model.ops) {
      double m[3], d0[3];
      ApplyModelOp(op, s.m_model.atoms[k].frac, m);
      for (int i = 0; i < 3; ++i) d0[i] = frac[i] - m[i] - std::round(frac[i] - m[i]);
      // The nearest lattice point per axis is the nearest overall only in a
      // right-angled cell: its neighbours are tried too.
      for (int n = 0; n < 27; ++n) {
        const double d[3] = {d0[0] + n % 3 - 1, d0[1] + n / 3 % 3 - 1, d0[2] + n / 9 - 1};
        const double r2 = g[0][0] * d[0] * d[0] + g[1][1] * d[1] * d[1] + g[2][2] * d[2] * d[2] +
                          2 * (g[0][1] * d[0] * d[1] + g[0][2] * d[0] * d[2] + g[1][2] * d[1] * d[2]);
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
