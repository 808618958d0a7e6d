// The command table: one row per command, in the order of the menu bar.
#include "engine/command_table.h"

#include "engine/section_commands.h"
#include "engine/view_commands.h"
#include "state/mouse.h"

namespace pyk {

namespace {

using C = CommandContext;

bool InMode(const C& c, int mode) { return c.s.m_nViewMode == mode; }
bool InMouseMode(const C& c, int mode) { return c.s.m_nMouseMode == mode; }
bool MeshMode(const ViewState& s) { return s.m_nViewMode == k3dMesh; }
bool MapHeld(const ViewState& s) { return s.m_bMapValid == 1; }
bool ModelHeld(const ViewState& s) { return !s.m_model.atoms.empty(); }
bool TwoColumnMap(const ViewState& s) { return s.m_bMapValid == 1 && s.m_bTwoColumn == 1; }

enum Menu { kFile, kViewMode, kMouse, kSetHkl, kOption, kHelp };
constexpr const char* kMenuTitles[] = {"File (&F)",      "View Mode (&M)", "Mouse (&M)",
                                       "Set (hkl) (&H)", "Option (&O)",    "Help (&H)"};
constexpr const char* kDensitySub = "Contour Densiy (&D)";
constexpr const char* kHeightSub = "3D Height (&H)";
constexpr const char* kColumnSub = "Density Column (&N)";

const Command kCommands[] = {
    {kCmdFileOpen, "Open *.fou or *.den file", "Open", "open.xpm", {kFile, 0, "Open (&O) ..."}, {11}, {},
     [](C& c) { OnFileOpen(c.s, c.desktop); }},
    {kCmdSave, "Save objects as bitmap file", "Save as Bitmap", "save.xpm", {kFile, 0, "Save (&S) ..."}, {12}, {},
     [](C& c) { c.shell.SaveBitmap(); }},
    {kCmdCopy, "Copy graphic pattern to clipboard", "Copy to Clipboard", nullptr,
     {kFile, 0, "Copy to Clipboard (&C)"}, {}, {}, [](C& c) { c.shell.CopyToClipboard(); }},
    {kCmdDefaultView, "Reset default view", "Default View ", nullptr, {kFile, 1, "Default View (&D)"}, {}, {},
     [](C& c) { OnViewDefault(c.s, c.desktop); }},
    {kCmdExit, "Exit application", "Exit", "exit.xpm", {kFile, 2, "Exit (&X)"}, {91}, {},
     [](C& c) { c.shell.Exit(); }},

    {kCmdContour, "Change contour mode", "Contour", "contour.xpm", {kViewMode, 1, "Contour (&C)"}, {21},
     {21, "Contour"}, [](C& c) { OnContour(c.s, c.desktop); }, [](const C& c) { return InMode(c, kContour); }},
    {kCmd3dContour, "Change 3D contour mode", "3D Contour", "contour3d.xpm", {kViewMode, 1, "3D Contour (&D)"},
     {22}, {22, "3D Contour"}, [](C& c) { On3dContour(c.s, c.desktop); },
     [](const C& c) { return InMode(c, k3dContour); }},
    {kCmdMesh, "Change 3D mesh mode", "3D Mesh", "mesh.xpm", {kViewMode, 1, "3D Mesh (&M)"}, {23},
     {23, "3D Mesh"}, [](C& c) { OnMesh(c.s, c.desktop); }, [](const C& c) { return InMode(c, k3dMesh); }},
    {kCmdContourType, "Change contour type to line-type or gradient-type", "Contour Type", nullptr,
     {kViewMode, 2, "Contour Line or Gradient (&G)"}, {}, {}, [](C& c) { OnContourType(c.s, c.desktop); },
     [](const C& c) { return c.s.m_bGradient == 1; }},
    {kCmdContourSeparation, "Set contour separation", "Contour Separation", nullptr,
     {kViewMode, 2, "Contour Separation (&S) ..."}, {}, {}, [](C& c) { c.shell.EditContourSeparation(); }},
    {kCmdThetaRight, "Change mesh-theta to right", "Mesh-Theta Right", "theta_right.xpm",
     {kViewMode, 3, "Mesh-Theta Right (&R)"}, {71}, {}, [](C& c) { OnMeshThetaRight(c.s, c.desktop); }, nullptr,
     MeshMode},
    {kCmdThetaLeft, "Change mesh-theta to left", "Mesh-Theta Left", "theta_left.xpm",
     {kViewMode, 3, "Mesh-Theta Left (&L)"}, {72}, {}, [](C& c) { OnMeshThetaLeft(c.s, c.desktop); }, nullptr,
     MeshMode},
    {kCmdPhiUp, "Change mesh-phi up", "Mesh-Phi Up", "phi_up.xpm", {kViewMode, 3, "Mesh-Phi Up (&U)"}, {73}, {},
     [](C& c) { OnMeshPhiUp(c.s, c.desktop); }, nullptr, MeshMode},
    {kCmdPhiDown, "Change mesh-phi down", "Mesh-Phi Down", "phi_down.xpm", {kViewMode, 3, "Mesh-Phi Down (&D)"},
     {74}, {}, [](C& c) { OnMeshPhiDown(c.s, c.desktop); }, nullptr, MeshMode},

    {kCmdRotation, "Change mouse rotation mode", "Rotation", nullptr, {kMouse, 0, "Rotation (&R)"}, {},
     {11, "Rotation"}, [](C& c) { c.s.m_nMouseMode = kRotation; },
     [](const C& c) { return InMouseMode(c, kRotation); }},
    {kCmdTranslation, "Change translation mouse mode", "Translation", nullptr, {kMouse, 0, "Translation (&T)"},
     {}, {12, "Translation"}, [](C& c) { c.s.m_nMouseMode = kTranslation; },
     [](const C& c) { return InMouseMode(c, kTranslation); }},
    {kCmdZoom, "Change zoom mouse mode", "Zoom", nullptr, {kMouse, 0, "Zoom (&Z)"}, {}, {13, "Zoom"},
     [](C& c) { c.s.m_nMouseMode = kZoom; }, [](const C& c) { return InMouseMode(c, kZoom); }},

    {kCmdFaceL, "Set (0 0 l) face", "(0 0 l) Face", "face_l.xpm", {kSetHkl, 0, "(0 0 l) Face (&L)"}, {31}, {},
     [](C& c) { OnFaceL(c.s, c.desktop); }, [](const C& c) { return FaceChecked(c.s, kPlane00L); }},
    {kCmdFaceH, "Set (h 0 0) face", "(h 0 0) Face", "face_h.xpm", {kSetHkl, 0, "(h 0 0) Face (&H)"}, {32}, {},
     [](C& c) { OnFaceH(c.s, c.desktop); }, [](const C& c) { return FaceChecked(c.s, kPlaneH00); }},
    {kCmdFaceK, "Set (0 k 0) face", "(0 k 0) Face", "face_k.xpm", {kSetHkl, 0, "(0 k 0) Face (&K)"}, {33}, {},
     [](C& c) { OnFaceK(c.s, c.desktop); }, [](const C& c) { return FaceChecked(c.s, kPlane0K0); }},
    {kCmdSectionUp, "Increase contour section", "Section Up", "section_up.xpm", {kSetHkl, 1, "Section Up (&U)"},
     {41}, {}, [](C& c) { OnSectionUp(c.s, c.desktop); }},
    {kCmdSectionDown, "Decrease contour section", "Section Down", "section_down.xpm",
     {kSetHkl, 1, "Section Down (&D)"}, {42}, {}, [](C& c) { OnSectionDown(c.s, c.desktop); }},
    {kCmdGoToSection, "Go to the contour section at a fractional coordinate", "Go to Section", nullptr,
     {kSetHkl, 1, "Go to Section (&G) ..."}, {}, {}, [](C& c) { c.shell.EditSectionPosition(); }, nullptr, MapHeld},

    {kCmdDensityDown, "Contour density down", "Contour Density Down", "density_down.xpm",
     {kOption, 0, "Down (&D)", kDensitySub}, {51}, {}, [](C& c) { OnContourDensityDown(c.s, c.desktop); }, nullptr,
     ContourDensityEnabled},
    {kCmdDensityUp, "Contour density up", "Contour Density Up", "density_up.xpm",
     {kOption, 0, "Up (&U)", kDensitySub}, {52}, {}, [](C& c) { OnContourDensityUp(c.s, c.desktop); }, nullptr,
     ContourDensityEnabled},
    {kCmdHeightDown, "3D contour height down", "3D Contour Height Down", "height_down.xpm",
     {kOption, 0, "Down (&D)", kHeightSub}, {61}, {}, [](C& c) { OnHeightDown(c.s, c.desktop); }},
    {kCmdHeightUp, "3D contour height up", "3D Contour Height Up", "height_up.xpm",
     {kOption, 0, "Up (&U)", kHeightSub}, {62}, {}, [](C& c) { OnHeightUp(c.s, c.desktop); }},
    {kCmdDensityList, "Show density data list", "Show Density List", nullptr,
     {kOption, 1, "Show Density List (&L)..."}, {}, {}, [](C& c) { OnShowDensityList(c.s, c.desktop); }},
    {kCmdMapStatistics, "Show the statistics of the map over the whole cell", "Map Statistics", nullptr,
     {kOption, 1, "Map Statistics (&M)..."}, {}, {}, [](C& c) { c.shell.ShowMapStatistics(); }, nullptr,
     [](const ViewState& s) { return s.m_bMapValid == 1; }},
    {kCmdFirstColumn, "Show the first density column of a two-column map", nullptr, nullptr,
     {kOption, 1, "First (&1)", kColumnSub}, {}, {}, [](C& c) { OnDensityColumn(c.s, c.desktop, 0); },
     [](const C& c) { return TwoColumnMap(c.s) && c.s.m_nColumn == 0; }, TwoColumnMap},
    {kCmdSecondColumn, "Show the second density column of a two-column map", nullptr, nullptr,
     {kOption, 1, "Second (&2)", kColumnSub}, {}, {}, [](C& c) { OnDensityColumn(c.s, c.desktop, 1); },
     [](const C& c) { return TwoColumnMap(c.s) && c.s.m_nColumn == 1; }, TwoColumnMap},
    {kCmdPeakList, "Search the peaks of the section or the whole map, mark and list them", "Peak List", "peaks.xpm",
     {kOption, 1, "Peak List (&P)..."}, {82}, {}, [](C& c) { c.shell.EditPeakSearch(); }, nullptr,
     [](const ViewState& s) { return s.m_bMapValid == 1; }},
    {kCmdModelAtoms, "Read a coordinate file (CIF, mmCIF or PDB) and mark its atoms on the sections",
     "Model Atoms", nullptr, {kOption, 1, "Model Atoms (&A)..."}, {}, {}, [](C& c) { OnModelAtoms(c.s, c.desktop); }},
    {kCmdShowModelAtoms, "Show the model's atoms on the sections On/Off", nullptr, nullptr,
     {kOption, 1, "Show Model Atoms (&W)"}, {}, {}, [](C& c) { OnShowModelAtoms(c.s, c.desktop); },
     [](const C& c) { return ModelHeld(c.s) && c.s.m_bShowAtoms == 1; }, ModelHeld},
    {kCmdSetColor, "Set colors of drawing objects", "Set Color", "color.xpm", {kOption, 2, "Set Color (&C) ..."},
     {81}, {}, [](C& c) { c.shell.EditColors(); }},
    {kCmdToolBar, "Show tool bar On/Off", nullptr, nullptr, {kOption, 3, "Tool Bar (&T)"}, {}, {},
     [](C& c) { c.shell.ToggleBar(kCmdToolBar); }, [](const C& c) { return c.shell.BarShown(kCmdToolBar); }},
    {kCmdStatusBar, "Show status bar On/Off", nullptr, nullptr, {kOption, 3, "Status Bar (&S)"}, {}, {},
     [](C& c) { c.shell.ToggleBar(kCmdStatusBar); }, [](const C& c) { return c.shell.BarShown(kCmdStatusBar); }},

    {kCmdHelp, "Show simple manual by html", "Help by html", nullptr, {kHelp, 0, "Help by html (&H)"}, {}, {},
     [](C& c) { OnHelpByHtml(c.s, c.desktop); }},
    {kCmdAbout, "Show the version of Pyknoscope", "Pyknoscope Version", nullptr,
     {kHelp, 0, "Pyknoscope Version (&A)..."}, {}, {}, [](C& c) { c.shell.ShowAbout(); }},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(CommandId id) {
  for (const Command& c : kCommands) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

std::span<const char* const> MenuTitles() { return kMenuTitles; }

void RunCommand(const Command& c, CommandContext& context) { c.run(context); }
bool IsChecked(const Command& c, const CommandContext& context) { return c.checked != nullptr && c.checked(context); }
bool IsEnabled(const Command& c, const ViewState& s) { return c.enabled == nullptr || c.enabled(s); }

}  // namespace pyk
