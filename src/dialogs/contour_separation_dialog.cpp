// The Contour Separation dialog over the density range, and its command.
#include "dialogs/contour_separation_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/numbers.h"
#include "dialogs/spin_edit.h"
#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

namespace {

struct LabelText {
  const char* text;
  const char* name;
  int width = 27;  // dialog units
};

// A row of the density group: its name, a shown value and the density unit.
// Returns the value's label.
QLabel* AddDensityRow(QGridLayout* grid, int row, LabelText name, LabelText value, const char* unitName) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(MakeLabel(parent, name.text, name.name, name.width), row, 0);
  QLabel* shown = MakeLabel(parent, value.text, value.name, value.width);
  grid->addWidget(shown, row, 1);
  grid->addWidget(MakeLabel(parent, dlg::kDensityUnit, unitName, 17), row, 2);
  return shown;
}

}  // namespace

CContourSeparationDlg::CContourSeparationDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(dlg::kSeparationCaption));

  MakeOkCancel(this, 32, 32, &m_buttonOk, &m_buttonCancel);

  auto* group = new QGroupBox(this);
  group->setObjectName(QStringLiteral("groupSeparation"));
  auto* grid = new QGridLayout(group);
  m_stcMinDensity = AddDensityRow(grid, 0, {dlg::kMinDensity, "labelMinDensity", 56},
                                  {dlg::kMinDensityUnfilled, "stcMinDensity"}, "labelMinUnit");
  m_stcMaxDensity = AddDensityRow(grid, 1, {dlg::kMaxDensity, "labelMaxDensity", 57},
                                  {dlg::kMaxDensityUnfilled, "stcMaxDensity"}, "labelMaxUnit");
  grid->setRowMinimumHeight(2, DluY(this, 6));
  grid->addWidget(MakeLabel(group, dlg::kSeparationValue, "labelSeparation", 53), 3, 0);
  m_spinSeparation = new SpinEdit(group);
  m_spinSeparation->setObjectName(QStringLiteral("spinSeparation"));
  m_editSeparation = m_spinSeparation->LineEdit();
  m_editSeparation->setObjectName(QStringLiteral("editSeparation"));
  m_editSeparation->setFixedSize(DluX(this, 32 - 10), DluY(this, 12));
  grid->addWidget(m_spinSeparation, 3, 1);
  m_labelSeparationUnit = MakeLabel(group, dlg::kDensityUnit, "labelSeparationUnit", 17);
  grid->addWidget(m_labelSeparationUnit, 3, 2);
  connect(m_spinSeparation, &SpinEdit::Stepped, this, &CContourSeparationDlg::OnSpinSeparation);

  auto* levels = new QGroupBox(this);
  levels->setObjectName(QStringLiteral("groupLevels"));
  auto* choices = new QGridLayout(levels);
  m_stcSigma = AddDensityRow(choices, 0, {dlg::kMapSigma, "labelSigma", 53}, {dlg::kMapSigmaUnknown, "stcSigma"},
                             "labelSigmaUnit");
  auto check = [&](const char* text, const char* name, int row) {
    auto* box = new QCheckBox(QString::fromLatin1(text), levels);
    box->setObjectName(QString::fromLatin1(name));
    choices->addWidget(box, row, 0, 1, 3);
    return box;
  };
  m_checkInSigma = check(dlg::kSeparationInSigma, "checkInSigma", 1);
  m_checkSymmetric = check(dlg::kLevelsSymmetric, "checkSymmetric", 2);
  m_checkDashed = check(dlg::kDashedNegatives, "checkDashed", 3);
  m_buttonPreset = MakeButton(levels, dlg::kThreeSigmaPreset, "buttonPreset", 60, 14);
  choices->addWidget(m_buttonPreset, 4, 0, 1, 3, Qt::AlignLeft);
  connect(m_checkInSigma, &QCheckBox::toggled, this, &CContourSeparationDlg::OnInSigma);
  connect(m_buttonPreset, &QPushButton::clicked, this, &CContourSeparationDlg::OnPreset);

  auto* column = new QVBoxLayout(this);
  column->addWidget(group);
  column->addWidget(levels);
  column->addLayout(ButtonRow(m_buttonOk, m_buttonCancel));
  column->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(m_buttonOk, m_buttonCancel);
  setTabOrder(m_buttonCancel, m_editSeparation);
  setTabOrder(m_editSeparation, m_checkInSigma);
  setTabOrder(m_checkInSigma, m_checkSymmetric);
  setTabOrder(m_checkSymmetric, m_checkDashed);
  setTabOrder(m_checkDashed, m_buttonPreset);
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
  const bool sigmaKnown = m_fSigma > 0.0;
  if (sigmaKnown) m_stcSigma->setText(FormatFloat(dlg::kDensityFormat, m_fSigma));
  m_checkInSigma->setEnabled(sigmaKnown);
  m_buttonPreset->setEnabled(sigmaKnown);
  {
    const QSignalBlocker quiet(m_checkInSigma);  // the edit is filled below, in the unit chosen here
    m_checkInSigma->setChecked(sigmaKnown && m_options.stepInSigma);
  }
  m_checkSymmetric->setChecked(m_options.symmetric);
  m_checkDashed->setChecked(m_options.dashedNegatives);
  m_spinSeparation->SetRange(0, 10000);
  ShowSeparation();
  m_buttonOk->setFocus();
}

