// The sample-map generator: scattering factors, space groups, the records'
// expansion under the viewer's rule, the maps' physics and the shipped files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "map/reader.h"
#include "map/section.h"
#include "map_file.h"
#include "samples.h"
#include "space_group.h"
#include "support/files.h"
#include "support/recorder.h"

namespace pyk::sample {
namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(SampleMap, FormFactorsSumToTheElectronCount) {
  for (const char* name : {"H", "C", "N", "O", "Na1+", "Si", "Cl1-"}) {
    const FormFactor* f = FindFormFactor(name);
    ASSERT_NE(f, nullptr) << name;
    EXPECT_NEAR(FormFactorAt(*f, 0.0), f->electrons, 0.01) << name;
    EXPECT_LT(FormFactorAt(*f, 0.5), FormFactorAt(*f, 0.1)) << name;  // falls off with angle
  }
  EXPECT_EQ(FindFormFactor("Xx"), nullptr);
}

TEST(SampleMap, AnAtomsDensityIntegratesToItsElectrons) {
  for (const char* name : {"C", "Na1+", "Si", "Cl1-"}) {
    const FormFactor* f = FindFormFactor(name);
    const GaussianTerms g = AtomGaussians(*f, 1.0);
    double total = 0.0;
    const double dr = 1e-4;
    for (double r = dr / 2; r < 8.0; r += dr) total += 4 * kPi * r * r * Evaluate(g, r * r) * dr;
    EXPECT_NEAR(total, f->electrons, 0.01) << name;
  }
}

TEST(SampleMap, SpaceGroupsCloseWithTheRightOrderAndOrbits) {
  const struct {
    Crystal c;
    size_t order;
    size_t cellAtoms;
  } rows[] = {{RockSalt(), 192, 8}, {Silicon(), 192, 8}};
  for (const auto& r : rows) {
    EXPECT_EQ(r.c.group.size(), r.order) << r.c.name;
    EXPECT_EQ(CentringVectors(r.c.group).size(), 4u) << r.c.name;
    EXPECT_EQ(CellAtoms(r.c).size(), r.cellAtoms) << r.c.name;
    for (const SymOp& a : r.c.group) {
      for (const SymOp& b : r.c.group) ASSERT_TRUE(ContainsOp(r.c.group, Compose(a, b))) << r.c.name;
    }
  }
  // Diamond: the second atom of the primitive cell at 1/4 1/4 1/4, no inversion at the origin.
  bool quarter = false;
  for (const Atom& a : CellAtoms(Silicon())) {
    quarter = quarter || (std::fabs(a.frac[0] - 0.25) < 1e-9 && std::fabs(a.frac[1] - 0.25) < 1e-9 &&
                          std::fabs(a.frac[2] - 0.25) < 1e-9);
  }
  EXPECT_TRUE(quarter);
  EXPECT_FALSE(HasInversionAtOrigin(Silicon().group));
  EXPECT_TRUE(HasInversionAtOrigin(RockSalt().group));
}

// The records, expanded as the viewer expands them, give the density at every grid point.
TEST(SampleMap, RecordsExpandToTheWholeCellInBothStyles) {
  const struct {
    Crystal c;
    SymmetryStyle style;
    int n;
  } rows[] = {{RockSalt(), SymmetryStyle::kCentroFlag, 24},
              {RockSalt(), SymmetryStyle::kExplicit, 24},
              {Silicon(), SymmetryStyle::kExplicit, 24}};
  for (const auto& r : rows) {
    MapData m;
    m.grid[0] = m.grid[1] = m.grid[2] = r.n;
    ASSERT_TRUE(SetFileSymmetry(r.c.group, r.style, &m)) << r.c.name;
    EXPECT_LE(m.ops.size(), 48u);
    const auto atoms = CellAtoms(r.c);
    FillRecords(&m, [&](const double p[3]) { return ElectronDensity(r.c.cell, atoms, p); });
    EXPECT_LT(m.points.size(), static_cast<size_t>(r.n * r.n * r.n) / 20) << "a symmetry-unique set";
    const auto grid = ExpandToGrid(m);
    for (int z = 0; z < r.n; ++z) {
      for (int y = 0; y < r.n; ++y) {
        for (int x = 0; x < r.n; ++x) {
          const double p[3] = {double(x) / r.n, double(y) / r.n, double(z) / r.n};
          const double direct = ElectronDensity(r.c.cell, atoms, p);
          ASSERT_NEAR(grid[(size_t(z) * r.n + y) * r.n + x], direct, 1e-9 * (1 + std::fabs(direct)))
              << r.c.name << " at " << x << " " << y << " " << z;
        }
      }
    }
  }
}

TEST(SampleMap, MapsHaveTheirPhysics) {
  const Crystal nacl = RockSalt();
  const auto atoms = CellAtoms(nacl);
  // The Fc map (density less its mean) averages to zero over the cell.
  const MapData fc = RockSaltMap(24);
  const auto grid = ExpandToGrid(fc);
  double sum = 0;
  for (double v : grid) sum += v;
  EXPECT_NEAR(sum / grid.size(), 0.0, 0.02);
  // Chlorine (18 electrons) stands higher than sodium (10).
  const double na[3] = {0, 0, 0}, cl[3] = {0.5, 0, 0};
  EXPECT_GT(ElectronDensity(nacl.cell, atoms, cl), ElectronDensity(nacl.cell, atoms, na));
  // The Patterson function peaks at the origin and is centrosymmetric.
  const double origin[3] = {0, 0, 0}, u[3] = {0.13, 0.27, 0.41}, mu[3] = {-0.13, -0.27, -0.41};
  const double p0 = PattersonAt(nacl.cell, atoms, origin);
  EXPECT_NEAR(PattersonAt(nacl.cell, atoms, u), PattersonAt(nacl.cell, atoms, mu), 1e-9 * p0);
  for (double step = 0.05; step < 0.5; step += 0.05) {
    const double v[3] = {step, step / 2, 0.1};
    EXPECT_LT(PattersonAt(nacl.cell, atoms, v), p0);
  }
  // Density is invariant under every operation of the group.
  const double p[3] = {0.11, 0.23, 0.37};
  for (const Crystal& c : {nacl, Silicon()}) {
    const auto cellAtoms = CellAtoms(c);
    const double d = ElectronDensity(c.cell, cellAtoms, p);
    for (const SymOp& op : c.group) {
      double q[3];
      ApplyOp(op, p, q);
      EXPECT_NEAR(ElectronDensity(c.cell, cellAtoms, q), d, 1e-9 * (1 + std::fabs(d))) << c.name;
    }
  }
}

TEST(SampleMap, ShippedFilesAreWhatTheToolWrites) {
  test::TempDir dir;
  ASSERT_TRUE(WriteSamples(dir.path().string()));
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    const std::string name = e.path().filename().string();
    const std::string shipped = test::DataFile(name);
    ASSERT_TRUE(std::filesystem::exists(shipped)) << name;
    EXPECT_EQ(test::ReadText(shipped), test::ReadText(e.path().string())) << name;
    EXPECT_LT(std::filesystem::file_size(e.path()), 1u << 20) << name;
    ++files;
  }
  EXPECT_EQ(files, 10);
}

