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
  std::string failed;
  ASSERT_TRUE(WriteSamples(dir.path().string(), &failed)) << failed;
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    const std::string name = e.path().filename().string();
    const std::string shipped = test::DataFile(name);
    ASSERT_TRUE(std::filesystem::exists(shipped)) << name;
    EXPECT_EQ(test::ReadText(shipped), test::ReadText(e.path().string())) << name;
    EXPECT_LT(std::filesystem::file_size(e.path()), 1u << 20) << name;
    ++files;
  }
  EXPECT_EQ(files, 12);
}

// Every sample loads without a message, and each section the engine cuts on
// the starting face equals the generator's expansion to the six decimals written.
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
    const PlaneAxes ax = AxesOf(s->m_nPlane);
    const int ua = ax.u, va = ax.v;
    ASSERT_EQ(s->m_nSection, 0) << f.mapName;
    for (int u = 0; u <= g[ua]; ++u) {
      for (int v = 0; v <= g[va]; ++v) {
        int p3[3] = {0, 0, 0};
        p3[ua] = u % g[ua];
        p3[va] = v % g[va];
        const double want = e.a[(size_t(p3[2]) * g[1] + p3[1]) * g[0] + p3[0]];
        ASSERT_NEAR(s->m_afSection[u][v], want, 5e-7 + 1.2e-7 * std::fabs(want))
            << f.mapName << " at " << u << " " << v;
      }
    }
  }
}

}  // namespace
}  // namespace pyk::sample
