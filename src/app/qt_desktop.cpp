// Message boxes, dialogs, the text viewer and the mesh program's run on Qt.
#include "app/qt_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "app/app_messages.h"
#include "app/view.h"
#include "dialogs/contour_conditions_dialog.h"

namespace pyk {

void QtDesktop::ShowMessage(const char* text) {
  QMessageBox::warning(view_ != nullptr ? view_->window() : nullptr, msg::kAppTitle, QString::fromLocal8Bit(text),
                       QMessageBox::Ok);
}

bool QtDesktop::AskContourConditions(float& f000, int& levels) {
  return AskContourConditionsDialog(view_, f000, levels);
}

void QtDesktop::Invalidate() {
  if (view_ != nullptr) view_->update();
}

bool QtDesktop::RunProgramAndWait(const char* exe, const char* folder) {
  QProcess p;
  p.setWorkingDirectory(QString::fromLocal8Bit(folder));
  p.setProcessChannelMode(QProcess::ForwardedChannels);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  p.start(QString::fromLocal8Bit(exe), {});
  bool ok = p.waitForStarted(kMeshTimeoutMs) && p.waitForFinished(kMeshTimeoutMs);
  if (!ok && p.state() != QProcess::NotRunning) {
    p.kill();
    p.waitForFinished(1000);
  }
  QApplication::restoreOverrideCursor();
  return ok && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

std::string QtDesktop::AskMapFile() {
  QFileDialog dialog(view_, QString(), QString(), QString(msg::kMapFilter) + ";;" + msg::kCcp4Filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(msg::kMapSuffix);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toLocal8Bit().toStdString();
}

std::string QtDesktop::AskModelFile() {
  QFileDialog dialog(view_, QString(), QString(), msg::kModelFilter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toLocal8Bit().toStdString();
}

bool QtDesktop::StartTextViewer(const std::string& path) {
  return QProcess::startDetached("xdg-open", {QString::fromLocal8Bit(path.c_str())});
}

bool QtDesktop::StartBrowser(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(path.c_str())));
}

bool QtDesktop::AskOkCancel(const char* text) {
  return QMessageBox::warning(view_ != nullptr ? view_->window() : nullptr, msg::kAppTitle,
                              QString::fromLocal8Bit(text), QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Ok) == QMessageBox::Ok;
}

// Asks before an existing file is replaced, as the save dialog does by default.
std::string QtDesktop::AskBitmapFile(const std::string& defaultName) {
  QFileDialog dialog(view_, QString(), QString::fromLocal8Bit(defaultName.c_str()), msg::kBitmapFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(msg::kBitmapSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toLocal8Bit().toStdString();
}

void QtDesktop::Beep() { QApplication::beep(); }

void QtDesktop::ShowStatus(const char* text) {
  if (auto* view = qobject_cast<CPyknoscopeView*>(view_.data())) emit view->statusShown(QString::fromLocal8Bit(text));
}

}  // namespace pyk
