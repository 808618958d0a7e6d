// Map files (title, count, records, cell, grid, operations, lattice
// translations), contour conditions and the samples' models as CIF.
#include "tools/samplemap/map_file.h"

#include <cstdio>
#include <numbers>
#include "text/c_numbers.h"

namespace pyk::sample {

namespace {

void Append(std::string& out, const char* fmt, auto... args) {
  char buf[256];
  const int n = FormatC(buf, sizeof buf, fmt, args...);
  if (n > 0) out.append(buf, static_cast<size_t>(n) < sizeof buf ? n : sizeof buf - 1);
}

bool WriteText(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return (std::fclose(f) == 0) && ok;
}

}  // namespace

std::string FormatMapFile(const MapData& m) {
  std::string out;
  out.reserve(m.points.size() * 36 + 4096);
  out += m.title;
  out += '\n';
  Append(out, "%zu\n", m.points.size());
  const bool two = !m.densityB.empty();
  for (size_t i = 0; i < m.points.size(); ++i) {
    const auto& p = m.points[i];
    if (two) {
      Append(out, "%d %d %d %.6f %.6f\n", p[0], p[1], p[2], m.densityA[i], m.densityB[i]);
    } else {
      Append(out, "%d %d %d %.6f\n", p[0], p[1], p[2], m.densityA[i]);
    }
  }
  Append(out, "%.4f %.4f %.4f %.3f %.3f %.3f\n", m.cell[0], m.cell[1], m.cell[2], m.cell[3], m.cell[4], m.cell[5]);
  Append(out, "%d %d %d\n", m.grid[0], m.grid[1], m.grid[2]);
  Append(out, "%zu %d %zu\n", m.ops.size(), m.centro, m.lattice.size());
  for (const GridOp& op : m.ops) {
    const int* r = op.rot;
    Append(out, "%d %d %d %d %d %d %d %d %d %d %d %d\n", r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8],
           op.trans[0], op.trans[1], op.trans[2]);
  }
  for (const auto& l : m.lattice) Append(out, "%d %d %d\n", l[0], l[1], l[2]);
  return out;
}

std::string FormatConFile(const ConData& c) {
  std::string out;
  Append(out, "%g %g %g\n%d\n%d\n%.2f\n", c.hkl[0], c.hkl[1], c.hkl[2], c.levels, c.mapType, c.f000);
  return out;
}

bool WriteMapFile(const std::string& path, const MapData& m) { return WriteText(path, FormatMapFile(m)); }

bool WriteConFile(const std::string& path, const ConData& c) { return WriteText(path, FormatConFile(c)); }

std::string FormatModelCif(const CrystalStructure& s, const char* spaceGroup) {
  std::string out;
  std::string block = s.name;  // a data block's name has no blanks
  for (char& c : block) c = c == ' ' ? '_' : c;
  Append(out, "data_%s\n", block.c_str());
  const double cell[6] = {s.cell.a, s.cell.b, s.cell.c, s.cell.alpha, s.cell.beta, s.cell.gamma};
  const char* names[6] = {"length_a", "length_b", "length_c", "angle_alpha", "angle_beta", "angle_gamma"};
  for (int i = 0; i < 6; ++i) Append(out, "_cell_%s %.4f\n", names[i], cell[i]);
  Append(out, "_symmetry_space_group_name_H-M '%s'\n", spaceGroup);
  out +=
      "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n"
      "_atom_site_fract_z\n_atom_site_U_iso_or_equiv\n";
  const double kUPerB = 1.0 / (8.0 * std::numbers::pi * std::numbers::pi);
  for (const AtomSite& a : s.sites) {
    Append(out, "%s %s %.5f %.5f %.5f %.4f\n", a.label, a.type, a.xyz[0], a.xyz[1], a.xyz[2], a.biso * kUPerB);
  }
  return out;
}

bool WriteModelCif(const std::string& path, const CrystalStructure& s, const char* spaceGroup) {
  return WriteText(path, FormatModelCif(s, spaceGroup));
}

}  // namespace pyk::sample
