// The Peak List dialog: the threshold in sigma and whether to search the
// whole cell or the current section, with OK and Cancel.
#pragma once

#include <QDialog>

#include "state/view_state.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pyk {

class CPeakListDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CPeakListDlg(const PeakSearch& search, QWidget* parent = nullptr);
  // The search as edited; a threshold that is not a number of 0 or more keeps the one given.
  PeakSearch Search() const;

  QLineEdit* m_editThreshold;
  QCheckBox* m_checkWholeMap;
  QPushButton* m_buttonOk;
  QPushButton* m_buttonCancel;

 private:
  PeakSearch m_search;
};

// Asks for the search, starting from *search; true with *search set on OK.
bool AskPeakSearch(PeakSearch* search, QWidget* parent);

}  // namespace pyk
