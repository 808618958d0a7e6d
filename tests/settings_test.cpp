// The settings file: sections in order, value lines, messages; start-up and Default View.
#include "settings/ini.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "pure_helpers.h"
#include "settings/startup.h"

namespace pyk::test {
namespace {

const char* const kViewing =
    "[Viewing Parameters]\nw = 800\nh =600\nl = 10\nt = 20\nfovy = 30.5\nnear = 1\nfar = 90\neye = -15\n";
const char* const kLight = "[Light Parameters]\nd = 1 0.5 0.25 1\na = 0.1 0.2 0.3 1\ns = 1 1 1 1\np = 1 2 3 0\n";
const char* const kMaterial = "[Material Color Parameters]\nd = 0.8\na = 0.4\ns = 0.3\nsh = 30\nbg = 0.9 0.8 0.7\n";
const char* const kColor = "[Color Data]\n= 7\n= 4\n= 1\n= 0\n= 0\n= 2\n= 1\n";
const char* const kMesh = "[Mesh Mode Parameters]\n= 1.5\n= 30\n= 40\n= 50\n";
const char* const kFlag = "[Flag]\n= 1\n= 0\n= 1\n= 2\n";

// A fresh state reading its settings from a file in a folder of its own.
struct Ini : Scratch {
  int Read(const std::string& text) {
    WriteText(dir.File("Pyknoscope.ini"), text);
    std::strcpy(s->m_szIniPath, dir.File("Pyknoscope.ini").c_str());
    return ReadIniFile(*s, p);
  }
};

std::string All() { return std::string(kViewing) + kLight + kMaterial + kColor + kMesh + kFlag; }

TEST(Settings, ReadsEveryValueLine) {
  Ini ini;
  ASSERT_EQ(ini.Read("; comment\n\n" + All()), 0);
  EXPECT_TRUE(ini.p.events.empty());
  const auto& s = ini.s;
  EXPECT_EQ(s->m_nWindowTop, 20);
  EXPECT_FLOAT_EQ(s->m_fFovy, 30.5f);
  EXPECT_FLOAT_EQ(s->m_fEyeDistance, -15.0f);
  EXPECT_FLOAT_EQ(s->m_afLightDiffuse[2], 0.25f);
  EXPECT_FLOAT_EQ(s->m_afLightPosition[1], 2.0f);
  EXPECT_FLOAT_EQ(s->m_fMatShininess, 30.0f);
  EXPECT_FLOAT_EQ(s->m_afIniBackColor[2], 0.7f);
  EXPECT_EQ(s->m_nContourBackColor, 7);
  EXPECT_EQ(s->m_nMeshColor, 1);
  EXPECT_FLOAT_EQ(s->m_afMeshParam[0], 1.5f);
  EXPECT_FLOAT_EQ(s->m_afMeshParam[3], 50.0f);
  EXPECT_EQ(s->m_nViewMode, 1);
  EXPECT_EQ(s->m_nColumn, 1);
  EXPECT_EQ(s->m_nMouseMode, 2);
}

TEST(Settings, MissingSectionsGiveTheirMessageAndStopTheRead) {
  const std::string v = kViewing, l = kLight, m = kMaterial, c = kColor, me = kMesh, f = kFlag;
  const struct {
    const char* what;
    std::string text;
    const char* message;
    int meshColor;  // 1 when [Color Data] was read
  } rows[] = {
      {"no viewing", l + m + c + me + f, " No [Viewing Parameters] in ini file !!", 0},
      {"no light", v + m + c + me + f, " No [Default Light Property] in ini file !!", 0},
      {"no material", v + l + c + me + f, "No [Material Parameters] in ini file !!", 0},
      {"no colour", v + l + m + me + f, "No [Color Data] in ini file !!", 0},
      {"no mesh", v + l + m + c + f, "No [Mesh Mode Parameters] in ini file !!", 1},
      {"no flag", v + l + m + c + me, "No [Flag] in ini file !!", 1},
      {"out of order", v + l + c + m + me + f, "No [Color Data] in ini file !!", 0},
      {"header after a blank", " " + v + l + m + c + me + f, " No [Viewing Parameters] in ini file !!", 0},
  };
  for (const auto& r : rows) {
    Ini ini;
    EXPECT_EQ(ini.Read(r.text), 1) << r.what;
    EXPECT_EQ(ini.p.Messages(), std::vector<std::string>{r.message}) << r.what;
    EXPECT_EQ(ini.s->m_nMeshColor, r.meshColor) << r.what;
    EXPECT_EQ(ini.s->m_nMouseMode, 0) << r.what;  // the flags come last and are never reached
  }
}

TEST(Settings, ValueLinesConvertOnlyAfterTheFirstEquals) {
  const struct {
    const char* line;
    int width;
  } rows[] = {{"width = 800", 800}, {"=800", 800},  {"800", 0}, {"a=b=7", 0},
              {"w = 12 px", 12},    {"w = 5\r", 5}, {"", 0},    {"w = x", 0}};
  for (const auto& r : rows) {
    Ini ini;
    std::string text = All();
    ini.Read(text.replace(text.find("w = 800"), 7, r.line));
    EXPECT_EQ(ini.s->m_nWindowWidth, r.width) << r.line;
    EXPECT_EQ(ini.s->m_nWindowHeight, 600) << r.line;
  }
  // A header followed by a comment on its line is still the header; CR LF files read alike.
  Ini ini;
  std::string text = All(), crlf;
  text.replace(text.find("[Flag]"), 6, "[Flag] start-up flags");
  for (char ch : text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  EXPECT_EQ(ini.Read(crlf), 0);
  EXPECT_EQ(ini.s->m_nMouseMode, 2);
  EXPECT_FLOAT_EQ(ini.s->m_afLightAmbient[2], 0.3f);
}

TEST(Settings, ConstructionReadsTheStartUpFolder) {
  TempDir dir;
  const auto cwd = std::filesystem::current_path();
  for (bool present : {true, false}) {
    if (present) WriteText(dir.File("Pyknoscope.ini"), All());
    if (!present) std::filesystem::remove(dir.File("Pyknoscope.ini"));
    std::filesystem::current_path(dir.path());
    auto s = MakeViewState();
    RecordingPlatform p;
    ConstructView(*s, p);
    PrepareViewWindow(*s);
    std::filesystem::current_path(cwd);
    EXPECT_STREQ(s->m_szIniPath, dir.File("Pyknoscope.ini").c_str());
    EXPECT_EQ(s->m_nStatus, present ? 0 : 1);
    EXPECT_EQ(p.Messages(), present ? std::vector<std::string>{} : std::vector<std::string>{"ini file not found !!"});
    EXPECT_EQ(s->m_nWindowWidth, present ? 800 : 0);
    EXPECT_EQ(s->m_fF000, 230.0f);
    EXPECT_EQ(s->m_strMeshExe, dir.File("mesh"));
    EXPECT_EQ(s->m_strMeshOut, dir.File("meshout"));
    EXPECT_EQ(s->m_nSectionCount, 1);
  }
}

TEST(Settings, DefaultViewRereadsResetsReloadsAndRedrawsInOrder) {
  Ini ini;
  auto& [dir, s, p] = ini;
  ASSERT_EQ(ini.Read(All()), 0);
  ASSERT_EQ(LoadText(*s, p, dir, MapText(1, "0 0 0 2.0\n", P1Tail(4, 4, 4))), 0);
  std::filesystem::remove(dir.File("x.con"));
  p.events.clear();
  s->m_bCommandLine = 1;
  s->m_nSection = 3;
  s->m_fHeightScale = 2.0f;
  s->m_fRotX = 45.0f;
  s->m_bGradient = 1;
  s->m_fF000 = 999.0f;
  // The settings now lack their flags and the map has no contour file beside it.
  std::string text = All();
  text.resize(text.find("[Flag]"));
  WriteText(dir.File("Pyknoscope.ini"), text);
  OnDefaultView(*s, p);
  EXPECT_EQ(p.events, (std::vector<std::string>{"message:No [Flag] in ini file !!", "ask:230.00,32", "invalidate"}));
  EXPECT_EQ(s->m_bCommandLine, 0);
  EXPECT_EQ(s->m_nSection, 0);
  EXPECT_EQ(s->m_fHeightScale, 1.0f);
  EXPECT_EQ(s->m_fRotX, 0.0f);
  EXPECT_EQ(s->m_bGradient, 0);
  EXPECT_EQ(s->m_fViewRotX, -60.0f);
  EXPECT_EQ(s->m_nStatus, 0);
  EXPECT_STREQ(s->m_szConFile, dir.File("x.con").c_str());

  // Before any map, Default View rereads and resets but loads nothing and says nothing more.
  auto empty = FreshState();
  RecordingPlatform q;
  std::strcpy(empty->m_szIniPath, dir.File("Pyknoscope.ini").c_str());
  EXPECT_EQ(OnDefaultView(*empty, q), -1);
  EXPECT_EQ(q.events, (std::vector<std::string>{"message:No [Flag] in ini file !!", "invalidate"}));
}

}  // namespace
}  // namespace pyk::test
