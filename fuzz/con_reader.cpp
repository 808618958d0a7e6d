// Fuzzes the contour-conditions reader.
#include "fuzz_util.h"
#include "map/reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto state = pyk::MakeViewState();
  const std::string path = pyk::fuzz::WriteInput(data, size, "map.con");
  pyk::ReadConFile(*state, path.c_str());
  return 0;
}
