// The viewer's completion rule: how records and operations fill the whole grid.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/samplemap/map_data.h"

namespace pyk::sample {

// The images of grid point p in the order the rule adds them: p; then for each
// operation q = op(p), and for each lattice translation q + L and, with the
// centrosymmetry flag, -(q + L). Not reduced into the cell.
void ImagesOf(const MapData& m, const std::array<int, 3>& p, std::vector<std::array<int, 3>>* out);

// Index of a point reduced into the cell (x fastest).
int64_t CellIndex(const int grid[3], const std::array<int, 3>& p);

struct ExpandedMap {
  int grid[3];
  std::vector<double> a, b;  // values, x fastest; b empty for one column
  std::vector<uint8_t> set;  // 1 where some image landed
};

// Applies the rule to every record in file order; the first image to reach a
// grid point gives its value.
ExpandedMap ExpandToGrid(const MapData& m);

// A symmetry-unique set of grid points: scanning the cell (x fastest), each
// point not yet covered is taken and all its images are marked covered.
std::vector<std::array<int, 3>> SymmetryUniquePoints(const MapData& m);

// Moves some records by whole cells (deterministically) so that readers have
// to reduce coordinates.
void ShiftSomeByCells(const int grid[3], std::vector<std::array<int, 3>>* points);

}  // namespace pyk::sample
