// The settings file Pyknoscope.ini: six sections of value lines, read in order.
#pragma once

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

inline constexpr const char* kIniFileName = "Pyknoscope.ini";

// Reads m_szIniPath. Returns 0 when all six sections were read, 1 (after the
// section's message) when the file is missing or a header is not found;
// fields read before the failure keep their new values.
int ReadIniFile(ViewState& s, Platform& platform);

}  // namespace pyk
