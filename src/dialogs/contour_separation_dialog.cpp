#include "dialogs/contour_separation_dialog.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/numbers.h"
#include "dialogs/spin_edit.h"
#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

CContourSeparationDlg::CContourSeparationDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(dlg::kSeparationCaption));

  m_buttonOk = MakeButton(this, dlg::kOk, "buttonOk", 32, 14);
  m_buttonOk->setDefault(true);
  m_buttonCancel = MakeButton(this, dlg::kCancel, "buttonCancel", 32, 14);
  connect(m_buttonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_buttonCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* group = new QGroupBox(this);
  group->setObjectName(QStringLiteral("groupSeparation"));
  auto* grid = new QGridLayout(group);
  grid->addWidget(MakeLabel(group, dlg::kMinDensity, "labelMinDensity", 56), 0, 0);
  m_stcMinDensity = MakeLabel(group, dlg::kMinDensityUnfilled, "stcMinDensity", 27);
  grid->addWidget(m_stcMinDensity, 0, 1);
  grid->addWidget(MakeLabel(group, dlg::kDensityUnit, "labelMinUnit", 17), 0, 2);
  grid->addWidget(MakeLabel(group, dlg::kMaxDensity, "labelMaxDensity", 57), 1, 0);
  m_stcMaxDensity = MakeLabel(group, dlg::kMaxDensityUnfilled, "stcMaxDensity", 27);
  grid->addWidget(m_stcMaxDensity, 1, 1);
  grid->addWidget(MakeLabel(group, dlg::kDensityUnit, "labelMaxUnit", 17), 1, 2);
  grid->setRowMinimumHeight(2, DluY(this, 6));
  grid->addWidget(MakeLabel(group, dlg::kSeparationValue, "labelSeparation", 53), 3, 0);
  m_spinSeparation = new SpinEdit(group);
  m_spinSeparation->setObjectName(QStringLiteral("spinSeparation"));
  m_editSeparation = m_spinSeparation->LineEdit();
  m_editSeparation->setObjectName(QStringLiteral("editSeparation"));
  m_editSeparation->setFixedSize(DluX(this, 32 - 10), DluY(this, 12));
  grid->addWidget(m_spinSeparation, 3, 1);
  grid->addWidget(MakeLabel(group, dlg::kDensityUnit, "labelSeparationUnit", 17), 3, 2);
  connect(m_spinSeparation, &SpinEdit::Stepped, this, &CContourSeparationDlg::OnSpinSeparation);

  auto* rowButtons = new QHBoxLayout;
  rowButtons->addWidget(m_buttonOk);
  rowButtons->addStretch(1);
  rowButtons->addWidget(m_buttonCancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(group);
  column->addLayout(rowButtons);
  column->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(m_buttonOk, m_buttonCancel);
  setTabOrder(m_buttonCancel, m_editSeparation);
}

void CContourSeparationDlg::setVisible(bool visible) {
  if (visible && !isVisible()) OnInitDialog();
  QDialog::setVisible(visible);
}

void CContourSeparationDlg::OnInitDialog() {
  if (m_bShowRange) {
    m_stcMinDensity->setText(FormatFloat(dlg::kDensityFormat, m_fMinDensity));
    m_stcMaxDensity->setText(FormatFloat(dlg::kDensityFormat, m_fMaxDensity));
  }
  m_spinSeparation->SetRange(0, 10000);
  // The product in double: 0.35f, just below 0.35, gives 34 (in float it would round to 35).
  m_spinSeparation->SetPosition(TruncateToInt(static_cast<double>(m_fSeparation) * 100.0));
  m_editSeparation->setText(FormatFloat(dlg::kSeparationFormat, m_fSeparation));
  m_buttonOk->setFocus();
}

void CContourSeparationDlg::OnSpinSeparation(int position) {
  m_fSeparation = static_cast<float>(static_cast<unsigned>(position)) / 100.0f;
  m_editSeparation->setText(FormatFloat(dlg::kSeparationFormat, m_fSeparation));
}

void CContourSeparationDlg::accept() {
  const QString text = m_editSeparation->text();
  if (!text.isEmpty()) ScanFloat(text, &m_fSeparation);
  QDialog::accept();
}

void OnContourSeparation(ViewState& s, Platform& p, QWidget* parent) {
  CContourSeparationDlg dlg(parent);
  dlg.m_fSeparation = s.m_fContourStep;
  dlg.m_fMinDensity = s.m_fMinDensity;
  dlg.m_fMaxDensity = s.m_fMaxDensity;
  dlg.m_bShowRange = s.m_bMapValid == 1;
  if (dlg.exec() != QDialog::Accepted) return;
  s.m_fContourStep = dlg.m_fSeparation;
  s.m_fMinDensity = dlg.m_fMinDensity;
  s.m_fMaxDensity = dlg.m_fMaxDensity;
  p.Invalidate();
}

}  // namespace pyk
