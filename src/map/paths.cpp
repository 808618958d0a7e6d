// Path copies and the names derived from a map path.
#include "map/paths.h"

#include <cstring>

#include "map/map_messages.h"
#include "state/message.h"

namespace pyk {

namespace {

// Where the file name's extension starts (its "."), or npos.
size_t ExtensionDot(std::string_view path) {
  const size_t slash = path.rfind('/');
  const size_t name = slash == std::string_view::npos ? 0 : slash + 1;
  const size_t dot = path.rfind('.');
  // A dot in a folder, or the leading dot of a hidden file's name, starts no extension.
  if (dot == std::string_view::npos || dot <= name) return std::string_view::npos;
  return dot;
}

// A CCP4/MRC map's path without a final ".gz" and its extension.
std::string Ccp4Stem(std::string_view path) {
  const size_t dot = ExtensionDot(path);
  std::string_view ext = dot == std::string_view::npos ? "" : path.substr(dot);
  if (ext.size() == 3 && (ext[1] | 0x20) == 'g' && (ext[2] | 0x20) == 'z') path = path.substr(0, dot);
  return WithoutExtension(path);
}

}  // namespace

bool CopyPath(char (&dst)[kPathSize], std::string_view src, Platform& platform) {
  if (src.size() > static_cast<size_t>(kMaxPath)) {
    Refuse(platform, msg::kPathTooLong, kMaxPath, std::string(src).c_str());
    return false;
  }
  std::memcpy(dst, src.data(), src.size());
  dst[src.size()] = '\0';
  return true;
}

std::string WithoutExtension(std::string_view path) { return std::string(path.substr(0, ExtensionDot(path))); }

std::string ReportPathFor(std::string_view mapPath, bool ccp4) {
  if (ccp4) return Ccp4Stem(mapPath) + ".fmap";
  std::string ext;
  const size_t dot = ExtensionDot(mapPath);
  if (dot != std::string_view::npos) {
    for (char c : mapPath.substr(dot + 1)) ext += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  std::string report = WithoutExtension(mapPath);
  if (ext == "fou" || report == mapPath) {
    report += ".fmap";
  } else if (ext == "den") {
    report += ".dmap";
  }
  return report;
}

std::string ConPathFor(std::string_view mapPath, bool ccp4) {
  if (ccp4) return Ccp4Stem(mapPath) + ".con";
  const size_t keep = mapPath.size() > 4 ? mapPath.size() - 4 : 0;
  std::string con(mapPath.substr(0, keep));
  con += ".con";
  return con;
}

std::string PeaksPathFor(std::string_view reportPath, std::string_view mapPath) {
  const std::string stem = WithoutExtension(mapPath).substr(mapPath.rfind('/') + 1);
  const std::string_view beside = reportPath.empty() ? mapPath : reportPath;
  const size_t slash = beside.rfind('/');
  const std::string folder = slash == std::string_view::npos ? "" : std::string(beside.substr(0, slash + 1));
  return folder + stem + ".peaks";
}

std::string DefaultBitmapName(std::string_view mapPath) { return WithoutExtension(mapPath) + ".bmp"; }

}  // namespace pyk
