// The C runtime's conversions run under the C locale for the calling thread,
// switched in and out around each call (a thread-local pointer swap).
#include "text/c_numbers.h"

#include <locale.h>

#include <cstdlib>

namespace pyk {
namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return c;
}

class CLocaleScope {
 public:
  CLocaleScope() : old_(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(old_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t old_;
};

}  // namespace

int PrintC(std::FILE* out, const char* format, ...) {
  CLocaleScope c;
  va_list args;
  va_start(args, format);
  const int n = std::vfprintf(out, format, args);
  va_end(args);
  return n;
}

int FormatC(char* text, std::size_t size, const char* format, ...) {
  CLocaleScope c;
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(text, size, format, args);
  va_end(args);
  return n;
}

std::string FormatCV(const char* format, va_list args) {
  CLocaleScope c;
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n <= 0) return {};
  std::string text(static_cast<std::size_t>(n), '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, args);
  return text;
}

int ScanC(const char* text, const char* format, ...) {
  CLocaleScope c;
  va_list args;
  va_start(args, format);
  const int n = std::vsscanf(text, format, args);
  va_end(args);
  return n;
}

int ScanFileC(std::FILE* in, const char* format, ...) {
  CLocaleScope c;
  va_list args;
  va_start(args, format);
  const int n = std::vfscanf(in, format, args);
  va_end(args);
  return n;
}

long ParseLongC(const char* text, char** end) { return strtol_l(text, end, 10, CLocale()); }

float ParseFloatC(const char* text, char** end) { return strtof_l(text, end, CLocale()); }

void AppendFixedC(std::string* text, double v, int precision, int width) {
  char digits[400];  // the longest fixed form of a double with a short precision
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, v, std::chars_format::fixed, precision);
  if (ec != std::errc()) {  // a precision too long for the buffer: printf's own way
    CLocaleScope c;
    char* line = nullptr;
    const int n = asprintf(&line, "%*.*f", width, precision, v);
    if (n > 0) text->append(line, static_cast<std::size_t>(n));
    std::free(line);
    return;
  }
  const auto n = static_cast<int>(end - digits);
  if (n < width) text->append(static_cast<std::size_t>(width - n), ' ');
  text->append(digits, static_cast<std::size_t>(n));
}

void AppendIntC(std::string* text, int v) {
  char digits[16];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, v);
  text->append(digits, static_cast<std::size_t>(end - digits));
}

}  // namespace pyk
