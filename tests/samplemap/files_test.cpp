// The shipped sample files: exactly what the generator writes, and read by the
// viewer's engine into sections equal to the generator's own expansion.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>

#include "map/reader.h"
#include "map/section.h"
#include "state/view_state.h"
#include "support/files.h"
#include "support/recorder.h"
#include "tools/samplemap/grid_expand.h"
#include "tools/samplemap/samples.h"

namespace pyk::sample {
namespace {

TEST(Files, ShippedFilesAreWhatTheToolWrites) {
  test::TempDir dir;
  const test::ToolRun run = test::RunTool(dir.path(), PYK_SAMPLEMAP_EXE, "out/samples");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path() / "out/samples")) {
    const std::string name = e.path().filename().string();
    const std::string shipped = test::DataFile(name);
    ASSERT_TRUE(std::filesystem::exists(shipped)) << name;
    EXPECT_EQ(test::ReadText(shipped), test::ReadText(e.path().string())) << name;
    EXPECT_LT(std::filesystem::file_size(e.path()), 1u << 20) << name;
    ++files;
  }
  EXPECT_EQ(files, 15);
  EXPECT_EQ(test::RunTool(dir.path(), PYK_SAMPLEMAP_EXE, "-x").status, 1);
}

// Every sample loads without a message, and the sections the engine cuts (the
// starting one, and two of each face) equal the generator's expansion to the
// six decimals written.
TEST(Files, TheEngineCutsTheGeneratorsSections) {
  std::vector<SampleFile> samples;
  ASSERT_TRUE(BuildSamples(&samples));
  for (const SampleFile& f : samples) {
    auto s = MakeViewState();
    ResetViewState(*s);
    test::RecordingPlatform p;
    const std::string map = test::DataFile(f.mapName), con = test::DataFile(f.conName);
    const std::string_view words[3] = {map, "", con};
    ASSERT_EQ(LoadFromArguments(*s, p, words, 3), 0) << f.mapName;
    EXPECT_TRUE(p.events.empty()) << f.mapName;
    EXPECT_EQ(s->m_nMapType, f.con.mapType) << f.mapName;
    EXPECT_GT(s->m_fContourStep, 0.0f) << f.mapName;

    const ExpandedMap e = ExpandToGrid(f.map);
    const int* g = e.grid;
    const auto expect = [&](int plane, int section) {
      const PlaneAxes ax = AxesOf(plane);
      for (int u = 0; u <= g[ax.u]; ++u) {
        for (int v = 0; v <= g[ax.v]; ++v) {
          int p3[3];
          p3[ax.normal] = section;
          p3[ax.u] = u % g[ax.u];
          p3[ax.v] = v % g[ax.v];
          const double want = e.a[(size_t(p3[2]) * g[1] + p3[1]) * g[0] + p3[0]];
          ASSERT_NEAR(s->m_afSection[u][v], want, 5e-7 + 1.2e-7 * std::fabs(want))
              << f.mapName << " plane " << plane << " section " << section << " at " << u << " " << v;
        }
      }
    };
    ASSERT_EQ(s->m_nSection, 0) << f.mapName;
    expect(s->m_nPlane, 0);
    for (const int plane : {kPlaneH00, kPlane0K0, kPlane00L}) {
      for (const int section : {0, 5}) {
        s->m_nPlane = plane;
        s->m_anSectionIndex[plane] = section;
        ComputeSection(*s);
        expect(plane, section);
      }
    }
  }
}

}  // namespace
}  // namespace pyk::sample
