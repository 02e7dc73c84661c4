#pragma once
// What the game model tells those who watch it: the screen draws it, the sound plays it, the
// menus, the caption and the trace follow it. Each event comes as the model's state already
// stands after it; an observer overrides the events it cares for.

#include "play/GameState.h"

#include <QImage>
#include <QString>

class TPlaySession;
struct TLanding;
struct TPiece;

// A level's pictures as they are shown: the playing skin and the picture cut to its cells.
struct TLevelLook {
  QImage Skin;
  QImage Picture;
};

enum class TPauseChange { Paused, Resumed, Ended };

class TGameEvents {
public:
  virtual ~TGameEvents() = default;

  // The game entered a state; what the state shows follows as its own event.
  virtual void StateChanged(TGameState /*state*/) {}
  virtual void SoundWanted(const QString & /*name*/) {}
  // Something moves again: the frames that had stopped must run.
  virtual void FramesWanted() {}

  virtual void TitleShown() {}
  // A level begins: the prompt goes.
  virtual void LevelStarting() {}
  // The start waited for the level's picture long enough to say so.
  virtual void WaitingForPicture() {}
  // The level's cells are coloured and its first pieces chosen.
  virtual void LevelStarted(const TPlaySession & /*session*/, int /*level*/, int /*levelCount*/,
                            const TLevelLook & /*look*/) {}
  // The play field comes out from behind the window picture, a moment after the level began.
  virtual void PlayFieldShown() {}
  virtual void LevelEndShown() {}
  // allLevelsDone: every level was played; otherwise the well filled up.
  virtual void GameOverShown(bool /*allLevelsDone*/) {}

  virtual void NextPieceChosen(const TPlaySession & /*session*/) {}
  virtual void PieceCreated(const TPlaySession & /*session*/) {}
  // The new piece carries a hidden cell: its cell is pointed out.
  virtual void TargetAnnounced(const TPlaySession & /*session*/) {}
  // The piece turned or changed column.
  virtual void PieceMoved(const TPiece & /*piece*/) {}
  // Every frame of a level played, after the piece moved (or not).
  virtual void PlayFrame(const TPlaySession & /*session*/) {}
  virtual void PieceRemoved() {}
  virtual void PieceLanded(const TLanding & /*landing*/, const TPlaySession & /*session*/) {}
  virtual void ScoreChanged(int /*score*/) {}

  virtual void PauseChanged(TPauseChange /*change*/, const TPlaySession & /*session*/) {}
  // A stand-alone game without a game of its own closes.
  virtual void CloseWanted() {}
};
