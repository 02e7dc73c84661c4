#include "gamefile/WorkingFolder.h"

#include "gamefile/ProcessRuns.h"
#include "gamefile/RemovalOnSignal.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

const QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

void RemoveFoldersOfEndedProcesses(const QDir &parent) {
  for (const QString &name : parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    bool isNumber = false;
    const qint64 owner = name.toLongLong(&isNumber);
    if (isNumber && !ProcessRuns(owner))
      QDir(parent.filePath(name)).removeRecursively();
  }
}

// The temporary folder is shared by every user: only this user's own folders, never through a
// link.
void RemoveTemporaryFoldersOfEndedProcesses(const QDir &parent) {
  static const QRegularExpression name(QStringLiteral("^quarrybox-([0-9]+)-[A-Za-z0-9]{6}$"));
  for (const QFileInfo &entry : parent.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QRegularExpressionMatch match = name.match(entry.fileName());
    if (match.hasMatch() && !entry.isSymLink() && entry.ownerId() == ::getuid() &&
        !ProcessRuns(match.captured(1).toLongLong()))
      QDir(entry.filePath()).removeRecursively();
  }
}

bool MakePrivate(const QDir &parent, const QString &name) {
  return parent.mkdir(name, OwnerOnly) && QFileInfo(parent.filePath(name)).isWritable();
}

} // namespace

QString TWorkingFolder::DefaultBase() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
    return runtime;
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
}

TWorkingFolder::TWorkingFolder(const QString &base, qint64 processId)
    : TWorkingFolder(base, processId, QDir::tempPath()) {}

TWorkingFolder::TWorkingFolder(const QString &base, qint64 processId,
                               const QString &temporaryBase) {
  const QString parentPath = QDir(base).filePath(QStringLiteral("quarrybox"));
  QDir().mkpath(parentPath);
  QFile::setPermissions(parentPath, OwnerOnly);
  const QDir parent(parentPath);
  RemoveFoldersOfEndedProcesses(parent);
  const QString id = QString::number(processId);
  FolderPath = parent.filePath(id) + '/';
  // A folder of this id left by an earlier process that had the same id: start it empty.
  QDir(FolderPath).removeRecursively();
  if (MakePrivate(parent, id)) {
    RemovalOnSignal::Arm(FolderPath);
    return;
  }

  RemoveTemporaryFoldersOfEndedProcesses(QDir(temporaryBase));
  QTemporaryDir made(QDir(temporaryBase).filePath(QStringLiteral("quarrybox-%1-XXXXXX").arg(id)));
  if (!made.isValid())
    return;
  made.setAutoRemove(false); // the folder lives as long as this object
  FolderPath = made.path() + '/';
  RemovalOnSignal::Arm(FolderPath);
}

TWorkingFolder::~TWorkingFolder() { Remove(); }

void TWorkingFolder::Remove() {
  RemovalOnSignal::Disarm(FolderPath);
  QDir(FolderPath).removeRecursively();
}
