#include "play/FallingPiece.h"

#include "media/DXDraw.h"
#include "media/Timer.h"
#include "play/PartSprite.h"
#include "play/Speed.h"
#include "play/Well.h"

#include <cmath>

TFallingPiece::TFallingPiece(TWell &well, TDXInput &input, TDXDraw &dxDraw, TTimer &deadTimer,
                             TPlayStatus &status, const TPlayPreferences &prefs)
    : Well(well), Input(input), DXDraw(dxDraw), DeadTimer(deadTimer), Status(status), Prefs(prefs) {
}

void TFallingPiece::ResetMotion() {
  RotateCwRequest = RotateAcwRequest = MoveLeftRequest = MoveRightRequest = false;
  StepDue = DropRequest = false;
  SlidingLeft = SlidingRight = SteppingDown = false;
  SlideCounter.fill(0);
  SlideStep = 4;
  SlideFrames = 5;
}

void TFallingPiece::Create(TSprite &root, TPictureCollectionItem &figure) {
  figure.RebuildSurface();
  for (int b = 0; b < 4; ++b) {
    auto *block = new TPartSprite(&root, *this, CurrentPieceType, b);
    block->SetImage(&figure);
    block->SetWidth(figure.Width());
    block->SetHeight(figure.Height());
    block->SetZ(2);
    PieceBlocks[static_cast<size_t>(b)] = block;
  }
  Status.PieceActive = true;
  ++PiecesMade;
}

void TFallingPiece::Free() {
  if (!Status.PieceActive)
    return;
  for (TPartSprite *&block : PieceBlocks) {
    block->MarkDead();
    delete block;
    block = nullptr;
  }
  Status.PieceActive = false;
}

bool TFallingPiece::RestsOnSomething() const {
  for (const TPartSprite *b : PieceBlocks)
    if (!Well.SquareFree(b->Col, b->Row - 1))
      return true;
  return false;
}

bool TFallingPiece::OnFloor() const {
  for (const TPartSprite *b : PieceBlocks)
    if (b->Row != b->MinRow[b->RotState])
      return false;
  return true;
}

void TFallingPiece::RemoveStates(std::initializer_list<TInputState> states) {
  for (TInputState s : states)
    Input.Remove(s);
}

void TFallingPiece::EraseBlock(const TPartSprite &block) {
  const int x = static_cast<int>(std::trunc(block.X()));
  const int y = static_cast<int>(std::trunc(block.Y()));
  QPainter &canvas = DXDraw.Surface().Canvas();
  canvas.drawImage(QPoint(x, y), PlayFieldBackground, QRect(x, y, block.Width(), block.Height()));
  DXDraw.Surface().ReleaseCanvas();
}

void TFallingPiece::MoveStep(TPartSprite &block) {
  if (Status.Suspended)
    return;
  if (ResumeKeyPending) {
    // The key that resumed play must not also turn or drop the piece.
    RemoveStates({InputDown, InputUp, InputButton4, InputButton6});
    ResumeKeyPending = false;
    return;
  }
  ReadRequests(block);
  if (RotateAcwRequest && !Animating() && !DeadTimer.Enabled())
    TryTurn(false);
  if (RotateCwRequest && !Animating() && !DeadTimer.Enabled())
    TryTurn(true);
  if (DropRequest && !Animating() && !DeadTimer.Enabled())
    Drop();
  if (MoveLeftRequest && !SlidingRight && !SteppingDown)
    MoveSideways(block, -1);
  if (MoveRightRequest && !SlidingLeft && !SteppingDown)
    MoveSideways(block, +1);
  if (StepDue && !SlidingLeft && !SlidingRight)
    FallStep(block);
}

void TFallingPiece::ReadRequests(const TPartSprite &block) {
  if (Input.Has(InputLeft) || Input.Has(InputButton3))
    MoveLeftRequest = true;
  if (Input.Has(InputRight) || Input.Has(InputButton5))
    MoveRightRequest = true;
  if (block.BlockIndex != 0)
    return;
  if (Input.Has(InputButton1))
    DropRequest = true;
  if (Input.Has(InputDown) || Input.Has(InputButton6)) {
    if (Prefs.DownArrowDrops)
      DropRequest = true;
    else
      RotateAcwRequest = true;
  }
  if (Input.Has(InputUp) || Input.Has(InputButton4)) {
    if (Prefs.UpArrowClockwise)
      RotateCwRequest = true;
    else
      RotateAcwRequest = true;
  }
}

