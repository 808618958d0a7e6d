// The Go to Section dialog: one fractional coordinate along the normal of the
// face shown, with OK and Cancel.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pyk {

class CGoToSectionDlg : public QDialog {
  Q_OBJECT

 public:
  // normal: the axis across the face, 0 .. 2 for x, y, z; fraction: the start value.
  CGoToSectionDlg(int normal, double fraction, QWidget* parent = nullptr);

  double m_fFraction;  // the coordinate as typed, once OK took it
  QLabel* m_labelFraction;
  QLineEdit* m_editFraction;
  QPushButton* m_buttonOk;
  QPushButton* m_buttonCancel;

  // OK: a text that is one finite number in the C form becomes the fraction
  // and the dialog ends; any other text is selected and the dialog stays open.
  void accept() override;
};

// Asks for the fraction along the given axis, starting from *fraction; true with *fraction set on OK.
bool AskSectionFraction(int normal, double* fraction, QWidget* parent);

}  // namespace pyk
