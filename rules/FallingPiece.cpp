#include "rules/FallingPiece.h"

#include "rules/Speed.h"
#include "rules/Well.h"

#include <algorithm>

TFallingPiece::TFallingPiece(const TWell &well, const TPlayPreferences &prefs)
    : Well(well), Prefs(prefs) {}

void TFallingPiece::ResetMotion() {
  TurnCwWanted = TurnAcwWanted = DropWanted = LeftWanted = RightWanted = FallDue = false;
  ResumeKeyPending = false;
  Slide = TSlide::None;
  SlideCount = 0;
  SlideLength = SlideFrames;
  Repeat.Reset();
  PauseFree = true;
}

void TFallingPiece::Create() {
  Current = TPiece::Spawned(Current.Type);
  IsActive = true;
  PauseFree = true;
  Repeat.Reset();
  ++Made;
}

void TFallingPiece::Free() { IsActive = false; }

void TFallingPiece::SwallowResumeKey() {
  ResumeKeyPending = true;
  TurnAcwWanted = false;
}

bool TFallingPiece::AtRest() const {
  return !FallDue && !DropWanted && !LeftWanted && !RightWanted && !TurnCwWanted &&
         !TurnAcwWanted && Slide == TSlide::None && !ResumeKeyPending;
}

bool TFallingPiece::RestsOnSomething() const { return ::RestsOnSomething(Current, Well); }

namespace {

QPoint PixelOf(TSquare s) { return {TWell::SquareLeft(s.Col), TWell::SquareTop(s.Row)}; }

} // namespace

std::array<QPoint, PieceBlockCount> TFallingPiece::BlockPositions() const {
  // SlideStep pixels a frame when the slide takes SlideFrames.
  const int done = SquarePitch * SlideCount / SlideLength;
  const QPoint slid = Slide == TSlide::Left    ? QPoint(-done, 0)
                      : Slide == TSlide::Right ? QPoint(done, 0)
                      : Slide == TSlide::Down  ? QPoint(0, done)
                                               : QPoint();
  std::array<QPoint, PieceBlockCount> positions;
  for (int b = 0; b < PieceBlockCount; ++b)
    positions[size_t(b)] = PixelOf(Current.Block(b)) + slid;
  return positions;
}

std::vector<QPoint> TFallingPiece::LandingPositions() const {
  const std::array<TSquare, PieceBlockCount> now = Current.Blocks();
  std::vector<QPoint> positions;
  for (const TSquare &s : LandingPlace(Current, Well).Blocks())
    if (std::find(now.begin(), now.end(), s) == now.end())
      positions.push_back(PixelOf(s));
  return positions;
}

TPieceStep TFallingPiece::Step(TPlayerActions held, bool lockDelayRunning) {
  Held = held;
  Points = 0;
  Sounds.clear();
  LockDelayRunning = lockDelayRunning;
  LockDelayStarted = false;
  Move();
  return {held.Without(Held), Points, LockDelayStarted, Sounds};
}

void TFallingPiece::Move() {
  if (!IsActive)
    return;
  if (ResumeKeyPending) {
    Serve({TPlayerAction::Down, TPlayerAction::Turn});
    ResumeKeyPending = false;
    return;
  }
  ReadRequests();
  TurnAndDrop();
  SlideAndFall();
}

// Turns and drops wait for a still piece: no slide under way, no lock delay running.
void TFallingPiece::TurnAndDrop() {
  const auto still = [this] { return !Animating() && !LockDelayRunning; };
  if (TurnAcwWanted && still())
    TryTurn(false);
  if (TurnCwWanted && still())
    TryTurn(true);
  if (DropWanted && still())
    Drop();
}

void TFallingPiece::SlideAndFall() {
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
      Serve({TPlayerAction::Left});
    if (rightServed)
      Serve({TPlayerAction::Right});
  }
}

