// The version dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "dialogs/about_dialog.h"
#include "modal.h"

namespace pyk {
namespace {

TEST(About, FixedTextsIconAndBothWaysToClose) {
  QPixmap red(32, 32);
  red.fill(Qt::red);
  QApplication::setWindowIcon(QIcon(red));
  // Twice in a row, closed once with OK and once with Escape.
  for (bool escape : {false, true}) {
    bool seen = false;
    test::WhenModal<CAboutDlg>([&](CAboutDlg& d) {
      seen = true;
      EXPECT_EQ(d.windowTitle().toStdString(), "Version of Pyknoscope");
      EXPECT_EQ(d.m_stcVersion->text().toStdString(), "Pyknoscope Version 1.0");
      EXPECT_EQ(d.m_buttonOk->text().toStdString(), "OK");
      EXPECT_EQ(d.focusWidget(), d.m_buttonOk);
      const QImage icon = d.m_stcIcon->pixmap().toImage();
      ASSERT_FALSE(icon.isNull());
      EXPECT_EQ(icon.pixelColor(16, 16), QColor(Qt::red));
      escape ? QTest::keyClick(&d, Qt::Key_Escape) : QTest::mouseClick(d.m_buttonOk, Qt::LeftButton);
    });
    ShowAboutDialog(nullptr);
    EXPECT_TRUE(seen);
  }
  QApplication::setWindowIcon(QIcon());
  CAboutDlg plain{QIcon()};
  EXPECT_TRUE(plain.m_stcIcon->pixmap().isNull());
}

}  // namespace
}  // namespace pyk
