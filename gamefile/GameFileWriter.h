#pragma once
// Writes a whole game: header, offset table, the three skin records, one record per level and
// the high-score table, reading every picture from the file its path names. Each record's length
// is the size of its picture file at the time of writing, and exactly that many bytes follow.

#include "gamefile/GameData.h"
#include "gamefile/Result.h"

#include <QIODevice>

class TGameFileWriter {
public:
  // name is what messages call the game being written.
  TGameFileWriter(const TGameData &data, QString name);

  // Writes the game to out, which must be open for writing, seekable and empty. Every write is
  // checked; flushing a buffered device is the caller's part.
  TStatus Write(QIODevice &out);

  // The 100 bytes of a high-score table: per entry 6 name bytes, then the score.
  static QByteArray ScoreTableBytes(const TScoreTable &scores);

private:
  TStatus Check() const;
  TStatus Put(QIODevice &out, const QByteArray &bytes);
  TStatus PutPicture(QIODevice &out, int record, const QString &path, quint8 type,
                     const quint8 *gridSize);
  TStatus Fail(const QString &what) const;

  const TGameData &Data;
  QString GameName;
};
