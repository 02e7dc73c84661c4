#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString InstalledDataFolder(const QString &programPath) {
  return QDir::cleanPath(QFileInfo(programPath).absolutePath() + "/../share/quarrybox") + '/';
}

} // namespace

bool IsInstalled(const QString &programPath) {
  return QFileInfo(InstalledDataFolder(programPath) + "Games").isDir();
}

QString DataFolder(const QString &programPath) {
  return IsInstalled(programPath) ? InstalledDataFolder(programPath)
                                  : QFileInfo(programPath).absolutePath() + '/';
}

QImage FolderPicture(const QString &path) {
  return QFileInfo(path).isFile() ? QImage(path) : QImage();
}
