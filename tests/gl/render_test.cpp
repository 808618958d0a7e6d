// Pictures rendered in a real offscreen OpenGL context and read back pixel by
// pixel, and the map under the pointer read back through GL's own transform.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/pointer.h"
#include "engine/scene.h"
#include "engine/section_commands.h"
#include "engine/view_commands.h"
#include "map/model.h"
#include "map/reader.h"
#include "map/section.h"
#include "map/section_choice.h"
#include "render/colors.h"
#include "render/gl.h"
#include "render/material.h"
#include "settings/ini.h"
#include "support/maps.h"
#include "tools/render/offscreen.h"
#include "views3d/surface.h"

namespace pyk::test {
namespace {

constexpr int kW = 300, kH = 300;

struct Rgb8 {
  int r, g, b;
};

// Reads the shipped settings into s, then the shipped sample name unless it is
// null; false when either fails.
bool ReadShipped(ViewState& s, const char* name = nullptr) {
  RecordingPlatform p;
  std::strcpy(s.m_szIniPath, DataFile("Pyknoscope.ini").c_str());
  if (ReadIniFile(s, p) != 0) return false;
  if (name != nullptr) std::strcpy(s.m_szMapFile, DataFile(name).c_str());
  return name == nullptr || LoadMap(s, p) == 0;
}

// A loaded-looking 20 x 20 section of a 10 x 10 A square cell with the given
// density function of the grid point, the viewer's default settings.
std::unique_ptr<ViewState> Scene(float (*density)(int u, int v), float step) {
  auto s = FreshState();
  const float cell[6] = {10, 10, 10, 90, 90, 90};
  std::memcpy(s->m_afCell, cell, sizeof cell);
  s->m_anGrid[0] = s->m_anGrid[1] = 20;
  s->m_anGrid[2] = 4;
  s->m_nPlane = kPlane00L;
  for (int u = 0; u < 20; ++u) {
    for (int v = 0; v < 20; ++v) {
      const int n = s->m_nPoints++;
      s->m_anPoint[n][0] = u;
      s->m_anPoint[n][1] = v;
      s->m_afDensity[n] = density(u, v);
    }
  }
  const auto [lo, hi] = std::minmax_element(s->m_afDensity, s->m_afDensity + s->m_nPoints);
  s->m_fMinDensity = *lo;
  s->m_fMaxDensity = *hi;
  s->m_fContourStep = step;
  s->m_bMapValid = 1;
  ComputeSection(*s);
  // The shipped settings: fovy 30, eye at -16, white map background, red
  // positive, blue negative, black labels and frame, green walls.
  EXPECT_TRUE(ReadShipped(*s));
  s->m_nViewMode = kContour;
  s->m_fAspect = 1.0f;
  SetupColors(*s);
  return s;
}

class Picture {
 public:
  static constexpr double kScale = 0.6 / 0.2679491924311227 / 16.0;  // tan 15 degrees
  explicit Picture(ViewState& s, ContourDrawing drawing = ContourDrawing::kFast, int width = kW, int height = kH)
      : width_(width) {
    std::string error;
    gl_ = OffscreenGl::Create(width, height, &error);
    EXPECT_TRUE(gl_) << error;
    SetupLights(s);
    RenderScene(s, &panes, SceneOptions{drawing, false});
    rgb_ = gl_->ReadPixels();
  }
  Rgb8 At(int x, int y) const {  // y from the top
    const uint8_t* p = rgb_.data() + 3 * (static_cast<size_t>(y) * width_ + x);
    return {p[0], p[1], p[2]};
  }
  // The pixel of the model point (x, y) of the flat map in Contour mode: the
  // scale brings the 10 A edge to 6 units at distance 16 with a 30 degree view.
  static int Column(float x) { return static_cast<int>(std::floor((x * kScale + 1.0) / 2.0 * kW)); }
  static int Row(float y) { return static_cast<int>(std::floor((1.0 - (y * kScale + 1.0) / 2.0) * kH)); }
  Rgb8 AtModel(float x, float y, int dx = 0, int dy = 0) const { return At(Column(x) + dx, Row(y) + dy); }
  template <class Match>
  int Count(Match match, int y0 = 0, int y1 = kH) const {  // in rows y0 .. y1 - 1
    int n = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = 0; x < kW; ++x) n += match(At(x, y));
    }
    return n;
  }
  PaneTexts panes;
  const std::vector<uint8_t>& rgb() const { return rgb_; }

