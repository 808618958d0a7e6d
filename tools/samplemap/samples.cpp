// Samples: Fc maps (density less its mean, as a synthesis without F(000)),
// a difference map, a Patterson map and a two-column file.
#include "samples.h"

#include <cmath>
#include <cstdio>

#include "map_file.h"
#include "space_group.h"

namespace pyk::sample {

namespace {

int Mod(long v, int n) {
  const long r = v % n;
  return static_cast<int>(r < 0 ? r + n : r);
}

// Grid divisions of a translation given in 24ths of the cell edge.
bool ToGrid(int t24, int n, int* out) {
  if ((t24 * n) % kTransDenominator != 0) return false;
  *out = t24 * n / kTransDenominator;
  return true;
}

bool ToGridOp(const SymOp& op, const int grid[3], GridOp* g) {
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) g->rot[3 * j + i] = op.r[i][j];  // written column by column
    if (!ToGrid(op.t[i], grid[i], &g->trans[i])) return false;
  }
  return true;
}

std::vector<SymOp> Group(const std::vector<const char*>& generators) {
  std::vector<SymOp> g;
  GroupFromStrings(generators, &g);
  return g;
}

}  // namespace

bool SetFileSymmetry(const std::vector<SymOp>& group, SymmetryStyle style, MapData* m) {
  m->ops.clear();
  m->lattice.clear();
  const auto centring = CentringVectors(group);
  for (const SymOp& op : CosetRepresentatives(group)) {
    if (style == SymmetryStyle::kCentroFlag && Determinant(op) < 0) continue;
    GridOp g;
    if (!ToGridOp(op, m->grid, &g)) return false;
    m->ops.push_back(g);
  }
  m->centro = style == SymmetryStyle::kCentroFlag ? 1 : 0;
  if (style == SymmetryStyle::kCentroFlag && !HasInversionAtOrigin(group)) return false;
  // A centring, or the flag, needs the list of lattice translations (0 0 0 first).
  if (centring.size() > 1 || m->centro == 1) {
    for (const auto& c : centring) {
      std::array<int, 3> t;
      for (int i = 0; i < 3; ++i) {
        if (!ToGrid(c[i], m->grid[i], &t[i])) return false;
      }
      m->lattice.push_back(t);
    }
  }
  return true;
}

void ForEachFileImage(const MapData& m, const int p[3], const std::function<void(const int q[3])>& f) {
  f(p);
  for (const GridOp& op : m.ops) {
    int q[3];
    for (int c = 0; c < 3; ++c) q[c] = op.rot[c] * p[0] + op.rot[3 + c] * p[1] + op.rot[6 + c] * p[2] + op.trans[c];
    f(q);
    for (const auto& l : m.lattice) {
      const int w[3] = {q[0] + l[0], q[1] + l[1], q[2] + l[2]};
      f(w);
      if (m.centro == 1) {
        const int mw[3] = {-w[0], -w[1], -w[2]};
        f(mw);
      }
    }
  }
}

void FillRecords(MapData* m, const std::function<double(const double frac[3])>& density) {
  const int* n = m->grid;
  std::vector<char> covered(static_cast<size_t>(n[0]) * n[1] * n[2], 0);
  auto index = [&](const int q[3]) {
    return (static_cast<size_t>(Mod(q[2], n[2])) * n[1] + Mod(q[1], n[1])) * n[0] + Mod(q[0], n[0]);
  };
  m->points.clear();
  m->densityA.clear();
  for (int z = 0; z < n[2]; ++z) {
    for (int y = 0; y < n[1]; ++y) {
      for (int x = 0; x < n[0]; ++x) {
        const int p[3] = {x, y, z};
        if (covered[index(p)]) continue;
        ForEachFileImage(*m, p, [&](const int q[3]) { covered[index(q)] = 1; });
        const double frac[3] = {double(x) / n[0], double(y) / n[1], double(z) / n[2]};
        const bool outside = m->points.size() % 5 == 4;
        m->points.push_back({outside ? x - n[0] : x, y, z});
        m->densityA.push_back(density(frac));
      }
    }
  }
}

std::vector<double> ExpandToGrid(const MapData& m, bool columnB) {
  const int* n = m.grid;
  std::vector<double> grid(static_cast<size_t>(n[0]) * n[1] * n[2], std::nan(""));
  const std::vector<double>& values = columnB ? m.densityB : m.densityA;
  for (size_t r = 0; r < m.points.size(); ++r) {
    const int p[3] = {m.points[r][0], m.points[r][1], m.points[r][2]};
    ForEachFileImage(m, p, [&](const int q[3]) {
      double& g = grid[(static_cast<size_t>(Mod(q[2], n[2])) * n[1] + Mod(q[1], n[1])) * n[0] + Mod(q[0], n[0])];
      if (std::isnan(g)) g = values[r];
    });
  }
  return grid;
}

