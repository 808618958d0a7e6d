// Face, section, contour-density and height commands: state, recomputation and redraws.
#include "engine/section_commands.h"

#include <gtest/gtest.h>

#include <cmath>

#include "map/section_choice.h"
#include "pure_helpers.h"

namespace pyk::test {
namespace {

// A 4 x 6 x 20 P1 map whose densities tell the grid plane: 100 x + 10 y + z.
std::string PlaneMap() {
  return GridMapText(4, 6, 20, [](int x, int y, int z) { return 100 * x + 10 * y + z; });
}

TEST(Navigation, SectionStepsHoldTheBoundsAndAlwaysRecompute) {
  auto [dir, s, p] = Scratch();
  ASSERT_EQ(LoadText(*s, p, dir, PlaneMap()), 0);
  const struct {
    bool up;
    int start, expected;
  } rows[] = {{true, 19, 20}, {true, 20, 20}, {true, 27, 20},
              {false, 1, 0},  {false, 0, 0},  {false, 27, 26}};  // down from above the count goes to the section below
  for (const auto& r : rows) {
    s->m_nSection = r.start;
    s->m_afSection[0][0] = -1.0f;
    p.events.clear();
    if (r.up) {
      OnSectionUp(*s, p);
    } else {
      OnSectionDown(*s, p);
    }
    EXPECT_EQ(s->m_nSection, r.expected) << r.start;
    EXPECT_EQ(s->m_anSectionIndex[kPlane00L], r.expected);
    EXPECT_EQ(s->m_afSection[0][0], static_cast<float>(r.expected % 20));  // section 20 shows plane 0
    EXPECT_EQ(p.events, std::vector<std::string>{"invalidate"});
  }
}

TEST(Navigation, FacesCarryTheSectionNumberAndTheSameFaceDoesNothing) {
  auto [dir, s, p] = Scratch();
  ASSERT_EQ(LoadText(*s, p, dir, PlaneMap()), 0);
  s->m_nSection = 3;
  OnFaceH(*s, p);  // section 3 along x
  EXPECT_EQ(s->m_nPlane, kPlaneH00);
  EXPECT_EQ(s->m_nSectionCount, 4);
  EXPECT_EQ(s->m_nGridU, 6);
  EXPECT_EQ(s->m_nGridV, 20);
  EXPECT_EQ(s->m_afSection[2][5], 325.0f);
  OnFaceH(*s, p);
  OnFaceL(*s, p);  // back: section 3 along z
  EXPECT_EQ(s->m_afSection[1][2], 123.0f);
  OnFaceK(*s, p);
  EXPECT_EQ(s->m_afSection[2][4], 234.0f);
  EXPECT_EQ(p.events, std::vector<std::string>(3, "invalidate"));
  EXPECT_TRUE(FaceChecked(*s, kPlane0K0));
  EXPECT_FALSE(FaceChecked(*s, kPlane00L));

  // A number beyond the new face's count becomes the periodic equal that is drawn.
  OnFaceL(*s, p);
  s->m_nSection = 18;
  OnFaceH(*s, p);  // 4 sections along x: 18 shows plane 2
  EXPECT_EQ(s->m_nSection, 2);
  EXPECT_EQ(s->m_anSectionIndex[kPlaneH00], 2);
  EXPECT_EQ(s->m_afSection[0][0], 200.0f);
  OnSectionUp(*s, p);
  EXPECT_EQ(s->m_nSection, 3);
  s->m_nSection = 4;
  OnFaceL(*s, p);  // within the count: kept
  EXPECT_EQ(s->m_nSection, 4);
}

TEST(Navigation, SectionAtTakesTheFractionPeriodicallyAndRoundsHalfUp) {
  auto [dir, s, p] = Scratch();
  ASSERT_EQ(LoadText(*s, p, dir, GridMapText(4, 5, 20, [](int x, int y, int z) { return x + y + z; })), 0);
  const double belowHalf = std::nextafter(0.125, 0.0);  // just below half a step of 4
  const struct {
    int plane;
    double fraction;
    int expected;
  } rows[] = {
      {kPlane00L, 0.5, 10},   {kPlane0K0, 0.5, 3},   {kPlane0K0, -0.5, 3},
      {kPlane00L, 0.0, 0},    {kPlane00L, 1.0, 20},  {kPlane00L, 1.25, 5},
      {kPlane00L, -0.25, 15}, {kPlaneH00, 0.125, 1}, {kPlaneH00, belowHalf, 0},
  };
  for (const auto& r : rows) {
    SelectFace(*s, r.plane);
    EXPECT_EQ(SectionAt(*s, r.fraction), r.expected) << r.plane << " " << r.fraction;
  }
}

TEST(Navigation, MeshModeRecalculatesAndRefusesContourDensity) {
  auto [dir, s, p] = Scratch();
  ASSERT_EQ(LoadText(*s, p, dir, PlaneMap()), 0);
  s->m_nViewMode = k3dMesh;  // no mesh program here: each recalculation fails with its message
  OnSectionUp(*s, p);
  EXPECT_EQ(s->m_nStatus, 1);
  OnHeightUp(*s, p);
  OnFaceH(*s, p);
  const float step = s->m_fContourStep;
  OnContourDensityUp(*s, p);
  OnContourDensityDown(*s, p);
  EXPECT_EQ(s->m_fContourStep, step);
  EXPECT_FALSE(ContourDensityEnabled(*s));
  const std::vector<std::string> expected = {"Mesh calculation failed !!!", "Mesh calculation failed !!!",
                                             "Mesh calculation failed !!!", "This mode not available !!!",
                                             "This mode not available !!!"};
  EXPECT_EQ(p.Messages(), expected);
  s->m_nViewMode = k3dContour;
  OnSectionUp(*s, p);
  EXPECT_EQ(p.Messages(), expected);
  EXPECT_EQ(s->m_nStatus, 0);
}

TEST(Navigation, ContourDensityAndHeightFactors) {
  auto s = FreshState();
  RecordingPlatform p;
  s->m_fContourStep = 1.0f;
  s->m_fMaxDensity = 1.05f;
  OnContourDensityDown(*s, p);
  EXPECT_EQ(s->m_fContourStep, 1.05f);
  s->m_nContourLevels = 32;
  OnContourDensityUp(*s, p);
  EXPECT_EQ(s->m_fContourStep, static_cast<float>(1.05f * 0.9));
  EXPECT_EQ(s->m_nContourLevels, 33);
  for (int i = 0; i < 3; ++i) OnHeightUp(*s, p);
  EXPECT_NEAR(s->m_fHeightScale, 1.331, 1e-6);
  OnHeightDown(*s, p);
  EXPECT_NEAR(s->m_fHeightScale, 1.331 * 0.9, 1e-6);
}

TEST(Navigation, BeforeAnyMapTheViewStaysEmpty) {
  auto s = FreshState();
  s->m_nStatus = -1;
  RecordingPlatform p;
  OnFaceH(*s, p);
  OnSectionUp(*s, p);
  OnSectionDown(*s, p);
  OnHeightUp(*s, p);
  EXPECT_EQ(s->m_nStatus, -1);
  EXPECT_EQ(s->m_nSection, 0);
  EXPECT_TRUE(p.events.empty());
}

}  // namespace
}  // namespace pyk::test