 private:
  int width_;
  std::unique_ptr<OffscreenGl> gl_;
  std::vector<uint8_t> rgb_;
};

bool Near(Rgb8 a, Rgb8 b, int tolerance = 1) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}
constexpr Rgb8 kBackground{235, 235, 224}, kWhite{255, 255, 255}, kHighlight{255, 255, 128};
bool IsRed(Rgb8 c) { return c.r > 200 && c.g < 60 && c.b < 60; }
bool IsBlue(Rgb8 c) { return c.b > 200 && c.r < 60 && c.g < 60; }
bool IsLineColour(Rgb8 c) { return IsRed(c) || IsBlue(c); }
bool IsBlack(Rgb8 c) { return Near(c, {0, 0, 0}, 40); }
bool IsGreen(Rgb8 c) { return c.g > c.r + 40 && c.g > c.b + 40; }

float TwoHalves(int u, int) { return u < 10 ? 0.3f : 0.7f; }
// A positive bump at grid (10, 6), below the map's middle, a negative one at (10, 14) above it.
float Bump(int u, int v) {
  const float du = u - 10.0f, dv = v - 6.0f, eu = u - 10.0f, ev = v - 14.0f;
  return std::exp(-(du * du + dv * dv) / 8.0f) - std::exp(-(eu * eu + ev * ev) / 8.0f);
}
float Raised(int u, int v) { return 0.6f + 0.4f * Bump(u, v); }
float Flat(int, int) { return 0.5f; }

TEST(Render, LineTypeShowsBackgroundFrameLinesAndLabels) {
  auto s = Scene(Bump, 0.2f);
  Picture p(*s);
  EXPECT_TRUE(Near(p.At(2, 2), kBackground));           // window background outside the map
  EXPECT_TRUE(Near(p.AtModel(-4.5f, 4.5f), kWhite));    // inside the frame, away from every contour
  bool frame = false;                                   // the lower frame edge
  for (int dy = -2; dy <= 2; ++dy) frame = frame || Near(p.AtModel(0.0f, -5.0f, 0, dy), {0, 0, 0});
  EXPECT_TRUE(frame);
  // Going out from each bump's centre, the first line is red round the lower
  // (positive) bump and blue round the upper; no blue line below the middle.
  const auto firstLine = [&p](float from, int step) {
    int y = Picture::Row(from);
    while (y > 0 && y < kH - 1 && !IsLineColour(p.At(Picture::Column(0.0f), y))) y += step;
    return p.At(Picture::Column(0.0f), y);
  };
  EXPECT_TRUE(IsRed(firstLine(-2.0f, +1)));
  EXPECT_TRUE(IsBlue(firstLine(2.0f, -1)));
  EXPECT_EQ(p.Count(IsBlue, kH / 2 + 3, kH), 0);
  // Labels below the frame: black pixels between the frame and the picture's bottom.
  EXPECT_GT(p.Count(IsBlack, Picture::Row(-5.0f) + 4), 30);
  EXPECT_EQ(s->m_nContourLevels, 10);
  EXPECT_EQ(p.panes.sect, "Sect:4");
}

// Bands take the colour of the lowest level above their values: levels 0.3
// and 0.55 over the values 0.3 (left) and 0.7 (right, above every level).
TEST(Render, GradientBandsTakeTheColourOfTheLowestLevelAbove) {
  auto s = Scene(TwoHalves, 0.25f);
  s->m_bGradient = 1;
  const Picture halves(*s);
  EXPECT_EQ(s->m_nContourLevels, 2);
  EXPECT_TRUE(Near(halves.AtModel(-3.0f, 0.0f), {255, 55, 27}));
  EXPECT_TRUE(Near(halves.AtModel(3.0f, 0.0f), kBackground));
  // A map whose maximum is 0 has the colour ratio 0: the bands round both
  // bumps take the highlight colour (no NaN colours).
  s = Scene([](int u, int v) { return -Bump(u, v) * Bump(u, v); }, 0.01f);
  s->m_bGradient = 1;
  const Picture zero(*s);
  EXPECT_EQ(s->m_nContourLevels, 100);
  EXPECT_TRUE(Near(zero.AtModel(0.0f, -2.0f), kHighlight));
  EXPECT_TRUE(Near(zero.AtModel(0.0f, 2.0f), kHighlight));
}

