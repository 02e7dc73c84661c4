// The falling piece through the keys a player presses, in a level under virtual time: a piece
// turned onto the floor lands, and a tap that comes while the piece slides down a row is served.
#include "app/Trace.h"
#include "rules/Piece.h"
#include "tests/app/GameHarness.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class PieceKeysTest : public ::testing::Test {
protected:
  void SetUp() override {
    H.MakeGame("Default", {TTestLevel{}, TTestLevel{}});
    H.Start();
    H.StartPlaying();
  }
  TPlaySession &Session() { return H.Game->Model().Session(); }
  const TPiece &Piece() { return Session().Piece.Piece(); }
  int Events(const QByteArray &name) {
    int n = 0;
    for (const QByteArray &line : Trace.split('\n'))
      n += line.split(' ').value(1) == name;
    return n;
  }
  // Frames until the long piece lies flat with its blocks on `row`, between fall steps.
  void FallFlatTo(int row) {
    for (int i = 0; i < 2000 && (Piece().Block(0).Row != row || Session().Piece.Animating()); ++i)
      H.Frames(1);
    ASSERT_EQ(Piece().Block(0).Row, row);
  }
  // The first piece, a long one, lying flat on row 3, turned upright with Up: onto the floor.
  void TurnALongPieceUprightOntoTheFloor() {
    Session().Piece.SetType(5);
    H.Frames(1);
    FallFlatTo(3);
    H.Tap(Qt::Key_Up);
    ASSERT_EQ(Piece().Block(0).Col, Piece().Block(3).Col);
    ASSERT_TRUE(Piece().OnFloor());
  }

  TGameHarness H;
  QByteArray Trace;
  Trace::TCapture Capture{Trace, [this] { return H.Scheduler.Now(); }};
};

} // namespace

TEST_F(PieceKeysTest, ALongPieceTurnedUprightOntoTheFloorLandsAfterTheNextFallStep) {
  ASSERT_NO_FATAL_FAILURE(TurnALongPieceUprightOntoTheFloor());
  const int column = Piece().Block(0).Col;
  H.Advance(1000 + 150 + 32); // the fall interval, the lock delay and a frame or two
  EXPECT_EQ(Events("land"), 1);
  for (int row = 1; row <= 4; ++row)
    EXPECT_TRUE(Session().Well.Square(column, row).Occupied) << row;
  EXPECT_EQ(Events("piece"), 2); // the next one came
}

TEST_F(PieceKeysTest, SpaceAfterTheTurnOntoTheFloorLandsThePieceAtOnce) {
  ASSERT_NO_FATAL_FAILURE(TurnALongPieceUprightOntoTheFloor());
  H.Tap(Qt::Key_Space);
  H.Advance(150 + 16);
  EXPECT_EQ(Events("land"), 1);
}

TEST_F(PieceKeysTest, FiftyTapsAtRandomMomentsOfTheFallAreEachServed) {
  std::mt19937 random(36);
  H.Frames(1);
  int taps = 0;
  for (int round = 0; round < 400 && taps < 50; ++round) {
    for (int i = 0; i < 200 && !Session().Piece.SteppingDown(); ++i)
      H.Frames(1);
    ASSERT_TRUE(Session().Piece.SteppingDown());
    // Near the stack a move may be refused by a settled block: those rows are left to fall.
    if (DropDistance(Piece(), Session().Well) < 3) {
      H.Frames(5);
      continue;
    }
    H.Frames(int(random() % 4)); // the tap lands on the 2nd to 5th frame of the slide
    const int column = Piece().Shift.Col;
    const int moves = Events("move");
    H.Tap(column > 0 ? Qt::Key_Left : Qt::Key_Right);
    H.Frames(10);
    EXPECT_EQ(Events("move"), moves + 1) << "tap " << taps;
    EXPECT_EQ(std::abs(Piece().Shift.Col - column), 1) << "tap " << taps;
    ++taps;
  }
  EXPECT_EQ(taps, 50);
}
