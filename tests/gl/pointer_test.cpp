// The map under the pointer: grid points of a skewed section projected by
// GL's own transform of a real frame (any mouse translation, zoom and
// rotation) and read back through the pointer's inverse.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/pointer.h"
#include "engine/scene.h"
#include "map/reader.h"
#include "map/section.h"
#include "render/gl.h"
#include "settings/ini.h"
#include "support/maps.h"
#include "tools/render/offscreen.h"

namespace pyk::test {
namespace {

TEST(Pointer, ProjectedGridPointsOfASkewedCellReadBackTheirIndicesAndValues) {
  auto s = FreshState();
  RecordingPlatform p;
  std::strcpy(s->m_szIniPath, DataFile("Pyknoscope.ini").c_str());
  ASSERT_EQ(ReadIniFile(*s, p), 0);  // the shipped view: fovy 30, the eye at -16
  std::strcpy(s->m_szMapFile, DataFile("aspirin.fou").c_str());
  ASSERT_EQ(LoadMap(*s, p), 0);
  ASSERT_EQ(s->m_nPlane, kPlane0K0);  // a (0 k 0) section of P21/c: the angle beta = 95.89
  constexpr int kW = 400, kH = 300;
  std::string error;
  auto gl = OffscreenGl::Create(kW, kH, &error);
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
    ResizeScene(*s, kW, kH, 1.0);
    RenderScene(*s, nullptr, SceneOptions{ContourDrawing::kFast, false});
    ASSERT_EQ(s->m_mapView.known, 1);
    const MapView& m = s->m_mapView;
    int read = 0;
    for (int u = 1; u < s->m_nGridU; u += 5) {
      for (int v = 1; v < s->m_nGridV; v += 4) {
        double wx, wy, wz;
        ASSERT_TRUE(gluProject(s->m_afSectionXYZ[u][v][0], s->m_afSectionXYZ[u][v][1], 0.0, m.modelview, m.projection,
                               m.viewport, &wx, &wy, &wz));
        if (wx < 0 || wx > kW || wy < 0 || wy > kH) continue;
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
  EXPECT_FALSE(ReadPointer(*s, kW / 2.0, kH / 2.0, &r)) << "no map is drawn in 3D Mesh mode";

  r = PointerReading{{0.25, 0.5, 0.0625}, {14, 16, 4}, -0.356877};
  EXPECT_EQ(PointerText(*s, r), "x 0.250  y 0.500  z 0.062   grid 14 16 4   density -0.3569 (-0.22 sigma)");
}

}  // namespace
}  // namespace pyk::test
