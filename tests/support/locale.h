// A comma-decimal locale for child processes: made with localedef from
// Debian's locales sources into a scratch folder that LOCPATH points to.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace pyk::test {

inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Makes kCommaLocale in folder; false when localedef fails.
inline bool MakeCommaLocale(const std::string& folder) {
  const std::string made = "localedef -i de_DE -f UTF-8 '" + folder + "/" + kCommaLocale + "' >/dev/null 2>&1";
  return std::system(made.c_str()) == 0;
}

// What the C runtime's printf("%.1f", 0.5) gives in a child with LOCPATH and
// LC_ALL set so: "0,5" proves that a comma-decimal locale took effect.
inline std::string HalfUnder(const std::string& locpath, const std::string& locale) {
  const std::string cmd = "env LOCPATH='" + locpath + "' LC_ALL=" + locale + " /usr/bin/printf %.1f 0.5 2>/dev/null";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (p == nullptr) return "";
  char text[32] = {};
  const size_t n = std::fread(text, 1, sizeof text - 1, p);
  ::pclose(p);
  return std::string(text, n);
}

}  // namespace pyk::test
