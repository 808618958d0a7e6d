// meshinp as the viewer writes it, read by the mesh program's parser and by
// the real program run in a folder of its own; its meshout read back with the
// viewer's own reader; every kind of bad file refused with its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "mesh/input.h"
#include "mesh/projection.h"
#include "mesh/sections.h"
#include "support/maps.h"

namespace pyk {
namespace {

using test::ViewerMeshinp;
using test::ViewerSection;

// text with its line-th line (from 1) replaced, or joined with the next when with is null.
std::string ChangeLine(std::string text, int line, const char* with) {
  size_t a = 0;
  for (int k = 1; k < line; ++k) a = text.find('\n', a) + 1;
  const size_t b = text.find('\n', a);
  return with == nullptr ? text.replace(b, 1, " ") : text.replace(a, b - a, with);
}

TEST(MeshInput, ReadsTheViewersFormat) {
  MeshInput want = meshtest::MakeSection(2, 3, [](int i, int j) { return 10.0 * i + j; });
  want.param = 1.5f;
  MeshInput in;
  std::string error;
  ASSERT_EQ(ParseMeshInput(ViewerMeshinp(want), "meshinp", &in, &error), 0) << error;
  const float got[] = {in.param,         in.distance,  in.theta,      in.phi,        in.edgeU,
                       in.edgeV,         in.angle,     in.minDensity, in.maxDensity, float(in.width),
                       float(in.height), float(in.nu), float(in.nv)};
  const float expected[] = {1.5f, 30, 30, 60, 12.3f, 15.1f, 104.5f, -1, 8, 900, 720, 2, 3};
  for (int k = 0; k < 13; ++k) EXPECT_FLOAT_EQ(got[k], expected[k]) << "number " << k;
  EXPECT_EQ(in.values, want.values);
}

TEST(MeshProgram, WritesWhatTheViewerReads) {
  const struct {
    int n;
    float theta, phi;
    int width, height;
  } rows[] = {{40, 30, 60, 900, 720}, {149, -50, 45, 1024, 768}, {12, 200, 80, 320, 240}};
  for (const auto& r : rows) {
    // A gentle swell, so that all four corners are in sight.
    MeshInput in = meshtest::MakeSection(
        r.n, r.n, [&](int i, int j) { return 2.0 + std::sin(6.2831853 * i / r.n) * std::cos(6.2831853 * j / r.n); });
    in.theta = r.theta;
    in.phi = r.phi;
    in.width = r.width;
    in.height = r.height;
    test::TempDir dir;
    test::WriteText(dir.File("meshinp"), ViewerMeshinp(in));
    test::WriteText(dir.File("meshout"), "stale output of an earlier run\n");
    const test::ToolRun run = test::RunTool(dir.path(), PYK_MESH_EXE, "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(std::filesystem::exists(dir.File("meshout.tmp")));
    auto s = ViewerSection(in);
    std::fill(s->m_afMeshX, s->m_afMeshX + kMaxMeshRecords, -1.0f);  // a line that does not convert stays -1
    FILE* f = std::fopen(dir.File("meshout").c_str(), "r");
    ASSERT_NE(f, nullptr);
    ReadMeshOutput(*s, f);
    std::fclose(f);
    const int count = s->m_nMeshCount;
    ASSERT_GT(count, 0) << "n " << r.n;
    EXPECT_EQ(count % 2, 0) << "n " << r.n << ": whole segments within the viewer's 29,999 records";
    for (int k = 1; k <= count; ++k) {
      const float x = s->m_afMeshX[k], y = s->m_afMeshY[k];
      ASSERT_TRUE(x >= 0 && x <= r.width && y >= 0 && y <= r.height) << "record " << k << " at " << x << "," << y;
      // A record on the header's line would be skipped and shift the pen flags.
      ASSERT_EQ(s->m_anMeshFlag[k], k % 2 == 1 ? 3 : 2) << "record " << k;
    }
    // The corners, placed through m1..m6 at the viewer's grid (i + 1, j + 1)
    // and at their heights (the map's range spans half the longer edge of 10
    // units, and the lowest point stands 0.3 above the base plane), projected
    // through e1..e6 as the viewer does, are ends of segments.
    const float* m = s->m_afMeshAxis;
    const float* e = s->m_afMeshView;
    const float scale = 0.5f * 10.0f / (in.maxDensity - in.minDensity);
    const float lowest = *std::min_element(in.values.begin(), in.values.end());
    for (const int i : {0, r.n}) {
      for (const int j : {0, r.n}) {
        const float px = m[1] + (i + 1) * m[2] + (j + 1) * m[3];
        const float py = m[4] + (i + 1) * m[5] + (j + 1) * m[6];
        const float pz = (in.Value(i, j) - lowest) * in.param * scale + 0.3f;
        float p[3];
        ProjectMeshPoint(in.distance, in.theta, in.phi, px - e[0], py - e[1], pz - e[2], p);
        const float sx = p[0] * e[3] / p[2] + e[4], sy = p[1] * e[3] / p[2] + e[5];
        double nearest = 1e9;
        for (int k = 1; k <= count; ++k) {
          nearest = std::fmin(nearest, std::hypot(s->m_afMeshX[k] - sx, s->m_afMeshY[k] - sy));
        }
        EXPECT_LT(nearest, 1.0) << "n " << r.n << " corner " << i << "," << j;
      }
    }
  }
}

// Every kind of bad file refused with its line in one line on standard error,
// and no meshout left that the viewer could take for this run's.
TEST(MeshProgram, InputTable) {
  const std::string valid = ViewerMeshinp(meshtest::MakeSection(2, 3, [](int i, int j) { return 10.0 * i + j; }));
  std::string crlf;
  for (const char c : valid) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::string lastValueRemoved = valid.substr(0, valid.rfind('\n', valid.size() - 2) + 1);
  const struct {
    const char* name;
    std::string text;     // "-": no meshinp at all
    const char* message;  // a part of the message; null for a valid file
  } rows[] = {
      {"valid", valid, nullptr},
      {"CR LF line ends", crlf, nullptr},
      {"two values on one line", ChangeLine(valid, 7, nullptr), nullptr},
      {"missing file", "-", "meshinp: cannot open"},
      {"empty", "", "ends before line 1"},
      {"last value missing", lastValueRemoved, "ends after 11 of the 12 values"},
      {"one value too many", valid + "5.0\n", "line 19: more than the 12 values"},
      {"letters on line 2", ChangeLine(valid, 2, "  30.0 abc 60.0"), "line 2: \"abc\" is not a finite number"},
      {"letters in a value", ChangeLine(valid, 9, "1.0x"), "line 9: \"1.0x\""},
      {"two numbers on line 2", ChangeLine(valid, 2, "30.0 30.0"), "line 2: 3 numbers expected"},
      {"four numbers on line 3", ChangeLine(valid, 3, "1 2 90 4"), "line 3: more than 3"},
      {"Nv = 0", ChangeLine(valid, 6, "2 0"), "line 6: grid of 2 x 0 cells"},
      {"Nu = 150", ChangeLine(valid, 6, "150 3"), "outside 1..149"},
      {"Nu not an integer", ChangeLine(valid, 6, "2.5 3"), "line 6: \"2.5\" is not an integer"},
      {"width 0", ChangeLine(valid, 4, "0 720"), "line 4: client size 0 x 720"},
      {"height too large", ChangeLine(valid, 4, "900 10001"), "line 4"},
      {"NaN value", ChangeLine(valid, 8, "nan"), "line 8: \"nan\" is not a finite number"},
      {"value beyond float", ChangeLine(valid, 10, "1e39"), "line 10"},
      {"zero edge", ChangeLine(valid, 3, "0.0 15.1 90.0"), "cell edges"},
      {"flat angle", ChangeLine(valid, 3, "12.3 15.1 180.00"), "cell angle 180"},
      {"eye inside the mesh", ChangeLine(valid, 2, "   2.0  30.00 60.0"), "line 2: viewing distance"},
  };
  const std::string stale = "0 0 0 0 0 0\n1 1 1 1 1 1\n1 2 3\n4 5 2\n";  // an earlier run's meshout
  for (const auto& r : rows) {
    test::TempDir dir;
    if (r.text != "-") test::WriteText(dir.File("meshinp"), r.text);
    test::WriteText(dir.File("meshout"), stale);
    const test::ToolRun run = test::RunTool(dir.path(), PYK_MESH_EXE, "");
    EXPECT_EQ(run.status, r.message == nullptr ? 0 : 1) << r.name;
    EXPECT_EQ(std::filesystem::exists(dir.File("meshout")), r.message == nullptr) << r.name;
    EXPECT_FALSE(std::filesystem::exists(dir.File("meshout.tmp"))) << r.name;
    if (r.message == nullptr) {
      EXPECT_EQ(run.err, "") << r.name;
      EXPECT_NE(test::ReadText(dir.File("meshout")), stale) << r.name;
      continue;
    }
    EXPECT_NE(run.err.find(r.message), std::string::npos) << r.name << ": " << run.err;
    EXPECT_EQ(run.err.rfind("mesh: meshinp: ", 0), 0u) << r.name << ": " << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << r.name << ": one line wanted: " << run.err;
  }
  const test::ToolRun run = test::RunTool(test::TempDir().path(), PYK_MESH_EXE, "extra");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.rfind("usage: mesh", 0), 0u) << run.err;
}

}  // namespace
}  // namespace pyk