Crystal RockSalt() {
  // a = 5.6402 A; room-temperature B factors of about 1.6 (Na) and 1.2 (Cl) A^2.
  Crystal c{"NaCl rock salt, Fm-3m", {5.6402, 5.6402, 5.6402, 90, 90, 90},
            Group({"x,y+1/2,z+1/2", "x+1/2,y,z+1/2", "-x,-y,z", "-x,y,-z", "z,x,y", "y,x,-z", "-x,-y,-z"}),
            {}};
  c.atoms = {{FindFormFactor("Na1+"), {0, 0, 0}, 1.6}, {FindFormFactor("Cl1-"), {0.5, 0, 0}, 1.2}};
  return c;
}

Crystal Silicon() {
  // a = 5.431 A, Si on 8a at 0 0 0 (origin choice 1), B about 0.46 A^2.
  Crystal c{"Si diamond structure, Fd-3m origin choice 1", {5.431, 5.431, 5.431, 90, 90, 90},
            Group({"x,y+1/2,z+1/2", "x+1/2,y,z+1/2", "-x,-y+1/2,z+1/2", "-x+1/2,y+1/2,-z", "z,x,y",
                   "y+3/4,x+1/4,-z+3/4", "-x+1/4,-y+1/4,-z+1/4"}),
            {}};
  c.atoms = {{FindFormFactor("Si"), {0, 0, 0}, 0.46}};
  return c;
}

namespace {

MapData FcMap(const Crystal& c, int n, SymmetryStyle style, bool* ok) {
  MapData m;
  m.title = c.name + ", Fc map (electron density less its mean, e/A^3)";
  for (int i = 0; i < 6; ++i) m.cell[i] = c.cell[i];
  m.grid[0] = m.grid[1] = m.grid[2] = n;
  *ok = SetFileSymmetry(c.group, style, &m);
  const std::vector<Atom> atoms = CellAtoms(c);
  const double mean = F000(atoms) / CellVolume(c.cell);
  FillRecords(&m, [&](const double p[3]) { return ElectronDensity(c.cell, atoms, p) - mean; });
  return m;
}

bool Write(const std::string& folder, const std::string& name, const MapData& m, const ConData& con) {
  const std::string base = folder + "/" + name;
  const std::string ext = m.densityB.empty() ? ".fou" : ".den";
  if (!WriteMapFile(base + ext, m) || !WriteConFile(base + ".con", con)) {
    std::fprintf(stderr, "pyknoscope-samplemap: %s: cannot be written\n", (base + ext).c_str());
    return false;
  }
  return true;
}

}  // namespace

MapData RockSaltMap(int n) {
  bool ok;
  return FcMap(RockSalt(), n, SymmetryStyle::kCentroFlag, &ok);
}

bool WriteSamples(const std::string& folder) {
  bool ok = true, fits = true;
  const Crystal nacl = RockSalt();
  const std::vector<Atom> naclAtoms = CellAtoms(nacl);
  const double naclF000 = F000(naclAtoms);
  MapData fc = FcMap(nacl, 48, SymmetryStyle::kCentroFlag, &fits);
  ok = ok && fits && Write(folder, "nacl", fc, {{0, 0, 1}, 20, kMapFc, naclF000});

  // Fo-Fc of a model with the sodium ions left out: their density alone.
  std::vector<Atom> sodium;
  for (const Atom& a : naclAtoms) {
    if (a.species == FindFormFactor("Na1+")) sodium.push_back(a);
  }
  MapData diff = fc;
  diff.title = "NaCl rock salt, Fm-3m, Fo-Fc map of a model without Na (e/A^3)";
  FillRecords(&diff, [&](const double p[3]) { return ElectronDensity(nacl.cell, sodium, p); });
  ok = ok && Write(folder, "nacl-diff", diff, {{0, 0, 1}, 20, kMapFoFc, naclF000});

  MapData two = fc;
  two.title = "NaCl rock salt, Fm-3m, Fc and Fo-Fc columns (e/A^3)";
  two.densityB = diff.densityA;
  ok = ok && Write(folder, "nacl-two", two, {{0, 0, 1}, 20, kMapFc, naclF000});

  std::vector<SymOp> laue;
  fits = fits && LaueGroup(nacl.group, &laue);
  MapData patt;
  patt.title = "NaCl rock salt, Patterson map, m-3m with F centring (e^2/A^6)";
  for (int i = 0; i < 6; ++i) patt.cell[i] = nacl.cell[i];
  patt.grid[0] = patt.grid[1] = patt.grid[2] = 32;
  fits = fits && SetFileSymmetry(laue, SymmetryStyle::kCentroFlag, &patt);
  FillRecords(&patt, [&](const double u[3]) { return PattersonAt(nacl.cell, naclAtoms, u); });
  ok = ok && fits && Write(folder, "nacl-patt", patt, {{1, 0, 0}, 20, kMapPatterson, naclF000});

  const Crystal si = Silicon();
  MapData siFc = FcMap(si, 48, SymmetryStyle::kExplicit, &fits);
  ok = ok && fits && Write(folder, "si", siFc, {{0, 0, 1}, 20, kMapFc, F000(CellAtoms(si))});
  if (!fits) std::fprintf(stderr, "pyknoscope-samplemap: a space group does not fit its grid\n");
  return ok;
}

}  // namespace pyk::sample