// A step that gives no levels draws the frame, ticks and labels and nothing
// else; the ticks stand on the two lower-left edges at the fifths, pointing
// into the map.
TEST(Render, AStepWithoutLevelsDrawsOnlyTheFrameTicksAndLabels) {
  const float in = 10.0f / 50.0f * 0.6f;  // on a tick (a fiftieth of the edge), just inside the edge
  for (const float step : {0.0f, -0.2f, INFINITY, NAN}) {
    auto s = Scene(Bump, step);
    Picture p(*s);
    EXPECT_EQ(s->m_nContourLevels, 0) << step;
    EXPECT_EQ(p.Count(IsLineColour), 0) << step;
    EXPECT_GT(p.Count(IsBlack), 100) << step;  // outline, ticks and labels
    EXPECT_TRUE(Near(p.AtModel(0.0f, 0.0f), kWhite)) << step;
    for (int i = 1; i <= 4; ++i) {
      const float at = -5.0f + 2.0f * i;
      bool first = false, second = false;
      for (int d = -1; d <= 1; ++d) {
        first = first || IsBlack(p.AtModel(at, -5.0f + in, d, 0));
        second = second || IsBlack(p.AtModel(-5.0f + in, at, 0, d));
      }
      EXPECT_TRUE(first && second) << "tick " << i << " at step " << step;
      EXPECT_TRUE(Near(p.AtModel(at + 1.0f, -5.0f + in), kWhite)) << "between ticks " << i;
    }
    EXPECT_TRUE(Near(p.AtModel(-1.0f, 5.0f - in), kWhite)) << "no ticks on the upper edge";
  }
}

// A side wall stands on the part of a border cell whose surface is not below
// the base: seen from the front, a quad, a triangle to the middle, or nothing.
TEST(Render, SideWallsStandWhereTheBorderIsNotNegative) {
  const struct {
    float left, right;  // surface heights over the cell's two base corners at x = -1 and x = 1
    bool at[3];         // drawn at (-0.8, 0.1), (0.8, 0.1) and (-0.3, 0.6)
  } rows[] = {{0.8f, 0.8f, {true, true, true}},
              {0.8f, -0.8f, {true, false, false}},
              {-0.8f, 0.8f, {false, true, false}},
              {-0.8f, -0.8f, {false, false, false}},
              {0.0f, -0.8f, {false, false, false}}};
  const float probes[3][2] = {{-0.8f, 0.1f}, {0.8f, 0.1f}, {-0.3f, 0.6f}};
  for (const auto& r : rows) {
    std::string error;
    auto gl = OffscreenGl::Create(100, 100, &error);
    ASSERT_TRUE(gl) << error;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-90, 1, 0, 0);  // looking along +y: model z goes up the screen
    glColor3f(0, 1, 0);
    const float p0[3] = {-1, 0, 0}, p1[3] = {1, 0, 0}, p2[3] = {1, 0, r.right}, p3[3] = {-1, 0, r.left};
    DrawSideWall(p0, p1, p2, p3);
    const std::vector<uint8_t> rgb = gl->ReadPixels();
    for (int k = 0; k < 3; ++k) {
      const int x = static_cast<int>((probes[k][0] + 1) * 50), y = static_cast<int>((1 - probes[k][1]) * 50);
      EXPECT_EQ(rgb[3 * (y * 100 + x) + 1], r.at[k] ? 255 : 0) << r.left << " " << r.right << " probe " << k;
    }
  }
  // In the scene the walls stand round a positive border and nowhere round a negative one.
  for (const float sign : {1.0f, -1.0f}) {
    auto s = Scene(sign > 0 ? Flat : [](int, int) { return -0.5f; }, 0.3f);
    s->m_nViewMode = k3dContour;
    s->m_fMaxDensity = 0.5f;  // the heights of the positive map
    ComputeSection(*s);
    Picture p(*s);
    EXPECT_EQ(p.Count(IsGreen) > 0, sign > 0) << sign;
  }
}

float Noise(int u, int v) {
  // Many saddles and levels that fall exactly on grid values.
  const unsigned h = static_cast<unsigned>(u * 7919 + v * 104729) * 2654435761u;
  return static_cast<float>((h >> 16) % 21) * 0.1f - 1.0f;
}

