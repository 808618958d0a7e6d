// The whole mesh calculation, and the program's run from meshinp to meshout.
#pragma once

#include <string>

#include "mesh/input.h"
#include "mesh/output.h"

namespace pyk {

// Layout, hidden-line removal and thinning of one section. 0, or 1 with a
// message (the eye too close to the mesh, numbers beyond the float range).
int ComputeMesh(const MeshInput& in, MeshResult* result, std::string* error);

// One run of the program: first removes outputPath, so that a run that fails
// leaves no meshout that the viewer could take for this run's; then reads
// inputPath, computes and writes outputPath. 0, or 1 with a one-line message.
int RunMeshProgram(const char* inputPath, const char* outputPath, std::string* error);

}  // namespace pyk
