// Parsing, composition and comparison of symmetry operations.
#include "tools/samplemap/symop.h"

#include <cctype>

namespace pyk::sample {

namespace {

int Mod(int v, int m) {
  const int r = v % m;
  return r < 0 ? r + m : r;
}

// One component such as "-x+1/2" or "1/4-y+z": variable coefficients and a
// translation in twenty-fourths.
bool ParseComponent(std::string_view s, int coef[3], int* trans) {
  coef[0] = coef[1] = coef[2] = 0;
  *trans = 0;
  size_t i = 0;
  bool any = false;
  while (i < s.size()) {
    while (i < s.size() && s[i] == ' ') ++i;
    if (i == s.size()) break;
    int sign = 1;
    if (s[i] == '+' || s[i] == '-') {
      sign = s[i] == '-' ? -1 : 1;
      ++i;
      while (i < s.size() && s[i] == ' ') ++i;
      if (i == s.size()) return false;
    } else if (any) {
      return false;  // terms after the first need a sign
    }
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    if (c == 'x' || c == 'y' || c == 'z') {
      coef[c - 'x'] += sign;
      ++i;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      int num = 0;
      while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        num = num * 10 + (s[i] - '0');
        ++i;
        if (num > 1000) return false;
      }
      int den = 1;
      if (i < s.size() && s[i] == '/') {
        ++i;
        den = 0;
        if (i == s.size() || !std::isdigit(static_cast<unsigned char>(s[i]))) return false;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
          den = den * 10 + (s[i] - '0');
          ++i;
          if (den > 1000) return false;
        }
        if (den == 0) return false;
      }
      if ((num * kTransDenominator) % den != 0) return false;
      *trans += sign * num * kTransDenominator / den;
    } else {
      return false;
    }
    any = true;
  }
  return any;
}

}  // namespace

SymOp IdentityOp() {
  SymOp op{};
  for (int i = 0; i < 3; ++i) op.r[i][i] = 1;
  return op;
}

bool ParseSymOp(std::string_view text, SymOp* op) {
  SymOp out{};
  size_t start = 0;
  for (int row = 0; row < 3; ++row) {
    const size_t comma = text.find(',', start);
    if ((row < 2) != (comma != std::string_view::npos)) return false;
    const std::string_view part =
        text.substr(start, comma == std::string_view::npos ? text.size() - start : comma - start);
    int trans = 0;
    if (!ParseComponent(part, out.r[row], &trans)) return false;
    out.t[row] = Mod(trans, kTransDenominator);
    start = comma + 1;
  }
  *op = out;
  return true;
}

SymOp Compose(const SymOp& a, const SymOp& b) {
  SymOp c{};
  for (int i = 0; i < 3; ++i) {
    int t = a.t[i];
    for (int j = 0; j < 3; ++j) {
      int s = 0;
      for (int k = 0; k < 3; ++k) s += a.r[i][k] * b.r[k][j];
      c.r[i][j] = s;
      t += a.r[i][j] * b.t[j];
    }
    c.t[i] = Mod(t, kTransDenominator);
  }
  return c;
}

bool SameRotation(const SymOp& a, const SymOp& b) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (a.r[i][j] != b.r[i][j]) return false;
  return true;
}

bool SameOp(const SymOp& a, const SymOp& b) {
  return SameRotation(a, b) && a.t[0] == b.t[0] && a.t[1] == b.t[1] && a.t[2] == b.t[2];
}

int Determinant(const SymOp& op) {
  const auto& r = op.r;
  return r[0][0] * (r[1][1] * r[2][2] - r[1][2] * r[2][1]) - r[0][1] * (r[1][0] * r[2][2] - r[1][2] * r[2][0]) +
         r[0][2] * (r[1][0] * r[2][1] - r[1][1] * r[2][0]);
}

bool IsIdentityRotation(const SymOp& op) { return SameRotation(op, IdentityOp()); }

bool IsInversionRotation(const SymOp& op) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (op.r[i][j] != (i == j ? -1 : 0)) return false;
  return true;
}

void ApplyOp(const SymOp& op, const double in[3], double out[3]) {
  for (int i = 0; i < 3; ++i) {
    out[i] = static_cast<double>(op.t[i]) / kTransDenominator;
    for (int j = 0; j < 3; ++j) out[i] += op.r[i][j] * in[j];
  }
}

}  // namespace pyk::sample
