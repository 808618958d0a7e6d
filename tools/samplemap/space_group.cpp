// Group closure and the decompositions the map file's operation list needs.
#include "tools/samplemap/space_group.h"

#include <algorithm>

namespace pyk::sample {

bool ContainsOp(const std::vector<SymOp>& group, const SymOp& op) {
  for (const SymOp& g : group)
    if (SameOp(g, op)) return true;
  return false;
}

bool CloseGroup(const std::vector<SymOp>& generators, size_t maxOrder, std::vector<SymOp>* group) {
  std::vector<SymOp> out{IdentityOp()};
  // Multiplying every element by every generator reaches the whole finite group.
  for (size_t i = 0; i < out.size(); ++i) {
    for (const SymOp& g : generators) {
      const SymOp p = Compose(g, out[i]);
      if (!ContainsOp(out, p)) {
        if (out.size() >= maxOrder) return false;
        out.push_back(p);
      }
    }
  }
  *group = std::move(out);
  return true;
}

bool GroupFromStrings(const std::vector<const char*>& generators, std::vector<SymOp>* group) {
  std::vector<SymOp> ops;
  for (const char* s : generators) {
    SymOp op;
    if (!ParseSymOp(s, &op)) return false;
    ops.push_back(op);
  }
  return CloseGroup(ops, kMaxGroupOrder, group);
}

std::vector<std::array<int, 3>> CentringVectors(const std::vector<SymOp>& group) {
  std::vector<std::array<int, 3>> out;
  for (const SymOp& g : group)
    if (IsIdentityRotation(g)) out.push_back({g.t[0], g.t[1], g.t[2]});
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<SymOp> CosetRepresentatives(const std::vector<SymOp>& group) {
  std::vector<SymOp> reps;
  for (const SymOp& g : group) {
    bool found = false;
    for (SymOp& r : reps) {
      if (!SameRotation(r, g)) continue;
      found = true;
      if (std::lexicographical_compare(g.t, g.t + 3, r.t, r.t + 3)) {
        for (int i = 0; i < 3; ++i) r.t[i] = g.t[i];
      }
      break;
    }
    if (!found) reps.push_back(g);
  }
  return reps;
}

bool LaueGroup(const std::vector<SymOp>& group, std::vector<SymOp>* laue) {
  std::vector<SymOp> gens;
  for (SymOp r : CosetRepresentatives(group)) {
    r.t[0] = r.t[1] = r.t[2] = 0;
    gens.push_back(r);
  }
  SymOp inv{};
  for (int i = 0; i < 3; ++i) inv.r[i][i] = -1;
  gens.push_back(inv);
  for (const auto& c : CentringVectors(group)) {
    SymOp t = IdentityOp();
    for (int i = 0; i < 3; ++i) t.t[i] = c[i];
    gens.push_back(t);
  }
  return CloseGroup(gens, kMaxGroupOrder, laue);
}

bool HasInversionAtOrigin(const std::vector<SymOp>& group) {
  for (const SymOp& g : group)
    if (IsInversionRotation(g) && g.t[0] == 0 && g.t[1] == 0 && g.t[2] == 0) return true;
  return false;
}

}  // namespace pyk::sample
