// The mesh program's output file meshout: the projection numbers and the segment records.
#pragma once

#include <string>
#include <vector>

namespace pyk {

// Third column of a record: the plotter's pen codes, 3 for the start of a
// segment (move there) and 2 for its end (draw to it). The viewer ignores it.
inline constexpr int kPenMove = 3;
inline constexpr int kPenDraw = 2;

struct MeshRecord {
  float x, y;  // pixels in the client frame, y upwards
  int flag;
};

// Everything meshout holds, plus how the lines were thinned.
struct MeshResult {
  float axis[6] = {};  // m1..m6
  float view[6] = {};  // e1..e6
  int stride = 1;      // every stride-th grid line is drawn (and the last)
  int dropped = 0;     // segments left out beyond the record limit (normally none)
  std::vector<MeshRecord> records;  // records 2k - 1 and 2k form segment k
};

// The text of meshout: m1..m6 on the first line, e1..e6 on the second (so no
// record starts on the line the viewer skips), then one "x y flag" a line.
void FormatMeshOutput(const MeshResult& result, std::string* text);

// Writes the text to path through a temporary file beside it that is renamed
// at the end, so a failed write never leaves a partial meshout. 0 or 1.
int WriteMeshOutput(const char* path, const std::string& text, std::string* error);

}  // namespace pyk
