// The mesh program's output file meshout: the projection numbers and the segment records.
#include "mesh/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "mesh/fail.h"
#include "text/c_numbers.h"

namespace pyk {
namespace {

// Nine significant digits give back the very float, so the viewer's labels
// are projected with the numbers the segments were.
void AppendSix(const float* v, std::string* text) {
  char line[160];
  FormatC(line, sizeof line, "%.9g %.9g %.9g %.9g %.9g %.9g\n", v[0], v[1], v[2], v[3],
                v[4], v[5]);
  *text += line;
}

}  // namespace

void FormatMeshOutput(const MeshResult& result, std::string* text) {
  text->clear();
  text->reserve(200 + result.records.size() * 24);
  AppendSix(result.axis, text);
  AppendSix(result.view, text);
  // "%.3f %.3f %d\n" a record, without printf's cost per call.
  for (const MeshRecord& r : result.records) {
    AppendFixedC(text, r.x, 3);
    *text += ' ';
    AppendFixedC(text, r.y, 3);
    *text += ' ';
    AppendIntC(text, r.flag);
    *text += '\n';
  }
}

int WriteMeshOutput(const char* path, const std::string& text, std::string* error) {
  const std::string temp = std::string(path) + ".tmp";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (f == nullptr) {
    return MeshFail(error, "%s: cannot create (%s)", temp.c_str(), std::strerror(errno));
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) {
    std::remove(temp.c_str());
    return MeshFail(error, "%s: write error", temp.c_str());
  }
  if (std::rename(temp.c_str(), path) != 0) {
    const int err = errno;
    std::remove(temp.c_str());
    return MeshFail(error, "%s: cannot rename to %s (%s)", temp.c_str(), path, std::strerror(err));
  }
  return 0;
}

}  // namespace pyk
