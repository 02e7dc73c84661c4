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
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString TemporaryPath(const QString &target, qint64 processId, const char *kind = "new") {
  const QFileInfo info(target);
  return info.absolutePath() +
         QStringLiteral("/.%1.%2.%3").arg(info.fileName()).arg(processId).arg(kind);
}

QString Reason() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Makes target's bytes those of copy, in target's own inode: only the blocks that differ are
// written, then the length is set and the data synced.
TStatus WriteInto(const QString &copy, const QString &target) {
  QFile from(copy), to(target);
  if (!from.open(QIODevice::ReadOnly))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be read (%2)")
                                .arg(copy, from.errorString()));
  if (!to.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be written (%2)")
                                .arg(target, to.errorString()));
  constexpr qint64 Block = 1 << 16;
  for (qint64 at = 0; at < from.size(); at += Block) {
    const QByteArray wanted = from.read(Block);
    const QByteArray there = to.read(wanted.size());
    if (wanted.isEmpty())
      return TStatus::Failure(
          QCoreApplication::translate("GameFile", "%1: cannot be read").arg(copy));
    if (there != wanted && (!to.seek(at) || to.write(wanted) != wanted.size() || !to.flush()))
      return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be written (%2)")
                                  .arg(target, to.errorString()));
    to.seek(at + wanted.size());
  }
  if (!to.resize(from.size()) || !to.flush() || ::fsync(to.handle()) != 0)
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be written (%2)")
                                .arg(target, to.errorString()));
  return TStatus::Success();
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
    return TStatus::Failure(
        QCoreApplication::translate("GameFile", "%1: cannot be synced (%2)").arg(folder, reason));
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
  return TStatus::Failure(
      QCoreApplication::translate("GameFile", "%1: %2").arg(QFileInfo(Target).fileName(), what));
}

TStatus TFileReplacement::Open() {
  if (!Temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly))
    return Fail(QCoreApplication::translate("GameFile", "cannot write %1 (%2)")
                    .arg(Temporary.fileName(), Temporary.errorString()));
  Temporary.setPermissions(Permissions);
  return TStatus::Success();
}

TStatus TFileReplacement::Commit() {
  struct stat old {};
  const bool exists = ::stat(QFile::encodeName(Target).constData(), &old) == 0;
  if (exists) {
    // As the old file had them where the user may say so: root, or a group of the user's.
    if (::fchown(Temporary.handle(), old.st_uid, old.st_gid) != 0)
      (void)!::fchown(Temporary.handle(), uid_t(-1), old.st_gid);
    // A change of owner takes the set-id bits away: the permissions go on again afterwards.
    Temporary.setPermissions(Permissions);
  }
  if (!Temporary.flush())
    return Fail(
        QCoreApplication::translate("GameFile", "write failed (%1)").arg(Temporary.errorString()));
  // Qt knows nothing of a failed sync (a full disk or quota can show only here): its error
  // string would say "Unknown error".
  if (::fsync(Temporary.handle()) != 0)
    return Fail(QCoreApplication::translate("GameFile", "write failed (%1)")
                    .arg(QString::fromLocal8Bit(std::strerror(errno))));
  Temporary.close();
  if (exists && S_ISREG(old.st_mode) && old.st_nlink > 1)
    return CommitInPlace();
  if (std::rename(QFile::encodeName(Temporary.fileName()).constData(),
                  QFile::encodeName(Target).constData()) != 0) {
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    Temporary.remove();
    return Fail(QCoreApplication::translate("GameFile", "cannot be replaced (%1)").arg(reason));
  }
  Committed = true;
  return SyncFolderOf(Target);
}

// The copy is complete and on disk under its own name before the file is touched: a write cut
// short is finished from it by the next start.
TStatus TFileReplacement::CommitInPlace() {
  // A file that cannot be written is left alone, and no copy is left to be written in later.
  if (QFile probe(Target); !probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
    Temporary.remove();
    return Fail(QCoreApplication::translate(
                    "GameFile", "cannot be written (%1), and its other links keep it from being "
                                "replaced")
                    .arg(probe.errorString()));
  }
  const QString copy = TemporaryPath(Target, QCoreApplication::applicationPid(), "inplace");
  if (std::rename(QFile::encodeName(Temporary.fileName()).constData(),
                  QFile::encodeName(copy).constData()) != 0) {
    const QString reason = Reason();
    Temporary.remove();
    return Fail(QCoreApplication::translate("GameFile", "cannot be written (%1)").arg(reason));
  }
  Committed = true;
  if (const TStatus synced = SyncFolderOf(Target); !synced.Ok()) {
    QFile::remove(copy);
    return synced;
  }
  const TStatus written = WriteInto(copy, Target);
  if (!written.Ok()) // what is not written yet waits in the copy for the next start
    return written;
  QFile::remove(copy);
  return SyncFolderOf(Target);
}

void TFileReplacement::RemoveLeftovers(const QString &target) {
  const QFileInfo info(target);
  const QRegularExpression leftover(QStringLiteral("^\\.%1\\.(\\d+)\\.(new|inplace)$")
                                        .arg(QRegularExpression::escape(info.fileName())));
  QDir folder(info.absolutePath());
  for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
    const QRegularExpressionMatch match = leftover.match(name);
    if (!match.hasMatch() || ProcessRuns(match.captured(1).toLongLong()))
      continue;
    // A copy that was being written in: finished first, kept while it cannot be.
    if (match.captured(2) == "inplace" && !WriteInto(folder.filePath(name), target).Ok())
      continue;
    folder.remove(name);
  }
}