// Lit, the fast drawing's contours and surface take their materials as vertex
// colours, and the pictures are still the same.
TEST(Render, TheFastDrawingGivesTheEveryLevelPictureExactly) {
  const struct {
    const char* what;
    float (*density)(int, int);
    float step;
    int mode;
    int gradient;
    LevelOptions levels;
  } rows[] = {
      {"bump lines", Bump, 0.05f, kContour, 0, {}},
      {"bump bands", Bump, 0.05f, kContour, 1, {}},
      {"noise lines", Noise, 0.1f, kContour, 0, {}},
      {"noise bands", Noise, 0.1f, kContour, 1, {}},
      {"noise bands 3D", Noise, 0.1f, k3dContour, 1, {}},
      {"raised lines 3D", Raised, 0.02f, k3dContour, 0, {}},
      {"flat bands", Flat, 0.1f, kContour, 1, {}},
      {"tiny step bands", Bump, 0.002f, kContour, 1, {}},
      {"noise symmetric dashed lines", Noise, 0.1f, kContour, 0, {false, true, true}},
      {"noise symmetric bands", Noise, 0.1f, kContour, 1, {false, true, true}},
      {"bump symmetric dashed lines 3D", Bump, 0.05f, k3dContour, 0, {false, true, true}},
  };
  for (const auto& r : rows) {
    auto s = Scene(r.density, r.step);
    s->m_nViewMode = r.mode;
    s->m_bGradient = r.gradient;
    s->m_levelOptions = r.levels;
    const Picture fast(*s, ContourDrawing::kFast);
    const int levels = s->m_nContourLevels;
    const Picture every(*s, ContourDrawing::kEveryLevel);
    EXPECT_EQ(s->m_nContourLevels, levels) << r.what;
    EXPECT_TRUE(fast.rgb() == every.rgb()) << r.what << ": the pictures differ";
    // Not a blank picture either: the contours are there.
    EXPECT_GT(fast.Count([](Rgb8 c) { return !Near(c, kBackground, 3) && !Near(c, kWhite, 3); }), 100) << r.what;
  }
}

// Dashed negatives: the negative bump's lines (above the middle) keep
// roughly half their pixels, the positive bump's lines all of theirs.
TEST(Render, DashedNegativesHalveOnlyTheNegativeLines) {
  auto s = Scene(Bump, 0.1f);
  s->m_levelOptions.symmetric = true;
  auto coloured = [](Rgb8 c) { return !Near(c, kBackground, 3) && !Near(c, kWhite, 3) && !IsBlack(c); };
  const Picture solid(*s);
  s->m_levelOptions.dashedNegatives = true;
  const Picture dashed(*s);
  const int negative = solid.Count(coloured, 0, kH / 2), positive = solid.Count(coloured, kH / 2, kH);
  ASSERT_GT(negative, 300);
  EXPECT_EQ(dashed.Count(coloured, kH / 2, kH), positive);
  EXPECT_GT(dashed.Count(coloured, 0, kH / 2), negative * 3 / 10);
  EXPECT_LT(dashed.Count(coloured, 0, kH / 2), negative * 7 / 10);
}

// Fine steps give runs of levels drawn in one 8-bit colour, which the fast
// drawing merges; every shipped sample at steps down to a 20000th of its
// range, at the shipped view and zoomed in with the map partly off screen.
TEST(Render, MergedBandsGiveTheSamePixelsOnEverySample) {
  const char* samples[] = {"aspirin.fou",     "aspirin-diff.fou", "aspirin-patt.fou",
                           "aspirin-two.den", "nacl.fou",         "si.fou"};
  const struct { float divisions, zoom, shift; } views[] = {{20000, 0, 0}, {1500, 0, 0}, {20000, 9, 2.5f}};
  auto s = FreshState();
  for (const char* name : samples) {
    ASSERT_TRUE(ReadShipped(*s, name)) << name;
    s->m_fAspect = 1.0f;
    s->m_nViewMode = kContour;
    s->m_bGradient = 1;
    SetupColors(*s);
    for (const auto& v : views) {
      s->m_fContourStep = (s->m_fMaxDensity - s->m_fMinDensity) / v.divisions;
      s->m_fTransZ = v.zoom;
      s->m_fTransX = s->m_fTransY = v.shift;
      const Picture merged(*s, ContourDrawing::kFast, 800, 800);
      const Picture visible(*s, ContourDrawing::kVisibleLevels, 800, 800);
      EXPECT_TRUE(merged.rgb() == visible.rgb())
          << name << " at a " << v.divisions << "th of the range, zoom " << v.zoom << ": the pictures differ";
    }
  }
}

