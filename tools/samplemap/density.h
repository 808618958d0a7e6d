// Electron density of a crystal as a real-space sum of atomic Gaussians.
#pragma once

#include <vector>

#include "tools/samplemap/cell.h"
#include "tools/samplemap/structure.h"

namespace pyk::sample {

// Contributions from atoms farther than this are below 1e-6 e/A^3.
constexpr double kCutoffAngstrom = 5.0;

struct DensityModel {
  Metric metric;
  double cutoff;
  double f000;  // electrons in the cell
  struct Atom {
    double frac[3];
    Gaussian terms[kAtomGaussians];
  };
  std::vector<Atom> atoms;
};

DensityModel MakeDensityModel(const Cell& cell, const std::vector<CellAtom>& atoms, double cutoff = kCutoffAngstrom);

// rho at a fractional position (any cell), e/A^3, summed over every atom image
// within the cutoff.
double DensityAt(const DensityModel& m, const double frac[3]);
// rho - F(000)/V: the Fourier synthesis without its F(000) term (zero mean).
double FcDensityAt(const DensityModel& m, const double frac[3]);

}  // namespace pyk::sample
