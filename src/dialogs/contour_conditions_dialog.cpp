// The Contour Conditions dialog: F(000) and the height divisions, both needed for OK.
#include "dialogs/contour_conditions_dialog.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/numbers.h"

namespace pyk {

CContourConditionsDlg::CContourConditionsDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(dlg::kConditionsCaption));

  MakeOkCancel(this, 27, 26, &m_buttonOk, &m_buttonCancel);

  m_editF000 = new QLineEdit(this);
  m_editF000->setObjectName(QStringLiteral("editF000"));
  m_editF000->setFixedSize(DluX(this, 32), DluY(this, 11));
  m_editDivision = new QLineEdit(this);
  m_editDivision->setObjectName(QStringLiteral("editDivision"));
  m_editDivision->setFixedSize(DluX(this, 32), DluY(this, 11));

  auto* grid = new QGridLayout;
  grid->addWidget(MakeLabel(this, dlg::kF000, "labelF000", 50), 0, 0);
  grid->addWidget(m_editF000, 0, 1);
  grid->addWidget(MakeLabel(this, dlg::kDivision, "labelDivision", 59), 1, 0);
  grid->addWidget(m_editDivision, 1, 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addLayout(ButtonRow(m_buttonOk, m_buttonCancel));
  column->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(m_buttonOk, m_buttonCancel);
  setTabOrder(m_buttonCancel, m_editF000);
  setTabOrder(m_editF000, m_editDivision);
}

void CContourConditionsDlg::setVisible(bool visible) {
  if (visible && !isVisible()) OnInitDialog();
  QDialog::setVisible(visible);
}

void CContourConditionsDlg::OnInitDialog() {
  m_editDivision->setText(FormatInt(dlg::kDivisionFormat, m_nDivision));
  m_editF000->setText(FormatFloat(dlg::kF000Format, m_fF000));
  m_buttonOk->setFocus();
}

void CContourConditionsDlg::accept() {
  const QString division = m_editDivision->text();
  const QString f000 = m_editF000->text();
  if (division.isEmpty() || f000.isEmpty()) return;
  m_nDivision = TextToInt(division);
  m_fF000 = TextToFloat(f000);
  QDialog::accept();
}

bool AskContourConditionsDialog(QWidget* parent, float& f000, int& levels) {
  CContourConditionsDlg dlg(parent);
  dlg.m_fF000 = f000;
  dlg.m_nDivision = levels;
  if (dlg.exec() != QDialog::Accepted) return false;
  levels = dlg.m_nDivision;
  f000 = dlg.m_fF000;
  return true;
}

}  // namespace pyk
