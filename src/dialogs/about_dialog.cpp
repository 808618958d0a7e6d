// The version dialog: icon, version line and OK.
#include "dialogs/about_dialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_messages.h"

namespace pyk {

CAboutDlg::CAboutDlg(const QIcon& icon, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(dlg::kAboutCaption));

  m_stcIcon = new QLabel(this);
  m_stcIcon->setObjectName(QStringLiteral("stcIcon"));
  m_stcIcon->setFixedSize(DluX(this, 20), DluY(this, 21));
  m_stcIcon->setAlignment(Qt::AlignCenter);
  if (!icon.isNull()) m_stcIcon->setPixmap(icon.pixmap(32, 32));
  m_stcVersion = MakeLabel(this, dlg::kAboutVersion, "stcVersion", 119);
  m_buttonOk = MakeButton(this, dlg::kOk, "buttonOk", 50, 14);
  m_buttonOk->setDefault(true);
  connect(m_buttonOk, &QPushButton::clicked, this, &QDialog::accept);

  auto* row = new QHBoxLayout(this);
  row->addWidget(m_stcIcon, 0, Qt::AlignTop);
  row->addSpacing(DluX(this, 9));
  row->addWidget(m_stcVersion, 0, Qt::AlignTop);
  row->addSpacing(DluX(this, 19));
  row->addWidget(m_buttonOk, 0, Qt::AlignTop);
  row->setSizeConstraint(QLayout::SetFixedSize);
  m_buttonOk->setFocus();
}

void ShowAboutDialog(QWidget* parent) {
  CAboutDlg dlg(QApplication::windowIcon(), parent);
  dlg.exec();
}

}  // namespace pyk
