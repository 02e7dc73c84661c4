#include "app/PauseControl.h"

#include "app/GameDialogs.h"
#include "app/MenuCommands.h"
#include "app/PiecePlay.h"
#include "app/Timing.h"

#include <QCoreApplication>

TPauseControl::TPauseControl(TGameParts &parts, TMenuCommands &commands, TPiecePlay &pieces)
    : TGamePart(parts), Commands(commands), Pieces(pieces),
      PauseTimer(parts.Scheduler, Timing::PausePoll) {
  PauseTimer.OnTimer = [this] { OnPauseTimer(); };
}

void TPauseControl::Deactivated() {
  IsSuspended = true;
  FrameTimer.SetApplicationActive(false);
  if (Commands.Offered(TCommand::PauseGame)) {
    // A running game pauses as soon as it may, unless one of its own windows took the focus.
    if (!(Parts.Dialogs && Parts.Dialogs->AnyVisible()) && !Paused())
      PauseTimer.SetEnabled(true);
  } else {
    Parts.SetCaption(QCoreApplication::translate("TGame", "%1 [Away]").arg(Parts.ApplicationTitle));
  }
}

void TPauseControl::Activated() {
  IsSuspended = false;
  FrameTimer.SetApplicationActive(true);
  FrameTimer.WakeUp();
  if (!Commands.Offered(TCommand::PauseGame))
    Parts.SetCaption(Parts.ApplicationTitle);
}

void TPauseControl::SetSuspended(bool on) {
  IsSuspended = on;
  if (!on)
    FrameTimer.WakeUp();
}

void TPauseControl::EndPause() {
  if (!Paused())
    return;
  IsPaused = false;
  MenuItems.SetChecked(TCommand::PauseGame, false);
  PlayerInput.Keyboard.SetEnabled(true);
  Parts.SetCaption(Parts.ApplicationTitle);
  View.Surface().SetLeft(320);
  View.Overlays().ShowPauseBanner(false);
  // A stopped game is no longer paused, so nothing may hold the next one still.
  IsSuspended = false;
}

void TPauseControl::OnPauseTimer() {
  if (!Session.Piece.PauseAllowed() || !Session.Piece.Active())
    return;
  for (const TSquare &b : Session.Piece.Piece().Blocks())
    if (b.Row == WellRows)
      return; // not while the piece is in the top row: tried again in 5 ms
  PauseTimer.SetEnabled(false);
  TogglePause();
}

void TPauseControl::TogglePause() {
  IsPaused = !IsPaused;
  MenuItems.SetChecked(TCommand::PauseGame, IsPaused);
  if (Paused()) {
    IsSuspended = true;
    PlayerInput.Keyboard.SetEnabled(false);
    Parts.PlaySound("Pause");
    Pieces.SetFalling(false);
    Parts.SetCaption(
        QCoreApplication::translate("TGame", "%1 [Pause]").arg(Parts.ApplicationTitle));
    const auto piece = Session.Piece.BlockPositions();
    View.PaintWellCopy(Session.Well, Session.Piece.Active() ? &piece : nullptr);
    View.ShowWindowPicture();
    View.HidePlayField();
    View.Overlays().ShowPauseBanner(true);
  } else {
    Parts.ClearInputStates();
    PlayerInput.Keyboard.SetEnabled(true);
    Pieces.SetFalling(true);
    Parts.SetCaption(Parts.ApplicationTitle);
    View.ShowPlayFieldFromWindow();
    View.Overlays().ShowPauseBanner(false);
    SetSuspended(false);
  }
}
