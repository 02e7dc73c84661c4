#include "gamefile/WorkingPictures.h"

#include "gamefile/GameFileLayout.h"
#include "gamefile/GameFileReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

using namespace GameFileLayout;

namespace {

QString SkinFileBase(TSkinKind kind) {
  switch (kind) {
  case SkinStart:
    return QStringLiteral("tps");
  case SkinPlaying:
    return QStringLiteral("tpp");
  case SkinGameOver:
    break;
  }
  return QStringLiteral("tpg");
}

QString AllPicturesFileBase(int record) {
  if (IsLevelRecord(record))
    return QStringLiteral("tpl%1").arg(record - SkinRecordCount);
  return SkinFileBase(TSkinKind(record));
}

QString TargetPath(const QString &folder, const QString &base, const TRecordInfo &record) {
  return QDir(folder).filePath(base + PictureExtension(record.Type));
}

// Creates (or truncates) target and copies the record's picture into it; a failed copy leaves no
// half-written file behind.
TStatus WritePicture(TGameFileReader &reader, const TRecordInfo &record, const QString &target) {
  QFile out(target);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return TStatus::Failure(
        QCoreApplication::translate("GameFile", "%1: cannot create the file (%2)")
            .arg(target, out.errorString()));
  TStatus status = reader.CopyPicture(record, out, target);
  // Qt keeps no reason for a failed flush ("Unknown error"); the system's is read at once.
  if (status.Ok() && !out.flush())
    status = TStatus::Failure(QCoreApplication::translate("GameFile", "%1: write failed (%2)")
                                  .arg(target, QString::fromLocal8Bit(std::strerror(errno))));
  if (!status.Ok()) {
    // Removed by name: QFile::remove() leaves the file when closing it fails to write the rest.
    out.close();
    QFile::remove(target);
  }
  return status;
}

struct TCopied {
  QString Path;
  TRecordInfo Record;
};

// The common core of the single-picture operations.
TResult<TCopied> CopyOut(const TGameSource &game, int record, const QString &base,
                         const QString &folder) {
  TResult<TGameFileReader> reader = TGameFileReader::Open(game);
  if (!reader.Ok())
    return reader.Status();
  TResult<TGameHeader> header = reader->ReadHeader();
  if (!header.Ok())
    return header.Status();
  if (record >= RecordCount(header->LevelCount))
    return reader->Fail(
        QCoreApplication::translate("GameFile", "there is no %1 (the game has %2 levels)")
            .arg(RecordName(record))
            .arg(header->LevelCount));
  TResult<TRecordInfo> info = reader->ReadRecord(header.Value(), record);
  if (!info.Ok())
    return info.Status();
  if (TStatus s = reader->CheckPicture(info.Value()); !s.Ok())
    return s;
  const QString target = TargetPath(folder, base, info.Value());
  if (TStatus s = WritePicture(reader.Value(), info.Value(), target); !s.Ok())
    return s;
  return TCopied{target, info.Value()};
}

TResult<QString> ExtractSkin(TSkinKind kind, const TGameSource &game, TGameData &data,
                             const QString &folder) {
  TResult<TCopied> copied = CopyOut(game, SkinRecord(kind), QStringLiteral("tp"), folder);
  if (!copied.Ok())
    return copied.Status();
  data.Skin(kind).Path = copied->Path;
  data.Skin(kind).Type = copied->Record.Type;
  return copied->Path;
}

} // namespace

TResult<QString> ExtractStartSkin(const TGameSource &game, TGameData &data, const QString &folder) {
  return ExtractSkin(SkinStart, game, data, folder);
}

TResult<QString> ExtractPlayingSkin(const TGameSource &game, TGameData &data,
                                    const QString &folder) {
  return ExtractSkin(SkinPlaying, game, data, folder);
}

TResult<QString> ExtractGameOverSkin(const TGameSource &game, TGameData &data,
                                     const QString &folder) {
  return ExtractSkin(SkinGameOver, game, data, folder);
}

TResult<QString> ExtractLevelPicture(const TGameSource &game, int level, TGameData &data,
                                     const QString &folder) {
  if (level < 1)
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: there is no level %2")
                                .arg(game.Name())
                                .arg(level));
  TResult<TCopied> copied = CopyOut(game, LevelRecord(level), QStringLiteral("tpl"), folder);
  if (!copied.Ok())
    return copied.Status();
  if (data.LevelCount() < level)
    data.Levels.resize(level);
  TLevel &entry = data.Levels[level - 1];
  entry.Path = copied->Path;
  entry.Type = copied->Record.Type;
  entry.GridSize = copied->Record.GridSize;
  return copied->Path;
}

TStatus ExtractAllPictures(const TGameSource &game, TGameData &data, const QString &folder) {
  TResult<TIndexedGame> opened = OpenIndexed(game);
  if (!opened.Ok())
    return opened.Status();
  TGameFileReader &reader = opened->Reader;
  const TGameIndex &index = opened->Index;
  for (const TRecordInfo &record : index.Records)
    if (TStatus s = reader.CheckPicture(record); !s.Ok())
      return s;

  TGameData updated = data;
  updated.Levels.resize(index.Header.LevelCount);
  for (const TRecordInfo &record : index.Records) {
    const QString target = TargetPath(folder, AllPicturesFileBase(record.Record), record);
    if (TStatus s = WritePicture(reader, record, target); !s.Ok())
      return s;
    if (IsLevelRecord(record.Record)) {
      TLevel &level = updated.Levels[record.Record - SkinRecordCount];
      level = {target, record.Type, record.GridSize};
    } else {
      TSkin &skin = updated.Skin(TSkinKind(record.Record));
      skin.Path = target;
      skin.Type = record.Type;
    }
  }
  data = std::move(updated);
  return TStatus::Success();
}

bool IsLevelWorkingPictureName(const QString &path) {
  static const QRegularExpression name(QStringLiteral("^tpl[0-9]*\\.(jpg|bmp)$"));
  return name.match(QFileInfo(path).fileName()).hasMatch();
}

void DeleteWorkingPictures(const QString &folder, int levelCount) {
  QStringList bases = {QStringLiteral("tp"), QStringLiteral("tpl"), QStringLiteral("tps"),
                       QStringLiteral("tpp"), QStringLiteral("tpg")};
  for (int i = 0; i < levelCount; ++i)
    bases.append(QStringLiteral("tpl%1").arg(i));
  const QDir dir(folder);
  for (const QString &base : bases)
    for (quint8 type : {PictureJpeg, PictureBmp})
      QFile::remove(dir.filePath(base + PictureExtension(type)));
}
