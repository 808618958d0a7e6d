// pyknoscope-samplemap: writes the sample density maps into a folder.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/samplemap/samples.h"

namespace {

void Usage(std::FILE* to) {
  std::fputs(
      "usage: pyknoscope-samplemap [--ccp4] OUTDIR\n"
      "Computes the sample electron-density maps (rock salt, silicon, aspirin Fc,\n"
      "Fo-Fc, Patterson and a two-column map) from their crystal structures and\n"
      "writes the map files (.fou, .den) with their contour conditions (.con)\n"
      "into OUTDIR, creating it if needed. The output is deterministic.\n"
      "With --ccp4, each one-column map is also written as CCP4 maps: NAME.ccp4\n"
      "holds the whole cell, NAME-part.map half of it in the axis order z x y\n"
      "(with its own NAME-part.con), to be completed by the map's space group.\n",
      to);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    Usage(stdout);
    return 0;
  }
  const bool ccp4 = argc == 3 && std::strcmp(argv[1], "--ccp4") == 0;
  if (argc != 2 + ccp4 || argv[argc - 1][0] == '-') {
    Usage(stderr);
    return 1;
  }
  const std::string dir = argv[argc - 1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "pyknoscope-samplemap: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
    return 1;
  }
  std::string failed;
  if (!pyk::sample::WriteSamples(dir, ccp4, &failed)) {
    std::fprintf(stderr, "pyknoscope-samplemap: cannot write %s\n", failed.c_str());
    return 1;
  }
  return 0;
}
