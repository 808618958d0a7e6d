// Shared pieces of the fuzz targets: a silent platform and an input written to a file.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "state/platform.h"

namespace pyk::fuzz {

class SilentPlatform : public Platform {
 public:
  void ShowMessage(const char*) override {}
  bool AskContourConditions(float&, int&) override { return false; }
  void Invalidate() override {}
};

// Writes the fuzzer's input to a per-process scratch file and returns its path.
inline std::string WriteInput(const uint8_t* data, size_t size, const char* name) {
  const std::string path = "/tmp/pyk-fuzz-" + std::to_string(::getpid()) + "-" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f != nullptr) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}

}  // namespace pyk::fuzz
