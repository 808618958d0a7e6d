// The density report's exact text and its type lines (the tools' and the viewer's
// tests give its failures).
#include "map/report.h"

#include <gtest/gtest.h>

#include <cstring>

#include "map/reader.h"
#include "pure_helpers.h"

namespace pyk::test {
namespace {

TEST(Report, WritesTheExactLines) {
  auto [dir, s, p] = Scratch();
  s->m_bCommandLine = 1;
  s->m_nMapType = 1;
  s->m_fF000 = 230.0f;
  s->m_fMinDensity = -0.5f;
  s->m_fMaxDensity = 2.37f;
  s->m_nSection = 5;
  s->m_nSectionCount = 20;
  s->m_fContourStep = 0.14f;
  s->m_nGridU = 4;
  s->m_nGridV = 6;
  s->m_afSection[0][0] = 1.25f;
  s->m_afSection[4][6] = -0.000123f;
  std::strcpy(s->m_szListFile, dir.File("r.fmap").c_str());
  ASSERT_EQ(WriteDensityList(*s, p), 0);
  const std::string text = ReadText(dir.File("r.fmap"));
  const std::string head =
      "<Fourier calculation>\n\n"
      "    Plane :  (0.0 0.0 1.0)\n"
      "    Type  : (Fo-Fc)\n"
      "    F(000)=230.0000\n"
      "    Fmin  = -0.5000\n"
      "    Fmax  =  2.3700\n"
      "    Total   Section =20\n"
      "    Current Section =5\n"
      "    Contour z level =0.2500\n"
      "    Contour dz      =0.1400\n\n"
      "  Electron density p(xyz) list\n"
      "    x  y      p\n"
      "    0  0    1.2500000000e+00\n"
      "    1  0    0.0000000000e+00\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  // -0.000123 as a float is -1.23000005260e-04.
  const std::string tail = "    3  6    0.0000000000e+00\n    4  6   -1.2300000526e-04\n";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  const std::string samples = text.substr(text.find("    x  y      p\n") + 16);
  EXPECT_EQ(std::count(samples.begin(), samples.end(), '\n'), 35);  // (4 + 1) x (6 + 1)
  EXPECT_TRUE(p.events.empty());
}

TEST(Report, TypeAndF000LinesFollowTheStartAndTheMapType) {
  const struct {
    int commandLine, type;
    const char* lines;
  } rows[] = {
      {1, 0, "    Type  : Fc\n    F(000)=123.4560\n"},
      {1, 2, "    Type  : Patterson\n    F(000)=123.4560\n"},
      {1, 7, "    F(000)=123.4560\n"},
      {0, 1, "    Type  : ?\n    F(000)= ?\n"},
  };
  for (const auto& r : rows) {
    auto s = FreshState();
    s->m_bCommandLine = r.commandLine;
    s->m_nMapType = r.type;
    s->m_fF000 = 123.456f;
    s->m_nSectionCount = 1;
    const std::string text = Written([&](FILE* f) { WriteDensityReport(*s, f); });
    const size_t from = text.find(")\n") + 2;
    const size_t to = text.find("    Fmin");
    EXPECT_EQ(text.substr(from, to - from), r.lines);
  }
}

}  // namespace
}  // namespace pyk::test
