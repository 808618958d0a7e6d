// Section extraction: first-wins fill, periodic section numbers, geometry and
// heights. Records outside the cell and the periodic closing of the grid are
// checked on the shipped samples against the generator's own expansion.
#include "map/section.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/maps.h"

namespace pyk::test {
namespace {

// A loaded-looking record: cell, grid and records set directly.
std::unique_ptr<ViewState> Map(int nx, int ny, int nz, float gamma = 90.0f) {
  auto s = FreshState();
  const float cell[6] = {10, 12, 14, 90, 90, gamma};
  std::copy(cell, cell + 6, s->m_afCell);
  const int grid[3] = {nx, ny, nz};
  std::copy(grid, grid + 3, s->m_anGrid);
  s->m_nPlane = kPlane00L;
  s->m_fMaxDensity = 5.0f;
  s->m_bMapValid = 1;
  return s;
}

void AddRecord(ViewState& s, int x, int y, int z, float d) {
  const int point[3] = {x, y, z};
  std::copy(point, point + 3, s.m_anPoint[s.m_nPoints]);
  s.m_afDensity[s.m_nPoints++] = d;
}

TEST(Section, FirstCollectedImageWinsAndUntouchedPointsKeepTheirValue) {
  auto s = Map(4, 4, 4);
  s->m_nSymOps = 2;  // a two-fold along z, then the identity; no translations
  const int ops[2][3] = {{-1, -1, 1}, {1, 1, 1}};
  for (int op = 0; op < 2; ++op) {
    for (int k = 0; k < 3; ++k) s->m_anSymRot[op][k][k] = ops[op][k];
  }
  AddRecord(*s, 1, 1, 0, 1.0f);   // its two-fold image lands on (3, 3)
  AddRecord(*s, 3, 3, 0, 2.0f);   // its own position comes later than that image
  AddRecord(*s, 2, 0, 0, 4.0f);   // own position first, then its image (2, 0) again
  AddRecord(*s, 6, 4, 0, 5.0f);   // reduced onto (2, 0) too, but later
  s->m_afSection[0][1] = 9.0f;     // reached by no point
  ComputeSection(*s);
  EXPECT_EQ(s->m_afSection[1][1], 1.0f);
  EXPECT_EQ(s->m_afSection[3][3], 1.0f);
  EXPECT_EQ(s->m_afSection[2][0], 4.0f);
  EXPECT_EQ(s->m_afSection[0][1], 9.0f);
  EXPECT_EQ(s->m_afSection[4][1], 9.0f);  // periodic repeat of row 0
}

TEST(Section, IndexAtOrBeyondTheCountSelectsItsPeriodicEqual) {
  auto s = Map(4, 4, 5);
  AddRecord(*s, 1, 1, 0, 3.0f);
  AddRecord(*s, 1, 1, 2, 7.0f);
  const struct {
    int index;
    float value;
  } rows[] = {{0, 3.0f}, {5, 3.0f}, {7, 7.0f}, {10, 3.0f}, {2, 7.0f}};
  for (const auto& r : rows) {
    s->m_anSectionIndex[2] = r.index;
    ComputeSection(*s);
    EXPECT_EQ(s->m_afSection[1][1], r.value) << r.index;
  }
}

TEST(Section, GeometryCentresTheParallelogram) {
  const struct {
    float gamma;
    double cx, cy;
  } rows[] = {{90.0f, 5.0, 6.0}, {120.0f, 5.0 - 3.0, 6.0 * std::sin(120.0 * 3.14159265 / 180.0)}};
  for (const auto& r : rows) {
    auto s = Map(5, 4, 2, r.gamma);
    AddRecord(*s, 0, 0, 0, 1.0f);
    ComputeSection(*s);
    EXPECT_NEAR(s->m_afCenter[0], r.cx, 1e-5);
    EXPECT_NEAR(s->m_afCenter[1], r.cy, 1e-5);
    EXPECT_EQ(s->m_fMaxEdge, 12.0f);
    EXPECT_FLOAT_EQ(s->m_fHeightBase, 12.0f * 0.3f / 5.0f);
    const double c = r.gamma == 90.0f ? 0.0 : std::cos(120.0 * 3.14159265 / 180.0);
    const double sn = std::sin(r.gamma * 3.14159265 / 180.0);
    for (int u = 0; u <= 5; ++u) {
      for (int v = 0; v <= 4; ++v) {
        EXPECT_NEAR(s->m_afSectionXYZ[u][v][0], u * 10.0 / 5 + v * 12.0 * c / 4 - r.cx, 1e-5);
        EXPECT_NEAR(s->m_afSectionXYZ[u][v][1], v * 12.0 * sn / 4 - r.cy, 1e-5);
      }
    }
  }
  // A right angle gives exactly zero cosine: the rectangle's corners are symmetric.
  auto s = Map(5, 4, 2);
  AddRecord(*s, 0, 0, 0, 1.0f);
  ComputeSection(*s);
  EXPECT_EQ(s->m_afSectionXYZ[0][0][0], -5.0f);
  EXPECT_EQ(s->m_afSectionXYZ[5][4][0], 5.0f);
  EXPECT_EQ(s->m_afSectionXYZ[5][4][1], 6.0f);
}

TEST(Section, HeightsFollowTheFactorAndStayFiniteForAZeroMaximum) {
  auto s = Map(3, 3, 3);
  AddRecord(*s, 1, 1, 0, 4.0f);
  ComputeSection(*s);
  const float x = s->m_afSectionXYZ[1][1][0];
  EXPECT_FLOAT_EQ(s->m_afSectionXYZ[1][1][2], 4.0f * 12.0f * 0.3f / 5.0f);
  s->m_fHeightScale = 2.0f;
  ComputeHeights(*s);
  EXPECT_FLOAT_EQ(s->m_afSectionXYZ[1][1][2], 2.0f * 4.0f * 12.0f * 0.3f / 5.0f);
  EXPECT_EQ(s->m_afSectionXYZ[1][1][0], x);

  auto z = Map(3, 3, 3);
  z->m_fMaxDensity = 0.0f;
  AddRecord(*z, 1, 1, 0, 0.0f);
  AddRecord(*z, 2, 1, 0, -1.0f);
  ComputeSection(*z);
  EXPECT_EQ(z->m_fHeightBase, 0.0f);
  for (int u = 0; u <= 3; ++u) {
    for (int v = 0; v <= 3; ++v) EXPECT_EQ(z->m_afSectionXYZ[u][v][2], 0.0f);
  }
}

TEST(Section, NothingIsComputedWithoutACompleteMap) {
  auto s = FreshState();
  s->m_nStatus = -1;
  ComputeSection(*s);
  EXPECT_EQ(s->m_nStatus, -1);
}

}  // namespace
}  // namespace pyk::test
