// Test helpers of the dialogs: driving a modal dialog from inside its own
// event loop, walking its tab order with the keyboard, printing colours.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Colours in failure messages as r,g,b.
inline void PrintTo(const QColor& c, std::ostream* os) { *os << c.red() << ',' << c.green() << ',' << c.blue(); }

namespace pyk::test {

// Runs act on the dialog of type Dlg once it is the active modal window; a
// dialog that act leaves open counts as a failure and is cancelled, so a
// test never hangs.
template <class Dlg>
void WhenModal(std::function<void(Dlg&)> act) {
  QTimer::singleShot(0, [act] {
    auto* d = qobject_cast<Dlg*>(QApplication::activeModalWidget());
    if (d == nullptr) {
      ADD_FAILURE() << "no modal dialog of the expected type";
      if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
      return;
    }
    act(*d);
    if (d->isVisible()) {
      ADD_FAILURE() << "the dialog is still open";
      d->reject();
    }
  });
}

// Shows dlg, waits until it has the keyboard and returns the object names
// of the focus widget and of count - 1 more widgets that Tab moves to.
inline std::vector<std::string> TabVisits(QDialog& dlg, int count) {
  std::vector<std::string> names;
  dlg.show();
  dlg.activateWindow();
  if (!QTest::qWaitForWindowActive(&dlg)) {
    ADD_FAILURE() << "the dialog never became active";
    return names;
  }
  for (int i = 0; i < count; ++i) {
    QWidget* w = QApplication::focusWidget();
    names.push_back(w != nullptr ? w->objectName().toStdString() : std::string("(none)"));
    QTest::keyClick(w != nullptr ? w : &dlg, Qt::Key_Tab);
  }
  dlg.hide();
  return names;
}

}  // namespace pyk::test
