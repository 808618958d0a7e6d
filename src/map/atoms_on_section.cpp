// Symmetry mates of the model's atoms placed on the section grid.
#include "map/atoms_on_section.h"

#include <array>
#include <cmath>

#include "map/model_geometry.h"
#include "map/section.h"

namespace pyk {

namespace {

// Positions this close (in fractions of the cell) are one.
constexpr double kSame = 1e-5;

double Reduced(double f) {
  const double r = f - std::floor(f);
  return r < kSame || r > 1.0 - kSame ? 0.0 : r;
}

}  // namespace

std::vector<SectionAtom> AtomsOnSection(const ViewState& s) {
  std::vector<SectionAtom> marks;
  if (s.m_nStatus != kStatusReady || s.m_nGridU < 1 || s.m_nGridV < 1) return marks;
  const AtomModel& model = s.m_model;
  std::vector<std::array<double, 3>> mates;
  for (size_t a = 0; a < model.atoms.size(); ++a) {
    const double* x = model.atoms[a].frac;
    mates.clear();
    for (const ModelOp& op : model.ops) {
      std::array<double, 3> f;
      ApplyModelOp(op, x, f.data());
      for (double& e : f) e = Reduced(e);
      // Drawn every frame: the cheap section test first, so that only the
      // few mates on the section are compared for coincidence.
      double u, v;
      if (!FractionOnSection(s, f.data(), &u, &v)) continue;
      bool seen = false;
      for (const auto& m : mates) {
        seen = seen ||
               (std::fabs(m[0] - f[0]) < kSame && std::fabs(m[1] - f[1]) < kSame && std::fabs(m[2] - f[2]) < kSame);
      }
      if (seen) continue;
      mates.push_back(f);
      const int atom = static_cast<int>(a);
      marks.push_back({atom, u, v});
      if (u == 0.0) marks.push_back({atom, static_cast<double>(s.m_nGridU), v});
      if (v == 0.0) marks.push_back({atom, u, static_cast<double>(s.m_nGridV)});
      if (u == 0.0 && v == 0.0)
        marks.push_back({atom, static_cast<double>(s.m_nGridU), static_cast<double>(s.m_nGridV)});
    }
  }
  return marks;
}

}  // namespace pyk
