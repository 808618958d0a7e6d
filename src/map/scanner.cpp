// Line reading and the slow number conversions of the scanner with the C runtime's stream semantics.
// Fast paths for the common number forms; the rare forms (inf, nan, hex,
// out-of-range exponents) are handed to the C library itself so that they
// behave exactly as fscanf does.
#include "map/scanner.h"

#include <cstdio>
#include "text/c_numbers.h"

namespace pyk {

bool StreamScanner::ReadLine(std::string_view* piece) {
  if (p_ == end_) return false;
  const char* start = p_;
  const char* limit = end_ - p_ > 139 ? p_ + 139 : end_;
  while (p_ < limit) {
    if (*p_++ == '\n') break;
  }
  *piece = std::string_view(start, static_cast<size_t>(p_ - start));
  return true;
}

int StreamScanner::Line() const {
  int line = 1;
  for (const char* c = begin_; c < p_; ++c) line += *c == '\n';
  // A file ending in a line feed ends on the line that feed closes.
  if (p_ == end_ && p_ > begin_ && p_[-1] == '\n') --line;
  return line;
}

bool StreamScanner::ScanFloatSlow(float& v) {
  // The C library's own conversion over the rest of the buffer.
  FILE* f = fmemopen(const_cast<char*>(p_), static_cast<size_t>(end_ - p_), "r");
  if (f == nullptr) return false;
  float value;
  const int n = ScanFileC(f, "%f", &value);
  const long used = std::ftell(f);
  std::fclose(f);
  if (used > 0) p_ += used;
  if (n != 1) return false;
  v = value;
  return true;
}

}  // namespace pyk