void TFallingPiece::TryTurn(bool clockwise) {
  for (const TPartSprite *b : PieceBlocks) {
    const int s = clockwise ? StateAfterCw(b->RotState) : StateAfterAcw(b->RotState);
    const int col = b->Col + (clockwise ? b->CwDx : b->AcwDx)[b->RotState];
    const int row = b->Row + (clockwise ? b->CwDy : b->AcwDy)[b->RotState];
    const bool fits = col >= b->MinCol[s] && col <= b->MaxCol[s] && row >= b->MinRow[s] &&
                      row <= b->MaxRow[s] && Well.SquareFree(col, row);
    if (!fits)
      return; // the request stays and is tried again at the next step
  }
  if (Prefs.MotionSound && PlaySound)
    PlaySound(clockwise ? "RotateRight" : "RotateLeft");
  for (TPartSprite *b : PieceBlocks) {
    b->Col += (clockwise ? b->CwDx : b->AcwDx)[b->RotState];
    b->Row += (clockwise ? b->CwDy : b->AcwDy)[b->RotState];
  }
  for (TPartSprite *b : PieceBlocks)
    EraseBlock(*b);
  for (TPartSprite *b : PieceBlocks) {
    b->SetX(TWell::SquareLeft(b->Col));
    b->SetY(TWell::SquareTop(b->Row));
    b->RotState = clockwise ? StateAfterCw(b->RotState) : StateAfterAcw(b->RotState);
  }
  if (clockwise) {
    RotateCwRequest = false;
    RemoveStates({InputUp, InputButton4});
  } else {
    RotateAcwRequest = false;
    RemoveStates({InputDown, InputButton6, InputUp, InputButton4});
  }
}

void TFallingPiece::Drop() {
  DropRequest = false;
  RemoveStates({InputButton1, InputDown, InputButton6});
  Status.Score += DropBonus(PieceBlocks[0]->Row);
  int rows = 0;
  for (int i = 1;; ++i) {
    bool room = true;
    for (const TPartSprite *b : PieceBlocks)
      room = room && b->Row - i >= 1 && Well.SquareFree(b->Col, b->Row - i);
    if (!room)
      break;
    rows = i;
  }
  // The drop stops one row above the resting place; an ordinary step falls the last row.
  const int d = rows - 1;
  if (d <= 0)
    return;
  for (TPartSprite *b : PieceBlocks)
    b->Row -= d;
  for (TPartSprite *b : PieceBlocks)
    EraseBlock(*b);
  for (TPartSprite *b : PieceBlocks)
    b->SetY(b->Y() + SquarePitch * d);
  StepDue = true;
  MoveLeftRequest = MoveRightRequest = false;
}

void TFallingPiece::EndSlide() {
  Status.PauseAllowed = true;
  MoveLeftRequest = MoveRightRequest = StepDue = false;
  SlideCounter.fill(0);
}

void TFallingPiece::MoveSideways(TPartSprite &block, int direction) {
  const bool left = direction < 0;
  bool &canMove = left ? CanMoveLeft : CanMoveRight;
  if (block.BlockIndex == 0) {
    canMove = true;
    for (const TPartSprite *b : PieceBlocks)
      if (!Well.SquareFree(b->Col + direction, b->Row))
        canMove = false;
  }
  if (canMove) {
    const int col = block.Col + direction;
    const bool atWall =
        left ? col < block.MinCol[block.RotState] : col > block.MaxCol[block.RotState];
    int &counter = SlideCounter[static_cast<size_t>(block.BlockIndex)];
    if (atWall) {
      MoveLeftRequest = MoveRightRequest = StepDue = false;
      SlideCounter.fill(0);
    } else {
      if (counter < SlideFrames) {
        (left ? SlidingLeft : SlidingRight) = true;
        Status.PauseAllowed = false;
        EraseBlock(block);
        block.SetX(block.X() + direction * SlideStep);
        ++counter;
      }
      if (counter == SlideFrames) {
        block.Col = col;
        if (block.BlockIndex == 3) {
          (left ? SlidingLeft : SlidingRight) = false;
          EndSlide();
        }
      }
    }
  }
  // One column per press; and a resting piece never repeats a held move.
  if (Prefs.SingleStepMovement || RestsOnSomething() || DeadTimer.Enabled()) {
    Input.Remove(left ? InputLeft : InputRight);
    Input.Remove(left ? InputButton3 : InputButton5);
  }
}

void TFallingPiece::StartLockDelay() {
  StepDue = false;
  Status.PauseAllowed = false;
  DeadTimer.SetEnabled(true);
}

void TFallingPiece::FallStep(TPartSprite &block) {
  if (block.BlockIndex == 0) {
    CanMoveDown = true;
    for (const TPartSprite *b : PieceBlocks)
      if (!Well.SquareFree(b->Col, b->Row - 1))
        CanMoveDown = false;
  }
  if (!DeadTimer.Enabled() && !CanMoveDown)
    StartLockDelay();
  if (!CanMoveDown)
    return;
  int &counter = SlideCounter[static_cast<size_t>(block.BlockIndex)];
  if (block.Row - 1 < block.MinRow[block.RotState]) {
    StepDue = MoveLeftRequest = MoveRightRequest = false;
    SlideCounter.fill(0);
    return;
  }
  if (counter < SlideFrames) {
    SteppingDown = true;
    Status.PauseAllowed = false;
    EraseBlock(block);
    block.SetY(block.Y() + SlideStep);
    ++counter;
  }
  if (counter == SlideFrames) {
    block.Row -= 1;
    if (block.BlockIndex == 3) {
      SteppingDown = false;
      EndSlide();
      if (block.Row == block.MinRow[block.RotState]) {
        Status.PauseAllowed = false;
        DeadTimer.SetEnabled(true);
      }
      if (!DeadTimer.Enabled() && RestsOnSomething())
        StartLockDelay();
    }
  }
}
