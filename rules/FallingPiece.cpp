#include "rules/FallingPiece.h"

#include "rules/Speed.h"
#include "rules/Well.h"

TFallingPiece::TFallingPiece(const TWell &well, TPlayStatus &status, const TPlayPreferences &prefs)
    : Well(well), Status(status), Prefs(prefs) {}

void TFallingPiece::ResetMotion() {
  TurnCwWanted = TurnAcwWanted = DropWanted = LeftWanted = RightWanted = FallDue = false;
  ResumeKeyPending = false;
  Slide = TSlide::None;
  SlideCount = 0;
}

void TFallingPiece::Create() {
  Current = TPiece::Spawned(Current.Type);
  Status.PieceActive = true;
  ++Made;
}

void TFallingPiece::Free() { Status.PieceActive = false; }

void TFallingPiece::SwallowResumeKey() {
  ResumeKeyPending = true;
  TurnAcwWanted = false;
}

bool TFallingPiece::AtRest() const {
  return !FallDue && !DropWanted && !LeftWanted && !RightWanted && !TurnCwWanted &&
         !TurnAcwWanted && Slide == TSlide::None && !ResumeKeyPending;
}

bool TFallingPiece::RestsOnSomething() const { return ::RestsOnSomething(Current, Well); }

std::array<QPoint, PieceBlockCount> TFallingPiece::BlockPositions() const {
  const int done = SlideStep * SlideCount;
  const QPoint slid = Slide == TSlide::Left    ? QPoint(-done, 0)
                      : Slide == TSlide::Right ? QPoint(done, 0)
                      : Slide == TSlide::Down  ? QPoint(0, done)
                                               : QPoint();
  std::array<QPoint, PieceBlockCount> positions;
  for (int b = 0; b < PieceBlockCount; ++b) {
    const TSquare s = Current.Block(b);
    positions[size_t(b)] = QPoint(TWell::SquareLeft(s.Col), TWell::SquareTop(s.Row)) + slid;
  }
  return positions;
}

void TFallingPiece::RemoveStates(std::initializer_list<TInputState> states) {
  for (TInputState s : states)
    Held.reset(static_cast<size_t>(s));
}

TPieceStep TFallingPiece::Step(const TInputStates &held, bool lockDelayRunning) {
  Held = held;
  LockDelayRunning = lockDelayRunning;
  LockDelayStarted = false;
  Move();
  return {held & ~Held, LockDelayStarted};
}

void TFallingPiece::Move() {
  if (!Status.PieceActive || Status.Suspended)
    return;
  if (ResumeKeyPending) {
    RemoveStates({InputDown, InputUp, InputButton4, InputButton6});
    ResumeKeyPending = false;
    return;
  }
  ReadRequests();
  const auto still = [this] { return !Animating() && !LockDelayRunning; };
  if (TurnAcwWanted && still())
    TryTurn(false);
  if (TurnCwWanted && still())
    TryTurn(true);
  if (DropWanted && still())
    Drop();

  const bool restedBefore = RestsOnSomething();
  bool leftServed = false, rightServed = false;
  if (LeftWanted && Slide != TSlide::Right && Slide != TSlide::Down) {
    MoveSideways(-1);
    leftServed = true;
  }
  if (RightWanted && Slide != TSlide::Left && Slide != TSlide::Down) {
    MoveSideways(+1);
    rightServed = true;
  }
  if (FallDue && Slide != TSlide::Left && Slide != TSlide::Right)
    FallStep();
  // One column per press; and a resting piece never repeats a held move.
  if (Prefs.SingleStepMovement || restedBefore || RestsOnSomething() || LockDelayRunning) {
    if (leftServed)
      RemoveStates({InputLeft, InputButton3});
    if (rightServed)
      RemoveStates({InputRight, InputButton5});
  }
}

void TFallingPiece::ReadRequests() {
  if (Has(InputLeft) || Has(InputButton3))
    LeftWanted = true;
  if (Has(InputRight) || Has(InputButton5))
    RightWanted = true;
  if (Has(InputButton1))
    DropWanted = true;
  if (Has(InputDown) || Has(InputButton6))
    (Prefs.DownArrowDrops ? DropWanted : TurnAcwWanted) = true;
  if (Has(InputUp) || Has(InputButton4))
    (Prefs.UpArrowClockwise ? TurnCwWanted : TurnAcwWanted) = true;
}

void TFallingPiece::TryTurn(bool clockwise) {
  const TPiece turned = Current.Turned(clockwise);
  if (!Fits(turned, Well))
    return; // the request stays and is tried again at the next step
  if (Prefs.MotionSound && PlaySound)
    PlaySound(clockwise ? "RotateRight" : "RotateLeft");
  Current = turned;
  if (clockwise) {
    TurnCwWanted = false;
    RemoveStates({InputUp, InputButton4});
  } else {
    TurnAcwWanted = false;
    RemoveStates({InputDown, InputButton6, InputUp, InputButton4});
  }
}

void TFallingPiece::Drop() {
  DropWanted = false;
  RemoveStates({InputButton1, InputDown, InputButton6});
  Status.Score += DropBonus(Current.Block(0).Row);
  // The drop stops one row above the resting place; an ordinary step falls the last row.
  const int rows = DropDistance(Current, Well) - 1;
  if (rows <= 0)
    return;
  Current = Current.Shifted(0, -rows);
  FallDue = true;
  LeftWanted = RightWanted = false;
}

void TFallingPiece::EndSlide() {
  Slide = TSlide::None;
  SlideCount = 0;
  Status.PauseAllowed = true;
  LeftWanted = RightWanted = FallDue = false;
}

void TFallingPiece::MoveSideways(int direction) {
  if (Blocked(Current, Well, direction, 0))
    return; // the request stays until the way is free
  if (!Current.Shifted(direction, 0).InsideWell()) {
    LeftWanted = RightWanted = FallDue = false;
    SlideCount = 0;
    return;
  }
  if (SlideCount < SlideFrames) {
    Slide = direction < 0 ? TSlide::Left : TSlide::Right;
    Status.PauseAllowed = false;
    ++SlideCount;
  }
  if (SlideCount == SlideFrames) {
    Current = Current.Shifted(direction, 0);
    EndSlide();
  }
}

void TFallingPiece::RunLockDelay() {
  LockDelayStarted = LockDelayStarted || !LockDelayRunning;
  LockDelayRunning = true;
}

void TFallingPiece::StartLockDelay() {
  FallDue = false;
  Status.PauseAllowed = false;
  RunLockDelay();
}

void TFallingPiece::FallStep() {
  const bool canFall = !Blocked(Current, Well, 0, -1);
  if (!canFall) {
    if (!LockDelayRunning)
      StartLockDelay();
    return;
  }
  if (Current.OnFloor()) {
    FallDue = LeftWanted = RightWanted = false;
    SlideCount = 0;
    return;
  }
  if (SlideCount < SlideFrames) {
    Slide = TSlide::Down;
    Status.PauseAllowed = false;
    ++SlideCount;
  }
  if (SlideCount == SlideFrames) {
    Current = Current.Shifted(0, -1);
    EndSlide();
    if (Current.OnFloor()) {
      Status.PauseAllowed = false;
      RunLockDelay();
    }
    if (!LockDelayRunning && RestsOnSomething())
      StartLockDelay();
  }
}
