// The falling piece frame by frame: requests, turns, drops, slides and the lock delay, on a
// well of its own, frames of 16 ms, with no display or device.
#include "tests/rules/PieceRig.h"

#include <gtest/gtest.h>

#include <random>

TEST(FallingPieceTest, SpawnsAtItsTableSquaresWithPixelPositions) {
  PieceRig rig;
  rig.Spawn(0);
  EXPECT_EQ(rig.Squares(), (TSquares{{4, 18}, {5, 18}, {6, 18}, {6, 17}}));
  EXPECT_EQ(rig.Pixel(0).x(), 60);
  EXPECT_EQ(rig.Pixel(0).y(), 2);
  EXPECT_TRUE(rig.Piece.Active());
}

TEST(FallingPieceTest, AFallStepSlidesFourPixelsAFrameForFiveFrames) {
  PieceRig rig;
  rig.Spawn(4);
  rig.Piece.StepDue();
  rig.Frame();
  EXPECT_EQ(rig.Pixel(0).y(), 6);
  EXPECT_TRUE(rig.Piece.SteppingDown());
  EXPECT_FALSE(rig.Piece.PauseAllowed());
  rig.Frames(3);
  EXPECT_EQ(rig.Block(0).Row, 18);
  rig.Frame();
  EXPECT_EQ(rig.Pixel(0).y(), 22);
  EXPECT_EQ(rig.Block(0).Row, 17);
  EXPECT_FALSE(rig.Piece.SteppingDown());
  EXPECT_FALSE(rig.Piece.Animating());
  EXPECT_TRUE(rig.Piece.PauseAllowed());
}

TEST(FallingPieceTest, TypeZeroAtTheLeftWallCannotMoveLeftAndCannotTurnClockwiseAtTheTop) {
  PieceRig rig;
  rig.Prefs.UpArrowClockwise = true;
  rig.Spawn(0);
  for (int i = 0; i < 3; ++i) {
    rig.Tap(A::Left);
    rig.Frames(5);
  }
  ASSERT_EQ(rig.Block(0).Col, 1);
  rig.Tap(A::Left);
  rig.Frames(5);
  EXPECT_EQ(rig.Block(0).Col, 1);
  EXPECT_FALSE(rig.Piece.SidewaysPending());
  // Clockwise from state 1 needs row 19 for block 0: refused, the request stays.
  rig.Tap(A::Turn);
  EXPECT_EQ(rig.Turn(), 1);
  EXPECT_TRUE(rig.Piece.TurnPending());
  EXPECT_TRUE(rig.Sounds.empty());
}

TEST(FallingPieceTest, ARefusedTurnHappensAsSoonAsItFits) {
  PieceRig rig;
  rig.Prefs.UpArrowClockwise = true;
  rig.Spawn(0);
  rig.Tap(A::Turn);
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
  rig.Press(A::Right);
  rig.Frame(); // slide starts
  rig.Release(A::Right);
  rig.Tap(A::Turn);
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
    rig.Tap(A::Turn);
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
  rig.Tap(A::Turn);
  EXPECT_FALSE(rig.Piece.TurnPending());
  EXPECT_TRUE(rig.Sounds.empty());
}

TEST(FallingPieceTest, DropFromTheTopOfAnEmptyWellStopsOneRowShortAndScoresTwenty) {
  PieceRig rig;
  rig.Spawn(5);
  rig.Tap(A::Drop);
  EXPECT_EQ(rig.Block(0).Row, 2);
  // The last row's slide starts in the same frame.
  EXPECT_EQ(rig.Pixel(0).y(), 362 - 40 + 4);
  EXPECT_EQ(rig.Score, 20);
  EXPECT_TRUE(rig.Piece.SteppingDown());
  rig.Frames(4);
  EXPECT_EQ(rig.Block(0).Row, 1);
  EXPECT_TRUE(rig.LockDelayRunning()); // on the floor: the lock delay runs
}

TEST(FallingPieceTest, DropOneRowAboveRestMovesNothingButScores) {
  PieceRig rig;
  for (int c = 1; c <= 10; ++c)
    rig.Fill(c, 16);
  rig.Spawn(5); // lies in row 18; rests on row 17
  rig.Fall();
  ASSERT_EQ(rig.Block(0).Row, 17);
  rig.StopLockDelay();
  const TSquares before = rig.Squares();
  rig.Tap(A::Down);
  EXPECT_EQ(rig.Squares(), before);
  EXPECT_EQ(rig.Score, 20);
  EXPECT_FALSE(rig.Piece.DropPending());
}

TEST(FallingPieceTest, HeldLeftRepeatsOnlyWithoutSingleStepMovement) {
  for (bool singleStep : {true, false}) {
    PieceRig rig;
    rig.Prefs.SingleStepMovement = singleStep;
    rig.Spawn(4); // columns 5 and 6
    rig.Press(A::Left);
    rig.Frames(20);
    EXPECT_EQ(rig.Block(0).Col, singleStep ? 4 : 1) << singleStep;
    rig.Release(A::Left);
  }
}

