// Thinning under the record limit: the lines drawn, the stride chosen and the records.
#include "mesh/thinning.h"

#include <gtest/gtest.h>

#include <string>

#include "mesh/calculate.h"
#include "mesh/sections.h"

namespace pyk {
namespace {

// A flat field from above shows every edge whole, so the counts follow from
// the grid: 149 segments on each drawn line of either direction.
TEST(MeshThinning, FlatGridsCountedByHand) {
  const struct {
    int n, stride, records;
  } rows[] = {
      {10, 1, 2 * 2 * 10 * 11},  // everything fits
      // Stride 1: 2 x 149 x 150 = 44 700 segments; 2: lines 0, 2, .., 148 and
      // 149 = 76 a side, 22 648; 3: 51 a side, 15 198; 4: 39 a side, 11 622.
      {149, 4, 2 * 11622},
      {100, 2, 2 * 2 * 100 * 51},  // 0, 2, .., 100: 51 lines a side, 20 400 records
  };
  for (const auto& r : rows) {
    MeshResult result;
    std::string error;
    ASSERT_EQ(ComputeMesh(meshtest::FlatSection(r.n, r.n), &result, &error), 0) << error;
    EXPECT_EQ(result.stride, r.stride) << r.n;
    EXPECT_EQ(static_cast<int>(result.records.size()), r.records) << r.n;
    EXPECT_EQ(result.dropped, 0);
  }
  const std::vector<VisiblePiece> pieces = FindVisiblePieces(meshtest::Laid(meshtest::FlatSection(149, 149)));
  EXPECT_EQ(CountDrawnPieces(pieces, 149, 149, 1), 44700);
  EXPECT_EQ(CountDrawnPieces(pieces, 149, 149, 2), 22648);
  EXPECT_EQ(CountDrawnPieces(pieces, 149, 149, 3), 15198);
  EXPECT_EQ(ChooseStride(pieces, 149, 149, 15198), 3);
  EXPECT_EQ(ChooseStride(pieces, 149, 149, 15197), 4);
}

TEST(MeshThinning, RecordLimitOnTheLargestSection) {
  for (const float phi : {60.0f, 20.0f}) {
    MeshInput in = meshtest::CrystalSection(149, 149);
    in.phi = phi;
    MeshResult result;
    std::string error;
    ASSERT_EQ(ComputeMesh(in, &result, &error), 0) << error;
    EXPECT_LE(result.records.size(), 29999u);
    EXPECT_EQ(result.records.size() % 2, 0u);
    EXPECT_GT(result.records.size(), 20000u) << "thinned more than needed";
    EXPECT_EQ(result.dropped, 0);
    // The stride is the smallest that fits.
    const std::vector<VisiblePiece> pieces = FindVisiblePieces(meshtest::Laid(in));
    ASSERT_GT(result.stride, 1);
    EXPECT_GT(CountDrawnPieces(pieces, 149, 149, result.stride - 1), kMaxMeshSegments);
  }
}

TEST(MeshThinning, DropsSegmentsOnlyAsALastResort) {
  const MeshLayout L = meshtest::Laid(meshtest::FlatSection(6, 5));
  const std::vector<VisiblePiece> pieces = FindVisiblePieces(L);
  // The border alone has 2 (6 + 5) = 22 segments; a limit of 10 cannot be met.
  EXPECT_EQ(ChooseStride(pieces, 6, 5, 10), 6);
  MeshResult result;
  result.stride = 6;
  CollectSegments(L, pieces, 10, &result);
  EXPECT_EQ(result.records.size(), 20u);
  EXPECT_EQ(result.dropped, 12);
  // The first segment is the first edge, whole: from grid point (0, 0) to (1, 0).
  EXPECT_EQ(result.records[0].x, L.sx[L.Index(0, 0)]);
  EXPECT_EQ(result.records[0].y, L.sy[L.Index(0, 0)]);
  EXPECT_EQ(result.records[1].x, L.sx[L.Index(1, 0)]);
  EXPECT_EQ(result.records[1].y, L.sy[L.Index(1, 0)]);
}

}  // namespace
}  // namespace pyk
