// Image generation, expansion to the full grid and asymmetric-set selection.
#include "tools/samplemap/grid_expand.h"

namespace pyk::sample {

void ImagesOf(const MapData& m, const std::array<int, 3>& p, std::vector<std::array<int, 3>>* out) {
  out->clear();
  out->push_back(p);
  for (const GridOp& op : m.ops) {
    const int* r = op.rot;
    const std::array<int, 3> q = {r[0] * p[0] + r[3] * p[1] + r[6] * p[2] + op.trans[0],
                                  r[1] * p[0] + r[4] * p[1] + r[7] * p[2] + op.trans[1],
                                  r[2] * p[0] + r[5] * p[1] + r[8] * p[2] + op.trans[2]};
    out->push_back(q);
    for (const auto& l : m.lattice) {
      const std::array<int, 3> w = {q[0] + l[0], q[1] + l[1], q[2] + l[2]};
      out->push_back(w);
      if (m.centro == 1) out->push_back({-w[0], -w[1], -w[2]});
    }
  }
}

int64_t CellIndex(const int grid[3], const std::array<int, 3>& p) {
  int64_t idx = 0;
  for (int i = 2; i >= 0; --i) {
    int v = p[i] % grid[i];
    if (v < 0) v += grid[i];
    idx = idx * grid[i] + v;
  }
  return idx;
}

ExpandedMap ExpandToGrid(const MapData& m) {
  ExpandedMap e{{m.grid[0], m.grid[1], m.grid[2]}, {}, {}, {}};
  const size_t n = static_cast<size_t>(m.grid[0]) * m.grid[1] * m.grid[2];
  const bool two = !m.densityB.empty();
  e.a.assign(n, 0.0);
  if (two) e.b.assign(n, 0.0);
  e.set.assign(n, 0);
  std::vector<std::array<int, 3>> images;
  for (size_t k = 0; k < m.points.size(); ++k) {
    ImagesOf(m, m.points[k], &images);
    for (const auto& q : images) {
      const int64_t idx = CellIndex(m.grid, q);
      if (e.set[idx]) continue;
      e.set[idx] = 1;
      e.a[idx] = m.densityA[k];
      if (two) e.b[idx] = m.densityB[k];
    }
  }
  return e;
}

std::vector<std::array<int, 3>> SymmetryUniquePoints(const MapData& m) {
  const size_t n = static_cast<size_t>(m.grid[0]) * m.grid[1] * m.grid[2];
  std::vector<uint8_t> covered(n, 0);
  std::vector<std::array<int, 3>> out, images;
  for (int z = 0; z < m.grid[2]; ++z)
    for (int y = 0; y < m.grid[1]; ++y)
      for (int x = 0; x < m.grid[0]; ++x) {
        const std::array<int, 3> p = {x, y, z};
        if (covered[CellIndex(m.grid, p)]) continue;
        out.push_back(p);
        ImagesOf(m, p, &images);
        for (const auto& q : images) covered[CellIndex(m.grid, q)] = 1;
      }
  return out;
}

void ShiftSomeByCells(const int grid[3], std::vector<std::array<int, 3>>* points) {
  for (size_t k = 0; k < points->size(); ++k) {
    auto& p = (*points)[k];
    if (k % 5 == 1) p[0] -= grid[0];
    if (k % 7 == 3) p[1] += grid[1];
    if (k % 11 == 6) p[2] -= grid[2];
    if (k % 13 == 9) p[0] += 2 * grid[0];
  }
}

}  // namespace pyk::sample
