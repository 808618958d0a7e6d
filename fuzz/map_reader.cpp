// Fuzzes the map reader and checks it field by field against the fscanf reader.
#include <cstdlib>
#include <cstring>

#include "fuzz_util.h"
#include "map/reader.h"
#include "reference/fscanf_reader.h"

namespace {

// Both records start equal and are kept equal, so "unchanged" fields agree too.
pyk::ViewState& Fast() {
  static auto s = pyk::MakeViewState();
  return *s;
}
pyk::ViewState& Slow() {
  static auto s = pyk::MakeViewState();
  return *s;
}

template <typename T>
void Same(const T& a, const T& b, size_t n = sizeof(T)) {
  if (std::memcmp(&a, &b, n) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = pyk::fuzz::WriteInput(data, size, "map.fou");
  pyk::fuzz::SilentPlatform platform;
  pyk::ViewState& a = Fast();
  pyk::ViewState& b = Slow();
  a.m_bCommandLine = 1;  // with no contour file the load stops after the map file
  pyk::ReadMapFile(a, platform, path.c_str());
  pyk::reference::ReadMapRecordsStdio(b, path.c_str());

  Same(a.m_nPoints, b.m_nPoints);
  Same(a.m_bTwoColumn, b.m_bTwoColumn);
  const size_t n = static_cast<size_t>(a.m_nPoints > 0 ? a.m_nPoints : 0);
  Same(a.m_anPoint[0][0], b.m_anPoint[0][0], n * sizeof a.m_anPoint[0]);
  Same(a.m_afDensity[0], b.m_afDensity[0], n * sizeof(float));
  Same(a.m_afDensityA[0], b.m_afDensityA[0], n * sizeof(float));
  Same(a.m_afDensityB[0], b.m_afDensityB[0], n * sizeof(float));
  Same(a.m_fMinDensity, b.m_fMinDensity);
  Same(a.m_fMaxDensity, b.m_fMaxDensity);
  Same(a.m_afCell, b.m_afCell);
  Same(a.m_anGrid, b.m_anGrid);
  Same(a.m_nSymOps, b.m_nSymOps);
  Same(a.m_nCentro, b.m_nCentro);
  Same(a.m_nLattice, b.m_nLattice);
  Same(a.m_anSymRot, b.m_anSymRot);
  Same(a.m_anSymTrans, b.m_anSymTrans);
  Same(a.m_anLatticeTrans, b.m_anLatticeTrans);
  return 0;
}
