// Keys held down: the Down key that makes the piece fall fast while held. Frames of 16 ms, no
// fall steps but those asked for.
#include "tests/rules/PieceRig.h"

#include <gtest/gtest.h>

namespace {

// The long piece lies flat in row 18 of an empty well: 17 rows above the floor.
class SoftFallTest : public ::testing::Test {
protected:
  void SetUp() override {
    rig.Prefs.DownArrowDrops = false;
    rig.Prefs.DownArrowFalls = true;
    rig.Spawn(5);
  }
  PieceRig rig;
};

TEST_F(SoftFallTest, AHeldDownKeyFallsARowEveryTwoFramesWithoutPoints) {
  const int top = rig.Pixel(0).y();
  rig.Press(A::Down);
  rig.Frame();
  EXPECT_EQ(rig.Pixel(0).y(), top + 10);
  EXPECT_TRUE(rig.Piece.SteppingDown());
  rig.Frame();
  EXPECT_EQ(rig.Block(0).Row, 17);
  EXPECT_EQ(rig.Pixel(0).y(), top + 20);
  rig.Frames(31);
  EXPECT_EQ(rig.Block(0).Row, 2);
  EXPECT_FALSE(rig.LockDelayRunning());
  rig.Frame();
  EXPECT_EQ(rig.Block(0).Row, 1);
  EXPECT_TRUE(rig.LockDelayRunning());
  EXPECT_EQ(rig.Score, 0);
  // It lies there as a fallen piece does until the lock delay ends, the key still held.
  rig.Frames(10);
  EXPECT_EQ(rig.LockExpiries, 1);
  EXPECT_EQ(rig.Block(0).Row, 1);
}

TEST_F(SoftFallTest, ReleasingTheKeyGivesTheOrdinaryFallBack) {
  rig.Press(A::Down);
  rig.Frames(4);
  rig.Release(A::Down);
  ASSERT_EQ(rig.Block(0).Row, 16);
  rig.Frames(20); // no step is due: the piece stands
  EXPECT_EQ(rig.Block(0).Row, 16);
  const int y = rig.Pixel(0).y();
  rig.Piece.StepDue();
  rig.Frame();
  EXPECT_EQ(rig.Pixel(0).y(), y + 4);
  rig.Frames(4);
  EXPECT_EQ(rig.Block(0).Row, 15);
}

TEST_F(SoftFallTest, ItLandsOnSettledBlocksWithTheLockDelay) {
  rig.Fill(5, 10);
  rig.Press(A::Down);
  rig.Frames(14); // seven rows: row 11, resting on the block
  EXPECT_EQ(rig.Block(0).Row, 11);
  EXPECT_TRUE(rig.LockDelayRunning());
  rig.Frames(10);
  EXPECT_EQ(rig.Block(0).Row, 11);
  EXPECT_EQ(rig.LockExpiries, 1);
}

TEST_F(SoftFallTest, TurningWhileFallingKeepsTheKeyFalling) {
  rig.Press(A::Down);
  rig.Frames(4);
  rig.Tap(A::Turn); // anticlockwise, between two rows
  EXPECT_EQ(rig.Turn(), 4);
  const int row = rig.Block(0).Row;
  rig.Frames(4);
  EXPECT_EQ(rig.Block(0).Row, row - 2);
}

TEST_F(SoftFallTest, TheDropKeyStillDropsWithItsPoints) {
  rig.Tap(A::Drop);
  EXPECT_EQ(rig.Block(0).Row, 2);
  EXPECT_EQ(rig.Score, 20);
}

} // namespace
