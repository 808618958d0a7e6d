// The maps: records expand to the directly computed function over the whole
// cell, and the shipped samples' physics holds.
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

// The groups and functions behind every sample, built once.
struct Functions {
  std::vector<SymOp> nacl, si, aspirin, laue;
  MapFunction naclFc, siFc;
  AspirinFunctions asp;
};

MapFunction FcOf(const CrystalStructure& s, const std::vector<SymOp>& g) {
  std::vector<CellAtom> atoms;
  FillCell(s, g, &atoms);
  const auto m = std::make_shared<DensityModel>(MakeDensityModel(s.cell, atoms));
  return [m](const double f[3]) { return FcDensityAt(*m, f); };
}

const Functions& Get() {
  static const Functions f = [] {
    Functions x;
    GroupFromStrings(RockSalt().generators, &x.nacl);
    GroupFromStrings(Silicon().generators, &x.si);
    GroupFromStrings(Aspirin().generators, &x.aspirin);
    LaueGroup(x.aspirin, &x.laue);
    x.naclFc = FcOf(RockSalt(), x.nacl);
    x.siFc = FcOf(Silicon(), x.si);
    x.asp = MakeAspirinFunctions();
    return x;
  }();
  return f;
}

void GridFrac(const int grid[3], int64_t idx, double f[3]) {
  for (int i = 0; i < 3; ++i) {
    f[i] = static_cast<double>(idx % grid[i]) / grid[i];
    idx /= grid[i];
  }
}

// Every grid point is reached, and every stride-th equals the direct value.
void ExpectMatches(const ExpandedMap& e, const MapFunction& f, bool columnB, int stride, const std::string& what) {
  ASSERT_EQ(std::count(e.set.begin(), e.set.end(), 0), 0) << what << ": grid points no image reaches";
  for (size_t i = 0; i < e.set.size(); i += stride) {
    double p[3];
    GridFrac(e.grid, static_cast<int64_t>(i), p);
    const double direct = f(p), got = columnB ? e.b[i] : e.a[i];
    ASSERT_NEAR(got, direct, 1e-9 * (1 + std::fabs(direct))) << what << " at index " << i;
  }
}

// A function that the group does not leave invariant fails here too: the
// records are symmetry-unique and every other grid point is their image.
TEST(Maps, RecordsExpandToTheDirectValuesInBothStyles) {
  const Functions& fx = Get();
  const struct {
    const char* name;
    const CrystalStructure* s;
    const std::vector<SymOp>* group;
    OpStyle style;
    int grid[3];
    const MapFunction* a;
    const MapFunction* b;
    double maxFraction;  // of the grid written as records
  } rows[] = {
      {"NaCl flag", &RockSalt(), &fx.nacl, OpStyle::kCentroFlag, {24, 24, 24}, &fx.naclFc, nullptr, 0.02},
      {"NaCl explicit", &RockSalt(), &fx.nacl, OpStyle::kExplicit, {24, 24, 24}, &fx.naclFc, nullptr, 0.02},
      {"Si explicit", &Silicon(), &fx.si, OpStyle::kExplicit, {24, 24, 24}, &fx.siFc, nullptr, 0.02},
      {"aspirin Fc", &Aspirin(), &fx.aspirin, OpStyle::kExplicit, {24, 16, 24}, &fx.asp.fc, nullptr, 0.26},
      {"aspirin Fo-Fc", &Aspirin(), &fx.aspirin, OpStyle::kCentroFlag, {24, 16, 24}, &fx.asp.difference, nullptr, 0.26},
      // Mirror planes add special positions.
      {"aspirin Patterson", &Aspirin(), &fx.laue, OpStyle::kCentroFlag, {24, 16, 24}, &fx.asp.patterson, nullptr, 0.3},
      {"aspirin two-column", &Aspirin(), &fx.aspirin, OpStyle::kExplicit, {24, 16, 24}, &fx.asp.fc, &fx.asp.difference,
       0.26},
  };
  for (const auto& r : rows) {
    MapData m;
    ASSERT_TRUE(MapSkeleton(r.name, r.s->cell, *r.group, r.style, r.grid, &m)) << r.name;
    FillValues(*r.a, r.b ? *r.b : MapFunction{}, &m);
    EXPECT_LT(m.points.size(), r.maxFraction * r.grid[0] * r.grid[1] * r.grid[2]) << r.name << ": not symmetry-unique";
    const auto outside = std::count_if(m.points.begin(), m.points.end(), [&](const auto& p) {
      for (int i = 0; i < 3; ++i)
        if (p[i] < 0 || p[i] >= r.grid[i]) return true;
      return false;
    });
    EXPECT_GT(outside, 0) << r.name << ": some records lie outside the cell";
    const ExpandedMap e = ExpandToGrid(m);
    ExpectMatches(e, *r.a, false, 1, r.name);
    if (r.b) ExpectMatches(e, *r.b, true, 1, r.name);
  }
}

double Mean(const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0) / v.size(); }

