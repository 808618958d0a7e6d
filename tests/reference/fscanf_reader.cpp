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
  char line[140];
  char line3[140] = "";
  std::fgets(line, sizeof line, f);
  int count = s.m_nPoints;
  std::fscanf(f, "%d", &count);
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
  if (token != nullptr && std::strchr(token, '.') != nullptr) s.m_bTwoColumn = 1;

  std::rewind(f);
  std::fgets(line, sizeof line, f);
  std::fgets(line, sizeof line, f);
  for (int n = 0; n < count; ++n) {
    std::fscanf(f, "%d", &s.m_anPoint[n][0]);
    std::fscanf(f, "%d", &s.m_anPoint[n][1]);
    std::fscanf(f, "%d", &s.m_anPoint[n][2]);
    if (s.m_bTwoColumn == 1) {
      std::fscanf(f, "%f", &s.m_afDensityA[n]);
      std::fscanf(f, "%f", &s.m_afDensityB[n]);
    } else {
      std::fscanf(f, "%f", &s.m_afDensity[n]);
      if (s.m_afDensity[n] <= s.m_fMinDensity) s.m_fMinDensity = s.m_afDensity[n];
      if (s.m_afDensity[n] >= s.m_fMaxDensity) s.m_fMaxDensity = s.m_afDensity[n];
    }
  }
  for (float& c : s.m_afCell) std::fscanf(f, "%f", &c);
  for (int& g : s.m_anGrid) std::fscanf(f, "%d", &g);
  int ops = s.m_nSymOps;
  int lattice = s.m_nLattice;
  std::fscanf(f, "%d", &ops);
  std::fscanf(f, "%d", &s.m_nCentro);
  std::fscanf(f, "%d", &lattice);
  if (ops < 0 || ops > kMaxSymOps || lattice < 0 || lattice > kMaxLattice) {
    std::fclose(f);
    return -1;
  }
  s.m_nSymOps = ops;
  s.m_nLattice = lattice;
  for (int op = 0; op < ops; ++op) {
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) std::fscanf(f, "%d", &s.m_anSymRot[op][i][j]);
    }
    for (int& t : s.m_anSymTrans[op]) std::fscanf(f, "%d", &t);
  }
  for (int l = 0; l < lattice; ++l) {
    for (int& t : s.m_anLatticeTrans[l]) std::fscanf(f, "%d", &t);
  }
  std::fclose(f);
  return 0;
}

}  // namespace pyk::reference
