// The six status-pane texts of the current section.
#pragma once

#include <string>

#include "state/view_state.h"

namespace pyk {

struct PaneTexts {
  std::string min, max, sect, no, pos, step;
  bool operator==(const PaneTexts&) const = default;
};

// Each number formatted, its leading blanks removed and its prefix put in front.
PaneTexts FormatPaneTexts(const ViewState& s);

}  // namespace pyk