// Nothing kept from paint to paint shows a stale picture: one record drawn in
// one context after each command that changes an input (section, face, level,
// colour, height, mode, type) gives the pixels of a fresh record set to the
// same inputs and drawn in a fresh context.
// An atom on the section is ringed in the label colour with its label below
// and to the right; one half a cell off the section is not, and hiding the
// model clears both.
TEST(Render, AtomMarksRingAtomsOnTheSectionWhileShown) {
  auto s = Scene(Flat, 0.2f);
  const double z = SectionFraction(*s);
  const ModelOp identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {0, 0, 0}};
  s->m_model = {"m.cif", {{"C1", {0.3, 0.4, z}}, {"O2", {0.7, 0.6, z + 0.5}}}, {identity}};
  const auto blackIn = [](const Picture& p, float x, float y, int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int dy = y0; dy <= y1; ++dy) {
      for (int dx = x0; dx <= x1; ++dx) n += IsBlack(p.AtModel(x, y, dx, dy));
    }
    return n;
  };
  for (const int shown : {1, 0}) {
    s->m_bShowAtoms = shown;
    const Picture p(*s);
    EXPECT_TRUE(Near(p.AtModel(-2.0f, -1.0f), kWhite)) << "the ring is hollow";
    EXPECT_EQ(blackIn(p, -2.0f, -1.0f, -4, 4, -4, 4) >= 8, shown == 1) << shown;  // the ring
    EXPECT_EQ(blackIn(p, -2.0f, -1.0f, 3, 25, 4, 18) >= 8, shown == 1) << shown;  // "C1" below right
    EXPECT_EQ(blackIn(p, 2.0f, 1.0f, -4, 25, -4, 18), 0) << shown;
  }
}

TEST(Render, AfterEachCommandTheFrameEqualsAFreshDrawing) {
  std::string error;
  auto gl = OffscreenGl::Create(kW, kH, &error);
  ASSERT_TRUE(gl) << error;
  auto s = FreshState();
  ASSERT_TRUE(ReadShipped(*s, "aspirin.fou"));
  s->m_fAspect = 1.0f;
  SetupColors(*s);
  InitializeScene(*s);  // once, as the view does when its context is made
  RecordingPlatform p;
  const struct {
    const char* what;
    void (*command)(ViewState&, Platform&);
  } steps[] = {
      {"the first frame", [](ViewState&, Platform&) {}},
      {"section up", OnSectionUp},
      {"face K", OnFaceK},
      {"density up", OnContourDensityUp},
      {"colours", [](ViewState& v, Platform&) {
         v.m_nPositiveColor = 2;
         v.m_nContourBackColor = 6;
         SetupColors(v);
       }},
      {"bands", OnContourType},
      {"3D Contour", On3dContour},
      {"height up", OnHeightUp},
      {"section down in 3D", OnSectionDown},
      {"lines in 3D", OnContourType},
      {"Contour", OnContour},
  };
  for (const auto& step : steps) {
    step.command(*s, p);
    ASSERT_TRUE(gl->MakeCurrent());
    RenderScene(*s, nullptr, SceneOptions{});
    const std::vector<uint8_t> kept = gl->ReadPixels();
    auto f = FreshState();
    ASSERT_TRUE(ReadShipped(*f, "aspirin.fou"));
    f->m_nPlane = s->m_nPlane;
    std::memcpy(f->m_anSectionIndex, s->m_anSectionIndex, sizeof f->m_anSectionIndex);
    f->m_nSection = s->m_nSection;
    f->m_fContourStep = s->m_fContourStep;
    f->m_nPositiveColor = s->m_nPositiveColor;
    f->m_nContourBackColor = s->m_nContourBackColor;
    f->m_nViewMode = s->m_nViewMode;
    f->m_bGradient = s->m_bGradient;
    f->m_fHeightScale = s->m_fHeightScale;
    f->m_fAspect = 1.0f;
    ComputeSection(*f);
    SetupColors(*f);
    const Picture fresh(*f);
    EXPECT_TRUE(kept == fresh.rgb()) << "after " << step.what << ": the kept record's frame differs";
  }
  EXPECT_EQ(s->m_nViewMode, kContour);
  EXPECT_TRUE(p.Messages().empty());
}