void TFallingPiece::ReadRequests() {
  TPlayerActions sideways;
  for (TPlayerAction a : {TPlayerAction::Left, TPlayerAction::Right})
    if (Held.Has(a))
      sideways.Add(a);
  if (Repeat.Asks(sideways)) {
    LeftWanted = LeftWanted || sideways.Has(TPlayerAction::Left);
    RightWanted = RightWanted || sideways.Has(TPlayerAction::Right);
  }
  if (Held.Has(TPlayerAction::Drop))
    DropWanted = true;
  SoftFall = false;
  if (Held.Has(TPlayerAction::Down)) {
    switch (Prefs.DownKey) {
    case TDownKey::Drop:
      DropWanted = true;
      break;
    case TDownKey::Rotate:
      TurnAcwWanted = true;
      break;
    case TDownKey::Fall:
      // A step every frame the piece is free to take one: the resting piece's lock delay runs
      // as it would after an ordinary fall.
      SoftFall = true;
      FallDue = FallDue || !LockDelayRunning;
      break;
    }
  }
  if (Held.Has(TPlayerAction::Turn))
    (Prefs.UpArrowClockwise ? TurnCwWanted : TurnAcwWanted) = true;
}

void TFallingPiece::TryTurn(bool clockwise) {
  const TPiece turned = Current.Turned(clockwise);
  if (!Fits(turned, Well))
    return; // the request stays and is tried again at the next step
  if (Prefs.MotionSound)
    Sounds << (clockwise ? QStringLiteral("RotateRight") : QStringLiteral("RotateLeft"));
  Current = turned;
  if (clockwise) {
    TurnCwWanted = false;
    Serve({TPlayerAction::Turn});
  } else {
    // Either key may have asked for it, as the preferences say; a Down key that makes the piece
    // fall did not, and falls on while held.
    TurnAcwWanted = false;
    Serve(Prefs.DownKey == TDownKey::Fall
              ? TPlayerActions{TPlayerAction::Turn}
              : TPlayerActions{TPlayerAction::Down, TPlayerAction::Turn});
  }
}

void TFallingPiece::Drop() {
  DropWanted = false;
  Serve(Prefs.DownKey == TDownKey::Fall ? TPlayerActions{TPlayerAction::Drop}
                                        : TPlayerActions{TPlayerAction::Drop, TPlayerAction::Down});
  Points += DropBonus(Current.Block(0).Row);
  // The drop stops one row above the resting place; an ordinary step falls the last row.
  const int rows = DropDistance(Current, Well) - 1;
  // With no room to drop, the ordinary step is still due now: it falls the one row left or
  // starts the lock delay, so the key the player pressed lands the piece.
  FallDue = true;
  if (rows <= 0)
    return;
  Current = Current.Shifted(0, -rows);
  LeftWanted = RightWanted = false;
}

void TFallingPiece::EndSlide() {
  if (Slide != TSlide::Down)
    LeftWanted = RightWanted = false; // the move asked for is made
  Slide = TSlide::None;
  SlideCount = 0;
  PauseFree = true;
  FallDue = false;
}

void TFallingPiece::MoveSideways(int direction) {
  if (Blocked(Current, Well, direction, 0))
    return; // the request stays until the way is free
  if (!Current.Shifted(direction, 0).InsideWell()) {
    LeftWanted = RightWanted = FallDue = false;
    SlideCount = 0;
    return;
  }
  if (SlideCount < SlideLength) {
    if (SlideCount == 0)
      SlideLength = Repeat.BeginColumn();
    Slide = direction < 0 ? TSlide::Left : TSlide::Right;
    PauseFree = false;
    ++SlideCount;
  }
  if (SlideCount == SlideLength) {
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
  PauseFree = false;
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
    // Turned or moved onto the floor: it rests there as on a settled block.
    if (!LockDelayRunning)
      StartLockDelay();
    return;
  }
  if (Slide != TSlide::Down) {
    // A sideways request still standing as the step begins was blocked, and the step ends it.
    // One that comes while the piece slides down is kept and served when the step ends: a tap
    // in those frames is not lost.
    LeftWanted = RightWanted = false;
  }
  if (SlideCount < SlideLength) {
    if (SlideCount == 0)
      SlideLength = SoftFall ? SoftFallFrames : SlideFrames;
    Slide = TSlide::Down;
    PauseFree = false;
    ++SlideCount;
  }
  if (SlideCount == SlideLength) {
    Current = Current.Shifted(0, -1);
    EndSlide();
    if (Current.OnFloor()) {
      PauseFree = false;
      RunLockDelay();
    }
    if (!LockDelayRunning && RestsOnSomething())
      StartLockDelay();
  }
}
