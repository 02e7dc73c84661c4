#pragma once
// The well: 10 columns by 18 rows of squares, counted from the bottom-left, each remembering
// whether a block settled in it, that block's colour and the picture cell its piece carried.
// Squares are indexed [column 1..10][row 1..18]; square (c, r) is drawn with its top-left pixel
// at (20 x (c - 1), 362 - 20 x r) on the 198 x 360 play surface.

#include <QtGlobal>

#include <array>

constexpr int WellColumns = 10;
constexpr int WellRows = 18;
// Squares lie 20 pixels apart; a block picture is 18 x 18, leaving 2 pixels of background.
constexpr int SquarePitch = 20;
constexpr int BlockSize = 18;

struct TWellSquare {
  bool Occupied = false;
  int ColourIndex = 0; // of the block that settled here: its cell's colour
  int CarriedCellCol = 0;
  int CarriedCellRow = 0;
};

class TWell {
public:
  TWell();

  static constexpr int SquareLeft(int col) { return SquarePitch * (col - 1); }
  static constexpr int SquareTop(int row) { return 362 - SquarePitch * row; }
  static constexpr bool InsideWell(int col, int row) {
    return col >= 1 && col <= WellColumns && row >= 1 && row <= WellRows;
  }

  TWellSquare &Square(int col, int row);
  const TWellSquare &Square(int col, int row) const;

  // Level start: every square unoccupied. The colour and the carried cell are left as they
  // are; they are only read from occupied squares.
  void Empty();

  // True when no settled block fills the square. Squares outside the well count as free: the
  // neighbour tests of moves and falls leave walls and floor to the per-block bounds.
  bool SquareFree(int col, int row) const;
  bool RowFull(int row) const;

  // A row below has been removed from column `col`: squares (col, row + 1 .. 18) move down one,
  // so squares (col, row .. 17) take new content and (col, 18) becomes unoccupied. Repainting
  // them is the caller's.
  void CollapseColumn(int col, int row);

private:
  static int IndexOf(int col, int row);

  std::array<TWellSquare, size_t(WellColumns) * WellRows> Squares;
};
