// Construction, window preparation and Default View of the view's state.
#include "settings/startup.h"

#include <unistd.h>

#include <cstring>
#include <string>

#include "map/paths.h"
#include "map/reader.h"
#include "settings/ini.h"
#include "settings/settings_messages.h"

namespace pyk {

void ConstructView(ViewState& s, Platform& platform) {
  s.m_strMeshExe.clear();
  s.m_strMeshInp.clear();
  s.m_strMeshOut.clear();
  char cwd[4096];
  const std::string folder = ::getcwd(cwd, sizeof cwd) != nullptr ? cwd : "";
  s.m_szCurDir[0] = '\0';
  s.m_szIniPath[0] = '\0';
  ResetViewState(s);
  // A folder too deep for its paths is refused as any long path is; nothing is then read from it.
  if (!CopyPath(s.m_szCurDir, folder, platform) || !CopyPath(s.m_szIniPath, folder + "/" + kIniFileName, platform)) {
    s.m_nStatus = kStatusFailed;
    return;
  }
  if (ReadIniFile(s, platform) != 0) s.m_nStatus = kStatusFailed;
}

void PrepareViewWindow(ViewState& s) {
  s.m_fMinDensity = 1e8f;
  s.m_fMaxDensity = -1e8f;
  const std::string folder = s.m_szCurDir;
  s.m_strMeshExe = folder + "/mesh";
  s.m_strMeshInp = folder + "/meshinp";
  s.m_strMeshOut = folder + "/meshout";
  s.m_nSection = 0;
  s.m_nSectionCount = 1;
  s.m_fContourStep = 0.0f;
}

int OnDefaultView(ViewState& s, Platform& platform) {
  ReadIniFile(s, platform);
  ResetViewState(s);
  // Before any map there is nothing to reload, and nothing to complain about.
  const int r = s.m_bMapValid ? LoadMap(s, platform) : -1;
  platform.Invalidate();
  return r;
}

}  // namespace pyk
