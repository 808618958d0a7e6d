// Face, section, contour-density and height commands.
#include "engine/section_commands.h"

#include "engine/engine_messages.h"
#include "map/map_messages.h"
#include "map/section.h"
#include "map/section_choice.h"
#include "state/message.h"
#include "views3d/mesh_exchange.h"

namespace pyk {

namespace {

// After a change of the section: the mesh in 3D Mesh mode, then one repaint.
void Finish(ViewState& s, Platform& platform, bool changed) {
  if (!changed) return;
  if (s.m_nViewMode == k3dMesh) s.m_nStatus = CalculateMesh(s, platform);
  platform.Invalidate();
}

}  // namespace

void OnFace(ViewState& s, Platform& platform, int plane) { Finish(s, platform, SelectFace(s, plane)); }
void OnFaceL(ViewState& s, Platform& platform) { OnFace(s, platform, kPlane00L); }
void OnFaceH(ViewState& s, Platform& platform) { OnFace(s, platform, kPlaneH00); }
void OnFaceK(ViewState& s, Platform& platform) { OnFace(s, platform, kPlane0K0); }

// Up holds at the count; Down holds only at 0, so that from above the count it goes to the section below.
void OnSectionUp(ViewState& s, Platform& platform) {
  const int n = s.m_nSection + 1;
  Finish(s, platform, SelectSection(s, n > s.m_nSectionCount ? s.m_nSectionCount : n));
}
void OnSectionDown(ViewState& s, Platform& platform) {
  const int n = s.m_nSection - 1;
  Finish(s, platform, SelectSection(s, n < 0 ? 0 : n));
}
void GoToSection(ViewState& s, Platform& platform, int n) {
  Finish(s, platform, SelectSection(s, n < 0 ? 0 : (n > s.m_nSectionCount ? s.m_nSectionCount : n)));
}

void OnGoToFraction(ViewState& s, Desktop& desktop, double fraction) {
  if (!s.m_bMapValid) return;
  GoToSection(s, desktop, SectionAt(s, fraction));
  const char axis = "xyz"[AxesOf(s.m_nPlane).normal];
  desktop.ShowStatus(FormatText(msg::kSectionGoneTo, s.m_nSection, axis, SectionFraction(s)).c_str());
}

void OnContourDensityDown(ViewState& s, Platform& platform) {
  if (s.m_nViewMode == k3dMesh) {
    platform.ShowMessage(msg::kModeNotAvailable);
    return;
  }
  s.m_fContourStep = static_cast<float>(s.m_fContourStep * 1.1);
  if (s.m_fContourStep > s.m_fMaxDensity) s.m_fContourStep = s.m_fMaxDensity;
  platform.Invalidate();
}

void OnContourDensityUp(ViewState& s, Platform& platform) {
  if (s.m_nViewMode == k3dMesh) {
    platform.ShowMessage(msg::kModeNotAvailable);
    return;
  }
  s.m_fContourStep = static_cast<float>(s.m_fContourStep * 0.9);
  s.m_nContourLevels += 1;
  platform.Invalidate();
}

void OnHeightDown(ViewState& s, Platform& platform) { Finish(s, platform, ScaleHeight(s, 0.9f)); }
void OnHeightUp(ViewState& s, Platform& platform) { Finish(s, platform, ScaleHeight(s, 1.1f)); }

}  // namespace pyk
