// The piece as a value over a well: where its blocks lie, what fits, how far it drops.
#include "rules/Piece.h"
#include "rules/Well.h"

#include <gtest/gtest.h>

namespace {

TPiece Upright(int type, int turn, int cols, int rows) { return {type, turn, {cols, rows}}; }

TEST(PieceTest, AFreshPieceLiesInTheTopTwoRowsAndATurnKeepsItsPivot) {
  for (int type = 0; type < PieceTypeCount; ++type) {
    const TPiece piece = TPiece::Spawned(type);
    EXPECT_TRUE(piece.InsideWell()) << type;
    for (const TSquare &s : piece.Blocks())
      EXPECT_GE(s.Row, 17) << type;
  }
  // The tee turns about block 1; moved pieces turn about the moved pivot.
  const TPiece tee = TPiece::Spawned(6).Shifted(2, -5);
  EXPECT_EQ(tee.Turned(true).Block(1), tee.Block(1));
  EXPECT_EQ(tee.Turned(true).Turned(false), tee);
}

TEST(PieceTest, UprightLongPieceStandsInTheOuterColumnsAndNoFurther) {
  // Type 5 in state 2 spans rows r..r+3 of one column, column 6 unmoved.
  TWell well;
  EXPECT_TRUE(Fits(Upright(5, 2, 1 - 6, 1 - 16), well));   // column 1, on the floor
  EXPECT_TRUE(Fits(Upright(5, 2, 10 - 6, 1 - 16), well));  // column 10, on the floor
  EXPECT_TRUE(Fits(Upright(5, 2, 10 - 6, 18 - 19), well)); // column 10, at the top
  EXPECT_FALSE(Fits(Upright(5, 2, 0 - 6, 1 - 16), well));
  EXPECT_FALSE(Fits(Upright(5, 2, 11 - 6, 1 - 16), well));
  EXPECT_FALSE(Fits(Upright(5, 2, 1 - 6, 0 - 16), well));
  well.Square(10, 4).Occupied = true;
  EXPECT_FALSE(Fits(Upright(5, 2, 10 - 6, 1 - 16), well));
}

TEST(PieceTest, AFreshTypeZeroCannotTurnClockwiseUntilItHasFallenARow) {
  const TWell well;
  const TPiece fresh = TPiece::Spawned(0);
  EXPECT_FALSE(Fits(fresh.Turned(true), well)); // block 0 would need row 19
  EXPECT_TRUE(Fits(fresh.Shifted(0, -1).Turned(true), well));
}

TEST(PieceTest, RestingAndDroppingSeeSettledBlocksAndTheFloor) {
  TWell well;
  const TPiece square = TPiece::Spawned(4); // columns 5 and 6, rows 17 and 18
  EXPECT_EQ(DropDistance(square, well), 16);
  EXPECT_FALSE(RestsOnSomething(square, well));
  EXPECT_TRUE(square.Shifted(0, -16).OnFloor());
  well.Square(6, 9).Occupied = true;
  EXPECT_EQ(DropDistance(square, well), 7);
  EXPECT_TRUE(RestsOnSomething(square.Shifted(0, -7), well));
  EXPECT_TRUE(Blocked(square.Shifted(0, -8), well, 0, 0));
  EXPECT_FALSE(Blocked(square.Shifted(-4, 0), well, -1, 0)); // the wall is not a settled block
}

} // namespace
