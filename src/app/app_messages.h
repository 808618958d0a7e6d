// The viewer shell's texts: title, status-bar texts, pane templates, menus,
// prompts and tooltips, and the start-up messages, exactly as shown.
#pragma once

namespace pyk::msg {

inline constexpr const char* kAppTitle = "Pyknoscope";
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kVersion = "1.0.0.1";
inline constexpr const char* kVersionLine = "Pyknoscope Version 1.0";
inline constexpr const char* kOrganisation = "Local AppWizard-Generated Applications";

// The open-file dialog: default suffix and filter (name, then the patterns Qt reads).
inline constexpr const char* kMapSuffix = "den";
inline constexpr const char* kMapFilter = "Map files (*.fou,*.den) (*.fou *.den)";
// The file dialog's second choice, for the CCP4/MRC maps of other programs.
inline constexpr const char* kCcp4Filter =
    "CCP4/MRC maps (*.ccp4 *.map *.mrc *.ccp4.gz *.map.gz *.mrc.gz)";

// Width templates of the six value panes, in their order.
inline constexpr const char* kPaneTemplates[6] = {
    "Min=           ", "Max=          ", "Sect=     ", "No=   ", "z=         ", "dz=         "};

// The message area while the contour step gives more levels than are drawn.
inline constexpr const char* kLevelsCapped = "Contour levels capped at %d: the highest levels are not drawn";

// No OpenGL context of the kind the view draws with: the program ends.
inline constexpr const char* kNoOpenGl =
    "Pyknoscope needs OpenGL (a compatibility-profile context with a depth buffer), which this display cannot "
    "provide.";

// The framework's failure when the first argument names no readable file.
inline constexpr const char* kCannotOpenDocument = "Failed to open document.";

// Saving and copying the picture.
inline constexpr const char* kCaptureWarning =
    "Causion !!!\nThis dialog should be kept out of the window.\nAre you sure ?";
inline constexpr const char* kBitmapSaveFailed = "BitMap file save failed !!!";
inline constexpr const char* kModelFilter =
    "Coordinate files (*.cif *.mmcif *.pdb *.ent) (*.cif *.mmcif *.pdb *.ent);;All files (*)";
inline constexpr const char* kBitmapSuffix = "bmp";
inline constexpr const char* kBitmapFilter = "Bit Map File (*.bmp) (*.bmp);;PNG File (*.png) (*.png)";

inline constexpr const char* kUsage =
    "Usage: pyknoscope [MAP [REPORT [CON]]]\n"
    "\n"
    "Shows a crystallographic electron-density map (Fc, Fo-Fc or Patterson) as a\n"
    "contour map, a lit 3D height surface or a hidden-line wire mesh.\n"
    "  MAP     the map file (.fou or .den)\n"
    "  REPORT  the file \"Show Density List\" writes the section to\n"
    "  CON     the contour conditions file (h k l, levels, map type, F(000))\n"
    "\n"
    "Pyknoscope.ini, the mesh program and PyknoscopeHelp.html are read from the\n"
    "current folder. Without MAP the window opens empty; use File Open or drop a\n"
    "map file on it.\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the version\n";

}  // namespace pyk::msg
