// 3D Mesh mode on the real window with the real mesh program in the
// start-up folder: the picture, a viewpoint step, failures and clean-up.
#include <gtest/gtest.h>

#include <filesystem>

#include "viewer_fixture.h"

namespace pyk::test {
namespace {

// Pixels of the shipped settings' mesh colour (code 1, blue), lit.
int MeshPixels(const QImage& img) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      n += qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100;
    }
  }
  return n;
}

TEST(MeshMode, TheMeshProgramDrawsAndEachViewpointStepRecalculates) {
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  std::filesystem::copy_file(PYK_MESH_EXE, v.dir.File("mesh"));
  v.desktop.runPrograms = true;
  ASSERT_EQ(MeshPixels(v.Picture()), 0);

  v.Trigger(kCmdMesh);
  ASSERT_TRUE(v.desktop.Messages().empty()) << v.desktop.Messages().front();
  EXPECT_EQ(v.state().m_nViewMode, 2);
  EXPECT_EQ(v.state().m_nStatus, 0);
  EXPECT_GT(v.state().m_nMeshCount, 1000);
  EXPECT_LE(v.state().m_nMeshCount, 29999);
  const QImage first = v.Picture();
  EXPECT_GT(MeshPixels(first), 2000);

  // Mesh again does nothing, not even a run; Theta Right runs once more.
  v.Trigger(kCmdMesh);
  EXPECT_EQ(v.desktop.Count("run:" + v.dir.File("mesh")), 1);
  const float theta = v.state().m_afMeshParam[2];
  v.Trigger(kCmdThetaRight);
  EXPECT_EQ(v.desktop.Count("run:" + v.dir.File("mesh")), 2);
  EXPECT_EQ(v.state().m_afMeshParam[2], theta + 2.0f);
  const QImage turned = v.Picture();
  EXPECT_GT(MeshPixels(turned), 2000);
  EXPECT_NE(turned, first);
  // A section step in mesh mode recalculates too.
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.desktop.Count("run:" + v.dir.File("mesh")), 3);

  // The exchange files go when the view goes.
  EXPECT_TRUE(std::filesystem::exists(v.dir.File("meshinp")));
  EXPECT_TRUE(std::filesystem::exists(v.dir.File("meshout")));
  v.frame.reset();
  EXPECT_FALSE(std::filesystem::exists(v.dir.File("meshinp")));
  EXPECT_FALSE(std::filesystem::exists(v.dir.File("meshout")));
}

// The settings' start-up mode 3D Mesh: the first load brings its mesh.
TEST(MeshMode, AStartInMeshModeShowsTheMesh) {
  std::string ini = ReadText(std::string(PYK_DATA_DIR) + "/Pyknoscope.ini");
  const size_t mode = ini.find("3D Mesh) = 0");
  ASSERT_NE(mode, std::string::npos);
  ini[mode + 11] = '2';
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"}, &ini, true);
  EXPECT_TRUE(v.desktop.Messages().empty());
  EXPECT_EQ(v.state().m_nViewMode, k3dMesh);
  EXPECT_EQ(v.state().m_nStatus, 0);
  EXPECT_GT(v.state().m_nMeshCount, 1000);
  EXPECT_GT(MeshPixels(v.Picture()), 2000);
}

TEST(MeshMode, AMissingMeshProgramKeepsTheMode) {
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  v.desktop.runPrograms = true;
  v.Trigger(kCmdMesh);
  EXPECT_EQ(v.desktop.Messages(), std::vector<std::string>{"Mesh calculation failed !!!"});
  EXPECT_EQ(v.state().m_nViewMode, 0);
  EXPECT_EQ(v.state().m_nStatus, 1);
  // A section step extracts the section again and the map comes back.
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.state().m_nStatus, 0);
  EXPECT_FALSE(v.frame->action(kCmdThetaRight)->isEnabled());
}

}  // namespace
}  // namespace pyk::test
