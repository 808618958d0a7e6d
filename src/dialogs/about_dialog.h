// The version dialog: the application icon, the version line and OK.
#pragma once

#include <QDialog>

class QIcon;
class QLabel;
class QPushButton;

namespace pyk {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  // icon is the application's; a null icon leaves its place empty.
  explicit CAboutDlg(const QIcon& icon, QWidget* parent = nullptr);

  QLabel* m_stcIcon;
  QLabel* m_stcVersion;
  QPushButton* m_buttonOk;
};

// Shows the version dialog modally with the application's window icon.
void ShowAboutDialog(QWidget* parent);

}  // namespace pyk
