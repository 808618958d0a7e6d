// The viewer's commands, each declared once: its number, prompt, tooltip
// and icon, its places in the menu bar, the toolbar and the context menu,
// and what it does, whether it shows a check mark and whether it is enabled.
// The shell builds its menus and bars from this table.
#pragma once

#include <span>

#include "engine/desktop.h"
#include "state/view_state.h"

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
  // Beyond the documented commands.
  kCmdMapStatistics = 33001,
  kCmdPeakList = 33002,
  kCmdFirstColumn = 33003,
  kCmdSecondColumn = 33004,
  kCmdGoToSection = 33005,
  kCmdModelAtoms = 33006,
  kCmdShowModelAtoms = 33007,
};

// What only the window can do: the picture's capture, the modal dialogs,
// closing, and the bars it shows.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual void SaveBitmap() = 0;
  virtual void CopyToClipboard() = 0;
  virtual void EditColors() = 0;
  virtual void EditContourSeparation() = 0;
  // Asks for a fractional coordinate along the face's normal and goes to the section there.
  virtual void EditSectionPosition() = 0;
  virtual void ShowAbout() = 0;
  virtual void ShowMapStatistics() = 0;
  virtual void EditPeakSearch() = 0;
  virtual void Exit() = 0;
  virtual bool BarShown(CommandId bar) const = 0;  // kCmdToolBar or kCmdStatusBar
  virtual void ToggleBar(CommandId bar) = 0;
};

struct CommandContext {
  ViewState& s;
  Desktop& desktop;
  Shell& shell;
};

// A place in the menu bar: the menu (index into MenuTitles), the group
// (a separator stands before each new group, also before a first group
// above 0), the item's text and the submenu it sits in, if any.
struct MenuPlace {
  int menu;
  int group;
  const char* text;
  const char* submenu = nullptr;
};
// A place in the toolbar or the context menu: its position (0 for none,
// ordered by position, a separator where the tens change) and, in the
// context menu, its text.
struct BarPlace {
  int position = 0;
  const char* text = nullptr;
};

struct Command {
  CommandId id;
  const char* prompt;   // shown in the status bar while the item is under the pointer
  const char* tooltip;  // null when the command has none
  const char* icon;     // toolbar image resource, null when not on the toolbar
  MenuPlace menu;
  BarPlace toolbar;
  BarPlace context;
  void (*run)(CommandContext&);
  bool (*checked)(const CommandContext&) = nullptr;  // null: not checkable
  bool (*enabled)(const ViewState&) = nullptr;       // null: always enabled
};

// Every command once, in menu-bar order.
std::span<const Command> Commands();
// The entry of a command; null for an unknown id.
const Command* FindCommand(CommandId id);
// The menu bar's titles in order.
std::span<const char* const> MenuTitles();

// Runs a command and reads its state.
void RunCommand(const Command& c, CommandContext& context);
bool IsChecked(const Command& c, const CommandContext& context);
bool IsEnabled(const Command& c, const ViewState& s);

}  // namespace pyk
