// Crystal models: the coordinate files gemmi reads for us, what is refused
// and how, and the atoms marked on the sections of the shipped maps.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "map/atoms_on_section.h"
#include "map/model.h"
#include "map/model_geometry.h"
#include "map/peaks.h"
#include "map/section_choice.h"
#include "pure_helpers.h"
#include "support/files.h"

namespace pyk::test {
namespace {

const char* kSmallCifHead =
    "data_t\n_cell_length_a 5\n_cell_length_b 6\n_cell_length_c 7\n_cell_angle_alpha 90\n"
    "_cell_angle_beta 100\n_cell_angle_gamma 90\n";
const char* kSmallCifSites =
    "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
    "O1 O 0.1 0.2 0.3\nC2 C 0.5 0.25 0.75\n";

TEST(Model, ReadsCifMmcifAndPdb) {
  const std::string pdb =
      "CRYST1   10.000   20.000   40.000  90.00  90.00  90.00 P 1 21 1\n"
      "ATOM      1  CA  ALA A   1       1.000   5.000  10.000  1.00 10.00           C\n"
      "ATOM      2  OG  SER A   2       2.500   2.000  30.000  1.00 10.00           O\n"
      "END\n";
  const std::string mmcif =
      "data_m\n_cell.length_a 10\n_cell.length_b 20\n_cell.length_c 40\n_cell.angle_alpha 90\n"
      "_cell.angle_beta 90\n_cell.angle_gamma 90\n_symmetry.space_group_name_H-M 'P 1'\n"
      "loop_\n_atom_site.group_PDB\n_atom_site.id\n_atom_site.type_symbol\n_atom_site.label_atom_id\n"
      "_atom_site.label_alt_id\n_atom_site.label_comp_id\n_atom_site.label_asym_id\n_atom_site.label_seq_id\n"
      "_atom_site.Cartn_x\n_atom_site.Cartn_y\n_atom_site.Cartn_z\n_atom_site.occupancy\n"
      "_atom_site.B_iso_or_equiv\n_atom_site.auth_seq_id\n"
      "ATOM 1 N N . GLY A 7 5.0 10.0 4.0 1.0 20.0 7\n";
  const struct {
    const char* name;
    std::string text;
    size_t ops;
    std::vector<std::string> labels;
    double lastFrac[3];
  } rows[] = {
      // The listed operations win over the name (which would give four).
      {"listed.cif",
       std::string(kSmallCifHead) +
           "_symmetry_space_group_name_H-M 'P 1 21/c 1'\nloop_\n"
           "_space_group_symop_operation_xyz\nx,y,z\n-x,-y,-z\n" +
           kSmallCifSites,
       2,
       {"O1", "C2"},
       {0.5, 0.25, 0.75}},
      {"named.cif",
       std::string(kSmallCifHead) + "_symmetry_space_group_name_H-M 'P 1 21/c 1'\n" + kSmallCifSites,
       4,
       {"O1", "C2"},
       {0.5, 0.25, 0.75}},
      {"old-loop.cif",
       std::string(kSmallCifHead) + "loop_\n_symmetry_equiv_pos_as_xyz\nx,y,z\n-x,y+1/2,-z\n" + kSmallCifSites,
       2,
       {"O1", "C2"},
       {0.5, 0.25, 0.75}},
      {"model.pdb", pdb, 2, {"ALA1:CA", "SER2:OG"}, {0.25, 0.1, 0.75}},
      {"model.cif", mmcif, 1, {"GLY7:N"}, {0.5, 0.5, 0.1}},
  };
  for (const auto& r : rows) {
    auto [dir, s, p] = Scratch();
    WriteText(dir.File(r.name), r.text);
    AtomModel m;
    ASSERT_EQ(ReadModelFile(dir.File(r.name).c_str(), &m, p), 0) << r.name << " " << p.Messages().size();
    EXPECT_TRUE(p.Messages().empty()) << r.name;
    EXPECT_EQ(m.file, dir.File(r.name));
    EXPECT_EQ(m.ops.size(), r.ops) << r.name;
    ASSERT_EQ(m.atoms.size(), r.labels.size()) << r.name;
    for (size_t i = 0; i < r.labels.size(); ++i) EXPECT_EQ(m.atoms[i].label, r.labels[i]) << r.name;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(m.atoms.back().frac[i], r.lastFrac[i], 1e-9) << r.name << " " << i;
  }
}

TEST(Model, RefusalsNameTheFileAndKeepTheModel) {
  const struct {
    const char* name;
    const char* text;  // nullptr: no such file
    std::string message;
  } rows[] = {
      {"gone.cif", nullptr, ": the coordinate file cannot be opened"},
      {"broken.cif", "data_x\n_a\n", ": not a readable CIF or PDB file: "},
      {"unplaced.cif",
       "data_x\n_cell_length_a 5\n_cell_length_b 5\n_cell_length_c 5\n_symmetry_space_group_name_H-M 'P "
       "1'\nloop_\n_atom_site_label\n_atom_site_fract_x\n"
       "_atom_site_fract_y\n_atom_site_fract_z\nO1 ? 0.2 0.3\n",
       ": no atom sites with coordinates"},
      {"nocell.pdb", "ATOM      1  CA  ALA A   1       1.000   5.000  10.000  1.00 10.00           C\nEND\n",
       ": no unit cell to place the atoms in the map's cell"},
      {"group.cif", "", ": space group \"P 99\" is not known"},
      {"nogroup.pdb",
       "CRYST1   10.000   20.000   40.000  90.00  90.00  90.00\nATOM      1  CA  ALA A   1       1.000   5.000  10.000 "
       " 1.00 10.00           C\n",
       ": no space group name or symmetry operations"},
  };
  for (const auto& r : rows) {
    auto [dir, s, p] = Scratch();
    const std::string path = dir.File(r.name);
    if (r.text != nullptr) {
      WriteText(path, *r.text != '\0'
                          ? std::string(r.text)
                          : std::string(kSmallCifHead) + "_symmetry_space_group_name_H-M 'P 99'\n" + kSmallCifSites);
    }
    AtomModel m{"kept.cif", {{"K1", {0.1, 0.2, 0.3}}}, {}};
    EXPECT_EQ(ReadModelFile(path.c_str(), &m, p), -1) << r.name;
    ASSERT_EQ(p.Messages().size(), 1u) << r.name;
    EXPECT_EQ(p.Messages()[0].substr(0, path.size() + r.message.size()), path + r.message) << p.Messages()[0];
    EXPECT_EQ(m.file, "kept.cif") << r.name;
    ASSERT_EQ(m.atoms.size(), 1u) << r.name;
  }
}

// A model loaded over its map, as the viewer's command does.
std::unique_ptr<ViewState> MapWithModel(const char* map, const char* model) {
  auto s = LoadedMap(DataFile(map));
  RecordingPlatform p;
  EXPECT_EQ(ReadModelFile(DataFile(model).c_str(), &s->m_model, p), 0) << model;
  return s;
}

// Stepping through the sections of each face meets every mate of every
// atom once: four marks an atom in P21/c. The heavy atoms' marks lie on
// their density, well above the map's mean.
TEST(Model, AspirinsMatesAreMarkedOnceAFaceOnTheirDensity) {
  auto s = MapWithModel("aspirin.fou", "aspirin.cif");
  const size_t n = s->m_model.atoms.size();
  ASSERT_EQ(n, 21u);
  ASSERT_EQ(s->m_model.ops.size(), 4u);
  for (int plane = 0; plane < 3; ++plane) {
    if (plane != s->m_nPlane) {
      ASSERT_TRUE(SelectFace(*s, plane));
    }
    std::vector<int> seen(n, 0);
    for (int k = 0; k < s->m_nSectionCount; ++k) {
      ASSERT_TRUE(SelectSection(*s, k));
      for (const SectionAtom& a : AtomsOnSection(*s)) {
        ASSERT_TRUE(a.u >= 0 && a.u <= s->m_nGridU && a.v >= 0 && a.v <= s->m_nGridV) << a.u << " " << a.v;
        if (a.u == s->m_nGridU || a.v == s->m_nGridV) continue;  // the edge's copy
        ++seen[a.atom];
        if (s->m_model.atoms[a.atom].label[0] == 'H') continue;
        const float rho = s->m_afSection[std::lround(a.u)][std::lround(a.v)];
        EXPECT_GT(rho, s->m_stats.mean + 4 * s->m_stats.sigma) << s->m_model.atoms[a.atom].label << " face " << plane;
      }
    }
    for (size_t a = 0; a < n; ++a) EXPECT_EQ(seen[a], 4) << s->m_model.atoms[a].label << " face " << plane;
  }
}

// Rock salt's section z = 0: Na on the corners and the centre, Cl on the
// edges' middles, the corner and edge atoms repeated on the far edges; the
// 192 operations of F m -3 m give each position once.
TEST(Model, RockSaltsFirstSectionHasEachIonOnceAPosition) {
  auto s = MapWithModel("nacl.fou", "nacl.cif");
  ASSERT_TRUE(SelectSection(*s, 0));
  const int g = s->m_nGridU, h = g / 2;
  ASSERT_EQ(s->m_nGridV, g);
  std::multiset<std::string> marks;
  for (const SectionAtom& a : AtomsOnSection(*s)) {
    marks.insert(s->m_model.atoms[a.atom].label + " " + std::to_string(a.u) + " " + std::to_string(a.v));
  }
  std::multiset<std::string> expected;
  const auto add = [&](const char* label, int u, int v) {
    expected.insert(std::string(label) + " " + std::to_string(double(u)) + " " + std::to_string(double(v)));
  };
  for (int u : {0, g}) {
    for (int v : {0, g}) add("Na", u, v);
  }
  add("Na", h, h);
  for (int w : {0, g}) {
    add("Cl", h, w);
    add("Cl", w, h);
  }
  EXPECT_EQ(marks, expected);
  // No model, or no section: no marks.
  s->m_model.atoms.clear();
  EXPECT_TRUE(AtomsOnSection(*s).empty());
}

// Distances through the cell's metric: periodic, and in an oblique cell
// (beta 120) the nearest image even where rounding each axis misses it.
TEST(Model, NearestAtomMeasuresInTheMapsCell) {
  auto s = FreshState();
  const float cell[6] = {10, 10, 10, 90, 120, 90};
  std::copy(cell, cell + 6, s->m_afCell);
  const ModelOp identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0, 0, 0}};
  s->m_model = {"m.cif", {{"A", {0, 0, 0}}, {"B", {0.5, 0.5, 0}}}, {identity}};
  const struct {
    double frac[3];
    int atom;
    double distance;
  } rows[] = {
      {{0.1, 0, 0.1}, 0, 1.0},            // 1 + 1 + 2 (10)(10) cos 120 (0.01)
      {{0.98, 0, 0}, 0, 0.2},             // across the cell's edge
      {{0.6, 0, 0.4}, 0, std::sqrt(28)},  // (0.6, 0, 0.4), not (-0.4, 0, 0.4): sqrt 48
      {{0.45, 0.5, 0}, 1, 0.5},
  };
  for (const auto& r : rows) {
    const NearAtom near = NearestAtom(*s, r.frac);
    EXPECT_EQ(near.atom, r.atom) << r.frac[0] << " " << r.frac[2];
    EXPECT_NEAR(near.distance, r.distance, 1e-9) << r.frac[0] << " " << r.frac[2];
  }
}

