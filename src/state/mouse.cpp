// Drag arithmetic: 0.36 degree, 0.01 unit or 0.1 zoom unit per pixel.
#include "state/mouse.h"

namespace pyk {

namespace {

// One wrap per step keeps ordinary angles within -360 .. 360.
float WrapAngle(float a) {
  if (a > 360.0f) return static_cast<float>(a - 360.0);
  if (a < -360.0f) return static_cast<float>(a + 360.0);
  return a;
}

}  // namespace

void ApplyMouseDrag(ViewState& s, int mode, int x0, int x1, int y0, int y1) {
  const double dx = static_cast<double>(x1) - x0;
  const double dy = static_cast<double>(y1) - y0;
  switch (mode) {
    case kRotation:
      s.m_fRotX = WrapAngle(static_cast<float>(s.m_fRotX + dy * 180.0 / 500.0));
      s.m_fRotY = WrapAngle(static_cast<float>(s.m_fRotY + dx * 180.0 / 500.0));
      break;
    case kTranslation:
      s.m_fTransX = static_cast<float>(s.m_fTransX + dx / 100.0);
      s.m_fTransY = static_cast<float>(s.m_fTransY - dy / 100.0);
      break;
    case kZoom: s.m_fTransZ = static_cast<float>(s.m_fTransZ + (dx - dy) / 10.0); break;
    default: break;
  }
}

}  // namespace pyk
