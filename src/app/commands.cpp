#include "app/commands.h"

#include <iterator>

namespace pyk {

namespace {

constexpr CommandText kCommands[] = {
    {kCmdFileOpen, "Open *.fou or *.den file", "Open", "open.xpm"},
    {kCmdSave, "Save objects as bitmap file", "Save as Bitmap", "save.xpm"},
    {kCmdCopy, "Copy graphic pattern to clipboard", "Copy to Clipboard", nullptr},
    {kCmdDefaultView, "Reset default view", "Default View ", nullptr},
    {kCmdExit, "Exit application", "Exit", "exit.xpm"},
    {kCmdContour, "Change contour mode", "Contour", "contour.xpm"},
    {kCmd3dContour, "Change 3D contour mode", "3D Contour", "contour3d.xpm"},
    {kCmdMesh, "Change 3D mesh mode", "3D Mesh", "mesh.xpm"},
    {kCmdContourType, "Change contour type to line-type or gradient-type", "Contour Type", nullptr},
    {kCmdContourSeparation, "Set contour separation", "Contour Separation", nullptr},
    {kCmdThetaRight, "Change mesh-theta to right", "Mesh-Theta Right", "theta_right.xpm"},
    {kCmdThetaLeft, "Change mesh-theta to left", "Mesh-Theta Left", "theta_left.xpm"},
    {kCmdPhiUp, "Change mesh-phi up", "Mesh-Phi Up", "phi_up.xpm"},
    {kCmdPhiDown, "Change mesh-phi down", "Mesh-Phi Down", "phi_down.xpm"},
    {kCmdRotation, "Change mouse rotation mode", "Rotation", nullptr},
    {kCmdTranslation, "Change translation mouse mode", "Translation", nullptr},
    {kCmdZoom, "Change zoom mouse mode", "Zoom", nullptr},
    {kCmdFaceL, "Set (0 0 l) face", "(0 0 l) Face", "face_l.xpm"},
    {kCmdFaceH, "Set (h 0 0) face", "(h 0 0) Face", "face_h.xpm"},
    {kCmdFaceK, "Set (0 k 0) face", "(0 k 0) Face", "face_k.xpm"},
    {kCmdSectionUp, "Increase contour section", "Section Up", "section_up.xpm"},
    {kCmdSectionDown, "Decrease contour section", "Section Down", "section_down.xpm"},
    {kCmdDensityDown, "Contour density down", "Contour Density Down", "density_down.xpm"},
    {kCmdDensityUp, "Contour density up", "Contour Density Up", "density_up.xpm"},
    {kCmdHeightDown, "3D contour height down", "3D Contour Height Down", "height_down.xpm"},
    {kCmdHeightUp, "3D contour height up", "3D Contour Height Up", "height_up.xpm"},
    {kCmdDensityList, "Show density data list", "Show Density List", nullptr},
    {kCmdSetColor, "Set colors of drawing objects", "Set Color", "color.xpm"},
    {kCmdHelp, "Show simple manual by html", "Help by html", nullptr},
    {kCmdAbout, "Show the version of Pyknoscope", "Pyknoscope Version", nullptr},
    {kCmdToolBar, "Show tool bar On/Off", nullptr, nullptr},
    {kCmdStatusBar, "Show status bar On/Off", nullptr, nullptr},
};

using L = MenuLine;
constexpr MenuLine kMenuBar[] = {
    {L::kMenu, "File (&F)"},
    {L::kItem, "Open (&O) ...", kCmdFileOpen},
    {L::kItem, "Save (&S) ...", kCmdSave},
    {L::kItem, "Copy to Clipboard (&C)", kCmdCopy},
    {L::kSeparator},
    {L::kItem, "Default View (&D)", kCmdDefaultView},
    {L::kSeparator},
    {L::kItem, "Exit (&X)", kCmdExit},
    {L::kMenu, "View Mode (&M)"},
    {L::kSeparator},
    {L::kItem, "Contour (&C)", kCmdContour},
    {L::kItem, "3D Contour (&D)", kCmd3dContour},
    {L::kItem, "3D Mesh (&M)", kCmdMesh},
    {L::kSeparator},
    {L::kItem, "Contour Line or Gradient (&G)", kCmdContourType},
    {L::kItem, "Contour Separation (&S) ...", kCmdContourSeparation},
    {L::kSeparator},
    {L::kItem, "Mesh-Theta Right (&R)", kCmdThetaRight},
    {L::kItem, "Mesh-Theta Left (&L)", kCmdThetaLeft},
    {L::kItem, "Mesh-Phi Up (&U)", kCmdPhiUp},
    {L::kItem, "Mesh-Phi Down (&D)", kCmdPhiDown},
    {L::kMenu, "Mouse (&M)"},
    {L::kItem, "Rotation (&R)", kCmdRotation},
    {L::kItem, "Translation (&T)", kCmdTranslation},
    {L::kItem, "Zoom (&Z)", kCmdZoom},
    {L::kMenu, "Set (hkl) (&H)"},
    {L::kItem, "(0 0 l) Face (&L)", kCmdFaceL},
    {L::kItem, "(h 0 0) Face (&H)", kCmdFaceH},
    {L::kItem, "(0 k 0) Face (&K)", kCmdFaceK},
    {L::kSeparator},
    {L::kItem, "Section Up (&U)", kCmdSectionUp},
    {L::kItem, "Section Down (&D)", kCmdSectionDown},
    {L::kMenu, "Option (&O)"},
    {L::kSubmenu, "Contour Densiy (&D)"},
    {L::kItem, "Down (&D)", kCmdDensityDown},
    {L::kItem, "Up (&U)", kCmdDensityUp},
    {L::kEndSubmenu},
    {L::kSubmenu, "3D Height (&H)"},
    {L::kItem, "Down (&D)", kCmdHeightDown},
    {L::kItem, "Up (&U)", kCmdHeightUp},
    {L::kEndSubmenu},
    {L::kSeparator},
    {L::kItem, "Show Density List (&L)...", kCmdDensityList},
    {L::kSeparator},
    {L::kItem, "Set Color (&C) ...", kCmdSetColor},
    {L::kSeparator},
    {L::kItem, "Tool Bar (&T)", kCmdToolBar},
    {L::kItem, "Status Bar (&S)", kCmdStatusBar},
    {L::kMenu, "Help (&H)"},
    {L::kItem, "Help by html (&H)", kCmdHelp},
    {L::kItem, "Pyknoscope Version (&A)...", kCmdAbout},
};

constexpr MenuLine kContextMenu[] = {
    {L::kItem, "Rotation", kCmdRotation}, {L::kItem, "Translation", kCmdTranslation},
    {L::kItem, "Zoom", kCmdZoom},         {L::kSeparator},
    {L::kItem, "Contour", kCmdContour},   {L::kItem, "3D Contour", kCmd3dContour},
    {L::kItem, "3D Mesh", kCmdMesh},
};

constexpr CommandId kToolBar[] = {
    kCmdFileOpen,    kCmdSave,      kCmdNone,    kCmdContour,    kCmd3dContour, kCmdMesh,        kCmdNone,
    kCmdFaceL,       kCmdFaceH,     kCmdFaceK,   kCmdNone,       kCmdSectionUp, kCmdSectionDown, kCmdNone,
    kCmdDensityDown, kCmdDensityUp, kCmdNone,    kCmdHeightDown, kCmdHeightUp,  kCmdNone,        kCmdThetaRight,
    kCmdThetaLeft,   kCmdPhiUp,     kCmdPhiDown, kCmdNone,       kCmdSetColor,  kCmdNone,        kCmdExit,
};

}  // namespace

std::span<const CommandText> Commands() { return kCommands; }

const CommandText* FindCommand(CommandId id) {
  for (const CommandText& c : kCommands) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

std::span<const MenuLine> MenuBarLayout() { return kMenuBar; }
std::span<const MenuLine> ContextMenuLayout() { return kContextMenu; }
std::span<const CommandId> ToolBarLayout() { return kToolBar; }

}  // namespace pyk
