// Filling the unit cell from the asymmetric unit.
#include "tools/samplemap/structure.h"

#include <cmath>

namespace pyk::sample {

namespace {

double Reduce(double v) {
  double r = v - std::floor(v);
  if (r >= 1.0 - 1e-9) r = 0.0;  // keep 0.99999999 and 0 together
  return r;
}

bool SamePosition(const double a[3], const double b[3]) {
  for (int i = 0; i < 3; ++i) {
    double d = a[i] - b[i];
    d -= std::round(d);
    if (std::fabs(d) > 1e-6) return false;
  }
  return true;
}

}  // namespace

bool FillCell(const CrystalStructure& s, const std::vector<SymOp>& group, std::vector<CellAtom>* atoms) {
  std::vector<CellAtom> out;
  for (size_t k = 0; k < s.sites.size(); ++k) {
    const AtomSite& site = s.sites[k];
    const FormFactor* ff = FindFormFactor(site.type);
    if (!ff || !(site.biso > 0)) return false;
    const size_t first = out.size();
    for (const SymOp& op : group) {
      CellAtom a{static_cast<int>(k), ff, site.biso, {0, 0, 0}};
      ApplyOp(op, site.xyz, a.frac);
      for (double& v : a.frac) v = Reduce(v);
      bool dup = false;
      for (size_t j = first; j < out.size() && !dup; ++j) dup = SamePosition(out[j].frac, a.frac);
      if (!dup) out.push_back(a);
    }
  }
  *atoms = std::move(out);
  return true;
}

double CellF000(const std::vector<CellAtom>& atoms) {
  double f = 0;
  for (const CellAtom& a : atoms) f += ForwardScattering(*a.ff);
  return f;
}

}  // namespace pyk::sample