double CContourSeparationDlg::Shown() const {
  // In density the value as it is, in double as the up-down's product needs it.
  return m_checkInSigma->isChecked() ? m_fSeparation / m_fSigma : static_cast<double>(m_fSeparation);
}

void CContourSeparationDlg::ShowSeparation() {
  const bool inSigma = m_checkInSigma->isChecked();
  m_labelSeparationUnit->setText(QString::fromLatin1(inSigma ? dlg::kSeparationSigmaUnit : dlg::kDensityUnit));
  // The product in double: 0.35f, just below 0.35, gives 34 (in float it would round to 35).
  m_spinSeparation->SetPosition(TruncateToInt(Shown() * 100.0));
  m_editSeparation->setText(FormatFloat(dlg::kSeparationFormat, Shown()));
}

void CContourSeparationDlg::OnSpinSeparation(int position) {
  const float shown = static_cast<float>(static_cast<unsigned>(position)) / 100.0f;
  m_fSeparation = m_checkInSigma->isChecked() ? static_cast<float>(shown * m_fSigma) : shown;
  m_editSeparation->setText(FormatFloat(dlg::kSeparationFormat, shown));
}

void CContourSeparationDlg::OnInSigma(bool checked) {
  // What is typed so far counts in the unit it was typed in.
  float typed = 0.0f;
  if (ScanFloat(m_editSeparation->text(), &typed))
    m_fSeparation = checked ? typed : static_cast<float>(typed * m_fSigma);
  ShowSeparation();
}

void CContourSeparationDlg::OnPreset() {
  m_checkInSigma->setChecked(true);
  m_editSeparation->setText(FormatFloat(dlg::kSeparationFormat, dlg::kPresetSigmas));
  m_checkSymmetric->setChecked(true);
  m_checkDashed->setChecked(true);
  accept();
}

void CContourSeparationDlg::accept() {
  const QString text = m_editSeparation->text();
  float typed = 0.0f;
  if (!text.isEmpty() && ScanFloat(text, &typed)) {
    m_fSeparation = m_checkInSigma->isChecked() ? static_cast<float>(typed * m_fSigma) : typed;
  }
  m_options.stepInSigma = m_checkInSigma->isChecked();
  m_options.symmetric = m_checkSymmetric->isChecked();
  m_options.dashedNegatives = m_checkDashed->isChecked();
  QDialog::accept();
}

void OnContourSeparation(ViewState& s, Platform& p, QWidget* parent) {
  CContourSeparationDlg dlg(parent);
  dlg.m_fSeparation = s.m_fContourStep;
  dlg.m_fMinDensity = s.m_fMinDensity;
  dlg.m_fMaxDensity = s.m_fMaxDensity;
  dlg.m_bShowRange = s.m_bMapValid == 1;
  dlg.m_fSigma = s.m_bMapValid == 1 && s.m_stats.points > 0 ? s.m_stats.sigma : 0.0;
  dlg.m_options = s.m_levelOptions;
  if (dlg.exec() != QDialog::Accepted) return;
  s.m_fContourStep = dlg.m_fSeparation;
  s.m_levelOptions = dlg.m_options;
  s.m_fMinDensity = dlg.m_fMinDensity;
  s.m_fMaxDensity = dlg.m_fMaxDensity;
  p.Invalidate();
}

}  // namespace pyk
