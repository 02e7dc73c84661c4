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

QString StandAloneRuntime(const QString &programPath) {
  const QString folder = QFileInfo(programPath).absolutePath();
  return IsInstalled(programPath) ? QDir::cleanPath(folder + "/../lib/quarrybox/quarrybox-runtime")
                                  : folder + "/quarrybox-runtime";
}

QString DataFolder(const QString &programPath) {
  return IsInstalled(programPath) ? InstalledDataFolder(programPath)
                                  : QFileInfo(programPath).absolutePath() + '/';
}

QImage FolderPicture(const QString &path) {
  return QFileInfo(path).isFile() ? QImage(path) : QImage();
}
