#pragma once
// What holds the piece still: the pause (taken as soon as it may be, shown as a banner over the
// well's copy), an inactive window, and an open menu or dialog.

#include "app/GamePart.h"
#include "media/Timer.h"

class TMenuCommands;
class TPiecePlay;

class TPauseControl : TGamePart {
public:
  TPauseControl(TGameParts &parts, TMenuCommands &commands, TPiecePlay &pieces);

  bool Paused() const { return IsPaused; }
  // Paused, inactive, or a menu or dialog open: the piece stands still.
  bool Suspended() const { return IsSuspended; }
  // Pause Game: the pause (or the resume) comes at the first moment it may.
  void PauseGame() { PauseTimer.SetEnabled(true); }
  // A stopped game is no longer paused.
  void EndPause();
  void Activated();
  void Deactivated();
  void MenuOpened() { IsSuspended = true; }
  void MenuClosed() { SetSuspended(Paused()); }
  void SetSuspended(bool on);

private:
  void OnPauseTimer();
  void TogglePause();

  TMenuCommands &Commands;
  TPiecePlay &Pieces;
  TTimer PauseTimer;
  bool IsPaused = false;
  bool IsSuspended = false;
};
