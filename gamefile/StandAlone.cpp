#include "gamefile/StandAlone.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

template <class T> T Little(const QByteArray &bytes, int at) {
  T value = 0;
  for (int i = int(sizeof(T)) - 1; i >= 0; --i)
    value = T(value << 8) | T(quint8(bytes[at + i]));
  return value;
}

QString Name(const QString &path) { return QFileInfo(path).fileName(); }

// Copies from the start of `from` to `to`, `count` bytes, then closes both.
bool CopyBytes(QFile &from, QFile &to, qint64 count) {
  char buffer[1 << 16];
  while (count > 0) {
    const qint64 chunk = from.read(buffer, std::min<qint64>(count, sizeof buffer));
    if (chunk <= 0 || to.write(buffer, chunk) != chunk)
      return false;
    count -= chunk;
  }
  return to.flush();
}

QString Quoted(const QString &path) {
  QString escaped = path;
  escaped.replace('\'', "'\\''");
  return '\'' + escaped + '\'';
}

} // namespace

TResult<qint64> ExecutableBaseSize(const QString &executable) {
  QFile file(executable);
  if (!file.open(QIODevice::ReadOnly))
    return TStatus::Failure(Name(executable) + ": cannot be read (" + file.errorString() + ")");
  const QByteArray header = file.read(64);
  if (header.size() < 64 ||
      !header.startsWith("\x7f"
                         "ELF") ||
      header[4] != 2 || header[5] != 1)
    return TStatus::Failure(Name(executable) + ": not a 64-bit little-endian ELF program");
  const qint64 sections = qint64(Little<quint64>(header, 0x28));
  const qint64 entrySize = Little<quint16>(header, 0x3A);
  const qint64 entries = Little<quint16>(header, 0x3C);
  const qint64 base = sections + entrySize * entries;
  if (sections <= 0 || base > file.size())
    return TStatus::Failure(Name(executable) + ": its section table lies outside the file");
  return base;
}

TStatus MakeStandAlone(const QString &program, const QString &gameFile, const QString &target) {
  const TResult<qint64> base = ExecutableBaseSize(program);
  if (!base.Ok())
    return base.Status();
  QFile game(gameFile);
  if (!game.open(QIODevice::ReadOnly))
    return TStatus::Failure(Name(gameFile) + ": cannot be read (" + game.errorString() + ")");
  QFile source(program);
  QFile out(target);
  if (!source.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      !CopyBytes(source, out, base.Value()) || !CopyBytes(game, out, game.size())) {
    const QString reason = out.errorString();
    out.close();
    QFile::remove(target);
    return TStatus::Failure(Name(target) + ": cannot be written (" + reason + ")");
  }
  out.close();
  out.setPermissions(out.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
  return TStatus::Success();
}

TStatus UnpackStandAlone(const QString &program, const QString &copyPath, const QString &gamePath) {
  const TResult<qint64> base = ExecutableBaseSize(program);
  if (!base.Ok())
    return base.Status();
  QFile source(program);
  if (!source.open(QIODevice::ReadOnly))
    return TStatus::Failure(Name(program) + ": cannot be read");
  if (source.size() <= base.Value())
    return TStatus::Failure(Name(program) + ": carries no game");
  QFile::remove(copyPath);
  QFile copy(copyPath);
  if (!copy.open(QIODevice::WriteOnly) || !CopyBytes(source, copy, source.size()))
    return TStatus::Failure(Name(copyPath) + ": cannot be written");
  copy.close();
  QFile game(gamePath);
  if (!source.seek(base.Value()) || !game.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      !CopyBytes(source, game, source.size() - base.Value()))
    return TStatus::Failure(Name(gamePath) + ": cannot be written");
  return TStatus::Success();
}

TStatus RepackStandAlone(const QString &copyPath, const QString &gamePath) {
  const TResult<qint64> base = ExecutableBaseSize(copyPath);
  if (!base.Ok())
    return base.Status();
  QFile game(gamePath);
  QFile copy(copyPath);
  if (!game.open(QIODevice::ReadOnly) || !copy.open(QIODevice::ReadWrite) ||
      !copy.resize(base.Value()) || !copy.seek(base.Value()) || !CopyBytes(game, copy, game.size()))
    return TStatus::Failure(Name(copyPath) + ": the game could not be written back");
  return TStatus::Success();
}

QString UpdateScript(qint64 programPid, const QString &program, const QString &copyPath,
                     const QString &gamePath, const QString &scriptPath) {
  return QStringLiteral(
             "#!/bin/sh\n"
             "# Waits up to a minute for the game to end, then keeps its new scores.\n"
             "i=0\n"
             "while kill -0 %1 2>/dev/null && [ $i -lt 600 ]; do sleep 0.1; i=$((i+1)); done\n"
             "if ! kill -0 %1 2>/dev/null; then\n"
             "  cp %2 %3.new && chmod 755 %3.new && mv -f %3.new %3\n"
             "fi\n"
             "rm -f %2 %4 %5\n")
      .arg(programPid)
      .arg(Quoted(copyPath), Quoted(program), Quoted(gamePath), Quoted(scriptPath));
}
