// The Go to Section dialog: the coordinate row and the buttons.
#include "dialogs/go_to_section_dialog.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/numbers.h"
#include "text/c_numbers.h"

namespace pyk {

CGoToSectionDlg::CGoToSectionDlg(int normal, double fraction, QWidget* parent)
    : QDialog(parent), m_fFraction(fraction) {
  setWindowTitle(QString::fromLatin1(dlg::kGoToCaption));

  MakeOkCancel(this, 32, 32, &m_buttonOk, &m_buttonCancel);

  const int axis = normal >= 0 && normal <= 2 ? normal : 2;
  m_labelFraction = MakeLabel(this, dlg::kGoToAxisLabels[axis], "labelFraction", 70);
  m_editFraction = new QLineEdit(FormatFloat(dlg::kGoToFractionFormat, fraction), this);
  m_editFraction->setObjectName(QStringLiteral("editFraction"));
  m_editFraction->setFixedSize(DluX(this, 40), DluY(this, 12));

  auto* grid = new QGridLayout;
  grid->addWidget(m_labelFraction, 0, 0);
  grid->addWidget(m_editFraction, 0, 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addLayout(ButtonRow(m_buttonOk, m_buttonCancel));
  column->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(m_editFraction, m_buttonOk);
  setTabOrder(m_buttonOk, m_buttonCancel);
  m_editFraction->selectAll();
  m_editFraction->setFocus();
}

void CGoToSectionDlg::accept() {
  const QByteArray text = m_editFraction->text().trimmed().toLatin1();
  if (!ParseFiniteC({text.constData(), static_cast<size_t>(text.size())}, &m_fFraction)) {
    m_editFraction->selectAll();
    m_editFraction->setFocus();
    return;
  }
  QDialog::accept();
}

bool AskSectionFraction(int normal, double* fraction, QWidget* parent) {
  CGoToSectionDlg dlg(normal, *fraction, parent);
  if (dlg.exec() != QDialog::Accepted) return false;
  *fraction = dlg.m_fFraction;
  return true;
}

}  // namespace pyk
