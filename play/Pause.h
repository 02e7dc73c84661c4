#pragma once
// What holds the piece still: the pause (taken as soon as it may be), an inactive window, and
// an open menu or dialog.

#include "media/Timer.h"
#include "play/GameObservers.h"

#include <functional>

class TPlayerInput;
class TPlaySession;

class TPause {
public:
  // toggled: the owner is told when the player's pause begins or ends.
  TPause(TScheduler &scheduler, TPlaySession &session, TPlayerInput &input,
         const TGameObservers &observers, std::function<void(bool paused)> toggled);

  bool Paused() const { return IsPaused; }
  // Paused, inactive, or a menu or dialog open: the piece stands still.
  bool Suspended() const { return IsSuspended; }
  // The pause (or the resume) comes at the first moment it may.
  void Request() { PauseTimer.SetEnabled(true); }
  // A stopped game is no longer paused.
  void End();
  void WindowActive(bool active);
  void MenuOpen(bool open) { SetSuspended(open || Paused()); }
  void SetSuspended(bool on);

private:
  void OnPauseTimer();
  void Toggle();

  TPlaySession &Session;
  TPlayerInput &Input;
  const TGameObservers &Observers;
  std::function<void(bool paused)> Toggled;
  TTimer PauseTimer;
  bool IsPaused = false;
  bool IsSuspended = false;
};
