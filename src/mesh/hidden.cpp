// Hidden-line removal: the parts of each grid edge that the surface in front leaves visible.
#include "mesh/hidden.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "mesh/coverage.h"

namespace pyk {
namespace {

constexpr double kSampleStep = 0.5;  // mask pixels between visibility samples
constexpr double kMinPiece = 1.0;  // shorter partial pieces are speckle and dropped
constexpr ScreenTriangle kNone = {{0, 0, 0}, {0, 0, 0}};  // covers nothing

// Index distance of cell c from the cell holding the foot coordinate f;
// cells run 0..n - 1 and a foot outside clamps to -1 or n.
int CellDistance(int c, double f, int n) {
  const double fc = std::clamp(std::floor(f), -1.0, static_cast<double>(n));
  return std::abs(c - static_cast<int>(fc));
}

// Splits one edge into its visible pieces: hidden where the mask, with the
// other triangle of the edge's own cell folded over it, covers the edge.
void ClipEdge(const CoverageMask& mask, const TriangleTest& extra, float x0, float y0, float x1,
              float y1, int edge, std::vector<VisiblePiece>* out) {
  const double len = std::hypot(x1 - x0, y1 - y0) * mask.Scale();
  const int n = std::max(1, static_cast<int>(std::ceil(len / kSampleStep)));
  // Samples half a mask pixel apart meet most pixels twice; the mask does not
  // change along one edge, so a pixel's answer is kept for the next sample.
  int lastCol = -1, lastRow = -1;
  bool lastHidden = false;
  auto visible = [&](int k) {
    const float t = static_cast<float>((k + 0.5) / n);
    int col = 0, row = 0;
    if (!mask.Locate(x0 + t * (x1 - x0), y0 + t * (y1 - y0), &col, &row)) return true;
    if (col != lastCol || row != lastRow) {
      lastCol = col;
      lastRow = row;
      lastHidden = mask.HiddenAt(col, row, extra);
    }
    return !lastHidden;
  };
  int start = -1;
  for (int k = 0; k <= n; ++k) {
    const bool v = k < n && visible(k);
    if (v && start < 0) start = k;
    if (!v && start >= 0) {
      const bool whole = start == 0 && k == n;
      if (whole || (k - start) * len / n >= kMinPiece) {
        out->push_back({edge, start == 0 ? 0.0f : static_cast<float>(start) / n,
                        k == n ? 1.0f : static_cast<float>(k) / n});
      }
      start = -1;
    }
  }
}

}  // namespace

void EdgeEnds(int nu, int nv, int edge, int* i0, int* j0, int* i1, int* j1) {
  const int nU = UEdgeCount(nu, nv);
  if (edge < nU) {
    *i0 = edge % nu;
    *j0 = edge / nu;
    *i1 = *i0 + 1;
    *j1 = *j0;
  } else {
    *i0 = (edge - nU) / nv;
    *j0 = (edge - nU) % nv;
    *i1 = *i0;
    *j1 = *j0 + 1;
  }
}

std::vector<int> FrontToBackCells(const MeshLayout& L) {
  // Counting sort by key; cells of one key cannot hide one another.
  const int maxKey = L.nu + L.nv + 2;
  std::vector<int> start(static_cast<size_t>(maxKey) + 2, 0);
  std::vector<int> key(static_cast<size_t>(L.nu) * L.nv);
  for (int i = 0; i < L.nu; ++i) {
    for (int j = 0; j < L.nv; ++j) {
      const int k = CellDistance(i, L.footU, L.nu) + CellDistance(j, L.footV, L.nv);
      key[static_cast<size_t>(i * L.nv + j)] = k;
      ++start[static_cast<size_t>(k) + 1];
    }
  }
  for (int k = 0; k <= maxKey; ++k) start[k + 1] += start[k];
  std::vector<int> order(key.size());
  for (size_t c = 0; c < key.size(); ++c) order[static_cast<size_t>(start[key[c]]++)] = static_cast<int>(c);
  return order;
}

std::vector<VisiblePiece> FindVisiblePieces(const MeshLayout& L) {
  const int nu = L.nu, nv = L.nv;
  CoverageMask mask(L.width, L.height, CoverageScale(L.width, L.height));
  std::vector<uint8_t> done(static_cast<size_t>(EdgeCount(nu, nv)), 0);
  std::vector<VisiblePiece> found;
  found.reserve(done.size() + done.size() / 4);
  const TriangleTest none(kNone);
  auto test = [&](int edge, int ia, int ja, int ib, int jb, const TriangleTest& other) {
    if (done[static_cast<size_t>(edge)]) return;
    done[static_cast<size_t>(edge)] = 1;
    const size_t a = L.Index(ia, ja), b = L.Index(ib, jb);
    ClipEdge(mask, other, L.sx[a], L.sy[a], L.sx[b], L.sy[b], edge, &found);
  };
  for (const int c : FrontToBackCells(L)) {
    const int i = c / nv, j = c % nv;
    const size_t p00 = L.Index(i, j), p10 = L.Index(i + 1, j);
    const size_t p11 = L.Index(i + 1, j + 1), p01 = L.Index(i, j + 1);
    // The cell's triangles: the first holds its bottom and right edges, the
    // second its top and left; each may fold over the other's edges.
    const ScreenTriangle first = {{L.sx[p00], L.sx[p10], L.sx[p11]},
                                  {L.sy[p00], L.sy[p10], L.sy[p11]}};
    const ScreenTriangle second = {{L.sx[p00], L.sx[p11], L.sx[p01]},
                                   {L.sy[p00], L.sy[p11], L.sy[p01]}};
    // A triangle can hide an edge of its cell only when the cell lies between
    // the eye's foot and the edge; for a border edge on the far side it is behind.
    const TriangleTest firstTest(first), secondTest(second);  // each serves two edges
    test(UEdge(nu, i, j), i, j, i + 1, j, L.footV > j ? secondTest : none);
    test(VEdge(nu, nv, i + 1, j), i + 1, j, i + 1, j + 1, L.footU < i + 1 ? secondTest : none);
    test(UEdge(nu, i, j + 1), i, j + 1, i + 1, j + 1, L.footV < j + 1 ? firstTest : none);
    test(VEdge(nu, nv, i, j), i, j, i, j + 1, L.footU > i ? firstTest : none);
    mask.FillTriangle(first.x[0], first.y[0], first.x[1], first.y[1], first.x[2], first.y[2]);
    mask.FillTriangle(second.x[0], second.y[0], second.x[1], second.y[1], second.x[2],
                      second.y[2]);
  }

  // Sort by edge; pieces of one edge were made together and in order of t.
  std::vector<int> first(done.size() + 1, 0);
  for (const VisiblePiece& p : found) ++first[static_cast<size_t>(p.edge) + 1];
  for (size_t e = 0; e < done.size(); ++e) first[e + 1] += first[e];
  std::vector<VisiblePiece> sorted(found.size());
  for (const VisiblePiece& p : found) sorted[static_cast<size_t>(first[static_cast<size_t>(p.edge)]++)] = p;
  return sorted;
}

}  // namespace pyk
