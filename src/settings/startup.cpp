// Construction, window preparation and Default View of the view's state.
#include "settings/startup.h"

#include <unistd.h>

#include <cstring>
#include <string>

#include "map/reader.h"
#include "settings/ini.h"
#include "settings/messages.h"

namespace pyk {

void ConstructView(ViewState& s, Platform& platform) {
  s.m_strMeshExe.clear();
  s.m_strMeshInp.clear();
  s.m_strMeshOut.clear();
  char cwd[4096];
  const bool haveCwd = ::getcwd(cwd, sizeof cwd) != nullptr;
  const std::string folder = haveCwd ? cwd : "";
  const std::string ini = folder + "/" + kIniFileName;
  s.m_szCurDir[0] = '\0';
  s.m_szIniPath[0] = '\0';
  if (folder.size() <= static_cast<size_t>(kMaxPath)) {
    std::memcpy(s.m_szCurDir, folder.c_str(), folder.size() + 1);
  }
  ResetViewState(s);
  if (ini.size() > static_cast<size_t>(kMaxPath)) {
    platform.ShowMessage((std::string(msg::kIniPathTooLong) + folder).c_str());
    s.m_nStatus = 1;
    return;
  }
  std::memcpy(s.m_szIniPath, ini.c_str(), ini.size() + 1);
  if (ReadIniFile(s, platform) != 0) s.m_nStatus = 1;
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

void OnDefaultView(ViewState& s, Platform& platform) {
  ReadIniFile(s, platform);
  ResetViewState(s);
  LoadMap(s, platform);
  platform.Invalidate();
}

}  // namespace pyk
