// Thinning of the grid lines on fine grids, so that the picture keeps within the viewer's record limit.
#pragma once

#include <vector>

#include "mesh/hidden.h"
#include "mesh/mesh_layout.h"
#include "mesh/output.h"

namespace pyk {

// The viewer stores at most 29 999 records, so at most 14 999 whole segments.
inline constexpr int kMaxMeshSegments = 14999;

// True when grid line `index` (of 0..count) is drawn at the given stride:
// every stride-th line from 0, and always the last, so the border is closed.
inline bool LineDrawn(int index, int count, int stride) { return index % stride == 0 || index == count; }

// Number of visible pieces on the lines drawn at the given stride.
int CountDrawnPieces(const std::vector<VisiblePiece>& pieces, int nu, int nv, int stride);

// The smallest stride whose drawn pieces number at most maxSegments. The
// surface still hides lines at full resolution; only the drawn lines thin
// out. When even the border alone would not fit, the largest stride.
int ChooseStride(const std::vector<VisiblePiece>& pieces, int nu, int nv, int maxSegments);

// The records of the pieces drawn at result->stride, in edge order; beyond
// maxSegments the remaining segments are dropped and counted in
// result->dropped (a last resort that ChooseStride normally avoids).
void CollectSegments(const MeshLayout& layout, const std::vector<VisiblePiece>& pieces, int maxSegments,
                     MeshResult* result);

}  // namespace pyk
