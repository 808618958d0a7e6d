// Contour tracing geometry: levels, crossings, saddle pairing and the fill table.
#include "render/contour.h"
#include "render/dashes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <vector>

namespace pyk {
namespace {

struct Recorder : ContourSink {
  struct Shape {
    std::vector<Point2> v;
    int k;
  };
  void Segment(Point2 a, Point2 b, int k) override { segments.push_back({{a, b}, k}); }
  void Polygon(const Point2* v, int n, int k) override { polygons.push_back({std::vector<Point2>(v, v + n), k}); }
  std::vector<Shape> segments, polygons;
};

bool Same(Point2 a, Point2 b) { return std::fabs(a.x - b.x) < 1e-6f && std::fabs(a.y - b.y) < 1e-6f; }

// The unit square cell c0 (0,0), c1 (1,0), c2 (1,1), c3 (0,1).
ContourCell Square(float v0, float v1, float v2, float v3) {
  return {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {v0, v1, v2, v3}};
}

// A single level at `level` (min = level, step 1).
ContourLevels At(float level) { return ComputeContourLevels(level, level + 0.5f, 1.0f, 1e-7f); }

TEST(Contour, LevelCount) {
  const struct {
    float min, max, step;
    int count;
    bool capped;
  } rows[] = {
      {-0.5f, 2.37f, 0.14f, 21, false}, {0.0f, 1.0f, 0.25f, 5, false}, {0.0f, 1.0f, 0.0f, 0, false},
      {0.0f, 1.0f, NAN, 0, false},      {0.0f, 1.0f, -5.0f, 0, false}, {0.0f, 1.0f, -0.1f, 0, false},
      {0.0f, 1.0f, 1e-6f, kMaxContourLevels, true}, {0.0f, 1e9f, 1e-3f, 0, false},  // quotient beyond 32 bits
      {2.0f, 2.0f, 0.5f, 1, false}, {0.0f, 1.0f, INFINITY, 0, false},
      // A 20000th of the range (si.fou's) keeps every level.
      {-0.652819f, 295.682299f, (295.682299f + 0.652819f) / 20000.0f, 20001, false},
  };
  for (const auto& r : rows) {
    const ContourLevels l = ComputeContourLevels(r.min, r.max, r.step, 1e-7f);
    EXPECT_EQ(l.count, r.count) << r.min << " " << r.max << " " << r.step;
    EXPECT_EQ(l.capped, r.capped) << r.min << " " << r.max << " " << r.step;
  }
  const ContourLevels l = ComputeContourLevels(-0.5f, 2.37f, 0.14f, 1e-7f);
  EXPECT_EQ(ContourLevel(l, 0), -0.5f);
  EXPECT_EQ(ContourLevel(l, 20), static_cast<float>(-0.5 + 20 * double{0.14f}));
  EXPECT_FLOAT_EQ(l.nudge, 2.87e-7f);
}

// Symmetric levels: the nonzero multiples of the step within (min, max],
// -m and +m equal in size, and the first level above a value found among them.
TEST(Contour, SymmetricLevelsAreTheNonzeroMultiplesAboveTheMinimum) {
  const struct {
    float min, max, step;
    int lo, hi;  // the multiples lo .. hi, zero left out
  } rows[] = {
      {-1.0f, 1.0f, 0.5f, -1, 2},                // none at the minimum, none at zero
      {0.2f, 2.0f, 0.5f, 1, 4},                  // all above zero
      {-3.0f, -0.2f, 1.0f, -2, -1},              // all below zero
      {-0.4f, 0.3f, 0.5f, 0, 0},                 // only zero would lie in the range
      {0.5f, 0.5f, 1.0f, 1, 0},                  // a flat map
      {-1.0f, 1.0f, 0.0f, 1, 0},                 // no step
      {-24.7017f, 23.3518f, 1.40637f, -17, 16},  // the difference sample at 3 sigma
  };
  for (const auto& r : rows) {
    const ContourLevels l = ComputeContourLevels(r.min, r.max, r.step, 1e-7f, true);
    std::vector<int> want;
    for (int m = r.lo; m <= r.hi; ++m) {
      if (m != 0) want.push_back(m);
    }
    ASSERT_EQ(l.count, static_cast<int>(want.size())) << r.min << " " << r.max;
    for (int k = 0; k < l.count; ++k) {
      EXPECT_EQ(ContourLevel(l, k), static_cast<float>(want[k] * double{r.step})) << r.min << " k " << k;
      EXPECT_EQ(FirstLevelAbove(l, ContourLevel(l, k)), k + 1);
      EXPECT_EQ(FirstLevelAbove(l, std::nextafter(ContourLevel(l, k), -INFINITY)), k);
    }
  }
  const ContourLevels l = ComputeContourLevels(-1.0f, 1.0f, 0.3f, 1e-7f, true);  // -0.9 .. 0.9
  ASSERT_EQ(l.count, 6);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(ContourLevel(l, k), -ContourLevel(l, 5 - k));
}

// Dashes along the polyline the segments form, whatever their order and direction.
TEST(Contour, DashesRunAlongThePolylineAndRestartOnEachLine) {
  const struct {
    const char* what;
    std::vector<Point2> ends;
    float on, off;
    float length;  // of all dashes
    size_t pieces;
  } rows[] = {
      // 0..4 along x given out of order, two reversed: dashes [0, 1.5) and [2, 3.5), cut at the joins.
      {"open line", {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {1, 0}, {0, 0}, {3, 0}, {2, 0}}, 1.5f, 0.5f, 3.0f, 4},
      {"closed square", {{0, 0}, {1, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 1}, {0, 0}, {0, 1}}, 0.5f, 0.5f, 2.0f, 4},
      // Two lines of 0.6: each starts with a dash (a running pattern would give 0.5 + 0.2).
      {"two lines", {{0, 0}, {0.6f, 0}, {0, 5}, {0.6f, 5}}, 0.5f, 0.5f, 1.0f, 2},
      {"a point", {{2, 2}, {2, 2}}, 0.5f, 0.5f, 0.0f, 0},
      {"no dash length", {{0, 0}, {1, 0}}, 0.0f, 0.5f, 0.0f, 0},
  };
  for (const auto& r : rows) {
    const std::vector<Point2> d = DashSegments(r.ends, r.on, r.off);
    ASSERT_EQ(d.size(), 2 * r.pieces) << r.what;
    float length = 0.0f;
    for (size_t i = 0; i < d.size(); i += 2) length += std::hypot(d[i + 1].x - d[i].x, d[i + 1].y - d[i].y);
    EXPECT_NEAR(length, r.length, 1e-5f) << r.what;
  }
  const std::vector<Point2> open = DashSegments(rows[0].ends, 1.5f, 0.5f);
  const float xs[8] = {0, 1, 1, 1.5f, 2, 3, 3, 3.5f};
  for (int i = 0; i < 8; ++i) EXPECT_FLOAT_EQ(open[i].x, xs[i]) << i;
}

TEST(Contour, CrossingInterpolatesFromTheLowerEnd) {
  const struct {
    float xa, ya, va, xb, yb, vb, level;
    Point2 p;
  } rows[] = {
      {0, 0, 0, 4, 2, 2, 1, {2, 1}},  {4, 2, 2, 0, 0, 0, 1, {2, 1}}, {0, 0, 1, 1, 0, 0, 1, {0, 0}},
      {0, 0, 1, 1, 0, 1.00000001f, 1, {0, 0}},  // values closer than epsilon: the origin
      {3, 3, 5, 3, 5, 5.00000005f, 5, {0, 0}},
  };
  for (const auto& r : rows) {
    const Point2 p = ContourCrossing(r.xa, r.ya, r.va, r.xb, r.yb, r.vb, r.level, 1e-7f);
    EXPECT_TRUE(Same(p, r.p)) << p.x << "," << p.y;
  }
}

TEST(Contour, LineTypeCountsAndSaddlePairing) {
  const struct {
    ContourCell cell;
    float level;
    std::vector<std::pair<Point2, Point2>> segments;
  } rows[] = {
      {Square(0, 0, 0, 0), 1, {}},                              // all below: nothing
      {Square(2, 2, 2, 2), 1, {}},                              // all above
      {Square(0, 2, 2, 0), 1, {{{0.5f, 0}, {0.5f, 1}}}},        // edges 0 and 2
      {Square(1, 0, 0, 0), 1, {{{0, 0}, {0, 0}}}},              // corner on the level counts above: both crossings at c0
      {Square(1, 0, 2, 2), 1, {{{0, 0}, {1, 0.5f}}}},           // the same, between higher corners: not three crossings
      {Square(1, 0, 1, 0), 0.5f, {{{0.5f, 0}, {0, 0.5f}}, {{1, 0.5f}, {0.5f, 1}}}},  // tie: P1-P4, P2-P3
      {Square(1, 0, 0.9f, 0), 0.5f, {{{0.5f, 0}, {0, 0.5f}}, {{1, 0.5f / 0.9f}, {0.5f / 0.9f, 1}}}},
      {Square(1, 0, 1, 0.2f), 0.5f, {{{0.375f, 1}, {0, 0.625f}}, {{0.5f, 0}, {1, 0.5f}}}},  // d12 < d14: P3-P4, P1-P2
  };
  for (const auto& r : rows) {
    Recorder rec;
    TraceCell(r.cell, At(r.level), 0, false, rec);
    ASSERT_EQ(rec.segments.size(), r.segments.size());
    for (size_t i = 0; i < r.segments.size(); ++i) {
      EXPECT_TRUE(Same(rec.segments[i].v[0], r.segments[i].first)) << i << ": " << rec.segments[i].v[0].x << "," << rec.segments[i].v[0].y;
      EXPECT_TRUE(Same(rec.segments[i].v[1], r.segments[i].second)) << i << ": " << rec.segments[i].v[1].x << "," << rec.segments[i].v[1].y;
    }
  }
}

// A steep section at a step of a 20000th of its range: a peak on the middle
// grid point, every other point at the minimum. Each level above the
// minimum is traced, the highest (on the peak itself) included.
TEST(Contour, TheFinestStepKeepsTheHighestLevel) {
  const float rows[][2] = {{-0.652819f, 295.682299f}, {0.0f, 1.0f}};  // minimum, peak
  auto s = MakeViewState();
  ResetViewState(*s);
  s->m_nGridU = s->m_nGridV = 2;
  for (const auto& [min, peak] : rows) {
    for (int u = 0; u <= 2; ++u) {
      for (int v = 0; v <= 2; ++v) {
        s->m_afSectionXYZ[u][v][0] = static_cast<float>(u);
        s->m_afSectionXYZ[u][v][1] = static_cast<float>(v);
        s->m_afSection[u][v] = u == 1 && v == 1 ? peak : min;
      }
    }
    s->m_fMinDensity = min;
    s->m_fMaxDensity = peak;
    s->m_fContourStep = (peak - min) / 20000.0f;
    for (const bool gradient : {false, true}) {
      for (auto trace : {TraceSection, TraceVisible}) {
        Recorder rec;
        const int count = trace(*s, gradient, rec);
        std::set<int> traced;
        for (const auto& shape : gradient ? rec.polygons : rec.segments) traced.insert(shape.k);
        EXPECT_EQ(count, 20001) << peak << " " << gradient;
        ASSERT_FALSE(traced.empty());
        EXPECT_EQ(*traced.rbegin(), 20000) << peak << " " << gradient;
        EXPECT_EQ(traced.size(), 20000u) << peak << " " << gradient;  // all but the level on the minimum
      }
    }
  }
}

TEST(Contour, SaddleFillsFollowThePairing) {
  const struct {
    ContourCell cell;
    std::vector<int> sizes;  // polygon vertex counts in order
    Point2 first;            // first vertex of the first polygon
  } rows[] = {
      {Square(1, 0, 1, 0), {6}, {0.5f, 0}},                 // tie, V0 > V1: hexagon P1, c1, P2, P3, c3, P4
      {Square(0, 1, 0, 1), {3, 3}, {0, 0}},                 // tie, V0 <= V1: triangles c0, P1, P4 and P2, c2, P3
      {Square(1, 0, 1, 0.2f), {3, 3}, {0.5f, 0}},           // d12 < d14, V0 > V1: triangles P1, c1, P2 and P3, c3, P4
      {Square(0, 1, 0, 0.8f), {6}, {0, 0}},                 // d12 < d14, V0 <= V1: hexagon c0, P1, P2, c2, P3, P4
  };
  for (const auto& r : rows) {
    Recorder rec;
    TraceCell(r.cell, At(0.5f), 0, true, rec);
    ASSERT_EQ(rec.polygons.size(), r.sizes.size());
    for (size_t i = 0; i < r.sizes.size(); ++i) EXPECT_EQ(rec.polygons[i].v.size(), static_cast<size_t>(r.sizes[i]));
    EXPECT_TRUE(Same(rec.polygons[0].v[0], r.first));
  }
}

// Every row of the two-crossing table fills exactly the corners below the level.
TEST(Contour, TwoCrossingFillsHoldTheCornersBelowTheLevel) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> value(0.0f, 1.0f);
  for (int trial = 0; trial < 20000; ++trial) {
    const ContourCell c = Square(value(rng), value(rng), value(rng), value(rng));
    Recorder rec;
    TraceCell(c, At(0.5f), 0, true, rec);
    int below = 0;
    for (float v : c.value) below += v < 0.5f;
    if (below == 0) {
      EXPECT_TRUE(rec.polygons.empty());
      continue;
    }
    if (below == 4) {
      ASSERT_EQ(rec.polygons.size(), 1u);
      EXPECT_EQ(rec.polygons[0].v.size(), 4u);
      continue;
    }
    const bool saddle = (c.value[0] < 0.5f) == (c.value[2] < 0.5f) && (c.value[1] < 0.5f) == (c.value[3] < 0.5f);
    if (saddle) continue;
    ASSERT_EQ(rec.polygons.size(), 1u);
    const auto& poly = rec.polygons[0].v;
    int corners = 0;
    for (const Point2& p : poly) {
      for (int m = 0; m < 4; ++m) {
        if (!Same(p, c.p[m])) continue;
        ++corners;
        EXPECT_LT(c.value[m], 0.5f) << "corner " << m << " above the level is filled";
      }
    }
    EXPECT_EQ(corners, below);
    EXPECT_EQ(poly.size(), static_cast<size_t>(below + 2));
  }
}

}  // namespace
}  // namespace pyk
