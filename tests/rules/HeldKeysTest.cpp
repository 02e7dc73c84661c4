// Keys held down: a sideways key's delay and rate when it slides the piece, and the Down key
// that makes the piece fall fast while held. Frames of 16 ms, no fall steps but those asked for.
#include "tests/rules/PieceRig.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct TSlideCase {
  int Delay;
  int Rate;
  std::vector<int> ColumnEnds; // frames at which each of the four columns to the wall is made
  int SecondColumnPixels;      // block 0's pixels moved in the second column's first frame
};

void PrintTo(const TSlideCase &c, std::ostream *os) {
  *os << c.Delay << " ms delay, " << c.Rate << " ms rate";
}

class SlideTimingTest : public ::testing::TestWithParam<TSlideCase> {};

// The square from columns 5 and 6 to the wall, Left held from the first frame.
TEST_P(SlideTimingTest, AHeldKeyMovesAfterItsDelayThenAtItsRate) {
  const TSlideCase &c = GetParam();
  PieceRig rig;
  rig.Prefs.SingleStepMovement = false;
  rig.Prefs.SlideDelay = c.Delay;
  rig.Prefs.SlideRate = c.Rate;
  rig.Spawn(4);
  rig.Press(A::Left);
  std::vector<int> ends;
  int secondColumnPixels = 0;
  for (int frame = 1; frame <= 40; ++frame) {
    const int col = rig.Block(0).Col, x = rig.Pixel(0).x();
    const size_t columnsMade = ends.size();
    rig.Frame();
    if (columnsMade == 1 && secondColumnPixels == 0)
      secondColumnPixels = x - rig.Pixel(0).x();
    if (rig.Block(0).Col != col)
      ends.push_back(frame);
  }
  EXPECT_EQ(ends, c.ColumnEnds);
  EXPECT_EQ(secondColumnPixels, c.SecondColumnPixels);
  EXPECT_EQ(rig.Block(0).Col, 1);
}

INSTANTIATE_TEST_SUITE_P(
    DelayAndRate, SlideTimingTest,
    ::testing::Values(
        // The defaults: one column every five frames of four pixels, from the first frame on.
        TSlideCase{80, 80, {5, 10, 15, 20}, 4},
        // A delay shorter than the first column's own slide cannot come sooner.
        TSlideCase{40, 80, {5, 10, 15, 20}, 4}, TSlideCase{160, 80, {5, 15, 20, 25}, 4},
        // 200 ms is 13 frames, 100 ms 6: a frame's rest between five-frame slides.
        TSlideCase{200, 100, {5, 18, 24, 30}, 4},
        // Faster than a slide: the later columns slide in two frames of ten pixels, or one.
        TSlideCase{80, 32, {5, 7, 9, 11}, 10}, TSlideCase{80, 16, {5, 6, 7, 8}, 20}));

TEST(HeldKeysTest, APressAfterAReleaseMovesAtOnceWhateverTheDelay) {
  PieceRig rig;
  rig.Prefs.SingleStepMovement = false;
  rig.Prefs.SlideDelay = 400;
  rig.Spawn(4);
  rig.Press(A::Left);
  rig.Frames(7);
  ASSERT_EQ(rig.Block(0).Col, 4);
  rig.Release(A::Left);
  rig.Frame();
  rig.Press(A::Left);
  rig.Frames(5);
  EXPECT_EQ(rig.Block(0).Col, 3);
  rig.Frames(10); // still within the new press's delay
  EXPECT_EQ(rig.Block(0).Col, 3);
}

TEST(HeldKeysTest, OneColumnPerPressIgnoresDelayAndRate) {
  PieceRig rig;
  rig.Prefs.SlideDelay = 80;
  rig.Prefs.SlideRate = 16;
  rig.Spawn(4);
  rig.Press(A::Left);
  rig.Frames(30);
  EXPECT_EQ(rig.Block(0).Col, 4);
}

// The long piece lies flat in row 18 of an empty well: 17 rows above the floor.
class SoftFallTest : public ::testing::Test {
protected:
  void SetUp() override {
    rig.Prefs.DownKey = TDownKey::Fall;
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