TEST(FallingPieceTest, HeldLeftWhileRestingDoesNotRepeat) {
  PieceRig rig;
  rig.Prefs.SingleStepMovement = false;
  for (int c = 1; c <= 10; ++c)
    rig.Fill(c, 16);
  rig.Spawn(4); // rests at once: square (5,16) under it
  rig.Press(A::Left);
  rig.Frames(20);
  EXPECT_EQ(rig.Block(0).Col, 4);
}

TEST(FallingPieceTest, BothTurnsInOneFrameMakeTheAnticlockwiseOneFirst) {
  PieceRig rig;
  rig.Prefs.UpArrowClockwise = true;
  rig.Prefs.DownKey = TDownKey::Rotate;
  rig.Spawn(6);
  rig.Fall();
  rig.Press(A::Turn);
  rig.Press(A::Down);
  rig.Frame();
  EXPECT_EQ(rig.Sounds, (std::vector<QString>{"RotateLeft", "RotateRight"}));
  EXPECT_EQ(rig.Turn(), 1);
}

TEST(FallingPieceTest, AHeldTurnTurnsOncePerPress) {
  PieceRig rig;
  rig.Spawn(6);
  rig.Fall();
  rig.Press(A::Turn);
  rig.Frames(10);
  EXPECT_EQ(rig.Sounds.size(), 1u);
  rig.Release(A::Turn);
  rig.Frame();
  rig.Tap(A::Turn);
  EXPECT_EQ(rig.Sounds.size(), 2u);
}

TEST(FallingPieceTest, SpaceDuringTheLockDelayDropsTheNextPieceOnItsFirstFrame) {
  PieceRig rig;
  rig.Spawn(4);
  rig.Tap(A::Drop);
  rig.Frames(5);
  ASSERT_TRUE(rig.LockDelayRunning());
  rig.Press(A::Drop);
  rig.Frame();
  rig.Release(A::Drop);
  EXPECT_TRUE(rig.Piece.DropPending()); // waits: turns and drops do not act while resting
  // The piece is put aside as a landing would; the request stays for the next piece.
  for (int i = 0; i < 4; ++i)
    rig.Well.Square(rig.Block(i).Col, rig.Block(i).Row).Occupied = true;
  rig.StopLockDelay();
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
  EXPECT_TRUE(rig.LockDelayRunning());
  EXPECT_FALSE(rig.Piece.PauseAllowed());
  rig.Wait(149);
  EXPECT_EQ(rig.LockExpiries, 0);
  rig.Wait(1);
  EXPECT_EQ(rig.LockExpiries, 1);
}

TEST(FallingPieceTest, TheResumeKeyDoesNotTurnThePiece) {
  PieceRig rig;
  rig.Spawn(6);
  rig.Fall();
  rig.Piece.SwallowResumeKey();
  rig.Press(A::Turn);
  rig.Frames(3);
  EXPECT_EQ(rig.Turn(), 1);
  rig.Release(A::Turn);
  rig.Frame();
  rig.Tap(A::Turn); // the next press turns again
  EXPECT_EQ(rig.Turn(), 4);
}

TEST(FallingPieceTest, ATapDuringAFallStepIsServedWhenTheStepEnds) {
  std::mt19937 random(33);
  PieceRig rig;
  rig.Spawn(6); // the tee: turns and moves freely in the middle of the well
  int served = 0;
  for (int tap = 0; tap < 50; ++tap) {
    if (rig.Block(1).Row < 5)
      rig.Spawn(6);
    const TPiece before = rig.Piece.Piece();
    const A action = tap % 3 == 2 ? A::Turn : rig.Block(1).Col > 5 ? A::Left : A::Right;
    rig.Piece.StepDue();
    rig.Frames(1 + int(random() % 4)); // the tap comes on the 2nd to 5th frame of the slide
    ASSERT_TRUE(rig.Piece.SteppingDown());
    rig.Tap(action);
    rig.Frames(10);
    const TPiece after = rig.Piece.Piece();
    ASSERT_EQ(after.Shift.Row, before.Shift.Row - 1);
    const bool done = action == A::Turn
                          ? after.Turn != before.Turn
                          : after.Shift.Col == before.Shift.Col + (action == A::Left ? -1 : 1);
    served += done;
    EXPECT_TRUE(done) << "tap " << tap;
  }
  EXPECT_EQ(served, 50);
}

TEST(FallingPieceTest, ABlockedMoveDoesNotOutliveTheFallStepThatFollows) {
  PieceRig rig;
  rig.Spawn(4); // the square, columns 5 and 6, rows 17 and 18
  rig.Fill(4, 18);
  rig.Tap(A::Left); // blocked: the request stays while the piece stands
  ASSERT_TRUE(rig.Piece.SidewaysPending());
  rig.Fall(); // the way is now free, but the player pressed Left a row ago
  rig.Frames(5);
  EXPECT_EQ(rig.Block(0).Col, 5);
  EXPECT_FALSE(rig.Piece.SidewaysPending());
}
