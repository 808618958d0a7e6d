// The engine's own texts: the report's text viewer and the help page.
#pragma once

namespace pyk::msg {

// The text viewer could not be started for the report (otherwise unreported).
inline constexpr const char* kTextViewerFailed = "Cannot start a text viewer for %s";

// The help page in the start-up folder, and the failure to show it.
inline constexpr const char* kHelpPage = "/PyknoscopeHelp.html";
inline constexpr const char* kHelpFailed = "Cannot execute html file !!!";

}  // namespace pyk::msg
