#pragma once
// One block of the falling piece: an image sprite that knows its well square, its rotation
// state and its own copy of the bound and turn tables. Its move step is the falling piece's.

#include "media/ImageSprite.h"
#include "play/PieceShapes.h"

class TFallingPiece;

class TPartSprite final : public TImageSprite {
public:
  TPartSprite(TSprite *parent, TFallingPiece &piece, int pieceType, int blockIndex);

  void MoveStep(int moveCount) override;
  void DoCollision(TSprite &) override {}

  int BlockIndex;
  int Col;
  int Row;
  TPerState MinCol, MaxCol, MaxRow, MinRow;
  TPerState CwDx, CwDy, AcwDx, AcwDy;
  int RotState = 1;

private:
  TFallingPiece &Piece;
};
