#include "gamefile/HighScores.h"

#include <cstdlib>

std::optional<int> ScoreRank(const TScoreTable &table, qint32 finalScore) {
  for (int i = 0; i < int(table.size()); ++i)
    if (table[i].Score < finalScore)
      return i + 1;
  return std::nullopt;
}

void InsertScore(TScoreTable &table, int rank, qint32 finalScore) {
  Q_ASSERT(rank >= 1 && rank <= int(table.size()));
  for (int i = int(table.size()) - 1; i >= rank; --i)
    table[i] = table[i - 1];
  table[rank - 1] = TScoreEntry{TGameData::StoredName(QString()), finalScore};
}

QString ScoreSound(int rank) {
  return rank == 1 ? QStringLiteral("HiScore") : QStringLiteral("EnterScore");
}

QString ScoreText(qint32 score) {
  // Widened first: the magnitude of the lowest 32-bit score does not fit in 32 bits.
  const qint64 magnitude = std::llabs(qint64(score));
  const QString digits = QString::number(magnitude).rightJustified(8, '0');
  return score < 0 ? '-' + digits : digits;
}

void TakeNames(TScoreTable &table, const QStringList &typedNames) {
  Q_ASSERT(typedNames.size() == qsizetype(table.size()));
  for (int i = 0; i < int(table.size()); ++i)
    table[i].Name = TGameData::StoredName(typedNames[i]);
}
