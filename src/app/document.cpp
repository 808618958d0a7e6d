// The last opened path and the recent-file list kept in the user's settings.
#include "app/document.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "app/app_messages.h"

namespace pyk {

namespace {

constexpr const char* kRecentKey = "Recent File List/files";

QSettings Profile() { return QSettings(msg::kOrganisation, msg::kAppTitle); }

}  // namespace

bool CPyknoscopeDoc::OnOpenDocument(const QString& path) {
  QFile f(path);
  if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly)) return false;
  path_ = QFileInfo(path).absoluteFilePath();
  QStringList recent = RecentFiles();
  recent.removeAll(path_);
  recent.prepend(path_);
  while (recent.size() > kRecentFiles) recent.removeLast();
  QSettings settings = Profile();
  settings.setValue(kRecentKey, recent);
  return true;
}

QStringList CPyknoscopeDoc::RecentFiles() const {
  const QSettings settings = Profile();
  return settings.value(kRecentKey).toStringList();
}

}  // namespace pyk
