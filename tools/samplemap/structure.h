// A crystal structure (cell, space-group generators, atom sites) and its unit-cell contents.
#pragma once

#include <vector>

#include "tools/samplemap/cell.h"
#include "tools/samplemap/scattering.h"
#include "tools/samplemap/symop.h"

namespace pyk::sample {

struct AtomSite {
  const char* label;
  const char* type;  // a scattering-factor name, e.g. "C" or "Cl1-"
  double xyz[3];     // fractional
  double biso;       // Angstrom^2
};

struct CrystalStructure {
  const char* name;
  Cell cell;
  std::vector<const char*> generators;  // "x,y,z" notation; identity implied
  std::vector<AtomSite> sites;          // the asymmetric unit
};

struct CellAtom {
  int site;  // index into CrystalStructure::sites
  const FormFactor* ff;
  double biso;
  double frac[3];  // reduced into [0, 1)
};

// Every symmetry image of every site inside one cell, each once (images of
// atoms on special positions coincide and are merged). False if a site names
// an unknown scattering factor.
bool FillCell(const CrystalStructure& s, const std::vector<SymOp>& group, std::vector<CellAtom>* atoms);

// F(000): the sum of f(0) over the cell's atoms, in electrons.
double CellF000(const std::vector<CellAtom>& atoms);

}  // namespace pyk::sample
