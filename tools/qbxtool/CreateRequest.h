#pragma once
// The game that "qbxtool create" is asked to make, parsed from its arguments:
//   OUT --start F --playing F --gameover F --level F[:GRID]... [--stretch-start 0|1]
//   [--stretch-playing 0|1] [--stretch-gameover 0|1] [--play-box FLAG:COLOUR]
//   [--score-box FLAG:COLOUR] [--next-box FLAG:COLOUR] [--force]

#include "gamefile/GameData.h"
#include "gamefile/Result.h"

#include <QStringList>

struct TCreateRequest {
  QString OutPath;
  TGameData Game;
  // Written even with pictures the game cannot use (each is still named).
  bool Force = false;

  // Fails with the reason when the arguments are not a valid request.
  static TResult<TCreateRequest> Parse(const QStringList &args);
};
