#pragma once
// The falling pieces of a level: the next piece and its cell, each frame's motion, the fall and
// its speeding up, the target cell's blink, the lock delay and the landing as the player sees
// and hears it.

#include "app/GamePart.h"
#include "media/Timer.h"

class TPauseControl;
class TPlayFlow;
struct TLanding;

class TPiecePlay : TGamePart {
public:
  TPiecePlay(TGameParts &parts, TPlayFlow &flow, TPauseControl &pause);

  // The level's first fall interval; the speed-up and the play field's late show begin.
  void BeginLevel();
  void PlayingFrame();
  void PrepareNextPiece();
  void DrawNextPiece();
  void DrawScore();
  void EndPiece();
  // The next frame brings the next piece.
  bool NewPieceDue() const { return PieceDue; }
  void SetPieceDue(bool due) { PieceDue = due; }
  // The piece falls step by step (the fall timer runs).
  bool Falling() const { return DownTimer.Enabled(); }
  void SetFalling(bool on) { DownTimer.SetEnabled(on); }
  int FallInterval() const { return DownTimer.Interval(); }
  // The target cell blinks once.
  void StartFlash() { FlashTimer.SetEnabled(true); }

private:
  void OnDownTimer();
  void OnSpeedTimer();
  void OnNoFlashTimer();
  void OnRepaintTimer();
  void OnFlashTimer();
  void LandPiece();
  void ShowLanding(const TLanding &landing);

  TPlayFlow &Flow;
  TPauseControl &Pause;
  TTimer DownTimer, LockDelayTimer, SpeedTimer, FlashTimer, RepaintTimer, NoFlashTimer;
  bool PieceDue = false; // the next frame creates the next piece
};
