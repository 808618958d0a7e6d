// Fuzzes the mesh program: its meshinp parser, and for every accepted input
// the whole calculation, whose records must stay within the viewer's limits.
#include <cstdlib>
#include <string>
#include <string_view>

#include "mesh/calculate.h"
#include "state/view_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  pyk::MeshInput in;
  std::string error;
  if (pyk::ParseMeshInput(text, "meshinp", &in, &error) != 0) {
    if (error.empty() || error.find('\n') != std::string::npos) std::abort();  // one line, always
    return 0;
  }
  pyk::MeshResult result;
  if (pyk::ComputeMesh(in, &result, &error) != 0) {
    if (error.empty()) std::abort();
    return 0;
  }
  // Whole segments within the viewer's record limit, in the client area.
  if (result.records.size() % 2 != 0 || result.records.size() >= static_cast<size_t>(pyk::kMaxMeshRecords)) {
    std::abort();
  }
  for (const pyk::MeshRecord& r : result.records) {
    if (!(r.x >= 0 && r.x <= in.width && r.y >= 0 && r.y <= in.height)) std::abort();
  }
  std::string out;
  pyk::FormatMeshOutput(result, &out);
  return 0;
}
