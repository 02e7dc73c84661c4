#include "gamefile/GameFileReader.h"

#include "gamefile/PictureLimits.h"
#include "gamefile/WriteAll.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <vector>

#include <sys/stat.h>

using namespace GameFileLayout;

namespace {

// Copy buffer: large enough that system calls cost nothing beside the bytes, small enough that a
// picture is never held whole.
constexpr qint64 CopyChunk = 1 << 20;

quint32 U32At(const char *bytes) { return qFromLittleEndian<quint32>(bytes); }

TBox BoxAt(const char *bytes) { return {bytes[0] != 0, U32At(bytes + 1)}; }

} // namespace

TGameFileReader::TGameFileReader(QIODevice &device, qint64 base, qint64 size, QString name)
    : Input(&device), GameBase(base), GameSize(size), GameName(std::move(name)) {}

TResult<TGameFileReader> TGameFileReader::Open(const TGameSource &source,
                                               QIODevice::OpenMode mode) {
  struct stat status;
  const QByteArray path = QFile::encodeName(source.Path());
  if (::stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode))
    return TStatus::Failure(
        QCoreApplication::translate("GameFile", "%1: not a regular file").arg(source.Name()));
  auto file = std::make_unique<QFile>(source.Path());
  // Reads are few and either tiny and scattered or large: the device buffer would only copy.
  if (!file->open(mode | QIODevice::Unbuffered))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot open the file (%2)")
                                .arg(source.Name(), file->errorString()));
  const qint64 fileSize = file->size();
  qint64 base = 0;
  qint64 size = fileSize;
  if (source.IsRange()) {
    base = source.Base();
    size = source.Size();
    if (base < 0 || size < 0 || base > fileSize || size > fileSize - base)
      return TStatus::Failure(QCoreApplication::translate(
                                  "GameFile",
                                  "%1: the game range (offset %2, size %3) is not inside the file "
                                  "(file size %4)")
                                  .arg(source.Name())
                                  .arg(base)
                                  .arg(size)
                                  .arg(fileSize));
  }
  TGameFileReader reader(*file, base, size, source.Name());
  reader.OwnedFile = std::move(file);
  return reader;
}

TStatus TGameFileReader::CheckPicture(const TRecordInfo &record) const {
  if (!IsKnownPictureType(record.Type))
    return Fail(QCoreApplication::translate(
                    "GameFile", "the %1 picture has unknown type %2 (1 is JPEG, 2 is BMP)")
                    .arg(RecordName(record.Record))
                    .arg(record.Type));
  if (record.Length > PictureLimits::MaxStoredBytes)
    return Fail(QCoreApplication::translate(
                    "GameFile", "the %1 picture is too big (%2 bytes, the limit is %3 bytes)")
                    .arg(RecordName(record.Record))
                    .arg(record.Length)
                    .arg(PictureLimits::MaxStoredBytes));
  return TStatus::Success();
}

TStatus TGameFileReader::Incomplete(const QString &detail) const {
  return Fail(QCoreApplication::translate("GameFile", "the file is incomplete (cut short): %1")
                  .arg(detail));
}

TStatus TGameFileReader::Fail(const QString &what) const {
  //: A game file's name, then what is wrong with it
  return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: %2").arg(GameName, what));
}

TStatus TGameFileReader::ReadExactly(qint64 offset, char *into, qint64 length) {
  // Callers have checked the range; a short read means the file changed or the device failed.
  if (!Input->seek(GameBase + offset))
    return Fail(QCoreApplication::translate("GameFile", "cannot seek to offset %1 (%2)")
                    .arg(offset)
                    .arg(Input->errorString()));
  qint64 done = 0;
  while (done < length) {
    const qint64 got = Input->read(into + done, length - done);
    if (got <= 0)
      return Fail(
          QCoreApplication::translate("GameFile", "read error at offset %1 (%2)")
              .arg(offset + done)
              .arg(got < 0 ? Input->errorString()
                           : QCoreApplication::translate("GameFile", "unexpected end of file")));
    done += got;
  }
  return TStatus::Success();
}

TStatus TGameFileReader::ReadOffsets(TGameHeader &header) {
  const int levels = header.LevelCount;
  const qint64 recordsStart = RecordsStart(levels);
  if (recordsStart > GameSize)
    return Incomplete(QCoreApplication::translate(
                          "GameFile", "the offset table of %1 levels runs past the end of the file "
                                      "(it ends at offset %2, file size %3)")
                          .arg(levels)
                          .arg(recordsStart)
                          .arg(GameSize));
  std::vector<char> table(size_t(recordsStart - HeaderSize));
  if (TStatus s = ReadExactly(HeaderSize, table.data(), qint64(table.size())); !s.Ok())
    return s;
  header.RecordOffsets.resize(RecordCount(levels));
  for (int record = 0; record < RecordCount(levels); ++record)
    header.RecordOffsets[record] = U32At(&table[size_t(SlotSize * record)]);
  header.ScoreTableOffset = U32At(&table[size_t(SlotSize * ScoreTableSlot(levels))]);
  return TStatus::Success();
}

