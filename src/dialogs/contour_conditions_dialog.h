// The Contour Conditions dialog (F(000) and the number of height divisions),
// asked by the map reader when a map has no contour file.
#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace pyk {

class CContourConditionsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CContourConditionsDlg(QWidget* parent = nullptr);

  float m_fF000 = 0.0f;     // F(000) being edited
  int32_t m_nDivision = 0;  // "Division for Height" being edited
  QLineEdit* m_editDivision;
  QLineEdit* m_editF000;
  QPushButton* m_buttonOk;
  QPushButton* m_buttonCancel;

  // Runs OnInitDialog each time the dialog goes on screen.
  void setVisible(bool visible) override;
  // OK: with both edits filled, their numbers and the end with OK; with
  // either edit empty nothing happens and the dialog stays open.
  void accept() override;

  // The two edits from the members; the focus on OK.
  void OnInitDialog();
};

// Shows the dialog with f000 and levels; on OK stores the typed values and
// returns true, on Cancel changes nothing and returns false.
bool AskContourConditionsDialog(QWidget* parent, float& f000, int& levels);

}  // namespace pyk
