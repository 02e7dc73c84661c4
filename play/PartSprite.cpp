#include "play/PartSprite.h"

#include "play/FallingPiece.h"
#include "play/Well.h"

TPartSprite::TPartSprite(TSprite *parent, TFallingPiece &piece, int pieceType, int blockIndex)
    : TImageSprite(parent), BlockIndex(blockIndex), Piece(piece) {
  const TBlockTables &t = BlockTables(pieceType, blockIndex);
  Col = t.Spawn.Col;
  Row = t.Spawn.Row;
  MinCol = t.MinCol;
  MaxCol = t.MaxCol;
  MinRow = t.MinRow;
  MaxRow = t.MaxRow;
  CwDx = t.CwDx;
  CwDy = t.CwDy;
  AcwDx = t.AcwDx;
  AcwDy = t.AcwDy;
  SetX(TWell::SquareLeft(Col));
  SetY(TWell::SquareTop(Row));
}

void TPartSprite::MoveStep(int moveCount) {
  TImageSprite::MoveStep(moveCount);
  Piece.MoveStep(*this);
}
