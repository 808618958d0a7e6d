// Metric of an oblique cell.
#include "tools/samplemap/cell.h"

#include <cmath>
#include <numbers>

namespace pyk::sample {

Metric CellMetric(const Cell& cell) {
  const double rad = std::numbers::pi / 180.0;
  const double ca = std::cos(cell.alpha * rad), cb = std::cos(cell.beta * rad), cg = std::cos(cell.gamma * rad);
  const double sa = std::sin(cell.alpha * rad), sb = std::sin(cell.beta * rad), sg = std::sin(cell.gamma * rad);
  Metric m{};
  const double len[3] = {cell.a, cell.b, cell.c};
  const double cosines[3][3] = {{1, cg, cb}, {cg, 1, ca}, {cb, ca, 1}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) m.g[i][j] = len[i] * len[j] * cosines[i][j];
  m.volume = cell.a * cell.b * cell.c * std::sqrt(1.0 - ca * ca - cb * cb - cg * cg + 2.0 * ca * cb * cg);
  m.recip[0] = cell.b * cell.c * sa / m.volume;
  m.recip[1] = cell.a * cell.c * sb / m.volume;
  m.recip[2] = cell.a * cell.b * sg / m.volume;
  const double columns[3][3] = {{cell.a, 0.0, 0.0},
                                {cell.b * cg, cell.b * sg, 0.0},
                                {cell.c * cb, cell.c * (ca - cb * cg) / sg, m.volume / (cell.a * cell.b * sg)}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) m.orth[i][j] = columns[j][i];
  return m;
}

}  // namespace pyk::sample
