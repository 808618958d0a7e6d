// The lattice images of a vector that lie within a cutoff radius.
#pragma once

#include <cmath>

#include "tools/samplemap/cell.h"

namespace pyk::sample {

// Calls visit(r2) for every lattice image d = v + n (n integer) of the
// fractional vector v shorter than the cutoff; r2 = |d|^2 in Angstrom^2.
template <typename Visit>
void ForEachImageNear(const Metric& metric, double cutoff, const double v[3], Visit visit) {
  // |component i| of a vector shorter than the cutoff is at most cutoff * |a_i*|.
  int lo[3], hi[3];
  for (int i = 0; i < 3; ++i) {
    const double reach = cutoff * metric.recip[i];
    lo[i] = static_cast<int>(std::ceil(-reach - v[i]));
    hi[i] = static_cast<int>(std::floor(reach - v[i]));
  }
  const double c2 = cutoff * cutoff;
  double d[3];
  for (int n0 = lo[0]; n0 <= hi[0]; ++n0) {
    d[0] = v[0] + n0;
    for (int n1 = lo[1]; n1 <= hi[1]; ++n1) {
      d[1] = v[1] + n1;
      for (int n2 = lo[2]; n2 <= hi[2]; ++n2) {
        d[2] = v[2] + n2;
        const double r2 = Length2(metric, d);
        if (r2 < c2) visit(r2);
      }
    }
  }
}

}  // namespace pyk::sample
