#include "app/PiecePlay.h"

#include "app/PauseControl.h"
#include "app/PlayFlow.h"
#include "app/Timing.h"
#include "app/Trace.h"
#include "rules/Speed.h"

TPiecePlay::TPiecePlay(TGameParts &parts, TPlayFlow &flow, TPauseControl &pause)
    : TGamePart(parts), Flow(flow), Pause(pause),
      DownTimer(parts.Scheduler, Timing::FirstFallInterval),
      LockDelayTimer(parts.Scheduler, Timing::LockDelay),
      SpeedTimer(parts.Scheduler, Timing::SpeedUpPeriod),
      FlashTimer(parts.Scheduler, Timing::FlashInterval),
      RepaintTimer(parts.Scheduler, Timing::RepaintDelay),
      NoFlashTimer(parts.Scheduler, Timing::NoFlashDelay) {
  DownTimer.OnTimer = [this] { OnDownTimer(); };
  SpeedTimer.OnTimer = [this] { OnSpeedTimer(); };
  FlashTimer.OnTimer = [this] { OnFlashTimer(); };
  NoFlashTimer.OnTimer = [this] { OnNoFlashTimer(); };
  RepaintTimer.OnTimer = [this] { OnRepaintTimer(); };
  LockDelayTimer.OnTimer = [this] {
    // A failing landing must never take the game down; it is simply not finished.
    try {
      LandPiece();
    } catch (const std::exception &) {
    }
  };
}

void TPiecePlay::BeginLevel() {
  DownTimer.SetInterval(Timing::FirstFallInterval);
  SpeedTimer.SetEnabled(true);
  NoFlashTimer.SetEnabled(true);
}

void TPiecePlay::PlayingFrame() {
  Flow.RefreshIfDirty();
  if (PieceDue) {
    PieceDue = false;
    Session.Piece.Create();
    View.CreatePiece(Session.Piece.BlockPositions());
    Trace::Event("piece", QStringLiteral("%1 %2,%3")
                              .arg(Session.Piece.Piece().Type)
                              .arg(Session.Cells.TargetCellCol())
                              .arg(Session.Cells.TargetCellRow()));
    if (Session.Piece.RestsOnSomething()) {
      EndPiece();
      Parts.PlaySound("EndGame");
      Flow.EndGame(false);
      return;
    }
    if (Session.Cells.TargetHidden()) {
      View.DrawCellGrid(Session.Cells); // shown by this frame
      if (Parts.CellFlash.Allowed())
        FlashTimer.SetEnabled(true);
    }
  }
  const TPiece before = Session.Piece.Piece();
  if (!Pause.Suspended()) {
    const TPieceStep step = Session.StepPiece(PlayerInput.Actions(), LockDelayTimer.Enabled());
    PlayerInput.Remove(step.Served);
    for (const QString &sound : step.Sounds)
      Parts.PlaySound(sound);
    if (step.LockDelayWanted)
      LockDelayTimer.SetEnabled(true);
  }
  const TPiece &after = Session.Piece.Piece();
  if (Trace::Enabled() && (after.Turn != before.Turn || after.Shift.Col != before.Shift.Col))
    Trace::Event("move", QStringLiteral("%1 %2").arg(after.Shift.Col).arg(after.Turn));
  View.DrawFrame(Session.Piece.BlockPositions(), Session.Piece.Active(),
                 Session.Prefs.ShowLandingPlace ? Session.Piece.LandingPositions()
                                                : std::vector<QPoint>{});
}

void TPiecePlay::EndPiece() {
  Session.Piece.Free();
  View.FreePiece();
}

void TPiecePlay::PrepareNextPiece() {
  DownTimer.SetInterval(FallIntervalForHidden(Session.Cells.HiddenCount(),
                                              Session.Cells.TotalCount(), DownTimer.Interval()));
  Session.Cells.ChooseTargets(Session.Random, Scheduler.Now());
  View.SetPieceColour(Session.Cells.TargetColourIndex());
}

void TPiecePlay::DrawNextPiece() {
  View.DrawNextPiece(Session.NextType, Session.Cells.NextTargetColourIndex());
}

void TPiecePlay::DrawScore() {
  View.DrawScore(Session.Score());
  Trace::Event("score", QString::number(Session.Score()));
}

void TPiecePlay::OnDownTimer() {
  if (!NoFlashTimer.Enabled() && !Pause.Suspended()) {
    Session.Piece.StepDue();
    FrameTimer.WakeUp();
  }
}

void TPiecePlay::OnSpeedTimer() {
  if (DownTimer.Enabled())
    DownTimer.SetInterval(SpedUpInterval(DownTimer.Interval()));
}

void TPiecePlay::OnNoFlashTimer() {
  NoFlashTimer.SetEnabled(false);
  // Paused as the level began: the banner lies over the well copy, and the resume shows the
  // play field.
  if (Pause.Paused())
    return;
  View.ShowPlayField();
  FrameTimer.WakeUp(); // the next frame shows the play field
}

void TPiecePlay::OnRepaintTimer() {
  RepaintTimer.SetEnabled(false);
  View.ShowIfChanged();
}

void TPiecePlay::OnFlashTimer() {
  if (Parts.CellFlash.Step(DownTimer.Enabled(), Session.Cells))
    FlashTimer.SetEnabled(false);
}

void TPiecePlay::LandPiece() {
  if (!DownTimer.Enabled() || Pause.Suspended())
    return; // paused, held still by a menu or dialog, or ended: tried again at the next tick
  if (Session.Piece.Animating()) {
    LockDelayTimer.SetInterval(Timing::LockRetry);
    return;
  }
  LockDelayTimer.SetEnabled(false);
  LockDelayTimer.SetInterval(Timing::LockDelay);
  if (!Session.Piece.Active() || !(Session.Piece.OnFloor() || Session.Piece.RestsOnSomething()))
    return; // moved off its support during the delay: it falls on

  // A key held through the landing does not act on the next piece; a held turn key may.
  PlayerInput.Remove({TPlayerAction::Drop, TPlayerAction::Start, TPlayerAction::Down,
                      TPlayerAction::Left, TPlayerAction::Right});
  Parts.PlaySound(Session.Prefs.MotionSound
                      ? QStringLiteral("FallDown%1").arg(Session.Piece.Piece().Type + 1)
                      : QStringLiteral("FallDown"));
  const TLanding landing = Session.Land();
  EndPiece();
  ShowLanding(landing);
  if (Session.LevelComplete()) {
    Flow.EndLevelSoon();
    return;
  }
  Session.ChooseNextPiece(Scheduler.Now());
  PrepareNextPiece();
  DrawNextPiece();
  PieceDue = true;
  Session.Piece.StepDue();
  FrameTimer.WakeUp();
}

// The landing on the screen: the cells it uncovered, the well from the lowest removed row up,
// the score, and the sound and grid of the rows removed.
void TPiecePlay::ShowLanding(const TLanding &landing) {
  View.ShowLanding(landing, Session.Well, Session.Cells);
  for (const QPoint &cell : landing.UncoveredCells)
    Trace::Event("uncover", QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y()));
  Trace::Event("land", QString::number(landing.RowsRemoved));
  DrawScore();
  if (landing.RowsRemoved > 0) {
    View.DrawCellGrid(Session.Cells);
    Parts.PlaySound(landing.LineSound);
    RepaintTimer.SetEnabled(true);
  }
}
