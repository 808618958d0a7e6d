// The sample maps Pyknoscope ships, built from the structures in structures.h.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/samplemap/grid_symmetry.h"
#include "tools/samplemap/map_data.h"
#include "tools/samplemap/structure.h"
#include "tools/samplemap/symop.h"

namespace pyk::sample {

// A density, Patterson or difference function of a fractional position.
using MapFunction = std::function<double(const double frac[3])>;

// Symmetry-unique records (some shifted by whole cells) for the group on the
// grid, with cell and operations set. False if the grid cannot carry the group.
bool MapSkeleton(const std::string& title, const Cell& cell, const std::vector<SymOp>& group, OpStyle style,
                 const int grid[3], MapData* m);
// Evaluates f (and g, for a second column, if given) at every record.
void FillValues(const MapFunction& f, const MapFunction& g, MapData* m);

// The NaCl Fc map on an n x n x n grid with the full Fm-3m symmetry written as
// 24 rotations, the centrosymmetry flag and the four F-centring translations.
// n must be even and at most 149; otherwise the result has no records.
MapData RockSaltMap(int n);
// The silicon Fc map, Fd-3m origin choice 1 written explicitly (48 operations
// and the three non-zero centring translations); n a multiple of 4.
MapData SiliconMap(int n);

// The functions the aspirin samples sample, for checks against the records.
struct AspirinFunctions {
  MapFunction fc;          // rho - F(000)/V
  MapFunction difference;  // rho(true) - rho(one atom moved)
  MapFunction patterson;
  double f000;
};
AspirinFunctions MakeAspirinFunctions();

extern const int kAspirinGrid[3];

struct SampleFile {
  std::string mapName;  // file name inside the output folder
  std::string conName;
  MapData map;
  ConData con;
  const char* spaceGroup = nullptr;  // gemmi's name of the map's group; none for two columns
};

// The names of a sample's CCP4 copies: the whole cell ("aspirin.ccp4", read
// with the text sample's contour conditions), or half of it in another axis
// order ("aspirin-part.map", with its own copy of them).
std::string Ccp4MapName(const SampleFile& f, bool whole);
std::string Ccp4ConName(const SampleFile& f, bool whole);

// Every shipped sample; false if one could not be built.
bool BuildSamples(std::vector<SampleFile>* out);
// Writes them into dir, with their CCP4 copies if asked, and the models of
// aspirin, rock salt and silicon as CIF; on failure names the file that
// could not be written.
bool WriteSamples(const std::string& dir, bool ccp4, std::string* failedPath);

}  // namespace pyk::sample
