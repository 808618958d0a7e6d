// The shipped maps: records expand to the directly computed function over the
// whole cell, and their physics holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

#include "tools/samplemap/density.h"
#include "tools/samplemap/grid_expand.h"
#include "tools/samplemap/samples.h"
#include "tools/samplemap/space_group.h"
#include "tools/samplemap/structures.h"

namespace pyk::sample {
namespace {

MapFunction FcOf(const CrystalStructure& s, const std::vector<SymOp>& g) {
  std::vector<CellAtom> atoms;
  FillCell(s, g, &atoms);
  const auto m = std::make_shared<DensityModel>(MakeDensityModel(s.cell, atoms));
  return [m](const double f[3]) { return FcDensityAt(*m, f); };
}

void GridFrac(const int grid[3], int64_t idx, double f[3]) {
  for (int i = 0; i < 3; ++i) {
    f[i] = static_cast<double>(idx % grid[i]) / grid[i];
    idx /= grid[i];
  }
}

// Every grid point is reached, and every 13th equals the direct value.
void ExpectMatches(const ExpandedMap& e, const MapFunction& f, bool columnB, const std::string& what) {
  ASSERT_EQ(std::count(e.set.begin(), e.set.end(), 0), 0) << what << ": grid points no image reaches";
  for (size_t i = 0; i < e.set.size(); i += 13) {
    double p[3];
    GridFrac(e.grid, static_cast<int64_t>(i), p);
    const double direct = f(p), got = columnB ? e.b[i] : e.a[i];
    ASSERT_NEAR(got, direct, 1e-9 * (1 + std::fabs(direct))) << what << " at index " << i;
  }
}

double Mean(const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0) / v.size(); }

// Each shipped sample's records are symmetry-unique (some lie outside the
// cell) and expand over the whole cell to its own function; a function that
// the group does not leave invariant fails here too. And its physics holds:
// Fc maps have zero mean and carry the cell's electrons, the Patterson map peaks at the
// origin (its expansion through the Laue group holds only for a
// centrosymmetric function).
TEST(Maps, ShippedSamplesSampleTheirFunctionsAndTheirPhysicsHolds) {
  std::vector<SymOp> nacl, si, aspirin;
  ASSERT_TRUE(GroupFromStrings(RockSalt().generators, &nacl) && GroupFromStrings(Silicon().generators, &si) &&
              GroupFromStrings(Aspirin().generators, &aspirin));
  const MapFunction naclFc = FcOf(RockSalt(), nacl), siFc = FcOf(Silicon(), si);
  const AspirinFunctions asp = MakeAspirinFunctions();
  std::vector<SampleFile> samples;
  ASSERT_TRUE(BuildSamples(&samples));
  const struct {
    const char* name;
    const MapFunction* a;
    const MapFunction* b;
    int type;
    double f000;         // 0: not an Fc map
    double maxFraction;  // of the grid written as records
  } rows[] = {
      {"nacl.fou", &naclFc, nullptr, kMapFc, 4 * 10 + 4 * 18, 0.02},
      {"si.fou", &siFc, nullptr, kMapFc, 8 * 14, 0.02},
      {"aspirin.fou", &asp.fc, nullptr, kMapFc, 4 * 94, 0.26},
      {"aspirin-diff.fou", &asp.difference, nullptr, kMapFoFc, 0, 0.26},
      {"aspirin-patt.fou", &asp.patterson, nullptr, kMapPatterson, 0, 0.3},  // mirrors add special positions
      {"aspirin-two.den", &asp.fc, &asp.difference, kMapFc, 4 * 94, 0.26},
  };
  ASSERT_EQ(samples.size(), std::size(rows));
  for (const auto& r : rows) {
    const auto s = std::find_if(samples.begin(), samples.end(), [&](const SampleFile& f) { return f.mapName == r.name; });
    ASSERT_NE(s, samples.end()) << r.name;
    const int* g = s->map.grid;
    const auto& points = s->map.points;
    EXPECT_LT(points.size(), r.maxFraction * g[0] * g[1] * g[2]) << r.name << ": not symmetry-unique";
    EXPECT_TRUE(std::any_of(points.begin(), points.end(), [&](const auto& p) {
      return p[0] < 0 || p[0] >= g[0] || p[1] < 0 || p[1] >= g[1] || p[2] < 0 || p[2] >= g[2];
    })) << r.name << ": no record outside the cell";
    const ExpandedMap e = ExpandToGrid(s->map);
    ExpectMatches(e, *r.a, false, r.name);
    if (r.b) ExpectMatches(e, *r.b, true, r.name);
    EXPECT_EQ(s->map.densityB.empty(), r.b == nullptr) << r.name;
    EXPECT_EQ(s->con.mapType, r.type) << r.name;
    if (r.f000 > 0) {
      EXPECT_NEAR(s->con.f000, r.f000, 0.05) << r.name;
      const auto [lo, hi] = std::minmax_element(e.a.begin(), e.a.end());
      EXPECT_LT(*lo, 0.0) << r.name;
      EXPECT_GT(*hi, 1.0) << r.name;
      EXPECT_NEAR(Mean(e.a), 0.0, 1e-3) << r.name;
    }
    // A difference map is negligible away from the moved atom (its lobes are
    // found on the true and moved sites by the peak search's test).
    if ((r.b ? r.b : r.a) == &asp.difference) {
      const std::vector<double>& d = r.b ? e.b : e.a;
      const auto zero = std::count_if(d.begin(), d.end(), [](double v) { return std::fabs(v) < 1e-3; });
      EXPECT_GT(zero * 4, static_cast<long>(d.size()) * 3) << r.name;
    }
    if (r.type == kMapPatterson) {
      EXPECT_GT(e.a[0], *std::max_element(e.a.begin() + 1, e.a.end())) << "the maximum is the origin peak";
      EXPECT_NEAR(Mean(e.a), 0.0, 1e-3 * e.a[0]);
    }
  }
}

}  // namespace
}  // namespace pyk::sample
