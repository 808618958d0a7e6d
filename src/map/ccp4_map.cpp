// CCP4/MRC map files through gemmi. The header is checked against the
// viewer's capacities before gemmi allocates anything, gemmi reorders and
// completes the grid, and the completed cell is reduced to one record per
// set of symmetry mates so that the map is then handled as a text map is.
// gemmi reports faults by exceptions; they are caught here and become the
// reader's refusal.
#include "map/ccp4_map.h"

#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <gemmi/ccp4.hpp>
#include <string>
#include <vector>

#include "map/map_messages.h"
#include "state/message.h"

namespace pyk {

namespace {

constexpr size_t kHeaderBytes = 1024;
constexpr size_t kSignatureAt = 208;
// The largest file worth reading: the whole cell at the point capacity in the
// widest mode, with room for a long extended header.
constexpr size_t kMaxBytes = size_t{64} << 20;

bool IsGzip(const char* begin, const char* end) {
  return end - begin >= 2 && static_cast<unsigned char>(begin[0]) == 0x1f &&
         static_cast<unsigned char>(begin[1]) == 0x8b;
}

// Inflates gzip data into out, at most kMaxBytes. 0, or the refusal's -1.
int Gunzip(Platform& platform, const char* path, const char* begin, const char* end, std::vector<char>* out) {
  z_stream z{};
  if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return Refuse(platform, msg::kCcp4GzipDamaged, path);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(begin));
  z.avail_in = static_cast<uInt>(end - begin);
  out->resize(size_t{1} << 20);
  int r = Z_OK;
  while (r == Z_OK) {
    if (z.total_out == out->size()) {
      if (out->size() > kMaxBytes) break;
      out->resize(out->size() * 2);
    }
    z.next_out = reinterpret_cast<Bytef*>(out->data() + z.total_out);
    z.avail_out = static_cast<uInt>(out->size() - z.total_out);
    r = inflate(&z, Z_NO_FLUSH);
  }
  const size_t size = z.total_out;
  inflateEnd(&z);
  if (r == Z_OK || size > kMaxBytes) return Refuse(platform, msg::kCcp4TooLarge, path, Grouped(kMaxBytes).c_str());
  if (r != Z_STREAM_END) return Refuse(platform, msg::kCcp4GzipDamaged, path);
  out->resize(size);
  return 0;
}

size_t BytesPerValue(int mode) { return mode == 0 ? 1 : mode == 2 ? 4 : 2; }

// What the header promises, checked before any density is read: the mode,
// the sampling within the capacities, a stored part within the cell, enough
// bytes for it and a known space group whose translations fall on the grid.
int CheckHeader(const gemmi::Ccp4<float>& map, Platform& platform, const char* path, size_t size) {
  const int mode = map.header_i32(4);
  if (mode != 0 && mode != 1 && mode != 2 && mode != 6) return Refuse(platform, msg::kCcp4Mode, path, mode);
  const std::array<int, 3> n = map.header_3i32(8);
  for (int a = 0; a < 3; ++a) {
    if (n[a] < 1 || n[a] > kMaxGrid) return Refuse(platform, msg::kGridRange, path, n[0], n[1], n[2], kMaxGrid);
  }
  const long long cell = 1LL * n[0] * n[1] * n[2];
  if (cell > kMaxPoints) {
    return Refuse(platform, msg::kCcp4CellPoints, path, Grouped(cell).c_str(), Grouped(kMaxPoints).c_str());
  }
  const std::array<int, 3> stored = map.header_3i32(1);
  const std::array<int, 3> pos = map.axis_positions();  // the file axis along x, y, z
  for (int a = 0; a < 3; ++a) {
    if (stored[pos[a]] < 1 || stored[pos[a]] > n[a]) {
      return Refuse(platform, msg::kCcp4Extent, path, stored[pos[0]], stored[pos[1]], stored[pos[2]], n[0], n[1],
                    n[2]);
    }
  }
  const long long values = 1LL * stored[0] * stored[1] * stored[2];
  const size_t need = map.ccp4_header.size() * 4 + static_cast<size_t>(values) * BytesPerValue(mode);
  if (size < need) return Refuse(platform, msg::kCcp4EndsEarly, path, Grouped(values).c_str());

  const int number = map.header_i32(23);
  if (number != 0 && map.grid.spacegroup == nullptr) return Refuse(platform, msg::kCcp4SpaceGroup, path, number);
  if (map.grid.spacegroup == nullptr) return 0;
  const gemmi::GroupOps ops = map.grid.spacegroup->operations();
  bool fits = true;
  for (const gemmi::Op& op : ops) {
    for (int i = 0; i < 3; ++i) {
      fits = fits && op.tran[i] * n[i] % gemmi::Op::DEN == 0;
      for (int j = 0; j < 3; ++j) fits = fits && (op.rot[i][j] == 0 || n[i] == n[j]);
    }
  }
  if (!fits) {
    return Refuse(platform, msg::kCcp4GridSymmetry, path, n[0], n[1], n[2], map.grid.spacegroup->xhm().c_str());
  }
  return 0;
}

// The space group as the text map's operations (every coset representative,
// the identity first) and lattice translations (the non-zero centring
// vectors), in grid divisions; no centrosymmetry flag.
void CopySymmetry(MapRecord& m, const gemmi::SpaceGroup* group) {
  const gemmi::GroupOps ops = (group != nullptr ? *group : gemmi::get_spacegroup_p1()).operations();
  constexpr int den = gemmi::Op::DEN;
  m.m_nSymOps = static_cast<int32_t>(ops.sym_ops.size());
  for (size_t k = 0; k < ops.sym_ops.size(); ++k) {
    const gemmi::Op& op = ops.sym_ops[k];
    for (int c = 0; c < 3; ++c) {
      // Column layout of the file: r[j][c] multiplies coordinate j into component c.
      for (int j = 0; j < 3; ++j) m.m_anSymRot[k][j][c] = op.rot[c][j] / den;
      m.m_anSymTrans[k][c] = op.tran[c] * m.m_anGrid[c] / den;
    }
  }
  m.m_nCentro = 0;
  m.m_nLattice = 0;
  for (const gemmi::Op::Tran& t : ops.cen_ops) {
    if (t[0] == 0 && t[1] == 0 && t[2] == 0) continue;
    for (int c = 0; c < 3; ++c) m.m_anLatticeTrans[m.m_nLattice][c] = t[c] * m.m_anGrid[c] / den;
    ++m.m_nLattice;
  }
}

// One record for each set of symmetry mates of the completed grid, the first
// met in the scan (x fastest); its mates are marked so that none of them
// becomes a record too.
void CopyRecords(MapRecord& m, const gemmi::Grid<float>& grid) {
  const std::vector<gemmi::GridOp> ops = grid.get_scaled_ops_except_id();
  std::vector<uint8_t> taken(grid.data.size(), 0);
  int32_t count = 0;
  size_t idx = 0;
  for (int w = 0; w < grid.nw; ++w) {
    for (int v = 0; v < grid.nv; ++v) {
      for (int u = 0; u < grid.nu; ++u, ++idx) {
        if (taken[idx]) continue;
        taken[idx] = 1;
        for (const gemmi::GridOp& op : ops) {
          const std::array<int, 3> t = op.apply(u, v, w);
          taken[grid.index_q(gemmi::modulo(t[0], grid.nu), gemmi::modulo(t[1], grid.nv),
                             gemmi::modulo(t[2], grid.nw))] = 1;
        }
        const float d = grid.data[idx];
        m.m_anPoint[count][0] = u;
        m.m_anPoint[count][1] = v;
        m.m_anPoint[count][2] = w;
        m.m_afDensity[count] = d;
        if (d <= m.m_fMinDensity) m.m_fMinDensity = d;
        if (d >= m.m_fMaxDensity) m.m_fMaxDensity = d;
        ++count;
      }
    }
  }
  m.m_nPoints = count;
}

// The reading proper, with gemmi's exceptions still to be caught.
int ReadBytes(MapRecord& m, Platform& platform, const char* path, const char* data, size_t size) {
  gemmi::Ccp4<float> map;
  if (size < kHeaderBytes) return Refuse(platform, msg::kCcp4HeaderShort, path);
  gemmi::MemoryStream header(data, size);
  map.read_ccp4_header(header, path);
  if (CheckHeader(map, platform, path, size) != 0) return -1;

  map.read_ccp4_from_memory(data, size, path);
  for (size_t i = 0; i < map.grid.data.size(); ++i) {
    if (!std::isfinite(map.grid.data[i])) return Refuse(platform, msg::kCcp4NotFinite, path, Grouped(i + 1).c_str());
  }
  // Points that no stored value reaches keep the NaN and are counted below.
  map.setup(NAN, gemmi::MapSetup::Full);
  long long empty = 0;
  for (const float d : map.grid.data) empty += std::isnan(d) ? 1 : 0;
  if (empty > 0) return Refuse(platform, msg::kCcp4Uncovered, path, Grouped(empty).c_str());

  for (int i = 0; i < 6; ++i) m.m_afCell[i] = map.header_float(11 + i);
  m.m_anGrid[0] = map.grid.nu;
  m.m_anGrid[1] = map.grid.nv;
  m.m_anGrid[2] = map.grid.nw;
  m.m_bTwoColumn = 0;
  CopySymmetry(m, map.grid.spacegroup);
  CopyRecords(m, map.grid);
  return 0;
}

}  // namespace

