// The viewer's side of the mesh exchange: meshinp as written, meshout as
// read, and the calculation's outcome with a stand-in for the mesh program.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "support/maps.h"
#include "text/c_numbers.h"

namespace pyk::test {
namespace {

// The recording platform whose "mesh program" is a function run in place.
class StandInPlatform : public RecordingPlatform {
 public:
  bool RunProgramAndWait(const char* exe, const char* folder) override {
    events.push_back(std::string("run:") + exe + " in " + folder);
    return program ? program() : false;
  }
  std::function<bool()> program;
};

// A 2 x 1 section with a height factor of 2 and the mesh paths in folder dir.
std::unique_ptr<ViewState> MeshState(const TempDir& dir) {
  auto s = ViewerSection(MeshInput{.param = 1, .distance = 30, .theta = 32, .phi = 60, .edgeU = 10, .edgeV = 12.5f,
                                   .angle = 90, .width = 641, .height = 480, .minDensity = -0.5f, .maxDensity = 2.25f,
                                   .nu = 2, .nv = 1, .values = {0, 1, -0.25f, 2.25f, 0, 1}});
  s->m_fHeightScale = 2.0f;
  std::strcpy(s->m_szCurDir, dir.path().c_str());
  s->m_strMeshExe = dir.File("mesh");
  s->m_strMeshInp = dir.File("meshinp");
  s->m_strMeshOut = dir.File("meshout");
  return s;
}

TEST(MeshExchange, WritesMeshinpLineByLine) {
  TempDir dir;
  auto s = MeshState(dir);
  StandInPlatform p;
  std::string seen;
  p.program = [&] {
    seen = ReadText(dir.File("meshinp"));
    return false;
  };
  CalculateMesh(*s, p);
  EXPECT_EQ(seen,
            "1.00\n"
            "  30.0  32.00 60.0\n"
            "10.0000 12.5000  90.00\n"
            "641 480\n"
            "  -0.5000    2.2500\n"
            "2 1\n"
            "   0.0000\n   2.0000\n"  // height factor times the density, i outer, j inner
            "  -0.5000\n   4.5000\n"
            "   0.0000\n   2.0000\n");
  EXPECT_EQ(p.events.front(), "run:" + dir.File("mesh") + " in " + dir.path().string());
}

TEST(MeshExchange, ReadsMeshoutRecords) {
  const std::string header = "1 2 3 4 5 6 7 8 9 10 11 12\n";
  std::string many = header;  // more records than the viewer keeps
  for (int k = 1; k <= 30005; ++k) many += std::to_string(k) + " 0 1\n";
  const struct {
    const char* what;
    std::string text;
    int count;
    float m1, e6;      // the first axis number and the last view number
    float x1, y1, x3;  // records 1 and 3
  } rows[] = {
      {"header on one line", header + "10 20 1\n30 40 0\n50 60 1\n", 3, 1, 12, 10, 20, 50},
      {"header over many lines, rest of line ignored", "1\n2\n3 4\n5 6 7 8 9 10\n11 12 99 99\n10 20 1\n", 1, 1, 12,
       10, 20, -1},
      {"odd count kept", header + "1 2 0\n3 4 0\n5 6 0\n", 3, 1, 12, 1, 2, 5},
      // 150 characters count as two records: the long line's last 11 are record 3.
      {"a long line is two records", header + "1 2 0\n" + std::string(150, '7') + "\n", 3, 1, 12, 1, 2,
       77777777777.0f},
      {"empty file keeps the numbers", "", 0, -1, -1, -1, -1, -1},
      {"at most 29,999 records", many, kMaxMeshRecords - 1, 1, 12, 1, 0, 3},
  };
  for (const auto& r : rows) {
    TempDir dir;
    auto s = MeshState(dir);
    for (int k = 0; k < 7; ++k) s->m_afMeshAxis[k] = -1.0f;
    for (float& e : s->m_afMeshView) e = -1.0f;
    for (int k = 0; k < 4; ++k) s->m_afMeshX[k] = s->m_afMeshY[k] = -1.0f;
    StandInPlatform p;
    p.program = [&] {
      WriteText(dir.File("meshout"), r.text);
      return true;
    };
    EXPECT_EQ(CalculateMesh(*s, p), 0) << r.what;
    EXPECT_TRUE(p.Messages().empty()) << r.what;
    EXPECT_EQ(s->m_nMeshCount, r.count) << r.what;
    EXPECT_EQ(s->m_afMeshAxis[1], r.m1) << r.what;
    EXPECT_EQ(s->m_afMeshView[5], r.e6) << r.what;
    EXPECT_EQ(s->m_afMeshAxis[0], -1.0f) << r.what << ": entry 0 is never written";
    EXPECT_EQ(s->m_afMeshX[1], r.x1) << r.what;
    EXPECT_EQ(s->m_afMeshY[1], r.y1) << r.what;
    EXPECT_EQ(s->m_afMeshX[3], r.x3) << r.what;
    if (r.count > 3) {
      EXPECT_EQ(s->m_afMeshX[r.count], static_cast<float>(r.count)) << r.what;
    }
  }
}

// A record line reads as sscanf's "%f %f %d" reads it, whether or not it is
// in the mesh program's own form; unread fields keep what they held.
TEST(MeshExchange, RecordLinesReadAsSscanfReadsThem) {
  const char* lines[] = {"12.345 -0.500 3\n", "-0.000 0.000 2", "1 2 3", "1.5 2.25 -7 rest", "0.1 0.2 1234567890",
                         "1e3 2 3",          " 1.5 2 3",       "1.5  2 3", "1.5 x 3",        "5. 6. 2",
                         "-.5 .5 2",         "+1 +2 +3",       "0x10 1 1", "nan inf 1",      "1.5 2.5",
                         "3.4e39 1 1",       "99999999999999999999999999999999999999999999.000 1 1", "-", ""};
  for (const char* line : lines) {
    float x = -9, y = -9, sx = -9, sy = -9;
    int f = -9, sf = -9;
    ScanMeshRecord(line, &x, &y, &f);
    ScanC(line, "%f %f %d", &sx, &sy, &sf);
    EXPECT_EQ(std::memcmp(&x, &sx, sizeof x), 0) << line;
    EXPECT_EQ(std::memcmp(&y, &sy, sizeof y), 0) << line;
    EXPECT_EQ(f, sf) << line;
  }
}

TEST(MeshExchange, FailuresNeverReadAnOldMeshout) {
  const struct {
    const char* what;
    bool meshinpFolderMissing;
    bool programOk;
    bool programWrites;
  } rows[] = {
      {"the program fails", false, false, false},
      {"the program succeeds but writes nothing (stale output)", false, true, false},
      {"the program fails after writing", false, false, true},
      {"meshinp cannot be created", true, true, true},
  };
  for (const auto& r : rows) {
    TempDir dir;
    auto s = MeshState(dir);
    if (r.meshinpFolderMissing) s->m_strMeshInp = dir.File("no/such/meshinp");
    WriteText(dir.File("meshout"), "9 9 9 9 9 9 9 9 9 9 9 9\n1 1 1\n");  // an earlier run's output
    s->m_afMeshAxis[1] = 5.0f;
    s->m_nMeshCount = 7;
    StandInPlatform p;
    p.program = [&] {
      if (r.programWrites) WriteText(dir.File("meshout"), "1 2 3 4 5 6 7 8 9 10 11 12\n");
      return r.programOk;
    };
    EXPECT_EQ(CalculateMesh(*s, p), 1) << r.what;
    EXPECT_EQ(p.Messages(), std::vector<std::string>{"Mesh calculation failed !!!"}) << r.what;
    EXPECT_EQ(s->m_afMeshAxis[1], 5.0f) << r.what << ": the previous results remain";
    EXPECT_EQ(s->m_nMeshCount, 7) << r.what;
  }
}

}  // namespace
}  // namespace pyk::test
