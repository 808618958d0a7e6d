// The mesh program's input file meshinp: viewpoint, cell face, client size and section values.
#include "mesh/input.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "mesh/fail.h"
#include "text/c_numbers.h"

namespace pyk {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Splits text into white-space separated words, one line at a time.
class WordReader {
 public:
  explicit WordReader(std::string_view text) : text_(text) {}

  // The next line (without its line feed) and its number; false at the end.
  bool NextLine(std::string_view* line) {
    if (pos_ >= text_.size()) return false;
    const size_t end = text_.find('\n', pos_);
    const size_t stop = end == std::string_view::npos ? text_.size() : end;
    *line = text_.substr(pos_, stop - pos_);
    pos_ = stop + 1;
    ++lineNo_;
    return true;
  }
  int LineNo() const { return lineNo_; }

  // Takes the next word of *line into *word; false when none is left.
  static bool NextWord(std::string_view* line, std::string_view* word) {
    size_t a = 0;
    while (a < line->size() && IsBlank((*line)[a])) ++a;
    if (a == line->size()) return false;
    size_t b = a;
    while (b < line->size() && !IsBlank((*line)[b])) ++b;
    *word = line->substr(a, b - a);
    line->remove_prefix(b);
    return true;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  int lineNo_ = 0;
};

// A whole word as a finite float; false for letters, trailing characters,
// NaN, infinity or a value beyond the float range.
bool ToFloat(std::string_view word, float* v) {
  if (!word.empty() && word[0] == '+') word.remove_prefix(1);
  double d = 0;
  const auto [ptr, ec] = ParseC(word.data(), word.data() + word.size(), d);
  if (ec != std::errc() || ptr != word.data() + word.size()) return false;
  if (!std::isfinite(d) || std::fabs(d) > 3.0e38) return false;
  *v = static_cast<float>(d);
  return true;
}

bool ToInt(std::string_view word, int* v) {
  if (!word.empty() && word[0] == '+') word.remove_prefix(1);
  const auto [ptr, ec] = ParseC(word.data(), word.data() + word.size(), *v);
  return ec == std::errc() && ptr == word.data() + word.size();
}

std::string Quoted(std::string_view word) {
  std::string s(word.substr(0, 40));
  if (word.size() > 40) s += "...";
  return s;
}

// One header line: exactly `count` words, converted into floats or ints.
// kinds[k] is 'f' or 'd'.
int ReadHeaderLine(WordReader& reader, const char* name, int expectedLine, const char* what,
                   const char* kinds, float* floats, int* ints, std::string* error) {
  std::string_view line;
  if (!reader.NextLine(&line)) {
    return MeshFail(error, "%s: ends before line %d (%s)", name, expectedLine, what);
  }
  int nf = 0, ni = 0;
  for (const char* k = kinds; *k != '\0'; ++k) {
    std::string_view word;
    if (!WordReader::NextWord(&line, &word)) {
      return MeshFail(error, "%s: line %d: %d numbers expected (%s)", name, expectedLine,
                      static_cast<int>(std::strlen(kinds)), what);
    }
    const bool ok = *k == 'f' ? ToFloat(word, &floats[nf++]) : ToInt(word, &ints[ni++]);
    if (!ok) {
      return MeshFail(error, "%s: line %d: \"%s\" is not %s (%s)", name, expectedLine,
                      Quoted(word).c_str(), *k == 'f' ? "a finite number" : "an integer", what);
    }
  }
  std::string_view extra;
  if (WordReader::NextWord(&line, &extra)) {
    return MeshFail(error, "%s: line %d: more than %d numbers (%s)", name, expectedLine,
                    static_cast<int>(std::strlen(kinds)), what);
  }
  return 0;
}

}  // namespace

int ParseMeshInput(std::string_view text, const char* name, MeshInput* in, std::string* error) {
  WordReader reader(text);
  float f[3];
  int n[2];
  if (ReadHeaderLine(reader, name, 1, "mesh parameter", "f", f, n, error)) return 1;
  in->param = f[0];
  if (ReadHeaderLine(reader, name, 2, "viewing distance, theta, phi", "fff", f, n, error)) {
    return 1;
  }
  in->distance = f[0];
  in->theta = f[1];
  in->phi = f[2];
  if (ReadHeaderLine(reader, name, 3, "cell edges and angle", "fff", f, n, error)) return 1;
  in->edgeU = f[0];
  in->edgeV = f[1];
  in->angle = f[2];
  if (!(in->edgeU > 0) || !(in->edgeV > 0)) {
    return MeshFail(error, "%s: line 3: cell edges %g and %g must be positive", name, in->edgeU,
                    in->edgeV);
  }
  if (!(in->angle >= kMinCellAngle && in->angle <= kMaxCellAngle)) {
    return MeshFail(error, "%s: line 3: cell angle %g is outside %g..%g degrees", name, in->angle,
                    kMinCellAngle, kMaxCellAngle);
  }
  if (ReadHeaderLine(reader, name, 4, "client width and height", "dd", f, n, error)) return 1;
  in->width = n[0];
  in->height = n[1];
  if (in->width < 1 || in->width > kMaxClientSize || in->height < 1 ||
      in->height > kMaxClientSize) {
    return MeshFail(error, "%s: line 4: client size %d x %d is outside 1..%d pixels", name,
                    in->width, in->height, kMaxClientSize);
  }
  if (ReadHeaderLine(reader, name, 5, "density range", "ff", f, n, error)) return 1;
  in->minDensity = f[0];
  in->maxDensity = f[1];
  if (ReadHeaderLine(reader, name, 6, "grid cells", "dd", f, n, error)) return 1;
  in->nu = n[0];
  in->nv = n[1];
  if (in->nu < 1 || in->nu > kMaxMeshCells || in->nv < 1 || in->nv > kMaxMeshCells) {
    return MeshFail(error, "%s: line 6: grid of %d x %d cells is outside 1..%d", name, in->nu,
                    in->nv, kMaxMeshCells);
  }

  // The values: one a line as written, but any white space separates them.
  const size_t count = static_cast<size_t>(in->nu + 1) * static_cast<size_t>(in->nv + 1);
  in->values.assign(count, 0.0f);
  size_t k = 0;
  std::string_view line;
  while (reader.NextLine(&line)) {
    std::string_view word;
    while (WordReader::NextWord(&line, &word)) {
      if (k == count) {
        return MeshFail(error, "%s: line %d: more than the %zu values of a %d x %d grid", name,
                        reader.LineNo(), count, in->nu, in->nv);
      }
      if (!ToFloat(word, &in->values[k])) {
        return MeshFail(error, "%s: line %d: \"%s\" is not a finite number (value %zu)", name,
                        reader.LineNo(), Quoted(word).c_str(), k + 1);
      }
      ++k;
    }
  }
  if (k < count) {
    return MeshFail(error, "%s: ends after %zu of the %zu values of a %d x %d grid", name, k,
                    count, in->nu, in->nv);
  }
  return 0;
}

int ReadMeshInput(const char* path, MeshInput* in, std::string* error) {
  FILE* f = std::fopen(path, "rb");
  if (f == nullptr) return MeshFail(error, "%s: cannot open (%s)", path, std::strerror(errno));
  std::string text;
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    text.append(buffer, got);
    // The largest valid file is about 230 kB; a far larger one is not a meshinp.
    if (text.size() > (64u << 20)) {
      std::fclose(f);
      return MeshFail(error, "%s: larger than 64 MB", path);
    }
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return MeshFail(error, "%s: read error", path);
  return ParseMeshInput(text, path, in, error);
}

}  // namespace pyk
