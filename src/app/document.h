// The document: it reads and writes nothing; it keeps the path of the file
// last opened through it and the list of the 4 most recent ones in the
// user's settings (not shown in any menu).
#pragma once

#include <QString>
#include <QStringList>

namespace pyk {

class CPyknoscopeDoc {
 public:
  static constexpr int kRecentFiles = 4;

  // Opens a file as the document: true when it can be read; the path is then
  // recorded and put first in the recent-file list.
  bool OnOpenDocument(const QString& path);
  const QString& pathName() const { return path_; }
  QStringList RecentFiles() const;

 private:
  QString path_;
};

}  // namespace pyk
