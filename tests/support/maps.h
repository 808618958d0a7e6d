// Small map files written by hand for tests, and a loaded-state fixture.
#pragma once

#include <memory>
#include <string>

#include "state/view_state.h"
#include "support/files.h"
#include "support/recorder.h"

namespace pyk::test {

// A map file: title, count, the record lines, then the tail text.
inline std::string MapText(int count, const std::string& records, const std::string& tail) {
  return "test map\n" + std::to_string(count) + "\n" + records + tail;
}

// A P1 cell of 10 x 12 x 14 A with right angles, grid g, identity listed once.
inline std::string P1Tail(int nx, int ny, int nz) {
  return "10.0 12.0 14.0 90.0 90.0 90.0\n" + std::to_string(nx) + " " + std::to_string(ny) + " " + std::to_string(nz) +
         "\n1 0 0\n1 0 0 0 1 0 0 0 1 0 0 0\n";
}

inline constexpr const char* kConZ = "0 0 1\n20\n0\n123.5\n";

// A fresh record as the viewer has it after construction and window creation
// (defaults reset, density range at its start values, section 0 of 1).
inline std::unique_ptr<ViewState> FreshState() {
  auto s = MakeViewState();
  ResetViewState(*s);
  s->m_fMinDensity = 1e8f;
  s->m_fMaxDensity = -1e8f;
  s->m_nSectionCount = 1;
  return s;
}

}  // namespace pyk::test
