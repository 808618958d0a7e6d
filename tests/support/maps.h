// Small map files written by hand for tests, a fresh state and a loader, and
// the viewer's state of a mesh section with its meshinp.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "map/reader.h"
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

// A P1 map with a record for every point of an nx x ny x nz grid, of density f(x, y, z).
template <typename F>
std::string GridMapText(int nx, int ny, int nz, F f) {
  std::string records;
  for (int x = 0; x < nx; ++x) {
    for (int y = 0; y < ny; ++y) {
      for (int z = 0; z < nz; ++z) {
        records += std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + " " +
                   std::to_string(f(x, y, z)) + "\n";
      }
    }
  }
  return MapText(nx * ny * nz, records, P1Tail(nx, ny, nz));
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

// Loads text as dir's x.fou (with con text beside it unless null) through the file-dialog path.
inline int LoadText(ViewState& s, RecordingPlatform& p, const TempDir& dir, const std::string& text,
                    const char* con = kConZ) {
  const std::string map = dir.File("x.fou");
  WriteText(map, text);
  if (con != nullptr) WriteText(dir.File("x.con"), con);
  std::strcpy(s.m_szMapFile, map.c_str());
  return LoadMap(s, p);
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

// What write(FILE*) writes.
template <typename W>
std::string Written(W write) {
  char* buf = nullptr;
  size_t len = 0;
  FILE* f = open_memstream(&buf, &len);
  write(f);
  std::fclose(f);
  const std::string text(buf, len);
  std::free(buf);
  return text;
}

// meshinp of in as the viewer writes it.
inline std::string ViewerMeshinp(const MeshInput& in) {
  return Written([&](FILE* f) { WriteMeshInput(*ViewerSection(in), f); });
}

}  // namespace pyk::test
