// The Color Setting dialog's swatches, pickers and line width, and Set Color.
#include "dialogs/color_setting_dialog.h"

#include <QBoxLayout>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/numbers.h"
#include "dialogs/spin_edit.h"
#include "state/platform.h"
#include "state/view_state.h"

namespace pyk {

namespace {

// One shown colour: its label, the control ids of swatch and button (which
// name them and give the buttons' tab order) and its colour entry.
struct ColorRow {
  const char* label;
  const char* name;
  int swatchId;
  int buttonId;
  int entry;
};

// Top to bottom; the last row has a group box of its own.
constexpr ColorRow kRows[7] = {
    {dlg::kFrameColor, "FrameColor", 1006, 1013, 4},
    {dlg::kFontColor, "FontColor", 1007, 1014, 3},
    {dlg::kNegativeColor, "NegativeColor", 1008, 1015, 2},
    {dlg::kPositiveColor, "PositiveColor", 1009, 1016, 1},
    {dlg::kContourBackColor, "ContourBackColor", 1010, 1017, 0},
    {dlg::kMeshColor, "MeshColor", 1005, 1012, 6},
    {dlg::kBackColor, "BackColor", 1011, 1018, 7},
};

// A swatch: the entry's colour inside a black frame, read at every paint.
class Swatch : public QWidget {
 public:
  Swatch(const CColorSettingDlg* dlg, int entry, QWidget* parent) : QWidget(parent), m_pDlg(dlg), m_nEntry(entry) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), m_pDlg->EntryColor(m_nEntry));
  }

 private:
  const CColorSettingDlg* m_pDlg;
  int m_nEntry;
};

// A colour component as the dialog's 8-bit copy: times 255 in double, truncated.
int32_t ToByteComponent(float c) { return TruncateToInt(static_cast<double>(c) * 255.0); }

}  // namespace

bool PickColorWithDialog(QColor initial, QWidget* parent, QColor* chosen) {
  const QColor c = QColorDialog::getColor(initial, parent);
  if (!c.isValid()) return false;
  *chosen = c.toRgb();
  return true;
}

CColorSettingDlg::CColorSettingDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(dlg::kColorCaption));

  auto* groupColors = new QGroupBox(this);
  groupColors->setObjectName(QStringLiteral("groupColors"));
  auto* groupBack = new QGroupBox(this);
  groupBack->setObjectName(QStringLiteral("groupBackground"));
  auto* gridColors = new QGridLayout(groupColors);
  auto* gridBack = new QGridLayout(groupBack);

  QPushButton* byId[7];  // the "....." buttons by control id from 1012
  for (int r = 0; r < 7; ++r) {
    const ColorRow& row = kRows[r];
    QGroupBox* group = r < 6 ? groupColors : groupBack;
    QGridLayout* grid = r < 6 ? gridColors : gridBack;
    const int line = r < 6 ? r : 0;
    const QByteArray name(row.name);
    QLabel* label = MakeLabel(group, row.label, ("label" + name).constData(), row.entry == 0 ? 81 : 72);
    auto* swatch = new Swatch(this, row.entry, group);
    swatch->setObjectName(QStringLiteral("swatch%1").arg(row.swatchId));
    swatch->setFixedSize(DluX(this, 13), DluY(this, 13));
    QPushButton* button = MakeButton(group, dlg::kPickButton, ("button" + name).constData(), 13, 11);
    byId[row.buttonId - 1012] = button;
    const int entry = row.entry;
    connect(button, &QPushButton::clicked, this, [this, entry] { OnPickColor(entry); });
    grid->addWidget(label, line, 0);
    grid->addWidget(swatch, line, 1);
    grid->addWidget(button, line, 2);
  }

  auto* groupWidth = new QGroupBox(this);
  groupWidth->setObjectName(QStringLiteral("groupLineWidth"));
  auto* rowWidth = new QHBoxLayout(groupWidth);
  rowWidth->addWidget(MakeLabel(groupWidth, dlg::kLineWidth, "labelLineWidth", 64));
  rowWidth->addStretch(1);
  m_spinLineWidth = new SpinEdit(groupWidth);
  m_spinLineWidth->setObjectName(QStringLiteral("spinLineWidth"));
  m_editLineWidth = m_spinLineWidth->LineEdit();
  m_editLineWidth->setObjectName(QStringLiteral("editLineWidth"));
  m_editLineWidth->setFixedSize(DluX(this, 36 - 9), DluY(this, 12));
  rowWidth->addWidget(m_spinLineWidth);
  connect(m_spinLineWidth, &SpinEdit::Stepped, this, &CColorSettingDlg::OnSpinLineWidth);

  MakeOkCancel(this, 38, 38, &m_buttonOk, &m_buttonCancel);

  auto* column = new QVBoxLayout(this);
  column->addWidget(groupColors);
  column->addWidget(groupBack);
  column->addWidget(groupWidth);
  column->addLayout(ButtonRow(m_buttonOk, m_buttonCancel));
  column->setSizeConstraint(QLayout::SetFixedSize);

  // Tab order: OK, Cancel, the "....." buttons by control id, the edit.
  setTabOrder(m_buttonOk, m_buttonCancel);
  QWidget* previous = m_buttonCancel;
  for (QPushButton* b : byId) {
    setTabOrder(previous, b);
    previous = b;
  }
  setTabOrder(previous, m_editLineWidth);
}

