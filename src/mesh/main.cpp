// The mesh program: reads meshinp in the current folder and writes meshout there.
#include <cstdio>
#include <cstring>
#include <string>

#include "mesh/calculate.h"

int main(int argc, char** argv) {
  if (argc > 1) {
    const bool help = std::strcmp(argv[1], "--help") == 0;
    std::fprintf(help ? stdout : stderr,
                 "usage: mesh (no arguments): reads meshinp in the current folder and writes "
                 "the hidden-line mesh to meshout\n");
    return help ? 0 : 2;
  }
  std::string error;
  if (pyk::RunMeshProgram("meshinp", "meshout", &error) != 0) {
    std::fprintf(stderr, "mesh: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
