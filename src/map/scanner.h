// A byte buffer read with the C runtime's stream semantics: fgets pieces of at
// most 139 characters and fscanf-style "%d" and "%f" conversions.
#pragma once

#include <charconv>
#include <climits>
#include <cstdint>
#include <string_view>
#include "text/c_numbers.h"

namespace pyk {

class StreamScanner {
 public:
  StreamScanner(const char* begin, const char* end) : begin_(begin), end_(end), p_(begin) {}
  // A scanner of [begin, end) that starts reading at at.
  StreamScanner(const char* begin, const char* at, const char* end) : begin_(begin), end_(end), p_(at) {}

  // As fgets with a 140-byte buffer: the next piece of at most 139 characters,
  // up to and including a line feed. False at the end (piece left as it was).
  bool ReadLine(std::string_view* piece);
  // As fscanf "%d": on a matching failure or at the end returns false and
  // leaves v unchanged; the characters fscanf would consume are consumed.
  bool ScanInt(int32_t& v);
  // As fscanf "%f" (glibc): the same contract as ScanInt.
  bool ScanFloat(float& v);
  void Rewind() { p_ = begin_; }
  // The 1-based line the read position is on; at the end, the last line.
  int Line() const;
  bool AtEnd() const { return p_ == end_; }
  const char* Position() const { return p_; }
  const char* Begin() const { return begin_; }
  const char* End() const { return end_; }
  // Where the next number would start: the read position past white space.
  const char* NextToken() const {
    const char* p = p_;
    while (p < end_ && IsCSpace(*p)) ++p;
    return p;
  }

 private:
  void SkipSpace();
  bool ScanFloatSlow(float& v);

  const char* begin_;
  const char* end_;
  const char* p_;
};


// The conversions are inline: the map reader calls them millions of times.

inline void StreamScanner::SkipSpace() {
  while (p_ < end_ && IsCSpace(*p_)) ++p_;
}

inline bool StreamScanner::ScanInt(int32_t& v) {
  SkipSpace();
  if (p_ == end_) return false;
  bool neg = false;
  if (*p_ == '+' || *p_ == '-') {
    neg = *p_ == '-';
    ++p_;  // the sign is consumed even when no digit follows
  }
  if (p_ == end_ || !IsDigit(*p_)) return false;
  // strtol semantics: saturate at the range of long, then narrow to int.
  // Up to 18 digits cannot overflow; longer numbers are checked digit by digit.
  const char* digits = p_;
  uint64_t acc = 0;
  while (p_ < end_ && IsDigit(*p_) && p_ - digits < 18) acc = acc * 10 + static_cast<unsigned>(*p_++ - '0');
  bool overflow = false;
  if (p_ < end_ && IsDigit(*p_)) {
    const uint64_t limit = neg ? static_cast<uint64_t>(LONG_MAX) + 1 : LONG_MAX;
    while (p_ < end_ && IsDigit(*p_)) {
      const unsigned d = static_cast<unsigned>(*p_++ - '0');
      if (!overflow && acc > (limit - d) / 10) overflow = true;
      if (!overflow) acc = acc * 10 + d;
    }
  }
  int64_t value;
  if (overflow) {
    value = neg ? LONG_MIN : LONG_MAX;
  } else {
    value = neg ? static_cast<int64_t>(0 - acc) : static_cast<int64_t>(acc);
  }
  v = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
  return true;
}

inline bool StreamScanner::ScanFloat(float& v) {
  SkipSpace();
  if (p_ == end_) return false;
  const char* start = p_;
  const char* s = p_;
  if (*s == '+' || *s == '-') ++s;
  if (s == end_) {
    p_ = s;
    return false;
  }
  const char c = *s;
  if (!IsDigit(c) && c != '.') {
    if (c == 'i' || c == 'I' || c == 'n' || c == 'N') return ScanFloatSlow(v);
    p_ = s;  // a sign alone is consumed; anything else starts no number
    return false;
  }
  if (c == '0' && s + 1 < end_ && (s[1] == 'x' || s[1] == 'X')) return ScanFloatSlow(v);
  // Mantissa: the integer and fraction digit runs, then their value in w
  // when they fit.
  const char* intDigits = s;
  while (s < end_ && IsDigit(*s)) ++s;
  const char* intEnd = s;
  const char* fracDigits = s;
  if (s < end_ && *s == '.') {
    fracDigits = ++s;
    while (s < end_ && IsDigit(*s)) ++s;
  }
  const int fraction = static_cast<int>(s - fracDigits);
  const int count = static_cast<int>(intEnd - intDigits) + fraction;
  if (count == 0) {  // a lone point: consumed, no number
    p_ = s;
    return false;
  }
  uint64_t w = 0;
  if (count <= 19) {
    for (const char* d = intDigits; d < intEnd; ++d) w = w * 10 + static_cast<unsigned>(*d - '0');
    for (const char* d = fracDigits; d < s; ++d) w = w * 10 + static_cast<unsigned>(*d - '0');
  }
  const char* numberEnd = s;
  int exponent = 0;
  if (s < end_ && (*s == 'e' || *s == 'E')) {
    // glibc consumes "e" and a sign even when no exponent digit follows.
    ++s;
    bool negExp = false;
    if (s < end_ && (*s == '+' || *s == '-')) negExp = *s++ == '-';
    const char* e = s;
    while (s < end_ && IsDigit(*s)) {
      if (exponent < 100000) exponent = exponent * 10 + (*s - '0');
      ++s;
    }
    if (s != e) numberEnd = s;
    if (negExp) exponent = -exponent;
  }
  const bool negative = *start == '-';
  const int e10 = exponent - fraction;
  if (count <= 19 && w <= (1u << 24) && e10 >= -10 && e10 <= 10) {
    // w and the power of ten are exact floats, so one IEEE operation rounds correctly.
    static constexpr float kPow10[11] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const float m = static_cast<float>(w);
    const float value = e10 >= 0 ? m * kPow10[e10] : m / kPow10[-e10];
    v = negative ? -value : value;
    p_ = s;
    return true;
  }
  // from_chars takes no leading '+'.
  const char* first = *start == '+' ? start + 1 : start;
  float value;
  const auto r = ParseC(first, numberEnd, value);
  if (r.ec != std::errc() || r.ptr != numberEnd) return ScanFloatSlow(v);
  v = value;
  p_ = s;
  return true;
}

}  // namespace pyk
