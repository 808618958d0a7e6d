// The desktop services of the viewer on Qt: message boxes, dialogs, the
// text viewer, repaint requests, the waited mesh program and status lines.
#pragma once

#include <QPointer>
#include <QWidget>

#include "engine/desktop.h"

namespace pyk {

class QtDesktop : public Desktop {
 public:
  // The widget that owns the dialogs and receives the repaint requests.
  void SetView(QWidget* view) { view_ = view; }

  void ShowMessage(const char* text) override;
  bool AskContourConditions(float& f000, int& levels) override;
  void Invalidate() override;
  bool RunProgramAndWait(const char* exe, const char* folder) override;
  std::string AskMapFile() override;
  std::string AskModelFile() override;
  bool StartTextViewer(const std::string& path) override;
  bool StartBrowser(const std::string& path) override;
  bool AskOkCancel(const char* text) override;
  std::string AskBitmapFile(const std::string& defaultName) override;
  void Beep() override;
  // Through the view's statusShown signal, to the window that shows it.
  void ShowStatus(const char* text) override;

  // The longest the viewer waits for the mesh program.
  static constexpr int kMeshTimeoutMs = 30000;

 private:
  QPointer<QWidget> view_;
};

}  // namespace pyk
