// The map and contour-file reader on real files: values, messages and refusals.
#include "map/reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "map/paths.h"
#include "pure_helpers.h"
#include "reference/fscanf_reader.h"

namespace pyk::test {
namespace {

// A P1 map of 250,000 records (enough to be read in two halves at once), one
// a line unless the edit joins, splits or changes some of the lines; the
// range's ends lie in the second half.
std::string ManyRecords(const std::function<void(std::vector<std::string>&)>& edit = {}) {
  std::vector<std::string> lines;
  for (int n = 0; n < 250000; ++n) {
    lines.push_back(std::to_string(n % 50) + " " + std::to_string(n / 50 % 50) + " " + std::to_string(n / 2500) + " " +
                    std::to_string((n * 37 % 1000) / 100.0 - 4.5) + "\n");
  }
  lines[130000] = "0 0 52 -6.5\n";
  lines[249999] = "49 49 99 7.25\n";
  if (edit) edit(lines);
  std::string records;
  for (const std::string& l : lines) records += l;
  return MapText(250000, records, P1Tail(50, 50, 100));
}

TEST(Reader, TwoColumnTestLooksAtTheFifthToken) {
  const struct {
    const char* line;
    bool two;
  } rows[] = {
      {"0 0 0 1.5 2.5\n", true},
      {"0 0 0 1.5 2\n", false},
      {"0 0 0 1.5\n", false},
      {"0 0 0 1 2.5 7\n", true},
      {"  0\t0 0 3 .5\r\n", true},
      {"0 0 0 1.5 \0 2.5", false},
      {"", false},
  };
  for (const auto& r : rows) EXPECT_EQ(LooksTwoColumn(r.line), r.two) << r.line;
}

// The records, cell, grid and operations themselves are compared with the C
// stream's reading below.
TEST(Reader, LoadsCountsRangeSpacingAndContourFile) {
  auto [dir, s, p] = Scratch();
  const std::string records = "0 0 0 2.37\n1 2 3 -0.5\n-1 14 3 1.0\n";
  const std::string tail =
      "10 12 14 90 100 110\n4 6 8\n2 1 1\n1 0 0 0 1 0 0 0 1 0 0 0\n-1 0 0 0 1 0 0 0 -1 0 3 4\n0 0 0\n";
  ASSERT_EQ(LoadText(*s, p, dir, MapText(3, records, tail)), 0);
  EXPECT_TRUE(p.events.empty());
  EXPECT_EQ(s->m_nSymOps, 2);
  EXPECT_EQ(s->m_nCentro, 1);
  EXPECT_FLOAT_EQ(s->m_fMinDensity, -0.5f);
  EXPECT_FLOAT_EQ(s->m_fMaxDensity, 2.37f);
  EXPECT_FLOAT_EQ(s->m_fContourStep, 0.14f);  // 2.87 / 20 truncated to two decimals
  EXPECT_EQ(s->m_nContourLevels, 20);
  // A second load of another map starts its range afresh.
  ASSERT_EQ(LoadText(*s, p, dir, MapText(1, "0 0 0 0.5\n", tail)), 0);
  EXPECT_FLOAT_EQ(s->m_fMinDensity, 0.5f);
  EXPECT_FLOAT_EQ(s->m_fMaxDensity, 0.5f);
}

// Each line converts on its own (what does not convert keeps its value); the
// indices choose the face and the starting section.
TEST(Reader, ContourFileLinesAndTheFaceTheyChoose) {
  const struct {
    const char* con;
    float h, k, l;
    int levels, type;
    float f000;
    int plane, index;
  } rows[] = {
      {"1 0 0\n15\n1\n88.5\n", 1, 0, 0, 15, 1, 88.5f, kPlaneH00, 0},
      {"-1 0 0\n20\n0\n100\n", -1, 0, 0, 20, 0, 100, kPlaneH00, 4},
      {"0 2 0\n20\n0\n100\n", 0, 2, 0, 20, 0, 100, kPlane0K0, 6},
      {"0 0 1\n20\n0\n100\n", 0, 0, 1, 20, 0, 100, kPlane00L, 0},
      {"0 0 3\n20\n0\n100\n", 0, 0, 3, 20, 0, 100, kPlane00L, 8},
      // Two non-zero indices: the previous face stays (0 k 0 here).
      {"1 1 0\n20\n0\n100\n", 1, 1, 0, 20, 0, 100, kPlane0K0, 0},
      {"0 1\n15 junk\n2\n", 0, 1, 1, 15, 2, 230.0f, kPlane0K0, 0},
      {"x\nx\nx\nx\n", 0, 0, 1, 32, 0, 230.0f, kPlane00L, 0},
      {"0 0 1\r\n7\r\n", 0, 0, 1, 7, 0, 230.0f, kPlane00L, 0},
      {"", 0, 0, 1, 32, 0, 230.0f, kPlane00L, 0},
  };
  for (const auto& r : rows) {
    auto [dir, s, p] = Scratch();
    s->m_nPlane = kPlane0K0;
    s->m_nSection = 25;
    ASSERT_EQ(LoadText(*s, p, dir, MapText(1, "0 0 0 1.0\n", P1Tail(4, 6, 8)), r.con), 0) << r.con;
    const float got[] = {s->m_afHkl[0], s->m_afHkl[1], s->m_afHkl[2], s->m_fF000};
    const float want[] = {r.h, r.k, r.l, r.f000};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(got[i], want[i]) << r.con << " number " << i;
    EXPECT_EQ(s->m_nContourLevels, r.levels) << r.con;
    EXPECT_EQ(s->m_nMapType, r.type) << r.con;
    EXPECT_EQ(s->m_nPlane, r.plane) << r.con;
    EXPECT_EQ(s->m_anSectionIndex[r.plane], r.index) << r.con;
    // The section number names the section on screen.
    EXPECT_EQ(s->m_nSection, r.index) << r.con;
    EXPECT_EQ(s->m_nSectionCount, s->m_anGrid[r.plane]) << r.con;
  }
}

TEST(Reader, MissingContourFileAsksForConditions) {
  for (bool ok : {false, true}) {
    auto [dir, s, p] = Scratch();
    p.answerOk = ok;
    p.answerF000 = 400.0f;
    p.answerLevels = 12;
    ASSERT_EQ(LoadText(*s, p, dir, MapText(1, "0 0 0 1.0\n", P1Tail(2, 2, 2)), nullptr), 0);
    ASSERT_EQ(p.events.size(), 1u);
    EXPECT_EQ(p.events[0], "ask:230.00,32");
    EXPECT_FLOAT_EQ(s->m_fF000, ok ? 400.0f : 230.0f);
    EXPECT_EQ(s->m_nContourLevels, ok ? 12 : 32);
    EXPECT_EQ(s->m_nPlane, kPlane00L);  // (0 0 1) kept
    EXPECT_STREQ(s->m_szConFile, dir.File("x.con").c_str());
  }
}

TEST(Reader, BadFilesAreRefusedWholeWithTheFileAndLine) {
  const std::string ops1 = "1 1 1 90 90 90\n2 2 2\n1 0 1\n1 0 0 0 1 0 0 0 1 0 0 0\n";
  const struct {
    const char* what;
    std::string text;
    const char* message;  // substring of the only message, or null for an accepted file
  } rows[] = {
      {"empty file", "", "line 1: the file ends before the end of the record count"},
      {"too many records", MapText(1000001, "", ""), "1000001 density records"},
      {"huge count", "t\n99999999999\n", "1215752191 density records"},
      {"negative count", MapText(-5, "", ""), "record count -5"},
      {"truncated in the records", MapText(3, "0 0 0 1.0\n1 1", ""),
       "line 4: the file ends before the end of density record 2"},
      {"a letter in a record", MapText(2, "0 0 0 1.0\n0 1 x 9.0\n", P1Tail(2, 2, 2)),
       "line 4: text where density record 2 must stand"},
      {"no tail", MapText(1, "0 0 0 1.0\n", ""), "line 3: the file ends before the end of the cell"},
      {"letters in the cell", MapText(1, "0 0 0 1.0\n", "10 x 10 90 90 90\n2 2 2\n0 0 0\n"),
       "line 4: text where the cell must stand"},
      {"truncated operation", MapText(1, "0 0 0 1.0\n", "1 1 1 90 90 90\n2 2 2\n1 0 0\n1 0 0 0"),
       "line 7: the file ends before the end of symmetry operation 1"},
      {"missing lattice translation", MapText(1, "0 0 0 1.0\n", ops1),
       "the file ends before the end of lattice translation 1"},
      {"negative cell edge", MapText(1, "0 0 0 1.0\n", "10 -3 10 90 90 90\n2 2 2\n0 0 0\n"), "cell 10 -3 10 90 90 90"},
      {"grid above 149", MapText(1, "0 0 0 1.0\n", P1Tail(2, 150, 2)), "grid divisions 2 150 2"},
      {"grid of zero", MapText(1, "0 0 0 1.0\n", P1Tail(0, 2, 2)), "each must be 1 .. 149"},
      {"49 operations", MapText(1, "0 0 0 1.0\n", "1 1 1 90 90 90\n2 2 2\n49 0 0\n"), "49 symmetry operations"},
      {"5 translations", MapText(1, "0 0 0 1.0\n", "1 1 1 90 90 90\n2 2 2\n0 0 5\n"), "5 lattice translations"},
      {"negative operations", MapText(1, "0 0 0 1.0\n", "1 1 1 90 90 90\n2 2 2\n-1 0 0\n"), "-1 symmetry"},
      {"not a number", MapText(1, "0 0 0 nan\n", P1Tail(2, 2, 2)), "record 1 is not a finite"},
      {"infinite density", MapText(1, "0 0 0 1e39\n", P1Tail(2, 2, 2)), "record 1 is not a finite"},
      {"overlong title", std::string(200, 'T') + "\n1\n0 0 0 1.0\n" + P1Tail(2, 2, 2),
       "line 1: text where the record count must stand"},
      {"no symmetry at all", MapText(1, "0 0 0 1.0\n", "1 1 1 90 90 90 2 2 2 0 0 0"), nullptr},
      {"one lattice translation", MapText(1, "0 0 0 1.0\n", ops1 + "1 1 1\n"), nullptr},
      {"text in a large map's first half", ManyRecords([](auto& l) { l[7] = "1 x\n"; }),
       "line 10: text where density record 8 must stand"},
      {"text in a large map's second half", ManyRecords([](auto& l) { l[240000] = "1 1 1 y\n"; }),
       "line 240003: text where density record 240001 must stand"},
  };
  for (const auto& r : rows) {
    // Each file is opened over a shown map of two records on a 3 x 3 x 3 grid.
    auto [dir, s, p] = Scratch();
    ASSERT_EQ(LoadText(*s, p, dir, MapText(2, "0 0 0 1.0\n1 1 1 2.0\n", P1Tail(3, 3, 3))), 0);
    const std::string report = dir.File("bad.fmap");
    const std::string_view reportView = report;
    WriteText(dir.File("bad.fou"), r.text);
    WriteText(dir.File("bad.con"), "1 0 0\n7\n2\n5.0\n");
    const int result = LoadMap(*s, p, LoadRequest{dir.File("bad.fou"), &reportView});
    const auto m = p.Messages();
    if (r.message == nullptr) {
      EXPECT_EQ(result, 0) << r.what;
      EXPECT_TRUE(m.empty()) << r.what;
      continue;
    }
    EXPECT_EQ(result, -1) << r.what;
    ASSERT_EQ(m.size(), 1u) << r.what;
    EXPECT_NE(m[0].find(r.message), std::string::npos) << r.what << ": " << m[0];
    EXPECT_EQ(m[0].find(dir.File("bad.fou")), 0u) << "names the file: " << m[0];
    // Nothing of the refused file reaches the view: the shown map stays, ready.
    EXPECT_EQ(std::tuple(s->m_nStatus, s->m_bMapValid, s->m_nPoints, s->m_anGrid[1], s->m_afDensity[1],
                         s->m_fMaxDensity, s->m_nPlane, s->m_fF000, std::string(s->m_szMapFile), s->m_szListFile[0]),
              std::tuple(0, 1, 2, 3, 2.0f, 2.0f, kPlane00L, 123.5f, dir.File("x.fou"), '\0'))
        << r.what;
  }
}

TEST(Reader, AcceptedFilesAreReadAsTheCStreamReadsThemAndTheRestRefused) {
  const struct {
    std::string text;
    bool complete;  // every number converts with the C stream functions
  } files[] = {
      {MapText(3, "0 0 0 2.37\n 1   2 3 -5e-1\n-1 14 3 +1.0\n",
               "10 12 14 90 100 110 4 6 8 2 1 1 1 0 0 0 1 0 0 0 1 0 0 0 -1 0 0 0 1 0 0 0 -1 0 3 4 0 0 0"),
       true},
      {MapText(2, "0 0 0 1.5 2.5\n1 0 0 -1.0 .5\n", P1Tail(2, 2, 2)), true},
      {std::string(150, '#') + "\n2\n0 0 0 1\n1 1 1 2\n" + P1Tail(2, 2, 2), false},
      // The count is found on line 3, but the records are read from line 3 on.
      {"t\n\n2 extra\n0 0 0 1.0\n1 1 1 2\n" + P1Tail(3, 3, 3), false},
      {"t\r\n2\r\n0 0 0 0x1p-2\r\n1 1 1 1e+\r\n" + P1Tail(3, 3, 3), true},
      {MapText(2, "0 0 0 1.0\n1 1 1 2.0\n", "10 10 10 90 90 90\n3 3"), false},
      // Large maps, whose halves are read at once: one record a line, a blank
      // line or two records on one line before the middle, records split
      // over lines after it; each read as one pass reads it.
      {ManyRecords(), true},
      {ManyRecords([](auto& l) { l[10] = "\n" + l[10]; }), true},
      {ManyRecords([](auto& l) { l[5].back() = ' '; }), true},
      {ManyRecords([](auto& l) {
         for (size_t n = 125000; n < 250000; n += 1000) l[n][l[n].find(' ')] = '\n';
       }),
       true},
  };
  for (const auto& f : files) {
    auto [dir, a, p] = Scratch();
    WriteText(dir.File("m.fou"), f.text);
    WriteText(dir.File("m.con"), kConZ);
    auto b = FreshState();
    const int ours = ReadMapFile(*a, p, dir.File("m.fou").c_str());
    const int stdio = reference::ReadMapRecordsStdio(*b, dir.File("m.fou").c_str());
    ASSERT_EQ(stdio == 0, f.complete) << f.text;
    ASSERT_EQ(ours == 0, f.complete) << f.text;
    if (!f.complete) continue;
    ASSERT_EQ(a->m_nPoints, b->m_nPoints) << f.text;
    for (int n = 0; n < a->m_nPoints; ++n) {
      for (int c = 0; c < 3; ++c) EXPECT_EQ(a->m_anPoint[n][c], b->m_anPoint[n][c]) << f.text;
      EXPECT_EQ(a->m_afDensityA[n], b->m_afDensityA[n]) << f.text;
      EXPECT_EQ(a->m_afDensityB[n], b->m_afDensityB[n]) << f.text;
      if (a->m_bTwoColumn == 0) {
        EXPECT_EQ(a->m_afDensity[n], b->m_afDensity[n]) << f.text;
      }
    }
    if (a->m_bTwoColumn == 0) {  // the range of a two-column map widens over its shown column later
      EXPECT_EQ(a->m_fMinDensity, b->m_fMinDensity) << f.text;
      EXPECT_EQ(a->m_fMaxDensity, b->m_fMaxDensity) << f.text;
    }
    EXPECT_EQ(std::memcmp(a->m_afCell, b->m_afCell, sizeof a->m_afCell), 0) << f.text;
    EXPECT_EQ(std::memcmp(a->m_anGrid, b->m_anGrid, sizeof a->m_anGrid), 0) << f.text;
    EXPECT_EQ(std::memcmp(a->m_anSymRot, b->m_anSymRot, sizeof a->m_anSymRot), 0) << f.text;
    EXPECT_EQ(std::memcmp(a->m_anSymTrans, b->m_anSymTrans, sizeof a->m_anSymTrans), 0) << f.text;
  }
}

// The command line's contour file and the two-column flag belong to the file
// they came with; the next map opened reads its own.
TEST(Reader, EachLoadDecidesItsContourFileAndColumns) {
  auto [dir, s, p] = Scratch();
  WriteText(dir.File("a.den"), MapText(2, "0 0 0 1.5 2.5\n1 0 0 -1.0 0.5\n", P1Tail(4, 6, 8)));
  WriteText(dir.File("a.con"), "0 1 0\n20\n1\n300\n");
  WriteText(dir.File("b.fou"), MapText(2, "0 0 0 50.5\n1 0 0 -1.0\n", P1Tail(4, 6, 8)));
  WriteText(dir.File("b.con"), "0 0 1\n20\n0\n123.5\n");
  const std::string words[3] = {dir.File("a.den"), dir.File("a.fmap"), dir.File("a.con")};
  const std::string_view views[3] = {words[0], words[1], words[2]};
  ASSERT_EQ(LoadFromArguments(*s, p, views, 3), 0);
  EXPECT_EQ(s->m_bTwoColumn, 1);
  EXPECT_EQ(s->m_nPlane, kPlane0K0);
  EXPECT_EQ(s->m_fF000, 300.0f);
  // The chosen column is the one shown, in the records, the range and the section.
  for (int column : {0, 1}) {
    s->m_nColumn = column;
    ASSERT_EQ(LoadMap(*s, p, LoadRequest{dir.File("a.den")}), 0);
    EXPECT_EQ(s->m_afDensity[0], column == 0 ? 1.5f : 2.5f);
    EXPECT_EQ(s->m_fMinDensity, column == 0 ? -1.0f : 0.5f);
    EXPECT_EQ(s->m_afSection[0][0], column == 0 ? 1.5f : 2.5f);
  }
  // A separation given in sigma stays that multiple of the next map's sigma; in density the load sets it anew.
  const float documentedStep = s->m_fContourStep;
  s->m_levelOptions.stepInSigma = true;
  s->m_fContourStep = static_cast<float>(2.0 * s->m_stats.sigma);
  ASSERT_EQ(LoadMap(*s, p, LoadRequest{dir.File("b.fou")}), 0);
  EXPECT_FLOAT_EQ(s->m_fContourStep, static_cast<float>(2.0 * s->m_stats.sigma));
  s->m_levelOptions.stepInSigma = false;
  ASSERT_EQ(LoadMap(*s, p, LoadRequest{dir.File("a.den")}), 0);
  EXPECT_EQ(s->m_fContourStep, documentedStep);
  ASSERT_EQ(LoadMap(*s, p, LoadRequest{dir.File("b.fou")}), 0);
  EXPECT_EQ(s->m_bTwoColumn, 0);
  EXPECT_EQ(s->m_fMaxDensity, 50.5f);
  EXPECT_EQ(s->m_nPlane, kPlane00L);
  EXPECT_EQ(s->m_fF000, 123.5f);
  EXPECT_EQ(std::string(s->m_szConFile), dir.File("b.con"));
  EXPECT_TRUE(p.Messages().empty());
  // The settings' flag still makes every file two-column.
  s->m_bTwoColumnSetting = 1;
  ASSERT_EQ(LoadMap(*s, p, LoadRequest{dir.File("b.fou")}), 0);
  EXPECT_EQ(s->m_bTwoColumn, 1);
}

TEST(Paths, ReportContourAndPictureNamesDeriveFromTheFileName) {
  const struct {
    const char* map;
    const char* report;
    const char* con;
    const char* picture;
    bool ccp4 = false;
  } rows[] = {
      {"/maps/a.fou", "/maps/a.fmap", "/maps/a.con", "/maps/a.bmp"},
      {"/x.y/aspirin.v2.den", "/x.y/aspirin.v2.dmap", "/x.y/aspirin.v2.con", "/x.y/aspirin.v2.bmp"},
      {"/maps/A.FOU", "/maps/A.fmap", "/maps/A.con", "/maps/A.bmp"},
      {"/maps/a.map", "/maps/a", "/maps/a.con", "/maps/a.bmp"},
      // A name without an extension never gets a report that would overwrite it.
      {"/maps-1.2/abc", "/maps-1.2/abc.fmap", "/maps-1.2.con", "/maps-1.2/abc.bmp"},
      {"/maps/.hidden", "/maps/.hidden.fmap", "/maps/.hi.con", "/maps/.hidden.bmp"},
      {"", ".fmap", ".con", ".bmp"},
      // CCP4/MRC maps: extensions of any length, and a final ".gz" cut as well.
      {"/maps/a.ccp4", "/maps/a.fmap", "/maps/a.con", "/maps/a.bmp", true},
      {"/m.1/a.map.GZ", "/m.1/a.fmap", "/m.1/a.con", "/m.1/a.map.bmp", true},
      {"/maps/a.gz", "/maps/a.fmap", "/maps/a.con", "/maps/a.bmp", true},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ReportPathFor(r.map, r.ccp4), r.report) << r.map;
    EXPECT_EQ(ConPathFor(r.map, r.ccp4), r.con) << r.map;
    EXPECT_EQ(DefaultBitmapName(r.map), r.picture) << r.map;
  }
}

TEST(Paths, TooLongPathsAreRefusedWhole) {
  RecordingPlatform p;
  char field[kPathSize] = "old";
  EXPECT_TRUE(CopyPath(field, std::string(139, 'p'), p));
  EXPECT_EQ(std::strlen(field), 139u);
  EXPECT_FALSE(CopyPath(field, std::string(140, 'q'), p));
  EXPECT_EQ(field[0], 'p');
  EXPECT_EQ(p.Messages(), std::vector<std::string>{"Path longer than 139 characters: " + std::string(140, 'q')});
}

TEST(Reader, MoreImagesOnOneSectionThanTheWorkListsHoldIsRefusedBeforeAsking) {
  for (int records : {2309, 2310}) {  // 433 images each: 999,797 and 1,000,230
    std::string text = "crowded\n" + std::to_string(records) + "\n";
    for (int n = 0; n < records; ++n) text += "0 0 0 1.0\n";
    text += "5 5 5 90 90 90\n1 1 1\n48 1 4\n";
    for (int op = 0; op < 48; ++op) text += "1 0 0 0 1 0 0 0 1 0 0 0\n";
    text += "0 0 0\n0 0 0\n0 0 0\n0 0 0\n";
    auto [dir, s, p] = Scratch();
    const int r = LoadText(*s, p, dir, text, nullptr);
    if (records == 2309) {
      EXPECT_EQ(r, 0);
      EXPECT_EQ(p.events, std::vector<std::string>{"ask:230.00,32"});
      EXPECT_EQ(s->m_nSecCount, 999797);
    } else {
      EXPECT_EQ(r, -1);
      ASSERT_EQ(p.events.size(), 1u);
      EXPECT_NE(p.events[0].find("1000230 points fall on one section; at most 1,000,000"), std::string::npos)
          << p.events[0];
    }
  }
}

}  // namespace
}  // namespace pyk::test
