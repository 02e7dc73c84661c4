#include "gamefile/GameFileWriter.h"

#include "gamefile/GameFileLayout.h"
#include "gamefile/WriteAll.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <limits>
#include <vector>

using namespace GameFileLayout;

namespace {

constexpr qint64 CopyChunk = 1 << 20;
constexpr qint64 MaxOffset = std::numeric_limits<quint32>::max();

void AppendU32(QByteArray &bytes, quint32 value) {
  char le[4];
  qToLittleEndian(value, le);
  bytes.append(le, 4);
}

void AppendBox(QByteArray &bytes, const TBox &box) {
  bytes.append(char(box.Draw ? 1 : 0));
  AppendU32(bytes, box.Colour);
}

} // namespace

TGameFileWriter::TGameFileWriter(const TGameData &data, QString name)
    : Data(data), GameName(std::move(name)) {}

TStatus TGameFileWriter::Fail(const QString &what) const {
  return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: %2").arg(GameName, what));
}

TStatus TGameFileWriter::Check() const {
  if (Data.LevelCount() > TGameData::MaxLevels)
    return Fail(
        QCoreApplication::translate("GameFile", "a game holds at most %1 levels, this one has %2")
            .arg(TGameData::MaxLevels)
            .arg(Data.LevelCount()));
  auto checkType = [&](int record, quint8 type) {
    if (IsKnownPictureType(type))
      return TStatus::Success();
    return Fail(QCoreApplication::translate(
                    "GameFile", "the %1 picture has type %2; only JPEG (1) and BMP (2) are stored")
                    .arg(RecordName(record))
                    .arg(type));
  };
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    if (TStatus s = checkType(SkinRecord(kind), Data.Skin(kind).Type); !s.Ok())
      return s;
  for (int level = 1; level <= Data.LevelCount(); ++level)
    if (TStatus s = checkType(LevelRecord(level), Data.Levels[level - 1].Type); !s.Ok())
      return s;
  return TStatus::Success();
}

TStatus TGameFileWriter::Put(QIODevice &out, const QByteArray &bytes) {
  if (!WriteAll(out, bytes))
    return Fail(QCoreApplication::translate("GameFile", "write failed at offset %1 (%2)")
                    .arg(out.pos())
                    .arg(out.errorString()));
  return TStatus::Success();
}

TStatus TGameFileWriter::PutPicture(QIODevice &out, int record, const QString &path, quint8 type,
                                    const quint8 *gridSize) {
  QFile picture(path);
  if (!picture.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return Fail(QCoreApplication::translate("GameFile", "cannot read the %1 picture %2 (%3)")
                    .arg(RecordName(record), path, picture.errorString()));
  const qint64 length = picture.size();
  if (length > MaxOffset)
    return Fail(QCoreApplication::translate("GameFile", "the %1 picture %2 is too large (%3 bytes)")
                    .arg(RecordName(record), path)
                    .arg(length));
  QByteArray head;
  head.append(char(type));
  AppendU32(head, quint32(length));
  if (gridSize)
    head.append(char(*gridSize));
  if (TStatus s = Put(out, head); !s.Ok())
    return s;

  std::vector<char> buffer(size_t(std::min(length, CopyChunk)));
  qint64 done = 0;
  while (done < length) {
    const qint64 got = picture.read(buffer.data(), std::min(length - done, CopyChunk));
    if (got <= 0)
      return Fail(
          QCoreApplication::translate(
              "GameFile", "the %1 picture %2 could not be read in full (%3 of %4 bytes: %5)")
              .arg(RecordName(record), path)
              .arg(done)
              .arg(length)
              .arg(got < 0 ? picture.errorString()
                           : QCoreApplication::translate("GameFile", "it became shorter")));
    if (!WriteAll(out, buffer.data(), got))
      return Fail(QCoreApplication::translate("GameFile", "write failed at offset %1 (%2)")
                      .arg(out.pos())
                      .arg(out.errorString()));
    done += got;
  }
  return TStatus::Success();
}

QByteArray TGameFileWriter::ScoreTableBytes(const TScoreTable &scores) {
  QByteArray bytes;
  for (const TScoreEntry &entry : scores) {
    bytes.append(entry.Name.left(TGameData::NameLength).leftJustified(TGameData::NameLength, ' '));
    AppendU32(bytes, quint32(entry.Score));
  }
  return bytes;
}

TStatus TGameFileWriter::Write(QIODevice &out) {
  if (TStatus s = Check(); !s.Ok())
    return s;
  const int levels = Data.LevelCount();

  QByteArray header;
  header.append(char(Data.FormatMark));
  AppendBox(header, Data.PlayBox);
  AppendBox(header, Data.ScoreBox);
  AppendBox(header, Data.NextBox);
  header.append(char(Data.PlayingSkin.Stretch ? 1 : 0));
  header.append(char(Data.StartSkin.Stretch ? 1 : 0));
  header.append(char(Data.GameOverSkin.Stretch ? 1 : 0));
  char count[2];
  qToLittleEndian(quint16(levels), count);
  header.append(count, 2);
  // The offset table is written once every record's place is known; zeros hold its room.
  header.append(QByteArray(RecordsStart(levels) - HeaderSize, '\0'));
  if (TStatus s = Put(out, header); !s.Ok())
    return s;

  QByteArray table;
  auto markSlot = [&]() {
    if (out.pos() > MaxOffset)
      return Fail(QCoreApplication::translate(
          "GameFile", "the game is larger than 4 GiB, which offsets cannot reach"));
    AppendU32(table, quint32(out.pos()));
    return TStatus::Success();
  };
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver}) {
    const TSkin &skin = Data.Skin(kind);
    if (TStatus s = markSlot(); !s.Ok())
      return s;
    if (TStatus s = PutPicture(out, SkinRecord(kind), skin.Path, skin.Type, nullptr); !s.Ok())
      return s;
  }
  for (int level = 1; level <= levels; ++level) {
    const TLevel &entry = Data.Levels[level - 1];
    if (TStatus s = markSlot(); !s.Ok())
      return s;
    if (TStatus s = PutPicture(out, LevelRecord(level), entry.Path, entry.Type, &entry.GridSize);
        !s.Ok())
      return s;
  }
  if (TStatus s = markSlot(); !s.Ok())
    return s;
  if (TStatus s = Put(out, ScoreTableBytes(Data.Scores)); !s.Ok())
    return s;

  if (!out.seek(HeaderSize))
    return Fail(QCoreApplication::translate("GameFile", "cannot seek back to the offset table (%1)")
                    .arg(out.errorString()));
  return Put(out, table);
}
