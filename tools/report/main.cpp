// pyknoscope-report: writes the density report of a map's section.
// The report is written as the viewer's "Show Density List" writes it, without opening an editor.
#include <cstdio>
#include <string_view>

#include "map/map_messages.h"
#include "map/peaks.h"
#include "map/reader.h"
#include "map/report.h"
#include "settings/startup.h"
#include "text/c_numbers.h"
#include "tools/console/console.h"
#include "tools/console/section_options.h"

namespace {

constexpr const char* kUsage =
    "Usage: pyknoscope-report [--face l|h|k] [--section N | --at FRACTION] [--stats]\n"
    "                         [--peaks [--whole-map] [--threshold SIGMAS]] MAP REPORT CON\n"
    "\n"
    "Loads MAP with its contour conditions CON as the viewer does when started\n"
    "with these file arguments (Pyknoscope.ini is read from the current folder),\n"
    "optionally changes the face to (0 0 l), (h 0 0) or (0 k 0) and the section\n"
    "number to N (held within 0 .. the section count) or to the section nearest\n"
    "FRACTION along the face's normal (taken periodically into 0 .. 1, as\n"
    "Go to Section does; not together with --section), and writes the section's\n"
    "density report to REPORT. With --stats, REPORT gets the map's statistics\n"
    "over the whole cell instead, one \"name value\" a line: mean, sigma (the rms\n"
    "deviation from the mean), min, max and points (the grid points counted).\n"
    "With --peaks, REPORT gets the peak list of the section (of the whole cell\n"
    "with --whole-map): the maxima at or above SIGMAS (3 unless given) times\n"
    "sigma above the mean, and for a difference map the minima as far below,\n"
    "one line a peak: N x y z height height/sigma; comment lines start with #.\n"
    "\n"
    "Exit status 0 on success; 1 after the messages on standard error.\n";

struct Options {
  pyk::SectionOptions view;
  bool stats = false;
  bool peaks = false;
  pyk::PeakSearch search;
  std::string_view files[3];
  int fileCount = 0;
};

int Usage(const char* problem) {
  std::fprintf(stderr, "pyknoscope-report: %s\n\n%s", problem, kUsage);
  return 1;
}

// Returns -1 to go on, otherwise the exit status.
int ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    const char* problem = nullptr;
    const int taken = pyk::ParseSectionOption(argc, argv, &i, &o.view, &problem);
    if (taken < 0) return Usage(problem);
    if (taken > 0) continue;
    if (a == "--stats" || a == "--peaks" || a == "--whole-map") {
      (a == "--stats" ? o.stats : a == "--peaks" ? o.peaks : o.search.wholeMap) = true;
      continue;
    }
    if (a == "--threshold") {
      char* end = nullptr;
      const char* text = i + 1 < argc ? argv[++i] : "";
      o.search.threshold = pyk::ParseFloatC(text, &end);
      if (end == text || *end != '\0' || !(o.search.threshold >= 0.0))
        return Usage("--threshold needs a number of sigmas, 0 or more");
      continue;
    }
    if (a.size() > 1 && a[0] == '-' && a != "-") return Usage("unknown option");
    if (o.fileCount == 3) return Usage("too many file arguments");
    o.files[o.fileCount++] = a;
  }
  if (o.fileCount != 3) return Usage("MAP, REPORT and CON are needed");
  if (o.stats && o.peaks) return Usage("--stats and --peaks cannot both be given");
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  const int parsed = ParseOptions(argc, argv, o);
  if (parsed >= 0) return parsed;

  pyk::ConsolePlatform platform;
  auto state = pyk::MakeViewState();
  pyk::ViewState& s = *state;
  pyk::ConstructView(s, platform);
  pyk::PrepareViewWindow(s);
  if (pyk::LoadFromArguments(s, platform, o.files, 3) != 0) return 1;

  pyk::ApplySectionOptions(s, o.view);
  pyk::ReportWriter write = pyk::WriteDensityReport;
  if (o.stats) write = pyk::WriteStatisticsReport;
  if (o.peaks) {
    write = [&o](const pyk::ViewState& v, FILE* out) {
      pyk::WritePeakList(v, o.search, pyk::FindPeaks(v, o.search), out);
    };
  }
  if (pyk::WriteListFile(s, platform, write) != 0) {
    platform.ShowMessage(pyk::msg::kOutputCannotPrepare);
    return 1;
  }
  return 0;
}
