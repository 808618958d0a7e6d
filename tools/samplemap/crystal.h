// A crystal structure (cell, space group, atoms with B factors) and the
// electron density and Patterson function it gives at a point of the cell.
#pragma once

#include <string>
#include <vector>

#include "scattering.h"
#include "symop.h"

namespace pyk::sample {

struct Atom {
  const FormFactor* species;
  double frac[3];
  double bFactor;  // A^2
};

struct Crystal {
  std::string name;
  double cell[6];             // a b c (A), alpha beta gamma (degrees)
  std::vector<SymOp> group;   // the space group, modulo whole cells
  std::vector<Atom> atoms;    // the asymmetric unit
};

// Every distinct atom position of the unit cell, coordinates in 0 .. 1.
std::vector<Atom> CellAtoms(const Crystal& c);
double CellVolume(const double cell[6]);
// F(000): the electrons of the cell, the sum of f(0) over its atoms.
double F000(const std::vector<Atom>& cellAtoms);

// The density (e/A^3) at the fractional point p: every atom of the cell and
// its images in the neighbouring cells within 6 A.
double ElectronDensity(const double cell[6], const std::vector<Atom>& cellAtoms, const double p[3]);
// The Patterson function (e^2/A^6) at the fractional vector u of the density
// less its mean: the self-convolution of the atoms' Gaussians over all atom
// pairs, divided by the cell volume, less the squared mean density.
double PattersonAt(const double cell[6], const std::vector<Atom>& cellAtoms, const double u[3]);

}  // namespace pyk::sample
