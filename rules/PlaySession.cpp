#include "rules/PlaySession.h"

#include "rules/Points.h"

void TPlaySession::StartLevel(int level) {
  PictureComplete = false;
  Piece.ResetMotion();
  Well.Empty();
  Targets = TCellTargets();
  if (level == 1)
    Points = 0;
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

void TPlaySession::ScoreFinishedLevel() { Points += LevelPoints; }

TPieceStep TPlaySession::StepPiece(TPlayerActions held, bool lockDelayRunning) {
  const TPieceStep step = Piece.Step(held, lockDelayRunning);
  Points += step.Points;
  return step;
}

TLanding TPlaySession::Land() {
  std::array<QPoint, PieceBlockCount> blocks;
  for (int b = 0; b < PieceBlockCount; ++b)
    blocks[size_t(b)] = {Piece.Piece().Block(b).Col, Piece.Piece().Block(b).Row};
  const TLanding landing =
      LandBlocks(Well, Cells, blocks, Targets.Current(), Targets.CurrentColourIndex(Cells));
  Points += landing.Points;
  PictureComplete = PictureComplete || landing.LevelComplete;
  return landing;
}
