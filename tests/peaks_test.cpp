// Peak lists: a hand-made map with a worked answer through pyknoscope-report,
// and the shipped aspirin maps against the atoms of their model.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "map/peaks.h"
#include "pure_helpers.h"
#include "support/files.h"
#include "tools/samplemap/cell.h"
#include "tools/samplemap/density.h"
#include "tools/samplemap/map_file.h"
#include "tools/samplemap/patterson.h"
#include "tools/samplemap/samples.h"
#include "tools/samplemap/space_group.h"
#include "tools/samplemap/structures.h"

namespace pyk::test {
namespace {

// Lines from the first that starts with "# N" on.
std::string PeakLines(const std::string& list) { return list.substr(list.find("# N")); }

TEST(Peaks, WorkedMapThroughTheReportTool) {
  // One maximum with neighbours 1 and 2 along x (the parabola puts it 1/6 of
  // a step towards the 2, at 3 + 1/24), and one minimum of -2.
  const std::string map = GridMapText(8, 8, 8, [](int x, int y, int z) {
    if (y == 4 && z == 5 && x >= 2 && x <= 4) return x == 3 ? 3.0 : x == 2 ? 1.0 : 2.0;
    if (x == 3 && z == 5 && (y == 3 || y == 5)) return 1.0;
    return x == 6 && y == 1 && z == 1 ? -2.0 : 0.0;
  });
  // mean 6/512, sigma sqrt(20/512 - (6/512)^2) = 0.19729
  const std::string maximum = "1 0.3958 0.5000 0.6250 3.0417 15.36\n";
  const struct {
    const char* args;
    const char* type;
    std::string lines;
  } rows[] = {
      {"--peaks --whole-map --threshold 0", "0", "# N x y z height height/sigma\n" + maximum},
      {"--peaks --whole-map --threshold 0", "1",
       "# N x y z height height/sigma\n" + maximum + "2 0.7500 0.1250 0.1250 -2.0000 -10.20\n"},
      {"--peaks --section 5 --threshold 0", "1", "# N x y z height height/sigma\n" + maximum},
      {"--peaks --section 1 --threshold 0", "1",
       "# N x y z height height/sigma\n1 0.7500 0.1250 0.1250 -2.0000 -10.20\n"},
      {"--peaks --whole-map --threshold 16", "1", "# N x y z height height/sigma\n"},
  };
  for (const auto& r : rows) {
    TempDir dir;
    WriteText(dir.File("m.fou"), map);
    WriteText(dir.File("m.con"), std::string("0 0 1\n20\n") + r.type + "\n0\n");
    const ToolRun run = RunTool(dir.path(), PYK_REPORT_EXE, std::string(r.args) + " m.fou out.txt m.con");
    ASSERT_EQ(run.status, 0) << r.args << run.err;
    const std::string list = ReadText(dir.File("out.txt"));
    EXPECT_EQ(list.substr(0, 9), "# map m.f") << r.args;
    EXPECT_NE(list.find("# threshold"), std::string::npos) << list;
    EXPECT_EQ(PeakLines(list), r.lines) << r.args << " type " << r.type;
  }
}

// The shortest distance in Angstrom from frac to any image of the site.
double ToSite(const sample::CrystalStructure& c, const std::vector<sample::SymOp>& group, int site,
              const double frac[3]) {
  const sample::Metric metric = sample::CellMetric(c.cell);
  double best = 1e9;
  for (const sample::SymOp& op : group) {
    double q[3], d[3];
    sample::ApplyOp(op, c.sites[site].xyz, q);
    for (int i = 0; i < 3; ++i) d[i] = frac[i] - q[i] - std::round(frac[i] - q[i]);
    best = std::min(best, std::sqrt(sample::Length2(metric, d)));
  }
  return best;
}

std::vector<Peak> WholeMapPeaks(const std::string& path) {
  PeakSearch search;
  search.wholeMap = true;
  return FindPeaks(*LoadedMap(path), search);
}

TEST(Peaks, AspirinsAtomsAndTheMovedOxygen) {
  std::vector<sample::SymOp> group;
  ASSERT_TRUE(sample::GroupFromStrings(sample::Aspirin().generators, &group));
  const sample::CrystalStructure& aspirin = sample::Aspirin();
  // Above 3 sigma the Fc map has exactly one peak for each non-hydrogen atom
  // of the asymmetric unit, on its site.
  const std::vector<Peak> fc = WholeMapPeaks(DataFile("aspirin.fou"));
  int heavy = 0;
  for (size_t site = 0; site < aspirin.sites.size(); ++site) {
    if (std::strcmp(aspirin.sites[site].type, "H") == 0) continue;
    ++heavy;
    double best = 1e9;
    for (const Peak& peak : fc) best = std::min(best, ToSite(aspirin, group, static_cast<int>(site), peak.frac));
    EXPECT_LT(best, 0.1) << aspirin.sites[site].label;
  }
  EXPECT_EQ(static_cast<int>(fc.size()), heavy);
  for (size_t i = 1; i < fc.size(); ++i) EXPECT_GE(fc[i - 1].height, fc[i].height);

  // The difference map (true structure minus the model with O4 moved): its
  // highest maximum on the true O4, its deepest minimum on the moved one.
  const std::vector<Peak> diff = WholeMapPeaks(DataFile("aspirin-diff.fou"));
  ASSERT_GE(diff.size(), 2u);
  EXPECT_GT(diff.front().height, 0.0);
  EXPECT_LT(diff.back().height, 0.0);
  EXPECT_LT(ToSite(aspirin, group, sample::kAspirinMovedSite, diff.front().frac), 0.1);
  EXPECT_LT(ToSite(sample::AspirinMoved(), group, sample::kAspirinMovedSite, diff.back().frac), 0.1);
  for (const Peak& peak : diff) {
    EXPECT_GE(peak.height, diff.back().height);
    EXPECT_LE(peak.height, diff.front().height);
  }
}

// The rock-salt Patterson at u from its structure factors, the F(000) term
// left out: (1/V^2) sum |F(h)|^2 cos(2 pi h.u), where F(h) = 4 (f_Na + f_Cl)
// for h, k, l all even and 4 (f_Na - f_Cl) for all odd, each f with its B.
double RockSaltPattersonFromF(const sample::CrystalStructure& salt, const double u[3]) {
  const double a = salt.cell.a, volume = a * a * a;
  const sample::FormFactor* na = sample::FindFormFactor(salt.sites[0].type);
  const sample::FormFactor* cl = sample::FindFormFactor(salt.sites[1].type);
  double sum = 0.0;
  constexpr int kH = 30;  // s up to 4.6 1/A, where f exp(-B s^2) is below 1e-9
  for (int h = -kH; h <= kH; ++h) {
    for (int k = -kH; k <= kH; ++k) {
      for (int l = -kH; l <= kH; ++l) {
        const int parity = (h & 1) + (k & 1) + (l & 1);
        if ((parity != 0 && parity != 3) || (h == 0 && k == 0 && l == 0)) continue;
        const double s2 = (h * h + k * k + l * l) / (4 * a * a);
        const double fNa = sample::ScatteringFactor(*na, std::sqrt(s2)) * std::exp(-salt.sites[0].biso * s2);
        const double fCl = sample::ScatteringFactor(*cl, std::sqrt(s2)) * std::exp(-salt.sites[1].biso * s2);
        const double f = 4 * (parity == 0 ? fNa + fCl : fNa - fCl);
        sum += f * f * std::cos(2 * M_PI * (h * u[0] + k * u[1] + l * u[2]));
      }
    }
  }
  return sum / (volume * volume);
}

// The Patterson of rock salt: every vector joins two points of the a/2
// lattice. With F centring and m-3m the cell holds two kinds: the origin
// (Na-Na and Cl-Cl, an even number of halves) and 1/2 0 0 (Na-Cl, odd),
// whose heights the structure factors give.
TEST(Peaks, RockSaltPattersonHasTheNaClAndNaNaVectors) {
  const sample::CrystalStructure& salt = sample::RockSalt();
  std::vector<sample::SymOp> group, laue;
  std::vector<sample::CellAtom> atoms;
  ASSERT_TRUE(sample::GroupFromStrings(salt.generators, &group) && sample::LaueGroup(group, &laue));
  ASSERT_TRUE(sample::FillCell(salt, group, &atoms));
  const sample::PattersonModel model = sample::MakePattersonModel(salt.cell, atoms, sample::kCutoffAngstrom);
  const int grid[3] = {32, 32, 32};
  sample::MapData map;
  ASSERT_TRUE(sample::MapSkeleton("NaCl Patterson", salt.cell, laue, sample::OpStyle::kCentroFlag, grid, &map));
  sample::FillValues([&model](const double f[3]) { return sample::PattersonAt(model, f); }, nullptr, &map);
  sample::ConData con;
  con.mapType = sample::kMapPatterson;
  TempDir dir;
  ASSERT_TRUE(sample::WriteMapFile(dir.File("p.fou"), map) && sample::WriteConFile(dir.File("p.con"), con));
  const std::vector<Peak> peaks = WholeMapPeaks(dir.File("p.fou"));
  const double zero[3] = {0, 0, 0}, half[3] = {0.5, 0, 0};
  const double height[2] = {RockSaltPattersonFromF(salt, zero), RockSaltPattersonFromF(salt, half)};
  ASSERT_EQ(peaks.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    int halves = 0;
    for (double f : peaks[i].frac) {
      EXPECT_NEAR(f * 2 - std::round(f * 2), 0.0, 1e-3) << i;
      halves += static_cast<int>(std::round(f * 2)) % 2;
    }
    EXPECT_EQ(halves % 2, i) << "peak " << i + 1 << (i == 0 ? " is not Na-Na" : " is not Na-Cl");
    EXPECT_NEAR(peaks[i].height, height[i], 1e-5 * height[0]) << i;  // Na-Cl at 0.801 of the origin
  }
}

}  // namespace
}  // namespace pyk::test
