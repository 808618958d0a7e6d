// Space groups: exactly the symmetry of the structures they describe (closure
// and order follow), the notation, and their conversion to the map file's
// grid operations. That the aspirin groups are gemmi's P 1 21/c 1 and
// P 1 2/m 1 shows the CCP4 test, whose half-cell copies gemmi completes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tools/samplemap/grid_symmetry.h"
#include "tools/samplemap/space_group.h"
#include "tools/samplemap/structures.h"

namespace pyk::sample {
namespace {

struct Position {
  const char* species;
  double xyz[3];
};

bool SameModuloCell(const double a[3], const double b[3]) {
  for (int i = 0; i < 3; ++i) {
    const double d = a[i] - b[i];
    if (std::fabs(d - std::round(d)) > 1e-9) return false;
  }
  return true;
}

// Whether op maps the set of positions onto itself, species by species.
bool Preserves(const SymOp& op, const std::vector<Position>& set) {
  for (const Position& p : set) {
    double q[3];
    ApplyOp(op, p.xyz, q);
    bool found = false;
    for (const Position& o : set)
      found = found || (std::string_view(o.species) == p.species && SameModuloCell(q, o.xyz));
    if (!found) return false;
  }
  return true;
}

// The 48 signed permutation matrices: every point operation of a cubic lattice.
std::vector<SymOp> CubicRotations() {
  std::vector<SymOp> out;
  int perm[3] = {0, 1, 2};
  do {
    for (int signs = 0; signs < 8; ++signs) {
      SymOp op{};
      for (int i = 0; i < 3; ++i) op.r[i][perm[i]] = (signs >> i & 1) ? -1 : 1;
      out.push_back(op);
    }
  } while (std::next_permutation(perm, perm + 3));
  return out;
}

// Positions written out by hand from the textbook descriptions, not generated.
const std::vector<Position> kRockSalt = {{"Na", {0, 0, 0}},   {"Na", {0, .5, .5}}, {"Na", {.5, 0, .5}},
                                         {"Na", {.5, .5, 0}}, {"Cl", {.5, 0, 0}},  {"Cl", {0, .5, 0}},
                                         {"Cl", {0, 0, .5}},  {"Cl", {.5, .5, .5}}};
const std::vector<Position> kDiamond = {{"Si", {0, 0, 0}},       {"Si", {0, .5, .5}},     {"Si", {.5, 0, .5}},
                                        {"Si", {.5, .5, 0}},     {"Si", {.25, .25, .25}}, {"Si", {.25, .75, .75}},
                                        {"Si", {.75, .25, .75}}, {"Si", {.75, .75, .25}}};

// Every operation preserves the hand-written structure, and a search over all
// cubic point operations with translations in eighths finds no other.
TEST(SpaceGroup, CubicGroupsAreExactlyTheStructuresSymmetry) {
  const struct {
    const CrystalStructure* s;
    const std::vector<Position>* positions;
  } rows[] = {{&RockSalt(), &kRockSalt}, {&Silicon(), &kDiamond}};
  for (const auto& r : rows) {
    std::vector<SymOp> g;
    ASSERT_TRUE(GroupFromStrings(r.s->generators, &g));
    for (const SymOp& op : g) EXPECT_TRUE(Preserves(op, *r.positions)) << r.s->name;
    size_t found = 0;
    for (SymOp op : CubicRotations())
      for (int t = 0; t < 512; ++t) {
        for (int i = 0; i < 3; ++i) op.t[i] = 3 * ((t >> (3 * i)) & 7);
        if (Preserves(op, *r.positions)) {
          ++found;
          EXPECT_TRUE(ContainsOp(g, op)) << r.s->name;
        }
      }
    EXPECT_EQ(found, g.size()) << r.s->name;
  }
}

// The notation, and its conversion to grid divisions: rotations column by
// column, translations in whole divisions (on a grid of 24, in 24ths).
TEST(SpaceGroup, ParsesOperationsIntoWholeGridDivisions) {
  const struct {
    const char* op;
    int grid[3];
    bool ok;  // whole divisions of this grid
    int rot[9];
    int trans[3];
  } rows[] = {
      {"x,y,z", {24, 24, 24}, true, {1, 0, 0, 0, 1, 0, 0, 0, 1}, {0, 0, 0}},
      {"-x+1/2, y, -z", {24, 24, 24}, true, {-1, 0, 0, 0, 1, 0, 0, 0, -1}, {12, 0, 0}},
      {"1/4-y+x,z,3/4+y", {24, 24, 24}, true, {1, 0, 0, -1, 0, 1, 0, 1, 0}, {6, 0, 18}},
      {"x-1/2,y,z", {24, 24, 24}, true, {1, 0, 0, 0, 1, 0, 0, 0, 1}, {12, 0, 0}},
      {"-x,y+1/2,-z+1/2", {56, 32, 56}, true, {-1, 0, 0, 0, 1, 0, 0, 0, -1}, {0, 16, 28}},
      {"z,x,y", {8, 8, 8}, true, {0, 1, 0, 0, 0, 1, 1, 0, 0}, {0, 0, 0}},
      {"y+3/4,x+1/4,-z+3/4", {96, 96, 96}, true, {0, 1, 0, 1, 0, 0, 0, 0, -1}, {72, 24, 72}},
      {"x+1/4,y,z", {6, 6, 6}, false, {}, {}},
      {"z,x,y", {4, 4, 8}, false, {}, {}},
  };
  for (const auto& r : rows) {
    SymOp op;
    ASSERT_TRUE(ParseSymOp(r.op, &op)) << r.op;
    GridOp g;
    ASSERT_EQ(ToGridOp(op, r.grid, &g), r.ok) << r.op;
    if (!r.ok) continue;
    for (int i = 0; i < 9; ++i) EXPECT_EQ(g.rot[i], r.rot[i]) << r.op << " entry " << i;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(g.trans[i], r.trans[i]) << r.op;
  }
  SymOp op;
  for (const char* bad : {"x,y", "x,y,z,", "2x,y,z", "x,y,q", "x+1/0,y,z", "x+1/5,y,z", "x+,y,z"}) {
    EXPECT_FALSE(ParseSymOp(bad, &op)) << bad;
  }
}

TEST(SpaceGroup, FileStylesListTheRightOperations) {
  const struct {
    const CrystalStructure* s;
    OpStyle style;
    int n;
    bool ok;
    size_t ops, lattice;
    int centro;
  } rows[] = {
      {&RockSalt(), OpStyle::kCentroFlag, 96, true, 24, 4, 1}, {&Silicon(), OpStyle::kExplicit, 96, true, 48, 3, 0},
      {&Silicon(), OpStyle::kCentroFlag, 96, false, 0, 0, 0},  // inversion off the origin
      {&Silicon(), OpStyle::kExplicit, 98, false, 0, 0, 0},    // quarters need n % 4 == 0
      {&Aspirin(), OpStyle::kExplicit, 56, true, 4, 0, 0},     {&Aspirin(), OpStyle::kCentroFlag, 56, true, 2, 1, 1}};
  for (const auto& r : rows) {
    std::vector<SymOp> g;
    ASSERT_TRUE(GroupFromStrings(r.s->generators, &g));
    MapData m;
    m.grid[0] = m.grid[1] = m.grid[2] = r.n;
    ASSERT_EQ(SetGridSymmetry(g, r.style, &m), r.ok) << r.s->name << " " << r.n;
    if (!r.ok) continue;
    EXPECT_EQ(m.ops.size(), r.ops) << r.s->name;
    EXPECT_EQ(m.lattice.size(), r.lattice) << r.s->name;
    EXPECT_EQ(m.centro, r.centro) << r.s->name;
    const int identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_TRUE(std::equal(identity, identity + 9, m.ops[0].rot)) << "identity listed first";
    if (r.centro == 1) {
      EXPECT_EQ(m.lattice[0], (std::array<int, 3>{0, 0, 0}));
    }
  }
}

}  // namespace
}  // namespace pyk::sample
