// Fuzzes the viewer's meshout reader: any file gives at most the records the
// view holds, each in its fields; and a record line reads as sscanf reads it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_util.h"
#include "text/c_numbers.h"
#include "views3d/mesh_exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto state = pyk::MakeViewState();
  const std::string path = pyk::fuzz::WriteInput(data, size, "meshout");
  FILE* f = std::fopen(path.c_str(), "r");
  if (f == nullptr) return 0;
  pyk::ReadMeshOutput(*state, f);
  std::fclose(f);
  if (state->m_nMeshCount < 0 || state->m_nMeshCount >= pyk::kMaxMeshRecords) std::abort();
  const std::string line(reinterpret_cast<const char*>(data), size);
  float x = -9, y = -9, sx = -9, sy = -9;
  int flag = -9, sflag = -9;
  pyk::ScanMeshRecord(line.c_str(), &x, &y, &flag);
  pyk::ScanC(line.c_str(), "%f %f %d", &sx, &sy, &sflag);
  if (std::memcmp(&x, &sx, sizeof x) != 0 || std::memcmp(&y, &sy, sizeof y) != 0 || flag != sflag) std::abort();
  return 0;
}
