// pyknoscope-render started as a user starts it: the files it writes, its messages and status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/files.h"
#include "support/locale.h"
#include "support/maps.h"

namespace pyk::test {
namespace {

struct ToolRun {
  int status;
  std::string err;
};

ToolRun Render(const TempDir& dir, const std::string& args, const std::string& env = "") {
  const std::string cmd = "cd '" + dir.path().string() + "' && " + env + " '" PYK_RENDER_EXE "' " + args + " 2>" +
                          dir.File("err.txt") + " >/dev/null";
  const int raw = std::system(cmd.c_str());
  std::string err = ReadText(dir.File("err.txt"));
  // Qt's own note about its runtime folder is not the tool's message.
  const std::string qt = "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'\n";
  for (size_t at; (at = err.find(qt)) != std::string::npos;) err.erase(at, qt.size());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, err};
}

void WriteSample(const TempDir& dir) {
  std::string records;
  int n = 0;
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 8; ++y, ++n) records += std::to_string(x) + " " + std::to_string(y) + " 0 " +
                                                std::to_string((x - 3.5) * (y - 3.5) / 12.0) + "\n";
  }
  WriteText(dir.File("m.fou"), MapText(n, records, P1Tail(8, 8, 2)));
  WriteText(dir.File("m.con"), kConZ);
  WriteText(dir.File("Pyknoscope.ini"), ReadText(DataFile("Pyknoscope.ini")));
}

TEST(RenderTool, WritesBmpAndPngPictures) {
  TempDir dir;
  WriteSample(dir);
  const struct {
    const char* args;
    const char* out;
    size_t size;  // 0: any
  } rows[] = {
      {"--size 101x37 m.fou m.con a.bmp", "a.bmp", 54 + 304 * 37},
      {"--mode 3d --gradient --rotate 20,10 --size 64x64 m.fou m.con b.bmp", "b.bmp", 54 + 192 * 64},
      {"--face h --section 1 --size 50x40 m.fou m.con c.png", "c.png", 0},
  };
  for (const auto& r : rows) {
    const ToolRun run = Render(dir, r.args);
    EXPECT_EQ(run.status, 0) << r.args << ": " << run.err;
    EXPECT_EQ(run.err, "") << r.args;
    const std::string bytes = ReadText(dir.File(r.out));
    if (r.size != 0) {
      EXPECT_EQ(bytes.size(), r.size) << r.args;
      EXPECT_EQ(bytes.substr(0, 2), "BM");
    } else {
      EXPECT_EQ(bytes.substr(1, 3), "PNG") << r.args;
    }
  }
}

TEST(RenderTool, FailuresGiveClearMessagesAndStatusOne) {
  TempDir dir;
  WriteSample(dir);
  const struct {
    const char* args;
    const char* env;
    const char* err;
  } rows[] = {
      {"m.fou none.con a.bmp", "", "con file not found !!\nData Input Error\n"},
      {"m.fou m.con a.bmp", "env -u DISPLAY",
       "pyknoscope-render: no X display: DISPLAY is not set (start it under Xvfb, e.g. xvfb-run)\n"},
      {"m.fou m.con no/such/a.bmp", "", "pyknoscope-render: no/such/a.bmp: cannot be written\n"},
      {"--size 0x5 m.fou m.con a.bmp", "", nullptr},
      {"--mode mesh m.fou m.con a.bmp", "", nullptr},
  };
  for (const auto& r : rows) {
    const ToolRun run = Render(dir, r.args, r.env);
    EXPECT_EQ(run.status, 1) << r.args;
    if (r.err != nullptr) {
      EXPECT_EQ(run.err, r.err) << r.args;
    } else {
      EXPECT_NE(run.err.find("Usage: pyknoscope-render"), std::string::npos) << r.args << ": " << run.err;
    }
  }
}

TEST(RenderTool, PicturesAreTheSameUnderACommaDecimalLocale) {
  TempDir dir, locales;
  WriteSample(dir);
  const std::string locpath = locales.path().string();
  ASSERT_TRUE(MakeCommaLocale(locpath)) << "localedef could not make " << kCommaLocale;
  ASSERT_EQ(HalfUnder(locpath, kCommaLocale), "0,5") << "the generated locale is not comma-decimal";
  const std::string comma = "env LOCPATH='" + locpath + "' LC_ALL=" + kCommaLocale;
  const char* rows[] = {
      "--size 160x120 m.fou m.con",
      "--mode 3d --rotate 20,10 --size 160x120 m.fou m.con",
  };
  for (const char* args : rows) {
    const ToolRun c = Render(dir, std::string(args) + " c.bmp", "env -u LOCPATH LC_ALL=C");
    const ToolRun de = Render(dir, std::string(args) + " de.bmp", comma);
    EXPECT_EQ(c.status, 0) << args << ": " << c.err;
    EXPECT_EQ(de.status, 0) << args << ": " << de.err;
    const std::string picture = ReadText(dir.File("c.bmp"));
    EXPECT_EQ(picture.size(), 54u + 480 * 120) << args;
    EXPECT_TRUE(ReadText(dir.File("de.bmp")) == picture) << args << ": the pictures differ";
  }
}

}  // namespace
}  // namespace pyk::test
