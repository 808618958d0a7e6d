// The Contour Separation dialog (the density step between contour lines,
// beside the section's density range) and the command that runs it.
#pragma once

#include <QDialog>

#include "state/view_state.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pyk {

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
  double m_fSigma = 0.0;       // the map's sigma; 0 when unknown, which leaves the separation in density
  LevelOptions m_options;      // edited by the check boxes
  QLabel* m_stcMinDensity;
  QLabel* m_stcMaxDensity;
  SpinEdit* m_spinSeparation;
  QLineEdit* m_editSeparation;
  QPushButton* m_buttonOk;
  QPushButton* m_buttonCancel;
  QLabel* m_stcSigma;
  QLabel* m_labelSeparationUnit;
  QCheckBox* m_checkInSigma;
  QCheckBox* m_checkSymmetric;
  QCheckBox* m_checkDashed;
  QPushButton* m_buttonPreset;

  // Runs OnInitDialog each time the dialog goes on screen.
  void setVisible(bool visible) override;
  // OK: the separation typed into the edit, then the dialog ends with OK.
  void accept() override;

  // The density range, the up-down and the edit from the members; the focus on OK.
  void OnInitDialog();
  // An arrow of the up-down: the separation from its position, shown in the edit.
  void OnSpinSeparation(int position);
  // The sigma box: the edit's number converted to the other unit.
  void OnInSigma(bool checked);
  // The preset: a separation of 3 sigma, symmetric levels and dashed negatives, then OK.
  void OnPreset();

 private:
  // The number the edit shows for m_fSeparation in the chosen unit.
  double Shown() const;
  void ShowSeparation();
};

// The Contour Separation command: the view's step, range, sigma and level
// choices into the dialog, and on OK back into the view, followed by one
// repaint request.
void OnContourSeparation(ViewState& s, Platform& p, QWidget* parent);

}  // namespace pyk
