// Map statistics: the records expanded by symmetry onto the full cell grid,
// then the mean and the deviations summed over that grid in double.
#include "map/statistics.h"

#include <cmath>
#include <limits>
#include <vector>

#include "map/images.h"

namespace pyk {

HugePageVector<float> ExpandToCell(const MapRecord& m) {
  const int32_t nx = m.m_anGrid[0], ny = m.m_anGrid[1], nz = m.m_anGrid[2];
  if (nx < 1 || ny < 1 || nz < 1) return {};
  // NaN marks a point no image has reached yet; the densities are finite.
  HugePageVector<float> cell(static_cast<size_t>(nx) * ny * nz, std::numeric_limits<float>::quiet_NaN());
  // An image on its own record's point changes nothing: the first image wins.
  ForEachImageFolded(m, [&](const int64_t p[3], float d, int) {
    const size_t i = (static_cast<size_t>(WrapIndex(p[0], nx)) * ny + WrapIndex(p[1], ny)) * nz + WrapIndex(p[2], nz);
    if (std::isnan(cell[i])) cell[i] = d;
  });
  return cell;
}

MapStatistics ComputeMapStatistics(const MapRecord& m) {
  MapStatistics st{};
  const HugePageVector<float> cell = ExpandToCell(m);
  double sum = 0.0;
  float lo = std::numeric_limits<float>::infinity(), hi = -lo;
  for (const float d : cell) {
    if (std::isnan(d)) continue;
    ++st.points;
    sum += d;
    lo = d < lo ? d : lo;
    hi = d > hi ? d : hi;
  }
  if (st.points == 0) return st;
  st.mean = sum / static_cast<double>(st.points);
  double squares = 0.0;
  for (const float d : cell) {
    if (!std::isnan(d)) squares += (d - st.mean) * (d - st.mean);
  }
  st.sigma = std::sqrt(squares / static_cast<double>(st.points));
  st.min = lo;
  st.max = hi;
  return st;
}

}  // namespace pyk
