#include "rules/Well.h"

TWell::TWell() { Empty(); }

int TWell::IndexOf(int col, int row) {
  Q_ASSERT(InsideWell(col, row));
  return (col - 1) * WellRows + (row - 1);
}

TWellSquare &TWell::Square(int col, int row) { return Squares[IndexOf(col, row)]; }

const TWellSquare &TWell::Square(int col, int row) const { return Squares[IndexOf(col, row)]; }

void TWell::Empty() {
  for (TWellSquare &square : Squares)
    square.Occupied = false;
}

bool TWell::SquareFree(int col, int row) const {
  return !InsideWell(col, row) || !Square(col, row).Occupied;
}

bool TWell::RowFull(int row) const {
  for (int col = 1; col <= WellColumns; ++col) {
    if (!Square(col, row).Occupied)
      return false;
  }
  return true;
}

void TWell::CollapseColumn(int col, int row) {
  for (int j = row + 1; j <= WellRows; ++j) {
    const TWellSquare &from = Square(col, j);
    TWellSquare &to = Square(col, j - 1);
    to.Occupied = from.Occupied;
    to.ColourIndex = from.ColourIndex;
    to.CarriedCellCol = from.CarriedCellCol;
    to.CarriedCellRow = from.CarriedCellRow;
  }
  Square(col, WellRows).Occupied = false;
}
