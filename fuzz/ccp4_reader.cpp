// Fuzzes the CCP4/MRC map reader: a map it takes is complete and within the
// view's capacities, and its records are a cover of the cell by symmetry.
#include <cmath>
#include <cstdlib>

#include "fuzz_util.h"
#include "map/images.h"
#include "map/reader.h"

namespace {

pyk::ViewState& State() {
  static auto s = pyk::MakeViewState();
  return *s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = pyk::fuzz::WriteInput(data, size, "map.ccp4");
  const std::string con = "0 0 1\n20\n0\n100\n";
  pyk::fuzz::WriteInput(reinterpret_cast<const uint8_t*>(con.data()), con.size(), "map.con");
  pyk::fuzz::SilentPlatform platform;
  pyk::ViewState& s = State();
  if (pyk::LoadMap(s, platform, pyk::LoadRequest{path}) != 0) return 0;
  const int32_t* g = s.m_anGrid;
  const int64_t cell = int64_t{g[0]} * g[1] * g[2];
  if (cell > pyk::kMaxPoints || s.m_nPoints < 1 || s.m_nPoints > cell) std::abort();
  // Every grid point of the cell is reached by some record's image.
  std::vector<uint8_t> hit(static_cast<size_t>(cell), 0);
  pyk::ForEachImage(s, [&](const int64_t p[3], float d) {
    if (!std::isfinite(d)) std::abort();
    const int64_t x = pyk::WrapIndex(p[0], g[0]), y = pyk::WrapIndex(p[1], g[1]), z = pyk::WrapIndex(p[2], g[2]);
    hit[static_cast<size_t>((z * g[1] + y) * g[0] + x)] = 1;
  });
  for (uint8_t h : hit)
    if (h == 0) std::abort();
  return 0;
}
