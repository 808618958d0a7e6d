// Hidden-line removal: the coverage raster, the cell order, and the visible
// pieces and the records drawn from them against ray casting.
#include "mesh/hidden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "mesh/calculate.h"
#include "mesh/coverage.h"
#include "mesh/sections.h"

namespace pyk {
namespace {

using meshtest::Laid;

TEST(MeshCoverage, Table) {
  CoverageMask mask(100, 80, 2.0f);
  mask.FillTriangle(10, 10, 60, 10, 10, 50);
  mask.FillTriangle(70, 70, 70, 70, 90, 75);  // no area: covers nothing
  const struct {
    float x, y;
    bool hidden;
  } rows[] = {
      {20, 20, true},    {11, 11, true},    {30, 25, true},  // inside
      {9, 20, false},    {20, 9, false},    {40, 30, false},  // outside, beyond the hypotenuse
      {10.1f, 30, false},                                     // on the border: left visible
      {80, 72, false},   {-5, 20, false},   {200, 20, false},
  };
  const ScreenTriangle none = {{0, 0, 0}, {0, 0, 0}};
  for (const auto& r : rows) EXPECT_EQ(mask.Hidden(r.x, r.y, none), r.hidden) << r.x << "," << r.y;
  // A triangle given along with the test covers like the mask: together they
  // hide what each alone leaves at its border.
  const ScreenTriangle beside = {{60, 10, 60}, {10, 50, 50}};  // shares the hypotenuse
  for (const float x : {34.6f, 35.0f, 35.4f}) {  // on the hypotenuse x = 60 - 1.25 (y - 10)
    EXPECT_FALSE(mask.Hidden(x, 30, none)) << x;
    EXPECT_TRUE(mask.Hidden(x, 30, beside)) << x;
  }
  EXPECT_FALSE(mask.Hidden(60.2f, 30, beside));
  EXPECT_EQ(CoverageScale(900, 720), 2.0f);
  EXPECT_EQ(CoverageScale(8192, 100), 0.5f);
}

TEST(MeshHidden, CellOrderPutsOccludersFirst) {
  // Feet of the eye outside each side, on a corner and inside the grid.
  const double feet[][2] = {{-3, 4.5}, {14, 4.5}, {5.5, -2}, {5.5, 11}, {-1, -1}, {6.2, 3.7}};
  const int nu = 12, nv = 9;
  for (const auto& f : feet) {
    MeshLayout L;
    L.nu = nu;
    L.nv = nv;
    L.footU = f[0];
    L.footV = f[1];
    const std::vector<int> order = FrontToBackCells(L);
    ASSERT_EQ(order.size(), static_cast<size_t>(nu * nv));
    std::vector<int> rank(order.size(), -1);
    for (size_t k = 0; k < order.size(); ++k) rank[static_cast<size_t>(order[k])] = static_cast<int>(k);
    ASSERT_EQ(std::count(rank.begin(), rank.end(), -1), 0);
    // A ray from the foot to a point of cell b crosses only cells whose index
    // lies between the foot's and b's along both axes: those come before b.
    auto between = [](int c, int b, double foot, int n) {
      const double fc = std::clamp(std::floor(foot), -1.0, static_cast<double>(n));
      return (c - fc) * (b - fc) >= 0 && std::fabs(c - fc) <= std::fabs(b - fc);
    };
    for (int a = 0; a < nu * nv; ++a) {
      for (int b = 0; b < nu * nv; ++b) {
        if (a != b && between(a / nv, b / nv, f[0], nu) && between(a % nv, b % nv, f[1], nv)) {
          EXPECT_LT(rank[static_cast<size_t>(a)], rank[static_cast<size_t>(b)])
              << "foot " << f[0] << "," << f[1] << ": cell " << a << " before " << b;
        }
      }
    }
  }
}

// A flat field hides nothing from any side: every edge is one whole piece.
TEST(MeshHidden, FlatFieldIsWhollyVisible) {
  const struct {
    float theta, phi, angle;
  } rows[] = {{30, 60, 104.5f}, {30, 10, 90}, {0, 0, 60}, {-120, 75, 60},
              {250, 45, 130},   {30, 120, 90}, {77, 85, 45}};
  for (const auto& r : rows) {
    MeshInput in = meshtest::FlatSection(40, 30);
    in.theta = r.theta;
    in.phi = r.phi;
    in.angle = r.angle;
    const std::vector<VisiblePiece> pieces = FindVisiblePieces(Laid(in));
    ASSERT_EQ(pieces.size(), static_cast<size_t>(EdgeCount(40, 30))) << "theta " << r.theta << " phi " << r.phi;
    for (size_t k = 0; k < pieces.size(); ++k) {
      EXPECT_EQ(pieces[k].edge, static_cast<int>(k));
      EXPECT_EQ(pieces[k].t0, 0.0f);
      EXPECT_EQ(pieces[k].t1, 1.0f);
    }
  }
}

// Ray casting as the reference: a point is hidden when the segment from the
// eye to it meets a surface triangle more than kGap before reaching it.
struct Vec {
  double x, y, z;
};
Vec Sub(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec Add(Vec a, Vec b, double s) { return {a.x + s * b.x, a.y + s * b.y, a.z + s * b.z}; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Möller and Trumbore (1997): the ray parameter of the hit, or -1.
double RayTriangle(Vec o, Vec dir, Vec a, Vec b, Vec c) {
  const Vec e1 = Sub(b, a), e2 = Sub(c, a), p = Cross(dir, e2);
  const double det = Dot(e1, p);
  if (std::fabs(det) < 1e-12) return -1;
  const Vec t = Sub(o, a);
  const double u = Dot(t, p) / det;
  if (u < 0 || u > 1) return -1;
  const Vec q = Cross(t, e1);
  const double v = Dot(dir, q) / det;
  if (v < 0 || u + v > 1) return -1;
  return Dot(e2, q) / det;
}

class RayCaster {
 public:
  explicit RayCaster(const MeshLayout& L) : L_(L) {
    const MeshRotation& r = L.rotation;
    eye_ = {L.view[0] + r.d * r.sp * r.ct, L.view[1] + r.d * r.sp * r.st, L.view[2] + r.d * r.cp};
    across_ = {-r.st, r.ct, 0};
    up_ = {-r.cp * r.ct, -r.cp * r.st, r.sp};
    forward_ = {-r.sp * r.ct, -r.sp * r.st, -r.cp};
  }
  // For a surface point at the given screen position and depth, on the edge
  // of triangles ownA and ownB (2 c for cell c's first, 2 c + 1 for its
  // second; -1 for none): +1 when the surface clearly in front of it covers
  // that position and the four 1.5 pixels across and up from it; -1 when
  // nothing lies in front of the point and nothing clearly in front at the
  // four; 0 otherwise (near a silhouette). At the four the edge's own
  // triangles do not count: their slopes bring the point's own surface nearer
  // there; the other triangle of a cell does, as it may fold over the edge.
  int Verdict(double sx, double sy, double depth, int ownA, int ownB) const {
    const double offsets[4][2] = {{1.5, 0}, {-1.5, 0}, {0, 1.5}, {0, -1.5}};
    const double centre = FirstHit(sx, sy, -1, -1);
    int hidden = centre < depth - kClearly ? 1 : 0, near = 0;
    for (const auto& o : offsets) {
      const double hit = FirstHit(sx + o[0], sy + o[1], ownA, ownB);
      hidden += hit < depth - kClearly ? 1 : 0;
      near += hit < depth - kClearly ? 1 : 0;
    }
    if (hidden == 5) return 1;
    return near == 0 && centre >= depth - kAtPoint ? -1 : 0;
  }

 private:
  // Depth gaps in model units: surface within kAtPoint is the point's own;
  // beside it, other surface kClearly nearer is in front.
  static constexpr double kAtPoint = 0.02, kClearly = 0.25;
  Vec At(int i, int j) const {
    const float fi = static_cast<float>(i), fj = static_cast<float>(j);
    return {L_.ModelX(fi, fj), L_.ModelY(fi, fj), L_.z[L_.Index(i, j)]};
  }
  // Depth of the nearest surface along the ray through a screen position,
  // leaving out triangles skipA and skipB.
  double FirstHit(double sx, double sy, int skipA, int skipB) const {
    // Rays are scaled so that their parameter is the depth from the eye.
    const Vec dir = Add(Add(forward_, across_, (sx - L_.view[4]) / L_.view[3]), up_, (sy - L_.view[5]) / L_.view[3]);
    double nearest = 1e300;
    for (int i = 0; i < L_.nu; ++i) {
      for (int j = 0; j < L_.nv; ++j) {
        const int first = 2 * (i * L_.nv + j);
        const Vec p00 = At(i, j), p10 = At(i + 1, j), p11 = At(i + 1, j + 1), p01 = At(i, j + 1);
        const double s0 = first == skipA || first == skipB ? -1 : RayTriangle(eye_, dir, p00, p10, p11);
        const double s1 = first + 1 == skipA || first + 1 == skipB ? -1 : RayTriangle(eye_, dir, p00, p11, p01);
        for (const double s : {s0, s1}) {
          if (s > 0) nearest = std::min(nearest, s);
        }
      }
    }
    return nearest;
  }
  const MeshLayout& L_;
  Vec eye_, across_, up_, forward_;
};

MeshInput Seen(MeshInput in, float theta, float phi) {
  in.theta = theta;
  in.phi = phi;
  return in;
}

// A peak on the corner nearest the eye, on a square grid: the triangle from
// its top down to the cell's far corner folds over the cell's far edge.
MeshInput CornerPeak() {
  MeshInput in = meshtest::MakeSection(4, 4, [](int i, int j) { return i + j == 0 ? 8.0 : 0.0; });
  in.edgeU = in.edgeV = 10;
  in.angle = 90;
  return in;
}

// Away from silhouettes (1.5 pixels), the raster pass and ray casting agree
// on every sample, and most samples are away from them.
TEST(MeshHidden, AgreesWithRayCasting) {
  const MeshInput crystal = meshtest::CrystalSection(24, 20);
  const struct {
    MeshInput in;
    int hiddenPercent;  // at least this share of the samples clearly hidden
  } views[] = {{Seen(crystal, 30, 60), 5}, {Seen(crystal, 200, 75), 5}, {Seen(crystal, -60, 40), 5},
               {Seen(crystal, 120, 110), 5}, {Seen(CornerPeak(), 20, 40), 1}};
  for (const auto& [in, hiddenPercent] : views) {
    const MeshLayout L = Laid(in);
    const std::vector<VisiblePiece> pieces = FindVisiblePieces(L);
    const RayCaster caster(L);
    const std::string view = "theta " + std::to_string(in.theta) + " phi " + std::to_string(in.phi);
    int samples = 0, clear = 0, hidden = 0;
    size_t next = 0;
    for (int e = 0; e < EdgeCount(L.nu, L.nv); ++e) {
      int i0, j0, i1, j1;
      EdgeEnds(L.nu, L.nv, e, &i0, &j0, &i1, &j1);
      const size_t a = L.Index(i0, j0), b = L.Index(i1, j1);
      // The triangles on the edge: the second of the cell below a u-edge and
      // the first of the cell above; the first of the cell left of a v-edge
      // and the second of the cell right of it.
      const bool alongU = j0 == j1;
      const int cell = i0 * L.nv + j0;
      const int ownA = alongU ? (j0 > 0 ? 2 * (cell - 1) + 1 : -1) : (i0 > 0 ? 2 * (cell - L.nv) : -1);
      const int ownB = alongU ? (j0 < L.nv ? 2 * cell : -1) : (i0 < L.nu ? 2 * cell + 1 : -1);
      const size_t first = next;
      while (next < pieces.size() && pieces[next].edge == e) ++next;
      for (const double t : {0.3, 0.7}) {
        bool drawn = false;
        for (size_t k = first; k < next; ++k) drawn |= t >= pieces[k].t0 && t <= pieces[k].t1;
        // t runs along the edge on the screen; in space it is s (perspective).
        const double za = L.depth[a], zb = L.depth[b];
        const double s = t * za / (t * za + (1 - t) * zb);
        const int verdict = caster.Verdict(L.sx[a] + t * (L.sx[b] - L.sx[a]), L.sy[a] + t * (L.sy[b] - L.sy[a]),
                                           za + s * (zb - za), ownA, ownB);
        ++samples;
        if (verdict == 0) continue;
        ++clear;
        hidden += verdict > 0 ? 1 : 0;
        EXPECT_EQ(drawn, verdict < 0) << view << " edge (" << i0 << "," << j0 << ")-(" << i1 << "," << j1 << ") t "
                                      << t;
      }
    }
    EXPECT_GT(clear, samples * 6 / 10) << view;
    EXPECT_GT(100 * hidden, hiddenPercent * samples) << view;
    // The program's records are these pieces' ends on the screen, in edge order.
    MeshResult result;
    std::string error;
    ASSERT_EQ(ComputeMesh(in, &result, &error), 0) << error;
    ASSERT_EQ(result.records.size(), 2 * pieces.size());
    for (size_t k = 0; k < pieces.size(); ++k) {
      int i0, j0, i1, j1;
      EdgeEnds(L.nu, L.nv, pieces[k].edge, &i0, &j0, &i1, &j1);
      const size_t a = L.Index(i0, j0), b = L.Index(i1, j1);
      for (const int end : {0, 1}) {
        const float t = end == 0 ? pieces[k].t0 : pieces[k].t1;
        EXPECT_NEAR(result.records[2 * k + end].x, L.sx[a] + t * (L.sx[b] - L.sx[a]), 1e-3f) << "piece " << k;
        EXPECT_NEAR(result.records[2 * k + end].y, L.sy[a] + t * (L.sy[b] - L.sy[a]), 1e-3f) << "piece " << k;
      }
    }
  }
}

}  // namespace
}  // namespace pyk
