// A plain fscanf map reader as a whole process, the counterpart of
// pyknoscope-report in the whole-process benchmark: its arrays are static,
// so only the pages the reading writes are ever touched.
#include <cstdio>

#include "reference/fscanf_reader.h"

namespace {
pyk::MapArrays g_arrays;
pyk::ViewState g_state;
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: pyk_fscanf_process MAP\n", stderr);
    return 2;
  }
  pyk::UseMapArrays(g_state, g_arrays);
  const int read = pyk::reference::ReadMapRecordsStdio(g_state, argv[1]);
  std::printf("%d records, %g .. %g\n", g_state.m_nPoints, double{g_state.m_fMinDensity}, double{g_state.m_fMaxDensity});
  return read == 0 ? 0 : 1;
}
