// The maps: records expand to the directly computed function over the whole
// cell, the functions have the crystal's symmetry and their physics holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "tools/samplemap/density.h"
#include "tools/samplemap/grid_expand.h"
#include "tools/samplemap/samples.h"
#include "tools/samplemap/space_group.h"
#include "tools/samplemap/structures.h"

namespace pyk::sample {
namespace {

// The functions and groups behind every sample, built once.
struct Fixture {
  std::vector<SymOp> nacl, si, aspirin, laue;
  MapFunction naclFc, siFc;
  AspirinFunctions asp;
  std::vector<SampleFile> samples;
};

MapFunction FcOf(const CrystalStructure& s, const std::vector<SymOp>& g) {
  std::vector<CellAtom> atoms;
  FillCell(s, g, &atoms);
  const auto m = std::make_shared<DensityModel>(MakeDensityModel(s.cell, atoms));
  return [m](const double f[3]) { return FcDensityAt(*m, f); };
}

const Fixture& Get() {
  static const Fixture f = [] {
    Fixture x;
    GroupFromStrings(RockSalt().generators, &x.nacl);
    GroupFromStrings(Silicon().generators, &x.si);
    GroupFromStrings(Aspirin().generators, &x.aspirin);
    LaueGroup(x.aspirin, &x.laue);
    x.naclFc = FcOf(RockSalt(), x.nacl);
    x.siFc = FcOf(Silicon(), x.si);
    x.asp = MakeAspirinFunctions();
    BuildSamples(&x.samples);
    return x;
  }();
  return f;
}

const SampleFile* Sample(const std::string& name) {
  for (const SampleFile& s : Get().samples)
    if (s.mapName == name) return &s;
  return nullptr;
}

void GridFrac(const int grid[3], int64_t idx, double f[3]) {
  for (int i = 0; i < 3; ++i) {
    f[i] = static_cast<double>(idx % grid[i]) / grid[i];
    idx /= grid[i];
  }
}

// Deterministic pseudo-random fractional points.
std::vector<std::array<double, 3>> TestPoints(int n) {
  std::vector<std::array<double, 3>> out;
  uint32_t s = 12345;
  for (int k = 0; k < n; ++k) {
    std::array<double, 3> p;
    for (double& v : p) {
      s = s * 1664525u + 1013904223u;
      v = (s >> 8) / 16777216.0 * 2.0 - 0.5;
    }
    out.push_back(p);
  }
  return out;
}

void ExpectMatches(const ExpandedMap& e, const MapFunction& f, bool columnB, int stride, const std::string& what) {
  const size_t n = e.set.size();
  size_t unset = 0;
  for (size_t i = 0; i < n; ++i) unset += e.set[i] == 0;
  ASSERT_EQ(unset, 0u) << what << ": grid points no image reaches";
  for (size_t i = 0; i < n; i += stride) {
    double p[3];
    GridFrac(e.grid, static_cast<int64_t>(i), p);
    const double direct = f(p), got = columnB ? e.b[i] : e.a[i];
    ASSERT_NEAR(got, direct, 1e-9 * (1 + std::fabs(direct))) << what << " at index " << i;
  }
}

TEST(Maps, RecordsExpandToTheDirectValuesInBothStyles) {
  const Fixture& fx = Get();
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
      {"aspirin Patterson",
       &Aspirin(),
       &fx.laue,
       OpStyle::kCentroFlag,
       {24, 16, 24},
       &fx.asp.patterson,
       nullptr,
       0.3},  // mirror planes add special positions
      {"aspirin two-column",
       &Aspirin(),
       &fx.aspirin,
       OpStyle::kExplicit,
       {24, 16, 24},
       &fx.asp.fc,
       &fx.asp.difference,
       0.26},
  };
  for (const auto& r : rows) {
    MapData m;
    ASSERT_TRUE(MapSkeleton(r.name, r.s->cell, *r.group, r.style, r.grid, &m)) << r.name;
    FillValues(*r.a, r.b ? *r.b : MapFunction{}, &m);
    const size_t total = static_cast<size_t>(r.grid[0]) * r.grid[1] * r.grid[2];
    EXPECT_LT(m.points.size(), r.maxFraction * total) << r.name << ": not symmetry-unique";
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

TEST(Maps, ShippedSamplesCoverTheCellWithTheirFunctions) {
  const Fixture& fx = Get();
  const std::map<std::string, std::pair<const MapFunction*, const MapFunction*>> sources = {
      {"nacl.fou", {&fx.naclFc, nullptr}},
      {"si.fou", {&fx.siFc, nullptr}},
      {"aspirin.fou", {&fx.asp.fc, nullptr}},
      {"aspirin-diff.fou", {&fx.asp.difference, nullptr}},
      {"aspirin-patt.fou", {&fx.asp.patterson, nullptr}},
      {"aspirin-two.den", {&fx.asp.fc, &fx.asp.difference}}};
  ASSERT_EQ(fx.samples.size(), sources.size());
  for (const SampleFile& s : fx.samples) {
    const auto it = sources.find(s.mapName);
    ASSERT_NE(it, sources.end()) << s.mapName;
    const ExpandedMap e = ExpandToGrid(s.map);
    ExpectMatches(e, *it->second.first, false, 13, s.mapName);
    if (it->second.second) ExpectMatches(e, *it->second.second, true, 13, s.mapName);
    EXPECT_EQ(s.map.densityB.empty(), it->second.second == nullptr) << s.mapName;
  }
}

TEST(Maps, FunctionsAreInvariantUnderTheirGroups) {
  const Fixture& fx = Get();
  const struct {
    const char* name;
    const MapFunction* f;
    const std::vector<SymOp>* group;
  } rows[] = {{"NaCl Fc", &fx.naclFc, &fx.nacl},
              {"Si Fc", &fx.siFc, &fx.si},
              {"aspirin Fc", &fx.asp.fc, &fx.aspirin},
              {"aspirin Fo-Fc", &fx.asp.difference, &fx.aspirin},
              {"aspirin Patterson", &fx.asp.patterson, &fx.laue}};
  for (const auto& r : rows) {
    for (const auto& p : TestPoints(12)) {
      const double v = (*r.f)(p.data());
      for (const SymOp& op : *r.group) {
        double q[3];
        ApplyOp(op, p.data(), q);
        ASSERT_NEAR((*r.f)(q), v, 1e-9 * (1 + std::fabs(v))) << r.name;
      }
    }
  }
  // The silicon density has no inversion centre at the origin: the group's
  // inversion sits at 1/8 1/8 1/8.
  const double p[3] = {0.1, 0.05, 0.02}, mp[3] = {-0.1, -0.05, -0.02}, ip[3] = {0.15, 0.2, 0.23};
  EXPECT_GT(std::fabs(fx.siFc(p) - fx.siFc(mp)), 1e-3);
  EXPECT_NEAR(fx.siFc(p), fx.siFc(ip), 1e-9);
}

double Mean(const std::vector<double>& v) {
  double s = 0;
  for (double x : v) s += x;
  return s / v.size();
}

TEST(Maps, FcMapsHaveZeroMeanAndCarryTheCellsElectrons) {
  const struct {
    const char* map;
    double f000;
  } rows[] = {{"nacl.fou", 4 * 10 + 4 * 18}, {"si.fou", 8 * 14}, {"aspirin.fou", 4 * 94.0}};
  for (const auto& r : rows) {
    const SampleFile* s = Sample(r.map);
    ASSERT_NE(s, nullptr) << r.map;
    EXPECT_NEAR(s->con.f000, r.f000, 0.05) << r.map;
    EXPECT_EQ(s->con.mapType, kMapFc);
    const ExpandedMap e = ExpandToGrid(s->map);
    const auto [lo, hi] = std::minmax_element(e.a.begin(), e.a.end());
    EXPECT_LT(*lo, 0.0) << r.map;
    EXPECT_GT(*hi, 1.0) << r.map;
    EXPECT_NEAR(Mean(e.a), 0.0, 1e-3) << r.map;
  }
}

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

TEST(Maps, DifferenceMapHasItsLobesAtTheTrueAndMovedSites) {
  for (const char* name : {"aspirin-diff.fou", "aspirin-two.den"}) {
    const SampleFile* s = Sample(name);
    ASSERT_NE(s, nullptr);
    const ExpandedMap e = ExpandToGrid(s->map);
    const std::vector<double>& d = s->map.densityB.empty() ? e.a : e.b;
    const auto hi = std::max_element(d.begin(), d.end()), lo = std::min_element(d.begin(), d.end());
    EXPECT_GT(*hi, 1.0) << name;
    EXPECT_LT(*lo, -1.0) << name;
    const double spacing = 11.233 / 56;
    const auto& g = Get().aspirin;
    EXPECT_LT(DistanceToSite(*s, hi - d.begin(), Aspirin(), kAspirinMovedSite, g), spacing) << name;
    EXPECT_LT(DistanceToSite(*s, lo - d.begin(), AspirinMoved(), kAspirinMovedSite, g), spacing) << name;
    // Away from the moved atom the difference is negligible.
    const auto zero = std::count_if(d.begin(), d.end(), [](double v) { return std::fabs(v) < 1e-3; });
    EXPECT_GT(zero * 4, static_cast<long>(d.size()) * 3) << name;
  }
  EXPECT_EQ(Sample("aspirin-diff.fou")->con.mapType, kMapFoFc);
}

TEST(Maps, PattersonPeaksAtTheOriginAndIsCentrosymmetric) {
  const SampleFile* s = Sample("aspirin-patt.fou");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->con.mapType, kMapPatterson);
  const ExpandedMap e = ExpandToGrid(s->map);
  const auto hi = std::max_element(e.a.begin(), e.a.end());
  EXPECT_EQ(hi - e.a.begin(), 0) << "the maximum is the origin peak";
  EXPECT_GT(e.a[0], *std::max_element(e.a.begin() + 1, e.a.end()));
  EXPECT_NEAR(Mean(e.a), 0.0, 1e-3 * e.a[0]);
  const MapFunction& p = Get().asp.patterson;
  for (const auto& u : TestPoints(50)) {
    const double mu[3] = {-u[0], -u[1], -u[2]};
    const double v = p(u.data());
    EXPECT_NEAR(p(mu), v, 1e-12 * (1 + std::fabs(v)));
    EXPECT_LT(v, e.a[0]);
  }
}

}  // namespace
}  // namespace pyk::sample