// With aspirin's model shown, the whole-map peak list names for each of the
// 13 peaks a different heavy atom, a few hundredths of an Angstrom away.
TEST(Model, PeakListNamesEachPeaksNearestAtom) {
  auto s = MapWithModel("aspirin.fou", "aspirin.cif");
  s->m_bShowAtoms = 1;
  PeakSearch search;
  search.wholeMap = true;
  char* text = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&text, &size);
  WritePeakList(*s, search, FindPeaks(*s, search), out);
  std::fclose(out);
  std::istringstream list(text);
  std::free(text);
  std::string line;
  std::set<std::string> atoms;
  std::vector<std::string> comments;
  while (std::getline(list, line)) {
    if (line[0] == '#') {
      comments.push_back(line);
      continue;
    }
    std::istringstream fields(line);
    std::string n, x, y, z, height, sigmas, atom;
    double distance = 1e9;
    fields >> n >> x >> y >> z >> height >> sigmas >> atom >> distance;
    EXPECT_NE(atom[0], 'H') << line;
    EXPECT_LT(distance, 0.1) << line;
    atoms.insert(atom);
  }
  EXPECT_EQ(atoms.size(), 13u);
  ASSERT_EQ(comments.size(), 5u);
  EXPECT_EQ(comments[3], "# model " + DataFile("aspirin.cif"));
  EXPECT_EQ(comments[4], "# N x y z height height/sigma atom distance");
}

}  // namespace
}  // namespace pyk::test
