// CCP4/MRC maps: the sample generator's copies of the samples show the same
// sections, reports and pictures as the text maps, in any axis order, from a
// part of the cell, gzipped; and damaged or unshowable files are refused.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <gemmi/ccp4.hpp>

#include "map/report.h"
#include "map/section_choice.h"
#include "pure_helpers.h"
#include "tools/samplemap/samples.h"

namespace pyk::test {
namespace {

void Gzip(const std::string& from, const std::string& to) {
  const std::string bytes = ReadText(from);
  gzFile f = gzopen(to.c_str(), "wb");
  gzwrite(f, bytes.data(), static_cast<unsigned>(bytes.size()));
  gzclose(f);
}

// The samples with their CCP4 copies, written once by the generator as a
// user would run it; the half-cell aspirin copy also gzipped.
const TempDir& Samples() {
  static const TempDir dir;
  static const bool written = [] {
    if (RunTool(dir.path(), PYK_SAMPLEMAP_EXE, "--ccp4 .").status != 0) return false;
    Gzip(dir.File("aspirin-part.map"), dir.File("aspirin-part.map.gz"));
    return true;
  }();
  EXPECT_TRUE(written);
  return dir;
}

// Each CCP4 copy, whole or half of the cell in another axis order (one
// gzipped), found with its contour conditions and completed by its space
// group, shows every section of every face as its text map does, to the
// float, and writes the same reports.
TEST(Ccp4, EverySampleCopyEqualsItsTextMapOnEverySection) {
  std::vector<sample::SampleFile> samples;
  ASSERT_TRUE(sample::BuildSamples(&samples));
  const TempDir& dir = Samples();
  int loaded = 0;
  for (const sample::SampleFile& f : samples) {
    if (f.spaceGroup == nullptr) continue;
    const auto text = LoadedMap(dir.File(f.mapName));
    std::vector<std::string> names;
    std::vector<std::unique_ptr<ViewState>> copies;
    for (const bool whole : {true, false}) {
      names.push_back(sample::Ccp4MapName(f, whole));
      if (names.back() == "aspirin-part.map") names.back() += ".gz";
      copies.push_back(LoadedMap(dir.File(names.back())));
    }
    for (size_t c = 0; c < copies.size(); ++c) {
      const ViewState& s = *copies[c];
      EXPECT_EQ(s.m_nMapType, f.con.mapType) << names[c];
      EXPECT_EQ(s.m_fMinDensity, text->m_fMinDensity) << names[c];
      EXPECT_EQ(s.m_fMaxDensity, text->m_fMaxDensity) << names[c];
      EXPECT_EQ(s.m_fContourStep, text->m_fContourStep) << names[c];
      EXPECT_DOUBLE_EQ(s.m_stats.sigma, text->m_stats.sigma) << names[c];
    }
    for (int plane : {kPlane00L, kPlaneH00, kPlane0K0}) {
      SelectFace(*text, plane);
      for (auto& s : copies) SelectFace(*s, plane);
      for (int k = 0; k <= text->m_nSectionCount; ++k) {
        SelectSection(*text, k);
        for (size_t c = 0; c < copies.size(); ++c) {
          ViewState& s = *copies[c];
          SelectSection(s, k);
          ASSERT_EQ(s.m_nGridU, text->m_nGridU);
          ASSERT_EQ(s.m_nGridV, text->m_nGridV);
          for (int u = 0; u <= s.m_nGridU; ++u)
            for (int v = 0; v <= s.m_nGridV; ++v)
              ASSERT_EQ(s.m_afSection[u][v], text->m_afSection[u][v]) << names[c] << " face " << plane << " " << k;
        }
      }
      const std::string a = dir.File("a.fmap"), b = dir.File("b.fmap");
      RecordingPlatform p;
      ASSERT_EQ(WriteReportFile(a.c_str(), *text, p, WriteDensityReport), 0);
      for (size_t c = 0; c < copies.size(); ++c) {
        ASSERT_EQ(WriteReportFile(b.c_str(), *copies[c], p, WriteDensityReport), 0);
        EXPECT_EQ(ReadText(b), ReadText(a)) << names[c] << " face " << plane;
      }
    }
    loaded += static_cast<int>(copies.size());
  }
  EXPECT_EQ(loaded, 10);
}

// The command-line tools take a CCP4 map as they take a text map.
TEST(Ccp4, TheToolsWriteTheTextMapsReportAndPicture) {
  const TempDir& dir = Samples();
  const std::string env = "env ASAN_OPTIONS=detect_leaks=0";
  const struct {
    const char* exe;
    const char *text, *copy;
    const char* out;
  } rows[] = {
      {PYK_REPORT_EXE, "--peaks --whole-map aspirin.fou t.peaks aspirin.con",
       "--peaks --whole-map aspirin.ccp4 c.peaks aspirin.con", ".peaks"},
      {PYK_RENDER_EXE, "--face k --section 8 --size 120x90 aspirin-patt.fou aspirin-patt.con t.bmp",
       "--face k --section 8 --size 120x90 aspirin-patt-part.map aspirin-patt-part.con c.bmp", ".bmp"},
  };
  for (const auto& r : rows) {
    ToolRun run = RunTool(dir.path(), r.exe, r.text, env);
    ASSERT_EQ(run.status, 0) << r.text << ": " << run.err;
    run = RunTool(dir.path(), r.exe, r.copy, env);
    ASSERT_EQ(run.status, 0) << r.copy << ": " << run.err;
    // A peak list's first line names its map.
    const auto body = [&](const std::string& b) { return r.out == std::string(".peaks") ? b.substr(b.find('\n')) : b; };
    const std::string t = ReadText(dir.File(std::string("t") + r.out));
    EXPECT_GT(t.size(), 100u) << r.text;
    EXPECT_EQ(body(ReadText(dir.File(std::string("c") + r.out))), body(t)) << r.copy;
  }
}

TEST(Ccp4, DamagedOrUnshowableFilesAreRefusedAndTheShownMapStays) {
  const TempDir& dir = Samples();
  const auto text = LoadedMap(dir.File("aspirin.fou"));
  const std::string bytes = ReadText(dir.File("aspirin.ccp4"));
  auto word = [&](int w, int32_t v) {
    std::string b = bytes;
    std::memcpy(&b[4 * (w - 1)], &v, 4);
    return b;
  };
  TempDir bad;
  const std::string name = bad.File("bad.ccp4");
  const struct {
    std::string content;
    std::string message;
  } rows[] = {
      {bytes.substr(0, 600), name + ": the file ends inside the 1024-byte header"},
      {bytes.substr(0, bytes.size() - 4), name + ": the file ends before the end of its 100,352 densities"},
      {word(4, 3), name + ": map mode 3; only real-valued maps (modes 0, 1, 2 and 6) can be shown"},
      {word(8, 150), name + ": grid divisions 150 32 56; each must be 1 .. 149"},
      {word(1, 57), name + ": the stored part (57 x 32 x 56 points) does not fit in the cell's grid (56 x 32 x 56)"},
      {word(23, 999), name + ": space group number 999 is not known"},
      {word(23, 144), name + ": grid 56 32 56 does not fit the symmetry of space group P 31"},
      {word(17, 4), name + ": not a readable CCP4/MRC map: Unexpected axis value in word 17: 4"},
      {word(54, 0), name + ": not a readable CCP4/MRC map: Unsupported machine stamp (endiannes) in the file?"},
      {word(2, 4),
       name + ": 56,448 grid points of the cell have no value; the stored part does not cover the asymmetric unit"},
      {std::string("\x1f\x8b\x08\x00garbage", 12), name + ": the gzip data is damaged or ends early"},
  };
  const float fmax = text->m_fMaxDensity;
  const std::string shown = text->m_szMapFile;
  for (const auto& r : rows) {
    WriteText(name, r.content);
    RecordingPlatform q;
    EXPECT_EQ(LoadMap(*text, q, LoadRequest{name}), -1) << r.message;
    EXPECT_EQ(q.Messages(), std::vector<std::string>{r.message});
    EXPECT_EQ(text->m_szMapFile, shown);
    EXPECT_EQ(text->m_fMaxDensity, fmax);
  }
}

}  // namespace
}  // namespace pyk::test
