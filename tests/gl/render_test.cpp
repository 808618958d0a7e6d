// Pictures rendered in a real offscreen OpenGL context and read back pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "map/reader.h"
#include "map/section.h"
#include "render/colors.h"
#include "render/material.h"
#include "render/scene.h"
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

// A loaded-looking 20 x 20 section of a 10 x 10 A square cell with the given
// density function of the grid point, the viewer's default settings.
std::unique_ptr<ViewState> Scene(float (*density)(int u, int v), float step) {
  auto s = FreshState();
  const float cell[6] = {10, 10, 10, 90, 90, 90};
  std::memcpy(s->m_afCell, cell, sizeof cell);
  s->m_anGrid[0] = s->m_anGrid[1] = 20;
  s->m_anGrid[2] = 4;
  s->m_nPlane = kPlane00L;
  float lo = 1e30f, hi = -1e30f;
  for (int u = 0; u < 20; ++u) {
    for (int v = 0; v < 20; ++v) {
      const int n = s->m_nPoints++;
      s->m_anPoint[n][0] = u;
      s->m_anPoint[n][1] = v;
      s->m_afDensity[n] = density(u, v);
      lo = std::min(lo, s->m_afDensity[n]);
      hi = std::max(hi, s->m_afDensity[n]);
    }
  }
  s->m_fMinDensity = lo;
  s->m_fMaxDensity = hi;
  s->m_fContourStep = step;
  s->m_bMapValid = 1;
  ComputeSection(*s);
  // The shipped settings: fovy 30, eye at -16, white map background, red
  // positive, blue negative, black labels and frame, green walls.
  RecordingPlatform settings;
  std::strcpy(s->m_szIniPath, DataFile("Pyknoscope.ini").c_str());
  EXPECT_EQ(ReadIniFile(*s, settings), 0);
  s->m_nViewMode = kContour;
  s->m_fAspect = 1.0f;
  SetupColors(*s);
  return s;
}

