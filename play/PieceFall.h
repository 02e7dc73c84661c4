#pragma once
// The falling pieces of a level: the next piece and its cell, each frame's motion, the fall and
// its speeding up, the lock delay and the landing. Whether the piece is held still (a pause, a
// menu) is its owner's to say.

#include "media/Timer.h"
#include "play/GameObservers.h"

#include <functional>

class TPlayerInput;
class TPlaySession;

class TPieceFall {
public:
  // What the owner says and is told.
  struct THooks {
    std::function<bool()> HeldStill;     // a pause, a menu or an inactive window holds it
    std::function<bool()> Paused;        // the player paused
    std::function<void()> LevelComplete; // a landing uncovered the last hidden cell
  };
  TPieceFall(TScheduler &scheduler, TPlaySession &session, TPlayerInput &input,
             const TGameObservers &observers, THooks hooks);

  // The level's first fall interval; the speed-up and the play field's late show begin, and
  // the first pieces are chosen (the first one falls once Start is called).
  void BeginLevel();
  void Start();
  // One frame of a level played; false when the new piece found the well full.
  bool Frame();
  void EndPiece();
  // The next frame brings the next piece.
  bool NewPieceDue() const { return PieceDue; }
  void SetPieceDue(bool due) { PieceDue = due; }
  // The piece falls step by step (the fall timer runs).
  bool Falling() const { return DownTimer.Enabled(); }
  void SetFalling(bool on) { DownTimer.SetEnabled(on); }
  int FallInterval() const { return DownTimer.Interval(); }

private:
  void PrepareNextPiece();
  void CreatePiece();
  void OnDownTimer();
  void OnSpeedTimer();
  void OnNoFlashTimer();
  void LandPiece();
  void Sound(const QString &name) const;

  TScheduler &Scheduler;
  TPlaySession &Session;
  TPlayerInput &Input;
  const TGameObservers &Observers;
  THooks Hooks;
  TTimer DownTimer, LockDelayTimer, SpeedTimer, NoFlashTimer;
  bool PieceDue = false; // the next frame creates the next piece
};
