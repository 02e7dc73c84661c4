// Where a drop would settle the falling piece, and the squares of it that the piece does not
// stand on yet: what the player is shown of the landing to come.
#include "tests/rules/PieceRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

TSquares SquaresOf(const TPiece &piece) {
  TSquares s;
  for (const TSquare &b : piece.Blocks())
    s.insert({b.Col, b.Row});
  return s;
}

QPoint PixelOf(int col, int row) { return {TWell::SquareLeft(col), TWell::SquareTop(row)}; }

TEST(LandingPlaceTest, OnTheHighestBlockUnderAnyOfItsColumns) {
  PieceRig rig;
  rig.Fill(7, 4);
  rig.Fill(5, 9);  // under the middle only: the piece still stops on it
  rig.Fill(9, 15); // beside the piece: no matter
  rig.Spawn(5);
  EXPECT_EQ(SquaresOf(LandingPlace(rig.Piece.Piece(), rig.Well)),
            (TSquares{{4, 10}, {5, 10}, {6, 10}, {7, 10}}));
}

TEST(LandingPlaceTest, FollowsTheTurnsAndMoves) {
  PieceRig rig;
  rig.Fill(6, 5);
  rig.Spawn(5);
  rig.Fall();
  rig.Fall();       // row 16, so that the upright piece fits
  rig.Tap(A::Turn); // anticlockwise: upright in column 5
  ASSERT_EQ(rig.Turn(), 4);
  const int bottom =
      std::min({rig.Block(0).Row, rig.Block(1).Row, rig.Block(2).Row, rig.Block(3).Row});
  EXPECT_EQ(SquaresOf(LandingPlace(rig.Piece.Piece(), rig.Well)),
            SquaresOf(rig.Piece.Piece().Shifted(0, 1 - bottom)));
  rig.Tap(A::Right);
  rig.Frames(5); // now in column 6, over the block in row 5
  ASSERT_EQ(rig.Block(0).Col, 6);
  EXPECT_EQ(SquaresOf(LandingPlace(rig.Piece.Piece(), rig.Well)),
            (TSquares{{6, 6}, {6, 7}, {6, 8}, {6, 9}}));
}

// Every shape in every turn, moved sideways over a well of random blocks: a drop and the fall
// of its last row settle the piece on exactly the squares shown before.
TEST(LandingPlaceTest, ADropSettlesThePieceWhereItsLandingPlaceWasShown) {
  std::mt19937 random(36);
  int checked = 0;
  for (int round = 0; round < 40; ++round)
    for (int type = 0; type < PieceTypeCount; ++type) {
      PieceRig rig;
      for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= WellColumns; ++col)
          if (random() % 3 == 0)
            rig.Fill(col, row);
      rig.Spawn(type);
      rig.Fall();
      rig.Fall();
      for (int turns = int(random() % 4); turns > 0; --turns)
        rig.Tap(A::Turn);
      const A side = random() % 2 ? A::Left : A::Right;
      for (int moves = int(random() % 5); moves > 0; --moves) {
        rig.Tap(side);
        rig.Frames(5);
      }
      if (rig.Piece.TurnPending() || rig.Piece.SidewaysPending())
        continue; // a turn or move that waits would change the place before the drop
      const TSquares shown = SquaresOf(LandingPlace(rig.Piece.Piece(), rig.Well));
      rig.Tap(A::Drop);
      rig.Frames(5);
      ASSERT_TRUE(rig.LockDelayRunning()) << "round " << round << " type " << type;
      EXPECT_EQ(rig.Squares(), shown) << "round " << round << " type " << type;
      ++checked;
    }
  EXPECT_GT(checked, 30 * PieceTypeCount);
}

TEST(LandingPlaceTest, ShowsOnlyTheSquaresThePieceDoesNotStandOn) {
  PieceRig rig;
  rig.Spawn(5);
  rig.Fall();
  rig.Fall();
  rig.Tap(A::Turn); // upright
  while (LandingPlace(rig.Piece.Piece(), rig.Well).Shift.Row < rig.Piece.Piece().Shift.Row - 1)
    rig.Fall();
  // One row above its landing place: three of the four squares are its own.
  const std::vector<QPoint> oneAbove = rig.Piece.LandingPositions();
  ASSERT_EQ(oneAbove.size(), 1u);
  const TSquares landing = SquaresOf(LandingPlace(rig.Piece.Piece(), rig.Well));
  const auto lowest = *std::min_element(landing.begin(), landing.end(),
                                        [](auto a, auto b) { return a.second < b.second; });
  EXPECT_EQ(oneAbove.front(), PixelOf(lowest.first, lowest.second));
  rig.Fall();
  EXPECT_TRUE(rig.Piece.LandingPositions().empty()); // it lies there
  EXPECT_EQ(SquaresOf(LandingPlace(rig.Piece.Piece(), rig.Well)), rig.Squares());
}

} // namespace
