// Every conversion between numbers and text in the program and its tools:
// the printf and scanf forms in the C locale, whatever locale the process is
// in (Qt sets the user's), and the locale-free from_chars forms.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>

namespace pyk {

// White space and digits as the C locale's isspace and isdigit.
inline bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// fprintf to out.
int PrintC(std::FILE* out, const char* format, ...) __attribute__((format(printf, 2, 3)));
// snprintf into text[size].
int FormatC(char* text, std::size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
// vsnprintf into a string of the whole length.
std::string FormatCV(const char* format, va_list args);

// sscanf of text; fscanf of in.
int ScanC(const char* text, const char* format, ...) __attribute__((format(scanf, 2, 3)));
int ScanFileC(std::FILE* in, const char* format, ...) __attribute__((format(scanf, 2, 3)));

// strtol and strtof of text; *end (when end is given) as they set it.
long ParseLongC(const char* text, char** end);
float ParseFloatC(const char* text, char** end);

// std::from_chars: the C form, never a locale's.
template <class T>
std::from_chars_result ParseC(const char* first, const char* last, T& value) {
  return std::from_chars(first, last, value);
}
inline std::from_chars_result ParseC(const char* first, const char* last, float& value) {
  return std::from_chars(first, last, value, std::chars_format::general);
}
inline std::from_chars_result ParseC(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value, std::chars_format::general);
}

// Appends printf's "%W.Pf" of v (W = width, filled with spaces on the left)
// without printf: to_chars rounds the exact binary value to nearest with ties
// to even, as glibc's printf does, and writes nan and inf as it does. For the
// long columns of numbers that the mesh exchange writes.
void AppendFixedC(std::string* text, double v, int precision, int width = 0);
// Appends printf's "%d" of v.
void AppendIntC(std::string* text, int v);

// True with *value set when the whole text is one finite number in the C
// form (a leading '+' allowed); otherwise *value is left alone.
inline bool ParseFiniteC(std::string_view text, double* value) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  double v = 0.0;
  const auto [end, ec] = ParseC(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

}  // namespace pyk
