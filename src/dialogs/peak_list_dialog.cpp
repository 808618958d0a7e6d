// The Peak List dialog: a threshold row, the whole-map choice and the buttons.
#include "dialogs/peak_list_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/numbers.h"

namespace pyk {

CPeakListDlg::CPeakListDlg(const PeakSearch& search, QWidget* parent) : QDialog(parent), m_search(search) {
  setWindowTitle(QString::fromLatin1(dlg::kPeaksCaption));
  auto* grid = new QGridLayout(this);
  grid->addWidget(MakeLabel(this, dlg::kPeaksThreshold, "", 50), 0, 0);
  m_editThreshold = new QLineEdit(FormatFloat(dlg::kPeaksThresholdFormat, search.threshold), this);
  m_editThreshold->setObjectName(QStringLiteral("editThreshold"));
  m_editThreshold->setFixedWidth(DluX(this, 36));
  grid->addWidget(m_editThreshold, 0, 1);
  grid->addWidget(MakeLabel(this, dlg::kPeaksSigma, "", 20), 0, 2);
  m_checkWholeMap = new QCheckBox(QString::fromLatin1(dlg::kPeaksWholeMap), this);
  m_checkWholeMap->setObjectName(QStringLiteral("checkWholeMap"));
  m_checkWholeMap->setChecked(search.wholeMap);
  grid->addWidget(m_checkWholeMap, 1, 0, 1, 3);
  MakeOkCancel(this, 50, 50, &m_buttonOk, &m_buttonCancel);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_buttonOk);
  buttons->addWidget(m_buttonCancel);
  grid->addLayout(buttons, 2, 0, 1, 3);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

PeakSearch CPeakListDlg::Search() const {
  PeakSearch search = m_search;
  float threshold = 0.0f;
  if (ScanFloat(m_editThreshold->text(), &threshold) && threshold >= 0.0f) search.threshold = threshold;
  search.wholeMap = m_checkWholeMap->isChecked();
  return search;
}

bool AskPeakSearch(PeakSearch* search, QWidget* parent) {
  CPeakListDlg dlg(*search, parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  *search = dlg.Search();
  return true;
}

}  // namespace pyk
