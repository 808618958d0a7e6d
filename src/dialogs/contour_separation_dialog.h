// The Contour Separation dialog (the density step between contour lines,
// beside the section's density range) and the command that runs it.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pyk {

struct ViewState;
class Platform;
class SpinEdit;

class CContourSeparationDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CContourSeparationDlg(QWidget* parent = nullptr);

  float m_fSeparation = 0.0f;  // contour separation being edited, density units
  float m_fMinDensity = 0.0f;  // shown only
  float m_fMaxDensity = 0.0f;  // shown only
  bool m_bShowRange = true;    // false before any map: the range keeps its dotted placeholders
  QLabel* m_stcMinDensity;
  QLabel* m_stcMaxDensity;
  SpinEdit* m_spinSeparation;
  QLineEdit* m_editSeparation;
  QPushButton* m_buttonOk;
  QPushButton* m_buttonCancel;

  // Runs OnInitDialog each time the dialog goes on screen.
  void setVisible(bool visible) override;
  // OK: the separation typed into the edit, then the dialog ends with OK.
  void accept() override;

  // The density range, the up-down and the edit from the members; the focus on OK.
  void OnInitDialog();
  // An arrow of the up-down: the separation from its position, shown in the edit.
  void OnSpinSeparation(int position);
};

// The Contour Separation command: the view's step and range into the dialog,
// and on OK back into the view, followed by one repaint request.
void OnContourSeparation(ViewState& s, Platform& p, QWidget* parent);

}  // namespace pyk
