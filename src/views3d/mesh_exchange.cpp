// The exchange with the mesh program: meshinp written, the program run and waited for, meshout read.
#include "views3d/mesh_exchange.h"

#include <unistd.h>

#include <string>

#include "views3d/views3d_messages.h"
#include "text/c_numbers.h"

namespace pyk {

void WriteMeshInput(const ViewState& s, FILE* out) {
  PrintC(out, msg::kMeshInParameter, s.m_afMeshParam[0]);
  PrintC(out, msg::kMeshInViewpoint, s.m_afMeshParam[1], s.m_afMeshParam[2], s.m_afMeshParam[3]);
  PrintC(out, msg::kMeshInEdges, s.m_afEdge[0], s.m_afEdge[1], s.m_fPlaneAngle);
  PrintC(out, msg::kMeshInClient, s.m_nClientWidth, s.m_nClientHeight);
  PrintC(out, msg::kMeshInRange, s.m_fMinDensity, s.m_fMaxDensity);
  PrintC(out, msg::kMeshInGrid, s.m_nGridU, s.m_nGridV);
  // The values, tens of thousands of lines, formatted without printf and written at once.
  std::string values;
  values.reserve(static_cast<size_t>(s.m_nGridU + 1) * (s.m_nGridV + 1) * (msg::kMeshInValueWidth + 1));
  for (int i = 0; i <= s.m_nGridU && i < kSectionSize; ++i) {
    for (int j = 0; j <= s.m_nGridV && j < kSectionSize; ++j) {
      AppendFixedC(&values, s.m_fHeightScale * s.m_afSection[i][j], msg::kMeshInValuePrecision,
                   msg::kMeshInValueWidth);
      values += '\n';
    }
  }
  std::fwrite(values.data(), 1, values.size(), out);
}

namespace {

// A plain decimal at p ("-"? digits ("." digits)?) read into *v, p moved past it.
bool PlainDecimal(const char*& p, float* v) {
  const char* start = p;
  if (*p == '-') ++p;
  if (!IsDigit(*p)) return false;
  while (IsDigit(*p)) ++p;
  if (*p == '.') {
    if (!IsDigit(*++p)) return false;
    while (IsDigit(*p)) ++p;
  }
  const auto [end, ec] = ParseC(start, p, *v);
  return ec == std::errc() && end == p;
}

// "-"? and one to nine digits at p, read into *v.
bool PlainInt(const char* p, int* v) {
  const char* start = p;
  if (*p == '-') ++p;
  int n = 0;
  while (IsDigit(p[n])) ++n;
  if (n == 0 || n > 9) return false;
  return ParseC(start, p + n, *v).ec == std::errc();
}

}  // namespace

void ScanMeshRecord(const char* line, float* x, float* y, int* flag) {
  const char* p = line;
  float a = 0.0f, b = 0.0f;
  int f = 0;
  if (PlainDecimal(p, &a) && *p++ == ' ' && PlainDecimal(p, &b) && *p++ == ' ' && PlainInt(p, &f)) {
    *x = a;
    *y = b;
    *flag = f;
    return;
  }
  ScanC(line, msg::kMeshOutRecord, x, y, flag);
}

void ReadMeshOutput(ViewState& s, FILE* in) {
  for (int k = 1; k <= 6; ++k) {
    if (ScanFileC(in, msg::kMeshOutNumber, &s.m_afMeshAxis[k]) != 1) break;
  }
  float* e = s.m_afMeshView;
  if (ScanFileC(in, msg::kMeshOutView, &e[0], &e[1], &e[2], &e[3], &e[4], &e[5]) < 0) {
    s.m_nMeshCount = 0;
    return;
  }
  char line[kPathSize];
  if (std::fgets(line, sizeof line, in) == nullptr) {  // the rest of the twelfth number's line
    s.m_nMeshCount = 0;
    return;
  }
  s.m_nMeshCount = 0;
  while (s.m_nMeshCount + 1 < kMaxMeshRecords && std::fgets(line, sizeof line, in) != nullptr) {
    const int k = ++s.m_nMeshCount;
    ScanMeshRecord(line, &s.m_afMeshX[k], &s.m_afMeshY[k], &s.m_anMeshFlag[k]);
  }
}

int CalculateMesh(ViewState& s, Platform& platform) {
  FILE* in = std::fopen(s.m_strMeshInp.c_str(), "w");
  bool ok = in != nullptr;
  if (ok) {
    WriteMeshInput(s, in);
    ok = std::ferror(in) == 0;
    ok = std::fclose(in) == 0 && ok;
  }
  ::unlink(s.m_strMeshOut.c_str());
  ok = ok && ::chdir(s.m_szCurDir) == 0;
  ok = ok && platform.RunProgramAndWait(s.m_strMeshExe.c_str(), s.m_szCurDir);
  FILE* out = ok ? std::fopen(s.m_strMeshOut.c_str(), "r") : nullptr;
  if (out == nullptr) {
    platform.ShowMessage(msg::kMeshFailed);
    return 1;
  }
  ReadMeshOutput(s, out);
  std::fclose(out);
  return 0;
}

}  // namespace pyk
