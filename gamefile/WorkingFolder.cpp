#include "gamefile/WorkingFolder.h"

#include "gamefile/ProcessRuns.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void RemoveFoldersOfEndedProcesses(const QDir &parent) {
  for (const QString &name : parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    bool isNumber = false;
    const qint64 owner = name.toLongLong(&isNumber);
    if (isNumber && !ProcessRuns(owner))
      QDir(parent.filePath(name)).removeRecursively();
  }
}

} // namespace

QString TWorkingFolder::DefaultBase() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
    return runtime;
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
}

TWorkingFolder::TWorkingFolder(const QString &base, qint64 processId) {
  const QString parentPath = QDir(base).filePath(QStringLiteral("quarrybox"));
  QDir().mkpath(parentPath);
  QFile::setPermissions(parentPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QDir parent(parentPath);
  RemoveFoldersOfEndedProcesses(parent);
  FolderPath = parent.filePath(QString::number(processId)) + '/';
  // A folder of this id left by an earlier process that had the same id: start it empty.
  QDir(FolderPath).removeRecursively();
  parent.mkdir(QString::number(processId), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TWorkingFolder::~TWorkingFolder() { QDir(FolderPath).removeRecursively(); }
