// Landing of the falling piece: when it may land, the rules of the landing (rules/Landing.h),
// what it shows, and the next piece or the end of the level.
#include "app/Game.h"

#include "app/Timing.h"
#include "app/Trace.h"
#include "rules/Speed.h"

void TGame::LandPiece() {
  if (!DownTimer.Enabled() || Suspended)
    return; // paused, held still by a menu or dialog, or ended: tried again at the next tick
  if (Session.Piece.Animating()) {
    LockDelayTimer.SetInterval(Timing::LockRetry);
    return;
  }
  LockDelayTimer.SetEnabled(false);
  LockDelayTimer.SetInterval(Timing::LockDelay);
  if (!Session.Piece.Active() || !(Session.Piece.OnFloor() || Session.Piece.RestsOnSomething()))
    return; // moved off its support during the delay: it falls on

  for (TInputState s : {InputButton1, InputDown, InputLeft, InputRight, InputButton3, InputButton4,
                        InputButton5, InputButton6})
    PlayerInput.Remove(s);
  PlaySound(Session.Prefs.MotionSound
                ? QStringLiteral("FallDown%1").arg(Session.Piece.Piece().Type + 1)
                : QStringLiteral("FallDown"));
  const TLanding landing = Session.Land();
  EndPiece();
  ShowLanding(landing);
  if (Session.LevelComplete()) {
    EndLevelTimer.SetEnabled(true);
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
void TGame::ShowLanding(const TLanding &landing) {
  View.ShowLanding(landing, Session.Well, Session.Cells);
  for (const QPoint &cell : landing.UncoveredCells)
    Trace::Event("uncover", QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y()));
  Trace::Event("land", QString::number(landing.RowsRemoved));
  DrawScore();
  if (landing.RowsRemoved > 0) {
    View.DrawCellGrid(Session.Cells);
    PlaySound(landing.LineSound);
    RepaintTimer.SetEnabled(true);
  }
}
