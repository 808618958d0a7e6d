// Unit-cell geometry: metric tensor, volume and reciprocal axis lengths.
#pragma once

namespace pyk::sample {

struct Cell {
  double a, b, c;            // Angstrom
  double alpha, beta, gamma;  // degrees
};

struct Metric {
  double g[3][3];   // g_ij = a_i . a_j
  double recip[3];  // |a*|, |b*|, |c*| in 1/Angstrom
  double volume;    // Angstrom^3
  double orth[3][3];  // Cartesian = orth * fractional (a along x, b in the xy plane)
};

Metric CellMetric(const Cell& cell);
// Squared length in Angstrom^2 of a vector given in fractional coordinates.
inline double Length2(const Metric& m, const double d[3]) {
  const auto& g = m.g;
  return g[0][0] * d[0] * d[0] + g[1][1] * d[1] * d[1] + g[2][2] * d[2] * d[2] +
         2.0 * (g[0][1] * d[0] * d[1] + g[0][2] * d[0] * d[2] + g[1][2] * d[1] * d[2]);
}

}  // namespace pyk::sample
