// The whole mesh calculation, and the program's run from meshinp to meshout.
#include "mesh/calculate.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "mesh/fail.h"
#include "mesh/hidden.h"
#include "mesh/mesh_layout.h"
#include "mesh/thinning.h"

namespace pyk {

int ComputeMesh(const MeshInput& in, MeshResult* result, std::string* error) {
  MeshLayout layout;
  if (LayoutMesh(in, &layout, error) != 0) return 1;
  const std::vector<VisiblePiece> pieces = FindVisiblePieces(layout);
  for (int k = 0; k < 6; ++k) {
    result->axis[k] = layout.axis[k];
    result->view[k] = layout.view[k];
  }
  result->stride = ChooseStride(pieces, in.nu, in.nv, kMaxMeshSegments);
  CollectSegments(layout, pieces, kMaxMeshSegments, result);
  return 0;
}

int RunMeshProgram(const char* inputPath, const char* outputPath, std::string* error) {
  if (std::remove(outputPath) != 0 && errno != ENOENT) {
    return MeshFail(error, "%s: cannot remove the old file (%s)", outputPath, std::strerror(errno));
  }
  MeshInput in;
  if (ReadMeshInput(inputPath, &in, error) != 0) return 1;
  MeshResult result;
  if (ComputeMesh(in, &result, error) != 0) return 1;
  std::string text;
  FormatMeshOutput(result, &text);
  return WriteMeshOutput(outputPath, text, error);
}

}  // namespace pyk
