#include "rules/PlaySession.h"

void TPlaySession::StartLevel(int level) {
  Status.LevelComplete = false;
  Piece.ResetMotion();
  Well.Empty();
  if (level == 1)
    Status.Score = 0;
}

void TPlaySession::ChooseFirstPieces(qint64 now) {
  Random.Reseed(now);
  Piece.SetType(Random.Random(PieceTypeCount));
  NextType = Random.Random(PieceTypeCount);
}

void TPlaySession::ChooseNextPiece(qint64 now) {
  Random.Reseed(now);
  Piece.SetType(NextType);
  NextType = Random.Random(PieceTypeCount);
}

TLanding TPlaySession::Land() {
  std::array<QPoint, PieceBlockCount> blocks;
  for (int b = 0; b < PieceBlockCount; ++b)
    blocks[size_t(b)] = {Piece.Piece().Block(b).Col, Piece.Piece().Block(b).Row};
  const TLanding landing =
      LandBlocks(Well, Cells, blocks, {Cells.TargetCellCol(), Cells.TargetCellRow()},
                 Cells.TargetColourIndex());
  Status.Score += landing.Points;
  Status.LevelComplete = Status.LevelComplete || landing.LevelComplete;
  return landing;
}