// Grid points of a skewed section projected by GL's own transform of a real
// frame (any mouse translation, zoom and rotation) read back through the
// pointer's inverse: their indices, fractions and densities.
TEST(Pointer, ProjectedGridPointsOfASkewedCellReadBackTheirIndicesAndValues) {
  auto s = FreshState();
  ASSERT_TRUE(ReadShipped(*s, "aspirin.fou"));  // the shipped view: fovy 30, the eye at -16
  ASSERT_EQ(s->m_nPlane, kPlane0K0);            // a (0 k 0) section of P21/c: the angle beta = 95.89
  constexpr int kWidth = 400, kHeight = 300;
  std::string error;
  auto gl = OffscreenGl::Create(kWidth, kHeight, &error);
  ASSERT_TRUE(gl) << error;
  const struct {
    int mode;
    float transX, transY, transZ, rotX, rotY;
    int section;
  } views[] = {
      {kContour, 0, 0, 0, 0, 0, 0},
      {kContour, 1.5f, -0.7f, 4.0f, 0, 0, 9},  // moved and zoomed in: part of the map off screen
      {k3dContour, 0.3f, 0.2f, -2.0f, -50.0f, 25.0f, 5},
  };
  for (const auto& view : views) {
    s->m_nViewMode = view.mode;
    s->m_fTransX = view.transX, s->m_fTransY = view.transY, s->m_fTransZ = view.transZ;
    s->m_fRotX = view.rotX, s->m_fRotY = view.rotY;
    s->m_anSectionIndex[s->m_nPlane] = view.section;
    ComputeSection(*s);
    ResizeScene(*s, kWidth, kHeight, 1.0);
    RenderScene(*s, nullptr, SceneOptions{ContourDrawing::kFast, false});
    ASSERT_EQ(s->m_mapView.known, 1);
    const MapView& m = s->m_mapView;
    int read = 0;
    for (int u = 1; u < s->m_nGridU; u += 5) {
      for (int v = 1; v < s->m_nGridV; v += 4) {
        double wx, wy, wz;
        ASSERT_TRUE(gluProject(s->m_afSectionXYZ[u][v][0], s->m_afSectionXYZ[u][v][1], 0.0, m.modelview, m.projection,
                               m.viewport, &wx, &wy, &wz));
        if (wx < 0 || wx > kWidth || wy < 0 || wy > kHeight) continue;
        PointerReading r;
        ASSERT_TRUE(ReadPointer(*s, wx, wy, &r)) << view.mode << " u " << u << " v " << v;
        ++read;
        EXPECT_EQ(r.index[0], u) << view.mode;
        EXPECT_EQ(r.index[1], view.section) << view.mode;
        EXPECT_EQ(r.index[2], v) << view.mode;
        EXPECT_NEAR(r.frac[0], u / 56.0, 1e-4) << view.mode;
        EXPECT_NEAR(r.frac[1], view.section / 32.0, 1e-12) << view.mode;
        EXPECT_NEAR(r.frac[2], v / 56.0, 1e-4) << view.mode;
        EXPECT_NEAR(r.density, s->m_afSection[u][v], 2e-3 * s->m_stats.sigma) << view.mode << " u " << u << " v " << v;
      }
    }
    EXPECT_GT(read, 20) << view.mode;
    PointerReading r;
    EXPECT_FALSE(ReadPointer(*s, 0.5, 0.5, &r)) << view.mode << ": the window's corner is off the map";
  }
  s->m_nViewMode = k3dMesh;
  RenderScene(*s, nullptr, SceneOptions{ContourDrawing::kFast, false});
  PointerReading r;
  EXPECT_FALSE(ReadPointer(*s, kWidth / 2.0, kHeight / 2.0, &r)) << "no map is drawn in 3D Mesh mode";

  r = PointerReading{{0.25, 0.5, 0.0625}, {14, 16, 4}, -0.356877};
  const std::string reading = "x 0.250  y 0.500  z 0.062   grid 14 16 4   density -0.3569 (-0.22 sigma)";
  EXPECT_EQ(PointerText(*s, r), reading);
  // With the model shown, the nearest atom follows: C2, at (0.247, 0.484, 0.009).
  RecordingPlatform p;
  ASSERT_EQ(ReadModelFile(DataFile("aspirin.cif").c_str(), &s->m_model, p), 0);
  s->m_bShowAtoms = 1;
  EXPECT_EQ(PointerText(*s, r), reading + "   nearest atom C2 0.61 A");
}

}  // namespace
}  // namespace pyk::test
