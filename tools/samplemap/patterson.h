// The Patterson function of a crystal: the self-convolution of its density.
#pragma once

#include <vector>

#include "tools/samplemap/cell.h"
#include "tools/samplemap/structure.h"

namespace pyk::sample {

// Pair profiles are tabulated against distance; linear interpolation on this
// many intervals keeps the relative error near 1e-6 for the sharpest peaks.
constexpr int kPattersonTableIntervals = 8192;

struct PattersonModel {
  Metric metric;
  double cutoff;
  double offset;               // F(000)^2 / V^2, the mean of the full self-convolution
  double step;                 // table spacing in Angstrom
  std::vector<double> tables;  // per site pair: kPattersonTableIntervals + 1 values
  // Interatomic vectors x_j - x_i reduced into the cell, in Cartesian
  // coordinates, grouped by bin of the cell.
  std::vector<double> px, py, pz;
  std::vector<int> table;  // offset of each vector's profile in tables
  int bins[3];
  std::vector<int> binStart;  // bins[0]*bins[1]*bins[2] + 1 entries
  double binRadius;           // half the longest diagonal of a bin, Angstrom
};

// Every ordered pair of the cell's atoms contributes the convolution of the two
// atoms' Gaussians (exact for Gaussians), centred on their difference vector.
PattersonModel MakePattersonModel(const Cell& cell, const std::vector<CellAtom>& atoms, double cutoff);

// (1/V) * integral over the cell of rho(x) rho(x+u), minus its mean F(000)^2/V^2
// (the synthesis without the F(000) term), at fractional u; e^2/A^6.
double PattersonAt(const PattersonModel& m, const double u[3]);

}  // namespace pyk::sample
