// The mesh program's input file meshinp: viewpoint, cell face, client size and section values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pyk {

inline constexpr int kMaxMeshCells = 149;     // grid cells along either in-plane axis
inline constexpr int kMaxClientSize = 10000;  // client width or height in pixels
inline constexpr float kMinCellAngle = 1.0f;  // the in-plane angle must lie in 1..179 degrees
inline constexpr float kMaxCellAngle = 179.0f;

// Everything meshinp holds, line by line.
struct MeshInput {
  float param = 1;  // line 1: the mesh parameter, used as a height multiplier
  float distance = 0, theta = 0, phi = 0;  // line 2: viewing distance, θ and φ in degrees
  float edgeU = 0, edgeV = 0, angle = 0;   // line 3: in-plane cell edges, angle in degrees
  int width = 0, height = 0;               // line 4: client size in pixels
  float minDensity = 0, maxDensity = 0;    // line 5: density range of the whole map
  int nu = 0, nv = 0;                      // line 6: grid cells along u and v
  std::vector<float> values;               // (nu + 1)(nv + 1) values, i outer, j inner

  // The value of grid point (i, j); works only if 0 <= i <= nu and 0 <= j <= nv.
  float Value(int i, int j) const { return values[static_cast<size_t>(i * (nv + 1) + j)]; }
};

// Parses the text of meshinp; name is the file name used in messages. Checks
// every number (finite, integers where the viewer writes "%d") and every
// limit. Returns 0, or 1 with a one-line message naming the file and the line.
int ParseMeshInput(std::string_view text, const char* name, MeshInput* in, std::string* error);

// Reads and parses the file at path. 0 or 1 as ParseMeshInput.
int ReadMeshInput(const char* path, MeshInput* in, std::string* error);

}  // namespace pyk
