// The run merge of band polygons, cell by cell, testing pixel centres in window coordinates.
#include "render/band_merge.h"

#include <cmath>

#include "render/colors.h"

namespace pyk {

namespace {

// One channel in 8 bits by rounding to nearest, or -1 within kColourMargin of a step.
constexpr double kColourMargin = 1.0 / 256.0;
int Channel(float c) {
  const double v = (c < 0.0f ? 0.0 : (c > 1.0f ? 1.0 : double{c})) * 255.0;
  const double r = std::floor(v + 0.5);
  return std::fabs(v - r) > 0.5 - kColourMargin ? -1 : static_cast<int>(r);
}

struct WindowPoint {
  double x, y;
};

WindowPoint ToWindow(const WindowMap& w, Point2 p) {
  return {w.ax * p.x + w.bx * p.y + w.cx, w.ay * p.x + w.by * p.y + w.cy};
}

// The one polygon a non-saddle level gives, kept for a later decision.
struct Shape {
  Point2 v[6];
  int n = 0;
  int k = 0;
};

class CaptureSink : public ContourSink {
 public:
  void Segment(Point2, Point2, int) override { ++count; }
  void Polygon(const Point2* v, int n, int k) override {
    if (++count > 1 || n > 6) return;
    shape.n = n;
    shape.k = k;
    for (int i = 0; i < n; ++i) shape.v[i] = v[i];
  }
  Shape shape;
  int count = 0;
};

bool Same(Point2 a, Point2 b) { return a.x == b.x && a.y == b.y; }

// Whether the polygon edge a-b is the cell edge between two corners below
// the level: every polygon of a run has it with the same snapped ends, so it
// sorts a pixel centre the same way for all of them however near it lies.
bool WholeCellEdge(const ContourCell& cell, int below, Point2 a, Point2 b) {
  for (int m = 0; m < 4; ++m) {
    const int n = (m + 1) & 3;
    if ((below >> m & 1) && (below >> n & 1) &&
        ((Same(a, cell.p[m]) && Same(b, cell.p[n])) || (Same(a, cell.p[n]) && Same(b, cell.p[m])))) {
      return true;
    }
  }
  return false;
}

// The corners below level k as bits; -1 at a saddle (four crossings), where
// the band polygons are not nested and no merge is made.
int CornersBelow(const ContourCell& cell, const ContourLevels& levels, int k) {
  float d[4];
  CornerSides(cell, ContourLevel(levels, k), levels.nudge, d);
  if (d[0] * d[1] <= 0.0f && d[1] * d[2] <= 0.0f && d[2] * d[3] <= 0.0f && d[3] * d[0] <= 0.0f) return -1;
  return (d[0] < 0.0f) | (d[1] < 0.0f) << 1 | (d[2] < 0.0f) << 2 | (d[3] < 0.0f) << 3;
}

// Whether an edge is so flat that its crossings fall back to the origin.
bool FlatEdge(const ContourCell& cell, float epsilon) {
  for (int m = 0; m < 4; ++m) {
    if (std::fabs(cell.value[m] - cell.value[(m + 1) & 3]) < epsilon) return true;
  }
  return false;
}

void Emit(const Shape& s, ContourSink& sink) {
  if (s.n > 0) sink.Polygon(s.v, s.n, s.k);
}

// A polygon's edges in window pixels: inward unit normals, offsets, and
// which are whole cell edges; its bounding box; whether it lies in the viewport.
struct WindowPolygon {
  double nx[6], ny[6], c[6];
  bool exact[6];
  int edges = 0;
  double x0, x1, y0, y1;
  bool inViewport;
};

WindowPolygon ToWindow(const WindowMap& w, const ContourCell& cell, int below, const Shape& shape) {
  WindowPolygon q;
  WindowPoint p[6];
  double area = 0.0;
  q.x0 = q.y0 = INFINITY;
  q.x1 = q.y1 = -INFINITY;
  for (int i = 0; i < shape.n; ++i) {
    p[i] = ToWindow(w, shape.v[i]);
    q.x0 = std::fmin(q.x0, p[i].x);
    q.x1 = std::fmax(q.x1, p[i].x);
    q.y0 = std::fmin(q.y0, p[i].y);
    q.y1 = std::fmax(q.y1, p[i].y);
  }
  q.inViewport = q.x0 > w.left && q.x1 < w.right && q.y0 > w.bottom && q.y1 < w.top;
  for (int i = 0; i < shape.n; ++i) {
    const WindowPoint a = p[i], b = p[(i + 1) % shape.n];
    area += a.x * b.y - b.x * a.y;
  }
  const double turn = area > 0.0 ? 1.0 : -1.0;
  for (int i = 0; i < shape.n; ++i) {
    const WindowPoint a = p[i], b = p[(i + 1) % shape.n];
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    if (len < 1e-9) continue;  // a crossing on a corner: no edge
    const int e = q.edges++;
    q.nx[e] = -dy * turn / len;
    q.ny[e] = dx * turn / len;
    q.c[e] = -(q.nx[e] * a.x + q.ny[e] * a.y);
    q.exact[e] = WholeCellEdge(cell, below, shape.v[i], shape.v[(i + 1) % shape.n]);
  }
  return q;
}

enum class Side { kInside, kOutside, kNear };

// Where a pixel centre lies for a polygon of the run: surely outside (beyond
// kSnapMargin on some edge), inside its other edges by kSnapMargin (a whole
// cell edge decides alike for every polygon of the run, so it is left to
// decide), or too near to tell.
Side SideOf(const WindowPolygon& q, double cx, double cy) {
  bool inside = true;
  for (int e = 0; e < q.edges; ++e) {
    const double d = q.nx[e] * cx + q.ny[e] * cy + q.c[e];
    if (d <= -kSnapMargin) return Side::kOutside;
    if (d < kSnapMargin && !q.exact[e]) inside = false;
  }
  return inside ? Side::kInside : Side::kNear;
}

struct Centre {
  double x, y;
};
constexpr int kMaxNear = 16;

// The pixel centres too near the polygon's edge to tell; -1 when there are
// more than kMaxNear or the polygon leaves the viewport. Such a centre is
// within kSnapMargin of an edge other than a whole cell edge, so only the
// strips along those edges are searched, inside the bounding box (a centre
// farther out is surely outside).
int NearCentres(const WindowPolygon& q, Centre* near) {
  if (!q.inViewport) return -1;
  int n = 0;
  auto consider = [&](int i, int j) {
    const Centre c{i + 0.5, j + 0.5};
    if (c.x < q.x0 - kSnapMargin || c.x > q.x1 + kSnapMargin || c.y < q.y0 - kSnapMargin || c.y > q.y1 + kSnapMargin)
      return true;
    if (SideOf(q, c.x, c.y) != Side::kNear) return true;
    for (int k = 0; k < n; ++k) {
      if (near[k].x == c.x && near[k].y == c.y) return true;
    }
    if (n == kMaxNear) return false;
    near[n++] = c;
    return true;
  };
  // Centres i + 0.5 in [lo, hi].
  auto first = [](double lo) { return static_cast<int>(std::ceil(lo - 0.5)); };
  auto last = [](double hi) { return static_cast<int>(std::floor(hi - 0.5)); };
  for (int e = 0; e < q.edges; ++e) {
    if (q.exact[e]) continue;
    const bool rows = std::fabs(q.ny[e]) >= std::fabs(q.nx[e]);  // a flat edge: walk the columns
    const double a = rows ? q.nx[e] : q.ny[e], b = rows ? q.ny[e] : q.nx[e];
    const double lo = rows ? q.x0 : q.y0, hi = rows ? q.x1 : q.y1;
    const double reach = kSnapMargin / std::fabs(b);
    for (int i = first(lo - kSnapMargin); i <= last(hi + kSnapMargin); ++i) {
      const double across = -(a * (i + 0.5) + q.c[e]) / b;
      for (int j = first(across - reach); j <= last(across + reach); ++j) {
        if (!(rows ? consider(i, j) : consider(j, i))) return -1;
      }
    }
  }
  return n;
}

// Levels g0..g1 of one key, one set of corners below and no saddle, drawn
// from the top down. A polygon is left out when the last drawn one covers
// it: every centre near the drawn one's edge is surely outside it, so each
// centre it could reach is surely inside the drawn one.
void DrawRun(const ContourCell& cell, const ContourLevels& levels, int g0, int g1, int below, const WindowMap& w,
             ContourSink& sink) {
  static std::vector<Shape> drawn;  // top first
  drawn.clear();
  Centre near[kMaxNear];
  int nearCount = -1;
  int k = g1;
  for (; k >= g0; --k) {
    CaptureSink capture;
    TraceCell(cell, levels, k, true, capture);
    if (capture.count != 1) break;  // not one polygon after all
    if (nearCount >= 0) {
      const WindowPolygon q = ToWindow(w, cell, below, capture.shape);
      bool covered = true;
      for (int c = 0; c < nearCount && covered; ++c) covered = SideOf(q, near[c].x, near[c].y) == Side::kOutside;
      if (covered) continue;
      nearCount = NearCentres(q, near);
    } else if (drawn.empty()) {
      nearCount = NearCentres(ToWindow(w, cell, below, capture.shape), near);
    }
    drawn.push_back(capture.shape);
    if (nearCount == 0) {  // clear of centres: it covers every polygon below
      k = g0 - 1;
      break;
    }
    if (nearCount < 0) {  // no way to tell: the rest as traced
      --k;
      break;
    }
  }
  for (int j = g0; j <= k; ++j) TraceCell(cell, levels, j, true, sink);
  for (auto it = drawn.rbegin(); it != drawn.rend(); ++it) Emit(*it, sink);
}

}  // namespace

std::vector<int32_t> LevelColourKeys(const ViewState& s, const ContourLevels& levels) {
  std::vector<int32_t> keys(static_cast<size_t>(levels.count));
  for (int k = 0; k < levels.count; ++k) {
    const Rgb c = DensityColor(s, DensityRatio(ContourLevel(levels, k), s.m_fMaxDensity));
    const int r = Channel(c.r), g = Channel(c.g), b = Channel(c.b);
    keys[static_cast<size_t>(k)] = r < 0 || g < 0 || b < 0 ? -1 : r | g << 8 | b << 16;
  }
  return keys;
}

int TraceMergedBands(const ViewState& s, const WindowMap& window, const std::vector<int32_t>& keys, ContourSink& sink) {
  const ContourLevels levels = LevelsOf(s);
  if (!(levels.nudge > 0.0f) || !(levels.step > 0.0f) || keys.size() != static_cast<size_t>(levels.count)) {
    return TraceVisible(s, true, sink);
  }
  for (int v = 0; v < s.m_nGridV; ++v) {
    for (int u = 0; u < s.m_nGridU; ++u) {
      const ContourCell cell = CellOf(s, u, v);
      int first = 0, last = 0;
      VisibleLevels(cell, levels, true, &first, &last);
      if (last - first < 2 || FlatEdge(cell, levels.epsilon)) {
        for (int k = first; k < last; ++k) TraceCell(cell, levels, k, true, sink);
        continue;
      }
      int k = first;
      while (k < last) {
        const int32_t key = keys[static_cast<size_t>(k)];
        const int below = CornersBelow(cell, levels, k);
        if (key < 0 || below < 0) {
          TraceCell(cell, levels, k++, true, sink);
          continue;
        }
        int end = k + 1;
        while (end < last && keys[static_cast<size_t>(end)] == key && CornersBelow(cell, levels, end) == below) ++end;
        if (end - k == 1) {
          TraceCell(cell, levels, k, true, sink);
        } else {
          DrawRun(cell, levels, k, end - 1, below, window, sink);
        }
        k = end;
      }
    }
  }
  return levels.count;
}

}  // namespace pyk
