// pyknoscope-samplemap: writes the sample maps of real structures.
#include <cstdio>
#include <string_view>

#include "samples.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h") {
    std::fprintf(argc == 2 ? stdout : stderr,
                 "Usage: pyknoscope-samplemap OUTDIR\n\n"
                 "Computes electron-density maps of rock salt (NaCl, Fm-3m) and silicon (Fd-3m)\n"
                 "from their atoms' Cromer-Mann scattering factors and B factors, and writes\n"
                 "the Fc, Fo-Fc, Patterson and two-column samples with their .con files.\n");
    return argc == 2 ? 0 : 1;
  }
  return pyk::sample::WriteSamples(argv[1]) ? 0 : 1;
}