void CColorSettingDlg::setVisible(bool visible) {
  if (visible && !isVisible()) OnInitDialog();
  QDialog::setVisible(visible);
}

void CColorSettingDlg::OnInitDialog() {
  m_spinLineWidth->SetRange(0, 100);
  // The product in double: 0.9f, just below 0.9, gives 8 (in float it would round to 9).
  m_spinLineWidth->SetPosition(TruncateToInt(static_cast<double>(m_fLineWidth) * 10.0));
  m_editLineWidth->setText(FormatFloat(dlg::kLineWidthFormat, m_fLineWidth));
  m_buttonOk->setFocus();
}

void CColorSettingDlg::OnPickColor(int entry) {
  QColor chosen;
  if (!m_pfnPickColor(EntryColor(entry), this, &chosen)) return;
  m_anRed[entry] = chosen.red();
  m_anGreen[entry] = chosen.green();
  m_anBlue[entry] = chosen.blue();
  update();  // the swatches with the rest of the dialog
}

void CColorSettingDlg::OnSpinLineWidth(int position) {
  m_fLineWidth = static_cast<float>(static_cast<unsigned>(position)) / 10.0f;
  m_editLineWidth->setText(FormatFloat(dlg::kLineWidthFormat, m_fLineWidth));
}

QColor CColorSettingDlg::EntryColor(int entry) const {
  return QColor(m_anRed[entry] & 0xFF, m_anGreen[entry] & 0xFF, m_anBlue[entry] & 0xFF);
}

void CColorSettingDlg::accept() {
  const QString text = m_editLineWidth->text();
  if (!text.isEmpty()) ScanFloat(text, &m_fLineWidth);
  QDialog::accept();
}

void OnSetColor(ViewState& s, Platform& p, QWidget* parent) {
  CColorSettingDlg dlg(parent);
  for (int i = 0; i < 8; ++i) {
    dlg.m_anRed[i] = ToByteComponent(s.m_afColor[i][0]);
    dlg.m_anGreen[i] = ToByteComponent(s.m_afColor[i][1]);
    dlg.m_anBlue[i] = ToByteComponent(s.m_afColor[i][2]);
  }
  dlg.m_fLineWidth = s.m_fLineWidth;
  if (dlg.exec() != QDialog::Accepted) return;
  for (int i = 0; i < 8; ++i) {
    s.m_afColor[i][0] = static_cast<float>(dlg.m_anRed[i]) / 255.0f;
    s.m_afColor[i][1] = static_cast<float>(dlg.m_anGreen[i]) / 255.0f;
    s.m_afColor[i][2] = static_cast<float>(dlg.m_anBlue[i]) / 255.0f;
  }
  s.m_fLineWidth = dlg.m_fLineWidth;
  p.Invalidate();
}

}  // namespace pyk
