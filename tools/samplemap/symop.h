// A crystallographic symmetry operation in fractional coordinates.
#pragma once

#include <string_view>

namespace pyk::sample {

// Translations are held in twenty-fourths of a cell edge, which covers every
// translation a space group needs (halves, thirds, quarters, sixths).
constexpr int kTransDenominator = 24;

// x' = r x + t / 24, with t reduced into 0..23 (operations modulo the lattice).
struct SymOp {
  int r[3][3];
  int t[3];
};

SymOp IdentityOp();
// Parses the usual "x,y+1/2,-z+1/2" notation (also "1/2-x", "x-y", spaces).
bool ParseSymOp(std::string_view text, SymOp* op);
// a after b: x -> a(b(x)).
SymOp Compose(const SymOp& a, const SymOp& b);
bool SameOp(const SymOp& a, const SymOp& b);
bool SameRotation(const SymOp& a, const SymOp& b);
int Determinant(const SymOp& op);
bool IsIdentityRotation(const SymOp& op);
bool IsInversionRotation(const SymOp& op);
void ApplyOp(const SymOp& op, const double in[3], double out[3]);

}  // namespace pyk::sample
