// pyknoscope-report started as a user starts it: exit status, messages and the report file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <cstring>

#include "map/reader.h"
#include "map/report.h"
#include "support/maps.h"

namespace pyk::test {
namespace {

struct ToolRun {
  int status;
  std::string out, err;
};

// Runs the tool in dir with the given arguments.
ToolRun RunTool(const TempDir& dir, const std::string& args) {
  const std::string cmd = "cd '" + dir.path().string() + "' && '" PYK_REPORT_EXE "' " + args + " >" +
                          dir.File("out.txt") + " 2>" + dir.File("err.txt");
  const int raw = std::system(cmd.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadText(dir.File("out.txt")), ReadText(dir.File("err.txt"))};
}

// A 4 x 6 x 5 map with a contour file asking for (0 0 l) and an ini file.
void WriteSample(const TempDir& dir, bool ini = true) {
  std::string records;
  int n = 0;
  for (int x = 0; x < 4; ++x) {
    for (int y = 0; y < 6; ++y) {
      for (int z = 0; z < 5; ++z, ++n) {
        records += std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + " " +
                   std::to_string(x - y + 0.5 * z) + "\n";
      }
    }
  }
  WriteText(dir.File("m.fou"), MapText(n, records, P1Tail(4, 6, 5)));
  WriteText(dir.File("m.con"), "0 0 1\n20\n2\n76.0\n");
  if (ini) WriteText(dir.File("Pyknoscope.ini"), ReadText(DataFile("Pyknoscope.ini")));
}

TEST(ReportTool, WritesTheReportAsTheViewerDoes) {
  TempDir dir;
  WriteSample(dir);
  const ToolRun r = RunTool(dir, "m.fou r.fmap m.con");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  // The same load in this process, written the viewer's way.
  auto s = FreshState();
  RecordingPlatform p;
  const std::string paths[3] = {dir.File("m.fou"), dir.File("r2.fmap"), dir.File("m.con")};
  const std::string_view words[3] = {paths[0], paths[1], paths[2]};
  ASSERT_EQ(LoadFromArguments(*s, p, words, 3), 0);
  ASSERT_EQ(WriteDensityList(*s, p), 0);
  const std::string text = ReadText(dir.File("r.fmap"));
  EXPECT_EQ(text, ReadText(dir.File("r2.fmap")));
  EXPECT_NE(text.find("    Type  : Patterson\n    F(000)= 76.0000\n"), std::string::npos);
}

TEST(ReportTool, FaceAndSectionOptions) {
  const struct {
    const char* args;
    const char* total;
    const char* current;
    const char* firstSample;
  } rows[] = {
      {"--face h --section 2", "Total   Section =4\n", "Current Section =2\n", "    0  0    2.0000000000e+00\n"},
      {"--face k --section 99", "Total   Section =6\n", "Current Section =6\n", "    0  0    0.0000000000e+00\n"},
      {"--section -3", "Total   Section =5\n", "Current Section =0\n", "    0  0    0.0000000000e+00\n"},
      {"--section 3 --face l", "Total   Section =5\n", "Current Section =3\n", "    0  0    1.5000000000e+00\n"},
  };
  for (const auto& row : rows) {
    TempDir dir;
    WriteSample(dir);
    const ToolRun r = RunTool(dir, std::string(row.args) + " m.fou r.fmap m.con");
    ASSERT_EQ(r.status, 0) << row.args << ": " << r.err;
    const std::string text = ReadText(dir.File("r.fmap"));
    EXPECT_NE(text.find(row.total), std::string::npos) << row.args;
    EXPECT_NE(text.find(row.current), std::string::npos) << row.args;
    EXPECT_NE(text.find(row.firstSample), std::string::npos) << row.args << "\n" << text.substr(0, 500);
  }
}

TEST(ReportTool, FailuresGiveTheMessagesInOrderAndStatusOne) {
  const struct {
    const char* args;
    int status;
    const char* err;
  } rows[] = {
      {"m.fou r.fmap none.con", 1, "con file not found !!\nData Input Error\n"},
      {"none.fou r.fmap m.con", 1, "fou file not found !!\nData Input Error\n"},
      {". r.fmap m.con", 1, "fou file not found !!\nData Input Error\n"},
      {"m.fou no/such/r.fmap m.con", 1, "Output file not created !!\nOutput file cannot repared !!!\n"},
  };
  for (const auto& row : rows) {
    TempDir dir;
    WriteSample(dir);
    const ToolRun r = RunTool(dir, row.args);
    EXPECT_EQ(r.status, row.status) << row.args;
    EXPECT_EQ(r.err, row.err) << row.args;
  }
}

TEST(ReportTool, UsageAndAMissingSettingsFile) {
  TempDir dir;
  WriteSample(dir, false);
  ToolRun r = RunTool(dir, "--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Usage: pyknoscope-report", 0), 0u);
  for (const char* bad : {"", "m.fou r.fmap", "--face x m.fou r.fmap m.con", "--section 2x m.fou r.fmap m.con",
                          "--bogus m.fou r.fmap m.con", "a b c d"}) {
    r = RunTool(dir, bad);
    EXPECT_EQ(r.status, 1) << bad;
    EXPECT_NE(r.err.find("Usage:"), std::string::npos) << bad;
  }
  r = RunTool(dir, "m.fou r.fmap m.con");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "ini file not found !!\n");
  EXPECT_TRUE(std::filesystem::exists(dir.File("r.fmap")));
}

}  // namespace
}  // namespace pyk::test
