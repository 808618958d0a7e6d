// Space groups as finite sets of operations modulo the integer lattice.
#pragma once

#include <array>
#include <vector>

#include "tools/samplemap/symop.h"

namespace pyk::sample {

// Modulo Z^3 no space group exceeds 48 point operations times 4 centring vectors.
constexpr size_t kMaxGroupOrder = 192;

// Closes the generators (identity implied) under composition, translations
// reduced modulo whole cells. The identity comes first and the order is
// deterministic. False if the closure exceeds maxOrder (bad generators).
bool CloseGroup(const std::vector<SymOp>& generators, size_t maxOrder, std::vector<SymOp>* group);
// The same from "x,y,z"-style strings; false on a parse error.
bool GroupFromStrings(const std::vector<const char*>& generators, std::vector<SymOp>* group);

bool ContainsOp(const std::vector<SymOp>& group, const SymOp& op);

// Pure translations of the group (the centring vectors), in twenty-fourths,
// ascending, starting with 0 0 0.
std::vector<std::array<int, 3>> CentringVectors(const std::vector<SymOp>& group);

// One operation per distinct rotation, in order of first appearance, each with
// the smallest translation its coset offers.
std::vector<SymOp> CosetRepresentatives(const std::vector<SymOp>& group);

// The centrosymmetric Laue group with the same lattice centring: rotations
// without translations, plus the inversion and the centring vectors.
bool LaueGroup(const std::vector<SymOp>& group, std::vector<SymOp>* laue);

// Whether x -> -x (no translation) belongs to the group.
bool HasInversionAtOrigin(const std::vector<SymOp>& group);

}  // namespace pyk::sample
