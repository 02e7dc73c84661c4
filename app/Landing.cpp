// Landing of the falling piece: when it may land, the rules of the landing (play/Landing.h),
// what it shows, and the next piece or the end of the level.
#include "app/Game.h"

#include "app/Timing.h"
#include "app/Trace.h"
#include "play/Landing.h"
#include "play/Speed.h"

void TGame::LandPiece() {
  if (!DownTimer.Enabled() || PlayStatus.Suspended)
    return; // paused, held still by a menu or dialog, or ended: tried again at the next tick
  if (Falling.Animating()) {
    DeadTimer.SetInterval(Timing::LockRetry);
    return;
  }
  DeadTimer.SetEnabled(false);
  DeadTimer.SetInterval(Timing::LockDelay);
  if (!PlayStatus.PieceActive || !(Falling.OnFloor() || Falling.RestsOnSomething()))
    return; // moved off its support during the delay: it falls on

  for (TInputState s : {InputButton1, InputDown, InputLeft, InputRight, InputButton3, InputButton4,
                        InputButton5, InputButton6})
    DXInput.Remove(s);
  PlaySound(Prefs.MotionSound ? QStringLiteral("FallDown%1").arg(Falling.Piece().Type + 1)
                              : QStringLiteral("FallDown"));
  std::array<QPoint, 4> blocks;
  for (size_t i = 0; i < blocks.size(); ++i)
    blocks[i] = {Falling.Piece().Block(int(i)).Col, Falling.Piece().Block(int(i)).Row};
  const TLanding landing =
      LandBlocks(Well, PictureCells, blocks,
                 {PictureCells.TargetCellCol(), PictureCells.TargetCellRow()}, View.PieceBlock());
  EndPiece();
  ShowLanding(landing);
  if (PlayStatus.LevelComplete) {
    EndLevelTimer.SetEnabled(true);
    return;
  }
  Random.Reseed(Scheduler.Now());
  Falling.SetType(NextType);
  NextType = Random.Random(7);
  PrepareNextPiece();
  DrawNextPiece();
  PlayStatus.NewPieceDue = true;
  Falling.StepDue();
}

// The landing on the screen: the cells it uncovered, the well from the lowest removed row up,
// the score, and the sound and grid of the rows removed.
void TGame::ShowLanding(const TLanding &landing) {
  PlayStatus.Score += landing.Points;
  View.ShowLanding(landing, Well, PictureCells);
  for (const QPoint &cell : landing.UncoveredCells)
    Trace::Event("uncover", QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y()));
  PlayStatus.LevelComplete = PlayStatus.LevelComplete || landing.LevelComplete;
  Trace::Event("land", QString::number(landing.RowsRemoved));
  DrawScore();
  if (landing.RowsRemoved > 0) {
    View.DrawCellGrid(PictureCells, Random);
    PlaySound(landing.LineSound);
    RepaintTimer.SetEnabled(true);
  }
}
