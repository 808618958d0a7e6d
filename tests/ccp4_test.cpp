// CCP4/MRC maps: the same sections as the text map of the same density, in
// any axis order, from a part of the cell, gzipped; and clear refusals.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <fstream>
#include <gemmi/ccp4.hpp>
#include <iterator>

#include "map/navigation.h"
#include "support/maps.h"

namespace pyk::test {
namespace {

// The whole cell of the shown map, x fastest, read off its (0 0 l) sections.
std::vector<float> WholeCell(ViewState& s) {
  SelectFace(s, kPlane00L);
  const int nx = s.m_anGrid[0], ny = s.m_anGrid[1], nz = s.m_anGrid[2];
  std::vector<float> cell(size_t(nx) * ny * nz);
  for (int z = 0; z < nz; ++z) {
    SelectSection(s, z);
    for (int y = 0; y < ny; ++y)
      for (int x = 0; x < nx; ++x) cell[(size_t(z) * ny + y) * nx + x] = s.m_afSection[x][y];
  }
  return cell;
}

// A CCP4 map of the cell values with the given space group. axes[i] is the
// cell axis (0 x, 1 y, 2 z) along file axis i (columns, rows, sections); only
// points from start with count points along each cell axis are stored.
void WriteCcp4(const std::string& path, const ViewState& s, const std::vector<float>& cell, const char* group,
               std::array<int, 3> axes, std::array<int, 3> start, std::array<int, 3> count) {
  gemmi::Ccp4<float> map;
  const int* n = s.m_anGrid;
  map.grid.set_unit_cell(s.m_afCell[0], s.m_afCell[1], s.m_afCell[2], s.m_afCell[3], s.m_afCell[4], s.m_afCell[5]);
  map.grid.spacegroup = gemmi::find_spacegroup_by_name(group);
  map.grid.set_size_without_checking(n[0], n[1], n[2]);
  map.grid.axis_order = gemmi::AxisOrder::XYZ;
  map.grid.data = cell;
  map.update_ccp4_header(2);
  for (int i = 0; i < 6; ++i) map.set_header_float(11 + i, s.m_afCell[i]);  // the floats themselves
  std::vector<float> part;
  int p[3];
  for (p[2] = 0; p[2] < count[axes[2]]; ++p[2])
    for (p[1] = 0; p[1] < count[axes[1]]; ++p[1])
      for (p[0] = 0; p[0] < count[axes[0]]; ++p[0]) {
        int c[3];
        for (int i = 0; i < 3; ++i) c[axes[i]] = (start[axes[i]] + p[i] + n[axes[i]]) % n[axes[i]];
        part.push_back(cell[(size_t(c[2]) * n[1] + c[1]) * n[0] + c[0]]);
      }
  map.grid.data = part;
  map.set_header_3i32(1, count[axes[0]], count[axes[1]], count[axes[2]]);
  map.set_header_3i32(5, start[axes[0]], start[axes[1]], start[axes[2]]);
  map.set_header_3i32(17, axes[0] + 1, axes[1] + 1, axes[2] + 1);
  map.write_ccp4_map(path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Gzip(const std::string& from, const std::string& to) {
  const std::string bytes = ReadBytes(from);
  gzFile f = gzopen(to.c_str(), "wb");
  gzwrite(f, bytes.data(), static_cast<unsigned>(bytes.size()));
  gzclose(f);
}

int LoadFile(ViewState& s, RecordingPlatform& p, const std::string& path) {
  return LoadMap(s, p, LoadRequest{path});
}

// aspirin.fou as the viewer shows it, and its whole cell.
struct Aspirin {
  std::unique_ptr<ViewState> text = FreshState();
  std::vector<float> cell;
  Aspirin() {
    RecordingPlatform p;
    if (LoadFile(*text, p, DataFile("aspirin.fou")) == 0) cell = WholeCell(*text);
  }
};

TEST(Ccp4, EverySectionOfEveryFaceEqualsTheTextMap) {
  Aspirin a;
  ASSERT_FALSE(a.cell.empty());
  auto& text = a.text;
  const std::vector<float>& cell = a.cell;
  const int* n = text->m_anGrid;
  TempDir dir;
  WriteText(dir.File("a.con"), ReadBytes(DataFile("aspirin.con")));
  // P 1 21/c 1 is complete from y = 0 .. b/2; the stored part starts below zero to make the reader wrap it.
  const struct {
    const char* file;
    std::array<int, 3> axes, start, count;
    bool gzip;
  } rows[] = {
      {"a.ccp4", {0, 1, 2}, {0, 0, 0}, {n[0], n[1], n[2]}, false},
      {"a.map", {2, 0, 1}, {0, -2, 0}, {n[0], n[1] / 2 + 4, n[2]}, false},
      {"a.mrc", {1, 2, 0}, {0, 0, 0}, {n[0], n[1] / 2 + 1, n[2]}, true},
  };
  for (const auto& r : rows) {
    std::string path = dir.File(r.file);
    WriteCcp4(path, *text, cell, "P 1 21/c 1", r.axes, r.start, r.count);
    if (r.gzip) {
      Gzip(path, path + ".gz");
      path += ".gz";
    }
    auto s = FreshState();
    RecordingPlatform q;
    ASSERT_EQ(LoadFile(*s, q, path), 0) << r.file << " " << (q.Messages().empty() ? "" : q.Messages()[0]);
    EXPECT_EQ(s->m_fMinDensity, text->m_fMinDensity) << r.file;
    EXPECT_EQ(s->m_fMaxDensity, text->m_fMaxDensity) << r.file;
    EXPECT_EQ(s->m_fContourStep, text->m_fContourStep) << r.file;
    EXPECT_DOUBLE_EQ(s->m_stats.sigma, text->m_stats.sigma) << r.file;
    for (int plane : {kPlane00L, kPlaneH00, kPlane0K0}) {
      SelectFace(*text, plane);
      SelectFace(*s, plane);
      for (int k = 0; k <= text->m_nSectionCount; ++k) {
        SelectSection(*text, k);
        SelectSection(*s, k);
        ASSERT_EQ(s->m_nGridU, text->m_nGridU);
        ASSERT_EQ(s->m_nGridV, text->m_nGridV);
        for (int u = 0; u <= s->m_nGridU; ++u)
          for (int v = 0; v <= s->m_nGridV; ++v)
            ASSERT_EQ(s->m_afSection[u][v], text->m_afSection[u][v]) << r.file << " face " << plane << " " << k;
      }
    }
  }
}

TEST(Ccp4, DamagedOrUnshowableFilesAreRefusedAndTheShownMapStays) {
  Aspirin a;
  ASSERT_FALSE(a.cell.empty());
  auto& text = a.text;
  const std::vector<float>& cell = a.cell;
  const int* n = text->m_anGrid;
  TempDir dir;
  const std::string good = dir.File("good.ccp4");
  WriteCcp4(good, *text, cell, "P 1 21/c 1", {0, 1, 2}, {0, 0, 0}, {n[0], n[1], n[2]});
  const std::string bytes = ReadBytes(good);
  auto word = [&](int w, int32_t v) {
    std::string b = bytes;
    std::memcpy(&b[4 * (w - 1)], &v, 4);
    return b;
  };
  const std::string name = dir.File("bad.ccp4");
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
      {word(2, 4), name + ": 56,448 grid points of the cell have no value; the stored part does not cover the asymmetric unit"},
      {std::string("\x1f\x8b\x08\x00garbage", 12), name + ": the gzip data is damaged or ends early"},
  };
  const float fmax = text->m_fMaxDensity;
  const std::string shown = text->m_szMapFile;
  for (const auto& r : rows) {
    WriteText(name, r.content);
    RecordingPlatform q;
    EXPECT_EQ(LoadFile(*text, q, name), -1) << r.message;
    EXPECT_EQ(q.Messages(), std::vector<std::string>{r.message});
    EXPECT_EQ(text->m_szMapFile, shown);
    EXPECT_EQ(text->m_fMaxDensity, fmax);
  }
}

}  // namespace
}  // namespace pyk::test
