// The state changes of the face, section, contour-density and height commands.
#pragma once

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

// The mesh rebuild of 3D Mesh mode; returns 0 on success (after its own
// message otherwise). A null calculator skips the rebuild.
using MeshCalculator = int (*)(ViewState&, Platform&);

// Each command changes the state, recomputes what depends on it (in 3D Mesh
// mode also the mesh, whose result becomes m_nStatus) and invalidates the
// view once. While no complete map is held, the face, section and height
// commands do nothing.
void OnFace(ViewState& s, Platform& platform, int plane, MeshCalculator mesh);
void OnFaceL(ViewState& s, Platform& platform, MeshCalculator mesh);
void OnFaceH(ViewState& s, Platform& platform, MeshCalculator mesh);
void OnFaceK(ViewState& s, Platform& platform, MeshCalculator mesh);
void OnSectionUp(ViewState& s, Platform& platform, MeshCalculator mesh);
void OnSectionDown(ViewState& s, Platform& platform, MeshCalculator mesh);
// Sets the section number to n, held within 0 .. m_nSectionCount as the
// section steps hold it, and recomputes like them.
void GoToSection(ViewState& s, Platform& platform, int n, MeshCalculator mesh);
void OnContourDensityDown(ViewState& s, Platform& platform);
void OnContourDensityUp(ViewState& s, Platform& platform);
void OnHeightDown(ViewState& s, Platform& platform, MeshCalculator mesh);
void OnHeightUp(ViewState& s, Platform& platform, MeshCalculator mesh);

// Update states: the face check marks and the contour-density enabling.
inline bool FaceChecked(const ViewState& s, int plane) { return s.m_nPlane == plane; }
inline bool ContourDensityEnabled(const ViewState& s) { return s.m_nViewMode != k3dMesh; }

}  // namespace pyk
