#include "gamefile/FileReplacement.h"

#include "gamefile/ProcessRuns.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString TemporaryPath(const QString &target, qint64 processId) {
  const QFileInfo info(target);
  return info.absolutePath() + QStringLiteral("/.%1.%2.new").arg(info.fileName()).arg(processId);
}

} // namespace

TStatus SyncFolderOf(const QString &path) {
  const QString folder = QFileInfo(path).absolutePath();
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const bool synced = fd >= 0 && ::fsync(fd) == 0;
  const QString reason = QString::fromLocal8Bit(std::strerror(errno));
  if (fd >= 0)
    ::close(fd);
  if (!synced)
    return TStatus::Failure(QStringLiteral("%1: cannot be synced (%2)").arg(folder, reason));
  return TStatus::Success();
}

TFileReplacement::TFileReplacement(const QString &target, QFile::Permissions permissions)
    : Target(QFileInfo(target).absoluteFilePath()), Permissions(permissions),
      Temporary(TemporaryPath(Target, QCoreApplication::applicationPid())) {}

TFileReplacement::~TFileReplacement() {
  if (!Committed && Temporary.isOpen()) {
    Temporary.close();
    Temporary.remove();
  }
}

TStatus TFileReplacement::Fail(const QString &what) const {
  return TStatus::Failure(QStringLiteral("%1: %2").arg(QFileInfo(Target).fileName(), what));
}

TStatus TFileReplacement::Open() {
  if (!Temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly))
    return Fail(
        QStringLiteral("cannot write %1 (%2)").arg(Temporary.fileName(), Temporary.errorString()));
  Temporary.setPermissions(Permissions);
  return TStatus::Success();
}

TStatus TFileReplacement::Commit() {
  if (!Temporary.flush())
    return Fail(QStringLiteral("write failed (%1)").arg(Temporary.errorString()));
  // Qt knows nothing of a failed sync (a full disk or quota can show only here): its error
  // string would say "Unknown error".
  if (::fsync(Temporary.handle()) != 0)
    return Fail(
        QStringLiteral("write failed (%1)").arg(QString::fromLocal8Bit(std::strerror(errno))));
  Temporary.close();
  if (std::rename(QFile::encodeName(Temporary.fileName()).constData(),
                  QFile::encodeName(Target).constData()) != 0) {
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    Temporary.remove();
    return Fail(QStringLiteral("cannot be replaced (%1)").arg(reason));
  }
  Committed = true;
  return SyncFolderOf(Target);
}

void TFileReplacement::RemoveLeftovers(const QString &target) {
  const QFileInfo info(target);
  const QRegularExpression leftover(
      QStringLiteral("^\\.%1\\.(\\d+)\\.new$").arg(QRegularExpression::escape(info.fileName())));
  QDir folder(info.absolutePath());
  for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
    const QRegularExpressionMatch match = leftover.match(name);
    if (match.hasMatch() && !ProcessRuns(match.captured(1).toLongLong()))
      folder.remove(name);
  }
}
