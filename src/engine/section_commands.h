// The face, section, contour-density and height commands.
#pragma once

#include "engine/desktop.h"
#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// Each command changes the state, recomputes what depends on it (in 3D Mesh
// mode also the mesh, whose result becomes m_nStatus) and invalidates the
// view once. While no complete map is held, the face, section and height
// commands do nothing.
void OnFace(ViewState& s, Platform& platform, int plane);
void OnFaceL(ViewState& s, Platform& platform);
void OnFaceH(ViewState& s, Platform& platform);
void OnFaceK(ViewState& s, Platform& platform);
void OnSectionUp(ViewState& s, Platform& platform);
void OnSectionDown(ViewState& s, Platform& platform);
// Section n, held within 0 .. m_nSectionCount as the section steps hold it.
void GoToSection(ViewState& s, Platform& platform, int n);
// Go to Section: the section nearest the fractional coordinate along the
// face's normal, and the status bar naming that section's own coordinate.
void OnGoToFraction(ViewState& s, Desktop& desktop, double fraction);
void OnContourDensityDown(ViewState& s, Platform& platform);
void OnContourDensityUp(ViewState& s, Platform& platform);
void OnHeightDown(ViewState& s, Platform& platform);
void OnHeightUp(ViewState& s, Platform& platform);

// Update states: the face check marks and the contour-density enabling.
inline bool FaceChecked(const ViewState& s, int plane) { return s.m_nPlane == plane; }
inline bool ContourDensityEnabled(const ViewState& s) { return s.m_nViewMode != k3dMesh; }

}  // namespace pyk
