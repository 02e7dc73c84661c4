#pragma once
// What a game file holds and where, as read and checked by TGameFileReader: the header fields,
// the offset table with the high-score table, and the head of every picture record.

#include "gamefile/GameData.h"
#include "gamefile/GameFileLayout.h"

#include <QList>

struct TGameHeader {
  quint8 FormatMark = 0;
  TBox PlayBox;
  TBox ScoreBox;
  TBox NextBox;
  bool PlayingStretch = false;
  bool StartStretch = false;
  bool GameOverStretch = false;
  int LevelCount = 0;
  QList<quint32> RecordOffsets; // one per record, in record order
  quint32 ScoreTableOffset = 0;
  TScoreTable Scores;

  // Header fields, level count and scores into the game data, as reading a game's header does:
  // level entries that existed keep their pictures until a picture is copied out.
  void ApplyTo(TGameData &data) const;
};

// One picture record whose head and bytes lie inside the game.
struct TRecordInfo {
  int Record = 0; // GameFileLayout record number
  qint64 Offset = 0;
  quint8 Type = 0; // as stored, possibly not a known type
  quint32 Length = 0;
  quint8 GridSize = 0; // level records only

  qint64 PictureOffset() const { return Offset + GameFileLayout::RecordHeadSize(Record); }
  qint64 End() const { return PictureOffset() + Length; }
};

struct TGameIndex {
  TGameHeader Header;
  QList<TRecordInfo> Records; // every record, in record order
};
