// CCP4 sample maps through gemmi's writer, holding the text samples' floats.
#include "tools/samplemap/ccp4_file.h"

#include <algorithm>
#include <exception>
#include <gemmi/ccp4.hpp>
#include <vector>

#include "text/c_numbers.h"
#include "tools/samplemap/grid_expand.h"

namespace pyk::sample {

namespace {

// The float a reader gets from the value printed with the given format.
float AsPrinted(const char* format, double v) {
  char text[64];
  const int n = FormatC(text, sizeof text, format, v);
  float f = 0;
  ParseC(text, text + n, f);
  return f;
}

}  // namespace

Ccp4Layout WholeCellLayout(const int grid[3]) { return {{0, 1, 2}, {0, 0, 0}, {grid[0], grid[1], grid[2]}}; }

Ccp4Layout HalfCellLayout(const int grid[3]) {
  return {{2, 0, 1}, {0, -2, 0}, {grid[0], std::min(grid[1] / 2 + 5, grid[1]), grid[2]}};
}

bool WriteCcp4File(const std::string& path, const MapData& m, const char* spaceGroup, const Ccp4Layout& layout) {
  const gemmi::SpaceGroup* group = gemmi::find_spacegroup_by_name(spaceGroup);
  if (group == nullptr) return false;
  const ExpandedMap e = ExpandToGrid(m);
  const int* n = m.grid;
  const auto& [axes, start, count] = layout;
  std::vector<float> part;
  part.reserve(size_t(count[0]) * count[1] * count[2]);
  int p[3];
  for (p[2] = 0; p[2] < count[axes[2]]; ++p[2])
    for (p[1] = 0; p[1] < count[axes[1]]; ++p[1])
      for (p[0] = 0; p[0] < count[axes[0]]; ++p[0]) {
        std::array<int, 3> c;
        for (int i = 0; i < 3; ++i) c[axes[i]] = start[axes[i]] + p[i];
        const int64_t k = CellIndex(n, c);
        if (!e.set[k]) return false;
        part.push_back(AsPrinted("%.6f", e.a[k]));
      }
  // gemmi reports what it cannot do by throwing; this tool answers with false.
  try {
    gemmi::Ccp4<float> map;
    map.grid.set_unit_cell(m.cell[0], m.cell[1], m.cell[2], m.cell[3], m.cell[4], m.cell[5]);
    map.grid.spacegroup = group;
    map.grid.set_size_without_checking(count[axes[0]], count[axes[1]], count[axes[2]]);
    map.grid.axis_order = gemmi::AxisOrder::XYZ;
    map.grid.data = std::move(part);
    map.update_ccp4_header(2);
    // The header describes the stored part of the whole cell's grid.
    map.set_header_3i32(1, count[axes[0]], count[axes[1]], count[axes[2]]);
    map.set_header_3i32(5, start[axes[0]], start[axes[1]], start[axes[2]]);
    map.set_header_3i32(8, n[0], n[1], n[2]);
    for (int i = 0; i < 6; ++i) map.set_header_float(11 + i, AsPrinted(i < 3 ? "%.4f" : "%.3f", m.cell[i]));
    map.set_header_3i32(17, axes[0] + 1, axes[1] + 1, axes[2] + 1);
    map.write_ccp4_map(path);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace pyk::sample
