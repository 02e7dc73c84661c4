// libFuzzer entry for the high-score table: the first 100 input bytes are the
// table as a game stores it, then a final score and the names typed for it. The
// table is read through the game file reader, run through the game-over rules
// and written back. Besides what the sanitizers catch, it holds them to their
// promises: a rank is 1 to 10 and places the score there, and a table written
// and read again is the table.
#include "gamefile/GameFileLayout.h"
#include "gamefile/GameFileReader.h"
#include "gamefile/GameFileWriter.h"
#include "gamefile/HighScores.h"

#include <QBuffer>
#include <QtEndian>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace GameFileLayout;

namespace {

void Require(bool kept, const char *promise) {
  if (!kept) {
    std::fprintf(stderr, "score table broke a promise: %s\n", promise);
    std::abort();
  }
}

// A game of no levels whose three skins share one empty record, then the table.
QByteArray GameWithTable(const QByteArray &table) {
  const qint64 recordsAt = RecordsStart(0);
  QByteArray game(recordsAt + SkinHeadSize, '\0');
  for (int slot = 0; slot < SkinRecordCount; ++slot)
    qToLittleEndian<quint32>(quint32(recordsAt), game.data() + SlotOffset(slot));
  qToLittleEndian<quint32>(quint32(game.size()), game.data() + SlotOffset(ScoreTableSlot(0)));
  return game + table;
}

TScoreTable ReadTable(QByteArray game) {
  QBuffer device(&game);
  device.open(QIODevice::ReadOnly);
  TGameFileReader reader(device, 0, game.size(), QStringLiteral("fuzz.qbx"));
  const TResult<TGameHeader> header = reader.ReadHeader();
  Require(header.Ok(), "a whole table reads");
  return header->Scores;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < size_t(ScoreTableSize) + 4)
    return 0;
  const auto *bytes = reinterpret_cast<const char *>(data);
  TScoreTable table = ReadTable(GameWithTable(QByteArray(bytes, ScoreTableSize)));
  const qint32 finalScore = qFromLittleEndian<qint32>(data + ScoreTableSize);
  // One typed name per entry, as the score window gives them.
  QStringList typed =
      QString::fromUtf8(bytes + ScoreTableSize + 4, qsizetype(size) - ScoreTableSize - 4)
          .split(u'\n');
  typed.resize(qsizetype(table.size()));

  for (const TScoreEntry &entry : table)
    Require(ScoreText(entry.Score).size() >= 8, "a score shows at least eight characters");
  if (const std::optional<int> rank = ScoreRank(table, finalScore)) {
    Require(*rank >= 1 && *rank <= 10, "a rank is 1 to 10");
    InsertScore(table, *rank, finalScore);
    Require(table[size_t(*rank - 1)].Score == finalScore, "the score is placed at its rank");
    Require(!ScoreSound(*rank).isEmpty(), "a rank has a sound");
  }
  TakeNames(table, typed);
  for (const TScoreEntry &entry : table)
    Require(entry.Name.size() == TGameData::NameLength, "a stored name has six bytes");

  const QByteArray written = TGameFileWriter::ScoreTableBytes(table);
  Require(written.size() == ScoreTableSize, "a written table has its size");
  Require(ReadTable(GameWithTable(written)) == table, "a written table reads back unchanged");
  return 0;
}
