// A byte buffer read with the C runtime's stream semantics: fgets pieces of at
// most 139 characters and fscanf-style "%d" and "%f" conversions.
#pragma once

#include <cstdint>
#include <string_view>

namespace pyk {

class StreamScanner {
 public:
  StreamScanner(const char* begin, const char* end) : begin_(begin), end_(end), p_(begin) {}

  // As fgets with a 140-byte buffer: the next piece of at most 139 characters,
  // up to and including a line feed. False at the end (piece left as it was).
  bool ReadLine(std::string_view* piece);
  // As fscanf "%d": on a matching failure or at the end returns false and
  // leaves v unchanged; the characters fscanf would consume are consumed.
  bool ScanInt(int32_t& v);
  // As fscanf "%f" (glibc): the same contract as ScanInt.
  bool ScanFloat(float& v);
  void Rewind() { p_ = begin_; }
  bool AtEnd() const { return p_ == end_; }

 private:
  void SkipSpace();
  bool ScanFloatSlow(float& v);

  const char* begin_;
  const char* end_;
  const char* p_;
};

// White space as the C locale's isspace.
inline bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace pyk
