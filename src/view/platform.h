// What the engine needs from the desktop: message boxes, the modal contour
// conditions question and repaint requests. Qt implements it; tests record it.
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
};

}  // namespace pyk
