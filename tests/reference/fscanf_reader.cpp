// fopen, fgets(140), fscanf "%d"/"%f" and rewind, in the reader's order.
#include "reference/fscanf_reader.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

namespace pyk::reference {

int ReadMapRecordsStdio(ViewState& s, const char* path) {
  struct stat st;
  if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  FILE* f = std::fopen(path, "rb");
  if (f == nullptr) return -1;
  s.m_fMinDensity = 1e8f;
  s.m_fMaxDensity = -1e8f;
  bool ok = true;  // every number converted
  char line[140];
  char line3[140] = "";
  std::fgets(line, sizeof line, f);
  int count = 0;
  if (std::fscanf(f, "%d", &count) != 1) {
    std::fclose(f);
    return 1;
  }
  std::fgets(line, sizeof line, f);
  std::fgets(line3, sizeof line3, f);
  if (count > kMaxPoints || count < 1) {
    std::fclose(f);
    return -1;
  }
  s.m_nPoints = count;
  // The fifth token of line 3 decides a two-column file.
  char* token = std::strtok(line3, " \t\n\v\f\r");
  for (int i = 1; token != nullptr && i < 5; ++i) token = std::strtok(nullptr, " \t\n\v\f\r");
  s.m_bTwoColumn = s.m_bTwoColumnSetting == 1 || (token != nullptr && std::strchr(token, '.') != nullptr);

  std::rewind(f);
  std::fgets(line, sizeof line, f);
  std::fgets(line, sizeof line, f);
  long failedAt = -1;
  for (int n = 0; n < count; ++n) {
    // A record that failed and moved the stream nowhere (at the end, or at
    // text no conversion takes) is what every later record does too: go on
    // after them rather than call fscanf for up to a million of them.
    if (!ok) {
      const long at = std::ftell(f);
      if (at == failedAt) break;
      failedAt = at;
    }
    ok = std::fscanf(f, "%d", &s.m_anPoint[n][0]) == 1 && ok;
    ok = std::fscanf(f, "%d", &s.m_anPoint[n][1]) == 1 && ok;
    ok = std::fscanf(f, "%d", &s.m_anPoint[n][2]) == 1 && ok;
    if (s.m_bTwoColumn == 1) {
      ok = std::fscanf(f, "%f", &s.m_afDensityA[n]) == 1 && ok;
      ok = std::fscanf(f, "%f", &s.m_afDensityB[n]) == 1 && ok;
    } else {
      ok = std::fscanf(f, "%f", &s.m_afDensity[n]) == 1 && ok;
      if (s.m_afDensity[n] <= s.m_fMinDensity) s.m_fMinDensity = s.m_afDensity[n];
      if (s.m_afDensity[n] >= s.m_fMaxDensity) s.m_fMaxDensity = s.m_afDensity[n];
    }
  }
  for (float& c : s.m_afCell) ok = std::fscanf(f, "%f", &c) == 1 && ok;
  for (int& g : s.m_anGrid) ok = std::fscanf(f, "%d", &g) == 1 && ok;
  int ops = s.m_nSymOps;
  int lattice = s.m_nLattice;
  ok = std::fscanf(f, "%d", &ops) == 1 && ok;
  ok = std::fscanf(f, "%d", &s.m_nCentro) == 1 && ok;
  ok = std::fscanf(f, "%d", &lattice) == 1 && ok;
  if (ops < 0 || ops > kMaxSymOps || lattice < 0 || lattice > kMaxLattice) {
    std::fclose(f);
    return -1;
  }
  s.m_nSymOps = ops;
  s.m_nLattice = lattice;
  for (int op = 0; op < ops; ++op) {
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) ok = std::fscanf(f, "%d", &s.m_anSymRot[op][i][j]) == 1 && ok;
    }
    for (int& t : s.m_anSymTrans[op]) ok = std::fscanf(f, "%d", &t) == 1 && ok;
  }
  for (int l = 0; l < lattice; ++l) {
    for (int& t : s.m_anLatticeTrans[l]) ok = std::fscanf(f, "%d", &t) == 1 && ok;
  }
  std::fclose(f);
  return ok ? 0 : 1;
}

}  // namespace pyk::reference
