// Landing of the falling piece: the blocks settle, full rows are removed from the bottom up
// with the well collapsing, cleared blocks uncover their picture cells, and the next piece is
// prepared or the level ends.
#include "app/Game.h"

#include "app/Timing.h"
#include "app/Trace.h"
#include "play/PartSprite.h"
#include "play/Points.h"
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
  PlayStatus.Score += LandingPoints;
  for (const TPartSprite *b : Falling.PieceBlocks) {
    TWellSquare &square = Well.Square(b->Col, b->Row);
    square.Occupied = true;
    square.BlockPicture = CurrentBlockPicture;
    square.CarriedCellCol = PictureCells.TargetCellCol();
    square.CarriedCellRow = PictureCells.TargetCellRow();
  }
  EndPiece();

  int rowsCleared = 0;
  for (int r = 1; r <= WellRows;) {
    if (!Well.RowFull(r)) {
      ++r;
      continue;
    }
    if (r == 1)
      for (int points : BottomRowPoints)
        PlayStatus.Score += points;
    ++rowsCleared;
    for (int c = 1; c <= WellColumns; ++c) {
      const TWellSquare &square = Well.Square(c, r);
      const int cellCol = square.CarriedCellCol, cellRow = square.CarriedCellRow;
      const TUncoverResult uncovered = PictureCells.Uncover(cellCol, cellRow, Screen.Picture());
      if (uncovered.Uncovered) {
        PlayStatus.Score += UncoveredCellPoints;
        Trace::Event("uncover", QStringLiteral("%1,%2").arg(cellCol).arg(cellRow));
      }
      if (uncovered.LevelComplete)
        PlayStatus.LevelComplete = true;
      Well.CollapseColumn(c, r);
      // Row 18 is repainted too, so that nothing of an emptied top square stays on screen.
      for (int j = r; j <= WellRows; ++j)
        RepaintSquare(c, j);
    }
  }
  PlayStatus.Score += RowsBonusPerRow * rowsCleared;
  Trace::Event("land", QString::number(rowsCleared));
  DrawScore();
  if (rowsCleared > 0) {
    PictureCells.DrawCellGrid(Screen.Picture(), false, Random);
    static const char *const lineSounds[] = {"LineOne", "LineTwo", "LineThree", "LineFour"};
    PlaySound(lineSounds[std::min(rowsCleared, 4) - 1]);
    RepaintTimer.SetEnabled(true);
  }
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
