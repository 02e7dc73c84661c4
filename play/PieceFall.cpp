#include "play/PieceFall.h"

#include "input/PlayerInput.h"
#include "play/Timing.h"
#include "rules/PlaySession.h"
#include "rules/Speed.h"

TPieceFall::TPieceFall(TScheduler &scheduler, TPlaySession &session, TPlayerInput &input,
                       const TGameObservers &observers, THooks hooks)
    : Scheduler(scheduler), Session(session), Input(input), Observers(observers),
      Hooks(std::move(hooks)), DownTimer(scheduler, Timing::FirstFallInterval),
      LockDelayTimer(scheduler, Timing::LockDelay), SpeedTimer(scheduler, Timing::SpeedUpPeriod),
      NoFlashTimer(scheduler, Timing::NoFlashDelay) {
  DownTimer.OnTimer = [this] { OnDownTimer(); };
  SpeedTimer.OnTimer = [this] { OnSpeedTimer(); };
  NoFlashTimer.OnTimer = [this] { OnNoFlashTimer(); };
  LockDelayTimer.OnTimer = [this] {
    // A failing landing must never take the game down; it is simply not finished.
    try {
      LandPiece();
    } catch (const std::exception &) {
    }
  };
}

void TPieceFall::Sound(const QString &name) const {
  Observers.Tell([&](TGameEvents &o) { o.SoundWanted(name); });
}

void TPieceFall::BeginLevel() {
  DownTimer.SetInterval(Timing::FirstFallInterval);
  SpeedTimer.SetEnabled(true);
  NoFlashTimer.SetEnabled(true);
  Session.ChooseFirstPieces(Scheduler.Now());
  PrepareNextPiece();
}

void TPieceFall::Start() {
  Session.Piece.StepDue();
  SetFalling(true);
  PieceDue = true;
}

bool TPieceFall::Frame() {
  if (PieceDue) {
    PieceDue = false;
    CreatePiece();
    if (Session.Piece.RestsOnSomething()) {
      EndPiece();
      Sound("EndGame");
      return false;
    }
    if (Session.Targets.CurrentHidden(Session.Cells))
      Observers.Tell([&](TGameEvents &o) { o.TargetAnnounced(Session); });
  }
  const TPiece before = Session.Piece.Piece();
  if (!Hooks.HeldStill()) {
    const TPieceStep step = Session.StepPiece(Input.Actions(), LockDelayTimer.Enabled());
    Input.Remove(step.Served);
    for (const QString &sound : step.Sounds)
      Sound(sound);
    if (step.LockDelayWanted)
      LockDelayTimer.SetEnabled(true);
  }
  const TPiece &after = Session.Piece.Piece();
  if (after.Turn != before.Turn || after.Shift.Col != before.Shift.Col)
    Observers.Tell([&](TGameEvents &o) { o.PieceMoved(after); });
  Observers.Tell([&](TGameEvents &o) { o.PlayFrame(Session); });
  return true;
}

void TPieceFall::CreatePiece() {
  Session.Piece.Create();
  Observers.Tell([&](TGameEvents &o) { o.PieceCreated(Session); });
}

void TPieceFall::EndPiece() {
  Session.Piece.Free();
  Observers.Tell([](TGameEvents &o) { o.PieceRemoved(); });
}

void TPieceFall::PrepareNextPiece() {
  DownTimer.SetInterval(FallIntervalForHidden(Session.Cells.HiddenCount(),
                                              Session.Cells.TotalCount(), DownTimer.Interval()));
  Session.Targets.Choose(Session.Cells, Session.Random, Scheduler.Now());
}

void TPieceFall::OnDownTimer() {
  if (!NoFlashTimer.Enabled() && !Hooks.HeldStill()) {
    Session.Piece.StepDue();
    Observers.Tell([](TGameEvents &o) { o.FramesWanted(); });
  }
}

void TPieceFall::OnSpeedTimer() {
  if (DownTimer.Enabled())
    DownTimer.SetInterval(SpedUpInterval(DownTimer.Interval()));
}

void TPieceFall::OnNoFlashTimer() {
  NoFlashTimer.SetEnabled(false);
  // Paused as the level began: the banner lies over the well copy, and the resume shows the
  // play field.
  if (Hooks.Paused())
    return;
  Observers.Tell([](TGameEvents &o) {
    o.PlayFieldShown();
    o.FramesWanted(); // the next frame shows the play field
  });
}

void TPieceFall::LandPiece() {
  if (!DownTimer.Enabled() || Hooks.HeldStill())
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
  Input.Remove({TPlayerAction::Drop, TPlayerAction::Start, TPlayerAction::Down, TPlayerAction::Left,
                TPlayerAction::Right});
  Sound(Session.Prefs.MotionSound ? QStringLiteral("FallDown%1").arg(Session.Piece.Piece().Type + 1)
                                  : QStringLiteral("FallDown"));
  const TLanding landing = Session.Land();
  EndPiece();
  Observers.Tell([&](TGameEvents &o) { o.PieceLanded(landing, Session); });
  Observers.Tell([&](TGameEvents &o) { o.ScoreChanged(Session.Score()); });
  if (landing.RowsRemoved > 0)
    Sound(landing.LineSound);
  if (Session.LevelComplete()) {
    Hooks.LevelComplete();
    return;
  }
  Session.ChooseNextPiece(Scheduler.Now());
  PrepareNextPiece();
  Observers.Tell([&](TGameEvents &o) { o.NextPieceChosen(Session); });
  Start();
  Observers.Tell([](TGameEvents &o) { o.FramesWanted(); });
}
