// What the viewer shell needs from the desktop beyond the engine's platform:
// the open and save dialogs, the OK/Cancel question, starting the text viewer
// and the browser, the beep and a line in the status bar. Qt implements it;
// tests record it.
#pragma once

#include <string>

#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

class Desktop : public Platform {
 public:
  // The open-file dialog for maps; the chosen full path, or empty on Cancel.
  virtual std::string AskMapFile() = 0;
  // The open-file dialog for coordinate files (CIF, mmCIF, PDB); the chosen
  // full path, or empty on Cancel.
  virtual std::string AskModelFile() = 0;
  // Opens the file in the desktop's text viewer without waiting; false when
  // no viewer could be started.
  virtual bool StartTextViewer(const std::string& path) = 0;
  // Opens the page in the desktop's web browser without waiting; false when
  // no browser could be started.
  virtual bool StartBrowser(const std::string& path) = 0;
  // A message box with OK and Cancel; true on OK.
  virtual bool AskOkCancel(const char* text) = 0;
  // The save-file dialog for pictures, proposing defaultName; the chosen
  // full path, or empty on Cancel.
  virtual std::string AskBitmapFile(const std::string& defaultName) = 0;
  // The desktop's default beep.
  virtual void Beep() = 0;
  // Says text in the status bar's message area until the next command.
  virtual void ShowStatus(const char* text) = 0;
};

}  // namespace pyk
