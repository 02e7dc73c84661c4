#include "gamefile/StandAlone.h"

#include "bundle/RuntimeHeader.h"
#include "gamefile/FileReplacement.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

template <class T> T Little(const QByteArray &bytes, int at) {
  T value = 0;
  for (int i = int(sizeof(T)) - 1; i >= 0; --i)
    value = T(value << 8) | T(quint8(bytes[at + i]));
  return value;
}

QString Name(const QString &path) { return QFileInfo(path).fileName(); }

// Copies count bytes from the current position of `from` to `to`.
bool CopyBytes(QFile &from, QFile &to, qint64 count) {
  char buffer[1 << 16];
  while (count > 0) {
    const qint64 chunk = from.read(buffer, std::min<qint64>(count, sizeof buffer));
    if (chunk <= 0 || to.write(buffer, chunk) != chunk)
      return false;
    count -= chunk;
  }
  return true;
}

// The end of the ELF file as the linker wrote it.
TResult<qint64> ElfEnd(QFile &file) {
  const QByteArray header = file.read(64);
  if (header.size() < 64 ||
      !header.startsWith("\x7f"
                         "ELF") ||
      header[4] != 2 || header[5] != 1)
    return TStatus::Failure(
        QCoreApplication::translate("GameFile", "%1: not a 64-bit little-endian ELF program")
            .arg(Name(file.fileName())));
  const qint64 sections = qint64(Little<quint64>(header, 0x28));
  const qint64 entrySize = Little<quint16>(header, 0x3A);
  const qint64 entries = Little<quint16>(header, 0x3C);
  const qint64 end = sections + entrySize * entries;
  if (sections <= 0 || end > file.size())
    return TStatus::Failure(
        QCoreApplication::translate("GameFile", "%1: its section table lies outside the file")
            .arg(Name(file.fileName())));
  return end;
}

// The game in program: its start and its bytes.
TResult<QByteArray> CarriedGame(QFile &program, qint64 &base) {
  const TResult<qint64> start = ExecutableBaseSize(program.fileName());
  if (!start.Ok())
    return start.Status();
  base = start.Value();
  if (program.size() <= base)
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: carries no game")
                                .arg(Name(program.fileName())));
  if (!program.seek(base))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be read")
                                .arg(Name(program.fileName())));
  const QByteArray game = program.readAll();
  if (game.size() != program.size() - base)
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be read (%2)")
                                .arg(Name(program.fileName()), program.errorString()));
  return game;
}

// Writes prefixSize bytes of `from` and then the game to target, replacing it durably.
TStatus WriteProgram(QFile &from, qint64 prefixSize, const QByteArray &game, const QString &target,
                     QFile::Permissions permissions) {
  TFileReplacement out(target, permissions);
  if (const TStatus opened = out.Open(); !opened.Ok())
    return opened;
  if (!from.seek(0) || !CopyBytes(from, out.File(), prefixSize) ||
      out.File().write(game) != game.size())
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be written (%2)")
                                .arg(Name(target), out.File().errorString()));
  return out.Commit();
}

} // namespace

TResult<qint64> ExecutableBaseSize(const QString &executable) {
  QFile file(executable);
  if (!file.open(QIODevice::ReadOnly))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be read (%2)")
                                .arg(Name(executable), file.errorString()));
  const TResult<qint64> end = ElfEnd(file);
  if (!end.Ok())
    return end;
  file.seek(end.Value());
  const QByteArray header = file.read(QB_RUNTIME_HEADER_SIZE);
  if (header.size() < QB_RUNTIME_HEADER_SIZE ||
      !header.startsWith(QByteArray(QB_RUNTIME_MAGIC, QB_RUNTIME_MAGIC_SIZE)))
    return end; // a plain program
  const qint64 payload = qint64(Little<quint64>(header, QB_RUNTIME_MAGIC_SIZE));
  const qint64 base = end.Value() + QB_RUNTIME_HEADER_SIZE + payload;
  if (payload < 0 || base > file.size())
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: its runtime is cut short")
                                .arg(Name(executable)));
  return base;
}

TGameSource GameIn(const QString &path) {
  // Anything but a plain file (a FIFO would block the look inside) is the reader's to refuse.
  if (!QFileInfo(path).isFile())
    return path;
  const TResult<qint64> base = ExecutableBaseSize(path);
  const qint64 size = QFileInfo(path).size();
  if (!base.Ok() || base.Value() >= size)
    return path;
  return TGameSource::Range(path, base.Value(), size - base.Value());
}

TStatus MakeStandAlone(const QString &runtime, const QString &gameFile, const QString &target) {
  const TResult<qint64> base = ExecutableBaseSize(runtime);
  if (!base.Ok())
    return base.Status();
  QFile game(gameFile);
  if (!game.open(QIODevice::ReadOnly))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be read (%2)")
                                .arg(Name(gameFile), game.errorString()));
  const QByteArray bytes = game.readAll();
  QFile source(runtime);
  if (bytes.size() != game.size() || !source.open(QIODevice::ReadOnly))
    return TStatus::Failure(
        QCoreApplication::translate("GameFile", "%1: cannot be read").arg(Name(gameFile)));
  return WriteProgram(source, base.Value(), bytes, target,
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

TStatus UnpackStandAlone(const QString &program, const QString &gamePath) {
  QFile source(program);
  if (!source.open(QIODevice::ReadOnly))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be read (%2)")
                                .arg(Name(program), source.errorString()));
  qint64 base = 0;
  const TResult<QByteArray> game = CarriedGame(source, base);
  if (!game.Ok())
    return game.Status();
  QFile out(gamePath);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(game.Value()) != game->size() || !out.flush())
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be written (%2)")
                                .arg(Name(gamePath), out.errorString()));
  return TStatus::Success();
}

TStatus RepackStandAlone(const QString &program, const QString &gamePath) {
  QFile source(program), game(gamePath);
  if (!source.open(QIODevice::ReadOnly) || !game.open(QIODevice::ReadOnly))
    return TStatus::Failure(
        QCoreApplication::translate("GameFile", "%1: the game could not be written back")
            .arg(Name(program)));
  qint64 base = 0;
  const TResult<QByteArray> carried = CarriedGame(source, base);
  const QByteArray played = game.readAll();
  if (!carried.Ok())
    return carried.Status();
  if (carried.Value() == played)
    return TStatus::Success(); // nothing changed: the program is left untouched
  return WriteProgram(source, base, played, program, QFileInfo(program).permissions());
}
