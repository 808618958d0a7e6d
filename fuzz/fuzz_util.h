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

// Writes the fuzzer's input to a per-process scratch file and returns its
// path; in memory (/dev/shm) where there is such a folder, which is many times faster.
inline std::string WriteInput(const uint8_t* data, size_t size, const char* name) {
  static const std::string folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  const std::string path = folder + "/pyk-fuzz-" + std::to_string(::getpid()) + "-" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f != nullptr) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}

}  // namespace pyk::fuzz
