// Allocation and the viewing-state reset of the view's record.
#include "state/view_state.h"

#include <cstdlib>
#include <utility>

namespace pyk {

void UseMapArrays(MapRecord& m, MapArrays& block) {
  m.m_anPoint = block.point;
  m.m_afDensity = block.density;
  m.m_afDensityA = block.densityA;
  m.m_afDensityB = block.densityB;
}

std::unique_ptr<ViewState> MakeViewState() {
  // Value-initialisation zero-fills every field, as the view's record starts;
  // the large blocks start as zero pages that only their first writes touch.
  auto s = std::make_unique<ViewState>();
  s->m_pShownArrays = AllocateZeroed<MapArrays>();
  s->m_pSpareArrays = AllocateZeroed<MapArrays>();
  s->m_pSectionLists = AllocateZeroed<SectionLists>(false);  // a section fills only their start
  // 64 MB the program cannot run without.
  if (!s->m_pShownArrays || !s->m_pSpareArrays || !s->m_pSectionLists) std::abort();
  UseMapArrays(*s, *s->m_pShownArrays);
  SectionLists& lists = *s->m_pSectionLists;
  s->m_anSecX = lists.x;
  s->m_anSecY = lists.y;
  s->m_anSecZ = lists.z;
  s->m_afSecDensity = lists.density;
  return s;
}

MapRecord StageMapRecord(ViewState& s) {
  MapRecord staged = s;
  UseMapArrays(staged, *s.m_pSpareArrays);
  return staged;
}

void CommitMapRecord(ViewState& s, const MapRecord& staged) {
  static_cast<MapRecord&>(s) = staged;
  std::swap(s.m_pShownArrays, s.m_pSpareArrays);
}

void ResetViewState(ViewState& s) {
  s.m_nMouseButton = 0;
  s.m_fEpsilon = 1e-7f;
  s.m_nSection = 0;
  s.m_nGridU = 0;
  s.m_nGridV = 0;
  s.m_afHkl[0] = 0.0f;
  s.m_afHkl[1] = 0.0f;
  s.m_afHkl[2] = 1.0f;
  s.m_fF000 = 230.0f;
  s.m_nContourLevels = 32;
  s.m_fTransX = s.m_fTransY = s.m_fTransZ = 0.0f;
  s.m_fRotX = s.m_fRotY = 0.0f;
  s.m_nMouseX = 0;
  s.m_nMapType = 0;
  s.m_fViewRotX = -60.0f;
  s.m_fViewRotZ = 30.0f;
  s.m_fLineWidth = 1.0f;
  s.m_fHeightScale = 1.0f;
  s.m_afHighlight[0] = 1.0f;
  s.m_afHighlight[1] = 1.0f;
  s.m_afHighlight[2] = 0.5f;
  s.m_bRightButton = 0;
  s.m_bCommandLine = 0;
  s.m_bGradient = 0;
}

}  // namespace pyk
