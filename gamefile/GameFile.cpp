#include "gamefile/GameFile.h"

#include "gamefile/FileReplacement.h"
#include "gamefile/GameFileReader.h"
#include "gamefile/GameFileWriter.h"
#include "gamefile/WriteAll.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

TStatus ReadGameHeader(const TGameSource &game, TGameData &data) {
  TResult<TIndexedGame> opened = OpenIndexed(game);
  if (!opened.Ok())
    return opened.Status();
  const TGameIndex &index = opened->Index;
  index.Header.ApplyTo(data);
  return TStatus::Success();
}

TStatus WriteGameFile(const QString &path, const TGameData &data) {
  const QString name = QFileInfo(path).fileName();
  auto fail = [&](const QString &what) {
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: %2").arg(name, what));
  };
  // QSaveFile renames only after everything is written; but its commit() has been seen to succeed
  // after a short write on a full disk, so every write and the flush are checked here as well.
  // Unbuffered, a failing write fails at once, with the system's reason.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return fail(
        QCoreApplication::translate("GameFile", "cannot save (%1)").arg(file.errorString()));
  TStatus status = TGameFileWriter(data, name).Write(file);
  if (status.Ok() && !file.flush())
    status =
        fail(QCoreApplication::translate("GameFile", "write failed (%1)").arg(file.errorString()));
  if (!status.Ok()) {
    file.cancelWriting();
    file.commit(); // discards the temporary file
    return status;
  }
  if (!file.commit())
    return fail(QCoreApplication::translate("GameFile", "cannot replace the file (%1)")
                    .arg(file.errorString()));
  // The commit synced the file before its rename; the folder holds the rename.
  return SyncFolderOf(path);
}

TStatus WriteScoreTable(const TGameSource &game, const TGameData &data) {
  TResult<TGameFileReader> reader =
      TGameFileReader::Open(game, QIODevice::ReadWrite | QIODevice::ExistingOnly);
  if (!reader.Ok())
    return reader.Status();
  // Reading the header checks that the whole table lies inside the game.
  TResult<TGameHeader> header = reader->ReadHeader();
  if (!header.Ok())
    return header.Status();

  const QByteArray table = TGameFileWriter::ScoreTableBytes(data.Scores);
  QIODevice &file = reader->Device();
  const qint64 at = header->ScoreTableOffset;
  if (!file.seek(reader->Base() + at) || !WriteAll(file, table))
    return reader->Fail(QCoreApplication::translate(
                            "GameFile", "cannot write the high-score table at offset %1 (%2)")
                            .arg(at)
                            .arg(file.errorString()));
  return TStatus::Success();
}