TStatus TGameFileReader::ReadScores(TGameHeader &header) {
  const qint64 recordsStart = RecordsStart(header.LevelCount);
  const qint64 scoresAt = header.ScoreTableOffset;
  if (scoresAt < recordsStart)
    return Fail(QCoreApplication::translate("GameFile",
                                            "the high-score table offset %1 points into the header "
                                            "(records start at %2)")
                    .arg(scoresAt)
                    .arg(recordsStart));
  if (scoresAt > GameSize - ScoreTableSize)
    return Incomplete(QCoreApplication::translate(
                          "GameFile", "the high-score table runs past the end of the file "
                                      "(offset %1, length %2, file size %3)")
                          .arg(scoresAt)
                          .arg(ScoreTableSize)
                          .arg(GameSize));
  std::array<char, ScoreTableSize> scores;
  if (TStatus s = ReadExactly(scoresAt, scores.data(), ScoreTableSize); !s.Ok())
    return s;
  for (size_t i = 0; i < header.Scores.size(); ++i) {
    const char *entry = &scores[i * ScoreEntrySize];
    header.Scores[i].Name = QByteArray(entry, TGameData::NameLength);
    header.Scores[i].Score = qFromLittleEndian<qint32>(entry + TGameData::NameLength);
  }
  return TStatus::Success();
}

TResult<TGameHeader> TGameFileReader::ReadHeader() {
  if (GameSize < HeaderSize)
    return Incomplete(QCoreApplication::translate(
                          "GameFile", "it is too short for a game header (%1 bytes needed, "
                                      "file size %2)")
                          .arg(HeaderSize)
                          .arg(GameSize));
  std::array<char, HeaderSize> head;
  if (TStatus s = ReadExactly(0, head.data(), HeaderSize); !s.Ok())
    return s;

  TGameHeader header;
  header.FormatMark = quint8(head[FormatMarkAt]);
  header.PlayBox = BoxAt(&head[PlayBoxAt]);
  header.ScoreBox = BoxAt(&head[ScoreBoxAt]);
  header.NextBox = BoxAt(&head[NextBoxAt]);
  header.PlayingStretch = head[PlayingStretchAt] != 0;
  header.StartStretch = head[StartStretchAt] != 0;
  header.GameOverStretch = head[GameOverStretchAt] != 0;
  header.LevelCount = qFromLittleEndian<quint16>(&head[LevelCountAt]);

  if (TStatus s = ReadOffsets(header); !s.Ok())
    return s;
  if (TStatus s = ReadScores(header); !s.Ok())
    return s;
  return header;
}

TResult<TRecordInfo> TGameFileReader::ReadRecord(const TGameHeader &header, int record) {
  TRecordInfo info;
  info.Record = record;
  info.Offset = header.RecordOffsets.at(record);
  const qint64 recordsStart = RecordsStart(header.LevelCount);
  const qint64 headSize = RecordHeadSize(record);
  if (info.Offset < recordsStart)
    return Fail(QCoreApplication::translate(
                    "GameFile", "%1 record offset %2 points into the header (records start at %3)")
                    .arg(RecordName(record))
                    .arg(info.Offset)
                    .arg(recordsStart));
  if (info.Offset > GameSize - headSize)
    return Fail(QCoreApplication::translate(
                    "GameFile", "%1 record header runs past the end of the file (offset %2, "
                                "file size %3)")
                    .arg(RecordName(record))
                    .arg(info.Offset)
                    .arg(GameSize));
  std::array<char, LevelHeadSize> head;
  if (TStatus s = ReadExactly(info.Offset, head.data(), headSize); !s.Ok())
    return s;
  info.Type = quint8(head[0]);
  info.Length = U32At(&head[1]);
  if (IsLevelRecord(record))
    info.GridSize = quint8(head[5]);
  if (info.End() > GameSize)
    return Fail(QCoreApplication::translate(
                    "GameFile", "%1 record runs past the end of the file (offset %2, length %3, "
                                "file size %4)")
                    .arg(RecordName(record))
                    .arg(info.Offset)
                    .arg(info.Length)
                    .arg(GameSize));
  return info;
}

TResult<TGameIndex> TGameFileReader::ReadIndex() {
  TResult<TGameHeader> header = ReadHeader();
  if (!header.Ok())
    return header.Status();
  TGameIndex index;
  index.Header = std::move(header.Value());
  const int records = RecordCount(index.Header.LevelCount);
  index.Records.reserve(records);
  for (int record = 0; record < records; ++record) {
    TResult<TRecordInfo> info = ReadRecord(index.Header, record);
    if (!info.Ok())
      return info.Status();
    index.Records.append(info.Value());
  }
  return index;
}

TStatus TGameFileReader::CopyPicture(const TRecordInfo &record, QIODevice &out,
                                     const QString &outName) {
  if (record.End() > GameSize)
    return Fail(QCoreApplication::translate("GameFile", "%1 record runs past the end of the file")
                    .arg(RecordName(record.Record)));
  std::vector<char> buffer(size_t(std::min<qint64>(record.Length, CopyChunk)));
  qint64 done = 0;
  while (done < record.Length) {
    const qint64 chunk = std::min<qint64>(record.Length - done, CopyChunk);
    if (TStatus s = ReadExactly(record.PictureOffset() + done, buffer.data(), chunk); !s.Ok())
      return s;
    if (!WriteAll(out, buffer.data(), chunk))
      return TStatus::Failure(
          QCoreApplication::translate("GameFile", "%1: cannot write the %2 picture (%3)")
              .arg(outName, RecordName(record.Record), out.errorString()));
    done += chunk;
  }
  return TStatus::Success();
}

TResult<TIndexedGame> OpenIndexed(const TGameSource &source) {
  TResult<TGameFileReader> reader = TGameFileReader::Open(source);
  if (!reader.Ok())
    return reader.Status();
  TResult<TGameIndex> index = reader->ReadIndex();
  if (!index.Ok())
    return index.Status();
  return TIndexedGame{std::move(reader.Value()), std::move(index.Value())};
}
