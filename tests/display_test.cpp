// Colour table and gradient arithmetic, status-pane texts and the drag arithmetic.
#include <gtest/gtest.h>

#include "render/colors.h"
#include "render/panes.h"
#include "state/mouse.h"
#include "support/maps.h"

namespace pyk {
void PrintTo(const PaneTexts& t, std::ostream* os) {
  *os << t.min << " " << t.max << " " << t.sect << " " << t.no << " " << t.pos << " " << t.step;
}
}  // namespace pyk

namespace pyk::test {
namespace {

std::unique_ptr<ViewState> Coloured(int positive = 4, int negative = 1) {
  auto s = FreshState();
  s->m_nPositiveColor = positive;
  s->m_nNegativeColor = negative;
  s->m_nContourBackColor = 7;
  s->m_nWallColor = 9;  // outside the palette
  s->m_afIniBackColor[0] = 0.25f;
  SetupColors(*s);
  return s;
}

TEST(Colors, PaletteAndTableFollowTheCodes) {
  auto s = Coloured();
  const float expected[8][3] = {{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {0, 1, 1}, {1, 0, 0}, {1, 0, 1}, {1, 1, 0}, {1, 1, 1}};
  for (int k = 0; k < 8; ++k) {
    for (int c = 0; c < 3; ++c) EXPECT_EQ(s->m_afPalette[k][c], expected[k][c]);
  }
  EXPECT_EQ(s->m_afColor[kColPositive][0], 1.0f);
  EXPECT_EQ(s->m_afColor[kColNegative][2], 1.0f);
  EXPECT_EQ(s->m_afColor[kColContourBack][1], 1.0f);
  EXPECT_EQ(s->m_afColor[kColWall][0] + s->m_afColor[kColWall][1] + s->m_afColor[kColWall][2], 0.0f);
  EXPECT_EQ(s->m_afColor[kColBackground][0], 0.25f);
}

TEST(Colors, DensityColourByTypeAndRatio) {
  const struct {
    int gradient;
    float t;
    Rgb expected;
  } rows[] = {
      {0, 0.0f, {1, 0, 0}}, {0, -0.01f, {0, 0, 1}}, {1, 0.0f, {1, 1, 0.5f}},    {1, 0.5f, {1, 0.5f, 0.25f}},
      {1, 1.0f, {1, 0, 0}}, {1, -1.0f, {0, 0, 1}},  {1, -2.0f, {-1, -1, 1.5f}},  // below -max: runs past the negative
                                                                                 // colour, unclamped
  };
  auto s = Coloured();
  for (const auto& r : rows) {
    s->m_bGradient = r.gradient;
    const Rgb c = DensityColor(*s, r.t);
    EXPECT_FLOAT_EQ(c.r, r.expected.r) << r.gradient << " " << r.t;
    EXPECT_FLOAT_EQ(c.g, r.expected.g) << r.gradient << " " << r.t;
    EXPECT_FLOAT_EQ(c.b, r.expected.b) << r.gradient << " " << r.t;
  }
}

TEST(Colors, MaterialsScaleTheColourAndAlwaysGrade) {
  auto s = Coloured();
  s->m_fMatAmbient = 0.5f;
  s->m_fMatDiffuse = 0.8f;
  s->m_fMatSpecular = 0.3f;
  s->m_fMatShininess = 20.0f;
  const MaterialValues m = DensityMaterialOf(*s, 0.5f);  // colour (1, 0.5, 0.25) in either type
  const auto four = [](const float* v) { return std::vector<float>(v, v + 4); };
  EXPECT_EQ(four(m.ambient), (std::vector<float>{0.5f, 0.25f, 0.125f, 1}));
  EXPECT_EQ(four(m.diffuse), (std::vector<float>{0.8f, 0.4f, 0.2f, 1}));
  EXPECT_EQ(four(m.specular), (std::vector<float>{0.3f, 0.3f, 0.3f, 1}));
  EXPECT_EQ(four(m.emission), (std::vector<float>{0, 0, 0, 1}));
  EXPECT_EQ(m.shininess, 20.0f);
  const MaterialValues w = MaterialOf(*s, kColContourBack);
  EXPECT_FLOAT_EQ(w.diffuse[0], 0.8f);
  EXPECT_EQ(DensityRatio(3.0f, 0.0f), 0.0f);
  EXPECT_EQ(DensityRatio(-3.0f, 2.0f), -1.5f);
}

TEST(Panes, TextsHaveTheirPrefixesAndNoLeadingBlanks) {
  const struct {
    int plane, section, count;
    float min, max, step;
    PaneTexts expected;
  } rows[] = {
      {2, 5, 20, -0.5f, 2.37f, 0.14f, {"Min:-0.50", "Max:2.37", "Sect:20", "No:5", "z:0.250", "dz:0.140"}},
      {0, 0, 4, -1234.567f, 12345.0f, 1.0f, {"Min:-1234.57", "Max:12345.00", "Sect:4", "No:0", "x:0.000", "dx:1.000"}},
      {1, 3, 3, 0.0f, 0.0f, 0.0f, {"Min:0.00", "Max:0.00", "Sect:3", "No:3", "y:1.000", "dy:0.000"}},
  };
  for (const auto& r : rows) {
    auto s = FreshState();
    s->m_nPlane = r.plane;
    s->m_nSection = r.section;
    s->m_nSectionCount = r.count;
    s->m_fMinDensity = r.min;
    s->m_fMaxDensity = r.max;
    s->m_fContourStep = r.step;
    EXPECT_EQ(FormatPaneTexts(*s), r.expected);
  }
}

TEST(Mouse, DragStepsMoveTheTransform) {
  const struct {
    int mode, x0, x1, y0, y1;
    float rotX0, rotY0;
    float rotX, rotY, transX, transY, transZ;
  } rows[] = {
      {kRotation, 0, 0, 0, 5, 359, 0, 0.8f, 0, 0, 0, 0},    // 360.8 wraps once
      {kRotation, 5, 0, 0, 0, 0, -359, 0, -0.8f, 0, 0, 0},  // -360.8 wraps once
      {kRotation, 0, 0, 0, 2000, 0, 0, 360, 0, 0, 0, 0},    // 720 wraps to 360 only
      {kRotation, 0, 1000, 0, 0, 0, 0, 0, 360, 0, 0, 0},    // exactly 360 stays
      {7, 0, 10, 0, 10, 0, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& r : rows) {
    auto s = FreshState();
    s->m_fRotX = r.rotX0;
    s->m_fRotY = r.rotY0;
    ApplyMouseDrag(*s, r.mode, r.x0, r.x1, r.y0, r.y1);
    EXPECT_NEAR(s->m_fRotX, r.rotX, 1e-4) << r.mode << " " << r.y1;
    EXPECT_NEAR(s->m_fRotY, r.rotY, 1e-4) << r.mode << " " << r.x1;
    EXPECT_FLOAT_EQ(s->m_fTransX, r.transX);
    EXPECT_FLOAT_EQ(s->m_fTransY, r.transY);
    EXPECT_FLOAT_EQ(s->m_fTransZ, r.transZ);
  }
  EXPECT_EQ(SignedMouseCoordinate(0xFFFF), -1);
  EXPECT_EQ(SignedMouseCoordinate(0x7FFF), 32767);
  EXPECT_EQ(SignedMouseCoordinate(0x18000), -32768);
}

}  // namespace
}  // namespace pyk::test
