// Small map files written by hand for tests, a loaded-state fixture, and the
// viewer's state of a mesh section with its meshinp.
#pragma once

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "mesh/input.h"
#include "state/view_state.h"
#include "support/files.h"
#include "support/recorder.h"
#include "views3d/mesh_exchange.h"

namespace pyk::test {

// A map file: title, count, the record lines, then the tail text.
inline std::string MapText(int count, const std::string& records, const std::string& tail) {
  return "test map\n" + std::to_string(count) + "\n" + records + tail;
}

// A P1 cell of 10 x 12 x 14 A with right angles, grid g, identity listed once.
inline std::string P1Tail(int nx, int ny, int nz) {
  return "10.0 12.0 14.0 90.0 90.0 90.0\n" + std::to_string(nx) + " " + std::to_string(ny) + " " + std::to_string(nz) +
         "\n1 0 0\n1 0 0 0 1 0 0 0 1 0 0 0\n";
}

inline constexpr const char* kConZ = "0 0 1\n20\n0\n123.5\n";

// A fresh record as the viewer has it after construction and window creation
// (defaults reset, density range at its start values, section 0 of 1).
inline std::unique_ptr<ViewState> FreshState() {
  auto s = MakeViewState();
  ResetViewState(*s);
  s->m_fMinDensity = 1e8f;
  s->m_fMaxDensity = -1e8f;
  s->m_nSectionCount = 1;
  return s;
}

// The viewer's state holding in's viewpoint, face, client size, range and section.
inline std::unique_ptr<ViewState> ViewerSection(const MeshInput& in) {
  auto s = FreshState();
  const float params[4] = {in.param, in.distance, in.theta, in.phi};
  std::copy(params, params + 4, s->m_afMeshParam);
  s->m_afEdge[0] = in.edgeU;
  s->m_afEdge[1] = in.edgeV;
  s->m_fPlaneAngle = in.angle;
  s->m_nClientWidth = in.width;
  s->m_nClientHeight = in.height;
  s->m_fMinDensity = in.minDensity;
  s->m_fMaxDensity = in.maxDensity;
  s->m_nGridU = in.nu;
  s->m_nGridV = in.nv;
  s->m_fHeightScale = 1.0f;
  for (int i = 0; i <= in.nu; ++i) {
    for (int j = 0; j <= in.nv; ++j) s->m_afSection[i][j] = in.Value(i, j);
  }
  return s;
}

// meshinp of s as the viewer writes it.
inline std::string ViewerMeshinp(const ViewState& s) {
  char* buf = nullptr;
  size_t len = 0;
  FILE* f = open_memstream(&buf, &len);
  WriteMeshInput(s, f);
  std::fclose(f);
  const std::string text(buf, len);
  std::free(buf);
  return text;
}

}  // namespace pyk::test
