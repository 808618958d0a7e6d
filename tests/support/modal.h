// Answering a modal dialog from inside the test that opens it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace pyk {

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

}  // namespace pyk
