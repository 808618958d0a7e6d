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

// Calls emit(image) for every image of every record, in collection order.
template <typename Emit>
void ForEachImage(const MapRecord& s, Emit&& emit) {
  const int ops = s.m_nSymOps;
  const int lattice = s.m_nLattice;
  const bool centro = s.m_nCentro == 1;
  for (int n = 0; n < s.m_nPoints; ++n) {
    const int64_t p[3] = {s.m_anPoint[n][0], s.m_anPoint[n][1], s.m_anPoint[n][2]};
    const float d = s.m_afDensity[n];
    emit(p, d);
    for (int op = 0; op < ops; ++op) {
      const int64_t q[3] = {ApplySymOp(s, op, 0, p), ApplySymOp(s, op, 1, p), ApplySymOp(s, op, 2, p)};
      emit(q, d);
      for (int l = 0; l < lattice; ++l) {
        const int64_t w[3] = {q[0] + s.m_anLatticeTrans[l][0], q[1] + s.m_anLatticeTrans[l][1],
                              q[2] + s.m_anLatticeTrans[l][2]};
        emit(w, d);
        if (centro) {
          const int64_t mw[3] = {-w[0], -w[1], -w[2]};
          emit(mw, d);
        }
      }
    }
  }
}

}  // namespace pyk
