// The one drawing surface: an OpenGL widget that holds the view's state and
// forwards events to the engine and paints through it.
#pragma once

#include <QOpenGLWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/desktop.h"
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

  // The window's creation with the program's arguments (map, report, contour file).
  void OnCreate(const std::vector<std::string>& words);

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
  Desktop& desktop() { return desktop_; }
  const PaneTexts& panes() const { return panes_; }

  // Asks the capture warning, then writes the picture as the view shows it
  // to path; 0 when written, -1 when declined or the file cannot be written.
  // The view's status is left alone, so a loaded map stays on screen.
  int SaveWindowBitmap(const std::string& path);
  // Save: asks for the name, then saves as above or says that it failed.
  void OnSaveBitmap();
  // Copy to Clipboard: the capture warning, then the picture as shown.
  void OnCopyClipboard();

 signals:
  // After a load the view started itself, so that check marks follow.
  void stateChanged();
  // After a paint that filled the pane texts.
  void panesChanged();
  // The map under the pointer as the status bar shows it; empty off the map.
  void pointerRead(const QString& text);
  // A line the engine says in the status bar, kept until the next command.
  void statusShown(const QString& text);

 protected:
  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void leaveEvent(QEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void OpenContextMenu(QPoint globalPos);
  // Reads the map at a pointer position (logical pixels) and says so when the text changes.
  void ReadPointerAt(QPointF p);

  Desktop& desktop_;
  std::unique_ptr<ViewState> state_;
  PaneTexts panes_;
  bool pointerInside_ = false;
  QPointF pointer_;
  QString pointerText_;
  char* dropFile_ = nullptr;
  int* dropFlag_ = nullptr;
  QMenu* contextMenu_ = nullptr;
};

}  // namespace pyk
