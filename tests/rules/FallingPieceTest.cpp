// The falling piece frame by frame: requests, turns, drops, slides and the lock delay, on a
// well of its own under virtual time, with no display.
#include "rules/FallingPiece.h"
#include "media/PlayerInput.h"
#include "media/Timer.h"
#include "media/VirtualKeys.h"
#include "rules/Well.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using TSquares = std::set<std::pair<int, int>>;

class PieceRig {
public:
  PieceRig() {
    Well.Empty();
    Piece.ResetMotion();
    Piece.PlaySound = [this](const QString &name) { Sounds.push_back(name); };
    // The landing itself belongs to the game; here it only records that the delay ran out.
    LockDelayTimer.OnTimer = [this] {
      LockDelayTimer.SetEnabled(false);
      ++LockExpiries;
    };
  }
  void Spawn(int type) {
    Piece.SetType(type);
    Piece.Create();
  }
  // One frame: timers due meanwhile, then input and the move steps, as the frame tick does.
  void Frame() {
    Scheduler.Advance(16);
    Input.Update();
    const TPieceStep step = Piece.Step(Input.States(), LockDelayTimer.Enabled());
    Input.Remove(step.Served);
    if (step.LockDelayWanted)
      LockDelayTimer.SetEnabled(true);
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i)
      Frame();
  }
  void Tap(int vk) {
    Keys.Press(vk);
    Frame();
    Keys.Release(vk);
  }
  TSquares Squares() const {
    TSquares s;
    for (const TSquare &b : Piece.Piece().Blocks())
      s.insert({b.Col, b.Row});
    return s;
  }
  TSquare Block(int i) const { return Piece.Piece().Block(i); }
  int Turn() const { return Piece.Piece().Turn; }
  QPoint Pixel(int i) const { return Piece.BlockPositions()[size_t(i)]; }
  void Fill(int col, int row) { Well.Square(col, row).Occupied = true; }
  // Falls one row: a due step, then the five frames of its slide.
  void Fall() {
    Piece.StepDue();
    Frames(5);
  }

  TScheduler Scheduler;
  TKeyStateTable Keys;
  TPlayerInput Input{Keys};
  TTimer LockDelayTimer{Scheduler, 150};
  TPlayStatus Status;
  TPlayPreferences Prefs;
  TWell Well;
  TFallingPiece Piece{Well, Status, Prefs};
  std::vector<QString> Sounds;
  int LockExpiries = 0;
};

} // namespace

TEST(FallingPieceTest, SpawnsAtItsTableSquaresWithPixelPositions) {
  PieceRig rig;
  rig.Spawn(0);
  EXPECT_EQ(rig.Squares(), (TSquares{{4, 18}, {5, 18}, {6, 18}, {6, 17}}));
  EXPECT_EQ(rig.Pixel(0).x(), 60);
  EXPECT_EQ(rig.Pixel(0).y(), 2);
  EXPECT_TRUE(rig.Status.PieceActive);
}

TEST(FallingPieceTest, AFallStepSlidesFourPixelsAFrameForFiveFrames) {
  PieceRig rig;
  rig.Spawn(4);
  rig.Piece.StepDue();
  rig.Frame();
  EXPECT_EQ(rig.Pixel(0).y(), 6);
  EXPECT_TRUE(rig.Piece.SteppingDown());
  EXPECT_FALSE(rig.Status.PauseAllowed);
  rig.Frames(3);
  EXPECT_EQ(rig.Block(0).Row, 18);
  rig.Frame();
  EXPECT_EQ(rig.Pixel(0).y(), 22);
  EXPECT_EQ(rig.Block(0).Row, 17);
  EXPECT_FALSE(rig.Piece.SteppingDown());
  EXPECT_FALSE(rig.Piece.Animating());
  EXPECT_TRUE(rig.Status.PauseAllowed);
}

TEST(FallingPieceTest, TypeZeroAtTheLeftWallCannotMoveLeftAndCannotTurnClockwiseAtTheTop) {
  PieceRig rig;
  rig.Prefs.UpArrowClockwise = true;
  rig.Spawn(0);
  for (int i = 0; i < 3; ++i) {
    rig.Tap(Vk::Left);
    rig.Frames(5);
  }
  ASSERT_EQ(rig.Block(0).Col, 1);
  rig.Tap(Vk::Left);
  rig.Frames(5);
  EXPECT_EQ(rig.Block(0).Col, 1);
  EXPECT_FALSE(rig.Piece.SidewaysPending());
  // Clockwise from state 1 needs row 19 for block 0: refused, the request stays.
  rig.Tap(Vk::Up);
  EXPECT_EQ(rig.Turn(), 1);
  EXPECT_TRUE(rig.Piece.TurnPending());
  EXPECT_TRUE(rig.Sounds.empty());
}

