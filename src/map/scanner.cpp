// Fast paths for the common number forms; the rare forms (inf, nan, hex,
// out-of-range exponents) are handed to the C library itself so that they
// behave exactly as fscanf does.
#include "map/scanner.h"

#include <charconv>
#include <climits>
#include <cstdio>

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

void StreamScanner::SkipSpace() {
  while (p_ < end_ && IsCSpace(*p_)) ++p_;
}

bool StreamScanner::ScanInt(int32_t& v) {
  SkipSpace();
  if (p_ == end_) return false;
  bool neg = false;
  if (*p_ == '+' || *p_ == '-') {
    neg = *p_ == '-';
    ++p_;  // the sign is consumed even when no digit follows
  }
  if (p_ == end_ || !IsDigit(*p_)) return false;
  // strtol semantics: saturate at the range of long, then narrow to int.
  const uint64_t limit = neg ? static_cast<uint64_t>(LONG_MAX) + 1 : LONG_MAX;
  uint64_t acc = 0;
  bool overflow = false;
  while (p_ < end_ && IsDigit(*p_)) {
    const unsigned d = static_cast<unsigned>(*p_++ - '0');
    if (!overflow && acc > (limit - d) / 10) overflow = true;
    if (!overflow) acc = acc * 10 + d;
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

bool StreamScanner::ScanFloat(float& v) {
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
  const char* m = s;
  while (s < end_ && IsDigit(*s)) ++s;
  bool digits = s != m;
  if (s < end_ && *s == '.') {
    ++s;
    const char* f = s;
    while (s < end_ && IsDigit(*s)) ++s;
    digits = digits || s != f;
  }
  if (!digits) {  // a lone point: consumed, no number
    p_ = s;
    return false;
  }
  const char* numberEnd = s;
  if (s < end_ && (*s == 'e' || *s == 'E')) {
    // glibc consumes "e" and a sign even when no exponent digit follows.
    ++s;
    if (s < end_ && (*s == '+' || *s == '-')) ++s;
    const char* e = s;
    while (s < end_ && IsDigit(*s)) ++s;
    if (s != e) numberEnd = s;
  }
  // from_chars takes no leading '+'.
  const char* first = *start == '+' ? start + 1 : start;
  float value;
  const auto r = std::from_chars(first, numberEnd, value, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != numberEnd) return ScanFloatSlow(v);
  v = value;
  p_ = s;
  return true;
}

bool StreamScanner::ScanFloatSlow(float& v) {
  // The C library's own conversion over the rest of the buffer.
  FILE* f = fmemopen(const_cast<char*>(p_), static_cast<size_t>(end_ - p_), "r");
  if (f == nullptr) return false;
  float value;
  const int n = std::fscanf(f, "%f", &value);
  const long used = std::ftell(f);
  std::fclose(f);
  if (used > 0) p_ += used;
  if (n != 1) return false;
  v = value;
  return true;
}

}  // namespace pyk
