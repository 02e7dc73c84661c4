#pragma once
// Byte layout of a game file. All integers are little-endian and every offset counts from the
// first byte of the game (the file's first byte, or where the game starts inside an executable).
//
//   0   21 bytes   header: format mark, three boxes (flag + colour), three stretch flags
//                  (playing, start, game over), level count N (16 bits)
//   21  4 (N + 4)  offset table: start, playing and game-over skin records, N level records,
//                  then the high-score table
//   37 + 4N        records: skins as type, length L, L picture bytes; levels as type, length L,
//                  grid size, L picture bytes; last the 100-byte high-score table
//
// Records are numbered in offset-table order: 0..2 the skins, 3.. the levels; the slot after
// the last level holds the high-score table offset.

#include "gamefile/GameData.h"

#include <QString>

namespace GameFileLayout {

constexpr qint64 HeaderSize = 21;
constexpr qint64 SlotSize = 4;
constexpr int SkinRecordCount = 3;
constexpr qint64 SkinHeadSize = 5;  // type, length
constexpr qint64 LevelHeadSize = 6; // type, length, grid size
constexpr qint64 ScoreEntrySize = TGameData::NameLength + 4;
constexpr qint64 ScoreTableSize = 10 * ScoreEntrySize;

// Header field offsets.
constexpr qint64 FormatMarkAt = 0;
constexpr qint64 PlayBoxAt = 1;
constexpr qint64 ScoreBoxAt = 6;
constexpr qint64 NextBoxAt = 11;
constexpr qint64 PlayingStretchAt = 16;
constexpr qint64 StartStretchAt = 17;
constexpr qint64 GameOverStretchAt = 18;
constexpr qint64 LevelCountAt = 19;

constexpr int SkinRecord(TSkinKind kind) { return int(kind); }
constexpr int LevelRecord(int level) { return SkinRecordCount + level - 1; } // level is 1-based
constexpr bool IsLevelRecord(int record) { return record >= SkinRecordCount; }
constexpr int RecordCount(int levels) { return SkinRecordCount + levels; }
constexpr int ScoreTableSlot(int levels) { return RecordCount(levels); }
constexpr qint64 SlotOffset(int slot) { return HeaderSize + SlotSize * slot; }
// Where the first record starts: after the header and the offset table (77 for 10 levels).
constexpr qint64 RecordsStart(int levels) { return SlotOffset(ScoreTableSlot(levels) + 1); }
constexpr qint64 RecordHeadSize(int record) {
  return IsLevelRecord(record) ? LevelHeadSize : SkinHeadSize;
}

// "start skin", "playing skin", "game-over skin", "level 3": for messages.
QString RecordName(int record);

} // namespace GameFileLayout
