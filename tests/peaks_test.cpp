// Peak lists: a hand-made map with a worked answer through pyknoscope-report,
// and the shipped aspirin maps against the atoms of their model.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "map/peaks.h"
#include "map/reader.h"
#include "support/files.h"
#include "support/maps.h"
#include "tools/samplemap/cell.h"
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

std::vector<Peak> WholeMapPeaks(const char* name) {
  auto s = FreshState();
  RecordingPlatform p;
  std::strcpy(s->m_szMapFile, DataFile(name).c_str());
  EXPECT_EQ(LoadMap(*s, p), 0) << name;
  PeakSearch search;
  search.wholeMap = true;
  return FindPeaks(*s, search);
}

TEST(Peaks, AspirinsAtomsAndTheMovedOxygen) {
  std::vector<sample::SymOp> group;
  ASSERT_TRUE(sample::GroupFromStrings(sample::Aspirin().generators, &group));
  const sample::CrystalStructure& aspirin = sample::Aspirin();
  // Above 3 sigma the Fc map has exactly one peak for each non-hydrogen atom
  // of the asymmetric unit, on its site.
  const std::vector<Peak> fc = WholeMapPeaks("aspirin.fou");
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
  const std::vector<Peak> diff = WholeMapPeaks("aspirin-diff.fou");
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

}  // namespace
}  // namespace pyk::test
