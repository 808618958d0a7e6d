// The engine's own texts: the report's text viewer, the help page, the
// reading under the pointer and the section gone to.
#pragma once

namespace pyk::msg {

// The text viewer could not be started for the report (otherwise unreported).
inline constexpr const char* kTextViewerFailed = "Cannot start a text viewer for %s";

// The help page in the start-up folder, and the failure to show it.
inline constexpr const char* kHelpPage = "/PyknoscopeHelp.html";
inline constexpr const char* kHelpFailed = "Cannot execute html file !!!";

// The map under the pointer: fractional x y z in the cell, the nearest grid
// point's indices, the interpolated density and, for a map that is not flat,
// that density in units of the map's sigma.
inline constexpr const char* kPointerReading = "x %.3f  y %.3f  z %.3f   grid %d %d %d   density %.4g";
inline constexpr const char* kPointerSigma = " (%.2f sigma)";
// While a model is shown: the atom whose mate lies nearest, and the distance in Angstrom.
inline constexpr const char* kPointerAtom = "   nearest atom %s %.2f A";

// Go to Section: the section shown, its axis (x, y or z) and its fractional coordinate.
inline constexpr const char* kSectionGoneTo = "Section %d: %c = %.4f";

// Model Atoms: the atoms and operations read, and the file.
inline constexpr const char* kModelRead = "Model: %zu atoms, %zu symmetry operations from %s";

}  // namespace pyk::msg
