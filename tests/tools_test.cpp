// pyknoscope-report and pyknoscope-render started as a user starts them: the
// files they write, their messages and exit status.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/locale.h"
#include "support/maps.h"

namespace pyk::test {
namespace {

// A folder with a 4 x 6 x 5 map of x - y + z / 2, its contour file asking for
// (0 0 l) of a Patterson map, and the shipped settings unless told otherwise.
struct SampleDir : TempDir {
  explicit SampleDir(bool ini = true) {
    WriteText(File("m.fou"), GridMapText(4, 6, 5, [](int x, int y, int z) { return x - y + 0.5 * z; }));
    WriteText(File("m.con"), "0 0 1\n20\n2\n76.0\n");
    if (ini) WriteText(File("Pyknoscope.ini"), ReadText(DataFile("Pyknoscope.ini")));
  }
};

ToolRun Report(const TempDir& dir, const std::string& args) { return RunTool(dir.path(), PYK_REPORT_EXE, args); }
// Mesa's driver is unloaded before LeakSanitizer would report, so a sanitized
// build's render tool runs without leak checks.
ToolRun Render(const TempDir& dir, const std::string& args, const std::string& env = "") {
  return RunTool(dir.path(), PYK_RENDER_EXE, args, "env ASAN_OPTIONS=detect_leaks=0 " + env);
}

TEST(ReportTool, WritesTheChosenFaceAndSection) {
  const struct {
    const char* args;
    const char* total;
    const char* current;
    const char* firstSample;
    long samples;
  } rows[] = {
      {"", "=5\n", "=0\n", "0.0000000000e+00", 5 * 7},
      {"--face h --section 2", "=4\n", "=2\n", "2.0000000000e+00", 7 * 6},
      {"--face k --section 99", "=6\n", "=6\n", "0.0000000000e+00", 5 * 6},
      {"--section -3", "=5\n", "=0\n", "0.0000000000e+00", 5 * 7},
      {"--at -0.4 --face l", "=5\n", "=3\n", "1.5000000000e+00", 5 * 7},  // 0.6 of 5, after the face
  };
  for (const auto& row : rows) {
    const SampleDir dir;
    const ToolRun r = Report(dir, std::string(row.args) + " m.fou r.fmap m.con");
    ASSERT_EQ(r.status, 0) << row.args << ": " << r.err;
    EXPECT_EQ(r.err, "") << row.args;
    const std::string text = ReadText(dir.File("r.fmap"));
    // Read with its contour file from the command line: the type and F(000) are known.
    EXPECT_NE(text.find("    Type  : Patterson\n    F(000)= 76.0000\n    Fmin  = -5.0000\n    Fmax  =  5.0000\n"),
              std::string::npos)
        << row.args;
    EXPECT_NE(text.find(std::string("    Total   Section ") + row.total), std::string::npos) << row.args;
    EXPECT_NE(text.find(std::string("    Current Section ") + row.current), std::string::npos) << row.args;
    const std::string samples = text.substr(text.find("    x  y      p\n") + 16);
    EXPECT_EQ(samples.rfind(std::string("    0  0    ") + row.firstSample + "\n", 0), 0u) << row.args;
    EXPECT_EQ(std::count(samples.begin(), samples.end(), '\n'), row.samples) << row.args;
  }
}

TEST(ReportTool, FailuresGiveTheMessagesInOrderAndStatusOne) {
  const struct {
    const char *args, *err;
  } rows[] = {
      {"m.fou r.fmap none.con", "con file not found !!\nData Input Error\n"},
      {"m.fou no/such/r.fmap m.con", "Output file not created !!\nOutput file cannot repared !!!\n"},
  };
  for (const auto& row : rows) {
    const SampleDir dir;
    const ToolRun r = Report(dir, row.args);
    EXPECT_EQ(r.status, 1) << row.args;
    EXPECT_EQ(r.err, row.err) << row.args;
  }
}

TEST(ReportTool, UsageAndAMissingSettingsFile) {
  const SampleDir dir(false);
  ToolRun r = Report(dir, "--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Usage: pyknoscope-report", 0), 0u);
  for (const char* bad : {"", "m.fou r.fmap", "--face x m.fou r.fmap m.con", "--section 2x m.fou r.fmap m.con",
                          "--bogus m.fou r.fmap m.con", "a b c d", "--at x m.fou r.fmap m.con",
                          "--at 0.5x m.fou r.fmap m.con", "--section 1 --at 0.5 m.fou r.fmap m.con"}) {
    r = Report(dir, bad);
    EXPECT_EQ(r.status, 1) << bad;
    EXPECT_NE(r.err.find("Usage:"), std::string::npos) << bad;
  }
  r = Report(dir, "--at x m.fou r.fmap m.con");
  EXPECT_EQ(r.err.rfind("pyknoscope-report: --at needs a number\n", 0), 0u) << r.err;
  r = Report(dir, "m.fou r.fmap m.con");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "ini file not found !!\n");
  EXPECT_TRUE(std::filesystem::exists(dir.File("r.fmap")));
}

