// Hidden-line removal: the parts of each grid edge that the surface in front leaves visible.
#pragma once

#include <vector>

#include "mesh/mesh_layout.h"

namespace pyk {

// Grid edges: u-edges join (i, j) and (i + 1, j) and come first, numbered
// j nu + i; v-edges join (i, j) and (i, j + 1), numbered after them as
// nu (nv + 1) + i nv + j.
inline int UEdgeCount(int nu, int nv) { return nu * (nv + 1); }
inline int EdgeCount(int nu, int nv) { return nu * (nv + 1) + (nu + 1) * nv; }
inline int UEdge(int nu, int i, int j) { return j * nu + i; }
inline int VEdge(int nu, int nv, int i, int j) { return UEdgeCount(nu, nv) + i * nv + j; }
// The two grid points of an edge; works only if 0 <= edge < EdgeCount(nu, nv).
void EdgeEnds(int nu, int nv, int edge, int* i0, int* j0, int* i1, int* j1);

// A visible stretch of one edge, from parameter t0 to t1 (0 at its first
// grid point, 1 at its second).
struct VisiblePiece {
  int edge;
  float t0, t1;
};

// Cells in an order where nothing drawn later lies in front of anything drawn
// earlier: a ray from the eye meets the base plane's cells in increasing index
// distance from the eye's foot along both axes, so sorting by the sum of the
// two distances suffices. Cell (i, j) is numbered i nv + j.
std::vector<int> FrontToBackCells(const MeshLayout& layout);

// Walks the cells front to back: each edge is tested when its first cell comes
// up, against the coverage of the cells before and the other triangle of its
// own cell; then the cell's two triangles are added to the coverage. Returns the visible pieces sorted by
// edge and, within an edge, by t.
std::vector<VisiblePiece> FindVisiblePieces(const MeshLayout& layout);

}  // namespace pyk
