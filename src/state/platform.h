// What the engine needs from the desktop: message boxes, the modal contour
// conditions question, repaint requests and the mesh program's run. Qt
// implements it; tests record it.
#pragma once

namespace pyk {

class Platform {
 public:
  virtual ~Platform() = default;
  // A message box with an OK button; returns when the user has read it.
  virtual void ShowMessage(const char* text) = 0;
  // The modal Contour Conditions dialog with the given start values; on OK
  // stores the user's values and returns true, on Cancel changes nothing.
  virtual bool AskContourConditions(float& f000, int& levels) = 0;
  // Requests one repaint of the whole view, without erasing.
  virtual void Invalidate() = 0;
  // Starts the program at exe with no arguments in the given folder and
  // waits for it to end; true when it ran and exited with status 0.
  virtual bool RunProgramAndWait(const char* exe, const char* folder) {
    (void)exe;
    (void)folder;
    return false;
  }
};

}  // namespace pyk
