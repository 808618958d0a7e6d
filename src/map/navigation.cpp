// Face, section and height-scale changes of the shown section.
#include "map/navigation.h"

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

bool ScaleHeight(ViewState& s, float factor) {
  s.m_fHeightScale *= factor;
  if (!s.m_bMapValid) return false;
  ComputeHeights(s);
  return true;
}

}  // namespace pyk