TEST(FallingPieceTest, ARefusedTurnHappensAsSoonAsItFits) {
  PieceRig rig;
  rig.Prefs.UpArrowClockwise = true;
  rig.Spawn(0);
  rig.Tap(Vk::Up);
  ASSERT_TRUE(rig.Piece.TurnPending());
  rig.Fall(); // one row down, block 0 may now go up a row
  rig.Frame();
  EXPECT_EQ(rig.Turn(), 2);
  EXPECT_FALSE(rig.Piece.TurnPending());
  EXPECT_EQ(rig.Squares(), (TSquares{{5, 18}, {5, 17}, {5, 16}, {4, 16}}));
  EXPECT_EQ(rig.Sounds, std::vector<QString>{"RotateRight"});
}

TEST(FallingPieceTest, ATurnRequestedDuringASlideHappensOnTheFirstStepAfterIt) {
  PieceRig rig;
  rig.Spawn(6);
  rig.Fall();
  rig.Keys.Press(Vk::Right);
  rig.Frame(); // slide starts
  rig.Keys.Release(Vk::Right);
  rig.Tap(Vk::Up);
  EXPECT_TRUE(rig.Piece.TurnPending());
  EXPECT_EQ(rig.Turn(), 1);
  rig.Frames(2); // frames 3 and 4 of the slide
  EXPECT_EQ(rig.Turn(), 1);
  rig.Frame(); // frame 5 ends the slide; the turn waits for the next step
  EXPECT_EQ(rig.Block(0).Col, 5);
  EXPECT_EQ(rig.Turn(), 1);
  rig.Frame();
  EXPECT_EQ(rig.Turn(), 4);
  EXPECT_EQ(rig.Sounds, std::vector<QString>{"RotateLeft"});
}

TEST(FallingPieceTest, TheSquareTurnsInPlaceWithItsSound) {
  PieceRig rig;
  rig.Spawn(4);
  const TSquares before = rig.Squares();
  for (int turn = 0; turn < 4; ++turn) {
    rig.Tap(Vk::Up);
    rig.Frame();
  }
  EXPECT_EQ(rig.Squares(), before);
  EXPECT_EQ(rig.Turn(), 1);
  EXPECT_EQ(rig.Sounds.size(), 4u);
  EXPECT_EQ(rig.Sounds.front(), "RotateLeft");
}

TEST(FallingPieceTest, NoTurnSoundWithMotionSoundOff) {
  PieceRig rig;
  rig.Prefs.MotionSound = false;
  rig.Spawn(4);
  rig.Tap(Vk::Up);
  EXPECT_FALSE(rig.Piece.TurnPending());
  EXPECT_TRUE(rig.Sounds.empty());
}

TEST(FallingPieceTest, DropFromTheTopOfAnEmptyWellStopsOneRowShortAndScoresTwenty) {
  PieceRig rig;
  rig.Spawn(5);
  rig.Tap(Vk::Space);
  EXPECT_EQ(rig.Block(0).Row, 2);
  // The last row's slide starts in the same frame.
  EXPECT_EQ(rig.Pixel(0).y(), 362 - 40 + 4);
  EXPECT_EQ(rig.Status.Score, 20);
  EXPECT_TRUE(rig.Piece.SteppingDown());
  rig.Frames(4);
  EXPECT_EQ(rig.Block(0).Row, 1);
  EXPECT_TRUE(rig.LockDelayTimer.Enabled()); // on the floor: the lock delay runs
}

TEST(FallingPieceTest, DropOneRowAboveRestMovesNothingButScores) {
  PieceRig rig;
  for (int c = 1; c <= 10; ++c)
    rig.Fill(c, 16);
  rig.Spawn(5); // lies in row 18; rests on row 17
  rig.Fall();
  ASSERT_EQ(rig.Block(0).Row, 17);
  rig.LockDelayTimer.SetEnabled(false);
  const TSquares before = rig.Squares();
  rig.Tap(Vk::Down);
  EXPECT_EQ(rig.Squares(), before);
  EXPECT_EQ(rig.Status.Score, 20);
  EXPECT_FALSE(rig.Piece.DropPending());
}

