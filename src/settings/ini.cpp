// Reading the settings file Pyknoscope.ini into the view state.
// Lines are read as 139-character pieces; a header matches when the line
// begins with it; a value line converts only the text after its first "=".
#include "settings/ini.h"

#include <cstdio>
#include <cstring>

#include "settings/settings_messages.h"
#include "text/c_numbers.h"

namespace pyk {

namespace {

// One value line: its conversion and the fields it fills.
struct ValueLine {
  const char* format;
  void* fields[4];
};

struct Section {
  const char* header;
  const char* missing;
  int count;
  ValueLine lines[8];
};

void ConvertValue(const char* line, const ValueLine& v) {
  const char* eq = std::strchr(line, '=');
  if (eq == nullptr) return;  // no value on this line: the field stays as it was
  ScanC(eq + 1, v.format, v.fields[0], v.fields[1], v.fields[2], v.fields[3]);
}

}  // namespace

int ReadIniFile(ViewState& s, Platform& platform) {
  FILE* f = s.m_szIniPath[0] != '\0' ? std::fopen(s.m_szIniPath, "r") : nullptr;
  if (f == nullptr) {
    platform.ShowMessage(msg::kIniNotFound);
    return 1;
  }
  const char* d = "%d";
  const char* g = "%f";
  const char* g4 = "%f %f %f %f";
  const Section sections[] = {
      {"[Viewing Parameters]",
       msg::kNoViewing,
       8,
       {{d, {&s.m_nWindowWidth}},
        {d, {&s.m_nWindowHeight}},
        {d, {&s.m_nWindowLeft}},
        {d, {&s.m_nWindowTop}},
        {g, {&s.m_fFovy}},
        {g, {&s.m_fNear}},
        {g, {&s.m_fFar}},
        {g, {&s.m_fEyeDistance}}}},
      {"[Light Parameters]",
       msg::kNoLight,
       4,
       {{g4, {&s.m_afLightDiffuse[0], &s.m_afLightDiffuse[1], &s.m_afLightDiffuse[2], &s.m_afLightDiffuse[3]}},
        {g4, {&s.m_afLightAmbient[0], &s.m_afLightAmbient[1], &s.m_afLightAmbient[2], &s.m_afLightAmbient[3]}},
        {g4, {&s.m_afLightSpecular[0], &s.m_afLightSpecular[1], &s.m_afLightSpecular[2], &s.m_afLightSpecular[3]}},
        {g4, {&s.m_afLightPosition[0], &s.m_afLightPosition[1], &s.m_afLightPosition[2], &s.m_afLightPosition[3]}}}},
      {"[Material Color Parameters]",
       msg::kNoMaterial,
       5,
       {{g, {&s.m_fMatDiffuse}},
        {g, {&s.m_fMatAmbient}},
        {g, {&s.m_fMatSpecular}},
        {g, {&s.m_fMatShininess}},
        {"%f %f %f", {&s.m_afIniBackColor[0], &s.m_afIniBackColor[1], &s.m_afIniBackColor[2]}}}},
      {"[Color Data]",
       msg::kNoColor,
       7,
       {{d, {&s.m_nContourBackColor}},
        {d, {&s.m_nPositiveColor}},
        {d, {&s.m_nNegativeColor}},
        {d, {&s.m_nFontColor}},
        {d, {&s.m_nFrameColor}},
        {d, {&s.m_nWallColor}},
        {d, {&s.m_nMeshColor}}}},
      {"[Mesh Mode Parameters]",
       msg::kNoMesh,
       4,
       {{g, {&s.m_afMeshParam[0]}},
        {g, {&s.m_afMeshParam[1]}},
        {g, {&s.m_afMeshParam[2]}},
        {g, {&s.m_afMeshParam[3]}}}},
      {"[Flag]",
       msg::kNoFlag,
       4,
       {{d, {&s.m_nViewMode}}, {d, {&s.m_bTwoColumnSetting}}, {d, {&s.m_nColumn}}, {d, {&s.m_nMouseMode}}}},
  };

  char line[kPathSize];
  for (const Section& sec : sections) {
    const size_t n = std::strlen(sec.header);
    bool found = false;
    while (!found && std::fgets(line, sizeof line, f) != nullptr) {
      found = std::strncmp(line, sec.header, n) == 0;
    }
    if (!found) {
      std::fclose(f);
      platform.ShowMessage(sec.missing);
      return 1;
    }
    for (int i = 0; i < sec.count; ++i) {
      // A file that ends inside a section leaves the remaining fields as they were.
      if (std::fgets(line, sizeof line, f) == nullptr) break;
      ConvertValue(line, sec.lines[i]);
    }
  }
  std::fclose(f);
  s.m_bTwoColumn = s.m_bTwoColumnSetting;
  return 0;
}

}  // namespace pyk
