// Allocation and the viewing-state reset of the view's record.
#include "view/state.h"

namespace pyk {

std::unique_ptr<ViewState> MakeViewState() {
  // Value-initialisation zero-fills every field, as the view's record starts.
  return std::make_unique<ViewState>();
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
