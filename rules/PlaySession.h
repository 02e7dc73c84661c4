#pragma once
// One game's play as plain rules: the well, the falling piece, the picture cells, the score and
// the flags that the frame, the timers and the landing share, and the choice of pieces. It draws
// nothing, reads no device and owns no timers.

#include "rules/FallingPiece.h"
#include "rules/Landing.h"
#include "rules/PictureCells.h"
#include "rules/PlayPreferences.h"
#include "rules/PlayStatus.h"
#include "rules/Random.h"
#include "rules/Well.h"

class TPlaySession {
public:
  explicit TPlaySession(quint64 randomSeed) : Random(randomSeed), Piece(Well, Status, Prefs) {}

  // Level start: an empty well and a piece at rest; the score starts again on the first level.
  void StartLevel(int level);
  // The first piece of a level and the one shown after it.
  void ChooseFirstPieces(qint64 now);
  // After a landing the next piece falls, and a new next piece is chosen.
  void ChooseNextPiece(qint64 now);
  // The falling piece lands: its blocks settle, full rows go, cells uncover and points count.
  TLanding Land();

  TWell Well;
  TPictureCells Cells;
  TPlayStatus Status;
  TPlayPreferences Prefs;
  TRandom Random;
  TFallingPiece Piece;
  int NextType = 0;
};
