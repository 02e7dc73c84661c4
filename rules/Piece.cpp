#include "rules/Piece.h"

#include "rules/Well.h"

TSquare TPiece::Block(int block) const {
  const TSquare s = ShapeSquare(Type, block, Turn);
  return {s.Col + Shift.Col, s.Row + Shift.Row};
}

std::array<TSquare, PieceBlockCount> TPiece::Blocks() const {
  std::array<TSquare, PieceBlockCount> blocks;
  for (int b = 0; b < PieceBlockCount; ++b)
    blocks[size_t(b)] = Block(b);
  return blocks;
}

// A turn keeps the shift: the shapes' states are drawn about the piece's own pivot.
TPiece TPiece::Turned(bool clockwise) const {
  return {Type, clockwise ? StateAfterCw(Turn) : StateAfterAcw(Turn), Shift};
}

bool TPiece::InsideWell() const {
  for (const TSquare &s : Blocks())
    if (!TWell::InsideWell(s.Col, s.Row))
      return false;
  return true;
}

bool TPiece::OnFloor() const {
  for (const TSquare &s : Blocks())
    if (s.Row == 1)
      return true;
  return false;
}

bool Blocked(const TPiece &piece, const TWell &well, int cols, int rows) {
  for (const TSquare &s : piece.Blocks())
    if (!well.SquareFree(s.Col + cols, s.Row + rows))
      return true;
  return false;
}

bool Fits(const TPiece &piece, const TWell &well) {
  return piece.InsideWell() && !Blocked(piece, well, 0, 0);
}

bool RestsOnSomething(const TPiece &piece, const TWell &well) {
  return Blocked(piece, well, 0, -1);
}

int DropDistance(const TPiece &piece, const TWell &well) {
  int rows = 0;
  while (Fits(piece.Shifted(0, -(rows + 1)), well))
    ++rows;
  return rows;
}

TPiece LandingPlace(const TPiece &piece, const TWell &well) {
  return piece.Shifted(0, -DropDistance(piece, well));
}
