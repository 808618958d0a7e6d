// Thinning of the grid lines on fine grids, so that the picture keeps within the viewer's record limit.
#include "mesh/thinning.h"

#include <algorithm>

namespace pyk {
namespace {

// Whether the line holding this edge is drawn at the stride.
bool EdgeDrawn(int edge, int nu, int nv, int stride) {
  const int nU = UEdgeCount(nu, nv);
  if (edge < nU) return LineDrawn(edge / nu, nv, stride);  // u-edge on line j
  return LineDrawn((edge - nU) / nv, nu, stride);           // v-edge on line i
}

}  // namespace

int CountDrawnPieces(const std::vector<VisiblePiece>& pieces, int nu, int nv, int stride) {
  int n = 0;
  for (const VisiblePiece& p : pieces) n += EdgeDrawn(p.edge, nu, nv, stride) ? 1 : 0;
  return n;
}

int ChooseStride(const std::vector<VisiblePiece>& pieces, int nu, int nv, int maxSegments) {
  // Pieces per grid line: u-lines j = 0..nv, then v-lines i = 0..nu.
  std::vector<int> onU(static_cast<size_t>(nv) + 1, 0), onV(static_cast<size_t>(nu) + 1, 0);
  const int nU = UEdgeCount(nu, nv);
  for (const VisiblePiece& p : pieces) {
    if (p.edge < nU) {
      ++onU[static_cast<size_t>(p.edge / nu)];
    } else {
      ++onV[static_cast<size_t>((p.edge - nU) / nv)];
    }
  }
  const int largest = std::max(nu, nv);
  for (int stride = 1; stride < largest; ++stride) {
    long total = 0;
    for (int j = 0; j <= nv; ++j) total += LineDrawn(j, nv, stride) ? onU[static_cast<size_t>(j)] : 0;
    for (int i = 0; i <= nu; ++i) total += LineDrawn(i, nu, stride) ? onV[static_cast<size_t>(i)] : 0;
    if (total <= maxSegments) return stride;
  }
  return std::max(1, largest);
}

void CollectSegments(const MeshLayout& layout, const std::vector<VisiblePiece>& pieces,
                     int maxSegments, MeshResult* result) {
  const int nu = layout.nu, nv = layout.nv;
  result->records.clear();
  result->dropped = 0;
  int segments = 0;
  for (const VisiblePiece& p : pieces) {
    if (!EdgeDrawn(p.edge, nu, nv, result->stride)) continue;
    if (segments == maxSegments) {
      ++result->dropped;
      continue;
    }
    int i0, j0, i1, j1;
    EdgeEnds(nu, nv, p.edge, &i0, &j0, &i1, &j1);
    const size_t a = layout.Index(i0, j0), b = layout.Index(i1, j1);
    const float dx = layout.sx[b] - layout.sx[a], dy = layout.sy[b] - layout.sy[a];
    // Whole-edge ends are the grid points' own positions, not interpolated.
    const float xa = p.t0 == 0.0f ? layout.sx[a] : layout.sx[a] + p.t0 * dx;
    const float ya = p.t0 == 0.0f ? layout.sy[a] : layout.sy[a] + p.t0 * dy;
    const float xb = p.t1 == 1.0f ? layout.sx[b] : layout.sx[a] + p.t1 * dx;
    const float yb = p.t1 == 1.0f ? layout.sy[b] : layout.sy[a] + p.t1 * dy;
    result->records.push_back({xa, ya, kPenMove});
    result->records.push_back({xb, yb, kPenDraw});
    ++segments;
  }
}

}  // namespace pyk
