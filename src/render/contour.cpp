// Contour tracing of a section: levels, crossings and the segments or polygons of each cell.
// Crossings are found on edges 0..3 in order (edge m joins corner m to corner
// m+1); saddle cells join P1 to the nearer of P2 and P4, to P4 on a tie.
#include "render/contour.h"

#include <cmath>

namespace pyk {

namespace {

// The nonzero multiples of the step within (min, max].
ContourLevels SymmetricLevels(ContourLevels l, float minDensity, float maxDensity) {
  const double lo = std::floor(double{minDensity} / l.step) + 1.0;
  const double hi = std::floor(double{maxDensity} / l.step);
  if (!std::isfinite(lo) || !std::isfinite(hi) || lo < -2147483648.0 || hi >= 2147483648.0) return l;
  const int64_t count = hi < lo ? 0 : static_cast<int64_t>(hi - lo) + 1 - (lo <= 0.0 && hi >= 0.0 ? 1 : 0);
  l.first = static_cast<int64_t>(lo);
  l.min = static_cast<float>(lo * l.step);
  l.capped = count > kMaxContourLevels;
  l.count = static_cast<int>(l.capped ? kMaxContourLevels : count);
  return l;
}

}  // namespace

ContourLevels ComputeContourLevels(float minDensity, float maxDensity, float step, float epsilon, bool symmetric) {
  ContourLevels l{0, minDensity, step, (maxDensity - minDensity) * epsilon, epsilon};
  l.symmetric = symmetric;
  // Only a positive finite spacing gives levels; any other draws none.
  if (!(step > 0.0f) || !std::isfinite(step)) return l;
  if (symmetric) return SymmetricLevels(l, minDensity, maxDensity);
  const float q = (maxDensity - minDensity) / step;
  if (!std::isfinite(q) || q >= 2147483648.0f || q < -2147483648.0f) return l;
  const int64_t k = static_cast<int64_t>(std::trunc(q)) + 1;
  l.capped = k > kMaxContourLevels;
  l.count = static_cast<int>(k < 0 ? 0 : (l.capped ? kMaxContourLevels : k));
  return l;
}

ContourLevels LevelsOf(const ViewState& s) {
  return ComputeContourLevels(s.m_fMinDensity, s.m_fMaxDensity, s.m_fContourStep, s.m_fEpsilon,
                              s.m_levelOptions.symmetric);
}

bool ContourLevelsCapped(const ViewState& s) { return LevelsOf(s).capped; }

float ContourLevel(const ContourLevels& levels, int k) {
  if (levels.symmetric) {
    int64_t m = levels.first + k;
    if (levels.first <= 0 && m >= 0) ++m;  // zero is no level
    // m * step in double, rounded once, so that -m and +m give levels of equal size.
    return static_cast<float>(static_cast<double>(m) * double{levels.step});
  }
  // Deliberately min + k * step in double, rounded once: not a float sum nor a running total.
  return static_cast<float>(double{levels.min} + k * double{levels.step});
}

Point2 ContourCrossing(float xa, float ya, float va, float xb, float yb, float vb, float level, float epsilon) {
  if (std::fabs(va - vb) < epsilon) return {0.0f, 0.0f};
  // Deliberately interpolated from the endpoint with the smaller value; the two branches round differently.
  if (va > vb) return {xb + (level - vb) * (xb - xa) / (vb - va), yb + (level - vb) * (yb - ya) / (vb - va)};
  return {xa + (level - va) * (xb - xa) / (vb - va), ya + (level - va) * (yb - ya) / (vb - va)};
}

namespace {

float SquaredDistance(Point2 a, Point2 b) {
  const float dx = a.x - b.x;
  const float dy = a.y - b.y;
  return dx * dx + dy * dy;
}

// The fill of a cell with two crossings, by the pair of crossed edges.
void FillTwo(const ContourCell& c, int first, int second, Point2 p1, Point2 p2, int k, ContourSink& sink) {
  const Point2* q = c.p;
  const float* v = c.value;
  Point2 poly[6];
  int n = 0;
  auto put = [&](Point2 a) { poly[n++] = a; };
  switch (first * 4 + second) {
    case 0 * 4 + 1:
      if (v[1] <= v[3]) {
        put(p1);
        put(q[1]);
        put(p2);
      } else {
        put(q[0]);
        put(p1);
        put(p2);
        put(q[2]);
        put(q[3]);
      }
      break;
    case 0 * 4 + 2:
      if (v[0] <= v[1]) {
        put(q[0]);
        put(p1);
        put(p2);
        put(q[3]);
      } else {
        put(p1);
        put(q[1]);
        put(q[2]);
        put(p2);
      }
      break;
    case 0 * 4 + 3:
      if (v[0] <= v[2]) {
        put(q[0]);
        put(p1);
        put(p2);
      } else {
        put(p1);
        put(q[1]);
        put(q[2]);
        put(q[3]);
        put(p2);
      }
      break;
    case 1 * 4 + 2:
      if (v[0] <= v[2]) {
        put(q[0]);
        put(q[1]);
        put(p1);
        put(p2);
        put(q[3]);
      } else {
        put(p1);
        put(q[2]);
        put(p2);
      }
      break;
    case 1 * 4 + 3:
      if (v[0] <= v[3]) {
        put(q[0]);
        put(q[1]);
        put(p1);
        put(p2);
      } else {
        put(p1);
        put(q[2]);
        put(q[3]);
        put(p2);
      }
      break;
    default:  // edges 2 and 3
      if (v[0] <= v[3]) {
        put(q[0]);
        put(q[1]);
        put(q[2]);
        put(p1);
        put(p2);
      } else {
        put(p1);
        put(q[3]);
        put(p2);
      }
      break;
  }
  sink.Polygon(poly, n, k);
}

}  // namespace

void CornerSides(const ContourCell& c, float level, float nudge, float d[4]) {
  for (int m = 0; m < 4; ++m) {
    d[m] = c.value[m] - level;
    if (d[m] == 0.0f) d[m] = nudge;
  }
}

void TraceCell(const ContourCell& c, const ContourLevels& levels, int k, bool gradient, ContourSink& sink) {
  const float level = ContourLevel(levels, k);
  float d[4];
  CornerSides(c, level, levels.nudge, d);
  Point2 p[4];
  int edges[4];
  int n = 0;
  for (int m = 0; m < 4; ++m) {
    const int b = (m + 1) & 3;
    if (d[m] * d[b] <= 0.0f) {
      p[n] = ContourCrossing(c.p[m].x, c.p[m].y, c.value[m], c.p[b].x, c.p[b].y, c.value[b], level, levels.epsilon);
      edges[n++] = m;
    }
  }
  const bool nearP2 = n == 4 && SquaredDistance(p[0], p[1]) < SquaredDistance(p[0], p[3]);
  if (!gradient) {
    if (n == 2) {
      sink.Segment(p[0], p[1], k);
    } else if (n == 4) {
      if (nearP2) {
        sink.Segment(p[2], p[3], k);
        sink.Segment(p[0], p[1], k);
      } else {
        sink.Segment(p[0], p[3], k);
        sink.Segment(p[1], p[2], k);
      }
    }
    return;
  }
  if (n < 2) {
    if (c.value[0] < level) sink.Polygon(c.p, 4, k);
  } else if (n == 2) {
    FillTwo(c, edges[0], edges[1], p[0], p[1], k, sink);
  } else if (n == 4) {
    const Point2* q = c.p;
    if (nearP2 == (c.value[0] <= c.value[1])) {
      // Hexagon: c0, P1, P2, c2, P3, P4 or P1, c1, P2, P3, c3, P4.
      const Point2 hex0[6] = {q[0], p[0], p[1], q[2], p[2], p[3]};
      const Point2 hex1[6] = {p[0], q[1], p[1], p[2], q[3], p[3]};
      sink.Polygon(nearP2 ? hex0 : hex1, 6, k);
    } else if (nearP2) {
      const Point2 t1[3] = {p[0], q[1], p[1]};
      const Point2 t2[3] = {p[2], q[3], p[3]};
      sink.Polygon(t1, 3, k);
      sink.Polygon(t2, 3, k);
    } else {
      const Point2 t1[3] = {q[0], p[0], p[3]};
      const Point2 t2[3] = {p[1], q[2], p[2]};
      sink.Polygon(t1, 3, k);
      sink.Polygon(t2, 3, k);
    }
  }
}

ContourCell CellOf(const ViewState& s, int u, int v) {
  const int us[4] = {u, u + 1, u + 1, u};
  const int vs[4] = {v, v, v + 1, v + 1};
  ContourCell c;
  for (int m = 0; m < 4; ++m) {
    c.p[m] = {s.m_afSectionXYZ[us[m]][vs[m]][0], s.m_afSectionXYZ[us[m]][vs[m]][1]};
    c.value[m] = s.m_afSection[us[m]][vs[m]];
  }
  return c;
}

int TraceSection(const ViewState& s, bool gradient, ContourSink& sink) {
  const ContourLevels levels = LevelsOf(s);
  for (int v = 0; v < s.m_nGridV; ++v) {
    for (int u = 0; u < s.m_nGridU; ++u) {
      const ContourCell cell = CellOf(s, u, v);
      for (int k = 0; k < levels.count; ++k) TraceCell(cell, levels, k, gradient, sink);
    }
  }
  return levels.count;
}

int FirstLevelAbove(const ContourLevels& levels, float x) {
  // A guess from the spacing, then corrected against the levels as rounded.
  const double guess = (double{x} - levels.min) / levels.step;
  int k = guess < 0.0 ? 0 : (guess >= levels.count ? levels.count : static_cast<int>(guess));
  while (k < levels.count && ContourLevel(levels, k) <= x) ++k;
  while (k > 0 && ContourLevel(levels, k - 1) > x) --k;
  return k;
}

void VisibleLevels(const ContourCell& cell, const ContourLevels& levels, bool gradient, int* first, int* last) {
  float lo = cell.value[0], hi = cell.value[0];
  for (float x : cell.value) {
    lo = x < lo ? x : lo;
    hi = x > hi ? x : hi;
  }
  *first = FirstLevelAbove(levels, lo);
  *last = FirstLevelAbove(levels, hi);  // line levels stop below it, band levels at it
  if (gradient && *last < levels.count) ++*last;
}

int TraceVisible(const ViewState& s, bool gradient, ContourSink& sink) {
  const ContourLevels levels = LevelsOf(s);
  // With no nudge (a flat map) or a non-positive step the shortcut's reasoning does not hold.
  if (!(levels.nudge > 0.0f) || !(levels.step > 0.0f)) return TraceSection(s, gradient, sink);
  for (int v = 0; v < s.m_nGridV; ++v) {
    for (int u = 0; u < s.m_nGridU; ++u) {
      const ContourCell cell = CellOf(s, u, v);
      int first = 0, last = 0;
      VisibleLevels(cell, levels, gradient, &first, &last);
      for (int k = first; k < last; ++k) TraceCell(cell, levels, k, gradient, sink);
    }
  }
  return levels.count;
}

}  // namespace pyk
