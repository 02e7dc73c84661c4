#include "rules/Well.h"

#include <gtest/gtest.h>

namespace {

void Fill(TWell &well, int col, int row, int colour, int cellCol = 0, int cellRow = 0) {
  TWellSquare &s = well.Square(col, row);
  s.Occupied = true;
  s.ColourIndex = colour;
  s.CarriedCellCol = cellCol;
  s.CarriedCellRow = cellRow;
}

TEST(WellTest, SquaresSitOnTheTwentyPixelGridOfThePlaySurface) {
  EXPECT_EQ(TWell::SquareLeft(1), 0);
  EXPECT_EQ(TWell::SquareTop(1), 342);
  EXPECT_EQ(TWell::SquareLeft(10), 180);
  EXPECT_EQ(TWell::SquareTop(18), 2);
  EXPECT_EQ(TWell::SquareLeft(4), 60);
  EXPECT_EQ(TWell::SquareTop(7), 222);
  // Column 10 ends at x 198 and row 1 at y 360, the play surface's size.
  EXPECT_EQ(TWell::SquareLeft(WellColumns) + BlockSize, 198);
  EXPECT_EQ(TWell::SquareTop(1) + BlockSize, 360);
}

TEST(WellTest, EmptyClearsOccupiedButKeepsColourAndCarriedCell) {
  TWell well;
  Fill(well, 3, 4, 7, 5, 6);
  well.Empty();
  const TWellSquare &s = well.Square(3, 4);
  EXPECT_FALSE(s.Occupied);
  EXPECT_EQ(s.CarriedCellCol, 5);
  EXPECT_EQ(s.CarriedCellRow, 6);
  EXPECT_EQ(s.ColourIndex, 7);
  for (int col = 1; col <= WellColumns; ++col)
    for (int row = 1; row <= WellRows; ++row)
      EXPECT_TRUE(well.SquareFree(col, row));
}

TEST(WellTest, SquaresOutsideTheWellCountAsFree) {
  TWell well;
  Fill(well, 1, 1, 1);
  EXPECT_FALSE(well.SquareFree(1, 1));
  EXPECT_TRUE(well.SquareFree(0, 1));
  EXPECT_TRUE(well.SquareFree(1, 0));
  EXPECT_TRUE(well.SquareFree(11, 5));
  EXPECT_TRUE(well.SquareFree(5, 19));
}

TEST(WellTest, RowIsFullOnlyWithAllTenSquares) {
  TWell well;
  for (int col = 1; col <= 9; ++col)
    Fill(well, col, 2, 0);
  EXPECT_FALSE(well.RowFull(2));
  Fill(well, 10, 2, 0);
  EXPECT_TRUE(well.RowFull(2));
  EXPECT_FALSE(well.RowFull(1));
  EXPECT_FALSE(well.RowFull(3));
}

TEST(WellTest, CollapseMovesTheColumnAboveDownOneAndEmptiesTheTop) {
  TWell well;
  for (int row = 1; row <= WellRows; ++row) {
    if (row != 9) // leave a gap that must travel down too
      Fill(well, 3, row, row % 8, 100 + row, 200 + row);
  }
  Fill(well, 4, 6, 4, 1, 2);

  well.CollapseColumn(3, 5);

  for (int row = 1; row <= 4; ++row)
    EXPECT_EQ(well.Square(3, row).CarriedCellCol, 100 + row) << "row " << row;
  for (int row = 5; row <= 17; ++row) {
    const TWellSquare &s = well.Square(3, row);
    SCOPED_TRACE(row);
    EXPECT_EQ(s.Occupied, row + 1 != 9);
    if (s.Occupied) {
      EXPECT_EQ(s.ColourIndex, (row + 1) % 8);
      EXPECT_EQ(s.CarriedCellCol, 101 + row);
      EXPECT_EQ(s.CarriedCellRow, 201 + row);
    }
  }
  EXPECT_FALSE(well.Square(3, 18).Occupied);
  EXPECT_TRUE(well.Square(4, 6).Occupied); // other columns untouched
  EXPECT_FALSE(well.Square(4, 5).Occupied);
}

TEST(WellTest, CollapseOfTheTopRowOnlyEmptiesIt) {
  TWell well;
  Fill(well, 7, 18, 1);
  Fill(well, 7, 17, 2);
  well.CollapseColumn(7, 18);
  EXPECT_FALSE(well.Square(7, 18).Occupied);
  EXPECT_TRUE(well.Square(7, 17).Occupied);
  EXPECT_EQ(well.Square(7, 17).ColourIndex, 2);
}

} // namespace
