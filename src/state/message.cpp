// Message formatting for every reader, the engine and the shell.
#include "state/message.h"

#include "text/c_numbers.h"

namespace pyk {

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatCV(format, args);
  va_end(args);
  return text;
}

int Refuse(Platform& platform, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = FormatCV(format, args);
  va_end(args);
  platform.ShowMessage(text.c_str());
  return -1;
}

std::string Grouped(long long n) {
  const std::string digits = FormatText("%lld", n < 0 ? -n : n);
  std::string out = n < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
    out.push_back(digits[i]);
  }
  return out;
}

}  // namespace pyk
