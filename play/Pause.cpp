#include "play/Pause.h"

#include "input/PlayerInput.h"
#include "play/Timing.h"
#include "rules/PlaySession.h"

TPause::TPause(TScheduler &scheduler, TPlaySession &session, TPlayerInput &input,
               const TGameObservers &observers, std::function<void(bool paused)> toggled)
    : Session(session), Input(input), Observers(observers), Toggled(std::move(toggled)),
      PauseTimer(scheduler, Timing::PausePoll) {
  PauseTimer.OnTimer = [this] { OnPauseTimer(); };
}

void TPause::WindowActive(bool active) {
  IsSuspended = !active;
  if (active)
    Observers.Tell([](TGameEvents &o) { o.FramesWanted(); });
}

void TPause::SetSuspended(bool on) {
  IsSuspended = on;
  if (!on)
    Observers.Tell([](TGameEvents &o) { o.FramesWanted(); });
}

void TPause::End() {
  if (!Paused())
    return;
  IsPaused = false;
  Input.Keyboard.SetEnabled(true);
  Observers.Tell([&](TGameEvents &o) { o.PauseChanged(TPauseChange::Ended, Session); });
  // A stopped game is no longer paused, so nothing may hold the next one still.
  IsSuspended = false;
}

void TPause::OnPauseTimer() {
  if (!Session.Piece.PauseAllowed() || !Session.Piece.Active())
    return;
  for (const TSquare &b : Session.Piece.Piece().Blocks())
    if (b.Row == WellRows)
      return; // not while the piece is in the top row: tried again in 5 ms
  PauseTimer.SetEnabled(false);
  Toggle();
}

void TPause::Toggle() {
  IsPaused = !IsPaused;
  if (Paused()) {
    IsSuspended = true;
    Input.Keyboard.SetEnabled(false);
    Observers.Tell([](TGameEvents &o) { o.SoundWanted(QStringLiteral("Pause")); });
    Toggled(true);
    Observers.Tell([&](TGameEvents &o) { o.PauseChanged(TPauseChange::Paused, Session); });
  } else {
    Input.Remove(Input.Actions());
    Input.Keyboard.SetEnabled(true);
    Toggled(false);
    Observers.Tell([&](TGameEvents &o) { o.PauseChanged(TPauseChange::Resumed, Session); });
    SetSuspended(false);
  }
}
