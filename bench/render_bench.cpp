// Frame times of the contour map and the 3D Contour surface on a 149 x 149
// section at 100 levels, fast drawing beside the every-level drawing; and of
// the contour map of every shipped sample at a step of a 20000th of its range.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "map/reader.h"
#include "map/section.h"
#include "render/colors.h"
#include "render/contour.h"
#include "render/gl.h"
#include "render/material.h"
#include "engine/scene.h"
#include "settings/ini.h"
#include "tools/render/offscreen.h"
#include "views3d/surface.h"

namespace {

class QuietPlatform : public pyk::Platform {
 public:
  void ShowMessage(const char* text) override { std::fprintf(stderr, "%s\n", text); }
  bool AskContourConditions(float&, int&) override { return false; }
  void Invalidate() override {}
};

// A loaded 149 x 149 section of waves with 100 levels between its extremes.
pyk::ViewState& Section149() {
  static auto s = [] {
    auto st = pyk::MakeViewState();
    pyk::ResetViewState(*st);
    const float cell[6] = {30, 30, 10, 90, 90, 100};
    std::memcpy(st->m_afCell, cell, sizeof cell);
    st->m_anGrid[0] = st->m_anGrid[1] = 149;
    st->m_anGrid[2] = 2;
    st->m_nPlane = pyk::kPlane00L;
    for (int u = 0; u < 149; ++u) {
      for (int v = 0; v < 149; ++v) {
        const int n = st->m_nPoints++;
        st->m_anPoint[n][0] = u;
        st->m_anPoint[n][1] = v;
        st->m_afDensity[n] =
            static_cast<float>(std::sin(u * 0.21) * std::cos(v * 0.17) + 0.3 * std::sin((u + v) * 0.05));
      }
    }
    st->m_fMinDensity = -1.3f;
    st->m_fMaxDensity = 1.3f;
    st->m_fContourStep = 2.6f / 99.5f;  // 100 levels
    st->m_bMapValid = 1;
    pyk::ComputeSection(*st);
    // The shipped settings' projection, light, materials and colours.
    QuietPlatform settings;
    std::strcpy(st->m_szIniPath, PYK_DATA_DIR "/Pyknoscope.ini");
    pyk::ReadIniFile(*st, settings);
    st->m_fAspect = 1;
    pyk::SetupColors(*st);
    return st;
  }();
  return *s;
}

std::unique_ptr<pyk::OffscreenGl>& Gl() {
  static std::unique_ptr<pyk::OffscreenGl> gl = [] {
    std::string error;
    auto g = pyk::OffscreenGl::Create(800, 800, &error);
    if (!g) std::fprintf(stderr, "%s\n", error.c_str());
    return g;
  }();
  return gl;
}

void Frame(benchmark::State& st, pyk::ViewState& s, int mode, int gradient, pyk::ContourDrawing drawing,
           bool surface = true) {
  if (!Gl()) {
    st.SkipWithError("no OpenGL context");
    return;
  }
  s.m_nViewMode = mode;
  s.m_bGradient = gradient;
  pyk::SetupLights(s);
  const pyk::SceneOptions options{drawing, false, surface};
  for (auto _ : st) {
    pyk::RenderScene(s, nullptr, options);
    glFinish();
  }
  st.counters["levels"] = s.m_nContourLevels;
}
void Frame(benchmark::State& st, int mode, int gradient, pyk::ContourDrawing drawing, bool surface = true) {
  Frame(st, Section149(), mode, gradient, drawing, surface);
}

using pyk::ContourDrawing;
// The fixed cost of a frame: clear, frame, ticks and labels, no levels.
void BM_FrameOnly(benchmark::State& st) {
  pyk::ViewState& s = Section149();
  const float step = s.m_fContourStep;
  s.m_fContourStep = 0;
  Frame(st, pyk::kContour, 0, ContourDrawing::kFast);
  s.m_fContourStep = step;
}
BENCHMARK(BM_FrameOnly)->Unit(benchmark::kMillisecond);

// Tracing alone, into a sink that only counts: the CPU share of a frame.
class CountingSink : public pyk::ContourSink {
 public:
  void Segment(pyk::Point2, pyk::Point2, int) override { ++shapes; }
  void Polygon(const pyk::Point2*, int, int) override { ++shapes; }
  long shapes = 0;
};
void BM_TraceOnly(benchmark::State& st) {
  pyk::ViewState& s = Section149();
  CountingSink sink;
  for (auto _ : st) {
    sink.shapes = 0;
    benchmark::DoNotOptimize(pyk::TraceVisible(s, st.range(0) == 1, sink));
  }
  st.counters["shapes"] = static_cast<double>(sink.shapes);
}
BENCHMARK(BM_TraceOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
void BM_ContourBands_Fast(benchmark::State& st) { Frame(st, pyk::kContour, 1, ContourDrawing::kFast); }
void BM_ContourBands_EveryLevel(benchmark::State& st) { Frame(st, pyk::kContour, 1, ContourDrawing::kEveryLevel); }
void BM_ContourLines_Fast(benchmark::State& st) { Frame(st, pyk::kContour, 0, ContourDrawing::kFast); }
void BM_ContourLines_EveryLevel(benchmark::State& st) { Frame(st, pyk::kContour, 0, ContourDrawing::kEveryLevel); }
void BM_3dContour_Fast(benchmark::State& st) { Frame(st, pyk::k3dContour, 0, ContourDrawing::kFast); }
void BM_3dContour_EveryLevel(benchmark::State& st) { Frame(st, pyk::k3dContour, 0, ContourDrawing::kEveryLevel); }
// The 3D Contour frame without its surface: the lit contour map's share.
void BM_3dContour_MapOnly(benchmark::State& st) {
  Frame(st, pyk::k3dContour, static_cast<int>(st.range(0)), ContourDrawing::kFast, false);
}
BENCHMARK(BM_3dContour_MapOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContourBands_Fast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContourBands_EveryLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContourLines_Fast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContourLines_EveryLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_3dContour_Fast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_3dContour_EveryLevel)->Unit(benchmark::kMillisecond);

constexpr const char* kSamples[] = {"aspirin.fou",     "aspirin-diff.fou", "aspirin-patt.fou",
                                    "aspirin-two.den", "nacl.fou",         "si.fou"};
constexpr int kSampleCount = static_cast<int>(std::size(kSamples));

// Shapes the fast drawing traces on the current section: how heavy its frame is.
long TracedShapes(const pyk::ViewState& s, bool gradient) {
  CountingSink sink;
  pyk::TraceVisible(s, gradient, sink);
  return sink.shapes;
}

// Shipped sample i as the viewer opens it (settings, then the map), at a step
// of a 20000th of its density range: on its opening section, or on the
// section of any face with the most band shapes. One record serves them all.
pyk::ViewState* Sample(int i, bool heaviest) {
  struct Place {
    int plane, section;
  };
  static std::unique_ptr<pyk::ViewState> s = pyk::MakeViewState();
  static int loaded = -1;
  static Place opening;
  static Place worst[kSampleCount];
  static bool found[kSampleCount] = {};
  auto go = [](Place p) {
    s->m_nPlane = p.plane;
    s->m_anSectionIndex[p.plane] = s->m_nSection = p.section;
    pyk::ComputeSection(*s);
  };
  if (loaded != i) {
    QuietPlatform platform;
    pyk::ResetViewState(*s);
    std::strcpy(s->m_szIniPath, PYK_DATA_DIR "/Pyknoscope.ini");
    pyk::ReadIniFile(*s, platform);
    std::snprintf(s->m_szMapFile, sizeof s->m_szMapFile, "%s/%s", PYK_DATA_DIR, kSamples[i]);
    loaded = -1;
    if (pyk::LoadMap(*s, platform) != 0) return nullptr;
    s->m_fAspect = 1;
    pyk::SetupColors(*s);
    s->m_fContourStep = (s->m_fMaxDensity - s->m_fMinDensity) / 20000.0f;
    opening = {s->m_nPlane, s->m_nSection};
    loaded = i;
  }
  if (heaviest && !found[i]) {
    long most = -1;
    for (int plane = 0; plane < 3; ++plane) {
      for (int n = 0; n < s->m_anGrid[plane]; ++n) {
        go({plane, n});
        const long shapes = TracedShapes(*s, true);
        if (shapes > most) {
          most = shapes;
          worst[i] = {plane, n};
        }
      }
    }
    found[i] = true;
  }
  go(heaviest ? worst[i] : opening);
  return s.get();
}

// The 2D contour frame of a shipped sample at the finest step the level cap
// keeps whole. Arguments: sample, type (0 lines, 1 bands), section (0 the
// opening one, 1 the heaviest).
void BM_SampleFinestStep(benchmark::State& st) {
  const int i = static_cast<int>(st.range(0));
  const bool gradient = st.range(1) == 1;
  pyk::ViewState* s = Sample(i, st.range(2) == 1);
  if (s == nullptr) {
    st.SkipWithError("the sample does not load");
    return;
  }
  st.SetLabel(std::string(kSamples[i]) + (gradient ? " bands" : " lines") + ", face " + std::to_string(s->m_nPlane) +
              " section " + std::to_string(s->m_nSection));
  Frame(st, *s, pyk::kContour, gradient ? 1 : 0, ContourDrawing::kFast);
  st.counters["shapes"] = static_cast<double>(TracedShapes(*s, gradient));
}
BENCHMARK(BM_SampleFinestStep)
    ->ArgsProduct({benchmark::CreateDenseRange(0, kSampleCount - 1, 1), {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  if (!pyk::InitializeGlProcess(&argc, argv, &error)) {
    std::fprintf(stderr, "pyk_render_bench: %s\n", error.c_str());
    return 1;
  }
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Gl().reset();  // the context goes before the application does
  return 0;
}
