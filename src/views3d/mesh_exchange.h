// The exchange with the mesh program of 3D Mesh mode: the section and the
// viewpoint written to meshinp, the projected segments read from meshout.
#pragma once

#include <cstdio>

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// Writes the meshinp lines: the mesh parameter, viewpoint, in-plane edges and
// angle, client size, density range, grid cells, then the height factor times
// every section density, i outer and j inner.
void WriteMeshInput(const ViewState& s, FILE* out);

// Reads meshout: m1..m6 into m_afMeshAxis[1..6], e1..e6 into m_afMeshView,
// then one record per further line of at most 139 characters into entries
// 1, 2, ... (at most 29,999; the rest is ignored); m_nMeshCount counts them.
void ReadMeshOutput(ViewState& s, FILE* in);

// One record line as sscanf's "%f %f %d" reads it, fields it cannot read left
// alone. The mesh program's own lines (plain decimals and a short integer, one
// space apart) are read with from_chars, which rounds as strtof does.
void ScanMeshRecord(const char* line, float* x, float* y, int* flag);

// Writes meshinp, runs the mesh program in the start-up folder and reads
// meshout: 0 on success; 1 after "Mesh calculation failed !!!" when meshinp
// cannot be written, the program does not run to a clean end, or it leaves
// no meshout (an old one is removed first, so it is never read as new).
int CalculateMesh(ViewState& s, Platform& platform);

}  // namespace pyk
