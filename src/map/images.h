// The walk over every record of a map and all its symmetry images, in the
// order the section fill and the statistics take them (first image wins).
#pragma once

#include <cstdint>

#include "state/view_state.h"

namespace pyk {

// Component c of operation op applied to p (file order r1..r9, x' = r1 x + r4 y + r7 z + t1).
inline int64_t ApplySymOp(const MapRecord& s, int op, int c, const int64_t p[3]) {
  const auto& r = s.m_anSymRot[op];
  return int64_t{r[0][c]} * p[0] + int64_t{r[1][c]} * p[1] + int64_t{r[2][c]} * p[2] + s.m_anSymTrans[op][c];
}

// Whether operation op maps every grid point onto itself: the identity
// rotation and translations of whole cells. Maps list it first, so that
// every record has its own point once more among its images.
inline bool IsIdentityOp(const MapRecord& s, int op) {
  const auto& r = s.m_anSymRot[op];
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      if (r[i][j] != (i == j ? 1 : 0)) return false;
    }
    if (s.m_anSymTrans[op][i] % s.m_anGrid[i] != 0) return false;
  }
  return true;
}

// The walk behind both below: emit(p, d, copies). With fold, an identity
// operation's own image is not emitted but counted in its record's copies.
template <bool kFold, typename Emit>
void WalkImages(const MapRecord& s, Emit&& emit) {
  const int ops = s.m_nSymOps;
  const int lattice = s.m_nLattice;
  const bool centro = s.m_nCentro == 1;
  bool skip[kMaxSymOps] = {};
  int copies = 1;
  if constexpr (kFold) {
    for (int op = 0; op < ops; ++op) copies += skip[op] = IsIdentityOp(s, op);
  }
  for (int n = 0; n < s.m_nPoints; ++n) {
    const int64_t p[3] = {s.m_anPoint[n][0], s.m_anPoint[n][1], s.m_anPoint[n][2]};
    const float d = s.m_afDensity[n];
    emit(p, d, copies);
    for (int op = 0; op < ops; ++op) {
      const int64_t q[3] = {ApplySymOp(s, op, 0, p), ApplySymOp(s, op, 1, p), ApplySymOp(s, op, 2, p)};
      if (!kFold || !skip[op]) emit(q, d, 1);
      for (int l = 0; l < lattice; ++l) {
        const int64_t w[3] = {q[0] + s.m_anLatticeTrans[l][0], q[1] + s.m_anLatticeTrans[l][1],
                              q[2] + s.m_anLatticeTrans[l][2]};
        emit(w, d, 1);
        if (centro) {
          const int64_t mw[3] = {-w[0], -w[1], -w[2]};
          emit(mw, d, 1);
        }
      }
    }
  }
}

// Calls emit(image) for every image of every record, in collection order.
template <typename Emit>
void ForEachImage(const MapRecord& s, Emit&& emit) {
  WalkImages<false>(s, [&](const int64_t p[3], float d, int) { emit(p, d); });
}

// The images of ForEachImage in the same order, except that an identity
// operation's own image (the record's point again) is folded into the
// record's: emit(p, d, copies) with copies the number of images at p it stands for.
template <typename Emit>
void ForEachImageFolded(const MapRecord& s, Emit&& emit) {
  WalkImages<true>(s, emit);
}

}  // namespace pyk
