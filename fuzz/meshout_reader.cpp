// Fuzzes the viewer's meshout reader: any file gives at most the records the
// view holds, each in its fields.
#include <cstdio>
#include <cstdlib>

#include "fuzz_util.h"
#include "views3d/mesh_exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto state = pyk::MakeViewState();
  const std::string path = pyk::fuzz::WriteInput(data, size, "meshout");
  FILE* f = std::fopen(path.c_str(), "r");
  if (f == nullptr) return 0;
  pyk::ReadMeshOutput(*state, f);
  std::fclose(f);
  if (state->m_nMeshCount < 0 || state->m_nMeshCount >= pyk::kMaxMeshRecords) std::abort();
  return 0;
}
