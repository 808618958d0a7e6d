// The Color Setting dialog (seven colour swatches with their pickers and the
// contour line width) and the Set Color command that runs it over the view.
#pragma once

#include <QColor>
#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace pyk {

struct ViewState;
class Platform;
class SpinEdit;

// Asks the user for a colour, starting at initial; true with *chosen on OK.
using ColorPicker = bool (*)(QColor initial, QWidget* parent, QColor* chosen);

// The platform's colour dialog (QColorDialog::getColor).
bool PickColorWithDialog(QColor initial, QWidget* parent, QColor* chosen);

class CColorSettingDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CColorSettingDlg(QWidget* parent = nullptr);

  // 8-bit copies of the eight colour entries (0 contour background,
  // 1 positive, 2 negative, 3 font, 4 frame, 5 side walls, 6 mesh, 7 background).
  int32_t m_anRed[8] = {};
  int32_t m_anGreen[8] = {};
  int32_t m_anBlue[8] = {};
  float m_fLineWidth = 0.0f;  // contour line width being edited, pixels
  SpinEdit* m_spinLineWidth;
  QLineEdit* m_editLineWidth;
  QPushButton* m_buttonOk;
  QPushButton* m_buttonCancel;
  // What the "....." buttons open; tests put a recorder here.
  ColorPicker m_pfnPickColor = PickColorWithDialog;

  // Runs OnInitDialog each time the dialog goes on screen.
  void setVisible(bool visible) override;
  // OK: the width typed into the edit, then the dialog ends with OK.
  void accept() override;

  // The up-down and the edit from m_fLineWidth; the focus on OK.
  void OnInitDialog();
  // A "....." button: the row's colour entry from the picker, unless cancelled.
  void OnPickColor(int entry);
  // An arrow of the up-down: the width from its position, shown in the edit.
  void OnSpinLineWidth(int position);
  // What the swatch of an entry shows: the low 8 bits of each component.
  QColor EntryColor(int entry) const;
};

// The Set Color command: the view's colours and line width into the dialog,
// and on OK back into the view, followed by one repaint request.
void OnSetColor(ViewState& s, Platform& p, QWidget* parent);

}  // namespace pyk
