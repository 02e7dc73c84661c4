#pragma once
// One game's play as plain rules: the well, the falling piece, the picture cells and the targets
// (the cells the pieces carry), the score, whether the level's picture is complete, and the
// choice of pieces. It draws nothing, reads no device and owns no timers.

#include "rules/CellTargets.h"
#include "rules/FallingPiece.h"
#include "rules/Landing.h"
#include "rules/PictureCells.h"
#include "rules/PlayPreferences.h"
#include "rules/Random.h"
#include "rules/Well.h"

class TPlaySession {
public:
  explicit TPlaySession(quint64 randomSeed) : Random(randomSeed), Piece(Well, Prefs) {}

  // Level start: an empty well, a piece at rest and no targets yet, so that the level's first
  // piece draws its own; the score starts again on the first level.
  void StartLevel(int level);
  // The first piece of a level and the one shown after it.
  void ChooseFirstPieces(qint64 now);
  // After a landing the next piece falls, and a new next piece is chosen.
  void ChooseNextPiece(qint64 now);
  // One frame of the falling piece's motion; a drop's bonus counts.
  TPieceStep StepPiece(TPlayerActions held, bool lockDelayRunning);
  // The falling piece lands: its blocks settle, full rows go, cells uncover and points count.
  TLanding Land();

  qint32 Score() const { return Points; }
  // A finished level's bonus; a new game's score starts again.
  void ScoreFinishedLevel();
  void ClearScore() { Points = 0; }
  // The last hidden cell of the level's picture was uncovered.
  bool LevelComplete() const { return PictureComplete; }

  TWell Well;
  TPictureCells Cells;
  TCellTargets Targets;
  TPlayPreferences Prefs;
  TRandom Random;
  TFallingPiece Piece;
  int NextType = 0;

private:
  qint32 Points = 0;
  bool PictureComplete = false;
};