// The engine reads each shipped map and cuts sections equal to the full-cell expansion.
TEST(SampleMap, TheViewerLoadsTheSamples) {
  const struct {
    const char* map;
    const char* con;
    int type;
  } rows[] = {{"nacl.fou", "nacl.con", 0}, {"nacl-diff.fou", "nacl-diff.con", 1},
              {"nacl-patt.fou", "nacl-patt.con", 2}, {"nacl-two.den", "nacl-two.con", 0},
              {"si.fou", "si.con", 0}};
  for (const auto& r : rows) {
    auto s = MakeViewState();
    ResetViewState(*s);
    test::RecordingPlatform p;
    const std::string map = test::DataFile(r.map), con = test::DataFile(r.con);
    const std::string_view words[3] = {map, "", con};
    ASSERT_EQ(LoadFromArguments(*s, p, words, 3), 0) << r.map;
    EXPECT_TRUE(p.events.empty()) << r.map;
    EXPECT_EQ(s->m_nMapType, r.type);
    EXPECT_GT(s->m_fMaxDensity, 0.0f) << r.map;
    EXPECT_GT(s->m_fContourStep, 0.0f) << r.map;
    const int n = s->m_anGrid[0];
    for (int u = 0; u < n; ++u) {
      for (int v = 0; v < n; ++v) EXPECT_TRUE(std::isfinite(s->m_afSection[u][v]));
    }
    EXPECT_EQ(s->m_afSection[n][0], s->m_afSection[0][0]);
  }
  // The rock-salt section z = 0 as cut by the engine equals the generator's
  // own expansion over the cell, to the six decimals written.
  auto s = MakeViewState();
  ResetViewState(*s);
  test::RecordingPlatform p;
  const std::string map = test::DataFile("nacl.fou"), con = test::DataFile("nacl.con");
  const std::string_view words[3] = {map, "", con};
  ASSERT_EQ(LoadFromArguments(*s, p, words, 3), 0);
  const MapData m = RockSaltMap(48);
  const auto grid = ExpandToGrid(m);
  for (int u = 0; u < 48; ++u) {
    for (int v = 0; v < 48; ++v) {
      const double g = grid[size_t(v) * 48 + u];
      ASSERT_NEAR(s->m_afSection[u][v], g, 5e-7 + 1.2e-7 * std::fabs(g)) << u << " " << v;
    }
  }
}

}  // namespace
}  // namespace pyk::sample
