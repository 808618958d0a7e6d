// The commands that load maps, change the display mode, the mesh viewpoint
// and the contour type, open the report and the help, and follow the mouse:
// all over the view state and the desktop, so that they run without Qt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/desktop.h"
#include "state/view_state.h"

namespace pyk {

// The window's creation: the start-up state, the colour table, and the map
// named by the program's arguments (up to three words: map, report, contour
// file). With no words nothing is loaded; blank words leave the status at 1.
void OnCreate(ViewState& s, Desktop& desktop, const std::vector<std::string>& words);
// A load's result, after the mesh a map just loaded in 3D Mesh mode needs.
int FinishLoad(ViewState& s, Platform& platform, int loaded);
// File Open: asks for a map and loads it with the report named after it.
void OnFileOpen(ViewState& s, Desktop& desktop);
// A dropped map: loaded with its own contour conditions; invalidates on success.
// A dropped coordinate file (by its suffix) is read as the model instead.
int OnDropFiles(ViewState& s, Desktop& desktop, const char* path);
// Default View, then the mesh in 3D Mesh mode.
void OnViewDefault(ViewState& s, Desktop& desktop);

void OnContour(ViewState& s, Platform& platform);
void On3dContour(ViewState& s, Platform& platform);
// In 3D Mesh mode already, reruns a mesh calculation that failed; before any
// map only chooses the mode, and the first load computes the mesh.
void OnMesh(ViewState& s, Platform& platform);
void OnContourType(ViewState& s, Platform& platform);
// The viewpoint steps of 3D Mesh mode, 2 degrees each; elsewhere nothing.
void OnMeshThetaRight(ViewState& s, Platform& platform);
void OnMeshThetaLeft(ViewState& s, Platform& platform);
void OnMeshPhiUp(ViewState& s, Platform& platform);
void OnMeshPhiDown(ViewState& s, Platform& platform);

// Writes the density list and opens it in the text viewer.
void OnShowDensityList(ViewState& s, Desktop& desktop);
// Density Column: shows the given column (0 or 1) of a two-column map, read
// again from its files with its conditions, on the same face and section.
void OnDensityColumn(ViewState& s, Desktop& desktop, int column);

// Peak List: searches the peaks, keeps them for the marks on the map, writes
// the list beside the report (the map's name with ".peaks") and opens it in
// the text viewer as Show Density List does.
void OnPeakList(ViewState& s, Desktop& desktop, const PeakSearch& search);
// Model Atoms: reads the coordinate file the user chooses and marks its atoms
// on the sections (a file that is refused leaves the shown model); Show
// Model Atoms hides and shows the marks.
void OnModelAtoms(ViewState& s, Desktop& desktop);
void OnShowModelAtoms(ViewState& s, Desktop& desktop);
// Opens the help page of the start-up folder in the browser.
void OnHelpByHtml(const ViewState& s, Desktop& desktop);

// The mouse, in the window's pixel coordinates. A press starts a drag (the
// right button zooms whatever the mouse mode); a move with the button held
// applies one drag step and returns true when the picture changed; a move
// with no button ends a drag whose release went elsewhere.
void OnLButtonDown(ViewState& s, int x, int y);
void OnRButtonDown(ViewState& s, int x, int y);
void OnLButtonUp(ViewState& s);
void OnRButtonUp(ViewState& s);
bool OnMouseMove(ViewState& s, int x, int y, bool buttonHeld);
// Ends a drag whose release will never arrive (the window lost the mouse).
void EndDrag(ViewState& s);

}  // namespace pyk
