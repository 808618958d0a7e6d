// Fuzzes the map reader and checks it field by field against the fscanf reader.
#include <cstdlib>
#include <cstring>

#include "fuzz_util.h"
#include "map/ccp4_map.h"
#include "map/reader.h"
#include "reference/fscanf_reader.h"

namespace {

// One record each, kept from input to input.
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
  // CCP4/MRC maps have their own fuzzer; the C stream knows nothing of them.
  const char* bytes = reinterpret_cast<const char*>(data);
  if (pyk::IsCcp4Map(bytes, bytes + size)) return 0;
  const std::string path = pyk::fuzz::WriteInput(data, size, "map.fou");
  const std::string con = "0 0 1\n20\n0\n100\n";
  pyk::fuzz::WriteInput(reinterpret_cast<const uint8_t*>(con.data()), con.size(), "map.con");
  pyk::fuzz::SilentPlatform platform;
  pyk::ViewState& a = Fast();
  pyk::ViewState& b = Slow();
  const int fast = pyk::LoadMap(a, platform, pyk::LoadRequest{path});
  const int slow = pyk::reference::ReadMapRecordsStdio(b, path.c_str());
  // A file the C stream reads incompletely is refused; one the reader takes
  // is read exactly as the C stream reads it, every compared field from the file.
  if (slow != 0 && fast == 0) std::abort();
  if (fast != 0) return 0;

  Same(a.m_nPoints, b.m_nPoints);
  Same(a.m_bTwoColumn, b.m_bTwoColumn);
  const size_t n = static_cast<size_t>(a.m_nPoints);
  Same(a.m_anPoint[0][0], b.m_anPoint[0][0], n * sizeof a.m_anPoint[0]);
  if (a.m_bTwoColumn == 1) {
    Same(a.m_afDensityA[0], b.m_afDensityA[0], n * sizeof(float));
    Same(a.m_afDensityB[0], b.m_afDensityB[0], n * sizeof(float));
  } else {
    Same(a.m_afDensity[0], b.m_afDensity[0], n * sizeof(float));
    Same(a.m_fMinDensity, b.m_fMinDensity);
    Same(a.m_fMaxDensity, b.m_fMaxDensity);
  }
  Same(a.m_afCell, b.m_afCell);
  Same(a.m_anGrid, b.m_anGrid);
  Same(a.m_nSymOps, b.m_nSymOps);
  Same(a.m_nCentro, b.m_nCentro);
  Same(a.m_nLattice, b.m_nLattice);
  const size_t ops = static_cast<size_t>(a.m_nSymOps), lattice = static_cast<size_t>(a.m_nLattice);
  Same(a.m_anSymRot[0], b.m_anSymRot[0], ops * sizeof a.m_anSymRot[0]);
  Same(a.m_anSymTrans[0], b.m_anSymTrans[0], ops * sizeof a.m_anSymTrans[0]);
  Same(a.m_anLatticeTrans[0], b.m_anLatticeTrans[0], lattice * sizeof a.m_anLatticeTrans[0]);
  return 0;
}