TEST(RenderTool, WritesBmpAndPngPictures) {
  const SampleDir dir;
  const struct {
    const char* args;
    const char* out;
    size_t size;  // 0: a PNG file
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
    if (r.size == 0) {
      EXPECT_EQ(bytes.substr(1, 3), "PNG") << r.args;
      continue;
    }
    ASSERT_EQ(bytes.size(), r.size) << r.args;
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    // The bottom-left pixel, stored first as blue, green, red: the shipped window background.
    EXPECT_EQ(bytes.substr(54, 3), "\xE0\xEB\xEB") << r.args;
  }
}

TEST(RenderTool, FailuresGiveClearMessagesAndStatusOne) {
  const SampleDir dir;
  const struct {
    const char* args;
    const char* env;
    const char* err;  // null: the usage
  } rows[] = {
      {"m.fou m.con a.bmp", "env -u DISPLAY",
       "pyknoscope-render: no X display: DISPLAY is not set (start it under Xvfb, e.g. xvfb-run)\n"},
      {"m.fou m.con no/such/a.bmp", "", "pyknoscope-render: no/such/a.bmp: cannot be written\n"},
      {"--size 0x5 m.fou m.con a.bmp", "", nullptr},
      {"--mode mesh m.fou m.con a.bmp", "", nullptr},
      {"--sigma-step 0 m.fou m.con a.bmp", "", nullptr},
      {"--model none.cif m.fou m.con a.bmp", "", "none.cif: the coordinate file cannot be opened\n"},
      {"m.fou m.con a.bmp --model", "", nullptr},
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
  const SampleDir dir;
  const TempDir locales;
  const std::string locpath = locales.path().string();
  ASSERT_TRUE(MakeCommaLocale(locpath)) << "localedef could not make " << kCommaLocale;
  ASSERT_EQ(HalfUnder(locpath, kCommaLocale), "0,5") << "the generated locale is not comma-decimal";
  const std::string comma = "env LOCPATH='" + locpath + "' LC_ALL=" + kCommaLocale;
  WriteText(dir.File("m.cif"),
            "data_m\n_cell_length_a 4\n_cell_length_b 6\n_cell_length_c 5\n_cell_angle_alpha 90\n"
            "_cell_angle_beta 90\n_cell_angle_gamma 90\n_symmetry_space_group_name_H-M 'P 1'\n"
            "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
            "C1 0.25 0.5 0.0\n");
  for (const char* args : {"--size 160x120 m.fou m.con", "--mode 3d --rotate 20,10 --size 160x120 m.fou m.con",
                           "--sigma-step 0.5 --symmetric --dashed --peaks --model m.cif --size 160x120 m.fou m.con"}) {
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
