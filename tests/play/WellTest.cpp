#include "play/Well.h"

#include <gtest/gtest.h>

namespace {

QImage Block(QRgb colour) {
  QImage image(BlockSize, BlockSize, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

void Fill(TWell &well, int col, int row, QRgb colour, int cellCol = 0, int cellRow = 0) {
  TWellSquare &s = well.Square(col, row);
  s.Occupied = true;
  s.BlockPicture = Block(colour);
  s.CarriedCellCol = cellCol;
  s.CarriedCellRow = cellRow;
}

TEST(WellTest, SquaresSitOnTheTwentyPixelGridOfThePlaySurface) {
  const TWell well;
  EXPECT_EQ(well.Square(1, 1).Left, 0);
  EXPECT_EQ(well.Square(1, 1).Top, 342);
  EXPECT_EQ(well.Square(10, 18).Left, 180);
  EXPECT_EQ(well.Square(10, 18).Top, 2);
  EXPECT_EQ(well.Square(4, 7).Left, 60);
  EXPECT_EQ(well.Square(4, 7).Top, 222);
  // Column 10 ends at x 198 and row 1 at y 360, the play surface's size.
  EXPECT_EQ(TWell::SquareLeft(WellColumns) + BlockSize, 198);
  EXPECT_EQ(TWell::SquareTop(1) + BlockSize, 360);
}

TEST(WellTest, EmptyClearsOccupiedButKeepsPictureAndCarriedCell) {
  TWell well;
  Fill(well, 3, 4, qRgb(1, 2, 3), 5, 6);
  well.Square(3, 4).Left = -1;
  well.Empty();
  const TWellSquare &s = well.Square(3, 4);
  EXPECT_FALSE(s.Occupied);
  EXPECT_EQ(s.Left, 40);
  EXPECT_EQ(s.Top, 282);
  EXPECT_EQ(s.CarriedCellCol, 5);
  EXPECT_EQ(s.CarriedCellRow, 6);
  EXPECT_EQ(s.BlockPicture.pixel(0, 0), qRgb(1, 2, 3));
  for (int col = 1; col <= WellColumns; ++col)
    for (int row = 1; row <= WellRows; ++row)
      EXPECT_TRUE(well.SquareFree(col, row));
}

TEST(WellTest, SquaresOutsideTheWellCountAsFree) {
  TWell well;
  Fill(well, 1, 1, qRgb(9, 9, 9));
  EXPECT_FALSE(well.SquareFree(1, 1));
  EXPECT_TRUE(well.SquareFree(0, 1));
  EXPECT_TRUE(well.SquareFree(1, 0));
  EXPECT_TRUE(well.SquareFree(11, 5));
  EXPECT_TRUE(well.SquareFree(5, 19));
}

TEST(WellTest, RowIsFullOnlyWithAllTenSquares) {
  TWell well;
  for (int col = 1; col <= 9; ++col)
    Fill(well, col, 2, qRgb(0, 0, 0));
  EXPECT_FALSE(well.RowFull(2));
  Fill(well, 10, 2, qRgb(0, 0, 0));
  EXPECT_TRUE(well.RowFull(2));
  EXPECT_FALSE(well.RowFull(1));
  EXPECT_FALSE(well.RowFull(3));
}

TEST(WellTest, CollapseMovesTheColumnAboveDownOneAndEmptiesTheTop) {
  TWell well;
  for (int row = 1; row <= WellRows; ++row) {
    if (row != 9) // leave a gap that must travel down too
      Fill(well, 3, row, qRgb(row, 0, 0), 100 + row, 200 + row);
  }
  Fill(well, 4, 6, qRgb(0, 44, 0), 1, 2);

  well.CollapseColumn(3, 5);

  for (int row = 1; row <= 4; ++row)
    EXPECT_EQ(well.Square(3, row).CarriedCellCol, 100 + row) << "row " << row;
  for (int row = 5; row <= 17; ++row) {
    const TWellSquare &s = well.Square(3, row);
    SCOPED_TRACE(row);
    EXPECT_EQ(s.Occupied, row + 1 != 9);
    if (s.Occupied) {
      EXPECT_EQ(s.BlockPicture.pixel(0, 0), qRgb(row + 1, 0, 0));
      EXPECT_EQ(s.CarriedCellCol, 101 + row);
      EXPECT_EQ(s.CarriedCellRow, 201 + row);
    }
  }
  EXPECT_FALSE(well.Square(3, 18).Occupied);
  EXPECT_EQ(well.Square(3, 5).Left, 40); // positions stay with the squares
  EXPECT_EQ(well.Square(3, 5).Top, 262);
  EXPECT_TRUE(well.Square(4, 6).Occupied); // other columns untouched
  EXPECT_FALSE(well.Square(4, 5).Occupied);
}

TEST(WellTest, CollapseOfTheTopRowOnlyEmptiesIt) {
  TWell well;
  Fill(well, 7, 18, qRgb(1, 1, 1));
  Fill(well, 7, 17, qRgb(2, 2, 2));
  well.CollapseColumn(7, 18);
  EXPECT_FALSE(well.Square(7, 18).Occupied);
  EXPECT_TRUE(well.Square(7, 17).Occupied);
  EXPECT_EQ(well.Square(7, 17).BlockPicture.pixel(0, 0), qRgb(2, 2, 2));
}

} // namespace