bool IsCcp4Map(const char* begin, const char* end) {
  if (IsGzip(begin, end)) return true;
  return static_cast<size_t>(end - begin) >= kSignatureAt + 4 && std::memcmp(begin + kSignatureAt, "MAP ", 4) == 0;
}

bool IsCcp4MapFile(const char* path) {
  char head[kSignatureAt + 4];
  std::FILE* f = std::fopen(path, "rb");
  if (f == nullptr) return false;
  const size_t n = std::fread(head, 1, sizeof head, f);
  std::fclose(f);
  return IsCcp4Map(head, head + n);
}

int ReadCcp4Records(MapRecord& m, Platform& platform, const char* path, const char* begin, const char* end) {
  std::vector<char> inflated;
  if (IsGzip(begin, end)) {
    if (Gunzip(platform, path, begin, end, &inflated) != 0) return -1;
    begin = inflated.data();
    end = begin + inflated.size();
  }
  if (static_cast<size_t>(end - begin) > kMaxBytes) {
    return Refuse(platform, msg::kCcp4TooLarge, path, Grouped(kMaxBytes).c_str());
  }
  try {
    return ReadBytes(m, platform, path, begin, static_cast<size_t>(end - begin));
  } catch (const std::exception& e) {
    // gemmi ends some of its texts with the path, which the message names already.
    std::string why = e.what();
    const std::string tail = std::string(": ") + path;
    if (why.size() > tail.size() && why.compare(why.size() - tail.size(), tail.size(), tail) == 0) {
      why.resize(why.size() - tail.size());
    }
    return Refuse(platform, msg::kCcp4Unreadable, path, why.c_str());
  }
}

}  // namespace pyk
