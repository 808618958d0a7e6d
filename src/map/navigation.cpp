// Face, section, contour-density and height commands.
#include "map/navigation.h"

#include "map/map_messages.h"
#include "map/section.h"

namespace pyk {

namespace {

void Finish(ViewState& s, Platform& platform, MeshCalculator mesh) {
  if (s.m_nViewMode == k3dMesh && mesh != nullptr) s.m_nStatus = mesh(s, platform);
  platform.Invalidate();
}

// Sets the section number n; the caller holds it within its bounds.
void SetSection(ViewState& s, Platform& platform, MeshCalculator mesh, int n) {
  if (!s.m_bMapValid) return;
  s.m_nSection = n;
  s.m_anSectionIndex[s.m_nPlane] = s.m_nSection;
  ComputeSection(s);
  Finish(s, platform, mesh);
}

void ScaleHeight(ViewState& s, Platform& platform, MeshCalculator mesh, float factor) {
  s.m_fHeightScale *= factor;  // the factor also waits for a map loaded later
  if (!s.m_bMapValid) return;
  ComputeHeights(s);
  Finish(s, platform, mesh);
}

}  // namespace

void OnFace(ViewState& s, Platform& platform, int plane, MeshCalculator mesh) {
  if (!s.m_bMapValid || s.m_nPlane == plane) return;
  s.m_nPlane = plane;
  // A number beyond the new face's count becomes the periodic equal drawn for
  // it, so that the panes, the report and the next step name that section.
  const int count = s.m_anGrid[plane];
  if (s.m_nSection > count) s.m_nSection %= count;
  s.m_anSectionIndex[plane] = s.m_nSection;
  ComputeSection(s);
  Finish(s, platform, mesh);
}

void OnFaceL(ViewState& s, Platform& platform, MeshCalculator mesh) { OnFace(s, platform, kPlane00L, mesh); }
void OnFaceH(ViewState& s, Platform& platform, MeshCalculator mesh) { OnFace(s, platform, kPlaneH00, mesh); }
void OnFaceK(ViewState& s, Platform& platform, MeshCalculator mesh) { OnFace(s, platform, kPlane0K0, mesh); }

void OnSectionUp(ViewState& s, Platform& platform, MeshCalculator mesh) {
  const int n = s.m_nSection + 1;
  SetSection(s, platform, mesh, n > s.m_nSectionCount ? s.m_nSectionCount : n);
}
// Down holds only at 0: from above the count it goes to the section below.
void OnSectionDown(ViewState& s, Platform& platform, MeshCalculator mesh) {
  const int n = s.m_nSection - 1;
  SetSection(s, platform, mesh, n < 0 ? 0 : n);
}
void GoToSection(ViewState& s, Platform& platform, int n, MeshCalculator mesh) {
  SetSection(s, platform, mesh, n < 0 ? 0 : (n > s.m_nSectionCount ? s.m_nSectionCount : n));
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

void OnHeightDown(ViewState& s, Platform& platform, MeshCalculator mesh) { ScaleHeight(s, platform, mesh, 0.9f); }
void OnHeightUp(ViewState& s, Platform& platform, MeshCalculator mesh) { ScaleHeight(s, platform, mesh, 1.1f); }

}  // namespace pyk
