// Landing of the falling piece: when it may land, the rules of the landing (play/Landing.h),
// what it shows, and the next piece or the end of the level.
#include "app/Game.h"

#include "app/Timing.h"
#include "app/Trace.h"
#include "play/Landing.h"
#include "play/PartSprite.h"
#include "play/Speed.h"

#include <QPainter>

void TGame::LandPiece() {
  if (!DownTimer.Enabled() || PlayStatus.Suspended)
    return; // paused, held still by a menu or dialog, or ended: tried again at the next tick
  if (Falling.SlidingLeft || Falling.SlidingRight || Falling.SteppingDown) {
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
  PlaySound(Prefs.MotionSound ? QStringLiteral("FallDown%1").arg(Falling.CurrentPieceType + 1)
                              : QStringLiteral("FallDown"));
  std::array<QPoint, 4> blocks;
  for (size_t i = 0; i < blocks.size(); ++i)
    blocks[i] = {Falling.PieceBlocks[i]->Col, Falling.PieceBlocks[i]->Row};
  const TLanding landing =
      LandBlocks(Well, PictureCells, blocks,
                 {PictureCells.TargetCellCol(), PictureCells.TargetCellRow()}, CurrentBlockPicture);
  EndPiece();
  ShowLanding(landing);
  if (PlayStatus.LevelComplete) {
    EndLevelTimer.SetEnabled(true);
    return;
  }
  Random.Reseed(Scheduler.Now());
  Falling.CurrentPieceType = NextType;
  NextType = Random.Random(7);
  PrepareNextPiece();
  DrawNextPiece();
  PlayStatus.NewPieceDue = true;
  Falling.StepDue = true;
  DXTimer.WakeUp();
}

// The landing on the screen: the cells it uncovered, the well from the lowest removed row up,
// the score, and the sound and grid of the rows removed.
void TGame::ShowLanding(const TLanding &landing) {
  PlayStatus.Score += landing.Points;
  for (const QPoint &cell : landing.UncoveredCells) {
    PictureCells.PaintCell(cell.x(), cell.y(), Screen.Picture());
    Trace::Event("uncover", QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y()));
  }
  PlayStatus.LevelComplete = PlayStatus.LevelComplete || landing.LevelComplete;
  if (landing.RowsRemoved > 0)
    // Row 18 is repainted too, so that nothing of an emptied top square stays on screen.
    for (int r = landing.LowestRemovedRow; r <= WellRows; ++r)
      for (int c = 1; c <= WellColumns; ++c)
        RepaintSquare(c, r);
  Trace::Event("land", QString::number(landing.RowsRemoved));
  DrawScore();
  if (landing.RowsRemoved > 0) {
    PictureCells.DrawCellGrid(Screen.Picture(), false, Random);
    PlaySound(landing.LineSound);
    RepaintTimer.SetEnabled(true);
  }
}

void TGame::RepaintSquare(int col, int row) {
  const TWellSquare &square = Well.Square(col, row);
  const QRect area(square.Left, square.Top, BlockSize, BlockSize);
  const QImage picture =
      square.Occupied ? square.BlockPicture : Screen.PlayFieldBackground().copy(area);
  QPainter window(&Screen.Picture());
  window.drawImage(square.Left + 320, square.Top + 20, picture);
  DXDraw.Surface().Canvas().drawImage(square.Left, square.Top, picture);
  DXDraw.Surface().ReleaseCanvas();
}