TEST(FallingPieceTest, HeldLeftRepeatsOnlyWithoutSingleStepMovement) {
  for (bool singleStep : {true, false}) {
    PieceRig rig;
    rig.Prefs.SingleStepMovement = singleStep;
    rig.Spawn(4); // columns 5 and 6
    rig.Keys.Press(Vk::Left);
    rig.Frames(20);
    EXPECT_EQ(rig.Block(0).Col, singleStep ? 4 : 1) << singleStep;
    rig.Keys.Release(Vk::Left);
  }
}

TEST(FallingPieceTest, HeldLeftWhileRestingDoesNotRepeat) {
  PieceRig rig;
  rig.Prefs.SingleStepMovement = false;
  for (int c = 1; c <= 10; ++c)
    rig.Fill(c, 16);
  rig.Spawn(4); // rests at once: square (5,16) under it
  rig.Keys.Press(Vk::Left);
  rig.Frames(20);
  EXPECT_EQ(rig.Block(0).Col, 4);
}

TEST(FallingPieceTest, BothTurnsInOneFrameMakeTheAnticlockwiseOneFirst) {
  PieceRig rig;
  rig.Prefs.UpArrowClockwise = true;
  rig.Prefs.DownArrowDrops = false;
  rig.Spawn(6);
  rig.Fall();
  rig.Keys.Press(Vk::Up);
  rig.Keys.Press(Vk::Down);
  rig.Frame();
  EXPECT_EQ(rig.Sounds, (std::vector<QString>{"RotateLeft", "RotateRight"}));
  EXPECT_EQ(rig.Turn(), 1);
}

TEST(FallingPieceTest, KeypadEightTurnsOncePerPress) {
  PieceRig rig;
  rig.Spawn(6);
  rig.Fall();
  rig.Keys.Press(Vk::Numpad8);
  rig.Frames(10);
  EXPECT_EQ(rig.Sounds.size(), 1u);
  rig.Keys.Release(Vk::Numpad8);
  rig.Frame();
  rig.Tap(Vk::Numpad8);
  EXPECT_EQ(rig.Sounds.size(), 2u);
}

TEST(FallingPieceTest, SpaceDuringTheLockDelayDropsTheNextPieceOnItsFirstFrame) {
  PieceRig rig;
  rig.Spawn(4);
  rig.Tap(Vk::Space);
  rig.Frames(5);
  ASSERT_TRUE(rig.LockDelayTimer.Enabled());
  rig.Keys.Press(Vk::Space);
  rig.Frame();
  rig.Keys.Release(Vk::Space);
  EXPECT_TRUE(rig.Piece.DropPending()); // waits: turns and drops do not act while resting
  // The piece is put aside as a landing would; the request stays for the next piece.
  for (int i = 0; i < 4; ++i)
    rig.Well.Square(rig.Block(i).Col, rig.Block(i).Row).Occupied = true;
  rig.LockDelayTimer.SetEnabled(false);
  rig.Spawn(4);
  rig.Frame();
  EXPECT_EQ(rig.Block(0).Row, 5); // block 2 stops one row above its resting row 3
}

TEST(FallingPieceTest, LockDelayStartsWhenThePieceComesToRest) {
  PieceRig rig;
  for (int c = 1; c <= 10; ++c)
    rig.Fill(c, 15);
  rig.Spawn(4);
  rig.Fall(); // now rows 17/16, resting on row 15
  EXPECT_TRUE(rig.LockDelayTimer.Enabled());
  EXPECT_FALSE(rig.Status.PauseAllowed);
  rig.Scheduler.Advance(149);
  EXPECT_EQ(rig.LockExpiries, 0);
  rig.Scheduler.Advance(1);
  EXPECT_EQ(rig.LockExpiries, 1);
}

TEST(FallingPieceTest, SuspendedPieceStandsStill) {
  PieceRig rig;
  rig.Spawn(4);
  rig.Status.Suspended = true;
  rig.Piece.StepDue();
  rig.Keys.Press(Vk::Left);
  rig.Frames(10);
  EXPECT_EQ(rig.Squares(), (TSquares{{5, 18}, {6, 18}, {5, 17}, {6, 17}}));
}

TEST(FallingPieceTest, TheResumeKeyDoesNotTurnThePiece) {
  PieceRig rig;
  rig.Spawn(6);
  rig.Fall();
  rig.Piece.SwallowResumeKey();
  rig.Keys.Press(Vk::Up);
  rig.Frames(3);
  EXPECT_EQ(rig.Turn(), 1);
  rig.Keys.Release(Vk::Up);
  rig.Frame();
  rig.Tap(Vk::Up); // the next press turns again
  EXPECT_EQ(rig.Turn(), 4);
}
