// Direct summation of atomic densities over neighbouring cells.
#include "tools/samplemap/density.h"

#include <cmath>

#include "tools/samplemap/lattice_images.h"

namespace pyk::sample {

DensityModel MakeDensityModel(const Cell& cell, const std::vector<CellAtom>& atoms, double cutoff) {
  DensityModel m{CellMetric(cell), cutoff, CellF000(atoms), {}};
  for (const CellAtom& a : atoms) {
    DensityModel::Atom g{{a.frac[0], a.frac[1], a.frac[2]}, {}};
    AtomGaussians(*a.ff, a.biso, g.terms);
    m.atoms.push_back(g);
  }
  return m;
}

double DensityAt(const DensityModel& m, const double frac[3]) {
  double rho = 0;
  for (const DensityModel::Atom& a : m.atoms) {
    double v[3];
    for (int i = 0; i < 3; ++i) {
      v[i] = frac[i] - a.frac[i];
      v[i] -= std::floor(v[i] + 0.5);
    }
    ForEachImageNear(m.metric, m.cutoff, v, [&](double r2) {
      for (const Gaussian& t : a.terms) rho += t.amp * std::exp(-t.expo * r2);
    });
  }
  return rho;
}

double FcDensityAt(const DensityModel& m, const double frac[3]) {
  return DensityAt(m, frac) - m.f000 / m.metric.volume;
}

}  // namespace pyk::sample
