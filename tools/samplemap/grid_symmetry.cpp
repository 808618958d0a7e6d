// Conversion of fractional operations to grid operations in either file style.
#include "tools/samplemap/grid_symmetry.h"

#include "tools/samplemap/space_group.h"

namespace pyk::sample {

bool ToGridOp(const SymOp& op, const int grid[3], GridOp* out) {
  GridOp g{};
  for (int i = 0; i < 3; ++i) {
    // x'_i / N_i = sum_j R_ij x_j / N_j + t_i, so the grid entry is R_ij N_i / N_j.
    for (int j = 0; j < 3; ++j) {
      const int num = op.r[i][j] * grid[i];
      if (num % grid[j] != 0) return false;
      g.rot[3 * j + i] = num / grid[j];  // stored column by column
    }
    const int t = op.t[i] * grid[i];
    if (t % kTransDenominator != 0) return false;
    g.trans[i] = t / kTransDenominator;
  }
  *out = g;
  return true;
}

bool SetGridSymmetry(const std::vector<SymOp>& group, OpStyle style, MapData* m) {
  for (int n : m->grid)
    if (n < 1 || n > kMaxGridDivisions) return false;
  const std::vector<SymOp> reps = CosetRepresentatives(group);
  const auto centring = CentringVectors(group);
  std::vector<GridOp> ops;
  std::vector<std::array<int, 3>> lattice;
  const bool flag = style == OpStyle::kCentroFlag;
  if (flag && !HasInversionAtOrigin(group)) return false;
  for (const SymOp& r : reps) {
    if (flag && Determinant(r) < 0) continue;
    GridOp g;
    if (!ToGridOp(r, m->grid, &g)) return false;
    ops.push_back(g);
  }
  for (const auto& c : centring) {
    if (!flag && c[0] == 0 && c[1] == 0 && c[2] == 0) continue;
    SymOp t = IdentityOp();
    for (int i = 0; i < 3; ++i) t.t[i] = c[i];
    GridOp g;
    if (!ToGridOp(t, m->grid, &g)) return false;
    lattice.push_back({g.trans[0], g.trans[1], g.trans[2]});
  }
  if (ops.size() > kMaxFileOps || lattice.size() > kMaxFileLattice) return false;
  m->centro = flag ? 1 : 0;
  m->ops = std::move(ops);
  m->lattice = std::move(lattice);
  return true;
}

}  // namespace pyk::sample
