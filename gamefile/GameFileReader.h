#pragma once
// Reads a game from a byte range of a device and trusts nothing it reads: every offset and length
// is checked against the size of the game before anything is read or allocated, so a truncated or
// corrupt game gives a message and never a read past its end.

#include "gamefile/GameIndex.h"
#include "gamefile/GameSource.h"
#include "gamefile/Result.h"

#include <QFile>
#include <QIODevice>

#include <memory>

class TGameFileReader {
public:
  // The game is [base, base + size) of an open, readable, random-access device; name is what
  // messages call it.
  TGameFileReader(QIODevice &device, qint64 base, qint64 size, QString name);
  // Opens the source's file (read-only unless told otherwise) and checks that its range lies
  // inside the file. Anything but a regular file (or a symlink to one) is refused before it is
  // opened: opening a FIFO would block and a device has no size.
  static TResult<TGameFileReader> Open(const TGameSource &source,
                                       QIODevice::OpenMode mode = QIODevice::ReadOnly);

  const QString &Name() const { return GameName; }
  qint64 Size() const { return GameSize; }
  qint64 Base() const { return GameBase; }
  QIODevice &Device() { return *Input; }

  // Header, offset table and high-score table.
  TResult<TGameHeader> ReadHeader();
  // The head of one record, checked to lie with all its bytes inside the game.
  TResult<TRecordInfo> ReadRecord(const TGameHeader &header, int record);
  // Header and every record: the whole structure of the game.
  TResult<TGameIndex> ReadIndex();
  // Copies a record's picture bytes to out, checking every read and write; outName is what
  // messages call out.
  TStatus CopyPicture(const TRecordInfo &record, QIODevice &out, const QString &outName);

  // Failure unless the record holds a JPEG or a BMP, the only pictures a game stores, of no
  // more bytes than PictureLimits allow; checked before a picture is copied out or decoded.
  TStatus CheckPicture(const TRecordInfo &record) const;

  // Message for the player: the game's name, then what is wrong.
  TStatus Fail(const QString &what) const;

private:
  // A range that ends past the end of the file: the file was most likely cut short.
  TStatus Incomplete(const QString &detail) const;
  TStatus ReadExactly(qint64 offset, char *into, qint64 length);
  // The offset table after the header: each record's offset, then the score table's.
  TStatus ReadOffsets(TGameHeader &header);
  // The score table, which lies after the offset table and inside the file.
  TStatus ReadScores(TGameHeader &header);

  std::unique_ptr<QFile> OwnedFile;
  QIODevice *Input;
  qint64 GameBase;
  qint64 GameSize;
  QString GameName;
};

// A game opened and indexed in one step, as every reader of a whole game needs it.
struct TIndexedGame {
  TGameFileReader Reader;
  TGameIndex Index;
};
TResult<TIndexedGame> OpenIndexed(const TGameSource &source);
