// The viewer's commands: their numbers, prompts, tooltips and icons, and the
// layouts of the menu bar, the toolbar and the context menu.
#pragma once

#include <span>

namespace pyk {

enum CommandId : int {
  kCmdNone = 0,
  kCmdFileOpen = 57601,
  kCmdSave = 32802,
  kCmdCopy = 32799,
  kCmdDefaultView = 32803,
  kCmdExit = 57665,
  kCmdContour = 32771,
  kCmd3dContour = 32772,
  kCmdMesh = 32804,
  kCmdContourType = 32811,
  kCmdContourSeparation = 32812,
  kCmdThetaRight = 32809,
  kCmdThetaLeft = 32810,
  kCmdPhiUp = 32807,
  kCmdPhiDown = 32808,
  kCmdRotation = 32775,
  kCmdTranslation = 32776,
  kCmdZoom = 32777,
  kCmdFaceL = 32778,
  kCmdFaceH = 32779,
  kCmdFaceK = 32780,
  kCmdSectionUp = 32797,
  kCmdSectionDown = 32798,
  kCmdDensityDown = 32788,
  kCmdDensityUp = 32787,
  kCmdHeightDown = 32784,
  kCmdHeightUp = 32786,
  kCmdDensityList = 32813,
  kCmdSetColor = 32801,
  kCmdHelp = 32818,
  kCmdAbout = 57664,
  kCmdToolBar = 59392,
  kCmdStatusBar = 59393,
};

struct CommandText {
  CommandId id;
  const char* prompt;   // shown in the status bar while the item is under the pointer
  const char* tooltip;  // null when the command has none
  const char* icon;     // toolbar image resource, null when not on the toolbar
};

// Every command, each once.
std::span<const CommandText> Commands();
// The entry of a command; null for an unknown id.
const CommandText* FindCommand(CommandId id);

// One line of a menu layout: a menu title, an item, a separator, or the
// start and end of a submenu. Menus and submenus end at the next title.
struct MenuLine {
  enum Kind { kMenu, kItem, kSeparator, kSubmenu, kEndSubmenu } kind;
  const char* text = nullptr;
  CommandId id = kCmdNone;
};
std::span<const MenuLine> MenuBarLayout();
std::span<const MenuLine> ContextMenuLayout();
// The toolbar's buttons in order; kCmdNone marks a separator.
std::span<const CommandId> ToolBarLayout();

}  // namespace pyk
