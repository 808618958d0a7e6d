// The program's one top-level window: menu bar, dockable toolbar, status
// bar with the six value panes, and the drop target for map files.
#pragma once

#include <QMainWindow>
#include <map>

#include "engine/command_table.h"
#include "state/view_state.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace pyk {

class CPyknoscopeView;
class CPyknoscopeDoc;

class CMainFrame : public QMainWindow, public Shell {
  Q_OBJECT

 public:
  CMainFrame(CPyknoscopeView* view, CPyknoscopeDoc* doc);

  // Places the window from the settings (sizes below the minimum are raised).
  void PlaceFromSettings(const ViewState& s);

  QAction* action(CommandId id) const;
  QMenu* contextMenu() const { return contextMenu_; }
  QToolBar* toolBar() const { return toolBar_; }
  QLabel* pane(int k) const { return panes_[k]; }
  QLabel* messagePane() const { return ready_; }

  // Runs a command as the menus, the toolbar and the context menu do, then
  // refreshes the check marks.
  void OnCommand(CommandId id);
  // Check marks and enabled states of every command from the view's state.
  void RefreshActions();

  // What only the window can do, for the commands.
  void SaveBitmap() override;
  void CopyToClipboard() override;
  void EditColors() override;
  void EditContourSeparation() override;
  void EditSectionPosition() override;
  void ShowAbout() override;
  void ShowMapStatistics() override;
  void EditPeakSearch() override;
  void Exit() override;
  bool BarShown(CommandId bar) const override;
  void ToggleBar(CommandId bar) override;
  // The six pane labels from the member strings.
  void RefreshPanes();

  // The dropped file waiting for the view.
  char m_szDropFile[kPathSize] = {};
  int m_bDropFile = 0;
  QString m_strPaneMin, m_strPaneMax, m_strPaneSect, m_strPaneNo, m_strPanePos, m_strPaneStep;

  // The smallest window the settings can ask for.
  static constexpr int kMinWidth = 320, kMinHeight = 240;

 protected:
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void BuildActions();
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void TakePanes();
  // The message area: the reading under the pointer while there is one, else
  // the last command's status line, else the usual text.
  void ShowMessageArea();
  CommandContext Context();

  CPyknoscopeView* view_;
  CPyknoscopeDoc* doc_;
  std::map<int, QAction*> actions_;
  QToolBar* toolBar_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QLabel* ready_ = nullptr;
  QLabel* mapName_ = nullptr;
  QString pointerText_;
  QString statusText_;
  QLabel* panes_[6] = {};
};

}  // namespace pyk
