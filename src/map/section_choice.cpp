// Face, section and height-scale changes of the shown section.
#include "map/section_choice.h"

#include <cmath>

#include "map/section.h"

namespace pyk {

bool SelectFace(ViewState& s, int plane) {
  if (!s.m_bMapValid || s.m_nPlane == plane) return false;
  s.m_nPlane = plane;
  // A number beyond the new face's count becomes the periodic equal drawn for
  // it, so that the panes, the report and the next step name that section.
  const int count = s.m_anGrid[plane];
  if (s.m_nSection > count) s.m_nSection %= count;
  s.m_anSectionIndex[plane] = s.m_nSection;
  ComputeSection(s);
  return true;
}

bool SelectSection(ViewState& s, int n) {
  if (!s.m_bMapValid) return false;
  s.m_nSection = n;
  s.m_anSectionIndex[s.m_nPlane] = s.m_nSection;
  ComputeSection(s);
  return true;
}

int SectionAt(const ViewState& s, double fraction) {
  const int count = s.m_nSectionCount;
  if (count <= 0 || !std::isfinite(fraction)) return 0;
  if (fraction < 0.0 || fraction > 1.0) fraction -= std::floor(fraction);
  // Non-negative here, so rounding half away from zero rounds half up; adding 0.5 would round up
  // some products just below a half step.
  return static_cast<int>(std::round(fraction * count));
}

double SectionFraction(const ViewState& s) {
  return s.m_nSectionCount > 0 ? static_cast<double>(s.m_nSection) / s.m_nSectionCount : 0.0;
}

bool ScaleHeight(ViewState& s, float factor) {
  s.m_fHeightScale *= factor;
  if (!s.m_bMapValid) return false;
  ComputeHeights(s);
  return true;
}

}  // namespace pyk
