// The one drawing surface: an OpenGL widget that holds the view's state,
// routes the commands to the engine and paints the current picture.
#pragma once

#include <QOpenGLWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "app/desktop.h"
#include "render/panes.h"
#include "state/view_state.h"

class QMenu;

namespace pyk {

class CPyknoscopeView : public QOpenGLWidget {
  Q_OBJECT

 public:
  // Construction records the current folder as the start-up folder and
  // reads Pyknoscope.ini there.
  CPyknoscopeView(Desktop& desktop, QWidget* parent = nullptr);
  ~CPyknoscopeView() override;

  // The state the window creation sets, the colour table, and the map named
  // by the program's arguments (up to three words: map, report, contour file).
  // With no words nothing is loaded; blank words leave the status at 1.
  void OnCreate(const std::vector<std::string>& words);

  // Runs a command as the menus, the toolbar and the context menu do.
  void RunCommand(CommandId id);
  // Whether a command shows its check mark, and whether it is enabled.
  bool IsChecked(CommandId id) const;
  bool IsEnabled(CommandId id) const;

  // Copies a path into a path field, or refuses it with the message naming the limit.
  bool CopyPath(char (&dst)[kPathSize], std::string_view src);

  // Loads a dropped map file (the frame's m_szDropFile) when one waits.
  int PickUpDroppedFile();
  // The frame's drop slot, read and cleared by PickUpDroppedFile.
  void SetDropSlot(char* file, int* flag) {
    dropFile_ = file;
    dropFlag_ = flag;
  }

  // The context menu the view opens on right-button release.
  void SetContextMenu(QMenu* menu) { contextMenu_ = menu; }

  ViewState& state() { return *state_; }
  const ViewState& state() const { return *state_; }
  const PaneTexts& panes() const { return panes_; }

  // Asks the capture warning, then writes the picture as the view shows it
  // to path; 0 when written, -1 when declined or the file cannot be written.
  // The view's status is left alone, so a loaded map stays on screen.
  int SaveWindowBitmap(const std::string& path);

 signals:
  // After every command, so that check marks and enabled states follow.
  void stateChanged();
  // After a paint that filled the pane texts.
  void panesChanged();

 protected:
  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void OnFileOpen();
  void OnShowDensityList();
  void OnSaveBitmap();
  void OnCopyClipboard();
  void OnHelpByHtml();
  int FinishLoad(int loaded);
  void OnMesh();
  void OnMeshViewpoint(int parameter, float change);
  void SetViewMode(int mode);
  void EndDrag();
  void OpenContextMenu(QPoint globalPos);

  Desktop& desktop_;
  std::unique_ptr<ViewState> state_;
  PaneTexts panes_;
  char* dropFile_ = nullptr;
  int* dropFlag_ = nullptr;
  QMenu* contextMenu_ = nullptr;
};

}  // namespace pyk
