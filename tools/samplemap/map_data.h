// The in-memory form of a density map file and its contour-conditions file.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace pyk::sample {

// One symmetry operation on grid points. rot is written column by column, as
// in the file: x' = rot[0]x + rot[3]y + rot[6]z + trans[0], and so on.
struct GridOp {
  int rot[9];
  int trans[3];  // in grid divisions
};

struct MapData {
  std::string title;
  std::vector<std::array<int, 3>> points;  // record positions, grid divisions
  std::vector<double> densityA;            // one value per point
  std::vector<double> densityB;            // empty unless the file has two columns
  double cell[6] = {0, 0, 0, 0, 0, 0};     // a b c (Angstrom) alpha beta gamma (deg)
  int grid[3] = {0, 0, 0};
  int centro = 0;                          // 1: every lattice image is also inverted
  std::vector<GridOp> ops;
  std::vector<std::array<int, 3>> lattice;  // lattice translations, grid divisions
};

// Map types as the contour-conditions file numbers them.
enum MapType : int { kMapFc = 0, kMapFoFc = 1, kMapPatterson = 2 };

struct ConData {
  double hkl[3] = {0, 0, 1};
  int levels = 20;
  int mapType = kMapFc;
  double f000 = 0;  // electrons in the cell
};

}  // namespace pyk::sample
