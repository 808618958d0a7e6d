// Path copies and the names derived from a map path.
#include "map/paths.h"

#include <cstring>

#include "map/messages.h"

namespace pyk {

bool CopyPath(char (&dst)[kPathSize], std::string_view src, Platform& platform) {
  if (src.size() > static_cast<size_t>(kMaxPath)) {
    std::string text = msg::kPathTooLong;
    text += src;
    platform.ShowMessage(text.c_str());
    return false;
  }
  std::memcpy(dst, src.data(), src.size());
  dst[src.size()] = '\0';
  return true;
}

std::string ReportPathFor(std::string_view mapPath) {
  std::string ext;
  const size_t lastDot = mapPath.rfind('.');
  if (lastDot != std::string_view::npos) {
    for (char c : mapPath.substr(lastDot + 1)) {
      ext += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
  std::string report(mapPath.substr(0, mapPath.find('.')));
  if (ext == "fou") {
    report += ".fmap";
  } else if (ext == "den") {
    report += ".dmap";
  }
  return report;
}

std::string ConPathFor(std::string_view mapPath) {
  const size_t keep = mapPath.size() > 4 ? mapPath.size() - 4 : 0;
  std::string con(mapPath.substr(0, keep));
  con += ".con";
  return con;
}

}  // namespace pyk
