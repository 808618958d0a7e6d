// Dialog units, fixed-size buttons and labels, and the OK / Cancel pair and row.
#include "dialogs/dialog_layout.h"

#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_messages.h"

namespace pyk {

namespace {

// The average width of the 52 Latin letters, rounded.
int BaseX(const QWidget* w) {
  const QFontMetrics fm(w->font());
  return (fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) + 26) / 52;
}

}  // namespace

int DluX(const QWidget* w, int n) { return (n * BaseX(w) + 2) / 4; }

int DluY(const QWidget* w, int n) { return (n * QFontMetrics(w->font()).height() + 4) / 8; }

QPushButton* MakeButton(QWidget* parent, const char* text, const char* name, int w, int h) {
  auto* b = new QPushButton(QString::fromLatin1(text), parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setFixedSize(DluX(parent, w), DluY(parent, h));
  return b;
}

QLabel* MakeLabel(QWidget* parent, const char* text, const char* name, int w) {
  auto* l = new QLabel(QString::fromLatin1(text), parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setMinimumWidth(DluX(parent, w));
  return l;
}

void MakeOkCancel(QDialog* dialog, int okWidth, int cancelWidth, QPushButton** ok, QPushButton** cancel) {
  *ok = MakeButton(dialog, dlg::kOk, "buttonOk", okWidth, 14);
  (*ok)->setDefault(true);
  *cancel = MakeButton(dialog, dlg::kCancel, "buttonCancel", cancelWidth, 14);
  QObject::connect(*ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(*cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel) {
  auto* row = new QHBoxLayout;
  row->addWidget(ok);
  row->addStretch(1);
  row->addWidget(cancel);
  return row;
}

}  // namespace pyk
