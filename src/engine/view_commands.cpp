// Loading, display-mode, viewpoint, report, help and mouse commands.
#include "engine/view_commands.h"

#include <cstdio>
#include <filesystem>

#include "engine/engine_messages.h"
#include "map/ccp4_map.h"
#include "map/map_messages.h"
#include "map/model.h"
#include "map/paths.h"
#include "map/peaks.h"
#include "map/reader.h"
#include "map/report.h"
#include "map/section_choice.h"
#include "render/colors.h"
#include "settings/startup.h"
#include "state/message.h"
#include "state/mouse.h"
#include "views3d/mesh_exchange.h"

namespace pyk {

namespace {

bool IsBlank(const std::string& w) { return w.find_first_not_of(" \t\r\n\f\v") == std::string::npos; }

void SetViewMode(ViewState& s, Platform& platform, int mode) {
  if (s.m_nViewMode == mode) return;
  s.m_nViewMode = mode;
  platform.Invalidate();
}

// The mesh parameters 2 (theta) and 3 (phi) are the viewpoint's angles.
void StepMeshViewpoint(ViewState& s, Platform& platform, int parameter, float change) {
  if (s.m_nViewMode != k3dMesh) return;
  s.m_afMeshParam[parameter] += change;
  if (s.m_bMapValid) s.m_nStatus = CalculateMesh(s, platform);
  platform.Invalidate();
}

void PressButton(ViewState& s, int x, int y) {
  s.m_nMouseButton = 1;
  s.m_nMouseX = SignedMouseCoordinate(x);
  s.m_nMouseY = SignedMouseCoordinate(y);
}

}  // namespace

void OnCreate(ViewState& s, Desktop& desktop, const std::vector<std::string>& words) {
  PrepareViewWindow(s);
  SetupColors(s);
  if (words.empty()) {
    s.m_bCommandLine = 0;
    s.m_nStatus = kStatusNoMap;
    return;
  }
  bool blank = true;
  for (const std::string& w : words) blank = blank && IsBlank(w);
  if (blank) {
    s.m_bCommandLine = 0;
    s.m_nStatus = kStatusFailed;
    return;
  }
  std::string_view views[3];
  const int count = words.size() < 3 ? static_cast<int>(words.size()) : 3;
  for (int i = 0; i < count; ++i) views[i] = words[i];
  FinishLoad(s, desktop, LoadFromArguments(s, desktop, views, count));
}

int FinishLoad(ViewState& s, Platform& platform, int loaded) {
  if (loaded == 0 && s.m_nViewMode == k3dMesh) s.m_nStatus = CalculateMesh(s, platform);
  return loaded;
}

void OnFileOpen(ViewState& s, Desktop& desktop) {
  const std::string path = desktop.AskMapFile();
  if (path.empty()) return;
  const std::string report = ReportPathFor(path, IsCcp4MapFile(path.c_str()));
  const std::string_view reportView = report;
  if (FinishLoad(s, desktop, LoadMap(s, desktop, LoadRequest{path, &reportView})) == 0) desktop.Invalidate();
}

// Reads the model whose atoms are marked, shows them and says what was read.
int ReadModel(ViewState& s, Desktop& desktop, const char* path) {
  if (ReadModelFile(path, &s.m_model, desktop) != 0) return -1;
  s.m_bShowAtoms = 1;
  const std::string said = FormatText(msg::kModelRead, s.m_model.atoms.size(), s.m_model.ops.size(), path);
  desktop.ShowStatus(said.c_str());
  desktop.Invalidate();
  return 0;
}

int OnDropFiles(ViewState& s, Desktop& desktop, const char* path) {
  if (IsCoordinateFileName(path)) return ReadModel(s, desktop, path);
  const int loaded = FinishLoad(s, desktop, LoadMap(s, desktop, LoadRequest{path}));
  if (loaded == 0) desktop.Invalidate();
  return loaded;
}

void OnModelAtoms(ViewState& s, Desktop& desktop) {
  const std::string path = desktop.AskModelFile();
  if (!path.empty()) ReadModel(s, desktop, path.c_str());
}

void OnShowModelAtoms(ViewState& s, Desktop& desktop) {
  if (s.m_model.atoms.empty()) return;
  s.m_bShowAtoms = s.m_bShowAtoms == 0 ? 1 : 0;
  desktop.Invalidate();
}

void OnViewDefault(ViewState& s, Desktop& desktop) { FinishLoad(s, desktop, OnDefaultView(s, desktop)); }

void OnContour(ViewState& s, Platform& platform) { SetViewMode(s, platform, kContour); }
void On3dContour(ViewState& s, Platform& platform) { SetViewMode(s, platform, k3dContour); }

void OnMesh(ViewState& s, Platform& platform) {
  if (s.m_nViewMode == k3dMesh && (s.m_nStatus == kStatusReady || !s.m_bMapValid)) return;
  if (!s.m_bMapValid) {
    s.m_nViewMode = k3dMesh;
    platform.Invalidate();
    return;
  }
  s.m_nStatus = CalculateMesh(s, platform);
  if (s.m_nStatus != kStatusReady) return;
  s.m_nViewMode = k3dMesh;
  platform.Invalidate();
}

void OnContourType(ViewState& s, Platform& platform) {
  s.m_bGradient = s.m_bGradient == 0 ? 1 : 0;
  platform.Invalidate();
}

void OnMeshThetaRight(ViewState& s, Platform& platform) { StepMeshViewpoint(s, platform, 2, 2.0f); }
void OnMeshThetaLeft(ViewState& s, Platform& platform) { StepMeshViewpoint(s, platform, 2, -2.0f); }
void OnMeshPhiUp(ViewState& s, Platform& platform) { StepMeshViewpoint(s, platform, 3, -2.0f); }
void OnMeshPhiDown(ViewState& s, Platform& platform) { StepMeshViewpoint(s, platform, 3, 2.0f); }

void OnShowDensityList(ViewState& s, Desktop& desktop) {
  if (!s.m_bMapValid) return;  // no section to list yet
  if (WriteDensityList(s, desktop) != 0) {
    desktop.ShowMessage(msg::kOutputCannotPrepare);
    return;
  }
  if (!desktop.StartTextViewer(s.m_szListFile)) {
    Refuse(desktop, msg::kTextViewerFailed, s.m_szListFile);
  }
}

void OnDensityColumn(ViewState& s, Desktop& desktop, int column) {
  if (!s.m_bMapValid || s.m_bTwoColumn != 1 || s.m_nColumn == column) return;
  const int plane = s.m_nPlane, section = s.m_anSectionIndex[plane];
  const std::string map = s.m_szMapFile, report = s.m_szListFile, con = s.m_szConFile;
  const std::string_view reportView = report, conView = con;
  const int before = s.m_nColumn;
  s.m_nColumn = column;
  if (LoadMap(s, desktop, LoadRequest{map, &reportView, &conView}) != 0) {
    s.m_nColumn = before;  // the map shown stays, with its column
    return;
  }
  SelectFace(s, plane);
  SelectSection(s, section);
  desktop.Invalidate();
}

void OnPeakList(ViewState& s, Desktop& desktop, const PeakSearch& search) {
  if (!s.m_bMapValid) return;
  s.m_peakSearch = search;
  s.m_vPeaks = FindPeaks(s, search);
  desktop.Invalidate();
  char path[kPathSize];
  if (!CopyPath(path, PeaksPathFor(s.m_szListFile, s.m_szMapFile), desktop)) return;
  const auto write = [&](const ViewState& v, FILE* out) { WritePeakList(v, search, v.m_vPeaks, out); };
  if (WriteReportFile(path, s, desktop, write) != 0) {
    desktop.ShowMessage(msg::kOutputCannotPrepare);
    return;
  }
  if (!desktop.StartTextViewer(path)) Refuse(desktop, msg::kTextViewerFailed, path);
}

void OnHelpByHtml(const ViewState& s, Desktop& desktop) {
  const std::string page = std::string(s.m_szCurDir) + msg::kHelpPage;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(page, ec) || !desktop.StartBrowser(page)) {
    desktop.Beep();
    desktop.ShowMessage(msg::kHelpFailed);
  }
}

void OnLButtonDown(ViewState& s, int x, int y) { PressButton(s, x, y); }
void OnRButtonDown(ViewState& s, int x, int y) {
  s.m_bRightButton = 1;
  PressButton(s, x, y);
}
void OnLButtonUp(ViewState& s) { s.m_nMouseButton = 0; }
void OnRButtonUp(ViewState& s) { EndDrag(s); }

bool OnMouseMove(ViewState& s, int x, int y, bool buttonHeld) {
  if (s.m_nMouseButton != 1) return false;
  if (!buttonHeld) {
    EndDrag(s);
    return false;
  }
  const int x0 = s.m_nMouseX, y0 = s.m_nMouseY;
  s.m_nMouseX = SignedMouseCoordinate(x);
  s.m_nMouseY = SignedMouseCoordinate(y);
  const int mode = s.m_bRightButton == 1 ? kZoom : s.m_nMouseMode;
  ApplyMouseDrag(s, mode, x0, s.m_nMouseX, y0, s.m_nMouseY);
  return true;
}

void EndDrag(ViewState& s) {
  s.m_nMouseButton = 0;
  s.m_bRightButton = 0;
}

}  // namespace pyk
