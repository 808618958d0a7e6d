// The density report: the current section written as a text list; the map statistics.
// Report lines in order: head, contour conditions, range, section, then one
// line per sample, v in the outer loop, both bounds included.
#include "map/report.h"

#include "map/map_messages.h"
#include "text/c_numbers.h"

namespace pyk {

void WriteDensityReport(const ViewState& s, FILE* out) {
  std::fputs(msg::kRepTitle, out);
  PrintC(out, msg::kRepPlane, double{s.m_afHkl[0]}, double{s.m_afHkl[1]}, double{s.m_afHkl[2]});
  if (s.m_bCommandLine == 1) {
    const char* type = nullptr;
    switch (s.m_nMapType) {
      case 0: type = msg::kRepTypeFc; break;
      case 1: type = msg::kRepTypeDiff; break;
      case 2: type = msg::kRepTypePatterson; break;
      default: break;
    }
    if (type != nullptr) std::fputs(type, out);
    PrintC(out, msg::kRepF000, double{s.m_fF000});
  } else {
    std::fputs(msg::kRepTypeUnknown, out);
    std::fputs(msg::kRepF000Unknown, out);
  }
  PrintC(out, msg::kRepFmin, double{s.m_fMinDensity});
  PrintC(out, msg::kRepFmax, double{s.m_fMaxDensity});
  PrintC(out, msg::kRepTotal, s.m_nSectionCount);
  PrintC(out, msg::kRepCurrent, s.m_nSection);
  PrintC(out, msg::kRepZLevel, static_cast<double>(s.m_nSection) / s.m_nSectionCount);
  PrintC(out, msg::kRepDz, double{s.m_fContourStep});
  std::fputs(msg::kRepListHead, out);
  std::fputs(msg::kRepColumns, out);
  for (int v = 0; v <= s.m_nGridV; ++v) {
    for (int u = 0; u <= s.m_nGridU; ++u) {
      PrintC(out, msg::kRepSample, u, v, double{s.m_afSection[u][v]});
    }
  }
}

void WriteStatisticsReport(const ViewState& s, FILE* out) {
  const MapStatistics& st = s.m_stats;
  PrintC(out, msg::kStatsLines, st.mean, st.sigma, st.min, st.max, static_cast<long long>(st.points));
}

int WriteDensityList(ViewState& s, Platform& platform) { return WriteListFile(s, platform, WriteDensityReport); }

int WriteListFile(ViewState& s, Platform& platform, const ReportWriter& write) {
  if (WriteReportFile(s.m_szListFile, s, platform, write) == 0) return 0;
  s.m_nStatus = kStatusNoMap;
  return 1;
}

int WriteReportFile(const char* path, const ViewState& s, Platform& platform, const ReportWriter& write) {
  FILE* out = path[0] != '\0' ? std::fopen(path, "w") : nullptr;
  if (out == nullptr) {
    platform.ShowMessage(msg::kOutputNotCreated);
    return 1;
  }
  write(s, out);
  // A report that could not be written whole (a full disk) counts as not created.
  const bool written = std::ferror(out) == 0;
  if (std::fclose(out) != 0 || !written) {
    platform.ShowMessage(msg::kOutputNotCreated);
    return 1;
  }
  return 0;
}

}  // namespace pyk