class Picture {
 public:
  explicit Picture(ViewState& s, ContourDrawing drawing = ContourDrawing::kFast, int width = kW, int height = kH)
      : width_(width) {
    std::string error;
    gl_ = OffscreenGl::Create(width, height, &error);
    EXPECT_TRUE(gl_) << error;
    SetupLights(s);
    RenderScene(s, SceneModes{Draw3DContour, nullptr, drawing}, &panes);
    rgb_ = gl_->ReadPixels();
  }
  Rgb8 At(int x, int y) const {  // y from the top
    const uint8_t* p = rgb_.data() + 3 * (static_cast<size_t>(y) * width_ + x);
    return {p[0], p[1], p[2]};
  }
  int Count(bool (*match)(Rgb8)) const {
    int n = 0;
    for (int y = 0; y < kH; ++y) {
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

// The model point (x, y) of the flat map in Contour mode, as a pixel: the
// scale brings the 10 A edge to 6 units at distance 16 with a 30 degree view.
void ToPixel(float x, float y, int* px, int* py) {
  const double f = 1.0 / std::tan(15.0 * 3.14159265 / 180.0);
  const double sx = x * 0.6 * f / 16.0, sy = y * 0.6 * f / 16.0;
  *px = static_cast<int>(std::floor((sx + 1.0) / 2.0 * kW));
  *py = static_cast<int>(std::floor((1.0 - (sy + 1.0) / 2.0) * kH));
}

float TwoHalves(int u, int) { return u < 10 ? 0.3f : 0.7f; }
float Bump(int u, int v) {
  const float du = u - 10.0f, dv = v - 6.0f, eu = u - 10.0f, ev = v - 14.0f;
  return std::exp(-(du * du + dv * dv) / 8.0f) - std::exp(-(eu * eu + ev * ev) / 8.0f);
}

float Raised(int u, int v) { return 0.6f + 0.4f * Bump(u, v); }

TEST(Render, NothingButTheBackgroundWithoutAMap) {
  auto s = Scene(Bump, 0.2f);
  s->m_nStatus = -1;
  Picture p(*s);
  EXPECT_EQ(p.Count([](Rgb8 c) { return !Near(c, {235, 235, 224}); }), 0);
  EXPECT_EQ(p.panes.min, "");
}

TEST(Render, LineTypeShowsBackgroundFrameLinesAndLabels) {
  auto s = Scene(Bump, 0.2f);
  Picture p(*s);
  EXPECT_TRUE(Near(p.At(2, 2), {235, 235, 224}));  // window background outside the map
  int x, y;
  ToPixel(-4.5f, 4.5f, &x, &y);  // inside the frame, away from every contour
  EXPECT_TRUE(Near(p.At(x, y), {255, 255, 255}));
  ToPixel(0.0f, -5.0f, &x, &y);  // the lower frame edge
  bool frame = false;
  for (int dy = -2; dy <= 2; ++dy) frame = frame || Near(p.At(x, y + dy), {0, 0, 0});
  EXPECT_TRUE(frame);
  EXPECT_GT(p.Count([](Rgb8 c) { return c.r > 200 && c.g < 60 && c.b < 60; }), 50);  // positive lines
  EXPECT_GT(p.Count([](Rgb8 c) { return c.b > 200 && c.r < 60 && c.g < 60; }), 50);  // negative lines
  // Labels below the frame: black pixels between the frame and the picture's bottom.
  ToPixel(0.0f, -5.0f, &x, &y);
  int text = 0;
  for (int yy = y + 4; yy < kH; ++yy) {
    for (int xx = 0; xx < kW; ++xx) text += Near(p.At(xx, yy), {0, 0, 0}, 40);
  }
  EXPECT_GT(text, 30);
  EXPECT_EQ(s->m_nContourLevels, static_cast<int>(std::trunc((s->m_fMaxDensity - s->m_fMinDensity) / 0.2f)) + 1);
  EXPECT_EQ(p.panes.sect, "Sect:4");
}

TEST(Render, GradientBandsTakeTheColourOfTheLowestLevelAbove) {
  // Levels 0.3, 0.55, 0.8 over values 0.3 and 0.7; the maximum is 0.7.
  auto s = Scene(TwoHalves, 0.25f);
  s->m_bGradient = 1;
  Picture p(*s);
  EXPECT_EQ(s->m_nContourLevels, 2);  // 0.4 / 0.25 truncated, plus one
  // Left half (0.3): first level above is 0.55; right half (0.7) is above every level: background.
  const Rgb c = DensityColor(*s, 0.55f / 0.7f);
  const Rgb8 band{static_cast<int>(std::lround(c.r * 255)), static_cast<int>(std::lround(c.g * 255)),
                  static_cast<int>(std::lround(c.b * 255))};
  int x, y;
  ToPixel(-3.0f, 0.0f, &x, &y);
  EXPECT_TRUE(Near(p.At(x, y), band)) << p.At(x, y).r << "," << p.At(x, y).g << "," << p.At(x, y).b;
  ToPixel(3.0f, 0.0f, &x, &y);
  EXPECT_TRUE(Near(p.At(x, y), {235, 235, 224}));
}

TEST(Render, ThreeDContourShowsTheLitSurfaceAndWalls) {
  auto s = Scene(Raised, 0.1f);  // positive all along the border: walls all round
  s->m_nViewMode = k3dContour;
  Picture flat(*s);
  const int notBackground = flat.Count([](Rgb8 c) { return !Near(c, {235, 235, 224}, 3); });
  EXPECT_GT(notBackground, kW * kH / 8);
  EXPECT_GT(flat.Count([](Rgb8 c) { return c.g > c.r + 40 && c.g > c.b + 40; }), 500);  // green side walls
  // Turning the model changes the picture.
  s->m_fRotX = 40.0f;
  Picture turned(*s);
  EXPECT_NE(turned.Count([](Rgb8 c) { return !Near(c, {235, 235, 224}, 3); }), notBackground);
}

float Flat(int, int) { return 0.5f; }

bool IsLineColour(Rgb8 c) { return (c.r > 200 && c.g < 60 && c.b < 60) || (c.b > 200 && c.r < 60 && c.g < 60); }
bool IsBlack(Rgb8 c) { return Near(c, {0, 0, 0}, 40); }

// A step that gives no levels draws the frame, ticks and labels and nothing else.
TEST(Render, AStepWithoutLevelsDrawsOnlyTheFrameAndLabels) {
  const float steps[] = {0.0f, -0.2f, INFINITY, NAN};
  for (const float step : steps) {
    auto s = Scene(Bump, step);
    Picture p(*s);
    EXPECT_EQ(s->m_nContourLevels, 0) << step;
    EXPECT_EQ(p.Count(IsLineColour), 0) << step;
    EXPECT_GT(p.Count(IsBlack), 100) << step;  // outline, ticks and labels
    int x, y;
    ToPixel(0.0f, 0.0f, &x, &y);
    EXPECT_TRUE(Near(p.At(x, y), {255, 255, 255})) << step;
  }
}

// Ticks stand on the two lower-left edges at the fifths, pointing into the map.
TEST(Render, TicksStandAtTheFifthsOfTheLowerLeftEdges) {
  auto s = Scene(Flat, 0.0f);
  Picture p(*s);
  const float len = 10.0f / 50.0f;  // a tick is a fiftieth of the edge
  for (int i = 1; i <= 4; ++i) {
    const float at = -5.0f + 2.0f * i;
    int x, y;
    ToPixel(at, -5.0f + len * 0.6f, &x, &y);  // on the tick, just inside the lower edge
    bool tick = false;
    for (int dx = -1; dx <= 1; ++dx) tick = tick || IsBlack(p.At(x + dx, y));
    EXPECT_TRUE(tick) << "first edge, tick " << i;
    ToPixel(at + 1.0f, -5.0f + len * 0.6f, &x, &y);  // halfway between ticks: the map background
    EXPECT_TRUE(Near(p.At(x, y), {255, 255, 255})) << "between ticks " << i;
    ToPixel(-5.0f + len * 0.6f, at, &x, &y);
    tick = false;
    for (int dy = -1; dy <= 1; ++dy) tick = tick || IsBlack(p.At(x, y + dy));
    EXPECT_TRUE(tick) << "second edge, tick " << i;
  }
  // No ticks on the upper and right edges.
  int x, y;
  ToPixel(-1.0f, 5.0f - len * 0.6f, &x, &y);
  EXPECT_TRUE(Near(p.At(x, y), {255, 255, 255}));
}

// A map whose maximum is 0: the colour ratio is 0, every band takes the
// highlight colour (no NaN colours).
TEST(Render, AMapWithMaximumZeroDrawsInTheHighlightColour) {
  auto s = Scene([](int u, int v) { return -Bump(u, v) * Bump(u, v); }, 0.01f);
  ASSERT_EQ(s->m_fMaxDensity, 0.0f);
  s->m_bGradient = 1;
  Picture p(*s);
  EXPECT_GT(s->m_nContourLevels, 1);
  EXPECT_GT(p.Count([](Rgb8 c) { return Near(c, {255, 255, 128}, 1); }), kW * kH / 10);
}

// The side walls stand where the section's border density is not negative:
// a wall between a positive and a negative border point is cut at the middle.
TEST(Render, SideWallsFollowTheSignOfTheBorder) {
  const struct {
    const char* what;
    float (*density)(int, int);
  } rows[] = {
      {"positive border", [](int, int) { return 0.5f; }},
      {"half negative", [](int u, int) { return u < 10 ? -0.5f : 0.5f; }},
      {"one negative corner", [](int u, int v) { return u == 0 && v == 0 ? -0.5f : 0.5f; }},
      {"negative border", [](int, int) { return -0.5f; }},
  };
  int green[4];
  for (int r = 0; r < 4; ++r) {
    auto s = Scene(rows[r].density, 0.3f);
    s->m_nViewMode = k3dContour;
    s->m_fMaxDensity = 0.5f;  // the same heights for the flat rows
    ComputeSection(*s);
    Picture p(*s);
    green[r] = p.Count([](Rgb8 c) { return c.g > c.r + 40 && c.g > c.b + 40; });
  }
  EXPECT_GT(green[0], 300);
  EXPECT_GT(green[1], 50);
  EXPECT_LT(green[1], green[0]);
  EXPECT_LT(green[2], green[0]);
  EXPECT_GT(green[2], green[1]);
  EXPECT_EQ(green[3], 0);
}

float Noise(int u, int v) {
  // Many saddles and levels that fall exactly on grid values.
  const unsigned h = static_cast<unsigned>(u * 7919 + v * 104729) * 2654435761u;
  return static_cast<float>((h >> 16) % 21) * 0.1f - 1.0f;
}

TEST(Render, TheFastDrawingGivesTheEveryLevelPictureExactly) {
  const struct {
    const char* what;
    float (*density)(int, int);
    float step;
    int mode;
    int gradient;
  } rows[] = {
      {"bump lines", Bump, 0.05f, kContour, 0},       {"bump bands", Bump, 0.05f, kContour, 1},
      {"noise lines", Noise, 0.1f, kContour, 0},      {"noise bands", Noise, 0.1f, kContour, 1},
      {"noise bands 3D", Noise, 0.1f, k3dContour, 1}, {"raised lines 3D", Raised, 0.02f, k3dContour, 0},
      {"flat bands", Flat, 0.1f, kContour, 1},        {"tiny step bands", Bump, 0.002f, kContour, 1},
  };
  for (const auto& r : rows) {
    auto s = Scene(r.density, r.step);
    s->m_nViewMode = r.mode;
    s->m_bGradient = r.gradient;
    const Picture fast(*s, ContourDrawing::kFast);
    const int levels = s->m_nContourLevels;
    const Picture every(*s, ContourDrawing::kEveryLevel);
    EXPECT_EQ(s->m_nContourLevels, levels) << r.what;
    size_t differing = 0;
    for (size_t i = 0; i < fast.rgb().size(); ++i) differing += fast.rgb()[i] != every.rgb()[i];
    EXPECT_EQ(differing, 0u) << r.what;
    // Not a blank picture either: the contours are there.
    EXPECT_GT(fast.Count([](Rgb8 c) {
      return !Near(c, {235, 235, 224}, 3) && !Near(c, {255, 255, 255}, 3);
    }),
              100)
        << r.what;
  }
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
    RecordingPlatform platform;
    std::strcpy(s->m_szIniPath, DataFile("Pyknoscope.ini").c_str());
    ASSERT_EQ(ReadIniFile(*s, platform), 0);
    std::strcpy(s->m_szMapFile, DataFile(name).c_str());
    ASSERT_EQ(LoadMap(*s, platform), 0) << name;
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
      size_t differing = 0;
      for (size_t i = 0; i < merged.rgb().size(); ++i) differing += merged.rgb()[i] != visible.rgb()[i];
      EXPECT_EQ(differing, 0u) << name << " at a " << v.divisions << "th of the range, zoom " << v.zoom;
    }
  }
}

}  // namespace
}  // namespace pyk::test
