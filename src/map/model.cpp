// Coordinate files through gemmi. gemmi reports faults by exceptions; they
// are caught here and become the reader's refusal.
//
// gemmi's number formatting is not used when reading; its helper header asks
// for a formatter, and the C library's saves a dependency.
#define USE_STD_SNPRINTF 1
#include "map/model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <gemmi/cif.hpp>
#include <gemmi/mmcif.hpp>
#include <gemmi/pdb.hpp>
#include <gemmi/smcif.hpp>
#include <gemmi/symmetry.hpp>
#include <string>

#include "map/map_messages.h"
#include "state/message.h"

namespace pyk {

namespace {

ModelOp ToModelOp(const gemmi::Op& op) {
  ModelOp m;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) m.rot[i][j] = static_cast<double>(op.rot[i][j]) / gemmi::Op::DEN;
    m.tran[i] = static_cast<double>(op.tran[i]) / gemmi::Op::DEN;
  }
  return m;
}

// Whether the file holds CIF text: its first word begins with "data_" (after
// comments), as every CIF and mmCIF file's does.
bool LooksLikeCif(const char* path) {
  std::FILE* f = std::fopen(path, "rb");
  if (f == nullptr) return false;
  char line[256];
  bool cif = false;
  while (std::fgets(line, sizeof line, f) != nullptr) {
    const char* p = line;
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') ++p;
    if (*p == '\0' || *p == '#') continue;
    cif = std::strncmp(p, "data_", 5) == 0;
    break;
  }
  std::fclose(f);
  return cif;
}

// The operations the CIF block lists, in either dictionary's name.
std::vector<ModelOp> ListedOps(gemmi::cif::Block& block) {
  std::vector<ModelOp> ops;
  for (const char* tag : {"_space_group_symop_operation_xyz", "_symmetry_equiv_pos_as_xyz"}) {
    for (const std::string& v : block.find_values(tag)) {
      ops.push_back(ToModelOp(gemmi::parse_triplet(gemmi::cif::as_string(v))));
    }
    if (!ops.empty()) break;
  }
  return ops;
}

// Every operation of the file's space-group name, centring included, or a refusal.
int OpsOfGroup(const std::string& name, const char* path, AtomModel* m, Platform& platform) {
  if (name.empty()) return Refuse(platform, msg::kModelNoSpaceGroup, path);
  const gemmi::SpaceGroup* group = gemmi::find_spacegroup_by_name(name);
  if (group == nullptr) return Refuse(platform, msg::kModelSpaceGroup, path, name.c_str());
  for (const gemmi::Op& op : group->operations()) m->ops.push_back(ToModelOp(op));
  return 0;
}

// The atoms of a macromolecular structure's first model, labelled residue,
// number and atom name ("LYS12:NZ"), fractionalised by its cell.
int FromStructure(const gemmi::Structure& st, const char* path, AtomModel* m, Platform& platform) {
  if (!st.cell.is_crystal()) return Refuse(platform, msg::kModelNoCell, path);
  if (!st.models.empty()) {
    for (const gemmi::Chain& chain : st.models[0].chains) {
      for (const gemmi::Residue& res : chain.residues) {
        for (const gemmi::Atom& atom : res.atoms) {
          const gemmi::Fractional f = st.cell.fractionalize(atom.pos);
          m->atoms.push_back({res.name + res.seqid.str() + ":" + atom.name, {f.x, f.y, f.z}});
        }
      }
    }
  }
  return OpsOfGroup(st.spacegroup_hm, path, m, platform);
}

int FromCif(const char* path, AtomModel* m, Platform& platform) {
  gemmi::cif::Document doc = gemmi::cif::read_file(path);
  for (gemmi::cif::Block& block : doc.blocks) {
    if (block.find_values("_atom_site_fract_x").length() > 0) {
      const gemmi::SmallStructure small = gemmi::make_small_structure_from_block(block);
      for (const auto& site : small.sites) m->atoms.push_back({site.label, {site.fract.x, site.fract.y, site.fract.z}});
      m->ops = ListedOps(block);
      return m->ops.empty() ? OpsOfGroup(small.spacegroup_hm, path, m, platform) : 0;
    }
    if (block.find_values("_atom_site.Cartn_x").length() > 0) {
      return FromStructure(gemmi::make_structure_from_block(block), path, m, platform);
    }
  }
  return 0;
}

}  // namespace

bool IsCoordinateFileName(const char* path) {
  const char* dot = std::strrchr(path, '.');
  if (dot == nullptr || std::strchr(dot, '/') != nullptr) return false;
  std::string suffix(dot);  // lowered by hand: the desktop's locale has no say in ASCII suffixes
  for (char& c : suffix) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return suffix == ".cif" || suffix == ".mmcif" || suffix == ".pdb" || suffix == ".ent";
}

int ReadModelFile(const char* path, AtomModel* model, Platform& platform) {
  if (std::FILE* f = std::fopen(path, "rb")) {
    std::fclose(f);
  } else {
    return Refuse(platform, msg::kModelNotFound, path);
  }
  AtomModel m;
  m.file = path;
  try {
    const int r = LooksLikeCif(path) ? FromCif(path, &m, platform)
                                     : FromStructure(gemmi::read_pdb_file(path), path, &m, platform);
    if (r != 0) return r;
  } catch (const std::exception& e) {
    return Refuse(platform, msg::kModelUnreadable, path, e.what());
  }
  // A CIF gives "?" or "." for a coordinate it does not know: such a site has no place to mark.
  const auto unplaced = [](const ModelAtom& a) {
    return !std::isfinite(a.frac[0]) || !std::isfinite(a.frac[1]) || !std::isfinite(a.frac[2]);
  };
  m.atoms.erase(std::remove_if(m.atoms.begin(), m.atoms.end(), unplaced), m.atoms.end());
  if (m.atoms.empty()) return Refuse(platform, msg::kModelNoAtoms, path);
  if (m.atoms.size() > static_cast<size_t>(kMaxModelAtoms)) {
    return Refuse(platform, msg::kModelTooLarge, path, Grouped(static_cast<long long>(m.atoms.size())).c_str(),
                  Grouped(kMaxModelAtoms).c_str());
  }
  *model = std::move(m);
  return 0;
}

}  // namespace pyk
