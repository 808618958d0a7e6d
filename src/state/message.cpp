// Message formatting for every reader, the engine and the shell.
#include "state/message.h"

#include <cstdio>

namespace pyk {

std::string FormatTextV(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, args);
  return text;
}

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatTextV(format, args);
  va_end(args);
  return text;
}

int Refuse(Platform& platform, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = FormatTextV(format, args);
  va_end(args);
  platform.ShowMessage(text.c_str());
  return -1;
}

std::string Grouped(long long n) {
  const std::string digits = std::to_string(n < 0 ? -n : n);
  std::string out = n < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
    out.push_back(digits[i]);
  }
  return out;
}

}  // namespace pyk