// Smallest distance in Angstrom from grid point idx to any image of a site.
double DistanceToSite(const SampleFile& s, int64_t idx, const CrystalStructure& c, int site,
                      const std::vector<SymOp>& group) {
  const Metric metric = CellMetric(c.cell);
  double p[3];
  GridFrac(s.map.grid, idx, p);
  double best = 1e9;
  for (const SymOp& op : group) {
    double q[3], d[3];
    ApplyOp(op, c.sites[site].xyz, q);
    for (int i = 0; i < 3; ++i) d[i] = p[i] - q[i] - std::round(p[i] - q[i]);
    best = std::min(best, std::sqrt(Length2(metric, d)));
  }
  return best;
}

// Each shipped sample covers its cell with its own function, and its physics
// holds: Fc maps have zero mean and carry the cell's electrons, difference maps
// have their lobes at the true and moved sites, the Patterson map peaks at the
// origin and is centrosymmetric.
TEST(Maps, ShippedSamplesSampleTheirFunctionsAndTheirPhysicsHolds) {
  const Functions& fx = Get();
  std::vector<SampleFile> samples;
  ASSERT_TRUE(BuildSamples(&samples));
  const struct {
    const char* name;
    const MapFunction* a;
    const MapFunction* b;
    int type;
    double f000;  // 0: not an Fc map
  } rows[] = {
      {"nacl.fou", &fx.naclFc, nullptr, kMapFc, 4 * 10 + 4 * 18},
      {"si.fou", &fx.siFc, nullptr, kMapFc, 8 * 14},
      {"aspirin.fou", &fx.asp.fc, nullptr, kMapFc, 4 * 94},
      {"aspirin-diff.fou", &fx.asp.difference, nullptr, kMapFoFc, 0},
      {"aspirin-patt.fou", &fx.asp.patterson, nullptr, kMapPatterson, 0},
      {"aspirin-two.den", &fx.asp.fc, &fx.asp.difference, kMapFc, 4 * 94},
  };
  ASSERT_EQ(samples.size(), std::size(rows));
  for (const auto& r : rows) {
    const auto s = std::find_if(samples.begin(), samples.end(), [&](const SampleFile& f) { return f.mapName == r.name; });
    ASSERT_NE(s, samples.end()) << r.name;
    const ExpandedMap e = ExpandToGrid(s->map);
    ExpectMatches(e, *r.a, false, 13, r.name);
    if (r.b) ExpectMatches(e, *r.b, true, 13, r.name);
    EXPECT_EQ(s->map.densityB.empty(), r.b == nullptr) << r.name;
    EXPECT_EQ(s->con.mapType, r.type) << r.name;
    if (r.f000 > 0) {
      EXPECT_NEAR(s->con.f000, r.f000, 0.05) << r.name;
      const auto [lo, hi] = std::minmax_element(e.a.begin(), e.a.end());
      EXPECT_LT(*lo, 0.0) << r.name;
      EXPECT_GT(*hi, 1.0) << r.name;
      EXPECT_NEAR(Mean(e.a), 0.0, 1e-3) << r.name;
    }
    if ((r.b ? r.b : r.a) == &fx.asp.difference) {
      const std::vector<double>& d = r.b ? e.b : e.a;
      const auto hi = std::max_element(d.begin(), d.end()), lo = std::min_element(d.begin(), d.end());
      EXPECT_GT(*hi, 1.0) << r.name;
      EXPECT_LT(*lo, -1.0) << r.name;
      const double spacing = 11.233 / 56;
      EXPECT_LT(DistanceToSite(*s, hi - d.begin(), Aspirin(), kAspirinMovedSite, fx.aspirin), spacing) << r.name;
      EXPECT_LT(DistanceToSite(*s, lo - d.begin(), AspirinMoved(), kAspirinMovedSite, fx.aspirin), spacing) << r.name;
      // Away from the moved atom the difference is negligible.
      const auto zero = std::count_if(d.begin(), d.end(), [](double v) { return std::fabs(v) < 1e-3; });
      EXPECT_GT(zero * 4, static_cast<long>(d.size()) * 3) << r.name;
    }
    if (r.type == kMapPatterson) {
      EXPECT_GT(e.a[0], *std::max_element(e.a.begin() + 1, e.a.end())) << "the maximum is the origin peak";
      EXPECT_NEAR(Mean(e.a), 0.0, 1e-3 * e.a[0]);
      uint32_t seed = 12345;  // pseudo-random points of the cell and beyond
      for (int k = 0; k < 50; ++k) {
        double u[3], mu[3];
        for (int i = 0; i < 3; ++i) {
          seed = seed * 1664525u + 1013904223u;
          u[i] = (seed >> 8) / 16777216.0 * 2.0 - 0.5;
          mu[i] = -u[i];
        }
        const double v = fx.asp.patterson(u);
        EXPECT_NEAR(fx.asp.patterson(mu), v, 1e-12 * (1 + std::fabs(v)));
        EXPECT_LT(v, e.a[0]);
      }
    }
  }
}

}  // namespace
}  // namespace pyk::sample
