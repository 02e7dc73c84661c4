#pragma once
// The game's events in the trace (see Trace.h): what tests and end-to-end checks compare.

#include "play/GameEvents.h"

class TGameTrace : public TGameEvents {
  // The model's events (only the model tells them).
  void StateChanged(TGameState state) override;
  void LevelStarted(const TPlaySession &session, int level, int levelCount,
                    const TLevelLook &look) override;
  void WaitingForPicture() override;
  void PieceCreated(const TPlaySession &session) override;
  void PieceMoved(const TPiece &piece) override;
  void PieceLanded(const TLanding &landing, const TPlaySession &session) override;
  void ScoreChanged(int score) override;
};
