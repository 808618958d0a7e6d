// The six status-pane texts of the current section.
// Pane formats: "%6.2f" range, "%2d" counts, "%4.3f" position, "%6.3f" step.
#include "render/panes.h"

#include <cstdio>
#include "text/c_numbers.h"

namespace pyk {

namespace {

template <typename T>
std::string Pane(const char* prefix, const char* format, T value) {
  char number[64];
  FormatC(number, sizeof number, format, value);
  const char* p = number;
  while (*p == ' ') ++p;
  return std::string(prefix) + p;
}

}  // namespace

PaneTexts FormatPaneTexts(const ViewState& s) {
  static const char* const kPos[3] = {"x:", "y:", "z:"};
  static const char* const kStep[3] = {"dx:", "dy:", "dz:"};
  const int p = s.m_nPlane >= 0 && s.m_nPlane <= 2 ? s.m_nPlane : 2;
  // The section count is at least 1 for a loaded map; 0 would only come from an empty state.
  const double pos = s.m_nSectionCount != 0 ? static_cast<double>(s.m_nSection) / s.m_nSectionCount : 0.0;
  PaneTexts t;
  t.min = Pane("Min:", "%6.2f", double{s.m_fMinDensity});
  t.max = Pane("Max:", "%6.2f", double{s.m_fMaxDensity});
  t.sect = Pane("Sect:", "%2d", s.m_nSectionCount);
  t.no = Pane("No:", "%2d", s.m_nSection);
  t.pos = Pane(kPos[p], "%4.3f", pos);
  t.step = Pane(kStep[p], "%6.3f", double{s.m_fContourStep});
  return t;
}

}  // namespace pyk
