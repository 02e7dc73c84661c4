#pragma once
// The high-score rules of game over, apart from any window: where a final score enters the
// table, what moves to make room, which sound greets it, how a score and a typed name look.

#include "gamefile/GameData.h"

#include <QString>
#include <QStringList>

#include <optional>

// The rank a final score earns: the first entry, 1 to 10, whose score is strictly lower, so a
// score equal to an entry's is placed below it. None when no entry is lower.
std::optional<int> ScoreRank(const TScoreTable &table, qint32 finalScore);

// Makes room at `rank` (1 to 10): entries rank..9 move one place down and entry 10 is lost; the
// entry at `rank` gets the score and an empty name (six spaces).
void InsertScore(TScoreTable &table, int rank, qint32 finalScore);

// "HiScore" for a new best score, "EnterScore" for any lower rank.
QString ScoreSound(int rank);

// Decimal text left-padded with zeros to 8 digits; longer numbers are shown whole. A negative
// score keeps its minus sign in front of the padded digits ("-00000005").
QString ScoreText(qint32 score);

// The names as typed, one per entry in entry order, stored cut or padded with spaces to 6.
void TakeNames(TScoreTable &table, const QStringList &typedNames);
