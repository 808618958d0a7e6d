// Fuzzes the settings reader.
#include <cstring>

#include "fuzz_util.h"
#include "settings/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto state = pyk::MakeViewState();
  const std::string path = pyk::fuzz::WriteInput(data, size, "Pyknoscope.ini");
  std::strcpy(state->m_szIniPath, path.c_str());
  pyk::fuzz::SilentPlatform platform;
  pyk::ReadIniFile(*state, platform);
  return 0;
}
