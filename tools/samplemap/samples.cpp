// Sample maps: rock salt, silicon and aspirin (Fc, Fo-Fc, Patterson, two-column).
#include "tools/samplemap/samples.h"

#include <memory>

#include "tools/samplemap/ccp4_file.h"
#include "tools/samplemap/density.h"
#include "tools/samplemap/grid_expand.h"
#include "tools/samplemap/map_file.h"
#include "tools/samplemap/patterson.h"
#include "tools/samplemap/space_group.h"
#include "tools/samplemap/structures.h"

namespace pyk::sample {

const int kAspirinGrid[3] = {56, 32, 56};

namespace {

struct Model {
  std::vector<SymOp> group;
  std::vector<CellAtom> atoms;
};

bool LoadModel(const CrystalStructure& s, Model* m) {
  return GroupFromStrings(s.generators, &m->group) && FillCell(s, m->group, &m->atoms);
}

// The Fc map of a structure on a cubic n^3 grid.
MapData CubicFcMap(const CrystalStructure& s, int n, OpStyle style, const char* title) {
  MapData m;
  Model model;
  const int grid[3] = {n, n, n};
  if (!LoadModel(s, &model) || !MapSkeleton(title, s.cell, model.group, style, grid, &m)) return MapData{};
  const auto density = std::make_shared<DensityModel>(MakeDensityModel(s.cell, model.atoms));
  FillValues([density](const double f[3]) { return FcDensityAt(*density, f); }, nullptr, &m);
  return m;
}

ConData Con(double h, double k, double l, int type, double f000) {
  ConData c;
  c.hkl[0] = h;
  c.hkl[1] = k;
  c.hkl[2] = l;
  c.levels = 20;
  c.mapType = type;
  c.f000 = f000;
  return c;
}

}  // namespace

bool MapSkeleton(const std::string& title, const Cell& cell, const std::vector<SymOp>& group, OpStyle style,
                 const int grid[3], MapData* m) {
  MapData out;
  out.title = title;
  const double c[6] = {cell.a, cell.b, cell.c, cell.alpha, cell.beta, cell.gamma};
  for (int i = 0; i < 6; ++i) out.cell[i] = c[i];
  for (int i = 0; i < 3; ++i) out.grid[i] = grid[i];
  if (!SetGridSymmetry(group, style, &out)) return false;
  out.points = SymmetryUniquePoints(out);
  ShiftSomeByCells(out.grid, &out.points);
  *m = std::move(out);
  return true;
}

void FillValues(const MapFunction& f, const MapFunction& g, MapData* m) {
  m->densityA.resize(m->points.size());
  m->densityB.clear();
  if (g) m->densityB.resize(m->points.size());
  for (size_t k = 0; k < m->points.size(); ++k) {
    double frac[3];
    for (int i = 0; i < 3; ++i) frac[i] = static_cast<double>(m->points[k][i]) / m->grid[i];
    m->densityA[k] = f(frac);
    if (g) m->densityB[k] = g(frac);
  }
}

MapData RockSaltMap(int n) {
  if (n < 2 || n % 2 != 0 || n > kMaxGridDivisions) return MapData{};
  return CubicFcMap(RockSalt(), n, OpStyle::kCentroFlag,
                    "NaCl rock salt Fm-3m a=5.6402 A, Fc map (e/A^3, F000 omitted)");
}

MapData SiliconMap(int n) {
  if (n < 4 || n % 4 != 0 || n > kMaxGridDivisions) return MapData{};
  return CubicFcMap(Silicon(), n, OpStyle::kExplicit,
                    "Si diamond Fd-3m origin choice 1 a=5.431 A, Fc map (e/A^3, F000 omitted)");
}

AspirinFunctions MakeAspirinFunctions() {
  Model truth, moved;
  AspirinFunctions out;
  if (!LoadModel(Aspirin(), &truth) || !LoadModel(AspirinMoved(), &moved)) return out;
  const Cell& cell = Aspirin().cell;
  const auto rho = std::make_shared<DensityModel>(MakeDensityModel(cell, truth.atoms));
  const auto rhoMoved = std::make_shared<DensityModel>(MakeDensityModel(cell, moved.atoms));
  const auto patt = std::make_shared<PattersonModel>(MakePattersonModel(cell, truth.atoms, kCutoffAngstrom));
  out.fc = [rho](const double f[3]) { return FcDensityAt(*rho, f); };
  out.difference = [rho, rhoMoved](const double f[3]) { return DensityAt(*rho, f) - DensityAt(*rhoMoved, f); };
  out.patterson = [patt](const double f[3]) { return PattersonAt(*patt, f); };
  out.f000 = rho->f000;
  return out;
}

bool BuildSamples(std::vector<SampleFile>* out) {
  std::vector<SampleFile> files;
  Model nacl, si;
  if (!LoadModel(RockSalt(), &nacl) || !LoadModel(Silicon(), &si)) return false;
  files.push_back({"nacl.fou", "nacl.con", RockSaltMap(96), Con(0, 0, 1, kMapFc, CellF000(nacl.atoms)),
                   "F m -3 m"});
  files.push_back({"si.fou", "si.con", SiliconMap(96), Con(1, 1, 0, kMapFc, CellF000(si.atoms)),
                   "F d -3 m:1"});

  std::vector<SymOp> group, laue;
  if (!GroupFromStrings(Aspirin().generators, &group) || !LaueGroup(group, &laue)) return false;
  const AspirinFunctions fn = MakeAspirinFunctions();
  if (!fn.fc) return false;
  const Cell& cell = Aspirin().cell;
  struct Sample {
    const char* map;
    const char* con;
    const char* title;
    const std::vector<SymOp>* group;
    const char* groupName;
    OpStyle style;
    const MapFunction* a;
    const MapFunction* b;
    int type;
  };
  const Sample samples[] = {
      {"aspirin.fou", "aspirin.con", "Aspirin P21/c (Wilson 2002, 100 K), Fc map (e/A^3, F000 omitted)", &group,
       "P 1 21/c 1", OpStyle::kExplicit, &fn.fc, nullptr, kMapFc},
      {"aspirin-diff.fou", "aspirin-diff.con", "Aspirin P21/c, Fo-Fc: model with O4 moved 0.40 A along a (e/A^3)",
       &group, "P 1 21/c 1", OpStyle::kCentroFlag, &fn.difference, nullptr, kMapFoFc},
      {"aspirin-patt.fou", "aspirin-patt.con", "Aspirin P21/c, Patterson map, F000 term omitted (e^2/A^6), Laue 2/m",
       &laue, "P 1 2/m 1", OpStyle::kCentroFlag, &fn.patterson, nullptr, kMapPatterson},
      {"aspirin-two.den", "aspirin-two.con", "Aspirin P21/c, columns: Fc and Fo-Fc (O4 moved 0.40 A along a), e/A^3",
       &group, nullptr, OpStyle::kExplicit, &fn.fc, &fn.difference, kMapFc},
  };
  for (const Sample& s : samples) {
    SampleFile f{s.map, s.con, {}, Con(0, 1, 0, s.type, fn.f000), s.groupName};
    if (!MapSkeleton(s.title, cell, *s.group, s.style, kAspirinGrid, &f.map)) return false;
    FillValues(*s.a, s.b ? *s.b : MapFunction{}, &f.map);
    files.push_back(std::move(f));
  }
  for (const SampleFile& f : files)
    if (f.map.points.empty()) return false;
  *out = std::move(files);
  return true;
}

std::string Ccp4MapName(const SampleFile& f, bool whole) {
  const std::string stem = f.mapName.substr(0, f.mapName.rfind('.'));
  return whole ? stem + ".ccp4" : stem + "-part.map";
}

std::string Ccp4ConName(const SampleFile& f, bool whole) {
  return whole ? f.conName : f.conName.substr(0, f.conName.rfind('.')) + "-part.con";
}

bool WriteSamples(const std::string& dir, bool ccp4, std::string* failedPath) {
  std::vector<SampleFile> files;
  if (!BuildSamples(&files)) {
    *failedPath = dir;
    return false;
  }
  const auto failed = [&](const std::string& path) {
    *failedPath = path;
    return false;
  };
  for (const SampleFile& f : files) {
    const std::string map = dir + "/" + f.mapName, con = dir + "/" + f.conName;
    if (!WriteMapFile(map, f.map)) return failed(map);
    if (!WriteConFile(con, f.con)) return failed(con);
    if (!ccp4 || f.spaceGroup == nullptr) continue;
    for (const bool whole : {true, false}) {
      const std::string copy = dir + "/" + Ccp4MapName(f, whole), copyCon = dir + "/" + Ccp4ConName(f, whole);
      const Ccp4Layout layout = whole ? WholeCellLayout(f.map.grid) : HalfCellLayout(f.map.grid);
      if (!WriteCcp4File(copy, f.map, f.spaceGroup, layout)) return failed(copy);
      if (!whole && !WriteConFile(copyCon, f.con)) return failed(copyCon);
    }
  }
  // The models the maps are computed from, for marking their atoms.
  const struct {
    const char* file;
    const CrystalStructure& structure;
    const char* spaceGroup;
  } models[] = {{"aspirin.cif", Aspirin(), "P 1 21/c 1"},
                {"nacl.cif", RockSalt(), "F m -3 m"},
                {"si.cif", Silicon(), "F d -3 m:1"}};
  for (const auto& m : models) {
    if (!WriteModelCif(dir + "/" + m.file, m.structure, m.spaceGroup)) return failed(dir + "/" + m.file);
  }
  return true;
}

}  // namespace pyk::sample
